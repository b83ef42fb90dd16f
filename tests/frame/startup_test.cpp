#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

using tessomar::Tessomar;

struct StateCase {
    const char* item;
    std::function<bool(const Tessomar&)> holds;
};
class StartupTest : public testing::TestWithParam<StateCase> {};

// Activation from a window whose state is all wrong, so each item must be set.
TEST_P(StartupTest, ActivationSets) {
    Tessomar w;
    w.twipsPerPixelX = 12;
    w.load();
    w.fs = {1, 2, 3, 4, 5, 6, w.fs.ScaleFactor, 8, 0, 3, "A", "F", {}, {}, 0, 0, 0};
    w.fs.BkFreq.fill(9);
    w.fs.BkPsd.fill(9);
    w.fs.BkFreq[0] = w.fs.BkPsd[0] = 0;
    w.Acceleration.Locked = w.SineHelp.Visible = w.F[3].TabStop = w.DelBut.Visible = true;
    w.activate();
    EXPECT_TRUE(GetParam().holds(w)) << GetParam().item;
}

bool fieldsShow(const Tessomar& w, const char* a, const char* v, const char* d, const char* f) {
    return w.Acceleration.selectedText() == a && w.Velocity.selectedText() == v && w.Displacement.selectedText() == d &&
           w.Frequency.selectedText() == f && w.Frequency.Text() == f;
}

INSTANTIATE_TEST_SUITE_P(
    Items, StartupTest,
    testing::Values(StateCase{"English Sine, empty history",
                              [](auto& w) {
                                  return w.fs.EnglishUnits == -1 && w.fs.CalcMode == 1 && w.fs.LastEntry.empty() &&
                                         w.fs.PriorEntry.empty() && w.DispUnits.Caption == "in. p-p";
                              }},
                    StateCase{"values 0",
                              [](auto& w) {
                                  return w.fs.SineAccel == 0 && w.fs.SineVel == 0 && w.fs.SineDisp == 0 &&
                                         w.fs.SineFreq == 0 && w.fs.RandomGrms == 0 && w.fs.RandomVel == 0 &&
                                         w.fs.RandomDisp == 0;
                              }},
                    StateCase{"fields wholly selected",
                              [](auto& w) {
                                  return fieldsShow(w, "0.00", "0.0", "0.000", "0.00") &&
                                         w.focused() == &w.Acceleration;
                              }},
                    StateCase{"break points 0",
                              [](auto& w) {
                                  for (std::size_t k = 0; k <= 51; ++k)
                                      if (w.fs.BkFreq[k] != 0 || w.fs.BkPsd[k] != 0) return false;
                                  return true;
                              }},
                    StateCase{"table rows",
                              [](auto& w) {
                                  for (int i = 0; i < tessomar::kRows; ++i)
                                      if (w.B[i].Text() != "0" + std::to_string(i + 1) || w.F[i].Text() != "0.00" ||
                                          w.A[i].Text() != "0.000000" || w.canTakeFocus(w.F[i]))
                                          return false;
                                  return w.Scroll.Min() == 1 && w.Scroll.Max() == 1 && w.Scroll.Value() == 1;
                              }},
                    StateCase{"Sine screen",
                              [](auto& w) {
                                  return !w.Acceleration.Locked && !w.SineHelp.Visible && !w.F[3].TabStop &&
                                         !w.DelBut.Visible && w.SineButton.BackColor == 0xC0FFC0 &&
                                         std::abs(w.Height - 3345.70f) < 0.01f;
                              }},
                    StateCase{"help texts", [](auto& w) {
                                  return w.SineHelp.Text().size() == 496 && w.RanHelp.Text().size() == 947;
                              }}));

TEST(Startup, FirstKeyTypedReplacesTheSelectedZero) {
    Tessomar w;
    w.load();
    w.activate();
    w.keyPress('5');
    EXPECT_EQ(w.Acceleration.Text(), "5");
}

} // namespace
