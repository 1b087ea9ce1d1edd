// The race screen's own buttons: the arrows that shift for a bike with the
// automatic clutch, and the brake button.

#include "app/UnitMain.h"

namespace zb {

void TForm1::bindRaceHandlers() {
    using Down = void (TForm1::*)(Control&, MouseButton, ShiftState, int, int);
    const struct {
        Picture* control;
        Down down;
        Down up;
    } buttons[] = {
        {grup, &TForm1::grupMouseDown, &TForm1::grupMouseUp},
        {grdown, &TForm1::grdownMouseDown, &TForm1::grdownMouseUp},
        {brake, &TForm1::brakeMouseDown, &TForm1::brakeMouseUp},
    };
    for (const auto& b : buttons) {
        b.control->onMouseDown = [this, m = b.down](Control& s, MouseButton bt, ShiftState sh,
                                                    int x, int y) { (this->*m)(s, bt, sh, x, y); };
        b.control->onMouseUp = [this, m = b.up](Control& s, MouseButton bt, ShiftState sh, int x,
                                                int y) { (this->*m)(s, bt, sh, x, y); };
    }
}

} // namespace zb
