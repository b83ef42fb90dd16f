// The mode selections, the pulse-shape switch, the unit buttons and the help
// panels: what each leaves on the screen.
#include "frame/user.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ModeCase {
    const char* name;
    float twipsPerPixel;
    const char* script; // see user::run
    const char* screen; // user::screen, then user::shown
};

class Modes : public testing::TestWithParam<ModeCase> {};

TEST_P(Modes, LeaveTheScreenOfTheMode) {
    user::Started w(GetParam().twipsPerPixel);
    user::run(w, GetParam().script);
    EXPECT_EQ(user::screen(w) + " " + user::shown(w), GetParam().screen);
}

const ModeCase kModes[] = {
    {"SineFromRandomHelpInMetricThenItsHelp", 12, "@MetricBut @RandomButton @HelpBut @SineButton @HelpBut @HelpBut",
     "1 L--|Half Sine Accl|Frequency|Hz|g's pk|mps pk|mm p-p -+++--+-- 4210/3885 3020 3020 3020 3340 3550 T T T T-T "
     "0.00|0.00|0.00|0.00 WWWW HelpBut"},
    {"SineByAccessKeyFromTerminalPeakEntries", 15.1f, "@ShockButton @AccelButton A5\r D5\r %S",
     "1 L--|Term Pk Accl|Frequency|Hz|g's pk|ips pk|in. p-p -+++----- 4210/3885 3020 3020 3020 3340 3550 T T T T-T "
     "0.00|0.0|0.000|0.00 WWWW SineButton"},
    {"ShockFromTerminalPeakHelpInMetric", 15.1f, "@MetricBut @ShockButton @AccelButton A5\r @HelpBut @ShockButton",
     "2 --L|Half Sine Accl|Duration|msec|g's pk|mps pk|mm p-p ++++----- 4210/3885 3020 3020 3020 3340 3550 T T T T-T "
     "0.00|0.00|0.00|0.00 WWWW ShockButton"},
    {"PulseShapeRecomputesTheEntries", 15.1f, "@ShockButton A10\r F10\r @AccelButton",
     "3FA --L|Term Pk Accl|Duration|msec|g's pk|ips pk|in. p-p ++++----- 4210/3885 3020 3020 3020 3340 3550 T T T T-T "
     "10.00|8.0|0.069|10.00 YWWG AccelButton"},
    {"RandomFromSineEntries", 15.1f, "A5\r F5\r @RandomButton",
     "0 -L-|Half Sine Accl|Frequency|Hz|g's rms|ips pk|in. p-p ----++--- 7470/7470 2645 2645 2645 3005 3220 L L L -TT "
     "0.00|0.0|0.000|5.00 WWWG F(0)*"},
    {"RandomFromShockHelpInMetricThenItsHelp", 12, "@MetricBut @ShockButton @HelpBut @RandomButton @HelpBut",
     "0 -L-|Half Sine Accl|Duration|msec|g's rms|mps pk|mm p-p ----++-+- 7470/7470 2645 2645 2645 3005 3220 L L L -TT "
     "0.00|0.00|0.00|0.00 WWWW HelpBut"},
    {"RandomAgainSelectsTheFirstFrequency", 15.1f, "@RandomButton F(0)2 @RandomButton",
     "0 -L-|Half Sine Accl|Frequency|Hz|g's rms|ips pk|in. p-p ----++--- 7470/7470 2645 2645 2645 3005 3220 L L L -TT "
     "0.00|0.0|0.000|0.00 WWWW F(0)*"},
    {"MetricShowsTheSineValuesInMetricUnits", 15.1f, "V10\r D0.5\r @MetricBut",
     "1DV L--|Half Sine Accl|Frequency|Hz|g's pk|mps pk|mm. p-p -+++----- 4210/3885 3020 3020 3020 3340 3550 T T T T-T "
     "1.04|0.25|12.70|6.37 WYGW MetricBut"},
    {"EnglishAfterMetricShowsTheSameTextsAndTakesEnglishEntries", 15.1f, "V10\r @MetricBut @EnglishBut D0.5\r",
     "1DV L--|Half Sine Accl|Frequency|Hz|g's pk|ips pk|in. p-p -+++----- 4210/3885 3020 3020 3020 3340 3550 T T T T-T "
     "1.04|10.0|0.500|6.37 WYGW Displacement*"},
    {"MetricInShockShowsTheShockValues", 15.1f, "@ShockButton V10\r D0.5\r @MetricBut",
     "2DV --L|Half Sine Accl|Duration|msec|g's pk|mps pk|mm. p-p ++++----- 4210/3885 3020 3020 3020 3340 3550 T T T "
     "T-T "
     "2.39|0.25|12.70|40.91 WYGW MetricBut"},
    {"MetricInRandomShowsTheRandomResults", 15.1f, "V10\r D0.5\r @RandomButton @MetricBut",
     "0 -L-|Half Sine Accl|Frequency|Hz|g's rms|mps pk|mm. p-p ----++--- 7470/7470 2645 2645 2645 3005 3220 L L L -TT "
     "0.00|0.00|0.00|6.37 WWWW MetricBut"},
    {"ShockHelpMakesTheWindowTaller", 12, "@ShockButton @AccelButton @HelpBut",
     "3 --L|Term Pk Accl|Duration|msec|g's pk|ips pk|in. p-p ++++----+ 7470/7470 3020 3020 3020 3340 3550 T T T T-T "
     "0.00|0.0|0.000|0.00 WWWW HelpBut"},
};
INSTANTIATE_TEST_SUITE_P(Screens, Modes, testing::ValuesIn(kModes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
