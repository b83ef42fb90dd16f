#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::F_GotFocus(int) {}
void Tessomar::A_GotFocus(int) {}
void Tessomar::B_GotFocus(int) {}
void Tessomar::F_KeyPress(int, int&) {}
void Tessomar::A_KeyPress(int, int&) {}
void Tessomar::F_KeyDown(int, int&, int) {}
void Tessomar::TabBounce_GotFocus() {}
void Tessomar::TabDnBounce_GotFocus() {}

} // namespace tessomar
