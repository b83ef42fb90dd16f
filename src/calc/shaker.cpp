#include "calc/shaker.h"

#include "calc/units.h"

namespace tessomar::shaker {

namespace {

// "0.000" and "-0.0" read as nothing at all.
bool readsAsZero(const std::string& text) { return text.find_first_of("123456789") == std::string::npos; }

} // namespace

Demand sineDemand(double accel, double vel, double disp) { return {disp, vel, accel * units::kStandardGravity, false}; }

Demand randomDemand(double grms, double vel, double disp) { return {disp, vel, grms * units::kStandardGravity, true}; }

Quantity movingMass(const MassParts& parts) {
    std::vector<const Quantity*> given;
    for (const auto* q : {&parts.armature, &parts.fixture, &parts.payload})
        if (*q) given.push_back(&**q);
    if (given.empty()) return {0, "kg", 1};
    bool sameUnit = true;
    double kg = 0, value = 0;
    for (const Quantity* q : given) {
        sameUnit = sameUnit && q->unit == given.front()->unit;
        kg += q->base();
        value += q->value;
    }
    if (sameUnit) return {value, given.front()->unit, given.front()->perBase};
    return {kg, "kg", 1};
}

Check check(const Shaker& shaker, const Demand& d) {
    Check out;
    auto add = [&](const char* name, double demandBase, const Quantity& rating) {
        Margin m{name, demandBase * rating.perBase, rating.value, rating.unit};
        if (rating.unit == "in") m.pattern = num::Pattern::Fixed3;
        if (rating.unit == "ips") m.pattern = num::Pattern::Fixed1;
        m.percent = 100 * (m.rating - m.demand) / m.rating;
        m.exceeded = m.demand > m.rating;
        out.margins.push_back(m);
    };
    add("stroke", d.disp, shaker.stroke);
    add("velocity", d.vel, shaker.velocity);
    const auto& force = d.random ? shaker.randomForce : shaker.sineForce;
    if (force) add(d.random ? "random-force" : "sine-force", shaker.mass->base() * d.forcePerKg, *force);
    out.forceOfOtherKind = !force && (d.random ? shaker.sineForce : shaker.randomForce);
    return out;
}

MarginTexts marginTexts(const Margin& m) {
    MarginTexts t{num::format(m.demand, m.pattern), num::format(m.rating, m.pattern),
                  num::format(m.percent, num::Pattern::Fixed1)};
    // A rating reads as given, whatever its digits.
    if (num::val(t.rating) != m.rating) t.rating = num::significant(m.rating, 9);
    // The demand shows as many digits as it takes to read above, below or at
    // its rating as it is.
    const auto misleads = [&] {
        const double demand = num::val(t.demand), rating = num::val(t.rating);
        return (demand > rating) != m.exceeded || ((demand == rating) != (m.demand == m.rating));
    };
    for (int digits = 1; misleads() && digits <= 17; ++digits) t.demand = num::significant(m.demand, digits);
    if (m.exceeded && readsAsZero(t.percent)) t.percent = num::significant(m.percent, 2);
    return t;
}

} // namespace tessomar::shaker
