// What acts on a race beside the bikes themselves: rain, the wind gusts, the
// false start, the shaking tachometer and the animation one story race plays.

#include "app/UnitMain.h"

#include "data/UnitConst.h"
#include "sound/UnitSound.h"

#include <algorithm>

namespace zb {

namespace {

// Item numbers of the parts that soften the weather.
constexpr int kRainTyre = 12;
constexpr int kLiquidMuffler = 14;
constexpr int kWindShield = 17;

// Rain points each part takes away.
constexpr int kRainTyrePoints[] = {1, 2, 3, 7};
constexpr int kLiquidMufflerPoints[] = {14, 16, 17, 20, 21};

constexpr int kWindParked = 520; // Left of the wind picture when it is off screen
constexpr int kGustLoss = 2;     // km/h a gust takes per step

} // namespace

// ---------------------------------------------------------------- rain

void TForm1::setWater(std::uint8_t n) {
    for (int j = 1; j <= TuningPoints::kWaterCount; ++j)
        race.tuning.water(j) = j <= n ? 1 : 0;
}

void TForm1::setWaterPoints() {
    setWater(race.raceWeather == 1 ? 23 : 0);
    if (rec.equippedItems[kRainTyre] == 1)
        for (int j : kRainTyrePoints)
            race.tuning.water(j) = 0;
    if (rec.equippedItems[kLiquidMuffler] == 1)
        for (int j : kLiquidMufflerPoints)
            race.tuning.water(j) = 0;
}

void TForm1::setOpt(std::uint8_t n) {
    // The option points share their last bytes with the first rain points, so
    // this clears rain points 1..14 as well.
    for (int i = 1; i <= TuningPoints::kOptionCount; ++i)
        race.tuning.option(i) = i <= n ? 1 : 0;
}

void TForm1::rain() {
    if (race.raceWeather != 1) return;
    // The drops jump to a new place every step, anywhere between the name frame
    // and the tachometer.
    auto draw = [this](int n) {
        return static_cast<int>(random(static_cast<std::uint32_t>(std::max(n, 0))));
    };
    rainPict->left = draw(mainPanel->width);
    rainPict->top =
        draw(wmeter->top - waku2->height - rainPict->height) + waku2->top + waku2->height;
    rainPict->visible = true;
}

// ---------------------------------------------------------------- wind

void TForm1::windSpeedDown() {
    if (race.raceWeather != 2) return;
    if (race.riderFinished[1] || race.riderFinished[2]) {
        stopSoundEffect(*this, 24);
        wind->left = kWindParked;
        wind->visible = false;
        return;
    }
    const int k = race.gustIndex;
    const auto ks = static_cast<std::size_t>(k);
    if (race.gustDone[ks] == 1) return;

    auto windPicture = [this](int frame) {
        LoadImg(*wind, "img\\wind" + std::to_string(frame % 3 + 1) + ".bmp");
    };

    const std::int32_t at = kGustStart[ks];
    if (race.riderDistance[1] < at && race.riderDistance[2] < at) {
        // Between gusts: the last gust blows off to the left, then waits.
        if (-kWindParked < wind->left && wind->left <= 0) {
            windPicture(race.windFrame);
            wind->left -= 30;
            race.windFrame =
                static_cast<std::uint8_t>(race.windFrame >= 3 ? 0 : race.windFrame + 1);
        } else {
            wind->left = kWindParked;
        }
        return;
    }

    // The leader has reached the gust: it blows for (k + 1) x 30 + 1 steps.
    windPicture(race.gustTick);
    if (race.gustTick > (k + 1) * 30) {
        race.gustDone[ks] = 1;
        race.windFrame = race.gustTick;
        race.gustTick = 0;
        if (race.gustIndex < 4) race.gustIndex = static_cast<std::uint8_t>(race.gustIndex + 1);
        return;
    }
    if (race.gustTick == 0) {
        playSoundEffect(*this, 24);
        wind->left = kWindParked;
        wind->visible = true;
    }
    // The wind shield spares the hero every fifth step; a watched rider has none.
    const bool shielded = rec.equippedItems[kWindShield] == 1 && race.gustTick % 5 == 0 &&
                          race.enemyNo != kWatchedRace;
    if (!shielded) race.riderSpeed[1] = std::max(race.riderSpeed[1] - kGustLoss, 0);
    race.riderSpeed[2] = std::max(race.riderSpeed[2] - kGustLoss, 0);
    wind->left = std::max(wind->left - 30, 0);
    race.gustTick = static_cast<std::uint8_t>(race.gustTick + 1);
}

// ---------------------------------------------------------------- false start

bool TForm1::isFlying() const {
    // In gear, clutch out and throttle open once the count has begun.
    return race.raceInputOn == 1 && race.gear != 0 && race.clutchHeld == 0 &&
           race.raceStarted == 0 && SignalBar->visible && race.throttleHeld == 1;
}

void TForm1::showFlying() {
    lastTick = static_cast<std::int32_t>(platform.timeGetTime());
    riders[1]->visible = false;
    riders[2]->visible = false;
    meterImg->width = 0;
    for (Control* c : std::initializer_list<Control*>{SignalBar, SigBoxLeft, SigBoxRight, pi,
                                                      sigcnt, sigcnt2, sigback, rainPict})
        c->visible = false;
    if (screenMode == 17) { // the lesson's panel makes way for the notice
        tutorBack->visible = false;
        for (int i = 1; i <= 4; ++i)
            tutorLabels[static_cast<std::size_t>(i)]->visible = false;
    }
    flying->visible = true;
    installIdle("AppFlying", kFlyingPeriod, &TForm1::AppFlying);
}

void TForm1::AppFlying() {
    // One step, 600 ms after the false start: the riders come back and the count
    // starts again from the beginning. Gear and speed stay as they are.
    riders[1]->visible = true;
    if (screenMode == 17) { // the lesson's panel returns; no rival rides there
        tutorBack->visible = true;
        for (int i = 1; i <= 4; ++i)
            tutorLabels[static_cast<std::size_t>(i)]->visible = true;
    } else if (race.enemyNo != 17) {
        riders[2]->visible = true; // the truck only appears once it has driven in
    }
    race.signalCount = 0;
    pi->left = 210;
    flying->visible = false;
    installIdle("AppSig", kStepPeriod, &TForm1::AppSig);
}

// ---------------------------------------------------------------- tachometer

void TForm1::shakeMeter(int gap) {
    // The needle trembles around its place; a bar at rest does not.
    if (gap > 176) return;
    if (race.meterShakePhase == 1) {
        meterImg->width = std::max(meterImg->width - 2, 0);
        race.meterShakePhase = 0;
    } else {
        meterImg->width = meterImg->width < 2 ? 0 : meterImg->width + 2;
        race.meterShakePhase = 1;
    }
}

// ---------------------------------------------------------------- the special animation

void TForm1::Philip() {
    if (race.philipAnimOn != 1) return;
    const int t = race.philipTick;
    Picture& obj = *objectImg;
    auto load = [this, &obj](int n) { LoadImg(obj, "img\\philip" + std::to_string(n) + ".bmp"); };
    auto move = [&obj](int dx, int dy) {
        obj.left += dx;
        obj.top += dy;
    };

    // The object flies in from the right, turning as it comes.
    if (t == 0) {
        load(1);
        obj.left = 520 - obj.width / 2;
        obj.top = 64;
        obj.transparent = true;
        obj.visible = true;
    } else if (t <= 4) {
        move(-17, -8);
        if (t == 4) load(2);
    } else if (t <= 8) {
        move(-11, -7);
        if (t == 8) load(2);
    } else if (t <= 12) {
        move(-10, -2);
        if (t == 12) load(3);
    } else if (t <= 17) {
        move(-8, -1);
        if (t == 13) load(4);
    } else if (t <= 20) {
        move(-5, 0);
        if (t == 18) load(5);
    } else if (t <= 24) {
        move(-10, 6);
        if (t == 24) load(6);
    } else if (t <= 28) {
        move(-10, 12);
    } else if (t <= 34) {
        move(-3, 14);
        if (t == 34) {
            // It lands on the rival's bike, which becomes the G HOUND.
            race.enemyNo = 12;
            race.enemyVer = 1;
            setEnemyData(2, 12, 1);
            setCharaImg();
            obj.visible = false;
        }
    } else if (t == 38) {
        playSoundEffect(*this, 2);
        changeFace(109, 3);
        lines[1]->setCaption("「『アルティメットコア』装填！！");
        lines[2]->setCaption("");
    } else if (t == 45) {
        // The blast: a stretched picture that swells over the screen.
        scene.mesShaking = 1;
        openSoundEffect(*this, 30);
        playSoundEffect(*this, 30);
        obj.setPos(90, 155);
        LoadImg(obj, "img\\effect.bmp");
        obj.autoSize = false;
        obj.stretch = true;
        obj.visible = true;
    } else if (t >= 46 && t <= 60) {
        obj.width += 60;
        obj.height += 6;
        move(-30, -3);
        RiderMove& hero = scene.moves[1];
        if (t == 47) {
            hero.moveTarget = -12; // the hero is blown back ...
            hero.moveSpeed = 4;
            hero.moveLeft = 1;
            hero.moveRight = 0;
        } else if (t == 51) {
            playSoundEffect(*this, 31);
        } else if (t == 59) {
            scene.mesShaking = 1;
            hero.moveTarget = 100 - riders[1]->width; // ... and rides back to his place
            hero.moveSpeed = 4;
            hero.moveRight = 1;
            hero.moveLeft = 0;
        } else if (t == 60) {
            obj.visible = false;
            obj.autoSize = true;
            obj.stretch = false;
            race.philipAnimOn = 0;
            race.philipTick = 0;
            return; // the last tick is not counted
        }
    }
    race.philipTick = static_cast<std::int16_t>(race.philipTick + 1);
}

} // namespace zb
