// Where the focus and the selection end after each way of leaving a field.
#include "frame/tessomar.h"
#include "window_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

namespace {

using namespace sinetest;
using tessomar::Tessomar;

enum class Act { Enter, Tab, ShiftTab, ClickFrequency, ClickDisplacement };

struct FocusCase {
    const char* name;
    int mode;
    char letter;       // the field typed into
    const char* typed; // empty: nothing typed
    Act act;
    const char* focused; // the field holding the focus afterwards
    bool selected;       // its text selected from 0 over up to 10 characters
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }

const FocusCase kFocusCases[] = {
    {"SineEnterInAccelerationKeepsFocusUnselected", 1, 'A', "5", Act::Enter, "Acceleration", false},
    {"SineEnterInVelocityKeepsFocusAndSelectsText", 1, 'V', "5", Act::Enter, "Velocity", true},
    {"SineEnterInDisplacementKeepsFocusAndSelectsText", 1, 'D', "5", Act::Enter, "Displacement", true},
    {"SineEnterInFrequencyKeepsFocusAndSelectsText", 1, 'F', "5", Act::Enter, "Frequency", true},
    {"SineTabFromAccelerationEntryGoesToVelocity", 1, 'A', "5", Act::Tab, "Velocity", true},
    {"SineTabFromVelocityEntryGoesToDisplacement", 1, 'V', "5", Act::Tab, "Displacement", true},
    {"SineTabFromDisplacementEntryGoesToFrequency", 1, 'D', "5", Act::Tab, "Frequency", true},
    {"SineTabFromFrequencyEntryWrapsToAcceleration", 1, 'F', "5", Act::Tab, "Acceleration", true},
    {"SineShiftTabFromDisplacementEntryStaysSelected", 1, 'D', "5", Act::ShiftTab, "Displacement", true},
    {"SineShiftTabFromVelocityEntryStaysSelected", 1, 'V', "5", Act::ShiftTab, "Velocity", true},
    {"SineClickAfterVelocityEntryLandsInClickedField", 1, 'V', "5", Act::ClickFrequency, "Frequency", false},
    {"SineClickAfterFrequencyEntryLandsInClickedField", 1, 'F', "5", Act::ClickDisplacement, "Displacement", false},
    {"TabWithoutTypingFromAcceleration", 1, 'A', "", Act::Tab, "Velocity", true},
    {"TabWithoutTypingFromFrequency", 1, 'F', "", Act::Tab, "Acceleration", true},
    {"ShiftTabWithoutTypingFromDisplacement", 1, 'D', "", Act::ShiftTab, "Displacement", true},
    {"ShockEnterInAccelerationKeepsFocusAndSelectsText", 2, 'A', "5", Act::Enter, "Acceleration", true},
    {"ShockEnterInVelocityKeepsFocusUnselected", 2, 'V', "5", Act::Enter, "Velocity", false},
    {"ShockEnterInDisplacementKeepsFocusUnselected", 2, 'D', "5", Act::Enter, "Displacement", false},
    {"ShockEnterInDurationKeepsFocusUnselected", 2, 'F', "5", Act::Enter, "Frequency", false},
    {"TerminalPeakEnterInAccelerationSelects", 3, 'A', "5", Act::Enter, "Acceleration", true},
    {"TerminalPeakEnterInDurationUnselected", 3, 'F', "5", Act::Enter, "Frequency", false},
    {"ShockTabFromAccelerationEntryGoesToVelocity", 2, 'A', "5", Act::Tab, "Velocity", true},
    {"ShockClickAfterAccelerationEntryLandsInClickedField", 2, 'A', "5", Act::ClickDisplacement, "Displacement", false},
};

class FocusAfterKey : public testing::TestWithParam<FocusCase> {};

TEST_P(FocusAfterKey, EndsWhereTheUserAskedWithTheRightSelection) {
    const FocusCase& c = GetParam();
    Tessomar w;
    start(w, c.mode);
    ASSERT_EQ(w.fs.CalcMode, c.mode);
    focusAndSelect(w, field(w, c.letter));
    type(w, c.typed);
    switch (c.act) {
    case Act::Enter:
        w.keyPress(kEnter);
        break;
    case Act::Tab:
        w.pressTab(false);
        break;
    case Act::ShiftTab:
        w.pressTab(true);
        break;
    case Act::ClickFrequency:
        w.clickText(w.Frequency, 0);
        break;
    case Act::ClickDisplacement:
        w.clickText(w.Displacement, 0);
        break;
    }
    ASSERT_EQ(focusedName(w), c.focused);
    const auto& box = static_cast<const tk::TextBox&>(*w.focused());
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), c.selected ? std::min<int>(10, box.Text().size()) : 0) << box.Text();
    EXPECT_EQ(w.fs.LastEntry, *c.typed ? std::string(1, c.letter) : ""); // the entry was taken on the way out
}

INSTANTIATE_TEST_SUITE_P(Keys, FocusAfterKey, testing::ValuesIn(kFocusCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Routing buttons: each hands the focus to its field, text selected ----

struct RouteCase {
    const char* button;
    const char* field;
};

class RoutingButton : public testing::TestWithParam<RouteCase> {};

TEST_P(RoutingButton, FocusesItsFieldWithTheFirstTenCharactersSelected) {
    Tessomar w;
    start(w);
    auto& box = static_cast<tk::TextBox&>(*w.find(GetParam().field));
    box.setText("123456789012.5");
    box.select(3, 5);
    w.SineButton.SetFocus();
    w.find(GetParam().button)->SetFocus();
    EXPECT_EQ(focusedName(w), GetParam().field);
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), 10);
}

INSTANTIATE_TEST_SUITE_P(Buttons, RoutingButton,
                         testing::Values(RouteCase{"AccelTab", "Acceleration"}, RouteCase{"VelTab", "Velocity"},
                                         RouteCase{"DispTab", "Displacement"}, RouteCase{"FreqTab", "Frequency"},
                                         RouteCase{"AccelBounce", "Acceleration"}, RouteCase{"VelBounce", "Velocity"},
                                         RouteCase{"DispBounce", "Displacement"},
                                         RouteCase{"FreqBounce", "Frequency"}));

TEST(TabCycle, LongComputedTextIsSelectedOverItsFirstTenCharacters) {
    Tessomar w;
    start(w);
    enter(w, w.Frequency, "20000");
    enter(w, w.Displacement, "100");
    ASSERT_GT(w.Acceleration.Text().size(), 10u);
    w.pressTab(false); // into Frequency
    w.pressTab(false); // into Acceleration
    ASSERT_EQ(focusedName(w), "Acceleration");
    EXPECT_EQ(w.Acceleration.SelStart(), 0);
    EXPECT_EQ(w.Acceleration.SelLength(), 10);
}

// ---- Without a character key there is no entry ----

TEST(NoCharacterKey, TabAndClicksAloneRunNoCalculation) {
    Tessomar w;
    start(w);
    enter(w, w.Acceleration, "10");
    enter(w, w.Frequency, "100");
    w.fs.SineVel = 1; // a calculation would bring back 6.14
    for (int i = 0; i < 8; ++i) w.pressTab(i % 2 == 1);
    w.clickText(w.Velocity, 1);
    w.clickText(w.Displacement, 0);
    w.pressTab(false);
    EXPECT_EQ(w.fs.SineVel, 1);
    EXPECT_EQ(w.Velocity.Text(), "6.1");
}

enum class Edit { Paste, Delete, Cut };

struct EditCase {
    Edit edit;
    const char* textAfter;
};

class EditWithoutKeyPress : public testing::TestWithParam<EditCase> {};

TEST_P(EditWithoutKeyPress, LeavesNoEntryPending) {
    Tessomar w;
    start(w);
    focusAndSelect(w, w.Velocity);
    switch (GetParam().edit) {
    case Edit::Paste:
        w.paste("5");
        break;
    case Edit::Delete:
        w.keyDown(tk::key::Delete, 0);
        break;
    case Edit::Cut:
        w.cut();
        break;
    }
    EXPECT_EQ(w.fs.EntryPending, tessomar::kFalse);
    w.pressTab(false);
    EXPECT_EQ(w.fs.SineVel, 0);
    EXPECT_EQ(w.fs.LastEntry, "");
    EXPECT_EQ(w.Velocity.Text(), GetParam().textAfter);
}

INSTANTIATE_TEST_SUITE_P(Edits, EditWithoutKeyPress,
                         testing::Values(EditCase{Edit::Paste, "5"}, EditCase{Edit::Delete, ""},
                                         EditCase{Edit::Cut, ""}));

class CharacterKey : public testing::TestWithParam<int> {};

TEST_P(CharacterKey, SetsEntryPendingInEveryField) {
    for (char letter : {'A', 'V', 'D', 'F'}) {
        Tessomar w;
        start(w);
        focusAndSelect(w, field(w, letter));
        w.keyPress(GetParam());
        EXPECT_EQ(w.fs.EntryPending, tessomar::kTrue) << letter;
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, CharacterKey, testing::Values('7', 'x', '-', 8 /* Backspace */, 27 /* Escape */));

} // namespace
