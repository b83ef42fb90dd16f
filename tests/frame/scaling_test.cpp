#include "frame/scaling.h"
#include "frame/tessomar.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cfloat>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {

using tessomar::Tessomar;

std::unique_ptr<Tessomar> loadedAt(float twipsPerPixel) {
    auto w = std::make_unique<Tessomar>();
    w->twipsPerPixelX = twipsPerPixel;
    w->load();
    return w;
}

// ---- The factor itself ----

struct FactorCase {
    const char* screen;
    float twipsPerPixel;
    float factor;
};

class ScaleFactorTest : public testing::TestWithParam<FactorCase> {};

TEST_P(ScaleFactorTest, IsTwipsPerPixelOverFifteenPointOneStoredAsFloat) {
    const FactorCase& c = GetParam();
    EXPECT_EQ(loadedAt(c.twipsPerPixel)->fs.ScaleFactor, c.factor) << c.screen;
}

const float kAt96 = 0.9933775f;  // 15 / 15.1
const float kAt120 = 0.7947020f; // 12 / 15.1

INSTANTIATE_TEST_SUITE_P(Screens, ScaleFactorTest,
                         testing::Values(FactorCase{"96 dpi", 15.0f, kAt96}, FactorCase{"120 dpi", 12.0f, kAt120},
                                         FactorCase{"design screen", 15.1f, 1.0f},
                                         FactorCase{"192 dpi", 7.5f, 0.49668874f},
                                         // No usable reading: taken as a 96-dpi screen.
                                         FactorCase{"zero", 0.0f, kAt96}, FactorCase{"negative", -15.0f, kAt96},
                                         FactorCase{"not a number", std::numeric_limits<float>::quiet_NaN(), kAt96},
                                         FactorCase{"infinite", std::numeric_limits<float>::infinity(), kAt96}),
                         [](const auto& info) {
                             std::string n = info.param.screen;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

// ---- Sizes a user would measure ----

struct MeasureCase {
    const char* what;
    float twipsPerPixel;
    float (*measure)(const Tessomar&);
    float expected;
    float tolerance;
};

class ScaledMeasureTest : public testing::TestWithParam<MeasureCase> {};

TEST_P(ScaledMeasureTest, LandsWhereTheScreenNeedsIt) {
    const MeasureCase& c = GetParam();
    auto w = loadedAt(c.twipsPerPixel);
    EXPECT_NEAR(c.measure(*w), c.expected, c.tolerance) << c.what << " at " << c.twipsPerPixel;
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScaledMeasureTest,
    testing::Values(
        MeasureCase{"Acceleration width", 15, [](const Tessomar& w) { return w.Acceleration.Width; }, 993.4f, 0.05f},
        MeasureCase{"Acceleration width", 12, [](const Tessomar& w) { return w.Acceleration.Width; }, 794.7f, 0.05f},
        MeasureCase{"Acceleration width in pixels", 12, [](const Tessomar& w) { return w.Acceleration.Width / 12.0f; },
                    66.2f, 0.05f},
        MeasureCase{"Acceleration font", 15, [](const Tessomar& w) { return w.Acceleration.font.size; }, 9.685f,
                    0.001f},
        MeasureCase{"Acceleration font", 12, [](const Tessomar& w) { return w.Acceleration.font.size; }, 7.748f,
                    0.001f},
        MeasureCase{"Sine button font", 12, [](const Tessomar& w) { return w.SineButton.font.size; }, 9.536f, 0.001f},
        MeasureCase{"window font", 12, [](const Tessomar& w) { return w.font.size; }, 9.536f, 0.001f},
        MeasureCase{"window width", 15, [](const Tessomar& w) { return w.Width; }, 3442.05f, 0.01f},
        MeasureCase{"window height before activation", 12, [](const Tessomar& w) { return w.Height; }, 5578.81f, 0.01f},
        MeasureCase{"row 8 of the table", 12, [](const Tessomar& w) { return w.F[8].Top; }, 5280.8f, 0.05f},
        MeasureCase{"scroll bar height", 12, [](const Tessomar& w) { return w.Scroll.Height; }, 2443.7f, 0.05f},
        MeasureCase{"line start", 12, [](const Tessomar& w) { return w.Line1.X1; }, 35.76f, 0.01f},
        MeasureCase{"line end", 12, [](const Tessomar& w) { return w.Line1.X2; }, 2701.99f, 0.01f},
        MeasureCase{"line height", 12, [](const Tessomar& w) { return w.Line1.Y1; }, 1033.11f, 0.01f}));

// ---- Every object, against the unscaled design ----

class EveryObjectTest : public testing::TestWithParam<float> {};

TEST_P(EveryObjectTest, ControlsScaleInPlaceSizeAndFontExceptScrollBarFont) {
    Tessomar design;
    auto w = loadedAt(GetParam());
    const double k = w->fs.ScaleFactor;
    ASSERT_EQ(design.controls().size(), w->controls().size());
    for (std::size_t i = 0; i < design.controls().size(); ++i) {
        const tk::Control& d = *design.controls()[i];
        const tk::Control& c = *w->controls()[i];
        if (c.kind() == tk::Kind::Line) continue;
        SCOPED_TRACE(c.name());
        EXPECT_FLOAT_EQ(c.Left, static_cast<float>(d.Left * k));
        EXPECT_FLOAT_EQ(c.Top, static_cast<float>(d.Top * k));
        EXPECT_FLOAT_EQ(c.Width, static_cast<float>(d.Width * k));
        EXPECT_FLOAT_EQ(c.Height, static_cast<float>(d.Height * k));
        if (&c == &w->Scroll)
            EXPECT_EQ(c.font.size, d.font.size);
        else
            EXPECT_FLOAT_EQ(c.font.size, static_cast<float>(d.font.size * k));
    }
}

TEST_P(EveryObjectTest, LineStaysHorizontalUnderTheModeButtons) {
    auto w = loadedAt(GetParam());
    EXPECT_EQ(w->Line1.Y1, w->Line1.Y2);
    EXPECT_GT(w->Line1.Y1, w->SineButton.Top + w->SineButton.Height);
    EXPECT_LT(w->Line1.Y1, w->Acceleration.Top);
}

TEST_P(EveryObjectTest, PulseShapeButtonKeepsItsPlaceOverTheAccelerationLabel) {
    auto w = loadedAt(GetParam());
    const float k = w->fs.ScaleFactor;
    // At design the button stands 35 twips left of and 55 above the label.
    EXPECT_NEAR(w->AccelLbl.Left - w->AccelButton.Left, 35 * k, 0.01);
    EXPECT_NEAR(w->AccelLbl.Top - w->AccelButton.Top, 55 * k, 0.01);
    EXPECT_NEAR(w->AccelButton.Width, w->AccelLbl.Width, 0.01);
    // It must not reach into the value field to its right.
    EXPECT_LE(w->AccelButton.Left + w->AccelButton.Width, w->Acceleration.Left);
}

TEST_P(EveryObjectTest, ShockPictureKeepsItsPlaceBesideTheOtherPanels) {
    auto w = loadedAt(GetParam());
    EXPECT_EQ(w->ShockHelp.Left, w->SineHelp.Left);
    EXPECT_EQ(w->ShockHelp.Top, w->SineHelp.Top);
    EXPECT_EQ(w->ShockHelp.Width, w->SineHelp.Width);
    EXPECT_NEAR(w->RanHelp.Height - w->ShockHelp.Height, 15 * w->fs.ScaleFactor, 0.01);
}

TEST_P(EveryObjectTest, WindowOriginMovesTowardTheScreenCorner) {
    Tessomar w;
    w.twipsPerPixelX = GetParam();
    w.Left = 1510;
    w.Top = 3020;
    w.load();
    EXPECT_FLOAT_EQ(w.Left, static_cast<float>(1510.0 * w.fs.ScaleFactor));
    EXPECT_FLOAT_EQ(w.Top, static_cast<float>(3020.0 * w.fs.ScaleFactor));
}

INSTANTIATE_TEST_SUITE_P(Screens, EveryObjectTest, testing::Values(15.0f, 12.0f, 15.1f, 7.5f, 20.0f));

// ---- A failure stops the loop ----

TEST(ScaleLayoutFailure, AnUnstorableSizeEndsTheLoopAndTheLineStillScales) {
    Tessomar w;
    w.twipsPerPixelX = 30.2f; // factor 2: FLT_MAX overflows
    w.Acceleration.Width = FLT_MAX;
    w.load();
    ASSERT_EQ(w.fs.ScaleFactor, 2.0f);
    // Earlier objects in the list are scaled.
    EXPECT_EQ(w.Height, 14040.0f);
    EXPECT_EQ(w.A[8].Left, 3600.0f);
    EXPECT_EQ(w.AccelBounce.Top, 2910.0f);
    // The failing object keeps what was written before the failure.
    EXPECT_EQ(w.Acceleration.Top, 2800.0f);
    EXPECT_EQ(w.Acceleration.Left, 3060.0f);
    EXPECT_EQ(w.Acceleration.Height, 720.0f);
    EXPECT_EQ(w.Acceleration.Width, FLT_MAX);
    EXPECT_EQ(w.Acceleration.font.size, 9.75f);
    // Later objects keep their design geometry and font.
    EXPECT_EQ(w.AccelLbl.Left, 50.0f);
    EXPECT_EQ(w.ShockButton.Top, 825.0f);
    EXPECT_EQ(w.F[0].font.size, 8.25f);
    // The line is scaled after the loop, whatever happened in it.
    EXPECT_EQ(w.Line1.X2, 6800.0f);
    EXPECT_EQ(w.Line1.Y2, 2600.0f);
}

struct TwipsCase {
    double design;
    float factor;
    float expected;
};

class ScaledTwipsTest : public testing::TestWithParam<TwipsCase> {};

TEST_P(ScaledTwipsTest, MultipliesDesignTwipsByTheFactor) {
    const TwipsCase& c = GetParam();
    EXPECT_FLOAT_EQ(tessomar::scaledTwips(c.design, c.factor), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Heights, ScaledTwipsTest,
                         testing::Values(TwipsCase{4210, 1.0f, 4210.0f}, TwipsCase{7470, 1.0f, 7470.0f},
                                         TwipsCase{4210, kAt96, 4182.1193f}, TwipsCase{7470, kAt120, 5936.4238f},
                                         TwipsCase{2645, kAt120, 2101.9868f}, TwipsCase{0, kAt96, 0.0f}));

} // namespace
