// Profiles read from text, and what a paste into a box of the table or a
// sine field holds.
#include "calc/profile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

namespace profile = tessomar::profile;

// The reader on its own, and the two boxes a paste can go into.
enum class Via { Read, Table, Field };

// "Points", "Points verbatim", "Value 0.01", "Nothing" or "Refused LINE ERROR".
std::string through(Via via, const std::string& text, std::vector<profile::Point>* points = nullptr) {
    profile::Paste p;
    if (via == Via::Read) {
        const profile::Profile r = profile::read(text);
        p = {r.ok() ? profile::Paste::Kind::Points : profile::Paste::Kind::Refused,
             "",
             r.points,
             false,
             r.error,
             r.errorLine};
    } else {
        p = via == Via::Table ? profile::readTablePaste(text) : profile::readFieldPaste(text);
    }
    if (points) *points = p.points;
    const std::string kinds[] = {"Nothing", "Value ", "Points", "Refused "};
    const std::string s = kinds[static_cast<int>(p.kind)] + p.value + (p.verbatim ? " verbatim" : "");
    return p.kind == profile::Paste::Kind::Refused ? s + std::to_string(p.errorLine) + " " + p.error : s;
}

// A level moved along a slope by so many dB.
double dB(double level, double db) { return level * std::pow(10, db / 10); }

const std::string kCopyHead = "No.\tFrequency (Hz)\tPSD (g\u00b2/Hz)\tSlope (dB/oct)\tShare of g\u00b2 (%)\n";
const std::string kCopyTail = "Acceleration (g's rms)\t0.00\nVelocity 3 sigma (ips pk)\t0.0\n";

// Points are those the text names; a value is the box's text; neither is nothing.
struct Taken {
    const char* what;
    Via via;
    std::string text;
    std::vector<std::pair<double, double>> points;
    std::string value = {};
    bool verbatim = false;
};

const Taken kTaken[] = {
    {"spreadsheet cells",
     Via::Read,
     "Frequency (Hz)\tPSD\r\n20\t0.0123456789\r\n\r\n2000\t0.02\r\n",
     {{20, 0.0123456789}, {2000, 0.02}}},
    {"comma-decimal cells", Via::Read, "20\t0,01\r\n80\t0,04\r\n", {{20, 0.01}, {80, 0.04}}},
    {"semicolons", Via::Read, "20;0,01\n80;0,04", {{20, 0.01}, {80, 0.04}}},
    {"CSV", Via::Read, "Frequency,PSD\n20,0.01\n80,0.04", {{20, 0.01}, {80, 0.04}}},
    {"quoted CSV",
     Via::Read,
     "\"Freq (Hz)\",\"PSD (g\u00b2/Hz)\"\n20,\"0,01\"\n\"80\",\"0,04\"",
     {{20, 0.01}, {80, 0.04}}},
    {"thousands beside a point", Via::Read, "20 0.01\n2,000 0.01", {{20, 0.01}, {2000, 0.01}}},
    {"decimal comma beside one", Via::Read, "20\t0,01\n2,000\t0,04", {{20, 0.01}, {2, 0.04}}},
    {"units, kHz, minus, to",
     Via::Read,
     "20 to 80 Hz +3dB/oct\n80-350 Hz 0.04 g\u00b2/Hz\n350 Hz to 2 kHz \u22123 dB/oct",
     {{20, dB(0.04, -6)}, {80, 0.04}, {350, 0.04}, {2000, dB(0.04, -3 * std::log2(2000 / 350.0))}}},
    {"step and chained slopes",
     Via::Read,
     "20-50 +6 dB/oct\n50-100 +3 dB/oct\n100 0.1\n100 0.2\n100-200 -3 dB/oct",
     {{20, dB(0.1, -3 - 6 * std::log2(2.5))}, {50, dB(0.1, -3)}, {100, 0.1}, {100, 0.2}, {200, dB(0.2, -3)}}},
    {"a slope that its levels show", Via::Read, "20 0.01\n20-80 Hz +3 dB/oct\n80 0.04", {{20, 0.01}, {80, 0.04}}},
    {"labelled rows",
     Via::Read,
     "Note\tFreq (Hz)\tPSD\n\t20\t0.01\nknee\t80\t0.04\n\t2000\t0.04",
     {{20, 0.01}, {80, 0.04}, {2000, 0.04}}},
    {"a test plan",
     Via::Read,
     "20 0.01\nKnee at 80 Hz 0.04 g\u00b2/Hz\nfrom 80 to 2000 Hz at -3 dB/oct",
     {{20, 0.01}, {80, 0.04}, {2000, dB(0.04, -3 * std::log2(25))}}},
    {"blank-aligned with unit words",
     Via::Read,
     "Frequency (Hz) PSD (g\u00b2/Hz) Slope (dB/oct)\n20 0.01 3.01\n80 0.04",
     {{20, 0.01}, {80, 0.04}}},
    {"PSD column first", Via::Read, "PSD  Frequency\n0.01  20\n0.04  80", {{20, 0.01}, {80, 0.04}}},
    {"tessomar-calc's report",
     Via::Read,
     "Profile p.txt, 2 break points\nNo.  Frequency (Hz)  PSD (g\u00b2/Hz)  Slope (dB/oct)  Share of g\u00b2 (%)\n"
     "01            20.00     0.010048            3.00            100.0\n02            80.00     0.040000\n\n"
     "                        English         Metric\nAcceleration            1.18 g rms      1.18 g rms\n"
     "Velocity, 3 sigma       3.5 ips pk      0.09 m/s pk\n\nShaker at 3 sigma       Demand          Rating\n"
     "Stroke                  0.046 in        2.000 in        97.7 %\nForce (45 kg)           8.03 kN         26.70 "
     "kN\n"
     "Within every rating.\n",
     {{20, 0.010048}, {80, 0.04}}},
    {"the copy-out",
     Via::Read,
     kCopyHead +
         "01\t490.00\t0.000100\t2730.98\tleft out: slope steeper than 903 dB/oct\n"
         "02\t495.00\t1.000000\t\t\n" +
         kCopyTail,
     {{490, 0.0001}, {495, 1}}},
    {"byte-order mark",
     Via::Read,
     "\xEF\xBB\xBF"
     "20 0.01\n80 0.04",
     {{20, 0.01}, {80, 0.04}}},
    {"the limits themselves", Via::Read, "0.01 0.000001\n20000 1000", {{0.01, 1e-6}, {20000, 1000}}},
    {"spreadsheet row", Via::Table, "20\t0.01\r\n", {{20, 0.01}}},
    {"comma-decimal row", Via::Table, "20;0,01", {{20, 0.01}}},
    {"a point with its units", Via::Table, "20 Hz 0.01", {{20, 0.01}}},
    {"a band", Via::Table, "20-80 Hz 0.04", {{20, 0.04}, {80, 0.04}}},
    {"the copy of PSD 0, below 0 and a step",
     Via::Table,
     kCopyHead + "01\t20.00\t0.000000\t\t\n02\t100.00\t-0.500000\t\t\n03\t100.00\t0.040000\t\t\n" + kCopyTail,
     {{20, 0}, {100, -0.5}, {100, 0.04}},
     "",
     true},
    {"a cell", Via::Table, "0.0123456789012\r\n", {}, "0.0123456789012"},
    {"a cell with a decimal comma", Via::Table, "0,01\r\n", {}, "0.01"},
    {"a cell and its tab", Via::Table, "150\t", {}, "150"},
    {"kHz", Via::Table, "2 kHz", {}, "2000"},
    {"a thousands separator", Via::Table, "2,000.5", {}, "2000.5"},
    {"nothing", Via::Table, " \r\n", {}},
    {"the minus of a document", Via::Field, "\u22123\r\n", {}, "-3"},
    {"nothing", Via::Field, "", {}},
};

TEST(ProfileText, TakesWhatItNames) {
    for (const Taken& c : kTaken) {
        SCOPED_TRACE(c.what);
        std::vector<profile::Point> points;
        const std::string kind = c.points.size() ? "Points" : c.value.size() ? "Value " + c.value : "Nothing";
        EXPECT_EQ(through(c.via, c.text, &points), kind + (c.verbatim ? " verbatim" : ""));
        ASSERT_EQ(points.size(), c.points.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_DOUBLE_EQ(points[i].freq, c.points[i].first) << i;
            EXPECT_NEAR(points[i].psd, c.points[i].second, 1e-12 * std::fabs(c.points[i].second)) << i;
        }
    }
}

struct Refusal {
    const char* what;
    Via via;
    std::string text;
    int line;
    std::string message;
};

const Refusal kRefused[] = {
    {"a word beside the numbers", Via::Read, "20 0.01\n80 0.04\nabout 350 0.04\n2000 0.007", 3,
     "about 350 0.04: about beside the numbers, and no frequency in Hz"},
    {"NaN", Via::Read, "20 0.01\nNaN 0.04", 2, "NaN 0.04: NaN is not a number"},
    {"a letter for a digit", Via::Read, "20 0.01\nl00 0.04", 2, "l00 0.04: l00 is not a number"},
    {"no PSD", Via::Read, "20 0.01\n30 abc", 2, "30 abc: not a PSD"},
    {"a row under its header", Via::Read, "Note\tFreq (Hz)\tPSD\nknee\t80\tabc", 2, "knee 80 abc: not a PSD"},
    {"a header after the points", Via::Read, "20 0.01\nFrequency\tPSD\n80 0.04", 2, "Frequency PSD: not a break point"},
    {"a point after the results", Via::Read, "20 0.01\ng rms\t0.71\n80 0.04", 3,
     "80 0.04: a break point after the results"},
    {"three numbers", Via::Read, "20 0.01 3.01\n80 0.04", 1, "20 0.01 3.01: 3 numbers, not a frequency and a level"},
    {"a slope against its levels", Via::Read, "20 0.01\n20-80 Hz +6 dB/oct\n80-350 Hz 0.04", 2,
     "20-80 Hz +6 dB/oct: slope disagrees with the levels at its ends (3.01 dB/oct)"},
    {"bands that overlap", Via::Read, "20-100 Hz 0.01\n80-350 Hz 0.04", 2,
     "80-350 Hz 0.04: overlaps the band of line 1"},
    {"a point inside a band", Via::Read, "50 0.02\n20-100 Hz 0.01", 2, "20-100 Hz 0.01: spans the point of line 1"},
    {"either comma", Via::Read, "20 5\n2,000 5", 2,
     "2,000 5: 2,000 has a comma that could be a decimal comma or a thousands separator"},
    {"a comma or a cell", Via::Read, "20,5\n80,10", 1, "20,5: the comma could be a decimal comma or a separator"},
    {"percent", Via::Read, "20\t1%\n80\t4%", 1, "20 1%: 1% is a percentage, not a PSD"},
    {"frequency high", Via::Read, "20 0.01\n20001 0.01", 2, "20001 0.01: frequency 20001 above 20000 Hz"},
    {"frequency low", Via::Read, "0.0099 0.01\n20 0.01", 1, "0.0099 0.01: frequency 0.0099 below 0.01 Hz"},
    {"PSD 0", Via::Read, "20 0\n30 0.0000005", 1, "20 0: PSD 0 not above 0"},
    {"PSD low", Via::Read, "20 9.99e-7", 1, "20 9.99e-7: PSD 9.99e-7 below 0.000001 g\u00b2/Hz"},
    {"PSD high", Via::Read, "20 1000.01\n", 1, "20 1000.01: PSD 1000.01 above 1000 g\u00b2/Hz"},
    {"band start low", Via::Read, "0.001-80 0.04", 1, "0.001-80 0.04: frequency 0.001 below 0.01 Hz"},
    {"band end high", Via::Read, "20 to 25000 Hz 0.04", 1, "20 to 25000 Hz 0.04: frequency 25000 above 20000 Hz"},
    {"band of no width", Via::Read, "80-80 0.04", 1, "80-80 0.04: band end not above its start"},
    {"slope alone", Via::Read, "20-80 +3 dB/oct\n100-200 0.04", 1, "20-80 +3 dB/oct: slope not anchored to a level"},
    {"slope too steep", Via::Read, "20 0.01\n20-20000 +30 dB/oct", 2,
     "20-20000 +30 dB/oct: slope takes PSD above 1000 g\u00b2/Hz"},
    {"only a header", Via::Read, "Frequency\tPSD\n", 0, "no break points"},
    {"a column", Via::Table, "20\r\n80", 1, "20: one number, not a break point"},
    {"two numbers in one cell", Via::Table, "20 0.01", 1, "20 0.01: 2 numbers, not one value"},
    {"a no-break space", Via::Table, "12\u00a0345", 1, "12 345: 2 numbers, not one value"},
    {"either comma", Via::Table, "2,000", 1,
     "2,000 has a comma that could be a decimal comma or a thousands separator"},
    {"a band with no level", Via::Table, "20 to 80 Hz", 1, "20 to 80 Hz: a band needs a level"},
    {"a percentage", Via::Table, "1%\r\n", 1, "1%: a percentage, not a value for this box"},
    {"a cell after a quote", Via::Table, "\"20\",80;", 1, "\"20\",80;: \"20\",80 is not a number"},
    {"a bad copy row", Via::Table, kCopyHead + "01\t20.00\tabc\t\t\n", 2, "01 20.00 abc: not a row of the copy"},
    {"a spreadsheet row", Via::Field, "20\t0.01\r\n", 1, "20 0.01: 2 numbers, not one value"},
    {"two cells of a column", Via::Field, "20\r\n80\r\n", 2, "80: a second line; the field takes one value"},
    {"a sign of its own", Via::Field, "20\xc2\xb5", 1, "20\xc2\xb5 is not a number"},
};

TEST(ProfileText, RefusesNamingTheLineAndWhat) {
    for (const Refusal& c : kRefused)
        EXPECT_EQ(through(c.via, c.text), "Refused " + std::to_string(c.line) + " " + c.message) << c.what;
}

} // namespace
