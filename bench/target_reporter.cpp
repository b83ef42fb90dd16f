#include "bench/target_reporter.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace bench {

namespace {

std::string familyOf(const std::string& name) { return name.substr(0, name.find('/')); }

std::string bigOName(benchmark::BigO o) {
    switch (o) {
    case benchmark::o1:
        return "O(1)";
    case benchmark::oN:
        return "O(N)";
    case benchmark::oNSquared:
        return "O(N^2)";
    case benchmark::oNCubed:
        return "O(N^3)";
    case benchmark::oLogN:
        return "O(log N)";
    case benchmark::oNLogN:
        return "O(N log N)";
    default:
        return "O(?)";
    }
}

} // namespace

std::string humanTime(double seconds) {
    char buf[32];
    if (seconds < 1e-6)
        std::snprintf(buf, sizeof buf, "%.0f ns", seconds * 1e9);
    else if (seconds < 1e-3)
        std::snprintf(buf, sizeof buf, "%.2f us", seconds * 1e6);
    else
        std::snprintf(buf, sizeof buf, "%.2f ms", seconds * 1e3);
    return buf;
}

void TargetReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
        std::string name = r.run_name.function_name;
        if (!r.run_name.args.empty()) name += "/" + r.run_name.args;
        if (r.error_occurred) {
            m_lines.push_back({name, 0, 0, "FAILED: " + r.error_message, true});
            continue;
        }
        if (r.report_big_o) {
            m_lines.push_back({name, 0, 0, "grows as " + bigOName(r.complexity), false});
            continue;
        }
        const bool single = r.run_type == Run::RT_Iteration && r.repetitions <= 1;
        const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
        if (!single && !median) continue;
        const double unit = benchmark::GetTimeUnitMultiplier(r.time_unit);
        m_lines.push_back({name, r.GetAdjustedRealTime() / unit, r.GetAdjustedCPUTime() / unit, {}, false});
    }
}

void TargetReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    out << "\nMedian per action (wall clock; CPU time in brackets), with its target:\n";
    for (const Line& line : m_lines) {
        const Target* target = nullptr;
        for (const Target& t : m_targets)
            if (t.family == familyOf(line.name)) target = &t;
        char buf[256];
        if (line.error) {
            m_allMet = false;
            m_anyFailed = true;
            std::snprintf(buf, sizeof buf, "  %-40s %s\n", line.name.c_str(), line.note.c_str());
        } else if (!line.note.empty()) {
            std::snprintf(buf, sizeof buf, "  %-40s %s\n", line.name.c_str(), line.note.c_str());
        } else if (target && target->seconds > 0) {
            const bool met = line.seconds < target->seconds;
            m_allMet = m_allMet && met;
            std::snprintf(buf, sizeof buf, "  %-40s %10s (%10s)   target < %-9s %s   %s\n", line.name.c_str(),
                          humanTime(line.seconds).c_str(), humanTime(line.cpuSeconds).c_str(),
                          humanTime(target->seconds).c_str(), met ? "met   " : "MISSED", target->what.c_str());
        } else {
            std::snprintf(buf, sizeof buf, "  %-40s %10s (%10s)   %s\n", line.name.c_str(),
                          humanTime(line.seconds).c_str(), humanTime(line.cpuSeconds).c_str(),
                          target ? target->what.c_str() : "");
        }
        out << buf;
    }
    out.flush();
}

int runWithTargets(int argc, char** argv, std::vector<Target> targets) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    // Colours only for a terminal: the command's output is also kept in logs.
    const bool tty = isatty(fileno(stdout)) != 0;
    TargetReporter reporter(std::move(targets),
                            tty ? benchmark::ConsoleReporter::OO_ColorTabular : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.anyFailed() ? 2 : reporter.allMet() ? 0 : 1;
}

} // namespace bench
