// Performing one step of a scene: each word of the step, in the order written.

#include "story/Script.h"

#include "app/UnitMain.h"
#include "data/UnitConst.h"
#include "sound/UnitSound.h"

#include <algorithm>

namespace zb::script {

namespace {

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void leaveBy(TForm1& f, Exit e) {
    playSoundEffect(f, 9);
    switch (e) {
    case Exit::Map:
        f.eventToMap();
        break;
    case Exit::Race:
        f.eventToBattle();
        break;
    case Exit::RaceWithScene:
        f.eventToBattleEvent();
        break;
    case Exit::ToRace:
        f.battleEventToRace();
        break;
    case Exit::BattleToMap:
        f.battleEventToMap();
        break;
    case Exit::BattleToEvent:
        f.battleEventToEvent();
        break;
    case Exit::GameOver:
        f.eventToGameOver();
        break;
    case Exit::Ending:
        f.toEnding();
        break;
    case Exit::Setting:
        f.eventToSetting();
        break;
    }
}

// The map disappears behind whatever background a scene puts up.
void clearMapBehind(TForm1& f) {
    f.map->setPicture(nullptr);
    f.mapPanel->visible = false;
}

// The race background NN on both scrolling copies, side by side, and the road.
void showRaceBack(TForm1& f, int nn) {
    const std::string file = "img\\bg" + twoDigits(nn) + ".bmp";
    f.LoadImg(*f.bgImgMain, file);
    f.LoadImg(*f.bgImgMain2, file);
    f.LoadImg(*f.bgImgRoad, "img\\road.bmp");
    f.bgImgMain->setPos(0, -1);
    f.bgImgMain2->setPos(514, -1);
    for (Picture* p : {f.bgImgMain, f.bgImgMain2, f.bgImgRoad})
        p->visible = true;
    f.backImg->visible = false;
    clearMapBehind(f);
}

// Rider slots 1 and 2 and the race screen's name labels show the race now
// chosen: the hero against the rival, or the two riders of a watched race.
void lineUpRiders(TForm1& f) {
    RaceState& r = f.race;
    const bool watched = r.enemyNo == kWatchedRace;
    if (watched) {
        f.setEnemyData(1, r.watchNo1, r.watchVer1);
        f.setEnemyData(2, r.watchNo2, r.enemyVer);
    } else {
        f.setMainChara();
        f.setEnemyData(2, r.enemyNo, r.enemyVer);
    }
    f.setCharaImg();
    f.showName(1, watched ? r.watchNo1 : 1);
    f.showName(2, watched ? r.watchNo2 : r.enemyNo);
}

// The item's name as the lists show it, without the blanks that pad it.
std::string itemName(const Item& it) {
    std::string_view n = it.name;
    while (!n.empty() && n.back() == ' ')
        n.remove_suffix(1);
    return std::string(n);
}

void giveItem(TForm1& f, int item) {
    const Item* it = findItem(item);
    if (it == nullptr || it->name == kItemSeparator) return; // nothing to own
    f.rec.ownedItems[static_cast<std::size_t>(item)] = 1;
    f.setOwnItemList();
    openSoundEffect(f, 28);
    playSoundEffect(f, 28);
    f.facePanel->visible = false;
    f.clearName();
    f.lines[1]->setCaption(itemName(*it) + "を手に入れた");
    f.lines[2]->setCaption("");
    f.lines[3]->setCaption("");
}

// An old photograph's browns: each pixel's brightness, softened towards the
// middle and tinted warm.
void fadeToSepia(Image& img) {
    for (std::uint32_t& c : img.pixels) {
        const int r = static_cast<int>((c >> 16) & 0xff);
        const int g = static_cast<int>((c >> 8) & 0xff);
        const int b = static_cast<int>(c & 0xff);
        const int y = 40 + (r * 30 + g * 59 + b * 11) * 70 / 10000; // 40..218
        c = rgb(std::min(255, y * 112 / 100), y * 96 / 100, y * 74 / 100);
    }
}

// Returns false when the step has handed over to another step.
bool perform(TForm1& f, const Scene& scene, const Op& o);

bool performAll(TForm1& f, const Scene& scene, const Ops& ops) {
    for (const Op& o : ops) {
        if (!perform(f, scene, o)) return false;
        if (f.fatalErrorShown()) return false; // a picture is missing: the game is ending
    }
    return true;
}

bool perform(TForm1& f, const Scene& scene, const Op& o) {
    const auto slot = static_cast<std::size_t>(o.a);
    switch (o.code) {
    case Code::Sound:
        if (o.a > kStartEffects) openSoundEffect(f, static_cast<std::uint8_t>(o.a));
        playSoundEffect(f, static_cast<std::uint8_t>(o.a));
        break;
    case Code::Face:
        f.changeFace(o.a, o.b);
        break;
    case Code::HideFace:
        f.facePanel->visible = false;
        break;
    case Code::Name:
        f.showName1(o.a);
        break;
    case Code::NameStr:
        f.showNameStr1(std::string(o.s[0]));
        break;
    case Code::ClearName:
        f.clearName();
        break;
    case Code::Text:
        for (std::size_t i = 0; i < 3; ++i)
            f.lines[i + 1]->setCaption(std::string(o.s[i]));
        break;
    case Code::MustGoLine:
        f.lines[1]->setCaption(std::string(o.s[0]) + f.scene.mustGoPlace + std::string(o.s[1]));
        break;
    case Code::Shake:
        if (o.a > kStartEffects) openSoundEffect(f, static_cast<std::uint8_t>(o.a));
        playSoundEffect(f, static_cast<std::uint8_t>(o.a));
        f.scene.mesShaking = 1;
        f.facePanel->visible = false;
        break;
    case Code::Back:
        f.LoadImg(*f.backImg, "img\\back" + twoDigits(o.a) + ".bmp");
        f.backImg->visible = true;
        clearMapBehind(f);
        break;
    case Code::PastBack:
        if (ImagePtr img = f.LoadBmp("img\\back" + twoDigits(o.a) + ".bmp")) {
            Image faded = *img;
            fadeToSepia(faded);
            f.backImg->setPicture(std::make_shared<const Image>(std::move(faded)));
        }
        f.backImg->visible = true;
        clearMapBehind(f);
        break;
    case Code::RaceBack:
    case Code::StadiumBack:
        showRaceBack(f, o.a);
        break;
    case Code::Prop:
        f.LoadImg(*f.objectImg, std::string(o.s[0]));
        f.objectImg->setPos(o.a, o.b);
        f.objectImg->transparent = true;
        f.objectImg->visible = true;
        break;
    case Code::HideProp:
        f.objectImg->visible = false;
        break;
    case Code::Show:
        (f.*o.pic)->visible = true;
        break;
    case Code::Hide:
        (f.*o.pic)->visible = false;
        break;
    case Code::Music:
        f.bgmNo = static_cast<std::uint8_t>(o.a);
        f.PlayBGM();
        break;
    case Code::EndMusic:
        f.StopBGM();
        break;
    case Code::PauseMusic:
        // Stopped where it stands rather than paused: a second pause cannot
        // set it going again.
        f.haltBGM();
        break;
    case Code::PlayOn:
        f.resumeBGM(o.a == 1);
        break;
    case Code::RiderOut:
        f.riders[slot]->visible = false;
        f.riders[slot]->left = -f.riders[slot]->width;
        break;
    case Code::RiderIn:
        f.riders[slot]->visible = true;
        break;
    case Code::MoveRight:
    case Code::MoveLeft: {
        RiderMove& m = f.scene.moves[slot];
        m.moveTarget = o.b;
        m.moveSpeed = o.c;
        (o.code == Code::MoveRight ? m.moveRight : m.moveLeft) = 1;
        break;
    }
    case Code::ThirdRider:
        f.scene.thirdRiderOn = static_cast<std::uint8_t>(o.a);
        break;
    case Code::RiderMachine:
        if (o.a < 1 || o.a > 3) break; // no such slot
        f.loadEnemyImg(o.a, o.b);
        f.race.riderFrame[slot] = 1;
        f.riders[slot]->setPicture(f.riderFrames[slot][1]);
        break;
    case Code::RivalFromPlace:
        f.setEnnoFromPlace();
        lineUpRiders(f);
        break;
    case Code::Rival:
        f.race.enemyNo = static_cast<std::uint8_t>(o.a);
        f.race.enemyVer = static_cast<std::uint8_t>(o.b);
        lineUpRiders(f);
        break;
    case Code::Philip:
        f.race.philipTick = 0;
        f.race.philipAnimOn = 1;
        break;
    case Code::Scroll:
        f.scene.sceneScrollOn = static_cast<std::uint8_t>(o.a);
        f.scene.sceneScrollMain = static_cast<std::uint8_t>(o.b);
        f.scene.sceneScrollSub = static_cast<std::uint8_t>(o.c);
        break;
    case Code::ScrollStop:
        f.scene.backScrollStop = static_cast<std::uint8_t>(o.a);
        break;
    case Code::Zingo:
        f.scene.zingoChanCount = 0;
        f.scene.zingoChanOn = static_cast<std::uint8_t>(o.a);
        break;
    case Code::Choice:
        f.askChoice(static_cast<std::uint8_t>(o.a));
        break;
    case Code::Flag:
        f.flag(static_cast<StoryFlag>(o.a)) = 1;
        break;
    case Code::GiveItem:
        giveItem(f, o.a);
        break;
    case Code::SubImage:
        f.rec.subImageAlt = static_cast<std::uint8_t>(o.a);
        break;
    case Code::ClearPlace:
        f.currentPlace = 0;
        f.iconMap->setPicture(nullptr);
        break;
    case Code::SetMode:
        f.screenMode = static_cast<std::uint8_t>(o.a);
        break;
    case Code::MarkerOn:
        f.scene.markerPlace = static_cast<std::uint8_t>(o.a);
        break;
    case Code::CloseEffects:
        closeSceneSoundEffects(f);
        break;
    case Code::Run:
        o.run(f);
        break;
    case Code::SkipIf:
        if (o.test(f)) {
            ++f.scene.eventStep;
            play(f, scene);
            return false;
        }
        break;
    case Code::Pick: {
        const bool yes =
            o.test ? o.test(f) : f.random(static_cast<std::uint32_t>(std::max(o.a, 1))) == 0;
        return performAll(f, scene, yes ? *o.yes : *o.no);
    }
    case Code::Next:
        f.scene.eventStep = -1;
        break;
    case Code::Leave:
        leaveBy(f, static_cast<Exit>(o.a));
        break;
    }
    return true;
}

} // namespace

void play(TForm1& form, const Scene& scene) {
    const int step = form.scene.eventStep;
    if (step < 0 || step >= static_cast<int>(scene.steps.size())) return;
    if (form.scene.stepPlayed) form.scene.stepPlayed(scene.name, step);
    performAll(form, scene, scene.steps[static_cast<std::size_t>(step)].ops);
}

bool laneOneWon(const TForm1& f) {
    return f.race.riderWon[1] != 0;
}

} // namespace zb::script
