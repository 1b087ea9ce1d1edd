// The map screen's controls and their handlers.

#include "app/UnitMain.h"

namespace zb {

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
    for (Control* c : std::initializer_list<Control*>{
             mapPanel, map, wakuTop, wakuLeft, wakuBottom, wakuRight, eye, iconMap, map_arrow_up,
             map_arrow_down, map_arrow_left, map_arrow_right, backImg, weatherPanel, weatherBack,
             weatherIcon, ptsPanel, ptsLabel}) {
        c->onMouseDown = down;
        c->onMouseUp = up;
        c->onMouseMove = move;
    }
    for (Control* c : std::initializer_list<Control*>{MesBox, waku1})
        c->onMouseMove = move;
}

} // namespace zb
