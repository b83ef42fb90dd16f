#pragma once

#include "calc/chart.h"

#include <cstddef>
#include <string>
#include <vector>

// A sine test as standards write it, "0.1 in double amplitude or 10 g,
// whichever is less": constant displacement, velocity or acceleration, the
// least of them at each frequency of the sweep. Sine kinematics with g as
// the relations take it (386.088 in/s²) and exact pi.
namespace tessomar::sine_profile {

// In the order they govern as the frequency rises: at a fixed displacement
// the acceleration grows as f², at a fixed velocity as f, and not at all
// at a fixed acceleration.
enum class Quantity { Displacement, Velocity, Acceleration };
const char* nameOf(Quantity quantity); // "displacement"

// A constant displacement (in p-p), velocity (in/s pk) or acceleration (g
// pk), held in English units; metric: given, and shown, in mm or m/s.
struct Limit {
    Quantity quantity = Quantity::Acceleration;
    double value = 0;
    bool metric = false;
};
// A limit as given: "D 0.5 in p-p", "V 0.5 m/s pk", "A 3 g pk".
std::string limitText(const Limit& limit);

// The motion of a sine: acceleration g pk, velocity in/s pk, displacement in p-p.
struct Motion {
    double accel = 0, vel = 0, disp = 0;
};
Motion motionOf(const Limit& limit, double freq);

struct Segment {
    double from = 0, to = 0; // Hz
    Quantity governs = Quantity::Acceleration;
};

// Where the profile passes from one limit to the next, rising in frequency.
struct Crossover {
    double freq = 0;
    Quantity below = Quantity::Displacement, above = Quantity::Acceleration;
};

struct Profile {
    double from = 0, to = 0; // Hz
    std::vector<Limit> limits;
    std::vector<Segment> segments; // from the start of the sweep to its end
    std::vector<Crossover> crossovers;
    Motion peak; // the most of each over the sweep, each where it is reached
    const Limit& limitOf(Quantity quantity) const;
    bool governs(Quantity quantity) const; // somewhere in the sweep
};

// The caller gives a range without a problem (sweep::rangeProblem) and one
// to three limits, each of its own quantity, with values above 0.
Profile plan(double from, double to, std::vector<Limit> limits);

// What is said of a profile under its segments: each crossover ("Crossover
// at 13.99 Hz: displacement to acceleration") or that there is none, and
// each limit that governs nowhere.
std::vector<std::string> notes(const Profile& profile);

// Acceleration against frequency, log-log: the profile, each segment
// labelled by the limit that governs it, the crossovers marked.
chart::Chart chartOf(const Profile& profile);

} // namespace tessomar::sine_profile
