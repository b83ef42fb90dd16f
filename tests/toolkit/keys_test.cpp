// Keys and editing in a text box: KeyPress with its swallowable code, KeyDown
// for the other keys, the clipboard, and the selection's clamping rules.
#include "toolkit/test_window.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using tktest::TestWindow;
namespace key = tk::key;

// The focused box `One` before the key: its text, selection (anchor, caret)
// and options.
struct Box {
    const char* text;
    int anchor, caret;
    bool locked = false;
    bool multiLine = false;
};

void prepare(TestWindow& w, const Box& b) {
    w.One.setText(b.text);
    w.One.Locked = b.locked;
    w.One.MultiLine = b.multiLine;
    w.One.SetFocus();
    w.One.select(b.anchor, b.caret);
}

struct CharCase {
    const char* name;
    Box box;
    int key;
    std::function<void(int&)> handler; // the KeyPress handler; empty: none
    const char* text;
    int caret;
};

void PrintTo(const CharCase& c, std::ostream* os) { *os << c.name; }

class KeyPress : public testing::TestWithParam<CharCase> {};

TEST_P(KeyPress, IsRaisedThenAppliedByTheBoxUnlessSwallowed) {
    const CharCase& c = GetParam();
    TestWindow w;
    prepare(w, c.box);
    int raised = 0, keyDowns = 0;
    w.One.KeyPress = [&](int& k) {
        ++raised;
        if (c.handler) c.handler(k);
    };
    w.One.KeyDown = [&](int&, int) { ++keyDowns; };
    w.keyPress(c.key);
    EXPECT_EQ(raised, 1) << "KeyPress is raised for every character key, locked or not";
    EXPECT_EQ(keyDowns, 0);
    EXPECT_EQ(w.One.Text(), c.text);
    EXPECT_EQ(w.One.SelStart(), c.caret);
    EXPECT_EQ(w.One.SelLength(), 0);
}

const auto swallow = [](int& k) { k = 0; };
const auto upper = [](int& k) {
    if (k >= 'a' && k <= 'z') k -= 32;
};

INSTANTIATE_TEST_SUITE_P(
    TextBox, KeyPress,
    testing::Values(CharCase{"PrintableInsertsAtCaret", {"abc", 1, 1}, 'x', {}, "axbc", 2},
                    CharCase{"PrintableReplacesSelection", {"0.00", 0, 4}, '5', {}, "5", 1},
                    CharCase{"SpaceIsPrintable", {"ab", 2, 2}, ' ', {}, "ab ", 3},
                    CharCase{"TildeIsPrintable", {"", 0, 0}, '~', {}, "~", 1},
                    CharCase{"BackspaceDeletesBeforeCaret", {"abc", 3, 3}, 8, {}, "ab", 2},
                    CharCase{"BackspaceAtStartDoesNothing", {"abc", 0, 0}, 8, {}, "abc", 0},
                    CharCase{"BackspaceDeletesSelectionOnly", {"abcd", 3, 1}, 8, {}, "ad", 1},
                    CharCase{"EnterInSingleLineBoxAddsNothing", {"abc", 3, 3}, 13, {}, "abc", 3},
                    CharCase{"EnterInMultiLineBoxBreaksTheLine", {"abc", 1, 1, false, true}, 13, {}, "a\r\nbc", 3},
                    CharCase{"LockedIgnoresPrintable", {"abc", 1, 1, true}, 'x', {}, "abc", 1},
                    CharCase{"LockedIgnoresBackspace", {"abc", 3, 3, true}, 8, {}, "abc", 3},
                    CharCase{"LockedIgnoresEnter", {"abc", 3, 3, true, true}, 13, {}, "abc", 3},
                    CharCase{"SwallowedCharIsNotApplied", {"abc", 3, 3}, 'x', swallow, "abc", 3},
                    CharCase{"SwallowedEnterIsNotApplied", {"abc", 3, 3, false, true}, 13, swallow, "abc", 3},
                    CharCase{"SwallowedBackspaceIsNotApplied", {"abc", 3, 3}, 8, swallow, "abc", 3},
                    CharCase{"HandlerMayChangeTheChar", {"ab", 2, 2}, 'c', upper, "abC", 3},
                    CharCase{"OtherControlCharsAreIgnored", {"abc", 3, 3}, 1, {}, "abc", 3},
                    CharCase{"DelCharIsIgnored", {"abc", 3, 3}, 127, {}, "abc", 3},
                    CharCase{"NonAsciiCodeIsIgnored", {"abc", 3, 3}, 233, {}, "abc", 3}),
    [](const testing::TestParamInfo<CharCase>& info) { return std::string(info.param.name); });

struct KeyDownCase {
    const char* name;
    Box box;
    int key, shift;
    std::function<void(TestWindow&, int&)> handler; // empty: none
    const char* text;
    int selStart, selLength;
};

void PrintTo(const KeyDownCase& c, std::ostream* os) { *os << c.name; }

class KeyDown : public testing::TestWithParam<KeyDownCase> {};

TEST_P(KeyDown, IsRaisedThenTheBoxMovesCaretOrDeletes) {
    const KeyDownCase& c = GetParam();
    TestWindow w;
    prepare(w, c.box);
    int presses = 0, seenShift = -1;
    w.One.KeyPress = [&](int&) { ++presses; };
    w.One.KeyDown = [&](int& k, int shift) {
        seenShift = shift;
        if (c.handler) c.handler(w, k);
    };
    w.keyDown(c.key, c.shift);
    EXPECT_EQ(seenShift, c.shift);
    EXPECT_EQ(presses, 0) << "a non-character key raises no KeyPress";
    EXPECT_EQ(w.One.Text(), c.text);
    EXPECT_EQ(w.One.SelStart(), c.selStart);
    EXPECT_EQ(w.One.SelLength(), c.selLength);
}

constexpr int S = key::ShiftMask;
const auto cancel = [](TestWindow&, int& k) { k = 0; };
const auto leave = [](TestWindow& w, int&) { w.Two.SetFocus(); };

INSTANTIATE_TEST_SUITE_P(
    TextBox, KeyDown,
    testing::Values(
        KeyDownCase{"LeftMovesCaret", {"hello", 2, 2}, key::Left, 0, {}, "hello", 1, 0},
        KeyDownCase{"LeftStopsAtStart", {"hello", 0, 0}, key::Left, 0, {}, "hello", 0, 0},
        KeyDownCase{"RightMovesCaret", {"hello", 2, 2}, key::Right, 0, {}, "hello", 3, 0},
        KeyDownCase{"RightStopsAtEnd", {"hello", 5, 5}, key::Right, 0, {}, "hello", 5, 0},
        KeyDownCase{"HomeGoesToStart", {"hello", 3, 3}, key::Home, 0, {}, "hello", 0, 0},
        KeyDownCase{"EndGoesToEnd", {"hello", 1, 1}, key::End, 0, {}, "hello", 5, 0},
        KeyDownCase{"LeftCollapsesSelectionToItsStart", {"hello", 1, 4}, key::Left, 0, {}, "hello", 1, 0},
        KeyDownCase{"RightCollapsesSelectionToItsEnd", {"hello", 4, 1}, key::Right, 0, {}, "hello", 4, 0},
        KeyDownCase{"ShiftLeftExtendsBackwards", {"hello", 2, 2}, key::Left, S, {}, "hello", 1, 1},
        KeyDownCase{"ShiftLeftGrowsBackwardSelection", {"hello", 3, 1}, key::Left, S, {}, "hello", 0, 3},
        KeyDownCase{"ShiftLeftShrinksForwardSelection", {"hello", 1, 3}, key::Left, S, {}, "hello", 1, 1},
        KeyDownCase{"ShiftRightBackToAnchorEmptiesSelection", {"hello", 2, 1}, key::Right, S, {}, "hello", 2, 0},
        KeyDownCase{"ShiftHomeSelectsToStart", {"hello", 3, 3}, key::Home, S, {}, "hello", 0, 3},
        KeyDownCase{"ShiftEndSelectsToEnd", {"hello", 1, 1}, key::End, S, {}, "hello", 1, 4},
        KeyDownCase{"DeleteRemovesNextChar", {"hello", 2, 2}, key::Delete, 0, {}, "helo", 2, 0},
        KeyDownCase{"DeleteAtEndDoesNothing", {"hello", 5, 5}, key::Delete, 0, {}, "hello", 5, 0},
        KeyDownCase{"DeleteRemovesSelection", {"hello", 1, 4}, key::Delete, 0, {}, "ho", 1, 0},
        KeyDownCase{"LockedIgnoresDelete", {"hello", 2, 2, true}, key::Delete, 0, {}, "hello", 2, 0},
        KeyDownCase{"LockedStillMovesCaret", {"hello", 2, 2, true}, key::Right, 0, {}, "hello", 3, 0},
        KeyDownCase{"UpAndDownLeaveSingleLineBoxAlone", {"hello", 2, 2}, key::Up, 0, {}, "hello", 2, 0},
        KeyDownCase{"CancelledKeyIsNotApplied", {"hello", 2, 2}, key::Delete, 0, cancel, "hello", 2, 0},
        KeyDownCase{"KeyOfHandlerThatMovedFocusIsNotApplied", {"hello", 2, 2}, key::Delete, 0, leave, "hello", 2, 0}),
    [](const testing::TestParamInfo<KeyDownCase>& info) { return std::string(info.param.name); });

// The clipboard acts on the focused box without any KeyPress.
struct ClipCase {
    const char* name;
    Box box;
    std::function<std::string(TestWindow&)> act;
    const char* returned;
    const char* text;
    int selStart, selLength;
};

void PrintTo(const ClipCase& c, std::ostream* os) { *os << c.name; }

class Clipboard : public testing::TestWithParam<ClipCase> {};

TEST_P(Clipboard, EditsTheFocusedBoxWithoutKeyPress) {
    const ClipCase& c = GetParam();
    TestWindow w;
    prepare(w, c.box);
    int presses = 0;
    w.One.KeyPress = [&](int&) { ++presses; };
    EXPECT_EQ(c.act(w), c.returned);
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(w.One.Text(), c.text);
    EXPECT_EQ(w.One.SelStart(), c.selStart);
    EXPECT_EQ(w.One.SelLength(), c.selLength);
}

std::function<std::string(TestWindow&)> paste(std::string s) {
    return [s](TestWindow& w) {
        w.paste(s);
        return std::string();
    };
}
const auto cut = [](TestWindow& w) { return w.cut(); };
const auto copy = [](TestWindow& w) { return w.copy(); };
const auto selectAll = [](TestWindow& w) {
    w.selectAll();
    return std::string();
};

INSTANTIATE_TEST_SUITE_P(
    Window, Clipboard,
    testing::Values(ClipCase{"PasteReplacesSelection", {"abc", 1, 2}, paste("12"), "", "a12c", 3, 0},
                    ClipCase{"PasteDropsControlChars", {"", 0, 0}, paste("1\t2\r\n3\b"), "", "123", 3, 0},
                    ClipCase{"PasteDropsNonAscii",
                             {"", 0, 0},
                             paste("5\xC3\xA9"
                                   "6\x7F"),
                             "",
                             "56",
                             2,
                             0},
                    ClipCase{"PasteIntoLockedDoesNothing", {"abc", 1, 1, true}, paste("x"), "", "abc", 1, 0},
                    ClipCase{"CutTakesSelection", {"abcd", 0, 2}, cut, "ab", "cd", 0, 0},
                    ClipCase{"CutFromLockedOnlyCopies", {"abcd", 0, 2, true}, cut, "ab", "abcd", 0, 2},
                    ClipCase{"CopyLeavesText", {"abcd", 3, 1}, copy, "bc", "abcd", 1, 2},
                    ClipCase{"CopyWithoutSelectionIsEmpty", {"abcd", 3, 3}, copy, "", "abcd", 3, 0},
                    ClipCase{"SelectAllSelectsWholeText", {"abcd", 2, 2}, selectAll, "", "abcd", 0, 4}),
    [](const testing::TestParamInfo<ClipCase>& info) { return std::string(info.param.name); });

TEST(Window, ClipboardWithoutFocusedTextBoxDoesNothing) {
    TestWindow w;
    w.One.setText("abc");
    w.One.select(0, 3);
    w.Ok.SetFocus();
    w.paste("x");
    EXPECT_EQ(w.cut(), "");
    EXPECT_EQ(w.copy(), "");
    EXPECT_EQ(w.One.Text(), "abc");
}

// Writing the selection properties clamps them the way handlers rely on.
struct SelectionCase {
    const char* name;
    std::function<void(tk::TextBox&)> act;
    int selStart, selLength;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

class Selection : public testing::TestWithParam<SelectionCase> {};

TEST_P(Selection, ClampsToTheText) {
    TestWindow w;
    w.One.setText("hello");
    w.One.select(1, 4);
    GetParam().act(w.One);
    EXPECT_EQ(w.One.SelStart(), GetParam().selStart);
    EXPECT_EQ(w.One.SelLength(), GetParam().selLength);
    EXPECT_EQ(w.One.selectedText(), std::string("hello").substr(static_cast<std::size_t>(GetParam().selStart),
                                                                static_cast<std::size_t>(GetParam().selLength)));
}

INSTANTIATE_TEST_SUITE_P(
    TextBox, Selection,
    testing::Values(SelectionCase{"WritingTextPutsCaretAtStart", [](tk::TextBox& b) { b.setText("0.000"); }, 0, 0},
                    SelectionCase{"WritingSelStartDropsSelection", [](tk::TextBox& b) { b.setSelStart(2); }, 2, 0},
                    SelectionCase{"SelStartPastEndClampsToEnd", [](tk::TextBox& b) { b.setSelStart(99); }, 5, 0},
                    SelectionCase{"NegativeSelStartClampsToZero", [](tk::TextBox& b) { b.setSelStart(-3); }, 0, 0},
                    SelectionCase{"SelLengthKeepsStart", [](tk::TextBox& b) { b.setSelLength(2); }, 1, 2},
                    SelectionCase{"SelLengthPastEndClamps", [](tk::TextBox& b) { b.setSelLength(10); }, 1, 4},
                    SelectionCase{"NegativeSelLengthIsEmpty", [](tk::TextBox& b) { b.setSelLength(-1); }, 1, 0},
                    SelectionCase{"StartThenLengthTenSelectsShortText",
                                  [](tk::TextBox& b) {
                                      b.setSelStart(0);
                                      b.setSelLength(10);
                                  },
                                  0, 5},
                    SelectionCase{"DraggedSelectionClamps", [](tk::TextBox& b) { b.select(9, -2); }, 0, 5}),
    [](const testing::TestParamInfo<SelectionCase>& info) { return std::string(info.param.name); });

} // namespace
