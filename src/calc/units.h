#pragma once

// The units the calculators hold and show, each factor and caption named once
// and written as the window has always written it. None is worked out from
// another: 39.3701 is the window's own figure, not 1 / 0.0254, and changing
// one would change the bits of every value it touches.
namespace tessomar::units {

// Velocity and displacement are held in English units (in/s, in) in every
// unit system; Metric shows them in m/s and mm.
inline constexpr double kMetersPerInch = 0.0254; // in/s shown as m/s
inline constexpr double kMmPerInch = 25.4;       // in shown as mm

// A Metric entry, typed in m/s or mm, to the English unit held.
inline constexpr double kInchesPerMeter = 39.3701;
inline constexpr double kInchesPerMm = 0.0393701;

// Gravity as the relations and the integration take it (their factors are
// written out from it in their files), and the standard gravity that turns
// g into a force on a moving mass.
inline constexpr double kGravityInPerSec2 = 386.088;
inline constexpr double kStandardGravity = 9.80665; // m/s²

// The pound and the pound-force, exact by definition.
inline constexpr double kKgPerPound = 0.45359237;
inline constexpr double kNewtonsPerPoundForce = 4.4482216152605;

// The captions beside the value fields.
namespace caption {
inline constexpr const char* kAccelPeak = "g's pk";
inline constexpr const char* kAccelRms = "g's rms";
inline constexpr const char* kVelEnglish = "ips pk";
inline constexpr const char* kVelMetric = "mps pk";
inline constexpr const char* kDispEnglish = "in. p-p";
inline constexpr const char* kDispMetric = "mm p-p";
// The Metric button has always written the displacement's unit with a point.
inline constexpr const char* kDispMetricButton = "mm. p-p";
inline constexpr const char* kFrequency = "Hz";
inline constexpr const char* kDuration = "msec";
} // namespace caption

} // namespace tessomar::units
