// The short scenes that can play again and again: the hero telling himself where
// to go, an ordinary day at the shop, and the places he cannot face yet.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

namespace {

bool renrakuDone(const TForm1& f) {
    return f.flag(doneRenraku) == 1;
}

bool lcOwned(const TForm1& f) {
    return f.rec.ownedItems[0] == 1;
}

void mustGoLine(TForm1& f) {
    f.line1->setCaption("「" + f.scene.mustGoPlace + "に行かなきゃな……");
}

// One day in five, before the stadium's last duel, the father has a word.
void fatherMayTalk(TForm1& f) {
    if (f.random(5) != 0 || f.flag(doneChallenge14) == 1) {
        playSoundEffect(f, 9);
        f.eventToMap();
        return;
    }
    playSoundEffect(f, 9);
    f.changeFace(121, f.flag(doneChallenge6) ? 4 : 2);
    f.showName1(121);
    if (f.flag(doneChallenge6) == 0) {
        f.line1->setCaption("「ボーッとしとらんで生地でもこねとけ！");
        f.line2->setCaption("　客が来たときに出すもんがなきゃ話にならん");
    } else {
        f.line1->setCaption("「……店のことは気にするな。");
        f.line2->setCaption("　お前はお前の走りを取り戻してこい");
    }
    f.line3->setCaption("");
}

} // namespace

// clang-format off
const Scene eventMustGo = {"eventMustGo", {
    /* 0*/ {say({101, 1}, 101, ""), run(mustGoLine)},
    /* 1*/ {leave(Exit::Map)},
}};

const Scene eventFoo = {"eventFoo", {
    /* 0*/ {back(4), pick(renrakuDone, prop("img\\wall.bmp", 0, 0), {}), say({101, 1}, 101, "「……今日も客はゼロか。", "　窯の火だけは元気なんだけどな")},
    /* 1*/ {run(fatherMayTalk)},
    /* 2*/ {leave(Exit::Map)},
}};

const Scene eventMustEquipLC = {"eventMustEquipLC", {
    /* 0*/ {pick(lcOwned,
                 say({101, 8}, 101, "（ＬＣコンピュータは買ったけど、まだ付けてないんだった。", "　セッティング画面で装備してから来よう）"),
                 say({101, 8}, 101, "（ここの連中と走るなら、まずはＬＣコンピュータだ。", "　パーツショップで手に入れてこよう）"))},
    /* 1*/ {leave(Exit::Map)},
}};

const Scene eventNoTime = {"eventNoTime", {
    /* 0*/ {say({101, 6}, 101, "（今は店に寄ってる時間はない。", "　あいつとの決着が先だ……）")},
    /* 1*/ {leave(Exit::Map)},
}};

const Scene eventAfterLose = {"eventAfterLose", {
    /* 0*/ {say({101, 5}, 101, "（……今はスタジアムに顔を出す気になれない）")},
    /* 1*/ {leave(Exit::Map)},
}};
// clang-format on

} // namespace zb::scenes
