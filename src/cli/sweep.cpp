// The sweep command: how long a sine sweep takes, or its rate.
#include "calc/sweep.h"
#include "cli/json.h"
#include "cli/operands.h"
#include "cli/sine_planning.h"
#include "cli/text.h"

#include <algorithm>
#include <cmath>

namespace tessomar::cli {

namespace {

using sweep::RateUnit;
using sweep::Spacing;

// In the order of sweep::RateUnit.
const std::vector<UnitRow> kRateUnits{
    {"oct/min", 1, false}, {"oct/s", 1, false}, {"Hz/s", 1, false}, {"Hz/min", 1, false}};
// Each against the second.
const std::vector<UnitRow> kTimeUnits{{"s", 1, false}, {"min", 1.0 / 60, false}, {"h", 1.0 / 3600, false}};

constexpr double kMostSweeps = 1e9;

struct Planned {
    sweep::Sweep sweep;
    std::string given; // "rate=2oct/min" or "time=10min"
    double sweeps = 0; // sweeps=N, or 0
};

// The rate's units, the one test plans write first: oct/min, Hz/s.
std::pair<RateUnit, RateUnit> rateUnits(const Planned& p) {
    if (p.sweep.spacing == Spacing::Logarithmic) return {RateUnit::OctPerMin, RateUnit::OctPerSec};
    return {RateUnit::HzPerSec, RateUnit::HzPerMin};
}

std::string rateText(const Planned& p, RateUnit unit) {
    return significant(p.sweep.rateIn(unit), 4) + " " + sweep::nameOf(unit);
}

Cells timeCells(const std::string& label, double seconds) {
    const sweep::TimeTexts t = sweep::timeTexts(seconds);
    Cells row{label, t.seconds + " s", t.minutes + " min"};
    if (!t.clock.empty()) row.push_back(t.clock);
    return row;
}

std::string spacingName(const sweep::Sweep& s) { return s.spacing == Spacing::Logarithmic ? "logarithmic" : "linear"; }

std::string sweepText(const Planned& p) {
    const sweep::Sweep& s = p.sweep;
    const auto [usual, other] = rateUnits(p);
    std::string out = "Sweep " + significant(s.from, 6) + " to " + significant(s.to, 6) + " Hz, " + spacingName(s) +
                      ", " + p.given + "\n";
    std::vector<Cells> rows{{"Octaves", significant(s.octaves, 4)},
                            {"Rate", rateText(p, usual), rateText(p, other)},
                            timeCells("One sweep", s.seconds),
                            {"Cycles in a sweep", sweep::countText(s.cycles)}};
    if (p.sweeps == 0) return out + table(rows, "llll");
    const auto [n, cycles] = sweep::passTexts(p.sweeps);
    rows.push_back(timeCells(n + " (" + cycles + ")", p.sweeps * s.seconds));
    rows.push_back({"Cycles in " + n, sweep::countText(p.sweeps * s.cycles)});
    return out + table(rows, "llll") + sweep::kPassNote + "\n";
}

std::string timeJson(double seconds) {
    const sweep::TimeTexts t = sweep::timeTexts(seconds);
    return object({{"seconds", field(number(seconds), t.seconds, "s")},
                   {"minutes", field(number(seconds / 60), t.minutes, "min")},
                   {"clock", t.clock.empty() ? "null" : quoted(t.clock)}});
}

std::string sweepJson(const Planned& p) {
    const sweep::Sweep& s = p.sweep;
    const auto [usual, other] = rateUnits(p);
    const auto rate = [&](RateUnit u) {
        return field(number(s.rateIn(u)), significant(s.rateIn(u), 4), sweep::nameOf(u));
    };
    const bool many = p.sweeps > 0;
    Members m{{"command", quoted("sweep")},
              {"from", field(number(s.from), significant(s.from, 6), "Hz")},
              {"to", field(number(s.to), significant(s.to, 6), "Hz")},
              {"spacing", quoted(spacingName(s))},
              {"octaves", field(number(s.octaves), significant(s.octaves, 4), "oct")},
              {"rate", array({rate(usual), rate(other)})},
              {"time", timeJson(s.seconds)},
              {"cycles", field(number(s.cycles), sweep::countText(s.cycles), "cycles")},
              {"sweeps", many ? number(p.sweeps) : "null"},
              {"sweep_cycles", many ? number(p.sweeps / 2) : "null"},
              {"total_time", many ? timeJson(p.sweeps * s.seconds) : "null"},
              {"total_cycles",
               many ? field(number(p.sweeps * s.cycles), sweep::countText(p.sweeps * s.cycles), "cycles") : "null"}};
    addShakerAndWarnings(m, {}, {});
    return document(m);
}

// The sweep the operands ask for, or what is wrong with them and where.
std::optional<Planned> plan(const Request& r, std::string& where, std::string& what) {
    const auto ops = readOperands(r.operands, {"rate", "time", "sweeps"}, what);
    if (!ops) return std::nullopt;
    if (ops->range.empty()) return what = "give the range, FROM-TO in Hz, with rate= or time=", std::nullopt;
    const auto range = readRange(ops->range, what);
    if (!range) return std::nullopt;
    if (const std::string problem = sweep::rangeProblem(range->from, range->to); !problem.empty())
        return what = ops->range + ": " + problem, std::nullopt;
    const Parameter *rate = find(*ops, "rate"), *time = find(*ops, "time"), *count = find(*ops, "sweeps");
    if (rate && time) return what = "give rate= or time=, not both", std::nullopt;
    if (!rate && !time)
        return what = "give rate= (" + unitList(kRateUnits) + ") or time= (" + unitList(kTimeUnits) + ")", std::nullopt;
    Planned p;
    p.given = (rate ? rate : time)->word;
    if (rate) {
        const auto v = readValue(rate->word, rate->value, kRateUnits, what);
        if (!v) return std::nullopt;
        const auto unit = static_cast<RateUnit>(v->unit - kRateUnits.data());
        if (r.linear && sweep::spacingOf(unit) == Spacing::Logarithmic)
            return where = "--linear", what = rate->word + " is a logarithmic rate; a rate's unit says how it sweeps",
                   std::nullopt;
        p.sweep = sweep::atRate(range->from, range->to, v->base, unit);
    } else {
        const auto v = readValue(time->word, time->value, kTimeUnits, what);
        if (!v) return std::nullopt;
        p.sweep = sweep::inTime(range->from, range->to, v->base, r.linear ? Spacing::Linear : Spacing::Logarithmic);
    }
    if (count) {
        const auto n = splitNumber(count->value);
        if (!n || !n->unit.empty() || !(n->value >= 1 && n->value <= kMostSweeps) || n->value != std::floor(n->value))
            return what = count->word + ": give a whole number of sweeps, 1 to 1000000000", std::nullopt;
        p.sweeps = n->value;
    }
    // A rate or time far from any test's can take the figures past a double.
    const double n = std::max(p.sweeps, 1.0);
    if (!std::isfinite(p.sweep.rateIn(RateUnit::OctPerMin) + p.sweep.rateIn(RateUnit::HzPerMin)) ||
        !std::isfinite(n * p.sweep.seconds * n * p.sweep.cycles) || !(p.sweep.seconds > 0 && p.sweep.cycles > 0))
        return what = p.given + ": the sweep's figures pass the range of a double", std::nullopt;
    return p;
}

} // namespace

Outcome runSweep(const Request& r, const FileReader&) {
    std::string where = "sweep", what;
    const auto p = plan(r, where, what);
    if (!p) return refused({where, what});
    return {kDone, r.json ? sweepJson(*p) : sweepText(*p), {}, {}, {}};
}

} // namespace tessomar::cli
