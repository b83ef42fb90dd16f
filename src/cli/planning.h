#pragma once

#include "calc/levels.h"
#include "calc/shaker.h"
#include "cli/args.h"
#include "cli/json.h"
#include "cli/random.h"

#include <string>
#include <vector>

// The random report's test planning: the level the profile is run at, the
// tolerance lines, the responses of single resonances, and the highest
// level the shaker allows.
namespace tessomar::cli {

using levels::dbText;

// The line that states the level run at; empty without --scale-db or --scale-to.
std::string scaleText(const Request& request, const RandomResult& result);

// The tables of the tolerance lines and of the responses; empty where not asked for.
std::string toleranceText(const Request& request, const RandomResult& result);
std::string responseText(const Request& request, const RandomResult& result);

// The highest level that every rating allows, and which rating stops it;
// empty without a shaker.
std::string headroomText(const Request& request, const RandomResult& result,
                         const std::vector<shaker::Margin>& margins);

// The same as JSON members.
void addPlanning(Members& members, const Request& request, const RandomResult& result,
                 const std::vector<shaker::Margin>& margins);

} // namespace tessomar::cli
