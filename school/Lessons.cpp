// The driving school. The lessons arrive with the school; these are the entry
// points the routing, the map and the race call.

#include "app/UnitMain.h"

namespace zb {

void TForm1::mapToTutor() {}
void TForm1::getReadyToTutor() {}
void TForm1::AppTutor() {}

} // namespace zb
