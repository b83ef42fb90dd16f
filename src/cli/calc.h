#pragma once

#include "cli/request.h"
#include "frame/numbers.h"
#include "random/report.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessomar::cli {

// The four fields as the window shows them in one unit system.
struct FieldTexts {
    std::string accel, vel, disp, freq;
};

// What the Sine or Shock screen shows after the request's two entries.
struct SineResult {
    FieldTexts english, metric;
    float accel = 0, vel = 0, disp = 0, freq = 0; // stored: g pk, in/s pk, in p-p, Hz or msec
    std::vector<std::string> warnings;
    std::string error;
};
SineResult computeSine(const Request& request);

// What the Random screen holds for a profile, and the peak values at the
// request's sigma level.
struct RandomResult {
    BreakPointReport report; // at 3 sigma, as the window holds it
    float vel = 0, disp = 0; // at the requested sigma, English units
    std::string error;
};
// name is the profile's name in messages.
RandomResult computeRandom(std::string_view name, std::string_view text, double sigma);

// One shaker rating against what the profile asks of it, in the rating's unit.
struct Margin {
    std::string name; // "stroke", "velocity", "force"
    double demand = 0, rating = 0;
    std::string unit;
    num::Pattern pattern = num::Pattern::Fixed2; // for demand and rating
    double percent = 0;                          // of the rating left; below 0 when exceeded
    bool exceeded = false;
};
std::vector<Margin> margins(const Shaker& shaker, const RandomResult& result, double sigma);

// The acceleration of gravity for the force, in m/s².
inline constexpr double kStandardGravity = 9.80665;

} // namespace tessomar::cli
