#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessomar::cli {

enum class Command { Sine, Shock, Random };
enum class Pulse { HalfSine, TerminalPeak };

// One value for a sine or shock field, as given on the command line.
struct Entry {
    char letter = 'A';   // A, V, D, or F (the duration T in the shock modes)
    std::string given;   // "V=0.1m/s", for messages
    std::string number;  // "0.1": what is typed into the field
    double value = 0;    // the number, in the unit given
    bool metric = false; // m/s or mm: typed with Metric units shown
};

// A shaker rating or the moving mass, in the unit it was given in.
struct Quantity {
    double value = 0;
    std::string unit;   // "in", "mm", "ips", "m/s", "N", "kN", "lbf", "kg", "lb"
    double perBase = 1; // units in one in, ips, N or kg
    double base() const { return value / perBase; }
};

// A shaker's data sheet: stroke (p-p), velocity (pk), the sine force (pk)
// and the random force (rms), each checked by the commands it applies to,
// and the moving mass (armature, fixture and load) that turns g into force.
struct Shaker {
    Quantity stroke, velocity;
    std::optional<Quantity> sineForce, randomForce, mass; // mass with at least one force
};

struct Request {
    Command command = Command::Sine;
    Pulse pulse = Pulse::HalfSine;
    std::vector<Entry> entries; // two, sine and shock
    std::string profile;        // a path, or "-" for standard input
    double sigma = 3;
    std::optional<Shaker> shaker;
    std::string plot; // an SVG path, "-" for standard output, or empty
    bool json = false;
    bool exact = false; // values as given, in double precision
    bool help = false;
};

// A request, or the one line that says what is wrong and where.
struct Parsed {
    Request request;
    std::string error;
    bool ok() const { return error.empty(); }
};

Parsed parse(const std::vector<std::string>& args);

// A plain decimal number with an optional exponent, and what follows it.
struct NumberAndUnit {
    double value = 0;
    std::string_view number, unit;
};
std::optional<NumberAndUnit> splitNumber(std::string_view text);

} // namespace tessomar::cli
