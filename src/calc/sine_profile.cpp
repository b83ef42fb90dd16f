#include "calc/sine_profile.h"

#include "calc/numbers.h"
#include "calc/units.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tessomar::sine_profile {

namespace {

using units::kGravityInPerSec2;
constexpr double kTwoPi = 2 * std::numbers::pi;

// The acceleration a limit allows grows as f^n; a(f) = c f^n.
int powerOf(Quantity q) { return q == Quantity::Displacement ? 2 : q == Quantity::Velocity ? 1 : 0; }
double coefficientOf(const Limit& l) { return motionOf(l, 1).accel; }

// A crossover this close to an end of the sweep is that end: the digits of
// a double cannot tell them apart.
constexpr double kSameFrequency = 1e-12;

// The frequency above which a limit of a shallower rise allows less than a
// steeper one.
double crossing(const Limit& steeper, const Limit& other) {
    return std::pow(coefficientOf(other) / coefficientOf(steeper),
                    1.0 / (powerOf(steeper.quantity) - powerOf(other.quantity)));
}

} // namespace

const char* nameOf(Quantity q) {
    switch (q) {
    case Quantity::Displacement:
        return "displacement";
    case Quantity::Velocity:
        return "velocity";
    case Quantity::Acceleration:
        return "acceleration";
    }
    return "";
}

std::vector<std::string> notes(const Profile& p) {
    std::vector<std::string> out;
    for (const auto& x : p.crossovers)
        out.push_back("Crossover at " + num::significant(x.freq, 4) + " Hz: " + nameOf(x.below) + " to " +
                      nameOf(x.above));
    if (p.crossovers.empty()) out.push_back("No crossover in the sweep.");
    for (const Limit& l : p.limits)
        if (!p.governs(l.quantity)) out.push_back(limitText(l) + " governs nowhere in the sweep.");
    return out;
}

std::string limitText(const Limit& l) {
    switch (l.quantity) {
    case Quantity::Displacement:
        return "D " + (l.metric ? num::significant(l.value * units::kMmPerInch, 6) + " mm p-p"
                                : num::significant(l.value, 6) + " in p-p");
    case Quantity::Velocity:
        return "V " + (l.metric ? num::significant(l.value * units::kMetersPerInch, 6) + " m/s pk"
                                : num::significant(l.value, 6) + " ips pk");
    case Quantity::Acceleration:
        break;
    }
    return "A " + num::significant(l.value, 6) + " g pk";
}

Motion motionOf(const Limit& l, double freq) {
    const double w = kTwoPi * freq;
    switch (l.quantity) {
    case Quantity::Displacement:
        return {w * w * l.value / 2 / kGravityInPerSec2, w * l.value / 2, l.value};
    case Quantity::Velocity:
        return {w * l.value / kGravityInPerSec2, l.value, 2 * l.value / w};
    case Quantity::Acceleration:
        break;
    }
    return {l.value, l.value * kGravityInPerSec2 / w, 2 * l.value * kGravityInPerSec2 / (w * w)};
}

const Limit& Profile::limitOf(Quantity q) const {
    return *std::find_if(limits.begin(), limits.end(), [&](const Limit& l) { return l.quantity == q; });
}

bool Profile::governs(Quantity q) const {
    return std::any_of(segments.begin(), segments.end(), [&](const Segment& s) { return s.governs == q; });
}

Profile plan(double from, double to, std::vector<Limit> limits) {
    Profile p;
    p.from = from, p.to = to;
    // Steepest first: where two allow the same at the start, the shallower
    // one is less just above it.
    std::sort(limits.begin(), limits.end(),
              [](const Limit& a, const Limit& b) { return powerOf(a.quantity) > powerOf(b.quantity); });
    p.limits = limits;
    const Limit* governing = &limits.front();
    for (const Limit& l : limits)
        if (motionOf(l, from).accel <= motionOf(*governing, from).accel) governing = &l;
    // Up the sweep: the governing limit gives way to the first shallower one
    // that falls under it.
    for (double f = from;;) {
        const Limit* next = nullptr;
        double at = to;
        for (const Limit& l : limits) {
            if (powerOf(l.quantity) >= powerOf(governing->quantity)) continue;
            const double c = crossing(*governing, l);
            if (c < at) next = &l, at = c;
        }
        if (!next || at >= to * (1 - kSameFrequency)) {
            p.segments.push_back({f, to, governing->quantity});
            break;
        }
        if (at > f * (1 + kSameFrequency)) {
            p.segments.push_back({f, at, governing->quantity});
            p.crossovers.push_back({at, governing->quantity, next->quantity});
            f = at;
        } else if (!p.crossovers.empty()) {
            p.crossovers.back().above = next->quantity; // three limits meet at one frequency
        }
        governing = next;
    }
    // Each quantity is a power of f on each segment: its most is at an end of one.
    const auto most = [&](double Motion::*m) {
        double out = 0;
        for (const Segment& s : p.segments)
            for (double f : {s.from, s.to}) out = std::max(out, motionOf(p.limitOf(s.governs), f).*m);
        return out;
    };
    p.peak = {most(&Motion::accel), most(&Motion::vel), most(&Motion::disp)};
    return p;
}

chart::Chart chartOf(const Profile& p) {
    chart::Chart c;
    chart::Series line{"Profile", chart::Ink::Profile, false, false, {}};
    // A power of f is a straight line on log-log axes: its ends draw it.
    for (const Segment& s : p.segments) {
        const Limit& l = p.limitOf(s.governs);
        if (line.points.empty()) line.points.push_back({s.from, motionOf(l, s.from).accel});
        line.points.push_back({s.to, motionOf(l, s.to).accel});
        const double middle = std::sqrt(s.from * s.to);
        const auto place =
            s.governs == Quantity::Acceleration ? chart::Note::Place::Above : chart::Note::Place::BelowRight;
        c.notes.push_back({{middle, motionOf(l, middle).accel}, limitText(l), place});
    }
    for (const Crossover& x : p.crossovers) c.marks.push_back(x.freq);
    c.series.push_back(std::move(line));
    c.title = "Sine profile, " + num::significant(p.from, 6) + " to " + num::significant(p.to, 6) + " Hz, peak " +
              num::significant(p.peak.accel, 4) + " g";
    chart::fitAxes(c, "Frequency (Hz)", "Acceleration (g pk)");
    // Room above the highest segment for its label.
    if (c.y.at(p.peak.accel) > 0.9) ++c.y.high;
    return c;
}

} // namespace tessomar::sine_profile
