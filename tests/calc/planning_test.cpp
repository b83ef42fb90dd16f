// Planning a sine test: sweep times and cycles, profiles of limits with
// their crossovers, and what a shaker's ratings give a moving mass. The
// expected figures are worked out here from first principles: the cycles by
// integrating the frequency numerically, the crossovers by solving the
// kinematics of a sine, a = (2 pi f)² x and v = 2 pi f x, by hand.
#include "calc/shaker_sizing.h"
#include "calc/sine_profile.h"
#include "calc/sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

using namespace tessomar;
constexpr double kPi = std::numbers::pi, kG = 386.088; // in/s²

// The cycles of a sweep: its frequency integrated over its time (Simpson).
double integratedCycles(double f1, double f2, double seconds, bool log) {
    const auto f = [&](double t) { return log ? f1 * std::pow(f2 / f1, t / seconds) : f1 + (f2 - f1) * t / seconds; };
    const int n = 20000;
    const double h = seconds / n;
    double sum = f(0) + f(seconds);
    for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * f(i * h);
    return sum * h / 3;
}

struct SweepCase {
    double from, to;
    double rate; // in unit; 0: the time below is given instead
    sweep::RateUnit unit;
    double seconds; // one sweep
    bool log;
    double rateOctPerMinOrHzPerSec; // what the sweep reads back in oct/min or Hz/s
};

TEST(Sweep, TimeRateAndCyclesAgreeWithTheIntegratedFrequency) {
    using U = sweep::RateUnit;
    const SweepCase cases[] = {
        // 100 is 6.644 octaves: 3.32 min at 2 oct/min.
        {10, 1000, 2, U::OctPerMin, 60 * std::log(100.0) / std::log(2.0) / 2, true, 2},
        {10, 1000, 0.5, U::OctPerSec, std::log(100.0) / std::log(2.0) / 0.5, true, 30},
        {10, 100, 0.5, U::HzPerSec, 90 / 0.5, false, 0.5},
        {10, 100, 30, U::HzPerMin, 90 / 0.5, false, 0.5},
        // In a given time: 5 to 200 Hz is log2(40) octaves in 10 min.
        {5, 200, 0, U::OctPerMin, 600, true, std::log(40.0) / std::log(2.0) / 10},
        {5, 200, 0, U::HzPerSec, 600, false, 195.0 / 600},
    };
    for (const SweepCase& c : cases) {
        const sweep::Sweep s = c.rate > 0 ? sweep::atRate(c.from, c.to, c.rate, c.unit)
                                          : sweep::inTime(c.from, c.to, c.seconds,
                                                          c.log ? sweep::Spacing::Logarithmic : sweep::Spacing::Linear);
        const std::string name = std::to_string(c.from) + "-" + std::to_string(c.to);
        EXPECT_EQ(s.spacing == sweep::Spacing::Logarithmic, c.log) << name;
        EXPECT_NEAR(s.seconds, c.seconds, 1e-12 * c.seconds) << name;
        EXPECT_NEAR(s.octaves * std::log(2.0), std::log(c.to / c.from), 1e-12) << name;
        EXPECT_NEAR(s.rateIn(c.log ? U::OctPerMin : U::HzPerSec), c.rateOctPerMinOrHzPerSec, 1e-12) << name;
        const double cycles = integratedCycles(c.from, c.to, c.seconds, c.log);
        EXPECT_NEAR(s.cycles, cycles, 1e-9 * cycles) << name;
    }
}

TEST(Sweep, RefusesARangeThatDoesNotRise) {
    for (const auto& [from, to] : {std::pair{1000.0, 10.0}, {10.0, 10.0}, {0.0, 10.0}, {-5.0, 10.0}, {10.0, INFINITY}})
        EXPECT_NE(sweep::rangeProblem(from, to), "") << from << "-" << to;
    EXPECT_EQ(sweep::rangeProblem(0.01, 20000), "");
}

TEST(Sweep, ShowsTimesAsSecondsMinutesAndTheClockPastAnHour) {
    const struct {
        double seconds;
        const char *s, *min, *clock;
    } cases[] = {{199.315685693, "199.3", "3.32", ""},
                 {3599.4, "3599", "60", ""},
                 {3725, "3725", "62.1", "1:02:05"},
                 {7200, "7200", "120", "2:00:00"},
                 {90061, "90061", "1501", "25:01:01"}};
    for (const auto& c : cases) {
        const sweep::TimeTexts t = sweep::timeTexts(c.seconds);
        EXPECT_EQ(t.seconds, c.s);
        EXPECT_EQ(t.minutes, c.min);
        EXPECT_EQ(t.clock, c.clock);
    }
    EXPECT_EQ(sweep::countText(42848.46), "42848");
    EXPECT_EQ(sweep::countText(12.3456), "12.35");
}

// D in p-p, V ips pk, A g pk; 0 where not given. governs: the segments'
// quantities in order ("DVA"); the crossovers, rising.
struct ProfileCase {
    const char* name;
    double from, to, d, v, a;
    const char* governs;
    std::vector<double> crossovers;
    double peakA, peakV, peakD;
};

// Where a p-p displacement D and an acceleration A allow the same:
// (2 pi f)² D / 2 = A g. Where D and a velocity meet: V = pi f D; V and A:
// 2 pi f V = A g.
double dToA(double d, double a) { return std::sqrt(2 * a * kG / d) / (2 * kPi); }
double dToV(double d, double v) { return v / (kPi * d); }
double vToA(double v, double a) { return a * kG / (2 * kPi * v); }

TEST(SineProfile, GovernsByTheLeastLimitAndCrossesWhereTwoAllowTheSame) {
    const double mm = 1 / 25.4, ms = 1 / 0.0254; // in per mm, ips per m/s
    // Three that meet at 10 Hz: 1 in p-p, 10 pi ips, (20 pi)² / 2 / g.
    const double meetA = std::pow(20 * kPi, 2) / 2 / kG;
    const ProfileCase cases[] = {
        // The window's sine relations give 13.9855 Hz for 1 g and 0.1 in p-p: the same ratio.
        {"D or A", 5, 500, 0.5, 0, 5, "DA", {13.9855091}, 5, kPi * 13.9855091 * 0.5, 0.5},
        {"D, V or A",
         2,
         200,
         25 * mm,
         0.5 * ms,
         3,
         "DVA",
         {dToV(25 * mm, 0.5 * ms), vToA(0.5 * ms, 3)},
         3,
         0.5 * ms,
         25 * mm},
        // The velocity at the D/A crossover, pi f D = 13.9 ips, stays under 100 ips.
        {"V never", 5, 2000, 0.1, 100, 10, "DA", {dToA(0.1, 10)}, 10, kPi * dToA(0.1, 10) * 0.1, 0.1},
        // The crossover, 13.99 Hz, lies below the sweep: A alone, D the most at its start.
        {"A alone",
         100,
         2000,
         0.5,
         0,
         5,
         "A",
         {},
         5,
         5 * kG / (2 * kPi * 100),
         2 * 5 * kG / std::pow(2 * kPi * 100, 2)},
        {"V alone", 10, 100, 0, 10, 0, "V", {}, 2 * kPi * 100 * 10 / kG, 10, 2 * 10 / (2 * kPi * 10)},
        {"all meet", 1, 100, 1, 10 * kPi, meetA, "DA", {10}, meetA, 10 * kPi, 1},
    };
    using Q = sine_profile::Quantity;
    for (const ProfileCase& c : cases) {
        std::vector<sine_profile::Limit> limits;
        if (c.a > 0) limits.push_back({Q::Acceleration, c.a, false});
        if (c.d > 0) limits.push_back({Q::Displacement, c.d, false});
        if (c.v > 0) limits.push_back({Q::Velocity, c.v, false});
        const sine_profile::Profile p = sine_profile::plan(c.from, c.to, limits);
        std::string governs;
        for (const auto& s : p.segments) governs += "DVA"[int(s.governs)];
        EXPECT_EQ(governs, c.governs) << c.name;
        ASSERT_EQ(p.crossovers.size(), c.crossovers.size()) << c.name;
        for (std::size_t i = 0; i < c.crossovers.size(); ++i) {
            EXPECT_NEAR(p.crossovers[i].freq, c.crossovers[i], 1e-7 * c.crossovers[i]) << c.name;
            EXPECT_EQ(p.segments[i].to, p.crossovers[i].freq) << c.name;
            EXPECT_EQ(p.segments[i + 1].from, p.crossovers[i].freq) << c.name;
        }
        EXPECT_EQ(p.segments.front().from, c.from) << c.name;
        EXPECT_EQ(p.segments.back().to, c.to) << c.name;
        EXPECT_NEAR(p.peak.accel, c.peakA, 1e-7 * c.peakA) << c.name;
        EXPECT_NEAR(p.peak.vel, c.peakV, 1e-7 * c.peakV) << c.name;
        EXPECT_NEAR(p.peak.disp, c.peakD, 1e-7 * c.peakD) << c.name;
        // The plot: a label on each segment, a mark at each crossover, the line through the peak.
        const chart::Chart chart = sine_profile::chartOf(p);
        EXPECT_EQ(chart.notes.size(), p.segments.size()) << c.name;
        ASSERT_EQ(chart.marks.size(), c.crossovers.size()) << c.name;
        for (std::size_t i = 0; i < c.crossovers.size(); ++i)
            EXPECT_NEAR(chart.marks[i], c.crossovers[i], 1e-7 * c.crossovers[i]) << c.name;
        double most = 0;
        for (const chart::Point& pt : chart.series.at(0).points) most = std::max(most, pt.y);
        EXPECT_NEAR(most, c.peakA, 1e-7 * c.peakA) << c.name;
    }
}

struct SizingCase {
    const char* name;
    double sineLbf, randomLbf;                // 0: not given
    double armature, fixture, payload, accel; // lb, g pk; 0: not given
    double derate;
    double sineG, randomG, payloadLb; // expected; payloadLb < 0: none reaches accel
};

// A pound-force is a pound at standard gravity: F lbf on M lb is F / M g.
TEST(ShakerSizing, GivesForceOverMassOrTheHeaviestPayload) {
    const SizingCase cases[] = {
        {"in full", 2000, 0, 20, 15, 40, 0, 1, 2000.0 / 75, 0, 0},
        {"both ratings", 2000, 1800, 20, 15, 40, 0, 1, 2000.0 / 75, 1800.0 / 75, 0},
        {"derated", 2000, 1800, 20, 15, 40, 0, 0.8, 1600.0 / 75, 1440.0 / 75, 0},
        // 1600 lbf at 20 g moves 80 lb: 45 lb beyond the 35 lb armature and fixture.
        {"payload", 2000, 1800, 20, 15, 0, 20, 0.8, 20, 1440.0 / 80, 45},
        {"out of reach", 2000, 0, 20, 15, 0, 80, 1, 2000.0 / 35, 0, -1},
    };
    const auto lb = [](double v) { return shaker::Quantity{v, "lb", 1 / 0.45359237}; };
    const auto lbf = [](double v) { return shaker::Quantity{v, "lbf", 1 / 4.4482216152605}; };
    for (const SizingCase& c : cases) {
        shaker::SizingAsked asked;
        if (c.sineLbf > 0) asked.sineForce = lbf(c.sineLbf);
        if (c.randomLbf > 0) asked.randomForce = lbf(c.randomLbf);
        asked.parts.armature = lb(c.armature);
        asked.parts.fixture = lb(c.fixture);
        if (c.payload > 0) asked.parts.payload = lb(c.payload);
        if (c.accel > 0) asked.accel = c.accel;
        asked.derate = c.derate;
        const shaker::Sizing s = shaker::size(asked);
        EXPECT_NEAR(*s.sineAccel, c.sineG, 1e-9 * c.sineG) << c.name;
        EXPECT_EQ(s.randomGrms.has_value(), c.randomLbf > 0) << c.name;
        if (s.randomGrms) {
            EXPECT_NEAR(*s.randomGrms, c.randomG, 1e-9 * c.randomG) << c.name;
        }
        EXPECT_EQ(s.payload.has_value(), c.accel > 0) << c.name;
        EXPECT_EQ(s.reached, c.payloadLb >= 0) << c.name;
        if (s.payload && s.reached) {
            EXPECT_EQ(s.payload->unit, "lb") << c.name;
            EXPECT_NEAR(s.payload->value, c.payloadLb, 1e-9 * c.payloadLb) << c.name;
        }
    }
}

} // namespace
