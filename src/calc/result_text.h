#pragma once

#include <string>

namespace tessomar::psd {

// What a result box shows when its value has no meaning as a number: a sum
// below zero (negative PSD values), or a value of 1e15 or more (beyond the
// 32-bit range, or past any digit a 32-bit value can stand behind).
inline constexpr const char* kNoResult = "----";

// The three overall results as their boxes show them, from the stored
// English values: English "0.00", "0.0", "0.000"; Metric "0.00" each, the
// velocity in m/s and the displacement in mm.
std::string grmsText(float grms);
std::string velText(float velInPerSec, bool english);
std::string dispText(float dispInches, bool english);

} // namespace tessomar::psd
