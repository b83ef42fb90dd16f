#pragma once

#include <string>
#include <vector>

// A log-log chart as every front end draws it: the command line writes it as
// SVG, the window paints it. Positions are fractions of the plotting area,
// so each front end places and styles them in its own units.
namespace tessomar::chart {

// Whole decades around the values, at least one. A value a hair off a
// decade, as 0.01 held in 32 bits is, stands on it rather than opening a
// decade of its own.
struct LogAxis {
    int low = 0, high = 1;
    std::string title;
    static LogAxis around(double min, double max, std::string title);
    // Where a value falls: 0 at 10^low, 1 at 10^high.
    double at(double value) const;
};

// A grid line: each decade (major, labelled as people write it on an axis:
// "0.01", "1", "100") and 2 to 9 times each decade below the top (minor).
struct Tick {
    double value = 0;
    double at = 0;
    bool major = false;
    std::string label; // empty on minor lines
};
std::vector<Tick> ticks(const LogAxis& axis);

// What a series shows; each front end picks its colours and pens for it.
enum class Ink { Profile, Response, Alarm, Abort };

struct Point {
    double x = 0, y = 0;
    // Only a point with both values above 0 has a place on log axes; a line
    // breaks where one has none (a PSD of 0 or below).
    bool drawable() const;
};

struct Series {
    std::string name; // its legend entry; empty: not in the legend
    Ink ink = Ink::Profile;
    bool dashed = false;
    bool markers = false; // a dot at each point
    std::vector<Point> points;
    // The runs of drawable points a line joins.
    std::vector<std::vector<Point>> runs() const;
};

// A text written at a point of the chart, such as what governs a segment:
// centred above it, or below and to the right of it, clear of a line that
// rises through the point.
struct Note {
    Point at;
    std::string text;
    enum class Place { Above, BelowRight } place = Place::Above;
};

struct Chart {
    std::string title;
    LogAxis x, y;
    std::vector<Series> series; // drawn in order, the last on top
    std::vector<Note> notes;
    std::vector<double> marks; // x values of dashed vertical lines (crossovers)
    // A legend is drawn when two or more series are named.
    bool hasLegend() const;
};

// The break points of a profile, PSD against frequency, each marked, with
// the overall g rms (as the window shows it) in the title.
Chart profileChart(const std::vector<Point>& points, const std::string& grms);

// Sets both axes around every drawable point of every series (and every
// mark); a chart with none gets the frame of an empty profile, 10 to 2000 Hz
// and 0.001 to 0.1.
void fitAxes(Chart& chart, std::string xTitle, std::string yTitle);

} // namespace tessomar::chart
