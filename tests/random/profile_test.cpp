// Profiles read from text, pasted into the break-point table and copied out.
#include "calc/profile.h"
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <regex>
#include <string>
#include <tuple>

namespace {

using tessomar::Tessomar;
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

// A started window on the Random screen, the focus in F(0).
struct Table : testing::Test {
    Tessomar w;
    void SetUp() override {
        w.twipsPerPixelX = 15.1f;
        w.load();
        w.activate();
        w.click(w.RandomButton);
    }
};

// n points 100, 200, ... Hz at 0.01 g²/Hz, one a line.
std::string hundreds(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += std::to_string(100 * i) + " 0.01\n";
    return s;
}

// A published profile given with slopes reaches its published g rms.
TEST_F(Table, APublishedProfileReachesItsLevel) {
    w.pasteKey("20 Hz 0.026\n20-50 Hz +6 dB/oct\n50-800 Hz 0.16\n800-2000 Hz -6 dB/oct");
    EXPECT_NEAR(w.fs.RandomGrms, 14.1, 0.05);
}

struct CopyCase {
    const char* name;
    std::vector<std::pair<float, float>> entries; // entries 1, 2, ... as they stand, in no order
    bool english;
    const char* copied; // the lines after the header
};

class CopyOut : public Table, public testing::WithParamInterface<CopyCase> {};

// The copy lists the entries the integration reads, sorted, with each
// segment's share of the g² it shows, as text and as the same HTML cells;
// pasted back it gives the same table and results, whatever the entries hold.
TEST_P(CopyOut, ListsWhatTheWindowIntegratesAndPastesBackToTheSameTable) {
    const CopyCase& c = GetParam();
    if (!c.english) w.click(w.MetricBut);
    for (std::size_t i = 0; i < c.entries.size(); ++i) std::tie(w.fs.BkFreq[i + 1], w.fs.BkPsd[i + 1]) = c.entries[i];
    const std::string copied = w.breakPointsText();
    EXPECT_EQ(copied, std::string(profile::kCopyHeader) + "\n" + c.copied);
    const std::string tabbed = std::regex_replace(w.breakPointsHtml(), std::regex("</t[hd]><t[hd]>"), "\t");
    EXPECT_EQ(std::regex_replace(tabbed, std::regex("<[^>]*>"), ""), copied);
    w.UpdateRandom();
    const tessomar::FormState before = w.fs;
    const std::string shown = w.Acceleration.Text() + w.Velocity.Text() + w.Displacement.Text();
    w.ClearBut_Click();
    w.F[0].SetFocus();
    w.pasteKey(copied);
    EXPECT_TRUE(w.fs.BkFreq == before.BkFreq && w.fs.BkPsd == before.BkPsd);
    EXPECT_EQ(w.Acceleration.Text() + w.Velocity.Text() + w.Displacement.Text(), shown);
}

// Results and slopes as published or worked out by hand: 6.06 g rms, 0.16 m/s
// and 1.17 mm for the four-point profile, its g² 1.5 + 10.8 + 24.4.
INSTANTIATE_TEST_SUITE_P(
    Tables, CopyOut,
    testing::Values(
        CopyCase{
            "ZeroPsdAsTheStandIn",
            {{20, 0}, {2000, 0.04f}},
            true,
            "01\t20.00\t0.000000\t11.44\t100.0\n02\t2000.00\t0.040000\t\t\n"
            "Acceleration (g's rms)\t4.08\nVelocity 3 sigma (ips pk)\t0.5\nDisplacement 3 sigma (in. p-p)\t0.000\n"},
        CopyCase{
            "NegativePsdLeftOut",
            {{20, 0.04f}, {100, -0.5f}, {2000, 0.04f}},
            true,
            "01\t20.00\t0.040000\t\tleft out: no log-log line (PSD not above 0)\n"
            "02\t100.00\t-0.500000\t\tleft out: no log-log line (PSD not above 0)\n03\t2000.00\t0.040000\t\t\n"
            "Acceleration (g's rms)\t0.00\nVelocity 3 sigma (ips pk)\t0.0\nDisplacement 3 sigma (in. p-p)\t0.000\n"},
        CopyCase{
            "UnsortedInMetric",
            {{350, 0.04f}, {20, 0.01f}, {2000, 0.007f}, {80, 0.04f}},
            false,
            "01\t20.00\t0.010000\t3.01\t4.1\n02\t80.00\t0.040000\t0.00\t29.4\n"
            "03\t350.00\t0.040000\t-3.01\t66.5\n04\t2000.00\t0.007000\t\t\n"
            "Acceleration (g's rms)\t6.06\nVelocity 3 sigma (mps pk)\t0.16\nDisplacement 3 sigma (mm p-p)\t1.17\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// A pasted profile stores what typing the same numbers with Enter stores,
// digits beyond what the boxes show included.
TEST_F(Table, APastedProfileStoresWhatTypingItStores) {
    w.pasteKey("20.004 0.0123456\n80 0.04\n350.555 0.0400004\n2000 0.0071234");
    const tessomar::FormState pasted = w.fs;
    w.ClearBut_Click();
    w.F[0].SetFocus();
    for (const char c : std::string("20.004\r0.0123456\r80\r0.04\r350.555\r0.0400004\r2000\r0.0071234\r"))
        w.keyPress(c);
    // The rows the focus was left in differ; the table and its results may not.
    EXPECT_EQ(w.fs.BkFreq, pasted.BkFreq);
    EXPECT_EQ(w.fs.BkPsd, pasted.BkPsd);
    const auto results = [](const tessomar::FormState& fs) {
        return std::array{fs.RandomGrms, fs.RandomVel, fs.RandomDisp};
    };
    EXPECT_EQ(results(w.fs), results(pasted));
    EXPECT_NE(pasted.RandomGrms, 0.0f);
}

// A single value pasted is a typed one: the results go blank and the
// commit takes it. Keys that only read the box leave the results.
TEST_F(Table, ASingleValuePastedIsTakenAsTypedWhileReadingKeysLeaveTheResults) {
    w.pasteKey(hundreds(2));
    w.selectAll();
    EXPECT_EQ(w.copy() + w.Acceleration.Text(), "100.001.00");
    w.pasteKey("150\t");
    EXPECT_EQ(w.F[0].Text() + w.Acceleration.Text(), "150");
    w.keyPress(13);
    EXPECT_EQ(w.Acceleration.Text(), "0.71"); // 150 to 200 Hz at 0.01 g²/Hz
}

} // namespace
