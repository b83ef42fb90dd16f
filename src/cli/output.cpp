#include "cli/output.h"

#include "random/result_text.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace tessomar::cli {

namespace {

constexpr double kMetersPerInch = 0.0254;
constexpr double kMmPerInch = 25.4;

template <class T> std::string shortestOf(T value) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

// ---- text

// Width on a terminal: UTF-8 continuation bytes take no column.
std::size_t columns(const std::string& s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Cells padded to their widths; a negative width aligns right.
std::string row(const std::vector<std::pair<std::string, int>>& cells) {
    std::string out;
    for (const auto& [text, width] : cells) {
        const std::size_t w = static_cast<std::size_t>(width < 0 ? -width : width);
        const std::string pad(columns(text) < w ? w - columns(text) : 0, ' ');
        out += width < 0 ? pad + text : text + pad;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out + '\n';
}

std::string entered(const Request& r) {
    std::string out;
    for (const Entry& e : r.entries) out += " " + e.given;
    return out;
}

std::string pulseName(const Request& r) { return r.pulse == Pulse::HalfSine ? "half-sine" : "terminal-peak"; }

// ---- JSON

std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xF];
            out += hex[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

template <class T> std::string number(T value) { return std::isfinite(value) ? shortestOf(value) : "null"; }

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

template <class T> std::string field(T value, const std::string& text, const std::string& unit = "") {
    Members m{{"value", number(value)}, {"text", quoted(text)}};
    if (!unit.empty()) m.emplace_back("unit", quoted(unit));
    return object(m);
}

} // namespace

std::string shortest(double value) { return shortestOf(value); }
std::string shortest(float value) { return shortestOf(value); }

std::string sineText(const Request& r, const SineResult& s) {
    const bool shock = r.command == Command::Shock;
    std::string out = shock ? "Shock, " + pulseName(r) + " pulse, entered" : "Sine, entered";
    out += entered(r) + "\n";
    const std::string freqUnit = shock ? " ms" : " Hz";
    out += row({{"", 14}, {"English", 16}, {"Metric", 0}});
    out += row({{"Acceleration", 14}, {s.english.accel + " g pk", 16}, {s.metric.accel + " g pk", 0}});
    out += row({{"Velocity", 14}, {s.english.vel + " ips pk", 16}, {s.metric.vel + " m/s pk", 0}});
    out += row({{"Displacement", 14}, {s.english.disp + " in p-p", 16}, {s.metric.disp + " mm p-p", 0}});
    out +=
        row({{shock ? "Duration" : "Frequency", 14}, {s.english.freq + freqUnit, 16}, {s.metric.freq + freqUnit, 0}});
    return out;
}

std::string sineJson(const Request& r, const SineResult& s) {
    const bool shock = r.command == Command::Shock;
    const std::string freqKey = shock ? "duration" : "frequency", freqUnit = shock ? "ms" : "Hz";
    std::vector<std::string> letters;
    for (const Entry& e : r.entries)
        letters.push_back(quoted(std::string(1, shock && e.letter == 'F' ? 'T' : e.letter)));
    std::string list = "[";
    for (const std::string& l : letters) list += (list.size() > 1 ? ", " : "") + l;
    Members m{{"command", quoted(shock ? "shock" : "sine")}};
    if (shock) m.emplace_back("pulse", quoted(pulseName(r)));
    m.emplace_back("entered", list + "]");
    m.emplace_back("english", nested({{"acceleration", field(s.accel, s.english.accel, "g pk")},
                                      {"velocity", field(s.vel, s.english.vel, "ips pk")},
                                      {"displacement", field(s.disp, s.english.disp, "in p-p")},
                                      {freqKey, field(s.freq, s.english.freq, freqUnit)}}));
    m.emplace_back("metric", nested({{"acceleration", field(s.accel, s.metric.accel, "g pk")},
                                     {"velocity", field(s.vel * kMetersPerInch, s.metric.vel, "m/s pk")},
                                     {"displacement", field(s.disp * kMmPerInch, s.metric.disp, "mm p-p")},
                                     {freqKey, field(s.freq, s.metric.freq, freqUnit)}}));
    return document(m);
}

std::string randomText(const Request& r, const RandomResult& res, const std::vector<Margin>& margins) {
    const auto& rows = res.report.rows;
    const std::string name = r.profile == "-" ? "from standard input" : r.profile;
    std::string out =
        "Profile " + name + ", " + std::to_string(rows.size()) + " break point" + (rows.size() == 1 ? "\n" : "s\n");
    out += row({{"No.", 4},
                {"Frequency (Hz)", -15},
                {"PSD (g\xC2\xB2/Hz)", -13},
                {"Slope (dB/oct)", -16},
                {"Share of g\xC2\xB2 (%)", -17}});
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const BreakPointTexts t = textsOf(static_cast<int>(i + 1), rows[i]);
        out += row({{t.entry, 4}, {t.freq, -15}, {t.psd, -13}, {t.slope, -16}, {t.share, -17}});
    }
    const std::string sigma = ", " + shortest(r.sigma) + " sigma";
    out += "\n" + row({{"", 24}, {"English", 16}, {"Metric", 0}});
    const std::string grms = psd::grmsText(res.report.grms) + " g rms";
    out += row({{"Acceleration", 24}, {grms, 16}, {grms, 0}});
    out += row({{"Velocity" + sigma, 24},
                {psd::velText(res.vel, true) + " ips pk", 16},
                {psd::velText(res.vel, false) + " m/s pk", 0}});
    out += row({{"Displacement" + sigma, 24},
                {psd::dispText(res.disp, true) + " in p-p", 16},
                {psd::dispText(res.disp, false) + " mm p-p", 0}});
    if (margins.empty()) return out;

    out +=
        "\n" + row({{"Shaker at " + shortest(r.sigma) + " sigma", 24}, {"Demand", 16}, {"Rating", 16}, {"Margin", 0}});
    std::string exceeded;
    for (const Margin& m : margins) {
        std::string label = m.name;
        label[0] = static_cast<char>(label[0] - 'a' + 'A');
        if (m.name == "force") label += " (" + shortest(r.shaker->mass->value) + " " + r.shaker->mass->unit + ")";
        out += row({{label, 24},
                    {num::format(m.demand, m.pattern) + " " + m.unit, 16},
                    {num::format(m.rating, m.pattern) + " " + m.unit, 16},
                    {num::format(m.percent, num::Pattern::Fixed1) + " %" + (m.exceeded ? "  EXCEEDED" : ""), 0}});
        if (m.exceeded) exceeded += (exceeded.empty() ? "" : ", ") + m.name;
    }
    out += exceeded.empty() ? "Within every rating.\n" : "Rating exceeded: " + exceeded + ".\n";
    return out;
}

std::string randomJson(const Request& r, const RandomResult& res, const std::vector<Margin>& margins) {
    std::vector<std::string> points;
    for (std::size_t i = 0; i < res.report.rows.size(); ++i) {
        const BreakPointRow& p = res.report.rows[i];
        const BreakPointTexts t = textsOf(static_cast<int>(i + 1), p);
        points.push_back(object({{"entry", std::to_string(i + 1)},
                                 {"frequency", field(p.freq, t.freq, "Hz")},
                                 {"psd", field(p.psd, t.psd, "g\xC2\xB2/Hz")},
                                 {"slope", p.slope ? field(*p.slope, t.slope, "dB/oct") : "null"},
                                 {"share", p.share ? field(*p.share, t.share, "%") : "null"}}));
    }
    Members m{
        {"command", quoted("random")},
        {"profile", quoted(r.profile)},
        {"sigma", number(r.sigma)},
        {"points", array(points)},
        {"grms", field(res.report.grms, psd::grmsText(res.report.grms), "g rms")},
        {"english", nested({{"velocity", field(res.vel, psd::velText(res.vel, true), "ips pk")},
                            {"displacement", field(res.disp, psd::dispText(res.disp, true), "in p-p")}})},
        {"metric", nested({{"velocity", field(res.vel * kMetersPerInch, psd::velText(res.vel, false), "m/s pk")},
                           {"displacement", field(res.disp * kMmPerInch, psd::dispText(res.disp, false), "mm p-p")}})}};
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
    return document(m);
}

} // namespace tessomar::cli
