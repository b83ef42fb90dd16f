#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using modes_test::started;
using tessomar::Tessomar;

struct Entered {
    const char* letter;
    float value;
};

struct PulseCase {
    const char* name;
    std::int16_t units;  // -1 English, 0 Metric
    Entered prior, last; // as the entry handlers leave them
    int clicks;          // on the pulse-shape button, after Shock
    int calcMode;
    const char* texts[4]; // Acceleration, Velocity, Displacement, Frequency
};

float& valueOf(Tessomar& w, const std::string& letter) {
    if (letter == "A") return w.fs.SineAccel;
    if (letter == "V") return w.fs.SineVel;
    if (letter == "D") return w.fs.SineDisp;
    return w.fs.SineFreq;
}

class PulseShapeRecomputeTest : public testing::TestWithParam<PulseCase> {};

TEST_P(PulseShapeRecomputeTest, ShowsTheResultsForTheShapeNowChosen) {
    const PulseCase& c = GetParam();
    auto w = started();
    w->fs.EnglishUnits = c.units;
    w->click(w->ShockButton);
    valueOf(*w, c.prior.letter) = c.prior.value;
    valueOf(*w, c.last.letter) = c.last.value;
    w->fs.PriorEntry = c.prior.letter;
    w->fs.LastEntry = c.last.letter;
    for (int i = 0; i < c.clicks; ++i) w->click(w->AccelButton);

    EXPECT_EQ(w->fs.CalcMode, c.calcMode);
    EXPECT_EQ(w->fs.EntryPending, 0);
    EXPECT_EQ(w->Acceleration.Text(), c.texts[0]);
    EXPECT_EQ(w->Velocity.Text(), c.texts[1]);
    EXPECT_EQ(w->Displacement.Text(), c.texts[2]);
    EXPECT_EQ(w->Frequency.Text(), c.texts[3]);
    // The entered values are never recomputed.
    EXPECT_EQ(valueOf(*w, c.prior.letter), c.prior.value);
    EXPECT_EQ(valueOf(*w, c.last.letter), c.last.value);
}

INSTANTIATE_TEST_SUITE_P(
    Pulses, PulseShapeRecomputeTest,
    testing::Values(
        PulseCase{"TerminalPeakTenGTenMsec", -1, {"A", 10}, {"F", 10}, 1, 3, {"10.00", "8.0", "0.069", "10.00"}},
        PulseCase{"BackToHalfSineTenGTenMsec", -1, {"A", 10}, {"F", 10}, 2, 2, {"10.00", "10.2", "0.125", "10.00"}},
        PulseCase{
            "HalfSineOrderOfEntryDoesNotMatter", -1, {"F", 10}, {"A", 10}, 2, 2, {"10.00", "10.2", "0.125", "10.00"}},
        PulseCase{"HalfSineFortyGFiveMsec", -1, {"A", 40}, {"F", 5}, 2, 2, {"40.00", "20.5", "0.125", "5.00"}},
        PulseCase{"HalfSineVelocityAndDuration", -1, {"V", 30}, {"F", 6}, 2, 2, {"48.88", "30.0", "0.220", "6.00"}},
        PulseCase{"TerminalPeakAccelerationAndDisplacement",
                  -1,
                  {"A", 20},
                  {"D", 0.5f},
                  1,
                  3,
                  {"20.00", "30.6", "0.500", "19.03"}},
        PulseCase{"TerminalPeakInMetric", 0, {"A", 10}, {"F", 10}, 1, 3, {"10.00", "0.20", "1.75", "10.00"}},
        PulseCase{"ThirdClickIsTerminalPeakAgain", -1, {"A", 10}, {"F", 10}, 3, 3, {"10.00", "8.0", "0.069", "10.00"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PulseShapeRecompute, WithOneEntryOnlyTheFieldsAreRefreshed) {
    auto w = started();
    w->click(w->ShockButton);
    w->fs.SineAccel = 25;
    w->fs.LastEntry = "A";
    w->Velocity.setText("stale");
    w->click(w->AccelButton);
    EXPECT_EQ(w->fs.CalcMode, 3);
    EXPECT_EQ(w->Acceleration.Text(), "25.00");
    EXPECT_EQ(w->Velocity.Text(), "0.0");
    EXPECT_EQ(w->fs.SineVel, 0);
    EXPECT_EQ(w->fs.EntryPending, 0);
}

TEST(PulseShapeRecompute, AnEnteredZeroStopsTheRunAndLeavesTheTexts) {
    auto w = started();
    w->click(w->ShockButton);
    w->fs.SineAccel = 10;
    w->fs.SineFreq = 0;
    w->fs.PriorEntry = "A";
    w->fs.LastEntry = "F";
    w->Velocity.setText("kept");
    w->click(w->AccelButton);
    EXPECT_EQ(w->fs.CalcMode, 3);
    EXPECT_EQ(w->AccelButton.Caption, "Term Pk Accl");
    EXPECT_EQ(w->Velocity.Text(), "kept");
    EXPECT_EQ(w->fs.EntryPending, 0);
}

} // namespace
