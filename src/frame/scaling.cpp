#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::ScaleLayout() {}

} // namespace tessomar
