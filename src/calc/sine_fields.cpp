#include "calc/sine_fields.h"

#include "calc/units.h"

#include <array>
#include <cmath>

namespace tessomar::sine {

namespace {

// In the order of Param.
constexpr std::array<FieldRule, 4> kRules{{
    {kAccelLimit, "1000", 0, num::Pattern::Fixed2},
    {kVelLimit, "1000", units::kInchesPerMeter, num::Pattern::Fixed1},
    {kDispLimit, "100", units::kInchesPerMm, num::Pattern::Fixed3},
    {kFreqLimit, "20000", 0, num::Pattern::Fixed2},
}};

} // namespace

const FieldRule& fieldRule(Param p) { return kRules[static_cast<std::size_t>(p)]; }

Taken takeEntry(Param p, std::string_view typed, bool metric) {
    const FieldRule& rule = fieldRule(p);
    std::string text(typed);
    // A number too large for a double reads as the largest double, and so
    // lands on the limit like any other oversized entry.
    if (std::fabs(num::val(text)) > rule.limit) text = rule.limitText;
    const double number = std::fabs(num::val(text));
    Taken t;
    if (rule.metricFactor != 0 && metric) {
        t.text = num::format(number, kMetricPattern);
        t.stored = num::store(num::val(t.text) * rule.metricFactor);
        return t;
    }
    t.stored = num::store(number);
    t.text = num::format(t.stored, rule.pattern);
    t.stored = num::store(num::val(t.text));
    return t;
}

std::string velocityText(float vel, bool english) {
    return english ? num::format(vel, num::Pattern::Fixed1) : num::format(vel * units::kMetersPerInch, kMetricPattern);
}

std::string displacementText(float disp, bool english) {
    return english ? num::format(disp, num::Pattern::Fixed3) : num::format(disp * units::kMmPerInch, kMetricPattern);
}

FieldTexts fieldTexts(float accel, float vel, float disp, float freq, bool english) {
    return {num::format(accel, num::Pattern::Fixed2), velocityText(vel, english), displacementText(disp, english),
            num::format(freq, num::Pattern::Fixed2)};
}

} // namespace tessomar::sine
