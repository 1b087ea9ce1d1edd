// The 玉崎街道: the first street race, where the hero meets 白州ミキ, who laughs
// at his pizza bike and warns him of riders on strange machines; the old biker
// ロブ on his boar at dusk, who knew the hero's father; and the night before the
// stadium, when the father says the scooter's name.

#include "app/UnitMain.h"
#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

namespace {

bool heroWon(const TForm1& f) {
    return f.race.riderWon[1] != 0;
}

// The first line of a scene that opens by itself, without a click: portrait,
// speaker and text, but no page sound.
Ops opening(Face who, Speaker speaker, std::string_view l1, std::string_view l2 = {}) {
    Ops o = face(who.who, who.expression);
    for (const Ops& part : {name(speaker), text(l1, l2)})
        o.insert(o.end(), part.begin(), part.end());
    return o;
}

} // namespace

// clang-format off
const Scene battleEventStreet1 = {"battleEventStreet1", {
    /* 0*/ {riderOut(2), face(101, 1), name(101), text("「……ここが、夜の玉崎街道か")},
    /* 1*/ {line("「走り屋が集まるって話だったけど……")},
    /* 2*/ {as({101, 3}, "「……誰もいねえじゃねえか！")},
    /* 3*/ {line("「ん？　後ろから、何か来る……"), riderIn(2), moveRight(2, 290, 7)},
    /* 4*/ {say({103, 4}, "？？？？", "「……なにそれ。ピザの出前？")},
    /* 5*/ {as({103, 7}, "「あははっ！　まさか、そのバイクで", "　走りに来たんじゃないでしょうね？")},
    /* 6*/ {as({103, 6}, "「ここは遊び場じゃないの。", "　配達なら、よそでやってくれる？")},
    /* 7*/ {say({101, 3}, 101, "「なんだと！？　こいつはな、", "　神奈玉でいちばん速い出前バイクなんだよ！")},
    /* 8*/ {say({103, 1}, "？？？？", "「……ふうん。じゃあ、証明してみせて"), moveLeft(2, 0, 5)},
    /* 9*/ {sound(9), music(15), face(103, 5), text("「はあ……。今夜も、退屈な相手みたいね")},
    /*10*/ {say({101, 1}, 101, "「言ってくれるじゃねえか。", "　で、賭け金は？")},
    /*11*/ {line("「こっちは生活がかかってるんでね")},
    /*12*/ {say({103, 9}, "？？？？", "「勝てたら、今夜の賭け金は全部あげる。", "　この EVR - Type S に勝てたら、の話だけど")},
    /*13*/ {say({103, 7}, 103, "「白州ミキよ。負けたあとで、名前くらいは覚えて帰りなさい")},
    /*14*/ {as({103, 5}, "「……この街道で、私の前を走れた人は、まだいないけど")},
    /*15*/ {say({101, 8}, 101, "（……なんか、すげえ自信だな")},
    /*16*/ {line("（落ち着け。教習所で習ったことを思い出せ……")},
    /*17*/ {as({101, 1}, "「右で開けて、左でつなぐ。", "　ニュートラルは一速と二速の間……よし")},
    /*18*/ {as({101, 2}, "「さあて……乙木ピザ、最速でお届けしてやるぜ！")},
    /*19*/ {record(doneStreet1), leave(Exit::ToRace)},
}};

const Scene battleEventStreet2 = {"battleEventStreet2", {
    /* 0*/ {riderOut(1), riderIn(1), moveRight(1, -12, 4), riderOut(2), riderIn(2), moveRight(2, 290, 6),
            pick(heroWon, opening({101, 7}, 101, "「よっしゃあ！　勝った……勝ったぞ！"),
                          opening({101, 5}, 101, "「くそっ……！　あと少しだったのに！"))},
    /* 1*/ {pick(heroWon, say({103, 4}, 103, "「うそ……この私が、ピザ屋のバイクに……？"),
                          say({103, 9}, 103, "「ふう……。ま、こんなものよね"))},
    /* 2*/ {pick(heroWon, as({103, 3}, "「い、今のはちょっと油断しただけよ！", "　勘違いしないでよね！"),
                          as({103, 2}, "「でも、ピザ屋にしては悪くなかったわ。", "　……ほんの少しだけ、ね"))},
    /* 3*/ {pick(heroWon, say({101, 9}, 101, "「へへっ、出前で鍛えた腕をなめんなよ"),
                          say({101, 3}, 101, "「次は負けねえ。絶対にな！"))},
    /* 4*/ {say({103, 1}, 103, "「……そのバイク、どこで手に入れたの？")},
    /* 5*/ {say({101, 1}, 101, "「うちの店の配達用さ。", "　ちょっとだけ、いじってあるけどな")},
    /* 6*/ {say({103, 7}, 103, "「配達用って……本気で言ってるの？", "　呆れた。よくそれで街道に出る気になったわね")},
    /* 7*/ {say({101, 6}, 101, "「うちの店、借金まみれでさ。", "　稼げるなら、何だってやるしかねえんだ")},
    /* 8*/ {say({103, 1}, 103, "「……ふうん。事情は人それぞれね")},
    /* 9*/ {as({103, 6}, "「だったら、ひとつ忠告してあげる")},
    /*10*/ {line("「最近、この辺りの走り屋が、", "　妙なマシンに乗った連中に次々と潰されてるの")},
    /*11*/ {say({101, 4}, 101, "「妙な連中……？")},
    /*12*/ {say({103, 8}, 103, "「詳しくは知らない。でも、負けた子はみんな、", "　二度と街道に来なくなった")},
    /*13*/ {say({101, 8}, 101, "「……なんか、物騒な話だな")},
    /*14*/ {pick(heroWon, say({103, 2}, 103, "「賭け金は約束どおり、あなたのものよ。", "　……次は、負けないから"),
                          say({103, 2}, 103, "「賭け金はいただいていくわ。", "　悔しかったら、腕を磨いてまたいらっしゃい"))},
    /*15*/ {say({103, 7}, 103, "「じゃあね、ピザ屋さん。", "　……乙木ピザ、だったかしら。覚えておくわ"), moveRight(2, 520, 8)},
    /*16*/ {pick(heroWon, say({101, 2}, 101, "「……白州ミキ、か。", "　よし、今夜の稼ぎで、まずは利息の分だ！"),
                          say({101, 6}, 101, "「……白州ミキ、か。", "　見てろよ、次は絶対に抜いてやる！"))},
    /*17*/ {clearPlace(), record(doneStreet2), leave(Exit::BattleToMap)},
}};

const Scene battleEventStreet3 = pending("battleEventStreet3", doneStreet3, Exit::ToRace);
const Scene battleEventStreet4 = pending("battleEventStreet4", doneStreet4, Exit::BattleToMap);
const Scene eventLastNight1 = pending("eventLastNight1", doneLastNight1, Exit::Map);
// clang-format on

} // namespace zb::scenes
