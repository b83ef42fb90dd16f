#pragma once

#include <array>

namespace tessomar::psd {

// Break-point arrays: entries 1 to 50, guard slots 0 and 51 holding 0.
using Column = std::array<float, 52>;

inline constexpr int kFirstEntry = 1;
inline constexpr int kLastEntry = 50;

// The integrands' factors with g = 386.088 in/s²: g²/Hz over f² to
// (in/s)²/Hz is (g / 2 pi)², over f⁴ to in²/Hz g² / (2 pi)⁴.
inline constexpr double kVelFactor = 3775.8338;
inline constexpr double kDispFactor = 95.643;
inline constexpr double kVelPeak = 3;  // 3 sigma
inline constexpr double kDispPeak = 6; // 3 sigma, peak to peak

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

// Why a segment of the table added nothing to the sums: its ends closer
// than the frequency margin, a slope steeper than the limit, no log-log
// line between its ends (a PSD of 0 or below), or a term beyond the range
// of a double.
enum class Gap { None, CloseFrequencies, TooSteep, NoLogLine, OutOfRange };

// What one segment did: element i of Segments for the segment from entry i
// to entry i + 1. accel is its acceleration term, 0 when left out; partial
// marks a segment whose velocity or displacement term failed after the
// acceleration term was added.
struct Segment {
    double accel = 0;
    Gap gap = Gap::None;
    bool partial = false;
};
using Segments = std::array<Segment, 52>;

// Integrates the sorted table segment by segment on log-log lines. A PSD of
// exactly 0 in an integrated entry is replaced by 1e-9 in the arrays
// themselves, so the table shows what was integrated. When asked, it also
// says what each segment added, or why it added nothing.
Sums integrate(Column& freq, Column& psd, Segments* segments = nullptr);

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
