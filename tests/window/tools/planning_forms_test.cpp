// The Shaker and Response forms over a started window: values typed as
// texts, the figures they show against closed forms worked out here and the
// command's printed figures, refusals beside their fields, and the main
// window's profile followed as it changes.
#include "tools/response.h"
#include "tools/shaker.h"
#include "tools/tool_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace tessomar::tools;

// The qualification profile of data/profiles: 20 Hz to 2000 Hz, 0.16 g²/Hz from 50 to 800 Hz.
const char* kQualification = "20 0.0256\n50 0.16\n800 0.16\n2000 0.0256\n";

struct Typed {
    std::size_t field;
    const char* text;
};

// Types into a fresh form, then gives the main window the profile and the
// unit system; each line asked for must be shown, each reason beside its field.
template <class Form>
void check(const char* profile, bool metric, std::vector<Typed> typed, std::vector<std::string> lines,
           std::vector<Typed> reasons = {}) {
    Screen s(true);
    Form form(s.w);
    for (const Typed& t : typed) form.setText(t.field, t.text);
    // The main window changed after the form opened: the form reads it live.
    if (metric) s.w.click(s.w.MetricBut);
    s.w.click(s.w.F[0]);
    s.w.pasteKey(profile);
    form.follow();
    const std::vector<std::string>& shown = form.results();
    for (const std::string& l : lines)
        EXPECT_NE(std::find(shown.begin(), shown.end(), l), shown.end()) << l << "\n" << testing::PrintToString(shown);
    for (const Typed& r : reasons) EXPECT_EQ(form.fields()[r.field].reason, r.text) << r.field;
}

const std::string kLive = "Profile: the main window's break-point table, read live: ";

// Miles: sqrt(pi/2 fn Q PSD(fn)) g rms, times g / (2 pi fn)² for the
// displacement; the exact figures as `tessomar-calc random --response` prints them.
TEST(ResponseForm, MilesAndTheExactResponseOfTheMainWindowsProfile) {
    using R = Response;
    check<R>(kQualification, false, {{R::kFn, "150"}},
             {kLive + "4 break points, 14.12 g rms", "PSD at fn: 0.16 g\xC2\xB2/Hz",
              "Acceleration, Miles: 19.42 g rms, 58.25 g pk at 3 sigma",
              "Relative displacement, Miles: 0.008439 in rms, 0.02532 in pk at 3 sigma",
              "Acceleration, exact: 19.36 g rms, 58.09 g pk at 3 sigma",
              "Relative displacement, exact: 0.008374 in rms, 0.02512 in pk at 3 sigma"});
    check<R>(kQualification, true, {{R::kFn, " 150\r\n"}, {R::kSigma, "1"}},
             {"Relative displacement, Miles: 0.2144 mm rms, 0.2144 mm pk at 1 sigma"});
    check<R>(kQualification, false,
             {{R::kFn, "19.99"},
              {R::kQ, "0"},
              {R::kSigma, "\xE2\x88\x92"
                          "1"}},
             {kLive + "4 break points, 14.12 g rms"},
             {{R::kFn, "Outside the profile, 20 to 2000 Hz"},
              {R::kQ, "Above 0, at most 1000"},
              {R::kSigma, "Above 0, at most 1000"}});
    check<R>("", false, {{R::kFn, "20001"}}, {kLive + "0 break points; a profile needs two"},
             {{R::kFn, "Above 0, at most 20000"}});
}

// Force is mass times acceleration: 2000 lbf on 20 + 15 + 40 lb is 26.67 g pk.
TEST(ShakerForm, SizingFromTheRatings) {
    using S = Shaker;
    check<S>("", false, {{S::kSineForce, "2000"}, {S::kArmature, "20"}, {S::kFixture, "15"}, {S::kPayload, "40"}},
             {"Sizing, the ratings in full", "Moving mass: 75 lb (34.02 kg)", "Most sine acceleration: 26.67 g pk",
              kLive + "0 break points; a profile needs two"});
    // 80 % of 2000 lbf reaches 20 g with 80 lb moving, a 45 lb payload; 1200 lbf rms gives it 15 g rms.
    check<S>("", false,
             {{S::kSineForce, "2000"},
              {S::kRandomForce, "1500"},
              {S::kArmature, "20"},
              {S::kFixture, "15"},
              {S::kAccel, "20"},
              {S::kDerate, "80"}},
             {"Sizing, the ratings at 80 %: 1600 lbf pk 1200 lbf rms used",
              "Heaviest payload at 20 g pk: 45 lb (20.41 kg)", "Moving mass: 80 lb (36.29 kg)",
              "Most random acceleration: 15 g rms"});
    // 1000 N on 10 kg: 1000 / (10 · 9.80665) = 10.2 g; 35 lb alone allow 2000 / 35 = 57.14 g.
    check<S>("", true, {{S::kSineForce, "1000"}, {S::kArmature, "10"}}, {"Most sine acceleration: 10.2 g pk"});
    check<S>("", false, {{S::kSineForce, "2000"}, {S::kArmature, "20"}, {S::kFixture, "15"}, {S::kAccel, "100"}},
             {"Heaviest payload at 100 g pk: none, the armature and fixture alone allow 57.14 g pk"});
    check<S>("", false, {{S::kArmature, "20"}},
             {"Sizing: give the sine force (pk) or the random force (rms), or both"});
    check<S>(
        "", false, {{S::kRandomForce, "9"}, {S::kPayload, "4"}, {S::kAccel, "5"}, {S::kDerate, "0"}}, {},
        {{S::kArmature, "Enter a value"}, {S::kAccel, "Needs the sine force"}, {S::kDerate, "Above 0, at most 100"}});
    check<S>("", false, {{S::kSineForce, "9"}, {S::kPayload, "4"}, {S::kAccel, "5"}}, {},
             {{S::kAccel, "Finds the payload: leave Payload empty"}});
}

// The random force's demand is g rms times the moving mass, 14.12 × 40 lb, and
// the highest level 20 log10(1000 / 564.69) dB; stroke and velocity as the command prints them.
TEST(ShakerForm, TheMainWindowsProfileAgainstTheRatings) {
    using S = Shaker;
    const std::vector<Typed> shaker{
        {S::kStroke, "1"}, {S::kVelocity, "50"}, {S::kRandomForce, "1000"}, {S::kArmature, "10"}, {S::kPayload, "30"}};
    check<S>(kQualification, false, shaker,
             {"Stroke, 3 sigma: 0.090 in of 1.000 in, margin 91.0 %",
              "Velocity, 3 sigma: 13.0 ips of 50.0 ips, margin 74.0 %",
              "Random force (40 lb), 3 sigma: 564.69 lbf of 1000.00 lbf, margin 43.5 %", "Within every rating.",
              "Highest level: +4.96 dB, every PSD x 3.13; random force limits it."});
    // 0.0899 in p-p (random --exact) needs 20 log10(0.05 / 0.0899) = -5.096 dB, shown rounded down.
    check<S>(kQualification, false, {{S::kStroke, "0.05"}, {S::kVelocity, "50"}},
             {"Rating exceeded: stroke.", "Highest level: -5.10 dB, every PSD x 0.309; stroke limits it."});
    check<S>(kQualification, true, {{S::kStroke, "25.4"}, {S::kVelocity, "1.27"}, {S::kSigma, "6"}},
             {"Stroke, 6 sigma: 4.57 mm of 25.40 mm, margin 82.0 %"});
}

} // namespace
