#include "tools/response.h"

#include "calc/numbers.h"
#include "calc/profile.h"
#include "calc/response.h"
#include "calc/units.h"
#include "tools/live_profile.h"

namespace tessomar::tools {

namespace {

using num::significant;

// Four digits, as the command shows a response.
std::string digits(double v) { return significant(v, 4); }

} // namespace

Response::Response(const Tessomar& main)
    : FormTool(main, kUnits | kProfile,
               {{"NaturalFrequency", "&Natural frequency:", "Hz", "", ""},
                {"Q", "&Q:", "", "10", ""},
                {"Sigma", "&Sigma:", "", "3", ""}}) {
    start();
}

void Response::update() {
    m_results.clear();
    // A resonance past the table's highest frequency no profile can drive.
    const auto fn = above(kFn, 0, profile::kMaxFreq);
    const auto q = above(kQ, 0, 1000), sigma = above(kSigma, 0, 1000);
    const std::vector<psd::ExactPoint> points = profilePoints(profile());
    m_results.push_back(liveProfileLine(profile()));
    if (!fn || points.empty()) return;
    if (!response::psdAt(points, *fn)) {
        field(kFn).reason = "Outside the profile, " + significant(points.front().freq, 6) + " to " +
                            significant(points.back().freq, 6) + " Hz";
        return;
    }
    const auto r = q && sigma ? response::respond(points, {*fn, *q}) : std::nullopt;
    if (!r) return;
    const bool en = english();
    const double toUnit = en ? 1 : units::kMmPerInch;
    const char* unit = en ? "in" : "mm";
    const std::string at = " at " + significant(*sigma, 6) + " sigma";
    m_results.push_back("PSD at fn: " + digits(r->psdAtFn) + " g\xC2\xB2/Hz");
    const auto lines = [&](const char* by, double grms, double disp) {
        m_results.push_back("Acceleration, " + std::string(by) + ": " + digits(grms) + " g rms, " +
                            digits(*sigma * grms) + " g pk" + at);
        m_results.push_back("Relative displacement, " + std::string(by) + ": " + digits(disp * toUnit) + " " + unit +
                            " rms, " + digits(*sigma * disp * toUnit) + " " + unit + " pk" + at);
    };
    lines("Miles", r->milesGrms, r->milesDisp);
    lines("exact", r->grms, r->disp);
    if (!(r->error <= response::kAccuracy))
        m_results.push_back("The exact response is good to " + significant(r->error, 2) + " of its value only");
}

} // namespace tessomar::tools
