#include "tools/sweep.h"

#include "calc/numbers.h"
#include "calc/sweep.h"

#include <cmath>

namespace tessomar::tools {

namespace {

enum : std::size_t { kFrom, kTo, kRate, kTime, kSpacing, kSweeps };

// In the order of sweep::RateUnit.
const std::vector<std::string> kRateUnits{"oct/min", "oct/s", "Hz/s", "Hz/min"};
const std::vector<std::string> kTimeUnits{"s", "min", "h"};
const double kSecondsIn[] = {1, 60, 3600};

using num::significant;

std::string rateText(const sweep::Sweep& s, sweep::RateUnit unit) {
    return significant(s.rateIn(unit), 4) + " " + sweep::nameOf(unit);
}

std::string timeText(double seconds) {
    const sweep::TimeTexts t = sweep::timeTexts(seconds);
    return t.seconds + " s, " + t.minutes + " min" + (t.clock.empty() ? "" : ", " + t.clock);
}

// The results, in the command line's words and figures.
std::vector<std::string> lines(const sweep::Sweep& s, double sweeps) {
    using sweep::RateUnit;
    const bool log = s.spacing == sweep::Spacing::Logarithmic;
    std::vector<std::string> out{
        "Octaves: " + significant(s.octaves, 4),
        std::string("Rate (") +
            (log ? "logarithmic): " + rateText(s, RateUnit::OctPerMin) + ", " + rateText(s, RateUnit::OctPerSec)
                 : "linear): " + rateText(s, RateUnit::HzPerSec) + ", " + rateText(s, RateUnit::HzPerMin)),
        "One sweep: " + timeText(s.seconds), "Cycles in a sweep: " + sweep::countText(s.cycles)};
    if (sweeps == 0) return out;
    const auto [n, cycles] = sweep::passTexts(sweeps);
    out.push_back(n + " (" + cycles + "): " + timeText(sweeps * s.seconds));
    out.push_back("Cycles in " + n + ": " + sweep::countText(sweeps * s.cycles));
    out.push_back(sweep::kPassNote);
    return out;
}

} // namespace

std::optional<std::pair<double, double>> RangeForm::range() {
    // From a slow fatigue sweep's start to well past any shaker's top.
    const auto from = number(kFrom, 0.01, 50000), to = number(kTo, 0.01, 50000);
    if (!from || !to) return std::nullopt;
    if (!(*from < *to)) {
        field(kTo).reason = "Must be above From";
        return std::nullopt;
    }
    return std::pair{*from, *to};
}

Sweep::Sweep(const Tessomar& main)
    : RangeForm(main, 0,
                {{"From", "&From:", "Hz", "", ""},
                 {"To", "&To:", "Hz", "", ""},
                 {"Rate", "&Rate:", "", "", "", kRateUnits},
                 {"Time", "T&ime:", "", "", "", kTimeUnits, 1},
                 {"Spacing", "Timed s&weep:", "", "", "", {"logarithmic", "linear"}, 0, false},
                 {"Sweeps", "&Sweeps:", "", "", ""}}) {
    start();
}

void Sweep::update() {
    m_results.clear();
    const auto range = this->range();
    // A rate or a time: the one given decides, and a rate's unit says how it sweeps.
    const bool noRate = blank(kRate), noTime = blank(kTime);
    const auto rate = noRate ? std::nullopt : number(kRate, 0.001, 10000);
    const auto time = noTime ? std::nullopt : number(kTime, 0.001, 10000);
    if (noRate && noTime) field(kRate).reason = "Enter a rate or a time";
    if (!noRate && !noTime) field(kTime).reason = "A rate or a time, not both";
    field(kSpacing).unit = noRate ? "" : "the rate's unit decides";
    double sweeps = 0;
    if (!blank(kSweeps)) {
        const auto n = number(kSweeps, 1, 10000);
        if (n && *n != std::floor(*n)) field(kSweeps).reason = "A whole number";
        if (!n || !field(kSweeps).reason.empty()) return;
        sweeps = *n;
    }
    if (!range || noRate == noTime || !(rate || time)) return;
    const auto [from, to] = *range;
    const sweep::Sweep s =
        rate ? sweep::atRate(from, to, *rate, static_cast<sweep::RateUnit>(field(kRate).choice))
             : sweep::inTime(from, to, *time * kSecondsIn[field(kTime).choice],
                             field(kSpacing).choice == 0 ? sweep::Spacing::Logarithmic : sweep::Spacing::Linear);
    m_results = lines(s, sweeps);
}

} // namespace tessomar::tools
