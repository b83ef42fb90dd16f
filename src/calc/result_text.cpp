#include "calc/result_text.h"

#include "calc/numbers.h"
#include "calc/units.h"

#include <cmath>

namespace tessomar::psd {

namespace {

using units::kMetersPerInch;
using units::kMmPerInch;

// A 32-bit result carries about seven significant digits: past 1e15 its text
// would be mostly noise, and only frequencies far below what the table can
// show (0.01 Hz) reach it.
constexpr double kLargestShown = 1e15;

// The test is on the stored value, so both unit systems agree on it.
std::string show(float stored, double shown, num::Pattern pattern) {
    const bool meaningful = std::isfinite(shown) && std::fabs(stored) < kLargestShown;
    return meaningful ? num::format(shown, pattern) : kNoResult;
}

} // namespace

std::string grmsText(float grms) { return show(grms, grms, num::Pattern::Fixed2); }

std::string velText(float vel, bool english) {
    return english ? show(vel, vel, num::Pattern::Fixed1) : show(vel, vel * kMetersPerInch, num::Pattern::Fixed2);
}

std::string dispText(float disp, bool english) {
    return english ? show(disp, disp, num::Pattern::Fixed3) : show(disp, disp * kMmPerInch, num::Pattern::Fixed2);
}

} // namespace tessomar::psd
