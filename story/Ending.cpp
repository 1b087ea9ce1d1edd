// The ending: the cast rolls across the message window, two names a card, while
// the riders they belong to drive over the race background; then thanks, the
// player's record, and a still screen with the jacket picture and the records.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {

constexpr int kOffRight = 520; // just past the right edge of the screen
constexpr int kCentre = 260;
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
const std::string kBlank26(26, ' ');

} // namespace

void TForm1::toEnding() {
    scene.backScrollStop = 0;
    scene.sceneScrollOn = 0;
    closeSceneWindow();
    mapMessageWindow();
    static const int kTops[4] = {0, 288, 315, 338};
    for (int i = 1; i <= 3; ++i)
        lines[static_cast<std::size_t>(i)]->setPos(kOffRight, kTops[i]);
    screenMode = 21;
    scene.eventStep = -1; // the scene's dispatcher counts it to 0
    installIdle("AppEnding", kStepPeriod, &TForm1::AppEnding);
}

void TForm1::AppEnding() {
    createRaceScreen();
    eventMove();
    captionMove();
    ending();
}

// The credits scroll left 3 px a tick; a card ends when its names have crossed.
void TForm1::captionMove() {
    if (scene.creditsRolling) {
        if (scene.eventStep == 2) line1->left = std::max(-line1->width, line1->left - 3);
        bool wrapped = false;
        for (Label* l : {line2, line3}) {
            l->left -= 3;
            if (l->left < -l->width) {
                l->left = kOffRight;
                wrapped = true;
            }
        }
        if (wrapped) ++scene.eventStep;
    }
    if (scene.eventStep == 17) {
        const int t = scene.endingTick;
        int level = scene.fadeLevel;
        if (t >= 228 && t <= 359) level = std::max(0, level - 2);
        if (t >= 360 && t <= 481) level = std::min(255, level + 2);
        scene.fadeLevel = static_cast<std::uint8_t>(level);
        line2->fontColour = rgb(scene.fadeLevel, scene.fadeLevel, scene.fadeLevel);
    }
}

// A rider of the cast: machine `machine` in slot `slot`, starting just off the
// left edge.
void TForm1::castRider(int slot, int machine) {
    const auto s = static_cast<std::size_t>(slot);
    loadEnemyImg(slot, machine);
    race.riderFrame[s] = 1;
    riders[s]->setPicture(riderFrames[s][1]);
    riders[s]->left = -riders[s]->width;
    riders[s]->visible = true;
}

void TForm1::moveRider(int slot, int target, int speed, bool right) {
    RiderMove& m = scene.moves[static_cast<std::size_t>(slot)];
    m.moveTarget = target;
    m.moveSpeed = speed;
    m.moveRight = right ? 1 : 0;
    m.moveLeft = right ? 0 : 1;
}

void TForm1::castCard(const std::string& upper, const std::string& lower, int lineWidth) {
    line2->setCaption(upper);
    line3->setCaption(lower.empty() ? kBlank26 : lower);
    line2->width = line3->width = lineWidth;
}

// One tick of the ending; eventStep is the card, endingTick the tick within it.
void TForm1::ending() {
    const int t = scene.endingTick;
    switch (scene.eventStep) {
    case 0:
        bgmNo = kEndingMusic;
        PlayBGM();
        race.enemyNo = 21;
        setMainChara();
        riders[1]->setPicture(riderFrames[1][1]);
        castRider(2, 3);
        riders[1]->left = -riders[1]->width;
        riders[1]->visible = true;
        for (Label* l : {line1, line2, line3}) {
            l->autoSize = false;
            l->fontColour = kWhite;
        }
        line1->setCaption(kBlank26);
        line2->setCaption("ズィルボ");
        line3->setCaption(kBlank26);
        for (Label* l : {line1, line2, line3})
            l->width = 208;
        scene.creditsRolling = 1;
        LoadImg(*bgImgMain, "img\\bg04.bmp");
        LoadImg(*bgImgMain2, "img\\bg04.bmp");
        LoadImg(*bgImgSub, "img\\sub01.bmp");
        LoadImg(*bgImgSub2, "img\\sub01.bmp");
        race.subBgUsed = 1;
        for (Picture* p : {bgImgMain, bgImgMain2, bgImgSub, bgImgSub2})
            p->visible = true;
        scene.eventStep = 1;
        scene.endingTick = 0;
        return;
    case 1:
        if (t == 100) moveRider(1, kCentre - riders[1]->width / 2, 5, true);
        break;
    case 2:
        line1->setCaption("【 キャスト 】  ");
        line2->setCaption("　　乙木　コウイチロウ");
        line3->setCaption("　　乙木　ゴンゾウ    ");
        for (Label* l : {line1, line2, line3})
            l->width = 176;
        scene.endingTick = 0;
        return;
    case 3:
        if (t == 0) {
            moveRider(2, 320, 10, true);
            castCard("白州　ミキ", "", 80);
        } else if (t == 80) {
            moveRider(2, riders[1]->left, 3, false);
        } else if (t == 170) {
            moveRider(2, kOffRight, 15, true);
            scene.eventStep = 4;
        }
        break;
    case 5:
        if (t == 0) {
            scene.thirdRiderOn = 1;
            castRider(2, 2);
            castRider(3, 4);
            moveRider(2, riders[1]->left + 37, 9, true);
            moveRider(3, riders[1]->left + 74, 10, true);
            castCard("篠田　カズト  ", "高見　ヨウスケ", 112);
        } else if (t == 140) {
            moveRider(3, kOffRight, 15, true);
        } else if (t == 150) {
            moveRider(2, kOffRight, 15, true);
            scene.eventStep = 6;
        }
        break;
    case 7:
        if (t == 0) {
            castRider(2, 7);
            moveRider(2, 400, 8, true);
            castCard("借金取り・相澤  ", "借金取り・ブンジ", 128);
        } else if (t == 100) {
            moveRider(2, kOffRight, 10, true);
            scene.eventStep = 8;
        }
        break;
    case 9:
        if (t == 0) {
            chara3->visible = false;
            riders[3] = charaEx;
            castRider(2, 16);
            castRider(3, 15);
            moveRider(2, kOffRight, 7, true);
            moveRider(3, kOffRight, 20, true);
            castCard("天狗", "", 32);
        } else if (t == 150) {
            scene.eventStep = 10;
        }
        break;
    case 11:
        if (t == 0) {
            castRider(2, 17);
            moveRider(2, kOffRight, 5, true);
            castCard("広報部部長      ", "チャーリー　斉藤", 128);
        } else if (t == 100) {
            scene.eventStep = 12;
        }
        break;
    case 13:
        if (t == 0) {
            charaEx->visible = false;
            riders[3] = chara3;
            castRider(2, 11);
            castRider(3, 10);
            moveRider(2, kOffRight, 22, true);
            moveRider(3, kOffRight, 15, true);
            castCard("フィリップ　北崎", "ロブ　ハーレイ  ", 128);
        } else if (t == 100) {
            scene.eventStep = 14;
        }
        break;
    case 15:
        if (t == 0) {
            castRider(2, 13);
            moveRider(2, riders[1]->left, 8, true);
            castCard("ピザジンゴマン", "佐村　サチ      ", 128);
        } else if (t == 175) {
            moveRider(2, kOffRight, 20, true);
            moveRider(1, kOffRight, 20, true);
            scene.eventStep = 16;
        }
        break;
    case 4:
    case 6:
    case 8:
    case 10:
    case 12:
    case 14:
    case 16:
        scene.endingTick = 0; // the next card comes when these names have crossed
        return;
    case 17:
        if (t == 0) {
            scene.fadeLevel = 255;
            scene.creditsRolling = 0;
            for (Label* l : {line1, line2, line3})
                l->autoSize = true;
            line2->left = line3->left = 12;
            line1->setCaption("");
            line2->setCaption("                   THANK YOU FOR PLAYING !!");
            line3->setCaption("");
        } else if (t == 360) {
            line2->setCaption("               YOUR CHALLENGE：" + std::to_string(rec.winCount) +
                              "勝 " + std::to_string(rec.loseCount) + "敗 " + "1分");
        }
        if ((t >= 750 && bgmStopped()) || t >= 1000) {
            scene.eventStep = 18;
            scene.endingTick = 0;
            return;
        }
        break;
    case 18:
        finalScreen();
        return;
    default:
        break;
    }
    ++scene.endingTick;
}

// The last screen stays until the window is closed: the jacket picture, the
// player's records and the mark of the end.
void TForm1::finalScreen() {
    endPict->visible = true;
    fsinfoLabel->setCaption("フルスクリーン解除 : [Alt] + [Enter]キー");
    LoadImg(*jacket, "img\\jacket.bmp");
    jacket->visible = true;
    rec.settingViewMode = 1;
    for (Control* c :
         std::initializer_list<Control*>{itemTab, itemListLabel, itemList, changeViewButton})
        c->visible = false;
    itemPanel->visible = true;
    showRecord();
    updateViewMode();
    closeAllSoundEffects(*this);
    clearIdle();
}

} // namespace zb
