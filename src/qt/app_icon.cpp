#include "qt/artwork.h"

namespace tessomar::view {

QIcon appIcon() { return {}; }

} // namespace tessomar::view
