#include "random/result_text.h"

#include "frame/numbers.h"

#include <cmath>

namespace tessomar::psd {

namespace {

constexpr double kMetersPerInch = 0.0254;
constexpr double kMmPerInch = 25.4;

// A 32-bit result carries about seven significant digits: past 1e15 its text
// would be mostly noise, and only frequencies far below what the table can
// show (0.01 Hz) reach it.
constexpr double kLargestShown = 1e15;

std::string show(double value, num::Pattern pattern) {
    return std::isfinite(value) && std::fabs(value) < kLargestShown ? num::format(value, pattern) : kNoResult;
}

} // namespace

std::string grmsText(float grms) { return show(grms, num::Pattern::Fixed2); }

std::string velText(float vel, bool english) {
    return english ? show(vel, num::Pattern::Fixed1) : show(vel * kMetersPerInch, num::Pattern::Fixed2);
}

std::string dispText(float disp, bool english) {
    return english ? show(disp, num::Pattern::Fixed3) : show(disp * kMmPerInch, num::Pattern::Fixed2);
}

} // namespace tessomar::psd
