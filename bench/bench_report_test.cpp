#include "bench/drive.h"
#include "bench/target_reporter.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct TimeCase {
    double seconds;
    const char* text;
};

class HumanTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(HumanTimeTest, PicksTheUnitThatKeepsDigitsReadable) {
    EXPECT_EQ(bench::humanTime(GetParam().seconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Durations, HumanTimeTest,
                         testing::Values(TimeCase{27e-9, "27 ns"}, TimeCase{999e-9, "999 ns"},
                                         TimeCase{1e-6, "1.00 us"}, TimeCase{19.994e-6, "19.99 us"},
                                         TimeCase{415.41e-6, "415.41 us"}, TimeCase{1e-3, "1.00 ms"},
                                         TimeCase{5.825e-3, "5.83 ms"}));

struct SpectrumCase {
    int count;
    bool descending;
};

class SpectrumFrequencyTest : public testing::TestWithParam<SpectrumCase> {};

TEST_P(SpectrumFrequencyTest, SpansTheBandStrictlyInTheAskedOrder) {
    const auto [count, descending] = GetParam();
    const double first = bench::spectrumFrequency(0, count, descending);
    const double last = bench::spectrumFrequency(count - 1, count, descending);
    EXPECT_DOUBLE_EQ(descending ? last : first, 20.0);
    EXPECT_DOUBLE_EQ(descending ? first : last, 2000.0);
    for (int i = 1; i < count; ++i) {
        const double prev = bench::spectrumFrequency(i - 1, count, descending);
        const double cur = bench::spectrumFrequency(i, count, descending);
        // Neighbours far enough apart for the integration to count the segment.
        if (descending)
            EXPECT_GT(prev, cur * 1.0001) << i;
        else
            EXPECT_GT(cur, prev * 1.0001) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SpectrumFrequencyTest,
                         testing::Values(SpectrumCase{2, false}, SpectrumCase{2, true}, SpectrumCase{10, true},
                                         SpectrumCase{50, false}, SpectrumCase{50, true}));

struct TableCase {
    const char* name;
    std::vector<std::pair<float, float>> entries; // from entry 1
    int count;
    bool sorted;
};

class TableSortedTest : public testing::TestWithParam<TableCase> {};

TEST_P(TableSortedTest, AcceptsOnlyAnAscendingFullTableOfThatSize) {
    tessomar::FormState fs;
    int k = 1;
    for (const auto& [f, p] : GetParam().entries) {
        fs.BkFreq[static_cast<std::size_t>(k)] = f;
        fs.BkPsd[static_cast<std::size_t>(k)] = p;
        ++k;
    }
    EXPECT_EQ(bench::tableSortedWith(fs, GetParam().count), GetParam().sorted);
}

INSTANTIATE_TEST_SUITE_P(Tables, TableSortedTest,
                         testing::Values(TableCase{"Ascending", {{20, 0.01f}, {80, 0.04f}, {2000, 0.007f}}, 3, true},
                                         TableCase{"EmptyTableOfNone", {}, 0, true},
                                         TableCase{"OutOfOrder", {{80, 0.04f}, {20, 0.01f}}, 2, false},
                                         TableCase{"EqualNeighbours", {{20, 0.01f}, {20, 0.02f}}, 2, false},
                                         TableCase{
                                             "OneMoreThanAsked", {{20, 0.01f}, {80, 0.04f}, {90, 0.04f}}, 2, false},
                                         TableCase{"OneFewerThanAsked", {{20, 0.01f}, {80, 0.04f}}, 3, false},
                                         TableCase{"GapInside", {{20, 0.01f}, {0, 0}, {90, 0.04f}}, 3, false},
                                         TableCase{"MissingPsd", {{20, 0.01f}, {80, 0}}, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// A run as the library reports it, with only what the summary reads.
benchmark::BenchmarkReporter::Run run(const std::string& family, const std::string& args, double ns) {
    benchmark::BenchmarkReporter::Run r;
    r.run_name.function_name = family;
    r.run_name.args = args;
    r.run_type = benchmark::BenchmarkReporter::Run::RT_Aggregate;
    r.aggregate_name = "median";
    r.repetitions = 5;
    r.iterations = 1;
    r.time_unit = benchmark::kNanosecond;
    r.real_accumulated_time = ns * 1e-9;
    r.cpu_accumulated_time = ns * 1e-9;
    return r;
}

struct SummaryCase {
    const char* name;
    double ns;      // median of the "Typing" family, target 20 us
    bool error;     // the benchmark failed its own check
    bool met;       // every target met
    bool failed;    // some benchmark failed
    const char* in; // text the summary line must hold
};

class TargetReporterTest : public testing::TestWithParam<SummaryCase> {};

TEST_P(TargetReporterTest, SummarisesMediansAgainstTargets) {
    const SummaryCase& c = GetParam();
    bench::TargetReporter reporter({{"Typing", 20e-6, "one key"}, {"Growth", 0, "info"}});
    std::ostringstream out, err;
    reporter.SetOutputStream(&out);
    reporter.SetErrorStream(&err);
    auto typing = run("Typing", "", c.ns);
    typing.error_occurred = c.error;
    typing.error_message = "did nothing";
    auto mean = typing;
    mean.aggregate_name = "mean";
    mean.real_accumulated_time = 1; // a mean far over target must not decide
    reporter.ReportRuns({typing, mean});
    reporter.ReportRuns({run("Growth", "50", 90e3)});
    reporter.Finalize();
    const std::string text = out.str();
    EXPECT_EQ(reporter.allMet(), c.met);
    EXPECT_EQ(reporter.anyFailed(), c.failed);
    EXPECT_NE(text.find(c.in), std::string::npos) << text;
    EXPECT_NE(text.find("Growth/50"), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(Verdicts, TargetReporterTest,
                         testing::Values(SummaryCase{"WellUnder", 1200, false, true, false, "met"},
                                         SummaryCase{"JustUnder", 19990, false, true, false, "met"},
                                         SummaryCase{"AtTargetIsMissed", 20000, false, false, false, "MISSED"},
                                         SummaryCase{"Over", 54960, false, false, false, "MISSED"},
                                         SummaryCase{"FailedCheck", 10, true, false, true, "FAILED: did nothing"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
