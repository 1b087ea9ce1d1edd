#pragma once
// Where the game area sits inside a window or on the desktop. The game paints a
// small fixed-size frame (514 x 385 in a window, 640 x 480 in full screen); the
// window shows it enlarged by a whole factor with hard pixel edges, centred, with
// black bars around it where the output is larger. Pointer positions travel the
// other way: a window pixel maps back to the game pixel under it. Positions
// outside the game area are never clamped: a button released far below the
// window must still read as far below it.
//
// Pure integer arithmetic, no SDL, so the tests can check every rule.

#include <cstdint>

namespace zb::viewport {

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// The game area placed in an output: its rectangle in output pixels and the
// whole factor each game pixel is enlarged by.
struct View {
    Rect dest;
    int scale = 1;
    friend constexpr bool operator==(const View&, const View&) = default;
};

// Division rounding towards minus infinity (b > 0), so that pixel -1 of the
// window lies in game pixel -1, not 0.
constexpr int floorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// How much of the desktop a window may take: room is left for the title bar,
// the borders and the taskbar.
constexpr int kComfortPercent = 90;

// Largest whole factor k >= 1 with k * game <= out in both directions.
constexpr int fitScale(int gameW, int gameH, int outW, int outH) {
    if (gameW <= 0 || gameH <= 0 || outW <= 0 || outH <= 0) return 1;
    const int k = outW / gameW < outH / gameH ? outW / gameW : outH / gameH;
    return k < 1 ? 1 : k;
}

// The whole factor for a window showing the game area on a desktop whose usable
// part is deskW x deskH: the largest one at which the window takes at most about
// nine tenths of the desktop's width and height; at least 1.
constexpr int windowScale(int gameW, int gameH, int deskW, int deskH) {
    if (deskW <= 0 || deskH <= 0) return 1;
    const auto room = [](int size) {
        return static_cast<int>(static_cast<std::int64_t>(size) * kComfortPercent / 100);
    };
    return fitScale(gameW, gameH, room(deskW), room(deskH));
}

// The game area enlarged by the largest whole factor that fits the output and
// centred in it. An output smaller than the game area shows it at factor 1,
// centred, its edges cut off.
constexpr View letterbox(int gameW, int gameH, int outW, int outH) {
    View v;
    v.scale = fitScale(gameW, gameH, outW, outH);
    v.dest.w = gameW * v.scale;
    v.dest.h = gameH * v.scale;
    v.dest.x = floorDiv(outW - v.dest.w, 2);
    v.dest.y = floorDiv(outH - v.dest.h, 2);
    return v;
}

// The game pixel under output pixel (x, y). Not clamped: left of or above the
// area gives negative coordinates, right of or below it gives coordinates of at
// least the game area's width or height.
constexpr Point toGame(const View& v, int x, int y) {
    return {floorDiv(x - v.dest.x, v.scale), floorDiv(y - v.dest.y, v.scale)};
}

// Converts one coordinate between two pixel grids covering the same length
// (window units to drawable pixels on a display that scales windows), rounding
// down. Equal sizes leave the value unchanged.
constexpr int rescale(int value, int fromSize, int toSize) {
    if (fromSize <= 0 || fromSize == toSize) return value;
    const std::int64_t num = static_cast<std::int64_t>(value) * toSize;
    std::int64_t q = num / fromSize;
    if (num % fromSize != 0 && num < 0) --q;
    return static_cast<int>(q);
}

} // namespace zb::viewport
