#pragma once

#include "calc/chart.h"
#include "calc/psd_exact.h"
#include "calc/shaker.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Test levels against a reference profile: the profile at N dB (acceptance
// at -6 dB, qualification at +3 dB), the tolerance lines around it, and how
// far a shaker lets it go.
namespace tessomar::levels {

using psd::ExactPoint;

// A level in dB as the factor on every PSD, 10^(dB / 10); g rms, velocity
// and displacement change by its square root.
double psdFactor(double db);

// The level that takes a profile of grms to target g rms.
double dbToReach(double grms, double target);

// The profile with every PSD at db, unrounded.
std::vector<ExactPoint> scaled(const std::vector<ExactPoint>& points, double db);

// The first point whose PSD lies outside the break-point table's range,
// 0.000001 to 1000 g²/Hz; none when every point lies inside.
std::optional<std::size_t> firstOutsideTable(const std::vector<ExactPoint>& points);

// Lines around the profile, in dB: up above 0, down below 0.
struct Band {
    double up = 0, down = 0;
};
// The alarm lines and, where given, the abort lines outside them.
struct Tolerance {
    Band alarm;
    std::optional<Band> abort;
};

// "±3 dB", or "+3/-2 dB" for a band that is not symmetric.
std::string bandText(const Band& band);

// The lines' levels at one break point, g²/Hz.
struct BandLevels {
    double freq = 0, psd = 0;
    double alarmLow = 0, alarmHigh = 0;
    std::optional<double> abortLow, abortHigh;
};
std::vector<BandLevels> bandLevels(const std::vector<ExactPoint>& points, const Tolerance& tolerance);

// The lines as a chart draws them: dashed, the alarm's then the abort's,
// each pair named once in the legend ("Alarm ±3 dB").
std::vector<chart::Series> toleranceSeries(const std::vector<ExactPoint>& points, const Tolerance& tolerance);

// The highest level, in dB above the run the margins were worked out for,
// at which every rating still holds, and the rating that stops it there.
// Stroke, velocity and force all grow as the square root of the PSD, so
// each allows 20 log10(rating / demand); the least of them decides. None
// when no rating has a demand.
struct Headroom {
    double db = 0;
    std::string rating; // "stroke", "velocity", "random-force"
};
std::optional<Headroom> highestLevel(const std::vector<shaker::Margin>& margins);

// A highest level as shown: rounded down, so that the level printed still fits.
double roundedDown(double db);

// A level as reports write it: "+3.00", "-1.68", "0.00".
std::string dbText(double db);

} // namespace tessomar::levels
