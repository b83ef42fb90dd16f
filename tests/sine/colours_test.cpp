// The entry history painted on the four fields.
#include "frame/tessomar.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace {

using tessomar::Tessomar;

constexpr tk::Color G = 0xDDFFDB; // pale green: entered last
constexpr tk::Color Y = 0xE1FFFD; // pale yellow: entered before it
constexpr tk::Color W = 0xFFFFFF; // white: calculated
constexpr tk::Color Untouched = 0x123456;

using Colours = std::array<tk::Color, 4>; // Acceleration, Velocity, Displacement, Frequency

Colours colours(const Tessomar& w) {
    return {w.Acceleration.BackColor, w.Velocity.BackColor, w.Displacement.BackColor, w.Frequency.BackColor};
}

struct MarkCase {
    int mode;
    const char* last;
    const char* prior;
    Colours expected;
};

void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.mode << " " << c.last << c.prior; }

const MarkCase kMarks[] = {
    {1, "", "", {W, W, W, W}},
    {1, "A", "", {G, W, W, W}},
    {1, "V", "A", {Y, G, W, W}},
    {1, "F", "D", {W, W, Y, G}},
    {2, "D", "F", {W, W, G, Y}},
    {3, "A", "V", {G, Y, W, W}},
    // Random mode: the first three show results; Frequency is left alone.
    {0, "V", "A", {W, W, W, Untouched}},
    {0, "F", "D", {W, W, W, Untouched}},
};

class MarkEntries : public testing::TestWithParam<MarkCase> {};

TEST_P(MarkEntries, PaintsLastGreenPriorYellowOthersWhite) {
    const MarkCase& c = GetParam();
    Tessomar w;
    for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency}) box->BackColor = Untouched;
    w.fs.CalcMode = static_cast<std::int16_t>(c.mode);
    w.fs.LastEntry = c.last;
    w.fs.PriorEntry = c.prior;
    w.MarkEntries();
    EXPECT_EQ(colours(w), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Modes, MarkEntries, testing::ValuesIn(kMarks));

// ---- Colours after entries typed by the user ----

struct HistoryCase {
    const char* name;
    std::vector<std::pair<char, const char*>> entries; // field letter, typed text
    const char* last;
    const char* prior;
    Colours expected;
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

const HistoryCase kHistories[] = {
    {"AccelerationOnly", {{'A', "250"}}, "A", "", {G, W, W, W}},
    {"AccelerationThenFrequency", {{'A', "250"}, {'F', "50"}}, "F", "A", {Y, W, W, G}},
    {"SameFieldTwiceKeepsThePrior", {{'A', "250"}, {'F', "50"}, {'F', "60"}}, "F", "A", {Y, W, W, G}},
    {"AccelerationTwiceHasNoPrior", {{'A', "250"}, {'A', "300"}}, "A", "", {G, W, W, W}},
    {"BackToThePriorSwapsThem", {{'A', "250"}, {'F', "50"}, {'A', "100"}}, "A", "F", {G, W, W, Y}},
    {"ThirdFieldDropsTheOldest", {{'A', "250"}, {'F', "50"}, {'V', "10"}}, "V", "F", {W, G, W, Y}},
    {"NoNumberMovesNothing", {{'A', "250"}, {'D', "abc"}}, "A", "", {G, W, W, W}},
    {"OverLimitStillCounts", {{'D', "500"}, {'V', "5000"}}, "V", "D", {W, G, Y, W}},
    {"RoundedToZeroStillCounts", {{'V', "3"}, {'A', "0.001"}}, "A", "V", {G, Y, W, W}},
};

class EntryHistory : public testing::TestWithParam<HistoryCase> {};

TEST_P(EntryHistory, FollowsTheLastTwoDifferentFields) {
    const HistoryCase& c = GetParam();
    Tessomar w;
    sinetest::start(w);
    for (const auto& [letter, typed] : c.entries) sinetest::enter(w, sinetest::field(w, letter), typed);
    EXPECT_EQ(w.fs.LastEntry, c.last);
    EXPECT_EQ(w.fs.PriorEntry, c.prior);
    EXPECT_EQ(colours(w), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Sine, EntryHistory, testing::ValuesIn(kHistories),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EntryHistoryResults, ReEnteringTheSameFieldRecomputesWithTheSamePair) {
    Tessomar w;
    sinetest::start(w);
    sinetest::enter(w, w.Acceleration, "250");
    sinetest::enter(w, w.Frequency, "50");
    sinetest::enter(w, w.Acceleration, "125");
    EXPECT_EQ(w.Velocity.Text(), "153.6");
    EXPECT_EQ(w.Displacement.Text(), "0.978");
    EXPECT_EQ(colours(w), (Colours{G, W, W, Y}));
}

} // namespace
