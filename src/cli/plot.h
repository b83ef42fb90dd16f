#pragma once

#include "cli/args.h"
#include "cli/random.h"

#include <string>

namespace tessomar::cli {

// The profile on log-log axes as a standalone SVG document: frequency in Hz
// across, PSD in g²/Hz up, one dot per break point, the overall g rms (and
// the level run at) in the title; the tolerance lines dashed and the
// responses' PSDs where asked for, each named in the legend.
std::string plotSvg(const RandomResult& result, const Request& request);

} // namespace tessomar::cli
