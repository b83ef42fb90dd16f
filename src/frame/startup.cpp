#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::Form_Load() {}
void Tessomar::Form_Activate() {}

} // namespace tessomar
