#pragma once

#include "calc/chart.h"

#include <string>

namespace tessomar::chart {

// A chart as a standalone SVG document of 640 × 440 units: grid lines at
// every decade (fainter ones between), each series as a line (dashed where
// asked) with a dot at each point where asked, notes, marks, and a legend
// when two or more series are named. Numbers with a "." whatever the locale.
std::string svg(const Chart& chart);

} // namespace tessomar::chart
