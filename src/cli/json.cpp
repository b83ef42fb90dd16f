#include "cli/json.h"

#include "cli/text.h"

#include <cmath>
#include <utility>

namespace tessomar::cli {

namespace {

// The length of the UTF-8 sequence at s[i], or 0 where the bytes are not
// one (a stray continuation byte, an overlong form, a surrogate, a cut-off
// sequence, a code point past U+10FFFF).
std::size_t utf8Length(const std::string& s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0; };
    const unsigned c = byte(i);
    const std::size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (n == 0) return 0;
    unsigned code = n == 1 ? c : c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = code << 6 | (byte(i + k) & 0x3F);
    }
    const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return n;
}

} // namespace

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        const std::size_t n = utf8Length(s, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += s.substr(i, n);
        }
        i += n;
    }
    return out + '"';
}

std::string number(double value) { return std::isfinite(value) ? shortest(value) : "null"; }
std::string number(float value) { return std::isfinite(value) ? shortest(value) : "null"; }

std::string held(double value, bool exact) { return exact ? number(value) : number(static_cast<float>(value)); }

std::string object(const Members& members) {
    std::string out = "{";
    for (const auto& [key, value] : members) out += (out.size() > 1 ? ", " : "") + quoted(key) + ": " + value;
    return out + "}";
}

std::string document(const Members& members) {
    std::string out = "{\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        out += "  " + quoted(members[i].first) + ": " + members[i].second + (i + 1 < members.size() ? ",\n" : "\n");
    return out + "}\n";
}

std::string nested(const Members& members) {
    std::string out = "{";
    for (std::size_t i = 0; i < members.size(); ++i)
        out += (i ? ",\n    " : "\n    ") + quoted(members[i].first) + ": " + members[i].second;
    return out + "\n  }";
}

std::string array(const std::vector<std::string>& items) {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) out += (i ? ",\n    " : "\n    ") + items[i];
    return out + (items.empty() ? "]" : "\n  ]");
}

std::string field(const std::string& value, const std::string& text, const std::string& unit) {
    return object({{"value", value}, {"text", quoted(text)}, {"unit", quoted(unit)}});
}

std::string strings(const std::vector<std::string>& items) {
    std::vector<std::string> q;
    for (const std::string& s : items) q.push_back(quoted(s));
    return array(q);
}

void addShakerAndWarnings(Members& m, const std::vector<shaker::Margin>& margins,
                          const std::vector<std::string>& warnings) {
    if (!margins.empty()) {
        Members shaker;
        bool exceeded = false;
        for (const shaker::Margin& g : margins) {
            shaker.emplace_back(g.name, object({{"demand", number(g.demand)},
                                                {"rating", number(g.rating)},
                                                {"unit", quoted(g.unit)},
                                                {"margin", number(g.percent)},
                                                {"exceeded", g.exceeded ? "true" : "false"}}));
            exceeded = exceeded || g.exceeded;
        }
        shaker.emplace_back("exceeded", exceeded ? "true" : "false");
        m.emplace_back("shaker", nested(shaker));
    }
    m.emplace_back("warnings", strings(warnings));
}

} // namespace tessomar::cli
