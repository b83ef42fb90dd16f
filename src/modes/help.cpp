#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::FillHelpText() {}
void Tessomar::HelpBut_Click() {}

} // namespace tessomar
