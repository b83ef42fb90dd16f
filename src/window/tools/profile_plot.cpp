#include "tools/profile_plot.h"

#include "calc/chart_svg.h"
#include "calc/levels.h"
#include "calc/numbers.h"
#include "calc/result_text.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace tessomar::tools {

namespace {

// "+3.0 dB", "-6.0 dB"
std::string dbText(double db) { return (db > 0 ? "+" : "") + num::format(db, num::Pattern::Fixed1) + " dB"; }

std::string failure(const std::string& path, int error) {
    return "Could not save " + path + ": " + (error ? std::strerror(error) : "the write failed");
}

} // namespace

ProfilePlot::ProfilePlot(const Tessomar& main) : Tool(main, kProfile) { start(); }

std::string ProfilePlot::title() const { return titleOf("Profile plot"); }

void ProfilePlot::setLevel(double db) {
    db = std::isfinite(db) ? std::clamp(db, kMinLevel, kMaxLevel) : 0;
    if (db == m_level) return;
    m_level = db;
    update();
}

void ProfilePlot::setBand(Band b, bool shown) {
    if (m_bands[b] == shown) return;
    m_bands[b] = shown;
    update();
}

void ProfilePlot::update() {
    std::vector<levels::ExactPoint> table;
    for (const BreakPointRow& r : profile().rows) table.push_back({r.freq, r.psd});
    const std::vector<levels::ExactPoint> drawn = levels::scaled(table, m_level);
    std::vector<chart::Point> points;
    for (const levels::ExactPoint& p : drawn) points.push_back({p.freq, p.psd});
    // Scaling every level leaves each segment's slope and gaps as they were,
    // so the g rms scales with the square root of the factor.
    m_grms = psd::grmsText(psd::toFloat(profile().grms * std::sqrt(levels::psdFactor(m_level))));
    m_chart = chart::profileChart(points, m_grms);
    if (m_level != 0) m_chart.title = "Acceleration PSD at " + dbText(m_level) + ", " + m_grms + " g rms";
    if (m_bands[kAlarm] || m_bands[kAbort]) {
        // The lines around the profile drawn, each band shown on its own.
        const levels::Tolerance both{{3, -3}, levels::Band{6, -6}};
        for (chart::Series& line : levels::toleranceSeries(drawn, both))
            if (m_bands[line.ink == chart::Ink::Alarm ? kAlarm : kAbort]) m_chart.series.push_back(std::move(line));
    }
    chart::fitAxes(m_chart, m_chart.x.title, m_chart.y.title);
}

std::string ProfilePlot::description() const {
    const int n = points();
    std::string s = std::to_string(n) + (n == 1 ? " break point" : " break points");
    if (m_level != 0) s += " at " + dbText(m_level);
    return s + ", " + m_grms + " g rms";
}

bool ProfilePlot::save(const std::string& path) {
    // Written beside the file and then put in its place, so that a write
    // that fails half way leaves no half a picture.
    const std::string part = path + ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (!out) {
            m_status = failure(path, errno);
            return false;
        }
        out << chart::svg(m_chart);
        out.flush();
        if (!out) {
            const int error = errno;
            out.close();
            std::remove(part.c_str());
            m_status = failure(path, error);
            return false;
        }
    }
    if (std::rename(part.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(part.c_str());
        m_status = failure(path, error);
        return false;
    }
    m_status = "Saved " + path;
    return true;
}

} // namespace tessomar::tools
