#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tessomar {

// The one record of working data, shared by every handler of the window.
// Floats are what gets stored; computation happens in double and is rounded
// on the way in. Flags are -1 (true) or 0 (false).
struct FormState {
    float SineAccel = 0;  // g's pk
    float RandomGrms = 0; // g's rms
    float SineVel = 0;    // in/s pk, English in every unit system
    float RandomVel = 0;  // in/s pk, 3 sigma
    float SineDisp = 0;   // in p-p, English in every unit system
    float RandomDisp = 0; // in p-p, 3 sigma
    float ScaleFactor = 0;
    float SineFreq = 0;            // Hz, or the pulse duration in msec in the shock modes
    std::int16_t EnglishUnits = 0; // -1 English, 0 Metric
    std::int16_t CalcMode = 0;     // the calculator on screen: mode::kRandom, ...
    std::string LastEntry;         // "A", "V", "D", "F" or empty
    std::string PriorEntry;
    std::array<float, 52> BkFreq{}; // entries 1..50; 0 and 51 are guard slots holding 0
    std::array<float, 52> BkPsd{};
    std::int16_t EditRow = 0;
    std::int16_t FocusRow = 0;
    std::int16_t EntryPending = 0;

    friend bool operator==(const FormState&, const FormState&) = default;
};

inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The values of FormState::CalcMode. Any other value runs no
// calculation.
namespace mode {
inline constexpr std::int16_t kRandom = 0;
inline constexpr std::int16_t kSine = 1;
inline constexpr std::int16_t kHalfSine = 2;     // shock
inline constexpr std::int16_t kTerminalPeak = 3; // shock
} // namespace mode

} // namespace tessomar
