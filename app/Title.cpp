// The title screen: the title picture, "ニューゲーム", "コンティニュー" and the
// full-screen hint. Silent and static: no idle handler, no music.

#include "app/UnitMain.h"

#include "sound/UnitSound.h"

namespace zb {

void TForm1::placeTitle() {
    clearLine();
    waku1->setPos(-1, 271);
    MesBox->top = 290;
    newGameButton->setPos(401, 304);
    continueButton->setPos(401, 335);
    newGameButton->visible = true;
    continueButton->visible = true;
    fsinfo->setPos(303, 270);
    fsinfo->visible = true;
}

void TForm1::newGameButtonClick() {
    newGameButton->visible = false;
    continueButton->visible = false;
    fsinfo->visible = false;
    MesBox->visible = true;
    waku1->visible = true;
    if (rec.settingViewMode == 0) rec.settingViewMode = 2;
    setOpt(0);
    setWater(0);
    mapToEvent(1);
}

void TForm1::continueButtonClick() {
    playSoundEffect(*this, 9);
    newGameButton->visible = false;
    continueButton->visible = false;
    fsinfo->visible = false;
    LoadBackImg();
    MesBox->visible = true;
    waku1->visible = true;
    screenMode = 12;
    startDataMenu();
}

} // namespace zb
