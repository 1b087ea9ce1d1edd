// The hero's gearbox: sequential, with neutral between first and second gear,
// shifted by a vertical drag while the clutch (left button) is held.

#include "app/UnitMain.h"

#include "sound/UnitSound.h"

namespace zb {

namespace {
// Top of the gear ball for N and gears 1..6.
constexpr int kBallTop[7] = {316, 321, 311, 301, 291, 281, 271};
} // namespace

void TForm1::clutch() {
    if (!race.raceInputOn || race.riderFinished[1]) return;
    int y = 0;
    setPosForm(y);
    race.clutchDownY = y;
    race.clutchHeld = 1;
    wgr->top = 312;
    ngear->top = 316;
}

void TForm1::accel() {
    if (race.raceInputOn) race.throttleHeld = 1;
}

void TForm1::gearUp() {
    switch (race.gear) {
    case 0:
    case 1:
        shiftTo(2);
        break;
    case 2:
    case 3:
        shiftTo(static_cast<std::uint8_t>(race.gear + 1));
        break;
    case 4:
    case 5:
        if (race.gearCount > race.gear) shiftTo(static_cast<std::uint8_t>(race.gear + 1));
        break;
    default:
        break;
    }
}

void TForm1::gearDown() {
    switch (race.gear) {
    case 0:
    case 2:
        shiftTo(1);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        shiftTo(static_cast<std::uint8_t>(race.gear - 1));
        break;
    default:
        break;
    }
}

void TForm1::shiftTo(std::uint8_t newGear) {
    playSoundEffect(*this, 4);
    tama->top = kBallTop[newGear];
    ngear->setCaption(std::to_string(newGear));
    if (race.gear == 0 || (race.gear == 2 && newGear == 1)) ngear->fontColour = rgb(255, 255, 255);
    race.gear = newGear;
    checkGearshiftAccel();
}

int TForm1::getGearshiftAccelSpeed(int speed) {
    return static_cast<std::int16_t>(speed) * 3 / 100 + 4;
}

void TForm1::checkGearshiftAccel() {
    // Items 26 and 27 are the two accelerators; at most one fires per shift and
    // each at most once per race.
    for (int n = 1; n <= 2; ++n) {
        const auto i = static_cast<std::size_t>(n);
        const std::int32_t v = race.riderSpeed[1];
        if (rec.equippedItems[25 + i] == 1 && race.accelUsed[i] == 0 &&
            rec.accelWindowLow[i] <= v && v <= rec.accelWindowHigh[i]) {
            playSoundEffect(*this, 13);
            race.riderSpeed[1] += getGearshiftAccelSpeed(v);
            race.accelUsed[i] = 1;
            return;
        }
    }
}

} // namespace zb
