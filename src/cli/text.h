#pragma once

#include "calc/numbers.h"
#include "calc/shaker.h"
#include "cli/args.h"

#include <string>
#include <string_view>
#include <vector>

// What the reports share: aligned columns, numbers as text, the shaker's lines.
namespace tessomar::cli {

// Rows in columns as wide as their widest cell, two blanks apart, so that no
// value runs into the next however long it is; align holds 'l' or 'r' per
// column.
using Cells = std::vector<std::string>;
std::string table(const std::vector<Cells>& rows, std::string_view align);

// The shortest decimal text that reads back as the same value.
std::string shortest(double value);
std::string shortest(float value);

// A value to so many significant digits (calc/numbers.h).
using num::significant;

// A margin's demand, rating and percent as shown (calc/shaker.h).
using shaker::MarginTexts;
using shaker::marginTexts;

// The shaker's table under its heading, and the line that sums it up; empty
// without a shaker.
std::string shakerText(const Request& request, const std::vector<shaker::Margin>& margins, const std::string& heading);

// The ratings that apply to the test; a force rating given only for the
// other kind of test is named in warnings.
std::vector<shaker::Margin> margins(const Request& request, const shaker::Demand& demand,
                                    std::vector<std::string>& warnings);

// The exit code of a run with these margins.
int codeOf(const std::vector<shaker::Margin>& margins);

// The warnings' lines on standard error.
std::string warningLines(const std::vector<std::string>& warnings);

} // namespace tessomar::cli
