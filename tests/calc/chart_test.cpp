// The chart every front end draws: axes around the data in whole decades,
// the grid of each decade, where a value falls.
#include "calc/chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace chart = tessomar::chart;

namespace {

struct AxisCase {
    double min, max;
    int low, high;
    std::vector<std::string> labels;
};

TEST(Chart, AxesSpanWholeDecadesAroundTheDataWithTheirLabels) {
    const AxisCase cases[] = {
        {20, 2000, 1, 4, {"10", "100", "1000", "10000"}},
        {0.01f, 0.04, -2, -1, {"0.01", "0.1"}}, // 0.01 as 32 bits stands on its decade
        {0.0071, 0.04, -3, -1, {"0.001", "0.01", "0.1"}},
        {5, 5, 0, 1, {"1", "10"}}, // one value still gets a decade
    };
    for (const AxisCase& c : cases) {
        const chart::LogAxis a = chart::LogAxis::around(c.min, c.max, "t");
        EXPECT_EQ(a.low, c.low) << c.min;
        EXPECT_EQ(a.high, c.high) << c.max;
        std::vector<std::string> labels;
        int minors = 0;
        for (const chart::Tick& t : chart::ticks(a)) {
            // Each grid line where its logarithm falls across the decades.
            EXPECT_NEAR(t.at, (std::log10(t.value) - c.low) / (c.high - c.low), 1e-12);
            if (t.major)
                labels.push_back(t.label);
            else
                ++minors;
        }
        EXPECT_EQ(labels, c.labels);
        EXPECT_EQ(minors, 8 * (c.high - c.low));
    }
}

TEST(Chart, AProfileChartFollowsItsPointsAndNamesALegendOnlyForTwoSeries) {
    chart::Chart c = chart::profileChart({{20, 0.01}, {80, 0.04}, {350, 0.04}, {2000, 0.007}}, "6.06");
    EXPECT_EQ(c.title, "Acceleration PSD, 6.06 g rms");
    const auto span = [](const chart::LogAxis& a) { return std::pair{a.low, a.high}; };
    EXPECT_EQ(span(c.x), std::pair(1, 4));
    EXPECT_EQ(span(c.y), std::pair(-3, -1));
    EXPECT_FALSE(c.hasLegend());
    c.series.push_back({"+3 dB", chart::Ink::Alarm, true, false, {{20, 0.02}, {2000, 0.2}}});
    chart::fitAxes(c, "f", "p");
    EXPECT_EQ(c.y.high, 0); // the new line reaches past 0.1
    EXPECT_TRUE(c.hasLegend());
    // A point with no place on log axes (a PSD of 0 or below) breaks the
    // line and moves no axis; a chart without any gets an empty profile's frame.
    const chart::Chart odd = chart::profileChart({{20, 0.04}, {100, -0.5}, {200, 0.04}, {2000, 0.04}}, "0.00");
    EXPECT_EQ(span(odd.y), std::pair(-2, -1));
    EXPECT_EQ(odd.series[0].runs().size(), 2u);
    const chart::Chart empty = chart::profileChart({{20, 0}}, "0.00");
    EXPECT_EQ(span(empty.x), std::pair(1, 4)); // 10 to 2000 Hz
    EXPECT_EQ(span(empty.y), std::pair(-3, -1));
}

} // namespace
