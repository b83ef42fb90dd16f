// The Sweep and Sine profile forms: values typed as texts, what they show as
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

// Types each field's text; answers each refusal with its field, then the results.
std::string shown(FormTool& form, const std::vector<const char*>& typed) {
    for (std::size_t i = 0; i < typed.size(); ++i) form.setText(i, typed[i]);
    std::string out;
    for (const auto& f : form.fields())
        if (!f.reason.empty()) out += f.name + ": " + f.reason + ";";
    for (const auto& line : form.results()) out += (out.empty() ? "" : "; ") + line;
    return out;
}

TEST(SweepForm, ShowsTheSweepFromARateOrATimeOrWhyNot) {
    const struct {
        std::vector<std::size_t> picks; // the rate's unit, the time's unit, the timed sweep's spacing
        std::vector<const char*> typed; // from, to, rate, time, (spacing), sweeps
        const char* shown;
    } cases[] = {
        {{0, 1, 0},
         {"10", "1000", "2", "", "", ""},
         "Octaves: 6.644; Rate (logarithmic): 2 oct/min, 0.03333 oct/s; One sweep: 199.3 s, 3.32 min; "
         "Cycles in a sweep: 42848"},
        {{0, 1, 0},
         {"5", "200", "", "10", "", ""},
         "Octaves: 5.322; Rate (logarithmic): 0.5322 oct/min, 0.00887 oct/s; One sweep: 600 s, 10 min; Cycles in a "
         "sweep: 31717"},
        // 90 Hz in 0.05 h is 0.5 Hz/s, at a mean of 55 Hz.
        {{0, 2, 1},
         {"10", "100", "", " 0.05\r\n", "", ""},
         "Octaves: 3.322; Rate (linear): 0.5 Hz/s, 30 Hz/min; One sweep: 180 s, 3 min; Cycles in a sweep: 9900"},
        {{0, 1, 0},
         {"20", "2000", "1", "", "", "10"},
         "Octaves: 6.644; Rate (logarithmic): 1 oct/min, 0.01667 oct/s; One sweep: 398.6 s, 6.64 min; Cycles in a "
         "sweep: 171392; 10 sweeps (5 sweep cycles): 3986 s, 66.4 min, 1:06:26; Cycles in 10 sweeps: 1713922; A "
         "sweep is one pass from end to end; a sweep cycle, up and down, is two."},
        {{0, 1, 0}, {"1000", "10", "2", "", "", ""}, "To: Must be above From;"},
        {{0, 1, 0}, {"10", "1000", "", "", "", ""}, "Rate: Enter a rate or a time;"},
        {{0, 1, 0}, {"10", "1000", "2", "5", "", ""}, "Time: A rate or a time, not both;"},
        {{0, 1, 0},
         {"0", "1000", "2 oct/min", "", "", "2.5"},
         "From: From 0.01 to 50000;Rate: Not a number;Sweeps: A whole number;"},
    };
    Screen s;
    for (const auto& c : cases) {
        tessomar::tools::Sweep form(s.w);
        for (std::size_t i = 0; i < c.picks.size(); ++i) form.setChoice(2 + i, c.picks[i]);
        EXPECT_EQ(shown(form, c.typed), c.shown);
    }
}

TEST(SineProfileForm, ShowsSegmentsCrossoversAndPeaksInTheMainWindowsUnits) {
    const struct {
        bool metric;
        std::vector<const char*> typed; // from, to, D, V, A
        const char* shown;
    } cases[] = {
        {false,
         {"5", "500", "0.5", "100", "5"},
         "5 to 13.99 Hz: displacement, D 0.5 in p-p; 13.99 to 500 Hz: acceleration, A 5 g pk; Crossover at 13.99 "
         "Hz: displacement to acceleration; V 100 ips pk governs nowhere in the sweep.; Peak acceleration: 5 g pk; "
         "Peak velocity: 21.97 ips pk; Peak displacement: 0.5 in p-p"},
        {true,
         {"2", "200", "25", "0.5", "3"},
         "2 to 6.366 Hz: displacement, D 25 mm p-p; 6.366 to 9.365 Hz: velocity, V 0.5 m/s pk; 9.365 to 200 Hz: "
         "acceleration, A 3 g pk; Crossover at 6.366 Hz: displacement to velocity; Crossover at 9.365 Hz: velocity "
         "to acceleration; Peak acceleration: 3 g pk; Peak velocity: 0.5 m/s pk; Peak displacement: 25 mm p-p"},
        {true,
         {"5", "5", "3000", "abc", "0"},
         "To: Must be above From;Displacement: From 0.01 to 2500;Velocity: Not a number;Acceleration: From 0.001 to "
         "10000;"},
        {false, {"5", "500", "", "", ""}, "Enter at least one limit: a displacement, a velocity or an acceleration."},
    };
    for (const auto& c : cases) {
        Screen s;
        if (c.metric) s.w.click(s.w.MetricBut);
        tessomar::tools::SineProfile form(s.w);
        EXPECT_EQ(shown(form, c.typed), c.shown);
        EXPECT_EQ(form.fields()[3].unit, c.metric ? "m/s pk" : "ips pk");
    }
}

} // namespace
