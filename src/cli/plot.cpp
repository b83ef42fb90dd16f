#include "cli/plot.h"

#include "calc/chart.h"
#include "calc/chart_svg.h"
#include "calc/levels.h"
#include "calc/response.h"
#include "cli/planning.h"

#include <algorithm>

namespace tessomar::cli {

std::string plotSvg(const RandomResult& result, const Request& request) {
    std::vector<chart::Point> points;
    for (const PointRow& r : result.rows) points.push_back({r.freq, r.psd});
    const std::string grms = resultTexts(result).grms;
    chart::Chart c = chart::profileChart(points, grms);
    if (request.scale) c.title = "Acceleration PSD at " + dbText(result.scaleDb) + " dB, " + grms + " g rms";
    const std::vector<psd::ExactPoint> run = pointsOf(result);
    if (request.tolerance)
        for (chart::Series& s : levels::toleranceSeries(run, *request.tolerance)) c.series.push_back(std::move(s));
    for (const ResponseRow& r : result.responses) {
        c.series.push_back(response::responseSeries(run, r.resonance));
        // More than one response: each says at its peak which it is.
        const auto& p = c.series.back().points;
        const auto peak = std::max_element(p.begin(), p.end(), [](auto a, auto b) { return a.y < b.y; });
        if (result.responses.size() > 1 && peak != p.end()) c.notes.push_back({*peak, response::label(r.resonance)});
    }
    chart::fitAxes(c, c.x.title, c.y.title);
    return chart::svg(c);
}

} // namespace tessomar::cli
