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

// The blinking cursors and the lesson's hint circle step through three frames
// named stem1..stem3: phase 0 shows the first, 1 the second, anything else the
// third and starts again.
void TForm1::showNextFrame(Picture& picture, std::uint8_t& phase, const std::string& stem) {
    const int frame = phase == 0 ? 1 : phase == 1 ? 2 : 3;
    phase = static_cast<std::uint8_t>(frame % 3);
    picture.setPicture(stock.get(stem + std::to_string(frame)));
}

} // namespace zb
