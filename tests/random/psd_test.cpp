#include "frame/numbers.h"
#include "random/psd.h"
#include "random/result_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

using tessomar::num::format;
using tessomar::num::Pattern;
namespace psd = tessomar::psd;

namespace {

struct Point {
    float freq;
    float psd;
};

struct Table {
    psd::Column freq{};
    psd::Column psd{};
};

// Puts the points into the given entries, the rest empty.
Table tableOf(const std::vector<Point>& points, const std::vector<int>& slots = {}) {
    Table t;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int k = slots.empty() ? static_cast<int>(i) + 1 : slots[i];
        t.freq[k] = points[i].freq;
        t.psd[k] = points[i].psd;
    }
    return t;
}

psd::Results run(Table& t) {
    psd::sortBreakPoints(t.freq, t.psd);
    return psd::results(psd::integrate(t.freq, t.psd));
}

psd::Results run(const std::vector<Point>& points) {
    Table t = tableOf(points);
    return run(t);
}

// ---- The worked spectra, as an engineer reads them off the boxes ----

struct ShownCase {
    const char* name;
    std::vector<Point> points;
    const char* grms;
    const char* velEnglish;
    const char* dispEnglish;
    const char* velMetric;
    const char* dispMetric;
};

class WorkedSpectrum : public testing::TestWithParam<ShownCase> {};

TEST_P(WorkedSpectrum, ShowsTheKnownOverallValues) {
    const ShownCase& c = GetParam();
    const psd::Results r = run(c.points);
    EXPECT_EQ(psd::grmsText(r.grms), c.grms);
    EXPECT_EQ(psd::velText(r.vel, true), c.velEnglish);
    EXPECT_EQ(psd::dispText(r.disp, true), c.dispEnglish);
    EXPECT_EQ(psd::velText(r.vel, false), c.velMetric);
    EXPECT_EQ(psd::dispText(r.disp, false), c.dispMetric);
}

INSTANTIATE_TEST_SUITE_P(
    Spectra, WorkedSpectrum,
    testing::Values(
        ShownCase{"EmptyTable", {}, "0.00", "0.0", "0.000", "0.00", "0.00"},
        ShownCase{"OnePoint", {{100, 0.1f}}, "0.00", "0.0", "0.000", "0.00", "0.00"},
        ShownCase{"FourPointProfile",
                  {{20, 0.01f}, {80, 0.04f}, {350, 0.04f}, {2000, 0.007f}},
                  "6.06",
                  "6.2",
                  "0.046",
                  "0.16",
                  "1.17"},
        ShownCase{"FourPointProfileTypedBackwards",
                  {{2000, 0.007f}, {350, 0.04f}, {80, 0.04f}, {20, 0.01f}},
                  "6.06",
                  "6.2",
                  "0.046",
                  "0.16",
                  "1.17"},
        ShownCase{"FlatFrom20To2000", {{20, 0.04f}, {2000, 0.04f}}, "8.90", "8.2", "0.076", "0.21", "1.92"},
        ShownCase{"SameFrequencyTwice", {{100, 0.1f}, {100, 0.2f}}, "0.00", "0.0", "0.000", "0.00", "0.00"},
        ShownCase{"ZeroPsdAtStart", {{20, 0}, {2000, 0.04f}}, "4.08", "0.5", "0.000", "0.01", "0.00"},
        ShownCase{"SlopeMinusOneTakesLogForm", {{100, 0.1f}, {200, 0.05f}}, "2.63", "3.6", "0.009", "0.09", "0.23"},
        ShownCase{"OverflowingSlopeAddsNothing", {{100, 0}, {110, 1}}, "0.00", "0.0", "0.000", "0.00", "0.00"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Sorting ----

TEST(SortBreakPoints, ClosesGapsAndOrdersByFrequency) {
    Table t = tableOf({{500, 0.2f}, {30, 0.1f}}, {3, 7});
    psd::sortBreakPoints(t.freq, t.psd);
    EXPECT_EQ(t.freq[1], 30.0f);
    EXPECT_EQ(t.psd[1], 0.1f);
    EXPECT_EQ(t.freq[2], 500.0f);
    EXPECT_EQ(t.psd[2], 0.2f);
    for (int k = 3; k <= 51; ++k) EXPECT_EQ(t.freq[k], 0.0f) << k;
    EXPECT_EQ(t.freq[0], 0.0f);
    EXPECT_EQ(t.psd[0], 0.0f);
}

TEST(SortBreakPoints, EqualFrequenciesKeepTheirOrder) {
    Table t = tableOf({{100, 0.3f}, {50, 0.9f}, {100, 0.1f}, {100, 0.2f}}, {2, 10, 20, 50});
    psd::sortBreakPoints(t.freq, t.psd);
    const std::vector<Point> want{{50, 0.9f}, {100, 0.3f}, {100, 0.1f}, {100, 0.2f}};
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(t.freq[i + 1], want[i].freq) << i;
        EXPECT_EQ(t.psd[i + 1], want[i].psd) << i;
    }
    EXPECT_EQ(t.freq[5], 0.0f);
}

TEST(SortBreakPoints, StrayPsdInAnEmptyEntryIsOverwrittenByTheMovedPoint) {
    Table t = tableOf({{0, 0.5f}, {40, 0.02f}}, {1, 2});
    psd::sortBreakPoints(t.freq, t.psd);
    EXPECT_EQ(t.freq[1], 40.0f);
    EXPECT_EQ(t.psd[1], 0.02f);
    EXPECT_EQ(t.freq[2], 0.0f);
    EXPECT_EQ(t.psd[2], 0.0f);
    EXPECT_EQ(t.freq[0], 0.0f); // nothing ever moves into the guard slot
    EXPECT_EQ(t.psd[0], 0.0f);
}

// ---- Properties ----

const std::vector<Point> kProfile{{20, 0.01f},  {50, 0.02f},   {80, 0.04f},    {150, 0.05f}, {350, 0.04f},
                                  {700, 0.03f}, {1000, 0.02f}, {2000, 0.007f}, {10, 0.001f}};

class EntryOrder : public testing::TestWithParam<unsigned> {};

TEST_P(EntryOrder, NeverChangesTheResults) {
    const psd::Results want = run(kProfile);
    std::mt19937 rng(GetParam());
    std::vector<Point> points = kProfile;
    std::shuffle(points.begin(), points.end(), rng);
    std::vector<int> slots(50);
    for (int k = 0; k < 50; ++k) slots[static_cast<std::size_t>(k)] = k + 1;
    std::shuffle(slots.begin(), slots.end(), rng);
    slots.resize(points.size());
    Table t = tableOf(points, slots);
    const psd::Results got = run(t);
    EXPECT_EQ(got.grms, want.grms);
    EXPECT_EQ(got.vel, want.vel);
    EXPECT_EQ(got.disp, want.disp);
    for (std::size_t i = 1; i < kProfile.size(); ++i) EXPECT_LT(t.freq[i], t.freq[i + 1]) << i;
}

INSTANTIATE_TEST_SUITE_P(Shuffles, EntryOrder, testing::Values(1u, 2u, 3u, 17u, 99u, 2024u, 31337u));

struct SplitCase {
    const char* name;
    Point start;
    Point end;
    float at; // frequency of the added point, on the segment's own line
};

class SegmentSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(SegmentSplit, AtAPointOnItsOwnLineChangesNothing) {
    const SplitCase& c = GetParam();
    const double n = std::log(double(c.end.psd) / c.start.psd) / std::log(double(c.end.freq) / c.start.freq);
    const float psdAt = static_cast<float>(c.start.psd * std::pow(c.at / double(c.start.freq), n));
    const psd::Results whole = run({c.start, c.end});
    const psd::Results split = run({c.start, {c.at, psdAt}, c.end});
    EXPECT_GT(whole.grms, 0.0f);
    EXPECT_NEAR(split.grms, whole.grms, whole.grms * 2e-5);
    EXPECT_NEAR(split.vel, whole.vel, whole.vel * 2e-5);
    EXPECT_NEAR(split.disp, whole.disp, whole.disp * 2e-5);
}

INSTANTIATE_TEST_SUITE_P(Segments, SegmentSplit,
                         testing::Values(SplitCase{"Rising", {20, 0.01f}, {80, 0.04f}, 40},
                                         SplitCase{"Falling", {350, 0.04f}, {2000, 0.007f}, 900},
                                         SplitCase{"Flat", {20, 0.04f}, {2000, 0.04f}, 300},
                                         SplitCase{"SlopeMinusOne", {100, 0.1f}, {200, 0.05f}, 150},
                                         SplitCase{"SlopePlusOne", {100, 0.1f}, {200, 0.2f}, 130},
                                         SplitCase{"SlopePlusThree", {100, 0.01f}, {200, 0.08f}, 170},
                                         SplitCase{"Steep", {10, 1e-6f}, {20, 0.5f}, 14}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FlatCase {
    float f1, f2, level;
};

class FlatSpectrum : public testing::TestWithParam<FlatCase> {};

TEST_P(FlatSpectrum, MatchesItsClosedForm) {
    const FlatCase& c = GetParam();
    const double f1 = c.f1, f2 = c.f2, p = c.level;
    const double grms = std::sqrt(p * (f2 - f1));
    const double vel = 3 * std::sqrt(3775.8338 * p * (1 / f1 - 1 / f2));
    const double disp = 6 * std::sqrt(95.643 * p / 3 * (1 / (f1 * f1 * f1) - 1 / (f2 * f2 * f2)));
    const psd::Results r = run({{c.f1, c.level}, {c.f2, c.level}});
    EXPECT_NEAR(r.grms, grms, grms * 1e-6);
    EXPECT_NEAR(r.vel, vel, vel * 1e-6);
    EXPECT_NEAR(r.disp, disp, disp * 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Levels, FlatSpectrum,
                         testing::Values(FlatCase{20, 2000, 0.04f}, FlatCase{5, 500, 1.0f},
                                         FlatCase{0.5f, 20000, 1000.0f}, FlatCase{1000, 1001, 1e-6f}));

TEST(FlatSpectrum, FiftyPointsMatchTwo) {
    std::vector<Point> points;
    for (int k = 0; k < 50; ++k) points.push_back({20.0f + 40.0f * static_cast<float>(k), 0.04f});
    const psd::Results many = run(points);
    const psd::Results two = run({points.front(), points.back()});
    EXPECT_NEAR(many.grms, two.grms, two.grms * 1e-5);
    EXPECT_NEAR(many.vel, two.vel, two.vel * 1e-5);
    EXPECT_NEAR(many.disp, two.disp, two.disp * 1e-5);
}

// ---- Log forms, against the integrals of the power laws ----

struct LogCase {
    const char* name;
    Point start, end;
    int power; // 0 acceleration, 2 velocity, 4 displacement
};

class LogForm : public testing::TestWithParam<LogCase> {};

TEST_P(LogForm, IntegratesTheReciprocalExactly) {
    const LogCase& c = GetParam();
    const double L = std::log(double(c.end.freq) / c.start.freq);
    // With integrand exponent -1 the integral is P(f)·f^(1-power)·L at either point.
    const double integral = c.end.psd * std::pow(double(c.end.freq), 1 - c.power) * L;
    const psd::Results r = run({c.start, c.end});
    const double factor = c.power == 0 ? 1 : c.power == 2 ? 9 * 3775.8338 : 36 * 95.643;
    const float got = c.power == 0 ? r.grms : c.power == 2 ? r.vel : r.disp;
    const double want = std::sqrt(factor * integral);
    EXPECT_NEAR(got, want, want * 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Windows, LogForm,
                         testing::Values(LogCase{"Acceleration", {100, 0.1f}, {200, 0.05f}, 0},
                                         LogCase{"Velocity", {100, 0.1f}, {200, 0.2f}, 2},
                                         LogCase{"Displacement", {100, 0.01f}, {200, 0.08f}, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// Just outside a log window the general form holds, to full precision.
class NearALogWindow : public testing::TestWithParam<double> {};

TEST_P(NearALogWindow, UsesTheGeneralForm) {
    const float f1 = 100, f2 = 200, p1 = 0.1f;
    const float p2 = static_cast<float>(p1 * std::pow(2.0, GetParam()));
    const double n = std::log(double(p2) / p1) / std::log(double(f2) / f1);
    // Integral of P1 (f/f1)^n f^-k from f1 to f2, in ratio form.
    auto integral = [&](int k) {
        const double e = n + 1 - k;
        return p1 * std::pow(double(f1), 1 - k) / e * (std::pow(double(f2) / f1, e) - 1);
    };
    const psd::Results r = run({{f1, p1}, {f2, p2}});
    EXPECT_NEAR(r.grms, std::sqrt(integral(0)), std::sqrt(integral(0)) * 1e-6);
    EXPECT_NEAR(r.vel, 3 * std::sqrt(3775.8338 * integral(2)), 3 * std::sqrt(3775.8338 * integral(2)) * 1e-6);
    EXPECT_NEAR(r.disp, 6 * std::sqrt(95.643 * integral(4)), 6 * std::sqrt(95.643 * integral(4)) * 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Slopes, NearALogWindow, testing::Values(-1.005, -0.995, 0.995, 1.005, 2.995, 3.005));

// ---- Skip rules and the arrays written back ----

struct SkipCase {
    const char* name;
    std::vector<Point> points;
    bool adds;
};

class SegmentSkip : public testing::TestWithParam<SkipCase> {};

TEST_P(SegmentSkip, CountsOnlyWhereTheRulesAllow) {
    const SkipCase& c = GetParam();
    const psd::Results r = run(c.points);
    EXPECT_EQ(r.grms > 0, c.adds);
    EXPECT_EQ(r.vel > 0, c.adds);
    EXPECT_EQ(r.disp > 0, c.adds);
}

const float kMargin = static_cast<float>(100.0f * 1.0001);

INSTANTIATE_TEST_SUITE_P(
    Rules, SegmentSkip,
    testing::Values(SkipCase{"FrequencyAtTheMargin", {{100, 0.1f}, {kMargin, 0.1f}}, true},
                    SkipCase{"FrequencyInsideTheMargin", {{100, 0.1f}, {std::nextafter(kMargin, 0.0f), 0.1f}}, false},
                    SkipCase{"SlopeJustBelowTheLimit",
                             {{1, 1e-12f}, {1.1f, static_cast<float>(1e-12 * std::pow(1.1, 299.5))}},
                             true},
                    SkipCase{"SlopeJustAboveTheLimit",
                             {{1, 1e-12f}, {1.1f, static_cast<float>(1e-12 * std::pow(1.1, 300.5))}},
                             false},
                    SkipCase{"NegativePsdAgainstPositive", {{20, 0.04f}, {2000, -0.04f}}, false},
                    // 20000^72 overflows in the first term; the later terms alone would not.
                    SkipCase{"FailingFirstTermEndsTheSegment",
                             {{10000, 1e-20f}, {20000, static_cast<float>(1e-20 * std::pow(2.0, 71))}},
                             false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Integrate, WritesTheZeroReplacementIntoTheTableAndStopsAtTheEnd) {
    Table t = tableOf({{20, 0}, {2000, 0.04f}, {0, 0}, {3000, 0}}, {1, 2, 3, 4});
    psd::integrate(t.freq, t.psd);
    EXPECT_EQ(t.psd[1], 1e-9f);
    EXPECT_EQ(t.psd[2], 0.04f);
    EXPECT_EQ(format(t.psd[1], Pattern::Fixed6), "0.000000");
    EXPECT_EQ(t.psd[4], 0.0f); // beyond the first empty entry nothing is read or changed
}

TEST(Integrate, OverflowingSegmentLeavesTheOthersAlone) {
    const psd::Results rest = run({{110, 1}, {200, 0.3f}});
    const psd::Results all = run({{100, 0}, {110, 1}, {200, 0.3f}});
    EXPECT_GT(rest.grms, 0.0f);
    EXPECT_EQ(all.grms, rest.grms);
    EXPECT_EQ(all.vel, rest.vel);
    EXPECT_EQ(all.disp, rest.disp);
}

// A failing term ends its segment but keeps the terms added before it.
struct PartialCase {
    const char* name;
    double n;
    bool velKept;
};

class FailingTerm : public testing::TestWithParam<PartialCase> {};

TEST_P(FailingTerm, KeepsTheTermsAlreadyAdded) {
    const PartialCase& c = GetParam();
    const float f1 = 0.001f, f2 = 0.002f, p1 = 1;
    const float p2 = static_cast<float>(std::pow(2.0, c.n));
    const psd::Results r = run({{f1, p1}, {f2, p2}});
    const double n = std::log(double(p2) / p1) / std::log(double(f2) / f1);
    const double ratio = double(f2) / f1;
    // Integrals of P1 (f/f1)^n and of P1 (f/f1)^n / f² in ratio form, free of overflow.
    const double accel = p1 * double(f1) / (n + 1) * (std::pow(ratio, n + 1) - 1);
    const double vel = p1 / double(f1) / (n - 1) * (std::pow(ratio, n - 1) - 1) * 3775.8338;
    EXPECT_NEAR(r.grms, std::sqrt(accel), std::sqrt(accel) * 1e-5);
    if (c.velKept)
        EXPECT_NEAR(r.vel, 3 * std::sqrt(vel), 3 * std::sqrt(vel) * 1e-5);
    else
        EXPECT_EQ(r.vel, 0.0f);
    EXPECT_EQ(r.disp, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(Overflow, FailingTerm,
                         testing::Values(PartialCase{"VelocityPowerOverflows", -102, false},
                                         PartialCase{"DisplacementPowerOverflows", -100, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Results that are not numbers to trust ----

struct UntrustedCase {
    const char* name;
    std::vector<Point> points;
    bool grmsShown, velShown, dispShown;
};

class UntrustedResult : public testing::TestWithParam<UntrustedCase> {};

TEST_P(UntrustedResult, ShowsTheMarkerInsteadOfANumber) {
    const UntrustedCase& c = GetParam();
    const psd::Results r = run(c.points);
    for (bool english : {true, false}) {
        const std::string texts[] = {psd::grmsText(r.grms), psd::velText(r.vel, english),
                                     psd::dispText(r.disp, english)};
        const bool shown[] = {c.grmsShown, c.velShown, c.dispShown};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(texts[i] == psd::kNoResult, !shown[i]) << i << " " << texts[i];
            EXPECT_EQ(texts[i].find_first_of("inIN"), std::string::npos) << texts[i]; // no inf, nan
            EXPECT_FALSE(texts[i].empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UntrustedResult,
    testing::Values(UntrustedCase{"TwoNegativePsds", {{20, -0.04f}, {2000, -0.04f}}, false, false, false},
                    UntrustedCase{"NegativeOutweighsPositive",
                                  {{20, 0.001f}, {40, 0.001f}, {40.1f, -0.5f}, {2000, -0.5f}},
                                  false,
                                  false,
                                  false},
                    UntrustedCase{"DisplacementBeyondFloatRange", {{1e-25f, 1000}, {1e-24f, 1000}}, true, true, false},
                    UntrustedCase{"OrdinarySpectrum", {{20, 0.04f}, {2000, 0.04f}}, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

struct ToFloatCase {
    double in;
    float out;
};

class ToFloat : public testing::TestWithParam<ToFloatCase> {};

TEST_P(ToFloat, RoundsOrGoesToInfinityBeyondTheRange) { EXPECT_EQ(psd::toFloat(GetParam().in), GetParam().out); }

INSTANTIATE_TEST_SUITE_P(Values, ToFloat,
                         testing::Values(ToFloatCase{0.1, 0.1f}, ToFloatCase{-2.5, -2.5f},
                                         ToFloatCase{1e39, std::numeric_limits<float>::infinity()},
                                         ToFloatCase{-1e300, -std::numeric_limits<float>::infinity()},
                                         ToFloatCase{3.4e38, 3.4e38f}));

} // namespace
