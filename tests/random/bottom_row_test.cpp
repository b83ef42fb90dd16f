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
    const char* typed; // replaces the box's text before the key
    const char* more;  // typed after the key, or ""
    int entry;
    float stored;      // BkFreq(entry) afterwards
    const char* shown; // the text of the box that shows the entry afterwards
    int valueAfter, maxAfter;
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
    ASSERT_EQ(w.focused(), &w.F[c.row]) << s.focusName();
    s.retype(c.typed);
    w.keyDown(c.key, 0);
    s.type(c.more);
    EXPECT_EQ(w.focused(), &w.F[c.row]) << s.focusName();
    EXPECT_EQ(w.fs.BkFreq[c.entry], c.stored);
    EXPECT_EQ(w.F[c.entry - w.Scroll.Value()].Text(), c.shown);
    EXPECT_EQ(w.Scroll.Value(), c.valueAfter);
    EXPECT_EQ(w.Scroll.Max(), c.maxAfter);
}

using tk::key::Down;
using tk::key::Up;
INSTANTIATE_TEST_SUITE_P(
    Keys, ArrowAtTheEdge,
    testing::Values(EdgeCase{"DownBelowTheLastPoint", 8, 0, nullptr, 8, Down, "9", "5", 9, 0.0f, "95", 1, 1},
                    // The commit would make the row filled and open a line.
                    EdgeCase{"DownOnARowTheCommitWouldFill", 12, 5, "0.02", 8, Down, "1300", "5", 13, 0.0f, "13005", 5,
                             5},
                    EdgeCase{"UpAtTheFirstEntry", 12, 1, nullptr, 0, Up, "15", "0", 1, 100.0f, "150", 1, 5},
                    EdgeCase{"DownThatScrolls", 12, 3, nullptr, 8, Down, "1150", "", 11, 1150.0f, "1150.00", 4, 5}),
    nameOf<EdgeCase>);

} // namespace
