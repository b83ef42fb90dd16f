// Keys and editing in a text box: KeyPress with its swallowable code, KeyDown
// for the other keys, the clipboard, and the selection's clamping rules.
#include "toolkit/test_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using tktest::TestWindow;
namespace key = tk::key;
using Act = std::function<std::string(TestWindow&)>;
using Handler = std::function<void(TestWindow&, int&)>;

// The focused box `One` before the edit: its text, selection (anchor, caret)
// and options.
struct Box {
    const char* text;
    int anchor, caret;
    bool locked = false;
    bool multiLine = false;
};

struct EditCase {
    const char* name;
    Box box;
    Act act;
    Handler handler; // run by both KeyPress and KeyDown; empty: none
    // What the act returned, then the events raised: "P" KeyPress, "D<shift>" KeyDown, focus moves.
    const char* seen;
    const char* text;
    int selStart, selLength;
};

class Edit : public testing::TestWithParam<EditCase> {};

TEST_P(Edit, RaisesItsEventThenEditsUnlessCancelled) {
    const EditCase& c = GetParam();
    TestWindow w;
    w.One.setText(c.box.text);
    w.One.Locked = c.box.locked;
    w.One.MultiLine = c.box.multiLine;
    w.One.SetFocus();
    w.One.select(c.box.anchor, c.box.caret);
    w.log.clear();
    w.One.KeyPress = [&](int& k) {
        w.log.push_back("P");
        if (c.handler) c.handler(w, k);
    };
    w.One.KeyDown = [&](int& k, int shift) {
        w.log.push_back("D" + std::to_string(shift));
        if (c.handler) c.handler(w, k);
    };
    const std::string returned = c.act(w);
    EXPECT_EQ(returned + w.joined(), c.seen);
    EXPECT_EQ(w.One.Text(), c.text);
    EXPECT_EQ(w.One.SelStart(), c.selStart);
    EXPECT_EQ(w.One.SelLength(), c.selLength);
    EXPECT_EQ(w.One.selectedText(), std::string(c.text).substr(c.selStart, c.selLength));
}

const auto chr = [](int k) -> Act { return [k](TestWindow& w) { return w.keyPress(k), std::string(); }; };
const auto down = [](int k, int shift = 0) -> Act {
    return [=](TestWindow& w) { return w.keyDown(k, shift), std::string(); };
};
const auto paste = [](std::string s) -> Act { return [s](TestWindow& w) { return w.paste(s), std::string(); }; };
const Act cut = [](TestWindow& w) { return w.cut(); };
const Act copy = [](TestWindow& w) { return w.copy(); };
const Act selectAll = [](TestWindow& w) { return w.selectAll(), std::string(); };
const auto writeText = [](const char* t) -> Act {
    return [t](TestWindow& w) { return w.One.setText(t), std::string(); };
};
const auto writeStart = [](int n) -> Act { return [n](TestWindow& w) { return w.One.setSelStart(n), std::string(); }; };
const auto writeLength = [](int n) -> Act {
    return [n](TestWindow& w) { return w.One.setSelLength(n), std::string(); };
};
const auto drag = [](int a, int c) -> Act { return [=](TestWindow& w) { return w.One.select(a, c), std::string(); }; };
constexpr int S = key::ShiftMask;
const Handler swallow = [](TestWindow&, int& k) { k = 0; };
const Handler upper = [](TestWindow&, int& k) { k = (k >= 'a' && k <= 'z') ? k - 32 : k; };
const Handler leave = [](TestWindow& w, int&) { w.Two.SetFocus(); };

INSTANTIATE_TEST_SUITE_P(
    TextBox, Edit,
    testing::Values(
        // KeyPress: raised for every character key, locked or not.
        EditCase{"PrintableInsertsAtCaret", {"abc", 1, 1}, chr('x'), {}, "P", "axbc", 2, 0},
        EditCase{"PrintableReplacesSelection", {"0.00", 0, 4}, chr('5'), {}, "P", "5", 1, 0},
        EditCase{"SpaceIsPrintable", {"ab", 2, 2}, chr(' '), {}, "P", "ab ", 3, 0},
        EditCase{"TildeIsPrintable", {"", 0, 0}, chr('~'), {}, "P", "~", 1, 0},
        EditCase{"BackspaceDeletesBeforeCaret", {"abc", 3, 3}, chr(8), {}, "P", "ab", 2, 0},
        EditCase{"BackspaceAtStartDoesNothing", {"abc", 0, 0}, chr(8), {}, "P", "abc", 0, 0},
        EditCase{"BackspaceDeletesSelectionOnly", {"abcd", 3, 1}, chr(8), {}, "P", "ad", 1, 0},
        EditCase{"EnterInSingleLineBoxAddsNothing", {"abc", 3, 3}, chr(13), {}, "P", "abc", 3, 0},
        EditCase{"EnterInMultiLineBoxBreaksTheLine", {"abc", 1, 1, false, true}, chr(13), {}, "P", "a\r\nbc", 3, 0},
        EditCase{"LockedIgnoresPrintable", {"abc", 1, 1, true}, chr('x'), {}, "P", "abc", 1, 0},
        EditCase{"LockedIgnoresEnter", {"abc", 3, 3, true, true}, chr(13), {}, "P", "abc", 3, 0},
        EditCase{"SwallowedBackspaceIsNotApplied", {"abc", 3, 3}, chr(8), swallow, "P", "abc", 3, 0},
        EditCase{"HandlerMayChangeTheChar", {"ab", 2, 2}, chr('c'), upper, "P", "abC", 3, 0},
        EditCase{"OtherControlCharsAreIgnored", {"abc", 3, 3}, chr(1), {}, "P", "abc", 3, 0},
        EditCase{"DelCharIsIgnored", {"abc", 3, 3}, chr(127), {}, "P", "abc", 3, 0},
        EditCase{"NonAsciiCodeIsIgnored", {"abc", 3, 3}, chr(233), {}, "P", "abc", 3, 0},
        // KeyDown: raised with the shift state for the other keys, never KeyPress.
        EditCase{"LeftMovesCaret", {"hello", 2, 2}, down(key::Left), {}, "D0", "hello", 1, 0},
        EditCase{"LeftStopsAtStart", {"hello", 0, 0}, down(key::Left), {}, "D0", "hello", 0, 0},
        EditCase{"RightStopsAtEnd", {"hello", 5, 5}, down(key::Right), {}, "D0", "hello", 5, 0},
        EditCase{"HomeGoesToStart", {"hello", 3, 3}, down(key::Home), {}, "D0", "hello", 0, 0},
        EditCase{"EndGoesToEnd", {"hello", 1, 1}, down(key::End), {}, "D0", "hello", 5, 0},
        EditCase{"LeftCollapsesSelectionToItsStart", {"hello", 1, 4}, down(key::Left), {}, "D0", "hello", 1, 0},
        EditCase{"RightCollapsesSelectionToItsEnd", {"hello", 4, 1}, down(key::Right), {}, "D0", "hello", 4, 0},
        EditCase{"ShiftLeftExtendsBackwards", {"hello", 2, 2}, down(key::Left, S), {}, "D1", "hello", 1, 1},
        EditCase{"ShiftLeftGrowsBackwardSelection", {"hello", 3, 1}, down(key::Left, S), {}, "D1", "hello", 0, 3},
        EditCase{"ShiftLeftShrinksForwardSelection", {"hello", 1, 3}, down(key::Left, S), {}, "D1", "hello", 1, 1},
        EditCase{"ShiftRightBackToAnchorEmpties", {"hello", 2, 1}, down(key::Right, S), {}, "D1", "hello", 2, 0},
        EditCase{"ShiftHomeSelectsToStart", {"hello", 3, 3}, down(key::Home, S), {}, "D1", "hello", 0, 3},
        EditCase{"ShiftEndSelectsToEnd", {"hello", 1, 1}, down(key::End, S), {}, "D1", "hello", 1, 4},
        EditCase{"DeleteRemovesNextChar", {"hello", 2, 2}, down(key::Delete), {}, "D0", "helo", 2, 0},
        EditCase{"DeleteAtEndDoesNothing", {"hello", 5, 5}, down(key::Delete), {}, "D0", "hello", 5, 0},
        EditCase{"DeleteRemovesSelection", {"hello", 1, 4}, down(key::Delete), {}, "D0", "ho", 1, 0},
        EditCase{"LockedIgnoresDelete", {"hello", 2, 2, true}, down(key::Delete), {}, "D0", "hello", 2, 0},
        EditCase{"LockedStillMovesCaret", {"hello", 2, 2, true}, down(key::Right), {}, "D0", "hello", 3, 0},
        EditCase{"UpLeavesSingleLineBoxAlone", {"hello", 2, 2}, down(key::Up), {}, "D0", "hello", 2, 0},
        EditCase{"CancelledKeyIsNotApplied", {"hello", 2, 2}, down(key::Delete), swallow, "D0", "hello", 2, 0},
        EditCase{"KeyOfHandlerThatMovedFocusIsNotApplied",
                 {"hello", 2, 2},
                 down(key::Delete),
                 leave,
                 "D0,One-,Two+",
                 "hello",
                 2,
                 0},
        // The clipboard edits the focused box without any key event.
        EditCase{"PasteReplacesSelection", {"abc", 1, 2}, paste("12"), {}, "", "a12c", 3, 0},
        EditCase{"PasteDropsControlChars", {"", 0, 0}, paste("1\t2\r\n3\b"), {}, "", "123", 3, 0},
        EditCase{"PasteDropsNonAscii", {"", 0, 0}, paste("5\xC3\xA9\x36\x7F"), {}, "", "56", 2, 0},
        EditCase{"PasteIntoLockedDoesNothing", {"abc", 1, 1, true}, paste("x"), {}, "", "abc", 1, 0},
        EditCase{"CutTakesSelection", {"abcd", 0, 2}, cut, {}, "ab", "cd", 0, 0},
        EditCase{"CutFromLockedOnlyCopies", {"abcd", 0, 2, true}, cut, {}, "ab", "abcd", 0, 2},
        EditCase{"CopyLeavesText", {"abcd", 3, 1}, copy, {}, "bc", "abcd", 1, 2},
        EditCase{"CopyWithoutSelectionIsEmpty", {"abcd", 3, 3}, copy, {}, "", "abcd", 3, 0},
        EditCase{"SelectAllSelectsWholeText", {"abcd", 2, 2}, selectAll, {}, "", "abcd", 0, 4},
        // Writing the selection properties clamps them the way handlers rely on.
        EditCase{"WritingTextPutsCaretAtStart", {"hello", 1, 4}, writeText("0.000"), {}, "", "0.000", 0, 0},
        EditCase{"WritingSelStartDropsSelection", {"hello", 1, 4}, writeStart(2), {}, "", "hello", 2, 0},
        EditCase{"SelStartPastEndClampsToEnd", {"hello", 1, 4}, writeStart(99), {}, "", "hello", 5, 0},
        EditCase{"NegativeSelStartClampsToZero", {"hello", 1, 4}, writeStart(-3), {}, "", "hello", 0, 0},
        EditCase{"SelLengthKeepsStart", {"hello", 1, 4}, writeLength(2), {}, "", "hello", 1, 2},
        EditCase{"SelLengthPastEndClamps", {"hello", 1, 4}, writeLength(10), {}, "", "hello", 1, 4},
        EditCase{"NegativeSelLengthIsEmpty", {"hello", 1, 4}, writeLength(-1), {}, "", "hello", 1, 0},
        EditCase{"StartThenLengthTenSelectsShortText",
                 {"hello", 1, 4},
                 [](TestWindow& w) { return w.One.setSelStart(0), w.One.setSelLength(10), std::string(); },
                 {},
                 "",
                 "hello",
                 0,
                 5},
        EditCase{"DraggedSelectionClamps", {"hello", 1, 4}, drag(9, -2), {}, "", "hello", 0, 5}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

TEST(Window, ClipboardWithoutFocusedTextBoxDoesNothing) {
    TestWindow w;
    w.One.setText("abc");
    w.One.select(0, 3);
    w.Ok.SetFocus();
    w.paste("x");
    EXPECT_EQ(w.cut() + w.copy() + w.One.Text(), "abc");
}

} // namespace
