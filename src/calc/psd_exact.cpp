#include "calc/psd_exact.h"

#include "calc/psd.h"

#include <cmath>

namespace tessomar::psd {

namespace {

// The integral from f1 to f2 of P(f) / f^k, where P runs on the log-log line
// between the ends. With G(f) = P(f) f^(1-k) the integrand is G(f) / f, and
// G is e^(x u) times G1 along u = ln(f / f1), x = ln(G2 / G1) / L, so the
// integral is L (G2 - G1) / ln(G2 / G1): no power of f is ever formed. Near
// ln(G2 / G1) = 0 (slope exponent k - 1) the difference would cancel, and
// L G1 expm1(x) / x takes over.
double term(double L, double g1, double g2) {
    const double x = std::log(g2 / g1);
    if (std::fabs(x) >= 0.5) return L * (g2 - g1) / x;
    return x == 0 ? L * g1 : L * g1 * (std::expm1(x) / x);
}

} // namespace

ExactSums integrateExact(const std::vector<ExactPoint>& points) {
    ExactSums sums;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const ExactPoint& a = points[i];
        const ExactPoint& b = points[i + 1];
        // log1p keeps the width of a narrow segment exact.
        const double L = b.freq > a.freq ? std::log1p((b.freq - a.freq) / a.freq) : 0;
        const double accel = L > 0 ? term(L, a.psd * a.freq, b.psd * b.freq) : 0;
        sums.accelTerms.push_back(accel);
        if (L == 0) continue;
        sums.accel += accel;
        sums.vel += kVelFactor * term(L, a.psd / a.freq, b.psd / b.freq);
        sums.disp += kDispFactor * term(L, a.psd / (a.freq * a.freq * a.freq), b.psd / (b.freq * b.freq * b.freq));
    }
    return sums;
}

} // namespace tessomar::psd
