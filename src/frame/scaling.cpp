// Fitting the design layout to the screen's resolution, once, at load.
#include "frame/scaling.h"

#include "frame/tessomar.h"

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
    const float stored = num::store(product);
    if (!std::isfinite(stored)) return false;
    property = stored;
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

    std::vector<Geometry> objects;
    objects.reserve(70);
    objects.push_back({&Top, &Left, &Height, &Width, &font.size});
    auto add = [&](tk::Control& c) { objects.push_back(geometryOf(c, &c != &Scroll)); };
    for (tk::TextBox& box : A) add(box);
    for (tk::Control* c : {static_cast<tk::Control*>(&AccelBounce), static_cast<tk::Control*>(&Acceleration),
                           static_cast<tk::Control*>(&AccelLbl), static_cast<tk::Control*>(&AccelTab),
                           static_cast<tk::Control*>(&AccelUnits), static_cast<tk::Control*>(&AddLbl1),
                           static_cast<tk::Control*>(&AddLbl2)})
        add(*c);
    for (tk::TextBox& box : B) add(box);
    for (tk::Control* c :
         std::initializer_list<tk::Control*>{&BkLbl, &BkptBak, &ClearBut, &DelBut, &DispBounce, &Displacement, &DispLbl,
                                             &DispTab, &DispUnits, &EnglishBut})
        add(*c);
    for (tk::TextBox& box : F) add(box);
    for (tk::Control* c : std::initializer_list<tk::Control*>{
             &FreqBounce, &FreqLbl, &FreqTab, &Frequency, &FreqUnits, &HelpBut, &MetricBut, &Picture1, &PSDLbl,
             &RandomButton, &RanHelp, &RfreqLbl, &SineButton, &SineHelp, &VelBounce, &VelLbl, &Velocity, &VelTab,
             &VelUnits, &TabBounce, &TabDnBounce, &Scroll, &ShockButton,
             // Not in the historical list, but left unscaled they would
             // drift off the controls they cover on any screen but 15.1.
             &AccelButton, &ShockHelp})
        add(*c);

    for (const Geometry& g : objects)
        if (!scaleObject(g, k)) break;

    for (float* p : {&Line1.X1, &Line1.X2, &Line1.Y1, &Line1.Y2}) scaleInPlace(*p, k);
}

} // namespace tessomar
