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
    std::vector<int> blanks; // leading blanks of each line
    const char *title, *lastLine;
};
class HelpTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(HelpTextTest, HasItsLengthIndentsCrLfBreaksAndOnlyLineFourEndsInABlank) {
    const TextCase& c = GetParam();
    const std::string text = c.text();
    EXPECT_EQ(text.size(), c.length);
    std::vector<std::string> lines;
    for (std::size_t from = 0, at = 0; at != std::string::npos; from = at + 2) {
        at = text.find("\r\n", from);
        lines.push_back(text.substr(from, at == std::string::npos ? at : at - from));
    }
    ASSERT_EQ(lines.size(), c.blanks.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        SCOPED_TRACE("line " + std::to_string(i + 1) + ": '" + line + "'");
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        EXPECT_EQ(static_cast<int>(line == " " ? 1 : line.find_first_not_of(' ')), c.blanks[i]);
        EXPECT_EQ(line != " " && line.back() == ' ', i == 3);
    }
    EXPECT_EQ(lines.front().substr(c.blanks[0]), c.title);
    EXPECT_EQ(lines.back(), c.lastLine);
}

INSTANTIATE_TEST_SUITE_P(Panels, HelpTextTest,
                         testing::Values(TextCase{tessomar::sineHelpText,
                                                  496,
                                                  {12, 1, 2, 5, 5, 2, 5, 2, 5, 5, 2, 5},
                                                  "Tessomar Sine Function Help",
                                                  "     parameter. 'Tab' to change parameters."},
                                         TextCase{tessomar::randomHelpText,
                                                  947,
                                                  {10, 1, 2, 5, 5, 1, 2, 5, 5, 1, 2, 5, 5,
                                                   5,  5, 5, 5, 1, 2, 5, 5, 1, 2, 5, 5, 5},
                                                  "Tessomar Random Function Help",
                                                  "     bar to move through the break point data."}));

struct ModeCase {
    void (*enter)(Tessomar&);
    const char* panel;
    float height; // design twips after Help; 0 keeps the mode's own height
};
class HelpButtonTest : public testing::TestWithParam<std::tuple<ModeCase, float>> {};

TEST_P(HelpButtonTest, ShowsTheModesPanelOnceAndAModeButtonClosesIt) {
    const auto& [mode, screen] = GetParam();
    auto w = modes_test::started(screen);
    const float k = modes_test::factorOf(screen);
    mode.enter(*w);
    const float before = w->Height;
    const tk::Control* focus = w->focused();
    for (int click = 0; click < 2; ++click) { // the second click changes nothing
        w->HelpBut_Click();
        std::string shown;
        for (const tk::Control* p : std::initializer_list<const tk::Control*>{&w->SineHelp, &w->RanHelp, &w->ShockHelp})
            if (p->Visible) shown += p->name();
        EXPECT_EQ(shown, mode.panel);
        EXPECT_NEAR(w->Height, mode.height == 0 ? before : mode.height * k, 0.01);
        EXPECT_EQ(w->focused(), focus);
    }
    w->click(w->ShockButton);
    EXPECT_FALSE(w->SineHelp.Visible || w->RanHelp.Visible || w->ShockHelp.Visible);
    EXPECT_NEAR(w->Height, 4210 * k, 0.01);
    EXPECT_EQ(w->AccelButton.Caption, "Half Sine Accl");
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
