// The Sweep and Sine profile forms: values typed as texts, results shown as
// texts. The figures are worked out by hand from the closed forms: a
// logarithmic sweep takes log2(f2/f1) / R and holds (f2 - f1) / (R ln 2)
// cycles; at a crossover (2 pi f)^2 D/2 = A g with g = 386.088 in/s^2.
#include "tools/sine_profile.h"
#include "tools/tool_fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tessomar::tools::FormTool;
using tessomar::tools::Screen;
using Lines = std::vector<std::string>;

void type(FormTool& form, const std::vector<const char*>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) form.setText(i, texts[i]);
}

std::string reasons(const FormTool& form) {
    std::string out;
    for (const auto& f : form.fields())
        if (!f.reason.empty()) out += f.name + ": " + f.reason + ";";
    return out;
}

TEST(SweepForm, WorksOutTheSweepFromARateOrATime) {
    const struct {
        const char *from, *to, *rate;
        int rateUnit; // oct/min, oct/s, Hz/s, Hz/min
        const char* time;
        int timeUnit, linear;
        const char* sweeps;
        Lines shown;
    } cases[] = {
        {"10",
         "1000",
         "2",
         0,
         "",
         1,
         0,
         "",
         {"Octaves: 6.644", "Rate (logarithmic): 2 oct/min, 0.03333 oct/s", "One sweep: 199.3 s, 3.32 min",
          "Cycles in a sweep: 42848"}},
        {"5",
         "200",
         "",
         0,
         "10",
         1,
         0,
         "",
         {"Octaves: 5.322", "Rate (logarithmic): 0.5322 oct/min, 0.00887 oct/s", "One sweep: 600 s, 10 min",
          "Cycles in a sweep: 31717"}},
        {"10",
         "100",
         "0.5",
         2,
         "",
         1,
         0,
         "",
         {"Octaves: 3.322", "Rate (linear): 0.5 Hz/s, 30 Hz/min", "One sweep: 180 s, 3 min",
          "Cycles in a sweep: 9900"}},
        // The same sweep from its time: a linear sweep of 3 min is 0.5 Hz/s.
        {"10",
         "100",
         "",
         0,
         " 3\r\n",
         1,
         1,
         "",
         {"Octaves: 3.322", "Rate (linear): 0.5 Hz/s, 30 Hz/min", "One sweep: 180 s, 3 min",
          "Cycles in a sweep: 9900"}},
        {"20",
         "2000",
         "1",
         0,
         "",
         1,
         0,
         "10",
         {"Octaves: 6.644", "Rate (logarithmic): 1 oct/min, 0.01667 oct/s", "One sweep: 398.6 s, 6.64 min",
          "Cycles in a sweep: 171392", "10 sweeps (5 sweep cycles): 3986 s, 66.4 min, 1:06:26",
          "Cycles in 10 sweeps: 1713922", "A sweep is one pass from end to end; a sweep cycle, up and down, is two."}},
    };
    Screen s;
    for (const auto& c : cases) {
        tessomar::tools::Sweep form(s.w);
        form.setChoice(2, c.rateUnit);
        form.setChoice(3, c.timeUnit);
        form.setChoice(4, c.linear);
        type(form, {c.from, c.to, c.rate, c.time, "", c.sweeps});
        EXPECT_EQ(reasons(form), "") << c.from << "-" << c.to;
        EXPECT_EQ(form.results(), c.shown) << c.from << "-" << c.to;
    }
}

TEST(SweepForm, RefusesEachBadValueBesideItsField) {
    const struct {
        std::vector<const char*> typed; // from, to, rate, time, -, sweeps
        const char* reasons;
    } cases[] = {
        {{"1000", "10", "2", "", "", ""}, "To: Must be above From;"},
        {{"10", "1000", "", "", "", ""}, "Rate: Enter a rate or a time;"},
        {{"10", "1000", "2", "5", "", ""}, "Time: A rate or a time, not both;"},
        {{"10", "1000", "0", "", "", ""}, "Rate: From 0.001 to 10000;"},
        {{"10", "1000", "2 oct/min", "", "", ""}, "Rate: Not a number;"},
        {{"10", "1000", "2", "", "", "2.5"}, "Sweeps: A whole number;"},
        {{"0", "1000", "", "-1", "", "0"},
         "From: From 0.01 to 50000;Time: From 0.001 to 10000;Sweeps: From 1 to 10000;"},
    };
    Screen s;
    for (const auto& c : cases) {
        tessomar::tools::Sweep form(s.w);
        type(form, c.typed);
        EXPECT_EQ(reasons(form), c.reasons) << c.typed[2];
        EXPECT_TRUE(form.results().empty()) << c.reasons;
    }
}

TEST(SineProfileForm, ShowsSegmentsCrossoversAndPeaksInTheMainWindowsUnits) {
    const struct {
        bool metric;
        std::vector<const char*> typed; // from, to, D, V, A
        const char* units;              // of D and V
        Lines shown;
    } cases[] = {
        {false,
         {"5", "500", "0.5", "", "5"},
         "in p-p ips pk",
         {"5 to 13.99 Hz: displacement, D 0.5 in p-p", "13.99 to 500 Hz: acceleration, A 5 g pk",
          "Crossover at 13.99 Hz: displacement to acceleration", "Peak acceleration: 5 g pk",
          "Peak velocity: 21.97 ips pk", "Peak displacement: 0.5 in p-p"}},
        // The same test in millimetres.
        {true,
         {"5", "500", "12.7", " ", "5"},
         "mm p-p m/s pk",
         {"5 to 13.99 Hz: displacement, D 12.7 mm p-p", "13.99 to 500 Hz: acceleration, A 5 g pk",
          "Crossover at 13.99 Hz: displacement to acceleration", "Peak acceleration: 5 g pk",
          "Peak velocity: 0.558 m/s pk", "Peak displacement: 12.7 mm p-p"}},
        {true,
         {"2", "200", "25", "0.5", "3"},
         "mm p-p m/s pk",
         {"2 to 6.366 Hz: displacement, D 25 mm p-p", "6.366 to 9.365 Hz: velocity, V 0.5 m/s pk",
          "9.365 to 200 Hz: acceleration, A 3 g pk", "Crossover at 6.366 Hz: displacement to velocity",
          "Crossover at 9.365 Hz: velocity to acceleration", "Peak acceleration: 3 g pk", "Peak velocity: 0.5 m/s pk",
          "Peak displacement: 25 mm p-p"}},
        // One limit is a constant-g sweep, the most motion at its start.
        {false,
         {"5", "500", "", "", "5"},
         "in p-p ips pk",
         {"5 to 500 Hz: acceleration, A 5 g pk", "No crossover in the sweep.", "Peak acceleration: 5 g pk",
          "Peak velocity: 61.45 ips pk", "Peak displacement: 3.912 in p-p"}},
        {false,
         {"5", "500", "0.5", "100", "5"},
         "in p-p ips pk",
         {"5 to 13.99 Hz: displacement, D 0.5 in p-p", "13.99 to 500 Hz: acceleration, A 5 g pk",
          "Crossover at 13.99 Hz: displacement to acceleration", "V 100 ips pk governs nowhere in the sweep.",
          "Peak acceleration: 5 g pk", "Peak velocity: 21.97 ips pk", "Peak displacement: 0.5 in p-p"}},
    };
    for (const auto& c : cases) {
        Screen s;
        if (c.metric) s.w.click(s.w.MetricBut);
        tessomar::tools::SineProfile form(s.w);
        type(form, c.typed);
        EXPECT_EQ(form.fields()[2].unit + " " + form.fields()[3].unit, c.units);
        EXPECT_EQ(reasons(form), "") << c.typed[2];
        EXPECT_EQ(form.results(), c.shown) << c.typed[2];
    }
}

TEST(SineProfileForm, RefusesBadLimitsAndAsksForOne) {
    const struct {
        bool metric;
        std::vector<const char*> typed;
        const char *reasons, *result;
    } cases[] = {
        {false, {"5", "500", "abc", "", "5"}, "Displacement: Not a number;", nullptr},
        {true, {"5", "500", "3000", "", "5"}, "Displacement: From 0.01 to 2500;", nullptr},
        {false,
         {"5", "500", "0.5", "2000", "0"},
         "Velocity: From 0.01 to 1000;Acceleration: From 0.001 to 10000;",
         nullptr},
        {false, {"5", "5", "0.5", "", ""}, "To: Must be above From;", nullptr},
        {false,
         {"5", "500", "", "", ""},
         "",
         "Enter at least one limit: a displacement, a velocity or an acceleration."},
    };
    for (const auto& c : cases) {
        Screen s;
        if (c.metric) s.w.click(s.w.MetricBut);
        tessomar::tools::SineProfile form(s.w);
        type(form, c.typed);
        EXPECT_EQ(reasons(form), c.reasons);
        EXPECT_EQ(form.results(), c.result ? Lines{c.result} : Lines{}) << c.reasons;
    }
}

} // namespace
