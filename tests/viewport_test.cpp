// Window scaling, letterboxing and pointer mapping of the game area.

#include "platform/Viewport.h"

#include <gtest/gtest.h>

namespace {

using zb::viewport::fitScale;
using zb::viewport::floorDiv;
using zb::viewport::letterbox;
using zb::viewport::Point;
using zb::viewport::Rect;
using zb::viewport::rescale;
using zb::viewport::toGame;
using zb::viewport::View;
using zb::viewport::windowScale;

constexpr int kWinW = 514;
constexpr int kWinH = 385;
constexpr int kFullW = 640;
constexpr int kFullH = 480;

TEST(ViewportFloorDiv, RoundsTowardsMinusInfinity) {
    EXPECT_EQ(floorDiv(7, 2), 3);
    EXPECT_EQ(floorDiv(6, 2), 3);
    EXPECT_EQ(floorDiv(0, 3), 0);
    EXPECT_EQ(floorDiv(-1, 2), -1);
    EXPECT_EQ(floorDiv(-2, 2), -1);
    EXPECT_EQ(floorDiv(-3, 2), -2);
    EXPECT_EQ(floorDiv(-6, 3), -2);
    EXPECT_EQ(floorDiv(-7, 3), -3);
}

TEST(ViewportFloorDiv, AgreesWithRepeatedSubtractionOverARange) {
    for (int b = 1; b <= 5; ++b) {
        for (int a = -40; a <= 40; ++a) {
            const int q = floorDiv(a, b);
            EXPECT_LE(q * b, a) << a << " / " << b;
            EXPECT_GT((q + 1) * b, a) << a << " / " << b;
        }
    }
}

TEST(ViewportWindowScale, CommonDesktops) {
    // 1366 x 728 usable: twice 385 would be 770, too tall.
    EXPECT_EQ(windowScale(kWinW, kWinH, 1366, 728), 1);
    // Full HD with a taskbar: 2 x (1028 x 770) fits, 3 would be 1155 high.
    EXPECT_EQ(windowScale(kWinW, kWinH, 1920, 1040), 2);
    // 2560 x 1400: 3 x 385 = 1155 <= 1260.
    EXPECT_EQ(windowScale(kWinW, kWinH, 2560, 1400), 3);
    // 4K: 5 x 385 = 1925 <= 1944, 6 x 385 = 2310 too tall.
    EXPECT_EQ(windowScale(kWinW, kWinH, 3840, 2160), 5);
}

TEST(ViewportWindowScale, LeavesRoomForDecorations) {
    // Exactly twice the game area is not comfortable: no room for the title bar.
    EXPECT_EQ(windowScale(kWinW, kWinH, 2 * kWinW, 2 * kWinH), 1);
    // With a tenth more in both directions it is.
    const int w = 2 * kWinW * 10 / 9 + 1;
    const int h = 2 * kWinH * 10 / 9 + 1;
    EXPECT_EQ(windowScale(kWinW, kWinH, w, h), 2);
    EXPECT_EQ(windowScale(kWinW, kWinH, w - 2, h), 1);
    EXPECT_EQ(windowScale(kWinW, kWinH, w, h - 2), 1);
}

TEST(ViewportWindowScale, NarrowSideDecides) {
    // Very wide but short desktop: the height limits.
    EXPECT_EQ(windowScale(kWinW, kWinH, 10000, 900), 2);
    // Very tall but narrow: the width limits.
    EXPECT_EQ(windowScale(kWinW, kWinH, 1200, 10000), 2);
}

TEST(ViewportWindowScale, AtLeastOne) {
    EXPECT_EQ(windowScale(kWinW, kWinH, 320, 240), 1);
    EXPECT_EQ(windowScale(kWinW, kWinH, 0, 0), 1);
    EXPECT_EQ(windowScale(kWinW, kWinH, -5, 700), 1);
    EXPECT_EQ(windowScale(0, 0, 1920, 1080), 1);
}

TEST(ViewportWindowScale, WindowNeverExceedsNineTenthsUnlessFactorOne) {
    for (int dw = 400; dw <= 4000; dw += 37) {
        for (int dh = 300; dh <= 2400; dh += 41) {
            const int k = windowScale(kWinW, kWinH, dw, dh);
            ASSERT_GE(k, 1);
            if (k > 1) {
                EXPECT_LE(k * kWinW * 10, dw * 9) << dw << "x" << dh;
                EXPECT_LE(k * kWinH * 10, dh * 9) << dw << "x" << dh;
            }
            // The next factor would not have been comfortable.
            const bool nextFits = (k + 1) * kWinW * 10 <= dw * 9 && (k + 1) * kWinH * 10 <= dh * 9;
            EXPECT_FALSE(nextFits) << dw << "x" << dh;
        }
    }
}

TEST(ViewportFitScale, UsesTheWholeOutput) {
    EXPECT_EQ(fitScale(kFullW, kFullH, 1920, 1080), 2); // 3 x 480 = 1440 too tall
    EXPECT_EQ(fitScale(kFullW, kFullH, 1920, 1440), 3); // exact fit allowed
    EXPECT_EQ(fitScale(kFullW, kFullH, 1280, 1024), 2);
    EXPECT_EQ(fitScale(kFullW, kFullH, 640, 480), 1);
    EXPECT_EQ(fitScale(kFullW, kFullH, 639, 480), 1); // too small still shows at 1
    EXPECT_EQ(fitScale(kFullW, kFullH, 3840, 2160), 4);
}

TEST(ViewportLetterbox, WindowExactlyTheScaledArea) {
    const View v = letterbox(kWinW, kWinH, 2 * kWinW, 2 * kWinH);
    EXPECT_EQ(v.scale, 2);
    EXPECT_EQ(v.dest, (Rect{0, 0, 2 * kWinW, 2 * kWinH}));
}

TEST(ViewportLetterbox, FullScreenOnFullHdHasBarsOnAllSides) {
    const View v = letterbox(kFullW, kFullH, 1920, 1080);
    EXPECT_EQ(v.scale, 2);
    EXPECT_EQ(v.dest, (Rect{320, 60, 1280, 960}));
}

TEST(ViewportLetterbox, FullScreenOn4K) {
    const View v = letterbox(kFullW, kFullH, 3840, 2160);
    EXPECT_EQ(v.scale, 4);
    EXPECT_EQ(v.dest, (Rect{640, 120, 2560, 1920}));
}

TEST(ViewportLetterbox, OddMarginsRoundTheSameWayAndStayInside) {
    const View v = letterbox(kWinW, kWinH, 1031, 773); // 3 and 3 spare pixels
    EXPECT_EQ(v.scale, 2);
    EXPECT_EQ(v.dest.x, 1);
    EXPECT_EQ(v.dest.y, 1);
    EXPECT_LE(v.dest.x + v.dest.w, 1031);
    EXPECT_LE(v.dest.y + v.dest.h, 773);
}

TEST(ViewportLetterbox, CentredForEveryOutputSize) {
    for (int ow = 500; ow <= 2600; ow += 53) {
        for (int oh = 370; oh <= 1500; oh += 47) {
            const View v = letterbox(kFullW, kFullH, ow, oh);
            EXPECT_EQ(v.dest.w, kFullW * v.scale);
            EXPECT_EQ(v.dest.h, kFullH * v.scale);
            const int left = v.dest.x;
            const int right = ow - (v.dest.x + v.dest.w);
            const int top = v.dest.y;
            const int bottom = oh - (v.dest.y + v.dest.h);
            EXPECT_TRUE(left == right || left + 1 == right) << ow << "x" << oh;
            EXPECT_TRUE(top == bottom || top + 1 == bottom) << ow << "x" << oh;
            if (ow >= kFullW && oh >= kFullH) {
                EXPECT_GE(left, 0);
                EXPECT_GE(top, 0);
            }
        }
    }
}

TEST(ViewportLetterbox, OutputSmallerThanAreaCentresAtFactorOne) {
    const View v = letterbox(kFullW, kFullH, 600, 400);
    EXPECT_EQ(v.scale, 1);
    EXPECT_EQ(v.dest, (Rect{-20, -40, kFullW, kFullH}));
}

TEST(ViewportToGame, InsideTheAreaEveryWindowPixelHitsItsGamePixel) {
    const View v = letterbox(kFullW, kFullH, 1920, 1080); // factor 2 at (320, 60)
    EXPECT_EQ(toGame(v, 320, 60), (Point{0, 0}));
    EXPECT_EQ(toGame(v, 321, 61), (Point{0, 0}));
    EXPECT_EQ(toGame(v, 322, 62), (Point{1, 1}));
    EXPECT_EQ(toGame(v, 320 + 1279, 60 + 959), (Point{639, 479}));
    // Every pixel of the enlarged area maps into the game area, each game pixel
    // receiving exactly scale x scale window pixels.
    int hits[3][3] = {};
    for (int y = v.dest.y; y < v.dest.y + 6; ++y) {
        for (int x = v.dest.x; x < v.dest.x + 6; ++x) {
            const Point p = toGame(v, x, y);
            ASSERT_GE(p.x, 0);
            ASSERT_LT(p.x, 3);
            ASSERT_GE(p.y, 0);
            ASSERT_LT(p.y, 3);
            ++hits[p.y][p.x];
        }
    }
    for (const auto& row : hits) {
        for (int n : row)
            EXPECT_EQ(n, 4);
    }
}

TEST(ViewportToGame, BarsAndOutsideMapOutsideWithoutClamping) {
    const View v = letterbox(kFullW, kFullH, 1920, 1080);
    // One window pixel left of / above the area is game pixel -1, not 0.
    EXPECT_EQ(toGame(v, 319, 59), (Point{-1, -1}));
    EXPECT_EQ(toGame(v, 318, 58), (Point{-1, -1}));
    EXPECT_EQ(toGame(v, 317, 57), (Point{-2, -2}));
    // The window's own corner, inside the black bar.
    EXPECT_EQ(toGame(v, 0, 0), (Point{-160, -30}));
    // Right of and below the area.
    EXPECT_EQ(toGame(v, 1600, 1020), (Point{640, 480}));
    // Captured pointer far outside the window in both directions.
    EXPECT_EQ(toGame(v, -1000, -3000), (Point{-660, -1530}));
    EXPECT_EQ(toGame(v, 5000, 4060), (Point{2340, 2000}));
}

TEST(ViewportToGame, WindowedAtFactorThreeReachesLargeValuesBelow) {
    const View v = letterbox(kWinW, kWinH, 3 * kWinW, 3 * kWinH);
    EXPECT_EQ(v.dest.x, 0);
    EXPECT_EQ(toGame(v, 3 * kWinW - 1, 3 * kWinH - 1), (Point{kWinW - 1, kWinH - 1}));
    // A release 3000 window pixels down reads as game y 1000: the clutch rule
    // for releases far below the window depends on such values.
    EXPECT_EQ(toGame(v, 10, 3000), (Point{3, 1000}));
    EXPECT_EQ(toGame(v, -1, -1), (Point{-1, -1}));
}

TEST(ViewportToGame, FactorOneIsTheIdentityShiftedByTheBars) {
    const View v = letterbox(kFullW, kFullH, 800, 600);
    ASSERT_EQ(v.scale, 1);
    for (int x = -50; x <= 900; x += 13) {
        const Point p = toGame(v, x, x);
        EXPECT_EQ(p.x, x - 80);
        EXPECT_EQ(p.y, x - 60);
    }
}

TEST(ViewportRescale, BetweenWindowUnitsAndDrawablePixels) {
    EXPECT_EQ(rescale(123, 1028, 1028), 123);
    EXPECT_EQ(rescale(100, 1000, 2000), 200);
    EXPECT_EQ(rescale(101, 2000, 1000), 50);
    EXPECT_EQ(rescale(-1, 2000, 1000), -1);
    EXPECT_EQ(rescale(-3, 2000, 1000), -2);
    EXPECT_EQ(rescale(5000, 1000, 2000), 10000);
    EXPECT_EQ(rescale(7, 0, 100), 7); // no size known: unchanged
}

} // namespace
