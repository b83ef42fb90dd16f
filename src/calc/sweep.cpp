#include "calc/sweep.h"

#include "calc/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tessomar::sweep {

namespace {

// The frequency of a logarithmic sweep is f1 2^(R t); a cycle passes with
// each unit of its integral, (f2 - f1) / (R ln 2) over the sweep. Linear:
// the mean frequency times the time.
double cyclesOf(const Sweep& s) {
    if (s.spacing == Spacing::Logarithmic) return (s.to - s.from) / (s.rate * std::log(2.0));
    return (s.from + s.to) / 2 * s.seconds;
}

Sweep withRange(double from, double to, Spacing spacing) {
    Sweep s;
    s.from = from, s.to = to, s.spacing = spacing;
    s.octaves = std::log2(to / from);
    return s;
}

// The span the rate covers: octaves or hertz.
double span(const Sweep& s) { return s.spacing == Spacing::Logarithmic ? s.octaves : s.to - s.from; }

} // namespace

Spacing spacingOf(RateUnit unit) {
    return unit == RateUnit::OctPerMin || unit == RateUnit::OctPerSec ? Spacing::Logarithmic : Spacing::Linear;
}

const char* nameOf(RateUnit unit) {
    switch (unit) {
    case RateUnit::OctPerMin:
        return "oct/min";
    case RateUnit::OctPerSec:
        return "oct/s";
    case RateUnit::HzPerSec:
        return "Hz/s";
    case RateUnit::HzPerMin:
        return "Hz/min";
    }
    return "";
}

double secondsPer(RateUnit unit) { return unit == RateUnit::OctPerMin || unit == RateUnit::HzPerMin ? 60 : 1; }

std::string rangeProblem(double from, double to) {
    if (!std::isfinite(from) || !std::isfinite(to) || !std::isfinite(to / from))
        return "a frequency beyond the range of a double";
    if (!(from > 0)) return "the start, " + num::significant(from, 6) + " Hz, is not above 0 Hz";
    if (!(from < to))
        return "the start, " + num::significant(from, 6) + " Hz, is not below the end, " + num::significant(to, 6) +
               " Hz";
    return {};
}

Sweep atRate(double from, double to, double rate, RateUnit unit) {
    Sweep s = withRange(from, to, spacingOf(unit));
    s.rate = rate / secondsPer(unit);
    s.seconds = span(s) / s.rate;
    s.cycles = cyclesOf(s);
    return s;
}

Sweep inTime(double from, double to, double seconds, Spacing spacing) {
    Sweep s = withRange(from, to, spacing);
    s.seconds = seconds;
    s.rate = span(s) / seconds;
    s.cycles = cyclesOf(s);
    return s;
}

TimeTexts timeTexts(double seconds) {
    TimeTexts t{num::significant(seconds, 4), num::significant(seconds / 60, 3), {}};
    const double whole = std::round(seconds);
    if (whole >= 3600 && whole < 1e15) {
        const auto s = static_cast<long long>(whole);
        char buf[48];
        std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
        t.clock = buf;
    }
    return t;
}

std::string countText(double count) {
    const int whole = count >= 1 ? static_cast<int>(std::floor(std::log10(count))) + 1 : 0;
    return num::significant(count, std::max(4, whole));
}

PassTexts passTexts(double sweeps) {
    return {num::significant(sweeps, 10) + (sweeps == 1 ? " sweep" : " sweeps"),
            num::significant(sweeps / 2, 10) + (sweeps == 2 ? " sweep cycle" : " sweep cycles")};
}

} // namespace tessomar::sweep
