#include "modes/help_texts.h"
#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using tessomar::Tessomar;

struct TextCase {
    std::string (*text)();
    std::size_t length;
    const char *blanks, *title, *lastLine; // blanks: the leading blanks of each line
};
class HelpTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(HelpTextTest, HasItsLengthIndentsCrLfBreaksAndOnlyLineFourEndsInABlank) {
    const TextCase& c = GetParam();
    const std::string text = c.text();
    EXPECT_EQ(text.size(), c.length);
    std::vector<std::string> lines;
    std::string blanks;
    for (std::size_t from = 0, at = 0; at != std::string::npos; from = at + 2) {
        at = text.find("\r\n", from);
        const std::string& line = lines.emplace_back(text.substr(from, at == std::string::npos ? at : at - from));
        SCOPED_TRACE("line " + std::to_string(lines.size()) + ": '" + line + "'");
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        EXPECT_EQ(line != " " && line.back() == ' ', lines.size() == 4);
        blanks += (blanks.empty() ? "" : " ") + std::to_string(line == " " ? 1 : line.find_first_not_of(' '));
    }
    EXPECT_EQ(blanks, c.blanks);
    EXPECT_EQ(lines.front().substr(lines.front().find_first_not_of(' ')), c.title);
    EXPECT_EQ(lines.back(), c.lastLine);
}

const TextCase kTexts[] = {
    {tessomar::sineHelpText, 496, "12 1 2 5 5 2 5 2 5 5 2 5", "Tessomar Sine Function Help",
     "     parameter. 'Tab' to change parameters."},
    {tessomar::randomHelpText, 947, "10 1 2 5 5 1 2 5 5 1 2 5 5 5 5 5 5 1 2 5 5 1 2 5 5 5",
     "Tessomar Random Function Help", "     bar to move through the break point data."},
};
INSTANTIATE_TEST_SUITE_P(Panels, HelpTextTest, testing::ValuesIn(kTexts));

struct ModeCase {
    void (*enter)(Tessomar&);
    const char* panel;
    float height; // design twips after Help; 0 keeps the mode's own height
};
class HelpButtonTest : public testing::TestWithParam<std::tuple<ModeCase, float>> {};

TEST_P(HelpButtonTest, ShowsTheModesPanelOnceAndKeepsTheFocus) {
    const auto& [mode, screen] = GetParam();
    auto w = modes_test::started(screen);
    const float k = modes_test::factorOf(screen);
    mode.enter(*w);
    const float before = w->Height;
    const tk::Control* focus = w->focused();
    for (int click = 0; click < 2; ++click) { // the second click changes nothing
        w->HelpBut_Click();
        EXPECT_EQ(std::string(w->SineHelp.Visible ? "SineHelp" : "") + (w->RanHelp.Visible ? "RanHelp" : "") +
                      (w->ShockHelp.Visible ? "ShockHelp" : ""),
                  mode.panel);
        EXPECT_NEAR(w->Height, mode.height == 0 ? before : mode.height * k, 0.01);
        EXPECT_EQ(w->focused(), focus);
    }
}

const ModeCase kModes[] = {
    {[](Tessomar&) {}, "SineHelp", 4210},
    {[](Tessomar& w) { w.click(w.ShockButton); }, "ShockHelp", 7470},
    {[](Tessomar& w) { w.click(w.ShockButton), w.click(w.AccelButton); }, "ShockHelp", 7470},
    {[](Tessomar& w) { w.click(w.RandomButton); }, "RanHelp", 0},
};
INSTANTIATE_TEST_SUITE_P(Modes, HelpButtonTest,
                         testing::Combine(testing::ValuesIn(kModes),
                                          testing::Values(modes_test::kDesignScreen, modes_test::kScreen120)));

} // namespace
