// What every form tool gets from its base: a field's text read as one whole
// number or refused with its reason, results worked out as it is typed, and
// units that follow the main window.
#include "tools/tool_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tessomar::tools::Screen;
using tessomar::tools::TwoValues;

TEST(FormTool, AFieldIsOneWholeNumberInItsRangeOrSaysWhyNot) {
    const struct {
        const char* typed;
        const char* reason;
        const char* result; // with the other field's 1
    } cases[] = {
        {"100", "", "100.000000 1.000000"},
        {"1e3", "", "1000.000000 1.000000"},
        {"+7", "", "7.000000 1.000000"},
        {".5", "", "0.500000 1.000000"},
        {"12.5\r\n", "", "12.500000 1.000000"}, // a spreadsheet cell
        {"  80 ", "", "80.000000 1.000000"},
        {"", "Enter a value", nullptr},
        {"1,5", "Not a number", nullptr},
        {"12abc", "Not a number", nullptr},
        {"1e", "Not a number", nullptr},
        {"8 0", "Not a number", nullptr},
        {"\xE2\x88\x92"
         "3",
         "From 0.5 to 2000", nullptr}, // a word processor's minus is a minus
        {"2000.0001", "From 0.5 to 2000", nullptr},
        {"0.49", "From 0.5 to 2000", nullptr},
        {"1e999", "From 0.5 to 2000", nullptr},
    };
    Screen s;
    TwoValues form(s.w);
    for (const auto& c : cases) {
        form.setText(0, c.typed);
        EXPECT_EQ(form.fields()[0].text, c.typed);
        EXPECT_EQ(form.fields()[0].reason, c.reason) << c.typed;
        EXPECT_EQ(form.fields()[1].reason, "");
        if (c.result) {
            ASSERT_EQ(form.results().size(), 1u) << c.typed;
            EXPECT_EQ(form.results()[0], c.result);
        } else {
            EXPECT_TRUE(form.results().empty()) << c.typed;
        }
    }
}

TEST(FormTool, UnitsFollowTheMainWindow) {
    Screen s;
    TwoValues form(s.w);
    EXPECT_EQ(form.fields()[1].unit, "in");
    EXPECT_FALSE(form.follow());
    s.w.click(s.w.MetricBut);
    EXPECT_TRUE(form.follow());
    EXPECT_EQ(form.fields()[1].unit, "mm");
    EXPECT_EQ(form.fields()[0].reason, "Enter a value"); // worked out again, nothing typed yet
    s.w.click(s.w.EnglishBut);
    EXPECT_TRUE(form.follow());
    EXPECT_EQ(form.fields()[1].unit, "in");
}

} // namespace
