#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using modes_test::factorOf;
using modes_test::started;
using tessomar::Tessomar;

constexpr tk::Color kLit = 0xC0FFC0;
constexpr tk::Color kUnlit = 0xE0E0E0;

// Puts every property a mode selection owns into the wrong state, as another
// screen or a stray handler might have left it.
void scramble(Tessomar& w) {
    w.Height = 9999;
    w.EnglishBut.Top = w.MetricBut.Top = w.HelpBut.Top = 1;
    w.AddLbl1.Top = w.AddLbl2.Top = 2;
    w.SineHelp.Visible = w.RanHelp.Visible = w.ShockHelp.Visible = true;
    w.AccelButton.Visible = true;
    w.AccelButton.Caption = "x";
    w.FreqLbl.Visible = w.Frequency.Visible = w.FreqUnits.Visible = false;
    w.FreqLbl.Caption = w.FreqUnits.Caption = w.AccelUnits.Caption = w.VelUnits.Caption = w.DispUnits.Caption = "x";
    w.DelBut.Visible = w.ClearBut.Visible = true;
    w.SineButton.BackColor = w.RandomButton.BackColor = w.ShockButton.BackColor = 0x123456;
    for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement}) {
        box->Locked = true;
        box->TabStop = false;
        box->setText("junk");
    }
    w.Frequency.setText("junk");
    for (tk::CommandButton* b : {&w.AccelTab, &w.VelTab, &w.DispTab, &w.FreqTab}) b->TabStop = false;
    for (int i = 0; i < tessomar::kRows; ++i) w.F[i].TabStop = w.A[i].TabStop = true;
    w.fs.LastEntry = "A";
    w.fs.PriorEntry = "F";
    w.fs.SineAccel = 10;
    w.fs.SineVel = 6.1f;
    w.fs.SineDisp = 0.02f;
    w.fs.SineFreq = 100;
    w.fs.CalcMode = 3;
}

struct Selection {
    const char* name;
    void (*select)(Tessomar&);
    int calcMode;
    const char* pulseCaption; // null: the pulse-shape button is hidden
    const char* freqLabel;
    const char* freqUnits;
    tk::Color sine, shock;
};

const Selection kSelections[] = {
    {"SineButton", [](Tessomar& w) { w.click(w.SineButton); }, 1, nullptr, "Frequency", "Hz", kLit, kUnlit},
    {"ShockButton", [](Tessomar& w) { w.click(w.ShockButton); }, 2, "Half Sine Accl", "Duration", "msec", kUnlit, kLit},
    {"SineAfterShock",
     [](Tessomar& w) {
         w.click(w.ShockButton);
         w.click(w.SineButton);
     },
     1, nullptr, "Frequency", "Hz", kLit, kUnlit},
    {"ShockFromTerminalPeak",
     [](Tessomar& w) {
         w.click(w.ShockButton);
         w.click(w.AccelButton);
         w.click(w.ShockButton);
     },
     2, "Half Sine Accl", "Duration", "msec", kUnlit, kLit},
    {"SineByAccessKey", [](Tessomar& w) { w.pressAccessKey('S'); }, 1, nullptr, "Frequency", "Hz", kLit, kUnlit},
};

struct UnitSystem {
    const char* name;
    std::int16_t flag;
    const char* velUnits;
    const char* dispUnits;
    const char* texts[4]; // Acceleration, Velocity, Displacement, Frequency
};

const UnitSystem kUnits[] = {
    {"English", -1, "ips pk", "in. p-p", {"0.00", "0.0", "0.000", "0.00"}},
    {"Metric", 0, "mps pk", "mm p-p", {"0.00", "0.00", "0.00", "0.00"}},
};

class ModeSelectionTest : public testing::TestWithParam<std::tuple<Selection, UnitSystem, float>> {
protected:
    void SetUp() override {
        w = started(std::get<2>(GetParam()));
        w->fs.EnglishUnits = std::get<1>(GetParam()).flag;
        scramble(*w);
        std::get<0>(GetParam()).select(*w);
        k = factorOf(std::get<2>(GetParam()));
    }
    std::unique_ptr<Tessomar> w;
    float k = 1;
};

TEST_P(ModeSelectionTest, SetsModeAndEmptiesTheHistoryAndValues) {
    EXPECT_EQ(w->fs.CalcMode, std::get<0>(GetParam()).calcMode);
    EXPECT_TRUE(w->fs.LastEntry.empty());
    EXPECT_TRUE(w->fs.PriorEntry.empty());
    EXPECT_EQ(w->fs.SineAccel, 0);
    EXPECT_EQ(w->fs.SineVel, 0);
    EXPECT_EQ(w->fs.SineDisp, 0);
    EXPECT_EQ(w->fs.SineFreq, 0);
}

TEST_P(ModeSelectionTest, ShowsZerosAndUnitCaptionsOfTheUnitSystem) {
    const UnitSystem& u = std::get<1>(GetParam());
    EXPECT_EQ(w->Acceleration.Text(), u.texts[0]);
    EXPECT_EQ(w->Velocity.Text(), u.texts[1]);
    EXPECT_EQ(w->Displacement.Text(), u.texts[2]);
    EXPECT_EQ(w->Frequency.Text(), u.texts[3]);
    EXPECT_EQ(w->AccelUnits.Caption, "g's pk");
    EXPECT_EQ(w->VelUnits.Caption, u.velUnits);
    EXPECT_EQ(w->DispUnits.Caption, u.dispUnits);
    EXPECT_EQ(w->fs.EnglishUnits, u.flag) << "a mode selection never changes the unit system";
}

TEST_P(ModeSelectionTest, LabelsTheFourthRowAndShowsIt) {
    const Selection& s = std::get<0>(GetParam());
    EXPECT_EQ(w->FreqLbl.Caption, s.freqLabel);
    EXPECT_EQ(w->FreqUnits.Caption, s.freqUnits);
    EXPECT_TRUE(w->FreqLbl.Visible);
    EXPECT_TRUE(w->Frequency.Visible);
    EXPECT_TRUE(w->FreqUnits.Visible);
}

TEST_P(ModeSelectionTest, LightsOnlyTheCurrentModeButton) {
    const Selection& s = std::get<0>(GetParam());
    EXPECT_EQ(w->SineButton.BackColor, s.sine);
    EXPECT_EQ(w->RandomButton.BackColor, kUnlit);
    EXPECT_EQ(w->ShockButton.BackColor, s.shock);
}

TEST_P(ModeSelectionTest, ShowsThePulseShapeButtonOnlyInShock) {
    const Selection& s = std::get<0>(GetParam());
    EXPECT_EQ(w->AccelButton.Visible, s.pulseCaption != nullptr);
    if (s.pulseCaption) {
        EXPECT_EQ(w->AccelButton.Caption, s.pulseCaption);
    }
}

TEST_P(ModeSelectionTest, HidesPanelsAndTableButtons) {
    EXPECT_FALSE(w->SineHelp.Visible);
    EXPECT_FALSE(w->RanHelp.Visible);
    EXPECT_FALSE(w->ShockHelp.Visible);
    EXPECT_FALSE(w->DelBut.Visible);
    EXPECT_FALSE(w->ClearBut.Visible);
}

TEST_P(ModeSelectionTest, LaysOutTheShortWindowAtTheScreensScale) {
    EXPECT_NEAR(w->Height, 4210 * k, 0.01);
    for (const tk::Control* b : {&w->EnglishBut, &w->MetricBut, &w->HelpBut}) EXPECT_NEAR(b->Top, 3020 * k, 0.01);
    EXPECT_NEAR(w->AddLbl1.Top, 3340 * k, 0.01);
    EXPECT_NEAR(w->AddLbl2.Top, 3550 * k, 0.01);
    // What the user needs is inside the window; the table is below it.
    EXPECT_TRUE(w->canTakeFocus(w->Frequency));
    EXPECT_LT(w->AddLbl1.Top + w->AddLbl1.Height, w->Height);
    EXPECT_FALSE(w->canTakeFocus(w->F[0]));
    EXPECT_FALSE(w->canTakeFocus(w->TabDnBounce));
}

TEST_P(ModeSelectionTest, UnlocksTheFieldsAndPutsThemInTheTabOrder) {
    for (const tk::TextBox* box : {&w->Acceleration, &w->Velocity, &w->Displacement}) {
        EXPECT_FALSE(box->Locked) << box->name();
        EXPECT_TRUE(box->TabStop) << box->name();
    }
    for (const tk::CommandButton* b : {&w->AccelTab, &w->VelTab, &w->DispTab, &w->FreqTab})
        EXPECT_TRUE(b->TabStop) << b->name();
    for (int i = 0; i < tessomar::kRows; ++i) {
        EXPECT_FALSE(w->F[i].TabStop) << i;
        EXPECT_FALSE(w->A[i].TabStop) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeSelectionTest,
                         testing::Combine(testing::ValuesIn(kSelections), testing::ValuesIn(kUnits),
                                          testing::Values(modes_test::kDesignScreen, modes_test::kScreen96,
                                                          modes_test::kScreen120)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name +
                                    "_" + std::to_string(static_cast<int>(std::get<2>(info.param) * 10));
                         });

// ---- What a selection leaves alone ----

class SelectionKeepsTest : public testing::TestWithParam<Selection> {};

TEST_P(SelectionKeepsTest, BreakPointsAndRandomResults) {
    auto w = started();
    w->fs.BkFreq[1] = 20;
    w->fs.BkPsd[1] = 0.04f;
    w->fs.BkFreq[2] = 2000;
    w->fs.BkPsd[2] = 0.04f;
    w->fs.RandomGrms = 8.9f;
    w->fs.RandomVel = 12;
    w->fs.RandomDisp = 0.5f;
    GetParam().select(*w);
    EXPECT_EQ(w->fs.BkFreq[1], 20);
    EXPECT_EQ(w->fs.BkPsd[1], 0.04f);
    EXPECT_EQ(w->fs.BkFreq[2], 2000);
    EXPECT_EQ(w->fs.RandomGrms, 8.9f);
    EXPECT_EQ(w->fs.RandomVel, 12);
    EXPECT_EQ(w->fs.RandomDisp, 0.5f);
}

TEST_P(SelectionKeepsTest, PanelsStayClosedAfterRepeatedSelections) {
    auto w = started();
    GetParam().select(*w);
    GetParam().select(*w);
    EXPECT_EQ(w->fs.CalcMode, GetParam().calcMode);
    EXPECT_EQ(w->Height, 4210.0f);
}

INSTANTIATE_TEST_SUITE_P(Modes, SelectionKeepsTest, testing::ValuesIn(kSelections),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SineSelection, RunByCodeLeavesTheFocusWhereItIs) {
    auto w = started();
    w->Velocity.SetFocus();
    ASSERT_EQ(w->focused(), &w->Velocity);
    w->SineButton_Click();
    EXPECT_EQ(w->focused(), &w->Velocity);
    w->ShockButton_Click();
    EXPECT_EQ(w->focused(), &w->Velocity);
}

// ---- The pulse-shape switch ----

struct ToggleCase {
    int clicks;
    const char* caption;
    int calcMode;
};

class PulseShapeToggleTest : public testing::TestWithParam<ToggleCase> {};

TEST_P(PulseShapeToggleTest, AlternatesCaptionAndMode) {
    auto w = started();
    w->click(w->ShockButton);
    for (int i = 0; i < GetParam().clicks; ++i) w->click(w->AccelButton);
    EXPECT_EQ(w->AccelButton.Caption, GetParam().caption);
    EXPECT_EQ(w->fs.CalcMode, GetParam().calcMode);
    EXPECT_TRUE(w->AccelButton.Visible);
    EXPECT_EQ(w->ShockButton.BackColor, kLit);
    EXPECT_EQ(w->FreqLbl.Caption, "Duration");
}

INSTANTIATE_TEST_SUITE_P(Clicks, PulseShapeToggleTest,
                         testing::Values(ToggleCase{0, "Half Sine Accl", 2}, ToggleCase{1, "Term Pk Accl", 3},
                                         ToggleCase{2, "Half Sine Accl", 2}, ToggleCase{3, "Term Pk Accl", 3},
                                         ToggleCase{4, "Half Sine Accl", 2}));

TEST(PulseShapeToggle, FromAnyOtherModeItSelectsHalfSine) {
    auto w = started();
    w->fs.CalcMode = 1;
    w->AccelButton_Click();
    EXPECT_EQ(w->fs.CalcMode, 2);
    EXPECT_EQ(w->AccelButton.Caption, "Half Sine Accl");
}

} // namespace
