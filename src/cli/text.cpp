#include "cli/text.h"

#include <charconv>
#include <cmath>

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

// "Stroke", "Random force (45 kg)".
std::string marginLabel(const Request& r, const shaker::Margin& m) {
    std::string label = m.name;
    label[0] = static_cast<char>(label[0] - 'a' + 'A');
    if (label.find('-') != std::string::npos) label[label.find('-')] = ' ';
    if (r.shaker->mass && m.name.find("force") != std::string::npos)
        label += " (" + shortest(r.shaker->mass->value) + " " + r.shaker->mass->unit + ")";
    return label;
}

} // namespace

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

std::string shortest(double value) { return shortestOf(value); }
std::string shortest(float value) { return shortestOf(value); }

std::string shakerText(const Request& r, const std::vector<shaker::Margin>& margins, const std::string& heading) {
    if (margins.empty()) return "";
    std::vector<Cells> rows{{heading, "Demand", "Rating", "Margin"}};
    std::string exceeded;
    for (const shaker::Margin& m : margins) {
        const MarginTexts t = marginTexts(m);
        rows.push_back({marginLabel(r, m), t.demand + " " + m.unit, t.rating + " " + m.unit, t.percent + " %",
                        m.exceeded ? "EXCEEDED" : ""});
        if (m.exceeded) exceeded += (exceeded.empty() ? "" : ", ") + m.name;
    }
    return "\n" + table(rows, "lrrrl") +
           (exceeded.empty() ? "Within every rating.\n" : "Rating exceeded: " + exceeded + ".\n");
}

std::vector<shaker::Margin> margins(const Request& r, const shaker::Demand& d, std::vector<std::string>& warnings) {
    if (!r.shaker) return {};
    shaker::Check c = shaker::check(*r.shaker, d);
    if (c.forceOfOtherKind)
        warnings.push_back(d.random ? "sine-force= is a peak rating; a random test's rms force is checked "
                                      "against random-force="
                                    : "random-force= is an rms rating; this test's peak force is checked "
                                      "against sine-force=");
    return std::move(c.margins);
}

int codeOf(const std::vector<shaker::Margin>& margins) {
    for (const shaker::Margin& m : margins)
        if (m.exceeded) return kRatingExceeded;
    return kDone;
}

std::string warningLines(const std::vector<std::string>& warnings) {
    std::string out;
    for (const std::string& w : warnings) out += "tessomar-calc: warning: " + w + '\n';
    return out;
}

} // namespace tessomar::cli
