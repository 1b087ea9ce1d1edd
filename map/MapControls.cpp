// The map screen's controls and their handlers.

#include "app/ControlKit.h"
#include "app/UnitMain.h"

#include <array>

namespace zb {

namespace {

using namespace kit;

// The points box holds the balance and its unit, inside a thin line of the map
// frame's cyan: where it lies over the frame's corner it reads as a plate of its
// own, not as a hole cut into the frame. Returns the two controls it adds.
// The box is 109 x 22 (its place is set with the rest of the layout, later).
std::array<Control*, 2> finishPointsBox(Panel& box) {
    constexpr int kBoxW = 109;
    constexpr int kBoxH = 22;
    Shape* plate = make<Shape>(box, "ptsPlate", kBoxW, kBoxH);
    plate->brush = rgb(0, 0, 0);
    plate->pen = rgb(60, 200, 255);
    plate->sendToBack();
    Label* unit = label(box, "ptsUnit", "pts", kPGothic12Bold, rgb(60, 200, 255));
    unit->setPos(kBoxW - unit->width - 6, 5);
    return {plate, unit};
}

} // namespace

// The map screen's controls have handlers of their own: a press anywhere on
// them scrolls the map (or advances a scene shown over it), a release puts the
// eye. They are bound first, so the routing below leaves them alone.
void TForm1::bindMapHandlers() {
    auto down = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        mapMouseDown(s, b, sh, x, y);
    };
    auto up = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        mapMouseUp(s, b, sh, x, y);
    };
    auto move = [this](Control& s, ShiftState sh, int x, int y) { mapMouseMove(s, sh, x, y); };
    const auto [ptsPlate, ptsUnit] = finishPointsBox(*ptsPanel);
    for (Control* c : std::initializer_list<Control*>{
             ptsPlate,       ptsUnit,         mapPanel, map,          wakuTop,      wakuLeft,
             wakuBottom,     wakuRight,       eye,      iconMap,      map_arrow_up, map_arrow_down,
             map_arrow_left, map_arrow_right, backImg,  weatherPanel, weatherBack,  weatherIcon,
             ptsPanel,       ptsLabel}) {
        c->onMouseDown = down;
        c->onMouseUp = up;
        c->onMouseMove = move;
    }
    for (Control* c : std::initializer_list<Control*>{MesBox, waku1})
        c->onMouseMove = move;
}

} // namespace zb
