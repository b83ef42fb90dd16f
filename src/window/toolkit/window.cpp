#include "toolkit/window.h"

#include <algorithm>
#include <cctype>

namespace tk {

Control* Window::find(std::string_view name) const {
    for (Control* c : m_controls)
        if (c->name() == name) return c;
    return nullptr;
}

bool Window::canTakeFocus(const Control& c) const { return c.focusable() && c.Visible && c.Top < clientHeight(); }

// The target takes the focus, the control that had it runs LostFocus, then
// the target runs GotFocus. When a LostFocus handler moves the focus itself
// (an entry handler sending the focus back to its field), that move runs to
// completion, and then the move under way wins: the target takes the focus
// back from whoever holds it. So Tab and clicks end where the user asked,
// while a handler's own SetFocus (after Enter) still lands.
void Window::moveFocus(Control& target) {
    if (m_focused == &target || !canTakeFocus(target)) return;
    // Handlers that keep sending the focus on from their GotFocus (two
    // controls redirecting to each other) would otherwise recurse until the
    // stack runs out. Past these bounds a further move is refused and the
    // focus stays with the control that last gained it.
    constexpr int kMaxDepth = 16, kMaxNestedMoves = 256;
    if (m_moveDepth == 0) m_nestedMoves = 0;
    if (m_moveDepth >= kMaxDepth || ++m_nestedMoves > kMaxNestedMoves) return;
    struct Nesting {
        int& depth;
        explicit Nesting(int& d) : depth(d) { ++depth; }
        ~Nesting() { --depth; }
    } nesting{m_moveDepth};
    // Only the control whose GotFocus ran last is told it lost the focus: a
    // target still waiting for its GotFocus never had the focus to lose, and
    // no control hears of a gain or a loss twice in a row.
    auto losesFocus = [this](Control* c) {
        if (!c || c != m_reported) return;
        m_reported = nullptr;
        if (c->LostFocus) c->LostFocus();
    };
    Control* previous = m_focused;
    m_focused = &target;
    losesFocus(previous);
    // Bounded: handlers that keep moving the focus cannot spin forever.
    for (int round = 0; m_focused != &target && round < 8 && canTakeFocus(target); ++round) {
        Control* holder = m_focused;
        m_focused = &target;
        losesFocus(holder);
    }
    if (m_focused != &target || m_reported == &target) return; // redirected, or told already
    // Whoever was told last and still thinks it holds the focus hears it lost it.
    losesFocus(m_reported);
    if (m_focused != &target) return;
    m_reported = &target;
    if (target.GotFocus) target.GotFocus();
}

void Window::load() {
    if (Load) Load();
}

void Window::activate() {
    if (++m_activations > 1) return;
    if (Activate) Activate();
    if (Control* first = nextTabStop(nullptr, false)) moveFocus(*first);
}

bool Window::underPanel(const Control& c) const {
    for (const Control* p : m_controls) {
        if (p == &c || !p->coversBeneath || !p->Visible || p->zOrder >= c.zOrder) continue;
        if (p->Left <= c.Left && p->Top <= c.Top && c.Left + c.Width <= p->Left + p->Width &&
            c.Top + c.Height <= p->Top + p->Height)
            return true;
    }
    return false;
}

// Tab and the access keys reach only what the user can see: a control under
// a shown panel would take keys the user cannot watch it take.
Control* Window::nextTabStop(const Control* from, bool backwards) const {
    std::vector<Control*> stops;
    for (Control* c : m_controls)
        if (c->TabStop && c->TabIndex >= 0 && canTakeFocus(*c) && !underPanel(*c)) stops.push_back(c);
    if (stops.empty()) return nullptr;
    std::sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->TabIndex < b->TabIndex; });
    if (!from) return backwards ? stops.back() : stops.front();
    const int at = from->TabIndex;
    if (backwards) {
        for (auto it = stops.rbegin(); it != stops.rend(); ++it)
            if ((*it)->TabIndex < at) return *it;
        return stops.back();
    }
    for (Control* c : stops)
        if (c->TabIndex > at) return c;
    return stops.front();
}

void Window::pressTab(bool shift) {
    if (Control* next = nextTabStop(m_focused, shift)) moveFocus(*next);
}

TextBox* Window::focusedTextBox() const {
    if (!m_focused || m_focused->kind() != Kind::TextBox) return nullptr;
    return static_cast<TextBox*>(m_focused);
}

void Window::keyPress(int keyAscii) {
    Control* c = m_focused;
    if (!c) return;
    if (c->kind() == Kind::CommandButton) {
        if (keyAscii == 13 || keyAscii == 32) click(*c);
        return;
    }
    if (c->kind() != Kind::TextBox) return;
    auto* box = static_cast<TextBox*>(c);
    if (box->KeyPress) box->KeyPress(keyAscii);
    if (keyAscii == 0) return;
    const std::string before = box->Text();
    box->applyChar(keyAscii);
    keyChanged(*box, before);
}

void Window::keyChanged(TextBox& box, const std::string& before) {
    if (box.Text() != before && box.KeyChange) box.KeyChange();
}

void Window::keyDown(int keyCode, int shift) {
    Control* c = m_focused;
    if (!c) return;
    if (c->kind() == Kind::ScrollBar) {
        auto* bar = static_cast<ScrollBar*>(c);
        switch (keyCode) {
        case key::Up:
        case key::Left:
            bar->lineUp();
            break;
        case key::Down:
        case key::Right:
            bar->lineDown();
            break;
        case key::PageUp:
            bar->pageUp();
            break;
        case key::PageDown:
            bar->pageDown();
            break;
        case key::Home:
            bar->setValue(bar->Min());
            break;
        case key::End:
            bar->setValue(bar->Max());
            break;
        default:
            break;
        }
        return;
    }
    if (c->kind() != Kind::TextBox) return;
    auto* box = static_cast<TextBox*>(c);
    if (box->KeyDown) box->KeyDown(keyCode, shift);
    // A handler that moved the focus has dealt with the key.
    if (keyCode != 0 && m_focused == box) box->applyKey(keyCode, shift);
}

void Window::click(Control& c) {
    if (!c.Visible) return;
    if (canTakeFocus(c)) moveFocus(c);
    if (c.Click) c.Click();
}

void Window::clickText(TextBox& box, int caret) {
    if (!box.Visible) return;
    moveFocus(box);
    if (m_focused == &box) box.select(caret, caret);
}

bool Window::pressAccessKey(char letter) {
    const char want = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    std::vector<Control*> matches;
    for (Control* c : m_controls)
        if (c->kind() == Kind::CommandButton && c->accessKey() == want && canTakeFocus(*c) && !underPanel(*c))
            matches.push_back(c);
    if (matches.empty()) return false;
    if (matches.size() == 1) {
        click(*matches.front());
        return true;
    }
    // Shared access key: each press moves the focus to the next owner without
    // pressing it; Space or Enter then presses the focused button.
    std::sort(matches.begin(), matches.end(), [](auto* a, auto* b) { return a->TabIndex < b->TabIndex; });
    auto at = std::find(matches.begin(), matches.end(), m_focused);
    Control* next = (at == matches.end() || std::next(at) == matches.end()) ? matches.front() : *std::next(at);
    moveFocus(*next);
    return true;
}

// A box holds one line of printable ASCII: anything else pasted is left out.
void Window::insertPasted(TextBox& box, const std::string& text) {
    std::string clean;
    for (char ch : text)
        if (ch >= 32 && ch < 127) clean += ch;
    box.replaceSelection(clean);
}

std::string Window::cutFrom(TextBox& box) {
    std::string taken = box.selectedText();
    if (!box.Locked) box.replaceSelection({}); // a locked box only copies
    return taken;
}

void Window::paste(std::string text) {
    TextBox* box = focusedTextBox();
    if (!box || box->Locked) return;
    if (box->Pasting && box->Pasting(text)) return;
    insertPasted(*box, text);
}

std::string Window::cut() {
    TextBox* box = focusedTextBox();
    return box ? cutFrom(*box) : std::string{};
}

// A text the box's paste handler takes as a whole replaces the key too.
void Window::pasteKey(std::string text) {
    TextBox* box = focusedTextBox();
    if (!box || (!box->Locked && box->Pasting && box->Pasting(text))) return;
    int code = key::PasteChar;
    if (box->KeyPress) box->KeyPress(code);
    if (code == 0 || box->Locked) return;
    const std::string before = box->Text();
    insertPasted(*box, text);
    keyChanged(*box, before);
}

std::string Window::cutKey() {
    TextBox* box = focusedTextBox();
    if (!box) return {};
    int code = key::CutChar;
    if (box->KeyPress) box->KeyPress(code);
    if (code == 0) return {};
    const std::string before = box->Text();
    std::string taken = cutFrom(*box);
    keyChanged(*box, before);
    return taken;
}

void Window::undo() {
    if (TextBox* box = focusedTextBox(); box && box->Undo) box->Undo();
}

std::string Window::copy() const {
    TextBox* box = focusedTextBox();
    return box ? box->selectedText() : std::string{};
}

void Window::selectAll() {
    if (TextBox* box = focusedTextBox()) box->select(0, static_cast<int>(box->Text().size()));
}

} // namespace tk
