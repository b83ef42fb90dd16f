#pragma once

#include <string>

namespace tessomar {

// The help panels' texts, lines joined by CR LF, no line break at the end.
std::string sineHelpText();
std::string randomHelpText();

} // namespace tessomar
