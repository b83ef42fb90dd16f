// A single resonance on the shaker against closed forms written here and
// Simpson's rule over the transfer functions as textbooks write them.
#include "calc/response.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace tessomar::response;

constexpr double kPi = 3.14159265358979324, kG = 386.088; // in/s²

struct Exact {
    double grms, disp; // g rms, in rms
};

// Simpson's rule along f in each segment, P on the log-log line between its
// ends: the absolute acceleration |H|² = (1 + (2 zeta r)²) / ((1 - r²)² +
// (2 zeta r)²) and the relative displacement g / ((2 pi fn)² sqrt((1 - r²)²
// + (2 zeta r)²)), each squared times P.
Exact simpson(const std::vector<ExactPoint>& p, double fn, double q) {
    const double zeta = 1 / (2 * q), w2 = 4 * kPi * kPi * fn * fn;
    double accel = 0, disp = 0;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const int steps = 2000000;
        const double h = (p[i + 1].freq - p[i].freq) / steps;
        const double n = std::log(p[i + 1].psd / p[i].psd) / std::log(p[i + 1].freq / p[i].freq);
        for (int k = 0; k <= steps; ++k) {
            const double f = p[i].freq + k * h, r = f / fn, psd = p[i].psd * std::pow(f / p[i].freq, n);
            const double den = (1 - r * r) * (1 - r * r) + (2 * zeta * r) * (2 * zeta * r);
            const double w = (k == 0 || k == steps ? 1 : k % 2 ? 4 : 2) * h / 3;
            accel += w * psd * (1 + (2 * zeta * r) * (2 * zeta * r)) / den;
            disp += w * psd * kG * kG / (w2 * w2 * den);
        }
    }
    return {std::sqrt(accel), std::sqrt(disp)};
}

struct Case {
    const char* name;
    std::vector<ExactPoint> points;
    double fn, q;
};

const Case kCases[] = {
    {"FlatBand", {{100, 0.05}, {300, 0.05}}, 150, 25},
    {"AtTheBandsEdge", {{100, 0.05}, {300, 0.05}}, 100, 10},
    {"SharpResonance", {{100, 0.05}, {300, 0.05}}, 211.3, 1000},
    {"Overdamped", {{100, 0.05}, {300, 0.05}}, 150, 0.3},
    {"PublishedProfile", {{20, 0.01}, {80, 0.04}, {350, 0.04}, {2000, 0.007}}, 500, 15},
};

class Resonance : public testing::TestWithParam<Case> {};

TEST_P(Resonance, AgreesWithSimpsonsRule) {
    const Case& c = GetParam();
    const auto got = respond(c.points, {c.fn, c.q}).value();
    const Exact want = simpson(c.points, c.fn, c.q);
    EXPECT_NEAR(got.grms, want.grms, kAccuracy * want.grms / 10);
    EXPECT_NEAR(got.disp, want.disp, kAccuracy * want.disp / 10);
    EXPECT_LT(got.error, kAccuracy);
}

INSTANTIATE_TEST_SUITE_P(Cases, Resonance, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// On a flat PSD over every frequency, |H|² adds up to pi fn Q (1 + 1 / Q²) / 2,
// Miles' figure squared times 1 + 1 / Q². Beyond 0.01 to 20000 Hz lie the
// last 0.01 Hz where |H|² is 1 and the tail where it falls as 4 zeta² / r².
TEST(Miles, FlatProfileClosedForms) {
    const std::vector<ExactPoint> flat{{0.01, 0.04}, {20000, 0.04}};
    for (const double q : {5.0, 10.0, 50.0}) {
        const auto r = respond(flat, {100, q}).value();
        const double miles = std::sqrt(kPi / 2 * 100 * q * 0.04);
        EXPECT_NEAR(r.milesGrms, miles, 1e-12 * miles) << q;
        const double tails = 0.01 + 100 * 100 / (q * q * 20000);
        EXPECT_NEAR(r.grms, std::sqrt(miles * miles * (1 + 1 / (q * q)) - 0.04 * tails), 1e-8 * miles) << q;
        EXPECT_NEAR(r.milesDisp, miles * kG / (4 * kPi * kPi * 100 * 100), 1e-12) << q;
    }
    // On the +3 dB/oct line from 0.01 at 20 Hz to 0.04 at 80 Hz, P(40) = 0.02.
    const auto sloped = respond({{20, 0.01}, {80, 0.04}}, {40, 8}).value();
    EXPECT_NEAR(sloped.psdAtFn, 0.02, 1e-15);
    EXPECT_FALSE(respond({{20, 0.01}, {80, 0.04}}, {80.01, 8}));
    EXPECT_FALSE(respond({{20, 0.01}, {80, 0.04}}, {19.99, 8}));
}

// At resonance |H|² is 1 + Q², and the response PSD peaks within the
// half-power band.
TEST(Miles, ResponsePsdPeaksAtResonance) {
    const auto s = responseSeries({{100, 0.05}, {300, 0.05}}, {150, 10});
    const auto peak = std::max_element(s.points.begin(), s.points.end(), [](auto a, auto b) { return a.y < b.y; });
    EXPECT_NEAR(peak->x, 150, 150 / 20.0);
    const auto at = std::find_if(s.points.begin(), s.points.end(), [](auto p) { return p.x == 150; });
    ASSERT_NE(at, s.points.end());
    EXPECT_NEAR(at->y, 0.05 * 101, 1e-12);
    EXPECT_EQ(s.points.front().x, 100);
    EXPECT_EQ(s.points.back().x, 300);
    // Dense enough to draw a smooth curve across the whole profile.
    for (std::size_t i = 1; i < s.points.size(); ++i) EXPECT_LT(s.points[i].x / s.points[i - 1].x, 1.01) << i;
}

} // namespace
