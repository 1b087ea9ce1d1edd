// The driving school. The lessons arrive with the school; this is the entry
// point the routing calls.

#include "app/UnitMain.h"

namespace zb {

void TForm1::getReadyToTutor() {}

} // namespace zb
