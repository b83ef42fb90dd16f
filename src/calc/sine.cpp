#include "calc/sine.h"

#include "calc/units.h"

#include <array>
#include <cmath>
#include <utility>

namespace tessomar::sine {

namespace {

// The constants as the calculator has always used them; results are
// compared against reference sheets built from these exact figures.
constexpr double kPi = 3.1415926;
constexpr double kHalfGravity = 193.044;       // 386.088 / 2
constexpr double kVelocityFactor = 61.4478137; // 386.088 / (2 pi)
constexpr double kDispFactor = 19.559447;      // 386.088 / (2 pi^2)
constexpr double kRootVel = 13.894027;         // sqrt(193.044)
constexpr double kRootFreq = 4.4226063;        // sqrt(2 * 386.088) / (2 pi)
static_assert(kHalfGravity == units::kGravityInPerSec2 / 2);

// Reference pulse: 10 g, 10 msec.
constexpr double kA0 = 10;
constexpr double kT0 = 10;

constexpr std::array<std::pair<Pair, std::pair<Param, Param>>, 6> kPairs{{
    {Pair::AD, {Param::Accel, Param::Disp}},
    {Pair::AV, {Param::Accel, Param::Vel}},
    {Pair::AF, {Param::Accel, Param::Freq}},
    {Pair::VD, {Param::Vel, Param::Disp}},
    {Pair::VF, {Param::Vel, Param::Freq}},
    {Pair::FD, {Param::Freq, Param::Disp}},
}};

double sq(double x) { return x * x; }

} // namespace

std::optional<Param> paramOf(std::string_view letter) {
    if (letter == "A") return Param::Accel;
    if (letter == "V") return Param::Vel;
    if (letter == "D") return Param::Disp;
    if (letter == "F") return Param::Freq;
    return std::nullopt;
}

double Values::get(Param p) const {
    switch (p) {
    case Param::Accel:
        return accel;
    case Param::Vel:
        return vel;
    case Param::Disp:
        return disp;
    case Param::Freq:
        return freq;
    }
    return 0;
}

std::optional<Pair> findPair(std::string_view last, std::string_view prior) {
    const auto a = paramOf(last);
    const auto b = paramOf(prior);
    if (!a || !b) return std::nullopt;
    for (const auto& [pair, params] : kPairs) {
        const auto [x, y] = params;
        if ((*a == x && *b == y) || (*a == y && *b == x)) return pair;
    }
    return std::nullopt;
}

Results sineRelation(Pair pair, const Values& v) {
    const double A = v.accel, V = v.vel, D = v.disp, F = v.freq;
    switch (pair) {
    case Pair::AD:
        return {{Param::Vel, std::sqrt(A * D) * kRootVel}, {Param::Freq, std::sqrt(A / D) * kRootFreq}};
    case Pair::AV:
        return {{Param::Disp, sq(V) / (A * kHalfGravity)}, {Param::Freq, A * kVelocityFactor / V}};
    case Pair::AF:
        return {{Param::Vel, A * kVelocityFactor / F}, {Param::Disp, A * kDispFactor / sq(F)}};
    case Pair::VD:
        return {{Param::Accel, sq(V) / (D * kHalfGravity)}, {Param::Freq, V / (D * kPi)}};
    case Pair::VF:
        return {{Param::Accel, V * F / kVelocityFactor}, {Param::Disp, V / (F * kPi)}};
    case Pair::FD:
        return {{Param::Accel, sq(F) * D / kDispFactor}, {Param::Vel, F * kPi * D}};
    }
    return {};
}

const ShockReference& shockReference(Pulse pulse) { return pulse == Pulse::TerminalPeak ? kTerminalPeak : kHalfSine; }

// Velocity scales with amplitude times duration, displacement with amplitude
// times duration squared: with the ratios below, v = a t and d = a t^2.
Results shockRelation(Pair pair, const Values& v, const ShockReference& ref) {
    const double a = v.accel / kA0;
    const double t = v.freq / kT0;
    const double vr = v.vel / ref.v0;
    const double d = v.disp / ref.d0;
    switch (pair) {
    case Pair::AD:
        return {{Param::Vel, ref.v0 * std::sqrt(d) * std::sqrt(a)}, {Param::Freq, kT0 / std::sqrt(a) * std::sqrt(d)}};
    case Pair::AV:
        return {{Param::Disp, ref.d0 * sq(vr) / a}, {Param::Freq, kT0 / a * vr}};
    case Pair::AF:
        return {{Param::Vel, ref.v0 * t * a}, {Param::Disp, ref.d0 * sq(t) * a}};
    case Pair::VD:
        return {{Param::Accel, kA0 / d * sq(vr)}, {Param::Freq, kT0 / vr * d}};
    case Pair::VF:
        return {{Param::Accel, kA0 / t * vr}, {Param::Disp, ref.d0 * t * vr}};
    case Pair::FD:
        return {{Param::Accel, kA0 / sq(t) * d}, {Param::Vel, ref.v0 / t * d}};
    }
    return {};
}

} // namespace tessomar::sine
