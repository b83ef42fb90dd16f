// The number rules every field shares: reading a field's leading number,
// showing a value through a display pattern, and 32-bit storage.
#include "frame/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <locale>
#include <random>
#include <string>
#include <utility>

namespace {

using tessomar::num::format;
using tessomar::num::Pattern;
using tessomar::num::readLeading;
using tessomar::num::store;
using tessomar::num::val;

struct ReadCase {
    std::string text;
    double value;
    bool overflow = false;
};

class LeadingNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(LeadingNumber, ReadsTheLongestLeadingNumber) {
    const ReadCase& c = GetParam();
    const auto r = readLeading(c.text);
    EXPECT_EQ(r.value, c.value);
    EXPECT_EQ(r.overflow, c.overflow);
    EXPECT_EQ(val(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, LeadingNumber,
    testing::Values(
        // Ordinary numbers and where they end.
        ReadCase{"12abc", 12}, ReadCase{"abc", 0}, ReadCase{"", 0}, ReadCase{"2.5x", 2.5}, ReadCase{"12abc34", 12},
        ReadCase{"007", 7}, ReadCase{"5.", 5}, ReadCase{".5", 0.5}, ReadCase{"-.5", -0.5}, ReadCase{"+5", 5},
        ReadCase{"1.2.3", 1.2}, ReadCase{"1,5", 1}, ReadCase{"0x10", 0}, ReadCase{"&H10", 0}, ReadCase{"0.00", 0},
        // Signs: one, before the digits.
        ReadCase{"--5", 0}, ReadCase{"+-5", 0}, ReadCase{"-", 0}, ReadCase{".", 0}, ReadCase{"-.", 0},
        ReadCase{"5-", 5},
        // Blanks, tabs and line feeds are skipped anywhere; a carriage return is not.
        ReadCase{"1 000", 1000}, ReadCase{" \t\n 7", 7}, ReadCase{"1\t2\n3", 123}, ReadCase{"- 5", -5},
        ReadCase{"-\n5", -5}, ReadCase{"1 . 5", 1.5}, ReadCase{"1 e 3", 1000}, ReadCase{"1e- 2", 0.01},
        ReadCase{"1\r2", 1}, ReadCase{"\r5", 0}, ReadCase{"12\r\n", 12},
        // Exponents: E or D, either case, optional sign, digits required.
        ReadCase{"1e3", 1000}, ReadCase{"1E3", 1000}, ReadCase{"1D3", 1000}, ReadCase{"1d-2", 0.01},
        ReadCase{"1.5e+2", 150}, ReadCase{"1.e2", 100}, ReadCase{"1d+2", 100}, ReadCase{"1e", 1}, ReadCase{"1e+", 1},
        ReadCase{"1e-", 1}, ReadCase{"1ex", 1}, ReadCase{"1e3e4", 1000}, ReadCase{".e2", 0}, ReadCase{"e5", 0},
        ReadCase{"1e0003", 1000}, ReadCase{"1e-0", 1}, ReadCase{"1f3", 1},
        // Beyond a double: reported, with a finite value of the right sign.
        ReadCase{"1e400", DBL_MAX, true}, ReadCase{"-1e400", -DBL_MAX, true}, ReadCase{"1.8e308", DBL_MAX, true},
        ReadCase{"1e5000", DBL_MAX, true}, ReadCase{"-1D99999999999999999999", -DBL_MAX, true},
        ReadCase{std::string(400, '9'), DBL_MAX, true}, ReadCase{"1e" + std::string(3000, '9'), DBL_MAX, true},
        ReadCase{"-1E+" + std::string(3000, '9') + "x", -DBL_MAX, true}, ReadCase{"1e-" + std::string(3000, '9'), 0},
        ReadCase{"1e" + std::string(3000, '0') + "3", 1000},
        ReadCase{"0." + std::string(20, '0') + "1e400", DBL_MAX, true},
        // Too small for a double reads 0 and is no overflow.
        ReadCase{"1e-400", 0}, ReadCase{"-1e-5000", 0}, ReadCase{"0." + std::string(400, '0') + "1", 0},
        ReadCase{"0e5000", 0},
        // Long but in range.
        ReadCase{"1.7976931348623157e308", DBL_MAX}, ReadCase{"1" + std::string(300, '0'), 1e300},
        ReadCase{"1" + std::string(300, '0') + "e-300", 1}, ReadCase{"0." + std::string(300, '0') + "1e301", 1}));

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

INSTANTIATE_TEST_SUITE_P(
    Numbers, DisplayPattern,
    testing::Values(
        FormatCase{0.125, F2, "0.13"}, FormatCase{-0.125, F2, "-0.13"}, FormatCase{2.675, F2, "2.68"},
        FormatCase{1.005, F2, "1.01"}, FormatCase{0.015, F2, "0.02"}, FormatCase{0.0254, F2, "0.03"},
        FormatCase{-0.001, F2, "0.00"}, FormatCase{-0.005, F2, "-0.01"}, FormatCase{-0.0, F2, "0.00"},
        FormatCase{0, F2, "0.00"}, FormatCase{3, F2, "3.00"}, FormatCase{9.995, F2, "10.00"},
        FormatCase{99.999, F2, "100.00"}, FormatCase{1234.5, F2, "1234.50"}, FormatCase{25.4, F2, "25.40"},
        FormatCase{1e20, F2, "100000000000000000000.00"}, FormatCase{-1e20, F2, "-100000000000000000000.00"},
        FormatCase{1e-300, F2, "0.00"}, FormatCase{0.004999, F2, "0.00"}, FormatCase{1.25, F1, "1.3"},
        FormatCase{-1.25, F1, "-1.3"}, FormatCase{0.05, F1, "0.1"}, FormatCase{0.04, F1, "0.0"},
        FormatCase{99.95, F1, "100.0"}, FormatCase{-0.04, F1, "0.0"}, FormatCase{0.0005, F3, "0.001"},
        FormatCase{1.0005, F3, "1.001"}, FormatCase{-0.0004, F3, "0.000"}, FormatCase{0.9995, F3, "1.000"},
        FormatCase{12.3456, F3, "12.346"}, FormatCase{0.0000005, F6, "0.000001"}, FormatCase{0.0000004, F6, "0.000000"},
        FormatCase{-0.0000005, F6, "-0.000001"}, FormatCase{0.1, F6, "0.100000"}, FormatCase{1e6, F6, "1000000.000000"},
        FormatCase{5e-324, F6, "0.000000"}, FormatCase{0.0123455, F6, "0.012346"}, FormatCase{7, I2, "07"},
        FormatCase{0, I2, "00"}, FormatCase{0.4, I2, "00"}, FormatCase{0.5, I2, "01"}, FormatCase{2.5, I2, "03"},
        FormatCase{50, I2, "50"}, FormatCase{123, I2, "123"}, FormatCase{-7, I2, "-07"}, FormatCase{99.5, I2, "100"}));

// A value shown, read back and shown again gives the same text; the text is
// within half a unit of its last digit from the value; and a text committed,
// shown and committed again stores the same float.
TEST(Numbers, DisplayedValuesRoundTrip) {
    struct P {
        Pattern pattern;
        int decimals;
    };
    const P patterns[] = {{F1, 1}, {F2, 2}, {F3, 3}, {F6, 6}, {I2, 0}};
    std::mt19937_64 gen(20240607);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-8, 12);
    for (int i = 0; i < 4000; ++i) {
        const double v = (i % 2 ? -1 : 1) * mantissa(gen) * std::pow(10.0, exponent(gen));
        for (const P& p : patterns) {
            const std::string t = format(v, p.pattern);
            ASSERT_EQ(format(val(t), p.pattern), t) << v;
            ASSERT_LE(std::fabs(val(t) - v), 0.5 * std::pow(10.0, -p.decimals) * (1 + 1e-12) + std::fabs(v) * 1e-15)
                << v << " shown as " << t;
            const auto dot = t.find('.');
            ASSERT_EQ(dot == std::string::npos ? 0 : t.size() - dot - 1, static_cast<std::size_t>(p.decimals)) << t;
            const float once = store(val(t));
            ASSERT_EQ(store(val(format(once, p.pattern))), once) << t;
        }
    }
}

TEST(Numbers, LargestFloatShowsAllItsIntegerDigits) {
    const std::string t = format(FLT_MAX, F2);
    ASSERT_EQ(t.size(), 39u + 3u) << t;
    EXPECT_EQ(t.substr(0, 8), "34028234");
    EXPECT_EQ(t.substr(39), ".00");
    EXPECT_EQ(store(val(t)), FLT_MAX);
    EXPECT_EQ("-" + t, format(-FLT_MAX, F2));
}

TEST(Numbers, StorageRoundsToNearestFloatAndNeverOverflows) {
    const std::pair<double, float> cases[] = {{0.1, 0.1f},          {-2.675, -2.675f},   {20000, 20000.0f},
                                              {FLT_MAX, FLT_MAX},   {1e300, FLT_MAX},    {-1e300, -FLT_MAX},
                                              {DBL_MAX, FLT_MAX},   {HUGE_VAL, FLT_MAX}, {-HUGE_VAL, -FLT_MAX},
                                              {std::nan(""), 0.0f}, {1e-50, 0.0f}};
    for (const auto& [value, stored] : cases) EXPECT_EQ(store(value), stored) << value;
}

// A comma locale, if the machine has one, and a C++ global locale whose
// decimal point is a comma: either way the rules must keep ".".
TEST(Numbers, ReadingAndShowingKeepThePointUnderACommaLocale) {
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8"})
        if (std::setlocale(LC_ALL, name)) break;
    std::locale::global(std::locale(std::locale::classic(), new Comma));
    EXPECT_EQ(val("1.5"), 1.5);
    EXPECT_EQ(val("1,5"), 1);
    EXPECT_EQ(val("1.5e3"), 1500);
    EXPECT_EQ(format(1234.5, F2) + format(-0.125, F2) + format(0.0000005, F6), "1234.50-0.130.000001");
    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, saved.c_str());
}

} // namespace
