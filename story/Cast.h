#pragma once
// The story's cast: the names and colours their speaker numbers show, and the
// portrait files their portrait numbers read. Numbers below 100 are machines.

#include "ui/Image.h"

#include <cstdint>
#include <string_view>

namespace zb {

struct SpeakerRow {
    int no;
    std::string_view name;
    std::uint32_t colour;
};

constexpr std::uint32_t kCastWhite = rgb(255, 255, 255);

// clang-format off
inline constexpr SpeakerRow kSpeakers[] = {
    {101, "乙木　コウイチロウ", rgb( 50, 255,  50)},
    {102, "篠田　カズト",       rgb(100, 100, 255)},
    {103, "白州　ミキ",         rgb(255, 200,   0)},
    {104, "高見　ヨウスケ",     rgb(180,  30, 200)},
    {106, "借金取りＡ",         kCastWhite},
    {107, "借金取りＢ",         kCastWhite},
    {108, "ロブ　ハーレイ",     rgb(200, 200, 200)},
    {109, "フィリップ　北崎",   rgb(255, 130, 130)},
    {110, "ピザジンゴマン",     rgb(255,  20,  20)},
    {111, "ピザジンゴマン",     rgb(255,  20,  20)},
    {113, "天狗",               kCastWhite},
    {121, "乙木　ゴンゾウ",     kCastWhite},
    {122, "ピザジンゴちゃん",   kCastWhite},
    {123, "佐村　サチ",         kCastWhite},
    {124, "佐村　サチ",         rgb(255,  20,  20)},
    {125, "広報部部長",         kCastWhite},
    {126, "チャーリー　斉藤",   kCastWhite},
    {127, "観衆",               kCastWhite},
    {128, "アナウンサー",       kCastWhite},
    {130, "乙木　サチ",         kCastWhite},
};

struct Portrait {
    int no;
    std::string_view stem; // + expression + ".bmp"
    int expressions;       // 1..this many are drawn
};

// Portrait 124 has no file: its four pictures are kept in the program.
inline constexpr Portrait kPortraits[] = {
    {101, "img\\faceKoichiro",  10},
    {102, "img\\faceKazuto",     6},
    {103, "img\\faceMiki",      10},
    {104, "img\\faceYosuke",     3},
    {106, "img\\faceTracerA",    3},
    {107, "img\\faceTracerB",    2},
    {108, "img\\faceRob",        3},
    {109, "img\\facePhilip",     3},
    {110, "img\\facePHM",        1},
    {111, "img\\facePHM",        1},
    {113, "img\\faceTengu",      1},
    {121, "img\\faceFather",     6},
    {122, "img\\faceZingoChan",  2},
    {123, "img\\faceSachi",      7},
    {125, "img\\faceManager",    3},
    {130, "img\\faceSachiM",     5},
    {131, "img\\faceKoichiroM",  6},
    {132, "img\\faceFatherM",    4},
};
// clang-format on

inline const SpeakerRow* findSpeaker(int no) {
    for (const SpeakerRow& s : kSpeakers)
        if (s.no == no) return &s;
    return nullptr;
}

inline const Portrait* findPortrait(int no) {
    for (const Portrait& p : kPortraits)
        if (p.no == no) return &p;
    return nullptr;
}

constexpr int kMaskedSachi = 124; // the portrait kept in the program

} // namespace zb
