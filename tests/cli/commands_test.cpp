#include "cli/run.h"
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <random>
#include <regex>
#include <sstream>

namespace {

using tessomar::cli::Outcome;

// Runs a command line; every file but "missing" holds the profile.
Outcome runLine(const std::string& line, const std::string& profile) {
    std::istringstream words(line);
    const std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    return tessomar::cli::run(args, [&](const std::string& path, std::string& text) {
        text = path == "missing" ? "cannot read: No such file or directory" : profile;
        return path != "missing";
    });
}

// Blanks squeezed, so that a case names a row's values and not its layout.
std::string squeezed(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ' || out.empty() || out.back() != ' ') out += c;
    return out;
}

std::string points(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += std::to_string(10 * i) + " 0.01\n";
    return s;
}

// A refused line's expect is its whole message; any other's are the rows
// (blanks squeezed, "|" between) that its output and warnings hold.
struct Case {
    std::string line, profile;
    int code;
    std::string expect;
};

const std::string kPublished1 = "20 Hz 0.026\n20-50 Hz +6 dB/oct\n50-800 Hz 0.16\n800-2000 Hz -6 dB/oct\n";
const std::string kPublished2 = "20-80 Hz +3 dB/oct\n80-350 Hz 0.04\n350-2000 Hz -3 dB/oct\n";

const Case kCases[] = {
    {"sine A=250 F=50", "", 0, "Velocity 307.2 ips pk 7.80 m/s pk\nDisplacement 1.956 in p-p 49.68 mm p-p"},
    {"sine V=10 D=0.1", "", 0, "Acceleration 5.18 g pk|Frequency 31.83 Hz"},
    {"sine V=0.1m/s D=2mm", "", 0, "Velocity 3.9 ips pk 0.10 m/s|Displacement 0.079 in p-p 2.00 mm|Frequency 15.92"},
    {"sine A=1500 F=25000", "", 0,
     "Acceleration 1000.00 g|Frequency 20000.00 Hz|tessomar-calc: warning: A=1500 is above the field's limit, 1000 "
     "g taken\ntessomar-calc: warning: F=25000 is above the field's limit, 20000 Hz taken\n"},
    {"shock half-sine A=10 T=10", "", 0, "Velocity 10.2 ips|Displacement 0.125 in"},
    {"shock terminal-peak A=10 T=10", "", 0, "Velocity 8.0 ips pk 0.20 m/s|Displacement 0.069 in p-p 1.75 mm"},
    {"shock terminal-peak A=20 D=0.5", "", 0, "Velocity 30.6 ips|Duration 19.03 ms"},
    {"random p.txt", kPublished1, 0, "Acceleration 14.12 g rms"},
    {"random -", kPublished2, 0,
     "01 20.00 0.010048 3.00 4.1\n02 80.00 0.040000 0.00 29.4\n|04 2000.00 0.007042\n|Acceleration 6.06 g rms|"
     "Velocity, 3 sigma 6.2 ips pk 0.16 m/s pk|Displacement, 3 sigma 0.046 in p-p 1.17 mm p-p"},
    {"random --sigma 6 p.txt", kPublished2, 0, "Acceleration 6.06 g|Velocity, 6 sigma 12.4 ips|6 sigma 0.092 in"},
    {"random --shaker stroke=2in,velocity=70ips,force=26.7kN,mass=45kg p.txt", kPublished2, 0,
     "Stroke 0.046 in 2.000 in 97.7 %\nVelocity 6.2 ips 70.0 ips 91.1 %\nForce (45 kg) 8.03 kN 26.70 kN 69.9 %\n"
     "Within every rating."},
    {"random --sigma 6 --shaker stroke=1mm,velocity=1m/s,force=5000lbf,mass=100lb p.txt", kPublished2, 3,
     "Stroke 2.34 mm 1.00 mm -133.6 % EXCEEDED|Force (100 lb) 3638.63 lbf 5000.00 lbf 27.2 %|exceeded: stroke."},
    {"--json random p.txt", kPublished2, 0,
     R"("grms": {"value": 6.064389, "text": "6.06", "unit": "g rms"}|"psd": {"value": 0.007042, "text": )"
     R"("0.007042", "unit": "g²/Hz"}, "slope": null, "share": null})"},
    {"random p.txt", points(50), 0, "50 500.00 0.010000"},
    {"sine A=5 X=3", "", 2, "tessomar-calc: sine: unknown parameter X=3 (A, V, D or F)"},
    {"shock half-sine A=5", "", 2, "tessomar-calc: shock: give exactly two of A, V, D or T, not 1"},
    {"sine A=5 a=6", "", 2, "tessomar-calc: sine: A given twice"},
    {"sine A=5 V=fast", "", 2, "tessomar-calc: sine: V=fast: not a number"},
    {"random p.txt", "20 0.01\n80 zz 0.04\n", 2, "p.txt:2: 80 zz 0.04: zz beside the numbers, and no frequency in Hz"},
    {"random -", "20-80 Hz +3 dB/oct\n", 2, "<stdin>:1: 20-80 Hz +3 dB/oct: slope not anchored to a level"},
    {"random p.txt", "Random profile\n" + points(51), 2, "p.txt:52: 51 break points, more than the table's 50"},
    {"random missing", "", 2, "tessomar-calc: missing: cannot read: No such file or directory"},
    {"--plot p.svg sine A=1 F=1", "", 2, "tessomar-calc: --plot applies to random only"},
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.line; }

class CommandLine : public testing::TestWithParam<Case> {};

TEST_P(CommandLine, PrintsWhatTheWindowShowsOrRefusesInOneLine) {
    const Case& c = GetParam();
    const Outcome o = runLine(c.line, c.profile);
    EXPECT_EQ(o.code, c.code);
    if (c.code == tessomar::cli::kBadInput) {
        EXPECT_EQ(o.err, c.expect + "\n");
        EXPECT_EQ(o.out, "");
        return;
    }
    EXPECT_NE(c.expect.find(o.err), std::string::npos) << "unexpected on standard error: " << o.err;
    const std::string printed = squeezed(o.out + o.err);
    std::istringstream rows(c.expect);
    for (std::string row; std::getline(rows, row, '|');)
        EXPECT_NE(printed.find(row), std::string::npos) << row << "\nin\n" << printed;
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLine, testing::ValuesIn(kCases));

// Each stored value of a window that took the profile by paste, and the
// value the command line prints for it in JSON, read back.
void expectSameBits(float window, const std::string& printed) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(window), std::bit_cast<std::uint32_t>(std::strtof(printed.c_str(), nullptr)))
        << window << " printed as " << printed;
}

std::vector<std::string> valuesOf(const std::string& json, const std::string& key) {
    const std::regex value("\"" + key + "\": \\{\"value\": ([^,]+)");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), value); it != std::sregex_iterator(); ++it)
        out.push_back((*it)[1]);
    return out;
}

TEST(WindowAndCommandLine, AgreeBitForBitOnSeededProfiles) {
    std::mt19937 random(15);
    std::uniform_real_distribution<double> logFreq(0, 4.2), logPsd(-5, 1);
    const char* formats[] = {"%s\t%s\n", "%s, %s\n", "%s Hz %s g^2/Hz\n"};
    for (int profile = 0; profile < 49; ++profile) { // 2 to 50 points
        std::string text;
        for (int i = 0, n = 2 + profile; i < n; ++i) {
            char f[32], p[32], line[96];
            *std::to_chars(f, f + 31, std::pow(10, logFreq(random))).ptr = 0;
            *std::to_chars(p, p + 31, std::pow(10, logPsd(random))).ptr = 0;
            std::snprintf(line, sizeof line, formats[i % 3], f, p);
            text += line;
        }
        auto w = std::make_unique<tessomar::Tessomar>();
        w->load();
        w->activate();
        w->click(w->RandomButton);
        w->pasteKey(text);
        const std::string json = runLine("--json random p.txt", text).out;
        const auto freq = valuesOf(json, "frequency"), psd = valuesOf(json, "psd");
        ASSERT_EQ(freq.size(), static_cast<std::size_t>(2 + profile)) << text;
        for (std::size_t k = 0; k < freq.size(); ++k) {
            expectSameBits(w->fs.BkFreq[k + 1], freq[k]);
            expectSameBits(w->fs.BkPsd[k + 1], psd[k]);
        }
        expectSameBits(w->fs.RandomGrms, valuesOf(json, "grms").at(0));
        expectSameBits(w->fs.RandomVel, valuesOf(json, "velocity").at(0));
        expectSameBits(w->fs.RandomDisp, valuesOf(json, "displacement").at(0));
    }
}

} // namespace
