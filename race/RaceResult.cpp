// The goal and what follows it: judging each rider at the line, records, the
// result pictures, the prize and the win and loss counts.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

#include <algorithm>

namespace zb {

namespace {
// The winner's result picture glows through these, one every fifth step.
const char* const kWinCycle[6] = {"win2", "win3", "win4", "win5", "win6", "win"};
} // namespace

void TForm1::judgeGoal() {
    const bool watched = race.enemyNo == 21;
    for (int me = 1; me <= 2; ++me) {
        const int other = 3 - me;
        const auto m = static_cast<std::size_t>(me);
        const auto o = static_cast<std::size_t>(other);
        // The rival of one story race pulls away and the race ends unjudged.
        if (race.enemyNo == 12 && race.riderDistance[m] >= 4000 &&
            riders[2]->left <= 520 - riders[2]->width) {
            const int v = race.riderSpeed[1];
            scene.sceneScrollMain = static_cast<std::uint8_t>(v * v / 5000 + 3);
            scene.sceneScrollSub = 1;
            race.loseMeansGameOver = 0;
            setVisibleWinLose();
            screenMode = 6;
            battleTo();
            return;
        }
        if (race.riderDistance[m] >= race.raceDistance && !race.riderFinished[m]) {
            // Overshooting the line by a hundredth of a second's travel or more
            // gives that hundredth back.
            const auto over = static_cast<std::int16_t>(race.riderDistance[m] - race.raceDistance);
            const int step = race.riderSpeed[m] / 36;
            if (over >= step && race.riderTime[m] != 9999) --race.riderTime[m];
            CalcTime();
            bool meWins = true;
            if (race.riderFinished[o]) {
                if (race.riderTime[m] != race.riderTime[o])
                    meWins = race.riderTime[m] < race.riderTime[o];
                else
                    meWins = race.riderDistance[m] > race.riderDistance[o];
            }
            race.riderWon[m] = meWins ? 1 : 0;
            if (meWins)
                race.riderWon[o] = 0;
            else
                race.riderWon[o] = 1;
            race.riderFinished[m] = 1;
            if (me == 1) race.clutchHeld = race.throttleHeld = race.brakeHeld = 0;
        }
    }
    if (!watched && race.riderFinished[1] && race.riderWon[1] && !balanceBreaker()) {
        checkNewRecord();
        endTutorButton->visible = false;
    }
    if (race.riderWon[1] || race.riderWon[2])
        vsDistance1->visible = vsDistance2->visible = audience->visible = extraPts1->visible =
            extraPts2->visible = false;

    if (!(race.riderFinished[1] && race.riderFinished[2])) return;
    if (race.resultTick < 10) {
        ++race.resultTick; // the bikes coast on a little
        return;
    }
    race.resultTick = 0;
    setVisibleWinLose();
    riders[1]->visible = false;
    riders[2]->visible = false;
    const bool heroWon = race.riderWon[1] != 0;
    resu1->setPicture(stock.get(heroWon ? "win" : "lose"));
    resu2->setPicture(stock.get(heroWon ? "lose" : "win"));
    if (!watched && race.riderFinished[1]) {
        std::int16_t& count = heroWon ? rec.winCount : rec.loseCount;
        count = static_cast<std::int16_t>(std::min(count + 1, 9999));
    }
    installIdle("AppWinLose", kStepPeriod, &TForm1::AppWinLose);
}

void TForm1::checkNewRecord() {
    const int w = race.raceWeather == 1 ? 1 : race.raceWeather == 2 ? 2 : 0;
    const int d = race.raceDistance == 4000 ? 0 : 1;
    if (race.riderTime[1] < rec.bestTime[d][w]) {
        rec.bestTime[d][w] = race.riderTime[1];
        newRecord->visible = true;
        newRecord2->visible = true;
    }
    if (rec.bestSpeed[d][w] < race.riderSpeed[1])
        rec.bestSpeed[d][w] = static_cast<std::int16_t>(race.riderSpeed[1]);
}

void TForm1::AppWinLose() {
    rain();
    MoveBack();
    ++race.resultTick;
    moveWinLosePic();
    if (race.enemyNo != 21 && race.riderWon[1]) showEarnedPts();
    if (race.resultTick > 8) {
        race.resultTick = 9;
        screenMode = 6;
    }
}

void TForm1::moveWinLosePic() {
    const int t = race.resultTick;
    if (t == 1) {
        resu1->visible = true;
        resu2->visible = true;
    } else if (t == 2) {
        playSoundEffect(*this, 7);
    } else if (t >= 3 && t <= 8) {
        resu1->left += 3;
        resu2->left -= 3;
        if (t <= 4) {
            resu1->top += 2;
            resu2->top -= 2;
        }
    }
    if (race.winPicTick < 4) {
        ++race.winPicTick;
    } else {
        race.winPicTick = 0;
        changeWinPicture();
    }
}

void TForm1::changeWinPicture() {
    Picture& winner = race.riderWon[1] ? *resu1 : *resu2;
    winner.setPicture(stock.get(kWinCycle[race.winPicPhase]));
    race.winPicPhase = static_cast<std::uint8_t>((race.winPicPhase + 1) % 6);
}

void TForm1::showEarnedPts() {
    if (race.resultTick == 1) {
        earnedPts->setCaption(std::to_string(race.rivalPrize) + " pts");
        earnedPts->top = 316;
        earnedPts->visible = true;
        race.fadeLevel = 250;
        addPoints(race.rivalPrize);
        earnedPts->fontColour = rgb(250, 250, 250);
        return;
    }
    if (race.fadeLevel > 70) {
        race.fadeLevel = static_cast<std::uint8_t>(race.fadeLevel - 2);
        earnedPts->fontColour = rgb(race.fadeLevel, race.fadeLevel, race.fadeLevel);
        if (earnedPts->top > 272) --earnedPts->top;
    } else {
        earnedPts->visible = false;
    }
}

} // namespace zb
