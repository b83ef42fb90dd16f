#pragma once

#include "toolkit/control.h"

#include <algorithm>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// A top-level window with the focus, tab-order, key and click semantics the
// handlers rely on. Everything is synchronous on the caller's thread.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    std::string Caption;
    float Left = 0, Top = 0, Width = 0, Height = 0; // outer rectangle, twips
    Font font;
    Color BackColor = kSystemColor;

    // Non-client height (title bar and borders) in twips, as the platform
    // reports it; 0 without a window manager.
    float frameHeight = 0;
    // Where the client area must end whatever the frame: a window whose
    // height hides its lower part keeps it hidden also with a thin frame or
    // none. The view sizes the window from clientHeight().
    static constexpr float kNoClientLimit = std::numeric_limits<float>::infinity();
    float clientLimit = kNoClientLimit;
    float clientHeight() const { return std::min(Height - frameHeight, clientLimit); }
    // The screen's horizontal resolution, read once at load.
    float twipsPerPixelX = 15;

    const std::vector<Control*>& controls() const { return m_controls; }
    Control* find(std::string_view name) const; // "Scroll", "F(3)"

    Control* focused() const { return m_focused; }
    // Focusable kind, visible, and at least partly inside the client area.
    bool canTakeFocus(const Control& c) const;
    // Lies wholly beneath a shown panel that covers it (see coversBeneath).
    bool underPanel(const Control& c) const;
    // A focus move, by code or by the user. See window.cpp for the rule when
    // a LostFocus handler moves the focus itself.
    void moveFocus(Control& target);

    // Life cycle, raised by the platform.
    std::function<void()> Load;
    std::function<void()> Activate;
    void load();
    void activate(); // runs Activate once, then focuses the first tab stop

    // ---- User actions, as the view forwards them ----
    void pressTab(bool shift);
    void keyPress(int keyAscii);             // a character key in the focused control
    void keyDown(int keyCode, int shift);    // a non-character key
    void click(Control& c);                  // focus first (if it can take it), then Click
    void clickText(TextBox& box, int caret); // a click into a text box at a caret position
    bool pressAccessKey(char letter);        // Alt+letter
    // Paste and cut with the mouse (context menu, middle button): no KeyPress.
    void paste(std::string text); // into the focused text box
    std::string cut();            // from the focused text box; what it took
    // Paste and cut from the keyboard (Ctrl+V, Shift+Insert; Ctrl+X,
    // Shift+Delete): keys that carry a character, so KeyPress sees
    // key::PasteChar or key::CutChar first; swallowed, nothing is pasted or cut.
    void pasteKey(std::string text);
    std::string cutKey();
    void undo(); // Ctrl+Z: the focused box's Undo handler, if any
    // Copying and selecting only read the box: no KeyPress.
    std::string copy() const;
    void selectAll();

    // The platform's alert sound, for an action the window refuses.
    std::function<void()> Beep;
    // A short message at a control, shown as a tool tip there for as long as
    // tool tips last: why an action was refused.
    std::function<void(const Control& at, const std::string& message)> Notice;

    int activations() const { return m_activations; }

private:
    friend class Control;
    void registerControl(Control* c) { m_controls.push_back(c); }
    Control* nextTabStop(const Control* from, bool backwards) const;
    TextBox* focusedTextBox() const;
    static void insertPasted(TextBox& box, const std::string& text);
    static void keyChanged(TextBox& box, const std::string& before);
    static std::string cutFrom(TextBox& box);

    std::vector<Control*> m_controls;
    Control* m_focused = nullptr;
    Control* m_reported = nullptr; // the control whose GotFocus ran last, until told it lost the focus
    int m_moveDepth = 0;           // focus moves started from handlers of a move under way
    int m_nestedMoves = 0;         // moves made since the outermost one began
    int m_activations = 0;
};

} // namespace tk
