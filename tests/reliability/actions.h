#pragma once

#include "frame/tessomar.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace reliability {

// What a user can do to the window: keys go to the focused control, clicks
// land on whatever lies on top at the point clicked.
enum class Op : std::uint8_t {
    Type,  // a character key (ch), Enter and Backspace included
    Tab,   // shift = 1 for Shift+Tab
    Key,   // a non-character key (ch = key code) with shift
    Paste, // text into the focused box
    Cut,
    SelectAll,
    Drag,      // mouse selection in the focused box: x = anchor, y = caret
    Click,     // on target at (x, y) sixteenths of its rectangle; caret for a text box
    Scroll,    // a gesture on the scroll bar: ch = ScrollMove, x = value for a thumb drag
    AccessKey, // Alt + ch
};

enum ScrollMove : int { LineUp, LineDown, PageUp, PageDown, Thumb };

struct Action {
    Action() = default;
    Action(Op o, int c = 0, int s = 0) : op(o), ch(c), shift(s) {}
    Op op = Op::Type;
    int ch = 0;
    int shift = 0;
    int x = 0, y = 0, caret = 0;
    std::string text;   // Paste
    std::string target; // Click: the control's name, "F(3)"
    bool operator==(const Action&) const = default;
};

// Where the choices come from: fuzzer bytes or a seeded generator.
class Source {
public:
    virtual ~Source() = default;
    virtual bool exhausted() const = 0;
    virtual std::uint32_t pick(std::uint32_t n) = 0; // 0 .. n-1 (0 when n is 0)
};

class ByteSource : public Source {
public:
    ByteSource(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool exhausted() const override { return m_pos >= m_size; }
    std::uint32_t pick(std::uint32_t n) override;

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// splitmix64: the same sequence on every platform and library.
class PrngSource : public Source {
public:
    explicit PrngSource(std::uint64_t seed) : m_state(seed) {}
    bool exhausted() const override { return false; }
    std::uint32_t pick(std::uint32_t n) override;
    std::uint64_t next();

private:
    std::uint64_t m_state;
};

// The next few actions a user might take in the window's present state
// (a burst: a number typed key by key and Enter is one burst).
std::vector<Action> nextBurst(Source& src, const tessomar::Tessomar& w);

// Performs the action if a user could: a click only on a control that is
// visible, inside the client area and on top at that point. Returns false
// (and does nothing) otherwise.
bool perform(tessomar::Tessomar& w, const Action& a);

// The topmost control at a point of the client area that takes mouse input,
// or nullptr. Labels and the line are drawn on the window itself.
tk::Control* hitTest(const tk::Window& w, float x, float y);

// The action as a line of C++ for a reproducer, and as a token of the
// compact script the regression table keeps.
std::string toCode(const Action& a);
std::string toToken(const Action& a);
std::string toScript(const std::vector<Action>& actions);
// Throws std::invalid_argument on a malformed script.
std::vector<Action> parseScript(const std::string& script);

} // namespace reliability
