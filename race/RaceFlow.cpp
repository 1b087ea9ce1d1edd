// The race from the frame slide to the result. The race screen's steps arrive
// with the race engine; these are the entry points the other screens call.

#include "app/UnitMain.h"

namespace zb {

void TForm1::getReadyToStart() {}
void TForm1::battleTo() {}
void TForm1::setOpt(std::uint8_t) {}
void TForm1::setWater(std::uint8_t) {}

} // namespace zb
