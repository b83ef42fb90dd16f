#include "frame/numbers.h"
#include "random/psd.h"
#include "random/random_window.h"
#include "random/result_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace random_test;
using tessomar::num::format;
using tessomar::num::Pattern;

namespace {

using EnterInTheTable = Screen;
using RowNumber = Screen;
using ArrowKey = Screen;

// ---- Enter ----

TEST_F(EnterInTheTable, FirstPointMovesToTheNextRowWithResultsStillBlank) {
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
    s.expectResults("", "", "");
    s.point("80", "0.04");
    s.expectResults("1.22", "4.9", "0.045"); // 1.2247 g rms, 4.853 in/s, 0.0449 in by the closed-form integrals
    EXPECT_EQ(w.focused(), &w.F[2]);
}

TEST_F(EnterInTheTable, CommitsTheValueAsShown) {
    s.type("20.004");
    s.enter();
    EXPECT_EQ(w.fs.BkFreq[1], 20.0f);
    EXPECT_EQ(w.F[0].Text(), "20.00");
}

TEST(EnterInPsdBox, StaysOnARowThatStillLacksAValue) {
    const struct {
        const char *freq, *psd;
        int nextRow;
    } cases[] = {{"80", "0.04", 2}, {"0", "0.04", 1}, {"80", "0", 1}};
    for (const auto& c : cases) {
        Session s;
        auto& w = s.w();
        s.point("20", "0.01");
        w.clickText(w.F[1], 0);
        s.point(c.freq, c.psd);
        EXPECT_EQ(w.focused(), &w.F[c.nextRow]) << c.freq << " " << c.psd;
    }
}

TEST_F(EnterInTheTable, WalksDownAndScrollsToEntryFifty) {
    tessomar::psd::Column freq{}, psd{};
    for (int i = 0; i < 50; ++i) {
        const std::string f = freqOf(i), p = i % 3 ? "0.02" : "0.005";
        s.point(f, p);
        freq[static_cast<std::size_t>(i + 1)] = std::stof(f);
        psd[static_cast<std::size_t>(i + 1)] = std::stof(p);
        const int points = i + 1, max = std::clamp(points - 7, 1, 42);
        EXPECT_EQ(w.focused(), &w.F[std::min(points, 8)]) << points;
        EXPECT_EQ(w.Scroll.Max(), max) << points;
        if (points >= 9) {
            EXPECT_EQ(w.Scroll.Value(), max) << points;
            EXPECT_EQ(w.B[8].Text(), format(std::min(points + 1, 50), Pattern::Int2));
        }
    }
    for (int k = 1; k < 50; ++k) EXPECT_LT(w.fs.BkFreq[k], w.fs.BkFreq[k + 1]) << k;
    EXPECT_EQ(w.F[8].Text(), "990.00");
    tessomar::psd::sortBreakPoints(freq, psd);
    const auto r = tessomar::psd::results(tessomar::psd::integrate(freq, psd));
    EXPECT_EQ(w.fs.RandomGrms, r.grms);
    s.expectResults(tessomar::psd::grmsText(r.grms), tessomar::psd::velText(r.vel, true),
                    tessomar::psd::dispText(r.disp, true));

    // Enter again on entry 50 integrates no more often than it must: once
    // in the commit (or, for a PSD of 0 that does not integrate, once after
    // it) and once in the commit of leaving the box for F(8).
    for (const auto& [psdText, runs] : {std::pair{"0.02", 2}, std::pair{"0", 1}}) {
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
            SCOPED_TRACE(std::to_string(psdColumn) + " " + std::to_string(ch));
            s.expectResults("", "", "");
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

class LeavingAHalfFilledRow : public ScreenP<ResetCase> {};

TEST_P(LeavingAHalfFilledRow, ResetsItForTheClickedColumn) {
    const ResetCase& c = GetParam();
    s.fill(6, hundreds);
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
                         nameOf<ResetCase>);

TEST(FromHalfFilledToHalfFilled, GoesToTheFirstFreeEntry) {
    for (const bool intoPsd : {false, true}) {
        Session s;
        auto& w = s.w();
        for (const char* f : {"20", "80", "350"}) s.point(f, "0.04");
        s.retype("70"); // entry 4, no PSD
        w.clickText(intoPsd ? w.A[6] : w.F[6], 0);
        EXPECT_EQ(w.focused(), intoPsd ? &w.A[3] : &w.F[3]);
        EXPECT_EQ(w.fs.EditRow, 3);
        EXPECT_EQ(w.fs.BkFreq[4], intoPsd ? 0.0f : 70.0f);
        EXPECT_EQ(w.fs.BkPsd[4], 0.0f);
        EXPECT_EQ(w.Scroll.Value(), 1);
    }
}

// Neither F(0) nor a row number resets a half-filled row.
TEST(RowZeroAndRowNumber, NeverResetAnotherRow) {
    for (const bool rowNumber : {false, true}) {
        Session s;
        auto& w = s.w();
        s.point("20", "0.01");
        s.retype("50"); // row 1 half-filled
        w.clickText(rowNumber ? w.B[4] : w.F[0], 0);
        EXPECT_EQ(w.fs.BkFreq[2], 50.0f);
        EXPECT_EQ(w.F[1].Text(), "50.00");
        EXPECT_EQ(w.fs.EditRow, rowNumber ? 4 : 0);
        if (rowNumber) {
            EXPECT_EQ(w.fs.FocusRow, 4);
        }
    }
}

TEST_F(RowNumber, DeleteActsOnTheRowAtTheMomentOfTheClick) {
    s.fill(12, hundreds);
    w.clickText(w.B[2], 0); // Value 5: entry 7
    w.Scroll.lineUp();
    w.Scroll.lineUp(); // Value 3: row 2 now shows entry 5
    w.click(w.DelBut);
    EXPECT_EQ(w.fs.BkFreq[5], 600.0f);
    EXPECT_EQ(w.fs.BkFreq[4], 400.0f);
    EXPECT_EQ(w.fs.BkFreq[12], 0.0f);
}

// ---- Arrow keys and Tab, following the screen (12 points: Max 5) ----

struct MoveCase {
    const char* name;
    int value, row, key; // key 0: Tab from A(row), -1: Shift+Tab from F(row)
    int focusRow, valueAfter;
};

class MoveKey : public ScreenP<MoveCase> {};

TEST_P(MoveKey, MovesTheWayItPointsWithinTheRange) {
    const MoveCase& c = GetParam();
    s.fill(12, freqOf);
    w.Scroll.setValue(c.value);
    w.clickText(c.key == 0 ? w.A[c.row] : w.F[c.row], 0);
    if (c.key > 0)
        w.keyDown(c.key, 0);
    else
        w.pressTab(c.key < 0);
    EXPECT_EQ(w.focused(), c.key < 0 ? &w.A[c.focusRow] : &w.F[c.focusRow]) << s.focusName();
    EXPECT_EQ(w.Scroll.Value(), c.valueAfter);
    EXPECT_EQ(w.Scroll.Max(), 5);
}

INSTANTIATE_TEST_SUITE_P(Keys, MoveKey,
                         testing::Values(MoveCase{"UpGoesToTheRowAbove", 1, 3, tk::key::Up, 2, 1},
                                         MoveCase{"DownGoesToTheRowBelow", 1, 3, tk::key::Down, 4, 1},
                                         MoveCase{"UpAtTheTopScrollsBack", 5, 0, tk::key::Up, 0, 4},
                                         MoveCase{"UpAtTheTopOfTheTableStays", 1, 0, tk::key::Up, 0, 1},
                                         MoveCase{"DownAtTheBottomScrollsOn", 3, 8, tk::key::Down, 8, 4},
                                         MoveCase{"DownAtTheEndOfTheRangeStays", 5, 8, tk::key::Down, 8, 5},
                                         MoveCase{"DownFromRowSeven", 5, 7, tk::key::Down, 8, 5},
                                         MoveCase{"OtherKeysDoNothing", 3, 4, tk::key::Left, 4, 3},
                                         MoveCase{"TabFromTheBottom", 3, 8, 0, 8, 4},
                                         MoveCase{"TabAtTheEndOfTheRange", 5, 8, 0, 8, 5},
                                         MoveCase{"ShiftTabFromTheTop", 3, 0, -1, 0, 2},
                                         MoveCase{"ShiftTabAtTheTopOfTheTable", 1, 0, -1, 0, 1}),
                         nameOf<MoveCase>);

TEST_F(ArrowKey, ScrollingKeepsWhatWasTypedInTheBox) {
    s.fill(12, hundreds);
    w.Scroll.setValue(5);
    w.clickText(w.F[0], 0); // entry 5, 500 Hz
    s.retype("550");
    w.keyDown(tk::key::Up, 0);
    EXPECT_EQ(w.Scroll.Value(), 4);
    EXPECT_EQ(w.fs.BkFreq[5], 550.0f);
    EXPECT_EQ(w.F[1].Text(), "550.00");
}

} // namespace
