// The photos of the places, shown beside the map when the eye rests on one
// (90 x 74). Where the story or a race already has a picture of the place, the
// photo is a view into it, framed on what the place is known for; the places
// that have no other picture are drawn here, at three times the size and
// reduced, so their edges come out smooth.
#include "tools/assetgen/Art.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr int PW = 90;
constexpr int PH = 74;
constexpr int kSuper = 3; // drawn scenes are painted this many times larger
constexpr double kPi = std::numbers::pi;

// The part (x, y, w, h) of a picture reduced to the photo's size; every photo
// pixel is the exact area average of what it covers.
Image reduce(const Image& src, double x, double y, double w, double h) {
    Image out(PW, PH);
    const double sx = w / PW, sy = h / PH;
    for (int oy = 0; oy < PH; ++oy)
        for (int ox = 0; ox < PW; ++ox) {
            const double x0 = x + ox * sx, x1 = x0 + sx, y0 = y + oy * sy, y1 = y0 + sy;
            double r = 0, g = 0, b = 0, total = 0;
            for (int j = static_cast<int>(std::floor(y0)); j < static_cast<int>(std::ceil(y1));
                 ++j) {
                const double wy = std::min(y1, j + 1.0) - std::max(y0, static_cast<double>(j));
                if (wy <= 0) continue;
                const int sj = std::clamp(j, 0, src.height - 1);
                for (int i = static_cast<int>(std::floor(x0)); i < static_cast<int>(std::ceil(x1));
                     ++i) {
                    const double wx = std::min(x1, i + 1.0) - std::max(x0, static_cast<double>(i));
                    if (wx <= 0) continue;
                    const std::uint32_t c = src.at(std::clamp(i, 0, src.width - 1), sj);
                    const double wgt = wx * wy;
                    r += draw::red(c) * wgt;
                    g += draw::green(c) * wgt;
                    b += draw::blue(c) * wgt;
                    total += wgt;
                }
            }
            out.at(ox, oy) = rgb(static_cast<int>(std::lround(r / total)),
                                 static_cast<int>(std::lround(g / total)),
                                 static_cast<int>(std::lround(b / total)));
        }
    return out;
}

// A view into a picture: its left edge and top, and the width of the view
// (the height follows the photo's shape).
Image view(const Image& src, double x, double y, double w) {
    return reduce(src, x, y, w, w * PH / PW);
}

// A photo's finish: a little contrast, darker corners and a thin dark edge.
Image finish(Image img) {
    for (std::uint32_t& p : img.pixels) {
        auto curve = [](int v) {
            const double t = v / 255.0;
            const double s = t * t * (3 - 2 * t); // gentle S-curve
            return std::clamp(static_cast<int>(std::lround((t * 0.7 + s * 0.3) * 255)), 0, 255);
        };
        p = rgb(curve(draw::red(p)), curve(draw::green(p)), curve(draw::blue(p)));
    }
    vignette(img, 0.3);
    draw::frameRect(img, 0, 0, PW, PH, rgb(16, 14, 22));
    draw::frameRect(draw::Target(img).faded(0.25), 1, 1, PW - 2, PH - 2, rgb(255, 255, 255));
    return img;
}

// ---- the places drawn here (design units: the photo's pixels) ----

constexpr int SW = PW * kSuper;
constexpr int SH = PH * kSuper;

Pen scenePen(Image& big) {
    return Pen{big, 0, 0, kSuper};
}

void sceneText(Image& big, double cx, double cy, const std::string& utf8, double size,
               std::uint32_t top, std::uint32_t bottom, std::uint32_t outline) {
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", static_cast<int>(size * kSuper), true};
    st.top = top;
    st.bottom = bottom;
    st.outline = kSuper;
    st.outlineColour = outline;
    draw::textCentred(big, static_cast<int>(cx * kSuper), static_cast<int>(cy * kSuper), utf8, st);
}

// Corrugated sheet: vertical ribs over a base colour, rusted in patches.
void corrugated(Image& big, double x, double y, double w, double h, std::uint32_t base,
                std::uint32_t seed) {
    const int x0 = static_cast<int>(x * kSuper), y0 = static_cast<int>(y * kSuper);
    const int x1 = static_cast<int>((x + w) * kSuper), y1 = static_cast<int>((y + h) * kSuper);
    for (int j = std::max(0, y0); j < std::min(SH, y1); ++j)
        for (int i = std::max(0, x0); i < std::min(SW, x1); ++i) {
            const double rib = 0.85 + 0.2 * std::sin(i * 2 * kPi / 6.0);
            const double rust = draw::fractalNoise(i / 20.0, j / 20.0, seed, 3);
            std::uint32_t c = mix(base, rgb(150, 76, 40), std::clamp((rust - 0.5) * 2.5, 0.0, 0.8));
            big.at(i, j) = scale(c, rib);
        }
}

// A motorcycle parked facing right, 16 units long, wheels on groundY; a
// touring one carries a bag and a box behind its seat.
void parkedBike(const Pen& p, double x, double g, std::uint32_t colour, bool touring) {
    p.ellipse(x + 8, g + 0.3, 9, 0.9, rgb(10, 10, 16)); // its shadow
    for (double wx : {x + 3.0, x + 13.0}) {
        p.circle(wx, g - 3, 3, rgb(24, 22, 26));
        p.circle(wx, g - 3, 1.9, rgb(150, 154, 166));
        p.circle(wx, g - 3, 0.7, rgb(60, 60, 70));
    }
    p.line(x + 6.5, g - 2.4, x + 0.5, g - 3.6, 1.1, rgb(200, 200, 210)); // exhaust
    p.poly({{x + 5.5, g - 6}, {x + 10.5, g - 6}, {x + 10, g - 2.5}, {x + 6, g - 2.5}},
           rgb(70, 72, 80));                                    // engine
    p.line(x + 3, g - 3, x + 7, g - 5.5, 0.9, rgb(50, 50, 56)); // swingarm
    p.poly({{x + 0.5, g - 6.2}, {x + 4, g - 7}, {x + 6, g - 6}, {x + 1.5, g - 5.3}}, colour);
    p.poly({{x + 3, g - 7.8}, {x + 7.8, g - 7.6}, {x + 7.8, g - 6.4}, {x + 3, g - 6.6}},
           rgb(30, 28, 32)); // seat
    p.poly({{x + 7.2, g - 8.6}, {x + 11, g - 9.2}, {x + 12, g - 6.5}, {x + 7.2, g - 6.2}},
           p.vgrad(g - 9.2, scale(colour, 1.3), g - 6.2, scale(colour, 0.75))); // tank
    p.line(x + 13, g - 3, x + 11.4, g - 10.5, 0.9, rgb(190, 190, 200));         // fork
    p.line(x + 10.4, g - 10.8, x + 12.4, g - 10.2, 0.7, rgb(40, 40, 46));       // handlebar
    p.circle(x + 12.9, g - 8.6, 1.0, rgb(255, 250, 220));
    if (touring) {
        p.roundRect(x + 0.2, g - 10.8, 4.2, 3.4, 0.6, rgb(60, 62, 74));
        p.line(x + 0.2, g - 9.2, x + 4.4, g - 9.2, 0.4, rgb(230, 200, 60));
        p.roundRect(x + 3.6, g - 9.6, 4, 2.2, 1, rgb(40, 90, 60)); // a rolled tent
    }
}

// 5: the parts shop at dusk: a lit front full of helmets and tyres, bikes outside.
Image partsShop() {
    Image big(SW, SH);
    const Pen p = scenePen(big);
    sky(big, 0, 40 * kSuper,
        {rgb(40, 30, 80), rgb(120, 70, 120), rgb(240, 140, 100), rgb(255, 200, 140)});
    draw::Rng rng(505);
    SkylineStyle st;
    st.baseY = 44 * kSuper;
    st.minH = 10 * kSuper;
    st.maxH = 26 * kSuper;
    st.minW = 8 * kSuper;
    st.maxW = 18 * kSuper;
    st.top = rgb(70, 50, 90);
    st.bottom = rgb(50, 36, 70);
    st.windows = 0.3;
    st.windowW = 2 * kSuper / 2;
    st.windowH = 3;
    skyline(big, rng, st, 0, SW);
    // The shop: a wide box with a sign along its top.
    p.roundRect(6, 14, 78, 46, 1, p.vgrad(14, rgb(236, 232, 226), 60, rgb(190, 186, 184)));
    p.roundRect(6, 14, 78, 13, 1, p.vgrad(14, rgb(30, 60, 150), 27, rgb(20, 36, 100)));
    for (int i = 0; i < 26; ++i) // a chequered band under the sign
        p.poly({{6 + i * 3.0, 27}, {9 + i * 3.0, 27}, {9 + i * 3.0, 29}, {6 + i * 3.0, 29}},
               i % 2 ? rgb(20, 20, 24) : rgb(245, 245, 240));
    sceneText(big, 45, 20.5, "バイクパーツ", 8.5, rgb(255, 250, 220), rgb(255, 210, 90),
              rgb(10, 16, 50));
    // Windows with the wares: helmets on shelves, tyres, a jacket.
    for (int w = 0; w < 2; ++w) {
        const double x = 9 + w * 40;
        p.roundRect(x, 31, 32, 20, 0.5, p.vgrad(31, rgb(255, 240, 200), 51, rgb(240, 200, 140)));
        p.line(x, 41, x + 32, 41, 0.8, rgb(150, 120, 90));
        static const std::uint32_t helmets[] = {rgb(220, 40, 40), rgb(40, 90, 200),
                                                rgb(250, 250, 250), rgb(30, 30, 34),
                                                rgb(250, 200, 40)};
        for (int k = 0; k < 5; ++k) {
            const double hx = x + 4 + k * 6, hy = 37.5;
            p.circle(hx, hy, 2.4, helmets[(k + w * 2) % 5]);
            p.roundRect(hx - 1.6, hy - 1, 3, 1.3, 0.4, rgb(40, 60, 100)); // visor
        }
        for (int k = 0; k < 3; ++k) {
            p.ring(x + 6 + k * 10, 47, 1.5, 3.6, rgb(36, 34, 38));
            p.circle(x + 6 + k * 10, 47, 1.5, rgb(170, 170, 180));
        }
        p.line(x, 31, x + 32, 31, 1, rgb(60, 60, 70));
        draw::glowEllipse(big, (x + 16) * kSuper, 52 * kSuper, 20 * kSuper, 3 * kSuper,
                          rgb(255, 220, 150), 0.4);
    }
    p.roundRect(41.5, 33, 7, 18, 0.5, rgb(90, 110, 130)); // the door
    p.roundRect(42.5, 34, 5, 16, 0.5, p.vgrad(34, rgb(200, 230, 255), 50, rgb(140, 170, 200)));
    // The forecourt and two bikes parked on it.
    p.roundRect(0, 51, 90, 23, 0, p.vgrad(51, rgb(120, 116, 124), 74, rgb(70, 66, 76)));
    for (int i = 0; i < 8; ++i)
        p.line(i * 13.0, 51, i * 13.0 - 8, 74, 0.4, rgb(90, 86, 96));
    parkedBike(p, 10, 70, rgb(40, 90, 200), false);
    parkedBike(p, 62, 70, rgb(220, 50, 40), false);
    // Flags by the door.
    for (double x : {3.0, 87.0}) {
        p.line(x, 58, x, 26, 0.8, rgb(200, 200, 210));
        p.poly({{x, 27}, {x + (x < 45 ? 5 : -5), 28}, {x + (x < 45 ? 5 : -5), 44}, {x, 44}},
               rgb(230, 50, 40));
    }
    return reduce(big, 0, 0, SW, SH);
}

// 14: the junk shop: a shack patched from sheets, its hand-painted sign, parts
// hung on the wall and piled at the door, under a cold dusk.
Image junkShopPhoto() {
    Image big(SW, SH);
    const Pen p = scenePen(big);
    sky(big, 0, 40 * kSuper, {rgb(30, 34, 60), rgb(80, 80, 110), rgb(170, 140, 150)});
    // Heaps behind.
    for (int k = 0; k < 2; ++k) {
        std::vector<Point> pts{{0, 40}};
        for (int i = 0; i <= 30; ++i) {
            const double x = i * 3.0;
            pts.push_back({x, 26 + k * 6 - 10 * std::sin(i * 0.21 + k * 2) -
                                  4 * draw::valueNoise(i * 0.9, k * 3.0, 71)});
        }
        pts.push_back({90, 40});
        p.poly(pts, k ? rgb(70, 62, 70) : rgb(96, 86, 96));
    }
    // The ground.
    p.roundRect(0, 40, 90, 34, 0, p.vgrad(40, rgb(100, 90, 84), 74, rgb(50, 44, 44)));
    // The shack: sheets of different colours, a slanted roof.
    corrugated(big, 14, 20, 22, 32, rgb(150, 150, 146), 72);
    corrugated(big, 36, 18, 24, 34, rgb(100, 140, 170), 73);
    corrugated(big, 60, 22, 16, 30, rgb(170, 120, 80), 74);
    p.poly({{10, 20}, {80, 14}, {80, 20}, {10, 24}}, rgb(120, 70, 50));
    p.line(10, 22, 80, 17, 0.6, rgb(200, 130, 90));
    p.roundRect(38, 33, 14, 19, 0.5, rgb(34, 28, 30)); // the open door
    draw::glow(big, 45 * kSuper, 42 * kSuper, 14 * kSuper, rgb(255, 190, 110), 0.5);
    p.roundRect(40, 35, 10, 17, 0.5, p.vgrad(35, rgb(120, 80, 50), 52, rgb(60, 40, 30)));
    // The bare bulb over the door.
    p.line(45, 25, 45, 29, 0.5, rgb(30, 30, 30));
    draw::glow(big, 45 * kSuper, 30 * kSuper, 10 * kSuper, rgb(255, 220, 150), 0.8);
    p.circle(45, 30, 1.2, rgb(255, 250, 220));
    // The sign: a board painted by hand, hung a little crooked.
    p.poly({{16, 23.5}, {38, 22.5}, {38.5, 31}, {16.5, 32}}, rgb(230, 214, 170));
    p.poly({{16, 23.5}, {38, 22.5}, {38.2, 23.6}, {16.2, 24.6}}, rgb(190, 170, 120));
    sceneText(big, 27.3, 27.3, "がらくた屋", 5.2, rgb(150, 30, 24), rgb(110, 20, 16),
              rgb(230, 214, 170));
    // Parts hung on the wall: wheels, a silencer, a chain.
    p.ring(66, 30, 2, 4.5, rgb(36, 34, 38));
    p.ring(66, 30, 0.6, 1.6, rgb(180, 180, 190));
    p.line(62, 40, 73, 37, 2, p.vgrad(36, rgb(220, 220, 230), 41, rgb(120, 120, 130)));
    for (int i = 0; i < 8; ++i)
        p.circle(20 + i * 1.6, 38 + std::sin(i * 0.8) * 1.5, 0.7, rgb(70, 70, 76));
    // Piles at the door: a stack of tyres, drums, a tank.
    for (int i = 0; i < 4; ++i)
        p.ellipse(10, 60 - i * 3.2, 6, 2, i % 2 ? rgb(30, 28, 32) : rgb(44, 42, 46));
    p.roundRect(74, 48, 7, 11, 1, p.vgrad(48, rgb(40, 110, 170), 59, rgb(20, 60, 110)));
    p.roundRect(81, 50, 7, 9, 1, p.vgrad(50, rgb(200, 80, 40), 59, rgb(120, 40, 20)));
    p.ellipse(60, 58, 7, 3.5, rgb(210, 180, 60)); // a fuel tank on the ground
    p.ellipse(59, 57, 3, 1.2, rgb(250, 230, 140));
    for (int i = 0; i < 18; ++i) {
        const double x = 22 + i * 3.2, y = 62 + std::sin(i * 1.7) * 3;
        p.roundRect(x, y, 2.2, 1.4, 0.3, scale(rgb(150, 150, 160), 0.5 + (i % 5) * 0.12));
    }
    return reduce(big, 0, 0, SW, SH);
}

// 15: the ferry port: the quay at dusk, the waste ship at the berth, the
// mainland's lights across the water.
Image ferryPortPhoto() {
    Image big(SW, SH);
    const Pen p = scenePen(big);
    sky(big, 0, 34 * kSuper,
        {rgb(30, 30, 70), rgb(90, 70, 110), rgb(210, 130, 110), rgb(240, 180, 130)});
    draw::Rng rng(1515);
    SkylineStyle st; // the mainland far away
    st.baseY = 34 * kSuper;
    st.minH = 3 * kSuper;
    st.maxH = 10 * kSuper;
    st.minW = 3 * kSuper;
    st.maxW = 8 * kSuper;
    st.top = rgb(90, 70, 110);
    st.bottom = rgb(80, 64, 100);
    st.windows = 0.35;
    st.windowW = 2;
    st.windowH = 2;
    skyline(big, rng, st, 0, SW);
    // The sea.
    for (int y = 34 * kSuper; y < SH; ++y)
        draw::fillRect(
            big, 0, y, SW, 1,
            mix(rgb(120, 100, 130), rgb(30, 40, 80), (y - 34.0 * kSuper) / (20 * kSuper)));
    for (int i = 0; i < 60; ++i) {
        const double x = rng.real(0, 90), y = rng.real(35, 56);
        p.line(x, y, x + rng.real(2, 5), y, 0.4, rgb(240, 170, 130));
    }
    // The ship: a long hull, its hold heaped with rubbish, the bridge aft.
    p.poly({{6, 44}, {62, 44}, {66, 38}, {70, 37}, {68, 52}, {10, 52}},
           p.vgrad(37, rgb(160, 70, 50), 52, rgb(90, 40, 34)));
    p.line(8, 46, 66, 46, 0.6, rgb(230, 220, 210));
    for (int i = 0; i < 40; ++i) {
        const double x = 20 + i * 1.1,
                     y = 43 - 3 * std::sin(i / 40.0 * kPi) * (0.7 + 0.5 * std::sin(i));
        p.circle(x, y, 1.6, scale(rgb(130, 120, 110), 0.6 + (i * 37 % 40) / 100.0));
    }
    p.roundRect(7, 33, 11, 11, 0.5, p.vgrad(33, rgb(240, 240, 236), 44, rgb(190, 190, 190)));
    for (int k = 0; k < 3; ++k)
        p.roundRect(8.5 + k * 3.2, 35, 2.4, 2, 0.3, rgb(255, 220, 150));
    p.roundRect(10, 28, 3, 5, 0.3, rgb(60, 60, 70)); // funnel
    p.line(12, 28, 12, 22, 0.4, rgb(200, 200, 210));
    draw::glow(big, 12 * kSuper, 22 * kSuper, 3 * kSuper, rgb(255, 80, 70), 0.8);
    // The crane on the quay leaning over the hold.
    p.line(74, 60, 74, 20, 2, rgb(230, 120, 40));
    p.line(74, 22, 40, 30, 1.4, rgb(240, 140, 50));
    p.line(48, 28.2, 48, 40, 0.3, rgb(40, 40, 40));
    p.roundRect(45.5, 39.5, 5, 2.5, 0.4, rgb(70, 70, 80)); // the grab
    // The quay in front, with bollards and a lamp.
    p.roundRect(0, 56, 90, 18, 0, p.vgrad(56, rgb(150, 146, 140), 74, rgb(90, 86, 84)));
    p.line(0, 56.5, 90, 56.5, 1, rgb(220, 200, 90));
    for (double x : {20.0, 52.0}) {
        p.roundRect(x - 2, 53, 4, 4, 1.5, rgb(60, 60, 66));
        p.line(x, 55, x + 9, 49, 0.4, rgb(200, 190, 160)); // the mooring line
    }
    p.line(84, 62, 84, 40, 1, rgb(50, 50, 60));
    draw::glow(big, 83 * kSuper, 40 * kSuper, 14 * kSuper, rgb(255, 200, 120), 0.5);
    p.circle(83, 40, 1.1, rgb(255, 250, 220));
    // Gulls.
    for (int i = 0; i < 5; ++i) {
        const double x = rng.real(20, 80), y = rng.real(6, 24), s = rng.real(1.5, 2.5);
        p.line(x - s, y - s * 0.4, x, y, 0.5, rgb(240, 240, 240));
        p.line(x, y, x + s, y - s * 0.4, 0.5, rgb(240, 240, 240));
    }
    return reduce(big, 0, 0, SW, SH);
}

// 20: the island road at night, straight between the heaps towards the lights
// of the port, a fence and a few lamps beside it.
Image islandRoadPhoto() {
    Image big(SW, SH);
    const Pen p = scenePen(big);
    const double hy = 32; // the horizon
    sky(big, 0, static_cast<int>(hy * kSuper),
        {rgb(6, 8, 22), rgb(20, 22, 54), rgb(60, 50, 90), rgb(120, 80, 100)});
    draw::Rng rng(2020);
    stars(big, rng, 50, 22 * kSuper);
    moon(big, 18 * kSuper, 8 * kSuper, 3 * kSuper, rgb(220, 230, 255));
    // Heaps on both sides.
    for (int side = 0; side < 2; ++side) {
        std::vector<Point> pts;
        const double x0 = side ? 48 : 0, x1 = side ? 90 : 42;
        pts.push_back({x0, hy + 2});
        for (int i = 0; i <= 24; ++i) {
            const double t = i / 24.0, x = x0 + (x1 - x0) * t;
            const double rise = side ? t : 1 - t; // higher away from the road
            pts.push_back({x, hy - 2 -
                                  16 * rise * (0.7 + 0.5 * draw::valueNoise(i * 0.7, side, 81)) -
                                  1.5 * draw::valueNoise(i * 3.1, side + 5.0, 82)});
        }
        pts.push_back({x1, hy + 2});
        p.poly(pts, p.vgrad(hy - 18, rgb(70, 62, 76), hy, rgb(30, 28, 38)));
        for (int i = 0; i < 30; ++i) { // pieces catching the moonlight
            const double x = rng.real(x0 + 2, x1 - 2), y = rng.real(hy - 5, hy);
            p.roundRect(x, y, rng.real(0.8, 2), rng.real(0.5, 1.2), 0.2,
                        scale(rgb(140, 140, 160), rng.real(0.4, 0.9)));
        }
    }
    // The road, in perspective, its centre line running to the port's lights.
    p.poly({{44, hy}, {46, hy}, {90, 74}, {0, 74}},
           p.vgrad(hy, rgb(40, 40, 50), 74, rgb(70, 68, 78)));
    p.poly({{0, hy}, {44, hy}, {0, 74}}, p.vgrad(hy, rgb(30, 28, 36), 74, rgb(44, 40, 44)));
    p.poly({{46, hy}, {90, hy}, {90, 74}}, p.vgrad(hy, rgb(30, 28, 36), 74, rgb(44, 40, 44)));
    for (int k = 0; k < 7; ++k) {
        const double t0 = std::pow(k / 7.0, 2), t1 = std::pow((k + 0.45) / 7.0, 2);
        const double y0 = hy + (74 - hy) * t0, y1 = hy + (74 - hy) * t1;
        const double w0 = 0.2 + 1.6 * t0, w1 = 0.2 + 1.6 * t1;
        p.poly({{45 - w0 / 2, y0}, {45 + w0 / 2, y0}, {45 + w1 / 2, y1}, {45 - w1 / 2, y1}},
               rgb(230, 220, 190));
    }
    // Fill the ground beside the road with rubble, darker near the viewer.
    for (int i = 0; i < 80; ++i) {
        const double y = rng.real(hy + 1, 74);
        const double edge = 45 - 45 * (y - hy) / (74 - hy); // the road's left edge there
        const bool left = rng.uniform() < 0.5;
        const double x = left ? rng.real(0, std::max(0.5, edge - 1)) : rng.real(90 - edge + 1, 90);
        p.roundRect(x, y, 0.5 + (y - hy) * 0.06, 0.4 + (y - hy) * 0.03, 0.2,
                    scale(rgb(120, 110, 110), rng.real(0.3, 0.7)));
    }
    // The fence on the left and the lamps along the right.
    for (int k = 0; k < 8; ++k) {
        const double t = std::pow((k + 1) / 8.0, 1.6);
        const double x = 41 - 62 * t, y = hy + (74 - hy) * t, h = 2 + 22 * t;
        p.line(x, y, x, y - h, 0.3 + 0.5 * t, rgb(110, 110, 120));
    }
    for (int k = 0; k < 20; ++k) {
        const double t = k / 20.0;
        const double tt = std::pow(t, 1.6);
        const double xa = 41 - 62 * tt, ya = hy + (74 - hy) * tt, ha = 2 + 22 * tt;
        const double tb = std::pow(t + 0.05, 1.6);
        const double xb = 41 - 62 * tb, yb = hy + (74 - hy) * tb, hb = 2 + 22 * tb;
        for (double f : {0.3, 0.9}) // the wires of the fence
            p.line(xa, ya - ha * f, xb, yb - hb * f, 0.2 + 0.3 * t, rgb(90, 90, 100));
    }
    for (int k = 0; k < 4; ++k) {
        const double t = std::pow((k + 1) / 4.5, 1.7);
        const double x = 49 + 56 * t, y = hy + (74 - hy) * t, h = 3 + 30 * t;
        p.line(x, y, x, y - h, 0.3 + 0.6 * t, rgb(60, 60, 70));
        p.line(x, y - h, x - 1 - 3 * t, y - h, 0.3 + 0.5 * t, rgb(60, 60, 70));
        draw::glow(big, (x - 1 - 3 * t) * kSuper, (y - h + 0.6) * kSuper, (2 + 8 * t) * kSuper,
                   rgb(255, 200, 120), 0.55);
        draw::glowEllipse(big, (x - 6 * t) * kSuper, (y + 1) * kSuper, (3 + 12 * t) * kSuper,
                          (0.6 + 2 * t) * kSuper, rgb(255, 190, 110), 0.3);
    }
    // The port's lights where the road ends.
    for (int i = 0; i < 6; ++i)
        draw::glow(big, (40 + i * 2.4) * kSuper, (hy - 0.5) * kSuper, 2.5 * kSuper,
                   rgb(255, 220, 160), 0.6);
    return reduce(big, 0, 0, SW, SH);
}
} // namespace

Image placePicture(int place) {
    Image photo;
    switch (place) {
    case 1: // the shopping street: 乙木ピザ's front
        photo = view(backPicture(4), 100, 0, 400);
        break;
    case 2: // the driving school and its course
        photo = view(raceBackground(9), 53, 0, 220);
        break;
    case 3: // the station at night
        photo = view(backPicture(6), 70, 20, 380);
        break;
    case 5:
        photo = partsShop();
        break;
    case 14:
        photo = junkShopPhoto();
        break;
    case 15:
        photo = ferryPortPhoto();
        break;
    case 20:
        photo = islandRoadPhoto();
        break;
    case 4: // 玉崎街道: the home centre and its car park
        photo = view(raceBackground(1), 0, 0, 220);
        break;
    case 6: // the stadium's stands under the floodlights
        photo = view(raceBackground(5), 120, 0, 220);
        break;
    case 8: // the riders' house at dusk, its sign on the roof and the bikes at the kerb
        photo = view(backPicture(9), 16, 8, 340);
        break;
    case 7: // the bay city and its wheel
        photo = view(backPicture(7), 0, 30, 380);
        break;
    case 9: // the bay street below the bridge
        photo = view(raceBackground(3), 90, 0, 220);
        break;
    case 10: // 玉崎街道 further south: the family restaurant, open all night
        photo = view(raceBackground(1), 290, 0, 220);
        break;
    case 11: // the port's cranes and the heavy industry behind them
        photo = view(backPicture(12), 40, 0, 400);
        break;
    case 12: // the heaps of the island
        photo = view(backPicture(14), 0, 80, 360);
        break;
    case 13: // the grass track at night, under the floodlight
        photo = view(raceBackground(2), 40, 0, 220);
        break;
    case 16: // the expressway towards 東京
        photo = view(raceBackground(7), 200, 0, 220);
        break;
    case 17: // 地蔵通り's old houses and statues
        photo = view(raceBackground(8), 250, 0, 220);
        break;
    case 18: // the arterial road under the city's towers
        photo = view(raceBackground(4), 250, 0, 220);
        break;
    case 19: // the coast road at sunset
        photo = view(coastRoad(), 60, 40, 380);
        break;
    default: // not a place: the city at night
        photo = view(backPicture(1), 0, 0, 400);
        break;
    }
    return finish(std::move(photo));
}

} // namespace zb::art
