#include "frame/numbers.h"
#include "random/psd.h"
#include "random/random_window.h"
#include "random/result_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace random_test;
using tessomar::num::format;
using tessomar::num::Pattern;
namespace psd = tessomar::psd;

namespace {

using Commit = Screen;
using ScrollRange = Screen;
using FindEnd = Screen;
using DeleteBreakPoint = Screen;

// ---- Commits of a typed value ----

struct CommitCase {
    const char* name;
    bool psdColumn;
    const char* typed;
    float stored;      // after leaving the box
    const char* shown; // in the box after leaving it
    float recommitted; // after going in and out again without typing
};

class CommitOfATypedValue : public ScreenP<CommitCase> {};

TEST_P(CommitOfATypedValue, StoresWithinLimitsShowsThroughThePatternAndRecommitsWhatIsShown) {
    const CommitCase& c = GetParam();
    auto& box = c.psdColumn ? w.A[0] : w.F[0];
    const float& stored = c.psdColumn ? w.fs.BkPsd[1] : w.fs.BkFreq[1];
    w.clickText(box, 0);
    s.retype(c.typed);
    s.leaveTo(0);
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(box.Text(), c.shown);
    w.clickText(box, 0);
    s.leaveTo(0);
    EXPECT_EQ(stored, c.recommitted);
}

INSTANTIATE_TEST_SUITE_P(
    Values, CommitOfATypedValue,
    testing::Values(CommitCase{"FrequencyAboveLimit", false, "25000", 20000, "20000.00", 20000},
                    CommitCase{"NegativeFrequency", false, "-150", 150, "150.00", 150},
                    CommitCase{"FrequencyWithTrailingLetters", false, "12abc", 12, "12.00", 12},
                    CommitCase{"FrequencyWithMoreDigitsThanShown", false, "20.004", 20.004f, "20.00", 20},
                    CommitCase{"FrequencyShownAsItIs", false, "33.25", 33.25f, "33.25", 33.25f},
                    CommitCase{"FrequencyWithoutNumber", false, "abc", 0, "0.00", 0},
                    CommitCase{"FrequencyOverflowingADouble", false, "1e999", 20000, "20000.00", 20000},
                    CommitCase{"PsdBelowMinusLimit", true, "-2000", 1000, "1000.000000", 1000},
                    CommitCase{"NegativePsd", true, "-0.5", -0.5f, "-0.500000", -0.5f},
                    CommitCase{"PsdTooSmallToShow", true, "0.0000004", 4e-7f, "0.000000", 0},
                    CommitCase{"PsdAtLimit", true, "1000", 1000, "1000.000000", 1000}),
    nameOf<CommitCase>);

TEST_F(Commit, LeavingAnUnchangedBoxStoresNothing) {
    w.fs.BkFreq[1] = 20.004f; // more digits than the box shows
    w.F[0].setText("20.004");
    w.clickText(w.F[0], 0);
    s.leaveTo(0);
    EXPECT_EQ(w.fs.BkFreq[1], 20.004f);
    EXPECT_EQ(w.F[0].Text(), "20.00");
}

TEST_F(Commit, ZeroFrequencyInsideTheTableBlanksTheResults) {
    for (const char* f : {"20", "80", "350", "2000", "3000"}) s.point(f, "0.04");
    ASSERT_FALSE(w.Acceleration.Text().empty());
    w.clickText(w.F[3], 0);
    s.retype("0");
    s.leaveTo(3);
    EXPECT_EQ(w.fs.BkFreq[4], 0.0f);
    s.expectResults("", "", "");
}

TEST_F(Commit, PointInAGapIsIntegratedOnceItsPsdIsCommitted) {
    for (const char* f : {"20", "80", "350"}) s.point(f, "0.04");
    w.clickText(w.A[2], 0); // the filled row of entry 3
    w.clickText(w.F[4], 0); // entry 5, past the free entry 4
    ASSERT_EQ(w.focused(), &w.F[4]);
    w.Acceleration.setText("unchanged");
    s.retype("2000");
    s.enter();
    EXPECT_EQ(w.fs.BkFreq[5], 2000.0f);
    EXPECT_EQ(w.Acceleration.Text(), ""); // typing blanked it, no integration ran
    s.retype("0.007");
    s.enter();
    EXPECT_EQ(w.fs.BkFreq[4], 2000.0f);
    EXPECT_EQ(w.fs.BkPsd[4], 0.007f);
    EXPECT_EQ(w.fs.BkFreq[5], 0.0f);
    EXPECT_EQ(w.F[3].Text(), "2000.00");
    EXPECT_EQ(w.Acceleration.Text(), "6.13"); // 6.132 by the closed-form integrals
}

// ---- Scroll range ----

TEST_F(ScrollRange, FilledBottomRowOpensOneMoreLine) {
    s.fill(8, freqOf);
    EXPECT_EQ(w.Scroll.Max(), 1);
    w.clickText(w.F[8], 0);
    s.retype("5000");
    s.leaveTo(8);
    EXPECT_EQ(w.Scroll.Max(), 1); // no PSD yet: not filled
    w.clickText(w.A[8], 0);
    s.retype("0.01");
    s.leaveTo(8);
    EXPECT_EQ(w.Scroll.Max(), 2);
    w.Scroll.lineDown();
    EXPECT_EQ(w.B[8].Text(), "10");
}

class ScrollRangeAfterACommitHigherUp : public ScreenP<std::pair<int, int>> {};

TEST_P(ScrollRangeAfterACommitHigherUp, NeverShrinks) {
    const auto [points, scrolledTo] = GetParam();
    s.fill(points, freqOf);
    const int max = w.Scroll.Max();
    ASSERT_EQ(max, std::min(points - 7, 42));
    w.Scroll.setValue(scrolledTo);
    w.clickText(w.F[8], 0);
    s.retype("7");
    s.leaveTo(8); // a filled entry committed in the bottom row
    EXPECT_EQ(w.Scroll.Max(), max);
    w.Scroll.setValue(max);
    EXPECT_EQ(w.Scroll.Value(), max);
    EXPECT_EQ(w.B[8].Text(), format(max + 8, Pattern::Int2));
}

INSTANTIATE_TEST_SUITE_P(Tables, ScrollRangeAfterACommitHigherUp,
                         testing::Values(std::pair{20, 2}, std::pair{20, 1}, std::pair{50, 10}, std::pair{50, 41}));

TEST_F(ScrollRange, EveryGestureRedrawsTheRowsForTheNewValue) {
    s.fill(30, [](int i) { return std::to_string(100 + 10 * i); });
    ASSERT_EQ(w.Scroll.Max(), 23);
    const std::pair<void (*)(tk::ScrollBar&), int> gestures[] = {
        {[](tk::ScrollBar& b) { b.lineDown(); }, 11},
        {[](tk::ScrollBar& b) { b.lineUp(); }, 9},
        {[](tk::ScrollBar& b) { b.pageDown(); }, 17},
        {[](tk::ScrollBar& b) { b.pageUp(); }, 3},
        {[](tk::ScrollBar& b) { b.pageDown(), b.pageDown(); }, 23}, // the trough past the end
        {[](tk::ScrollBar& b) { b.setValue(21); }, 21}};            // the thumb released
    for (const auto& [act, value] : gestures) {
        w.Scroll.setValue(10);
        act(w.Scroll);
        ASSERT_EQ(w.Scroll.Value(), value);
        for (int r = 0; r < tessomar::kRows; ++r) {
            const int k = value + r;
            EXPECT_EQ(w.B[r].Text(), format(k, Pattern::Int2));
            EXPECT_EQ(w.F[r].Text(), k <= 30 ? std::to_string(90 + 10 * k) + ".00" : "0.00");
            EXPECT_EQ(w.A[r].Text(), k <= 30 ? "0.010000" : "0.000000");
        }
    }
}

// ---- FindEnd ----

struct FindEndCase {
    const char* name;
    int taken;               // entries 1..taken hold points
    int maxSet;              // the range as left before
    int value, editRow, max; // expected
};

class FindEndShowsTheFreeEntry : public ScreenP<FindEndCase> {};

TEST_P(FindEndShowsTheFreeEntry, InItsRow) {
    const FindEndCase& c = GetParam();
    for (int k = 1; k <= c.taken; ++k) {
        w.fs.BkFreq[k] = static_cast<float>(10 * k);
        w.fs.BkPsd[k] = 0.01f;
    }
    w.Scroll.setMax(c.maxSet);
    w.Scroll.setValue(c.maxSet);
    w.FindEnd();
    EXPECT_EQ(w.Scroll.Value(), c.value);
    EXPECT_EQ(w.fs.EditRow, c.editRow);
    EXPECT_EQ(w.Scroll.Max(), c.max);
    EXPECT_EQ(w.B[c.editRow].Text(), format(c.value + c.editRow, Pattern::Int2));
}

INSTANTIATE_TEST_SUITE_P(Tables, FindEndShowsTheFreeEntry,
                         testing::Values(FindEndCase{"EmptyTable", 0, 1, 1, 0, 1},
                                         FindEndCase{"FreeEntryEight", 7, 1, 1, 7, 1},
                                         FindEndCase{"FreeEntryNine", 8, 2, 1, 8, 2},
                                         FindEndCase{"FreeEntryTwentyScrolledBack", 19, 12, 12, 8, 12},
                                         FindEndCase{"TargetAboveTheRange", 19, 3, 12, 8, 12},
                                         FindEndCase{"FullTableShowsEntryFifty", 50, 42, 42, 8, 42},
                                         FindEndCase{"FullTableAboveTheRange", 50, 5, 42, 8, 42}),
                         nameOf<FindEndCase>);

TEST_F(FindEnd, SkipsEntriesThatAreNotTaken) {
    const float freq[] = {0, 20, 30, 0.0099f, 50}, psd[] = {0, 0.01f, 9.9e-7f, 0.01f, 0.01f};
    for (int k = 1; k <= 4; ++k) w.fs.BkFreq[k] = freq[k], w.fs.BkPsd[k] = psd[k];
    w.FindEnd();
    EXPECT_EQ(w.fs.EditRow, 1); // entry 2 has too small a PSD
}

// ---- Delete and Clear All ----

TEST_F(DeleteBreakPoint, RemovesTheEntryOfTheRowNumberClicked) {
    tessomar::psd::Column f{}, p{};
    for (int i = 0; i < 14; ++i) s.point(std::to_string(100 + 50 * i), i % 2 ? "0.02" : "0.05");
    for (int i = 0, k = 1; i < 14; ++i) { // what is left once entry 8 (i = 7) goes
        if (i != 7) f[k] = static_cast<float>(100 + 50 * i), p[k++] = i % 2 ? 0.02f : 0.05f;
    }
    const int max = w.Scroll.Max();
    w.Scroll.setValue(5);
    w.clickText(w.B[3], 0);
    w.click(w.DelBut);
    for (int k = 1; k <= 14; ++k) {
        EXPECT_EQ(w.fs.BkFreq[k], f[k]) << k;
        EXPECT_EQ(w.fs.BkPsd[k], p[k]) << k;
    }
    EXPECT_EQ(w.Scroll.Max(), max);
    EXPECT_EQ(w.F[3].Text(), "500.00"); // entry 8 now holds what was entry 9
    const auto r = tessomar::psd::results(tessomar::psd::integrate(f, p));
    EXPECT_EQ(w.Acceleration.Text(), tessomar::psd::grmsText(r.grms));
    EXPECT_EQ(w.fs.RandomGrms, r.grms);
}

TEST_F(DeleteBreakPoint, CommitsTheBoxBeingEditedFirst) {
    for (const char* f : {"20", "80", "350"}) s.point(f, "0.04");
    w.clickText(w.F[1], 0);
    s.retype("500"); // entry 2 becomes the last after the commit's sort
    w.click(w.DelBut);
    // The commit sorted 500 Hz to entry 3, then row 1 (entry 2, 350 Hz) went.
    EXPECT_EQ(w.fs.BkFreq[1], 20.0f);
    EXPECT_EQ(w.fs.BkFreq[2], 500.0f);
    EXPECT_EQ(w.fs.BkFreq[3], 0.0f);
}

struct ClearCase {
    bool english;
    int points, value;
    const char *accel, *vel, *disp;
};

class ClearAll : public ScreenP<ClearCase> {};

TEST_P(ClearAll, EmptiesTheTableKeepsTheRangeAndZeroesTheResults) {
    const ClearCase& c = GetParam();
    s.fill(c.points, freqOf, "0.02");
    if (!c.english) w.click(w.MetricBut);
    w.Scroll.setValue(c.value);
    const int max = w.Scroll.Max(), editRow = w.fs.EditRow, focusRow = w.fs.FocusRow;
    w.click(w.ClearBut);
    EXPECT_EQ(w.Scroll.Value(), 1);
    EXPECT_EQ(w.Scroll.Max(), max);
    EXPECT_EQ(w.fs.EditRow, editRow);
    EXPECT_EQ(w.fs.FocusRow, focusRow);
    for (int r = 0; r < tessomar::kRows; ++r) {
        EXPECT_EQ(w.B[r].Text(), "0" + std::to_string(r + 1));
        EXPECT_EQ(w.F[r].Text(), "0.00");
        EXPECT_EQ(w.A[r].Text(), "0.000000");
    }
    for (int k = 0; k <= 51; ++k) EXPECT_EQ(w.fs.BkFreq[k], 0.0f) << k;
    s.expectResults(c.accel, c.vel, c.disp);
}

INSTANTIATE_TEST_SUITE_P(Tables, ClearAll,
                         testing::Values(ClearCase{true, 20, 12, "0.00", "0.0", "0.000"},
                                         ClearCase{true, 5, 1, "0.00", "0.0", "0.000"},
                                         ClearCase{false, 20, 12, "0.00", "0.00", "0.00"}));

// ---- Integration asked again ----

// A change to the table between two runs, made as nothing in the window
// makes it, so that only the table itself can tell the runs apart.
struct RerunCase {
    const char* name;
    void (*change)(tessomar::FormState&);
};

class IntegrationAskedAgain : public ScreenP<RerunCase> {};

// Each run's table and results are those of sorting and integrating a copy
// of the table it was given, whatever ran before it.
TEST_P(IntegrationAskedAgain, GivesWhatAFreshRunGives) {
    s.fill(12, freqOf, "0.02");
    s.point("15", "0.005"); // out of order, and a point to change
    const auto expectFreshRun = [&](const char* when) {
        psd::Column freq = w.fs.BkFreq, psdColumn = w.fs.BkPsd;
        psd::sortBreakPoints(freq, psdColumn);
        const psd::Results want = psd::results(psd::integrate(freq, psdColumn));
        w.UpdateRandom();
        EXPECT_EQ(w.fs.BkFreq, freq) << when;
        EXPECT_EQ(w.fs.BkPsd, psdColumn) << when;
        EXPECT_EQ(w.fs.RandomGrms, want.grms) << when;
        EXPECT_EQ(w.fs.RandomVel, want.vel) << when;
        EXPECT_EQ(w.fs.RandomDisp, want.disp) << when;
        EXPECT_EQ(w.Acceleration.Text(), format(want.grms, Pattern::Fixed2)) << when;
    };
    expectFreshRun("unchanged");
    const tessomar::FormState before = w.fs;
    GetParam().change(w.fs);
    expectFreshRun("changed");
    w.fs.BkFreq = before.BkFreq;
    w.fs.BkPsd = before.BkPsd;
    expectFreshRun("changed back");
}

INSTANTIATE_TEST_SUITE_P(
    Changes, IntegrationAskedAgain,
    testing::Values(RerunCase{"Nothing", [](tessomar::FormState&) {}},
                    RerunCase{"ResultsZeroed", [](tessomar::FormState& fs) { fs.RandomGrms = fs.RandomVel = 0; }},
                    RerunCase{"OnePsd", [](tessomar::FormState& fs) { fs.BkPsd[5] *= 2; }},
                    RerunCase{"OneFrequency", [](tessomar::FormState& fs) { fs.BkFreq[7] += 1; }},
                    RerunCase{"NegativeZeroPsd", [](tessomar::FormState& fs) { fs.BkPsd[13] = -0.0f; }},
                    RerunCase{"LastPointDropped", [](tessomar::FormState& fs) { fs.BkFreq[13] = fs.BkPsd[13] = 0; }},
                    RerunCase{"PointsSwapped",
                              [](tessomar::FormState& fs) {
                                  std::swap(fs.BkFreq[2], fs.BkFreq[9]);
                                  std::swap(fs.BkPsd[2], fs.BkPsd[9]);
                              }}),
    nameOf<RerunCase>);

} // namespace
