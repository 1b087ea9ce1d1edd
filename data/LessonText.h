#pragma once
// The driving school's lesson: the four lines of each of its 33 pages, and where
// the blinking hint circle stands on the pages that explain the race screen.

#include <array>
#include <string_view>

namespace zb {

constexpr int kLessonPageCount = 33; // pages 0..32
constexpr int kLessonLineCount = 4;

using LessonPage = std::array<std::string_view, kLessonLineCount>;

// One page per row, lines 1..4; an empty line is "".
// clang-format off
constexpr std::array<LessonPage, kLessonPageCount> kLessonText = {{
    /*  0 */ {"教習所へようこそ！！", "まずはレース画面の見方を", "説明していきます。", "「次へ >」ボタンをクリック"},
    /*  1 */ {"これがあなたです。", "", "", ""},
    /*  2 */ {"ギヤが何速かを示します。", "下に行くほど低速ギヤ、", "上に行くほど高速ギヤです。", "（低速 ⇒ 軽、高速 ⇒ 重）"},
    /*  3 */ {"ギヤが何速かを数値で", "表したものです。スタート", "時、ギヤはニュートラル", "（Ｎ）に入っています。"},
    /*  4 */ {"ニュートラル（Ｎ）の時は", "アクセルを回しても動力が", "伝わらず、バイクは加速", "しません。"},
    /*  5 */ {"ニュートラル（Ｎ）は", "１速と２速の中間に", "位置しています。", ""},
    /*  6 */ {"タコメーターです。", "エンジンの回転数を", "バーで示します。", ""},
    /*  7 */ {"スピードを示します。", "", "", ""},
    /*  8 */ {"タイムを1/100秒刻みで", "表示します。", "", ""},
    /*  9 */ {"現在位置を示します。", "ゲージの左端がスタート", "地点、ゲージの右端が", "ゴール地点です。"},
    /* 10 */ {"相手との距離を表示します。", "リードしている場合は＋、", "リードされている場合は－", "で表示されます。"},
    /* 11 */ {"それでは走ってみましょう。", "まずギヤをニュートラルから", "一番軽い１速にチェンジして", "みます。"},
    /* 12 */ {"ギヤチェンジにはマウスの", "左ボタン：『クラッチ』を", "使用します。", ""},
    /* 13 */ {"マウスの左ボタンを押し、", "そのままマウスを下方向に", "スライドさせてから", "左ボタンを放して下さい。"},
    /* 14 */ {"ギヤが１速に入りました。", "続いてマウスの右ボタン：", "『アクセル』を押して", "発進してみましょう。"},
    /* 15 */ {"２速にギヤチェンジして", "みましょう。まずは右ボタン", "を放して下さい。", ""},
    /* 16 */ {"左ボタンを押して、そのまま", "マウスを上方向に動かし、", "左ボタンを放して下さい。", ""},
    /* 17 */ {"２速に入りました。", "右ボタン：『アクセル』で", "加速して下さい。", ""},
    /* 18 */ {"３速にギヤチェンジして", "みましょう。まずは右ボタン", "を放して下さい。", ""},
    /* 19 */ {"左ボタンを押して、そのまま", "マウスを上方向に動かし、", "左ボタンを放して下さい。", ""},
    /* 20 */ {"３速に入りました。", "右ボタン：『アクセル』で", "加速して下さい。", ""},
    /* 21 */ {"４速にギヤチェンジして", "みましょう。まずは右ボタン", "を放して下さい。", ""},
    /* 22 */ {"左ボタンを押して、そのまま", "マウスを上方向に動かし、", "左ボタンを放して下さい。", ""},
    /* 23 */ {"４速に入りました。", "右ボタン：『アクセル』で", "加速して下さい。", ""},
    /* 24 */ {"このようにギヤを上げていく", "ことを『シフトアップ』と", "言います。次は『シフト", "ダウン』をしてみましょう。"},
    /* 25 */ {"右ボタンを放した状態で", "左ボタンを押して、そのまま", "マウスを下方向に動かし、", "左ボタンを放して下さい。"},
    /* 26 */ {"１速まで『シフトダウン』", "してみましょう。", "", ""},
    /* 27 */ {"目標のギヤではありません。", "「リセット」ボタンを押して", "やり直して下さい。", ""},
    /* 28 */ {"お疲れ様です。", "それでは最後にスタート", "シグナルから走行練習を", "してみましょう。"},
    /* 29 */ {"シグナルは３カウントです。", "カウント中にギヤを１速に", "入れておき、カウントゼロで", "アクセルを押してスタート。"},
    /* 30 */ {"「次へ >」ボタンをクリック", "すると、カウントが始まり", "ます。", ""},
    /* 31 */ {"シグナルは３カウントです。", "カウント中にギヤを１速に", "入れておき、カウントゼロで", "アクセルを押してスタート。"},
    /* 32 */ {"フリー走行です。ゴールは", "ありませんので、ある程度", "慣れてきたら、「教習終了」", "ボタンで終了して下さい。"},
}};
// clang-format on

// Where the hint circle stands (left, top on the race screen) on the pages
// that point at a part of it.
struct HintCircle {
    int page;
    int left, top;
};

// clang-format off
constexpr std::array<HintCircle, 10> kHintCircles = {{
    { 1,  37, 181}, // the player's rider
    { 2,   7, 302}, // the gear lever
    { 3,  28, 305}, // the gear letter
    { 4,  28, 305},
    { 5,  28, 305},
    { 6, 124, 274}, // the tachometer
    { 7,  73, 315}, // the speed digits
    { 8, 229, 336}, // the time
    { 9, 434, 323}, // the distance gauge
    {10, 400, 340}, // the distance to the rival
}};
// clang-format on

// The circle of a page; null on pages without one.
constexpr const HintCircle* findHintCircle(int page) {
    for (const HintCircle& c : kHintCircles)
        if (c.page == page) return &c;
    return nullptr;
}

namespace detail {
constexpr bool lessonLinesFit() {
    for (const LessonPage& page : kLessonText)
        for (std::string_view line : page)
            if (line.size() > 255) return false;
    return true;
}
} // namespace detail
static_assert(detail::lessonLinesFit(), "a lesson line is a short string");

} // namespace zb
