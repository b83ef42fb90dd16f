// A started window driven as the user drives it: click, type, Enter. The
// values taken, the entry history painted on the four fields, and where the
// focus and the selection end.
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>

namespace {

using tessomar::Tessomar;
using Colours = std::array<tk::Color, 4>; // Acceleration, Velocity, Displacement, Frequency
using Texts = std::array<const char*, 4>;
constexpr int kEnter = 13;

// A window as the user first sees it: loaded at design scale, activated,
// Sine mode, English units, the focus in Acceleration; then the shock mode
// asked for (2 half sine, 3 terminal peak) chosen with its buttons.
void start(Tessomar& w, int mode = 1, bool english = true) {
    w.twipsPerPixelX = 15.1f;
    w.load();
    w.activate();
    if (mode >= 2) w.click(w.ShockButton);
    if (mode == 3) w.click(w.AccelButton);
    EXPECT_EQ(w.fs.CalcMode, mode);
    if (!english) w.fs.EnglishUnits = tessomar::kFalse;
}

tk::TextBox& field(Tessomar& w, char letter) {
    const std::array boxes{&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency};
    return *boxes[std::string_view("AVDF").find(letter)];
}

float stored(const Tessomar& w, char letter) {
    const std::array values{w.fs.SineAccel, w.fs.SineVel, w.fs.SineDisp, w.fs.SineFreq};
    return values[std::string_view("AVDF").find(letter)];
}

// The user clicks into the field and selects its whole text, so what is typed replaces it.
void focusAndSelect(Tessomar& w, tk::TextBox& box) {
    w.clickText(box, 0);
    w.selectAll();
}

void type(Tessomar& w, std::string_view text) {
    for (char c : text) w.keyPress(static_cast<unsigned char>(c));
}

void enter(Tessomar& w, char letter, std::string_view text) {
    focusAndSelect(w, field(w, letter));
    type(w, text);
    w.keyPress(kEnter);
}

std::string focusedName(const Tessomar& w) { return w.focused() ? w.focused()->name() : "(none)"; }

Colours colours(const Tessomar& w) {
    return {w.Acceleration.BackColor, w.Velocity.BackColor, w.Displacement.BackColor, w.Frequency.BackColor};
}

// ---- One value typed and entered with Enter ----

struct EntryCase {
    const char* name;
    bool english;
    char letter;
    const char* typed;
    const char* shown; // the field's text afterwards
    float value;       // stored, in English units
    const char* last;  // LastEntry afterwards; empty when no entry was taken
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

const EntryCase kEntries[] = {
    {"AccelOverLimit", true, 'A', "1500", "1000.00", 1000, "A"},
    {"VelOverLimit", true, 'V', "1500", "1000.0", 1000, "V"},
    {"DispOverLimit", true, 'D', "150", "100.000", 100, "D"},
    {"FreqOverLimit", true, 'F', "25000", "20000.00", 20000, "F"},
    {"NegativeTakesMagnitude", true, 'A', "-12.345", "12.35", 12.35f, "A"},
    {"VelRoundedToTenths", true, 'V', "-3.26", "3.3", 3.3f, "V"},
    {"DispRoundedToThousandths", true, 'D', "0.0125", "0.013", 0.013f, "D"},
    {"RoundsToZeroStillAnEntry", true, 'A', "0.001", "0.00", 0, "A"},
    {"NoNumberIsNoEntry", true, 'V', "abc", "0.0", 0, ""},
    {"OverflowIsOverTheLimit", true, 'A', "1e999", "1000.00", 1000, "A"},
    {"NegativeOverflowIsOverTheLimit", true, 'F', "-9e99999", "20000.00", 20000, "F"},
    // Metric velocity and displacement are typed in m/s and mm, kept at the
    // Metric precision and held in English units.
    {"MetricHundredthOfAMillimetre", false, 'D', "0.01", "0.01", 0.000393701f, "D"},
    {"MetricVelOverLimit", false, 'V', "2000", "1000.00", 39370.1f, "V"},
    {"MetricDispOverLimit", false, 'D', "150", "100.00", 3.93701f, "D"},
    {"MetricNegativeRoundedHalfAway", false, 'V', "-2.345", "2.35", 92.51974f, "V"},
    {"MetricBelowItsPrecision", false, 'D', "0.004", "0.00", 0, "D"},
    {"MetricAccelNotConverted", false, 'A', "1500", "1000.00", 1000, "A"},
};

class TypedEntry : public testing::TestWithParam<EntryCase> {};

TEST_P(TypedEntry, StoresTheValueAndShowsItAtTheFieldsPrecision) {
    const EntryCase& c = GetParam();
    Tessomar w;
    start(w, 1, c.english);
    enter(w, c.letter, c.typed);
    EXPECT_EQ(field(w, c.letter).Text(), c.shown);
    EXPECT_EQ(stored(w, c.letter), c.value);
    EXPECT_EQ(w.fs.LastEntry, c.last);
    EXPECT_EQ(w.fs.PriorEntry, "");
}

INSTANTIATE_TEST_SUITE_P(Fields, TypedEntry, testing::ValuesIn(kEntries),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Several entries: the history of the last two different fields, its
// colours, and (when given) the four texts afterwards ----

// The expected colours as letters: G pale green (entered last), Y pale yellow
// (entered before it), W white (calculated), U untouched.
Colours paint(std::string_view letters) {
    Colours c{};
    for (int i = 0; i < 4; ++i)
        c[i] =
            std::array<tk::Color, 4>{0xDDFFDB, 0xE1FFFD, 0xFFFFFF, 0x123456}[std::string_view("GYWU").find(letters[i])];
    return c;
}

// The field letter painted with a colour, or "" when none is.
std::string painted(std::string_view letters, char colour) {
    const auto at = letters.find(colour);
    return at == letters.npos ? "" : std::string(1, "AVDF"[at]);
}

struct HistoryCase {
    const char* name;
    int mode;
    bool english;
    const char* entries; // field letter and typed text, blank-separated
    const char* colours; // last entry green, prior yellow
    Texts shown{};       // unset: not checked
};

void PrintTo(const HistoryCase& c, std::ostream* os) { *os << c.name; }

const HistoryCase kHistories[] = {
    {"TwoEntriesComputeTheOtherTwo", 1, true, "A250 F50", "YWWG", {"250.00", "307.2", "1.956", "50.00"}},
    {"SameFieldTwiceKeepsThePrior", 1, true, "A250 F50 F60", "YWWG"},
    {"AccelerationTwiceHasNoPrior", 1, true, "A250 A300", "GWWW"},
    {"BackToThePriorRecomputesWithTheSamePair",
     1,
     true,
     "A250 F50 A125",
     "GWWY",
     {"125.00", "153.6", "0.978", "50.00"}},
    {"ThirdFieldDropsTheOldest", 1, true, "A250 F50 V10", "WGWY"},
    {"NoNumberShowsThePreviousValueAgain", 1, true, "A10 V6 Vabc", "YGWW", {"10.00", "6.0", "0.019", "102.41"}},
    {"OverLimitStillCounts", 1, true, "D500 V5000", "WGYW"},
    {"RoundedToZeroStillCounts", 1, true, "V3 A0.001", "GYWW"},
    {"EnteredZeroStopsTheRunAndKeepsTheOthers",
     1,
     true,
     "A250 F50 A0.001",
     "GWWY",
     {"0.00", "307.2", "1.956", "50.00"}},
    // Held in English units, shown back in the unit beside the field.
    {"MetricEntriesShowBackInTheirUnit", 1, false, "A0.001 V2 D3", "WYGW", {"271.92", "2.00", "3.00", "212.21"}},
    {"TerminalPeakTwoEntries", 3, true, "A20 D0.5", "YWGW", {"20.00", "30.6", "0.500", "19.03"}},
};

class EntryHistory : public testing::TestWithParam<HistoryCase> {};

TEST_P(EntryHistory, FollowsTheLastTwoDifferentFields) {
    const HistoryCase& c = GetParam();
    Tessomar w;
    start(w, c.mode, c.english);
    for (std::string_view rest = c.entries; !rest.empty();) {
        const auto blank = std::min(rest.find(' '), rest.size());
        enter(w, rest[0], rest.substr(1, blank - 1));
        rest.remove_prefix(std::min(blank + 1, rest.size()));
    }
    EXPECT_EQ(w.fs.LastEntry, painted(c.colours, 'G'));
    EXPECT_EQ(w.fs.PriorEntry, painted(c.colours, 'Y'));
    EXPECT_EQ(colours(w), paint(c.colours));
    for (int i = 0; i < 4 && c.shown[0]; ++i) EXPECT_EQ(field(w, "AVDF"[i]).Text(), c.shown[i]) << i;
}

INSTANTIATE_TEST_SUITE_P(Sine, EntryHistory, testing::ValuesIn(kHistories),
                         [](const auto& info) { return std::string(info.param.name); });

// Painting straight from the history, in every mode; Random mode shows
// results in the first three and leaves Frequency alone.
TEST(MarkEntries, PaintsLastGreenPriorYellowOthersWhite) {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {1, "", "", "WWWW"}, {2, "D", "F", "WWGY"}, {3, "A", "V", "GYWW"}, {0, "V", "A", "WWWU"}};
    for (const auto& [mode, last, prior, expected] : cases) {
        Tessomar w;
        for (tk::TextBox* box : {&w.Acceleration, &w.Velocity, &w.Displacement, &w.Frequency})
            box->BackColor = 0x123456;
        w.fs.CalcMode = static_cast<std::int16_t>(mode);
        w.fs.LastEntry = last;
        w.fs.PriorEntry = prior;
        w.MarkEntries();
        EXPECT_EQ(colours(w), paint(expected)) << mode;
    }
}

// ---- Which calculation an entry runs: only the sine and shock engines consume it ----

TEST(EntryDispatch, RunsTheEngineOfTheMode) {
    for (auto [mode, pendingAfter] : {std::pair{1, 0}, {2, 0}, {3, 0}, {0, -1}, {4, -1}, {-1, -1}}) {
        Tessomar w;
        start(w);
        w.fs.CalcMode = static_cast<std::int16_t>(mode);
        enter(w, 'F', "12.345");
        EXPECT_EQ(w.fs.SineFreq, 12.35f) << mode;
        EXPECT_EQ(w.fs.LastEntry, "F") << mode;
        EXPECT_EQ(w.fs.EntryPending, pendingAfter) << mode;
    }
}

// ---- Where the focus and the selection end after each way of leaving a field ----

using Act = std::function<void(Tessomar&)>;
const Act Enter = [](Tessomar& w) { w.keyPress(kEnter); };
const Act Tab = [](Tessomar& w) { w.pressTab(false); };
const Act ShiftTab = [](Tessomar& w) { w.pressTab(true); };
const Act ClickF = [](Tessomar& w) { w.clickText(w.Frequency, 0); };
const Act ClickD = [](Tessomar& w) { w.clickText(w.Displacement, 0); };

struct FocusCase {
    const char* name;
    int mode;
    char letter;       // the field typed into
    const char* typed; // empty: nothing typed
    const Act& act;
    const char* focused; // the field holding the focus afterwards
    bool selected;       // its text selected from 0 over up to 10 characters
};

void PrintTo(const FocusCase& c, std::ostream* os) { *os << c.name; }

const FocusCase kFocusCases[] = {
    {"SineEnterInAccelerationKeepsFocusUnselected", 1, 'A', "5", Enter, "Acceleration", false},
    {"SineEnterInVelocityKeepsFocusAndSelectsText", 1, 'V', "5", Enter, "Velocity", true},
    {"SineEnterInDisplacementKeepsFocusAndSelectsText", 1, 'D', "5", Enter, "Displacement", true},
    {"SineEnterInFrequencyKeepsFocusAndSelectsText", 1, 'F', "5", Enter, "Frequency", true},
    {"SineTabFromAccelerationEntryGoesToVelocity", 1, 'A', "5", Tab, "Velocity", true},
    {"SineTabFromVelocityEntryGoesToDisplacement", 1, 'V', "5", Tab, "Displacement", true},
    {"SineTabFromDisplacementEntryGoesToFrequency", 1, 'D', "5", Tab, "Frequency", true},
    {"SineTabFromFrequencyEntryWrapsToAcceleration", 1, 'F', "5", Tab, "Acceleration", true},
    {"SineShiftTabFromDisplacementEntryStaysSelected", 1, 'D', "5", ShiftTab, "Displacement", true},
    {"SineClickAfterVelocityEntryLandsInClickedField", 1, 'V', "5", ClickF, "Frequency", false},
    {"TabWithoutTypingFromFrequency", 1, 'F', "", Tab, "Acceleration", true},
    {"ShockEnterInAccelerationKeepsFocusAndSelectsText", 2, 'A', "5", Enter, "Acceleration", true},
    {"ShockEnterInDurationKeepsFocusUnselected", 2, 'F', "5", Enter, "Frequency", false},
    {"TerminalPeakEnterInAccelerationSelects", 3, 'A', "5", Enter, "Acceleration", true},
    {"ShockTabFromAccelerationEntryGoesToVelocity", 2, 'A', "5", Tab, "Velocity", true},
    {"ShockClickAfterAccelerationEntryLandsInClickedField", 2, 'A', "5", ClickD, "Displacement", false},
};

class FocusAfterKey : public testing::TestWithParam<FocusCase> {};

TEST_P(FocusAfterKey, EndsWhereTheUserAskedWithTheRightSelection) {
    const FocusCase& c = GetParam();
    Tessomar w;
    start(w, c.mode);
    focusAndSelect(w, field(w, c.letter));
    type(w, c.typed);
    c.act(w);
    ASSERT_EQ(focusedName(w), c.focused);
    const auto& box = static_cast<const tk::TextBox&>(*w.focused());
    EXPECT_EQ(box.SelStart(), 0);
    EXPECT_EQ(box.SelLength(), c.selected ? std::min<int>(10, box.Text().size()) : 0) << box.Text();
    EXPECT_EQ(w.fs.LastEntry, *c.typed ? std::string(1, c.letter) : ""); // the entry was taken on the way out
}

INSTANTIATE_TEST_SUITE_P(Keys, FocusAfterKey, testing::ValuesIn(kFocusCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Routing buttons: each hands the focus to its field, the first ten characters selected.
TEST(RoutingButton, FocusesItsFieldWithTheFirstTenCharactersSelected) {
    for (const char* button :
         {"AccelTab", "VelTab", "DispTab", "FreqTab", "AccelBounce", "VelBounce", "DispBounce", "FreqBounce"}) {
        Tessomar w;
        start(w);
        auto& box = field(w, button[0]);
        box.setText("123456789012.5");
        box.select(3, 5);
        w.SineButton.SetFocus();
        w.find(button)->SetFocus();
        EXPECT_EQ(focusedName(w), box.name()) << button;
        EXPECT_EQ(box.SelStart(), 0) << button;
        EXPECT_EQ(box.SelLength(), 10) << button;
    }
}

// ---- Without a character key there is no entry ----

TEST(NoCharacterKey, TabAndClicksAloneRunNoCalculation) {
    Tessomar w;
    start(w);
    enter(w, 'A', "10");
    enter(w, 'F', "100");
    w.fs.SineVel = 1; // a calculation would bring back 6.14
    for (int i = 0; i < 8; ++i) w.pressTab(i % 2 == 1);
    w.clickText(w.Velocity, 1);
    w.clickText(w.Displacement, 0);
    w.pressTab(false);
    EXPECT_EQ(w.fs.SineVel, 1);
    EXPECT_EQ(w.Velocity.Text(), "6.1");
}

TEST(NoCharacterKey, PasteDeleteAndCutLeaveNoEntryPending) {
    const std::pair<Act, const char*> edits[] = {{[](Tessomar& w) { w.paste("5"); }, "5"},
                                                 {[](Tessomar& w) { w.keyDown(tk::key::Delete, 0); }, ""},
                                                 {[](Tessomar& w) { w.cut(); }, ""}};
    for (const auto& [edit, textAfter] : edits) {
        Tessomar w;
        start(w);
        focusAndSelect(w, w.Velocity);
        edit(w);
        EXPECT_EQ(w.fs.EntryPending, tessomar::kFalse) << textAfter;
        w.pressTab(false);
        EXPECT_EQ(w.fs.SineVel, 0);
        EXPECT_EQ(w.fs.LastEntry, "");
        EXPECT_EQ(w.Velocity.Text(), textAfter);
    }
}

TEST(CharacterKey, SetsEntryPendingInEveryField) {
    for (int key : {int{'x'}, 8 /* Backspace */, 27 /* Escape */}) {
        for (char letter : {'A', 'V', 'D', 'F'}) {
            Tessomar w;
            start(w);
            focusAndSelect(w, field(w, letter));
            w.keyPress(key);
            EXPECT_EQ(w.fs.EntryPending, tessomar::kTrue) << letter << key;
        }
    }
}

} // namespace
