#pragma once

#include "calc/chart.h"
#include "calc/psd_exact.h"

#include <optional>
#include <string>
#include <vector>

// What a part with a single resonance feels on the shaker: a mass on a
// spring and damper whose base follows the profile.
namespace tessomar::response {

using psd::ExactPoint;

// The natural frequency in Hz and the amplification at resonance, Q = 1 / (2 zeta).
struct Resonance {
    double fn = 0, q = 0;
};

// "fn 150 Hz, Q 10".
std::string label(const Resonance& r);

// The profile's PSD at f on the log-log line through its neighbours, the
// first segment's where two points share f; none outside the profile.
// points ascend in frequency.
std::optional<double> psdAt(const std::vector<ExactPoint>& points, double f);

// The absolute-acceleration transmissibility squared at f:
// (1 + (2 zeta r)²) / ((1 - r²)² + (2 zeta r)²), r = f / fn.
double transmissibility(const Resonance& r, double f);

// The relative error the exact integrals are held to, estimated over every
// piece of the profile.
inline constexpr double kAccuracy = 1e-6;

// The response in g rms and the relative displacement of the mass in in
// rms: by Miles' approximation, sqrt(pi / 2 fn Q PSD(fn)) and that times
// g / (2 pi fn)², and exactly, the transmissibility times the profile
// integrated over every segment (adaptive Gauss-Kronrod quadrature along
// ln f, the resonance band cut out and resolved first).
struct Response {
    double psdAtFn = 0;
    double milesGrms = 0, milesDisp = 0;
    double grms = 0, disp = 0;
    double error = 0; // the estimated relative error of the exact values, below kAccuracy but in rare cases
};
// None when fn lies outside the profile. points ascend in frequency, every
// PSD above 0.
std::optional<Response> respond(const std::vector<ExactPoint>& points, const Resonance& r);

// The response PSD, profile times transmissibility, over the profile's
// frequencies and densely through the resonance, for a chart: down to a
// hundredth of the profile's lowest level, below which its points are 0.
chart::Series responseSeries(const std::vector<ExactPoint>& points, const Resonance& r);

} // namespace tessomar::response
