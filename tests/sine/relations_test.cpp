#include "sine/relations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>

namespace {

using namespace tessomar::sine;

struct PairCase {
    const char* last;
    const char* prior;
    std::optional<Pair> expected;
};

void PrintTo(const PairCase& c, std::ostream* os) { *os << '"' << c.last << "\",\"" << c.prior << '"'; }

const PairCase kPairCases[] = {
    {"A", "D", Pair::AD}, {"D", "A", Pair::AD}, {"A", "V", Pair::AV}, {"V", "A", Pair::AV}, {"A", "F", Pair::AF},
    {"F", "A", Pair::AF}, {"V", "D", Pair::VD}, {"D", "V", Pair::VD}, {"V", "F", Pair::VF}, {"F", "V", Pair::VF},
    {"F", "D", Pair::FD}, {"D", "F", Pair::FD}, {"A", "A", {}},       {"A", "", {}},        {"", "A", {}},
    {"X", "A", {}},       {"a", "v", {}},       {"AV", "F", {}},
};

class FindPair : public testing::TestWithParam<PairCase> {};

TEST_P(FindPair, SelectsTheRowForEitherOrderAndNothingForNonLetters) {
    EXPECT_EQ(findPair(GetParam().last, GetParam().prior), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Letters, FindPair, testing::ValuesIn(kPairCases));

// Expected values worked out by hand from the published constants (pi taken
// as 3.1415926); a relative tolerance of 1e-12 tells them from a constant
// written any other way (a longer pi, a recomputed square root).
enum class Shape { Sine, HalfSine, TerminalPeak };
using P = Param;
constexpr Shape S = Shape::Sine, H = Shape::HalfSine, T = Shape::TerminalPeak;

struct RelationCase {
    Shape shape;
    Pair pair;
    Values in; // accel, vel, disp, freq
    Computed first;
    Computed second;
};

void PrintTo(const RelationCase& c, std::ostream* os) {
    *os << "shape " << static_cast<int>(c.shape) << " pair " << static_cast<int>(c.pair);
}

const RelationCase kRelationCases[] = {
    {S, Pair::AF, {10, 0, 0, 100}, {P::Vel, 6.14478137}, {P::Disp, 0.019559447}},
    {S, Pair::VD, {0, 10, 0.1, 0}, {P::Accel, 5.18016617973105}, {P::Freq, 31.8309891613572}},
    {S, Pair::AD, {1, 0, 0.1, 0}, {P::Vel, 4.39367711918763}, {P::Freq, 13.9855091022099}},
    {S, Pair::FD, {0, 0, 0.05, 50}, {P::Accel, 6.39077372688502}, {P::Vel, 7.8539815}},
    {S, Pair::VF, {0, 5, 0, 20}, {P::Accel, 1.62739720062652}, {P::Disp, 0.079577472903393}},
    {S, Pair::AV, {2, 3, 0, 0}, {P::Disp, 0.0233107478087897}, {P::Freq, 40.9652091333333}},
    {H, Pair::AF, {10, 0, 0, 10}, {P::Vel, 10.2287}, {P::Disp, 0.125}},
    {H, Pair::AF, {40, 0, 0, 5}, {P::Vel, 20.4574}, {P::Disp, 0.125}},
    {H, Pair::VF, {0, 30, 0, 6}, {P::Accel, 48.8820671248546}, {P::Disp, 0.219969302061846}},
    {H, Pair::AV, {20, 30, 0, 0}, {P::Disp, 0.537627709439727}, {P::Freq, 14.6646201374564}},
    {H, Pair::FD, {0, 0, 0.3, 8}, {P::Accel, 37.5}, {P::Vel, 30.6861}},
    {T, Pair::AF, {10, 0, 0, 10}, {P::Vel, 8.044}, {P::Disp, 0.069}},
    {T, Pair::AD, {20, 0, 0.5, 0}, {P::Vel, 30.6229846423532}, {P::Freq, 19.034674690672}},
    {T, Pair::VD, {0, 30, 0.5, 0}, {P::Accel, 19.1945295405355}, {P::Freq, 19.4299516908213}},
};

class Relation : public testing::TestWithParam<RelationCase> {};

TEST_P(Relation, ComputesBothResultsInTableOrder) {
    const RelationCase& c = GetParam();
    const Results r = c.shape == S ? sineRelation(c.pair, c.in)
                                   : shockRelation(c.pair, c.in, c.shape == H ? kHalfSine : kTerminalPeak);
    EXPECT_EQ(r.first.param, c.first.param);
    EXPECT_EQ(r.second.param, c.second.param);
    EXPECT_NEAR(r.first.value, c.first.value, c.first.value * 1e-12);
    EXPECT_NEAR(r.second.value, c.second.value, c.second.value * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(SineAndShock, Relation, testing::ValuesIn(kRelationCases));

TEST(ShockReference, TerminalPeakOnlyInModeThree) {
    for (int mode : {0, 1, 2, 4}) EXPECT_EQ(&shockReference(mode), &kHalfSine) << mode;
    EXPECT_EQ(&shockReference(3), &kTerminalPeak);
}

} // namespace
