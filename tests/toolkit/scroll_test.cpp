// The scroll bar: Value clamped to Min..Max, Change raised exactly when Value
// really changes, whether code or the user moved it.
#include "toolkit/test_window.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using tktest::TestWindow;

struct ScrollCase {
    const char* name;
    int max, value; // starting range Min 1 .. max, and Value
    std::function<void(TestWindow&)> act;
    int expected;
    const char* changes; // the Change events raised, with the Value each one saw
};

void PrintTo(const ScrollCase& c, std::ostream* os) { *os << c.name; }

class ScrollBarChange : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollBarChange, ClampsAndRaisesChangeOnlyOnRealChange) {
    const ScrollCase& c = GetParam();
    TestWindow w;
    w.Bar.setMax(c.max);
    w.Bar.setValue(c.value);
    w.log.clear();
    c.act(w);
    EXPECT_EQ(w.Bar.Value(), c.expected);
    EXPECT_EQ(w.joined(), c.changes);
    EXPECT_GE(w.Bar.Value(), w.Bar.Min());
}

INSTANTIATE_TEST_SUITE_P(
    ScrollBar, ScrollBarChange,
    testing::Values(
        ScrollCase{"SettingSameValueRaisesNothing", 20, 5, [](TestWindow& w) { w.Bar.setValue(5); }, 5, ""},
        ScrollCase{"SettingNewValueRaisesOnce", 20, 5, [](TestWindow& w) { w.Bar.setValue(9); }, 9, "Bar=9"},
        ScrollCase{"AboveMaxClampsToMax", 20, 5, [](TestWindow& w) { w.Bar.setValue(99); }, 20, "Bar=20"},
        ScrollCase{"BelowMinClampsToMin", 20, 5, [](TestWindow& w) { w.Bar.setValue(-4); }, 1, "Bar=1"},
        ScrollCase{"AboveMaxWhenAtMaxRaisesNothing", 20, 20, [](TestWindow& w) { w.Bar.setValue(21); }, 20, ""},
        ScrollCase{"MaxBelowValuePullsValueDown", 20, 15, [](TestWindow& w) { w.Bar.setMax(10); }, 10, "Bar=10"},
        ScrollCase{"MaxAboveValueLeavesIt", 20, 15, [](TestWindow& w) { w.Bar.setMax(42); }, 15, ""},
        ScrollCase{"MaxEqualToMinClosesRange", 20, 3,
                   [](TestWindow& w) {
                       w.Bar.setMax(1);
                       w.Bar.setValue(2);
                   },
                   1, "Bar=1"},
        ScrollCase{"MaxBelowMinHoldsValueAtMin", 20, 1, [](TestWindow& w) { w.Bar.setMax(0); }, 1, ""},
        ScrollCase{"LineDownBySmallChange", 20, 5, [](TestWindow& w) { w.Bar.lineDown(); }, 6, "Bar=6"},
        ScrollCase{"PageDownByLargeChangeStopsAtMax", 20, 15, [](TestWindow& w) { w.Bar.pageDown(); }, 20, "Bar=20"},
        ScrollCase{"PageUpByLargeChange", 20, 15, [](TestWindow& w) { w.Bar.pageUp(); }, 8, "Bar=8"},
        ScrollCase{"LineUpAtMinRaisesNothing", 20, 1, [](TestWindow& w) { w.Bar.lineUp(); }, 1, ""},
        ScrollCase{"DownKeyOnFocusedBar", 20, 5,
                   [](TestWindow& w) {
                       w.Bar.SetFocus();
                       w.log.clear();
                       w.keyDown(tk::key::Down, 0);
                   },
                   6, "Bar=6"},
        ScrollCase{"EndKeyOnFocusedBar", 20, 5,
                   [](TestWindow& w) {
                       w.Bar.SetFocus();
                       w.log.clear();
                       w.keyDown(tk::key::End, 0);
                   },
                   20, "Bar=20"},
        ScrollCase{"ChangeHandlerSettingValueRaisesAgain", 20, 5,
                   [](TestWindow& w) {
                       TestWindow::after(w.Bar.Change, [&w] {
                           if (w.Bar.Value() == 9) w.Bar.setValue(7);
                       });
                       w.Bar.setValue(9);
                   },
                   7, "Bar=9,Bar=7"}),
    [](const testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

} // namespace
