#include "random/random_window.h"

#include <gtest/gtest.h>

using namespace random_test;

namespace {

// An arrow key at either end of the table commits the box only when the
// table scrolls; otherwise the box keeps what is being typed and its caret.
struct EdgeCase {
    const char* name;
    int points;      // entered with Enter from the top (100, 200, ... Hz)
    int value;       // the scroll value then set, 0 to stay where Enter left the focus
    const char* psd; // typed into A(row) first, or nullptr
    int row, key;
    const char* typed; // replaces the box's text before the key; a 5 follows it
    int entry;
    float stored;      // BkFreq(entry) afterwards
    const char* shown; // the text of the box that shows the entry afterwards
    int valueAfter;
};

class ArrowAtTheEdge : public ScreenP<EdgeCase> {};

TEST_P(ArrowAtTheEdge, CommitsOnlyWhenTheTableScrolls) {
    const EdgeCase& c = GetParam();
    s.fill(c.points, hundreds);
    if (c.value) w.Scroll.setValue(c.value);
    if (c.psd) {
        w.clickText(w.A[c.row], 0);
        s.retype(c.psd);
    }
    if (c.value) w.clickText(w.F[c.row], 0);
    s.retype(c.typed);
    w.keyDown(c.key, 0);
    s.type("5");
    EXPECT_EQ(w.fs.BkFreq[c.entry], c.stored);
    EXPECT_EQ(w.F[c.entry - w.Scroll.Value()].Text(), c.shown);
    EXPECT_EQ(w.Scroll.Value(), c.valueAfter);
}

using tk::key::Down;
using tk::key::Up;
INSTANTIATE_TEST_SUITE_P(
    Keys, ArrowAtTheEdge,
    testing::Values(EdgeCase{"DownBelowTheLastPoint", 8, 0, nullptr, 8, Down, "9", 9, 0.0f, "95", 1},
                    // The commit would fill the row and open a line below it.
                    EdgeCase{"DownOnARowTheCommitWouldFill", 12, 5, "0.02", 8, Down, "1300", 13, 0.0f, "13005", 5},
                    EdgeCase{"UpAtTheFirstEntry", 12, 1, nullptr, 0, Up, "15", 1, 100.0f, "155", 1},
                    // Row 7 now shows the entry typed in row 8; the 5 goes into row 8.
                    EdgeCase{"DownThatScrolls", 12, 3, nullptr, 8, Down, "1150", 11, 1150.0f, "1150.00", 4}),
    nameOf<EdgeCase>);

} // namespace
