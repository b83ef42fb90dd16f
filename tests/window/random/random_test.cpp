// The break-point table on a started window (commits, scrolling, keys and
// focus, Delete Break Pt and Clear All) driven as a user drives it.
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

struct Screen {
    tessomar::Tessomar w;
    std::string notice; // the last one, "at box: text"
    Screen() {
        w.twipsPerPixelX = 15.1f;
        w.load();
        w.activate();
        w.click(w.RandomButton);
        w.Notice = [this](const tk::Control& at, const std::string& text) { notice = at.name() + ": " + text; };
    }
    // Keys for the focused control: '\t' Tab, '\b' Shift+Tab, '\x18' cut,
    // '\x1a' Ctrl+Z, '\x01' and '\x02' the arrows Up and Down; the rest is typed.
    void keys(std::string_view text) {
        for (char c : text) {
            if (c == '\t' || c == '\b') w.pressTab(c == '\b');
            if (c == '\x18') w.cut();
            if (c == '\x1a') w.undo();
            if (c == 1 || c == 2) w.keyDown(c == 1 ? tk::key::Up : tk::key::Down, 0);
            if (c == '\r' || c >= ' ') w.keyPress(c);
        }
    }
    // What a user or a developer reads: a box's text, or "focus", "scroll"
    // (Value/Max), "rows" (EditRow/FocusRow), "sel" (of the focused box),
    // "results", "notice" (blanks as "_") and "k<entry>" (the stored point).
    std::string probe(const std::string& what) {
        const auto pair = [](int a, int b) { return std::to_string(a) + "/" + std::to_string(b); };
        const auto* box = dynamic_cast<const tk::TextBox*>(w.focused());
        if (what == "notice") return std::replace(notice.begin(), notice.end(), ' ', '_'), notice;
        if (what == "focus") return w.focused()->name();
        if (what == "scroll") return pair(w.Scroll.Value(), w.Scroll.Max());
        if (what == "rows") return pair(w.fs.EditRow, w.fs.FocusRow);
        if (what == "sel") return pair(box->SelStart(), box->SelLength());
        if (what == "results") return w.Acceleration.Text() + "|" + w.Velocity.Text() + "|" + w.Displacement.Text();
        if (what[0] != 'k') return static_cast<const tk::TextBox*>(w.find(what))->Text();
        std::ostringstream out;
        out << w.fs.BkFreq[std::stoul(what.substr(1))] << ":" << w.fs.BkPsd[std::stoul(what.substr(1))];
        return out.str();
    }
};

const std::string up = "\x01", down = "\x02", tab = "\t", backTab = "\b", cut = "\x18";

// n points typed with Enter from F(0): 100, 200, ... Hz at 0.05 and 0.02 in
// turn, or all at 0.01.
std::string points(int n, bool flat = false) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += std::to_string(100 * (i + 1)) + (flat ? "\r0.01\r" : i % 2 ? "\r0.02\r" : "\r0.05\r");
    return out;
}
const std::string kThree = "20\r0.04\r80\r0.04\r350\r0.04\r";
const std::string kFourPoint = "20 0.01\n80 0.04\n350 0.04\n2000 0.007\n";

// n lines "100 0.01", "200 0.01", ...: a profile to paste.
std::string lines(int n) {
    std::string out;
    for (int i = 1; i <= n; ++i) out += std::to_string(100 * i) + " 0.01\n";
    return out;
}

// Scrolls to a value (0: as it is), clicks the named control (a box gets
// its text selected, ready to be typed over), pastes with the keyboard, then types.
struct Step {
    int value;
    const char* click;
    std::string typed;
    std::optional<std::string> pasted = std::nullopt;
};

struct Case {
    Case(const char* n, std::string t, std::vector<Step> s, const char* w) : name(n), typed(t), steps(s), want(w) {}
    const char* name;
    std::string typed; // from F(0) of the empty table
    std::vector<Step> steps;
    const char* want; // probe=value ...
};

class Table : public testing::TestWithParam<Case> {};

TEST_P(Table, ShowsAndHoldsWhatTheUserDid) {
    Screen s;
    s.keys(GetParam().typed);
    for (const auto& [value, click, typed, pasted] : GetParam().steps) {
        if (value > 0) s.w.Scroll.setValue(value);
        s.w.click(*s.w.find(click));
        s.w.selectAll();
        if (pasted) s.w.pasteKey(*pasted);
        s.keys(typed);
    }
    std::istringstream want(GetParam().want);
    for (std::string item; want >> item;) {
        // "...*": what is shown begins so (the reader's own words follow).
        const std::string seen = s.probe(item.substr(0, item.find('='))), expected = item.substr(item.find('=') + 1);
        EXPECT_EQ(expected.ends_with('*') ? seen.substr(0, expected.size() - 1) + "*" : seen, expected) << item;
    }
}

std::string nameOf(const testing::TestParamInfo<Case>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Scenarios, Table,
    testing::Values(
        Case("FirstPointLeavesTheResultsBlank", "20\r0.01\r", {}, "focus=F(1) sel=0/4 k1=20:0.01 results=||"),
        Case("SecondPointIntegrates", "20\r0.01\r80\r0.04\r", {}, "focus=F(2) results=1.22|4.9|0.045"),
        Case("FrequencyCommitsAsShownAndSelectsThePsd", "20.004\r", {}, "focus=A(0) sel=0/8 k1=20:0 F(0)=20.00"),
        Case("FiftyPointsWalkToTheEnd", points(50), {}, "scroll=42/42 B(8)=50 F(8)=5000.00 results=12.66|3.3|0.007"),
        // The PSD of 0 stands in as 1e-9, too steep a slope for the last segment to add anything.
        Case("EntryFiftyAlwaysIntegrates", points(50), {{0, "A(8)", "0\r"}}, "focus=F(8) results=12.53|3.3|0.007"),
        Case("StaysOnARowWithoutPsd", "20\r0.01\r80\r0\r", {}, "focus=F(1)"),
        Case("TypingAFrequencyBlanksTheResults", points(2), {{0, "F(1)", "7"}}, "results=||"),
        Case("TypingAPsdBlanksTheResults", points(2), {{0, "A(1)", "7"}}, "results=||"),
        // Asked again for the same table, the integration restores its results.
        Case("SameTableRestoresTheResults", points(2), {{0, "A(1)", "0.02"}, {0, "B(1)", ""}},
             "results=1.76|2.4|0.006"),
        // Commits
        Case("FrequencyAboveTheLimit", "25000\r", {}, "k1=20000:0 F(0)=20000.00"),
        Case("NegativeFrequency", "-150\r", {}, "k1=150:0 F(0)=150.00"),
        Case("PsdBelowMinusTheLimit", "20\r-2000\r", {}, "k1=20:1000 A(0)=1000.000000"),
        Case("NegativePsd", "20\r-0.5", {{0, "B(0)", ""}}, "k1=20:-0.5 A(0)=-0.500000"),
        // Cut, not typed: typing alone blanks the results.
        Case("ZeroFrequencyBlanksTheResults", points(5), {{0, "F(3)", cut}, {0, "B(3)", ""}}, "k4=0:0.02 results=||"),
        Case("ZeroInTheLastEntryKeepsTheResults", points(5), {{0, "F(4)", cut}, {0, "B(4)", ""}},
             "k5=0:0.05 results=3.61|3.0|0.006"),
        Case("PointInAGapIsSortedIn", kThree, {{0, "A(2)", ""}, {0, "F(4)", "2000\r0.007\r"}},
             "k4=2000:0.007 k5=0:0 F(3)=2000.00 results=6.13|8.1|0.076"),
        Case("FilledBottomRowOpensALine", points(8) + "5000", {{0, "A(8)", "0.01"}, {0, "B(8)", ""}},
             "scroll=1/2 k9=5000:0.01"),
        Case("RangeNeverShrinks", points(20), {{2, "F(8)", "7"}, {0, "B(8)", ""}}, "scroll=2/13 k1=7:0.02"),
        // Leaving a half-filled row for another one resets it.
        Case("PsdTooSmallToShowToAFrequency", points(6), {{0, "A(2)", "4e-7"}, {0, "F(5)", ""}},
             "focus=F(5) F(2)=300.00 A(2)=0.000000 k3=300:0 rows=2/5 k6=600:0.02"),
        Case("NegativePsdToAPsd", points(6), {{0, "A(2)", "-0.5"}, {0, "A(5)", ""}},
             "focus=A(5) F(2)=0.00 A(2)=0.000000 k3=0:0 rows=5/5"),
        Case("HalfFilledToHalfFilledFrequency", kThree + "70", {{0, "F(6)", ""}}, "focus=F(3) rows=3/3 k4=70:0"),
        Case("HalfFilledToHalfFilledPsd", kThree + "70", {{0, "A(6)", ""}}, "focus=A(3) rows=3/3 k4=0:0"),
        // From a half-filled row to an empty one: to the first free entry, in the bottom row.
        Case("HalfFilledToHalfFilledScrollsToTheFreeEntry", points(20), {{13, "A(0)", "0"}, {0, "F(8)", ""}},
             "scroll=5/13 focus=F(8) rows=8/8 B(8)=13"),
        Case("RowZeroResetsNothing", "20\r0.01\r50", {{0, "F(0)", ""}}, "k2=50:0 F(1)=50.00 rows=0/0"),
        // Twelve points: the range is 1 to 5. The arrows follow the screen.
        Case("UpGoesToTheRowAbove", points(12), {{1, "F(3)", up}}, "focus=F(2) scroll=1/5"),
        Case("DownGoesToTheRowBelow", points(12), {{1, "F(3)", down}}, "focus=F(4) scroll=1/5"),
        Case("UpAtTheTopScrollsBack", points(12), {{5, "F(0)", up}}, "focus=F(0) scroll=4/5 B(0)=04"),
        Case("DownAtTheBottomScrollsOnKeepingWhatWasTyped", points(12), {{3, "F(8)", "1150" + down}},
             "focus=F(8) scroll=4/5 B(8)=12 k11=1150:0.05 F(7)=1150.00"),
        // No scroll, no commit: the box keeps what is typed and its caret.
        Case("DownBelowTheLastPointKeepsTheBox", points(8), {{0, "F(8)", "9" + down + "5"}},
             "F(8)=95 k9=0:0 scroll=1/1"),
        Case("UpAtTheFirstEntryKeepsTheBox", points(2), {{0, "F(0)", "9" + up + "5"}}, "F(0)=95 k1=100:0.05"),
        // 12 points at 0.01 from 100 to 1200 Hz: 11 g², 3.32 g rms. The entry
        // left half-filled before a scroll is no point of the profile.
        Case("HalfFilledEntryCarriedOffByAScrollIsDropped", points(13, true),
             {{0, "B(7)", ""}, {0, "DelBut", ""}, {5, "F(8)", "777" + down}, {0, "F(2)", ""}, {0, "F(2)", "800\r"}},
             "k13=0:0 results=3.32|1.8|0.003"),
        Case("TabFromTheBottomScrolls", points(12), {{3, "A(8)", tab}}, "focus=F(8) scroll=4/5"),
        Case("ShiftTabFromTheTopScrollsBack", points(12), {{3, "F(0)", backTab}}, "focus=A(0) scroll=2/5"),
        Case("ScrollingCommitsWhatWasTyped", points(12), {{5, "F(0)", "550" + up}},
             "k5=550:0.05 F(1)=550.00 scroll=4/5 results=6.00|3.2|0.007"),
        // The commit would fill the row and open a line below it: still no scroll, no commit.
        Case("DownOnARowTheCommitWouldFillKeepsTheBox", points(12),
             {{0, "A(8)", "0.02"}, {0, "F(8)", "1300" + down + "5"}}, "F(8)=13005 k13=0:0.02 scroll=5/5 focus=F(8)"),
        Case("DeleteRemovesTheEntryOfTheRowNumberClicked", points(12), {{5, "B(2)", ""}, {0, "DelBut", ""}},
             "k7=800:0.02 k12=0:0 scroll=5/5 F(2)=800.00 results=5.77|3.2|0.006"),
        Case("DeleteActsOnTheRowShownAtTheClick", points(12), {{5, "B(2)", ""}, {3, "DelBut", ""}},
             "k4=400:0.02 k5=600:0.02 k12=0:0"),
        Case("DeleteCommitsTheBoxBeingEditedFirst", kThree, {{0, "F(1)", "500"}, {0, "DelBut", ""}},
             "k1=20:0.04 k2=500:0.04 k3=0:0 results=4.38|8.1|0.076"),
        Case("ClearAllScrolledDown", points(20), {{12, "ClearBut", ""}},
             "scroll=1/13 rows=8/8 B(0)=01 F(0)=0.00 A(0)=0.000000 F(8)=0.00 k20=0:0 results=0.00|0.0|0.000"),
        Case("ClearAllAtTheTopInMetric", points(5), {{0, "MetricBut", ""}, {0, "ClearBut", ""}},
             "k1=0:0 F(0)=0.00 results=0.00|0.00|0.00"),
        // Pastes: points placed and shown where they sorted to, the box
        // selected as after Enter; a value as typed; the rest refused.
        Case("SpreadsheetRowIsAPoint", "", {{0, "A(0)", "", "20\t0.01\r\n"}}, "k1=20:0.01 A(0)=0.010000 sel=0/8"),
        Case("PointsShowWhereTheySorted", points(40), {{30, "F(8)", "", "3850 0.01\n4500 0.01\n4600 0.01"}},
             "scroll=32/33 B(8)=40 F(8)=4600.00 focus=F(8) sel=0/7"),
        Case("PointsPastedAfterClearAllShow", points(20), {{12, "ClearBut", ""}, {12, "F(0)", "", kFourPoint}},
             "scroll=1/13 F(3)=2000.00 results=6.06|6.2|0.046"),
        Case("DecimalCommaCellIsTyped", "20\r", {{0, "A(0)", "\r", "0,01\n"}}, "k1=20:0.01"),
        Case("EmptyPasteChangesNothing", points(2), {{0, "F(1)", "\r", ""}}, "k2=200:0.02 results=1.76|2.4|0.006"),
        Case("TwoCellsOfAColumnAreRefused", points(2), {{0, "F(1)", "", "20\r\n80"}},
             "k2=200:0.02 F(1)=200.00 notice=F(1):_Line_1:_*"),
        Case("NoBreakSpaceJoinsNoNumber", points(2), {{0, "F(1)", "", "12\u00a0345"}},
             "F(1)=200.00 notice=F(1):_Line_1:_*"),
        Case("RefusedProfileSaysWhyAtTheBox", points(2), {{0, "A(0)", "", "20 0.01\n25 0.01\n30 abc"}},
             "k1=100:0.05 A(0)=0.050000 results=1.76|2.4|0.006 notice=A(0):_Line_3:_*"),
        Case("FiftyOnePointsAreRefusedWhole", "", {{0, "F(0)", "", lines(51)}},
             "k1=0:0 k50=0:0 notice=F(0):_Line_51:_51_break_points_from_entry_1_run_past_entry_50"),
        Case("ValueFieldTakesASpreadsheetCell", "", {{0, "SineButton", ""}, {0, "Velocity", "", "20\r\n"}},
             "Velocity=20"),
        Case("ValueFieldRefusesLines", "", {{0, "SineButton", ""}, {0, "Velocity", "", "1\n2"}},
             "Velocity=0.0 notice=Velocity:_*"),
        // One level of undo for a paste, Delete and Clear All.
        Case("UndoBringsBackWhatAPasteOverwrote", points(20),
             {{12, "ClearBut", ""}, {12, "F(0)", "", kFourPoint}, {0, "F(0)", "\x1a"}},
             "scroll=12/13 F(0)=0.00 results=0.00|0.0|0.000 sel=0/4"),
        Case("UndoBringsBackAClearedTable", points(12), {{5, "ClearBut", ""}, {0, "F(0)", "\x1a"}},
             "scroll=5/5 F(2)=700.00 k12=1200:0.02 results=5.99|3.2|0.007"),
        Case("UndoBringsBackADeletedPoint", points(12), {{5, "B(2)", ""}, {0, "DelBut", ""}, {0, "F(2)", "\x1a"}},
             "k7=700:0.05 F(2)=700.00 results=5.99|3.2|0.007"),
        Case("TypingKeepsUndoFromTheTable", points(2), {{0, "F(0)", "", "50 0.01\n60 0.01"}, {0, "F(0)", "7\x1a"}},
             "F(0)=7 k1=50:0.01"),
        Case("CommitDropsTheUndo", points(2), {{0, "F(0)", "", "50 0.01\n60 0.01"}, {0, "F(1)", "70\r\x1a"}},
             "k1=50:0.01 k2=70:0.01")),
    nameOf);

// Where the free entry cannot show: the table full, or the range left short
// of it. (The other cases are the scenarios' moves between half-filled rows.)
TEST(FindEnd, ShowsTheFreeEntryOrTheLastOneInTheBottomRow) {
    for (const auto& [taken, range, want] :
         {std::tuple{50, 42, "42/42 8/8"}, {50, 5, "42/42 8/8"}, {19, 3, "12/12 8/8"}, {0, 1, "1/1 0/0"}}) {
        Screen s;
        s.keys(points(taken));
        s.w.Scroll.setMax(range);
        s.w.Scroll.setValue(range);
        s.w.FindEnd();
        EXPECT_EQ(s.probe("scroll") + " " + s.probe("rows"), want) << taken << " " << range;
    }
}

} // namespace
