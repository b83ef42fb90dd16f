#include "modes/help_texts.h"
#include "modes/started_window.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using modes_test::factorOf;
using modes_test::started;
using tessomar::Tessomar;

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
        lines.push_back(text.substr(from, at - from));
    lines.push_back(text.substr(from));
    return lines;
}

// ---- The texts ----

struct TextCase {
    const char* name;
    std::string (*text)();
    std::size_t length;
    std::vector<int> blanks; // leading blanks of each line
    const char* title;
    const char* lastLine;
};

class HelpTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(HelpTextTest, HasItsExactLengthWithCrLfBreaksAndNoTrailingBreak) {
    const std::string text = GetParam().text();
    EXPECT_EQ(text.size(), GetParam().length);
    EXPECT_NE(text.substr(text.size() - 2), "\r\n");
    // Every CR is followed by LF and every LF preceded by CR.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            EXPECT_EQ(text[i + 1], '\n') << "at " << i;
        }
        if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at " << i;
        }
    }
}

TEST_P(HelpTextTest, EachLineHasItsIndent) {
    const std::vector<std::string> lines = splitCrLf(GetParam().text());
    const std::vector<int>& blanks = GetParam().blanks;
    ASSERT_EQ(lines.size(), blanks.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t indent = lines[i].find_first_not_of(' ');
        const int leading = indent == std::string::npos ? static_cast<int>(lines[i].size()) : static_cast<int>(indent);
        EXPECT_EQ(leading, blanks[i]) << "line " << i + 1 << ": '" << lines[i] << "'";
    }
}

TEST_P(HelpTextTest, OnlyTheFourthLineEndsWithABlank) {
    const std::vector<std::string> lines = splitCrLf(GetParam().text());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i] == " ") continue; // a blank line is one blank
        EXPECT_EQ(lines[i].back() == ' ', i == 3) << "line " << i + 1 << ": '" << lines[i] << "'";
        EXPECT_NE(lines[i].substr(lines[i].size() - 2), "  ") << "line " << i + 1;
    }
}

TEST_P(HelpTextTest, StartsWithItsTitleAndEndsWithItsLastLine) {
    const std::vector<std::string> lines = splitCrLf(GetParam().text());
    EXPECT_EQ(lines.front().substr(lines.front().find_first_not_of(' ')), GetParam().title);
    EXPECT_EQ(lines.back(), GetParam().lastLine);
}

INSTANTIATE_TEST_SUITE_P(Panels, HelpTextTest,
                         testing::Values(TextCase{"Sine",
                                                  tessomar::sineHelpText,
                                                  496,
                                                  {12, 1, 2, 5, 5, 2, 5, 2, 5, 5, 2, 5},
                                                  "Tessomar Sine Function Help",
                                                  "     parameter. 'Tab' to change parameters."},
                                         TextCase{"Random",
                                                  tessomar::randomHelpText,
                                                  947,
                                                  {10, 1, 2, 5, 5, 1, 2, 5, 5, 1, 2, 5, 5,
                                                   5,  5, 5, 5, 1, 2, 5, 5, 1, 2, 5, 5, 5},
                                                  "Tessomar Random Function Help",
                                                  "     bar to move through the break point data."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HelpText, PanelsReceiveTheirTextsAtActivation) {
    auto w = started();
    EXPECT_EQ(w->SineHelp.Text(), tessomar::sineHelpText());
    EXPECT_EQ(w->RanHelp.Text(), tessomar::randomHelpText());
    EXPECT_TRUE(w->SineHelp.Locked);
    EXPECT_TRUE(w->RanHelp.Locked);
    EXPECT_TRUE(w->SineHelp.MultiLine);
}

TEST(HelpText, SpotLinesReadAsWritten) {
    const std::vector<std::string> sine = splitCrLf(tessomar::sineHelpText());
    EXPECT_EQ(sine[3], "     velocity, displacement, and frequency ");
    EXPECT_EQ(sine[9], "     (prior).  The white numbers are calculated.");
    const std::vector<std::string> random = splitCrLf(tessomar::randomHelpText());
    EXPECT_EQ(random[3], "     eration, velocity, and displacement of a ");
    EXPECT_EQ(random[11], "     any order.  Tessomar sorts the break points");
    EXPECT_EQ(random[20], "     'Clear All' button clears all of the points.");
}

// ---- The Help button ----

struct ModeCase {
    const char* name;
    void (*enter)(Tessomar&);
    const char* panel;
    float heightAfter; // design twips; 0 means the height the mode already had
};

const ModeCase kModes[] = {
    {"Sine", [](Tessomar&) {}, "SineHelp", 4210},
    {"HalfSine", [](Tessomar& w) { w.click(w.ShockButton); }, "ShockHelp", 7470},
    {"TerminalPeak",
     [](Tessomar& w) {
         w.click(w.ShockButton);
         w.click(w.AccelButton);
     },
     "ShockHelp", 7470},
    // The Random screen without its handler: only the mode matters here.
    {"Random",
     [](Tessomar& w) {
         w.fs.CalcMode = 0;
         w.Height = 7470 * w.fs.ScaleFactor;
     },
     "RanHelp", 0},
};

class HelpButtonTest : public testing::TestWithParam<std::tuple<ModeCase, float>> {
protected:
    void SetUp() override {
        w = started(std::get<1>(GetParam()));
        k = factorOf(std::get<1>(GetParam()));
        std::get<0>(GetParam()).enter(*w);
        heightBefore = w->Height;
    }
    std::vector<const tk::Control*> shownPanels() const {
        std::vector<const tk::Control*> shown;
        for (const tk::Control* p :
             {static_cast<const tk::Control*>(&w->SineHelp), static_cast<const tk::Control*>(&w->RanHelp),
              static_cast<const tk::Control*>(&w->ShockHelp)})
            if (p->Visible) shown.push_back(p);
        return shown;
    }
    std::unique_ptr<Tessomar> w;
    float k = 1;
    float heightBefore = 0;
};

TEST_P(HelpButtonTest, ShowsOnlyTheCurrentModesPanel) {
    w->click(w->HelpBut);
    const auto shown = shownPanels();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front()->name(), std::get<0>(GetParam()).panel);
}

TEST_P(HelpButtonTest, GivesTheWindowTheHeightThePanelNeeds) {
    w->click(w->HelpBut);
    const float after = std::get<0>(GetParam()).heightAfter;
    EXPECT_NEAR(w->Height, after == 0 ? heightBefore : after * k, 0.01);
    const tk::Control& panel = *shownPanels().front();
    EXPECT_LE(panel.Top + panel.Height, w->Height);
}

TEST_P(HelpButtonTest, SecondClickChangesNothing) {
    w->click(w->HelpBut);
    const float height = w->Height;
    const auto shown = shownPanels();
    const tessomar::FormState before = w->fs;
    w->click(w->HelpBut);
    EXPECT_EQ(w->Height, height);
    EXPECT_EQ(shownPanels(), shown);
    EXPECT_EQ(w->fs.CalcMode, before.CalcMode);
}

TEST_P(HelpButtonTest, PanelLiesOverWhatItCovers) {
    w->click(w->HelpBut);
    const tk::Control& panel = *shownPanels().front();
    for (const tk::Control* c :
         {static_cast<const tk::Control*>(&w->Acceleration), static_cast<const tk::Control*>(&w->Velocity),
          static_cast<const tk::Control*>(&w->Displacement), static_cast<const tk::Control*>(&w->Frequency),
          static_cast<const tk::Control*>(&w->EnglishBut), static_cast<const tk::Control*>(&w->MetricBut),
          static_cast<const tk::Control*>(&w->HelpBut)}) {
        SCOPED_TRACE(c->name());
        EXPECT_LT(panel.zOrder, c->zOrder);
        EXPECT_LE(panel.Left, c->Left);
        EXPECT_LE(panel.Top, c->Top);
        EXPECT_GE(panel.Left + panel.Width, c->Left + c->Width - 0.01f);
        EXPECT_GE(panel.Top + panel.Height, c->Top + c->Height);
    }
    // The pulse-shape button pokes out a pixel to the left; it stays behind.
    EXPECT_LT(panel.zOrder, w->AccelButton.zOrder);
    // The mode buttons stay uncovered, so the user can close the panel.
    EXPECT_GE(panel.Top, w->SineButton.Top + w->SineButton.Height);
}

TEST_P(HelpButtonTest, ModeButtonClosesThePanel) {
    w->click(w->HelpBut);
    w->click(w->SineButton);
    EXPECT_TRUE(shownPanels().empty());
    EXPECT_NEAR(w->Height, 4210 * k, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Modes, HelpButtonTest,
                         testing::Combine(testing::ValuesIn(kModes),
                                          testing::Values(modes_test::kDesignScreen, modes_test::kScreen96,
                                                          modes_test::kScreen120)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::to_string(static_cast<int>(std::get<1>(info.param) * 10));
                         });

TEST(HelpButton, ShockButtonClosesTheShockPictureAndResets) {
    auto w = started(modes_test::kScreen120);
    w->click(w->ShockButton);
    w->click(w->AccelButton);
    w->fs.SineAccel = 10;
    w->fs.SineFreq = 10;
    w->fs.LastEntry = "F";
    w->fs.PriorEntry = "A";
    w->click(w->HelpBut);
    ASSERT_TRUE(w->ShockHelp.Visible);
    w->click(w->ShockButton);
    EXPECT_FALSE(w->ShockHelp.Visible);
    EXPECT_NEAR(w->Height, 4210 * 0.7947020f, 0.01);
    EXPECT_EQ(w->AccelButton.Caption, "Half Sine Accl");
    EXPECT_EQ(w->fs.CalcMode, 2);
    EXPECT_EQ(w->fs.SineAccel, 0);
    EXPECT_EQ(w->fs.SineFreq, 0);
    EXPECT_TRUE(w->fs.LastEntry.empty());
    EXPECT_EQ(w->Acceleration.Text(), "0.00");
    EXPECT_EQ(w->Frequency.Text(), "0.00");
}

TEST(HelpButton, RunByCodeLeavesTheFocusAlone) {
    auto w = started();
    ASSERT_EQ(w->focused(), &w->Acceleration);
    w->HelpBut_Click();
    EXPECT_EQ(w->focused(), &w->Acceleration);
}

TEST(HelpButton, UnknownModeShowsTheRandomPanel) {
    auto w = started();
    w->fs.CalcMode = 7;
    w->HelpBut_Click();
    EXPECT_TRUE(w->RanHelp.Visible);
    EXPECT_FALSE(w->SineHelp.Visible);
    EXPECT_EQ(w->Height, 4210.0f);
}

} // namespace
