// The mode loop, input routing and the window, played on the headless backend.

#include "tests/GameHarness.h"

#include <gtest/gtest.h>

#include <map>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

namespace {

struct Counting {
    int steps = 0;
    std::vector<std::uint32_t> at;
};

// Puts the form into a race with the player riding: input accepted, neutral.
void enterRace(TForm1& f) {
    f.backImg->visible = false; // the race screen has no still background
    f.screenMode = 5;
    f.race.raceInputOn = 1;
    f.race.enemyNo = 18;
    f.race.gear = 0;
}

std::map<std::string, std::pair<int, int>> shiftedPositions(TForm1& f) {
    std::map<std::string, std::pair<int, int>> pos;
    for (Control* c : std::initializer_list<Control*>{
             f.weatherPanel, f.ptsPanel, f.mapPanel, f.itemPanel, f.savePanel, f.infoPanel,
             f.facePanel, f.selectPanel, f.numTextPanel1, f.numTextPanel2, f.newGameButton,
             f.continueButton, f.buyButton, f.equipButton, f.endTutorButton})
        pos[c->name] = {c->left, c->top};
    return pos;
}

} // namespace

TEST(ModeLoop, HandlerStepsOncePerPeriodStartingOnePeriodAfterInstall) {
    GameFolder folder;
    Game g;
    std::vector<std::uint32_t> steps;
    const std::uint32_t installed = g.platform.timeGetTime();
    g.f().lastTick = static_cast<std::int32_t>(installed);
    g.app.setIdle(IdleHandler{"AppTest", 20, [&] { steps.push_back(g.platform.timeGetTime()); }},
                  &g.f().lastTick);
    g.run(19);
    EXPECT_TRUE(steps.empty()) << "no step before one period has passed";
    g.run(1);
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0] - installed, 20u);
    g.run(1000);
    ASSERT_GE(steps.size(), 40u);
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_GE(steps[i] - steps[i - 1], 20u) << "step " << i;
    // Each step is followed by a 1 ms sleep before the clock is stored, so the
    // steps come every 21 ms of virtual time.
    EXPECT_EQ(steps[1] - steps[0], 21u);
}

TEST(ModeLoop, InstallingReadsTheClockAndReplacesTheOldHandler) {
    GameFolder folder;
    Game g;
    int a = 0;
    g.app.setIdle(IdleHandler{"A", 20, [&] { ++a; }}, &g.f().lastTick);
    g.f().lastTick = static_cast<std::int32_t>(g.platform.timeGetTime());
    g.run(100);
    EXPECT_GT(a, 0);
    const int before = a;
    g.f().installIdle("AppNone", 180, &TForm1::clearIdle); // a handler that uninstalls itself
    EXPECT_EQ(g.f().lastTick, static_cast<std::int32_t>(g.platform.timeGetTime()));
    g.run(179);
    EXPECT_TRUE(g.app.idle());
    g.run(1);
    EXPECT_FALSE(g.app.idle());
    EXPECT_EQ(a, before) << "the old handler was replaced, not stacked";
}

TEST(ModeLoop, ClockWrapDoesNotStallTheHandler) {
    GameFolder folder;
    Game g;
    g.platform.setTime(0xFFFFFFF0u);
    int steps = 0;
    g.f().lastTick = static_cast<std::int32_t>(g.platform.timeGetTime());
    g.app.setIdle(IdleHandler{"AppTest", 20, [&] { ++steps; }}, &g.f().lastTick);
    g.run(200);
    EXPECT_GE(steps, 9);
}

TEST(Keys, AltThenEnterTogglesFullScreen) {
    GameFolder folder;
    Game g;
    g.platform.keyDown(vk::Alt);
    g.platform.keyDown(vk::Enter);
    g.flush();
    EXPECT_TRUE(fullScreenActive);
    EXPECT_TRUE(g.platform.fullScreen);
    EXPECT_FALSE(altKeyDown) << "toggling clears the Alt flag";
    g.platform.keyUp(vk::Enter);
    g.platform.keyUp(vk::Alt);
    // Alt released before Enter: no toggle.
    g.platform.keyDown(vk::Alt);
    g.platform.keyUp(vk::Alt);
    g.platform.keyDown(vk::Enter);
    g.flush();
    EXPECT_TRUE(fullScreenActive);
    // A fresh Alt then Enter goes back.
    g.platform.keyDown(vk::Alt);
    g.platform.keyDown(vk::Enter);
    g.flush();
    EXPECT_FALSE(fullScreenActive);
    EXPECT_FALSE(g.platform.fullScreen);
}

TEST(Keys, EnterOrSpaceFinishesRiderMovesBeforeAdvancingARaceScene) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.screenMode = 4;
    f.scene.moves[1] = RiderMove{300, 4, 1, 0};
    f.scene.moves[2] = RiderMove{-120, 6, 0, 1};
    f.chara1->left = 10;
    f.chara2->left = 200;
    EXPECT_FALSE(f.isEventMoveDone());
    // A click never skips moves.
    g.click(250, 100);
    EXPECT_EQ(f.chara1->left, 10);
    g.key(vk::Space);
    EXPECT_EQ(f.chara1->left, 300);
    EXPECT_EQ(f.chara2->left, -120);
    EXPECT_TRUE(f.isEventMoveDone());
    EXPECT_EQ(f.scene.moves[1].moveSpeed, 0);
    EXPECT_EQ(f.scene.moves[2].moveTarget, 0);
}

TEST(Keys, EnterFinishesOnlyTheRidersTakingPart) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.screenMode = 4;
    f.scene.moves[3] = RiderMove{50, 2, 1, 0};
    EXPECT_FALSE(f.isEventMoveDone()) << "every slot counts, whatever thirdRiderOn says";
    g.key(vk::Enter);
    EXPECT_NE(f.chara3->left, 50) << "Enter finishes the moves of the riders taking part";
    f.scene.thirdRiderOn = 1;
    g.key(vk::Enter);
    EXPECT_EQ(f.chara3->left, 50);
    EXPECT_TRUE(f.isEventMoveDone());
    f.race.philipAnimOn = 1;
    EXPECT_FALSE(f.isEventMoveDone()) << "the special animation counts as a move";
}

TEST(FullScreen, AltEnterTwiceRestoresEveryShiftedPanelAndCentres) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    auto windowed = shiftedPositions(f);
    const int centredBefore = g.platform.centred;

    altKeyDown = true;
    f.ToggleFullScreen();
    EXPECT_TRUE(fullScreenActive);
    EXPECT_EQ(f.width, 640);
    EXPECT_EQ(f.height, 480);
    EXPECT_EQ(g.platform.clientWidth, 640);
    EXPECT_EQ(f.mainPanel->left, 63);
    EXPECT_EQ(f.mainPanel->top, 48);
    EXPECT_EQ(f.mainPanel->height, 375);
    EXPECT_TRUE(f.fsinfoLabel->visible);
    EXPECT_EQ(f.fsinfoLabel->width, 640);
    for (auto& [name, pos] : shiftedPositions(f)) {
        EXPECT_EQ(pos.first, windowed[name].first + 63) << name;
        EXPECT_EQ(pos.second, windowed[name].second + 48) << name;
    }
    g.run(100);
    EXPECT_EQ(g.app.frame().width, 640);

    altKeyDown = true;
    f.ToggleFullScreen();
    EXPECT_FALSE(fullScreenActive);
    EXPECT_EQ(shiftedPositions(f), windowed);
    EXPECT_EQ(f.mainPanel->left, 0);
    EXPECT_EQ(f.mainPanel->top, 0);
    EXPECT_EQ(f.mainPanel->height, 385);
    EXPECT_EQ(g.platform.clientWidth, 514);
    EXPECT_EQ(g.platform.clientHeight, 385);
    EXPECT_FALSE(f.fsinfoLabel->visible);
    EXPECT_EQ(g.platform.centred, centredBefore + 1);
}

TEST(FullScreen, ToggleWithoutAltDoesNothing) {
    GameFolder folder;
    Game g;
    altKeyDown = false;
    g.f().ToggleFullScreen();
    EXPECT_FALSE(fullScreenActive);
    EXPECT_EQ(g.f().width, 514);
}

TEST(FullScreen, ReturnToTitleKeepsFullScreenLayout) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    auto windowed = shiftedPositions(f);
    altKeyDown = true;
    f.ToggleFullScreen();
    f.gameOverToTitle();
    EXPECT_TRUE(fullScreenActive);
    EXPECT_EQ(f.mainPanel->left, 63);
    EXPECT_EQ(f.newGameButton->left, 401 + 63);
    EXPECT_EQ(f.newGameButton->top, 304 + 48);
    EXPECT_EQ(shiftedPositions(f)["mapPanel"].first, windowed["mapPanel"].first + 63);
    // And the button is where the player sees it.
    g.click(401 + 63 + 10, 304 + 48 + 10);
    EXPECT_FALSE(f.newGameButton->visible);
    altKeyDown = true;
    f.ToggleFullScreen();
}

TEST(FullScreen, CloseWhileFullScreenRestoresTheDesktop) {
    GameFolder folder;
    Game g;
    altKeyDown = true;
    g.f().ToggleFullScreen();
    ASSERT_TRUE(g.platform.fullScreen);
    g.f().FormCloseQuery();
    EXPECT_FALSE(g.platform.fullScreen);
    fullScreenActive = false;
}

TEST(HintLabel, ClickTogglesItsTextAndPassesRacePressesOn) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    altKeyDown = true;
    f.ToggleFullScreen();
    const std::string hint = "フルスクリーン解除 : [Alt] + [Enter]キー";
    EXPECT_EQ(f.fsinfoLabel->caption(), hint);
    g.click(5, 5);
    EXPECT_EQ(f.fsinfoLabel->caption(), "");
    g.click(5, 5);
    EXPECT_EQ(f.fsinfoLabel->caption(), hint);

    enterRace(f);
    g.press(5, 5, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 1) << "in a race the hint label is a throttle too";
    g.release(5, 5, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 0);
    g.press(5, 5);
    EXPECT_EQ(f.race.clutchHeld, 1);
    g.release(5, 2);
    EXPECT_EQ(f.race.gear, 2) << "the release passes on too: an upward drag shifts up";

    f.screenMode = 2; // not a race: the label only toggles
    g.press(5, 5, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 0);
    altKeyDown = true;
    f.ToggleFullScreen();
}

TEST(Clutch, DragUpShiftsUpDragDownShiftsDownNoDragNoShift) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    enterRace(f);
    g.press(250, 200);
    EXPECT_EQ(f.race.clutchHeld, 1);
    EXPECT_EQ(f.race.clutchDownY, 200);
    EXPECT_EQ(f.wgr->top, 312);
    EXPECT_EQ(f.ngear->top, 316);
    g.release(300, 200); // sideways only
    EXPECT_EQ(f.race.gear, 0);
    EXPECT_EQ(f.race.clutchHeld, 0);
    EXPECT_EQ(f.wgr->top, 310);
    EXPECT_EQ(f.ngear->top, 314);

    g.press(250, 200);
    g.release(250, 201); // one pixel down: from neutral into first
    EXPECT_EQ(f.race.gear, 1);
    EXPECT_EQ(f.ngear->caption(), "1");
    EXPECT_EQ(f.tama->top, 321);
    g.press(250, 200);
    g.release(250, 150);
    EXPECT_EQ(f.race.gear, 2) << "neutral lies between first and second";
}

TEST(Clutch, ThrottleHeldBlocksTheShiftButReleasesTheClutch) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    enterRace(f);
    g.press(250, 200, MouseButton::Right);
    g.press(250, 200);
    g.release(250, 100);
    EXPECT_EQ(f.race.gear, 0);
    EXPECT_EQ(f.race.clutchHeld, 0);
}

TEST(Clutch, ReleaseFarBelowTheWindowLeavesTheClutchHeld) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    enterRace(f);
    g.press(250, 200);
    g.release(250, 1000); // captured: the release arrives with its true position
    EXPECT_EQ(f.race.clutchHeld, 1);
    EXPECT_EQ(f.race.gear, 0);
    EXPECT_EQ(f.wgr->top, 312);
    g.press(250, 200);
    g.release(250, 999);
    EXPECT_EQ(f.race.clutchHeld, 0);
    EXPECT_EQ(f.race.gear, 1);
}

TEST(Clutch, WatchedRaceIgnoresButtonsAndReleases) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    enterRace(f);
    f.race.enemyNo = 21;
    g.press(250, 200);
    g.press(250, 200, MouseButton::Right);
    EXPECT_EQ(f.race.clutchHeld, 0);
    EXPECT_EQ(f.race.throttleHeld, 0);
    f.race.throttleHeld = 1; // left over from before: releases do not clear it
    g.release(250, 200, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 1);
}

TEST(Clutch, AutomaticClutchDisablesTheGesture) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    enterRace(f);
    f.rec.equippedItems[23] = 1;
    g.press(250, 200);
    EXPECT_EQ(f.race.clutchHeld, 0);
}

TEST(Clutch, FourGearBikeStopsAtFourth) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    enterRace(f);
    for (int i = 0; i < 6; ++i) {
        g.press(250, 200);
        g.release(250, 100);
    }
    EXPECT_EQ(f.race.gear, 4);
    f.race.gearCount = 6;
    for (int i = 0; i < 3; ++i) {
        g.press(250, 200);
        g.release(250, 100);
    }
    EXPECT_EQ(f.race.gear, 6);
    EXPECT_EQ(f.tama->top, 271);
    for (int i = 0; i < 7; ++i) {
        g.press(250, 200);
        g.release(250, 300);
    }
    EXPECT_EQ(f.race.gear, 1) << "down from first does nothing";
}

TEST(Clutch, NoInputBeforeTheFirstRacePreparation) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.screenMode = 5;
    f.race.enemyNo = 18;
    g.press(250, 200);
    g.press(250, 200, MouseButton::Right);
    EXPECT_EQ(f.race.clutchHeld, 0);
    EXPECT_EQ(f.race.throttleHeld, 0);
}
