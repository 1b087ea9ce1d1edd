// Scenes and story progression. The scene engine arrives with the story; these
// are the entry points the routing and the race call.

#include "app/UnitMain.h"
#include "data/UnitConst.h"

namespace zb {

void TForm1::AppEvent() {}
void TForm1::event() {}
void TForm1::battleEvent() {}
void TForm1::battleEventStart() {}
bool TForm1::isBeforeBattleEvent() {
    return false;
}
bool TForm1::isAfterBattleEvent() {
    return false;
}
void TForm1::eventToGameOver() {}
void TForm1::transferToEvent() {}
void TForm1::changeFace(int, int) {}

void TForm1::clearLine() {
    for (int i = 1; i <= 3; ++i)
        lines[static_cast<std::size_t>(i)]->setCaption("");
    name1->setCaption("");
}

// Back to the map after a scene.
void TForm1::eventToMap() {
    scene.mesShaking = 0;
    face->setPicture(nullptr);
    facePanel->visible = false;
    clearLine();
    cursor->visible = false;
    waku1->setPicture(stock.get("wakuImg2"));
    waku1->top = 271;
    MesBox->top = 290;
    name1->top = 277;
    facePanel->top = 175 + (fullScreenActive ? kFullScreenDY : 0);
    loadMap();
    LoadBackImg();
    showMapComponents(true);
    screenMode = 2;
    playFieldBGM();
    platform.sleep(1);
    installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
    showPlaceInfo();
}

// Name labels: numbers below 100 are machines and show the machine's name.
void TForm1::showName(int label, int speaker) {
    Label& l = *names[static_cast<std::size_t>(label)];
    if (const Machine* m = findMachine(speaker)) {
        l.setCaption(std::string(m->displayName));
        l.fontColour = rgb(255, 255, 255);
    }
}

// A rider is still moving while either of its move flags is set.
bool TForm1::isEventMoveDone() const {
    const int slots = scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= slots; ++i) {
        const RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        if (m.moveRight || m.moveLeft) return false;
    }
    return true;
}

// Enter or Space while riders move: every move ends at its target at once.
void TForm1::finishEventMoves() {
    const int slots = scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= slots; ++i) {
        RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        if (!m.moveRight && !m.moveLeft) continue;
        riders[static_cast<std::size_t>(i)]->left = m.moveTarget;
        m = RiderMove{};
    }
}

} // namespace zb
