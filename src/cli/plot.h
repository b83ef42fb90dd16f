#pragma once

#include "cli/random.h"

#include <string>

namespace tessomar::cli {

// The profile on log-log axes as a standalone SVG document: frequency in Hz
// across, PSD in g²/Hz up, one dot per break point, the overall g rms in the
// title.
std::string plotSvg(const RandomResult& result);

} // namespace tessomar::cli
