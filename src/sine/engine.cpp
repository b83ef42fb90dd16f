#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::UpdateSine() {}
void Tessomar::UpdateShock() {}
void Tessomar::ShowSineFields() {}

} // namespace tessomar
