#include "tools/sine_profile.h"

#include "calc/numbers.h"
#include "calc/sine_profile.h"
#include "calc/units.h"

namespace tessomar::tools {

namespace {

using num::significant;
using sine_profile::Quantity;

// Fields 0 and 1 are the range; then one per quantity, in the order of Quantity.
constexpr std::size_t kFirstLimit = 2;

// Each limit as typed in a unit system: its unit, its range, and the value
// in the English unit held.
struct Entry {
    const char* unit;
    double low, high, perInch;
};
Entry entryOf(Quantity q, bool english) {
    switch (q) {
    case Quantity::Displacement:
        return english ? Entry{"in p-p", 0.001, 100, 1} : Entry{"mm p-p", 0.01, 2500, units::kMmPerInch};
    case Quantity::Velocity:
        return english ? Entry{"ips pk", 0.01, 1000, 1} : Entry{"m/s pk", 0.001, 25, units::kMetersPerInch};
    case Quantity::Acceleration:
        break;
    }
    return {"g pk", 0.001, 10000, 1};
}

std::string hz(double f) { return significant(f, 4); }

std::vector<std::string> lines(const sine_profile::Profile& p, bool english) {
    std::vector<std::string> out;
    for (const auto& s : p.segments)
        out.push_back(hz(s.from) + " to " + hz(s.to) + " Hz: " + nameOf(s.governs) + ", " +
                      limitText(p.limitOf(s.governs)));
    for (std::string& note : notes(p)) out.push_back(std::move(note));
    const double vel = english ? p.peak.vel : p.peak.vel * units::kMetersPerInch;
    const double disp = english ? p.peak.disp : p.peak.disp * units::kMmPerInch;
    out.push_back("Peak acceleration: " + significant(p.peak.accel, 4) + " g pk");
    out.push_back("Peak velocity: " + significant(vel, 4) + (english ? " ips pk" : " m/s pk"));
    out.push_back("Peak displacement: " + significant(disp, 4) + (english ? " in p-p" : " mm p-p"));
    return out;
}

} // namespace

SineProfile::SineProfile(const Tessomar& main)
    : RangeForm(main, kUnits,
                {{"From", "&From:", "Hz", "", ""},
                 {"To", "&To:", "Hz", "", ""},
                 {"Displacement", "&Displacement (D):", "", "", ""},
                 {"Velocity", "&Velocity (V):", "", "", ""},
                 {"Acceleration", "&Acceleration (A):", "", "", ""}}) {
    start();
}

void SineProfile::update() {
    m_results.clear();
    const bool english = this->english();
    const auto range = this->range();
    // Each limit may be left out; one alone is a profile too.
    std::vector<sine_profile::Limit> limits;
    bool refused = false;
    for (const Quantity q : {Quantity::Displacement, Quantity::Velocity, Quantity::Acceleration}) {
        const std::size_t i = kFirstLimit + static_cast<std::size_t>(q);
        const Entry e = entryOf(q, english);
        field(i).unit = e.unit;
        if (blank(i)) continue;
        const auto v = number(i, e.low, e.high);
        if (v) limits.push_back({q, *v / e.perInch, !english});
        refused = refused || !v;
    }
    if (!range || refused) return;
    if (limits.empty()) {
        m_results.push_back("Enter at least one limit: a displacement, a velocity or an acceleration.");
        return;
    }
    m_results = lines(sine_profile::plan(range->first, range->second, limits), english);
}

} // namespace tessomar::tools
