#include "frame/numbers.h"
#include "random/psd.h"
#include "random/result_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace psd = tessomar::psd;

namespace {

struct Point {
    float freq, psd;
};

struct Table {
    psd::Column freq{}, psd{};
};

// Puts the points into the given entries (default 1, 2, ...), the rest empty.
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

void expectNear(const psd::Results& got, double grms, double vel, double disp, double rel) {
    EXPECT_NEAR(got.grms, grms, grms * rel);
    EXPECT_NEAR(got.vel, vel, vel * rel);
    EXPECT_NEAR(got.disp, disp, disp * rel);
}

template <class Case> std::string nameOf(const testing::TestParamInfo<Case>& info) { return info.param.name; }

// ---- The worked spectra, as an engineer reads them off the boxes ----

struct ShownCase {
    const char* name;
    std::vector<Point> points;
    const char *grms, *velEnglish, *dispEnglish, *velMetric, *dispMetric;
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
    nameOf<ShownCase>);

// ---- Sorting ----

struct SortCase {
    const char* name;
    std::vector<Point> points;
    std::vector<int> slots;
    std::vector<Point> want; // entries 1.. after the sort; the rest and the guard entry 0 are empty
};

class SortBreakPoints : public testing::TestWithParam<SortCase> {};

TEST_P(SortBreakPoints, ClosesGapsAndOrdersStablyByFrequency) {
    const SortCase& c = GetParam();
    Table t = tableOf(c.points, c.slots);
    psd::sortBreakPoints(t.freq, t.psd);
    for (std::size_t k = 0; k <= 51; ++k) {
        const bool filled = k >= 1 && k <= c.want.size();
        EXPECT_EQ(t.freq[k], filled ? c.want[k - 1].freq : 0.0f) << k;
        if (filled || k <= 2) {
            EXPECT_EQ(t.psd[k], filled ? c.want[k - 1].psd : 0.0f) << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SortBreakPoints,
    testing::Values(SortCase{"ClosesGaps", {{500, 0.2f}, {30, 0.1f}}, {3, 7}, {{30, 0.1f}, {500, 0.2f}}},
                    SortCase{"EqualFrequenciesKeepTheirOrder",
                             {{100, 0.3f}, {50, 0.9f}, {100, 0.1f}, {100, 0.2f}},
                             {2, 10, 20, 50},
                             {{50, 0.9f}, {100, 0.3f}, {100, 0.1f}, {100, 0.2f}}},
                    // The stray PSD in the empty entry is overwritten by the moved point.
                    SortCase{"StrayPsdInAnEmptyEntry", {{0, 0.5f}, {40, 0.02f}}, {1, 2}, {{40, 0.02f}}}),
    nameOf<SortCase>);

// ---- Properties ----

class EntryOrder : public testing::TestWithParam<unsigned> {};

TEST_P(EntryOrder, NeverChangesTheResults) {
    const std::vector<Point> profile{{20, 0.01f},  {50, 0.02f},   {80, 0.04f},    {150, 0.05f}, {350, 0.04f},
                                     {700, 0.03f}, {1000, 0.02f}, {2000, 0.007f}, {10, 0.001f}};
    const psd::Results want = run(profile);
    std::mt19937 rng(GetParam());
    std::vector<Point> points = profile;
    std::shuffle(points.begin(), points.end(), rng);
    std::vector<int> slots(50);
    std::iota(slots.begin(), slots.end(), 1);
    std::shuffle(slots.begin(), slots.end(), rng);
    slots.resize(points.size());
    Table t = tableOf(points, slots);
    const psd::Results got = run(t);
    EXPECT_EQ(got.grms, want.grms);
    EXPECT_EQ(got.vel, want.vel);
    EXPECT_EQ(got.disp, want.disp);
    for (std::size_t i = 1; i < profile.size(); ++i) EXPECT_LT(t.freq[i], t.freq[i + 1]) << i;
}

INSTANTIATE_TEST_SUITE_P(Shuffles, EntryOrder, testing::Values(1u, 17u, 2024u, 31337u));

struct SplitCase {
    const char* name;
    Point start, end;
    float at; // frequency of the added point, on the segment's own line
};

class SegmentSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(SegmentSplit, AtAPointOnItsOwnLineChangesNothing) {
    const SplitCase& c = GetParam();
    const double n = std::log(double(c.end.psd) / c.start.psd) / std::log(double(c.end.freq) / c.start.freq);
    const float psdAt = static_cast<float>(c.start.psd * std::pow(c.at / double(c.start.freq), n));
    const psd::Results whole = run({c.start, c.end});
    EXPECT_GT(whole.grms, 0.0f);
    expectNear(run({c.start, {c.at, psdAt}, c.end}), whole.grms, whole.vel, whole.disp, 2e-5);
}

INSTANTIATE_TEST_SUITE_P(Segments, SegmentSplit,
                         testing::Values(SplitCase{"Rising", {20, 0.01f}, {80, 0.04f}, 40},
                                         SplitCase{"Falling", {350, 0.04f}, {2000, 0.007f}, 900},
                                         SplitCase{"Flat", {20, 0.04f}, {2000, 0.04f}, 300},
                                         SplitCase{"SlopeMinusOne", {100, 0.1f}, {200, 0.05f}, 150},
                                         SplitCase{"SlopePlusOne", {100, 0.1f}, {200, 0.2f}, 130},
                                         SplitCase{"SlopePlusThree", {100, 0.01f}, {200, 0.08f}, 170},
                                         SplitCase{"Steep", {10, 1e-6f}, {20, 0.5f}, 14}),
                         nameOf<SplitCase>);

// ---- Log forms and their windows, against the integrals of the power laws ----

// Slope 2^e over one octave from (100, p1): the exact integrals of P f^-k, k = 0, 2, 4.
struct LawCase {
    double slope; // of P over f
    float p1, f1 = 100, f2 = 200;
};

class PowerLaw : public testing::TestWithParam<LawCase> {};

TEST_P(PowerLaw, MatchesTheExactIntegrals) {
    const LawCase c = GetParam(); // plain names: clang 14 lambdas cannot capture structured bindings
    const double slope = c.slope;
    const float p1 = c.p1, f1 = c.f1, f2 = c.f2;
    const double ratio = double(f2) / f1;
    const float p2 = static_cast<float>(p1 * std::pow(ratio, slope));
    const double n = std::log(double(p2) / p1) / std::log(ratio);
    auto integral = [&](int k) {
        const double e = n + 1 - k, scale = p1 * std::pow(double(f1), 1 - k);
        return std::abs(e) < 1e-6 ? scale * std::log(ratio) : scale / e * (std::pow(ratio, e) - 1);
    };
    expectNear(run({{f1, p1}, {f2, p2}}), std::sqrt(integral(0)), 3 * std::sqrt(3775.8338 * integral(2)),
               6 * std::sqrt(95.643 * integral(4)), 1e-6);
}

// Flat over wide and narrow bands at extreme levels, exactly on the log forms (-1, +1, +3), and
// just outside their windows.
INSTANTIATE_TEST_SUITE_P(Slopes, PowerLaw,
                         testing::Values(LawCase{0, 0.04f, 20, 2000}, LawCase{0, 1000, 0.5f, 20000},
                                         LawCase{0, 1e-6f, 1000, 1001}, LawCase{-1, 0.1f}, LawCase{1, 0.1f},
                                         LawCase{3, 0.01f}, LawCase{-1.005, 0.1f}, LawCase{-0.995, 0.1f},
                                         LawCase{0.995, 0.1f}, LawCase{1.005, 0.1f}, LawCase{2.995, 0.1f},
                                         LawCase{3.005, 0.1f}));

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
Point slopeOf(double n) { return {1.1f, static_cast<float>(1e-12 * std::pow(1.1, n))}; }

INSTANTIATE_TEST_SUITE_P(
    Rules, SegmentSkip,
    testing::Values(SkipCase{"FrequencyAtTheMargin", {{100, 0.1f}, {kMargin, 0.1f}}, true},
                    SkipCase{"FrequencyInsideTheMargin", {{100, 0.1f}, {std::nextafter(kMargin, 0.0f), 0.1f}}, false},
                    SkipCase{"SlopeJustBelowTheLimit", {{1, 1e-12f}, slopeOf(299.5)}, true},
                    SkipCase{"SlopeJustAboveTheLimit", {{1, 1e-12f}, slopeOf(300.5)}, false},
                    SkipCase{"NegativePsdAgainstPositive", {{20, 0.04f}, {2000, -0.04f}}, false},
                    // 20000^72 overflows in the first term; the later terms alone would not.
                    SkipCase{"FailingFirstTermEndsTheSegment",
                             {{10000, 1e-20f}, {20000, static_cast<float>(1e-20 * std::pow(2.0, 71))}},
                             false}),
    nameOf<SkipCase>);

TEST(Integrate, WritesTheZeroReplacementIntoTheTableAndStopsAtTheEnd) {
    Table t = tableOf({{20, 0}, {2000, 0.04f}, {0, 0}, {3000, 0}});
    psd::integrate(t.freq, t.psd);
    EXPECT_EQ(t.psd[1], 1e-9f);
    EXPECT_EQ(t.psd[2], 0.04f);
    EXPECT_EQ(tessomar::num::format(t.psd[1], tessomar::num::Pattern::Fixed6), "0.000000");
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
TEST(Integrate, FailingTermKeepsTheTermsAlreadyAdded) {
    for (const auto& [slope, velKept] : {std::pair{-102.0, false}, std::pair{-100.0, true}}) {
        const float f1 = 0.001f, f2 = 0.002f, p2 = static_cast<float>(std::pow(2.0, slope));
        const psd::Results r = run({{f1, 1}, {f2, p2}});
        const double n = std::log(double(p2)) / std::log(double(f2) / f1), ratio = double(f2) / f1;
        const double accel = double(f1) / (n + 1) * (std::pow(ratio, n + 1) - 1);
        const double vel = 1 / double(f1) / (n - 1) * (std::pow(ratio, n - 1) - 1) * 3775.8338;
        EXPECT_NEAR(r.grms, std::sqrt(accel), std::sqrt(accel) * 1e-5) << slope;
        if (velKept)
            EXPECT_NEAR(r.vel, 3 * std::sqrt(vel), 3 * std::sqrt(vel) * 1e-5);
        else
            EXPECT_EQ(r.vel, 0.0f);
        EXPECT_EQ(r.disp, 0.0f) << slope;
    }
}

// ---- Results that are not numbers to trust ----

struct UntrustedCase {
    const char* name;
    std::vector<Point> points;
    bool shown[3]; // grms, vel, disp
};

class UntrustedResult : public testing::TestWithParam<UntrustedCase> {};

TEST_P(UntrustedResult, ShowsTheMarkerInsteadOfANumber) {
    const UntrustedCase& c = GetParam();
    const psd::Results r = run(c.points);
    for (bool english : {true, false}) {
        const std::string texts[] = {psd::grmsText(r.grms), psd::velText(r.vel, english),
                                     psd::dispText(r.disp, english)};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(texts[i] == psd::kNoResult, !c.shown[i]) << i << " " << texts[i];
            EXPECT_EQ(texts[i].find_first_of("inIN"), std::string::npos) << texts[i]; // no inf, nan
            EXPECT_FALSE(texts[i].empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UntrustedResult,
    testing::Values(UntrustedCase{"TwoNegativePsds", {{20, -0.04f}, {2000, -0.04f}}, {false, false, false}},
                    UntrustedCase{"NegativeOutweighsPositive",
                                  {{20, 0.001f}, {40, 0.001f}, {40.1f, -0.5f}, {2000, -0.5f}},
                                  {false, false, false}},
                    UntrustedCase{
                        "FrequenciesFarBelowOneHertz", {{1e-25f, 1000}, {1e-24f, 1000}}, {true, false, false}},
                    UntrustedCase{"DisplacementOnlyPastItsDigits", {{1e-15f, 1}, {1e-14f, 1}}, {true, true, false}},
                    UntrustedCase{"OrdinarySpectrum", {{20, 0.04f}, {2000, 0.04f}}, {true, true, true}}),
    nameOf<UntrustedCase>);

TEST(ToFloat, RoundsOrGoesToInfinityBeyondTheRange) {
    const float inf = std::numeric_limits<float>::infinity();
    for (const auto& [in, out] : {std::pair{0.1, 0.1f}, {-2.5, -2.5f}, {1e39, inf}, {-1e300, -inf}, {3.4e38, 3.4e38f}})
        EXPECT_EQ(psd::toFloat(in), out) << in;
}

} // namespace
