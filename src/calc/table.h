#pragma once

#include "calc/numbers.h"
#include "calc/profile.h"
#include "calc/psd.h"

#include <string>
#include <vector>

// The break-point table's rules on its values: what a typed number becomes,
// which entries count as points, and where a profile may go.
namespace tessomar::table {

using psd::kLastEntry;

// The tests of one break point, on the stored values; the thresholds are
// 32-bit floats so that they compare with the stored values as stored.
inline bool positive(float freq, float psd) { return freq > 0.0f && psd > 0.0f; }
inline bool filled(float freq, float psd) { return freq > 0.0099f && psd > 9.99e-7f; }
inline bool taken(float freq, float psd) { return freq >= 0.01f && psd >= 1e-6f; }

// How a box of each column takes a number.
struct ColumnRule {
    double limit;
    bool absolute; // frequencies are stored without their sign
    num::Pattern pattern;
};
inline constexpr ColumnRule kFreqColumn{20000, true, num::Pattern::Fixed2};
inline constexpr ColumnRule kPsdColumn{1000, false, num::Pattern::Fixed6};

// What a commit stores for the number in its box: at most the limit (whose
// text has no sign), a frequency without its sign.
float committed(double typed, const ColumnRule& rule);

// A value as the table holds it once it was typed into its box and
// committed with Enter: stored, shown through the box's pattern, and taken
// again from what the box shows.
float asCommitted(double value, const ColumnRule& rule);

// Why the points cannot go into the table from entry first on: they run
// past entry 50, or (unless verbatim: the copy-out restored entry for entry)
// one lies outside the table's range. No error: they can.
struct Refusal {
    std::string error;
    int line = 0;
};
Refusal placementRefusal(const std::vector<profile::Point>& points, int first, bool verbatim);

// Puts the points into entries first, first + 1, ..., each as committed.
void place(const std::vector<profile::Point>& points, int first, psd::Column& freq, psd::Column& psd);

} // namespace tessomar::table
