#pragma once

#include "calc/numbers.h"
#include "calc/psd.h"
#include "cli/request.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessomar::cli {

// The four fields as the window shows them in one unit system.
struct FieldTexts {
    std::string accel, vel, disp, freq;
};

// What the Sine or Shock screen shows after the request's two entries, or
// with --exact the relations on the values as given, in double precision.
// Values are in g pk, in/s pk, in p-p and Hz or msec; without --exact each is
// a stored 32-bit value.
struct SineResult {
    bool exact = false;
    FieldTexts english, metric;
    double accel = 0, vel = 0, disp = 0, freq = 0;
    std::vector<std::string> taken;    // per entry, what the field took: "" as given, and none with --exact
    std::vector<std::string> warnings; // each a sentence, without the program's name
    std::string error;
};
SineResult computeSine(const Request& request);

// One break point with what its segment to the next point does.
struct PointRow {
    double freq = 0, psd = 0;    // Hz, g²/Hz
    std::optional<double> slope; // dB/oct; none for the last point
    std::optional<double> share; // percent of the g²; none for the last point or a segment left out
    psd::Gap gap = psd::Gap::None;
};

// What the Random screen holds for a profile, or with --exact the profile
// as given with every segment integrated, and the peak values at the
// request's sigma level (English units).
struct RandomResult {
    bool exact = false;
    std::vector<PointRow> rows;
    double grms = 0, vel = 0, disp = 0;
    std::vector<std::string> warnings;
    std::string error;
};
// name is the profile's name in messages.
RandomResult computeRandom(std::string_view name, std::string_view text, const Request& request);

// What a test asks of the shaker, English units: displacement p-p, velocity
// pk, and the force (sine or shock: peak; random: rms) per kilogram of
// moving mass, in newtons.
struct Demand {
    double disp = 0, vel = 0, forcePerKg = 0;
    bool random = false;
};
Demand demandOf(const SineResult& result);
Demand demandOf(const RandomResult& result);

// One shaker rating against what the test asks of it, in the rating's unit.
struct Margin {
    std::string name; // "stroke", "velocity", "sine-force", "random-force"
    double demand = 0, rating = 0;
    std::string unit;
    num::Pattern pattern = num::Pattern::Fixed2; // for demand and rating
    double percent = 0;                          // of the rating left; below 0 when exceeded
    bool exceeded = false;
};
// The ratings that apply to the test; a force rating that applies to the
// other kind of test is named in warnings.
std::vector<Margin> margins(const Shaker& shaker, const Demand& demand, std::vector<std::string>& warnings);

// The acceleration of gravity for the force, in m/s².
inline constexpr double kStandardGravity = 9.80665;

} // namespace tessomar::cli
