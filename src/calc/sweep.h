#pragma once

#include <string>

// A sine sweep from one frequency to another: how long it takes at a rate,
// or the rate that takes a given time, and how many cycles of vibration it
// holds. A sweep is one pass from one end to the other; a sweep cycle, up
// and down, is two.
namespace tessomar::sweep {

// Logarithmic: the frequency doubles at a steady pace (octaves per unit of
// time). Linear: it climbs by steady hertz.
enum class Spacing { Logarithmic, Linear };

// The rates test plans write; the unit decides the spacing.
enum class RateUnit { OctPerMin, OctPerSec, HzPerSec, HzPerMin };
Spacing spacingOf(RateUnit unit);
const char* nameOf(RateUnit unit); // "oct/min"
double secondsPer(RateUnit unit);  // 60 for a rate per minute, 1 per second

// Why a range cannot be swept ("the start, 1000 Hz, is not below the end,
// 10 Hz"), or empty. Frequencies are finite and above 0, the start below
// the end.
std::string rangeProblem(double from, double to);

struct Sweep {
    double from = 0, to = 0; // Hz
    Spacing spacing = Spacing::Logarithmic;
    double rate = 0;    // oct/s or Hz/s
    double seconds = 0; // one sweep
    double octaves = 0; // log2(to / from), whatever the spacing
    double cycles = 0;  // of the vibration, in one sweep
    // The rate in a unit of the sweep's spacing.
    double rateIn(RateUnit unit) const { return rate * secondsPer(unit); }
};

// The caller gives a range without a problem and a rate or time above 0.
Sweep atRate(double from, double to, double rate, RateUnit unit);
Sweep inTime(double from, double to, double seconds, Spacing spacing);

// A time as it is shown: seconds and minutes to a few significant digits,
// and past an hour h:mm:ss to the second (empty below an hour).
struct TimeTexts {
    std::string seconds, minutes, clock;
};
TimeTexts timeTexts(double seconds);

// A count (of cycles) with every digit of its whole part and at least four
// significant: "42848", "12.35".
std::string countText(double count);

// N sweeps as they are named: "6 sweeps" and "3 sweep cycles", a sweep
// being one pass from end to end and a sweep cycle, up and down, two.
struct PassTexts {
    std::string sweeps, cycles;
};
PassTexts passTexts(double sweeps);
inline constexpr const char* kPassNote = "A sweep is one pass from end to end; a sweep cycle, up and down, is two.";

} // namespace tessomar::sweep
