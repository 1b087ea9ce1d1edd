// What a key or a mouse button means depends on the screen: the left button is
// the clutch, advance or confirm; the right button the throttle; Enter or Space
// advance a scene; Alt then Enter switches full screen.

#include "app/UnitMain.h"

namespace zb {

void TForm1::FormKeyDown(Control&, std::uint16_t& key, ShiftState) {
    if (key == vk::Alt && !altKeyDown) {
        altKeyDown = true;
        key = 0;
        return;
    }
    if (key == vk::Enter && altKeyDown) {
        ToggleFullScreen();
        key = 0;
        return;
    }
    if (key != vk::Enter && key != vk::Space) return;
    switch (screenMode) {
    case 4:
        if (!isEventMoveDone()) {
            finishEventMoves();
        } else if (!scene.mesShaking) {
            battleEvent();
        }
        break;
    case 13:
        if (!scene.mesShaking) event();
        break;
    default:
        break;
    }
}

void TForm1::FormKeyUp(Control&, std::uint16_t& key, ShiftState) {
    if (key == vk::Alt) altKeyDown = false;
}

void TForm1::FormMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    const bool watched = race.enemyNo == 21; // the player does not ride
    if (button == MouseButton::Left) {
        switch (screenMode) {
        case 3:
            getReadyToStart(); // skip the rest of the frame slide
            break;
        case 4:
            if (isEventMoveDone() && !scene.mesShaking) battleEvent(); // never skips moves
            break;
        case 15:
            getReadyToTutor();
            break;
        case 5:
        case 17:
            if (!watched && !TFauto()) clutch();
            break;
        case 6:
            battleTo();
            break;
        case 7:
            if (!race.riderWon[1] && race.loseMeansGameOver == 1) {
                eventToGameOver();
            } else if (isAfterBattleEvent()) {
                battleEventStart();
            } else {
                backToMap();
            }
            break;
        case 13:
            if (!scene.mesShaking) event();
            break;
        default:
            break;
        }
    } else if (button == MouseButton::Right) {
        if ((screenMode == 5 || screenMode == 17) && !watched) accel();
    }
}

void TForm1::FormMouseUp(Control&, MouseButton button, ShiftState, int, int) {
    if (race.enemyNo == 21) return;
    if (button == MouseButton::Right) {
        if (race.raceInputOn) {
            brake->setPicture(stock.get("brake1"));
            race.throttleHeld = 0;
            race.brakeHeld = 0;
        }
    } else if (button == MouseButton::Left) {
        if (!TFauto()) mouseUpCommon();
    }
}

void TForm1::mouseUpCommon() {
    if (!race.raceInputOn || !race.clutchHeld) return;
    int y = 0;
    setPosForm(y);
    if (y >= 1000) return; // released far below the window: the clutch stays held
    if (y < race.clutchDownY && !race.throttleHeld) {
        gearUp();
    } else if (y > race.clutchDownY && !race.throttleHeld) {
        gearDown();
    }
    race.clutchHeld = 0;
    wgr->top = 310;
    ngear->top = 314;
}

} // namespace zb
