#include "calc/shaker_sizing.h"

#include "calc/units.h"

namespace tessomar::shaker {

namespace {

// The most acceleration, in g, that a force rating in newtons gives a mass in kilograms.
double most(const Quantity& force, double derate, double kg) {
    return derate * force.base() / (kg * units::kStandardGravity);
}

} // namespace

Sizing size(const SizingAsked& asked) {
    Sizing out;
    MassParts parts = asked.parts;
    if (asked.accel) {
        const Quantity carried = movingMass(parts); // the armature and fixture
        const double kg = asked.derate * asked.sineForce->base() / (*asked.accel * units::kStandardGravity);
        const double payloadKg = kg - carried.base();
        out.payload = Quantity{payloadKg * carried.perBase, carried.unit, carried.perBase};
        out.reached = payloadKg > 0;
        if (out.reached) parts.payload = out.payload;
    }
    out.movingMass = movingMass(parts);
    const double kg = out.movingMass.base();
    if (asked.sineForce) out.sineAccel = most(*asked.sineForce, asked.derate, kg);
    if (asked.randomForce) out.randomGrms = most(*asked.randomForce, asked.derate, kg);
    return out;
}

} // namespace tessomar::shaker
