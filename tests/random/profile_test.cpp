// Profiles read from text.
#include "random/profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace profile = tessomar::profile;

struct ReadCase {
    const char* text;
    std::vector<profile::Point> points; // when taken
    int dataLines;
    const char* error; // "" when taken
    int line;
};

TEST(ProfileReader, TakesPointsAndBandsAndRefusesWithTheLineAtFault) {
    const ReadCase cases[] = {
        {"20\t0.01\n2000\t0.01", {{20, 0.01}, {2000, 0.01}}, 2, "", 0},
        {"Frequency, PSD\n20, 0.01\r\n\n2000; 0.02 g2/Hz", {{20, 0.01}, {2000, 0.02}}, 2, "", 0},
        {"20 Hz 0.01 g\xC2\xB2/Hz\n80 - 350 HZ 0.04 G^2/hz\n350 0.04", {{20, 0.01}, {80, 0.04}, {350, 0.04}}, 3, "", 0},
        {"20\xE2\x80\x93"
         "80 Hz +3 dB/oct\n80-350 Hz 0.04\n350-2000 Hz -3 db/octave",
         {{20, 0.0100475457}, {80, 0.04}, {350, 0.04}, {2000, 0.0070418706}},
         3,
         "",
         0},
        {"20-50 +6 dB/oct\n50-100 +3 dB/oct\n100 0.1\n100 0.2\n100-200 -3 dB/oct",
         {{20, 0.0080694353}, {50, 0.0501187234}, {100, 0.1}, {100, 0.2}, {200, 0.1002374467}},
         5,
         "",
         0},
        {"20 0.026\n20-50 Hz +6 dB/oct\n50-800 0.16\n800 0.16\n800 0.02",
         {{20, 0.026}, {50, 0.16}, {800, 0.16}, {800, 0.02}},
         5,
         "",
         0},
        {"No.\tFrequency (Hz)\tPSD (g\xC2\xB2/Hz)\n01\t20.00\t0.010000\t3.01\t5.0\n02\t80.00\t0.040000\t\t\ng "
         "rms\t6.06",
         {{20, 0.01}, {80, 0.04}},
         2,
         "",
         0},
        {"20 0.01\n30 abc\n40 0.01", {}, 2, "line reads as nothing", 2},
        {"20,5 0.01\n30 0.01", {}, 1, "line reads as nothing", 1},
        {"20Hz 0.01\n30 0.01", {}, 1, "line reads as nothing", 1},
        {"20-80 +3 dB/oct\n100-200 0.04", {}, 2, "slope not anchored to a level", 1},
        {"20 0.01\n25000 0.01", {}, 2, "frequency above 20000 Hz", 2},
        {"0.001 0.01\n20 0.01", {}, 2, "frequency below 0.01 Hz", 1},
        {"20 0\n30 0.01", {}, 2, "PSD must be above 0", 1},
        {"20 0.0000005", {}, 1, "PSD below 0.000001 g\xC2\xB2/Hz", 1},
        {"20 2000\n", {}, 1, "PSD above 1000 g\xC2\xB2/Hz", 1},
        {"350-80 0.04", {}, 1, "band end not above its start", 1},
        {"20 0.01\n20-20000 +30 dB/oct", {}, 2, "slope takes PSD above 1000 g\xC2\xB2/Hz", 2},
        {"Frequency\tPSD\n", {}, 0, "no break points", 0},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.text);
        const profile::Profile p = profile::read(c.text);
        EXPECT_EQ(p.error, c.error);
        EXPECT_EQ(p.errorLine, c.line);
        EXPECT_EQ(p.dataLines, c.dataLines);
        ASSERT_EQ(p.points.size(), c.points.size());
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(p.points[i].freq, c.points[i].freq);
            EXPECT_NEAR(p.points[i].psd, c.points[i].psd, c.points[i].psd * 1e-8);
        }
    }
}

} // namespace
