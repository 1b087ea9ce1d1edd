// The hero's bike: the speed model, the limiter, over-speed, the accelerators,
// the arrows and the tachometer.

#include "race/HeroTable.h"
#include "tests/GameHarness.h"

#include <gtest/gtest.h>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

namespace {

class BikeTest : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    void SetUp() override {
        f.race.raceInputOn = 1;
        f.race.gearCount = 4;
        f.race.gearMaxSpeed = kBaseGearMaxSpeed;
    }
    // Throttle held, clutch out: steps until the speed reaches `to`.
    int stepsTo(int to, int limit = 100000) {
        f.race.throttleHeld = 1;
        f.race.clutchHeld = 0;
        int n = 0;
        while (f.race.riderSpeed[1] < to && n < limit) {
            f.heroStep();
            ++n;
        }
        return n;
    }
};

} // namespace

TEST_F(BikeTest, NewBikeInDryWeatherNeeds144StepsToTopOfFirstAnd176ToTopOfSecond) {
    f.race.gear = 1;
    EXPECT_EQ(stepsTo(62), 144);
    f.race.gear = 2;
    f.race.accelTick[1] = 0;
    EXPECT_EQ(stepsTo(98), 176);
}

TEST_F(BikeTest, ThrottleOnlyHoldsTheSpeedAtTheGearsTop) {
    f.race.gear = 1;
    f.race.riderSpeed[1] = 62;
    f.race.throttleHeld = 1;
    for (int i = 0; i < 200; ++i)
        f.heroStep();
    EXPECT_EQ(f.race.riderSpeed[1], 62);
}

TEST_F(BikeTest, RainSlowsTheLowBandsOfFirstGear) {
    f.race.gear = 1;
    const int dry = stepsTo(62);
    f.race.riderSpeed[1] = 0;
    f.race.accelTick[1] = 0;
    f.race.raceWeather = 1;
    f.setWaterPoints();
    EXPECT_GT(stepsTo(62), dry);
}

TEST_F(BikeTest, OptionPointsShortenTheIntervalsTheyName) {
    // 2nd gear at 86..90 %: 6 − o19 − o28.
    EXPECT_EQ(heroCrgTable(2, 88, f.race.tuning), 6);
    f.race.tuning.option(19) = 1;
    EXPECT_EQ(heroCrgTable(2, 88, f.race.tuning), 5);
    f.race.tuning.option(28) = 1;
    EXPECT_EQ(heroCrgTable(2, 86, f.race.tuning), 4);
    EXPECT_EQ(heroCrgTable(2, 90, f.race.tuning), 4);
    EXPECT_EQ(heroCrgTable(2, 91, f.race.tuning), 10) << "bands are inclusive";
    // The same point in two bands: o15 in 3rd at 26..30 and at 81..85.
    f.race.tuning.option(15) = 1;
    EXPECT_EQ(heroCrgTable(3, 28, f.race.tuning), 2);
    EXPECT_EQ(heroCrgTable(3, 83, f.race.tuning), 3);
    // 1st at 21..25 takes a water point away: 2 − w1 + w6.
    f.race.tuning.water(1) = 1;
    EXPECT_EQ(heroCrgTable(1, 23, f.race.tuning), 1);
    EXPECT_EQ(heroCrgTable(0, 50, f.race.tuning), 0) << "neutral";
    EXPECT_EQ(heroCrgTable(4, 101, f.race.tuning), 0);
    EXPECT_EQ(heroCrgTable(6, 100, f.race.tuning), 16);
}

TEST_F(BikeTest, LimiterStopsAt180UnlessTheComputerIsFitted) {
    f.race.gearMaxSpeed[4] = 260;
    f.race.gear = 4;
    f.race.riderSpeed[1] = 175;
    stepsTo(250, 3000);
    EXPECT_EQ(f.race.riderSpeed[1], 180);
    EXPECT_TRUE(f.limitCheck());
    f.rec.equippedItems[0] = 1;
    EXPECT_FALSE(f.limitCheck());
    stepsTo(185, 3000);
    EXPECT_EQ(f.race.riderSpeed[1], 185);
}

TEST_F(BikeTest, AtTheLimiterTheTachometerActsAsWithTheClutchHeld) {
    f.race.gearMaxSpeed[4] = 260;
    f.race.gear = 4;
    f.race.riderSpeed[1] = 180;
    f.meterImg->width = 100;
    f.race.throttleHeld = 1;
    f.updateTachometer();
    EXPECT_GE(f.meterImg->width, 101) << "grows with the throttle";
    f.race.throttleHeld = 0;
    const int w = f.meterImg->width;
    f.updateTachometer();
    EXPECT_GE(f.meterImg->width, w - 2) << "does not shrink (only the shake moves it)";
}

TEST_F(BikeTest, DownshiftFrom5thAt200Into3rdLoses2EveryFourthStep) {
    f.race.gearCount = 5;
    f.race.gearMaxSpeed = {0, 62, 98, 145, 203, 266, 320};
    f.race.gear = 3;
    f.race.riderSpeed[1] = 200;
    EXPECT_EQ(f.getGrDwnSpd(), 2); // lowest gear able to hold 200 is 4th: 4 − 3 + 1
    f.race.throttleHeld = 0;
    f.race.clutchHeld = 1; // no coasting losses in between: the clutch keeps coastTick counting
    std::vector<int> speeds;
    for (int i = 0; i < 8; ++i) {
        f.heroStep();
        speeds.push_back(f.race.riderSpeed[1]);
    }
    // Coasting also takes 1 km/h after 21 counted steps; these 8 steps stay under it.
    EXPECT_EQ(speeds, (std::vector<int>{200, 200, 200, 198, 198, 198, 198, 196}));
}

TEST_F(BikeTest, BrakeTakesTwoPerStepAndCoastingOnePer22) {
    f.race.gear = 2;
    f.race.riderSpeed[1] = 50;
    f.race.brakeHeld = 1;
    f.heroStep();
    EXPECT_EQ(f.race.riderSpeed[1], 48);
    f.race.brakeHeld = 0;
    int steps = 0;
    while (f.race.riderSpeed[1] == 48) {
        f.heroStep();
        ++steps;
    }
    EXPECT_EQ(steps, 22);
}

TEST_F(BikeTest, BalanceBreakerGainsOnePerStepTo500InAnyGear) {
    f.rec.equippedItems[29] = 1;
    f.race.gear = 0;
    f.race.throttleHeld = 1;
    for (int i = 0; i < 600; ++i)
        f.heroStep();
    EXPECT_EQ(f.race.riderSpeed[1], 500);
    f.race.gear = 1; // far above 1st's top: no over-speed loss either
    for (int i = 0; i < 10; ++i)
        f.heroStep();
    EXPECT_EQ(f.race.riderSpeed[1], 500);
}

TEST_F(BikeTest, AcceleratorWindowsAreInclusiveAndFireOncePerRace) {
    f.rec.equippedItems[26] = 1;
    f.rec.accelWindowLow[1] = 100;
    f.rec.accelWindowHigh[1] = 109;
    f.race.gear = 2;
    f.race.riderSpeed[1] = 110;
    f.gearUp();
    EXPECT_EQ(f.race.riderSpeed[1], 110) << "110 is outside 100..109";
    f.race.riderSpeed[1] = 100;
    f.gearDown();
    EXPECT_EQ(f.race.riderSpeed[1], 107) << "100 * 3 / 100 + 4";
    EXPECT_EQ(f.race.accelUsed[1], 1);
    f.race.riderSpeed[1] = 105;
    f.gearUp();
    EXPECT_EQ(f.race.riderSpeed[1], 105) << "once per race";
}

TEST_F(BikeTest, SecondAcceleratorFiresOnlyWhenTheFirstDidNot) {
    f.rec.equippedItems[26] = 1;
    f.rec.equippedItems[27] = 1;
    f.rec.accelWindowLow = {0, 100, 100};
    f.rec.accelWindowHigh = {0, 109, 109};
    f.race.gear = 2;
    f.race.riderSpeed[1] = 100;
    f.gearUp();
    EXPECT_EQ(f.race.riderSpeed[1], 107);
    EXPECT_EQ(f.race.accelUsed[2], 0) << "one accelerator a shift";
    f.race.riderSpeed[1] = 101;
    f.gearDown();
    EXPECT_EQ(f.race.riderSpeed[1], 108);
    EXPECT_EQ(f.race.accelUsed[2], 1);
}

TEST_F(BikeTest, ArrowShiftLoses3BeforeTheAcceleratorCheck) {
    f.rec.equippedItems[23] = 1; // the automatic clutch
    f.rec.equippedItems[26] = 1;
    f.rec.accelWindowLow[1] = 1;
    f.rec.accelWindowHigh[1] = 10;
    f.race.gear = 3;
    f.race.riderSpeed[1] = 10;
    f.race.throttleHeld = 1; // the arrows shift even with the throttle held
    f.grupMouseDown(*f.grup, MouseButton::Left, {}, 1, 1);
    f.grupMouseUp(*f.grup, MouseButton::Left, {}, 1, 1);
    EXPECT_EQ(f.race.gear, 4);
    EXPECT_EQ(f.race.riderSpeed[1], 7 + 7 * 3 / 100 + 4) << "speed 7 fired the accelerator";
    // Down from 1st: no loss, no shift.
    f.race.gear = 1;
    f.race.riderSpeed[1] = 30;
    f.grdownMouseUp(*f.grdown, MouseButton::Left, {}, 1, 1);
    EXPECT_EQ(f.race.riderSpeed[1], 30);
    EXPECT_EQ(f.race.gear, 1);
}

TEST_F(BikeTest, BrakeButtonHoldsTheBrakeAndDropsTheThrottle) {
    f.race.throttleHeld = 1;
    f.brakeMouseDown(*f.brake, MouseButton::Right, {}, 1, 1);
    EXPECT_EQ(f.race.brakeHeld, 1);
    EXPECT_EQ(f.race.throttleHeld, 0);
    EXPECT_EQ(f.brake->picture(), f.stock.get("brake2"));
    f.brakeMouseUp(*f.brake, MouseButton::Right, {}, 1, 1);
    EXPECT_EQ(f.race.brakeHeld, 0);
    EXPECT_EQ(f.brake->picture(), f.stock.get("brake1"));
}

TEST_F(BikeTest, TachometerFollowsTheSpeedInGear) {
    f.race.gear = 2;
    f.race.riderSpeed[1] = 49; // half of 98: target 177 − 88.5 → 88, the bar heads for 89
    f.meterImg->width = 0;
    for (int i = 0; i < 40; ++i)
        f.updateTachometer();
    EXPECT_NEAR(f.meterImg->width, 89, 2);
    EXPECT_LE(f.meterImg->width, 177);
}

TEST_F(BikeTest, GearGateFollowsTheGearCount) {
    f.setGear(5);
    EXPECT_EQ(f.wgear->top, 280);
    EXPECT_EQ(f.wgear->picture(), f.stock.get("wgear2"));
    f.setGear(6);
    EXPECT_EQ(f.wgear->top, 270);
    f.setGear(7);
    EXPECT_EQ(f.wgear->top, 270) << "other values change nothing";
    f.setGear(4);
    EXPECT_EQ(f.wgear->picture(), f.stock.get("wgear1"));
}

TEST(RaceText, TimesAndSpeeds) {
    EXPECT_EQ(TForm1::getTimeString(4), "00.04");
    EXPECT_EQ(TForm1::getTimeString(1234), "12.34");
    EXPECT_EQ(TForm1::getTimeString(9999), "99.99");
    EXPECT_EQ(TForm1::getSpeedString(7), "007");
    EXPECT_EQ(TForm1::getSpeedString(180), "180");
    EXPECT_EQ(TForm1::getSpeedString(1000), "000");
}
