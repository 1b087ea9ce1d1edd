// The race screen: setting it up for a race, the bikes' places on it, the
// scrolling backgrounds, distances, times and the margin between the riders.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

#include <algorithm>
#include <cstdlib>

namespace zb {

namespace {
// Top of a rider picture standing on its lane's baseline.
int laneTop(int lane, const Picture& p) {
    return (lane == 1 ? 181 : 139) - p.height + 67;
}
constexpr int kFrontX = 100; // the hero's right edge while the road scrolls
} // namespace

void TForm1::Reset() {
    closeSceneSoundEffects(*this);
    clearLine();
    race.gear = 0;
    race.resultTick = race.winPicTick = race.signalCount = race.raceStarted = 0;
    race.behindAlert = race.comebackDone = race.deadHeatOn = 0;
    race.accelUsed = {};
    race.deadHeatTick = 0;
    race.deadHeatTotal = 0;
    meterImg->width = 0;
    pi->left = 210;
    tama->top = 316;
    ngear->setCaption("N");
    ngear->fontColour = rgb(0, 255, 0);
    wgr->top = 310;
    ngear->top = 314;
    guide->left = 396;
    race.overRevTick = 0;
    race.coastTick = {};
    for (int lane = 1; lane <= 2; ++lane) {
        const auto l = static_cast<std::size_t>(lane);
        race.accelTick[l] = 0;
        race.riderDistance[l] = 0;
        race.riderTime[l] = 0;
        race.riderSpeed[l] = 0;
        race.riderFinished[l] = 0;
        race.riderWon[l] = 0;
        Picture& p = *riders[l];
        p.top = laneTop(lane, p);
        p.left = kFrontX - p.width;
        Speeed(lane);
    }
    race.gustDone = {};
    race.gustIndex = race.gustTick = race.windFrame = 0;
    wind->left = 520;
    wind->visible = false;
    if (isEnnoEX(race.enemyNo, race.watchNo2)) riders[2]->top = 147 - riders[2]->height;
}

void TForm1::setPositionBeforeBattle() {
    const bool sceneDue = isBeforeBattleEvent();
    const int b = sceneDue ? 60 : 0;
    const int gap = getBeforeWakuGap();
    waku1->top = gap + 271;
    MesBox->top = gap + 290;
    name1->top = gap + 277;
    for (Picture* d : {n100, n10, n1})
        d->top = 320 - b;
    km1->top = 332 - b;
    km12->top = 331 - b;
    guidebar->top = 337 - b;
    guide->top = guidebar->top - 4;
    recrd1->top = 344 - b;
    recrd12->top = 343 - b;
    sec1->top = 350 - b;
    sec12->top = 349 - b;
    for (int i = 1; i <= 3; ++i) {
        Label& l = *lines[static_cast<std::size_t>(i)];
        l.left = 12;
        l.top = 292 + 21 * (i - 1) + (sceneDue ? 28 : 0);
    }
    facePanel->top = 193 + (fullScreenActive ? kFullScreenDY : 0);
    resu1->setPos(68, 306 - b);
    resu2->setPos(362, 36);
}

void TForm1::setVisibleBeforeStart() {
    bgImgMain->visible = true;
    bgImgMain2->visible = true;
    LoadImg(*bgImgRoad, "img\\road.bmp");
    bgImgRoad->visible = true;
    if (race.subBgUsed) {
        bgImgSub->visible = true;
        bgImgSub2->visible = true;
    }
    const bool watched = race.enemyNo == 21;
    if (!isBeforeBattleEvent() && !watched) {
        for (Control* c : std::initializer_list<Control*>{wmeter, meterImg, meterBackImg, wgear,
                                                          tama, wgr, ngear})
            c->visible = true;
        if (TFbrake()) {
            hintRight->visible = true;
            brake->setPicture(stock.get("brake1"));
            brake->visible = true;
        }
        if (TFauto()) {
            hintLeft->visible = true;
            grup->setPicture(stock.get("grup1"));
            grdown->setPicture(stock.get("grdown1"));
            grup->visible = true;
            grdown->visible = true;
        }
    }
    Speeed(1);
    Speeed(2);
    riders[1]->visible = true;
    riders[2]->visible = race.enemyNo != 17;
}

void TForm1::setCharaImg() {
    const int count = scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= count; ++i) {
        const auto s = static_cast<std::size_t>(i);
        race.riderFrame[s] = static_cast<std::uint8_t>(random(3) + 1);
        riders[s]->setPicture(riderFrames[s][race.riderFrame[s]]);
    }
}

void TForm1::setMainChara() {
    for (int n = 1; n <= 3; ++n)
        riderFrames[1][static_cast<std::size_t>(n)] =
            LoadBmp("img\\PIZZA" + std::to_string(n) + ".bmp");
}

void TForm1::setVisibleWinLose() {
    for (Control* c : std::initializer_list<Control*>{
             wmeter,      meterImg,    meterBackImg, wgear,     tama,      wgr,      ngear,
             hintLeft,    hintRight,   grup,         grdown,    brake,     guidebar, guide,
             vsDistance1, vsDistance2, audience,     extraPts1, extraPts2, rainPict, endTutorButton,
             n100,        n10,         n1,           n200,      n20,       n2,       km1,
             km12,        km2,         km22})
        c->visible = false;
    for (int lane = 1; lane <= 2; ++lane) {
        race.riderDistance[static_cast<std::size_t>(lane)] = 0;
        race.riderSpeed[static_cast<std::size_t>(lane)] = 0;
    }
}

// --- each race step ---

void TForm1::calcDistance() {
    for (int lane = 1; lane <= 2; ++lane) {
        const auto l = static_cast<std::size_t>(lane);
        race.riderDistance[l] += race.riderSpeed[l] * 1000 / 18000; // 0.1 m per 20 ms step
        if (!race.riderFinished[l]) race.riderTime[l] += 2;
        race.riderTime[l] = std::min(race.riderTime[l], 9999);
        const int overrun = static_cast<int>(riders[l]->width * 2.5);
        race.riderDistance[l] = std::min(race.riderDistance[l], race.raceDistance + overrun);
    }
    updateVsDistance();
}

int TForm1::getExcitePtsDistance() const {
    const int p = race.rivalPrize;
    if (p <= 100) return 100;
    if (p <= 500) return 300;
    if (p <= 1500) return 800;
    if (p <= 3500) return 1000;
    if (p <= 5500) return 1500;
    return 2000;
}

int TForm1::getExcitePtsDeadHeat() const {
    const int p = race.rivalPrize;
    if (p <= 100) return 20;
    if (p <= 500) return 50;
    if (p <= 1500) return 100;
    if (p <= 3500) return 200;
    if (p <= 5500) return 300;
    return 400;
}

void TForm1::updateVsDistance() {
    const auto m = static_cast<std::int16_t>((race.riderDistance[1] - race.riderDistance[2]) / 10);
    vsDistance2->fontColour = m > 0   ? rgb(255, 255, 0)
                              : m < 0 ? rgb(255, 0, 0)
                                      : rgb(255, 255, 255);
    const std::string sign = m > 0 ? "＋ " : m < 0 ? "－ " : "± ";
    const int shown = std::min<int>(std::abs(m), race.raceDistance / 10);
    const std::string text = sign + std::to_string(shown) + " m";
    vsDistance1->setCaption(text);
    vsDistance2->setCaption(text);
    if (race.riderFinished[1] || race.riderFinished[2]) return;

    const bool watched = race.enemyNo == 21;
    // The crowd cheers a comeback from far behind, once a race.
    if (!race.comebackDone) {
        if (!race.behindAlert && m <= -(race.raceDistance / 200)) {
            openSoundEffect(*this, 21);
            playSoundEffect(*this, 14);
            race.behindAlert = 1;
            audience->setPicture(stock.get("audience1"));
            audience->visible = true;
        } else if (race.behindAlert && m > 0) {
            playSoundEffect(*this, 21);
            race.behindAlert = 0;
            race.comebackDone = 1;
            audience->setPicture(stock.get("audience2"));
            if (!watched) {
                const int bonus = getExcitePtsDistance();
                extraPts1->setCaption(std::to_string(bonus) + " pts");
                extraPts2->setCaption(extraPts1->caption());
                extraPts1->visible = extraPts2->visible = true;
                addPoints(bonus);
            }
        }
    }
    // ... and pays for every 30 steps neck and neck at speed.
    if (m >= -1 && m < 3 && race.riderSpeed[1] >= 120) {
        if (race.deadHeatTick == 0) {
            openSoundEffect(*this, 21);
            race.deadHeatOn = 1;
        } else if (race.deadHeatTick >= 30) {
            race.deadHeatTick = 0;
            loopSoundEffect(*this, 21);
            audience->setPicture(stock.get("audience2"));
            audience->visible = true;
            if (!watched) {
                const int bonus = getExcitePtsDeadHeat();
                race.deadHeatTotal += bonus;
                extraPts1->setCaption(std::to_string(race.deadHeatTotal) + " pts");
                extraPts2->setCaption(extraPts1->caption());
                extraPts1->visible = extraPts2->visible = true;
                addPoints(bonus);
            }
        }
        ++race.deadHeatTick;
    } else if (race.deadHeatOn) {
        race.deadHeatOn = 0;
        race.deadHeatTick = 0;
        if (!race.behindAlert && !race.comebackDone)
            audience->visible = extraPts1->visible = extraPts2->visible = false;
    }
}

bool TForm1::isLastSpurt() const {
    return race.riderDistance[1] >= race.raceDistance - static_cast<int>(mainPanel->width / 2.5);
}

void TForm1::setCharaPosition() {
    Picture& rival = *riders[2];
    if (race.enemyNo == 17 && !rival.visible && rival.left >= 520) rival.visible = true;
    if (isLastSpurt()) {
        const int s = static_cast<int>(race.raceDistance - mainPanel->width / 2.5);
        for (int lane = 1; lane <= 2; ++lane) {
            Picture& p = *riders[static_cast<std::size_t>(lane)];
            p.left =
                static_cast<int>((race.riderDistance[static_cast<std::size_t>(lane)] - s) * 2.5) -
                p.width + kFrontX;
        }
    } else {
        rival.left = static_cast<int>((race.riderDistance[2] - race.riderDistance[1]) * 2.5) -
                     rival.width + kFrontX;
    }
}

void TForm1::createRaceScreen() {
    rain();
    MoveMotorCycle();
    MoveBack();
}

void TForm1::MoveMotorCycle() {
    const bool train = isEnnoEX(race.enemyNo, race.watchNo2);
    const int count = train ? 1 : scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= count; ++i) {
        const auto s = static_cast<std::size_t>(i);
        race.riderFrame[s] = static_cast<std::uint8_t>(race.riderFrame[s] % 3 + 1);
        riders[s]->setPicture(riderFrames[s][race.riderFrame[s]]);
    }
}

void TForm1::MoveBack() {
    if (scene.backScrollStop) return;
    int mainStep = 0;
    int subStep = 3;
    if (isLastSpurt()) {
        mainStep = 8;
    } else if (scene.sceneScrollOn) {
        mainStep = scene.sceneScrollMain;
        subStep = scene.sceneScrollSub;
    } else {
        const auto fast =
            static_cast<std::uint8_t>(race.riderSpeed[1] * race.riderSpeed[1] / 5000 + 8);
        mainStep = std::min<int>(fast, 35);
    }
    auto scroll = [](std::int16_t& pos, int span, int step, bool wrapAgain) {
        if (-span < pos)
            pos = static_cast<std::int16_t>(pos - step);
        else
            pos = static_cast<std::int16_t>(pos + span - step);
        if (wrapAgain && pos <= -span) pos = static_cast<std::int16_t>(pos + span);
    };
    const int mw = bgImgMain->width;
    scroll(race.backScrollMain, mw, mainStep, true);
    bgImgMain->left = race.backScrollMain;
    bgImgMain2->left = race.backScrollMain + mw;
    const int sw = bgImgSub->width;
    scroll(race.backScrollSub, sw, subStep, false);
    bgImgSub->left = race.backScrollSub;
    bgImgSub2->left = race.backScrollSub + sw;
}

std::string TForm1::getTimeString(int n) {
    const std::string s =
        getSpeedString(n / 100).substr(1) + "." + getSpeedString(n % 100).substr(1);
    return s;
}

void TForm1::CalcTime() {
    for (int lane = 1; lane <= 2; ++lane) {
        const auto l = static_cast<std::size_t>(lane);
        timeLabels[l]->setCaption(getTimeString(race.riderTime[l]));
        (lane == 1 ? recrd12 : recrd22)->setCaption(timeLabels[l]->caption());
    }
}

} // namespace zb
