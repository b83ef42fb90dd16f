#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::MarkEntries() {}
void Tessomar::Acceleration_KeyPress(int&) {}
void Tessomar::Velocity_KeyPress(int&) {}
void Tessomar::Displacement_KeyPress(int&) {}
void Tessomar::Frequency_KeyPress(int&) {}
void Tessomar::Acceleration_LostFocus() {}
void Tessomar::Velocity_LostFocus() {}
void Tessomar::Displacement_LostFocus() {}
void Tessomar::Frequency_LostFocus() {}

} // namespace tessomar
