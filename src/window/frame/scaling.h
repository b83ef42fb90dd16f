#pragma once

#include "calc/numbers.h"

namespace tessomar {

// A design length in twips laid onto the scaled layout. The product of two
// floats is exact in double, so this is the same as a float multiplication.
inline float scaledTwips(double designTwips, float scaleFactor) {
    return num::store(designTwips * static_cast<double>(scaleFactor));
}

// The screen resolution the design was drawn at, in twips per pixel.
inline constexpr double kDesignTwipsPerPixel = 15.1;

// ScaleFactor for a screen of t twips per pixel. A reading that is not a
// positive finite number (a platform that reports no dpi) is taken as the
// common 96-dpi screen rather than collapsing the window to nothing.
float scaleFactorFor(float twipsPerPixel);

} // namespace tessomar
