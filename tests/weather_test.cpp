// What acts on a race beside the bikes: the rain points and the rain picture, the
// wind gusts, the false start, the shaking tachometer and the animation of the
// G HOUND's arrival. Played on the real game form, headless.

#include "data/UnitConst.h"
#include "tests/GameHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::ReferenceRandom;

namespace {

namespace fs = std::filesystem;

void putPicture(const GameFolder& folder, const std::string& name, int w, int h) {
    ASSERT_TRUE(folder.putPicture(name, w, h, rgb(200, 200, 255)));
}

void putWindPictures(const GameFolder& folder) {
    for (int n = 1; n <= 3; ++n)
        putPicture(folder, "wind" + std::to_string(n) + ".bmp", 100 + n, 50);
}

std::set<int> setWaterPoints(const TForm1& f) {
    std::set<int> s;
    for (int j = 1; j <= 23; ++j)
        if (f.race.tuning.water(j)) s.insert(j);
    return s;
}

std::set<int> range(int from, int to) {
    std::set<int> s;
    for (int i = from; i <= to; ++i)
        s.insert(i);
    return s;
}

} // namespace

// ---------------------------------------------------------------- rain points

TEST(WeatherRainPoints, SetWaterSetsTheFirstNPoints) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.setWater(23);
    EXPECT_EQ(setWaterPoints(f), range(1, 23));
    f.setWater(5);
    EXPECT_EQ(setWaterPoints(f), range(1, 5));
    f.setWater(0);
    EXPECT_TRUE(setWaterPoints(f).empty());
}

TEST(WeatherRainPoints, OptionPointsShareBytesWithTheFirstRainPoints) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.setWater(23);
    f.setOpt(0);
    EXPECT_EQ(setWaterPoints(f), range(15, 23)) << "1..14 cleared with the option points";

    f.setWater(23);
    f.setOpt(36);
    for (int i = 1; i <= 36; ++i)
        EXPECT_EQ(f.race.tuning.option(i), 1) << "option " << i;
    EXPECT_EQ(setWaterPoints(f), range(15, 23)) << "options 37..50 are rain points 1..14";

    f.setWater(0);
    f.setOpt(50);
    EXPECT_EQ(setWaterPoints(f), range(1, 14));

    f.setOpt(0);
    f.setWater(3);
    for (int i = 1; i <= 50; ++i)
        EXPECT_EQ(f.race.tuning.option(i), i >= 37 && i <= 39 ? 1 : 0) << "option " << i;
}

TEST(WeatherRainPoints, RainSetsEveryPointAndPartsTakeSomeAway) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.raceWeather = 1;
    f.setWaterPoints();
    EXPECT_EQ(setWaterPoints(f), range(1, 23));

    f.rec.equippedItems[12] = 1; // rain tyre
    f.setWaterPoints();
    std::set<int> tyre = range(1, 23);
    for (int j : {1, 2, 3, 7})
        tyre.erase(j);
    EXPECT_EQ(setWaterPoints(f), tyre);

    f.rec.equippedItems[14] = 1; // and the liquid muffler
    f.setWaterPoints();
    std::set<int> both = tyre;
    for (int j : {14, 16, 17, 20, 21})
        both.erase(j);
    EXPECT_EQ(setWaterPoints(f), both);

    f.rec.equippedItems[12] = 0;
    f.setWaterPoints();
    std::set<int> muffler = range(1, 23);
    for (int j : {14, 16, 17, 20, 21})
        muffler.erase(j);
    EXPECT_EQ(setWaterPoints(f), muffler);
}

TEST(WeatherRainPoints, DryWeatherClearsEveryPoint) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (std::uint8_t w : {std::uint8_t{0}, std::uint8_t{2}, std::uint8_t{3}}) {
        f.setWater(23);
        f.race.raceWeather = w;
        f.rec.equippedItems[12] = 1;
        f.setWaterPoints();
        EXPECT_TRUE(setWaterPoints(f).empty()) << "weather " << int(w);
    }
}

// ---------------------------------------------------------------- rain picture

TEST(WeatherRain, TheDropsJumpEveryStepBetweenFrameAndTachometer) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.raceWeather = 1;
    f.rainPict->width = 60;
    f.rainPict->height = 40;
    f.wmeter->top = 280;
    f.waku2->top = -1;
    f.waku2->height = 30;
    f.random.seed = 321;
    std::set<int> lefts;
    for (int i = 0; i < 50; ++i) {
        ReferenceRandom rnd{f.random.seed};
        const int left = static_cast<int>(rnd(static_cast<std::uint32_t>(f.mainPanel->width)));
        const int top = static_cast<int>(rnd(280 - 30 - 40)) - 1 + 30;
        f.rainPict->visible = false;
        f.rain();
        EXPECT_TRUE(f.rainPict->visible);
        EXPECT_EQ(f.rainPict->left, left);
        EXPECT_EQ(f.rainPict->top, top);
        EXPECT_GE(f.rainPict->top, 29);
        EXPECT_LT(f.rainPict->top + f.rainPict->height, 280);
        EXPECT_EQ(f.random.seed, rnd.seed);
        lefts.insert(left);
    }
    EXPECT_GT(lefts.size(), 40u);
}

TEST(WeatherRain, NoRainNoDrawsNoPicture) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (std::uint8_t w : {std::uint8_t{0}, std::uint8_t{2}, std::uint8_t{3}}) {
        f.race.raceWeather = w;
        f.rainPict->visible = false;
        f.random.seed = 5;
        f.rain();
        EXPECT_FALSE(f.rainPict->visible);
        EXPECT_EQ(f.random.seed, 5u);
    }
}

// ---------------------------------------------------------------- wind

namespace {

// A 400 m race in the wind at full speed, both riders level.
void windyRace(TForm1& f) {
    f.race.raceWeather = 2;
    f.race.enemyNo = 18;
    f.race.gustIndex = f.race.gustTick = f.race.windFrame = 0;
    f.race.gustDone = {};
    f.race.riderFinished = {0, 0, 0};
    f.wind->left = 520;
    f.wind->visible = false;
}

// Steps the wind with the leader held at `distance` and counts the steps on
// which each rider lost speed (the speeds are topped up after every step).
std::pair<int, int> lossSteps(TForm1& f, std::int32_t distance, int steps) {
    f.race.riderDistance = {0, distance, distance - 5};
    int hero = 0, rival = 0;
    for (int i = 0; i < steps; ++i) {
        f.race.riderSpeed = {0, 200, 200};
        f.windSpeedDown();
        EXPECT_TRUE(f.race.riderSpeed[1] == 200 || f.race.riderSpeed[1] == 198);
        EXPECT_TRUE(f.race.riderSpeed[2] == 200 || f.race.riderSpeed[2] == 198);
        hero += f.race.riderSpeed[1] == 198;
        rival += f.race.riderSpeed[2] == 198;
    }
    return {hero, rival};
}

} // namespace

TEST(WeatherWind, GustsAt100And300MetresTake2KmhOn31And61Steps) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);

    EXPECT_EQ(lossSteps(f, 999, 100), std::make_pair(0, 0)) << "calm before 100 m";
    EXPECT_EQ(lossSteps(f, 1000, 200), std::make_pair(31, 31));
    EXPECT_EQ(f.race.gustDone[0], 1);
    EXPECT_EQ(f.race.gustIndex, 1);
    EXPECT_EQ(lossSteps(f, 2999, 100), std::make_pair(0, 0));
    EXPECT_EQ(lossSteps(f, 3000, 300), std::make_pair(61, 61));
    EXPECT_EQ(f.race.gustIndex, 2);
    EXPECT_EQ(lossSteps(f, 4000, 100), std::make_pair(0, 0)) << "no more gusts in 400 m";
    ASSERT_FALSE(f.fatalErrorShown());
}

TEST(WeatherWind, AThousandMetreRaceMeetsFourGusts) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    const int loss[] = {31, 61, 91, 121};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(lossSteps(f, kGustStart[static_cast<std::size_t>(k)], 200),
                  std::make_pair(loss[k], loss[k]))
            << "gust " << k;
    }
    EXPECT_EQ(f.race.gustIndex, 4);
    EXPECT_EQ(lossSteps(f, 10000, 50), std::make_pair(0, 0)) << "the fifth lies beyond the goal";
}

TEST(WeatherWind, TheLeaderTriggersTheGust) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    f.race.riderDistance = {0, 200, 1000}; // the rival leads
    f.race.riderSpeed = {0, 50, 50};
    f.windSpeedDown();
    EXPECT_EQ(f.race.riderSpeed[1], 48);
    EXPECT_EQ(f.race.riderSpeed[2], 48);
}

TEST(WeatherWind, SpeedsDoNotFallBelowZero) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    f.race.riderDistance = {0, 1000, 1000};
    f.race.riderSpeed = {0, 3, 1};
    f.race.accelTick = {0, 5, 6};
    f.windSpeedDown();
    EXPECT_EQ(f.race.riderSpeed[1], 1);
    EXPECT_EQ(f.race.riderSpeed[2], 0);
    f.windSpeedDown();
    EXPECT_EQ(f.race.riderSpeed[1], 0);
    EXPECT_EQ(f.race.riderSpeed[2], 0);
    EXPECT_EQ(f.race.accelTick[1], 5) << "the wind takes speed, not the counters";
}

TEST(WeatherWind, TheWindShieldSparesTheHeroEveryFifthStep) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    f.rec.equippedItems[17] = 1;
    f.race.riderDistance = {0, 1000, 1000};
    std::set<int> spared;
    for (int i = 0; i < 40; ++i) {
        const int tick = f.race.gustTick;
        f.race.riderSpeed = {0, 200, 200};
        f.windSpeedDown();
        if (f.race.gustDone[0]) break;
        if (f.race.riderSpeed[1] == 200) spared.insert(tick);
        EXPECT_EQ(f.race.riderSpeed[2], 198) << "the rival has no shield";
    }
    EXPECT_EQ(spared, (std::set<int>{0, 5, 10, 15, 20, 25, 30}));
}

TEST(WeatherWind, AWatchedRiderInLaneOneAlwaysLoses) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    f.race.enemyNo = kWatchedRace;
    f.rec.equippedItems[17] = 1;
    EXPECT_EQ(lossSteps(f, 1000, 40), std::make_pair(31, 31));
}

TEST(WeatherWind, ThePictureBlowsInThenOffToTheLeft) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    f.race.riderDistance = {0, 1000, 1000};
    f.windSpeedDown();
    EXPECT_TRUE(f.wind->visible);
    EXPECT_EQ(f.wind->left, 490) << "shown at 520, then 30 px left";
    EXPECT_EQ(f.wind->width, 101) << "gust step 0 shows wind1";
    f.windSpeedDown();
    EXPECT_EQ(f.wind->left, 460);
    EXPECT_EQ(f.wind->width, 102);
    for (int i = 0; i < 29; ++i)
        f.windSpeedDown();
    EXPECT_EQ(f.wind->left, 0) << "not beyond the left edge during the gust";
    f.windSpeedDown(); // gust tick 31: over
    EXPECT_EQ(f.race.gustDone[0], 1);
    EXPECT_EQ(f.race.windFrame, 31);
    EXPECT_EQ(f.race.gustTick, 0);

    // Afterwards it drifts off 30 px a step, the frames cycling, then waits.
    f.race.riderDistance = {0, 1500, 1500};
    std::vector<int> frames;
    int lastLeft = f.wind->left;
    int steps = 0;
    while (f.wind->left != 520 && steps < 100) {
        frames.push_back(f.race.windFrame);
        f.windSpeedDown();
        if (f.wind->left != 520) {
            EXPECT_EQ(f.wind->left, lastLeft - 30);
        }
        lastLeft = f.wind->left;
        ++steps;
    }
    EXPECT_EQ(steps, 19) << "from 0 to -540, then parked";
    ASSERT_GE(frames.size(), 6u);
    EXPECT_EQ(frames[0], 31);
    EXPECT_EQ(frames[1], 0);
    EXPECT_EQ(frames[4], 3);
    EXPECT_EQ(frames[5], 0);
    for (int i = 0; i < 5; ++i) {
        f.windSpeedDown();
        EXPECT_EQ(f.wind->left, 520);
    }
}

TEST(WeatherWind, AFinishedRiderEndsTheWind) {
    GameFolder folder;
    putWindPictures(folder);
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    f.race.riderDistance = {0, 1000, 1000};
    f.windSpeedDown();
    ASSERT_TRUE(f.wind->visible);
    f.race.riderFinished[2] = 1;
    f.race.riderSpeed = {0, 200, 200};
    f.windSpeedDown();
    EXPECT_FALSE(f.wind->visible);
    EXPECT_EQ(f.wind->left, 520);
    EXPECT_EQ(f.race.riderSpeed[1], 200);
    EXPECT_EQ(f.race.riderSpeed[2], 200);
}

TEST(WeatherWind, OnlyInTheWind) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    windyRace(f);
    for (std::uint8_t w : {std::uint8_t{0}, std::uint8_t{1}, std::uint8_t{3}}) {
        f.race.raceWeather = w;
        EXPECT_EQ(lossSteps(f, 1000, 40), std::make_pair(0, 0)) << "weather " << int(w);
        EXPECT_EQ(f.race.gustTick, 0);
    }
}

// ---------------------------------------------------------------- false start

namespace {

// The count has begun ("3" is up), the player is in first gear with the clutch
// out and the throttle open.
void jumpTheStart(TForm1& f) {
    f.screenMode = 5;
    f.race.enemyNo = 18;
    f.race.raceInputOn = 1;
    f.race.raceStarted = 0;
    f.race.gear = 1;
    f.race.clutchHeld = 0;
    f.race.throttleHeld = 1;
    f.SignalBar->visible = true;
}

} // namespace

TEST(WeatherFalseStart, OnlyInGearWithTheClutchOutAndTheThrottleOpenDuringTheCount) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    jumpTheStart(f);
    EXPECT_TRUE(f.isFlying());

    f.race.gear = 0;
    EXPECT_FALSE(f.isFlying()) << "neutral";
    f.race.gear = 2;
    EXPECT_TRUE(f.isFlying());
    f.race.clutchHeld = 1;
    EXPECT_FALSE(f.isFlying()) << "clutch held";
    f.race.clutchHeld = 0;
    f.race.throttleHeld = 0;
    EXPECT_FALSE(f.isFlying()) << "no throttle";
    f.race.throttleHeld = 1;
    f.SignalBar->visible = false;
    EXPECT_FALSE(f.isFlying()) << "before the count";
    f.SignalBar->visible = true;
    f.race.raceStarted = 1;
    EXPECT_FALSE(f.isFlying()) << "after the go";
    f.race.raceStarted = 0;
    f.race.raceInputOn = 0;
    EXPECT_FALSE(f.isFlying()) << "no input yet";
}

TEST(WeatherFalseStart, TheNoticeStands600MsThenTheCountRestarts) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    jumpTheStart(f);
    f.race.riderSpeed = {0, 0, 0};
    for (Control* c :
         std::initializer_list<Control*>{f.riders[1], f.riders[2], f.SigBoxLeft, f.SigBoxRight,
                                         f.pi, f.sigcnt, f.sigcnt2, f.sigback, f.rainPict})
        c->visible = true;
    f.meterImg->width = 90;
    f.pi->left = 250;
    f.race.signalCount = 2;

    f.showFlying();
    EXPECT_TRUE(f.flying->visible);
    EXPECT_EQ(f.meterImg->width, 0);
    for (Control* c : std::initializer_list<Control*>{f.riders[1], f.riders[2], f.SignalBar,
                                                      f.SigBoxLeft, f.SigBoxRight, f.pi, f.sigcnt,
                                                      f.sigcnt2, f.sigback, f.rainPict})
        EXPECT_FALSE(c->visible) << c->name;
    EXPECT_EQ(g.app.idle().name, "AppFlying");
    EXPECT_EQ(f.lastTick, static_cast<std::int32_t>(g.platform.timeGetTime()));

    g.run(599);
    EXPECT_EQ(g.app.idle().name, "AppFlying");
    EXPECT_TRUE(f.flying->visible) << "still waiting";
    g.run(1);
    EXPECT_EQ(g.app.idle().name, "AppSig");
    EXPECT_FALSE(f.flying->visible);
    EXPECT_TRUE(f.riders[1]->visible);
    EXPECT_TRUE(f.riders[2]->visible);
    EXPECT_EQ(f.race.signalCount, 0) << "the count starts again";
    EXPECT_EQ(f.pi->left, 210);
    EXPECT_EQ(f.race.gear, 1) << "gear and speed stay";
}

TEST(WeatherFalseStart, TheTruckStaysHiddenAfterTheNotice) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    jumpTheStart(f);
    f.race.enemyNo = 17;
    f.showFlying();
    g.run(600);
    EXPECT_EQ(g.app.idle().name, "AppSig");
    EXPECT_TRUE(f.riders[1]->visible);
    EXPECT_FALSE(f.riders[2]->visible) << "the truck drives in only once the race is on";
}

TEST(WeatherFalseStart, DuringTheSignalThrottleInNeutralIsNoFalseStart) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    jumpTheStart(f);
    f.race.gear = 0;
    f.SignalBar->visible = false;
    f.pi->left = 210;
    f.race.signalCount = 0;
    f.installIdle("AppSig", kStepPeriod, &TForm1::AppSig);
    g.run(40 * 21 + 30 * 21); // "3" is up for a while
    EXPECT_TRUE(f.SignalBar->visible);
    EXPECT_EQ(g.app.idle().name, "AppSig");
    EXPECT_FALSE(f.flying->visible);
}

TEST(WeatherFalseStart, InGearTheStartIsJumpedOnceThreeAppears) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    jumpTheStart(f);
    f.SignalBar->visible = false; // the count has not begun
    f.pi->left = 210;
    f.race.signalCount = 0;
    f.installIdle("AppSig", kStepPeriod, &TForm1::AppSig);
    g.run(39 * 21);
    EXPECT_FALSE(f.flying->visible) << "no false start before the count";
    int steps = 0;
    while (!f.flying->visible && steps < 10) {
        g.run(21);
        ++steps;
    }
    EXPECT_TRUE(f.flying->visible);
    EXPECT_LE(steps, 3) << "the step after \"3\" appears";
    EXPECT_EQ(g.app.idle().name, "AppFlying");
    g.run(600);
    EXPECT_EQ(g.app.idle().name, "AppSig");
    EXPECT_EQ(f.race.signalCount, 0);
    EXPECT_FALSE(f.flying->visible);
}

// ---------------------------------------------------------------- tachometer shake

TEST(WeatherShake, TheBarTremblesTwoPixelsEachWay) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.meterImg->width = 50;
    f.race.meterShakePhase = 0;
    f.shakeMeter(100);
    EXPECT_EQ(f.meterImg->width, 52);
    EXPECT_EQ(f.race.meterShakePhase, 1);
    f.shakeMeter(176);
    EXPECT_EQ(f.meterImg->width, 50);
    EXPECT_EQ(f.race.meterShakePhase, 0);
    f.shakeMeter(0);
    EXPECT_EQ(f.meterImg->width, 52);
}

TEST(WeatherShake, ABarAtRestDoesNotShake) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.meterImg->width = 50;
    f.race.meterShakePhase = 1;
    f.shakeMeter(177);
    EXPECT_EQ(f.meterImg->width, 50);
    EXPECT_EQ(f.race.meterShakePhase, 1);
    f.shakeMeter(500);
    EXPECT_EQ(f.meterImg->width, 50);
}

TEST(WeatherShake, ANearlyEmptyBarDropsToZero) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.meterImg->width = 1;
    f.race.meterShakePhase = 0;
    f.shakeMeter(10);
    EXPECT_EQ(f.meterImg->width, 0);
    EXPECT_EQ(f.race.meterShakePhase, 1);
    f.shakeMeter(10);
    EXPECT_EQ(f.meterImg->width, 0) << "never below an empty bar";
    EXPECT_EQ(f.race.meterShakePhase, 0);
    f.meterImg->width = 2;
    f.shakeMeter(10);
    EXPECT_EQ(f.meterImg->width, 4);
}

// ---------------------------------------------------------------- the G HOUND's arrival

namespace {

void putPhilipPictures(const GameFolder& folder) {
    // Each picture a width of its own so the test can tell them apart.
    for (int n = 1; n <= 6; ++n)
        putPicture(folder, "philip" + std::to_string(n) + ".bmp", 60 + 2 * n, 30 + n);
    putPicture(folder, "effect.bmp", 20, 10);
    for (int n = 1; n <= 3; ++n)
        putPicture(folder, "G_HOUND" + std::to_string(n) + ".bmp", 70 + n, 40);
}

} // namespace

TEST(WeatherPhilip, DoesNothingUnlessStarted) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.philipAnimOn = 0;
    f.objectImg->visible = false;
    f.Philip();
    EXPECT_EQ(f.race.philipTick, 0);
    EXPECT_FALSE(f.objectImg->visible);
}

TEST(WeatherPhilip, TheObjectFliesInAndLandsOnTheRival) {
    GameFolder folder;
    putPhilipPictures(folder);
    Game g;
    TForm1& f = g.f();
    f.race.enemyNo = 2;
    f.race.enemyVer = 3;
    f.race.philipAnimOn = 1;
    f.race.philipTick = 0;
    Picture& o = *f.objectImg;

    f.Philip(); // t = 0
    EXPECT_EQ(o.width, 62);
    const int left0 = 520 - 62 / 2;
    EXPECT_EQ(o.left, left0);
    EXPECT_EQ(o.top, 64);
    EXPECT_TRUE(o.transparent);
    EXPECT_TRUE(o.visible);
    EXPECT_EQ(f.race.philipTick, 1);

    // Position after tick t (dx, dy summed over the ticks so far) and the
    // picture shown then.
    struct At {
        int tick, dx, dy, picture;
    };
    const At path[] = {
        {3, -51, -24, 1},   {4, -68, -32, 2},   {8, -112, -60, 2},  {11, -142, -66, 2},
        {12, -152, -68, 3}, {13, -160, -69, 4}, {17, -192, -73, 4}, {18, -197, -73, 5},
        {20, -207, -73, 5}, {24, -247, -49, 6}, {28, -287, -1, 6},  {33, -302, 69, 6},
    };
    int t = 1;
    for (const At& at : path) {
        for (; t <= at.tick; ++t)
            f.Philip();
        SCOPED_TRACE("after tick " + std::to_string(at.tick));
        EXPECT_EQ(o.left, left0 + at.dx);
        EXPECT_EQ(o.top, 64 + at.dy);
        EXPECT_EQ(o.width, 60 + 2 * at.picture);
        EXPECT_TRUE(o.visible);
        EXPECT_EQ(f.race.enemyNo, 2);
    }

    f.Philip(); // t = 34: the rival becomes the G HOUND
    EXPECT_EQ(o.left, left0 - 305);
    EXPECT_EQ(o.top, 64 + 83);
    EXPECT_FALSE(o.visible);
    EXPECT_EQ(f.race.enemyNo, 12);
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_EQ(f.race.rivalMaxSpeed[2], 500);
    EXPECT_EQ(f.race.raceDistance, 10000);
    const int frame = f.race.riderFrame[2];
    ASSERT_GE(frame, 1);
    ASSERT_LE(frame, 3);
    EXPECT_EQ(f.riders[2]->picture()->width, 70 + frame) << "the new rider is shown";
    ASSERT_FALSE(f.fatalErrorShown());
}

TEST(WeatherPhilip, TheCoreIsLoadedAndTheBlastThrowsTheHeroBack) {
    GameFolder folder;
    putPhilipPictures(folder);
    Game g;
    TForm1& f = g.f();
    f.race.philipAnimOn = 1;
    f.race.philipTick = 0;
    f.scene.mesShaking = 0;
    f.lines[2]->setCaption("前の台詞");
    Picture& o = *f.objectImg;
    for (int t = 0; t <= 37; ++t)
        f.Philip();
    EXPECT_EQ(f.lines[1]->caption(), "") << "nothing said before tick 38";
    f.Philip(); // 38
    EXPECT_EQ(f.lines[1]->caption(), "「『アルティメットコア』装填！！");
    EXPECT_EQ(f.lines[2]->caption(), "");
    for (int t = 39; t <= 44; ++t)
        f.Philip();
    EXPECT_EQ(f.scene.mesShaking, 0);
    EXPECT_FALSE(o.visible);

    f.Philip(); // 45: the blast
    EXPECT_EQ(f.scene.mesShaking, 1);
    EXPECT_TRUE(o.visible);
    EXPECT_EQ(o.left, 90);
    EXPECT_EQ(o.top, 155);
    EXPECT_EQ(o.width, 20) << "the effect picture";
    EXPECT_EQ(o.height, 10);
    EXPECT_FALSE(o.autoSize);
    EXPECT_TRUE(o.stretch);

    f.Philip(); // 46
    EXPECT_EQ(o.width, 80);
    EXPECT_EQ(o.height, 16);
    EXPECT_EQ(o.left, 60);
    EXPECT_EQ(o.top, 152);
    EXPECT_EQ(f.scene.moves[1].moveLeft, 0);
    f.Philip(); // 47
    EXPECT_EQ(f.scene.moves[1].moveLeft, 1);
    EXPECT_EQ(f.scene.moves[1].moveTarget, -12);
    EXPECT_EQ(f.scene.moves[1].moveSpeed, 4);

    f.scene.mesShaking = 0;
    for (int t = 48; t <= 58; ++t)
        f.Philip();
    EXPECT_EQ(f.scene.mesShaking, 0);
    f.Philip(); // 59
    EXPECT_EQ(f.scene.mesShaking, 1);
    EXPECT_EQ(f.scene.moves[1].moveRight, 1);
    EXPECT_EQ(f.scene.moves[1].moveLeft, 0);
    EXPECT_EQ(f.scene.moves[1].moveTarget, 100 - f.riders[1]->width);
    EXPECT_EQ(f.scene.moves[1].moveSpeed, 4);
    EXPECT_EQ(f.race.philipTick, 60);

    f.Philip(); // 60: the end
    EXPECT_EQ(o.width, 20 + 15 * 60);
    EXPECT_EQ(o.height, 10 + 15 * 6);
    EXPECT_EQ(o.left, 90 - 15 * 30);
    EXPECT_EQ(o.top, 155 - 15 * 3);
    EXPECT_FALSE(o.visible);
    EXPECT_TRUE(o.autoSize);
    EXPECT_FALSE(o.stretch);
    EXPECT_EQ(f.race.philipAnimOn, 0);
    EXPECT_EQ(f.race.philipTick, 0) << "the last tick resets without counting";

    f.Philip();
    EXPECT_EQ(f.race.philipTick, 0) << "stopped";
}
