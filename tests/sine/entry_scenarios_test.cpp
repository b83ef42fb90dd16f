// A started window driven as the user drives it: click, type, Enter.
#include "frame/tessomar.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace sinetest;
using tessomar::Tessomar;

float stored(const Tessomar& w, char letter) {
    switch (letter) {
    case 'A':
        return w.fs.SineAccel;
    case 'V':
        return w.fs.SineVel;
    case 'D':
        return w.fs.SineDisp;
    default:
        return w.fs.SineFreq;
    }
}

// ---- One value typed and entered with Enter ----

struct EntryCase {
    const char* name;
    int mode;
    bool english;
    char letter;
    const char* typed;
    const char* shown; // the field's text afterwards
    float value;       // stored, in English units
    const char* last;  // LastEntry afterwards; empty when no entry was taken
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

const std::string kHugeNumber(400, '9');

const EntryCase kEntries[] = {
    {"Accel250", 1, true, 'A', "250", "250.00", 250, "A"},
    {"AccelOverLimit", 1, true, 'A', "1500", "1000.00", 1000, "A"},
    {"AccelAtLimit", 1, true, 'A', "1000", "1000.00", 1000, "A"},
    {"FreqOverLimit", 1, true, 'F', "25000", "20000.00", 20000, "F"},
    {"DispOverLimit", 1, true, 'D', "150", "100.000", 100, "D"},
    {"DispJustOverLimit", 1, true, 'D', "100.0001", "100.000", 100, "D"},
    {"VelJustOverLimit", 1, true, 'V', "1000.04", "1000.0", 1000, "V"},
    {"NegativeTakesMagnitude", 1, true, 'A', "-12.345", "12.35", 12.35f, "A"},
    {"VelRoundedToTenths", 1, true, 'V', "-3.26", "3.3", 3.3f, "V"},
    {"DispRoundedToThousandths", 1, true, 'D', "0.0125", "0.013", 0.013f, "D"},
    {"TrailingLettersIgnored", 1, true, 'V', "12abc", "12.0", 12, "V"},
    {"BlanksInsideTheNumber", 1, true, 'F', "1 000", "1000.00", 1000, "F"},
    {"ExponentForm", 1, true, 'F', "2.5e3", "2500.00", 2500, "F"},
    {"RoundsToZeroStillAnEntry", 1, true, 'A', "0.001", "0.00", 0, "A"},
    {"NoNumberIsNoEntry", 1, true, 'V', "abc", "0.0", 0, ""},
    {"MinusZeroIsNoEntry", 1, true, 'D', "-0", "0.000", 0, ""},
    {"UnderflowReadsZero", 1, true, 'F', "1e-999", "0.00", 0, ""},
    {"OverflowIsOverTheLimit", 1, true, 'A', "1e999", "1000.00", 1000, "A"},
    {"NegativeOverflowIsOverTheLimit", 1, true, 'F', "-9e99999", "20000.00", 20000, "F"},
    {"HugeDigitStringIsOverTheLimit", 1, true, 'V', kHugeNumber.c_str(), "1000.0", 1000, "V"},
    {"ShockDurationOverLimit", 2, true, 'F', "25000", "20000.00", 20000, "F"},
    {"TerminalPeakVel", 3, true, 'V', "7.77", "7.8", 7.8f, "V"},
    // Metric velocity and displacement are typed in m/s and mm, kept at the
    // Metric precision and held in English units.
    {"MetricOneMillimetre", 1, false, 'D', "1", "1.00", 0.0393701f, "D"},
    {"MetricOneMetrePerSecond", 1, false, 'V', "1", "1.00", 39.3701f, "V"},
    {"MetricHundredthOfAMillimetre", 1, false, 'D', "0.01", "0.01", 0.000393701f, "D"},
    {"MetricVelOverLimit", 1, false, 'V', "2000", "1000.00", 39370.1f, "V"},
    {"MetricDispOverLimit", 1, false, 'D', "150", "100.00", 3.93701f, "D"},
    {"MetricNegativeRoundedHalfAway", 1, false, 'V', "-2.345", "2.35", 92.51974f, "V"},
    {"MetricBelowItsPrecision", 1, false, 'D', "0.004", "0.00", 0, "D"},
    {"MetricOverflowIsOverTheLimit", 1, false, 'D', "1e400", "100.00", 3.93701f, "D"},
    {"MetricAccelNotConverted", 1, false, 'A', "1500", "1000.00", 1000, "A"},
    {"MetricShockDisp", 2, false, 'D', "12.5", "12.50", 0.49212626f, "D"},
};

class TypedEntry : public testing::TestWithParam<EntryCase> {};

TEST_P(TypedEntry, StoresTheValueAndShowsItAtTheFieldsPrecision) {
    const EntryCase& c = GetParam();
    Tessomar w;
    start(w, c.mode);
    ASSERT_EQ(w.fs.CalcMode, c.mode);
    if (!c.english) w.fs.EnglishUnits = tessomar::kFalse;
    enter(w, field(w, c.letter), c.typed);
    EXPECT_EQ(field(w, c.letter).Text(), c.shown);
    EXPECT_EQ(stored(w, c.letter), c.value);
    EXPECT_EQ(w.fs.LastEntry, c.last);
    EXPECT_EQ(w.fs.PriorEntry, "");
}

INSTANTIATE_TEST_SUITE_P(Fields, TypedEntry, testing::ValuesIn(kEntries),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Two entries: the other two computed and shown ----

struct PairCase {
    int mode;
    bool english;
    char firstLetter;
    const char* first;
    char secondLetter;
    const char* second;
    const char* shown[4]; // Acceleration, Velocity, Displacement, Frequency
};

const PairCase kPairs[] = {
    {1, true, 'A', "250", 'F', "50", {"250.00", "307.2", "1.956", "50.00"}},
    {1, true, 'F', "50", 'A', "250", {"250.00", "307.2", "1.956", "50.00"}},
    {1, false, 'D', "1", 'F', "100", {"20.13", "0.31", "1.00", "100.00"}},
    {3, true, 'A', "20", 'D', "0.5", {"20.00", "30.6", "0.500", "19.03"}},
};

class TwoEntries : public testing::TestWithParam<PairCase> {};

TEST_P(TwoEntries, ComputeAndShowTheOtherTwo) {
    const PairCase& c = GetParam();
    Tessomar w;
    start(w, c.mode);
    if (!c.english) w.fs.EnglishUnits = tessomar::kFalse;
    enter(w, field(w, c.firstLetter), c.first);
    enter(w, field(w, c.secondLetter), c.second);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(field(w, "AVDF"[i]).Text(), c.shown[i]);
}

INSTANTIATE_TEST_SUITE_P(Screens, TwoEntries, testing::ValuesIn(kPairs));

TEST(NoEntry, TextWithoutANumberShowsThePreviousValueAgain) {
    Tessomar w;
    start(w);
    enter(w, w.Acceleration, "10");
    enter(w, w.Velocity, "6");
    enter(w, w.Velocity, "abc");
    EXPECT_EQ(w.Velocity.Text(), "6.0");
    EXPECT_EQ(w.fs.SineVel, 6);
    EXPECT_EQ(w.fs.PriorEntry, "A");
}

TEST(NoEntry, EnteredZeroStopsTheCalculationAndKeepsTheOtherFields) {
    Tessomar w;
    start(w);
    enter(w, w.Acceleration, "250");
    enter(w, w.Frequency, "50");
    enter(w, w.Acceleration, "0.001");
    EXPECT_EQ(w.Acceleration.Text(), "0.00");
    EXPECT_EQ(w.Velocity.Text(), "307.2");
    EXPECT_EQ(w.Displacement.Text(), "1.956");
    EXPECT_EQ(w.fs.EntryPending, tessomar::kFalse);
}

// A run stopped by the zero test leaves the fields in the unit beside them.
TEST(MetricEntry, StoppedRunLeavesTheMetricValueInTheField) {
    Tessomar w;
    start(w);
    w.fs.EnglishUnits = tessomar::kFalse;
    enter(w, w.Acceleration, "0.001");
    enter(w, w.Velocity, "2");
    enter(w, w.Displacement, "3");
    EXPECT_EQ(w.Velocity.Text(), "2.00");
    EXPECT_EQ(w.Displacement.Text(), "3.00");
    EXPECT_EQ(w.fs.SineDisp, 0.1181103f);
}

// ---- Which calculation an entry runs ----

struct DispatchCase {
    int mode;
    std::int16_t pendingAfter; // only the sine and shock engines consume the entry
};

class EntryDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(EntryDispatch, RunsTheEngineOfTheMode) {
    Tessomar w;
    start(w);
    w.fs.CalcMode = static_cast<std::int16_t>(GetParam().mode);
    enter(w, w.Frequency, "12.345");
    EXPECT_EQ(w.fs.SineFreq, 12.35f);
    EXPECT_EQ(w.fs.LastEntry, "F");
    EXPECT_EQ(w.fs.EntryPending, GetParam().pendingAfter);
}

INSTANTIATE_TEST_SUITE_P(Modes, EntryDispatch,
                         testing::Values(DispatchCase{1, 0}, DispatchCase{2, 0}, DispatchCase{3, 0},
                                         DispatchCase{0, -1}, DispatchCase{4, -1}, DispatchCase{-1, -1}));

// In Random mode the fields show results; an entry there is still taken.
TEST(RandomModeEntry, StoresTheShownValueWhitensThreeFieldsAndReturnsNoFocus) {
    Tessomar w;
    start(w);
    w.fs.CalcMode = 0;
    w.Frequency.BackColor = 0x123456;
    focusAndSelect(w, w.Velocity);
    w.Velocity.setText("12.3");
    w.keyPress(kEnter);
    EXPECT_EQ(w.fs.SineVel, 12.3f);
    EXPECT_EQ(w.fs.LastEntry, "V");
    EXPECT_EQ(w.Velocity.BackColor, 0xFFFFFFu);
    EXPECT_EQ(w.Frequency.BackColor, 0x123456u);
    EXPECT_EQ(focusedName(w), "Velocity");
}

} // namespace
