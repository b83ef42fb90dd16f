// The random calculator on plain arrays: the integration, the sort and the
// results' texts. The integrals expected are the closed forms worked out
// independently at high precision from the same 32-bit inputs.
#include "calc/psd.h"
#include "calc/result_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace psd = tessomar::psd;

namespace {

// Entries 1, 2, ... hold the points; entry 0 is the guard slot.
struct Spectrum {
    Spectrum(const char* n, psd::Column f, psd::Column p, float g, float v, float d, const char* s = "")
        : name(n), freq(f), level(p), grms(g), vel(v), disp(d), shown(s) {}
    const char* name;
    psd::Column freq, level;
    float grms, vel, disp; // NaN: a sum below zero
    std::string shown;     // English g rms, ips, in.; Metric m/s, mm
};

class Integration : public testing::TestWithParam<Spectrum> {};

TEST_P(Integration, GivesTheClosedFormIntegralsUnderItsRules) {
    const Spectrum& c = GetParam();
    psd::Column f = c.freq, p = c.level, written = c.level;
    const psd::Results r = psd::results(psd::integrate(f, p));
    // The stand-in for a PSD of 0 is written into the table, which shows what was integrated.
    for (int k = 1; c.freq[k] != 0; ++k) written[k] = c.level[k] == 0 ? 1e-9f : c.level[k];
    EXPECT_EQ(p, written);
    for (const auto& [got, want] : {std::pair{r.grms, c.grms}, {r.vel, c.vel}, {r.disp, c.disp}})
        EXPECT_TRUE(got == want || std::fabs(got - want) <= 1e-6f * want || (std::isnan(got) && std::isnan(want)))
            << got << " for " << want;
    const std::string shown = psd::grmsText(r.grms) + " " + psd::velText(r.vel, true) + " " +
                              psd::dispText(r.disp, true) + " " + psd::velText(r.vel, false) + " " +
                              psd::dispText(r.disp, false);
    EXPECT_TRUE(c.shown.empty() || shown == c.shown) << shown;
}

const float kMargin = static_cast<float>(100.0f * 1.0001), kNaN = std::nanf("");
psd::Column slope(double n) { return {0, 1e-12f, static_cast<float>(1e-12 * std::pow(1.1, n))}; } // from 1 to 1.1 Hz

INSTANTIATE_TEST_SUITE_P(
    Spectra, Integration,
    testing::Values(
        Spectrum("Empty", {}, {}, 0, 0, 0, "0.00 0.0 0.000 0.00 0.00"),
        Spectrum("FourPoint", {0, 20, 80, 350, 2000}, {0, .01f, .04f, .04f, .007f}, 6.058182f, 6.208446f, 0.04590061f,
                 "6.06 6.2 0.046 0.16 1.17"),
        Spectrum("Flat", {0, 20, 2000}, {0, .04f, .04f}, 8.899438f, 8.202765f, 0.07575338f, "8.90 8.2 0.076 0.21 1.92"),
        Spectrum("SlopeMinusOneTakesTheLogForm", {0, 100, 200}, {0, .1f, .05f}, 2.632769f, 3.569795f, 0.00898325f,
                 "2.63 3.6 0.009 0.09 0.23"),
        Spectrum("SlopesOneAndThreeTakeTheLogForms", {0, 100, 200, 400}, {0, .1f, .2f, 1.6f}, 12.84523f, 8.632997f,
                 0.01373984f),
        // Slopes -1.005, 0.995 and 3.005: just outside each window.
        Spectrum("NearTheWindows", {0, 100, 200, 400, 800}, {0, .1f, 0.0498270132f, 0.0993092507f, 0.797232211f},
                 13.083f, 5.591672f, 0.009610282f),
        Spectrum("ZeroPsdAtEnd", {0, 20, 2000}, {0, .04f, 0}, 0.5344235f, 3.762491f, 0.05031245f),
        Spectrum("ZeroPsd", {0, 20, 2000}, {0, 0, .04f}, 4.082045f, 0.4925874f, 0.0001447574f,
                 "4.08 0.5 0.000 0.01 0.00"),
        // n = 2.9999985, just below the displacement's log-form window.
        Spectrum("BelowTheDisplacementWindow", {0, 0.01f, 0.02f}, {0, 125, 999.99896f}, 2.165063f, 25242.26f,
                 546192.19f, "2.17 25242.3 546192.188 641.15 13873281.56"),
        Spectrum("AtTheMargin", {0, 100, kMargin}, {0, .1f, .1f}, 0.03162615f, 0.05829782f, 0.0001855585f),
        Spectrum("InsideTheMargin", {0, 100, std::nextafter(kMargin, 0.0f)}, {0, .1f, .1f}, 0, 0, 0),
        Spectrum("SlopeBelowTheLimit", {0, 1, 1.1f}, slope(299.5), 0.09557158f, 16.06992f, 4.665853f),
        Spectrum("SlopeAboveTheLimit", {0, 1, 1.1f}, slope(300.5), 0, 0, 0),
        Spectrum("NegativeAgainstPositivePsd", {0, 20, 2000}, {0, .04f, -.04f}, 0, 0, 0),
        Spectrum("NegativeSum", {0, 20, 2000}, {0, -.04f, -.04f}, kNaN, kNaN, kNaN, "---- ---- ---- ---- ----"),
        // 20000^72 overflows in the first term: the segment adds nothing,
        // though the later terms alone would not fail.
        Spectrum("FailingTermEndsItsSegment", {0, 10000, 20000},
                 {0, 1e-20f, static_cast<float>(1e-20 * std::pow(2.0, 71))}, 0, 0, 0),
        // 0.001^-103 overflows in the displacement term: the others stay.
        Spectrum("TermsAddedBeforeAFailingOneStay", {0, 0.001f, 0.002f},
                 {0, 1, static_cast<float>(std::pow(2.0, -100))}, 0.003178209f, 580.052063f, 0),
        Spectrum("OverflowingSegmentLeavesTheNext", {0, 100, 110, 200}, {0, 0, 1, .3f}, 7.022495f, 9.251487f,
                 0.02214031f),
        // Only the stored value decides what is past its digits, so both unit systems agree.
        Spectrum("PastTheDigitsOfAFloat", {0, 1e-15f, 1e-14f}, {0, 1, 1}, 9.486833e-08f, 5.530303e09f, 1.070779e24f,
                 "0.00 5530302976.0 ---- 140469695.59 ----"),
        Spectrum("BeyondTheFloatRange", {0, 1e-25f, 1e-24f}, {0, 1000, 1000}, 3e-11f, 1.748835e16f, INFINITY,
                 "0.00 ---- ---- ---- ----")),
    [](const auto& info) { return std::string(info.param.name); });

// Gaps close up and the points go in ascending frequency, equal ones in
// their order, each PSD travelling with its frequency; a stray PSD in an
// empty entry is overwritten.
TEST(Sort, ClosesGapsAndOrdersStablyByFrequency) {
    psd::Column f{}, p{0, .5f};
    for (const auto& [k, hz, level] :
         {std::tuple{3, 500.0f, .2f}, {7, 30.0f, .1f}, {10, 100.0f, .3f}, {20, 100.0f, .1f}, {50, 40.0f, .9f}}) {
        f[k] = hz;
        p[k] = level;
    }
    psd::sortBreakPoints(f, p);
    EXPECT_EQ(f, (psd::Column{0, 30, 40, 100, 100, 500}));
    EXPECT_EQ(p, (psd::Column{0, .1f, .9f, .3f, .1f, .2f}));
}

} // namespace
