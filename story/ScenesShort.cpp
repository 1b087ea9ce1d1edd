// The short scenes that can play again and again: the hero telling himself where
// to go, an ordinary day at the shop, and the places he cannot face yet.

#include "app/UnitMain.h"
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

bool lastStadiumDuelOver(const TForm1& f) {
    return f.flag(doneChallenge14) == 1;
}

bool firstStadiumDuelLost(const TForm1& f) {
    return f.flag(doneChallenge6) == 1;
}

} // namespace

// clang-format off
const Scene eventMustGo = {"eventMustGo", {
    /* 0*/ {say({101, 1}, 101, ""), mustGoLine("「", "に行かなきゃな……")},
    /* 1*/ {leave(Exit::Map)},
}};

const Scene eventFoo = {"eventFoo", {
    /* 0*/ {back(4), pick(renrakuDone, prop("img\\wall.bmp", 0, 0), {}), say({101, 1}, 101, "「……今日も客はゼロか。", "　窯の火だけは元気なんだけどな")},
    // One day in five, before the stadium's last duel, the father has a word.
    /* 1*/ {oneIn(5, pick(lastStadiumDuelOver, leave(Exit::Map),
                          pick(firstStadiumDuelLost, say({121, 4}, 121, "「……店のことは気にするな。", "　お前はお前の走りを取り戻してこい"),
                                                say({121, 2}, 121, "「ボーッとしとらんで生地でもこねとけ！", "　客が来たときに出すもんがなきゃ話にならん"))),
                 leave(Exit::Map))},
    /* 2*/ {leave(Exit::Map)},
}};

const Scene eventMustEquipLC = {"eventMustEquipLC", {
    /* 0*/ {pick(lcOwned,
                 say({101, 8}, 101, "（ＬＣコンピュータは買ったけど、まだ付けてないんだった。", "　セッティング画面で装備してから来よう"),
                 say({101, 8}, 101, "（ここの連中と走るなら、まずはＬＣコンピュータだ。", "　パーツショップで手に入れてこよう"))},
    /* 1*/ {leave(Exit::Map)},
}};

const Scene eventNoTime = {"eventNoTime", {
    /* 0*/ {say({101, 6}, 101, "（今は店に寄ってる時間はない。", "　あいつとの決着が先だ……")},
    /* 1*/ {leave(Exit::Map)},
}};

const Scene eventAfterLose = {"eventAfterLose", {
    /* 0*/ {say({101, 5}, 101, "（……今はスタジアムに顔を出す気になれない")},
    /* 1*/ {leave(Exit::Map)},
}};
// clang-format on

} // namespace zb::scenes
