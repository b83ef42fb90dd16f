#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::UpdateRandom() {}
void Tessomar::FindEnd() {}
void Tessomar::Scroll_Change() {}
void Tessomar::F_LostFocus(int) {}
void Tessomar::A_LostFocus(int) {}
void Tessomar::DelBut_Click() {}
void Tessomar::ClearBut_Click() {}

} // namespace tessomar
