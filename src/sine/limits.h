#pragma once

namespace tessomar::sine {

// The most each value field takes, on the number as typed in the unit shown
// beside it (so a Metric velocity is limited to 1000 m/s); a larger number is
// replaced by the limit.
inline constexpr double kAccelLimit = 1000; // g's
inline constexpr double kVelLimit = 1000;   // ips, or m/s
inline constexpr double kDispLimit = 100;   // in, or mm
inline constexpr double kFreqLimit = 20000; // Hz, or msec in the shock modes

} // namespace tessomar::sine
