#pragma once

#include "frame/tessomar.h"
#include "reliability/actions.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace reliability {

struct Violation {
    std::string invariant; // short name: "scroll-range", "break-point-lost", ...
    std::string detail;
};

// Watches a started window: wraps its events to learn what each handler was
// entitled to do, and checks what a user would see after every action.
// The window must outlive the checker, and the checker must stay in place
// (its wrappers refer to it).
class Checker {
public:
    explicit Checker(tessomar::Tessomar& w);
    Checker(const Checker&) = delete;
    Checker& operator=(const Checker&) = delete;

    void beforeAction();
    // After the action `a` (performed or not): everything that must hold.
    std::vector<Violation> afterAction(const Action& a);
    // The state right after start, before any action.
    std::vector<Violation> checkState();

    // Also require a focused box or scroll bar to be in sight, not under a
    // help panel, where keys would change what the user cannot see.
    bool focusInSight = true;

    long checks() const { return m_checks; }
    long integrations() const { return m_integrations; }

    using Point = std::pair<float, float>; // frequency, PSD

private:
    void wrapEvents();
    void onEnter(const tk::Control* c, int event, int keyAscii);
    void onLeave(int event);
    void integrationCheckpoint();
    void arm();
    void disarm();
    bool redrawn() const;
    void allowCommit(int row, bool frequency);
    void allowReset(int row);
    void allowEntry(int k);
    bool halfFilled(int row) const;
    std::vector<Point> completed() const;
    bool isUserText(const tk::TextBox& box) const;
    int rowOf(const tk::Control* c, const std::array<tk::TextBox, tessomar::kRows>& column) const;

    void checkScroll(std::vector<Violation>& out);
    void checkRows(std::vector<Violation>& out);
    void checkTable(std::vector<Violation>& out);
    void checkLost(std::vector<Violation>& out);
    void checkValues(std::vector<Violation>& out);
    void checkRelations(std::vector<Violation>& out);
    void checkTexts(std::vector<Violation>& out);
    void checkShown(std::vector<Violation>& out);
    void checkFocus(std::vector<Violation>& out);
    void checkLayout(std::vector<Violation>& out);
    void add(std::vector<Violation>& out, const char* invariant, const std::string& detail);

    tessomar::Tessomar& w;
    long m_checks = 0;
    long m_integrations = 0;
    std::string m_marked; // B(0)'s text with the marker a redraw wipes out
    bool m_armed = false;
    int m_scrollEvents = 0;           // depth of Scroll Change events under way
    std::vector<Violation> m_pending; // found inside handlers, reported after the action
    std::vector<Point> m_before;
    std::vector<Point> m_allowed;
    bool m_allowAll = false;
    const tk::Control* m_focusBefore = nullptr;
    std::string m_textBefore;
    std::map<const tk::TextBox*, std::string> m_userText; // what the user left in each box
};

// A point as text, for messages.
std::string describe(const Checker::Point& p);

} // namespace reliability
