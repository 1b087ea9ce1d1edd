// The story played through the real game: scenes over the map and on the race
// screen, the choice box, game over and the ending.

#include "data/UnitConst.h"
#include "story/Scenes.h"
#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

namespace zb::test {
namespace {

// Somewhere on the scene's background, clear of every control.
constexpr int kSceneX = 250;
constexpr int kSceneY = 150;

void newGame(Game& g) {
    g.click(401 + 20, 304 + 10); // ニューゲーム
}

void clickScene(Game& g, int times = 1) {
    for (int i = 0; i < times; ++i)
        g.click(kSceneX, kSceneY);
}

TEST(Story, NewGamePlaysTheWholeOpeningAndReachesTheMap) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    newGame(g);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_TRUE(f.textinfo->visible) << "the opening caption";
    EXPECT_NE(f.lines[2]->caption(), "");
    const int opening0 = static_cast<int>(scenes::eventOpening0.steps.size());
    const int opening1 = static_cast<int>(scenes::eventOpening1.steps.size());
    // Each click after the first step performs one step; the shocks hold clicks
    // back until the window has settled.
    auto advance = [&] {
        runUntil(
            g, [&] { return f.scene.mesShaking == 0; }, 1000);
        clickScene(g);
    };
    for (int i = 1; i < opening0; ++i)
        advance();
    EXPECT_EQ(f.flag(doneOpening0), 1);
    EXPECT_EQ(f.flag(doneOpening1), 0);
    EXPECT_EQ(f.scene.eventStep, 0) << "the next scene starts in the same screen";
    advance();
    EXPECT_EQ(f.screenMode, 13);
    EXPECT_EQ(f.scene.eventStep, 1) << "eventOpening1's first step has run";
    for (int i = 1; i < opening1 && f.screenMode == 13; ++i)
        advance();
    EXPECT_EQ(f.screenMode, 2) << "the last visible line leads to the map";
    EXPECT_EQ(f.flag(doneOpening1), 1);
    EXPECT_EQ(f.currentPlace, 1) << "the marker stands on the shopping street";
    EXPECT_TRUE(f.mapPanel->visible);
    EXPECT_FALSE(f.facePanel->visible);
    EXPECT_EQ(f.app.idle().name, "AppMap");
}

TEST(Story, TheShoppingStreetSendsTheHeroToSchoolFirst) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.flag(doneOpening0) = f.flag(doneOpening1) = 1;
    enterDirectly(g.f(), 1);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(f.lines[1]->caption(), "「教習所に行かなきゃな……");
    EXPECT_EQ(f.lines[2]->caption(), "");
    clickScene(g);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.flag(visitedSchool), 0);
    EXPECT_EQ(f.flag(doneOpening2), 0) << "nothing is recorded";
}

TEST(Story, APlaceWithNothingToTellGoesBackToTheMap) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (StoryFlag s : {doneSachi1, doneSachi2, doneChallenge9, donePort1, doneSachi3})
        f.flag(s) = 1;
    enterDirectly(g.f(), 7);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.app.idle().name, "AppMap");
}

TEST(Story, NamesAndPortraits) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.showName(1, 1);
    EXPECT_EQ(f.name1->caption(), "乙木PIZZA");
    EXPECT_EQ(f.name1->fontColour, rgb(255, 255, 255));
    f.showName1(103);
    EXPECT_EQ(f.name1->caption(), "白州　ミキ");
    EXPECT_EQ(f.name1->fontColour, rgb(255, 200, 0));
    f.showName1(105);
    EXPECT_EQ(f.name1->caption(), "白州　ミキ") << "105 has no name: the text stays";
    EXPECT_EQ(f.name1->fontColour, rgb(255, 255, 255));

    f.changeFace(101, 3);
    EXPECT_TRUE(f.facePanel->visible);
    ASSERT_TRUE(f.face->picture());
    EXPECT_EQ(f.face->picture()->width, 100);
    f.facePanel->visible = false;
    const ImagePtr before = f.face->picture();
    f.changeFace(124, 5);
    EXPECT_EQ(f.face->picture(), before) << "124 knows four pictures only";
    f.changeFace(124, 2);
    EXPECT_EQ(f.face->picture(), f.stock.get("facePHMS2"));
    EXPECT_FALSE(f.facePanel->visible) << "the stored pictures leave the frame alone";
}

TEST(Story, AClickDuringAShakeIsIgnored) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    newGame(g);
    clickScene(g, 3);
    const int step = f.scene.eventStep;
    const int waku = f.waku1->top;
    f.scene.mesShaking = 1; // a shock, as a scene's step starts it
    clickScene(g);
    g.key(vk::Space);
    EXPECT_EQ(f.scene.eventStep, step) << "held while the window shakes";
    runUntil(
        g, [&] { return f.scene.mesShaking == 0; }, 1000);
    EXPECT_EQ(f.waku1->top, waku) << "the window ends where it started";
    clickScene(g);
    EXPECT_EQ(f.scene.eventStep, step + 1);
}

// The first street race: its scene, the move of the rival and the race.
class StreetRace : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    void SetUp() override {
        f.flag(doneOpening0) = f.flag(doneOpening1) = f.flag(visitedSchool) = 1;
        f.flag(doneOpening2) = 1;
        f.currentPlace = 4;
        prepareRace(f, 3, 1);
        ASSERT_TRUE(runUntil(
            g, [&] { return f.screenMode == 4; }, 5000));
    }
};

TEST_F(StreetRace, ClicksWaitForTheRiderWhileSpaceBringsHimIn) {
    EXPECT_EQ(f.scene.eventStep, 1) << "step 0 ran from the slide";
    EXPECT_EQ(f.name1->top, 295);
    EXPECT_EQ(f.lines[1]->top, 320);
    EXPECT_FALSE(f.chara2->visible);
    clickScene(g, 3); // steps 1..3: the rival rides in
    ASSERT_EQ(f.scene.eventStep, 4);
    ASSERT_EQ(f.scene.moves[2].moveRight, 1);
    g.run(100);
    clickScene(g);
    EXPECT_EQ(f.scene.eventStep, 4) << "a click during the move is ignored";
    g.key(vk::Space);
    EXPECT_EQ(f.chara2->left, 290) << "Space puts the rider at his target";
    EXPECT_EQ(f.scene.eventStep, 4) << "and does not advance";
    g.key(vk::Space);
    EXPECT_EQ(f.scene.eventStep, 5);
}

TEST_F(StreetRace, TheSceneLeadsIntoTheRaceAndTheNextSceneFollowsIt) {
    const int steps = static_cast<int>(scenes::battleEventStreet1.steps.size());
    for (int i = 1; i < steps; ++i) {
        runUntil(
            g, [&] { return f.isEventMoveDone() && !f.scene.mesShaking; }, 5000);
        clickScene(g);
    }
    EXPECT_EQ(f.flag(doneStreet1), 1);
    EXPECT_EQ(f.scene.preRaceSceneDone, 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5; }, 10000))
        << "the race itself";
    driveRace(g);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 6; }, 20000));
    EXPECT_EQ(f.race.enemyNo, 3) << "the same rival again";
    f.race.loseMeansGameOver = 0; // win or lose, the story goes on
    clickScene(g);                // the result
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4; }, 10000))
        << "the scene after";
    EXPECT_EQ(f.scene.preRaceSceneDone, 0);
    const int after = static_cast<int>(scenes::battleEventStreet2.steps.size());
    for (int i = 1; i < after && f.screenMode == 4; ++i) {
        runUntil(
            g, [&] { return f.isEventMoveDone() && !f.scene.mesShaking; }, 5000);
        clickScene(g);
    }
    EXPECT_EQ(f.flag(doneStreet2), 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 2; }, 10000));
    EXPECT_EQ(f.currentPlace, 0) << "the place selection is cleared";
}

TEST_F(StreetRace, RetryAfterALostRaceReplaysTheRaceNotTheScene) {
    const int steps = static_cast<int>(scenes::battleEventStreet1.steps.size());
    for (int i = 1; i < steps; ++i) {
        runUntil(
            g, [&] { return f.isEventMoveDone() && !f.scene.mesShaking; }, 5000);
        clickScene(g);
    }
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5; }, 10000));
    // A loss that ends the story.
    f.race.riderWon[1] = 0;
    f.race.loseMeansGameOver = 1;
    f.eventToGameOver();
    ASSERT_EQ(f.screenMode, 1);
    EXPECT_EQ(f.choice1Label->caption(), "再挑戦        ");
    EXPECT_EQ(f.choice2Label->caption(), "タイトル画面へ");
    EXPECT_EQ(f.selectPanel->left, 358);
    EXPECT_FALSE(f.MesBox->visible);
    g.click(f.selectPanel->left + 100, f.selectPanel->top + 10);
    EXPECT_EQ(f.screenMode, 1) << "no bar yet: the press does nothing";
    choose(g, 1);
    EXPECT_EQ(f.selectPanel->left, 190) << "the box goes back to its place";
    EXPECT_TRUE(f.MesBox->visible);
    EXPECT_EQ(f.scene.preRaceSceneDone, 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5 || f.screenMode == 4; }, 10000));
    EXPECT_EQ(f.screenMode, 5) << "straight into the race";
}

TEST(Story, NotYetAnswersLeaveTheSceneUnplayed) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    newGame(g);
    ASSERT_EQ(f.screenMode, 13);
    f.askChoice(18); // the stadium's question, asked the way its scene asks it
    EXPECT_EQ(f.screenMode, 18);
    EXPECT_FALSE(f.cursor->visible);
    EXPECT_EQ(f.choice1Label->caption(), "準備ＯＫ      ");
    const int step = f.scene.eventStep;
    clickScene(g);
    EXPECT_EQ(f.scene.eventStep, step) << "only the box listens";
    const auto flags = f.rec.storyFlags;
    choose(g, 2);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_FALSE(f.selectPanel->visible);
    EXPECT_EQ(f.rec.storyFlags, flags) << "nothing is recorded";

    f.currentPlace = 0;
    f.mapToEvent(1);
    EXPECT_EQ(f.scene.eventStep, 1) << "the scene starts again from its first step";
    f.askChoice(19);
    choose(g, 1);
    EXPECT_EQ(f.flag(choseToWin), 1);
    EXPECT_EQ(f.screenMode, 13) << "the scene goes on";
    EXPECT_EQ(f.app.idle().name, "AppEvent");
}

TEST(Story, TheLastNightRaceStaysDueAndEndsTheGame) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (StoryFlag s : {doneLast1, doneLast3, doneLast4, doneLast6, doneLast7})
        f.flag(s) = 1;
    for (int rival : {11, 12, 17}) {
        f.race.enemyNo = static_cast<std::uint8_t>(rival);
        EXPECT_EQ(f.dueBattleScene(), &scenes::battleEventLast9) << rival;
        EXPECT_TRUE(f.isBeforeBattleEvent());
    }
    f.rec.winCount = 31;
    f.rec.loseCount = 4;
    f.currentPlace = 16;
    prepareRace(f, 17, 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4 || f.screenMode == 21; }, 5000));
    for (int i = 0; i < 40 && f.screenMode == 4; ++i) {
        runUntil(
            g, [&] { return f.isEventMoveDone() && !f.scene.mesShaking; }, 5000);
        clickScene(g);
    }
    ASSERT_EQ(f.screenMode, 21);
    EXPECT_EQ(f.flag(doneLast9), 0) << "the last race is never marked";
    EXPECT_EQ(f.dueBattleScene(), &scenes::battleEventLast9);

    ASSERT_TRUE(runUntil(
        g, [&] { return f.scene.eventStep == 5; }, 120000));
    EXPECT_EQ(f.lines[2]->caption(), "篠田　カズト  ");
    EXPECT_EQ(f.scene.thirdRiderOn, 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.scene.eventStep == 17; }, 200000));
    ASSERT_TRUE(runUntil(
        g, [&] { return f.scene.endingTick > 360; }, 20000));
    EXPECT_EQ(f.lines[2]->caption(), "               YOUR CHALLENGE：31勝 4敗 1分");
    ASSERT_TRUE(runUntil(
        g, [&] { return f.app.idle().name.empty(); }, 30000));
    EXPECT_TRUE(f.endPict->visible);
    EXPECT_TRUE(f.jacket->visible);
    EXPECT_TRUE(f.itemPanel->visible);
    EXPECT_FALSE(f.itemList->visible) << "the records, not the shop";
    EXPECT_EQ(f.rec.settingViewMode, 1);
}

TEST(Story, WhichRacesHaveScenesBeforeAndAfter) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    auto due = [&](int rival, int version) {
        f.race.enemyNo = static_cast<std::uint8_t>(rival);
        f.race.enemyVer = static_cast<std::uint8_t>(version);
        return std::pair{f.isBeforeBattleEvent(), f.isAfterBattleEvent()};
    };
    using P = std::pair<bool, bool>;
    EXPECT_EQ(due(3, 1), P(true, true));
    EXPECT_EQ(due(3, 2), P(false, false));
    EXPECT_EQ(due(2, 3), P(true, true));
    EXPECT_EQ(due(5, 1), P(false, true)) << "the stadium's first rival only after";
    EXPECT_EQ(due(7, 4), P(false, false));
    EXPECT_EQ(due(15, 2), P(true, false)) << "the train only before";
    EXPECT_EQ(due(18, 1), P(false, false)) << "street riders have none";
    EXPECT_EQ(due(10, 1), P(true, true));
    f.flag(doneStreet3) = 1;
    EXPECT_EQ(due(10, 1), P(false, true));
    f.scene.preRaceSceneDone = 1;
    EXPECT_EQ(due(21, 1), P(false, false)) << "none while the race's scene has played";
}

TEST(Story, ARaceWithNothingLeftToTellIsRun) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (StoryFlag s : {doneKusaRace1, doneKusaRace2, doneKusaRace3, doneKusaRace4})
        f.flag(s) = 1;
    f.currentPlace = 13;
    prepareRace(f, 16, 2);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5 || f.screenMode == 4; }, 5000));
    EXPECT_EQ(f.screenMode, 5) << "the race starts instead of an empty scene";
}

} // namespace
} // namespace zb::test
