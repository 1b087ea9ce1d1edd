// The lesson's pages. Pages 0..12 explain the race screen and are turned with
// "次へ >" and "< 戻る"; pages 13..27 drill the gears and turn themselves when
// the bike does what the page asks; page 28 stops the bike, 29..31 teach the
// start signal and 32 is a free run without a goal.

#include "app/UnitMain.h"
#include "data/LessonText.h"

namespace zb {

namespace {
constexpr int kWrongGearPage = 27;
constexpr int kStartDrillPage = 30;
constexpr int kPanelLeft = 143;
constexpr int kPanelTop = 70;
constexpr int kLineLeft = 155;
constexpr int kLineTop = 81; // then every 21 px
constexpr int kButtonTop = 172;
constexpr int kPrevLeft = 219;
constexpr int kNextLeft = 295;
constexpr int kLimiterSpeed = 180; // without the LC computer no bike goes faster
} // namespace

void TForm1::showTutorMessage() {
    if (tutorStep < 0 || tutorStep >= kLessonPageCount) tutorStep = 0;
    const LessonPage& page = kLessonText[static_cast<std::size_t>(tutorStep)];
    for (int i = 1; i <= kLessonLineCount; ++i)
        tutorLabels[static_cast<std::size_t>(i)]->setCaption(
            std::string(page[static_cast<std::size_t>(i - 1)]));
    if (const HintCircle* c = findHintCircle(tutorStep)) {
        tutorCircle->setPos(c->left, c->top);
        tutorCircle->visible = true;
    } else if (tutorStep == 11) { // the screen is explained: the riding begins
        tutorCircle->visible = false;
    }

    auto buttons = [this](bool next, bool prev, bool reset) {
        nextButton->visible = next;
        prevButton->visible = prev;
        resetButton->visible = reset;
    };
    auto show = [](std::initializer_list<Control*> cs, bool on) {
        for (Control* c : cs)
            c->visible = on;
    };
    // A fresh bike in neutral at the start line (the reset clears the names).
    auto freshBike = [this] {
        Reset();
        showName(1, 1);
    };

    switch (tutorStep) {
    case 0:
        riders[2]->visible = false;
        endTutorButton->visible = true;
        nextButton->visible = true;
        for (int i = 1; i <= kLessonLineCount; ++i) {
            Label& l = *tutorLabels[static_cast<std::size_t>(i)];
            l.setPos(kLineLeft, kLineTop + 21 * (i - 1));
            l.visible = true;
        }
        tutorBack->setPos(kPanelLeft, kPanelTop);
        tutorBack->visible = true;
        prevButton->setPos(kPrevLeft, kButtonTop);
        nextButton->setPos(kNextLeft, kButtonTop);
        break;
    case 1:
        // The race screen as before a start, with what the next pages point at.
        setVisibleBeforeStart();
        show({riders[2], hintLeft, grup, grdown, hintRight, brake}, false);
        showName(1, 1);
        updateVsDistance();
        CalcTime();
        show({guidebar, guide, vsDistance1, vsDistance2, n100, n10, n1, recrd1, recrd12, sec1,
              sec12, km1, km12},
             true);
        prevButton->visible = false;
        installIdle("AppTutorCircle", kCursorPeriod, &TForm1::AppTutorCircle);
        break;
    case 2:
        prevButton->visible = true;
        break;
    case 10:
        show({guidebar, guide, vsDistance1, vsDistance2, recrd1, recrd12, sec1, sec12, km1, km12},
             true);
        resetButton->visible = false;
        freshBike();
        screenMode = 16;
        installIdle("AppTutorCircle", kCursorPeriod, &TForm1::AppTutorCircle);
        break;
    case 11:
        show({guidebar, guide, vsDistance1, vsDistance2, audience, extraPts1, extraPts2, recrd1,
              recrd12, sec1, sec12},
             false);
        if (TFauto()) {
            // The automatic clutch needs no gear drill: on to the start signal.
            tutorStep = kStartDrillPage;
            showTutorMessage();
            return;
        }
        buttons(true, true, false);
        freshBike();
        screenMode = 16;
        break;
    case 12:
        freshBike();
        buttons(true, true, false);
        screenMode = 16;
        break;
    case 13:
        freshBike();
        buttons(false, false, true);
        screenMode = 17;
        installIdle("AppTutor", kStepPeriod, &TForm1::AppTutor);
        break;
    case 28:
        // Well done: the bike stands while the start drill is explained.
        race.riderSpeed[1] = 0;
        Speeed(1);
        meterImg->width = 0;
        buttons(true, false, false);
        screenMode = 16;
        clearIdle();
        break;
    case 29:
    case 30:
        freshBike();
        show({hintLeft, grup, grdown, hintRight, brake, n100, n10, n1, km1, km12}, false);
        buttons(true, true, false);
        screenMode = 16;
        clearIdle();
        break;
    case 31:
        // The start signal of a race, for the hero alone; at "go" it hands over
        // to the lesson's ride.
        setVisibleBeforeStart();
        riders[2]->visible = false;
        screenMode = 17;
        buttons(false, false, true);
        installIdle("AppSig", kStepPeriod, &TForm1::AppSig);
        break;
    default:
        break; // the text is all that changes
    }
}

// Turns a riding page when the bike does what it asks: on to the next page,
// back to the page before, or to page 27 when the bike is in the wrong gear.
void TForm1::checkTutor() {
    const int gear = race.gear;
    const int speed = race.riderSpeed[1];
    const bool throttle = race.throttleHeld != 0;
    // speed >= max(g) / (num / den), compared exactly: speed * num >= max(g) * den
    auto reached = [&](int g, int num, int den) {
        return speed * num >= race.gearMaxSpeed[static_cast<std::size_t>(g)] * den;
    };
    const int page = tutorStep;
    int to = page;
    switch (page) {
    case 13: // neutral into 1st
        if (gear == 1)
            to = 14;
        else if (gear > 1)
            to = kWrongGearPage;
        break;
    case 14: // away in 1st, to half its top speed
        if (gear != 1)
            to = kWrongGearPage;
        else if (throttle && reached(1, 2, 1))
            to = 15;
        break;
    case 15: // throttle off ...
        if (gear == 1 && !throttle)
            to = 16;
        else if (gear != 1 && throttle)
            to = 14;
        break;
    case 16: // ... and up into 2nd
        if (gear == 2)
            to = 17;
        else if (throttle)
            to = 15;
        break;
    case 17:
        if (gear != 2)
            to = kWrongGearPage;
        else if (throttle && reached(2, 7, 4))
            to = 18; // max / 1.75
        break;
    case 18:
        if (gear != 2)
            to = kWrongGearPage;
        else if (!throttle)
            to = 19;
        break;
    case 19:
        if (gear == 3)
            to = 20;
        else if (throttle)
            to = 18;
        break;
    case 20:
        if (gear != 3)
            to = kWrongGearPage;
        else if (throttle && reached(3, 3, 2))
            to = 21; // max / 1.5
        break;
    case 21:
        if (gear != 3)
            to = kWrongGearPage;
        else if (!throttle)
            to = 22;
        break;
    case 22:
        if (gear == 4)
            to = 23;
        else if (throttle)
            to = 21;
        break;
    case 23: // max / 1.25, or the limiter's 180 for a 4th gear above 225
        if (gear != 4)
            to = kWrongGearPage;
        else if (throttle && (reached(4, 5, 4) || speed >= kLimiterSpeed))
            to = 24;
        break;
    case 24:
        if (gear >= 4 && !throttle) to = 25;
        break;
    case 25: // one gear down
        if (gear == 3 || gear == 2)
            to = 26;
        else if (throttle)
            to = 24;
        break;
    case 26: // down to 1st, and the drill is done
        if (gear == 1) to = 28;
        break;
    case 31: // the signal has gone: the free run
        if (race.raceStarted) to = 32;
        break;
    default:
        break; // explanation pages, the wrong gear and the free run stay
    }
    if (to == page) return;
    tutorStep = static_cast<std::int16_t>(to);
    showTutorMessage();
}

// One step of a riding page: the hero's bike as in a race, with no rival, no
// distance, time, wind or goal.
void TForm1::AppTutor() {
    checkTutor();
    if (screenMode != 17) return; // the drill is over: the bike stands
    if (race.riderSpeed[1] > 0) {
        MoveMotorCycle();
        MoveBack();
    }
    // The lesson rides the bike's own speed model: the balance breaker sits out.
    std::uint8_t& breaker = rec.equippedItems[29];
    const std::uint8_t fitted = breaker;
    breaker = 0;
    heroStep();
    updateTachometer();
    breaker = fitted;
    Speeed(1);
}

void TForm1::AppTutorCircle() {
    showNextFrame(*tutorCircle, tutorCirclePhase, "tutorCircle");
}

} // namespace zb
