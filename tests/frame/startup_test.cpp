#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using tessomar::Tessomar;

// Activation from a window whose state is all wrong, so each item must be set.
TEST(Startup, ActivationResetsTheStateTheTableAndTheSineScreen) {
    Tessomar w;
    w.twipsPerPixelX = 12;
    w.load();
    w.fs = {1, 2, 3, 4, 5, 6, w.fs.ScaleFactor, 8, 0, 3, "A", "F", {}, {}, 0, 0, 0};
    w.fs.BkFreq.fill(9);
    w.fs.BkPsd.fill(9);
    w.fs.BkFreq[0] = w.fs.BkPsd[0] = 0;
    w.Acceleration.Locked = w.SineHelp.Visible = w.F[3].TabStop = w.DelBut.Visible = true;
    w.activate();
    EXPECT_EQ(w.fs.EnglishUnits, -1);
    EXPECT_EQ(w.fs.CalcMode, 1);
    EXPECT_EQ(w.fs.LastEntry + w.fs.PriorEntry + w.DispUnits.Caption, "in. p-p");
    for (float v :
         {w.fs.SineAccel, w.fs.SineVel, w.fs.SineDisp, w.fs.SineFreq, w.fs.RandomGrms, w.fs.RandomVel, w.fs.RandomDisp})
        EXPECT_EQ(v, 0);
    for (std::size_t k = 0; k <= 51; ++k) EXPECT_TRUE(w.fs.BkFreq[k] == 0 && w.fs.BkPsd[k] == 0) << k;
    EXPECT_EQ(w.focused(), &w.Acceleration);
    for (auto [box, shown] : {std::pair{&w.Acceleration, "0.00"},
                              {&w.Velocity, "0.0"},
                              {&w.Displacement, "0.000"},
                              {&w.Frequency, "0.00"}}) // wholly selected
        EXPECT_TRUE(box->Text() == shown && box->selectedText() == shown) << box->name();
    for (int i = 0; i < tessomar::kRows; ++i) {
        EXPECT_EQ(w.B[i].Text() + w.F[i].Text() + w.A[i].Text(), "0" + std::to_string(i + 1) + "0.000.000000");
        EXPECT_FALSE(w.canTakeFocus(w.F[i])) << i;
    }
    EXPECT_TRUE(w.Scroll.Min() == 1 && w.Scroll.Max() == 1 && w.Scroll.Value() == 1);
    EXPECT_FALSE(w.Acceleration.Locked || w.SineHelp.Visible || w.F[3].TabStop || w.DelBut.Visible);
    EXPECT_EQ(w.SineButton.BackColor, 0xC0FFC0u);
    EXPECT_NEAR(w.Height, 3345.70f, 0.01f);
    EXPECT_EQ(w.SineHelp.Text().size(), 496u);
    EXPECT_EQ(w.RanHelp.Text().size(), 947u);
    w.keyPress('5'); // the first key replaces the selected zero
    EXPECT_EQ(w.Acceleration.Text(), "5");
}

} // namespace
