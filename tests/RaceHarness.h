#pragma once
// Getting a race ready on the real race screen, as entering a racing place on
// the map does, and reading the race as it runs.

#include "tests/GameHarness.h"

namespace zb::test {

// Rival, version and weather as the map would choose them; backgrounds and the
// rain points as the map would set them; the message frame starts to slide.
inline void prepareRace(TForm1& f, int machine, int version, int weather = 0) {
    f.race.enemyNo = static_cast<std::uint8_t>(machine);
    f.race.enemyVer = static_cast<std::uint8_t>(version);
    f.race.raceWeather = static_cast<std::uint8_t>(weather);
    f.race.subBgUsed = 1;
    for (Picture* p : {f.bgImgMain, f.bgImgMain2})
        f.LoadImg(*p, "img\\bg01.bmp");
    for (Picture* p : {f.bgImgSub, f.bgImgSub2})
        f.LoadImg(*p, "img\\sub01.bmp");
    f.setWaterPoints();
    f.backImg->visible = false;
    f.newGameButton->visible = false;
    f.continueButton->visible = false;
    f.fsinfo->visible = false;
    f.MesBox->visible = true;
    f.waku1->visible = true;
    f.waku2->visible = true;
    f.screenMode = 3;
    f.installIdle("AppWakuMove", kStepPeriod, &TForm1::AppWakuMove);
}

// Runs the loop one 20 ms period at a time until the condition holds or the
// virtual time runs out; true when it held.
template <class Cond> bool runUntil(Game& g, Cond cond, std::uint32_t maxMs = 120000) {
    for (std::uint32_t t = 0; t < maxMs; t += 10) {
        if (cond()) return true;
        g.run(10);
    }
    return cond();
}

// Drives the race the way a player does, with the mouse only: a drag down from
// neutral into 1st while the signal counts, full throttle at "go", and a shift up
// near the top of every gear (throttle off, clutch, drag up, throttle on).
inline void driveRace(Game& g) {
    TForm1& f = g.f();
    runUntil(g, [&] { return f.screenMode == 5; });
    g.press(250, 150);
    g.release(250, 170);
    runUntil(g, [&] { return f.app.idle().name == "AppMain"; });
    g.press(250, 150, MouseButton::Right);
    for (int gear = 1; gear < f.race.gearCount; ++gear) {
        const int shiftAt = f.race.gearMaxSpeed[static_cast<std::size_t>(gear)] - 2;
        runUntil(
            g, [&] { return f.race.riderSpeed[1] >= shiftAt || f.race.riderFinished[1]; }, 30000);
        if (f.race.riderFinished[1]) break;
        g.release(250, 150, MouseButton::Right);
        g.press(250, 150);
        g.release(250, 100);
        g.press(250, 150, MouseButton::Right);
    }
    runUntil(
        g, [&] { return f.race.riderFinished[1] == 1; }, 60000);
    g.release(250, 150, MouseButton::Right);
}

inline bool racing(TForm1& f) {
    return f.app.idle().name == "AppMain" || f.app.idle().name == "AppMain2";
}

} // namespace zb::test
