// The master file "dat\data.bin": any bytes, read by the game on its way to the
// title; then the load menu is opened with its four stamps shown and the pointer
// run over every row, and "戻る" leads back to the title.

#include "fuzz/FuzzGame.h"

using namespace zb;
using namespace zb::test;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Session& s = fuzz::session();
    fuzz::writeFile("dat/data.bin", data, size);
    Game& g = s.title();
    TForm1& f = g.f();

    fuzz::clickOn(g, *f.continueButton);
    g.flush();
    fuzz::expectMode(g, 12, "load menu");
    for (int row = 1; row <= 4; ++row) {
        g.platform.mouseMove(kMenuLeft + 30, kMenuTop + kRowTops[row] + 6);
        g.platform.mouseMove(kMenuLeft + 110, kMenuTop + kRowTops[row] + 6);
    }
    g.run(400); // the cursor blinks, the menu is painted with every stamp
    fuzz::expectMode(g, 12, "stamps shown");
    for (int row = 1; row <= 4; ++row)
        if (f.stampLabel[static_cast<std::size_t>(row)]->caption().empty()) std::abort();

    fuzz::clickOn(g, *f.commonBackButton);
    g.flush();
    fuzz::expectRunning(g, "back to the title");
    if (!f.continueButton->visible) std::abort();
    return 0;
}
