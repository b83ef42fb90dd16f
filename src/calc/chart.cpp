#include "calc/chart.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tessomar::chart {

namespace {

// "0.01", "1", "100": a power of ten as people write it on an axis.
std::string decade(int k) {
    if (k >= 0) return "1" + std::string(static_cast<std::size_t>(k), '0');
    return "0." + std::string(static_cast<std::size_t>(-k - 1), '0') + "1";
}

} // namespace

LogAxis LogAxis::around(double min, double max, std::string title) {
    LogAxis a;
    a.low = static_cast<int>(std::floor(std::log10(min) + 1e-6));
    a.high = static_cast<int>(std::ceil(std::log10(max) - 1e-6));
    if (a.high <= a.low) a.high = a.low + 1;
    a.title = std::move(title);
    return a;
}

double LogAxis::at(double value) const { return (std::log10(value) - low) / (high - low); }

std::vector<Tick> ticks(const LogAxis& axis) {
    std::vector<Tick> out;
    for (int k = axis.low; k <= axis.high; ++k) {
        const double v = std::pow(10.0, k);
        out.push_back({v, axis.at(v), true, decade(k)});
        for (int m = 2; m <= 9 && k < axis.high; ++m) out.push_back({m * v, axis.at(m * v), false, {}});
    }
    return out;
}

bool Point::drawable() const { return x > 0 && y > 0 && std::isfinite(x) && std::isfinite(y); }

std::vector<std::vector<Point>> Series::runs() const {
    std::vector<std::vector<Point>> out(1);
    for (const Point& p : points) {
        if (p.drawable())
            out.back().push_back(p);
        else if (!out.back().empty())
            out.emplace_back();
    }
    if (out.back().empty()) out.pop_back();
    return out;
}

bool Chart::hasLegend() const {
    return std::count_if(series.begin(), series.end(), [](const Series& s) { return !s.name.empty(); }) > 1;
}

void fitAxes(Chart& chart, std::string xTitle, std::string yTitle) {
    double xMin = HUGE_VAL, xMax = 0, yMin = HUGE_VAL, yMax = 0;
    for (const Series& s : chart.series)
        for (const Point& p : s.points) {
            if (!p.drawable()) continue;
            xMin = std::min(xMin, p.x), xMax = std::max(xMax, p.x);
            yMin = std::min(yMin, p.y), yMax = std::max(yMax, p.y);
        }
    for (double m : chart.marks) xMin = std::min(xMin, m), xMax = std::max(xMax, m);
    if (!(xMax > 0)) xMin = 10, xMax = 2000;
    if (!(yMax > 0)) yMin = 0.001, yMax = 0.1;
    chart.x = LogAxis::around(xMin, xMax, std::move(xTitle));
    chart.y = LogAxis::around(yMin, yMax, std::move(yTitle));
}

Chart profileChart(const std::vector<Point>& points, const std::string& grms) {
    Chart c;
    c.title = "Acceleration PSD, " + grms + " g rms";
    c.series.push_back({"Profile", Ink::Profile, false, true, points});
    fitAxes(c, "Frequency (Hz)", "PSD (g\xC2\xB2/Hz)");
    return c;
}

} // namespace tessomar::chart
