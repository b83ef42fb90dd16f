#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessomar::num {

// The leading-number rule: blanks, tabs and line feeds are skipped wherever
// they stand; then a sign, digits with at most one ".", and an exponent
// introduced by E or D (either case). A text with no number reads 0.
struct Reading {
    double value = 0;      // finite always; +-DBL_MAX when the text overflows a double
    bool overflow = false; // the number's magnitude is beyond a double
};
Reading readLeading(std::string_view text);
inline double val(std::string_view text) { return readLeading(text).value; }

// A plain number as documents and scripts write it, with nothing skipped: a
// sign, digits with at most one ".", and an exponent (e or E) when digits
// follow it. How many characters at the start of the text form one; 0 when
// none do.
std::size_t plainNumberLength(std::string_view text);

// The display patterns. Rounding is half away from zero on the shortest
// decimal form of the value; "." always; no thousands separator.
enum class Pattern {
    Fixed2, // "0.00"
    Fixed1, // "0.0"
    Fixed3, // "0.000"
    Fixed6, // "0.000000"
    Int2,   // "00"
};
std::string format(double value, Pattern pattern);

// A value to so many significant digits, trailing zeros dropped: "0.0015",
// "25.5591", "5000"; an exponent only far from 1 ("1.2e-09"). For results
// that no field holds, worked out from the values as given.
std::string significant(double value, int digits);

// 32-bit storage: every stored value goes through here. A value beyond the
// float range is held as the largest float of its sign, never as an infinity
// (the conversion itself would be undefined); a NaN, which no pattern can
// show, is held as 0.
inline float store(double value) {
    if (std::isnan(value)) return 0.0f;
    return static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
}

} // namespace tessomar::num
