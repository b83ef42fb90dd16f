// The frame: the layout's scaling to the screen and the window's starting
// state.
#include "frame/user.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace {

using tessomar::Tessomar;

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
