#include "qt/artwork.h"

namespace tessomar::view {

QPixmap bannerPixmap(qreal) { return {}; }
QPixmap shockHelpPixmap(qreal) { return {}; }

} // namespace tessomar::view
