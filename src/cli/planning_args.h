#pragma once

#include "cli/args.h"
#include "cli/outcome.h"

#include <optional>
#include <string>
#include <string_view>

// The random command's planning options: --response, --scale-db,
// --scale-to and --tolerance.
namespace tessomar::cli {

bool isPlanningOption(std::string_view name);

// Reads the option's value into the request; what is wrong when it does not read.
std::optional<Error> readPlanningOption(const std::string& name, const std::string& value, Request& request);

} // namespace tessomar::cli
