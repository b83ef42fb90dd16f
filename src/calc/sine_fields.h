#pragma once

#include "calc/numbers.h"
#include "calc/sine.h"

#include <string>
#include <string_view>

namespace tessomar::sine {

// The most each value field takes, on the number as typed in the unit shown
// beside it (so a Metric velocity is limited to 1000 m/s); a larger number is
// replaced by the limit.
inline constexpr double kAccelLimit = 1000; // g's
inline constexpr double kVelLimit = 1000;   // ips, or m/s
inline constexpr double kDispLimit = 100;   // in, or mm
inline constexpr double kFreqLimit = 20000; // Hz, or msec in the shock modes

// How one of the four fields takes a number.
struct FieldRule {
    double limit;
    const char* limitText; // what the field shows in place of a larger number
    double metricFactor;   // a Metric entry to the English unit held; 0: the same in both systems
    num::Pattern pattern;  // English: the precision an entry is kept at and shown with
};
const FieldRule& fieldRule(Param p);

// Metric velocities and displacements are both shown through "0.00".
inline constexpr num::Pattern kMetricPattern = num::Pattern::Fixed2;

// What a field does with the text typed into it: what it stores (English
// units) and what it then shows. The number is taken without its sign and at
// most at the limit. An English entry is rounded at its English pattern and
// read back. A Metric entry is rounded at the Metric pattern in the unit
// typed, and only then converted, so the field keeps showing the user's own
// number instead of one altered by an English rounding.
struct Taken {
    float stored = 0;
    std::string text;
};
Taken takeEntry(Param p, std::string_view typed, bool metric);

// The four fields' texts for the stored values in one unit system.
struct FieldTexts {
    std::string accel, vel, disp, freq;
};
FieldTexts fieldTexts(float accel, float vel, float disp, float freq, bool english);
std::string velocityText(float vel, bool english);
std::string displacementText(float disp, bool english);

} // namespace tessomar::sine
