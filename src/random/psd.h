#pragma once

#include <array>

namespace tessomar::psd {

// Break-point arrays: entries 1 to 50, guard slots 0 and 51 holding 0.
using Column = std::array<float, 52>;

inline constexpr int kFirstEntry = 1;
inline constexpr int kLastEntry = 50;

// Bubble sort with gap removal: empty entries (frequency 0) are closed up
// and the rest put in ascending frequency, each PSD travelling with its
// frequency. Equal frequencies keep their order.
void sortBreakPoints(Column& freq, Column& psd);

// Integral sums over every segment of a sorted table, in g², (in/s)² and in².
struct Sums {
    double accel = 0;
    double vel = 0;
    double disp = 0;
};

// What each segment added to the acceleration sum: element i for the
// segment from entry i to entry i + 1, 0 where the segment added nothing.
using SegmentTerms = std::array<double, 52>;

// Integrates the sorted table segment by segment on log-log lines. A PSD of
// exactly 0 in an integrated entry is replaced by 1e-9 in the arrays
// themselves, so the table shows what was integrated. When asked, it also
// reports each segment's acceleration term.
Sums integrate(Column& freq, Column& psd, SegmentTerms* accelTerms = nullptr);

// Overall values, in English units: g rms, 3 sigma in/s pk, 3 sigma in p-p.
// A sum below 0 has no square root and gives NaN; a value beyond the 32-bit
// range gives infinity. Neither is ever shown as a number.
struct Results {
    float grms = 0;
    float vel = 0;
    float disp = 0;
};
Results results(const Sums& sums);

// Rounds to 32 bits without the undefined cast: beyond the range is infinity.
float toFloat(double value);

} // namespace tessomar::psd
