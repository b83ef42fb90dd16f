// Profiles pasted into the break-point table, and the table copied out.
#include "calc/profile.h"
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>
#include <tuple>

namespace {

using tessomar::Tessomar;
namespace profile = tessomar::profile;

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
