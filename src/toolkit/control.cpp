#include "toolkit/control.h"

#include "toolkit/window.h"

#include <algorithm>
#include <cctype>

namespace tk {

Control::Control(Window& window, Kind kind, std::string name, int index)
    : m_window(window), m_kind(kind), m_name(std::move(name)), m_index(index) {
    m_window.registerControl(this);
}

std::string Control::name() const {
    if (m_index < 0) return m_name;
    return m_name + "(" + std::to_string(m_index) + ")";
}

bool Control::focusable() const {
    return m_kind == Kind::TextBox || m_kind == Kind::CommandButton || m_kind == Kind::ScrollBar;
}

bool Control::hasFocus() const { return m_window.focused() == this; }

void Control::SetFocus() { m_window.moveFocus(*this); }

char Control::accessKey() const {
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] == '&') {
            ++i; // "&&" is a literal ampersand
            continue;
        }
        return static_cast<char>(std::toupper(static_cast<unsigned char>(Caption[i + 1])));
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(shortcutKey)));
}

// ---- TextBox ----

TextBox::TextBox(Window& w, std::string name, int index) : Control(w, Kind::TextBox, std::move(name), index) {
    TabStop = true;
}

void TextBox::setText(std::string text) {
    m_text = std::move(text);
    setSelectionRange(0, 0, false);
}

void TextBox::setSelStart(int start) {
    setSelectionRange(std::clamp(start, 0, static_cast<int>(m_text.size())), 0, false);
}

void TextBox::setSelLength(int length) {
    const int room = static_cast<int>(m_text.size()) - m_selStart;
    setSelectionRange(m_selStart, std::clamp(length, 0, room), false);
}

void TextBox::setSelectionRange(int start, int length, bool caretAtStart) {
    m_selStart = start;
    m_selLength = length;
    m_caretAtStart = caretAtStart && length > 0;
}

void TextBox::select(int anchor, int caret) {
    const int n = static_cast<int>(m_text.size());
    anchor = std::clamp(anchor, 0, n);
    caret = std::clamp(caret, 0, n);
    setSelectionRange(std::min(anchor, caret), std::abs(caret - anchor), caret < anchor);
}

std::string TextBox::selectedText() const {
    return m_text.substr(static_cast<std::size_t>(m_selStart), static_cast<std::size_t>(m_selLength));
}

void TextBox::replaceSelection(const std::string& s) {
    m_text.replace(static_cast<std::size_t>(m_selStart), static_cast<std::size_t>(m_selLength), s);
    setSelectionRange(m_selStart + static_cast<int>(s.size()), 0, false);
}

void TextBox::deleteSelectionOrNext() {
    if (m_selLength == 0 && m_selStart < static_cast<int>(m_text.size())) m_selLength = 1;
    replaceSelection({});
}

void TextBox::applyChar(int keyAscii) {
    if (Locked || keyAscii == 0) return;
    if (keyAscii == 8) {
        if (m_selLength == 0 && m_selStart > 0) setSelectionRange(m_selStart - 1, 1, false);
        replaceSelection({});
    } else if (keyAscii == 13) {
        if (MultiLine) replaceSelection("\r\n");
    } else if (keyAscii >= 32 && keyAscii < 127) {
        replaceSelection(std::string(1, static_cast<char>(keyAscii)));
    }
}

void TextBox::applyKey(int keyCode, int shift) {
    const int n = static_cast<int>(m_text.size());
    const bool extend = (shift & key::ShiftMask) != 0;
    const int anchor = m_caretAtStart ? m_selStart + m_selLength : m_selStart;
    auto moveCaret = [&](int to) {
        if (extend) {
            select(anchor, to);
        } else {
            setSelectionRange(std::clamp(to, 0, n), 0, false);
        }
    };
    switch (keyCode) {
    case key::Left:
        moveCaret(!extend && m_selLength > 0 ? m_selStart : caret() - 1);
        break;
    case key::Right:
        moveCaret(!extend && m_selLength > 0 ? m_selStart + m_selLength : caret() + 1);
        break;
    case key::Home:
        moveCaret(0);
        break;
    case key::End:
        moveCaret(n);
        break;
    case key::Delete:
        if (!Locked) deleteSelectionOrNext();
        break;
    default:
        break;
    }
}

// ---- ScrollBar ----

ScrollBar::ScrollBar(Window& w, std::string name, int index) : Control(w, Kind::ScrollBar, std::move(name), index) {
    TabStop = true;
    hasFont = false;
}

void ScrollBar::setValue(int v) {
    v = std::clamp(v, m_min, std::max(m_min, m_max));
    if (v == m_value) return;
    m_value = v;
    if (Change) Change();
}

void ScrollBar::setMax(int max) {
    m_max = max;
    if (m_value > std::max(m_min, m_max)) setValue(m_max);
}

void ScrollBar::setMin(int min) {
    m_min = min;
    if (m_value < m_min) setValue(m_min);
}

} // namespace tk
