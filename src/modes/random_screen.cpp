#include "frame/tessomar.h"

namespace tessomar {

void Tessomar::RandomButton_Click() {}

} // namespace tessomar
