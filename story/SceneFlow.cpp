// Into and out of scenes: from the map and from the race screen, into a race,
// back to the map, and from one screen's scene into the other's.

#include "app/UnitMain.h"

namespace zb {

namespace {
// Where the ferry from the island brings the hero back: the city map scrolled to
// the port, the eye on it.
constexpr int kPortPlace = 11;
constexpr int kPortMapLeft = -540;
constexpr int kPortMapTop = -300;
constexpr int kPortEyeLeft = 268;
constexpr int kPortEyeTop = 109;
} // namespace

// The message window of a scene with its frame at `frameTop`: the name just
// under the frame's edge, the black box and three lines below it; the race
// screen's upper frame is parked out of sight.
void TForm1::sceneWindowAt(int frameTop) {
    waku1->top = frameTop;
    name1->top = frameTop + 6;
    MesBox->top = frameTop + 19;
    waku2->top = -25;
    for (int i = 1; i <= 3; ++i)
        lines[static_cast<std::size_t>(i)]->setPos(12, frameTop + 31 + 21 * (i - 1));
}

// The message window as an event scene shows it over a still background.
void TForm1::eventSceneLayout() {
    sceneWindowAt(271);
    facePanel->top = 175 + (fullScreenActive ? kFullScreenDY : 0);
}

// The message window at rest under the map.
void TForm1::mapMessageWindow() {
    waku1->setPicture(stock.get("wakuImg2"));
    waku1->top = 271;
    MesBox->top = 290;
    name1->top = 277;
    facePanel->top = 175 + (fullScreenActive ? kFullScreenDY : 0);
}

// What every way out of a scene clears: the shake, the portrait, the lines and
// the waiting marker.
void TForm1::closeSceneWindow() {
    scene.mesShaking = 0;
    face->setPicture(nullptr);
    facePanel->visible = false;
    clearLine();
    cursor->visible = false;
}

// A scene on the race screen, before or after a race. A race with nothing left
// to tell goes on as if its scene had played.
void TForm1::battleEventStart() {
    if (dueBattleScene() == nullptr) {
        if (screenMode == 7) {
            backToMap();
        } else {
            scene.preRaceSceneDone = 1;
            getReadyToStart();
        }
        return;
    }
    screenMode = 4;
    sceneWindowAt(289);
    scene.eventStep = 0;
    // Installed before the first step, so a scene that leaves at once keeps the
    // handler its way out installs.
    installIdle("AppMoveOnly", kStepPeriod, &TForm1::AppMoveOnly);
    battleEvent();
}

// The scene before the race is over: the race itself, without the scene again.
void TForm1::battleEventToRace() {
    closeSceneWindow();
    scene.preRaceSceneDone = 1;
    mapToBattle();
}

void TForm1::battleEventTo() {
    closeSceneWindow();
    rainPict->visible = false;
    scene.preRaceSceneDone = 1;
    installIdle("AppWakuMove", kStepPeriod, &TForm1::AppWakuMove);
}

void TForm1::battleEventToMap() {
    screenMode = 7;
    battleEventTo();
}

void TForm1::battleEventToEvent() {
    screenMode = 8;
    battleEventTo();
}

// After the frame has slid back: the scene due at this place, over a still
// background.
void TForm1::transferToEvent() {
    scene.sceneScrollOn = 0;
    for (Control* c : std::initializer_list<Control*>{chara1, chara2, chara3, rainPict, bgImgMain,
                                                      bgImgMain2, bgImgRoad, bgImgSub, bgImgSub2})
        c->visible = false;
    clearLine();
    eventSceneLayout();
    screenMode = 13;
    scene.eventStep = 0;
    installIdle("AppEvent", kStepPeriod, &TForm1::AppEvent);
    event();
}

// Back to the map after a scene.
void TForm1::eventToMap() {
    closeSceneWindow();
    objectImg->visible = false;
    mapMessageWindow();
    loadMap();
    // Placed on the map the story now shows (the island is smaller than the city).
    if (scene.markerPlace != 0) putMarkerOn(scene.markerPlace);
    scene.markerPlace = 0;
    LoadBackImg();
    showMapComponents(true);
    screenMode = 2;
    playFieldBGM();
    platform.sleep(1);
    installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
    showPlaceInfo();
}

void TForm1::eventToBattle() {
    objectImg->visible = false;
    cursor->visible = false; // nothing waits for a click in the race
    mapToBattle();
    LoadBackImg();
}

// Into a race whose own scene plays once the frame has slid in.
void TForm1::eventToBattleEvent() {
    objectImg->visible = false;
    scene.preRaceSceneDone = 0;
    cursor->visible = false;
    mapToBattle();
}

// Straight to the bike setting screen; "戻る" then finds the map the story now
// shows, already loaded, at the port.
void TForm1::eventToSetting() {
    closeSceneWindow();
    objectImg->visible = false;
    mapMessageWindow();
    loadMap();
    LoadBackImg();
    map->setPos(kPortMapLeft, kPortMapTop);
    eye->setPos(kPortEyeLeft, kPortEyeTop);
    currentPlace = kPortPlace;
    screenMode = 10;
    mapToItem();
}

} // namespace zb
