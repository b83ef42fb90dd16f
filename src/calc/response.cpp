#include "calc/response.h"

#include "calc/units.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <queue>

namespace tessomar::response {

namespace {

// Gauss-Kronrod 7-15 on [-1, 1]: the Kronrod nodes from the outside in, the
// centre last, the Gauss nodes at the odd places, and both rules' weights.
constexpr double kNodes[8] = {0.991455371120812639, 0.949107912342758525, 0.864864423359769073, 0.741531185599394440,
                              0.586087235467691130, 0.405845151377397167, 0.207784955007898468, 0};
constexpr double kKronrod[8] = {0.022935322010529225, 0.063092092629978553, 0.104790010322250184, 0.140653259715525919,
                                0.169004726639267903, 0.190350578064785410, 0.204432940075298892, 0.209482141084727828};
constexpr double kGauss[4] = {0.129484966168869693, 0.279705391489276668, 0.381830050505118945, 0.417959183673469388};

// Pieces are halved until the estimates add up to this share of the whole:
// well inside the accuracy promised, since the difference of the two rules
// overstates the error of the Kronrod sum by far on smooth integrands.
constexpr double kTarget = 1e-10;
constexpr int kMostPieces = 20000;

// One segment of the profile along u = ln f, where P f runs as
// exp(a + slope (u - u1)).
struct Line {
    double u1, a, slope;
    double pf(double u) const { return std::exp(a + slope * (u - u1)); }
};

struct Piece {
    const Line* line;
    double from, to, value, error;
    bool operator<(const Piece& o) const { return error < o.error; }
};

// The integrand along u: P(f) f times what the resonance makes of it.
using Shape = double (*)(double r2, double zeta2);
double accelShape(double r2, double zeta2) {
    const double d = 1 - r2;
    return (1 + 4 * zeta2 * r2) / (d * d + 4 * zeta2 * r2);
}
double dispShape(double r2, double zeta2) {
    const double d = 1 - r2;
    return 1 / (d * d + 4 * zeta2 * r2);
}

class Quadrature {
public:
    Quadrature(double fn, double zeta, Shape shape) : m_lnFn(std::log(fn)), m_zeta2(zeta * zeta), m_shape(shape) {}

    Piece piece(const Line* line, double from, double to) const {
        const double half = (to - from) / 2, mid = from + half;
        double kronrod = 0, gauss = 0;
        for (int i = 0; i < 8; ++i) {
            const double x = kNodes[i] * half;
            const double sum = i == 7 ? at(*line, mid) : at(*line, mid - x) + at(*line, mid + x);
            kronrod += kKronrod[i] * sum;
            if (i % 2) gauss += kGauss[i / 2] * sum;
        }
        return {line, from, to, kronrod * half, std::fabs(kronrod - gauss) * half};
    }

private:
    double at(const Line& line, double u) const {
        const double r = std::exp(u - m_lnFn);
        return line.pf(u) * m_shape(r * r, m_zeta2);
    }
    double m_lnFn, m_zeta2;
    Shape m_shape;
};

struct Sum {
    double value = 0, error = 0;
};

// Adds up the pieces, halving the one with the largest error estimate until
// the estimates fall under the target.
Sum integrate(const std::vector<Line>& lines, const std::vector<std::vector<double>>& cuts, const Quadrature& q) {
    std::priority_queue<Piece> pieces;
    Sum s;
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (std::size_t k = 0; k + 1 < cuts[i].size(); ++k) {
            const Piece p = q.piece(&lines[i], cuts[i][k], cuts[i][k + 1]);
            s.value += p.value, s.error += p.error;
            pieces.push(p);
        }
    for (int n = 0; n < kMostPieces && s.error > kTarget * s.value; ++n) {
        const Piece worst = pieces.top();
        pieces.pop();
        const double mid = (worst.from + worst.to) / 2;
        const Piece a = q.piece(worst.line, worst.from, mid), b = q.piece(worst.line, mid, worst.to);
        s.value += a.value + b.value - worst.value;
        s.error += a.error + b.error - worst.error;
        pieces.push(a), pieces.push(b);
    }
    // Recount the remaining estimates from scratch, free of the running sum's cancellation.
    s.value = s.error = 0;
    for (; !pieces.empty(); pieces.pop()) s.value += pieces.top().value, s.error += pieces.top().error;
    return s;
}

std::string shortest(double v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

} // namespace

std::string label(const Resonance& r) { return "fn " + shortest(r.fn) + " Hz, Q " + shortest(r.q); }

std::optional<double> psdAt(const std::vector<ExactPoint>& points, double f) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const ExactPoint &a = points[i], &b = points[i + 1];
        if (f < a.freq || f > b.freq) continue;
        if (f == a.freq) return a.psd;
        if (f == b.freq) return b.psd;
        return a.psd * std::exp(std::log(b.psd / a.psd) * std::log(f / a.freq) / std::log(b.freq / a.freq));
    }
    return std::nullopt;
}

double transmissibility(const Resonance& r, double f) {
    const double ratio = f / r.fn, zeta = 1 / (2 * r.q);
    return accelShape(ratio * ratio, zeta * zeta);
}

std::optional<Response> respond(const std::vector<ExactPoint>& points, const Resonance& r) {
    const auto p = psdAt(points, r.fn);
    if (!p) return std::nullopt;
    const double zeta = 1 / (2 * r.q), omega = 2 * std::numbers::pi * r.fn;
    const double g = units::kGravityInPerSec2, perG = g / (omega * omega); // in of relative displacement per g
    Response out;
    out.psdAtFn = *p;
    out.milesGrms = std::sqrt(std::numbers::pi / 2 * r.fn * r.q * *p);
    out.milesDisp = out.milesGrms * perG;

    // Each segment cut at the resonance and at 1, 4, 16 and 64 half-power
    // bandwidths either side of it, so that no piece steps over the peak.
    std::vector<Line> lines;
    std::vector<std::vector<double>> cuts;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const ExactPoint &a = points[i], &b = points[i + 1];
        if (!(b.freq > a.freq)) continue;
        const double u1 = std::log(a.freq), u2 = std::log(b.freq);
        lines.push_back({u1, std::log(a.psd * a.freq), std::log((b.psd * b.freq) / (a.psd * a.freq)) / (u2 - u1)});
        std::vector<double> at{u1, u2};
        for (double m : {-64.0, -16.0, -4.0, -1.0, 0.0, 1.0, 4.0, 16.0, 64.0}) {
            const double u = std::log(r.fn) + std::log1p(m * zeta);
            if (std::isfinite(u) && u > u1 && u < u2) at.push_back(u);
        }
        std::sort(at.begin(), at.end());
        cuts.push_back(std::move(at));
    }
    const Sum accel = integrate(lines, cuts, Quadrature(r.fn, zeta, accelShape));
    const Sum disp = integrate(lines, cuts, Quadrature(r.fn, zeta, dispShape));
    out.grms = std::sqrt(accel.value);
    out.disp = perG * std::sqrt(disp.value);
    out.error = std::max(accel.error / accel.value, disp.error / disp.value);
    return out;
}

chart::Series responseSeries(const std::vector<ExactPoint>& points, const Resonance& r) {
    chart::Series s{"Response, " + label(r), chart::Ink::Response, false, false, {}};
    if (points.size() < 2) return s;
    const double low = points.front().freq, high = points.back().freq, zeta = 1 / (2 * r.q);
    std::vector<double> f;
    for (const ExactPoint& p : points) f.push_back(p.freq);
    for (int i = 0; i <= 400; ++i) f.push_back(low * std::pow(high / low, i / 400.0));
    for (int k = -40; k <= 40; ++k) f.push_back(r.fn * (1 + k * zeta / 4));
    std::sort(f.begin(), f.end());
    f.erase(std::unique(f.begin(), f.end()), f.end());
    // Far below the profile the response shows nothing: the line ends a
    // hundredth under the profile's lowest level rather than stretch the axis.
    double floor = points.front().psd;
    for (const ExactPoint& p : points) floor = std::min(floor, p.psd / 100);
    for (double x : f) {
        const auto p = psdAt(points, x);
        if (!p || !(x > 0)) continue;
        const double y = *p * transmissibility(r, x);
        s.points.push_back({x, y >= floor ? y : 0}); // 0 has no place on the axis: the line breaks
    }
    return s;
}

} // namespace tessomar::response
