// The bay: on the waterfront a quiet young woman, 佐村サチ, turns at the sound of
// the scooter and seems to know the shop and its father; on the bay street the
// two men on the black tourer turn out to be the debt collectors, racing for a
// boss they must not name. After the first race ミキ names the firm they collect
// for, 北崎ファイナンス. Later サチ shares the father's pizza on the bench, hears
// about the little sister sent away twelve years ago, and warns of a man on the
// 玉崎街道 at dusk; and the collectors come back in the rain, for their necks,
// and let slip who their boss is.

#include "app/UnitMain.h"
#include "story/Pending.h"
#include "story/Scenes.h"

namespace zb::scenes {

using namespace script;

namespace {

// The first line of a race scene, shown as the frame comes to rest: portrait,
// speaker and text, but no page sound.
Ops opening(Face who, Speaker speaker, std::string_view l1, std::string_view l2 = {}) {
    Ops o = face(who.who, who.expression);
    for (const Ops& part : {name(speaker), text(l1, l2)})
        o.insert(o.end(), part.begin(), part.end());
    return o;
}

// The engine catches: the scooter's own sound instead of the page sound.
Ops engineLine(Face who, Speaker speaker, std::string_view l1, std::string_view l2 = {}) {
    Ops o = sound(15);
    for (const Ops& part : {face(who.who, who.expression), name(speaker), text(l1, l2)})
        o.insert(o.end(), part.begin(), part.end());
    return o;
}

} // namespace

// clang-format off
const Scene eventSachi1 = {"eventSachi1", {
    /* 0*/ {back(7), narrate("『神奈玉ベイシティ　海沿いの遊歩道")},
    /* 1*/ {say({101, 1}, 101, "「ベイストリートは、この先の橋の下か……。", "　ついでに、店のチラシでも配っていくか")},
    /* 2*/ {as({101, 2}, "「乙木ピザでーす！　神奈玉一うまいピザ、", "　今なら、なんと……定価でお届けしまーす！")},
    /* 3*/ {engineLine({101, 5}, 101, "「……だめだ、一枚も減らねえ。", "　しゃあねえ、場所を変えるか")},
    /* 4*/ {music(14), narrate("エンジンがかかった、その時。", "　ベンチで海を見ていた若い女の人が、はっと振り向いた")},
    /* 5*/ {say({123, 4}, "？？？？", "「……その、音")},
    /* 6*/ {say({101, 4}, 101, "「ん？　ああ、悪い。うるさかったか？")},
    /* 7*/ {say({123, 1}, "？？？？", "「いえ……ごめんなさい。", "　昔よく聞いていた音に、似ていたものだから")},
    /* 8*/ {say({101, 7}, 101, "「こいつの音に？　そりゃ物好きだな。", "　……あ、ついでだ。よかったら、これ")},
    /* 9*/ {say({123, 2}, "？？？？", "「乙木ピザ……お店、まだあるのね")},
    /*10*/ {say({101, 4}, 101, "「……まだ？")},
    /*11*/ {say({123, 4}, "？？？？", "「あ……。ううん、前にどこかで、", "　名前を見たことがあった気がしただけ")},
    /*12*/ {say({101, 7}, 101, "「へえ、うちの店も捨てたもんじゃねえな。", "　ま、今じゃ毎日、客はゼロだけどさ")},
    /*13*/ {say({123, 1}, "？？？？", "「……お父さんは、お元気？")},
    /*14*/ {say({101, 4}, 101, "「親父？　……あんた、うちの親父を知ってんのか？")},
    /*15*/ {say({123, 1}, "？？？？", "「ピザ屋さんのお父さんって、", "　頑固な人が多そうだから……なんとなく")},
    /*16*/ {say({101, 7}, 101, "「あっはっは、大当たりだ！", "　『ばか者』『やかましい』『ふん』……", "　うちの親父は、その三つで一日が終わる")},
    /*17*/ {say({123, 2}, "？？？？", "「……ふふ。そう。", "　元気なら、よかった")},
    /*18*/ {say({101, 1}, 101, "「さてと、俺はそろそろ行くよ。", "　この先のベイストリートに用があってさ")},
    /*19*/ {say({123, 6}, "？？？？", "「……行かないほうがいい。", "　あそこは夜になると、たちの悪い人たちが集まるの")},
    /*20*/ {say({101, 9}, 101, "「知ってる。そいつらに会いに行くのさ。", "　店の借金、賭けレースで稼いで返すんだ")},
    /*21*/ {say({123, 5}, "？？？？", "「……そう。", "　だったら……無茶だけは、しないで")},
    /*22*/ {say({101, 4}, 101, "「あ、おい！　俺は乙木コウイチロウ。", "　あんたの名前は？")},
    /*23*/ {say({123, 1}, 123, "「……佐村。佐村サチ")},
    /*24*/ {say({101, 4}, 101, "（……サチ？", "　妹と、同じ名前だ")},
    /*25*/ {as({101, 8}, "（……まさかな。あいつは東京の、", "　おばさんのとこにいるはずだ。", "　こんな所で、夜の海なんか見てるわけがねえ")},
    /*26*/ {clearPlace(), record(doneSachi1), leave(Exit::Map)},
}};

const Scene battleEventBayStreet1 = {"battleEventBayStreet1", {
    /* 0*/ {riderOut(2), opening({101, 1}, 101, "「ここがベイストリートか……。", "　橋の下は、エンジンの音がよく響くぜ")},
    /* 1*/ {line("「ヨウスケの話じゃ、黒いツアラーの二人組が", "　夜な夜なここで荒稼ぎしてるってことだが……")},
    /* 2*/ {as({101, 6}, "「相手が誰だろうと関係ねえ。", "　今夜の稼ぎで、利息の足しにしてやる")},
    /* 3*/ {as({101, 4}, "「……来た。腹に響く、重てえ排気音だ"), riderIn(2), moveRight(2, 290, 6)},
    /* 4*/ {say({107, 2}, 107, "「兄貴ぃ、今夜もカモが一羽、待ってるっスよ！")},
    /* 5*/ {say({106, 1}, 106, "「カモとは何です、ブンジ。お客様とお呼びなさい。", "　……おや？")},
    /* 6*/ {as({106, 2}, "「これはこれは。乙木さんのところの", "　坊っちゃんじゃございませんか")},
    /* 7*/ {say({101, 4}, 101, "「あ、相澤さん！？　それにブンジまで……", "　黒いツアラーの二人組って、あんたらかよ！")},
    /* 8*/ {say({106, 2}, 106, "「ツアラーとは、味気ない呼び方でございますねえ。", "　これはシーボス。わたくしの自慢の愛車です")},
    /* 9*/ {say({107, 2}, 107, "「兄貴、シーボスに乗ると人が変わるっスからね。", "　坊っちゃんも、気をつけたほうがいいっスよ")},
    /*10*/ {say({101, 3}, 101, "「昼は借金の取り立て、夜は賭けレースかよ。", "　ずいぶん、いいご身分じゃねえか")},
    /*11*/ {say({106, 1}, 106, "「これも、上から言いつかった立派なお仕事でして。", "　遊びで走っているのではございません")},
    /*12*/ {say({107, 1}, 107, "「毎晩ノルマがあるんスよ……。", "　稼ぎが足りないと、オレらが叱られるんス")},
    /*13*/ {say({101, 7}, 101, "「借金取りに、賭けレースのノルマね……。", "　世も末だぜ")},
    /*14*/ {say({106, 2}, 106, "「さて、坊っちゃん。せっかくお越しいただいたのです。", "　ひとつ、走っていかれませんか")},
    /*15*/ {say({101, 6}, 101, "「……何を賭ける？")},
    /*16*/ {say({106, 1}, 106, "「坊っちゃんが勝てば、今月の利息の取り立ては、", "　月末までいたしません。お店にも参りません")},
    /*17*/ {as({106, 2}, "「負ければ、今夜の稼ぎをそっくり", "　借金の返済に回していただきます")},
    /*18*/ {say({101, 8}, 101, "（勝てば月末まで、親父に", "　こいつらの顔を見せずにすむ、か……")},
    /*19*/ {say({107, 1}, 107, "「兄貴ぃ、いいんスか？　利息を待つなんて", "　勝手に決めたら、社長が……")},
    /*20*/ {shake(3), say({106, 3}, 106, "「ブンジ！！　その口を閉じなさい！！")},
    /*21*/ {say({107, 1}, 107, "「ひっ……！　す、すいませんっス……")},
    /*22*/ {say({106, 1}, 106, "「……失礼。この男、口が軽いのが", "　玉にキズでしてねえ")},
    /*23*/ {say({101, 4}, 101, "「社長……？　あんたら、", "　誰かに言われて走ってんのか？")},
    /*24*/ {say({106, 2}, 106, "「はて、何のことでございましょう。", "　坊っちゃんは、目の前の勝負に集中なさいませ")},
    /*25*/ {say({101, 9}, 101, "「……まあいい。乗ったぜ、その勝負。", "　利息の取り立て、止めてもらおうじゃねえか")},
    /*26*/ {music(10), say({107, 2}, 107, "「さあさあ！　今夜の挑戦者は、商店街のピザ屋っス！", "　迎え撃つは、ベイストリートの黒い鮫、シーボス！")},
    /*27*/ {say({106, 1}, 106, "「ブンジ、前口上はそのくらいで。", "　……では坊っちゃん、参りましょうか"), moveLeft(2, 0, 5)},
    /*28*/ {say({101, 8}, 101, "（でけえ……。排気量じゃ、向こうが何枚も上だ")},
    /*29*/ {say({106, 2}, 106, "「ご安心を。わたくし、お得意様のご子息でも", "　手加減はいたしませんので")},
    /*30*/ {say({101, 6}, 101, "（排気量で負けてんなら、ギアで勝つまでだ。", "　……親父の言ったとおりにな")},
    /*31*/ {record(doneBayStreet1), leave(Exit::ToRace)},
}};

const Scene battleEventBayStreet2 = pending("battleEventBayStreet2", doneBayStreet2, Exit::BattleToMap);

const Scene eventSachi2 = pending("eventSachi2", doneSachi2, Exit::Map);

const Scene battleEventBayStreet3 = pending("battleEventBayStreet3", doneBayStreet3, Exit::ToRace);

const Scene battleEventBayStreet4 = pending("battleEventBayStreet4", doneBayStreet4, Exit::BattleToMap);
// clang-format on

} // namespace zb::scenes
