// Focus moves, tab order, clicks and access keys of the headless window.
#include "toolkit/test_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

using tktest::TestWindow;
using Step = std::function<void(TestWindow&)>;

const Step none = [](TestWindow&) {};
const auto focus = [](const char* who) -> Step { return [who](TestWindow& w) { w.find(who)->SetFocus(); }; };
const auto clickOn = [](const char* who) -> Step { return [who](TestWindow& w) { w.click(*w.find(who)); }; };
const auto okThenKey = [](int k) -> Step { return [k](TestWindow& w) { w.Ok.SetFocus(), w.keyPress(k); }; };
const auto hide = [](const char* who) -> Step { return [who](TestWindow& w) { w.find(who)->Visible = false; }; };
const auto noTabStop = [](const char* who) -> Step { return [who](TestWindow& w) { w.find(who)->TabStop = false; }; };
const Step tab = [](TestWindow& w) { w.pressTab(false); };
// When `who` loses (or gains) the focus, the handler moves it on to `to`; with
// `once`, only the first time.
Step onLost(const char* who, const char* to, bool once = false, bool gained = false) {
    return [=](TestWindow& w) {
        tk::Control* c = w.find(who);
        auto done = std::make_shared<bool>(false);
        TestWindow::after(gained ? c->GotFocus : c->LostFocus, [&w, to, once, done] {
            if (once && *done) return;
            *done = true;
            w.find(to)->SetFocus();
        });
    };
}
Step onGot(const char* who, const char* to) { return onLost(who, to, false, true); }
Step all(std::vector<Step> steps) {
    return [steps](TestWindow& w) {
        for (const Step& s : steps) s(w);
    };
}

struct FocusCase {
    const char* name;
    Step arrange;    // handlers and properties, before One takes the focus
    Step act;        // the move under test
    const char* log; // every event in order; nullptr: not fixed by the rule
    const char* holder;
};

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

INSTANTIATE_TEST_SUITE_P(
    Window, FocusMove,
    testing::Values(
        FocusCase{"PlainMoveLosesThenGains", none, focus("Two"), "One+,One-,Two+", "Two"},
        FocusCase{"MoveInsideLostFocusRunsThenMoveUnderWayWins", onLost("One", "Three"), tab,
                  "One+,One-,Three+,Three-,Two+", "Two"},
        FocusCase{"ClickWinsOverMoveInsideLostFocus", onLost("One", "Three"), clickOn("Ok"),
                  "One+,One-,Three+,Three-,Ok+,Ok!", "Ok"},
        FocusCase{"LostFocusSendingFocusBackLosesItAgain", onLost("One", "One", true), focus("Two"),
                  "One+,One-,One+,One-,Two+", "Two"},
        FocusCase{"GotFocusMayRedirect", onGot("Two", "Three"), focus("Two"), "One+,One-,Two+,Two-,Three+", "Three"},
        FocusCase{"TargetWaitingForGotFocusIsNotToldItLost", all({onLost("One", "Ok", true), onGot("Two", "Three")}),
                  focus("Two"), "One+,One-,Ok+,Ok-,Two+,Two-,Three+", "Three"},
        FocusCase{"EndlessTugOfWarEnds", onLost("One", "One"), focus("Two"), nullptr, "One"},
        FocusCase{"GotFocusPingPongEnds", all({onGot("Two", "Three"), onGot("Three", "Two")}), focus("Two"), nullptr,
                  nullptr},
        FocusCase{"LostFocusAndGotFocusTugOfWarEnds",
                  all({onLost("One", "Three"), onLost("Three", "One"), onGot("Two", "One"), onGot("One", "Two")}), tab,
                  nullptr, nullptr},
        FocusCase{"LostFocusHidingTheTargetEndsTheMove",
                  all({[](TestWindow& w) { TestWindow::after(w.One.LostFocus, [&w] { w.Two.Visible = false; }); },
                       onLost("One", "Three")}),
                  focus("Two"), "One+,One-,Three+", "Three"},
        FocusCase{"HiddenControlNeverTakesFocus", hide("Two"), focus("Two"), "One+", "One"},
        FocusCase{"ControlAtClientBottomCannotTakeFocus", [](TestWindow& w) { w.Two.Top = 3000; }, focus("Two"), "One+",
                  "One"},
        FocusCase{"ControlJustAboveClientBottomTakesFocus", [](TestWindow& w) { w.Two.Top = 2999; }, focus("Two"),
                  "One+,One-,Two+", "Two"},
        FocusCase{"ShorterWindowPutsControlBelowBottom", [](TestWindow& w) { w.Height = 1200; }, focus("Three"), "One+",
                  "One"},
        FocusCase{"LabelNeverTakesFocus", none, focus("Note"), "One+", "One"},
        FocusCase{"SetFocusOnHolderRaisesNothing", none, focus("One"), "One+", "One"},
        FocusCase{"ClickFocusesThenClicks", none, clickOn("Ok"), "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"ClickOnButtonWithoutTabStopStillFocuses", noTabStop("Ok"), clickOn("Ok"), "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"ClickOnHiddenButtonDoesNothing", hide("Ok"), clickOn("Ok"), "One+", "One"},
        FocusCase{"EnterOnFocusedButtonClicksIt", none, okThenKey(13), "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"SpaceOnFocusedButtonClicksIt", none, okThenKey(' '), "One+,One-,Ok+,Ok!", "Ok"},
        FocusCase{"LetterOnFocusedButtonDoesNotClick", none, okThenKey('o'), "One+,One-,Ok+", "Ok"},
        FocusCase{"AccessKeyOfSingleOwnerClicks", none, [](TestWindow& w) { w.pressAccessKey('c'); },
                  "One+,One-,Cancel+,Cancel!", "Cancel"},
        FocusCase{"SharedAccessKeyOnlyFocusesCyclesAndWraps", [](TestWindow& w) { w.Cancel.Caption = "&Off"; },
                  [](TestWindow& w) {
                      for (char k : {'O', 'o', 'o'}) w.pressAccessKey(k);
                  },
                  "One+,One-,Ok+,Ok-,Cancel+,Cancel-,Ok+", "Ok"},
        FocusCase{"SharedAccessKeyWithOneOwnerHiddenClicksTheOther",
                  [](TestWindow& w) { w.Cancel.Caption = "&Off", w.Ok.Visible = false; },
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
        TabCase{"SkipsHidden", hide("Two"), "One", false, "Three"},
        TabCase{"SkipsNonTabStop", noTabStop("Two"), "Three", true, "One"},
        TabCase{"SkipsBelowClientBottom", [](TestWindow& w) { w.Three.Top = 3100; }, "Two", false, "Ok"},
        TabCase{"SkipsLabels", [](TestWindow& w) { w.Note.TabIndex = 1, w.Two.TabIndex = 7; }, "One", false, "Three"},
        TabCase{"FollowsIndexNotCreationOrder", [](TestWindow& w) { w.Bar.TabIndex = 1, w.Two.TabIndex = 5; }, "One",
                false, "Bar"},
        TabCase{"WrapSkipsHiddenFirst", hide("One"), "Bar", false, "Two"},
        TabCase{"FromNonTabStopHolderGoesOnByItsIndex", noTabStop("Ok"), "Ok", false, "Cancel"},
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

// Activate runs once, and the first tab stop by index (shown, a tab stop) takes
// the focus only after it returns.
TEST(Window, ActivationRunsOnceThenFocusesFirstTabStop) {
    const std::pair<Step, const char*> cases[] = {{none, "One"}, {hide("One"), "Two"}, {noTabStop("One"), "Two"}};
    for (const auto& [arrange, holder] : cases) {
        TestWindow w;
        int runs = 0;
        w.Activate = [&] { runs += w.focused() ? 100 : 1; };
        arrange(w);
        for (int i = 0; i < 3; ++i) w.activate();
        EXPECT_EQ(runs, 1) << "once, and before any control has the focus";
        ASSERT_NE(w.focused(), nullptr);
        EXPECT_EQ(w.focused()->name(), holder);
    }
}

TEST(Window, ClickIntoTextFocusesThenPlacesCaretAfterGotFocus) {
    TestWindow w;
    w.Two.setText("12345");
    // A GotFocus that selects everything, as the entry fields do; the click's
    // caret lands afterwards.
    TestWindow::after(w.Two.GotFocus, [&w] { w.Two.setSelStart(0), w.Two.setSelLength(5); });
    w.One.SetFocus();
    w.clickText(w.Two, 3);
    EXPECT_EQ(w.joined(), "One+,One-,Two+");
    EXPECT_EQ(w.Two.SelStart(), 3);
    EXPECT_EQ(w.Two.SelLength(), 0);
}

TEST(Control, AccessKeyIsTheUpperCasedLetterAfterTheAmpersand) {
    const std::pair<const char*, char> cases[] = {{"&Sine", 'S'},   {"S&hock", 'H'}, {"Fish && Chips", 0},
                                                  {"A&&B &x", 'X'}, {"plain", 0},    {"trailing&", 0},
                                                  {"", 0}};
    TestWindow w;
    for (const auto& [caption, key] : cases) {
        w.Ok.Caption = caption;
        EXPECT_EQ(w.Ok.accessKey(), key) << caption;
    }
}

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
