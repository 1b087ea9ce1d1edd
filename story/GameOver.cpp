// Game over: a lost race that ends the story, or the second answer on the
// night at the port. "再挑戦" tries again, "タイトル画面へ" starts afresh.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {
constexpr int kGameOverMenuLeft = 358;
constexpr int kGameOverMenuTop = 308;
// eventPort2 ends the game at its step 18, so the step waiting next is 19.
constexpr int kPortGameOverStep = 19;
} // namespace

void TForm1::eventToGameOver() {
    scene.backScrollStop = 0;
    scene.sceneScrollOn = 0;
    for (Control* c :
         std::initializer_list<Control*>{rainPict, bgImgMain, bgImgMain2, bgImgRoad, bgImgSub,
                                         bgImgSub2, chara1, chara2, chara3, charaEx, objectImg})
        c->visible = false;
    sceneWindowAt(271);
    closeSceneSoundEffects(*this);
    StopBGM();
    LoadImg(*backImg, "img\\gameover.bmp");
    backImg->visible = true;
    waku1->visible = false;
    MesBox->visible = false;
    cursor->visible = false;
    facePanel->visible = false;
    clearLine();
    screenMode = 1;
    showChoiceBox("再挑戦        ", "タイトル画面へ", kGameOverMenuLeft, kGameOverMenuTop);
}

void TForm1::selectRetry(int choice) {
    hideChoiceBox();
    placeChoiceBox(kChoiceLeft, kChoiceTop);
    screenMode = 13;
    playSoundEffect(*this, 9);
    if (choice != 1) {
        gameOverToTitle();
        return;
    }
    waku1->visible = true;
    MesBox->visible = true;
    if (flag(doneRenraku) == 1 && flag(donePort4) == 0 && scene.eventStep == kPortGameOverStep) {
        // The port scene ended the game itself: it is played again from its start.
        waku1->setPicture(stock.get("wakuImg1"));
        eventSceneLayout();
        scene.eventStep = 0;
        installIdle("AppEvent", kStepPeriod, &TForm1::AppEvent);
        event();
        return;
    }
    battleEventToRace(); // the same race at once, without its scene
}

} // namespace zb
