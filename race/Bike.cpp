// The hero's bike: whole km/h, one more whenever a step counter reaches the
// interval of the table for the engaged gear and how close the bike runs to
// that gear's top speed.

#include "app/UnitMain.h"
#include "race/HeroTable.h"
#include "sound/UnitSound.h"

#include <algorithm>
#include <span>

namespace zb {

namespace {

int termValue(const CrgTerm& t, const TuningPoints& p) {
    if (t.kind == 'o') return t.sign * p.option(t.point);
    if (t.kind == 'w') return t.sign * p.water(t.point);
    return 0;
}

std::span<const CrgBand> bandsOf(int gear) {
    switch (gear) {
    case 1:
        return kGear1;
    case 2:
        return kGear2;
    case 3:
        return kGear3;
    case 4:
        return kGear4;
    case 5:
        return kGear5;
    case 6:
        return kGear6;
    default:
        return {};
    }
}

constexpr int kMeterFull = 177; // px

} // namespace

int heroCrgTable(int gear, int pct, const TuningPoints& points) {
    for (const CrgBand& b : bandsOf(gear))
        if (b.from <= pct && pct <= b.to)
            return b.base + termValue(b.a, points) + termValue(b.b, points);
    return 0;
}

int TForm1::getMcrg1() const {
    const int gearTop = race.gearMaxSpeed[race.gear];
    const int pct = gearTop > 0 ? race.riderSpeed[1] * 100 / gearTop : 0;
    return heroCrgTable(race.gear, pct, race.tuning);
}

bool TForm1::limitCheck() const {
    return race.riderSpeed[1] >= 180 && rec.equippedItems[0] != 1;
}

std::uint8_t TForm1::getGrDwnSpd() const {
    int k = race.gearCount + 1;
    for (int g = 1; g <= race.gearCount; ++g) {
        if (race.gearMaxSpeed[static_cast<std::size_t>(g)] >= race.riderSpeed[1]) {
            k = g;
            break;
        }
    }
    return static_cast<std::uint8_t>(k - race.gear + 1);
}

void TForm1::speedDown(int amount, int lane) {
    const auto l = static_cast<std::size_t>(lane);
    race.accelTick[l] = 0;
    race.riderSpeed[l] = std::max(0, race.riderSpeed[l] - amount);
}

void TForm1::heroStep() {
    std::int32_t& speed = race.riderSpeed[1];
    // Over the gear's top speed (after a downshift): the engine brakes the bike
    // every fourth step, harder the more gears it is above where it belongs.
    if (race.gearMaxSpeed[race.gear] < speed && !balanceBreaker()) {
        if (race.overRevTick <= 2) {
            ++race.overRevTick;
        } else {
            speed -= getGrDwnSpd();
            race.overRevTick = 0;
        }
    }
    const bool finished = race.riderFinished[1] != 0;
    if (!finished && race.throttleHeld && !race.clutchHeld) {
        if (balanceBreaker()) {
            if (speed < 500) ++speed;
        } else if (speed < race.gearMaxSpeed[race.gear]) {
            ++race.accelTick[1];
            if (getMcrg1() <= race.accelTick[1] && !limitCheck()) {
                ++speed;
                race.accelTick[1] = 0;
            }
        }
    } else if (!finished && race.brakeHeld) {
        speed = std::max(0, speed - 2);
    } else if (speed > 0 && race.coastTick[0] > 20) {
        --speed;
        race.coastTick[0] = 0;
    } else {
        ++race.coastTick[0];
    }
}

void TForm1::updateTachometer() {
    int& w = meterImg->width;
    const int gearTop = race.gearMaxSpeed[race.gear];
    const int speed = race.riderSpeed[1];
    int target = 0;
    if (gearTop > 0)
        target = std::max(
            0, static_cast<int>(kMeterFull - speed * kMeterFull / static_cast<double>(gearTop)));
    if (race.clutchHeld || race.gear == 0 || limitCheck()) {
        if (race.throttleHeld) {
            w = std::min(kMeterFull, w + 3);
        } else if (!limitCheck() && speed < 180) {
            w = std::max(0, w - 3);
        }
    } else {
        const int want = kMeterFull - target;
        if (w > want)
            w = std::max(want, w - 5);
        else if (w < want)
            w = std::min(want, w + 5);
    }
    // The shake's gap is what the bar lacks of full at this speed: the engine
    // trembles up in its gear and is still only while the bike stands. In
    // neutral no target is worked out, so the bar does not shake there.
    shakeMeter(race.gear == 0 ? kMeterFull : target);
}

std::string TForm1::getSpeedString(int n) {
    if (n < 0 || n > 999) return "000";
    std::string s = std::to_string(n);
    return std::string(3 - s.size(), '0') + s;
}

void TForm1::Speeed(int lane) {
    const std::string digits = getSpeedString(race.riderSpeed[static_cast<std::size_t>(lane)]);
    for (int i = 0; i < 3; ++i)
        speedDigits[static_cast<std::size_t>(lane)][static_cast<std::size_t>(i + 1)]->setPicture(
            stock.get(std::string("num") + digits[static_cast<std::size_t>(i)]));
}

void TForm1::setGear(int n) {
    switch (n) {
    case 4:
        wgear->setPicture(stock.get("wgear1"));
        wgear->top = 290;
        break;
    case 5:
        wgear->setPicture(stock.get("wgear2"));
        wgear->top = 280;
        break;
    case 6:
        wgear->setPicture(stock.get("wgear3"));
        wgear->top = 270;
        break;
    default:
        break;
    }
}

// --- the brake button (with the brake part) ---

void TForm1::brakeMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Right) {
        if (race.raceInputOn) {
            race.brakeHeld = 1;
            race.throttleHeld = 0;
        }
        brake->setPicture(stock.get("brake2"));
    } else if (button == MouseButton::Left && !TFauto()) {
        clutch();
    }
}

void TForm1::brakeMouseUp(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Right) {
        brake->setPicture(stock.get("brake1"));
        if (race.raceInputOn) {
            race.brakeHeld = 0;
            race.throttleHeld = 0;
        }
    } else if (button == MouseButton::Left) {
        mouseUpCommon();
    }
}

// --- the arrow buttons (with the automatic clutch): they shift even while the
// throttle is held, at the cost of 3 km/h ---

void TForm1::grupMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Left) {
        if (race.raceInputOn) {
            race.gearUpButtonHeld = 1;
            race.clutchHeld = 0;
        }
        grup->setPicture(stock.get("grup2"));
    } else if (button == MouseButton::Right) {
        accel();
    }
}

void TForm1::grupMouseUp(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Left) {
        if (!race.riderFinished[1]) {
            if (race.gear < race.gearCount) {
                speedDown(3, 1);
                checkGearshiftAccel();
            }
            gearUp();
        }
        grup->setPicture(stock.get("grup1"));
        if (race.raceInputOn) {
            race.gearUpButtonHeld = 0;
            race.clutchHeld = 0;
        }
    } else if (button == MouseButton::Right && race.raceInputOn) {
        race.throttleHeld = 0;
        brake->setPicture(stock.get("brake1"));
    }
}

void TForm1::grdownMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Left) {
        if (race.raceInputOn) {
            race.gearDownButtonHeld = 1;
            race.clutchHeld = 0;
        }
        grdown->setPicture(stock.get("grdown2"));
    } else if (button == MouseButton::Right) {
        accel();
    }
}

void TForm1::grdownMouseUp(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Left) {
        if (!race.riderFinished[1]) {
            if (race.gear > 1) {
                speedDown(3, 1);
                checkGearshiftAccel();
            }
            gearDown();
        }
        grdown->setPicture(stock.get("grdown1"));
        if (race.raceInputOn) {
            race.gearDownButtonHeld = 0;
            race.clutchHeld = 0;
        }
    } else if (button == MouseButton::Right && race.raceInputOn) {
        race.throttleHeld = 0;
        brake->setPicture(stock.get("brake1"));
    }
}

} // namespace zb
