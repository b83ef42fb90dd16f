#include "calc/chart_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace tessomar::chart {

namespace {

// The drawing area inside a 640 × 440 picture, in SVG user units.
constexpr double kWidth = 640, kHeight = 440;
constexpr double kLeft = 90, kRight = 620, kTop = 50, kBottom = 380;

// Coordinates with two decimals and a "." whatever the locale.
std::string at(double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 2).ptr);
}

std::string line(double x1, double y1, double x2, double y2, const std::string& cls) {
    return "<line class=\"" + cls + "\" x1=\"" + at(x1) + "\" y1=\"" + at(y1) + "\" x2=\"" + at(x2) + "\" y2=\"" +
           at(y2) + "\"/>\n";
}

std::string text(double x, double y, const char* anchor, const std::string& s, const std::string& extra = "") {
    return "<text x=\"" + at(x) + "\" y=\"" + at(y) + "\" text-anchor=\"" + anchor + "\"" + extra + ">" + s +
           "</text>\n";
}

// The width of a 12-unit sans-serif character, on average, and a text's
// characters (UTF-8 continuation bytes take no place).
constexpr double kCharWidth = 6.8;
std::size_t textWidth(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// Text is ours or the user's file name: either may hold what XML reserves.
std::string escaped(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

struct InkStyle {
    const char* name;
    const char* line;
    const char* dot;
};
InkStyle styleOf(Ink ink) {
    switch (ink) {
    case Ink::Profile:
        return {"profile", "stroke:#1f5fa8;stroke-width:2;fill:none", "fill:#1f5fa8"};
    case Ink::Response:
        return {"response", "stroke:#7a3fa8;stroke-width:1.5;fill:none", "fill:#7a3fa8"};
    case Ink::Alarm:
        return {"alarm", "stroke:#d98c00;stroke-width:1;fill:none", "fill:#d98c00"};
    case Ink::Abort:
        return {"abort", "stroke:#c0392b;stroke-width:1;fill:none", "fill:#c0392b"};
    }
    return styleOf(Ink::Profile);
}

// The profile's dots keep the class they always had.
std::string dotClass(Ink ink) { return ink == Ink::Profile ? "point" : styleOf(ink).name + std::string("-point"); }

// Only the rules a chart uses, so a plain profile's picture stays as it was.
std::string styles(const Chart& c) {
    std::string css = ".minor{stroke:#eee}.major{stroke:#bbb}.frame{stroke:#000;fill:none}";
    std::vector<Ink> seen;
    bool dashed = false;
    for (const Series& s : c.series) {
        dashed = dashed || s.dashed;
        if (std::find(seen.begin(), seen.end(), s.ink) != seen.end()) continue;
        seen.push_back(s.ink);
        const InkStyle st = styleOf(s.ink);
        css += "." + std::string(st.name) + "{" + st.line + "}." + dotClass(s.ink) + "{" + st.dot + "}";
    }
    if (dashed) css += ".dashed{stroke-dasharray:6 4}";
    if (!c.marks.empty()) css += ".mark{stroke:#555;stroke-dasharray:3 3}";
    if (c.hasLegend()) css += ".legend{fill:#fff;fill-opacity:0.85;stroke:#bbb}";
    return css;
}

} // namespace

std::string svg(const Chart& c) {
    auto x = [&](double f) { return kLeft + c.x.at(f) * (kRight - kLeft); };
    auto y = [&](double p) { return kBottom - c.y.at(p) * (kBottom - kTop); };

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      at(kWidth) + "\" height=\"" + at(kHeight) + "\" viewBox=\"0 0 " + at(kWidth) + " " + at(kHeight) +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n<style>" + styles(c) +
                      "</style>\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    svg += text(kWidth / 2, 28, "middle", escaped(c.title), " font-size=\"16\" font-weight=\"bold\"");
    for (const Tick& t : ticks(c.x)) {
        svg += line(x(t.value), kTop, x(t.value), kBottom, t.major ? "major" : "minor");
        if (t.major) svg += text(x(t.value), kBottom + 18, "middle", t.label);
    }
    for (const Tick& t : ticks(c.y)) {
        svg += line(kLeft, y(t.value), kRight, y(t.value), t.major ? "major" : "minor");
        if (t.major) svg += text(kLeft - 6, y(t.value) + 4, "end", t.label);
    }
    svg += "<rect class=\"frame\" x=\"" + at(kLeft) + "\" y=\"" + at(kTop) + "\" width=\"" + at(kRight - kLeft) +
           "\" height=\"" + at(kBottom - kTop) + "\"/>\n";
    svg += text((kLeft + kRight) / 2, kBottom + 42, "middle", escaped(c.x.title));
    svg += text(20, (kTop + kBottom) / 2, "middle", escaped(c.y.title),
                " transform=\"rotate(-90 20 " + at((kTop + kBottom) / 2) + ")\"");
    for (double m : c.marks) svg += line(x(m), kTop, x(m), kBottom, "mark");
    for (const Series& s : c.series) {
        const std::string cls = styleOf(s.ink).name + std::string(s.dashed ? " dashed" : "");
        for (const auto& run : s.runs()) {
            std::string points;
            for (const Point& p : run) points += (points.empty() ? "" : " ") + at(x(p.x)) + "," + at(y(p.y));
            if (run.size() > 1) svg += "<polyline class=\"" + cls + "\" points=\"" + points + "\"/>\n";
        }
        if (s.markers)
            for (const Point& p : s.points)
                if (p.drawable())
                    svg += "<circle class=\"" + dotClass(s.ink) + "\" cx=\"" + at(x(p.x)) + "\" cy=\"" + at(y(p.y)) +
                           "\" r=\"4\"/>\n";
    }
    for (const Note& n : c.notes) {
        if (n.place == Note::Place::Above)
            svg += text(x(n.at.x), y(n.at.y) - 6, "middle", escaped(n.text));
        else
            svg += text(x(n.at.x) + 6, y(n.at.y) + 14, "start", escaped(n.text));
    }
    if (c.hasLegend()) {
        // As wide as its longest name, on a white ground that lets the lines under it show faintly.
        std::size_t longest = 0, rows = 0;
        for (const Series& s : c.series)
            if (!s.name.empty()) longest = std::max(longest, textWidth(s.name)), ++rows;
        const double width = std::min(kRight - kLeft - 8, 42 + kCharWidth * static_cast<double>(longest));
        const double height = 16.0 * static_cast<double>(rows) + 6;
        // In the corner that hides the least of the lines and notes.
        std::vector<std::pair<double, double>> drawn;
        for (const Series& s : c.series)
            for (const auto& run : s.runs())
                for (std::size_t i = 0; i + 1 < run.size(); ++i)
                    for (int k = 0; k < 16; ++k) {
                        const double t = k / 16.0;
                        drawn.emplace_back(x(run[i].x) * (1 - t) + x(run[i + 1].x) * t,
                                           y(run[i].y) * (1 - t) + y(run[i + 1].y) * t);
                    }
        for (const Note& n : c.notes)
            for (int k = 0; k < 64; ++k) drawn.emplace_back(x(n.at.x), y(n.at.y) - 10);
        const double right = kRight - 4 - width, bottom = kBottom - 4 - height;
        double left = right, top = kTop + 4, fewest = HUGE_VAL;
        for (const auto& corner : {std::pair{right, kTop + 4}, std::pair{kLeft + 4, kTop + 4}, std::pair{right, bottom},
                                   std::pair{kLeft + 4, bottom}}) {
            const double l = corner.first, t = corner.second; // plain values: a lambda may not capture a binding
            const double hidden = static_cast<double>(std::count_if(drawn.begin(), drawn.end(), [&](const auto& p) {
                return p.first >= l && p.first <= l + width && p.second >= t && p.second <= t + height;
            }));
            if (hidden < fewest) fewest = hidden, left = l, top = t;
        }
        svg += "<rect class=\"legend\" x=\"" + at(left) + "\" y=\"" + at(top) + "\" width=\"" + at(width) +
               "\" height=\"" + at(height) + "\"/>\n";
        double row = top + 12;
        for (const Series& s : c.series) {
            if (s.name.empty()) continue;
            const std::string cls = styleOf(s.ink).name + std::string(s.dashed ? " dashed" : "");
            svg += line(left + 6, row - 4, left + 31, row - 4, cls);
            svg += text(left + 36, row, "start", escaped(s.name));
            row += 16;
        }
    }
    return svg + "</svg>\n";
}

} // namespace tessomar::chart
