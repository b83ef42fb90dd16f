#include "reliability/actions.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace reliability {

std::uint32_t ByteSource::pick(std::uint32_t n) {
    if (n <= 1) return 0;
    std::uint32_t v = 0;
    const int bytes = n <= 256 ? 1 : n <= 65536 ? 2 : 4;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | (m_pos < m_size ? m_data[m_pos++] : 0u);
    return v % n;
}

std::uint64_t PrngSource::next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint32_t PrngSource::pick(std::uint32_t n) { return n <= 1 ? 0 : static_cast<std::uint32_t>(next() % n); }

namespace {

template <std::size_t N> const char* oneOf(Source& s, const std::array<const char*, N>& items) {
    return items[s.pick(static_cast<std::uint32_t>(N))];
}

std::string digits(Source& s, int count, bool leadingZeroOk) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        const char d = static_cast<char>('0' + s.pick(10));
        out += (!leadingZeroOk && i == 0 && d == '0') ? '1' : d;
    }
    return out;
}

// Numbers as users type them, with the awkward ones well represented: limits,
// thresholds of the table tests, values that round to 0, overflow, junk.
std::string numberText(Source& s) {
    static constexpr std::array<const char*, 24> edges = {
        "0.0099",   "0.01",  "0.009",   "9.99e-7",   "1e-6",     "0.000001", "0.0000005", "20000",
        "20000.01", "20001", "1000",    "1000.004",  "1000.005", "100",      "100.0004",  "0.005",
        "0.004",    "0.001", "999.995", "19999.995", "0.0254",   "25.4",     "39.3701",   "2.675"};
    static constexpr std::array<const char*, 12> huge = {
        "1e400", "-1e400",  "1e38", "3.5e38", "1e-400",  "99999999999999999999999",
        "1e308", "1.8e308", "1D5",  "2.5E+3", "1e99999", "-1d-99999"};
    static constexpr std::array<const char*, 7> zeros = {"0", "-0", "0.0", "00", ".", "-", "+"};
    static constexpr std::array<const char*, 14> junk = {"abc", "12abc", "1 000", "1,5", "1.2.3", "--5", "+5",
                                                         "nan", "inf",   "e5",    " 5",  "1e",    "1e+", "-.5"};
    switch (s.pick(16)) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        return digits(s, 1 + static_cast<int>(s.pick(4)), false);
    case 6:
    case 7:
    case 8:
        return digits(s, 1 + static_cast<int>(s.pick(3)), true) + "." +
               digits(s, 1 + static_cast<int>(s.pick(6)), true);
    case 9:
        if (s.pick(2) == 0) return "0.0" + digits(s, 1 + static_cast<int>(s.pick(7)), true);
        // Exponents that reach far below and above the float range.
        return digits(s, 1, false) + (s.pick(2) ? "e-" : "e") + std::to_string(s.pick(50));
    case 10:
        return oneOf(s, edges);
    case 11:
        return oneOf(s, huge);
    case 12:
        return "-" + digits(s, 1 + static_cast<int>(s.pick(4)), false);
    case 13:
        return oneOf(s, zeros);
    case 14:
        return oneOf(s, junk);
    default: {
        static constexpr char alphabet[] = "0123456789.-+eEdD ,x";
        std::string out;
        const int n = 1 + static_cast<int>(s.pick(12));
        for (int i = 0; i < n; ++i) out += alphabet[s.pick(sizeof alphabet - 1)];
        return out;
    }
    }
}

Action typed(int ch) { return Action{Op::Type, ch}; }

void typeText(std::vector<Action>& out, const std::string& text) {
    for (char c : text) out.push_back(typed(static_cast<unsigned char>(c)));
}

bool takesMouse(const tk::Control& c) {
    return c.kind() == tk::Kind::TextBox || c.kind() == tk::Kind::CommandButton || c.kind() == tk::Kind::ScrollBar ||
           c.kind() == tk::Kind::PictureBox;
}

// Points (sixteenths of the rectangle) where a scroll-bar gesture lands.
int gestureRow(int move) {
    switch (move) {
    case LineUp:
        return 0;
    case LineDown:
        return 15;
    case PageUp:
        return 4;
    case PageDown:
        return 11;
    default:
        return 8;
    }
}

bool onTop(const tk::Window& w, const tk::Control& c, int x, int y) {
    const float px = c.Left + c.Width * (static_cast<float>(x) + 0.5f) / 16.0f;
    const float py = c.Top + c.Height * (static_cast<float>(y) + 0.5f) / 16.0f;
    return hitTest(w, px, py) == &c;
}

void addClick(Source& s, const tessomar::Tessomar& w, std::vector<Action>& out) {
    std::vector<const tk::Control*> candidates;
    for (const tk::Control* c : w.controls())
        if ((c->kind() == tk::Kind::TextBox || c->kind() == tk::Kind::CommandButton) && onTop(w, *c, 8, 8))
            candidates.push_back(c);
    if (candidates.empty()) return;
    const tk::Control* c = candidates[s.pick(static_cast<std::uint32_t>(candidates.size()))];
    // The table offers many more boxes than there are mode buttons: without
    // a nudge the runs would hardly ever leave the Random screen.
    if (s.pick(8) == 0) {
        const tk::Control* modes[] = {&w.SineButton, &w.RandomButton, &w.ShockButton};
        const tk::Control* m = modes[s.pick(3)];
        if (std::find(candidates.begin(), candidates.end(), m) != candidates.end()) c = m;
    }
    // A mode selection resets much of the state: keep them rarer than the rest.
    // Clear All empties the table the runs work to fill: keep it rarer.
    if (c == &w.ClearBut) c = candidates[s.pick(static_cast<std::uint32_t>(candidates.size()))];
    Action a{Op::Click};
    a.target = c->name();
    a.x = static_cast<int>(s.pick(16));
    a.y = static_cast<int>(s.pick(16));
    if (c->kind() == tk::Kind::TextBox) {
        const auto* box = static_cast<const tk::TextBox*>(c);
        a.caret = static_cast<int>(s.pick(static_cast<std::uint32_t>(box->Text().size() + 2)));
    }
    out.push_back(a);
}

} // namespace

tk::Control* hitTest(const tk::Window& w, float x, float y) {
    if (y < 0 || y >= w.clientHeight()) return nullptr;
    tk::Control* best = nullptr;
    for (tk::Control* c : w.controls()) {
        if (!takesMouse(*c) || !c->Visible) continue;
        if (x < c->Left || x >= c->Left + c->Width || y < c->Top || y >= c->Top + c->Height) continue;
        if (!best || c->zOrder < best->zOrder) best = c;
    }
    return best;
}

std::vector<Action> nextBurst(Source& s, const tessomar::Tessomar& w) {
    std::vector<Action> out;
    const bool random = w.fs.CalcMode == 0;
    if (random && s.pick(6) == 0) {
        // Break points one after another, now and then a long run of them,
        // so the table fills up and scrolls down to entry 50.
        const int points = 1 + (s.pick(5) == 0 ? static_cast<int>(s.pick(16)) : 0);
        for (int i = 0; i < points; ++i) {
            typeText(out, digits(s, 1 + static_cast<int>(s.pick(4)), false));
            out.push_back(typed(13));
            typeText(out, s.pick(3) == 0 ? numberText(s) : "0.0" + digits(s, 1 + static_cast<int>(s.pick(3)), true));
            out.push_back(typed(13));
        }
        return out;
    }
    const std::uint32_t roll = s.pick(100);
    if (roll < 22) {
        static constexpr char keys[] = "0123456789012345678901234567890123456789..--+eEdD ,aAbxZ";
        out.push_back(typed(keys[s.pick(sizeof keys - 1)]));
    } else if (roll < 40) {
        typeText(out, numberText(s));
        if (s.pick(4) != 0) out.push_back(typed(13));
        // In the table a point is a frequency and a PSD, each ended by Enter.
        if (random && s.pick(2) == 0) {
            typeText(out, numberText(s));
            out.push_back(typed(13));
        }
    } else if (roll < 50) {
        out.push_back(typed(13));
    } else if (roll < 55) {
        out.push_back(Action{Op::Tab, 0, 0});
    } else if (roll < 58) {
        out.push_back(Action{Op::Tab, 0, 1});
    } else if (roll < 64) {
        out.push_back(
            Action{Op::Key, s.pick(2) ? tk::key::Up : tk::key::Down, s.pick(4) == 0 ? tk::key::ShiftMask : 0});
    } else if (roll < 68) {
        static constexpr std::array<int, 7> keys = {tk::key::Left,   tk::key::Right,  tk::key::Home,    tk::key::End,
                                                    tk::key::Delete, tk::key::PageUp, tk::key::PageDown};
        out.push_back(Action{Op::Key, keys[s.pick(keys.size())], s.pick(3) == 0 ? tk::key::ShiftMask : 0});
    } else if (roll < 71) {
        out.push_back(typed(8));
    } else if (roll < 74) {
        Action a{Op::Paste};
        a.text = numberText(s);
        if (s.pick(4) == 0) a.text += "\t\r\n\x01\x7f" + numberText(s);
        out.push_back(a);
    } else if (roll < 77) {
        switch (s.pick(3)) {
        case 0:
            out.push_back(Action{Op::Cut});
            break;
        case 1:
            out.push_back(Action{Op::SelectAll});
            break;
        default: {
            Action a{Op::Drag};
            a.x = static_cast<int>(s.pick(14));
            a.y = static_cast<int>(s.pick(14));
            out.push_back(a);
        }
        }
    } else if (roll < 90) {
        addClick(s, w, out);
    } else if (roll < 96) {
        Action a{Op::Scroll, static_cast<int>(s.pick(5))};
        if (a.ch == Thumb) a.x = 1 + static_cast<int>(s.pick(static_cast<std::uint32_t>(std::max(1, w.Scroll.Max()))));
        out.push_back(a);
    } else {
        static constexpr char letters[] = "SRHEMDCsrhemdcQX";
        out.push_back(Action{Op::AccessKey, letters[s.pick(sizeof letters - 1)]});
    }
    return out;
}

bool perform(tessomar::Tessomar& w, const Action& a) {
    auto* box =
        w.focused() && w.focused()->kind() == tk::Kind::TextBox ? static_cast<tk::TextBox*>(w.focused()) : nullptr;
    switch (a.op) {
    case Op::Type:
        w.keyPress(a.ch);
        return true;
    case Op::Tab:
        w.pressTab(a.shift != 0);
        return true;
    case Op::Key:
        w.keyDown(a.ch, a.shift);
        return true;
    case Op::Paste:
        if (!box) return false;
        w.paste(a.text);
        return true;
    case Op::Cut:
        if (!box) return false;
        w.cut();
        return true;
    case Op::SelectAll:
        if (!box) return false;
        w.selectAll();
        return true;
    case Op::Drag:
        if (!box) return false;
        box->select(a.x, a.y);
        return true;
    case Op::Click: {
        tk::Control* c = w.find(a.target);
        if (!c || !onTop(w, *c, a.x, a.y)) return false;
        if (c->kind() == tk::Kind::TextBox) {
            w.clickText(*static_cast<tk::TextBox*>(c), a.caret);
            return true;
        }
        if (c->kind() != tk::Kind::CommandButton) return false;
        w.click(*c);
        return true;
    }
    case Op::Scroll: {
        if (!onTop(w, w.Scroll, 8, gestureRow(a.ch))) return false;
        switch (a.ch) {
        case LineUp:
            w.Scroll.lineUp();
            break;
        case LineDown:
            w.Scroll.lineDown();
            break;
        case PageUp:
            w.Scroll.pageUp();
            break;
        case PageDown:
            w.Scroll.pageDown();
            break;
        default:
            w.Scroll.setValue(a.x);
            break;
        }
        return true;
    }
    case Op::AccessKey:
        w.pressAccessKey(static_cast<char>(a.ch));
        return true;
    }
    return false;
}

} // namespace reliability
