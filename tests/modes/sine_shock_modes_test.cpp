#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

namespace {

using tessomar::Tessomar;

// Puts everything a mode selection owns into the wrong state.
void scramble(Tessomar& w) {
    w.Height = 9999;
    w.EnglishBut.Top = w.MetricBut.Top = w.HelpBut.Top = w.AddLbl1.Top = w.AddLbl2.Top = 1;
    w.SineHelp.Visible = w.RanHelp.Visible = w.ShockHelp.Visible = w.DelBut.Visible = w.ClearBut.Visible = true;
    w.FreqLbl.Visible = w.Frequency.Visible = w.FreqUnits.Visible = false;
    w.FreqLbl.Caption = w.FreqUnits.Caption = w.AccelUnits.Caption = w.VelUnits.Caption = w.DispUnits.Caption = "x";
    w.SineButton.BackColor = w.RandomButton.BackColor = w.ShockButton.BackColor = 0x123456;
    for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency}) {
        box->setText("junk");
        box->BackColor = 0xDDFFDB;
        box->Locked = box != &w.Frequency;
        box->TabStop = box == &w.Frequency;
    }
    for (tk::CommandButton* b : {&w.AccelTab, &w.VelTab, &w.DispTab, &w.FreqTab}) b->TabStop = false;
    for (int i = 0; i < tessomar::kRows; ++i) w.F[i].TabStop = w.A[i].TabStop = true;
    w.fs.LastEntry = "A";
    w.fs.PriorEntry = "F";
    w.fs.SineAccel = w.fs.SineVel = w.fs.SineDisp = w.fs.SineFreq = w.fs.BkFreq[2] = w.fs.RandomGrms = 7;
}

struct Selection {
    const char* name;
    void (*select)(Tessomar&);
    bool shock;
};
const Selection kSelections[] = {
    {"Sine", [](Tessomar& w) { w.click(w.SineButton); }, false},
    {"SineByAccessKey", [](Tessomar& w) { w.pressAccessKey('S'); }, false},
    {"Shock", [](Tessomar& w) { w.click(w.ShockButton); }, true},
    {"ShockFromTerminalPeak", [](Tessomar& w) { w.ShockButton_Click(), w.AccelButton_Click(), w.click(w.ShockButton); },
     true},
};
struct Units {
    const char* name;
    std::int16_t flag;
    const char *captions, *texts;
};
const Units kUnits[] = {{"English", -1, "g's pk|ips pk|in. p-p", "0.00|0.0|0.000|0.00"},
                        {"Metric", 0, "g's pk|mps pk|mm p-p", "0.00|0.00|0.00|0.00"}};

void PrintTo(const Selection& s, std::ostream* os) { *os << s.name; }
void PrintTo(const Units& u, std::ostream* os) { *os << u.name; }

class ModeSelectionTest : public testing::TestWithParam<std::tuple<Selection, Units, float>> {};

TEST_P(ModeSelectionTest, RestoresTheWholeScreenOfTheModeAndKeepsTheTable) {
    const auto& [s, u, screen] = GetParam();
    auto w = modes_test::started(screen);
    const float k = modes_test::factorOf(screen);
    w->fs.EnglishUnits = u.flag;
    scramble(*w);
    s.select(*w);
    EXPECT_EQ(w->fs.CalcMode, s.shock ? 2 : 1);
    EXPECT_EQ(w->fs.LastEntry + w->fs.PriorEntry, "");
    EXPECT_EQ(w->fs.SineAccel + w->fs.SineVel + w->fs.SineDisp + w->fs.SineFreq, 0);
    EXPECT_EQ(w->fs.BkFreq[2] + w->fs.RandomGrms, 14);
    EXPECT_EQ(w->AccelUnits.Caption + "|" + w->VelUnits.Caption + "|" + w->DispUnits.Caption, u.captions);
    EXPECT_EQ(modes_test::fields(*w), u.texts);
    EXPECT_EQ(w->FreqLbl.Caption + " " + w->FreqUnits.Caption, s.shock ? "Duration msec" : "Frequency Hz");
    EXPECT_TRUE(w->FreqLbl.Visible && w->Frequency.Visible && w->FreqUnits.Visible);
    for (const tk::TextBox* box : {&w->Acceleration, &w->Velocity, &w->Displacement, &w->Frequency})
        EXPECT_EQ(box->BackColor, 0xFFFFFFu) << box->name(); // no entry to mark
    EXPECT_EQ(w->AccelButton.Visible, s.shock);
    EXPECT_EQ(w->AccelButton.Caption, "Half Sine Accl");
    const tk::Color lit = 0xC0FFC0, grey = 0xE0E0E0;
    EXPECT_EQ(std::tuple(w->SineButton.BackColor, w->RandomButton.BackColor, w->ShockButton.BackColor),
              std::tuple(s.shock ? grey : lit, grey, s.shock ? lit : grey));
    EXPECT_FALSE(w->SineHelp.Visible || w->RanHelp.Visible || w->ShockHelp.Visible || w->DelBut.Visible ||
                 w->ClearBut.Visible);
    EXPECT_NEAR(w->Height, 4210 * k, 0.01);
    for (const tk::Control* b : {&w->EnglishBut, &w->MetricBut, &w->HelpBut}) EXPECT_NEAR(b->Top, 3020 * k, 0.01);
    EXPECT_NEAR(w->AddLbl1.Top, 3340 * k, 0.01);
    EXPECT_NEAR(w->AddLbl2.Top, 3550 * k, 0.01);
    EXPECT_TRUE(w->canTakeFocus(w->Frequency) && !w->canTakeFocus(w->F[0]));
    for (const tk::TextBox* box : {&w->Acceleration, &w->Velocity, &w->Displacement})
        EXPECT_TRUE(!box->Locked && box->TabStop) << box->name();
    for (const tk::Control* b : {&w->AccelTab, &w->VelTab, &w->DispTab, &w->FreqTab}) EXPECT_TRUE(b->TabStop);
    for (int i = 0; i < tessomar::kRows; ++i) EXPECT_FALSE(w->F[i].TabStop || w->A[i].TabStop) << i;
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeSelectionTest,
                         testing::Combine(testing::ValuesIn(kSelections), testing::ValuesIn(kUnits),
                                          testing::Values(modes_test::kDesignScreen, modes_test::kScreen120)));

} // namespace
