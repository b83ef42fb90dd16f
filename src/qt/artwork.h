#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tessomar::view {

// The program's own images, drawn at the given device pixel ratio so that
// they stay crisp on high-dpi screens. Sizes are in logical pixels.
QPixmap bannerPixmap(qreal devicePixelRatio);    // 245 x 62, for Picture1
QPixmap shockHelpPixmap(qreal devicePixelRatio); // 229 x 373, for ShockHelp
QIcon appIcon();                                 // the window icon
QString shockHelpText();                         // what the shock picture says, as text

} // namespace tessomar::view
