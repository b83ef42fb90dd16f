// The JSON reports.
#include "cli/output.h"

#include <cmath>
#include <utility>

namespace tessomar::cli {

namespace {

constexpr double kMetersPerInch = 0.0254;
constexpr double kMmPerInch = 25.4;

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

// A JSON string. Bytes that are not UTF-8 (a file name from another
// system) cannot stand in JSON: each becomes U+FFFD, the replacement
// character, so the document stays valid and the loss shows.
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

template <class T> std::string number(T value) { return std::isfinite(value) ? shortest(value) : "null"; }

// A computed value: without --exact a stored 32-bit value, printed as one.
std::string held(double value, bool exact) { return exact ? number(value) : number(static_cast<float>(value)); }

using Members = std::vector<std::pair<std::string, std::string>>;

std::string object(const Members& members) {
    std::string out = "{";
    for (const auto& [key, value] : members) out += (out.size() > 1 ? ", " : "") + quoted(key) + ": " + value;
    return out + "}";
}

// The top level, one member a line.
std::string document(const Members& members) {
    std::string out = "{\n";
    for (std::size_t i = 0; i < members.size(); ++i)
        out += "  " + quoted(members[i].first) + ": " + members[i].second + (i + 1 < members.size() ? ",\n" : "\n");
    return out + "}\n";
}

// A member of the top level, one of its own members a line.
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

// The members every report ends with: the shaker check and the warnings.
void addShakerAndWarnings(Members& m, const std::vector<Margin>& margins, const std::vector<std::string>& warnings) {
    if (!margins.empty()) {
        Members shaker;
        bool exceeded = false;
        for (const Margin& g : margins) {
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

} // namespace

std::string sineJson(const Request& r, const SineResult& s, const std::vector<Margin>& margins) {
    const bool shock = r.command == Command::Shock;
    const std::string freqKey = shock ? "duration" : "frequency", freqUnit = shock ? "ms" : "Hz";
    std::vector<std::string> letters;
    for (const Entry& e : r.entries)
        letters.push_back(quoted(std::string(1, shock && e.letter == 'F' ? 'T' : e.letter)));
    std::string list = "[";
    for (const std::string& l : letters) list += (list.size() > 1 ? ", " : "") + l;
    Members m{{"command", quoted(shock ? "shock" : "sine")}};
    if (shock) m.emplace_back("pulse", quoted(pulseName(r)));
    m.emplace_back("exact", s.exact ? "true" : "false");
    m.emplace_back("entered", list + "]");
    const bool x = s.exact;
    m.emplace_back("english", nested({{"acceleration", field(held(s.accel, x), s.english.accel, "g pk")},
                                      {"velocity", field(held(s.vel, x), s.english.vel, "ips pk")},
                                      {"displacement", field(held(s.disp, x), s.english.disp, "in p-p")},
                                      {freqKey, field(held(s.freq, x), s.english.freq, freqUnit)}}));
    m.emplace_back("metric", nested({{"acceleration", field(held(s.accel, x), s.metric.accel, "g pk")},
                                     {"velocity", field(number(s.vel * kMetersPerInch), s.metric.vel, "m/s pk")},
                                     {"displacement", field(number(s.disp * kMmPerInch), s.metric.disp, "mm p-p")},
                                     {freqKey, field(held(s.freq, x), s.metric.freq, freqUnit)}}));
    addShakerAndWarnings(m, margins, s.warnings);
    return document(m);
}

std::string randomJson(const Request& r, const RandomResult& res, const std::vector<Margin>& margins) {
    const bool x = res.exact;
    std::vector<std::string> points;
    for (std::size_t i = 0; i < res.rows.size(); ++i) {
        const PointRow& p = res.rows[i];
        const BreakPointTexts t = rowTexts(res, i);
        const bool left = p.gap != psd::Gap::None;
        points.push_back(object({{"entry", std::to_string(i + 1)},
                                 {"frequency", field(held(p.freq, x), t.freq, "Hz")},
                                 {"psd", field(held(p.psd, x), t.psd, "g\xC2\xB2/Hz")},
                                 {"slope", p.slope ? field(number(*p.slope), t.slope, "dB/oct") : "null"},
                                 {"share", p.share ? field(number(*p.share), t.share, "%") : "null"},
                                 {"left_out", left ? quoted(gapText(p.gap)) : "null"}}));
    }
    const ResultTexts t = resultTexts(res);
    Members m{{"command", quoted("random")},
              {"profile", quoted(r.profile)},
              {"exact", x ? "true" : "false"},
              {"sigma", number(r.sigma)},
              {"points", array(points)},
              {"grms", field(held(res.grms, x), t.grms, "g rms")},
              {"english", nested({{"velocity", field(held(res.vel, x), t.velEnglish, "ips pk")},
                                  {"displacement", field(held(res.disp, x), t.dispEnglish, "in p-p")}})},
              {"metric", nested({{"velocity", field(number(res.vel * kMetersPerInch), t.velMetric, "m/s pk")},
                                 {"displacement", field(number(res.disp * kMmPerInch), t.dispMetric, "mm p-p")}})}};
    addShakerAndWarnings(m, margins, res.warnings);
    return document(m);
}

} // namespace tessomar::cli
