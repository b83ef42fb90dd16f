#include "bench/startup_stats.h"

#include <algorithm>
#include <charconv>

namespace bench {

double median(std::vector<double> samples) {
    if (samples.empty()) return 0;
    const auto n = samples.size();
    const auto mid = samples.begin() + static_cast<std::ptrdiff_t>(n / 2);
    std::nth_element(samples.begin(), mid, samples.end());
    if (n % 2 == 1) return *mid;
    const double upper = *mid;
    const double lower = *std::max_element(samples.begin(), mid);
    return (lower + upper) / 2;
}

std::optional<long> peakResidentKiB(std::string_view procStatus) {
    constexpr std::string_view key = "VmHWM:";
    std::size_t pos = 0;
    while (pos < procStatus.size()) {
        const std::size_t end = std::min(procStatus.find('\n', pos), procStatus.size());
        std::string_view line = procStatus.substr(pos, end - pos);
        pos = end + 1;
        if (!line.starts_with(key)) continue;
        line.remove_prefix(key.size());
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        long kib = 0;
        const auto [rest, ec] = std::from_chars(line.data(), line.data() + line.size(), kib);
        if (ec != std::errc() || rest == line.data()) return std::nullopt;
        const std::string_view unit(rest, static_cast<std::size_t>(line.data() + line.size() - rest));
        if (unit != " kB") return std::nullopt;
        return kib;
    }
    return std::nullopt;
}

bool painted(const std::vector<std::uint32_t>& pixels, std::uint32_t sentinel, std::uint32_t mask) {
    if (pixels.empty()) return false;
    return std::none_of(pixels.begin(), pixels.end(), [&](std::uint32_t p) { return (p & mask) == (sentinel & mask); });
}

Verdict startupRatio(const StartupRuns& program, const StartupRuns& floor, double target) {
    Verdict v;
    v.target = target;
    const double base = median(floor.paintedMs);
    v.value = base > 0 ? median(program.paintedMs) / base : 0;
    v.met = base > 0 && v.value <= target;
    return v;
}

Verdict memoryExcessMiB(const StartupRuns& program, const StartupRuns& floor, double targetMiB) {
    Verdict v;
    v.target = targetMiB;
    v.value = (median(program.peakKiB) - median(floor.peakKiB)) / 1024.0;
    v.met = !program.peakKiB.empty() && !floor.peakKiB.empty() && v.value <= targetMiB;
    return v;
}

} // namespace bench
