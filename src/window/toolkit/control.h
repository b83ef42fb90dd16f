#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tk {

class Window;

// 24-bit colour as 0xBBGGRR (blue in the high byte). Two values above the
// 24-bit range stand for the platform's own choice and for "see-through".
using Color = std::uint32_t;
inline constexpr Color kSystemColor = 0x80000000u;
inline constexpr Color kTransparent = 0x80000001u;

enum class Kind { TextBox, Label, CommandButton, ScrollBar, PictureBox, Line };
enum class Align { Left, Center, Right };

struct Font {
    std::string face;
    float size = 0;   // points
    int weight = 400; // 400 regular, 600 semi-bold, 700 bold
};

// Key codes of the non-character keys that raise KeyDown.
namespace key {
inline constexpr int End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
inline constexpr int PageUp = 33, PageDown = 34;
inline constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;
// Character codes of the keyboard's paste and cut (Ctrl+V, Ctrl+X) and of Escape.
inline constexpr int PasteChar = 22, CutChar = 24, EscapeChar = 27;
} // namespace key

// Everything every control kind has: identity, geometry in twips, font,
// colours, visibility, tab order and stacking. Controls belong to a Window,
// which they register with on construction; they never move in memory.
class Control {
public:
    Control(Window& window, Kind kind, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Kind kind() const { return m_kind; }
    const std::string& baseName() const { return m_name; }
    int index() const { return m_index; }
    // "F(3)" for array members, the plain name otherwise.
    std::string name() const;
    Window& window() const { return m_window; }

    bool focusable() const; // a kind that can hold the focus
    bool hasFocus() const;
    void SetFocus(); // a move made by code: same events as the user's

    float Left = 0, Top = 0, Width = 0, Height = 0;
    Font font;
    bool hasFont = true; // the scroll bar and the line have none
    Color BackColor = kSystemColor;
    Color ForeColor = kSystemColor;
    bool Visible = true;
    int TabIndex = -1;
    bool TabStop = false;
    int zOrder = 0; // smaller is nearer the front
    // A panel such as a help page: while it shows, the keyboard cannot reach
    // what lies wholly beneath it, just as the mouse cannot.
    bool coversBeneath = false;
    // An Alt+letter key for a button whose caption marks none.
    char shortcutKey = 0;
    std::string Caption;
    char accessKey() const; // the letter after "&" in Caption, upper-cased; 0 if none

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void()> Click;

private:
    Window& m_window;
    Kind m_kind;
    std::string m_name;
    int m_index;
};

class Label : public Control {
public:
    Label(Window& w, std::string name, int index = -1) : Control(w, Kind::Label, std::move(name), index) {}
    Align alignment = Align::Left;
    bool border = false;
};

class CommandButton : public Control {
public:
    CommandButton(Window& w, std::string name, int index = -1)
        : Control(w, Kind::CommandButton, std::move(name), index) {
        TabStop = true;
    }
};

class PictureBox : public Control {
public:
    PictureBox(Window& w, std::string name, int index = -1) : Control(w, Kind::PictureBox, std::move(name), index) {}
};

class Line : public Control {
public:
    Line(Window& w, std::string name) : Control(w, Kind::Line, std::move(name)) { hasFont = false; }
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// A text box holds its text and selection with the clamping rules the
// handlers rely on: writing Text puts the caret at 0, writing SelStart drops
// the selection, SelLength never runs past the end of the text.
class TextBox : public Control {
public:
    TextBox(Window& w, std::string name, int index = -1);

    const std::string& Text() const { return m_text; }
    void setText(std::string text);
    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selLength; }
    void setSelStart(int start);
    void setSelLength(int length);
    std::string selectedText() const;
    // Selection as the user drags it: anchor and caret, no events.
    void select(int anchor, int caret);
    int caret() const { return m_caretAtStart ? m_selStart : m_selStart + m_selLength; }

    bool Locked = false;
    bool MultiLine = false;
    bool border = true;
    Align alignment = Align::Left;

    // Raised for every key that carries a character; set the code to 0 to swallow it.
    std::function<void(int& keyAscii)> KeyPress;
    // Raised after a key that carries a character (typed, or the keyboard's
    // cut and paste) went in and changed the text; a key swallowed, or one
    // that leaves the text as it was (Escape, a cut of nothing), raises none.
    std::function<void()> KeyChange;
    // Raised for non-character keys (arrows, Delete, Home, End).
    std::function<void(int& keyCode, int shift)> KeyDown;
    // Raised by a paste into the box before anything goes in; a handler that
    // takes the whole text itself returns true, and the box is left alone.
    // Otherwise what the handler leaves in text goes in.
    std::function<bool(std::string& text)> Pasting;
    // Raised by the keyboard's undo (Ctrl+Z); the box keeps no undo itself.
    std::function<void()> Undo;

    // What the box does with a key that was not swallowed. A character
    // beyond ASCII (a code point) goes in as UTF-8; positions count bytes
    // and never fall inside a character.
    void applyChar(int keyAscii);
    void applyKey(int keyCode, int shift);
    void replaceSelection(const std::string& s); // paste, typed text
    void deleteSelectionOrNext();

private:
    void setSelectionRange(int start, int length, bool caretAtStart);
    int charStart(int pos) const; // pos, or the start of the character it falls in
    int nextChar(int pos) const;
    int prevChar(int pos) const;
    std::string m_text;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_caretAtStart = false;
};

// Change is raised on every change of Value, including one made by code, and
// never when Value is set to what it already holds.
class ScrollBar : public Control {
public:
    ScrollBar(Window& w, std::string name, int index = -1);

    int Value() const { return m_value; }
    int Min() const { return m_min; }
    int Max() const { return m_max; }
    void setValue(int v); // clamped to Min..Max
    void setMax(int max); // pulls Value down with it when needed
    void setMin(int min);
    int SmallChange = 1;
    int LargeChange = 1;

    std::function<void()> Change;

    // User gestures: an arrow (by SmallChange), the trough (by LargeChange).
    void lineUp() { setValue(m_value - SmallChange); }
    void lineDown() { setValue(m_value + SmallChange); }
    void pageUp() { setValue(m_value - LargeChange); }
    void pageDown() { setValue(m_value + LargeChange); }

private:
    int m_min = 0;
    int m_max = 32767;
    int m_value = 0;
};

} // namespace tk
