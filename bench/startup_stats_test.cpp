#include "bench/startup_stats.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct MedianCase {
    const char* name;
    std::vector<double> samples;
    double expected;
};

class MedianTest : public testing::TestWithParam<MedianCase> {};

TEST_P(MedianTest, TakesTheMiddleOfUnsortedSamples) {
    EXPECT_DOUBLE_EQ(bench::median(GetParam().samples), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Samples, MedianTest,
                         testing::Values(MedianCase{"Empty", {}, 0}, MedianCase{"One", {7.5}, 7.5},
                                         MedianCase{"OddUnsorted", {9, 1, 5}, 5},
                                         MedianCase{"EvenAveragesTheMiddleTwo", {4, 1, 10, 2}, 3},
                                         MedianCase{"OutlierDoesNotPull", {45, 46, 44, 900, 47}, 46},
                                         MedianCase{"Duplicates", {3, 3, 1, 3}, 3},
                                         MedianCase{"EvenDescending", {8, 6, 4, 2}, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PeakCase {
    const char* name;
    const char* status;
    std::optional<long> expected;
};

class PeakResidentTest : public testing::TestWithParam<PeakCase> {};

TEST_P(PeakResidentTest, ReadsVmHwmInKiB) { EXPECT_EQ(bench::peakResidentKiB(GetParam().status), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    ProcStatus, PeakResidentTest,
    testing::Values(PeakCase{"TypicalStatus",
                             "Name:\tbare_window\nVmPeak:\t  812340 kB\nVmHWM:\t   41236 kB\nVmRSS:\t   40112 kB\n",
                             41236},
                    PeakCase{"NotConfusedByVmRssBeforeIt", "VmRSS:\t 100 kB\nVmHWM:\t 200 kB\n", 200},
                    PeakCase{"LastLineWithoutNewline", "Name:\tx\nVmHWM:\t 5120 kB", 5120},
                    PeakCase{"Missing", "Name:\tx\nVmRSS:\t 100 kB\n", std::nullopt},
                    PeakCase{"NotANumber", "VmHWM:\t lots kB\n", std::nullopt},
                    PeakCase{"UnexpectedUnit", "VmHWM:\t 12 MB\n", std::nullopt},
                    PeakCase{"KeyMustStartTheLine", "XVmHWM:\t 12 kB\n", std::nullopt},
                    PeakCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr std::uint32_t kSentinel = 0x3A0B6D;

struct PaintedCase {
    const char* name;
    std::vector<std::uint32_t> pixels;
    bool expected;
};

class PaintedTest : public testing::TestWithParam<PaintedCase> {};

TEST_P(PaintedTest, OnlyWhenNoSentinelPixelIsLeft) {
    EXPECT_EQ(bench::painted(GetParam().pixels, kSentinel), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Pixels, PaintedTest,
                         testing::Values(PaintedCase{"AllSentinel", {kSentinel, kSentinel, kSentinel}, false},
                                         PaintedCase{"UniformWindowColour", {0xEFEFEF, 0xEFEFEF, 0xEFEFEF}, true},
                                         PaintedCase{"LastStripStillRoot", {0xEFEFEF, 0x000000, kSentinel}, false},
                                         PaintedCase{"FirstPixelStillRoot", {kSentinel, 0xEFEFEF, 0xEFEFEF}, false},
                                         PaintedCase{"AlphaByteIgnored", {0xFF000000u | kSentinel, 0xEFEFEF}, false},
                                         PaintedCase{"NearSentinelCounts", {kSentinel + 1, kSentinel - 1}, true},
                                         PaintedCase{"NothingSampled", {}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

bench::StartupRuns runs(std::vector<double> painted, std::vector<double> peakKiB) {
    bench::StartupRuns r;
    r.paintedMs = std::move(painted);
    r.peakKiB = std::move(peakKiB);
    return r;
}

struct VerdictCase {
    const char* name;
    std::vector<double> program, floor;
    double value;
    bool met;
};

class StartupRatioTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(StartupRatioTest, ComparesMediansAgainstQuarterMargin) {
    const auto& c = GetParam();
    const auto v = bench::startupRatio(runs(c.program, {}), runs(c.floor, {}));
    EXPECT_NEAR(v.value, c.value, 1e-9);
    EXPECT_EQ(v.met, c.met);
    EXPECT_DOUBLE_EQ(v.target, 1.25);
}

INSTANTIATE_TEST_SUITE_P(
    Medians, StartupRatioTest,
    testing::Values(VerdictCase{"Equal", {50, 50, 50}, {50, 50, 50}, 1.0, true},
                    VerdictCase{"ExactlyAtTarget", {62.5}, {50}, 1.25, true},
                    VerdictCase{"JustOver", {62.6}, {50}, 1.252, false},
                    VerdictCase{"OneSlowRunDoesNotDecide", {50, 500, 52}, {40, 41, 42}, 52.0 / 41.0, false},
                    VerdictCase{"OutliersOnBothSides", {55, 54, 300}, {10, 50, 49}, 55.0 / 49.0, true},
                    VerdictCase{"NoFloorRunsIsNotMet", {50}, {}, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

class MemoryExcessTest : public testing::TestWithParam<VerdictCase> {};

TEST_P(MemoryExcessTest, AllowsEightMiBAboveTheFloor) {
    const auto& c = GetParam();
    const auto v = bench::memoryExcessMiB(runs({}, c.program), runs({}, c.floor));
    EXPECT_NEAR(v.value, c.value, 1e-9);
    EXPECT_EQ(v.met, c.met);
}

INSTANTIATE_TEST_SUITE_P(
    PeakKiB, MemoryExcessTest,
    testing::Values(VerdictCase{"Same", {40000}, {40000}, 0, true},
                    VerdictCase{"EightMiBExactly", {40000 + 8192}, {40000}, 8, true},
                    VerdictCase{"OneKiBOver", {40000 + 8193}, {40000}, 8193.0 / 1024, false},
                    VerdictCase{"SmallerThanFloor", {39000}, {40024}, -1, true},
                    VerdictCase{"MediansNotMeans", {40000, 41000, 90000}, {40000, 40000, 1000}, 1000.0 / 1024, true},
                    VerdictCase{"NoProgramRunsIsNotMet", {}, {40000}, -40000.0 / 1024, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
