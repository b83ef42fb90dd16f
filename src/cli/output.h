#pragma once

#include "calc/report.h"
#include "cli/calc.h"
#include "cli/request.h"

#include <string>
#include <vector>

namespace tessomar::cli {

// The reports: aligned text for a person, JSON for a script. JSON numbers
// are the values computed (without --exact the stored 32-bit values, or in
// Metric the products the window formats), each in the shortest form that
// reads back to the same bits; beside each stands the text shown. The
// warnings are the result's, each printed on standard error as well.
std::string sineText(const Request& request, const SineResult& result, const std::vector<Margin>& margins);
std::string sineJson(const Request& request, const SineResult& result, const std::vector<Margin>& margins);
std::string randomText(const Request& request, const RandomResult& result, const std::vector<Margin>& margins);
std::string randomJson(const Request& request, const RandomResult& result, const std::vector<Margin>& margins);

// "half-sine" or "terminal-peak".
std::string pulseName(const Request& request);

// The shortest decimal text that reads back as the same value.
std::string shortest(double value);
std::string shortest(float value);

// A value to so many significant digits, trailing zeros dropped: "0.0015",
// "25.5591", "5000"; an exponent only far from 1 ("1.2e-09").
std::string significant(double value, int digits);

// The texts of break point i and of the overall results: the table's and
// the result boxes' patterns, or with --exact six significant digits.
BreakPointTexts rowTexts(const RandomResult& result, std::size_t i);
struct ResultTexts {
    std::string grms, velEnglish, dispEnglish, velMetric, dispMetric;
};
ResultTexts resultTexts(const RandomResult& result);

// A margin's demand, rating and percent as shown. An exceeded rating never
// reads as met: where the patterns would round the demand to the rating, or
// the margin to 0.0 %, more digits are shown.
struct MarginTexts {
    std::string demand, rating, percent;
};
MarginTexts marginTexts(const Margin& margin);

} // namespace tessomar::cli
