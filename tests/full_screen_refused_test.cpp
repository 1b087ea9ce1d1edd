// Full screen on a desktop where the window cannot really cover the screen (no
// window manager): Alt + Enter leaves the game in its window layout instead of
// drawing the 640 x 480 layout cut off by the window.

#include "tests/GameHarness.h"

#include <gtest/gtest.h>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

namespace {

void altEnter(Game& g) {
    g.platform.keyDown(vk::Alt);
    g.platform.keyDown(vk::Enter);
    g.platform.keyUp(vk::Enter);
    g.platform.keyUp(vk::Alt);
    g.flush();
}

} // namespace

TEST(FullScreenRefused, TheGameStaysInItsWindowAndCanTryAgain) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    g.platform.fullScreenRefused = true;
    altEnter(g);
    EXPECT_FALSE(fullScreenActive);
    EXPECT_FALSE(g.platform.fullScreen);
    EXPECT_EQ(f.width, 514);
    EXPECT_EQ(f.height, 385);
    EXPECT_EQ(g.platform.clientWidth, 514);
    EXPECT_EQ(g.platform.clientHeight, 385);
    EXPECT_EQ(f.mainPanel->left, 0);
    EXPECT_EQ(f.mainPanel->top, 0);
    EXPECT_EQ(f.newGameButton->left, 401);
    EXPECT_EQ(f.newGameButton->top, 304);
    EXPECT_FALSE(f.fsinfoLabel->visible);
    EXPECT_FALSE(altKeyDown);
    g.run(100);
    EXPECT_EQ(g.app.frame().width, 514) << "the frame is the window's";
    EXPECT_EQ(g.app.frame().height, 385);
    g.click(401 + 20, 304 + 10); // "ニューゲーム" is where the player sees it
    EXPECT_EQ(f.screenMode, 13);

    // Where full screen does take, the next Alt + Enter gets it.
    g.platform.fullScreenRefused = false;
    altEnter(g);
    EXPECT_TRUE(fullScreenActive);
    EXPECT_TRUE(g.platform.fullScreen);
    EXPECT_EQ(f.mainPanel->left, 63);
    altEnter(g);
    EXPECT_FALSE(fullScreenActive);
}
