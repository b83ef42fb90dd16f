#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

namespace {

struct ScreenCase {
    float twipsPerPixel, factor, accelWidth, accelFont;
};
class ScaleLayoutTest : public testing::TestWithParam<ScreenCase> {};

TEST_P(ScaleLayoutTest, ScalesEveryControlsPlaceSizeAndFontButTheScrollBarFont) {
    const ScreenCase& c = GetParam();
    tessomar::Tessomar design, w;
    w.twipsPerPixelX = c.twipsPerPixel;
    w.load();
    ASSERT_EQ(w.fs.ScaleFactor, c.factor);
    const double k = c.factor;
    EXPECT_NEAR(w.Acceleration.Width, c.accelWidth, 0.05);
    EXPECT_NEAR(w.Acceleration.font.size, c.accelFont, 0.001);
    EXPECT_FLOAT_EQ(w.Height, static_cast<float>(7020 * k));
    EXPECT_FLOAT_EQ(w.font.size, static_cast<float>(12 * k));
    for (std::size_t i = 0; i < design.controls().size(); ++i) {
        const tk::Control &d = *design.controls()[i], &s = *w.controls()[i];
        if (s.kind() == tk::Kind::Line) continue;
        SCOPED_TRACE(s.name());
        for (float tk::Control::*m : {&tk::Control::Left, &tk::Control::Top, &tk::Control::Width, &tk::Control::Height})
            EXPECT_FLOAT_EQ(s.*m, static_cast<float>(d.*m * k));
        EXPECT_FLOAT_EQ(s.font.size, static_cast<float>(&s == &w.Scroll ? d.font.size : d.font.size * k));
    }
    EXPECT_EQ(w.Line1.Y1, w.Line1.Y2);
    EXPECT_FLOAT_EQ(w.Line1.X2, static_cast<float>(3400 * k));
    // The pulse-shape button stays 35 twips left of and 55 above its label.
    EXPECT_NEAR(w.AccelLbl.Left - w.AccelButton.Left, 35 * k, 0.01);
    EXPECT_NEAR(w.AccelLbl.Top - w.AccelButton.Top, 55 * k, 0.01);
    EXPECT_EQ(w.ShockHelp.Top, w.SineHelp.Top);
}

// A reading that is no usable resolution is taken as a 96-dpi screen.
const float kNan = std::numeric_limits<float>::quiet_NaN();
INSTANTIATE_TEST_SUITE_P(Screens, ScaleLayoutTest,
                         testing::Values(ScreenCase{15, 0.9933775f, 993.4f, 9.685f},
                                         ScreenCase{12, 0.7947020f, 794.7f, 7.748f}, ScreenCase{15.1f, 1, 1000, 9.75f},
                                         ScreenCase{7.5f, 0.49668874f, 496.7f, 4.843f},
                                         ScreenCase{0, 0.9933775f, 993.4f, 9.685f},
                                         ScreenCase{kNan, 0.9933775f, 993.4f, 9.685f}));

TEST(ScaleLayout, AnUnstorableSizeEndsTheLoopAndTheLineStillScales) {
    tessomar::Tessomar w;
    w.twipsPerPixelX = 30.2f; // factor 2, so FLT_MAX overflows
    w.Acceleration.Width = FLT_MAX;
    w.load();
    EXPECT_EQ(w.A[8].Left, 3600.0f);          // before it in the list: scaled
    EXPECT_EQ(w.Acceleration.Height, 720.0f); // written before the failure
    EXPECT_EQ(w.Acceleration.Width, FLT_MAX);
    EXPECT_EQ(w.Acceleration.font.size, 9.75f);
    EXPECT_EQ(w.AccelLbl.Left + w.ShockButton.Top, 50.0f + 825.0f); // after it: design values
    EXPECT_EQ(w.Line1.Y2, 2600.0f);
}

} // namespace
