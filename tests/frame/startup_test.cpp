#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>

namespace {

using tessomar::Tessomar;

std::unique_ptr<Tessomar> started(float twipsPerPixel = 15.1f) {
    auto w = std::make_unique<Tessomar>();
    w->twipsPerPixelX = twipsPerPixel;
    w->load();
    w->activate();
    return w;
}

// ---- The four value fields, ready for typing ----

struct FieldCase {
    const char* field;
    const char* text;
};

class StartedFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(StartedFieldTest, ShowsZeroThroughItsPatternWhollySelected) {
    auto w = started();
    auto* box = dynamic_cast<tk::TextBox*>(w->find(GetParam().field));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Text(), GetParam().text);
    EXPECT_EQ(box->SelStart(), 0);
    EXPECT_EQ(box->selectedText(), GetParam().text);
    EXPECT_FALSE(box->Locked);
    EXPECT_TRUE(box->TabStop);
}

INSTANTIATE_TEST_SUITE_P(Fields, StartedFieldTest,
                         testing::Values(FieldCase{"Acceleration", "0.00"}, FieldCase{"Velocity", "0.0"},
                                         FieldCase{"Displacement", "0.000"}, FieldCase{"Frequency", "0.00"}),
                         [](const auto& info) { return std::string(info.param.field); });

// ---- The table rows, filled although out of sight ----

class StartedRowTest : public testing::TestWithParam<int> {};

TEST_P(StartedRowTest, HoldsItsNumberAndZeros) {
    auto w = started();
    const int i = GetParam();
    const std::string number = "0" + std::to_string(i + 1);
    EXPECT_EQ(w->B[i].Text(), number);
    EXPECT_EQ(w->F[i].Text(), "0.00");
    EXPECT_EQ(w->A[i].Text(), "0.000000");
    EXPECT_FALSE(w->F[i].TabStop);
    EXPECT_FALSE(w->A[i].TabStop);
    // Sine mode keeps the table below the window's bottom edge.
    EXPECT_GE(w->F[i].Top, w->clientHeight());
    EXPECT_FALSE(w->canTakeFocus(w->F[i]));
}

INSTANTIATE_TEST_SUITE_P(Rows, StartedRowTest, testing::Range(0, tessomar::kRows));

// ---- The rest of the starting state ----

struct StateCase {
    const char* item;
    bool (*holds)(const Tessomar&);
};

class StartedStateTest : public testing::TestWithParam<StateCase> {};

TEST_P(StartedStateTest, Holds) {
    auto w = started();
    EXPECT_TRUE(GetParam().holds(*w)) << GetParam().item;
}

bool allBreakPointsZero(const Tessomar& w) {
    for (std::size_t k = 0; k <= 51; ++k)
        if (w.fs.BkFreq[k] != 0 || w.fs.BkPsd[k] != 0) return false;
    return true;
}

INSTANTIATE_TEST_SUITE_P(
    Items, StartedStateTest,
    testing::Values(
        StateCase{"English units", [](const Tessomar& w) { return w.fs.EnglishUnits == -1; }},
        StateCase{"Sine mode", [](const Tessomar& w) { return w.fs.CalcMode == 1; }},
        StateCase{"empty history", [](const Tessomar& w) { return w.fs.LastEntry.empty() && w.fs.PriorEntry.empty(); }},
        StateCase{"sine values 0",
                  [](const Tessomar& w) {
                      return w.fs.SineAccel == 0 && w.fs.SineVel == 0 && w.fs.SineDisp == 0 && w.fs.SineFreq == 0;
                  }},
        StateCase{
            "random results 0",
            [](const Tessomar& w) { return w.fs.RandomGrms == 0 && w.fs.RandomVel == 0 && w.fs.RandomDisp == 0; }},
        StateCase{"break points 0", allBreakPointsZero},
        StateCase{
            "scroll bar closed",
            [](const Tessomar& w) { return w.Scroll.Min() == 1 && w.Scroll.Max() == 1 && w.Scroll.Value() == 1; }},
        StateCase{"no entry pending", [](const Tessomar& w) { return w.fs.EntryPending == 0; }},
        StateCase{"no table row in work", [](const Tessomar& w) { return w.fs.EditRow == 0 && w.fs.FocusRow == 0; }},
        StateCase{"Acceleration focused", [](const Tessomar& w) { return w.focused() == &w.Acceleration; }},
        StateCase{"English captions",
                  [](const Tessomar& w) {
                      return w.AccelUnits.Caption == "g's pk" && w.VelUnits.Caption == "ips pk" &&
                             w.DispUnits.Caption == "in. p-p" && w.FreqUnits.Caption == "Hz" &&
                             w.FreqLbl.Caption == "Frequency";
                  }},
        StateCase{"Sine button lit",
                  [](const Tessomar& w) {
                      return w.SineButton.BackColor == 0xC0FFC0 && w.RandomButton.BackColor == 0xE0E0E0 &&
                             w.ShockButton.BackColor == 0xE0E0E0;
                  }},
        StateCase{"every help panel hidden",
                  [](const Tessomar& w) { return !w.SineHelp.Visible && !w.RanHelp.Visible && !w.ShockHelp.Visible; }},
        StateCase{"help texts in place",
                  [](const Tessomar& w) { return w.SineHelp.Text().size() == 496 && w.RanHelp.Text().size() == 947; }},
        StateCase{"pulse-shape button hidden", [](const Tessomar& w) { return !w.AccelButton.Visible; }},
        StateCase{"table buttons hidden", [](const Tessomar& w) { return !w.DelBut.Visible && !w.ClearBut.Visible; }},
        StateCase{"Sine window height", [](const Tessomar& w) { return w.Height == 4210.0f; }},
        StateCase{"activated once", [](const Tessomar& w) { return w.activations() == 1; }}),
    [](const auto& info) {
        std::string n = info.param.item;
        for (char& ch : n)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return n;
    });

// ---- Scenarios ----

TEST(Startup, FirstKeyTypedReplacesTheSelectedZero) {
    auto w = started();
    w->keyPress('5');
    EXPECT_EQ(w->Acceleration.Text(), "5");
}

TEST(Startup, ScrollBarCannotMoveBeforeTheFirstBreakPoint) {
    auto w = started();
    int changes = 0;
    w->Scroll.Change = [&] { ++changes; };
    w->Scroll.lineDown();
    w->Scroll.pageDown();
    EXPECT_EQ(w->Scroll.Value(), 1);
    EXPECT_EQ(changes, 0);
}

TEST(Startup, ActivationClearsWhateverTheWindowHeldBefore) {
    Tessomar w;
    w.twipsPerPixelX = 15.1f;
    w.load();
    w.fs.EnglishUnits = 0;
    w.fs.CalcMode = 3;
    w.fs.LastEntry = "A";
    w.fs.PriorEntry = "F";
    w.fs.SineAccel = 10;
    w.fs.SineVel = 3;
    w.fs.RandomGrms = 1.5f;
    w.fs.RandomDisp = 0.2f;
    w.fs.BkFreq[1] = 20;
    w.fs.BkPsd[1] = 0.04f;
    w.fs.BkFreq[51] = 9;
    w.fs.BkPsd[50] = 1;
    w.Acceleration.Locked = true;
    w.SineHelp.Visible = true;
    w.F[3].TabStop = true;
    w.activate();
    EXPECT_EQ(w.fs.EnglishUnits, -1);
    EXPECT_EQ(w.fs.CalcMode, 1);
    EXPECT_TRUE(w.fs.LastEntry.empty());
    EXPECT_TRUE(w.fs.PriorEntry.empty());
    EXPECT_EQ(w.fs.SineAccel, 0);
    EXPECT_EQ(w.fs.SineVel, 0);
    EXPECT_EQ(w.fs.RandomGrms, 0);
    EXPECT_EQ(w.fs.RandomDisp, 0);
    EXPECT_TRUE(allBreakPointsZero(w));
    EXPECT_EQ(w.Velocity.Text(), "0.0");
    EXPECT_EQ(w.DispUnits.Caption, "in. p-p");
    EXPECT_FALSE(w.Acceleration.Locked);
    EXPECT_FALSE(w.SineHelp.Visible);
    EXPECT_FALSE(w.F[3].TabStop);
    EXPECT_EQ(w.focused(), &w.Acceleration);
}

TEST(Startup, ReturningToTheWindowKeepsTheWorkDone) {
    auto w = started();
    w->Acceleration.setText("12");
    w->fs.SineAccel = 12;
    w->activate();
    EXPECT_EQ(w->Acceleration.Text(), "12");
    EXPECT_EQ(w->fs.SineAccel, 12);
}

struct HeightCase {
    float twipsPerPixel;
    float height;
};

class StartedHeightTest : public testing::TestWithParam<HeightCase> {};

TEST_P(StartedHeightTest, WindowTakesTheScaledSineHeight) {
    auto w = started(GetParam().twipsPerPixel);
    EXPECT_NEAR(w->Height, GetParam().height, 0.01);
    // The unit and help buttons stand inside the window.
    EXPECT_LT(w->HelpBut.Top + w->HelpBut.Height, w->Height);
}

INSTANTIATE_TEST_SUITE_P(Screens, StartedHeightTest,
                         testing::Values(HeightCase{15.1f, 4210.0f}, HeightCase{15.0f, 4182.12f},
                                         HeightCase{12.0f, 3345.70f}));

} // namespace
