// Actions as C++ for a reproducer and as the compact script the regression
// table keeps.
#include "reliability/actions.h"

#include <array>
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace reliability {

namespace {

std::string cLiteral(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 32 && c < 127) {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x\"\"", c); // closed so a following hex digit stays apart
            out += buf;
        }
    }
    return out + "\"";
}

std::string charLiteral(int ch) {
    if (ch == '\'' || ch == '\\') return std::string("'\\") + static_cast<char>(ch) + "'";
    if (ch >= 32 && ch < 127) return std::string("'") + static_cast<char>(ch) + "'";
    return std::to_string(ch);
}

std::string keyName(int code) {
    switch (code) {
    case tk::key::Up:
        return "tk::key::Up";
    case tk::key::Down:
        return "tk::key::Down";
    case tk::key::Left:
        return "tk::key::Left";
    case tk::key::Right:
        return "tk::key::Right";
    case tk::key::Home:
        return "tk::key::Home";
    case tk::key::End:
        return "tk::key::End";
    case tk::key::Delete:
        return "tk::key::Delete";
    case tk::key::PageUp:
        return "tk::key::PageUp";
    case tk::key::PageDown:
        return "tk::key::PageDown";
    default:
        return std::to_string(code);
    }
}

// "F(3)" -> "w.F[3]"
std::string member(const std::string& name) {
    const auto open = name.find('(');
    if (open == std::string::npos) return "w." + name;
    return "w." + name.substr(0, open) + "[" + name.substr(open + 1, name.size() - open - 2) + "]";
}

bool plain(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '.' || c == '-' ||
           c == '+' || c == '(' || c == ')';
}

std::string encode(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (plain(c)) {
            out += static_cast<char>(c);
        } else {
            char buf[4];
            std::snprintf(buf, sizeof buf, "%%%02X", c);
            out += buf;
        }
    }
    return out;
}

std::string decode(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size()) throw std::invalid_argument("bad escape in " + s);
        out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
        i += 2;
    }
    return out;
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::string cur;
    for (char c : s) {
        if (c == sep) {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

constexpr std::array<const char*, 5> kMoves = {"up", "down", "pgup", "pgdn", "thumb"};

} // namespace

std::string toCode(const Action& a) {
    switch (a.op) {
    case Op::Type:
        return "w.keyPress(" + charLiteral(a.ch) + ");";
    case Op::Tab:
        return a.shift ? "w.pressTab(true);" : "w.pressTab(false);";
    case Op::Key:
        return "w.keyDown(" + keyName(a.ch) + ", " + std::to_string(a.shift) + ");";
    case Op::Paste:
        return "w.paste(" + cLiteral(a.text) + ");";
    case Op::Cut:
        return "w.cut();";
    case Op::SelectAll:
        return "w.selectAll();";
    case Op::Drag:
        return "static_cast<tk::TextBox*>(w.focused())->select(" + std::to_string(a.x) + ", " + std::to_string(a.y) +
               ");";
    case Op::Click: {
        tessomar::Tessomar probe; // only to tell a text box from a button by name
        const tk::Control* c = probe.find(a.target);
        if (c && c->kind() == tk::Kind::TextBox)
            return "w.clickText(" + member(a.target) + ", " + std::to_string(a.caret) + ");";
        return "w.click(" + member(a.target) + ");";
    }
    case Op::Scroll:
        switch (a.ch) {
        case LineUp:
            return "w.Scroll.lineUp();";
        case LineDown:
            return "w.Scroll.lineDown();";
        case PageUp:
            return "w.Scroll.pageUp();";
        case PageDown:
            return "w.Scroll.pageDown();";
        default:
            return "w.Scroll.setValue(" + std::to_string(a.x) + ");";
        }
    case Op::AccessKey:
        return "w.pressAccessKey(" + charLiteral(a.ch) + ");";
    }
    return "";
}

std::string toToken(const Action& a) {
    switch (a.op) {
    case Op::Type:
        if (a.ch == 13) return "enter";
        if (a.ch == 8) return "bs";
        return "c" + encode(std::string(1, static_cast<char>(a.ch)));
    case Op::Tab:
        return a.shift ? "stab" : "tab";
    case Op::Key:
        return "k" + std::to_string(a.ch) + (a.shift ? "s" + std::to_string(a.shift) : "");
    case Op::Paste:
        return "paste:" + encode(a.text);
    case Op::Cut:
        return "cut";
    case Op::SelectAll:
        return "all";
    case Op::Drag:
        return "drag:" + std::to_string(a.x) + ":" + std::to_string(a.y);
    case Op::Click:
        return "click:" + a.target + ":" + std::to_string(a.x) + ":" + std::to_string(a.y) + ":" +
               std::to_string(a.caret);
    case Op::Scroll:
        return std::string("scroll:") + kMoves[static_cast<std::size_t>(a.ch)] + ":" + std::to_string(a.x);
    case Op::AccessKey:
        return "alt:" + encode(std::string(1, static_cast<char>(a.ch)));
    }
    return "";
}

std::string toScript(const std::vector<Action>& actions) {
    std::string out;
    for (const Action& a : actions) {
        if (!out.empty()) out += ' ';
        out += toToken(a);
    }
    return out;
}

std::vector<Action> parseScript(const std::string& script) {
    std::vector<Action> out;
    std::istringstream in(script);
    std::string tok;
    while (in >> tok) {
        const auto parts = split(tok, ':');
        const std::string& head = parts[0];
        Action a;
        if (tok == "enter" || tok == "bs") {
            a = Action{Op::Type, tok == "enter" ? 13 : 8};
        } else if (tok == "tab" || tok == "stab") {
            a = Action{Op::Tab, 0, tok == "stab" ? 1 : 0};
        } else if (tok == "cut" || tok == "all") {
            a = Action{tok == "cut" ? Op::Cut : Op::SelectAll};
        } else if (head == "paste" && parts.size() == 2) {
            a = Action{Op::Paste};
            a.text = decode(parts[1]);
        } else if (head == "drag" && parts.size() == 3) {
            a = Action{Op::Drag};
            a.x = std::stoi(parts[1]);
            a.y = std::stoi(parts[2]);
        } else if (head == "click" && parts.size() == 5) {
            a = Action{Op::Click};
            a.target = parts[1];
            a.x = std::stoi(parts[2]);
            a.y = std::stoi(parts[3]);
            a.caret = std::stoi(parts[4]);
        } else if (head == "scroll" && parts.size() == 3) {
            a = Action{Op::Scroll, -1};
            for (std::size_t i = 0; i < kMoves.size(); ++i)
                if (parts[1] == kMoves[i]) a.ch = static_cast<int>(i);
            if (a.ch < 0) throw std::invalid_argument("unknown scroll move " + tok);
            a.x = std::stoi(parts[2]);
        } else if (head == "alt" && parts.size() == 2) {
            const std::string letter = decode(parts[1]);
            if (letter.size() != 1) throw std::invalid_argument("bad access key " + tok);
            a = Action{Op::AccessKey, static_cast<unsigned char>(letter[0])};
        } else if (tok.size() > 1 && tok[0] == 'c') {
            const std::string ch = decode(tok.substr(1));
            if (ch.size() != 1) throw std::invalid_argument("bad character " + tok);
            a = Action{Op::Type, static_cast<unsigned char>(ch[0])};
        } else if (tok.size() > 1 && tok[0] == 'k') {
            const auto s = tok.find('s');
            a = Action{Op::Key, std::stoi(tok.substr(1, s == std::string::npos ? std::string::npos : s - 1))};
            if (s != std::string::npos) a.shift = std::stoi(tok.substr(s + 1));
        } else {
            throw std::invalid_argument("unknown action " + tok);
        }
        out.push_back(a);
    }
    return out;
}

} // namespace reliability
