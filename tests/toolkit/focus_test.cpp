// Focus moves, tab order, clicks and access keys of the headless window.
#include "toolkit/test_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using tktest::TestWindow;
using Step = std::function<void(TestWindow&)>;

// Runs `extra` from the event only the first time it is raised.
void once(std::function<void()>& event, std::function<void()> extra) {
    auto done = std::make_shared<bool>(false);
    TestWindow::after(event, [done, extra] {
        if (*done) return;
        *done = true;
        extra();
    });
}

struct FocusCase {
    const char* name;
    Step arrange;    // handlers and properties, before One takes the focus
    Step act;        // the move under test
    const char* log; // every event in order; nullptr: not fixed by the rule
    const char* holder;
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }

class FocusMove : public testing::TestWithParam<FocusCase> {};

TEST_P(FocusMove, RaisesEventsInOrderAndEndsWithTheRightHolder) {
    const FocusCase& c = GetParam();
    TestWindow w;
    c.arrange(w);
    w.One.SetFocus();
    c.act(w);
    if (c.log) {
        EXPECT_EQ(w.joined(), c.log);
    }
    ASSERT_NE(w.focused(), nullptr);
    if (c.holder) {
        EXPECT_EQ(w.focused()->name(), c.holder);
    }
    EXPECT_TRUE(w.focusEventsAlternate()) << w.joined();
    EXPECT_LT(w.log.size(), c.log ? 64u : 4096u) << "focus moves must stay bounded";
}

const Step none = [](TestWindow&) {};

INSTANTIATE_TEST_SUITE_P(
    Window, FocusMove,
    testing::Values(
        FocusCase{"PlainMoveLosesThenGains", none, [](TestWindow& w) { w.Two.SetFocus(); }, "One+,One-,Two+", "Two"},
        FocusCase{"TabMovesLikeCode", none, [](TestWindow& w) { w.pressTab(false); }, "One+,One-,Two+", "Two"},
        FocusCase{"MoveInsideLostFocusRunsThenMoveUnderWayWins",
                  [](TestWindow& w) { TestWindow::after(w.One.LostFocus, [&w] { w.Three.SetFocus(); }); },
                  [](TestWindow& w) { w.pressTab(false); }, "One+,One-,Three+,Three-,Two+", "Two"},
        FocusCase{"ClickWinsOverMoveInsideLostFocus",
                  [](TestWindow& w) { TestWindow::after(w.One.LostFocus, [&w] { w.Three.SetFocus(); }); },
                  [](TestWindow& w) { w.click(w.Ok); }, "One+,One-,Three+,Three-,Ok+,Ok!", "Ok"},
        FocusCase{"LostFocusSendingFocusBackLosesItAgain",
                  [](TestWindow& w) { once(w.One.LostFocus, [&w] { w.One.SetFocus(); }); },
                  [](TestWindow& w) { w.Two.SetFocus(); }, "One+,One-,One+,One-,Two+", "Two"},
        FocusCase{"GotFocusMayRedirect",
                  [](TestWindow& w) { TestWindow::after(w.Two.GotFocus, [&w] { w.Three.SetFocus(); }); },
                  [](TestWindow& w) { w.Two.SetFocus(); }, "One+,One-,Two+,Two-,Three+", "Three"},
        FocusCase{"TargetWaitingForGotFocusIsNotToldItLost",
                  [](TestWindow& w) {
                      once(w.One.LostFocus, [&w] { w.Ok.SetFocus(); });
                      TestWindow::after(w.Two.GotFocus, [&w] { w.Three.SetFocus(); });
                  },
                  [](TestWindow& w) { w.Two.SetFocus(); }, "One+,One-,Ok+,Ok-,Two+,Two-,Three+", "Three"},
        FocusCase{"EndlessTugOfWarEnds",
                  [](TestWindow& w) { TestWindow::after(w.One.LostFocus, [&w] { w.One.SetFocus(); }); },
                  [](TestWindow& w) { w.Two.SetFocus(); }, nullptr, "One"},
        FocusCase{"GotFocusPingPongEnds",
                  [](TestWindow& w) {
                      TestWindow::after(w.Two.GotFocus, [&w] { w.Three.SetFocus(); });
                      TestWindow::after(w.Three.GotFocus, [&w] { w.Two.SetFocus(); });
                  },
                  [](TestWindow& w) { w.Two.SetFocus(); }, nullptr, nullptr},
        FocusCase{"LostFocusAndGotFocusTugOfWarEnds",
                  [](TestWindow& w) {
                      TestWindow::after(w.One.LostFocus, [&w] { w.Three.SetFocus(); });
                      TestWindow::after(w.Three.LostFocus, [&w] { w.One.SetFocus(); });
                      TestWindow::after(w.Two.GotFocus, [&w] { w.One.SetFocus(); });
                      TestWindow::after(w.One.GotFocus, [&w] { w.Two.SetFocus(); });
                  },
                  [](TestWindow& w) { w.pressTab(false); }, nullptr, nullptr},
        FocusCase{"LostFocusHidingTheTargetEndsTheMove",
                  [](TestWindow& w) {
                      TestWindow::after(w.One.LostFocus, [&w] {
                          w.Two.Visible = false;
                          w.Three.SetFocus();
                      });
                  },
                  [](TestWindow& w) { w.Two.SetFocus(); }, "One+,One-,Three+", "Three"},
        FocusCase{"HiddenControlNeverTakesFocus", [](TestWindow& w) { w.Two.Visible = false; },
                  [](TestWindow& w) { w.Two.SetFocus(); }, "One+", "One"},
        FocusCase{"ControlAtClientBottomCannotTakeFocus", [](TestWindow& w) { w.Two.Top = 3000; },
                  [](TestWindow& w) { w.Two.SetFocus(); }, "One+", "One"},
        FocusCase{"ControlJustAboveClientBottomTakesFocus", [](TestWindow& w) { w.Two.Top = 2999; },
                  [](TestWindow& w) { w.Two.SetFocus(); }, "One+,One-,Two+", "Two"},
        FocusCase{"ShorterWindowPutsControlBelowBottom", [](TestWindow& w) { w.Height = 1200; },
                  [](TestWindow& w) { w.Three.SetFocus(); }, "One+", "One"},
        FocusCase{"LabelNeverTakesFocus", none, [](TestWindow& w) { w.Note.SetFocus(); }, "One+", "One"},
        FocusCase{"ScrollBarTakesFocus", none, [](TestWindow& w) { w.Bar.SetFocus(); }, "One+,One-,Bar+", "Bar"},
        FocusCase{"SetFocusOnHolderRaisesNothing", none, [](TestWindow& w) { w.One.SetFocus(); }, "One+", "One"},
        FocusCase{"ClickFocusesThenClicks", none, [](TestWindow& w) { w.click(w.Ok); }, "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"ClickOnButtonWithoutTabStopStillFocuses", [](TestWindow& w) { w.Ok.TabStop = false; },
                  [](TestWindow& w) { w.click(w.Ok); }, "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"ClickOnHiddenButtonDoesNothing", [](TestWindow& w) { w.Ok.Visible = false; },
                  [](TestWindow& w) { w.click(w.Ok); }, "One+", "One"},
        FocusCase{"EnterOnFocusedButtonClicksIt", none,
                  [](TestWindow& w) {
                      w.Ok.SetFocus();
                      w.keyPress(13);
                  },
                  "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"SpaceOnFocusedButtonClicksIt", none,
                  [](TestWindow& w) {
                      w.Ok.SetFocus();
                      w.keyPress(' ');
                  },
                  "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"LetterOnFocusedButtonDoesNotClick", none,
                  [](TestWindow& w) {
                      w.Ok.SetFocus();
                      w.keyPress('o');
                  },
                  "One+,One-,Ok+", "Ok"},
        FocusCase{"AccessKeyOfSingleOwnerClicks", none, [](TestWindow& w) { w.pressAccessKey('c'); },
                  "One+,One-,Cancel+,Cancel!", "Cancel"},
        FocusCase{"SharedAccessKeyOnlyFocusesTheFirstOwner", [](TestWindow& w) { w.Cancel.Caption = "&Off"; },
                  [](TestWindow& w) { w.pressAccessKey('O'); }, "One+,One-,Ok+", "Ok"},
        FocusCase{"SharedAccessKeyCyclesAndWraps", [](TestWindow& w) { w.Cancel.Caption = "&Off"; },
                  [](TestWindow& w) {
                      for (int i = 0; i < 3; ++i) w.pressAccessKey('o');
                  },
                  "One+,One-,Ok+,Ok-,Cancel+,Cancel-,Ok+", "Ok"},
        FocusCase{"SharedAccessKeyWithOneOwnerHiddenClicksTheOther",
                  [](TestWindow& w) {
                      w.Cancel.Caption = "&Off";
                      w.Ok.Visible = false;
                  },
                  [](TestWindow& w) { w.pressAccessKey('o'); }, "One+,One-,Cancel+,Cancel!", "Cancel"},
        FocusCase{"UnknownAccessKeyDoesNothing", none, [](TestWindow& w) { EXPECT_FALSE(w.pressAccessKey('z')); },
                  "One+", "One"}),
    [](const testing::TestParamInfo<FocusCase>& info) { return std::string(info.param.name); });

struct TabCase {
    const char* name;
    Step arrange;
    const char* start; // nullptr: nothing has the focus yet
    bool shift;
    const char* expected;
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }

class TabOrder : public testing::TestWithParam<TabCase> {};

// Turns the label into a panel in front of everything, over the given rectangle.
void coverWithPanel(TestWindow& w, float left, float top, float width, float height) {
    w.Note.Left = left, w.Note.Top = top, w.Note.Width = width, w.Note.Height = height;
    w.Note.zOrder = -1;
    w.Note.coversBeneath = true;
}

TEST_P(TabOrder, MovesToTheNextStopByTabIndex) {
    const TabCase& c = GetParam();
    TestWindow w;
    c.arrange(w);
    if (c.start) w.find(c.start)->SetFocus();
    w.pressTab(c.shift);
    ASSERT_NE(w.focused(), nullptr);
    EXPECT_EQ(w.focused()->name(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Window, TabOrder,
    testing::Values(
        TabCase{"ForwardToNextIndex", none, "One", false, "Two"},
        TabCase{"BackwardToPreviousIndex", none, "Three", true, "Two"},
        TabCase{"ForwardWrapsFromLastToFirst", none, "Bar", false, "One"},
        TabCase{"BackwardWrapsFromFirstToLast", none, "One", true, "Bar"},
        TabCase{"SkipsHidden", [](TestWindow& w) { w.Two.Visible = false; }, "One", false, "Three"},
        TabCase{"SkipsNonTabStop", [](TestWindow& w) { w.Two.TabStop = false; }, "Three", true, "One"},
        TabCase{"SkipsBelowClientBottom", [](TestWindow& w) { w.Three.Top = 3100; }, "Two", false, "Ok"},
        TabCase{"SkipsLabels", [](TestWindow& w) { w.Note.TabIndex = 1, w.Two.TabIndex = 7; }, "One", false, "Three"},
        TabCase{"FollowsIndexNotCreationOrder", [](TestWindow& w) { w.Bar.TabIndex = 1, w.Two.TabIndex = 5; }, "One",
                false, "Bar"},
        TabCase{"WrapSkipsHiddenFirst", [](TestWindow& w) { w.One.Visible = false; }, "Bar", false, "Two"},
        TabCase{"FromNonTabStopHolderGoesOnByItsIndex", [](TestWindow& w) { w.Ok.TabStop = false; }, "Ok", false,
                "Cancel"},
        TabCase{"SkipsWhatAShownPanelCovers", [](TestWindow& w) { coverWithPanel(w, 0, 400, 1200, 500); }, "One", false,
                "Three"},
        TabCase{"HiddenPanelCoversNothing",
                [](TestWindow& w) { coverWithPanel(w, 0, 400, 1200, 500), w.Note.Visible = false; }, "One", false,
                "Two"},
        TabCase{"PanelBehindCoversNothing",
                [](TestWindow& w) { coverWithPanel(w, 0, 400, 1200, 500), w.Note.zOrder = 9; }, "One", false, "Two"},
        TabCase{"PartlyCoveredIsStillReached", [](TestWindow& w) { coverWithPanel(w, 0, 400, 600, 500); }, "One", false,
                "Two"},
        TabCase{"WithoutHolderForwardTakesFirst", none, nullptr, false, "One"},
        TabCase{"WithoutHolderBackwardTakesLast", none, nullptr, true, "Bar"}),
    [](const testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

struct ActivateCase {
    const char* name;
    Step arrange;
    int activations;
    const char* holder;
};

void PrintTo(const ActivateCase& c, std::ostream* os) { *os << c.name; }

class Activation : public testing::TestWithParam<ActivateCase> {};

TEST_P(Activation, RunsOnceThenFocusesFirstTabStop) {
    const ActivateCase& c = GetParam();
    TestWindow w;
    int runs = 0;
    bool focusedDuringActivate = true;
    w.Activate = [&] {
        ++runs;
        focusedDuringActivate = w.focused() != nullptr;
    };
    c.arrange(w);
    for (int i = 0; i < c.activations; ++i) w.activate();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(focusedDuringActivate) << "the first focus comes after Activate returns";
    ASSERT_NE(w.focused(), nullptr);
    EXPECT_EQ(w.focused()->name(), c.holder);
}

INSTANTIATE_TEST_SUITE_P(
    Window, Activation,
    testing::Values(ActivateCase{"FirstStopIsLowestIndex", none, 1, "One"},
                    ActivateCase{"SecondActivationDoesNothing", none, 3, "One"},
                    ActivateCase{"HiddenFirstStopIsPassedOver", [](TestWindow& w) { w.One.Visible = false; }, 1, "Two"},
                    ActivateCase{"NonTabStopIsPassedOver", [](TestWindow& w) { w.One.TabStop = false; }, 1, "Two"}),
    [](const testing::TestParamInfo<ActivateCase>& info) { return std::string(info.param.name); });

TEST(Window, ClickIntoTextFocusesThenPlacesCaretAfterGotFocus) {
    TestWindow w;
    w.Two.setText("12345");
    // A GotFocus that selects everything, as the entry fields do; the click's
    // caret lands afterwards.
    TestWindow::after(w.Two.GotFocus, [&w] {
        w.Two.setSelStart(0);
        w.Two.setSelLength(5);
    });
    w.One.SetFocus();
    w.clickText(w.Two, 3);
    EXPECT_EQ(w.joined(), "One+,One-,Two+");
    EXPECT_EQ(w.Two.SelStart(), 3);
    EXPECT_EQ(w.Two.SelLength(), 0);
}

struct AccessKeyCase {
    const char* caption;
    char key;
};

class AccessKey : public testing::TestWithParam<AccessKeyCase> {};

TEST_P(AccessKey, IsTheUpperCasedLetterAfterTheAmpersand) {
    TestWindow w;
    w.Ok.Caption = GetParam().caption;
    EXPECT_EQ(w.Ok.accessKey(), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Control, AccessKey,
                         testing::Values(AccessKeyCase{"&Sine", 'S'}, AccessKeyCase{"S&hock", 'H'},
                                         AccessKeyCase{"Fish && Chips", 0}, AccessKeyCase{"A&&B &x", 'X'},
                                         AccessKeyCase{"plain", 0}, AccessKeyCase{"trailing&", 0},
                                         AccessKeyCase{"", 0}));

} // namespace

TEST(AccessKey, ShortcutKeyServesAButtonWhoseCaptionMarksNoneAndPanelsHideButtons) {
    TestWindow w;
    w.Ok.Caption = "Plain";
    w.Ok.shortcutKey = 'p';
    EXPECT_TRUE(w.pressAccessKey('P'));
    EXPECT_EQ(w.joined(), "Ok+,Ok!");
    coverWithPanel(w, 0, 1200, 3000, 1000); // over Ok and Cancel
    EXPECT_FALSE(w.pressAccessKey('c'));
    EXPECT_FALSE(w.pressAccessKey('p'));
    EXPECT_EQ(w.joined(), "Ok+,Ok!");
}
