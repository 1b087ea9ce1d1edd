// The race screen's own buttons: the arrows that shift for a bike with the
// automatic clutch, and the brake button; and how its small labels are drawn.

#include "app/UnitMain.h"

namespace zb {

namespace {

// The dark of the race screen's frames.
constexpr std::uint32_t kPlate = rgb(12, 10, 20);

// The race screen's small labels stay where they are, and stay legible: "km/h"
// is set small enough to end inside the speed panel, and every label that lies
// over a frame line or the sky has its shadow copy drawn as a dark plate under
// it, so neither the line nor the clouds run through the text.
void fitRaceLabels(TForm1& f) {
    const FontSpec unit{"ＭＳ Ｐゴシック", 10, true};
    for (Label* l : {f.km1, f.km12, f.km2, f.km22}) {
        l->font = unit;
        l->adjustSize();
    }
    // The plate reaches one pixel past the text's own box on every side (the
    // shadow lies one up and left of it); the margin's is as wide as the widest
    // margin a race shows.
    f.vsDistance2->setCaption("－ 100 m");
    for (Label* shadow : {f.km12, f.km22, f.sec12, f.sec22, f.vsDistance2}) {
        shadow->transparent = false;
        shadow->colour = kPlate;
        shadow->autoSize = false;
        shadow->width += 2;
        shadow->height += 2;
    }
    f.vsDistance2->setCaption("");
}

} // namespace

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
    fitRaceLabels(*this);
}

} // namespace zb
