#pragma once

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace bench {

// What a benchmark family must stay under; a family without one is shown
// for information (how a cost grows, say).
struct Target {
    std::string family; // the registered name before any "/" argument
    double seconds = 0; // 0: no target
    std::string what;   // the line printed in the summary
};

// The console report as usual, then one summary line per benchmark with the
// median over its repetitions (or its single run), its target and whether it
// was met, and the fitted growth of families that compute one.
class TargetReporter : public benchmark::ConsoleReporter {
public:
    explicit TargetReporter(std::vector<Target> targets, OutputOptions options = OO_Tabular)
        : ConsoleReporter(options), m_targets(std::move(targets)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;
    // True when every benchmark with a target ran, without error, under it.
    bool allMet() const { return m_allMet; }
    bool anyFailed() const { return m_anyFailed; }

private:
    struct Line {
        std::string name;
        double seconds = 0;    // wall clock
        double cpuSeconds = 0; // this process's CPU, for a busy machine
        std::string note;
        bool error = false;
    };
    std::vector<Target> m_targets;
    std::vector<Line> m_lines;
    bool m_allMet = true;
    bool m_anyFailed = false;
};

// Runs the registered benchmarks with the reporter. Exit status: 0 every
// target met, 1 a target missed, 2 a benchmark failed its own checks.
int runWithTargets(int argc, char** argv, std::vector<Target> targets);

// A duration for people: "3.42 us", "1.20 ms".
std::string humanTime(double seconds);

} // namespace bench
