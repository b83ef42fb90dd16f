#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

// Middle value of the samples; the mean of the two middle values for an even
// count. Empty input gives 0.
double median(std::vector<double> samples);

// "VmHWM:   41236 kB" from the text of /proc/<pid>/status, in KiB.
std::optional<long> peakResidentKiB(std::string_view procStatus);

// A window counts as painted when none of the sampled pixels still shows the
// sentinel colour the probe gave the root window: a Qt top-level has no
// background of its own, so until its first frame lands the root shows
// through. An empty sample is not painted.
bool painted(const std::vector<std::uint32_t>& pixels, std::uint32_t sentinel, std::uint32_t mask = 0xFFFFFF);

// One program's start-up over repeated runs.
struct StartupRuns {
    std::string program;
    std::vector<double> mappedMs;  // process start to the window mapped
    std::vector<double> paintedMs; // process start to its first frame on screen
    std::vector<double> peakKiB;   // VmHWM once started
    std::vector<double> cpuMs;     // CPU time of all its threads up to the first frame
};

struct Verdict {
    double value = 0;
    double target = 0;
    bool met = false;
};

// Ratio of the medians of first-frame times; target 1.25.
Verdict startupRatio(const StartupRuns& program, const StartupRuns& floor, double target = 1.25);
// Excess of the median peak resident set over the floor's, in MiB; target 8.
Verdict memoryExcessMiB(const StartupRuns& program, const StartupRuns& floor, double targetMiB = 8);

} // namespace bench
