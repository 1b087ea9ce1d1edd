// The points balance shown on the map and in the shop.

#include "app/UnitMain.h"

#include <algorithm>
#include <cstdint>

namespace zb {

void TForm1::setPoints(std::int32_t v) {
    if (v > 9999999) v = 9999999;
    // Right-aligned, 9 px per digit.
    int x = 14;
    if (v < 10)
        x = 68;
    else if (v < 100)
        x = 59;
    else if (v < 1000)
        x = 50;
    else if (v < 10000)
        x = 41;
    else if (v < 100000)
        x = 32;
    else if (v < 1000000)
        x = 23;
    ptsLabel->left = x;
    ptsLabel->setCaption(std::to_string(v));
}

void TForm1::addPoints(std::int32_t n) {
    // A loaded slot may hold any balance; winning must not overflow it.
    const std::int64_t sum = static_cast<std::int64_t>(rec.points) + n;
    rec.points = static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

} // namespace zb
