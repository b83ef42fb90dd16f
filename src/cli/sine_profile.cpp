// The sine-profile command: "D or A, whichever is less" over a sweep.
#include "calc/sine_profile.h"
#include "calc/chart_svg.h"
#include "calc/sweep.h"
#include "calc/units.h"
#include "cli/json.h"
#include "cli/operands.h"
#include "cli/sine_planning.h"
#include "cli/text.h"

#include <algorithm>
#include <cmath>

namespace tessomar::cli {

namespace {

using sine_profile::Limit;
using sine_profile::Motion;
using sine_profile::Profile;
using sine_profile::Quantity;

// The units of each limit, against in p-p, in/s pk and g pk; a bare number
// is in the English unit, as the sine command takes it.
const std::vector<UnitRow>& unitsOf(Quantity q) {
    static const std::vector<UnitRow> disp{{"", 1, false}, {"in", 1, false}, {"mm", units::kMmPerInch, true}};
    static const std::vector<UnitRow> vel{
        {"", 1, false}, {"ips", 1, false}, {"m/s", units::kMetersPerInch, true}, {"mps", units::kMetersPerInch, true}};
    static const std::vector<UnitRow> accel{{"", 1, false}, {"g", 1, false}};
    return q == Quantity::Displacement ? disp : q == Quantity::Velocity ? vel : accel;
}

const char* letterOf(Quantity q) { return q == Quantity::Displacement ? "D" : q == Quantity::Velocity ? "V" : "A"; }

// "D 0.5 in p-p, V 20 ips pk and A 5 g pk".
std::string limitList(const Profile& p) {
    std::string out;
    for (std::size_t i = 0; i < p.limits.size(); ++i)
        out += (i == 0 ? "" : i + 1 == p.limits.size() ? " and " : ", ") + limitText(p.limits[i]);
    return out;
}

std::string hz(double f) { return significant(f, 4); }

// The peaks in English and Metric units: texts and values.
struct PeakRow {
    const char* label;
    double english, metric;
    const char *englishUnit, *metricUnit;
};
std::vector<PeakRow> peakRows(const Motion& m) {
    return {{"Acceleration", m.accel, m.accel, "g pk", "g pk"},
            {"Velocity", m.vel, m.vel * units::kMetersPerInch, "ips pk", "m/s pk"},
            {"Displacement", m.disp, m.disp * units::kMmPerInch, "in p-p", "mm p-p"}};
}

std::string profileText(const Request& r, const Profile& p, const std::vector<shaker::Margin>& margins) {
    std::string out = "Sine profile " + significant(p.from, 6) + " to " + significant(p.to, 6) + " Hz, " +
                      (p.limits.size() == 1 ? "" : "the least of ") + limitList(p) + "\n\n";
    std::vector<Cells> rows{{"From (Hz)", "To (Hz)", "Governs"}};
    for (const auto& s : p.segments)
        rows.push_back({hz(s.from), hz(s.to), nameOf(s.governs) + std::string(", ") + limitText(p.limitOf(s.governs))});
    out += table(rows, "rrl") + "\n";
    for (const std::string& note : notes(p)) out += note + "\n";
    rows = {{"Peak over the sweep", "English", "Metric"}};
    for (const PeakRow& k : peakRows(p.peak))
        rows.push_back(
            {k.label, significant(k.english, 4) + " " + k.englishUnit, significant(k.metric, 4) + " " + k.metricUnit});
    return out + "\n" + table(rows, "lll") + shakerText(r, margins, "Shaker, at the peaks");
}

std::string profileJson(const Profile& p, const std::vector<shaker::Margin>& margins,
                        const std::vector<std::string>& warnings) {
    std::vector<std::string> limits, segments, crossovers;
    for (const Limit& l : p.limits) {
        const UnitRow& unit = unitsOf(l.quantity)[l.metric ? 2 : 1];
        const std::string caption = l.quantity == Quantity::Displacement ? " p-p" : " pk";
        limits.push_back(object({{"quantity", quoted(nameOf(l.quantity))},
                                 {"value", number(l.value * unit.perBase)},
                                 {"text", quoted(significant(l.value * unit.perBase, 6))},
                                 {"unit", quoted(unit.name + caption)},
                                 {"in_profile", p.governs(l.quantity) ? "true" : "false"}}));
    }
    for (const auto& s : p.segments)
        segments.push_back(object({{"from", number(s.from)},
                                   {"to", number(s.to)},
                                   {"governs", quoted(nameOf(s.governs))},
                                   {"text", quoted(hz(s.from) + " to " + hz(s.to) + " Hz")}}));
    for (const auto& x : p.crossovers)
        crossovers.push_back(object({{"frequency", field(number(x.freq), hz(x.freq), "Hz")},
                                     {"below", quoted(nameOf(x.below))},
                                     {"above", quoted(nameOf(x.above))}}));
    Members english, metric;
    for (const PeakRow& k : peakRows(p.peak)) {
        std::string key = k.label;
        key[0] = static_cast<char>(key[0] - 'A' + 'a');
        english.emplace_back(key, field(number(k.english), significant(k.english, 4), k.englishUnit));
        metric.emplace_back(key, field(number(k.metric), significant(k.metric, 4), k.metricUnit));
    }
    Members m{{"command", quoted("sine-profile")},
              {"from", field(number(p.from), significant(p.from, 6), "Hz")},
              {"to", field(number(p.to), significant(p.to, 6), "Hz")},
              {"limits", array(limits)},
              {"segments", array(segments)},
              {"crossovers", array(crossovers)},
              {"peak_english", nested(english)},
              {"peak_metric", nested(metric)}};
    addShakerAndWarnings(m, margins, warnings);
    return document(m);
}

// The profile the operands ask for, or what is wrong with them.
std::optional<Profile> plan(const Request& r, std::string& what) {
    const auto ops = readOperands(r.operands, {"D", "V", "A"}, what);
    if (!ops) return std::nullopt;
    const std::string limits = "D (in p-p, or mm), V (ips pk, or m/s) or A (g pk)";
    if (ops->range.empty()) return what = "give the range, FROM-TO in Hz, and limits: " + limits, std::nullopt;
    const auto range = readRange(ops->range, what);
    if (!range) return std::nullopt;
    if (const std::string problem = sweep::rangeProblem(range->from, range->to); !problem.empty())
        return what = ops->range + ": " + problem, std::nullopt;
    std::vector<Limit> given;
    for (const Quantity q : {Quantity::Displacement, Quantity::Velocity, Quantity::Acceleration}) {
        const Parameter* p = find(*ops, letterOf(q));
        if (!p) continue;
        const auto v = readValue(p->word, p->value, unitsOf(q), what);
        if (!v) return std::nullopt;
        given.push_back({q, v->base, v->unit->metric});
    }
    if (given.empty()) return what = "give at least one limit, " + limits, std::nullopt;
    Profile p = sine_profile::plan(range->from, range->to, given);
    // Limits and frequencies far from any test's can take the figures past a double.
    std::vector<double> all{p.peak.accel, p.peak.vel, p.peak.disp};
    for (const auto& x : p.crossovers) all.push_back(x.freq);
    if (!std::all_of(all.begin(), all.end(), [](double v) { return std::isfinite(v) && v > 0; }))
        return what = ops->range + ": the profile's figures pass the range of a double", std::nullopt;
    return p;
}

} // namespace

Outcome runSineProfile(const Request& r, const FileReader&) {
    std::string what;
    const auto p = plan(r, what);
    if (!p) return refused({"sine-profile", what});
    std::vector<std::string> warnings;
    const auto m = margins(r, shaker::sineDemand(p->peak.accel, p->peak.vel, p->peak.disp), warnings);
    const std::string report = r.json ? profileJson(*p, m, warnings) : profileText(r, *p, m);
    Outcome o{codeOf(m), report, warningLines(warnings), {}, {}};
    // Standard output carries the plot alone, so that it can be piped on.
    if (r.plot == "-") o.out = chart::svg(sine_profile::chartOf(*p)), o.err += report;
    if (!r.plot.empty() && r.plot != "-") o.plotPath = r.plot, o.plot = chart::svg(sine_profile::chartOf(*p));
    return o;
}

} // namespace tessomar::cli
