// The relations, and the engines that run them on the window's form state.
#include "frame/tessomar.h"
#include "sine/relations.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

namespace {

using namespace tessomar::sine;
using tessomar::Tessomar;

// Expected values worked out by hand from the published constants (pi taken
// as 3.1415926); a relative tolerance of 1e-12 tells them from a constant
// written any other way (a longer pi, a recomputed square root).
using P = Param;
const ShockReference* const S = nullptr; // sine
const ShockReference* const H = &kHalfSine;
const ShockReference* const T = &kTerminalPeak;

struct RelationCase {
    const ShockReference* shape;
    const char* letters; // the two entered, found in either order
    Values in;           // accel, vel, disp, freq
    Computed first, second;
};

void PrintTo(const RelationCase& c, std::ostream* os) { *os << c.shape << " " << c.letters; }

const RelationCase kRelationCases[] = {
    {S, "AF", {10, 0, 0, 100}, {P::Vel, 6.14478137}, {P::Disp, 0.019559447}},
    {S, "VD", {0, 10, 0.1, 0}, {P::Accel, 5.18016617973105}, {P::Freq, 31.8309891613572}},
    {S, "AD", {1, 0, 0.1, 0}, {P::Vel, 4.39367711918763}, {P::Freq, 13.9855091022099}},
    {S, "FD", {0, 0, 0.05, 50}, {P::Accel, 6.39077372688502}, {P::Vel, 7.8539815}},
    {S, "VF", {0, 5, 0, 20}, {P::Accel, 1.62739720062652}, {P::Disp, 0.079577472903393}},
    {S, "AV", {2, 3, 0, 0}, {P::Disp, 0.0233107478087897}, {P::Freq, 40.9652091333333}},
    {H, "AF", {10, 0, 0, 10}, {P::Vel, 10.2287}, {P::Disp, 0.125}},
    {H, "AF", {40, 0, 0, 5}, {P::Vel, 20.4574}, {P::Disp, 0.125}},
    {H, "VF", {0, 30, 0, 6}, {P::Accel, 48.8820671248546}, {P::Disp, 0.219969302061846}},
    {H, "AV", {20, 30, 0, 0}, {P::Disp, 0.537627709439727}, {P::Freq, 14.6646201374564}},
    {H, "FD", {0, 0, 0.3, 8}, {P::Accel, 37.5}, {P::Vel, 30.6861}},
    {T, "AF", {10, 0, 0, 10}, {P::Vel, 8.044}, {P::Disp, 0.069}},
    {T, "AD", {20, 0, 0.5, 0}, {P::Vel, 30.6229846423532}, {P::Freq, 19.034674690672}},
    {T, "VD", {0, 30, 0.5, 0}, {P::Accel, 19.1945295405355}, {P::Freq, 19.4299516908213}},
};

class Relation : public testing::TestWithParam<RelationCase> {};

TEST_P(Relation, ComputesBothResultsInTableOrder) {
    const RelationCase& c = GetParam();
    const std::string_view a(c.letters, 1), b(c.letters + 1, 1);
    const std::optional<Pair> pair = findPair(a, b);
    ASSERT_TRUE(pair);
    EXPECT_EQ(findPair(b, a), pair);
    const Results r = c.shape ? shockRelation(*pair, c.in, *c.shape) : sineRelation(*pair, c.in);
    EXPECT_EQ(r.first.param, c.first.param);
    EXPECT_EQ(r.second.param, c.second.param);
    EXPECT_NEAR(r.first.value, c.first.value, c.first.value * 1e-12);
    EXPECT_NEAR(r.second.value, c.second.value, c.second.value * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(SineAndShock, Relation, testing::ValuesIn(kRelationCases));

TEST(FindPair, NothingUnlessTwoDifferentParameterLetters) {
    for (auto [last, prior] : {std::pair{"A", "A"}, {"A", ""}, {"", "A"}, {"X", "A"}, {"a", "v"}, {"AV", "F"}})
        EXPECT_EQ(findPair(last, prior), std::nullopt) << last << "," << prior;
}

TEST(ShockReference, TerminalPeakOnlyInModeThree) {
    for (int mode : {0, 1, 2, 4}) EXPECT_EQ(&shockReference(mode), &kHalfSine) << mode;
    EXPECT_EQ(&shockReference(3), &kTerminalPeak);
}

// ---- The engines, on a bare window with their inputs set by hand ----

using Four = std::array<float, 4>;        // accel, vel, disp, freq as stored
using Texts = std::array<std::string, 4>; // Acceleration, Velocity, Displacement, Frequency

void prepare(Tessomar& w, int mode, std::int16_t english, const char* last, const char* prior, const Four& v) {
    w.fs.CalcMode = static_cast<std::int16_t>(mode);
    w.fs.EnglishUnits = english;
    w.fs.LastEntry = last;
    w.fs.PriorEntry = prior;
    w.fs.EntryPending = tessomar::kTrue;
    std::tie(w.fs.SineAccel, w.fs.SineVel, w.fs.SineDisp, w.fs.SineFreq) = std::tuple(v[0], v[1], v[2], v[3]);
    for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency}) box->setText("typed");
}

void run(Tessomar& w) { w.fs.CalcMode == 1 ? w.UpdateSine() : w.UpdateShock(); }
Four stored(const Tessomar& w) { return {w.fs.SineAccel, w.fs.SineVel, w.fs.SineDisp, w.fs.SineFreq}; }
Texts texts(const Tessomar& w) {
    return {w.Acceleration.Text(), w.Velocity.Text(), w.Displacement.Text(), w.Frequency.Text()};
}

// A full run stores both results as 32-bit floats (the relations' double
// results rounded to 32 bits) and shows all four, in English units when the
// flag is -1, else in m/s and mm; an entered value of 0 is no reason to stop
// when it is one of the two being computed.
struct RunCase {
    int mode;
    std::int16_t english;
    const char* last;
    const char* prior;
    Four entered, after;
    Texts shown;
};

const RunCase kRuns[] = {
    {1, -1, "F", "A", {10, 0, 0, 100}, {10, 6.1447816f, 0.019559447f, 100}, {"10.00", "6.1", "0.020", "100.00"}},
    {1, 0, "F", "A", {10, 0, 0, 100}, {10, 6.1447816f, 0.019559447f, 100}, {"10.00", "0.16", "0.50", "100.00"}},
    {2, 1, "F", "A", {10, 0, 0, 10}, {10, 10.2287f, 0.125f, 10}, {"10.00", "0.26", "3.18", "10.00"}}, // any flag but -1
    {1, -1, "D", "V", {0, 10, 0.1f, 0}, {5.1801662f, 10, 0.1f, 31.830988f}, {"5.18", "10.0", "0.100", "31.83"}},
    {2, -1, "F", "A", {10, 0, 0, 10}, {10, 10.2287f, 0.125f, 10}, {"10.00", "10.2", "0.125", "10.00"}},
    {3, -1, "F", "A", {10, 0, 0, 10}, {10, 8.044f, 0.069f, 10}, {"10.00", "8.0", "0.069", "10.00"}},
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

// Guards: nothing pending, an entered zero, an incomplete history. What is shown
// rounds halves away from zero.
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
    {"NothingPending", 0, "F", "A", {0.125f, 0.25f, 0.0625f, 0.125f}, false},
    {"EnteredAccelZero", -1, "A", "F", {0, 0.25f, 0.0625f, 0.125f}, false},
    {"EnteredFreqZeroAsPrior", -1, "A", "F", {0.125f, 0.25f, 0.0625f, 0}, false},
    {"EnteredVelZero", -1, "V", "D", {0.125f, 0, 0.0625f, 0.125f}, false},
    {"EnteredDispZero", -1, "V", "D", {0.125f, 0.25f, 0, 0.125f}, false},
    {"OnlyEntryIsZero", -1, "D", "", {0.125f, 0.25f, 0, 0.125f}, false},
    {"OnlyOneEntry", -1, "A", "", {0.125f, 0.25f, 0.0625f, 0.125f}, true},
    {"LastNotALetter", -1, "", "A", {0.125f, 0.25f, 0.0625f, 0.125f}, true},
    {"SameLetterTwice", -1, "A", "A", {0.125f, 0.25f, 0.0625f, 0.125f}, true},
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
    const Texts shown{"0.13", "0.3", "0.063", "0.13"}, untouched{"typed", "typed", "typed", "typed"};
    EXPECT_EQ(texts(w), c.shows ? shown : untouched);
}

INSTANTIATE_TEST_SUITE_P(Guards, EngineGuard, testing::Combine(testing::ValuesIn(kGuards), testing::Values(1, 2, 3)));

} // namespace
