#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace {

using tessomar::Tessomar;

struct Four {
    float accel, vel, disp, freq;
};

void storeAll(Tessomar& w, const Four& v) {
    w.fs.SineAccel = v.accel;
    w.fs.SineVel = v.vel;
    w.fs.SineDisp = v.disp;
    w.fs.SineFreq = v.freq;
}

std::array<std::string, 4> texts(const Tessomar& w) {
    return {w.Acceleration.Text(), w.Velocity.Text(), w.Displacement.Text(), w.Frequency.Text()};
}

void setTexts(Tessomar& w, const std::string& t) {
    for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency}) box->setText(t);
}

void runEngine(Tessomar& w) {
    if (w.fs.CalcMode == 1)
        w.UpdateSine();
    else
        w.UpdateShock();
}

// ---- A full run: the two computed values stored as 32-bit floats, all four shown ----
// Expected floats are the double results of the relations rounded to 32 bits;
// the texts are what an engineer reads off the screen.

struct RunCase {
    const char* name;
    int mode;
    bool english;
    const char* last;
    const char* prior;
    Four entered; // only the two entered parameters are non-zero
    Four stored;  // all four afterwards
    std::array<std::string, 4> shown;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.name; }

class EngineRun : public testing::TestWithParam<RunCase> {};

TEST_P(EngineRun, StoresBothResultsAndShowsAllFourFields) {
    const RunCase& c = GetParam();
    Tessomar w;
    w.fs.CalcMode = static_cast<std::int16_t>(c.mode);
    w.fs.EnglishUnits = c.english ? tessomar::kTrue : tessomar::kFalse;
    w.fs.LastEntry = c.last;
    w.fs.PriorEntry = c.prior;
    w.fs.EntryPending = tessomar::kTrue;
    storeAll(w, c.entered);
    runEngine(w);
    EXPECT_EQ(w.fs.SineAccel, c.stored.accel);
    EXPECT_EQ(w.fs.SineVel, c.stored.vel);
    EXPECT_EQ(w.fs.SineDisp, c.stored.disp);
    EXPECT_EQ(w.fs.SineFreq, c.stored.freq);
    EXPECT_EQ(texts(w), c.shown);
    EXPECT_EQ(w.fs.EntryPending, tessomar::kFalse);
}

INSTANTIATE_TEST_SUITE_P(Sine, EngineRun,
                         testing::Values(RunCase{"AccelThenFreq",
                                                 1,
                                                 true,
                                                 "F",
                                                 "A",
                                                 {10, 0, 0, 100},
                                                 {10, 6.1447816f, 0.019559447f, 100},
                                                 {"10.00", "6.1", "0.020", "100.00"}},
                                         RunCase{"FreqThenAccel",
                                                 1,
                                                 true,
                                                 "A",
                                                 "F",
                                                 {10, 0, 0, 100},
                                                 {10, 6.1447816f, 0.019559447f, 100},
                                                 {"10.00", "6.1", "0.020", "100.00"}},
                                         RunCase{"AccelFreqMetric",
                                                 1,
                                                 false,
                                                 "F",
                                                 "A",
                                                 {10, 0, 0, 100},
                                                 {10, 6.1447816f, 0.019559447f, 100},
                                                 {"10.00", "0.16", "0.50", "100.00"}},
                                         RunCase{"VelDisp",
                                                 1,
                                                 true,
                                                 "D",
                                                 "V",
                                                 {0, 10, 0.1f, 0},
                                                 {5.1801662f, 10, 0.1f, 31.830988f},
                                                 {"5.18", "10.0", "0.100", "31.83"}},
                                         RunCase{"AccelDisp",
                                                 1,
                                                 true,
                                                 "A",
                                                 "D",
                                                 {1, 0, 0.1f, 0},
                                                 {1, 4.393677f, 0.1f, 13.985509f},
                                                 {"1.00", "4.4", "0.100", "13.99"}},
                                         RunCase{"FreqDisp",
                                                 1,
                                                 true,
                                                 "F",
                                                 "D",
                                                 {0, 0, 0.05f, 50},
                                                 {6.390774f, 7.8539815f, 0.05f, 50},
                                                 {"6.39", "7.9", "0.050", "50.00"}},
                                         RunCase{"VelFreq",
                                                 1,
                                                 true,
                                                 "V",
                                                 "F",
                                                 {0, 5, 0, 20},
                                                 {1.6273972f, 5, 0.079577476f, 20},
                                                 {"1.63", "5.0", "0.080", "20.00"}},
                                         RunCase{"AccelVel",
                                                 1,
                                                 true,
                                                 "V",
                                                 "A",
                                                 {2, 3, 0, 0},
                                                 {2, 3, 0.023310747f, 40.96521f},
                                                 {"2.00", "3.0", "0.023", "40.97"}}));

INSTANTIATE_TEST_SUITE_P(Shock, EngineRun,
                         testing::Values(RunCase{"HalfSineReference",
                                                 2,
                                                 true,
                                                 "F",
                                                 "A",
                                                 {10, 0, 0, 10},
                                                 {10, 10.2287f, 0.125f, 10},
                                                 {"10.00", "10.2", "0.125", "10.00"}},
                                         RunCase{"HalfSine40g5ms",
                                                 2,
                                                 true,
                                                 "A",
                                                 "F",
                                                 {40, 0, 0, 5},
                                                 {40, 20.4574f, 0.125f, 5},
                                                 {"40.00", "20.5", "0.125", "5.00"}},
                                         RunCase{"HalfSineVelDuration",
                                                 2,
                                                 true,
                                                 "V",
                                                 "F",
                                                 {0, 30, 0, 6},
                                                 {48.88207f, 30, 0.2199693f, 6},
                                                 {"48.88", "30.0", "0.220", "6.00"}},
                                         RunCase{"TerminalPeakReference",
                                                 3,
                                                 true,
                                                 "F",
                                                 "A",
                                                 {10, 0, 0, 10},
                                                 {10, 8.044f, 0.069f, 10},
                                                 {"10.00", "8.0", "0.069", "10.00"}},
                                         RunCase{"TerminalPeakReferenceMetric",
                                                 3,
                                                 false,
                                                 "F",
                                                 "A",
                                                 {10, 0, 0, 10},
                                                 {10, 8.044f, 0.069f, 10},
                                                 {"10.00", "0.20", "1.75", "10.00"}},
                                         RunCase{"TerminalPeakAccelDisp",
                                                 3,
                                                 true,
                                                 "D",
                                                 "A",
                                                 {20, 0, 0.5f, 0},
                                                 {20, 30.622984f, 0.5f, 19.034676f},
                                                 {"20.00", "30.6", "0.500", "19.03"}}));

// ---- Guards: nothing pending, an entered zero, an incomplete history ----

struct GuardCase {
    const char* name;
    std::int16_t pending;
    const char* last;
    const char* prior;
    Four before;
    bool writesFields; // false: every text stays as it was
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class EngineGuard : public testing::TestWithParam<std::tuple<GuardCase, int>> {};

TEST_P(EngineGuard, ComputesNothingAndClearsThePendingFlag) {
    const auto& [c, mode] = GetParam();
    Tessomar w;
    w.fs.CalcMode = static_cast<std::int16_t>(mode);
    w.fs.EnglishUnits = tessomar::kTrue;
    w.fs.LastEntry = c.last;
    w.fs.PriorEntry = c.prior;
    w.fs.EntryPending = c.pending;
    storeAll(w, c.before);
    setTexts(w, "typed");
    runEngine(w);

    EXPECT_EQ(w.fs.SineAccel, c.before.accel);
    EXPECT_EQ(w.fs.SineVel, c.before.vel);
    EXPECT_EQ(w.fs.SineDisp, c.before.disp);
    EXPECT_EQ(w.fs.SineFreq, c.before.freq);
    EXPECT_EQ(w.fs.EntryPending, tessomar::kFalse);
    if (c.writesFields)
        EXPECT_EQ(texts(w), (std::array<std::string, 4>{"1.50", "2.5", "3.500", "4.50"}));
    else
        EXPECT_EQ(texts(w), (std::array<std::string, 4>{"typed", "typed", "typed", "typed"}));
}

INSTANTIATE_TEST_SUITE_P(
    Guards, EngineGuard,
    testing::Combine(testing::Values(GuardCase{"NothingPending", 0, "F", "A", {1.5f, 2.5f, 3.5f, 4.5f}, false},
                                     GuardCase{"EnteredAccelZero", -1, "A", "F", {0, 2.5f, 3.5f, 4.5f}, false},
                                     GuardCase{"EnteredFreqZeroAsPrior", -1, "A", "F", {1.5f, 2.5f, 3.5f, 0}, false},
                                     GuardCase{"EnteredVelZero", -1, "V", "D", {1.5f, 0, 3.5f, 4.5f}, false},
                                     GuardCase{"EnteredDispZero", -1, "V", "D", {1.5f, 2.5f, 0, 4.5f}, false},
                                     GuardCase{"OnlyEntryIsZero", -1, "D", "", {1.5f, 2.5f, 0, 4.5f}, false},
                                     GuardCase{"OnlyOneEntry", -1, "A", "", {1.5f, 2.5f, 3.5f, 4.5f}, true},
                                     GuardCase{"PriorNotALetter", -1, "A", "X", {1.5f, 2.5f, 3.5f, 4.5f}, true},
                                     GuardCase{"LastNotALetter", -1, "", "A", {1.5f, 2.5f, 3.5f, 4.5f}, true},
                                     GuardCase{"SameLetterTwice", -1, "A", "A", {1.5f, 2.5f, 3.5f, 4.5f}, true}),
                     testing::Values(1, 2, 3)));

struct ZeroElsewhereCase {
    int mode;
    const char* last;
    const char* prior;
    Four before;
};

class EngineZeroNotEntered : public testing::TestWithParam<ZeroElsewhereCase> {};

TEST_P(EngineZeroNotEntered, ComputesWhenOnlyAComputedValueIsZero) {
    const ZeroElsewhereCase& c = GetParam();
    Tessomar w;
    w.fs.CalcMode = static_cast<std::int16_t>(c.mode);
    w.fs.EnglishUnits = tessomar::kTrue;
    w.fs.LastEntry = c.last;
    w.fs.PriorEntry = c.prior;
    w.fs.EntryPending = tessomar::kTrue;
    storeAll(w, c.before);
    runEngine(w);
    EXPECT_GT(w.fs.SineVel, 0);
    EXPECT_GT(w.fs.SineDisp, 0);
}

INSTANTIATE_TEST_SUITE_P(Guards, EngineZeroNotEntered,
                         testing::Values(ZeroElsewhereCase{1, "F", "A", {10, 0, 0, 100}},
                                         ZeroElsewhereCase{2, "F", "A", {10, 0, 0, 10}},
                                         ZeroElsewhereCase{3, "A", "F", {10, 0, 0, 10}}));

// ---- Changing the pulse shape recomputes only the computed pair ----

TEST(EngineShock, SwitchingShapeKeepsTheEnteredValues) {
    Tessomar w;
    w.fs.EnglishUnits = tessomar::kTrue;
    w.fs.LastEntry = "D";
    w.fs.PriorEntry = "A";
    storeAll(w, {20, 0, 0.5f, 0});
    w.fs.CalcMode = 2;
    w.fs.EntryPending = tessomar::kTrue;
    w.UpdateShock();
    EXPECT_EQ(w.fs.SineVel, 28.931133f);
    EXPECT_EQ(w.fs.SineFreq, 14.142136f);

    w.fs.CalcMode = 3;
    w.fs.EntryPending = tessomar::kTrue;
    w.UpdateShock();
    EXPECT_EQ(w.fs.SineAccel, 20);
    EXPECT_EQ(w.fs.SineDisp, 0.5f);
    EXPECT_EQ(w.fs.SineVel, 30.622984f);
    EXPECT_EQ(w.fs.SineFreq, 19.034676f);
}

// ---- Showing the fields: English patterns, Metric products ----

struct ShowCase {
    const char* name;
    std::int16_t englishUnits;
    Four stored;
    std::array<std::string, 4> shown;
};

void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.name; }

class ShowFields : public testing::TestWithParam<ShowCase> {};

TEST_P(ShowFields, WritesEachFieldThroughItsPatternAndKeepsTheStoredValues) {
    const ShowCase& c = GetParam();
    Tessomar w;
    w.fs.EnglishUnits = c.englishUnits;
    storeAll(w, c.stored);
    w.ShowSineFields();
    EXPECT_EQ(texts(w), c.shown);
    EXPECT_EQ(w.fs.SineVel, c.stored.vel);
    EXPECT_EQ(w.fs.SineDisp, c.stored.disp);
}

INSTANTIATE_TEST_SUITE_P(
    Units, ShowFields,
    testing::Values(
        ShowCase{"English", -1, {1.5f, 10, 0.5f, 60}, {"1.50", "10.0", "0.500", "60.00"}},
        ShowCase{"Metric", 0, {1.5f, 10, 0.5f, 60}, {"1.50", "0.25", "12.70", "60.00"}},
        ShowCase{"AnyOtherFlagIsMetric", 1, {1.5f, 10, 0.5f, 60}, {"1.50", "0.25", "12.70", "60.00"}},
        ShowCase{"OneInchPerSecondInMetric", 0, {0, 1, 0, 0}, {"0.00", "0.03", "0.00", "0.00"}},
        ShowCase{"HalvesRoundAwayFromZero", -1, {0.125f, 0.25f, 0.0625f, 0.125f}, {"0.13", "0.3", "0.063", "0.13"}},
        ShowCase{"LargeValues", -1, {1000, 39370.1f, 100, 20000}, {"1000.00", "39370.1", "100.000", "20000.00"}},
        ShowCase{"MetricLimits", 0, {1000, 39370.1f, 3.93701f, 20000}, {"1000.00", "1000.00", "100.00", "20000.00"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
