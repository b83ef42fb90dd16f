#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace {

using tessomar::Tessomar;
using Four = std::array<float, 4>;        // accel, vel, disp, freq as stored
using Texts = std::array<std::string, 4>; // Acceleration, Velocity, Displacement, Frequency

// A bare window with the engine's inputs set by hand.
void prepare(Tessomar& w, int mode, std::int16_t english, const char* last, const char* prior, const Four& v) {
    w.fs.CalcMode = static_cast<std::int16_t>(mode);
    w.fs.EnglishUnits = english;
    w.fs.LastEntry = last;
    w.fs.PriorEntry = prior;
    w.fs.EntryPending = tessomar::kTrue;
    w.fs.SineAccel = v[0];
    w.fs.SineVel = v[1];
    w.fs.SineDisp = v[2];
    w.fs.SineFreq = v[3];
    for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency}) box->setText("typed");
}

void run(Tessomar& w) { w.fs.CalcMode == 1 ? w.UpdateSine() : w.UpdateShock(); }

Four stored(const Tessomar& w) { return {w.fs.SineAccel, w.fs.SineVel, w.fs.SineDisp, w.fs.SineFreq}; }
Texts texts(const Tessomar& w) {
    return {w.Acceleration.Text(), w.Velocity.Text(), w.Displacement.Text(), w.Frequency.Text()};
}

// ---- A full run: both results stored as 32-bit floats, all four shown ----
// Expected floats are the relations' double results rounded to 32 bits.

struct RunCase {
    int mode;
    std::int16_t english;
    const char* last;
    const char* prior;
    Four entered;
    Four after;
    Texts shown;
};

void PrintTo(const RunCase& c, std::ostream* os) { *os << c.mode << " " << c.last << c.prior << " " << c.shown[0]; }

const RunCase kRuns[] = {
    {1, -1, "F", "A", {10, 0, 0, 100}, {10, 6.1447816f, 0.019559447f, 100}, {"10.00", "6.1", "0.020", "100.00"}},
    {1, -1, "A", "F", {10, 0, 0, 100}, {10, 6.1447816f, 0.019559447f, 100}, {"10.00", "6.1", "0.020", "100.00"}},
    {1, 0, "F", "A", {10, 0, 0, 100}, {10, 6.1447816f, 0.019559447f, 100}, {"10.00", "0.16", "0.50", "100.00"}},
    {1, -1, "D", "V", {0, 10, 0.1f, 0}, {5.1801662f, 10, 0.1f, 31.830988f}, {"5.18", "10.0", "0.100", "31.83"}},
    {1, -1, "A", "D", {1, 0, 0.1f, 0}, {1, 4.393677f, 0.1f, 13.985509f}, {"1.00", "4.4", "0.100", "13.99"}},
    {1, -1, "F", "D", {0, 0, 0.05f, 50}, {6.390774f, 7.8539815f, 0.05f, 50}, {"6.39", "7.9", "0.050", "50.00"}},
    {1, -1, "V", "F", {0, 5, 0, 20}, {1.6273972f, 5, 0.079577476f, 20}, {"1.63", "5.0", "0.080", "20.00"}},
    {1, -1, "V", "A", {2, 3, 0, 0}, {2, 3, 0.023310747f, 40.96521f}, {"2.00", "3.0", "0.023", "40.97"}},
    {2, -1, "F", "A", {10, 0, 0, 10}, {10, 10.2287f, 0.125f, 10}, {"10.00", "10.2", "0.125", "10.00"}},
    {2, -1, "A", "F", {40, 0, 0, 5}, {40, 20.4574f, 0.125f, 5}, {"40.00", "20.5", "0.125", "5.00"}},
    {2, -1, "V", "F", {0, 30, 0, 6}, {48.88207f, 30, 0.2199693f, 6}, {"48.88", "30.0", "0.220", "6.00"}},
    {3, -1, "F", "A", {10, 0, 0, 10}, {10, 8.044f, 0.069f, 10}, {"10.00", "8.0", "0.069", "10.00"}},
    {3, 0, "F", "A", {10, 0, 0, 10}, {10, 8.044f, 0.069f, 10}, {"10.00", "0.20", "1.75", "10.00"}},
    {3, -1, "D", "A", {20, 0, 0.5f, 0}, {20, 30.622984f, 0.5f, 19.034676f}, {"20.00", "30.6", "0.500", "19.03"}},
};

class EngineRun : public testing::TestWithParam<RunCase> {};

TEST_P(EngineRun, StoresBothResultsAndShowsAllFourFields) {
    const RunCase& c = GetParam();
    Tessomar w;
    prepare(w, c.mode, c.english, c.last, c.prior, c.entered);
    run(w);
    EXPECT_EQ(stored(w), c.after);
    EXPECT_EQ(texts(w), c.shown);
    EXPECT_EQ(w.fs.EntryPending, tessomar::kFalse);
}

INSTANTIATE_TEST_SUITE_P(SineAndShock, EngineRun, testing::ValuesIn(kRuns));

// ---- Guards: nothing pending, an entered zero, an incomplete history ----

struct GuardCase {
    const char* name;
    std::int16_t pending;
    const char* last;
    const char* prior;
    Four values;
    bool shows; // false: every text stays as it was
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

const GuardCase kGuards[] = {
    {"NothingPending", 0, "F", "A", {1.5f, 2.5f, 3.5f, 4.5f}, false},
    {"EnteredAccelZero", -1, "A", "F", {0, 2.5f, 3.5f, 4.5f}, false},
    {"EnteredFreqZeroAsPrior", -1, "A", "F", {1.5f, 2.5f, 3.5f, 0}, false},
    {"EnteredVelZero", -1, "V", "D", {1.5f, 0, 3.5f, 4.5f}, false},
    {"EnteredDispZero", -1, "V", "D", {1.5f, 2.5f, 0, 4.5f}, false},
    {"OnlyEntryIsZero", -1, "D", "", {1.5f, 2.5f, 0, 4.5f}, false},
    {"OnlyOneEntry", -1, "A", "", {1.5f, 2.5f, 3.5f, 4.5f}, true},
    {"PriorNotALetter", -1, "A", "X", {1.5f, 2.5f, 3.5f, 4.5f}, true},
    {"LastNotALetter", -1, "", "A", {1.5f, 2.5f, 3.5f, 4.5f}, true},
    {"SameLetterTwice", -1, "A", "A", {1.5f, 2.5f, 3.5f, 4.5f}, true},
};

class EngineGuard : public testing::TestWithParam<std::tuple<GuardCase, int>> {};

TEST_P(EngineGuard, ComputesNothingAndClearsThePendingFlag) {
    const auto& [c, mode] = GetParam();
    Tessomar w;
    prepare(w, mode, tessomar::kTrue, c.last, c.prior, c.values);
    w.fs.EntryPending = c.pending;
    run(w);
    EXPECT_EQ(stored(w), c.values);
    EXPECT_EQ(w.fs.EntryPending, tessomar::kFalse);
    const Texts shown{"1.50", "2.5", "3.500", "4.50"}, untouched{"typed", "typed", "typed", "typed"};
    EXPECT_EQ(texts(w), c.shows ? shown : untouched);
}

INSTANTIATE_TEST_SUITE_P(Guards, EngineGuard, testing::Combine(testing::ValuesIn(kGuards), testing::Values(1, 2, 3)));

TEST(EngineGuard, ZeroInAComputedValueDoesNotStopTheRun) {
    for (int mode : {1, 2, 3}) {
        Tessomar w;
        prepare(w, mode, tessomar::kTrue, "F", "A", {10, 0, 0, 10});
        run(w);
        EXPECT_GT(w.fs.SineVel, 0) << mode;
        EXPECT_GT(w.fs.SineDisp, 0) << mode;
    }
}

TEST(EngineShock, SwitchingShapeChangesOnlyTheComputedPair) {
    Tessomar w;
    prepare(w, 2, tessomar::kTrue, "D", "A", {20, 0, 0.5f, 0});
    w.UpdateShock();
    EXPECT_EQ(stored(w), (Four{20, 28.931133f, 0.5f, 14.142136f}));
    w.fs.CalcMode = 3;
    w.fs.EntryPending = tessomar::kTrue;
    w.UpdateShock();
    EXPECT_EQ(stored(w), (Four{20, 30.622984f, 0.5f, 19.034676f}));
}

// ---- Showing: English patterns, Metric products of the stored values ----

struct ShowCase {
    std::int16_t english;
    Four values;
    Texts shown;
};

void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.english << " " << c.shown[1]; }

const ShowCase kShows[] = {
    {-1, {1.5f, 10, 0.5f, 60}, {"1.50", "10.0", "0.500", "60.00"}},
    {0, {1.5f, 10, 0.5f, 60}, {"1.50", "0.25", "12.70", "60.00"}},
    {1, {1.5f, 10, 0.5f, 60}, {"1.50", "0.25", "12.70", "60.00"}}, // any flag but -1 is Metric
    {0, {0, 1, 0, 0}, {"0.00", "0.03", "0.00", "0.00"}},
    {-1, {0.125f, 0.25f, 0.0625f, 0.125f}, {"0.13", "0.3", "0.063", "0.13"}},
    {0, {1000, 39370.1f, 3.93701f, 20000}, {"1000.00", "1000.00", "100.00", "20000.00"}},
};

class ShowFields : public testing::TestWithParam<ShowCase> {};

TEST_P(ShowFields, WritesEachFieldThroughItsPatternAndKeepsTheStoredValues) {
    const ShowCase& c = GetParam();
    Tessomar w;
    prepare(w, 1, c.english, "", "", c.values);
    w.ShowSineFields();
    EXPECT_EQ(texts(w), c.shown);
    EXPECT_EQ(stored(w), c.values);
}

INSTANTIATE_TEST_SUITE_P(Units, ShowFields, testing::ValuesIn(kShows));

} // namespace
