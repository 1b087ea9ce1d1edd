// The data menu: choosing a slot to save to or load from.

#include "app/UnitMain.h"

namespace zb {

void TForm1::startDataMenu() {}

} // namespace zb
