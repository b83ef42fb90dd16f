#pragma once

#include "toolkit/control.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>

namespace tessomar::view {

// 0xBBGGRR to a Qt colour; the platform-chosen and see-through values give
// an invalid colour, which callers read as "leave the palette alone".
QColor toQColor(tk::Color c);

// Twips to logical pixels, rounded to the nearest pixel.
int toPixels(float twips, float twipsPerPixel);
QRect pixelRect(const tk::Control& c, float twipsPerPixel);

// The control's face, size and weight; the face stays the design name and
// Qt's font substitution maps it to an installed family.
QFont toQFont(const tk::Font& f);
// Maps the design faces to families a Linux desktop has. Idempotent.
void installFontSubstitutions();

// "&Sine" shown without its mark, "&&" as one ampersand.
QString withoutAccessMark(const std::string& caption);

// The core's texts are UTF-8, the help texts with CR LF; Qt's hold UTF-16
// and LF. These map positions between the two.
QString toDisplayText(const std::string& text);
int displayToCore(const std::string& text, int displayPos);
int coreToDisplay(const std::string& text, int corePos);

// The name a screen reader speaks for a control.
QString accessibleNameFor(const tk::Control& c);

} // namespace tessomar::view
