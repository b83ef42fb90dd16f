// Profiles read from text, pasted into the break-point table and copied out.
#include "frame/tessomar.h"
#include "random/profile.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

using tessomar::Tessomar;
namespace profile = tessomar::profile;

// "lines read: f/psd ..." when taken, "lines read: @line error" when refused.
std::string summary(const profile::Profile& p) {
    std::string s = std::to_string(p.dataLines) + ":";
    if (!p.ok()) return s + " @" + std::to_string(p.errorLine) + " " + p.error;
    char buf[64];
    for (const profile::Point& pt : p.points) {
        std::snprintf(buf, sizeof buf, " %.6g/%.6g", pt.freq, pt.psd);
        s += buf;
    }
    return s;
}

TEST(ProfileReader, TakesPointsAndBandsAndRefusesWithTheLineAtFault) {
    const std::pair<const char*, const char*> cases[] = {
        {"Frequency, PSD\n20\t0.01\r\n\n2000; 0.02 g2/Hz", "2: 20/0.01 2000/0.02"},
        {"20 Hz 0.01 g\u00b2/Hz\n80 - 350 HZ 0.04 G^2/hz\n350 0.04", "3: 20/0.01 80/0.04 350/0.04"},
        {"20\u201380 Hz +3 dB/oct\n80-350 Hz 0.04\n350-2000 Hz -3 db/octave",
         "3: 20/0.0100475 80/0.04 350/0.04 2000/0.00704187"},
        {"20-50 +6 dB/oct\n50-100 +3 dB/oct\n100 0.1\n100 0.2\n100-200 -3 dB/oct",
         "5: 20/0.00806944 50/0.0501187 100/0.1 100/0.2 200/0.100237"},
        {"20 0.026\n20-50 Hz +6 dB/oct\n50-800 0.16\n800 0.16\n800 0.02", "5: 20/0.026 50/0.16 800/0.16 800/0.02"},
        {"No.\tFrequency (Hz)\tPSD\n01\t20\t0.01\t3.01\n02\t80\t0.04\t\ng rms\t6.06", "2: 20/0.01 80/0.04"},
        {"20 0.01\n30 abc\n40 0.01", "2: @2 line reads as nothing"},
        {"20,5 0.01\n30 0.01", "1: @1 line reads as nothing"},
        {"20Hz 0.01\n30 0.01", "1: @1 line reads as nothing"},
        {"20-80 +3 dB/oct\n100-200 0.04", "2: @1 slope not anchored to a level"},
        {"20 0.01\n25000 0.01", "2: @2 frequency above 20000 Hz"},
        {"0.001 0.01\n20 0.01", "2: @1 frequency below 0.01 Hz"},
        {"20 0\n30 0.0000005", "2: @1 PSD must be above 0"},
        {"20 0.0000005", "1: @1 PSD below 0.000001 g\u00b2/Hz"},
        {"20 2000\n", "1: @1 PSD above 1000 g\u00b2/Hz"},
        {"350-80 0.04", "1: @1 band end not above its start"},
        {"20 0.01\n20-20000 +30 dB/oct", "2: @2 slope takes PSD above 1000 g\u00b2/Hz"},
        {"Frequency\tPSD\n", "0: @0 no break points"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(summary(profile::read(text)), expected) << text;
}

// A started window on the Random screen, the focus in F(0).
struct Table : testing::Test {
    Tessomar w;
    int beeps = 0;
    void SetUp() override {
        w.twipsPerPixelX = 15.1f;
        w.load();
        w.activate();
        w.click(w.RandomButton);
        w.Beep = [this] { ++beeps; };
    }
};

// n points 100, 200, ... Hz at 0.01 g²/Hz, one a line.
std::string hundreds(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += std::to_string(100 * i) + " 0.01\n";
    return s;
}

// Two published profiles given with slopes reach their published g rms; the
// second, copied out with its slopes and shares, pastes back to the same table.
TEST_F(Table, PublishedProfilesReachTheirLevelsAndCopyOutAndBackUnchanged) {
    w.pasteKey("20 Hz 0.026\n20-50 Hz +6 dB/oct\n50-800 Hz 0.16\n800-2000 Hz -6 dB/oct");
    EXPECT_NEAR(w.fs.RandomGrms, 14.1, 0.05);
    w.pasteKey("20-80 Hz +3 dB/oct\n80-350 Hz 0.04\n350-2000 Hz -3 dB/oct");
    const std::string copied = w.breakPointsText();
    EXPECT_EQ(copied, "No.\tFrequency (Hz)\tPSD (g\u00b2/Hz)\tSlope (dB/oct)\tShare of g\u00b2 (%)\n"
                      "01\t20.00\t0.010048\t3.00\t4.1\n02\t80.00\t0.040000\t0.00\t29.4\n"
                      "03\t350.00\t0.040000\t-3.00\t66.5\n04\t2000.00\t0.007042\t\t\n"
                      "Acceleration (g's rms)\t6.06\nVelocity 3 sigma (ips pk)\t6.2\n"
                      "Displacement 3 sigma (in. p-p)\t0.046\n");
    const tessomar::FormState before = w.fs;
    w.ClearBut_Click();
    w.pasteKey(copied);
    EXPECT_EQ(w.fs, before);
}

TEST_F(Table, AProfileOverwritesEntriesFromTheRowPastedIntoAndOpensTheScrollRange) {
    w.pasteKey(hundreds(12));
    EXPECT_EQ(w.Scroll.Max(), 5); // entry 13, the next free one, can show in the bottom row
    w.Scroll.setValue(3);
    w.A[3].SetFocus();
    w.pasteKey("650 0.02\n700 0.03");
    EXPECT_EQ(w.focused(), &w.A[3]);
    EXPECT_EQ(w.F[3].Text() + " " + w.A[3].Text() + " " + w.A[4].Text(), "650.00 0.020000 0.030000");
    EXPECT_EQ(w.fs.BkFreq[12] + w.fs.BkFreq[13], 1200.0f);
    w.pasteKey(hundreds(45)); // entries 6 to 50
    w.Scroll.setValue(42);
    EXPECT_EQ(w.F[8].Text(), "4500.00");
    EXPECT_EQ(beeps, 0);
}

TEST_F(Table, ARefusedProfileChangesNothingAndBeeps) {
    w.pasteKey(hundreds(12));
    w.Scroll.setValue(2);
    w.F[3].SetFocus();
    for (const std::string& text : {std::string("20 0.01\n30 0.01\n40 abc"), hundreds(47)}) {
        const tessomar::FormState before = w.fs;
        const std::string shown = w.F[3].Text() + w.Acceleration.Text() + std::to_string(w.Scroll.Max());
        w.pasteKey(text);
        w.paste(text);
        EXPECT_EQ(w.fs, before);
        EXPECT_EQ(w.F[3].Text() + w.Acceleration.Text() + std::to_string(w.Scroll.Max()), shown);
    }
    EXPECT_EQ(beeps, 4);
}

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
