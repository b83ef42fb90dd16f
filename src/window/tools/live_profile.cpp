#include "tools/live_profile.h"

#include "calc/result_text.h"

namespace tessomar::tools {

std::string liveProfileLine(const BreakPointReport& profile) {
    const std::size_t n = profile.rows.size();
    const std::string from = "Profile: the main window's break-point table, read live: ";
    if (n < 2) return from + std::to_string(n) + " break point" + (n == 1 ? "" : "s") + "; a profile needs two";
    return from + std::to_string(n) + " break points, " + psd::grmsText(profile.grms) + " g rms";
}

std::vector<psd::ExactPoint> profilePoints(const BreakPointReport& profile) {
    std::vector<psd::ExactPoint> out;
    if (profile.rows.size() < 2) return out;
    for (const BreakPointRow& r : profile.rows) out.push_back({r.freq, r.psd});
    return out;
}

} // namespace tessomar::tools
