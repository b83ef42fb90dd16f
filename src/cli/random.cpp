#include "cli/random.h"

#include "calc/levels.h"
#include "calc/numbers.h"
#include "calc/profile.h"
#include "calc/psd_exact.h"
#include "calc/result_text.h"
#include "calc/table.h"
#include "calc/units.h"
#include "cli/json.h"
#include "cli/planning.h"
#include "cli/plot.h"
#include "cli/text.h"

#include <algorithm>
#include <cmath>

namespace tessomar::cli {

namespace {

using units::kMetersPerInch;
using units::kMmPerInch;

// The window's integration of the table's columns: the rows and results.
void integrateTable(const psd::Column& freq, const psd::Column& level, double sigma, RandomResult& out) {
    const BreakPointReport report = breakPointReport(freq, level);
    out.rows.clear();
    for (const BreakPointRow& r : report.rows) out.rows.push_back({r.freq, r.psd, r.slope, r.share, r.gap});
    out.grms = report.grms;
    // 3 sigma is what the window holds: the factor 1 keeps it bit for bit.
    out.vel = num::store(report.vel * (sigma / 3));
    out.disp = num::store(report.disp * (sigma / 3));
}

// The table after the points were typed into it from entry 1 on, each value
// and Enter a box, and what its integration gives.
void asTheWindow(const profile::Profile& p, const std::string& where, double sigma, RandomResult& out) {
    if (!table::placementRefusal(p.points, 1, false).error.empty()) {
        out.error = Error{where, "the profile does not fit the table"};
        return;
    }
    psd::Column freq{}, level{};
    table::place(p.points, 1, freq, level);
    integrateTable(freq, level, sigma, out);
    const char* asGiven = " (--exact takes it as given)";
    for (const profile::Point& pt : p.points) {
        const std::string at = where + ":" + std::to_string(pt.line) + ": ";
        const float f = table::asCommitted(pt.freq, table::kFreqColumn);
        const float psd = table::asCommitted(pt.psd, table::kPsdColumn);
        if (f != num::store(pt.freq))
            out.warnings.push_back(at + "frequency " + significant(pt.freq, 9) + " taken as " +
                                   num::format(f, num::Pattern::Fixed2) + " Hz, the table's precision" + asGiven);
        if (psd != num::store(pt.psd))
            out.warnings.push_back(at + "PSD " + significant(pt.psd, 9) + " taken as " +
                                   num::format(psd, num::Pattern::Fixed6) + " g\xC2\xB2/Hz, the table's precision" +
                                   asGiven);
    }
    for (std::size_t i = 0; i + 1 < out.rows.size(); ++i)
        if (out.rows[i].gap != psd::Gap::None)
            out.warnings.push_back(where + ": the segment " + num::format(out.rows[i].freq, num::Pattern::Fixed2) +
                                   " to " + num::format(out.rows[i + 1].freq, num::Pattern::Fixed2) +
                                   " Hz is left out (" + gapText(out.rows[i].gap) +
                                   "), as in the window; --exact integrates it");
}

// Every segment of the points, in frequency order, in double precision.
void exact(const std::vector<psd::ExactPoint>& points, double sigma, RandomResult& out) {
    const psd::ExactSums sums = psd::integrateExact(points);
    out.rows.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
        PointRow row{points[i].freq, points[i].psd, {}, {}, psd::Gap::None};
        if (i + 1 < points.size() && points[i + 1].freq > points[i].freq) {
            row.slope =
                10 * std::log10(points[i + 1].psd / points[i].psd) / std::log2(points[i + 1].freq / points[i].freq);
            row.share = 100 * sums.accelTerms[i] / sums.accel;
        }
        out.rows.push_back(row);
    }
    out.grms = std::sqrt(sums.accel);
    out.vel = sigma * std::sqrt(sums.vel);
    out.disp = 2 * sigma * std::sqrt(sums.disp);
}

void exact(const profile::Profile& p, double sigma, RandomResult& out) {
    std::vector<psd::ExactPoint> points;
    for (const profile::Point& pt : p.points) points.push_back({pt.freq, pt.psd});
    std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.freq < b.freq; });
    exact(points, sigma, out);
}

// The profile at the level asked for: every level of the run times the
// factor, unrounded, integrated as the run was, shown at the table's
// precision.
void scale(const Request& r, RandomResult& out) {
    const Scale& s = *r.scale;
    if (s.grms && !(out.grms > 0 && std::isfinite(out.grms))) {
        out.error = Error{s.given, "the profile has no g rms to scale"};
        return;
    }
    const double db = s.grms ? levels::dbToReach(out.grms, *s.grms) : s.db;
    const std::vector<psd::ExactPoint> points = levels::scaled(pointsOf(out), db);
    if (const auto i = levels::firstOutsideTable(points)) {
        out.error = Error{s.given, "entry " + std::to_string(*i + 1) + " (" + significant(points[*i].freq, 6) +
                                       " Hz) would be " + significant(points[*i].psd, 6) +
                                       " g\xC2\xB2/Hz, outside the table's 0.000001 to 1000"};
        return;
    }
    out.scaleDb = db;
    if (out.exact) return exact(points, r.sigma, out);
    psd::Column freq{}, level{};
    for (std::size_t i = 0; i < points.size(); ++i)
        freq[i + 1] = num::store(points[i].freq), level[i + 1] = num::store(points[i].psd);
    integrateTable(freq, level, r.sigma, out);
}

void respondTo(const Request& r, RandomResult& out) {
    const std::vector<psd::ExactPoint> points = pointsOf(out);
    for (const ResponseAsked& a : r.responses) {
        const auto values = response::respond(points, a.resonance);
        if (!values) {
            out.error =
                Error{"--response " + a.given,
                      "fn " + significant(a.resonance.fn, 6) + " Hz lies outside the profile, " +
                          significant(points.front().freq, 6) + " to " + significant(points.back().freq, 6) + " Hz"};
            return;
        }
        if (!(values->error <= response::kAccuracy))
            out.warnings.push_back("--response " + a.given + ": the exact response is good to " +
                                   significant(values->error, 2) + " of its value only");
        out.responses.push_back({a.resonance, *values});
    }
}

std::string randomText(const Request& r, const RandomResult& res, const std::vector<shaker::Margin>& margins) {
    const std::string name = r.profile == "-" ? "from standard input" : r.profile;
    const std::size_t n = res.rows.size();
    std::string out = "Profile " + name + ", " + std::to_string(n) + " break point" + (n == 1 ? "" : "s");
    if (res.exact) out += ", exact (values as given, in double precision, every segment integrated)";
    if (r.scale) out += "\n" + scaleText(r, res);
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
    out += toleranceText(r, res) + responseText(r, res);
    return out + shakerText(r, margins, "Shaker at " + shortest(r.sigma) + " sigma") + headroomText(r, res, margins);
}

std::string randomJson(const Request& r, const RandomResult& res, const std::vector<shaker::Margin>& margins) {
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
    addPlanning(m, r, res, margins);
    addShakerAndWarnings(m, margins, res.warnings);
    return document(m);
}

} // namespace

RandomResult computeRandom(std::string_view name, std::string_view text, const Request& request) {
    RandomResult out;
    out.exact = request.exact;
    const profile::Profile p = profile::read(text);
    const std::string where(name);
    if (!p.ok()) {
        out.error = Error{where + (p.errorLine > 0 ? ":" + std::to_string(p.errorLine) : ""), p.error};
    } else if (p.points.size() > table::kLastEntry) {
        const int line = p.points[table::kLastEntry].line; // the 51st point
        out.error = Error{where + ":" + std::to_string(line),
                          std::to_string(p.points.size()) + " break points, more than the table's 50"};
    } else if (p.points.size() < 2) {
        out.error = Error{where, "one break point; a profile needs two break points"};
    } else if (request.exact) {
        exact(p, request.sigma, out);
    } else {
        asTheWindow(p, where, request.sigma, out);
    }
    if (!out.error && request.scale) scale(request, out);
    if (!out.error) respondTo(request, out);
    return out;
}

std::vector<psd::ExactPoint> pointsOf(const RandomResult& result) {
    std::vector<psd::ExactPoint> out;
    for (const PointRow& r : result.rows) out.push_back({r.freq, r.psd});
    return out;
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
        return {significant(r.grms, 6), significant(r.vel, 6), significant(r.disp, 6),
                significant(r.vel * kMetersPerInch, 6), significant(r.disp * kMmPerInch, 6)};
    }
    const auto grms = static_cast<float>(r.grms), vel = static_cast<float>(r.vel), disp = static_cast<float>(r.disp);
    return {psd::grmsText(grms), psd::velText(vel, true), psd::dispText(disp, true), psd::velText(vel, false),
            psd::dispText(disp, false)};
}

Outcome runRandom(const Request& r, const FileReader& read) {
    const std::string name = r.profile == "-" ? "<stdin>" : r.profile;
    std::string text;
    if (!read(r.profile, text)) return refused({name, text});
    RandomResult res = computeRandom(name, text, r);
    if (res.error) return refused(*res.error);
    const std::vector<shaker::Margin> m = margins(r, shaker::randomDemand(res.grms, res.vel, res.disp), res.warnings);
    const std::string report = r.json ? randomJson(r, res, m) : randomText(r, res, m);
    Outcome o{codeOf(m), report, warningLines(res.warnings), {}, {}};
    // Standard output carries the plot alone, so that it can be piped on.
    if (r.plot == "-") o.out = plotSvg(res, r), o.err += report;
    if (!r.plot.empty() && r.plot != "-") o.plotPath = r.plot, o.plot = plotSvg(res, r);
    return o;
}

} // namespace tessomar::cli
