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
    setSelectionRange(charStart(std::clamp(start, 0, static_cast<int>(m_text.size()))), 0, false);
}

void TextBox::setSelLength(int length) {
    const int room = static_cast<int>(m_text.size()) - m_selStart;
    setSelectionRange(m_selStart, charStart(m_selStart + std::clamp(length, 0, room)) - m_selStart, false);
}

namespace {
bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// A code point as UTF-8; nothing for a control, a surrogate or beyond Unicode.
std::string utf8(int code) {
    std::string out;
    const auto put = [&](int bits) { out += static_cast<char>(bits); };
    if (code >= 32 && code < 127) {
        put(code);
    } else if (code >= 0xA0 && code < 0x800) {
        put(0xC0 | code >> 6), put(0x80 | (code & 0x3F));
    } else if (code >= 0x800 && code < 0x10000 && (code < 0xD800 || code > 0xDFFF)) {
        put(0xE0 | code >> 12), put(0x80 | (code >> 6 & 0x3F)), put(0x80 | (code & 0x3F));
    } else if (code >= 0x10000 && code <= 0x10FFFF) {
        put(0xF0 | code >> 18), put(0x80 | (code >> 12 & 0x3F)), put(0x80 | (code >> 6 & 0x3F)),
            put(0x80 | (code & 0x3F));
    }
    return out;
}
} // namespace

int TextBox::charStart(int pos) const {
    while (pos > 0 && pos < static_cast<int>(m_text.size()) && continuation(m_text[static_cast<std::size_t>(pos)]))
        --pos;
    return pos;
}

int TextBox::nextChar(int pos) const {
    const int n = static_cast<int>(m_text.size());
    if (pos >= n) return n;
    do ++pos;
    while (pos < n && continuation(m_text[static_cast<std::size_t>(pos)]));
    return pos;
}

int TextBox::prevChar(int pos) const { return pos > 0 ? charStart(pos - 1) : 0; }

void TextBox::setSelectionRange(int start, int length, bool caretAtStart) {
    m_selStart = start;
    m_selLength = length;
    m_caretAtStart = caretAtStart && length > 0;
}

void TextBox::select(int anchor, int caret) {
    const int n = static_cast<int>(m_text.size());
    anchor = charStart(std::clamp(anchor, 0, n));
    caret = charStart(std::clamp(caret, 0, n));
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
    if (m_selLength == 0) m_selLength = nextChar(m_selStart) - m_selStart;
    replaceSelection({});
}

void TextBox::applyChar(int keyAscii) {
    if (Locked || keyAscii == 0) return;
    if (keyAscii == 8) {
        if (m_selLength == 0) setSelectionRange(prevChar(m_selStart), m_selStart - prevChar(m_selStart), false);
        replaceSelection({});
    } else if (keyAscii == 13) {
        if (MultiLine) replaceSelection("\r\n");
    } else if (const std::string c = utf8(keyAscii); !c.empty()) {
        replaceSelection(c);
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
        moveCaret(!extend && m_selLength > 0 ? m_selStart : prevChar(caret()));
        break;
    case key::Right:
        moveCaret(!extend && m_selLength > 0 ? m_selStart + m_selLength : nextChar(caret()));
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
