#pragma once

#include "calc/psd.h"
#include "calc/report.h"

#include <string>

namespace tessomar {
class Tessomar;
}

// The tool windows' presenters: plain C++ over the main window's state, so
// that a test drives them as the view does (texts in, texts out).
namespace tessomar::tools {

// What a tool shows of the main window: its unit system, its break-point
// table, or both.
enum Reads : unsigned { kUnits = 1, kProfile = 2 };

// A tool reads the main window live: the view calls follow() after every
// action it forwards there, and redraws the tool when it returns true.
class Tool {
public:
    Tool(const Tessomar& main, unsigned reads) : m_main(main), m_reads(reads) {}
    Tool(const Tool&) = delete;
    Tool& operator=(const Tool&) = delete;
    virtual ~Tool() = default;

    virtual std::string title() const = 0; // "Tessomar — Profile plot"
    // Reads the main window again; true when what the tool shows changed.
    bool follow();

protected:
    bool english() const;
    // The table's break points as the copy-out lists them, with its results.
    const BreakPointReport& profile() const { return m_profile; }
    // Works out everything shown; run by follow() on a change, and by a
    // tool's own setters.
    virtual void update() = 0;
    // For the constructor of a tool: reads the main window and updates.
    void start() {
        m_started = false;
        follow();
    }

private:
    const Tessomar& m_main;
    unsigned m_reads;
    bool m_started = false;
    bool m_english = true;
    psd::Column m_freq{}, m_psd{};
    BreakPointReport m_profile;
};

// "Tessomar — " and the tool's name: every tool window is titled so.
std::string titleOf(const char* tool);

} // namespace tessomar::tools
