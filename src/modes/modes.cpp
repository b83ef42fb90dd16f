#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::SineButton_Click() {}
void Tessomar::ShockButton_Click() {}
void Tessomar::AccelButton_Click() {}

} // namespace tessomar
