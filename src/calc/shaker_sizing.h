#pragma once

#include "calc/shaker.h"

#include <optional>

// What a shaker can do with what it moves: the most acceleration its force
// ratings give the moving mass, or the heaviest payload that still reaches
// an acceleration. Force is mass times acceleration, with g the standard
// gravity.
namespace tessomar::shaker {

struct SizingAsked {
    std::optional<Quantity> sineForce, randomForce; // a peak and an rms rating; at least one
    MassParts parts;                                // the moving mass: the armature, or all that moves, with the rest
    std::optional<double> accel;                    // g pk: the payload is to be found, the sine force given
    double derate = 1;                              // the share of each rating used, above 0, at most 1
};

struct Sizing {
    Quantity movingMass;              // with the payload found, where one is
    std::optional<double> sineAccel;  // g pk, the most the sine force gives it
    std::optional<double> randomGrms; // g rms, the most the random force gives it
    // With an acceleration asked: the heaviest payload that reaches it (in
    // the unit of the armature and fixture), and whether there is one at
    // all; when not, the moving mass and accelerations are those without it.
    std::optional<Quantity> payload;
    bool reached = true;
};
Sizing size(const SizingAsked& asked);

} // namespace tessomar::shaker
