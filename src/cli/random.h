#pragma once

#include "calc/psd.h"
#include "calc/report.h"
#include "calc/response.h"
#include "cli/args.h"
#include "cli/outcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The random command.
namespace tessomar::cli {

// One break point with what its segment to the next point does.
struct PointRow {
    double freq = 0, psd = 0;    // Hz, g²/Hz
    std::optional<double> slope; // dB/oct; none for the last point
    std::optional<double> share; // percent of the g²; none for the last point or a segment left out
    psd::Gap gap = psd::Gap::None;
};

// A resonance's response to the profile run.
struct ResponseRow {
    response::Resonance resonance;
    response::Response values;
};

// What the Random screen holds for a profile, or with --exact the profile
// as given with every segment integrated, and the peak values at the
// request's sigma level (English units); with --scale-db or --scale-to the
// profile at that level, and the responses asked for.
struct RandomResult {
    bool exact = false;
    std::vector<PointRow> rows;
    double grms = 0, vel = 0, disp = 0;
    double scaleDb = 0;
    std::vector<ResponseRow> responses;
    std::vector<std::string> warnings;
    std::optional<Error> error;
};
// name is the profile's name in messages.
RandomResult computeRandom(std::string_view name, std::string_view text, const Request& request);

// The break points run, in frequency order.
std::vector<psd::ExactPoint> pointsOf(const RandomResult& result);

// The texts of break point i and of the overall results: the table's and
// the result boxes' patterns, or with --exact six significant digits.
BreakPointTexts rowTexts(const RandomResult& result, std::size_t i);
struct ResultTexts {
    std::string grms, velEnglish, dispEnglish, velMetric, dispMetric;
};
ResultTexts resultTexts(const RandomResult& result);

Outcome runRandom(const Request& request, const FileReader& read);

} // namespace tessomar::cli
