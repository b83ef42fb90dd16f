#pragma once

#include "calc/sine_fields.h"
#include "cli/args.h"
#include "cli/outcome.h"

#include <optional>
#include <string>
#include <vector>

// The sine and shock commands.
namespace tessomar::cli {

// What the Sine or Shock screen shows after the request's two entries, or
// with --exact the relations on the values as given, in double precision.
// Values are in g pk, in/s pk, in p-p and Hz or msec; without --exact each is
// a stored 32-bit value.
struct SineResult {
    bool exact = false;
    sine::FieldTexts english, metric;
    double accel = 0, vel = 0, disp = 0, freq = 0;
    std::vector<std::string> taken;    // per entry, what the field took: "" as given, and none with --exact
    std::vector<std::string> warnings; // each a sentence, without the program's name
    std::optional<Error> error;
};
SineResult computeSine(const Request& request);

Outcome runSine(const Request& request, const FileReader& read);

} // namespace tessomar::cli
