#pragma once

#include "cli/args.h"
#include "cli/outcome.h"

// The commands that plan a sine test: each reads its own operands.
namespace tessomar::cli {

Outcome runSweep(const Request& request, const FileReader& read);
Outcome runSineProfile(const Request& request, const FileReader& read);
Outcome runShakerSizing(const Request& request, const FileReader& read);

} // namespace tessomar::cli
