// The number rules every field shares: reading a leading number, the
// display patterns, 32-bit storage.
#include "calc/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace {

using namespace tessomar::num;

struct ReadCase {
    std::string text;
    double value;
};

class LeadingNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumber, ReadsTheLongestLeadingNumber) {
    const Reading r = readLeading(GetParam().text);
    EXPECT_EQ(r.value, GetParam().value);
    EXPECT_EQ(r.overflow, std::fabs(r.value) == DBL_MAX); // the one sign of a number beyond a double
}

const std::string k400Nines(400, '9'), kTiny = "0." + std::string(400, '0') + "1",
                                       kOne = "1" + kTiny.substr(2) + "e-401";

// Blanks, tabs and line feeds are skipped wherever they stand, a carriage
// return is not; an exponent is E or D, either case, a sign and digits. Beyond
// a double reads as the largest double of its sign; too small reads 0.
const ReadCase kReads[] = {
    {"12abc", 12},        {"abc", 0},        {"2.5x", 2.5}, {"1.2.3", 1.2},     {"1,5", 1},
    {".5", 0.5},          {"-.5", -0.5},     {"+5", 5},     {"--5", 0},         {"1 000", 1000},
    {" \t\n-\n5", -5},    {"1 . 5 e 1", 15}, {"1\r2", 1},   {"1E3", 1000},      {"1D-2", 0.01},
    {"1d+2", 100},        {"1e", 1},         {"1e-x", 1},   {"1e400", DBL_MAX}, {"-1D999999999", -DBL_MAX},
    {k400Nines, DBL_MAX}, {"1e-400", 0},     {kTiny, 0},    {kOne, 1}};
INSTANTIATE_TEST_SUITE_P(Numbers, LeadingNumber, testing::ValuesIn(kReads));

struct FormatCase {
    double value;
    Pattern pattern;
    const char* text;
};

class DisplayPattern : public testing::TestWithParam<FormatCase> {};

TEST_P(DisplayPattern, RoundsHalfAwayFromZero) {
    EXPECT_EQ(format(GetParam().value, GetParam().pattern), GetParam().text);
}

constexpr Pattern F1 = Pattern::Fixed1, F2 = Pattern::Fixed2, F3 = Pattern::Fixed3, F6 = Pattern::Fixed6,
                  I2 = Pattern::Int2;

const FormatCase kFormats[] = {
    {0.125, F2, "0.13"}, {-0.125, F2, "-0.13"},  {2.675, F2, "2.68"},         {1.234, F2, "1.23"}, {9.995, F2, "10.00"},
    {0.005, F2, "0.01"}, {0.004999, F2, "0.00"}, {-0.001, F2, "0.00"},        {0, F2, "0.00"},     {1.25, F1, "1.3"},
    {0.04, F1, "0.0"},   {0.0005, F3, "0.001"},  {0.0000005, F6, "0.000001"}, {7, I2, "07"},       {0, I2, "00"},
    {-7, I2, "-07"},     {123.5, I2, "124"}};
INSTANTIATE_TEST_SUITE_P(Numbers, DisplayPattern, testing::ValuesIn(kFormats));

TEST(Numbers, StorageRoundsToAFloatAndHoldsWhatNoFloatCanAsTheNearestOrZero) {
    for (auto [value, stored] :
         {std::pair{0.1, 0.1f}, {1e300, FLT_MAX}, {-1e300, -FLT_MAX}, {std::nan(""), 0.0f}, {1e-50, 0.0f}})
        EXPECT_EQ(store(value), stored) << value;
    EXPECT_EQ(format(FLT_MAX, F2), "34028234663852886" + std::string(22, '0') + ".00"); // shows every digit
}

} // namespace
