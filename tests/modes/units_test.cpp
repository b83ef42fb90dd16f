#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using modes_test::started;
using tessomar::Tessomar;

enum class Mode { Sine, ShockHalfSine, ShockTerminalPeak, Random };

void enterMode(Tessomar& w, Mode mode) {
    if (mode == Mode::Sine) w.click(w.SineButton);
    if (mode == Mode::Random) w.click(w.RandomButton);
    if (mode == Mode::ShockHalfSine || mode == Mode::ShockTerminalPeak) w.click(w.ShockButton);
    if (mode == Mode::ShockTerminalPeak) w.click(w.AccelButton);
}

// Sine values are set as stored (English); the random ones come from a typed spectrum.
void storeValues(Tessomar& w, Mode mode) {
    if (mode != Mode::Random) {
        w.fs.SineVel = 10;
        w.fs.SineDisp = 0.5f;
        w.fs.SineAccel = 3;
        w.Acceleration.setText("3.00");
        return;
    }
    for (const char* text : {"20", "0.01", "80", "0.04", "350", "0.04", "2000", "0.007"}) {
        w.selectAll();
        for (const char* c = text; *c; ++c) w.keyPress(*c);
        w.keyPress(13);
    }
}

struct UnitCase {
    const char* name;
    Mode mode;
    bool metric;
    const char *vel, *disp, *velUnits, *dispUnits;
};

class UnitButton : public testing::TestWithParam<UnitCase> {};

TEST_P(UnitButton, ShowsTheStoredValuesInItsUnits) {
    const UnitCase& c = GetParam();
    auto w = started();
    enterMode(*w, c.mode);
    storeValues(*w, c.mode);
    const auto before = w->fs;
    const std::string shown[] = {w->Acceleration.Text(), w->Frequency.Text(), w->AccelUnits.Caption,
                                 w->FreqUnits.Caption};
    const tk::Color accelColor = w->Acceleration.BackColor;

    w->click(c.metric ? w->MetricBut : w->EnglishBut);

    EXPECT_EQ(w->fs.EnglishUnits, c.metric ? 0 : -1);
    EXPECT_EQ(w->Velocity.Text(), c.vel);
    EXPECT_EQ(w->Displacement.Text(), c.disp);
    EXPECT_EQ(w->VelUnits.Caption, c.velUnits);
    EXPECT_EQ(w->DispUnits.Caption, c.dispUnits);
    // Switching units only re-displays.
    EXPECT_EQ(w->Acceleration.Text(), shown[0]);
    EXPECT_EQ(w->Frequency.Text(), shown[1]);
    EXPECT_EQ(w->AccelUnits.Caption, shown[2]);
    EXPECT_EQ(w->FreqUnits.Caption, shown[3]);
    EXPECT_EQ(w->Acceleration.BackColor, accelColor);
    EXPECT_EQ(w->fs.SineVel, before.SineVel);
    EXPECT_EQ(w->fs.SineDisp, before.SineDisp);
    EXPECT_EQ(w->fs.RandomVel, before.RandomVel);
    EXPECT_EQ(w->fs.RandomDisp, before.RandomDisp);
    EXPECT_EQ(w->fs.CalcMode, before.CalcMode);
    EXPECT_EQ(w->fs.LastEntry, before.LastEntry);
    EXPECT_EQ(w->fs.EntryPending, before.EntryPending);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, UnitButton,
    testing::Values(UnitCase{"SineEnglish", Mode::Sine, false, "10.0", "0.500", "ips pk", "in. p-p"},
                    UnitCase{"SineMetric", Mode::Sine, true, "0.25", "12.70", "mps pk", "mm. p-p"},
                    UnitCase{"HalfSineMetric", Mode::ShockHalfSine, true, "0.25", "12.70", "mps pk", "mm. p-p"},
                    UnitCase{"TerminalPeakMetric", Mode::ShockTerminalPeak, true, "0.25", "12.70", "mps pk", "mm. p-p"},
                    UnitCase{"TerminalPeakEnglish", Mode::ShockTerminalPeak, false, "10.0", "0.500", "ips pk",
                             "in. p-p"},
                    UnitCase{"RandomEnglish", Mode::Random, false, "6.2", "0.046", "ips pk", "in. p-p"},
                    UnitCase{"RandomMetric", Mode::Random, true, "0.16", "1.17", "mps pk", "mm. p-p"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UnitButton, EnglishMetricEnglishGivesBackTheSameTexts) {
    for (Mode mode : {Mode::Sine, Mode::ShockHalfSine, Mode::Random}) {
        auto w = started();
        enterMode(*w, mode);
        storeValues(*w, mode);
        w->click(w->EnglishBut);
        const std::string vel = w->Velocity.Text(), disp = w->Displacement.Text();
        for (int i = 0; i < 3; ++i) w->click(w->MetricBut), w->click(w->EnglishBut);
        EXPECT_EQ(w->Velocity.Text(), vel) << int(mode);
        EXPECT_EQ(w->Displacement.Text(), disp) << int(mode);
    }
}

TEST(UnitButton, MetricButtonAddsThePointAfterAModeSelection) {
    auto w = started();
    w->click(w->MetricBut);
    for (Mode mode : {Mode::Sine, Mode::Random, Mode::ShockHalfSine}) {
        enterMode(*w, mode);
        EXPECT_EQ(w->DispUnits.Caption, "mm p-p");
        const std::string vel = w->Velocity.Text(), disp = w->Displacement.Text();
        w->click(w->MetricBut);
        EXPECT_EQ(w->DispUnits.Caption, "mm. p-p");
        EXPECT_EQ(w->Velocity.Text(), vel);
        EXPECT_EQ(w->Displacement.Text(), disp);
    }
}

TEST(UnitButton, RandomResultWithoutMeaningShowsTheMarkerInBothUnits) {
    auto w = started();
    w->click(w->RandomButton);
    w->fs.RandomVel = std::numeric_limits<float>::quiet_NaN();
    w->fs.RandomDisp = std::numeric_limits<float>::infinity();
    for (tk::CommandButton* b : {&w->MetricBut, &w->EnglishBut}) {
        w->click(*b);
        EXPECT_EQ(w->Velocity.Text(), "----");
        EXPECT_EQ(w->Displacement.Text(), "----");
    }
}

} // namespace
