// The driving school: its menu, the way into the lesson and the lesson's
// buttons. The lesson itself, page by page, is in LessonPages.cpp; the race
// against the instructor is an ordinary race.

#include "app/UnitMain.h"
#include "data/LessonText.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {
constexpr std::uint8_t kSchoolMusic = 7;
constexpr std::uint8_t kSeButton = 8;
constexpr std::uint8_t kSePage = 9;
constexpr int kMenuLineLeft = 12;
constexpr int kMenuLineTop = 292; // then every 21 px
constexpr int kGearDrillPage = 13;
constexpr int kStartDrillPage = 30;
constexpr int kLastDrillPage = 27; // pages after it belong to the start drill
} // namespace

// "入る" at the school (the mode is already 14): the instructor waits with the
// weather and the road of the school, and the menu asks what to do.
void TForm1::mapToTutor() {
    if (flag(visitedSchool) == 0) flag(visitedSchool) = 1;
    changeBGM(kSchoolMusic);

    setEnnoFromPlace();
    race.raceWeather = static_cast<std::uint8_t>(getWeatherNo());
    setWaterPoints();
    changeBgImg();

    map->setPicture(nullptr); // loaded again on the way back
    showMapComponents(false);
    backImg->visible = true;
    goButton->visible = false;
    commonBackButton->visible = true;

    infoLabel->setCaption("   教習所  ");
    infoPanel->visible = true;
    clearLine(); // the place's description goes with the map
    for (int i = 1; i <= 3; ++i)
        lines[static_cast<std::size_t>(i)]->setPos(kMenuLineLeft, kMenuLineTop + 21 * (i - 1));
    line1->setCaption("モードを選択してください");
    showChoiceBox("操作方法      ", "教官と勝負    ", kChoiceLeft, kChoiceTop);
}

// The menu's answer: the lesson (mode 15) or the instructor's race (mode 3);
// the frame slides into race position either way. A press that names neither
// leaves the menu as it is.
void TForm1::selectSchool(int choice) {
    if (choice != 1 && choice != 2) return;
    playSoundEffect(*this, kSeButton);
    screenMode = choice == 1 ? 15 : 3;
    infoPanel->visible = false;
    hideChoiceBox();
    backImg->visible = false;
    commonBackButton->visible = false;
    clearLine();
    installIdle("AppWakuMove", kStepPeriod, &TForm1::AppWakuMove);
}

// The frame has arrived (or a click skipped the slide): the race screen with
// the hero alone on it, and the lesson's first page.
void TForm1::getReadyToTutor() {
    race.raceInputOn = 1;
    screenMode = 16;
    clearIdle(); // the first page stands still until "次へ >"
    waku1->setPicture(stock.get("wakuImg1"));

    setPositionBeforeBattle();
    setMainChara();
    setEnemyData(2, race.enemyNo, race.enemyVer);
    setCharaImg();
    Reset();
    reflectEquipment();
    riders[1]->visible = true;
    riders[2]->visible = false;

    bgImgMain->visible = true;
    bgImgMain2->visible = true;
    LoadImg(*bgImgRoad, "img\\road.bmp");
    bgImgRoad->visible = true;
    if (race.subBgUsed) bgImgSub->visible = bgImgSub2->visible = true;

    tutorStep = 0;
    showTutorMessage();
}

void TForm1::nextButtonClick() {
    if (tutorStep >= kLessonPageCount - 1) return; // the free run is the last page
    playSoundEffect(*this, kSePage);
    ++tutorStep;
    showTutorMessage();
}

void TForm1::prevButtonClick() {
    if (tutorStep <= 0) return;
    playSoundEffect(*this, kSePage);
    --tutorStep;
    showTutorMessage();
}

// Start the drill again: the gear drill from its first page, the start drill
// (the signal and the free run) from the page before the count.
void TForm1::resetButtonClick() {
    playSoundEffect(*this, kSeButton);
    if (tutorStep > kLastDrillPage) {
        tutorStep = kStartDrillPage;
        for (Control* c :
             std::initializer_list<Control*>{SignalBar, SigBoxLeft, SigBoxRight, pi, sigcnt,
                                             sigcnt2, sigback, rainPict, flying})
            c->visible = false;
        riders[1]->visible = true;
        tutorBack->visible = true;
        for (int i = 1; i <= 4; ++i)
            tutorLabels[static_cast<std::size_t>(i)]->visible = true;
    } else {
        tutorStep = kGearDrillPage;
    }
    showTutorMessage();
}

// "教習終了", in the lesson and in the instructor's race: the race screen
// clears and the frame slides back to the map as after a race.
void TForm1::endTutorButtonClick() {
    playSoundEffect(*this, kSeButton);
    for (Control* c : std::initializer_list<Control*>{
             bgImgMain,  bgImgMain2,   bgImgSub,    bgImgSub2,   bgImgRoad, wmeter,
             meterImg,   meterBackImg, wgear,       tama,        wgr,       ngear,
             hintLeft,   grup,         grdown,      hintRight,   brake,     guidebar,
             guide,      vsDistance1,  vsDistance2, audience,    extraPts1, extraPts2,
             chara1,     chara2,       riders[2],   n100,        n10,       n1,
             n200,       n20,          n2,          km1,         km12,      km2,
             km22,       SignalBar,    SigBoxLeft,  SigBoxRight, pi,        sigcnt,
             sigcnt2,    sigback,      rainPict,    flying,      wind,      tutorBack,
             tutorCircle})
        c->visible = false;
    for (int i = 1; i <= 4; ++i)
        tutorLabels[static_cast<std::size_t>(i)]->visible = false;
    race.clutchHeld = 0;
    race.throttleHeld = 0;
    race.brakeHeld = 0;
    for (Button* b : {prevButton, nextButton, resetButton, endTutorButton})
        b->visible = false;
    battleToMap();
}

} // namespace zb
