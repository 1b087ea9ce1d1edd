// Entering places and coming back to the map. The map screen arrives with its
// own work; these are the entry points the title and the race call.

#include "app/UnitMain.h"

namespace zb {

void TForm1::mapToEvent(std::uint8_t) {}
void TForm1::backToMap() {}

} // namespace zb
