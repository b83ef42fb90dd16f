#include "cli/plot.h"

#include "calc/chart.h"
#include "calc/chart_svg.h"

namespace tessomar::cli {

std::string plotSvg(const RandomResult& result) {
    std::vector<chart::Point> points;
    for (const PointRow& r : result.rows) points.push_back({r.freq, r.psd});
    return chart::svg(chart::profileChart(points, resultTexts(result).grms));
}

} // namespace tessomar::cli
