// A race from the frame slide to the goal: the message frame slides into race
// position, the three-count start signal, then one race step every 20 ms.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {
constexpr int kFrameRest = 271; // top of the message frame at rest
constexpr int kSignalFrom = 210;
constexpr int kSignalTo = 290;
} // namespace

int TForm1::getBeforeWakuGap() {
    return isBeforeBattleEvent() ? 18 : 78;
}

int TForm1::getAfterWakuGap() {
    return isAfterBattleEvent() ? 18 : 0;
}

void TForm1::AppWakuMove() {
    if (screenMode == 3 || screenMode == 15) {
        if (scene.preRaceSceneDone) createRaceScreen();
        const int gap = getBeforeWakuGap();
        if (waku1->top < gap + kFrameRest) {
            waku1->top += 3;
            MesBox->top = waku1->top + 19;
            if (scene.preRaceSceneDone && gap - waku2->height + kFrameRest < waku1->top)
                waku2->top += 3;
            return;
        }
        if (screenMode == 15)
            getReadyToTutor();
        else
            getReadyToStart();
        return;
    }
    // Sliding back after the race (modes 7 and 8).
    const bool sceneDue = isAfterBattleEvent();
    if (sceneDue) rain();
    MoveMotorCycle();
    MoveBack();
    const int gap = getAfterWakuGap();
    if (waku1->top > gap + kFrameRest) {
        waku1->top -= 3;
        MesBox->top = waku1->top + 19;
        if (waku2->top >= -24) waku2->top -= 3;
        return;
    }
    if (screenMode == 8) {
        transferToEvent();
    } else if (!race.riderWon[1] && race.loseMeansGameOver == 1) {
        eventToGameOver();
    } else if (screenMode == 7) {
        if (sceneDue)
            battleEventStart();
        else
            backToMap();
    }
}

void TForm1::getReadyToStart() {
    race.raceInputOn = 1;
    waku1->setPicture(stock.get("wakuImg1"));
    const bool sceneDue = isBeforeBattleEvent();
    if (scene.preRaceSceneDone || !sceneDue) {
        waku2->top = -1;
        name2->top = 3;
    }
    const bool watched = race.enemyNo == 21;
    setPositionBeforeBattle();
    if (!watched) {
        setMainChara();
        setEnemyData(2, race.enemyNo, race.enemyVer);
        setCharaImg();
        Reset();
        createHandicap(2, race.enemyNo);
        reflectEquipment();
    } else {
        setEnemyData(1, race.watchNo1, race.watchVer1);
        setEnemyData(2, race.watchNo2, race.enemyVer);
        setCharaImg();
        Reset();
        createHandicap(1, race.watchNo1);
        createHandicap(2, race.watchNo2);
    }
    setVisibleBeforeStart();
    if (!scene.preRaceSceneDone && sceneDue) {
        battleEventStart();
        return;
    }
    showName(1, watched ? race.watchNo1 : 1);
    showName(2, watched ? race.watchNo2 : race.enemyNo);
    screenMode = 5;
    startSignal();
}

void TForm1::startSignal() {
    playRaceBGM();
    guidebar->visible = true;
    guide->visible = true;
    if (race.enemyNo != 21) {
        updateVsDistance();
        vsDistance1->visible = true;
        vsDistance2->visible = true;
    }
    installIdle("AppSig", kStepPeriod, &TForm1::AppSig);
}

void TForm1::AppSig() {
    if (screenMode != 17) createRaceScreen();
    if (race.raceStarted == 0 && isFlying()) {
        showFlying();
        return;
    }
    int& w = meterImg->width;
    if ((race.gear == 0 || race.clutchHeld) && race.throttleHeld)
        w = std::min(177, w + 3);
    else
        w = std::max(0, w - 3);

    // The marker runs along the bar; each time it reaches the end, the count
    // goes on: "3" after 40 steps, then every 41 steps.
    if (pi->left >= kSignalTo) {
        pi->left = kSignalFrom;
        return;
    }
    pi->left += 2;
    if (pi->left != kSignalTo) return;
    ++race.signalCount;
    if (race.signalCount == 1)
        for (Control* c : std::initializer_list<Control*>{SignalBar, SigBoxLeft, SigBoxRight,
                                                          sigcnt, sigcnt2, sigback, pi})
            c->visible = true;
    if (race.signalCount <= 3) {
        const std::string count = std::to_string(4 - race.signalCount);
        sigcnt->setCaption(count);
        sigcnt2->setCaption(count);
        playSoundEffect(*this, 5);
    } else {
        goSignal();
    }
}

void TForm1::goSignal() {
    race.signalCount = 0;
    race.raceStarted = 1;
    playSoundEffect(*this, 6);
    for (Control* c : std::initializer_list<Control*>{SignalBar, SigBoxLeft, SigBoxRight, sigcnt,
                                                      sigcnt2, sigback, pi})
        c->visible = false;
    if (screenMode == 17) {
        installIdle("AppTutor", kStepPeriod, &TForm1::AppTutor);
        for (Control* c : std::initializer_list<Control*>{n100, n10, n1, km1, km12})
            c->visible = true;
        return;
    }
    for (Control* c :
         std::initializer_list<Control*>{n100, n10, n1, n200, n20, n2, recrd1, recrd12, recrd2,
                                         recrd22, sec1, sec12, sec2, sec22, km1, km12, km2, km22})
        c->visible = true;
    if (race.enemyNo == 6) endTutorButton->visible = true;
    if (race.raceWeather == 2) openSoundEffect(*this, 24);
    if (race.enemyNo == 21)
        installIdle("AppMain2", kStepPeriod, &TForm1::AppMain2);
    else
        installIdle("AppMain", kStepPeriod, &TForm1::AppMain);
}

void TForm1::AppMain() {
    calcDistance();
    setCharaPosition();
    createRaceScreen();
    CalcTime();
    heroStep();
    Speeed(1);
    rivalStep(2, race.enemyNo);
    Speeed(2);
    windSpeedDown();
    updateTachometer();
    updateGauge();
    judgeGoal();
}

void TForm1::AppMain2() {
    calcDistance();
    setCharaPosition();
    createRaceScreen();
    CalcTime();
    rivalStep(1, race.watchNo1);
    Speeed(1);
    rivalStep(2, race.watchNo2);
    Speeed(2);
    windSpeedDown();
    updateGauge();
    judgeGoal();
}

void TForm1::updateGauge() {
    if (isLastSpurt()) {
        guidebar->visible = false;
        guide->visible = false;
    } else {
        guide->left = race.riderDistance[1] * 100 / race.raceDistance + 396;
    }
}

} // namespace zb
