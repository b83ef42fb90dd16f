#include "frame/numbers.h"
#include "random/psd.h"
#include "random/random_window.h"
#include "random/result_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using random_test::freqOf;
using random_test::Session;

namespace {

// ---- Enter ----

TEST(EnterInTheTable, FirstPointMovesToTheNextRowWithResultsStillBlank) {
    Session s;
    auto& w = s.w();
    s.type("20");
    s.enter();
    EXPECT_EQ(w.focused(), &w.A[0]);
    EXPECT_EQ(w.A[0].SelStart(), 0);
    EXPECT_EQ(w.A[0].SelLength(), 8); // all of 0.000000
    s.type("0.01");
    s.enter();
    EXPECT_EQ(w.fs.BkFreq[1], 20.0f);
    EXPECT_EQ(w.fs.BkPsd[1], 0.01f);
    EXPECT_EQ(w.focused(), &w.F[1]);
    EXPECT_EQ(w.F[1].SelStart(), 0);
    EXPECT_EQ(w.F[1].SelLength(), 4); // all of 0.00
    EXPECT_EQ(w.Acceleration.Text(), "");
    EXPECT_EQ(w.Velocity.Text(), "");
    EXPECT_EQ(w.Displacement.Text(), "");

    s.type("80");
    s.enter();
    s.type("0.04");
    s.enter();
    // 1.2247 g rms, 4.853 in/s, 0.0449 in by the closed-form integrals.
    EXPECT_EQ(w.Acceleration.Text(), "1.22");
    EXPECT_EQ(w.Velocity.Text(), "4.9");
    EXPECT_EQ(w.Displacement.Text(), "0.045");
    EXPECT_EQ(w.focused(), &w.F[2]);
}

TEST(EnterInTheTable, CommitsTheValueAsShown) {
    Session s;
    auto& w = s.w();
    s.type("20.004");
    s.enter();
    EXPECT_EQ(w.fs.BkFreq[1], 20.0f);
    EXPECT_EQ(w.F[0].Text(), "20.00");
}

struct StayCase {
    const char* name;
    const char* freq;
    const char* psd;
    int nextRow;
};

class EnterInPsdBox : public testing::TestWithParam<StayCase> {};

TEST_P(EnterInPsdBox, StaysOnARowThatStillLacksAValue) {
    const StayCase& c = GetParam();
    Session s;
    auto& w = s.w();
    s.point("20", "0.01");
    w.clickText(w.F[1], 0);
    s.point(c.freq, c.psd);
    EXPECT_EQ(w.focused(), &w.F[c.nextRow]);
}

INSTANTIATE_TEST_SUITE_P(Rows, EnterInPsdBox,
                         testing::Values(StayCase{"Complete", "80", "0.04", 2}, StayCase{"NoFrequency", "0", "0.04", 1},
                                         StayCase{"NoPsd", "80", "0", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnterInTheTable, WalksDownAndScrollsToEntryFifty) {
    Session s;
    auto& w = s.w();
    tessomar::psd::Column freq{}, psd{};
    for (int i = 0; i < 50; ++i) {
        const std::string f = freqOf(i);
        const std::string p = i % 3 ? "0.02" : "0.005";
        s.point(f, p);
        freq[static_cast<std::size_t>(i + 1)] = std::stof(f);
        psd[static_cast<std::size_t>(i + 1)] = std::stof(p);
        const int points = i + 1;
        if (points < 9) {
            EXPECT_EQ(w.focused(), &w.F[points]) << points;
            EXPECT_EQ(w.Scroll.Max(), 1) << points;
        } else {
            EXPECT_EQ(w.focused(), &w.F[8]) << points;
            EXPECT_EQ(w.Scroll.Value(), std::min(points - 7, 42)) << points;
            EXPECT_EQ(w.Scroll.Max(), std::min(points - 7, 42)) << points;
            EXPECT_EQ(w.B[8].Text(), tessomar::num::format(std::min(points + 1, 50), tessomar::num::Pattern::Int2));
        }
    }
    for (int k = 1; k < 50; ++k) EXPECT_LT(w.fs.BkFreq[k], w.fs.BkFreq[k + 1]) << k;
    EXPECT_EQ(w.F[8].Text(), "990.00");
    tessomar::psd::sortBreakPoints(freq, psd);
    const auto r = tessomar::psd::results(tessomar::psd::integrate(freq, psd));
    EXPECT_EQ(w.fs.RandomGrms, r.grms);
    EXPECT_EQ(w.Acceleration.Text(), tessomar::psd::grmsText(r.grms));
    EXPECT_EQ(w.Velocity.Text(), tessomar::psd::velText(r.vel, true));
    EXPECT_EQ(w.Displacement.Text(), tessomar::psd::dispText(r.disp, true));

    // Enter again on entry 50 integrates no more often than it must: once
    // in the commit (or, for a PSD of 0 that does not integrate, once after
    // it) and once in the commit of leaving the box for F(8).
    const struct {
        const char* psd;
        int runs;
    } again[] = {{"0.02", 2}, {"0", 1}};
    for (const auto& [psdText, runs] : again) {
        w.clickText(w.A[8], 0);
        s.retype(psdText);
        const int before = w.integrationRuns();
        s.enter();
        EXPECT_EQ(w.integrationRuns(), before + runs) << psdText;
        EXPECT_EQ(w.focused(), &w.F[8]) << psdText;
        EXPECT_EQ(w.Scroll.Value(), 42) << psdText;
        EXPECT_FALSE(w.Acceleration.Text().empty()) << psdText;
    }
}

TEST(TypingInTheTable, BlanksTheResultsAtEveryCharacter) {
    for (bool psdColumn : {false, true}) {
        for (int ch : {int('7'), int('.'), int('x'), 8}) {
            Session s;
            auto& w = s.w();
            s.point("20", "0.01");
            s.point("2000", "0.01");
            ASSERT_EQ(w.Acceleration.Text(), "4.45");
            w.clickText(psdColumn ? w.A[1] : w.F[1], 0);
            w.keyPress(ch);
            EXPECT_EQ(w.Acceleration.Text(), "") << psdColumn << ch;
            EXPECT_EQ(w.Velocity.Text(), "") << psdColumn << ch;
            EXPECT_EQ(w.Displacement.Text(), "") << psdColumn << ch;
        }
    }
}

// ---- Half-filled rows ----

struct ResetCase {
    const char* name;
    bool clearFrequency; // the frequency of entry 3 is cleared, else its PSD
    const char* typed;
    bool intoPsd; // the click lands in A(5) instead of F(5)
    const char* shownF2;
    float freq3;
    int editRow;
};

class LeavingAHalfFilledRow : public testing::TestWithParam<ResetCase> {};

TEST_P(LeavingAHalfFilledRow, ResetsItForTheClickedColumn) {
    const ResetCase& c = GetParam();
    Session s;
    auto& w = s.w();
    for (int i = 1; i <= 6; ++i) s.point(std::to_string(100 * i), "0.01");
    w.clickText(w.A[2], 0); // row 2 becomes the row being filled
    if (c.clearFrequency) w.clickText(w.F[2], 0);
    s.retype(c.typed);
    ASSERT_EQ(w.fs.EditRow, 2);
    w.clickText(c.intoPsd ? w.A[5] : w.F[5], 0);
    EXPECT_EQ(w.focused(), c.intoPsd ? &w.A[5] : &w.F[5]);
    EXPECT_EQ(w.F[2].Text(), c.shownF2);
    EXPECT_EQ(w.A[2].Text(), "0.000000");
    EXPECT_EQ(w.fs.BkFreq[3], c.freq3);
    EXPECT_EQ(w.fs.BkPsd[3], 0.0f);
    EXPECT_EQ(w.fs.EditRow, c.editRow);
    EXPECT_EQ(w.fs.FocusRow, 5);
    EXPECT_EQ(w.fs.BkFreq[6], 600.0f); // the clicked row is untouched
    EXPECT_EQ(w.fs.BkPsd[6], 0.01f);
}

INSTANTIATE_TEST_SUITE_P(Rows, LeavingAHalfFilledRow,
                         testing::Values(ResetCase{"NoPsdToFrequency", false, "0", false, "300.00", 300, 2},
                                         ResetCase{"NoPsdToPsd", false, "0", true, "0.00", 0, 5},
                                         ResetCase{"NegativePsdToFrequency", false, "-0.5", false, "300.00", 300, 2},
                                         ResetCase{"TinyPsdToFrequency", false, "4e-7", false, "300.00", 300, 2},
                                         ResetCase{"NoFrequencyToFrequency", true, "0", false, "0.00", 0, 2},
                                         ResetCase{"NoFrequencyToPsd", true, "0", true, "0.00", 0, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct JumpCase {
    const char* name;
    bool intoPsd;
    float freq4;
};

class FromHalfFilledToHalfFilled : public testing::TestWithParam<JumpCase> {};

TEST_P(FromHalfFilledToHalfFilled, GoesToTheFirstFreeEntry) {
    const JumpCase& c = GetParam();
    Session s;
    auto& w = s.w();
    for (const char* f : {"20", "80", "350"}) s.point(f, "0.04");
    s.retype("70"); // entry 4, no PSD
    w.clickText(c.intoPsd ? w.A[6] : w.F[6], 0);
    EXPECT_EQ(w.focused(), c.intoPsd ? &w.A[3] : &w.F[3]);
    EXPECT_EQ(w.fs.EditRow, 3);
    EXPECT_EQ(w.fs.BkFreq[4], c.freq4);
    EXPECT_EQ(w.fs.BkPsd[4], 0.0f);
    EXPECT_EQ(w.Scroll.Value(), 1);
}

INSTANTIATE_TEST_SUITE_P(Columns, FromHalfFilledToHalfFilled,
                         testing::Values(JumpCase{"Frequency", false, 70}, JumpCase{"Psd", true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RowZero, NeverResetsAnotherRow) {
    Session s;
    auto& w = s.w();
    s.point("20", "0.01");
    s.retype("50"); // row 1 half-filled
    w.clickText(w.F[0], 0);
    EXPECT_EQ(w.fs.BkFreq[2], 50.0f);
    EXPECT_EQ(w.F[1].Text(), "50.00");
    EXPECT_EQ(w.fs.EditRow, 0);
}

TEST(RowNumber, SelectsTheRowWithoutResettingAnything) {
    Session s;
    auto& w = s.w();
    s.point("20", "0.01");
    s.retype("50");
    w.clickText(w.B[4], 0);
    EXPECT_EQ(w.fs.EditRow, 4);
    EXPECT_EQ(w.fs.FocusRow, 4);
    EXPECT_EQ(w.F[1].Text(), "50.00");
    EXPECT_EQ(w.fs.BkFreq[2], 50.0f);
}

TEST(RowNumber, DeleteActsOnTheRowAtTheMomentOfTheClick) {
    Session s;
    auto& w = s.w();
    for (int i = 0; i < 12; ++i) s.point(std::to_string(100 * (i + 1)), "0.01");
    w.clickText(w.B[2], 0); // Value 5: entry 7
    w.Scroll.lineUp();
    w.Scroll.lineUp(); // Value 3: row 2 now shows entry 5
    w.click(w.DelBut);
    EXPECT_EQ(w.fs.BkFreq[5], 600.0f);
    EXPECT_EQ(w.fs.BkFreq[4], 400.0f);
    EXPECT_EQ(w.fs.BkFreq[12], 0.0f);
}

// ---- Arrow keys, following the screen ----

struct ArrowCase {
    const char* name;
    int value;
    int row;
    int key;
    int focusRow;
    int valueAfter;
};

class ArrowKey : public testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowKey, MovesTheWayItPoints) {
    const ArrowCase& c = GetParam();
    Session s;
    auto& w = s.w();
    for (int i = 0; i < 12; ++i) s.point(freqOf(i), "0.01"); // Max 5
    w.Scroll.setValue(c.value);
    w.clickText(w.F[c.row], 0);
    w.keyDown(c.key, 0);
    EXPECT_EQ(w.focused(), &w.F[c.focusRow]);
    EXPECT_EQ(w.Scroll.Value(), c.valueAfter);
    EXPECT_EQ(w.Scroll.Max(), 5);
}

INSTANTIATE_TEST_SUITE_P(Keys, ArrowKey,
                         testing::Values(ArrowCase{"UpGoesToTheRowAbove", 1, 3, tk::key::Up, 2, 1},
                                         ArrowCase{"DownGoesToTheRowBelow", 1, 3, tk::key::Down, 4, 1},
                                         ArrowCase{"UpAtTheTopScrollsBack", 5, 0, tk::key::Up, 0, 4},
                                         ArrowCase{"UpAtTheTopOfTheTableStays", 1, 0, tk::key::Up, 0, 1},
                                         ArrowCase{"DownAtTheBottomScrollsOn", 3, 8, tk::key::Down, 8, 4},
                                         ArrowCase{"DownAtTheEndOfTheRangeStays", 5, 8, tk::key::Down, 8, 5},
                                         ArrowCase{"DownFromRowSeven", 5, 7, tk::key::Down, 8, 5},
                                         ArrowCase{"OtherKeysDoNothing", 3, 4, tk::key::Left, 4, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ArrowKey, ScrollingKeepsWhatWasTypedInTheBox) {
    Session s;
    auto& w = s.w();
    for (int i = 0; i < 12; ++i) s.point(std::to_string(100 * (i + 1)), "0.01");
    w.Scroll.setValue(5);
    w.clickText(w.F[0], 0); // entry 5, 500 Hz
    s.retype("550");
    w.keyDown(tk::key::Up, 0);
    EXPECT_EQ(w.Scroll.Value(), 4);
    EXPECT_EQ(w.fs.BkFreq[5], 550.0f);
    EXPECT_EQ(w.F[1].Text(), "550.00");
}

TEST(ArrowKey, DownOnAFilledBottomRowOpensTheNextLine) {
    Session s;
    auto& w = s.w();
    for (int i = 0; i < 12; ++i) s.point(std::to_string(100 * (i + 1)), "0.01");
    // Value 5 = Max: the bottom row shows the free entry 13.
    w.clickText(w.A[8], 0);
    s.retype("0.02");
    w.clickText(w.F[8], 0);
    s.retype("1300");
    w.keyDown(tk::key::Down, 0);
    EXPECT_EQ(w.fs.BkFreq[13], 1300.0f);
    EXPECT_EQ(w.Scroll.Max(), 6);
    EXPECT_EQ(w.Scroll.Value(), 6);
    EXPECT_EQ(w.focused(), &w.F[8]);
    EXPECT_EQ(w.B[8].Text(), "14");
}

// ---- Tab past either end ----

struct TabCase {
    const char* name;
    int value;
    bool shift;
    int valueAfter;
};

class TabPastTheEnd : public testing::TestWithParam<TabCase> {};

TEST_P(TabPastTheEnd, ScrollsOneLineWithinTheRange) {
    const TabCase& c = GetParam();
    Session s;
    auto& w = s.w();
    for (int i = 0; i < 12; ++i) s.point(freqOf(i), "0.01"); // Max 5
    w.Scroll.setValue(c.value);
    w.clickText(c.shift ? w.F[0] : w.A[8], 0);
    w.pressTab(c.shift);
    EXPECT_EQ(w.Scroll.Value(), c.valueAfter);
    EXPECT_EQ(w.focused(), c.shift ? &w.A[0] : &w.F[8]) << s.focusName();
}

INSTANTIATE_TEST_SUITE_P(Ends, TabPastTheEnd,
                         testing::Values(TabCase{"TabFromTheBottom", 3, false, 4},
                                         TabCase{"TabAtTheEndOfTheRange", 5, false, 5},
                                         TabCase{"ShiftTabFromTheTop", 3, true, 2},
                                         TabCase{"ShiftTabAtTheTopOfTheTable", 1, true, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
