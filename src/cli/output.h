#pragma once

#include "cli/calc.h"
#include "cli/request.h"

#include <string>
#include <vector>

namespace tessomar::cli {

// The reports on standard output: aligned text for a person, JSON for a
// script. JSON numbers are the stored values, or in Metric the products the
// window formats, each in the shortest form that reads back to the same
// bits; beside each stands the text the window shows.
std::string sineText(const Request& request, const SineResult& result);
std::string sineJson(const Request& request, const SineResult& result);
std::string randomText(const Request& request, const RandomResult& result, const std::vector<Margin>& margins);
std::string randomJson(const Request& request, const RandomResult& result, const std::vector<Margin>& margins);

// The shortest decimal text that reads back as the same value.
std::string shortest(double value);
std::string shortest(float value);

} // namespace tessomar::cli
