// The sine and shock relations, and what a field does with a typed value.
#include "calc/sine.h"
#include "calc/sine_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace tessomar::sine;

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

// Limits apply to the number as typed in the unit shown; Metric velocities
// and displacements are typed in m/s and mm, kept at the Metric precision
// and held in English units; the sign is dropped.
struct TakeCase {
    Param field;
    const char* typed;
    bool metric;
    const char* text; // what the field shows afterwards
    float stored;     // in English units
};

const TakeCase kTakes[] = {
    {Param::Accel, "1500", false, "1000.00", 1000},    {Param::Vel, "1000.5", false, "1000.0", 1000},
    {Param::Disp, "150", false, "100.000", 100},       {Param::Freq, "25000", false, "20000.00", 20000},
    {Param::Accel, "-12.345", false, "12.35", 12.35f}, {Param::Disp, "0.0125", false, "0.013", 0.013f},
    {Param::Accel, "1e999", false, "1000.00", 1000},   {Param::Disp, "0.01", true, "0.01", 0.000393701f},
    {Param::Vel, "2000", true, "1000.00", 39370.1f},   {Param::Accel, "1500", true, "1000.00", 1000},
    {Param::Freq, "0.004", false, "0.00", 0},
};

TEST(Entry, StoresTheValueAtTheFieldsPrecisionWithinItsLimit) {
    for (const TakeCase& c : kTakes) {
        const Taken t = takeEntry(c.field, c.typed, c.metric);
        EXPECT_EQ(t.text, c.text) << c.typed;
        EXPECT_EQ(t.stored, c.stored) << c.typed;
    }
}

} // namespace
