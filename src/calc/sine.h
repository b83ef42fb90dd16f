#pragma once

#include <optional>
#include <string_view>

namespace tessomar::sine {

// The four sine parameters, named in the entry history by "A", "V", "D", "F".
enum class Param { Accel, Vel, Disp, Freq };

// The letter's parameter, or nothing when the text is not one of the four.
std::optional<Param> paramOf(std::string_view letter);

// The four values as held: acceleration in g's pk, velocity in in/s pk,
// displacement in in p-p, frequency in Hz (or the pulse duration in msec).
struct Values {
    double accel = 0;
    double vel = 0;
    double disp = 0;
    double freq = 0;
    double get(Param p) const;
};

// The two entered parameters that a relation starts from, in the order the
// tables list them and are searched.
enum class Pair { AD, AV, AF, VD, VF, FD };

// The row for the two entered letters, in either order; nothing when the
// letters do not name two different parameters.
std::optional<Pair> findPair(std::string_view last, std::string_view prior);

// One computed parameter.
struct Computed {
    Param param;
    double value;
};

// The two results of a relation, in the order they are stored.
struct Results {
    Computed first;
    Computed second;
};

// Sinusoidal motion, gravity taken as 386.088 in/s^2.
Results sineRelation(Pair pair, const Values& v);

// A classical shock pulse scales from a reference pulse of 10 g lasting
// 10 msec, whose peak velocity and peak-to-peak displacement are these.
struct ShockReference {
    double v0; // in/s
    double d0; // in
};
inline constexpr ShockReference kHalfSine{10.2287, 0.125};
inline constexpr ShockReference kTerminalPeak{8.044, 0.069};

enum class Pulse { HalfSine, TerminalPeak };
const ShockReference& shockReference(Pulse pulse);

Results shockRelation(Pair pair, const Values& v, const ShockReference& ref);

} // namespace tessomar::sine
