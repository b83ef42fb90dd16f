#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::VelTab_GotFocus() {}
void Tessomar::DispTab_GotFocus() {}
void Tessomar::FreqTab_GotFocus() {}
void Tessomar::AccelTab_GotFocus() {}
void Tessomar::AccelBounce_GotFocus() {}
void Tessomar::VelBounce_GotFocus() {}
void Tessomar::DispBounce_GotFocus() {}
void Tessomar::FreqBounce_GotFocus() {}

} // namespace tessomar
