#include "frame/numbers.h"
#include "reliability/ddmin.h"
#include "reliability/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

// The harness itself must catch faults: each corruption of a started window
// is reported under its invariant, and only then.
namespace reliability {
namespace {

bool reports(const std::vector<Violation>& vs, const std::string& invariant) {
    return std::any_of(vs.begin(), vs.end(), [&](const Violation& v) { return v.invariant == invariant; });
}

struct Corruption {
    const char* name;
    const char* invariant;
    std::function<void(tessomar::Tessomar&)> apply;
};

class CheckerSees : public ::testing::TestWithParam<Corruption> {};

TEST_P(CheckerSees, CorruptionUnderItsInvariant) {
    Session s;
    ASSERT_FALSE(reports(s.checker.checkState(), GetParam().invariant)) << "already broken after start";
    s.checker.beforeAction();
    GetParam().apply(s.w);
    EXPECT_TRUE(reports(s.checker.afterAction(Action{Op::SelectAll}), GetParam().invariant));
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Corruptions, CheckerSees,
    ::testing::Values(
        Corruption{"ScrollMaxPast42", "scroll-range", [](auto& w) { w.Scroll.setMax(43), w.Scroll.setValue(43); }},
        Corruption{"ScrollMinNotOne", "scroll-range", [](auto& w) { w.Scroll.setMin(0), w.Scroll.setValue(0); }},
        Corruption{"GuardSlotFilled", "guard-slots", [](auto& w) { w.fs.BkFreq[51] = 5; }},
        Corruption{"GuardSlotPsd", "guard-slots", [](auto& w) { w.fs.BkPsd[0] = 0.5f; }},
        Corruption{"NegativeFrequency", "table-values", [](auto& w) { w.fs.BkFreq[7] = -3; }},
        Corruption{"NaNPsd", "table-values", [](auto& w) { w.fs.BkPsd[9] = kNaN; }},
        Corruption{"RowShowsStaleFrequency", "rows", [](auto& w) { w.F[3].setText("12.00"); }},
        Corruption{"RowShowsWrongNumber", "rows", [](auto& w) { w.B[2].setText("07"); }},
        Corruption{"RowOutOfStepWithScroll", "rows", [](auto& w) { w.fs.BkPsd[5] = 0.25f; }},
        Corruption{"NegativeVelocity", "stored-values", [](auto& w) { w.fs.SineVel = -1; }},
        Corruption{"NaNSineValue", "stored-values", [](auto& w) { w.fs.SineDisp = kNaN; }},
        Corruption{"NegativeResult", "stored-values", [](auto& w) { w.fs.RandomGrms = -2; }},
        Corruption{"SineValuesOutOfStep", "sine-relations",
                   [](auto& w) {
                       w.fs.SineAccel = 10, w.fs.SineFreq = 100, w.fs.SineVel = 6.2f, w.fs.SineDisp = 0.01955945f;
                   }},
        Corruption{"ShockValuesOutOfStep", "sine-relations",
                   [](auto& w) {
                       w.fs.CalcMode = 3, w.fs.SineAccel = w.fs.SineFreq = 10, w.fs.SineVel = 10.2287f,
                       w.fs.SineDisp = 0.069f;
                   }},
        Corruption{"PsdBeyondItsLimit", "table-values", [](auto& w) { w.fs.BkPsd[4] = -1000.5f; }},
        Corruption{"ModeOutOfRange", "mode-state", [](auto& w) { w.fs.CalcMode = 4; }},
        Corruption{"PendingNotAFlag", "mode-state", [](auto& w) { w.fs.EntryPending = 1; }},
        Corruption{"SameLetterTwice", "mode-state", [](auto& w) { w.fs.LastEntry = w.fs.PriorEntry = "V"; }},
        Corruption{"EditRowPastTable", "mode-state", [](auto& w) { w.fs.EditRow = 9; }},
        Corruption{"FieldShowsNaN", "shown-text", [](auto& w) { w.Displacement.setText("nan"); }},
        Corruption{"FieldShowsEndlessDigits", "shown-text",
                   [](auto& w) { w.Acceleration.setText(std::string(41, '9')); }},
        Corruption{"FieldShowsEnglishInMetric", "shown-values",
                   [](auto& w) { w.fs.EnglishUnits = 0, w.fs.SineVel = 10, w.Velocity.setText("10.0"); }},
        Corruption{"FieldShowsOtherValue", "shown-values", [](auto& w) { w.Frequency.setText("50.00"); }},
        Corruption{"FocusLeftOnCatcher", "focus", [](auto& w) { w.VelTab.GotFocus = nullptr, w.VelTab.SetFocus(); }},
        Corruption{"FocusedFieldHidden", "focus", [](auto& w) { w.Acceleration.Visible = false; }},
        Corruption{"WindowTooShort", "window-height", [](auto& w) { w.Height = 4000; }},
        Corruption{"ShockHelpInShortWindow", "window-height",
                   [](auto& w) { w.fs.CalcMode = 2, w.ShockHelp.Visible = true; }},
        Corruption{"TwoModeButtonsLit", "layout", [](auto& w) { w.RandomButton.BackColor = 0xC0FFC0; }},
        Corruption{"FieldColourOutOfStep", "layout", [](auto& w) { w.fs.LastEntry = "D"; }},
        Corruption{"TableTabStopsInSine", "layout", [](auto& w) { w.F[4].TabStop = true; }},
        Corruption{"UnitButtonsWhereRandomPutsThem", "layout", [](auto& w) { w.HelpBut.Top = 2645; }},
        Corruption{"MetricCaptionInEnglish", "layout", [](auto& w) { w.VelUnits.Caption = "mps pk"; }}),
    [](const auto& info) { return std::string(info.param.name); });

// Break points: which losses a handler is entitled to.
struct Loss {
    const char* name;
    bool reported;
    std::function<void(tessomar::Tessomar&)> apply;
};

class LostPoints : public ::testing::TestWithParam<Loss> {};

TEST_P(LostPoints, OnlyUnexplainedLossesAreReported) {
    Session s;
    for (std::size_t k = 1; k <= 3; ++k) s.w.fs.BkFreq[k] = 10.0f * static_cast<float>(k), s.w.fs.BkPsd[k] = 0.5f;
    s.w.fs.FocusRow = 1;
    // The rows show the entries, so only the loss itself can be reported.
    auto showRows = [&s] {
        for (std::size_t r = 0; r < 9; ++r) {
            s.w.F[r].setText(tessomar::num::format(s.w.fs.BkFreq[r + 1], tessomar::num::Pattern::Fixed2));
            s.w.A[r].setText(tessomar::num::format(s.w.fs.BkPsd[r + 1], tessomar::num::Pattern::Fixed6));
        }
    };
    showRows();
    s.checker.beforeAction();
    GetParam().apply(s.w);
    showRows();
    EXPECT_EQ(reports(s.checker.afterAction(Action{Op::SelectAll}), "break-point-lost"), GetParam().reported);
}

// Takes the point at `freq` out, wherever the sort left it.
void dropPoint(tessomar::Tessomar& w, float freq) {
    for (std::size_t k = 1; k <= 50; ++k)
        if (w.fs.BkFreq[k] == freq) w.fs.BkPsd[k] = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Losses, LostPoints,
    ::testing::Values(Loss{"SilentlyZeroed", true, [](auto& w) { w.fs.BkPsd[2] = 0; }},
                      Loss{"FrequencyOverwrittenBehindTheUsersBack", true, [](auto& w) { w.fs.BkFreq[1] = 11; }},
                      Loss{"SortedElsewhere", false, [](auto& w) { std::swap(w.fs.BkFreq[1], w.fs.BkFreq[3]); }},
                      Loss{"ByClearAll", false,
                           [](auto& w) {
                               w.ClearBut.Click();
                               w.fs.BkFreq.fill(0), w.fs.BkPsd.fill(0);
                           }},
                      Loss{"ByDeleteOfTheFocusRow", false,
                           [](auto& w) {
                               w.DelBut.Click();
                               dropPoint(w, 20);
                           }},
                      Loss{"DeleteTakesAnotherRow", true,
                           [](auto& w) {
                               w.DelBut.Click();
                               dropPoint(w, 30);
                           }},
                      Loss{"OverwrittenByItsOwnCommit", false,
                           [](auto& w) {
                               w.F[1].setText("25");
                               w.F[1].LostFocus();
                               dropPoint(w, 20);
                           }},
                      Loss{"CommitOfUnchangedText", true,
                           [](auto& w) {
                               w.F[1].LostFocus();
                               dropPoint(w, 20);
                           }},
                      Loss{"ResetOfHalfFilledRow", false,
                           [](auto& w) {
                               w.fs.EditRow = 1;
                               w.A[1].setText("0.000000");
                               w.F[4].GotFocus();
                               dropPoint(w, 20);
                           }},
                      Loss{"ResetOfFilledRow", true,
                           [](auto& w) {
                               w.fs.EditRow = 1;
                               w.F[4].GotFocus();
                               dropPoint(w, 20);
                           }}),
    [](const auto& info) { return std::string(info.param.name); });

// Scripts: what is printed for a reproducer reads back as the same actions.
std::vector<Action> sampleActions() {
    Action paste{Op::Paste};
    paste.text = "1e400 \t%:\x01";
    Action click{Op::Click};
    click.target = "F(3)", click.x = 4, click.y = 15, click.caret = 2;
    Action thumb{Op::Scroll, Thumb};
    thumb.x = 17;
    Action drag{Op::Drag};
    drag.x = 1, drag.y = 5;
    return {Action{Op::Type, '5'},
            Action{Op::Type, 13},
            Action{Op::Type, 8},
            Action{Op::Type, ' '},
            Action{Op::Type, '%'},
            Action{Op::Tab, 0, 1},
            Action{Op::Key, 38, 1},
            paste,
            Action{Op::Cut},
            Action{Op::SelectAll},
            drag,
            click,
            thumb,
            Action{Op::Scroll, LineDown},
            Action{Op::AccessKey, 'M'}};
}

TEST(Reproducer, IsCompilableSetUpAndScript) {
    Action enter{Op::Type, 13};
    const std::string code = reproducer({12.0f, 450.0f}, {enter}, {"rows", "F(0) shows \"x\""});
    for (const char* line : {"// rows: F(0) shows \"x\"\n", "w.twipsPerPixelX = 12.0f;\n", "w.frameHeight = 450.0f;\n",
                             "w.load();\nw.activate();\nw.keyPress(13);\n", "// script: \"enter\"\n"})
        EXPECT_NE(code.find(line), std::string::npos) << line << " missing from\n" << code;
}

TEST(Script, ReadsBackAsTheSameActions) {
    const auto actions = sampleActions();
    EXPECT_EQ(parseScript(toScript(actions)), actions);
}

class BadScript : public ::testing::TestWithParam<const char*> {};
TEST_P(BadScript, IsRejected) { EXPECT_THROW(parseScript(GetParam()), std::invalid_argument); }
INSTANTIATE_TEST_SUITE_P(Malformed, BadScript,
                         ::testing::Values("jump", "click:F(1)", "scroll:sideways:1", "c%4", "alt:AB", "c"));

struct CodeCase {
    Action action;
    const char* code;
};
class Code : public ::testing::TestWithParam<CodeCase> {};
TEST_P(Code, PrintsWhatAUserDid) { EXPECT_EQ(toCode(GetParam().action), GetParam().code); }
INSTANTIATE_TEST_SUITE_P(Reproducers, Code,
                         ::testing::Values(CodeCase{Action{Op::Type, '\''}, "w.keyPress('\\'');"},
                                           CodeCase{Action{Op::Type, 13}, "w.keyPress(13);"},
                                           CodeCase{Action{Op::Key, 40, 0}, "w.keyDown(tk::key::Down, 0);"},
                                           CodeCase{[] {
                                                        Action a{Op::Click};
                                                        a.target = "A(8)", a.caret = 3;
                                                        return a;
                                                    }(),
                                                    "w.clickText(w.A[8], 3);"},
                                           CodeCase{[] {
                                                        Action a{Op::Click};
                                                        a.target = "DelBut";
                                                        return a;
                                                    }(),
                                                    "w.click(w.DelBut);"},
                                           CodeCase{[] {
                                                        Action a{Op::Paste};
                                                        a.text = "a\"b\x01"
                                                                 "c";
                                                        return a;
                                                    }(),
                                                    "w.paste(\"a\\\"b\\x01\"\"c\");"}));

// Clicks land only where a user could click.
struct Hit {
    const char* name;
    const char* target;
    int x, y;
    bool performed;
};
class Clicks : public ::testing::TestWithParam<Hit> {};
TEST_P(Clicks, LandOnlyOnWhatIsOnTop) {
    Session s;
    Action a{Op::Click};
    a.target = GetParam().target, a.x = GetParam().x, a.y = GetParam().y;
    bool performed = false;
    s.step(a, &performed);
    EXPECT_EQ(performed, GetParam().performed);
}
INSTANTIATE_TEST_SUITE_P(SineScreen, Clicks,
                         ::testing::Values(Hit{"VisibleField", "Velocity", 8, 8, true},
                                           Hit{"CatcherBehindField", "VelTab", 8, 8, false},
                                           Hit{"BounceBehindField", "FreqBounce", 8, 8, false},
                                           Hit{"HiddenTableButton", "DelBut", 8, 8, false},
                                           Hit{"RowBelowTheWindowEdge", "F(0)", 8, 8, false},
                                           Hit{"ModeButton", "ShockButton", 2, 13, true},
                                           Hit{"UnknownName", "Nowhere", 8, 8, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FocusInSight, ReportsTheFocusUnderAHelpPanelOnlyWhenAsked) {
    for (bool strict : {false, true}) {
        Session s;
        s.checker.focusInSight = strict;
        s.w.click(s.w.HelpBut);
        s.checker.beforeAction();
        s.w.Acceleration.SetFocus(); // beneath the Sine help
        EXPECT_EQ(reports(s.checker.afterAction(Action{Op::SelectAll}), "focus-in-sight"), strict);
    }
}

TEST(Clicks, HelpPanelCoversTheButtonsBeneath) {
    Session s;
    s.w.click(s.w.HelpBut);
    ASSERT_TRUE(s.w.SineHelp.Visible);
    EXPECT_EQ(hitTest(s.w, s.w.MetricBut.Left + 10, s.w.MetricBut.Top + 10), &s.w.SineHelp);
    EXPECT_EQ(hitTest(s.w, 100, s.w.clientHeight() + 1), nullptr);
}

// Sources: the same seed or bytes give the same actions; picks stay in range.
TEST(Sources, SameSeedSameActions) {
    for (std::uint64_t seed : {1u, 77u, 4096u}) {
        Session a, b;
        PrngSource sa(seed), sb(seed);
        for (int i = 0; i < 200; ++i) {
            const auto burst = nextBurst(sa, a.w);
            ASSERT_EQ(burst, nextBurst(sb, b.w)) << "seed " << seed << " burst " << i;
            for (const Action& act : burst) a.step(act), b.step(act);
        }
    }
}

struct PickCase {
    std::vector<std::uint8_t> bytes;
    std::uint32_t n;
    std::vector<std::uint32_t> picks;
};
class BytePicks : public ::testing::TestWithParam<PickCase> {};
TEST_P(BytePicks, ReadTheStreamInOrder) {
    const auto& c = GetParam();
    ByteSource src(c.bytes.data(), c.bytes.size());
    std::vector<std::uint32_t> got;
    for (std::size_t i = 0; i < c.picks.size(); ++i) got.push_back(src.pick(c.n));
    EXPECT_EQ(got, c.picks);
    EXPECT_TRUE(src.exhausted());
}
INSTANTIATE_TEST_SUITE_P(Bytes, BytePicks,
                         ::testing::Values(PickCase{{7, 255, 10}, 10, {7, 5, 0}}, PickCase{{1, 2}, 1000, {258}},
                                           PickCase{{}, 5, {0}}, PickCase{{200}, 256, {200}}));

// Delta debugging keeps exactly what the failure needs.
struct DdCase {
    const char* name;
    std::vector<int> input;
    std::function<bool(const std::vector<int>&)> fails;
    std::vector<int> expected;
};
class Ddmin : public ::testing::TestWithParam<DdCase> {};
TEST_P(Ddmin, ShrinksToTheCulprits) {
    const auto& c = GetParam();
    auto fails = [&](const std::vector<int>& v) -> std::optional<std::vector<int>> {
        return c.fails(v) ? std::optional<std::vector<int>>(v) : std::nullopt;
    };
    EXPECT_EQ(ddmin(c.input, fails), c.expected);
}
bool inOrder(const std::vector<int>& v, int a, int b) {
    auto i = std::find(v.begin(), v.end(), a);
    return i != v.end() && std::find(i, v.end(), b) != v.end();
}
INSTANTIATE_TEST_SUITE_P(
    Synthetic, Ddmin,
    ::testing::Values(
        DdCase{"OneCulprit", {1, 2, 3, 4, 5, 6, 7, 8, 9}, [](auto& v) { return inOrder(v, 6, 6); }, {6}},
        DdCase{"PairInOrder", {9, 3, 8, 1, 7, 2, 6, 5, 4, 3, 0}, [](auto& v) { return inOrder(v, 3, 7); }, {3, 7}},
        DdCase{"CountOfThree",
               {5, 1, 5, 2, 5, 3, 5},
               [](auto& v) { return std::count(v.begin(), v.end(), 5) >= 3; },
               {5, 5, 5}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace reliability
