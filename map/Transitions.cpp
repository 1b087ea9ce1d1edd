// Entering places from the map, and every way back to it: after a race, and
// through "戻る" from the shop, the setting screen, the data menu and the school.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {

enum class Enter : std::uint8_t { Nothing, Scene, FullScene, Race, School, Shop };

using Cond = bool (*)(const TForm1&);

struct EnterRow {
    int place;
    Cond when;
    Enter action;
};

bool always(const TForm1&) {
    return true;
}

bool lcFittedAndOwned(const TForm1& f) {
    return f.rec.ownedItems[0] == 1 && f.rec.equippedItems[0] == 1;
}

// What "入る" does at each place; the first row whose condition holds.
// clang-format off
const EnterRow kEnter[] = {
    {1,  [](const TForm1& f) { return f.flag(visitedSchool) == 0; }, Enter::Scene},
    {1,  [](const TForm1& f) { return f.flag(doneBayStreet2) == 1 && f.flag(doneTV1) == 0; }, Enter::Scene},
    {1,  [](const TForm1& f) { return f.flag(doneTV1) == 1 && f.flag(doneDemoEx2) == 0; }, Enter::Scene},
    {1,  [](const TForm1& f) { return f.flag(doneDemoEx2) == 1 && f.flag(doneNoCustomers) == 0; }, Enter::FullScene},
    {1,  [](const TForm1& f) { return f.flag(doneRHouse6) == 1 && f.flag(doneStreet4) == 1 && f.flag(doneLastNight1) == 0; }, Enter::FullScene},
    {1,  [](const TForm1& f) { return f.flag(doneChallenge6) == 1 && f.flag(donePort1) == 0; }, Enter::Scene},
    {1,  [](const TForm1& f) { return f.flag(donePort4) == 1 && f.flag(doneHome1) == 0; }, Enter::Scene},
    {1,  [](const TForm1& f) { return f.flag(doneChallenge21) == 1; }, Enter::Scene},
    {1,  always, Enter::FullScene},
    {2,  always, Enter::School},
    {3,  always, Enter::Race}, {4,  always, Enter::Race}, {9,  always, Enter::Race},
    {10, always, Enter::Race}, {13, always, Enter::Race}, {17, always, Enter::Race},
    {18, always, Enter::Race}, {19, always, Enter::Race}, {20, always, Enter::Race},
    {5,  always, Enter::Shop}, {14, always, Enter::Shop},
    {6,  always, Enter::Scene},
    {7,  [](const TForm1& f) { return f.flag(doneChallenge6) == 1 && f.flag(donePort1) == 0; }, Enter::Scene},
    {7,  always, Enter::FullScene},
    {8,  [](const TForm1& f) { return f.flag(doneRHouse1) == 0; }, Enter::FullScene},
    {8,  [](const TForm1& f) { return f.flag(doneRHouse2) == 0 && !lcFittedAndOwned(f); }, Enter::Scene},
    {8,  [](const TForm1& f) { return f.flag(doneRHouse2) == 0; }, Enter::FullScene},
    {8,  [](const TForm1& f) { return f.flag(doneRHouse5) == 0; }, Enter::FullScene},
    {8,  [](const TForm1& f) { return f.flag(doneRHouse6) == 0; }, Enter::Race},
    {8,  always, Enter::Nothing},
    {11, always, Enter::FullScene}, {12, always, Enter::FullScene}, {15, always, Enter::FullScene},
    {16, [](const TForm1& f) { return f.flag(doneLast1) == 0; }, Enter::Race},
    {16, [](const TForm1& f) { return f.flag(doneLast2) == 0; }, Enter::Scene},
    {16, always, Enter::Nothing},
};
// clang-format on

} // namespace

void TForm1::goButtonClick() {
    playSoundEffect(*this, 8);
    mapTo();
}

void TForm1::mapTo() {
    scene.preRaceSceneDone = 0;
    Enter action = Enter::Nothing;
    for (const EnterRow& row : kEnter) {
        if (row.place == currentPlace && row.when(*this)) {
            action = row.action;
            break;
        }
    }
    switch (action) {
    case Enter::Scene:
        mapToEvent(0);
        break;
    case Enter::FullScene:
        mapToEvent(1);
        break;
    case Enter::Race:
        mapToBattle();
        break;
    case Enter::School:
        screenMode = 14;
        mapToTutor();
        break;
    case Enter::Shop:
        screenMode = 9;
        mapToItem();
        break;
    case Enter::Nothing:
        break;
    }
}

void TForm1::mapToEvent(std::uint8_t clearMap) {
    showMapComponents(false);
    backImg->visible = true;
    if (clearMap)
        map->setPicture(nullptr); // loaded again on the way back
    else
        mapPanel->visible = true; // the scene plays over the map
    goButton->visible = false;
    clearLine();
    eventSceneLayout();
    waku1->setPicture(stock.get("wakuImg1"));
    screenMode = 13;
    scene.eventStep = 0;
    installIdle("AppEvent", kStepPeriod, &TForm1::AppEvent);
    event();
}

void TForm1::mapToBattle() {
    setEnnoFromPlace();
    race.raceWeather = static_cast<std::uint8_t>(getWeatherNo());
    setWaterPoints();
    changeBgImg();
    face->setPicture(nullptr);
    facePanel->visible = false;
    map->setPicture(nullptr);
    showMapComponents(false);
    goButton->visible = false;
    clearLine();
    screenMode = 3;
    installIdle("AppWakuMove", kStepPeriod, &TForm1::AppWakuMove);
}

void TForm1::commonBackButtonClick() {
    playSoundEffect(*this, 8);
    switch (screenMode) {
    case 9:
    case 10:
        itemPanel->visible = numTextPanel1->visible = numTextPanel2->visible = false;
        setPoints(rec.points);
        showMapComponents(true);
        commonBackButton->visible = buyButton->visible = equipButton->visible = false;
        break;
    case 11:
        infoPanel->visible = savePanel->visible = false;
        numTextPanel1->visible = numTextPanel2->visible = false;
        clearLine();
        showMapComponents(true);
        commonBackButton->visible = false;
        break;
    case 12:
        // Back to the title; the mode and the cursor handler stay as they are.
        infoPanel->visible = savePanel->visible = false;
        numTextPanel1->visible = numTextPanel2->visible = false;
        clearLine();
        LoadImg(*backImg, "img\\title.bmp");
        MesBox->visible = waku1->visible = false;
        commonBackButton->visible = false;
        newGameButton->visible = continueButton->visible = fsinfo->visible = true;
        return;
    case 14:
        infoPanel->visible = selectPanel->visible = false;
        clearLine();
        loadMap();
        showMapComponents(true);
        commonBackButton->visible = false;
        break;
    default:
        break;
    }
    screenMode = 2;
    playFieldBGM();
    platform.sleep(1);
    installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
    showPlaceInfo();
}

// A left click on the race result.
void TForm1::battleTo() {
    scene.preRaceSceneDone = 0;
    battleToMap();
}

// Clear the result and slide the message frame back.
void TForm1::battleToMap() {
    for (int lane = 1; lane <= 2; ++lane) {
        Picture& r = *resultPics[static_cast<std::size_t>(lane)];
        r.setPicture(nullptr);
        r.visible = false;
        names[static_cast<std::size_t>(lane)]->setCaption("");
    }
    for (Control* c :
         std::initializer_list<Control*>{recrd1, recrd12, recrd2, recrd22, sec1, sec12, sec2, sec22,
                                         rainPict, newRecord, newRecord2, earnedPts})
        c->visible = false;
    screenMode = 7;
    installIdle("AppWakuMove", kStepPeriod, &TForm1::AppWakuMove);
}

void TForm1::backToMap() {
    scene.sceneScrollOn = 0;
    scene.backScrollStop = 0;
    setEnWeatherNo();
    for (Control* c : std::initializer_list<Control*>{chara1, chara2, chara3, rainPict, bgImgMain,
                                                      bgImgMain2, bgImgRoad})
        c->visible = false;
    if (race.subBgUsed) bgImgSub->visible = bgImgSub2->visible = false;
    if (currentPlace == 3) {
        currentPlace = 0; // the train has left: nothing to enter at the station
        iconMap->setPicture(nullptr);
    }
    loadMap();
    LoadBackImg();
    showMapComponents(true);
    mapMessageWindow();
    waku2->top = -25;
    for (int i = 1; i <= 3; ++i)
        lines[static_cast<std::size_t>(i)]->left = 112;
    line1->top = 288;
    line2->top = 315;
    line3->top = 338;
    setPoints(rec.points);
    screenMode = 2;
    playFieldBGM();
    platform.sleep(1);
    installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
    showPlaceInfo();
}

} // namespace zb
