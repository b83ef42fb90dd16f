#pragma once

#include "calc/levels.h"
#include "calc/response.h"
#include "calc/shaker.h"
#include "calc/sine.h"
#include "cli/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessomar::cli {

enum class Command { Sine, Shock, Random, Sweep, SineProfile, Shaker };

// One value for a sine or shock field, as given on the command line.
struct Entry {
    char letter = 'A';   // A, V, D, or F (the duration T in the shock modes)
    std::string given;   // "V=0.1m/s", for messages
    std::string number;  // "0.1": what is typed into the field
    double value = 0;    // the number, in the unit given
    bool metric = false; // m/s or mm: typed with Metric units shown
};

// A resonance asked for with --response, and its words for messages.
struct ResponseAsked {
    response::Resonance resonance;
    std::string given; // "fn=150,Q=10"
};

// The level the profile is run at: N dB, or the level that gives G g rms.
struct Scale {
    double db = 0;
    std::optional<double> grms; // --scale-to
    std::string given;          // "--scale-db -3", for messages
};

struct Request {
    Command command = Command::Sine;
    sine::Pulse pulse = sine::Pulse::HalfSine;
    std::vector<Entry> entries; // two, sine and shock
    std::string profile;        // a path, or "-" for standard input
    double sigma = 3;
    std::optional<shaker::Shaker> shaker;
    std::string plot;                  // an SVG path, "-" for standard output, or empty
    std::vector<std::string> operands; // sweep, sine-profile and shaker: read by their commands
    bool linear = false;               // a sweep in a given time climbs by steady hertz
    bool json = false;
    bool exact = false; // values as given, in double precision
    std::vector<ResponseAsked> responses;
    std::optional<Scale> scale;
    std::optional<levels::Tolerance> tolerance;
    bool help = false;
};

// A request, or what is wrong with the arguments.
struct Parsed {
    Request request;
    std::optional<Error> error;
    bool ok() const { return !error; }
};

Parsed parse(const std::vector<std::string>& args);

// A plain decimal number with an optional exponent, and what follows it.
struct NumberAndUnit {
    double value = 0;
    std::string_view number, unit;
};
std::optional<NumberAndUnit> splitNumber(std::string_view text);

// The shaker's ratings by the key they are given with, in the order the
// help and the completion list them.
std::vector<std::string> ratingKeys();

// A rating given as KEY=VALUE, its key one of ratingKeys(): the value in its
// unit, checked against what shakers have; or what is wrong with it.
std::optional<shaker::Quantity> ratingValue(const std::string& item, std::string& what);

} // namespace tessomar::cli
