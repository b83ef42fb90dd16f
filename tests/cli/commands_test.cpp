#include "cli/run.h"
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <regex>
#include <set>
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
const std::string kSkirts = "490 0.001\n495 3\n505 3\n510 0.001\n"; // |n| near 800: the window leaves them out
const std::string kDrop = "100 1\n108.7 0.000001\n";                // n = -165.6: the powers leave the double range
const std::string kShaker = "--shaker stroke=2in,velocity=70ips,";

const Case kCases[] = {
    {"sine A=250 F=50", "", 0, "Velocity 307.2 ips pk 7.80 m/s pk\nDisplacement 1.956 in p-p 49.68 mm p-p"},
    {"sine V=10 D=0.1", "", 0, "Acceleration 5.18 g pk|Frequency 31.83 Hz"},
    {"sine V=0.1m/s D=2mm", "", 0, "Velocity 3.9 ips pk 0.10 m/s|Displacement 0.079 in p-p 2.00 mm|Frequency 15.92"},
    {"sine A=1500 F=25000", "", 0,
     "entered A=1500 (taken as 1000.00 g) F=25000 (taken as 20000.00 Hz)|Acceleration 1000.00 g|Frequency 20000.00 "
     "Hz|warning: A=1500 is above the field's limit, 1000 g taken\ntessomar-calc: warning: F=25000 is above"},
    {"sine D=0.0015 F=500", "", 0,
     "entered D=0.0015 (taken as 0.002 in) F=500|warning: D=0.0015 taken as 0.002 in, the field's precision"},
    // A = F² D / 19.559447 and V = pi F D with pi as 3.1415926, on the values as given.
    {"--exact sine D=0.0015 F=500", "", 0, "Sine, exact|Acceleration 19.1723 g pk|Velocity 2.35619 ips|0.0015 in p-p"},
    {"--exact sine A=1500 F=10", "", 2,
     "tessomar-calc: sine: A=1500 is above the field's limit, 1000 g (--exact takes values as given or not at all)"},
    {"--exact sine A=1e-300 F=0.001", "", 0, "Velocity 6.14478e-296 ips pk"}, // A 61.4478137 / F
    {"shock half-sine A=10 T=10", "", 0, "Velocity 10.2 ips|Displacement 0.125 in"},
    {"--json shock half-sine T=10 A=10", "", 0, R"("pulse": "half-sine",|"entered": ["T", "A"],)"},
    {"shock terminal-peak A=10 T=10", "", 0, "Velocity 8.0 ips pk 0.20 m/s|Displacement 0.069 in p-p 1.75 mm"},
    {"shock terminal-peak A=20 D=0.5", "", 0, "Velocity 30.6 ips|Duration 19.03 ms"},
    {"random p.txt", kPublished1, 0, "Acceleration 14.12 g rms"},
    {"random -", kPublished2, 0,
     "Profile from standard input, 4 break points\n|01 20.00 0.010048 3.00 4.1\n02 80.00 0.040000 0.00 29.4\n|04 "
     "2000.00 0.007042\n|Acceleration 6.06 g rms|"
     "Velocity, 3 sigma 6.2 ips pk 0.16 m/s pk|Displacement, 3 sigma 0.046 in p-p 1.17 mm p-p|"
     "<stdin>:1: PSD 0.0100475457 taken as 0.010048 g²/Hz"},
    {"random --sigma 6 p.txt", kPublished2, 0, "Acceleration 6.06 g|Velocity, 6 sigma 12.4 ips|6 sigma 0.092 in"},
    {"random --sigma 1000 p.txt", kPublished2, 0, "Displacement, 1000 sigma 15.325 in p-p 389.25 mm"},
    // Random force: 45 kg x 6.064 g rms x 9.80665 m/s²; sine force: 45 kg x 10 g pk x 9.80665 m/s².
    {"random " + kShaker + "random-force=26.7kN,mass=45kg p.txt", kPublished2, 0,
     "Stroke 0.046 in 2.000 in 97.7 %\nVelocity 6.2 ips 70.0 ips 91.1 %\nRandom force (45 kg) 2.68 kN 26.70 kN 90.0 "
     "%\nWithin every rating."},
    {"random " + kShaker + "sine-force=3kN,mass=45kg p.txt", kPublished2, 0,
     "warning: sine-force= is a peak rating; a random test's rms force is checked against random-force="},
    {kShaker + "sine-force=4kN,mass=45kg sine A=10 F=20", "", 3, "Sine force (45 kg) 4.41 kN 4.00 kN -10.3 % EXCEEDED"},
    // The moving mass by its parts, added up: the 45 kg above.
    {kShaker + "sine-force=4kN,armature=10kg,fixture=15kg,payload=20kg sine A=10 F=20", "", 3,
     "Sine force (45 kg) 4.41 kN 4.00 kN -10.3 % EXCEEDED"},
    {"random --sigma 6 --shaker stroke=1mm,velocity=1m/s,random-force=5000lbf,mass=100lb p.txt", kPublished2, 3,
     "Stroke 2.34 mm 1.00 mm -133.6 % EXCEEDED|Random force (100 lb) 606.44 lbf 5000.00 lbf 87.9 %|exceeded: stroke."},
    // Over by 0.002 %: more digits than the patterns, never "0.0 %" or a demand equal to its rating.
    {"random --shaker stroke=0.045974in,velocity=6.2132ips p.txt", kPublished2, 3,
     "Stroke 0.046 in 0.045974 in -0.0022 % EXCEEDED\nVelocity 6.21323 ips 6.2132 ips -0.00041 % EXCEEDED"},
    {"random p.txt", kSkirts, 0,
     "01 490.00 0.001000 2373.98 left out: slope steeper than 903 dB/oct\n02 495.00 3.000000 0.00 100.0|"
     "warning: p.txt: the segment 505.00 to 510.00 Hz is left out (slope steeper than 903 dB/oct), as in the "
     "window; --exact integrates it"},
    {"random p.txt", kDrop, 0, "left out: beyond the range of a double|Acceleration 0.00 g rms"},
    // sqrt((P1 f1 - P2 f2) / (-n - 1)), n = ln(1e-6) / ln(1.087).
    {"--exact random p.txt", kDrop, 0,
     "exact (values as given, in double precision, every segment integrated)|"
     "01 100 1 -498.54 100.0|Acceleration 0.779419 g rms"},
    {"--exact random p.txt", "20.1234567 0.0123456789\n2000 0.01\n", 0, "01 20.1235 0.0123457"}, // 6 digits
    // 3 sigma: 3 g / (2 pi) sqrt(P (1/f1 - 1/f2)) and 6 g / (2 pi)² sqrt(P (1/f1³ - 1/f2³) / 3), g = 386.088 in/s².
    {"--exact random p.txt", "20 0.04\n2000 0.04\n", 0,
     "Velocity, 3 sigma 8.20277 ips pk 0.20835 m/s pk|Displacement, 3 sigma 0.0757534 in p-p 1.92414 mm p-p"},
    {"--exact random p.txt", kPublished2, 0, "01 20 0.0100475 3.00 4.1\n02 80 0.04 0.00 29.4"},
    {"--json --exact random p.txt", kSkirts, 0, R"("exact": true,|"left_out": null}|"warnings": []|)"},
    {"--json random p.txt", kSkirts, 0,
     R"("exact": false,|"left_out": "slope steeper than 903 dB/oct"}|"warnings": [)"
     "\n \"p.txt: the segment 490.00 to 495.00 Hz is left out"},
    {"--json random --shaker stroke=0.01in,velocity=70ips p.txt", kPublished2, 3,
     R"("rating": 0.01, "unit": "in", "margin": -359.7|"exceeded": true}|"exceeded": false}|)"
     "\"exceeded\": true\n }"},
    {"random p.txt", points(50), 0, "50 500.00 0.010000"},
    // 10 to 1000 Hz is log2(100) = 6.644 octaves: 3.32 min at 2 oct/min, 990 / (2/60 ln 2) cycles.
    {"sweep 10-1000 rate=2oct/min", "", 0, "Octaves 6.644|One sweep 199.3 s 3.32 min|Cycles in a sweep 42848"},
    // log2(40) / 10 oct/min; 195 Hz / (R ln 2) cycles with R in oct/s.
    {"sweep 5-200 time=10min", "", 0, "logarithmic, time=10min|Rate 0.5322 oct/min 0.00887 oct/s|sweep 31717"},
    // 90 Hz at 0.5 Hz/s; the mean frequency, 55 Hz, for 180 s.
    {"sweep 10-100 rate=0.5Hz/s", "", 0, "linear|Rate 0.5 Hz/s 30 Hz/min|One sweep 180 s 3 min|sweep 9900"},
    {"sweep 20-2000 rate=1oct/min sweeps=6", "", 0,
     "One sweep 398.6 s 6.64 min|6 sweeps (3 sweep cycles) 2392 s 39.9 min|Cycles in 6 sweeps 1028353"},
    {"sweep 10-1000 rate=2oct/min sweeps=1", "", 0, "1 sweep (0.5 sweep cycles) 199.3 s 3.32 min"},
    {"--json sweep 10Hz-1000Hz time=2h --linear", "", 0, R"("spacing": "linear"|"clock": "2:00:00"|"sweeps": null)"},
    // (2 pi f)² 0.5 in / 2 = 5 g at 13.99 Hz; the most velocity there, pi f D.
    {"sine-profile 5-500 D=0.5in A=5", "", 0,
     "5 13.99 displacement, D 0.5 in p-p\n 13.99 500 acceleration, A 5 g pk|Crossover at 13.99 Hz: displacement to "
     "acceleration|Velocity 21.97 ips pk 0.558 m/s pk|Displacement 0.5 in p-p 12.7 mm p-p"},
    // D/V at V / (pi D) = 20 / pi Hz; V/A at 3 g / (2 pi V).
    {"sine-profile 2-200 D=25mm V=0.5m/s A=3 --json", "", 0,
     R"("value": 6.36619772367581|"below": "velocity", "above": "acceleration"}|"text": "9.365")"},
    {"sine-profile 100-2000 D=0.5 A=5", "", 0, "D 0.5 in p-p governs nowhere in the sweep."},
    // 50 lb at 5 g is 250 lbf.
    {"sine-profile 5-500 D=0.5in A=5 " + kShaker + "sine-force=200lbf,mass=50lb", "", 3,
     "Sine force (50 lb) 250.00 lbf 200.00 lbf -25.0 % EXCEEDED"},
    // A pound-force on a pound is 1 g: 2000 / 75.
    {"shaker sine-force=2000lbf armature=20lb fixture=15lb payload=40lb", "", 0,
     "the ratings in full|Moving mass 75 lb (34.02 kg)|Most sine acceleration 26.67 g pk"},
    // 80 % of 2000 lbf at 20 g moves 80 lb: 45 lb past the armature and fixture.
    {"shaker sine-force=2000lbf random-force=1800lbf armature=20lb fixture=15lb A=20 derate=80%", "", 0,
     "at 80 %|1600 lbf used|Heaviest payload at 20 g pk 45 lb|payload 45 lb\n|Most random acceleration 18 g rms"},
    {"shaker sine-force=2000lbf armature=20lb fixture=15lb A=80", "", 3, "none: the armature and fixture alone"},
    {"sweep 1000-10 rate=2oct/min", "", 2,
     "tessomar-calc: sweep: 1000-10: the start, 1000 Hz, is not below the end, 10 Hz"},
    {"sweep 10-1000 rate=0oct/min", "", 2, "tessomar-calc: sweep: rate=0oct/min: give a value above 0"},
    {"sweep 10-1000 rate=2oct/min time=3min", "", 2, "tessomar-calc: sweep: give rate= or time=, not both"},
    {"sweep 10-1000 rate=2furlong/min", "", 2,
     "tessomar-calc: sweep: rate=2furlong/min: unknown unit (oct/min, oct/s, Hz/s or Hz/min)"},
    {"sweep 10-1000 rate=2oct/min --linear", "", 2,
     "tessomar-calc: --linear: rate=2oct/min is a logarithmic rate; a rate's unit says how it sweeps"},
    {"sweep 10-1000 rate=1e-300oct/s sweeps=9", "", 2,
     "tessomar-calc: sweep: rate=1e-300oct/s: the sweep's figures pass the range of a double"},
    {"sine-profile 5-500 D=0.5in d=1", "", 2, "tessomar-calc: sine-profile: D given twice"},
    {"shaker sine-force=2kN mass=20lb fixture=15lb", "", 2,
     "tessomar-calc: shaker: give mass= (all that moves) or armature=, fixture=, payload=, not both"},
    // Miles: sqrt(pi/2 x 150 x 10 x 0.16) = 19.416 g rms; x g / (2 pi 150)² = 0.0084394 in rms, 3 sigma 0.6431 mm.
    {"random --response fn=150,Q=10 p.txt", kPublished1, 0,
     "Response, fn 150 Hz, Q 10 Miles Exact\nAcceleration 19.42 g rms|Relative displacement 0.008439 in rms|0.02532 in "
     "pk|0.6431 mm pk|"
     "PSD at fn 0.16 g²/Hz"},
    // 0.04 x 10^(k 0.3) for k = -3 to 1: the profile at -3 dB and its lines at -6, -3 (abort, alarm) and 0, +3.
    {"random --scale-db \xE2\x88\x92"
     "3 --tolerance 3,6 p.txt",
     kPublished2, 0,
     "Scaled to -3.00 dB: every PSD x 0.501187, g rms x 0.707946|02 80.00 0.020047 0.00|Acceleration 4.29 g rms|"
     "Tolerance: alarm ±3 dB, abort ±6 dB|02 80.00 0.005036 0.010048 0.020047 0.040000 0.079810"},
    // 25 / (0.04 x 1980): the PSD factor to 5 g rms.
    {"--json random --scale-to 5 p.txt", "20 0.04\n2000 0.04\n", 0,
     R"("grms": {"value": 5, "text": "5.00"|"factor": 0.315656|"target_grms": 5})"},
    // 20 log10(1000 lbf / (40 lb x 14.12 g rms)) = 4.96 dB, rounded down; the stroke against 0.0757534 in p-p
    // (the closed form above): 20 log10(0.01 / 0.0757534) = -17.587 dB.
    {"random --shaker stroke=1in,velocity=50ips,random-force=1000lbf,armature=10lb,payload=30lb p.txt", kPublished1, 0,
     "Within every rating.\nHighest level: +4.95 dB, every PSD x 3.13; random force limits it."},
    {"--exact random --shaker stroke=0.01in,velocity=70ips p.txt", "20 0.04\n2000 0.04\n", 3,
     "Highest level: -17.59 dB, every PSD x 0.0174; stroke limits it."},
    {"", "", 2, "tessomar-calc: no command: give sine, shock, random, sweep, sine-profile or shaker (see --help)"},
    {"foo A=1", "", 2, "tessomar-calc: foo: unknown command (sine, shock, random, sweep, sine-profile or shaker)"},
    {"--exact shock half-sine A=5 T=30000", "", 2,
     "tessomar-calc: shock: T=30000 is above the field's limit, 20000 ms (--exact takes values as given or not at "
     "all)"},
    {"sine A=5 X=3", "", 2, "tessomar-calc: sine: unknown parameter X=3 (A, V, D or F)"},
    {"shock half-sine A=5", "", 2, "tessomar-calc: shock: give exactly two of A, V, D or T, not 1"},
    {"sine A=5 a=6", "", 2, "tessomar-calc: sine: A given twice"},
    {"sine A=5 V=fast", "", 2, "tessomar-calc: sine: V=fast: not a number"},
    {"sine A= F=1", "", 2, "tessomar-calc: sine: A=: missing value"},
    {"--sigma 2 sine A=1 F=1", "", 2, "tessomar-calc: --sigma: applies to random only"},
    {"random p.txt --sigma", "", 2, "tessomar-calc: --sigma: needs a value"},
    {"--shaker stroke=2in sine A=1 F=1", "", 2, "tessomar-calc: --shaker: give at least stroke and velocity"},
    {"--shaker stroke=,velocity=70ips sine A=1 F=1", "", 2, "tessomar-calc: --shaker: stroke=: missing value"},
    {"random p.txt", "20 0.01\n80 zz 0.04\n", 2,
     "tessomar-calc: p.txt:2: 80 zz 0.04: zz beside the numbers, and no frequency in Hz"},
    {"random -", "20-80 Hz +3 dB/oct\n", 2,
     "tessomar-calc: <stdin>:1: 20-80 Hz +3 dB/oct: slope not anchored to a level"},
    {"random p.txt", "20 0.01\n", 2, "tessomar-calc: p.txt: one break point; a profile needs two break points"},
    {"random p.txt", "Random profile\n" + points(51), 2,
     "tessomar-calc: p.txt:52: 51 break points, more than the table's 50"},
    {"random missing", "", 2, "tessomar-calc: missing: cannot read: No such file or directory"},
    {"--plot p.svg sine A=1 F=1", "", 2, "tessomar-calc: --plot: applies to random and sine-profile only"},
    {"--plot p.png random p.txt", "", 2,
     "tessomar-calc: --plot p.png: the plot is SVG, give a name ending in .svg (or - for standard output)"},
    {"--sigma 1001 random p.txt", "", 2, "tessomar-calc: --sigma 1001: give a number above 0, at most 1000"},
    {"random --response fn=0,Q=10 p.txt", "", 2,
     "tessomar-calc: --response fn=0,Q=10: fn=0: give a natural frequency above 0, at most 20000 Hz"},
    {"random --response fn=1e400,Q=10 p.txt", "", 2,
     "tessomar-calc: --response fn=1e400,Q=10: fn=1e400: give a natural frequency above 0, at most 20000 Hz"},
    {"random --response fn=150,q=-2 p.txt", "", 2,
     "tessomar-calc: --response fn=150,q=-2: q=-2: give a Q above 0, at most 1000"},
    {"random --response fn=150 p.txt", "", 2, "tessomar-calc: --response fn=150: give fn= and Q=, as fn=150,Q=10"},
    {"random --response fn=2500,Q=10 p.txt", kPublished2, 2,
     "tessomar-calc: --response fn=2500,Q=10: fn 2500 Hz lies outside the profile, 20 to 2000 Hz"},
    {"random --tolerance 3,six p.txt", "", 2, "tessomar-calc: --tolerance 3,six: six is not a number of dB"},
    {"random --tolerance 6,3 p.txt", "", 2,
     "tessomar-calc: --tolerance 6,3: the abort lines must lie outside the alarm lines: give the alarm first, as 3,6"},
    {"random --scale-db 3 --scale-to 5 p.txt", "", 2,
     "tessomar-calc: --scale-to 5: give --scale-db or --scale-to, not both"},
    // 0.04 x 10^4.5 = 1264.91: past the table's 1000 g²/Hz.
    {"random --scale-db 45 p.txt", kPublished2, 2,
     "tessomar-calc: --scale-db 45: entry 2 (80 Hz) would be 1264.91 g²/Hz, outside the table's 0.000001 to 1000"},
    {"--tolerance 3 sine A=1 F=1", "", 2, "tessomar-calc: --tolerance: applies to random only"},
    {"--shaker stroke=1e400in,velocity=70ips random p.txt", "", 2,
     "tessomar-calc: --shaker: stroke=1e400in: no shaker has that, give 0.00394 to 78.7 in"},
    {kShaker + "force=3kN,mass=4kg sine A=1 F=1", "", 2,
     "tessomar-calc: --shaker: force=3kN: say which force, sine-force= (peak) or random-force= (rms)"},
    {kShaker + "sine-force=3kN sine A=1 F=1", "", 2,
     "tessomar-calc: --shaker: a force rating needs mass=, the moving mass"},
    {kShaker + "sine-force=3kN,mass=4kg,payload=1kg sine A=1 F=1", "", 2,
     "tessomar-calc: --shaker: give mass= (all that moves) or armature=, fixture=, payload=, not both"},
    {kShaker + "sine-force=3kN,payload=1kg sine A=1 F=1", "", 2,
     "tessomar-calc: --shaker: the fixture and payload ride on the armature, give armature= too"},
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
    std::istringstream err(o.err);
    for (std::string line; std::getline(err, line);) EXPECT_EQ(line.rfind("tessomar-calc: warning: ", 0), 0u) << line;
    const std::string printed = squeezed(o.out + o.err);
    std::istringstream rows(c.expect);
    for (std::string row; std::getline(rows, row, '|');)
        EXPECT_NE(printed.find(row), std::string::npos) << row << "\nin\n" << printed;
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLine, testing::ValuesIn(kCases));

// One quantity given in two units: the second's result is the first's times
// the factor between the units, from their definitions. "%" stands for the value.
struct TwoUnits {
    const char *line, *first, *second, *read;
    double factor;
};
const char *kAccel = R"("acceleration": \{"value": )", *kVelocity = R"("velocity": \{"value": )";
const char *kStroke = R"(stroke": \{"demand": )", *kSpeed = R"(velocity": \{"demand": )",
           *kForce = R"(force": \{"demand": )";
const TwoUnits kUnitWords[] = {
    {"sine F=50 V=%", "100", "2.54m/s", kAccel, 1},
    {"--exact sine F=50 V=%", "100ips", "2.54MPS", kAccel, 1},
    {"sine F=50 D=%", "1", "25.4mm", kAccel, 1},
    {"--exact sine F=50 D=%", "1in", "25.4Mm", kAccel, 1},
    {"--exact sine V=50 F=%", "50", "50hz", kAccel, 1},
    {"--exact sine F=50 A=%", "5", "5g", kVelocity, 1},
    {"--exact shock half-sine A=5 T=%", "10", "10ms", kVelocity, 1},
    {"random --shaker velocity=70ips,stroke=% p.txt", "2in", "50.8mm", kStroke, 25.4},
    {"random --shaker stroke=2in,velocity=% p.txt", "70ips", "1.778m/s", kSpeed, 0.0254},
    {"random --shaker stroke=2in,velocity=70ips,mass=1kg,random-force=% p.txt", "9N", "2kN", kForce, 0.001},
    {"random --shaker stroke=2in,velocity=70ips,mass=1kg,random-force=% p.txt", "9N", "9lbf", kForce,
     1 / 4.4482216152605},
    {"random --shaker stroke=2in,velocity=70ips,random-force=9N,mass=% p.txt", "45.359237kg", "100lb", kForce, 1},
};

TEST(UnitWords, EachTakesTheValueByItsFactor) {
    for (const TwoUnits& u : kUnitWords) {
        double value[2];
        for (int i = 0; i < 2; ++i) {
            std::string line = u.line;
            const std::string json =
                runLine("--json " + line.replace(line.find('%'), 1, i ? u.second : u.first), kPublished2).out;
            std::smatch m;
            ASSERT_TRUE(std::regex_search(json, m, std::regex(std::string(u.read) + "([^,]+)"))) << line;
            value[i] = std::stod(m[1]);
        }
        EXPECT_NEAR(value[1], value[0] * u.factor, 1e-6 * value[0] * u.factor) << u.line << " " << u.second;
    }
}

// The break points' columns line up however wide their cells: each full row
// ends on the terminal where the header ends.
TEST(Text, ColumnsLineUp) {
    std::istringstream out(runLine("random --sigma 1000 p.txt", kPublished2).out);
    std::vector<std::size_t> ends;
    for (std::string line; std::getline(out, line) && ends.size() < 5;)
        ends.push_back(std::count_if(line.begin(), line.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    EXPECT_EQ(std::vector<std::size_t>(ends.begin() + 1, ends.end()), std::vector<std::size_t>(4, ends[1]));
}

// Every value in the JSON reads as the text shown beside it, to the text's
// last digit; every margin is the share of its rating left; every warning
// on standard error stands in the JSON.
TEST(Json, ValuesAgreeWithTheirTextsAndWarnings) {
    const std::string shaker = "--shaker stroke=0.05in,velocity=70ips,random-force=3kN,sine-force=9kN,mass=45kg ";
    // Two derived levels are rounded to the table's precision; neither force rating warns.
    const struct {
        const char* line;
        int warnings, margins;
    } cases[] = {{"sine V=0.1m/s D=2mm", 0, 3},
                 {"shock terminal-peak A=20 D=0.5", 0, 3},
                 {"--exact sine A=3 F=7", 0, 3},
                 {"random -", 2, 3},
                 {"--exact random -", 0, 3},
                 {"--sigma 5 random -", 2, 3},
                 {"sine-profile 2-200 D=25mm V=0.5m/s A=3", 0, 3},
                 {"sweep 20-2000 time=1h sweeps=3", 0, 0},
                 {"shaker sine-force=2kN random-force=1.5kN armature=9lb fixture=2kg A=7.5 derate=75%", 0, 0}};
    for (const auto& [line, warnings, margins_] : cases) {
        const Outcome o = runLine("--json " + (margins_ ? shaker : "") + line, kPublished2 + "1e4 1e-6\n");
        const std::regex pair(R"x("value": ([^,]+), "text": "([^"]*)")x"),
            margin(
                R"x(\{"demand": ([^,]+), "rating": ([^,]+), "unit": "[^"]+", "margin": ([^,]+), "exceeded": (\w+))x");
        for (auto it = std::sregex_iterator(o.out.begin(), o.out.end(), pair); it != std::sregex_iterator(); ++it) {
            const std::string text = (*it)[2];
            const std::size_t point = text.find('.');
            const double value = std::stod((*it)[1]),
                         half = point == std::string::npos ? 0.5 : 0.5 * std::pow(10, -double(text.size() - point - 1));
            EXPECT_NEAR(value, std::stod(text), half * (1 + 1e-9) + 1e-6 * std::fabs(value)) << line << ": " << text;
        }
        int margins = 0;
        for (auto it = std::sregex_iterator(o.out.begin(), o.out.end(), margin); it != std::sregex_iterator(); ++it) {
            const double demand = std::stod((*it)[1]), rating = std::stod((*it)[2]);
            EXPECT_DOUBLE_EQ(std::stod((*it)[3]), 100 * (rating - demand) / rating) << line;
            EXPECT_EQ((*it)[4] == "true", demand > rating) << line;
            ++margins;
        }
        EXPECT_EQ(margins, margins_) << line;
        std::istringstream err(o.err);
        int count = 0;
        for (std::string w; std::getline(err, w); ++count)
            EXPECT_NE(o.out.find("\"" + w.substr(24) + "\""), std::string::npos);
        EXPECT_EQ(count, warnings) << line;
    }
}

// Each match of a pattern: the numbers it captures.
std::vector<std::vector<double>> numbers(const std::string& text, const std::string& pattern) {
    std::vector<std::vector<double>> out;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
        for (std::size_t i = 1; i < it->size(); ++i)
            (i == 1 ? out.emplace_back() : out.back()).push_back(std::stod((*it)[i]));
    return out;
}

// The plot against a log scale worked out here: 10 to 1000 Hz spans the
// decades 1 to 3 across, 0.01 to 0.1 g²/Hz (a hair off both as 32-bit
// values) the decade -2 to -1 up, each spread over the frame; each point
// where its logarithm falls, grid lines at 1 to 9 times each decade.
TEST(Plot, PutsEachPointOnTheLogScaleOfItsAxes) {
    const double f[] = {10, 80, 350, 1000}, p[] = {0.01, 0.04, 0.04, 0.1};
    const Outcome o = runLine("--plot - random -", "10 0.01\n80 0.04\n350 0.04\n1000 0.1\n");
    const std::string at = "=\"([0-9.]+)\"";
    const auto frame = numbers(o.out, "frame\" x" + at + " y" + at + " width" + at + " height" + at).at(0);
    auto x = [&](double v) { return frame[0] + (std::log10(v) - 1) / 2 * frame[2]; };
    auto y = [&](double v) { return frame[1] + (-1 - std::log10(v)) * frame[3]; };
    const auto dots = numbers(o.out, "cx" + at + " cy" + at);
    ASSERT_EQ(dots.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(dots[i][0], x(f[i]), 0.006);
        EXPECT_NEAR(dots[i][1], y(p[i]), 0.006);
    }
    std::multiset<long> grid, want;
    for (const auto& l : numbers(o.out, "class=\"m[a-z]+\" x1" + at + " y1" + at + " x2" + at + " y2" + at)) {
        EXPECT_TRUE(l[0] == l[2] || l[1] == l[3]) << "a slanted grid line";
        grid.insert(std::lround(100 * (l[0] + l[1])));
    }
    for (double m = 1; m <= 10; ++m) {
        for (double across : {10 * m, 100 * m}) want.insert(std::lround(100 * (x(across) + frame[1])));
        want.insert(std::lround(100 * (frame[0] + y(0.01 * m))));
    }
    want.erase(want.find(std::lround(100 * (x(100) + frame[1])))); // 100 Hz is in both decades
    EXPECT_EQ(grid, want);
    std::vector<double> ticks;
    for (const auto& t : numbers(o.out, "\"middle\">([0-9]+)<")) ticks.push_back(t[0]);
    EXPECT_EQ(ticks, (std::vector<double>{10, 100, 1000}));
    EXPECT_EQ(numbers(o.out, "\"end\">([0-9.]+)<"), (std::vector<std::vector<double>>{{0.01}, {0.1}}));
    for (const auto& t : numbers(o.out, "<text x" + at + " y" + at)) // no label over the profile
        EXPECT_FALSE(t[0] > frame[0] && t[0] < frame[0] + frame[2] && t[1] > frame[1] && t[1] < frame[1] + frame[3]);
    EXPECT_EQ(numbers(o.out, ">Acceleration PSD, ([0-9.]+) g rms<"), numbers(o.err, "Acceleration +([0-9.]+) g rms"));
}

// A sine profile's plot: the line from (5 Hz, (10 pi)² 0.5 / 2 / g) up to the
// crossover at 5 g and on to 500 Hz, the crossover's mark, each segment's label.
TEST(Plot, DrawsASineProfileWithItsCrossoverMarked) {
    const Outcome o = runLine("--plot - sine-profile 5-500 D=0.5in A=5", "");
    const std::string at = "=\"([0-9.]+)\"";
    const auto frame = numbers(o.out, "frame\" x" + at + " y" + at + " width" + at + " height" + at).at(0);
    const double fx = std::sqrt(2 * 5 * 386.088 / 0.5) / (2 * std::acos(-1.0)),
                 d5 = std::pow(10 * std::acos(-1.0), 2) / 386.088 / 4;
    auto x = [&](double v) { return frame[0] + std::log10(v) / 3 * frame[2]; };       // 1 to 1000 Hz
    auto y = [&](double v) { return frame[1] + (1 - std::log10(v)) / 2 * frame[3]; }; // 0.1 to 10 g
    const auto line = numbers(o.out, "points=\"([0-9.]+),([0-9.]+) ([0-9.]+),([0-9.]+) ([0-9.]+),([0-9.]+)\"").at(0);
    const double want[] = {x(5), y(d5), x(fx), y(5), x(500), y(5)};
    for (int i = 0; i < 6; ++i) EXPECT_NEAR(line[i], want[i], 0.006) << i;
    EXPECT_EQ(numbers(o.out, "class=\"mark\" x1" + at).size(), 1u);
    EXPECT_NEAR(numbers(o.out, "class=\"mark\" x1" + at).at(0)[0], x(fx), 0.006);
    EXPECT_NE(o.out.find(">D 0.5 in p-p<"), std::string::npos);
    EXPECT_NE(o.out.find(">A 5 g pk<"), std::string::npos);
    EXPECT_NE(o.err.find("Crossover at 13.99 Hz"), std::string::npos);
}

// On log axes a level k dB above the profile lies k/10 decades above it:
// the lines at +3, -1, +6 and -4 dB and the response's peak at fn, 10
// log10(1 + Q²) dB up, stand in those ratios from the profile run at +10 dB.
TEST(Plot, DrawsTheToleranceLinesAndTheResponseAboveTheProfileRun) {
    const Outcome o = runLine("--plot - random --scale-db 10 --tolerance +3/-1,+6/-4 --response fn=100,Q=10 -",
                              "10 0.01\n1000 0.01\n");
    std::vector<std::pair<std::string, std::vector<double>>> lines; // class, the points' y
    const std::regex polyline("<polyline class=\"([a-z ]+)\" points=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(o.out.begin(), o.out.end(), polyline); it != std::sregex_iterator(); ++it) {
        lines.emplace_back((*it)[1], std::vector<double>{});
        for (const auto& xy : numbers((*it)[2], "[0-9.]+,([0-9.]+)")) lines.back().second.push_back(xy[0]);
    }
    const std::vector<std::string> classes{"profile",      "alarm dashed", "alarm dashed",
                                           "abort dashed", "abort dashed", "response"};
    ASSERT_EQ(lines.size(), classes.size());
    const double y0 = lines[0].second.at(0), sixDb = y0 - lines[3].second.at(0);
    const double want[] = {0, 3, -1, 6, -4, 10 * std::log10(101.0)};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].first, classes[i]);
        const auto& ys = lines[i].second;
        EXPECT_NEAR(y0 - *std::min_element(ys.begin(), ys.end()), want[i] / 6 * sixDb, 0.03) << classes[i];
    }
    for (const char* text : {">Acceleration PSD at +10.00 dB, 9.95 g rms<", ">Alarm +3/-1 dB<", ">Abort +6/-4 dB<",
                             ">Response, fn 100 Hz, Q 10<"})
        EXPECT_NE(o.out.find(text), std::string::npos) << text;
}

// A stored value of a window and the value the command line prints for it in JSON.
void expectSameBits(float window, const std::string& printed) {
    EXPECT_EQ(std::bit_cast<std::uint32_t>(window), std::bit_cast<std::uint32_t>(std::strtof(printed.c_str(), nullptr)))
        << window << " printed as " << printed;
}

// Each "key": {"value": V, "text": T} of the JSON in order: capture 1 is V, 2 is T.
std::vector<std::string> capturesOf(const std::string& json, const std::string& key, int capture) {
    const std::regex value("\"" + key + "\": \\{\"value\": ([^,]+), \"text\": \"([^\"]*)\"");
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(json.begin(), json.end(), value); it != std::sregex_iterator(); ++it)
        out.push_back((*it)[capture]);
    return out;
}
std::vector<std::string> valuesOf(const std::string& json, const std::string& key) { return capturesOf(json, key, 1); }

// Two of the four values typed into a started window, a value and Enter a
// field, Metric units chosen first for a value in m/s or mm, as the command
// line types them: each stored value bit for bit, and every field's text in
// both unit systems. A value the field stores as 0 stops both.
TEST(WindowAndCommandLine, AgreeBitForBitOnSeededEntries) {
    std::mt19937 random(21);
    std::uniform_real_distribution<double> logValue(-3.5, 5);
    std::uniform_int_distribution<int> pick(0, 3), digits(1, 9), coin(0, 1);
    const char* shapes[] = {"sine", "shock half-sine", "shock terminal-peak"};
    for (int run = 0; run < 90; ++run) {
        const int shape = run % 3;
        const char* letters = shape ? "AVDT" : "AVDF";
        auto w = std::make_unique<tessomar::Tessomar>();
        w->load();
        w->activate();
        if (shape) w->click(w->ShockButton);
        if (shape == 2) w->click(w->AccelButton);
        tk::TextBox* fields[] = {&w->Acceleration, &w->Velocity, &w->Displacement, &w->Frequency};
        const float* stored[] = {&w->fs.SineAccel, &w->fs.SineVel, &w->fs.SineDisp, &w->fs.SineFreq};
        std::string line = shapes[shape];
        bool zero = false;
        for (int first = pick(random), i = 0, k = first; i < 2; ++i, k = (first + 1 + pick(random) % 3) % 4) {
            char number[32];
            std::snprintf(number, sizeof number, "%.*g", digits(random), std::pow(10, logValue(random)));
            const bool metric = (k == 1 || k == 2) && coin(random);
            line += std::string(" ") + letters[k] + "=" + number + (metric ? (k == 1 ? "m/s" : "mm") : "");
            if ((w->fs.EnglishUnits != tessomar::kTrue) != metric) w->click(metric ? w->MetricBut : w->EnglishBut);
            w->clickText(*fields[k], 0);
            w->selectAll();
            for (const char* c = number; *c; ++c) w->keyPress(*c);
            w->keyPress(13);
            zero = zero || *stored[k] == 0;
        }
        const Outcome o = runLine("--json " + line, "");
        ASSERT_EQ(o.code, zero ? 2 : 0) << line << "\n" << o.err;
        if (zero) continue;
        const char* keys[] = {"acceleration", "velocity", "displacement", shape ? "duration" : "frequency"};
        for (int k = 0; k < 4; ++k) {
            SCOPED_TRACE(line + ": " + keys[k]);
            expectSameBits(*stored[k], valuesOf(o.out, keys[k]).at(0));
            const auto texts = capturesOf(o.out, keys[k], 2);
            w->click(w->EnglishBut);
            EXPECT_EQ(fields[k]->Text(), texts.at(0));
            w->click(w->MetricBut);
            EXPECT_EQ(fields[k]->Text(), texts.at(1));
        }
    }
}

// A profile typed into the window, a value and Enter a box: each break point
// and result stored bit for bit.
TEST(WindowAndCommandLine, AgreeBitForBitOnSeededProfiles) {
    std::mt19937 random(15);
    std::uniform_real_distribution<double> logFreq(0, 4.2), logPsd(-5, 1);
    const char* formats[] = {"%s\t%s\n", "%s, %s\n", "%s Hz %s g^2/Hz\n"};
    for (int profile = 0; profile < 49; ++profile) { // 2 to 50 points
        std::string text;
        std::map<long long, std::pair<std::string, std::string>> typed; // by frequency in hundredths
        for (int i = 0, n = 2 + profile; i < n; ++i) {
            char f[32], p[32], line[96];
            double freq = std::pow(10, logFreq(random));
            while (typed.count(std::llround(freq * 100))) freq = std::pow(10, logFreq(random));
            *std::to_chars(f, f + 31, freq).ptr = 0;
            // A PSD typed in the bottom row keeps digits beyond the box's six: typed to six, no row differs.
            std::snprintf(p, sizeof p, "%.6f", std::pow(10, logPsd(random)));
            std::snprintf(line, sizeof line, formats[i % 3], f, p);
            text += line;
            typed[std::llround(freq * 100)] = {f, p};
        }
        // Typed from the lowest frequency up, each point lands on the row after the last.
        auto w = std::make_unique<tessomar::Tessomar>();
        w->load();
        w->activate();
        w->click(w->RandomButton);
        w->clickText(w->F[0], 0);
        for (const auto& [key, point] : typed)
            for (const std::string& value : {point.first, point.second}) {
                w->selectAll();
                for (char c : value) w->keyPress(c);
                w->keyPress(13);
            }
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
