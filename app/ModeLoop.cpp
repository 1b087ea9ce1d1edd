// Screens as modes: each mode installs at most one idle handler, always in the
// same order: the mode is set, the clock is read into lastTick, the handler is
// installed, so its first step comes one period later.

#include "app/UnitMain.h"

namespace zb {

void TForm1::installIdle(const char* handlerName, std::uint32_t period, void (TForm1::*step)()) {
    lastTick = static_cast<std::int32_t>(platform.timeGetTime());
    app.setIdle(IdleHandler{handlerName, period, [this, step] { (this->*step)(); }}, &lastTick);
}

void TForm1::clearIdle() {
    app.clearIdle();
}

} // namespace zb
