// Fitting the design layout to the screen's resolution, once, at load.
#include "frame/scaling.h"

#include "frame/tessomar.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <vector>

namespace tessomar {

float scaleFactorFor(float twipsPerPixel) {
    double t = twipsPerPixel;
    if (!std::isfinite(t) || t <= 0) t = 15.0;
    return num::store(t / kDesignTwipsPerPixel);
}

namespace {

// One property times the factor. False when the product does not fit a
// float, which ends the scaling there; the property keeps its old value.
bool scaleInPlace(float& property, float factor) {
    const double product = static_cast<double>(property) * static_cast<double>(factor);
    if (!std::isfinite(product) || std::fabs(product) > static_cast<double>(FLT_MAX)) return false;
    property = num::store(product);
    return true;
}

struct Geometry {
    float* top;
    float* left;
    float* height;
    float* width;
    float* fontSize; // null for the scroll bar, which has no font to scale
};

Geometry geometryOf(tk::Control& c, bool withFont) {
    return {&c.Top, &c.Left, &c.Height, &c.Width, withFont ? &c.font.size : nullptr};
}

// Top, Left, Height, Width, then the font size: the order matters only for
// what a failure leaves behind.
bool scaleObject(const Geometry& g, float factor) {
    for (float* p : {g.top, g.left, g.height, g.width})
        if (!scaleInPlace(*p, factor)) return false;
    return g.fontSize == nullptr || scaleInPlace(*g.fontSize, factor);
}

} // namespace

void Tessomar::ScaleLayout() {
    fs.ScaleFactor = scaleFactorFor(twipsPerPixelX);
    const float k = fs.ScaleFactor;

    // A fixed order: a failure part-way leaves the objects before it scaled
    // and those after it at their design values.
    std::vector<Geometry> objects;
    objects.reserve(70);
    objects.push_back({&Top, &Left, &Height, &Width, &font.size});
    auto add = [&](std::initializer_list<tk::Control*> controls) {
        for (tk::Control* c : controls) objects.push_back(geometryOf(*c, c != &Scroll));
    };
    auto addRow = [&](std::array<tk::TextBox, kRows>& row) {
        for (tk::TextBox& box : row) add({&box});
    };
    addRow(A);
    add({&AccelBounce, &Acceleration, &AccelLbl, &AccelTab, &AccelUnits, &AddLbl1, &AddLbl2});
    addRow(B);
    add({&BkLbl, &BkptBak, &ClearBut, &DelBut, &DispBounce, &Displacement, &DispLbl, &DispTab, &DispUnits,
         &EnglishBut});
    addRow(F);
    add({&FreqBounce, &FreqLbl,      &FreqTab,  &Frequency, &FreqUnits,   &HelpBut,  &MetricBut,  &Picture1,
         &PSDLbl,     &RandomButton, &RanHelp,  &RfreqLbl,  &SineButton,  &SineHelp, &VelBounce,  &VelLbl,
         &Velocity,   &VelTab,       &VelUnits, &TabBounce, &TabDnBounce, &Scroll,   &ShockButton});
    // Scaled too, last, so that on any screen the pulse-shape button stays
    // over the acceleration label and the shock picture beside the other panels.
    add({&AccelButton, &ShockHelp});

    for (const Geometry& g : objects)
        if (!scaleObject(g, k)) break;

    for (float* p : {&Line1.X1, &Line1.X2, &Line1.Y1, &Line1.Y2}) scaleInPlace(*p, k);
}

} // namespace tessomar
