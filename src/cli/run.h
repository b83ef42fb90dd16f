#pragma once

#include "cli/outcome.h"

#include <string>
#include <vector>

namespace tessomar::cli {

// The arguments' command run, or the --help text, or the one error line.
Outcome run(const std::vector<std::string>& args, const FileReader& read);

} // namespace tessomar::cli
