#pragma once

#include "calc/psd_exact.h"
#include "calc/report.h"

#include <string>
#include <vector>

namespace tessomar::tools {

// The line above the results of a form that reads the main window's table:
// where its profile comes from, and what it holds or why there is nothing
// to work out.
std::string liveProfileLine(const BreakPointReport& profile);

// The break points as the calculators take them, in frequency order; empty
// when there are fewer than two.
std::vector<psd::ExactPoint> profilePoints(const BreakPointReport& profile);

} // namespace tessomar::tools
