// The scroll bar: Value clamped to Min..Max, Change raised exactly when Value
// really changes, whether code or the user moved it.
#include "toolkit/test_window.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using tktest::TestWindow;

struct ScrollCase {
    const char* name;
    int value; // the starting Value, in the range 1..20
    std::function<void(TestWindow&)> act;
    int expected;
    const char* changes; // the Change events raised, with the Value each one saw
};

class ScrollBarChange : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollBarChange, ClampsAndRaisesChangeOnlyOnRealChange) {
    const ScrollCase& c = GetParam();
    TestWindow w;
    w.Bar.setValue(c.value);
    w.log.clear();
    c.act(w);
    EXPECT_EQ(w.Bar.Value(), c.expected);
    EXPECT_EQ(w.joined(), c.changes);
    EXPECT_GE(w.Bar.Value(), w.Bar.Min());
}

const auto keyOnBar = [](int k) -> std::function<void(TestWindow&)> {
    return [k](TestWindow& w) { w.Bar.SetFocus(), w.log.clear(), w.keyDown(k, 0); };
};

INSTANTIATE_TEST_SUITE_P(
    ScrollBar, ScrollBarChange,
    testing::Values(
        ScrollCase{"SettingSameValueRaisesNothing", 5, [](TestWindow& w) { w.Bar.setValue(5); }, 5, ""},
        ScrollCase{"SettingNewValueRaisesOnce", 5, [](TestWindow& w) { w.Bar.setValue(9); }, 9, "Bar=9"},
        ScrollCase{"AboveMaxClampsToMax", 5, [](TestWindow& w) { w.Bar.setValue(99); }, 20, "Bar=20"},
        ScrollCase{"BelowMinClampsToMin", 5, [](TestWindow& w) { w.Bar.setValue(-4); }, 1, "Bar=1"},
        ScrollCase{"AboveMaxWhenAtMaxRaisesNothing", 20, [](TestWindow& w) { w.Bar.setValue(21); }, 20, ""},
        ScrollCase{"MaxBelowValuePullsValueDown", 15, [](TestWindow& w) { w.Bar.setMax(10); }, 10, "Bar=10"},
        ScrollCase{"MaxAboveValueLeavesIt", 15, [](TestWindow& w) { w.Bar.setMax(42); }, 15, ""},
        ScrollCase{"MaxEqualToMinClosesRange", 3, [](TestWindow& w) { w.Bar.setMax(1), w.Bar.setValue(2); }, 1,
                   "Bar=1"},
        ScrollCase{"MaxBelowMinHoldsValueAtMin", 1, [](TestWindow& w) { w.Bar.setMax(0); }, 1, ""},
        ScrollCase{"LineDownBySmallChange", 5, [](TestWindow& w) { w.Bar.lineDown(); }, 6, "Bar=6"},
        ScrollCase{"PageDownByLargeChangeStopsAtMax", 15, [](TestWindow& w) { w.Bar.pageDown(); }, 20, "Bar=20"},
        ScrollCase{"PageUpByLargeChange", 15, [](TestWindow& w) { w.Bar.pageUp(); }, 8, "Bar=8"},
        ScrollCase{"LineUpAtMinRaisesNothing", 1, [](TestWindow& w) { w.Bar.lineUp(); }, 1, ""},
        ScrollCase{"DownKeyOnFocusedBar", 5, keyOnBar(tk::key::Down), 6, "Bar=6"},
        ScrollCase{"EndKeyOnFocusedBar", 5, keyOnBar(tk::key::End), 20, "Bar=20"},
        ScrollCase{"ChangeHandlerSettingValueRaisesAgain", 5,
                   [](TestWindow& w) {
                       TestWindow::after(w.Bar.Change, [&w] {
                           if (w.Bar.Value() == 9) w.Bar.setValue(7);
                       });
                       w.Bar.setValue(9);
                   },
                   7, "Bar=9,Bar=7"}),
    [](const testing::TestParamInfo<ScrollCase>& info) { return std::string(info.param.name); });

} // namespace
