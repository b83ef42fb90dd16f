#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::EnglishBut_Click() {}
void Tessomar::MetricBut_Click() {}

} // namespace tessomar
