#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using modes_test::factorOf;
using modes_test::started;
using tessomar::Tessomar;

void typeSpectrum(Tessomar& w) {
    for (const char* text : {"20", "0.01", "80", "0.04", "350", "0.04", "2000", "0.007"}) {
        w.selectAll();
        for (const char* c = text; *c; ++c) w.keyPress(*c);
        w.keyPress(13);
    }
}

struct ScreenCase {
    const char* name;
    float twipsPerPixel;
    bool metric;
    void (*before)(Tessomar&);
};

class RandomSelection : public testing::TestWithParam<ScreenCase> {};

TEST_P(RandomSelection, ArrangesTheRandomScreen) {
    const ScreenCase& c = GetParam();
    auto w = started(c.twipsPerPixel);
    if (c.metric) w->click(w->MetricBut);
    c.before(*w);
    w->fs.LastEntry = "A";
    w->fs.PriorEntry = "V";
    w->click(w->RandomButton);
    const float f = factorOf(c.twipsPerPixel);

    EXPECT_EQ(w->fs.CalcMode, 0);
    EXPECT_EQ(w->fs.LastEntry, "");
    EXPECT_EQ(w->fs.PriorEntry, "");
    for (tk::Control* hidden : std::initializer_list<tk::Control*>{
             &w->SineHelp, &w->RanHelp, &w->ShockHelp, &w->AccelButton, &w->FreqLbl, &w->Frequency, &w->FreqUnits})
        EXPECT_FALSE(hidden->Visible) << hidden->name();
    EXPECT_EQ(w->RandomButton.BackColor, 0xC0FFC0u);
    EXPECT_EQ(w->SineButton.BackColor, 0xE0E0E0u);
    EXPECT_EQ(w->ShockButton.BackColor, 0xE0E0E0u);
    EXPECT_FLOAT_EQ(w->Height, 7470 * f);
    for (tk::Control* b : std::initializer_list<tk::Control*>{&w->EnglishBut, &w->MetricBut, &w->HelpBut})
        EXPECT_FLOAT_EQ(b->Top, 2645 * f) << b->name();
    EXPECT_FLOAT_EQ(w->AddLbl1.Top, 3005 * f);
    EXPECT_FLOAT_EQ(w->AddLbl2.Top, 3220 * f);
    EXPECT_EQ(w->AccelUnits.Caption, "g's rms");
    EXPECT_EQ(w->VelUnits.Caption, c.metric ? "mps pk" : "ips pk");
    EXPECT_EQ(w->DispUnits.Caption, c.metric ? "mm p-p" : "in. p-p");
    EXPECT_EQ(w->Acceleration.Text(), "0.00");
    EXPECT_EQ(w->Velocity.Text(), c.metric ? "0.00" : "0.0");
    EXPECT_EQ(w->Displacement.Text(), c.metric ? "0.00" : "0.000");
    EXPECT_TRUE(w->DelBut.Visible);
    EXPECT_TRUE(w->ClearBut.Visible);
    for (tk::TextBox* box : {&w->Acceleration, &w->Velocity, &w->Displacement}) {
        EXPECT_TRUE(box->Locked) << box->name();
        EXPECT_FALSE(box->TabStop) << box->name();
        EXPECT_EQ(box->BackColor, 0xFFFFFFu) << box->name();
    }
    for (tk::CommandButton* b : {&w->AccelTab, &w->VelTab, &w->DispTab, &w->FreqTab}) EXPECT_FALSE(b->TabStop);
    for (int r = 0; r < tessomar::kRows; ++r) {
        EXPECT_TRUE(w->F[r].TabStop);
        EXPECT_TRUE(w->A[r].TabStop);
    }
    EXPECT_EQ(w->focused(), &w->F[0]);
    EXPECT_EQ(w->F[0].SelStart(), 0);
    EXPECT_EQ(w->F[0].SelLength(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, RandomSelection,
    testing::Values(ScreenCase{"FromSine", modes_test::kDesignScreen, false, [](Tessomar&) {}},
                    ScreenCase{"FromSineMetric", modes_test::kDesignScreen, true, [](Tessomar&) {}},
                    ScreenCase{"FromShock", modes_test::kScreen96, false, [](Tessomar& w) { w.click(w.ShockButton); }},
                    ScreenCase{"FromTerminalPeak", modes_test::kScreen120, true,
                               [](Tessomar& w) {
                                   w.click(w.ShockButton);
                                   w.click(w.AccelButton);
                               }},
                    ScreenCase{"Again", modes_test::kDesignScreen, false,
                               [](Tessomar& w) {
                                   w.click(w.RandomButton);
                                   w.RanHelp.Visible = true;
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RandomSelection, FirstKeyReplacesTheFrequencyText) {
    auto w = started();
    w->click(w->RandomButton);
    w->keyPress('2');
    w->keyPress('0');
    EXPECT_EQ(w->F[0].Text(), "20");
}

TEST(RandomSelection, BreakPointsSurviveTheOtherModesAndResultsAreRecomputed) {
    auto w = started();
    w->click(w->RandomButton);
    typeSpectrum(*w);
    const auto freq = w->fs.BkFreq;
    const auto psd = w->fs.BkPsd;
    const float grms = w->fs.RandomGrms;
    ASSERT_EQ(w->Acceleration.Text(), "6.06");
    for (tk::CommandButton* other : {&w->SineButton, &w->ShockButton}) {
        w->click(*other);
        EXPECT_EQ(w->fs.SineAccel, 0.0f);
        EXPECT_EQ(w->Acceleration.Text(), "0.00");
        EXPECT_EQ(w->fs.RandomGrms, grms);
        w->click(w->RandomButton);
        EXPECT_EQ(w->fs.BkFreq, freq);
        EXPECT_EQ(w->fs.BkPsd, psd);
        EXPECT_EQ(w->fs.RandomGrms, grms);
        EXPECT_EQ(w->Acceleration.Text(), "6.06");
        EXPECT_EQ(w->Velocity.Text(), "6.2");
        EXPECT_EQ(w->Displacement.Text(), "0.046");
        EXPECT_EQ(w->F[3].Text(), "2000.00");
    }
    // Stale stored results are recomputed from the table.
    w->click(w->SineButton);
    w->fs.RandomGrms = w->fs.RandomVel = 99;
    w->click(w->RandomButton);
    EXPECT_EQ(w->Acceleration.Text(), "6.06");
    EXPECT_EQ(w->Velocity.Text(), "6.2");
}

TEST(TabOrderOfTheScreens, ReachesOnlyTheScreensOwnFields) {
    for (bool random : {true, false}) {
        auto w = started();
        if (random) w->click(w->RandomButton);
        bool reachedTable = false, reachedResults = false;
        for (int i = 0; i < 60; ++i) {
            w->pressTab(false);
            for (int r = 0; r < tessomar::kRows; ++r)
                reachedTable |= w->focused() == &w->F[r] || w->focused() == &w->A[r];
            reachedResults |= w->focused() == &w->Velocity || w->focused() == &w->Displacement;
        }
        EXPECT_EQ(reachedTable, random);
        EXPECT_EQ(reachedResults, !random);
    }
}

} // namespace
