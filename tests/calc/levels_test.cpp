// Test levels against published figures, powers of ten written out, and the
// shaker check run again at the level found.
#include "calc/levels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace tessomar;
using levels::Band;
using levels::ExactPoint;

// Published: 6.06 g rms, 3 sigma 6.2 ips pk and 0.046 in p-p.
const std::vector<ExactPoint> kPublished{{20, 0.01}, {80, 0.04}, {350, 0.04}, {2000, 0.007}};

double grms(const std::vector<ExactPoint>& p) { return std::sqrt(psd::integrateExact(p).accel); }

// ±3 dB moves the g rms by 10^(±3/20): 1.41254 and 0.707946.
TEST(Levels, ScaleAPublishedProfileByThreeDecibels) {
    for (const auto& [db, ratio] : {std::pair{3.0, 1.41254}, {-3.0, 0.707946}, {0.0, 1.0}}) {
        EXPECT_NEAR(grms(levels::scaled(kPublished, db)), 6.06 * ratio, 0.005 * ratio) << db;
        EXPECT_NEAR(levels::scaled(kPublished, db)[1].psd, 0.04 * ratio * ratio, 1e-6) << db;
    }
    const double db = levels::dbToReach(grms(kPublished), 5);
    EXPECT_NEAR(grms(levels::scaled(kPublished, db)), 5, 1e-12);
}

TEST(Levels, FindTheFirstPointOutsideTheTable) {
    EXPECT_EQ(levels::firstOutsideTable(levels::scaled(kPublished, 44)), 1u);  // 0.04 x 25119 > 1000
    EXPECT_EQ(levels::firstOutsideTable(levels::scaled(kPublished, -39)), 3u); // 0.007 x 1.26e-4 < 1e-6
    EXPECT_EQ(levels::firstOutsideTable(levels::scaled(kPublished, 40)), std::nullopt);
    // The table's own limits are inside it.
    EXPECT_EQ(levels::firstOutsideTable({{20, 0.000001}, {2000, 1000}}), std::nullopt);
}

struct BandCase {
    const char* name;
    levels::Tolerance tolerance;
    std::string text;
    double want[4]; // alarm low and high, abort low and high at 0.04 g²/Hz; 0: no abort lines
};

const std::string kPm = "\xC2\xB1";
const BandCase kBands[] = {
    {"Symmetric",
     {{3, -3}, Band{6, -6}},
     kPm + "3 dB",
     {0.04 * 0.501187, 0.04 * 1.99526, 0.04 * 0.251189, 0.04 * 3.98107}},
    {"AlarmOnly", {{1.5, -1.5}, {}}, kPm + "1.5 dB", {0.04 * 0.707946, 0.04 * 1.41254, 0, 0}},
    {"Asymmetric",
     {{3, -2}, Band{6, -3}},
     "+3/-2 dB",
     {0.04 * 0.630957, 0.04 * 1.99526, 0.04 * 0.501187, 0.04 * 3.98107}},
};

TEST(Levels, PutTheToleranceLinesAtEachBreakPoint) {
    for (const BandCase& c : kBands) {
        SCOPED_TRACE(c.name);
        const auto b = levels::bandLevels(kPublished, c.tolerance).at(2);
        EXPECT_EQ(b.freq, 350);
        const double got[] = {b.alarmLow, b.alarmHigh, b.abortLow.value_or(0), b.abortHigh.value_or(0)};
        for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], c.want[i], 1e-7) << i;
        EXPECT_EQ(levels::bandText(c.tolerance.alarm), c.text);
        const auto lines = levels::toleranceSeries(kPublished, c.tolerance);
        ASSERT_EQ(lines.size(), c.tolerance.abort ? 4u : 2u);
        EXPECT_EQ(lines[0].name, "Alarm " + c.text);
        EXPECT_NEAR(lines[1].points[2].y, c.want[0], 1e-7);
        for (const auto& s : lines) EXPECT_TRUE(s.dashed);
    }
}

// At the highest level the limiting rating is met exactly and the others hold.
TEST(Levels, HighestLevelMeetsTheLimitingRatingExactly) {
    shaker::Shaker s{{1, "in", 1},
                     {50, "ips", 1},
                     {},
                     shaker::Quantity{1000, "lbf", 1 / 4.4482216152605},
                     shaker::Quantity{40, "lb", 1 / 0.45359237}};
    for (const double vel : {6.2, 30.0, 45.0}) {
        const auto before = shaker::check(s, shaker::randomDemand(6.06, vel, 0.046));
        const auto top = levels::highestLevel(before.margins).value();
        const double k = std::pow(10, top.db / 20);
        const auto at = shaker::check(s, shaker::randomDemand(6.06 * k, vel * k, 0.046 * k));
        for (const auto& m : at.margins) {
            EXPECT_GE(m.percent, -1e-9) << m.name;
            if (m.name == top.rating) {
                EXPECT_NEAR(m.percent, 0, 1e-9);
            }
        }
        EXPECT_EQ(top.rating, vel == 6.2 ? "random-force" : "velocity") << vel;
    }
}

} // namespace
