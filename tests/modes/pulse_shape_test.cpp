#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using modes_test::fields;

float& valueOf(tessomar::Tessomar& w, char letter) {
    return letter == 'A'   ? w.fs.SineAccel
           : letter == 'V' ? w.fs.SineVel
           : letter == 'D' ? w.fs.SineDisp
                           : w.fs.SineFreq;
}

struct PulseCase {
    std::int16_t units; // -1 English, 0 Metric
    char prior, last;
    float priorValue, lastValue;
    int clicks; // on the pulse-shape button after Shock
    const char* fields;
};
class PulseShapeTest : public testing::TestWithParam<PulseCase> {};

TEST_P(PulseShapeTest, EachClickTogglesTheShapeAndRecomputesFromTheEntries) {
    const PulseCase& c = GetParam();
    auto w = modes_test::started();
    w->fs.EnglishUnits = c.units;
    w->click(w->ShockButton);
    valueOf(*w, c.prior) = c.priorValue;
    valueOf(*w, c.last) = c.lastValue;
    w->fs.PriorEntry = std::string(1, c.prior);
    w->fs.LastEntry = std::string(1, c.last);
    for (int i = 0; i < c.clicks; ++i) w->click(w->AccelButton);
    EXPECT_EQ(w->fs.CalcMode, c.clicks % 2 ? 3 : 2);
    EXPECT_EQ(w->AccelButton.Caption, c.clicks % 2 ? "Term Pk Accl" : "Half Sine Accl");
    EXPECT_EQ(w->fs.EntryPending, 0);
    EXPECT_EQ(fields(*w), c.fields);
    EXPECT_EQ(valueOf(*w, c.prior) + valueOf(*w, c.last), c.priorValue + c.lastValue); // entries stay
}

// A and F 10 typed are the next test. An entered 0 stops the run: nothing computed, the texts stay as they were.
INSTANTIATE_TEST_SUITE_P(Pulses, PulseShapeTest,
                         testing::Values(PulseCase{-1, 'F', 'A', 10, 10, 4, "10.00|10.2|0.125|10.00"},
                                         PulseCase{-1, 'A', 'F', 40, 5, 2, "40.00|20.5|0.125|5.00"},
                                         PulseCase{-1, 'V', 'F', 30, 6, 2, "48.88|30.0|0.220|6.00"},
                                         PulseCase{-1, 'A', 'D', 20, 0.5f, 3, "20.00|30.6|0.500|19.03"},
                                         PulseCase{0, 'A', 'F', 10, 10, 1, "10.00|0.20|1.75|10.00"},
                                         PulseCase{-1, 'A', 'F', 10, 0, 1, "0.00|0.0|0.000|0.00"}));

TEST(PulseShape, FromAModeOtherThanHalfSineTheButtonSelectsHalfSine) {
    auto w = modes_test::started();
    w->AccelButton_Click();
    EXPECT_EQ(w->fs.CalcMode, 2);
    EXPECT_EQ(w->AccelButton.Caption, "Half Sine Accl");
}

TEST(PulseShape, ValuesTypedInShockModeAreRecomputedByEachClickAndKeepTheirMarks) {
    auto w = modes_test::started();
    w->click(w->ShockButton);
    for (tk::TextBox* box : {&w->Acceleration, &w->Frequency}) {
        w->clickText(*box, 0);
        w->selectAll();
        for (char ch : std::string("10\r")) w->keyPress(ch);
    }
    for (const char* shown : {"10.00|10.2|0.125|10.00", "10.00|8.0|0.069|10.00", "10.00|10.2|0.125|10.00"}) {
        EXPECT_EQ(fields(*w), shown);
        EXPECT_EQ(w->Frequency.BackColor, 0xDDFFDBu); // still the last entry
        EXPECT_EQ(w->Acceleration.BackColor, 0xE1FFFDu);
        w->click(w->AccelButton);
    }
}

} // namespace
