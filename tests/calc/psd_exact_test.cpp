// The integration that leaves no segment out, against Simpson's rule along
// ln f worked out here, and where the window integrates the whole profile,
// against the published figures.
#include "calc/psd_exact.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using tessomar::psd::ExactPoint;

// The integral of P(f) / f^k from a to b, P on the log-log line between them.
double simpson(const ExactPoint& a, const ExactPoint& b, int k) {
    const int steps = 20000;
    const double u1 = std::log(a.freq), h = (std::log(b.freq) - u1) / steps;
    const double n = std::log(b.psd / a.psd) / (steps * h);
    double sum = 0;
    for (int i = 0; i <= steps; ++i)
        sum += (i == 0 || i == steps ? 1 : i % 2 ? 4 : 2) * a.psd * std::exp(n * i * h + (1 - k) * (u1 + i * h));
    return sum * h / 3;
}

struct Case {
    const char* name;
    std::vector<ExactPoint> points;
    double published[3]; // g rms, 3 sigma in/s pk, 3 sigma in p-p; 0: none
};

class ExactIntegration : public testing::TestWithParam<Case> {};

TEST_P(ExactIntegration, AgreesWithANumericalIntegral) {
    const auto& p = GetParam().points;
    const auto sums = tessomar::psd::integrateExact(p);
    const double got[] = {sums.accel, sums.vel, sums.disp}, factor[] = {1, 3775.8338, 95.643}, peak[] = {1, 3, 6};
    double want[3] = {};
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        for (int q = 0; q < 3 && p[i].freq < p[i + 1].freq; ++q) want[q] += factor[q] * simpson(p[i], p[i + 1], 2 * q);
        EXPECT_NEAR(sums.accelTerms.at(i), p[i].freq < p[i + 1].freq ? simpson(p[i], p[i + 1], 0) : 0, 1e-9 * want[0]);
    }
    for (int q = 0; q < 3; ++q) {
        EXPECT_NEAR(got[q], want[q], 1e-9 * want[q]);
        const double shown = GetParam().published[q], digit = q == 1 ? 0.05 : q == 2 ? 0.0005 : 0.005;
        EXPECT_TRUE(shown == 0 || std::fabs(peak[q] * std::sqrt(got[q]) - shown) <= digit) << q;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Profiles, ExactIntegration,
    testing::Values(Case{"FourPoint", {{20, 0.01}, {80, 0.04}, {350, 0.04}, {2000, 0.007}}, {6.06, 6.2, 0.046}},
                    Case{"SlopeMinusOne", {{100, 0.1}, {200, 0.05}}, {2.63, 3.6, 0.009}},
                    Case{"SlopeOneAndThree", {{100, 0.01}, {200, 0.02}, {400, 0.16}}, {}},
                    Case{"NearTheLogForms", {{100, 0.1}, {200, 0.0500001}, {400, 0.1000001}, {800, 0.7999}}, {}},
                    Case{"SteepSkirts", {{490, 0.001}, {495, 3}, {505, 3}, {510, 0.001}}, {}},
                    Case{"SteepDrop", {{100, 1}, {108.7, 0.000001}}, {}},
                    Case{"SteepAtTheTableEnds", {{0.01, 1e-6}, {0.02, 1000}, {19999, 1000}, {20000, 1e-6}}, {}},
                    Case{"StepAtOneFrequency", {{100, 0.1}, {100, 0.2}, {200, 0.2}}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
