#pragma once

#include "calc/numbers.h"

#include <optional>
#include <string>
#include <vector>

// A test against a shaker's data sheet.
namespace tessomar::shaker {

// A rating or the moving mass, in the unit it was given in.
struct Quantity {
    double value = 0;
    std::string unit;   // "in", "mm", "ips", "m/s", "N", "kN", "lbf", "kg", "lb"
    double perBase = 1; // units in one in, ips, N or kg
    double base() const { return value / perBase; }
};

// Stroke (p-p), velocity (pk), the sine force (pk) and the random force
// (rms), each checked by the tests it applies to, and the moving mass
// (armature, fixture and load) that turns g into force.
struct Shaker {
    Quantity stroke, velocity;
    std::optional<Quantity> sineForce, randomForce, mass; // mass with at least one force
};

// The moving mass as a data sheet and a fixture drawing give it: the
// armature's, with the fixture and the payload riding on it. Their sum, in
// the unit they share, or in kilograms when they mix units.
struct MassParts {
    std::optional<Quantity> armature, fixture, payload;
};
Quantity movingMass(const MassParts& parts);

// What a test asks of the shaker, English units: displacement p-p, velocity
// pk, and the force (sine or shock: peak; random: rms) per kilogram of
// moving mass, in newtons.
struct Demand {
    double disp = 0, vel = 0, forcePerKg = 0;
    bool random = false;
};
Demand sineDemand(double accelPeak, double velPeak, double dispPeakToPeak);
Demand randomDemand(double grms, double velPeak, double dispPeakToPeak);

// One rating against what the test asks of it, in the rating's unit.
struct Margin {
    std::string name; // "stroke", "velocity", "sine-force", "random-force"
    double demand = 0, rating = 0;
    std::string unit;
    num::Pattern pattern = num::Pattern::Fixed2; // for demand and rating
    double percent = 0;                          // of the rating left; below 0 when exceeded
    bool exceeded = false;
};

// The ratings that apply to the test, and whether the only force rating
// given is the other kind of test's (a peak rating for a random test, or an
// rms rating for a sine or shock test), which is then not checked.
struct Check {
    std::vector<Margin> margins;
    bool forceOfOtherKind = false;
};
Check check(const Shaker& shaker, const Demand& demand);

// A margin's demand, rating and percent as shown. An exceeded rating never
// reads as met: where the patterns would round the demand to the rating, or
// the margin to 0.0 %, more digits are shown.
struct MarginTexts {
    std::string demand, rating, percent;
};
MarginTexts marginTexts(const Margin& margin);

} // namespace tessomar::shaker
