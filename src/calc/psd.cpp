#include "calc/psd.h"

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace tessomar::psd {

namespace {

constexpr double kFreqMargin = 1.0001; // neighbours closer than this add nothing
constexpr double kSlopeLimit = 300;    // steeper segments add nothing
constexpr float kZeroPsd = 1e-9f;      // stands in for a PSD of 0, so its log exists

bool inside(double n, double low, double high) { return n > low && n < high; }

// The arithmetic of one term. The first operation that fails (a result
// beyond the double range, a division by zero, the log of a ratio that is
// not positive) spoils the term, and the term is then not added.
class Arith {
public:
    bool ok() const { return m_ok; }
    double pow(double base, double exponent) { return check(std::pow(base, exponent)); }
    double take(double computed) { return check(computed); } // a value worked out once per segment
    double mul(double a, double b) { return check(a * b); }
    double sub(double a, double b) { return check(a - b); }
    double div(double a, double b) {
        if (b == 0) m_ok = false;
        return m_ok ? check(a / b) : 0;
    }
    double log(double x) {
        if (!(x > 0)) m_ok = false;
        return m_ok ? check(std::log(x)) : 0;
    }

private:
    double check(double v) {
        if (!std::isfinite(v)) m_ok = false;
        return v;
    }
    bool m_ok = true;
};

struct Line {
    double f1, p1, f2, p2;
    double n;   // slope exponent on log-log axes
    double L;   // ln(f2 / f1)
    double f1n; // f1^n, shared by the three general forms
};

using Term = std::optional<double>;
Term result(const Arith& a, double v) { return a.ok() ? Term(v) : std::nullopt; }

// Exact integral of P1 (f/f1)^n times factor / f^power from f1 to f2; the
// general form divides by (n + 1 - power), so near that exponent the log
// form of the end point takes over.
Term generalTerm(const Line& s, double power, double factor) {
    Arith a;
    const double e = s.n + 1 - power;
    const double scale = a.div(s.p1, a.mul(a.take(s.f1n), e));
    const double span = a.sub(a.pow(s.f2, e), a.pow(s.f1, e));
    return result(a, a.mul(a.mul(scale, factor), span));
}

Term accelTerm(const Line& s) {
    if (!inside(s.n, -1.000001, -0.999999)) return generalTerm(s, 0, 1);
    Arith a;
    return result(a, a.mul(a.mul(s.f2, s.p2), s.L));
}

Term velTerm(const Line& s) {
    if (!inside(s.n, 0.999999, 1.000001)) return generalTerm(s, 2, kVelFactor);
    Arith a;
    return result(a, a.mul(a.div(a.mul(s.p2, kVelFactor), s.f2), s.L));
}

Term dispTerm(const Line& s) {
    if (!inside(s.n, 2.999999, 3.000001)) return generalTerm(s, 4, kDispFactor);
    Arith a;
    return result(a, a.mul(a.div(a.mul(s.p2, kDispFactor), a.pow(s.f2, 3)), s.L));
}

// Adds a term unless the term failed or the sum would leave the double range.
bool addTo(double& sum, const Term& term) {
    if (!term || !std::isfinite(sum + *term)) return false;
    sum += *term;
    return true;
}

// The three terms in order; a failing one ends the segment, and the terms
// added before it stay.
Segment addSegment(Sums& sums, const Line& s) {
    const Term accel = accelTerm(s);
    if (!addTo(sums.accel, accel)) return {0, Gap::OutOfRange, false};
    const bool whole = addTo(sums.vel, velTerm(s)) && addTo(sums.disp, dispTerm(s));
    return {*accel, Gap::None, !whole};
}

float overall(double sum, double factor) {
    if (sum < 0) return std::numeric_limits<float>::quiet_NaN();
    if (sum == 0) return 0;
    return toFloat(factor * std::sqrt(sum));
}

} // namespace

float toFloat(double value) {
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    constexpr float inf = std::numeric_limits<float>::infinity();
    if (std::fabs(value) > FLT_MAX) return value > 0 ? inf : -inf;
    return static_cast<float>(value);
}

void sortBreakPoints(Column& freq, Column& psd) {
    bool clean = false;
    while (!clean) {
        clean = true;
        for (int i = kFirstEntry; i <= kLastEntry; ++i) {
            if (freq[i] != 0 && freq[i - 1] == 0 && i != kFirstEntry) {
                freq[i - 1] = freq[i];
                psd[i - 1] = psd[i];
                freq[i] = 0;
                psd[i] = 0;
                clean = false;
            } else if (freq[i] > freq[i + 1] && freq[i + 1] != 0) {
                std::swap(freq[i], freq[i + 1]);
                std::swap(psd[i], psd[i + 1]);
                clean = false;
            }
        }
    }
}

Sums integrate(Column& freq, Column& psd, Segments* segments) {
    Sums sums;
    Segments none{};
    Segments& out = segments ? *segments : none;
    out.fill({});
    for (int i = kFirstEntry; i < kLastEntry; ++i) {
        if (freq[i + 1] == 0) break;
        if (psd[i] == 0) psd[i] = kZeroPsd;
        if (psd[i + 1] == 0) psd[i + 1] = kZeroPsd;
        if (toFloat(freq[i] * kFreqMargin) > freq[i + 1]) {
            out[i].gap = Gap::CloseFrequencies;
            continue;
        }
        Line s{freq[i], psd[i], freq[i + 1], psd[i + 1], 0, 0, 0};
        Arith a;
        s.L = a.log(a.div(s.f2, s.f1));
        s.n = a.div(a.log(a.div(s.p2, s.p1)), s.L);
        if (!a.ok()) {
            out[i].gap = Gap::NoLogLine; // a negative PSD has no log-log line
            continue;
        }
        if (std::fabs(s.n) > kSlopeLimit) {
            out[i].gap = Gap::TooSteep;
            continue;
        }
        s.f1n = std::pow(s.f1, s.n);
        out[i] = addSegment(sums, s);
    }
    return sums;
}

Results results(const Sums& sums) {
    return {overall(sums.accel, 1), overall(sums.vel, kVelPeak), overall(sums.disp, kDispPeak)};
}

} // namespace tessomar::psd
