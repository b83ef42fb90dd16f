// A value's way from key to result, the entry history with its colours, and
// where Enter, Tab and clicks leave the focus.
#include "frame/user.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using user::Started;

struct Scenario {
    const char* name;
    const char* script;               // see user::run
    std::array<const char*, 4> texts; // Acceleration, Velocity, Displacement, Frequency
    const char* colours;              // see user::colours
    const char* focus;                // see user::focus
};

class Sine : public testing::TestWithParam<Scenario> {};

TEST_P(Sine, ShowsTheEntriesTheirColoursAndTheFocus) {
    Started w;
    user::run(w, GetParam().script);
    EXPECT_EQ(user::texts(w), (std::array<std::string, 4>{GetParam().texts[0], GetParam().texts[1], GetParam().texts[2],
                                                          GetParam().texts[3]}));
    EXPECT_EQ(user::colours(w), GetParam().colours);
    EXPECT_EQ(user::focus(w), GetParam().focus);
}

const Scenario kScenarios[] = {
    {"TwoEntriesGiveTheOtherTwo", "A250\r F50\r", {"250.00", "307.2", "1.956", "50.00"}, "YWWG", "Frequency*"},
    {"BackToThePriorKeepsThePair",
     "A250\r F50\r A125\r",
     {"125.00", "153.6", "0.978", "50.00"},
     "GWWY",
     "Acceleration"},
    {"ThirdFieldDropsTheOldest", "A250\r F50\r V10\r", {"8.14", "10.0", "0.064", "50.00"}, "WGWY", "Velocity*"},
    {"EnterInAccelerationKeepsTheCaret", "A1\r2\r", {"21.00", "0.0", "0.000", "0.00"}, "GWWW", "Acceleration"},
    {"NoNumberShowsThePreviousValueAgain",
     "A10\r V6\r Vabc\r",
     {"10.00", "6.0", "0.019", "102.41"},
     "YGWW",
     "Velocity*"},
    {"EnteredZeroStopsTheCalculation",
     "V10\r D0.1\r A0.001\r F50\r",
     {"0.00", "10.0", "0.100", "50.00"},
     "YWWG",
     "Frequency*"},
    {"MetricShowsMetersPerSecondAndMillimetres",
     "@MetricBut A10\r F100\r",
     {"10.00", "0.16", "0.50", "100.00"},
     "YWWG",
     "Frequency*"},
    {"MetricEntriesAreHeldInInches",
     "@MetricBut A0.001\r V2\r D3\r",
     {"271.92", "2.00", "3.00", "212.21"},
     "WYGW",
     "Displacement*"},
    {"TerminalPeakPulse",
     "@ShockButton @AccelButton A20\r D0.5\r",
     {"20.00", "30.6", "0.500", "19.03"},
     "YWGW",
     "Displacement"},
    {"ShockEnterInAccelerationSelectsIt",
     "@ShockButton A5\r",
     {"5.00", "0.0", "0.000", "0.00"},
     "GWWW",
     "Acceleration*"},
    {"TabTakesTheEntryAndMovesOn", "A5>6>7>8>", {"22.90", "175.9", "7.000", "8.00"}, "WWYG", "Acceleration*"},
    {"ShiftTabComesBackSelected", "D5<6\r", {"0.00", "0.0", "6.000", "0.00"}, "WWGW", "Displacement*"},
    {"OnlyTenCharactersAreSelected",
     "D100\r F20000>",
     {"2045047552.00", "6283185.0", "100.000", "20000.00"},
     "WWYG",
     "Acceleration*"},
    {"WithoutACharacterKeyNoEntry", "A10\r F100\r V~>", {"10.00", "", "0.020", "100.00"}, "YWWG", "Displacement*"},
    {"AnyCharacterKeyMakesAnEntry", "A10\r Vx>", {"10.00", "0.0", "0.000", "0.00"}, "GWWW", "Displacement*"},
    {"KeyboardPasteMakesAnEntry", "A10\r F100\r V\x16>", {"8.14", "5.0", "0.016", "100.00"}, "WGWY", "Displacement*"},
    // Keys that leave the text as it was make no entry; one beyond ASCII
    // goes in, and the number read stops at it.
    {"EscapeMakesNoEntry", "A10\r F100\r V\x1b>", {"10.00", "6.1", "0.020", "100.00"}, "YWWG", "Displacement*"},
    {"CutOfNothingMakesNoEntry", "A10\r F100\r V$\x18>", {"10.00", "6.1", "0.020", "100.00"}, "YWWG", "Displacement*"},
    {"CharacterBeyondAsciiEndsTheNumber",
     "A10\r F100\r V\xb5"
     "5>",
     {"10.00", "6.1", "0.020", "100.00"},
     "YWWG",
     "Displacement*"},
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
