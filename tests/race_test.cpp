// A race on the real race screen: the slide, the start signal, the false start,
// the goal, the crowd's bonuses, records, the result and the way back.

#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::prepareRace;
using zb::test::racing;
using zb::test::runUntil;

namespace {

class RaceTest : public zb::test::SeededGameTest {
  protected:
    // Sets up a race and runs it to the "go".
    void toGo(int machine = 18, int version = 1, int weather = 0) {
        prepareRace(f, machine, version, weather);
        ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
    }
    // Puts both lanes just before the line, running.
    void nearTheLine(int d1, int d2, int v1, int v2) {
        f.race.riderDistance = {0, d1, d2};
        f.race.riderSpeed = {0, v1, v2};
    }
};

} // namespace

TEST_F(RaceTest, FrameSlidesIntoPlaceThenTheSignalCounts) {
    prepareRace(f, 18, 1);
    EXPECT_EQ(f.screenMode, 3);
    g.run(19);
    EXPECT_EQ(f.waku1->top, 271) << "the first step comes one period after the install";
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 5; }));
    EXPECT_EQ(f.waku1->top, 271 + 78);
    EXPECT_EQ(f.MesBox->top, 271 + 78 + 19);
    EXPECT_EQ(f.app.idle().name, "AppSig");
    EXPECT_EQ(f.name1->caption(), "乙木PIZZA");
    EXPECT_EQ(f.name2->caption(), "DOG");
    EXPECT_EQ(f.race.raceDistance, 4000);

    // "3" after 40 steps of the signal, "2" 41 steps later.
    int steps = 0;
    auto stepOnce = [&] {
        const auto before = f.lastTick;
        runUntil(g, [&] { return f.lastTick != before; });
        ++steps;
    };
    while (f.race.signalCount == 0)
        stepOnce();
    EXPECT_EQ(steps, 40);
    EXPECT_EQ(f.sigcnt->caption(), "3");
    EXPECT_TRUE(f.SignalBar->visible);
    while (f.race.signalCount == 1)
        stepOnce();
    EXPECT_EQ(steps, 81);
    EXPECT_EQ(f.sigcnt->caption(), "2");
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
    EXPECT_FALSE(f.SignalBar->visible);
    EXPECT_TRUE(f.n200->visible && f.recrd1->visible);
}

TEST_F(RaceTest, LeftClickSkipsTheSlide) {
    prepareRace(f, 18, 1);
    g.run(100);
    g.click(250, 150);
    EXPECT_EQ(f.screenMode, 5);
    EXPECT_EQ(f.app.idle().name, "AppSig");
}

TEST_F(RaceTest, ThrottleInNeutralDuringTheCountIsNoFalseStart) {
    prepareRace(f, 18, 1);
    ASSERT_TRUE(runUntil(g, [&] { return f.race.signalCount == 1; }));
    g.press(250, 150, MouseButton::Right);
    EXPECT_TRUE(runUntil(
        g, [&] { return f.meterImg->width == 177; }, 2000))
        << "revving in neutral";
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
    EXPECT_FALSE(f.flying->visible);
    EXPECT_EQ(f.app.idle().name, "AppMain");
    g.run(500);
    EXPECT_EQ(f.race.riderSpeed[1], 0) << "in neutral the bike does not move";
}

TEST_F(RaceTest, FalseStartPausesAndRestartsTheCount) {
    prepareRace(f, 18, 1);
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 5; }));
    g.press(250, 150);
    g.release(250, 160); // down: 1st gear, clutch released
    ASSERT_EQ(f.race.gear, 1);
    g.press(250, 150, MouseButton::Right);
    g.run(200);
    EXPECT_FALSE(f.flying->visible) << "before \"3\" the throttle is no false start";
    ASSERT_TRUE(runUntil(
        g, [&] { return f.flying->visible; }, 2000));
    EXPECT_EQ(f.app.idle().name, "AppFlying");
    EXPECT_FALSE(f.chara1->visible);
    EXPECT_FALSE(f.SignalBar->visible);
    g.release(250, 150, MouseButton::Right);
    g.run(590);
    EXPECT_TRUE(f.flying->visible) << "the notice stays 600 ms";
    g.run(30);
    EXPECT_FALSE(f.flying->visible);
    EXPECT_EQ(f.app.idle().name, "AppSig");
    EXPECT_EQ(f.race.signalCount, 0);
    EXPECT_EQ(f.pi->left, 210);
    EXPECT_TRUE(f.chara1->visible);
    EXPECT_EQ(f.race.gear, 1) << "gear and speed stay";
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
}

TEST_F(RaceTest, SameStepSameDistanceSameTimeGoesToLaneOne) {
    toGo();
    nearTheLine(3996, 3996, 100, 100); // both reach 4001 in this step
    f.race.riderTime = {0, 800, 800};
    f.AppMain();
    EXPECT_EQ(f.race.riderFinished[1], 1);
    EXPECT_EQ(f.race.riderFinished[2], 1);
    EXPECT_EQ(f.race.riderWon[1], 1);
    EXPECT_EQ(f.race.riderWon[2], 0);
}

TEST_F(RaceTest, LaterFinisherWithTheSmallerTimeStillWins) {
    toGo();
    f.race.riderFinished[2] = 1;
    f.race.riderWon[2] = 1;
    f.race.riderTime = {0, 700, 750};
    f.race.riderDistance[1] = 4001;
    f.race.riderSpeed[1] = 0;
    f.judgeGoal();
    EXPECT_EQ(f.race.riderWon[1], 1);
    EXPECT_EQ(f.race.riderWon[2], 0);
}

TEST_F(RaceTest, OvershootingTheLineGivesAHundredthBack) {
    toGo();
    f.race.riderSpeed = {0, 180, 0};     // 5 units of travel a hundredth
    f.race.riderDistance = {0, 4005, 0}; // 5 past the line
    f.race.riderTime = {0, 1000, 0};
    f.judgeGoal();
    EXPECT_EQ(f.race.riderTime[1], 999);
    f.race.riderFinished = {};
    f.race.riderDistance = {0, 4004, 0}; // less than a hundredth's travel past it
    f.race.riderTime = {0, 1000, 0};
    f.judgeGoal();
    EXPECT_EQ(f.race.riderTime[1], 1000);
}

TEST_F(RaceTest, TwentyMetresBehindRaisesTheAlertAndTheComebackPaysOnce) {
    toGo(18, 1); // prize 100: comeback bonus 100
    f.rec.points = 0;
    nearTheLine(1000, 1190, 0, 0);
    f.updateVsDistance();
    EXPECT_EQ(f.race.behindAlert, 0) << "-19 m: no alert";
    EXPECT_EQ(f.vsDistance1->caption(), "－ 19 m");
    EXPECT_EQ(f.vsDistance2->fontColour, rgb(255, 0, 0));
    nearTheLine(1000, 1200, 0, 0);
    f.updateVsDistance();
    EXPECT_EQ(f.race.behindAlert, 1);
    EXPECT_TRUE(f.audience->visible);
    nearTheLine(1210, 1200, 0, 0);
    f.updateVsDistance();
    EXPECT_EQ(f.race.comebackDone, 1);
    EXPECT_EQ(f.rec.points, 100);
    EXPECT_EQ(f.extraPts1->caption(), "100 pts");
    EXPECT_EQ(f.vsDistance2->fontColour, rgb(255, 255, 0));
    nearTheLine(1000, 1300, 0, 0);
    f.updateVsDistance();
    nearTheLine(1400, 1300, 0, 0);
    f.updateVsDistance();
    EXPECT_EQ(f.rec.points, 100) << "once a race";
}

TEST_F(RaceTest, NeckAndNeckAt120PaysOnThe31stStep) {
    toGo(18, 3); // prize 400: 50 a bonus
    f.rec.points = 0;
    int paidAt = 0;
    for (int step = 1; step <= 40 && !paidAt; ++step) {
        nearTheLine(2000, 1990, 120, 120);
        f.updateVsDistance();
        if (f.rec.points > 0) paidAt = step;
    }
    EXPECT_EQ(paidAt, 31);
    EXPECT_EQ(f.rec.points, 50);
    // Below 120 km/h nothing is paid.
    f.race.deadHeatTick = 0;
    f.race.deadHeatOn = 0;
    for (int step = 1; step <= 40; ++step) {
        nearTheLine(2000, 1990, 119, 130);
        f.updateVsDistance();
    }
    EXPECT_EQ(f.rec.points, 50);
}

TEST_F(RaceTest, RainRecordGoesToTheRainColumnAndNoWeatherCountsAsSunny) {
    toGo(18, 1, 1);
    f.race.riderFinished[1] = 1;
    f.race.riderWon[1] = 1;
    f.race.riderTime[1] = 1500;
    f.race.riderSpeed[1] = 170;
    f.checkNewRecord();
    EXPECT_EQ(f.rec.bestTime[0][1], 1500);
    EXPECT_EQ(f.rec.bestSpeed[0][1], 170);
    EXPECT_EQ(f.rec.bestTime[0][0], 9999);
    EXPECT_TRUE(f.newRecord->visible);
    f.race.raceWeather = 3;
    f.race.raceDistance = 10000;
    f.checkNewRecord();
    EXPECT_EQ(f.rec.bestTime[1][0], 1500);
}

TEST_F(RaceTest, BalanceBreakerBlocksRecordsButNotThePrize) {
    f.rec.equippedItems[29] = 1;
    toGo(18, 1);
    f.rec.points = 0;
    f.race.throttleHeld = 1;
    f.race.gear = 2;
    ASSERT_TRUE(
        runUntil(g, [&] { return f.app.idle().name == "AppWinLose" && f.screenMode == 6; }));
    EXPECT_EQ(f.race.riderWon[1], 1);
    EXPECT_EQ(f.rec.bestTime[0][0], 9999);
    EXPECT_EQ(f.rec.points, 100);
    EXPECT_EQ(f.rec.winCount, 1);
}

TEST_F(RaceTest, WatchedRaceChangesNoCountsRecordsOrPoints) {
    f.race.watchNo1 = 19;
    f.race.watchVer1 = 7;
    f.race.watchNo2 = 18;
    prepareRace(f, 21, 1);
    f.rec.points = 0;
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 6; }));
    EXPECT_EQ(f.app.idle().name, "AppWinLose");
    EXPECT_TRUE(f.race.riderWon[1] || f.race.riderWon[2]);
    EXPECT_EQ(f.rec.points, 0);
    EXPECT_EQ(f.rec.winCount, 0);
    EXPECT_EQ(f.rec.loseCount, 0);
    EXPECT_EQ(f.rec.bestTime[0][0], 9999);
    EXPECT_FALSE(f.wmeter->visible) << "no tachometer in a watched race";
    // Buttons do nothing while watching.
    g.click(250, 150, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 0);
}

TEST_F(RaceTest, WholeRaceDrivenWithTheMouseAgainstTheSlowestStreetRider) {
    prepareRace(f, 18, 1);
    f.rec.points = 0;
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 5; }));
    g.press(250, 150);
    g.release(250, 170); // a drag down from neutral: 1st
    ASSERT_EQ(f.race.gear, 1);
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
    g.press(250, 150, MouseButton::Right); // full throttle

    // Shift up near the top of each gear: throttle off, clutch, drag up, throttle on.
    for (int gear = 1; gear < 4; ++gear) {
        const int shiftAt = f.race.gearMaxSpeed[static_cast<std::size_t>(gear)] - 2;
        ASSERT_TRUE(runUntil(
            g, [&] { return f.race.riderSpeed[1] >= shiftAt; }, 30000))
            << gear;
        g.release(250, 150, MouseButton::Right);
        g.press(250, 150);
        g.release(250, 100);
        g.press(250, 150, MouseButton::Right);
        ASSERT_EQ(f.race.gear, gear + 1);
    }
    ASSERT_TRUE(runUntil(
        g, [&] { return f.race.riderFinished[1] == 1; }, 60000));
    EXPECT_EQ(f.race.riderWon[1], 1);
    EXPECT_EQ(f.race.throttleHeld, 0) << "the goal takes the throttle away";
    g.release(250, 150, MouseButton::Right);

    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 6; }));
    EXPECT_EQ(f.resu1->picture() != nullptr, true);
    EXPECT_TRUE(f.resu1->visible);
    EXPECT_TRUE(f.earnedPts->visible);
    EXPECT_EQ(f.earnedPts->caption(), "100 pts");
    EXPECT_EQ(f.rec.points, 100);
    EXPECT_EQ(f.rec.winCount, 1);
    EXPECT_EQ(f.rec.loseCount, 0);
    EXPECT_LT(f.rec.bestTime[0][0], 9999);
    EXPECT_GT(f.rec.bestSpeed[0][0], 0);
    EXPECT_FALSE(f.chara1->visible);

    // A click: the frame slides back.
    g.click(250, 150);
    EXPECT_EQ(f.screenMode, 7);
    EXPECT_EQ(f.app.idle().name, "AppWakuMove");
    EXPECT_FALSE(f.resu1->visible);
    ASSERT_TRUE(runUntil(g, [&] { return f.waku1->top == 271; }));
}

// With the automatic clutch the arrows on the screen shift and the brake button
// brakes: clicks on them reach their own handlers, not the clutch.
TEST_F(RaceTest, ArrowsAndBrakeAnswerTheMouse) {
    f.rec.equippedItems[22] = 1; // the brake
    f.rec.equippedItems[23] = 1; // the automatic clutch
    toGo();
    ASSERT_TRUE(f.grup->visible);
    ASSERT_TRUE(f.brake->visible);
    const int gear = f.race.gear;
    g.click(f.grup->formLeft() + 5, f.grup->formTop() + 5);
    EXPECT_NE(f.race.gear, gear) << "the up arrow shifts";
    g.press(f.brake->formLeft() + 5, f.brake->formTop() + 5, MouseButton::Right);
    EXPECT_EQ(f.race.brakeHeld, 1);
    g.release(f.brake->formLeft() + 5, f.brake->formTop() + 5, MouseButton::Right);
    EXPECT_EQ(f.race.brakeHeld, 0);
}
