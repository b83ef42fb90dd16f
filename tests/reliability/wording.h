#pragma once

#include <cstdio>
#include <string>

namespace reliability {

// How the checker words numbers and texts in its messages.
inline std::string show(double v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    return buf;
}

inline std::string quoted(const std::string& s) { return "\"" + s + "\""; }

} // namespace reliability
