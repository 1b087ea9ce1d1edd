#pragma once
// How many race steps the hero's bike needs for one more km/h, by gear and by
// how close it runs to the gear's top speed (percent). Fitted parts take steps
// away through their option points (oN), rain adds steps through its water
// points (wN). Bands are inclusive; a point may appear in two bands.

#include "race/RaceState.h"

#include <array>
#include <cstdint>

namespace zb {

struct CrgTerm {
    char kind = 0; // 'o' option point, 'w' water point, 0 none
    std::int8_t point = 0;
    std::int8_t sign = 0;
};

struct CrgBand {
    std::int8_t from;
    std::int8_t to;
    std::int8_t base;
    CrgTerm a{};
    CrgTerm b{};
};

constexpr CrgTerm mo(int n) {
    return {'o', static_cast<std::int8_t>(n), -1};
} // − oN
constexpr CrgTerm pw(int n) {
    return {'w', static_cast<std::int8_t>(n), +1};
} // + wN
constexpr CrgTerm mw(int n) {
    return {'w', static_cast<std::int8_t>(n), -1};
} // − wN

// clang-format off
constexpr CrgBand kGear1[] = {
    {0, 5, 1, pw(2)}, {6, 10, 1, pw(3)}, {11, 15, 1, pw(4)}, {16, 20, 1, pw(5)},
    {21, 25, 2, mw(1), pw(6)}, {26, 30, 2, mo(36), pw(7)}, {31, 35, 2, mo(35)}, {36, 40, 2, mo(34)},
    {41, 45, 2, mo(33)}, {46, 65, 2}, {66, 80, 3}, {81, 85, 3, mo(32)}, {86, 90, 4, mo(31)},
    {91, 95, 5, mo(30)}, {96, 100, 5, mo(29)},
};
constexpr CrgBand kGear2[] = {
    {0, 20, 3}, {21, 25, 2, mo(27), pw(8)}, {26, 30, 2, mo(26), pw(9)}, {31, 35, 2, mo(25), pw(10)},
    {36, 40, 2, mo(24), pw(11)}, {41, 45, 2, mo(23)}, {46, 50, 2, mo(22)}, {51, 55, 2, mo(21)},
    {56, 60, 2, mo(20)}, {61, 75, 2}, {76, 85, 4}, {86, 90, 6, mo(19), mo(28)},
    {91, 95, 10, mo(18), mo(26)}, {96, 100, 10, mo(17), mo(25)},
};
constexpr CrgBand kGear3[] = {
    {0, 5, 5}, {6, 15, 4}, {16, 20, 3}, {21, 25, 3, mo(16)}, {26, 30, 3, mo(15)}, {31, 35, 3, mo(14)},
    {36, 45, 2}, {46, 50, 1, pw(12)}, {51, 55, 1, pw(13)}, {56, 60, 1, pw(14)}, {61, 65, 1, pw(15)},
    {66, 70, 1}, {71, 75, 2}, {76, 80, 3}, {81, 85, 4, mo(15)}, {86, 90, 8, mo(14)},
    {91, 95, 8, mo(13)}, {96, 100, 16},
};
constexpr CrgBand kGear4[] = {
    {0, 10, 8}, {11, 20, 5}, {21, 25, 4, mo(12)}, {26, 30, 4, mo(11)}, {31, 35, 4, mo(10)},
    {36, 40, 4, mo(9)}, {41, 50, 2}, {51, 55, 2, pw(16)}, {56, 60, 1, pw(17)}, {61, 65, 1, pw(18)},
    {66, 75, 1}, {76, 80, 2}, {81, 85, 4, mo(8)}, {86, 90, 7, mo(7)}, {91, 95, 14, mo(6)},
    {96, 100, 32},
};
constexpr CrgBand kGear5[] = {
    {0, 5, 10}, {6, 10, 8}, {11, 15, 6}, {16, 30, 4}, {31, 45, 3}, {46, 55, 2}, {56, 60, 1, pw(19)},
    {61, 65, 1, pw(20)}, {66, 70, 1, pw(21)}, {71, 75, 1}, {76, 80, 3, mo(5)}, {81, 85, 6, mo(4)},
    {86, 90, 15, mo(3)}, {91, 95, 21, mo(2)}, {96, 100, 34},
};
constexpr CrgBand kGear6[] = {
    {0, 5, 16}, {6, 10, 12}, {11, 15, 8}, {16, 30, 5}, {31, 45, 4}, {46, 60, 3}, {61, 65, 2},
    {66, 80, 1}, {81, 85, 2, pw(22)}, {86, 90, 4, pw(23)}, {91, 95, 8}, {96, 100, 16},
};
// clang-format on

// Steps for the next km/h; 0 outside 0..100 % and in neutral.
int heroCrgTable(int gear, int pct, const TuningPoints& points);

} // namespace zb
