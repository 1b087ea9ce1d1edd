// The bike setting screen's background as the game draws it: "装備する" has a
// place of its own, clear of the ACCEL / MAX SPEED plate's border.

#include "tests/GameHarness.h"

#include <gtest/gtest.h>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

TEST(SettingScreenPicture, TheEquipButtonStandsClearOfThePlatesBorder) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.newGameButton->visible = f.continueButton->visible = f.fsinfo->visible = false;
    f.rec.ownedItems[0] = 1;
    f.screenMode = 10;
    f.mapToItem();
    g.flush();
    const ImagePtr& back = f.itemBack->picture();
    ASSERT_TRUE(back);
    const Control& button = *f.equipButton;
    ASSERT_EQ(std::pair(button.left, button.top), std::pair(244, 237));
    // The plate's rim is pink; nothing of it lies under the button or in the
    // pixel around it.
    const int x0 = button.formLeft() - f.itemBack->formLeft() - 1;
    const int y0 = button.formTop() - f.itemBack->formTop() - 1;
    int rim = 0;
    for (int y = y0; y < y0 + button.height + 2 && y < back->height; ++y)
        for (int x = x0; x < x0 + button.width + 2 && x < back->width; ++x) {
            const std::uint32_t c = back->at(x, y);
            const int r = static_cast<int>((c >> 16) & 0xff);
            const int gr = static_cast<int>((c >> 8) & 0xff);
            const int b = static_cast<int>(c & 0xff);
            if (r > gr + 60 && b > gr + 30) ++rim;
        }
    EXPECT_EQ(rim, 0) << "the plate's border runs under \"装備する\"";
}
