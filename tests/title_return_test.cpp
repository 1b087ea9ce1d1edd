// The way back from a lost race that ends the story: the game over menu, its
// "タイトル画面へ" to a still title screen (in full screen too), and its "再挑戦"
// to the same race, which only starts after the count.

#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

#include <string>

using namespace zb;
using namespace zb::test;

namespace {

const std::string kHint = "フルスクリーン解除 : [Alt] + [Enter]キー";

void altEnter(Game& g) {
    g.platform.keyDown(vk::Alt);
    g.platform.keyDown(vk::Enter);
    g.platform.keyUp(vk::Enter);
    g.platform.keyUp(vk::Alt);
    g.flush();
}

// A street race whose scenes are behind the hero, against a rival whose win
// ends the story; the hero stays in first gear and loses it. With
// clickThrough the player clicks the result and the sliding frame away;
// otherwise the frame slides back by itself.
void loseTheRace(Game& g, bool clickThrough) {
    TForm1& f = g.f();
    for (StoryFlag s :
         {doneOpening0, doneOpening1, visitedSchool, doneOpening2, doneStreet1, doneStreet2})
        f.flag(s) = 1;
    f.currentPlace = 4;
    prepareRace(f, 3, 2); // no scene before or after this version
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5 || f.screenMode == 4; }, 5000));
    ASSERT_EQ(f.screenMode, 5) << "no scene before this race";
    f.race.loseMeansGameOver = 1; // as the story's decisive races have it
    g.press(250, 150);            // into first while the signal counts
    g.release(250, 170);
    ASSERT_TRUE(runUntil(
        g, [&] { return racing(f); }, 10000));
    g.press(250, 150, MouseButton::Right);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 6; }, 120000));
    g.release(250, 150, MouseButton::Right);
    ASSERT_EQ(f.race.riderWon[1], 0) << "the rival won";
    g.run(1000);
    g.click(250, 150); // the result
    ASSERT_EQ(f.screenMode, 7);
    if (clickThrough) {
        g.run(100);
        g.click(250, 150);
    }
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 1; }, 5000));
    ASSERT_EQ(f.app.idle().name, "AppSelectCursor");
}

} // namespace

TEST(TitleReturn, FromAGameOverInFullScreenTheTitleIsStillAndItsHintAnswers) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    altEnter(g);
    ASSERT_TRUE(fullScreenActive);
    loseTheRace(g, false);
    choose(g, 2); // "タイトル画面へ"

    EXPECT_EQ(f.screenMode, 0);
    EXPECT_FALSE(g.app.idle()) << "the title has no idle handler";
    EXPECT_TRUE(f.newGameButton->showing());
    EXPECT_TRUE(f.fsinfoLabel->showing()) << "the hint tells how to leave full screen";
    EXPECT_EQ(f.fsinfoLabel->caption(), kHint);
    g.click(5, 5);
    EXPECT_EQ(f.fsinfoLabel->caption(), "") << "a click hides its text";
    g.click(5, 5);
    EXPECT_EQ(f.fsinfoLabel->caption(), kHint) << "and a second brings it back";

    // Nothing moves on the still title.
    const int presents = g.platform.presents;
    g.run(2000);
    EXPECT_EQ(g.platform.presents, presents);

    altEnter(g);
    EXPECT_FALSE(fullScreenActive);
    EXPECT_FALSE(f.fsinfoLabel->visible);
}

TEST(TitleReturn, FromAGameOverInAWindowTheTitleIsStill) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    loseTheRace(g, true);
    choose(g, 2);
    EXPECT_EQ(f.screenMode, 0);
    EXPECT_FALSE(g.app.idle());
    EXPECT_FALSE(f.fsinfoLabel->visible);
    g.click(401 + 20, 304 + 10); // "ニューゲーム" still starts the story
    EXPECT_EQ(f.screenMode, 13);
}
