// The frame: the number rules every field shares (reading a leading number,
// the display patterns, 32-bit storage), the layout's scaling to the screen
// and the window's starting state.
#include "calc/numbers.h"
#include "frame/user.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <tuple>

namespace {

using namespace tessomar::num;
using tessomar::Tessomar;

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

struct ScreenCase {
    float twipsPerPixel, factor;
};

class Scaling : public testing::TestWithParam<ScreenCase> {};

// Every control's place, size and font (the scroll bar has none), the window's too.
TEST_P(Scaling, MultipliesTheWholeLayoutByTheScreensFactor) {
    const ScreenCase& c = GetParam();
    Tessomar design, w;
    w.twipsPerPixelX = c.twipsPerPixel;
    w.load();
    EXPECT_EQ(w.fs.ScaleFactor, c.factor);
    const float k = c.factor;
    EXPECT_TRUE(w.Height == design.Height * k && w.font.size == design.font.size * k);
    for (std::size_t i = 0; i < w.controls().size(); ++i) {
        const tk::Control &d = *design.controls()[i], &s = *w.controls()[i];
        const float font = &s == &w.Scroll ? d.font.size : d.font.size * k;
        EXPECT_TRUE(s.Left == d.Left * k && s.Top == d.Top * k && s.Width == d.Width * k && s.Height == d.Height * k &&
                    s.font.size == font)
            << s.name();
    }
    const tk::Line &l = w.Line1, &dl = design.Line1;
    EXPECT_TRUE(l.X1 == dl.X1 * k && l.X2 == dl.X2 * k && l.Y1 == dl.Y1 * k && l.Y2 == dl.Y2 * k);
}

// A reading that is no usable resolution counts as a 96-dpi screen.
INSTANTIATE_TEST_SUITE_P(Screens, Scaling,
                         testing::Values(ScreenCase{15, 0.9933775f}, ScreenCase{12, 0.7947020f},
                                         ScreenCase{0, 0.9933775f}, ScreenCase{NAN, 0.9933775f}));

TEST(Scaling, ASizeNoFloatHoldsEndsTheScalingThereButTheLineStillScales) {
    Tessomar w;
    w.twipsPerPixelX = 30.2f; // factor 2: FLT_MAX overflows
    w.Acceleration.Width = FLT_MAX;
    w.load();
    EXPECT_EQ(w.A[8].Left, 3600); // scaled, being before it in the order
    EXPECT_EQ(w.Acceleration.Top + w.Acceleration.Height, 2800 + 720);
    EXPECT_EQ(w.Acceleration.Width, FLT_MAX);
    EXPECT_EQ(w.Acceleration.font.size + w.AccelLbl.Left, 9.75f + 50); // after the failure: design values
    EXPECT_EQ(w.Line1.Y2, 2600);
}

TEST(Startup, ActivationPutsTheWindowIntoItsStartingState) {
    Tessomar w;
    const tessomar::FormState& fs = w.fs;
    for (float v : {fs.SineAccel, fs.RandomGrms, fs.SineVel, fs.RandomVel, fs.SineDisp, fs.RandomDisp, fs.SineFreq})
        EXPECT_EQ(v, 0); // a new window's record holds nothing
    for (int v : {fs.EnglishUnits, fs.CalcMode, fs.EditRow, fs.FocusRow, fs.EntryPending}) EXPECT_EQ(v, 0);
    w.load();
    w.fs = {1, 2, 3, 4, 5, 6, fs.ScaleFactor, 8, 0, 3, "no letter at all", "nor is this one", {}, {}, 0, 0, 0};
    w.fs.BkFreq.fill(9);
    w.fs.BkPsd.fill(9);
    w.fs.BkFreq[0] = w.fs.BkPsd[0] = 0;
    w.activate();
    EXPECT_EQ(std::tuple(fs.EnglishUnits, fs.CalcMode), std::tuple(-1, 1));
    for (float v : {fs.RandomGrms, fs.RandomVel, fs.RandomDisp}) EXPECT_EQ(v, 0);
    EXPECT_TRUE(fs.BkFreq == decltype(fs.BkFreq){} && fs.BkPsd == decltype(fs.BkPsd){});
    EXPECT_EQ(user::shown(w) + " " + w.DispUnits.Caption, "0.00|0.0|0.000|0.00 WWWW Acceleration* in. p-p");
    for (tk::TextBox* box : {&w.Velocity, &w.Displacement, &w.Frequency}) EXPECT_EQ(box->selectedText(), box->Text());
    for (int i = 0; i < tessomar::kRows; ++i)
        EXPECT_EQ(w.B[i].Text() + w.F[i].Text() + w.A[i].Text(), "0" + std::to_string(i + 1) + "0.000.000000");
    EXPECT_TRUE(w.Scroll.Min() == 1 && w.Scroll.Max() == 1 && w.Scroll.Value() == 1);
    EXPECT_EQ(w.SineHelp.Text().size(), 496u);
    EXPECT_EQ(w.RanHelp.Text().size(), 947u);
    w.keyPress('5'); // replaces the selected zero
    EXPECT_EQ(w.Acceleration.Text(), "5");
}

} // namespace
