#pragma once
// The load and save menu played with the mouse, the window not full screen.

#include "tests/GameHarness.h"

namespace zb::test {

constexpr int kMenuLeft = 123; // savePanel in the form
constexpr int kMenuTop = 104;
constexpr int kRowTops[5] = {0, 11, 30, 49, 68};
constexpr int kCursorTops[5] = {0, 5, 24, 43, 62};

inline void openLoadMenu(Game& g) {
    g.click(450, 347); // "コンティニュー"
}

inline void pressSaveButton(Game& g) {
    g.click(494, 293); // the map's save button
}

// The pointer over row N's "SLOT N -" label.
inline void hoverRow(Game& g, int row) {
    g.platform.mouseMove(kMenuLeft + 30, kMenuTop + kRowTops[row] + 6);
    g.flush();
}

// The pointer over row N's stamp.
inline void hoverStamp(Game& g, int row) {
    g.platform.mouseMove(kMenuLeft + 110, kMenuTop + kRowTops[row] + 6);
    g.flush();
}

// Point at a row, slide onto the far end of the cursor bar and click it there.
inline void chooseSlot(Game& g, int row) {
    hoverRow(g, row);
    const int x = kMenuLeft + 9 + 244;
    const int y = kMenuTop + kCursorTops[row] + 9;
    g.platform.mouseMove(x, y);
    g.flush();
    g.click(x, y);
}

} // namespace zb::test
