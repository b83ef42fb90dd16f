// The sine and shock relations; a value's way from key to result, the entry
// history with its colours, and where Enter, Tab and clicks leave the focus.
#include "calc/sine.h"
#include "frame/user.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace tessomar::sine;
using user::Started;

struct RelationCase {
    char shape;          // 'S' sine, 'H' half-sine pulse, 'T' terminal-peak pulse
    const char* letters; // the two entered (found in either order) > the two computed
    Values in;           // accel, vel, disp, freq
    double first, second;
};

class Relation : public testing::TestWithParam<RelationCase> {};

// Worked out from the relations with the calculator's own constants (pi as
// 3.1415926): 1e-12 tells a constant written any other way.
TEST_P(Relation, ComputesTheOtherTwo) {
    const RelationCase& c = GetParam();
    const std::string a(1, c.letters[0]), b(1, c.letters[1]);
    ASSERT_TRUE(findPair(a, b) && findPair(a, b) == findPair(b, a));
    const ShockReference& ref = c.shape == 'T' ? kTerminalPeak : kHalfSine;
    const Results r = c.shape == 'S' ? sineRelation(*findPair(a, b), c.in) : shockRelation(*findPair(a, b), c.in, ref);
    EXPECT_NEAR(r.first.value, c.first, c.first * 1e-12);
    EXPECT_NEAR(r.second.value, c.second, c.second * 1e-12);
    const char computed[] = {"AVDF"[int(r.first.param)], "AVDF"[int(r.second.param)], 0};
    EXPECT_STREQ(c.letters + 3, computed);
}

const RelationCase kRelations[] = {
    {'S', "AD>VF", {1, 0, 0.1, 0}, 4.39367711918763, 13.9855091022099},
    {'S', "AV>DF", {2, 3, 0, 0}, 0.0233107478087897, 40.9652091333333},
    {'S', "AF>VD", {10, 0, 0, 100}, 6.14478137, 0.019559447},
    {'S', "VD>AF", {0, 10, 0.1, 0}, 5.18016617973105, 31.8309891613572},
    {'S', "VF>AD", {0, 5, 0, 20}, 1.62739720062652, 0.079577472903393},
    {'S', "FD>AV", {0, 0, 0.05, 50}, 6.39077372688502, 7.8539815},
    {'H', "AD>VF", {20, 0, 0.5, 0}, 28.9311325308914, 14.142135623731},
    {'H', "AV>DF", {20, 30, 0, 0}, 0.537627709439727, 14.6646201374564},
    {'H', "AF>VD", {40, 0, 0, 5}, 20.4574, 0.125},
    {'H', "VD>AF", {0, 30, 0.5, 0}, 21.5051083775891, 13.6382666666667},
    {'H', "VF>AD", {0, 30, 0, 6}, 48.8820671248546, 0.219969302061846},
    {'H', "FD>AV", {0, 0, 0.3, 8}, 37.5, 30.6861},
    {'T', "AF>VD", {10, 0, 0, 10}, 8.044, 0.069},
};
INSTANTIATE_TEST_SUITE_P(SineAndShock, Relation, testing::ValuesIn(kRelations));

TEST(Relation, NeedsTwoDifferentParameterLetters) {
    for (auto [last, prior] : {std::pair{"A", "A"}, {"V", ""}, {"", "F"}, {"X", "D"}, {"a", "v"}})
        EXPECT_FALSE(findPair(last, prior)) << last << "," << prior;
}

struct EntryCase {
    const char* script; // see user::run; the last step types into the field
    const char* text;   // the field's text afterwards
    float stored;       // in English units
};

class Entry : public testing::TestWithParam<EntryCase> {};

TEST_P(Entry, StoresTheValueAtTheFieldsPrecisionWithinItsLimit) {
    Started w;
    const std::string script = GetParam().script;
    user::run(w, script);
    const char letter = script[script.rfind(' ') + 1];
    const float stored[] = {w.fs.SineAccel, w.fs.SineVel, w.fs.SineDisp, w.fs.SineFreq};
    EXPECT_EQ(user::field(w, letter).Text(), GetParam().text);
    EXPECT_EQ(stored[std::string("AVDF").find(letter)], GetParam().stored);
}

// Metric velocities and displacements are typed in m/s and mm, kept at the
// Metric precision and held in English units.
const EntryCase kEntries[] = {{"A1500\r", "1000.00", 1000},        {"V1000.5\r", "1000.0", 1000},
                              {"D150\r", "100.000", 100},          {"F25000\r", "20000.00", 20000},
                              {"A-12.345\r", "12.35", 12.35f},     {"D0.0125\r", "0.013", 0.013f},
                              {"A1e999\r", "1000.00", 1000},       {"%M D0.01\r", "0.01", 0.000393701f},
                              {"%M V2000\r", "1000.00", 39370.1f}, {"%M A1500\r", "1000.00", 1000}};
INSTANTIATE_TEST_SUITE_P(Fields, Entry, testing::ValuesIn(kEntries));

struct Scenario {
    const char* name;
    const char* script; // see user::run
    const char* shown;  // see user::shown
};

class Sine : public testing::TestWithParam<Scenario> {};

TEST_P(Sine, ShowsTheEntriesTheirColoursAndTheFocus) {
    Started w;
    user::run(w, GetParam().script);
    EXPECT_EQ(user::shown(w), GetParam().shown);
}

const Scenario kScenarios[] = {
    {"TwoEntriesGiveTheOtherTwo", "A250\r F50\r", "250.00|307.2|1.956|50.00 YWWG Frequency*"},
    {"BackToThePriorKeepsThePair", "A250\r F50\r A125\r", "125.00|153.6|0.978|50.00 GWWY Acceleration"},
    {"ThirdFieldDropsTheOldest", "A250\r F50\r V10\r", "8.14|10.0|0.064|50.00 WGWY Velocity*"},
    {"EnterInAccelerationKeepsTheCaret", "A1\r2\r", "21.00|0.0|0.000|0.00 GWWW Acceleration"},
    {"NoNumberShowsThePreviousValueAgain", "A10\r V6\r Vabc\r", "10.00|6.0|0.019|102.41 YGWW Velocity*"},
    {"EnteredZeroStopsTheCalculation", "V10\r D0.1\r A0.001\r F50\r", "0.00|10.0|0.100|50.00 YWWG Frequency*"},
    {"MetricShowsMetersPerSecondAndMillimetres", "@MetricBut A10\r F100\r", "10.00|0.16|0.50|100.00 YWWG Frequency*"},
    {"MetricEntriesAreHeldInInches", "@MetricBut A0.001\r V2\r D3\r", "271.92|2.00|3.00|212.21 WYGW Displacement*"},
    {"TerminalPeakPulse", "@ShockButton @AccelButton A20\r D0.5\r", "20.00|30.6|0.500|19.03 YWGW Displacement"},
    {"ShockEnterInAccelerationSelectsIt", "@ShockButton A5\r", "5.00|0.0|0.000|0.00 GWWW Acceleration*"},
    {"TabTakesTheEntryAndMovesOn", "A5>6>7>8>", "22.90|175.9|7.000|8.00 WWYG Acceleration*"},
    {"ShiftTabComesBackSelected", "D5<6\r", "0.00|0.0|6.000|0.00 WWGW Displacement*"},
    {"OnlyTenCharactersAreSelected", "D100\r F20000>", "2045047552.00|6283185.0|100.000|20000.00 WWYG Acceleration*"},
    {"WithoutACharacterKeyNoEntry", "A10\r F100\r V~>", "10.00||0.020|100.00 YWWG Displacement*"},
    {"AnyCharacterKeyMakesAnEntry", "A10\r Vx>", "10.00|0.0|0.000|0.00 GWWW Displacement*"},
    {"KeyboardPasteMakesAnEntry", "A10\r F100\r V\x16>", "8.14|5.0|0.016|100.00 WGWY Displacement*"},
    // Keys that leave the text as it was make no entry; one beyond ASCII
    // goes in, and the number read stops at it.
    {"EscapeMakesNoEntry", "A10\r F100\r V\x1b>", "10.00|6.1|0.020|100.00 YWWG Displacement*"},
    {"CutOfNothingMakesNoEntry", "A10\r F100\r V$\x18>", "10.00|6.1|0.020|100.00 YWWG Displacement*"},
    {"CharacterBeyondAsciiEndsTheNumber",
     "A10\r F100\r V\xb5"
     "5>",
     "10.00|6.1|0.020|100.00 YWWG Displacement*"},
};
INSTANTIATE_TEST_SUITE_P(Entries, Sine, testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// Only the sine and shock engines take the pending entry; Random mode reruns the integration.
TEST(Entry, RunsTheCalculationOfTheMode) {
    for (auto [mode, pending, runs] : {std::tuple{0, -1, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, -1, 0}}) {
        Started w;
        w.fs.CalcMode = static_cast<std::int16_t>(mode);
        const int before = w.integrationRuns();
        user::run(w, "F12.345\r");
        EXPECT_EQ(w.fs.EntryPending, pending) << mode;
        EXPECT_EQ(w.integrationRuns() - before, runs) << mode;
    }
}

TEST(Engine, RunsOnlyWithAnEntryPending) {
    tessomar::Tessomar w;
    w.fs.SineAccel = 1;
    w.fs.LastEntry = "A";
    w.UpdateSine();
    w.UpdateShock();
    EXPECT_EQ(w.Acceleration.Text(), "");
}

} // namespace
