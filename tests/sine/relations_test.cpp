#include "sine/relations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

using tessomar::sine::findPair;
using tessomar::sine::Pair;
using tessomar::sine::Param;
using tessomar::sine::Results;
using tessomar::sine::ShockReference;
using tessomar::sine::Values;

// ---- Which relation a pair of entered letters selects ----

struct PairCase {
    const char* last;
    const char* prior;
    std::optional<Pair> expected;
};

class FindPair : public testing::TestWithParam<PairCase> {};

TEST_P(FindPair, SelectsTheRowForEitherOrderAndNothingForNonLetters) {
    const PairCase& c = GetParam();
    EXPECT_EQ(findPair(c.last, c.prior), c.expected) << c.last << "," << c.prior;
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FindPair,
    testing::Values(PairCase{"A", "D", Pair::AD}, PairCase{"D", "A", Pair::AD}, PairCase{"A", "V", Pair::AV},
                    PairCase{"V", "A", Pair::AV}, PairCase{"A", "F", Pair::AF}, PairCase{"F", "A", Pair::AF},
                    PairCase{"V", "D", Pair::VD}, PairCase{"D", "V", Pair::VD}, PairCase{"V", "F", Pair::VF},
                    PairCase{"F", "V", Pair::VF}, PairCase{"F", "D", Pair::FD}, PairCase{"D", "F", Pair::FD},
                    PairCase{"A", "A", std::nullopt}, PairCase{"A", "", std::nullopt}, PairCase{"", "A", std::nullopt},
                    PairCase{"", "", std::nullopt}, PairCase{"X", "A", std::nullopt}, PairCase{"a", "v", std::nullopt},
                    PairCase{"AV", "F", std::nullopt}));

// ---- The relations themselves ----
// Expected values are worked out by hand from the published constants
// (pi taken as 3.1415926); a relative tolerance of 1e-12 tells a constant
// written differently (a longer pi, a recomputed square root) from these.

enum class Shape { Sine, HalfSine, TerminalPeak };

struct RelationCase {
    const char* name;
    Shape shape;
    Pair pair;
    Values in;
    Param firstParam;
    double first;
    Param secondParam;
    double second;
};

Results run(const RelationCase& c) {
    switch (c.shape) {
    case Shape::Sine:
        return tessomar::sine::sineRelation(c.pair, c.in);
    case Shape::HalfSine:
        return tessomar::sine::shockRelation(c.pair, c.in, tessomar::sine::kHalfSine);
    case Shape::TerminalPeak:
        return tessomar::sine::shockRelation(c.pair, c.in, tessomar::sine::kTerminalPeak);
    }
    return {};
}

class Relation : public testing::TestWithParam<RelationCase> {};

TEST_P(Relation, ComputesBothResultsInTableOrder) {
    const RelationCase& c = GetParam();
    const Results r = run(c);
    EXPECT_EQ(r.first.param, c.firstParam);
    EXPECT_EQ(r.second.param, c.secondParam);
    EXPECT_NEAR(r.first.value, c.first, std::fabs(c.first) * 1e-12);
    EXPECT_NEAR(r.second.value, c.second, std::fabs(c.second) * 1e-12);
}

// Values{accel, vel, disp, freq}
INSTANTIATE_TEST_SUITE_P(Sine, Relation,
                         testing::Values(RelationCase{"AccelFreq10g100Hz",
                                                      Shape::Sine,
                                                      Pair::AF,
                                                      {10, 0, 0, 100},
                                                      Param::Vel,
                                                      6.14478137,
                                                      Param::Disp,
                                                      0.019559447},
                                         RelationCase{"VelDisp",
                                                      Shape::Sine,
                                                      Pair::VD,
                                                      {0, 10, 0.1, 0},
                                                      Param::Accel,
                                                      5.1801661797310459,
                                                      Param::Freq,
                                                      31.830989161357198},
                                         RelationCase{"AccelDisp",
                                                      Shape::Sine,
                                                      Pair::AD,
                                                      {1, 0, 0.1, 0},
                                                      Param::Vel,
                                                      4.3936771191876289,
                                                      Param::Freq,
                                                      13.985509102209935},
                                         RelationCase{"FreqDisp",
                                                      Shape::Sine,
                                                      Pair::FD,
                                                      {0, 0, 0.05, 50},
                                                      Param::Accel,
                                                      6.3907737268850191,
                                                      Param::Vel,
                                                      7.8539815},
                                         RelationCase{"VelFreq",
                                                      Shape::Sine,
                                                      Pair::VF,
                                                      {0, 5, 0, 20},
                                                      Param::Accel,
                                                      1.6273972006265214,
                                                      Param::Disp,
                                                      0.079577472903393009},
                                         RelationCase{"AccelVel",
                                                      Shape::Sine,
                                                      Pair::AV,
                                                      {2, 3, 0, 0},
                                                      Param::Disp,
                                                      0.023310747808789705,
                                                      Param::Freq,
                                                      40.965209133333332}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Shock, Relation,
    testing::Values(
        RelationCase{"HalfSineReferencePulse",
                     Shape::HalfSine,
                     Pair::AF,
                     {10, 0, 0, 10},
                     Param::Vel,
                     10.2287,
                     Param::Disp,
                     0.125},
        RelationCase{
            "HalfSine40g5ms", Shape::HalfSine, Pair::AF, {40, 0, 0, 5}, Param::Vel, 20.4574, Param::Disp, 0.125},
        RelationCase{"HalfSineVelDuration",
                     Shape::HalfSine,
                     Pair::VF,
                     {0, 30, 0, 6},
                     Param::Accel,
                     48.882067124854579,
                     Param::Disp,
                     0.21996930206184559},
        RelationCase{"HalfSineAccelVel",
                     Shape::HalfSine,
                     Pair::AV,
                     {20, 30, 0, 0},
                     Param::Disp,
                     0.53762770943972737,
                     Param::Freq,
                     14.664620137456373},
        RelationCase{
            "HalfSineDurationDisp", Shape::HalfSine, Pair::FD, {0, 0, 0.3, 8}, Param::Accel, 37.5, Param::Vel, 30.6861},
        RelationCase{"TerminalPeakReferencePulse",
                     Shape::TerminalPeak,
                     Pair::AF,
                     {10, 0, 0, 10},
                     Param::Vel,
                     8.044,
                     Param::Disp,
                     0.069},
        RelationCase{"TerminalPeakAccelDisp",
                     Shape::TerminalPeak,
                     Pair::AD,
                     {20, 0, 0.5, 0},
                     Param::Vel,
                     30.622984642353156,
                     Param::Freq,
                     19.03467469067202},
        RelationCase{"TerminalPeakVelDisp",
                     Shape::TerminalPeak,
                     Pair::VD,
                     {0, 30, 0.5, 0},
                     Param::Accel,
                     19.194529540535509,
                     Param::Freq,
                     19.429951690821259}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Every pair describes the same motion ----
// From any two parameters of one motion, the other two come back. The sine
// constants are rounded independently, so they agree to about 1e-7.

struct MotionCase {
    Shape shape;
    Values motion; // four mutually consistent values
    double tolerance;
};

class SameMotionFromEveryPair : public testing::TestWithParam<MotionCase> {};

TEST_P(SameMotionFromEveryPair, RecoversTheOtherTwo) {
    const MotionCase& m = GetParam();
    for (Pair pair : {Pair::AD, Pair::AV, Pair::AF, Pair::VD, Pair::VF, Pair::FD}) {
        const Results r = run({"", m.shape, pair, m.motion, Param::Accel, 0, Param::Accel, 0});
        EXPECT_NE(r.first.param, r.second.param);
        for (const auto& computed : {r.first, r.second}) {
            const double want = m.motion.get(computed.param);
            EXPECT_NEAR(computed.value, want, want * m.tolerance) << "pair " << static_cast<int>(pair);
        }
    }
}

// Shock motions follow v = V0 a t and d = D0 a t^2 with a = A/10, t = T/10.
MotionCase shockMotion(Shape shape, const ShockReference& ref, double accel, double duration) {
    const double a = accel / 10, t = duration / 10;
    return {shape, {accel, ref.v0 * a * t, ref.d0 * a * t * t, duration}, 1e-12};
}

INSTANTIATE_TEST_SUITE_P(Motions, SameMotionFromEveryPair,
                         testing::Values(MotionCase{Shape::Sine, {10, 6.14478137, 0.019559447, 100}, 2e-7},
                                         MotionCase{Shape::Sine, {1, 0.0614478137, 0.0000195594470, 1000}, 2e-7},
                                         shockMotion(Shape::HalfSine, tessomar::sine::kHalfSine, 37, 2.5),
                                         shockMotion(Shape::HalfSine, tessomar::sine::kHalfSine, 0.5, 300),
                                         shockMotion(Shape::TerminalPeak, tessomar::sine::kTerminalPeak, 150, 11),
                                         shockMotion(Shape::TerminalPeak, tessomar::sine::kTerminalPeak, 1000, 0.2)));

// ---- Reference sets and letters ----

struct ReferenceCase {
    int calcMode;
    double v0;
    double d0;
};

class ShockReferenceForMode : public testing::TestWithParam<ReferenceCase> {};

TEST_P(ShockReferenceForMode, TerminalPeakOnlyInModeThree) {
    const ReferenceCase& c = GetParam();
    const ShockReference& ref = tessomar::sine::shockReference(c.calcMode);
    EXPECT_EQ(ref.v0, c.v0);
    EXPECT_EQ(ref.d0, c.d0);
}

INSTANTIATE_TEST_SUITE_P(Modes, ShockReferenceForMode,
                         testing::Values(ReferenceCase{2, 10.2287, 0.125}, ReferenceCase{3, 8.044, 0.069},
                                         ReferenceCase{1, 10.2287, 0.125}, ReferenceCase{0, 10.2287, 0.125}));

struct LetterCase {
    const char* letter;
    std::optional<Param> param;
};

class ParamOf : public testing::TestWithParam<LetterCase> {};

TEST_P(ParamOf, KnowsOnlyTheFourCapitalLetters) {
    EXPECT_EQ(tessomar::sine::paramOf(GetParam().letter), GetParam().param);
}

INSTANTIATE_TEST_SUITE_P(Letters, ParamOf,
                         testing::Values(LetterCase{"A", Param::Accel}, LetterCase{"V", Param::Vel},
                                         LetterCase{"D", Param::Disp}, LetterCase{"F", Param::Freq},
                                         LetterCase{"", std::nullopt}, LetterCase{"f", std::nullopt},
                                         LetterCase{"AF", std::nullopt}, LetterCase{" A", std::nullopt}));

} // namespace
