#pragma once

#include <vector>

namespace tessomar::psd {

// A break point in double precision: Hz and g²/Hz.
struct ExactPoint {
    double freq = 0;
    double psd = 0;
};

// The integrals of a profile over every segment, in double precision: g²,
// (in/s)² and in², with the integrands' factors the window uses, and each
// segment's acceleration term (element i for points i to i + 1).
struct ExactSums {
    double accel = 0, vel = 0, disp = 0;
    std::vector<double> accelTerms;
};

// Integrates the log-log lines between neighbouring points, ascending in
// frequency with every PSD above 0. No segment is left out, however steep or
// narrow: each term is formed from the PSD at the segment's ends, never from
// a power of the frequency, so none overflows. Two points at one frequency
// bound a segment of no width, which adds 0.
ExactSums integrateExact(const std::vector<ExactPoint>& points);

} // namespace tessomar::psd
