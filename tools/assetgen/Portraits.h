#pragma once
// The portraits of the story's characters: 100 x 100 bust pictures on a
// backdrop in each character's colours, painted by code. One painter serves the
// picture generator, which writes the portrait files, and the game, which draws
// the four pictures of the pizza hero's unmasking when it starts.
//
// Portraits are solid pictures. Every character with enough pictures uses the
// same order of expressions (see Expression); characters with fewer pictures
// use the first ones.

#include "ui/Draw.h"
#include "ui/Image.h"

#include <vector>

namespace zb::portrait {

constexpr int kSize = 100;

enum Expression {
    kNeutral = 1,
    kSmile,
    kAngry,
    kSurprised,
    kSad,
    kDetermined,
    kGrin, // laughing
    kWorried,
    kSmug,
    kShouting,
};

// One character's portrait files: "face" + stem + n + ".bmp", n = 1..count.
struct PortraitSet {
    int who; // the character's number in the scenes
    const char* stem;
    int count;
};
// Every portrait file the scenes load.
const std::vector<PortraitSet>& portraitSets();

// Portrait `expression` (1..10, clamped) of character `who`: 101 コウイチロウ,
// 102 カズト, 103 ミキ, 104 ヨウスケ, 106 and 107 the debt collectors, 108 ロブ,
// 109 フィリップ, 110 and 111 ピザジンゴマン, 113 天狗, 121 ゴンゾウ,
// 122 ピザジンゴちゃん (1 and 2 alternate), 123 サチ, 125 広報部部長,
// 128 the news announcer seen on television, and 130..132 サチ, コウイチロウ
// and ゴンゾウ as children remember them (sepia). Any other number gives a
// shadowed stranger.
Image paintPortrait(int who, int expression);

// The pizza hero's mask coming off, step 1 (fully masked) .. 4 (サチ's face);
// other steps are clamped.
Image paintMaskReveal(int step);

// The mascot ピザジンゴちゃん alone, drawn into a square of `size` pixels with its
// top-left at (x, y) on any target (pose 1 standing, 2 winking and waving).
void paintMascot(draw::Target t, double x, double y, double size, int pose);

} // namespace zb::portrait
