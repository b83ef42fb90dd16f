#include "cli/output.h"

#include "calc/result_text.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace tessomar::cli {

namespace {

template <class T> std::string shortestOf(T value) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

// Width on a terminal: UTF-8 continuation bytes take no column.
std::size_t columns(const std::string& s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

using Cells = std::vector<std::string>;

// Rows in columns as wide as their widest cell, two blanks apart, so that no
// value runs into the next however long it is; align holds 'l' or 'r' per
// column.
std::string table(const std::vector<Cells>& rows, std::string_view align) {
    std::vector<std::size_t> width(align.size(), 0);
    for (const Cells& r : rows)
        for (std::size_t i = 0; i < r.size(); ++i) width[i] = std::max(width[i], columns(r[i]));
    std::string out;
    for (const Cells& r : rows) {
        std::string line;
        for (std::size_t i = 0; i < r.size(); ++i) {
            const std::string pad(width[i] - columns(r[i]), ' ');
            line += (i ? "  " : "") + (align[i] == 'r' ? pad + r[i] : r[i] + pad);
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + '\n';
    }
    return out;
}

std::string entered(const Request& r, const std::vector<std::string>& taken) {
    std::string out;
    for (std::size_t i = 0; i < r.entries.size(); ++i)
        out += " " + r.entries[i].given + (i < taken.size() && !taken[i].empty() ? " (taken as " + taken[i] + ")" : "");
    return out;
}

// "Stroke", "Random force (45 kg)".
std::string marginLabel(const Request& r, const Margin& m) {
    std::string label = m.name;
    label[0] = static_cast<char>(label[0] - 'a' + 'A');
    if (label.find('-') != std::string::npos) label[label.find('-')] = ' ';
    if (r.shaker->mass && m.name.find("force") != std::string::npos)
        label += " (" + shortest(r.shaker->mass->value) + " " + r.shaker->mass->unit + ")";
    return label;
}

std::string shakerText(const Request& r, const std::vector<Margin>& margins, const std::string& heading) {
    if (margins.empty()) return "";
    std::vector<Cells> rows{{heading, "Demand", "Rating", "Margin"}};
    std::string exceeded;
    for (const Margin& m : margins) {
        const MarginTexts t = marginTexts(m);
        rows.push_back({marginLabel(r, m), t.demand + " " + m.unit, t.rating + " " + m.unit, t.percent + " %",
                        m.exceeded ? "EXCEEDED" : ""});
        if (m.exceeded) exceeded += (exceeded.empty() ? "" : ", ") + m.name;
    }
    return "\n" + table(rows, "lrrrl") +
           (exceeded.empty() ? "Within every rating.\n" : "Rating exceeded: " + exceeded + ".\n");
}

// "0.000" and "-0.0" read as nothing at all.
bool readsAsZero(const std::string& text) { return text.find_first_of("123456789") == std::string::npos; }

} // namespace

std::string pulseName(const Request& r) { return r.pulse == Pulse::HalfSine ? "half-sine" : "terminal-peak"; }

std::string shortest(double value) { return shortestOf(value); }
std::string shortest(float value) { return shortestOf(value); }

std::string significant(double value, int digits) {
    if (value == 0 || !std::isfinite(value)) return shortestOf(value);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    char buf[64];
    std::to_chars_result r;
    if (magnitude < -6 || magnitude >= 15)
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    else
        r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, std::max(0, digits - 1 - magnitude));
    std::string s(buf, r.ptr);
    const std::size_t e = s.find('e');
    std::string mantissa = s.substr(0, e), exponent = e == std::string::npos ? "" : s.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + exponent;
}

BreakPointTexts rowTexts(const RandomResult& result, std::size_t i) {
    const PointRow& p = result.rows[i];
    const BreakPointRow stored{static_cast<float>(p.freq), static_cast<float>(p.psd), p.slope, p.share, p.gap};
    BreakPointTexts t = textsOf(static_cast<int>(i + 1), stored);
    if (result.exact) t.freq = significant(p.freq, 6), t.psd = significant(p.psd, 6);
    return t;
}

ResultTexts resultTexts(const RandomResult& r) {
    if (r.exact) {
        return {significant(r.grms, 6), significant(r.vel, 6), significant(r.disp, 6), significant(r.vel * 0.0254, 6),
                significant(r.disp * 25.4, 6)};
    }
    const auto grms = static_cast<float>(r.grms), vel = static_cast<float>(r.vel), disp = static_cast<float>(r.disp);
    return {psd::grmsText(grms), psd::velText(vel, true), psd::dispText(disp, true), psd::velText(vel, false),
            psd::dispText(disp, false)};
}

MarginTexts marginTexts(const Margin& m) {
    MarginTexts t{num::format(m.demand, m.pattern), num::format(m.rating, m.pattern),
                  num::format(m.percent, num::Pattern::Fixed1)};
    // A rating reads as given, whatever its digits.
    if (num::val(t.rating) != m.rating) t.rating = significant(m.rating, 9);
    // The demand shows as many digits as it takes to read above, below or at
    // its rating as it is.
    const auto misleads = [&] {
        const double demand = num::val(t.demand), rating = num::val(t.rating);
        return (demand > rating) != m.exceeded || ((demand == rating) != (m.demand == m.rating));
    };
    for (int digits = 1; misleads() && digits <= 17; ++digits) t.demand = significant(m.demand, digits);
    if (m.exceeded && readsAsZero(t.percent)) t.percent = significant(m.percent, 2);
    return t;
}

std::string sineText(const Request& r, const SineResult& s, const std::vector<Margin>& margins) {
    const bool shock = r.command == Command::Shock;
    std::string out = shock ? "Shock, " + pulseName(r) + " pulse" : "Sine";
    if (s.exact) out += ", exact (values as given, in double precision)";
    out += ", entered" + entered(r, s.taken) + "\n";
    const std::string freqUnit = shock ? " ms" : " Hz";
    out += table({{"", "English", "Metric"},
                  {"Acceleration", s.english.accel + " g pk", s.metric.accel + " g pk"},
                  {"Velocity", s.english.vel + " ips pk", s.metric.vel + " m/s pk"},
                  {"Displacement", s.english.disp + " in p-p", s.metric.disp + " mm p-p"},
                  {shock ? "Duration" : "Frequency", s.english.freq + freqUnit, s.metric.freq + freqUnit}},
                 "lll");
    return out + shakerText(r, margins, "Shaker");
}

std::string randomText(const Request& r, const RandomResult& res, const std::vector<Margin>& margins) {
    const std::string name = r.profile == "-" ? "from standard input" : r.profile;
    const std::size_t n = res.rows.size();
    std::string out = "Profile " + name + ", " + std::to_string(n) + " break point" + (n == 1 ? "" : "s");
    if (res.exact) out += ", exact (values as given, in double precision, every segment integrated)";
    std::vector<Cells> rows{
        {"No.", "Frequency (Hz)", "PSD (g\xC2\xB2/Hz)", "Slope (dB/oct)", "Share of g\xC2\xB2 (%)"}};
    for (std::size_t i = 0; i < n; ++i) {
        const BreakPointTexts t = rowTexts(res, i);
        rows.push_back({t.entry, t.freq, t.psd, t.slope, t.share});
    }
    // A segment left out says why in place of its share: words read from the left.
    bool gaps = false;
    for (const PointRow& p : res.rows) gaps = gaps || p.gap != psd::Gap::None;
    out += "\n" + table(rows, gaps ? "lrrrl" : "lrrrr");
    const std::string sigma = ", " + shortest(r.sigma) + " sigma";
    const ResultTexts t = resultTexts(res);
    out += "\n" + table({{"", "English", "Metric"},
                         {"Acceleration", t.grms + " g rms", t.grms + " g rms"},
                         {"Velocity" + sigma, t.velEnglish + " ips pk", t.velMetric + " m/s pk"},
                         {"Displacement" + sigma, t.dispEnglish + " in p-p", t.dispMetric + " mm p-p"}},
                        "lll");
    return out + shakerText(r, margins, "Shaker at " + shortest(r.sigma) + " sigma");
}

} // namespace tessomar::cli
