#pragma once
// Getting a race ready on the real race screen, as entering a racing place on
// the map does, and reading the race as it runs.

#include "data/UnitConst.h"
#include "race/HeroTable.h"
#include "tests/GameHarness.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace zb::test {

// A fresh game in a fresh folder with a fixed random seed, for the race tests.
class SeededGameTest : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    void SetUp() override { f.random.seed = 12345; }
};

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

// When a player who knows the bike shifts up: for every gear and speed, whether
// the next gear gets the bike to its top speed in fewer race steps than staying
// in this one, counting each km/h at the pace the bike's own step table gives
// for that gear (fitted parts and rain included). Worked out once per race.
class ShiftPlan {
  public:
    explicit ShiftPlan(const TForm1& f) {
        const RaceState& r = f.race;
        gears_ = r.gearCount;
        const int last = r.gearMaxSpeed[static_cast<std::size_t>(gears_)];
        top_ = f.rec.equippedItems[0] == 1 ? last : std::min(last, 180); // the limiter
        constexpr std::int64_t kNever = std::int64_t{1} << 40;
        // best[g]: steps from the speed in hand to the top, in gear g or higher.
        std::array<std::int64_t, 8> best{};
        for (int g = 0; g <= 7; ++g)
            best[static_cast<std::size_t>(g)] = g >= 1 && g <= gears_ ? 0 : kNever;
        for (auto& row : up_)
            row.assign(static_cast<std::size_t>(top_ + 1), 0);
        for (int v = top_ - 1; v >= 0; --v) {
            for (int g = gears_; g >= 1; --g) {
                const auto gi = static_cast<std::size_t>(g);
                const int gearTop = r.gearMaxSpeed[gi];
                std::int64_t stay = kNever;
                if (v < gearTop)
                    stay = std::max(1, heroCrgTable(g, v * 100 / gearTop, r.tuning)) + best[gi];
                const std::int64_t shift = best[gi + 1];
                up_[gi][static_cast<std::size_t>(v)] = shift < stay ? 1 : 0;
                best[gi] = std::min(stay, shift);
            }
        }
    }
    bool shiftUp(int gear, int speed) const {
        if (gear < 1 || gear >= gears_ || speed < 0) return false;
        if (speed >= top_) return false;
        return up_[static_cast<std::size_t>(gear)][static_cast<std::size_t>(speed)] == 1;
    }

  private:
    int gears_ = 4;
    int top_ = 0;
    std::array<std::vector<std::uint8_t>, 8> up_;
};

// Drives a race as a player who knows the bike does, with the mouse only: first
// gear while the signal counts, full throttle at "go", and each shift up (throttle
// off, clutch, drag up, throttle on) where the shift plan puts it. A
// race the player only watches is waited out. Returns once the hero has crossed
// the line or the race screen has given way (a race the story stops), or when
// maxMs of virtual time have passed; false only then.
inline bool driveRaceToWin(Game& g, std::uint32_t maxMs = 120000) {
    TForm1& f = g.f();
    const std::uint32_t start = g.platform.timeGetTime();
    auto timeLeft = [&] { return g.platform.timeGetTime() - start < maxMs; };
    while (timeLeft() && f.screenMode != 5)
        g.run(kStepPeriod);
    if (f.race.enemyNo == kWatchedRace) {
        while (timeLeft() && f.screenMode == 5)
            g.run(kStepPeriod);
        return f.screenMode != 5;
    }
    if (f.race.gear == 0) {
        g.press(250, 150);
        g.release(250, 170);
    }
    while (timeLeft() && f.screenMode == 5 && f.app.idle().name != "AppMain")
        g.run(kStepPeriod);
    const ShiftPlan plan(f);
    g.press(250, 150, MouseButton::Right);
    while (timeLeft() && f.screenMode == 5 && !f.race.riderFinished[1]) {
        if (plan.shiftUp(f.race.gear, f.race.riderSpeed[1])) {
            g.release(250, 150, MouseButton::Right);
            g.press(250, 150);
            g.release(250, 100);
            g.press(250, 150, MouseButton::Right);
        }
        g.run(kStepPeriod);
    }
    g.release(250, 150, MouseButton::Right);
    return f.screenMode != 5 || f.race.riderFinished[1];
}

inline bool racing(TForm1& f) {
    return f.app.idle().name == "AppMain" || f.app.idle().name == "AppMain2";
}

} // namespace zb::test
