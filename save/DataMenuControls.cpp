// The data menu's controls and their handlers.

#include "app/UnitMain.h"

namespace zb {

// The slot rows, the cursor on them and the map's save button. Bound before
// the routing below, which leaves controls with handlers of their own alone.
void TForm1::bindDataMenuHandlers() {
    using RowMove = void (TForm1::*)(Control&, ShiftState, int, int);
    const RowMove rowMove[5] = {nullptr, &TForm1::data1LabelMouseMove, &TForm1::data2LabelMouseMove,
                                &TForm1::data3LabelMouseMove, &TForm1::data4LabelMouseMove};
    for (std::size_t i = 1; i <= 4; ++i) {
        for (Label* l : {dataLabel[i], stampLabel[i]}) {
            l->onMouseMove = [this, m = rowMove[i]](Control& s, ShiftState sh, int x, int y) {
                (this->*m)(s, sh, x, y);
            };
            l->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
                dataLabelMouseDown(s, b, sh, x, y);
            };
        }
    }
    for (Control* c : {static_cast<Control*>(saveBack), static_cast<Control*>(dataCursor)})
        c->onMouseLeave = [this](Control& s) { saveBackMouseLeave(s); };
    dataCursor->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        dataCursorMouseDown(s, b, sh, x, y);
    };
    saveButton->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        saveButtonMouseDown(s, b, sh, x, y);
    };
    saveButton->onMouseUp = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        saveButtonMouseUp(s, b, sh, x, y);
    };
}

} // namespace zb
