// The sixteen frame backgrounds shown behind menus and story scenes. 01 to 03
// are decorative patterns for menus, 04 to 16 are places of the story (the
// scene's message box covers the area below y = 271). The places painted with
// their own light are in StoryPlaces.cpp.
#include "tools/assetgen/Art.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr int W = 514;
constexpr int H = 385;
constexpr double kPi = std::numbers::pi;

// Dashed centre line of a perspective road.
void laneMarks(Image& img, const Camera& c, double x, double width, double zNear, double zFar,
               double dash, double gap, std::uint32_t colour) {
    for (double z = zNear; z < zFar; z += dash + gap) {
        const double fade = 1 - (z - zNear) / (zFar - zNear);
        draw::fillPolygon(img, quad(c, x - width / 2, x + width / 2, 0, 0, z, z + dash),
                          mix(scale(colour, 0.3), colour, fade));
    }
}

// A neon frame around the picture, for the menu backgrounds.
void neonFrame(Image& img, std::uint32_t a, std::uint32_t b) {
    draw::Target t = img;
    for (int i = 0; i < 3; ++i)
        draw::frameRect(t.faded(0.25 - i * 0.07), 6 - i * 2, 6 - i * 2, W - 12 + i * 4,
                        H - 12 + i * 4, draw::horizontal(0, a, W, b), 2);
    draw::frameRect(img, 8, 8, W - 16, H - 16, draw::horizontal(0, a, W, b), 1);
    for (const Point& p :
         {Point{8, 8}, Point{W - 9.0, 8}, Point{8, H - 9.0}, Point{W - 9.0, H - 9.0}})
        draw::glow(img, p.x, p.y, 14, p.x < W / 2.0 ? a : b, 0.7);
}

// 01: the default frame. Indigo with fine diagonal stripes, a soft city at the
// bottom and a neon border.
Image back01() {
    Image img(W, H);
    sky(img, 0, H, {rgb(12, 10, 34), rgb(30, 18, 66), rgb(58, 24, 86)});
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if ((x + y) % 9 < 2) img.at(x, y) = scale(img.at(x, y), 1.22);
    draw::Rng rng(101);
    stars(img, rng, 60, 200, 0.6);
    SkylineStyle st;
    st.baseY = H;
    st.minH = 40;
    st.maxH = 130;
    st.top = rgb(40, 22, 70);
    st.bottom = rgb(18, 10, 36);
    st.windows = 0.25;
    st.windowGlow = 0.6;
    skyline(img, rng, st, 0, W);
    draw::fillRect(draw::Target(img).faded(0.5), 0, H - 60, W, 60,
                   draw::vertical(H - 60, rgb(58, 24, 86), H, rgb(200, 60, 140)));
    neonFrame(img, rgb(255, 70, 170), rgb(60, 220, 255));
    return img;
}

// 02: racing checks fading across a red-black ground with speed streaks.
Image back02() {
    Image img(W, H);
    sky(img, 0, H, {rgb(70, 8, 14), rgb(30, 4, 10), rgb(10, 4, 8)});
    const double cell = 22;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            // Checks turned 20 degrees, fading out towards the lower left.
            const double u = (x * 0.94 + y * 0.34) / cell;
            const double v = (-x * 0.34 + y * 0.94) / cell;
            const bool dark =
                ((static_cast<int>(std::floor(u)) + static_cast<int>(std::floor(v))) & 1) != 0;
            const double fade = std::clamp((x - y * 0.6) / 420.0, 0.0, 1.0);
            if (!dark) img.at(x, y) = mix(img.at(x, y), rgb(230, 226, 220), 0.28 * fade);
        }
    }
    draw::Rng rng(202);
    for (int i = 0; i < 40; ++i) {
        const double y = rng.real(0, H);
        const double x = rng.real(-100, W);
        draw::line(draw::Target(img).faded(rng.real(0.1, 0.3)), x, y, x + rng.real(80, 260), y - 20,
                   rng.real(1, 3), rgb(255, 120, 80));
    }
    neonFrame(img, rgb(255, 60, 60), rgb(255, 210, 80));
    return img;
}

// 03: a glowing sun over a purple grid.
Image back03() {
    Image img(W, H);
    const int hy = 210;
    sky(img, 0, hy, {rgb(10, 6, 30), rgb(40, 10, 70), rgb(140, 30, 110), rgb(255, 110, 90)});
    draw::Rng rng(303);
    stars(img, rng, 80, 150, 0.8);
    const double sx = W / 2.0;
    const double sy = 150;
    const double sr = 78;
    draw::glow(img, sx, sy, sr * 2.2, rgb(255, 90, 140), 0.4);
    draw::fillCircle(img, sx, sy, sr,
                     draw::vertical(sy - sr, rgb(255, 240, 120), sy + sr, rgb(255, 60, 150)));
    // Slits across the lower half of the sun.
    for (int i = 0; i < 6; ++i) {
        const double y = sy + 10 + i * 11;
        draw::fillRect(img, static_cast<int>(sx - sr), static_cast<int>(y),
                       static_cast<int>(2 * sr), 2 + i,
                       draw::vertical(0, rgb(120, 30, 110), hy, rgb(255, 110, 90)));
    }
    // Mountains against the horizon.
    std::vector<Point> hills{{0, hy}};
    for (int x = 0; x <= W; x += 8)
        hills.push_back(
            {static_cast<double>(x), hy - 18 - 30 * draw::fractalNoise(x / 90.0, 0, 33, 3)});
    hills.push_back({W, hy});
    draw::fillPolygon(img, hills, draw::vertical(hy - 50, rgb(60, 16, 80), hy, rgb(20, 6, 36)));
    draw::fillRect(img, 0, hy, W, H - hy, draw::vertical(hy, rgb(30, 6, 50), H, rgb(8, 2, 18)));
    Camera c;
    c.hy = hy;
    c.f = 260;
    c.eye = 1;
    const std::uint32_t grid = rgb(255, 80, 200);
    for (int i = -30; i <= 30; ++i) {
        const Point a = c.at(i * 1.2, 0, 0.6);
        const Point b = c.at(i * 1.2, 0, 200);
        draw::line(draw::Target(img).faded(0.7), a.x, a.y, b.x, b.y, 1.2, grid);
    }
    for (double z = 1; z < 60; z *= 1.25) {
        const double y = c.at(0, 0, z).y;
        draw::fillRect(draw::Target(img).faded(std::min(1.0, 3 / z)), 0, static_cast<int>(y), W, 1,
                       grid);
    }
    draw::fillRect(draw::Target(img).faded(0.6), 0, hy - 1, W, 3, rgb(255, 200, 230));
    return img;
}

// 04: the pizza shop 乙木ピザ in the shopping street at dusk.
Image back04() {
    Image img(W, H);
    sky(img, 0, 200, {rgb(40, 30, 90), rgb(130, 60, 120), rgb(250, 140, 90), rgb(255, 200, 120)});
    draw::Rng rng(404);
    // Neighbours: plain shop houses with shutters.
    auto house = [&](int x, int w, int top, std::uint32_t wall) {
        draw::fillRect(img, x, top, w, 300 - top,
                       draw::vertical(top, wall, 300, scale(wall, 0.55)));
        draw::fillRect(img, x, top - 6, w, 6, scale(wall, 0.5));
        for (int wy = top + 16; wy < 150; wy += 40)
            for (int wx = x + 12; wx + 26 < x + w; wx += 40) {
                draw::fillRect(img, wx, wy, 26, 22,
                               rng.uniform() < 0.5 ? rgb(255, 210, 130) : rgb(50, 44, 70));
                draw::frameRect(img, wx - 1, wy - 1, 28, 24, scale(wall, 0.5));
            }
        // Closed shutter.
        draw::fillRect(img, x + 8, 190, w - 16, 110,
                       draw::vertical(190, rgb(150, 150, 160), 300, rgb(90, 90, 104)));
        for (int y = 192; y < 300; y += 5)
            draw::fillRect(img, x + 8, y, w - 16, 1, rgb(70, 70, 84));
        draw::fillRect(img, x + 4, 172, w - 8, 16, scale(wall, 0.4));
    };
    house(-10, 120, 40, rgb(150, 120, 110));
    house(404, 130, 60, rgb(120, 130, 150));
    // The shop itself.
    const int sx = 110, sw = 294;
    draw::fillRect(img, sx, 30, sw, 270,
                   draw::vertical(30, rgb(236, 220, 196), 300, rgb(170, 150, 130)));
    draw::fillRect(img, sx - 4, 24, sw + 8, 8, rgb(120, 60, 50));
    for (int wx : {140, 230, 320}) { // upstairs windows with curtains
        draw::fillRect(img, wx, 44, 54, 40, rgb(255, 214, 140));
        draw::fillRect(img, wx, 44, 16, 40, rgb(220, 120, 100));
        draw::fillRect(img, wx + 38, 44, 16, 40, rgb(220, 120, 100));
        draw::frameRect(img, wx - 2, 42, 58, 44, rgb(110, 70, 60), 2);
    }
    // Sign board.
    draw::fillRoundRect(img, 130, 94, 254, 44, 6,
                        draw::vertical(94, rgb(255, 248, 230), 138, rgb(235, 220, 190)));
    draw::frameRect(img, 130, 94, 254, 44, rgb(180, 40, 34), 3);
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", 30, true};
    st.top = rgb(230, 50, 40);
    st.bottom = rgb(150, 20, 20);
    st.outline = 2;
    st.outlineColour = rgb(255, 255, 255);
    st.shadowX = 2;
    st.shadowY = 2;
    st.shadowColour = rgb(120, 90, 60);
    draw::textCentred(img, 277, 116, "乙木ピザ", st);
    // Pizza emblem on the sign.
    draw::fillCircle(img, 164, 116, 16, rgb(230, 160, 60));
    draw::fillCircle(img, 164, 116, 13, rgb(250, 210, 100));
    for (int i = 0; i < 6; ++i) {
        const double a = i * kPi / 3 + 0.3;
        draw::fillCircle(img, 164 + std::cos(a) * 7, 116 + std::sin(a) * 7, 2.6, rgb(200, 50, 40));
    }
    // Striped awning with a scalloped edge.
    std::vector<Point> awning{{118, 148}, {396, 148}, {414, 178}, {100, 178}};
    draw::fillPolygon(img, awning, rgb(250, 246, 236));
    for (int i = 0; i < 12; i += 2) {
        const double x0 = 118 + i * 278 / 12.0, x1 = 118 + (i + 1) * 278 / 12.0;
        const double b0 = 100 + i * 314 / 12.0, b1 = 100 + (i + 1) * 314 / 12.0;
        draw::fillPolygon(img, {{x0, 148}, {x1, 148}, {b1, 178}, {b0, 178}}, rgb(214, 40, 36));
    }
    for (int i = 0; i < 12; ++i) {
        const double cx = 100 + (i + 0.5) * 314 / 12.0;
        draw::fillEllipse(img, cx, 178, 314 / 24.0, 7,
                          i % 2 ? rgb(250, 246, 236) : rgb(214, 40, 36));
    }
    draw::fillRect(draw::Target(img).faded(0.35), 100, 185, 314, 8, rgb(40, 20, 20));
    // Shop window with the warm inside: counter, oven, menu.
    draw::fillRect(img, 126, 192, 172, 100,
                   draw::vertical(192, rgb(255, 220, 150), 292, rgb(220, 150, 90)));
    draw::fillRect(img, 140, 250, 144, 42, rgb(150, 90, 60));
    draw::fillRect(img, 140, 248, 144, 4, rgb(200, 140, 100));
    draw::fillRoundRect(img, 220, 204, 56, 40, 18, rgb(120, 70, 60));
    draw::fillRoundRect(img, 230, 222, 36, 18, 8, rgb(255, 120, 40));
    draw::glow(img, 248, 231, 30, rgb(255, 140, 40), 0.5);
    draw::fillRect(img, 146, 204, 50, 34, rgb(40, 50, 40));
    for (int i = 0; i < 4; ++i)
        draw::fillRect(img, 150, 209 + i * 7, 30 + (i * 7) % 12, 2, rgb(230, 230, 210));
    neonSign(img, 212, 266, "OPEN", 13, rgb(255, 70, 120));
    draw::frameRect(img, 124, 190, 176, 104, rgb(100, 60, 50), 3);
    draw::line(draw::Target(img).faded(0.35), 140, 196, 170, 286, 6, rgb(255, 255, 255));
    // Door.
    draw::fillRect(img, 314, 194, 70, 106,
                   draw::vertical(194, rgb(140, 80, 50), 300, rgb(90, 50, 30)));
    draw::fillRect(img, 322, 202, 54, 50, rgb(255, 210, 140));
    draw::frameRect(img, 314, 194, 70, 106, rgb(70, 40, 26), 3);
    draw::fillCircle(img, 372, 260, 3, rgb(240, 200, 90));
    // Pavement.
    draw::fillRect(img, 0, 300, W, H - 300,
                   draw::vertical(300, rgb(150, 130, 130), H, rgb(80, 66, 76)));
    for (int y = 300; y < H; y += 17)
        draw::fillRect(img, 0, y, W, 1, rgb(110, 96, 104));
    for (int y = 300; y < H; y += 17)
        for (int x = (y / 17) % 2 * 20; x < W; x += 40)
            draw::fillRect(img, x, y, 1, 17, rgb(110, 96, 104));
    draw::fillRect(draw::Target(img).faded(0.3), 126, 300, 172, 50,
                   draw::vertical(300, rgb(255, 200, 120), 350, rgb(80, 66, 76)));
    // The delivery bike parked in front of the door.
    draw::Layer bike(170, 120);
    scooterWithRider(Pen{bike, 2, 2, 1.45}, ScooterLook{}, nullptr, 0);
    draw::fillEllipse(draw::Target(img).faded(0.4), 396, 342, 78, 6, rgb(20, 10, 20));
    bike.drawOnto(img, 318, 232);
    // Lanterns of the shopping street.
    for (int x : {40, 470}) {
        draw::line(img, x, 0, x, 20, 1, rgb(60, 40, 40));
        draw::glow(img, x, 36, 40, rgb(255, 120, 60), 0.4);
        draw::fillEllipse(img, x, 36, 12, 16,
                          draw::vertical(20, rgb(255, 110, 70), 52, rgb(200, 40, 30)));
        for (int k = -1; k <= 1; ++k)
            draw::fillRect(img, x - 11, 36 + k * 8, 22, 1, rgb(160, 30, 24));
        draw::fillRect(img, x - 6, 19, 12, 3, rgb(40, 30, 30));
        draw::fillRect(img, x - 6, 51, 12, 3, rgb(40, 30, 30));
    }
    vignette(img, 0.3);
    return img;
}

// 05: the covered shopping street at night, seen down its length.
Image back05() {
    Image img(W, H);
    Camera c;
    c.hy = 170;
    c.f = 260;
    c.eye = 1.6;
    draw::Rng rng(505);
    img.fill(rgb(24, 18, 36));
    // Arcade roof: ribs and a skylight strip down the middle.
    draw::fillPolygon(img, {c.at(-6, 6, 1), c.at(6, 6, 1), c.at(6, 6, 80), c.at(-6, 6, 80)},
                      draw::vertical(0, rgb(50, 40, 70), 170, rgb(30, 24, 44)));
    draw::fillPolygon(img, {c.at(-1.2, 6, 1), c.at(1.2, 6, 1), c.at(1.2, 6, 80), c.at(-1.2, 6, 80)},
                      draw::vertical(0, rgb(40, 60, 110), 170, rgb(70, 60, 110)));
    for (double z = 1.5; z < 80; z *= 1.22) {
        const Point a = c.at(-6, 6, z), b = c.at(6, 6, z);
        draw::line(img, a.x, a.y, b.x, b.y, std::max(1.0, 12 / z), rgb(90, 80, 100));
        // Hanging lights along the ribs.
        for (double x : {-3.5, 3.5}) {
            const Point p = c.at(x, 5.2, z);
            draw::glow(img, p.x, p.y, 60 / z, rgb(255, 220, 150), 0.6);
            draw::fillCircle(img, p.x, p.y, std::max(0.8, 5 / z), rgb(255, 250, 220));
        }
    }
    // Shop fronts on both sides, each with its own lit sign.
    static const char* signs[] = {"薬", "本", "酒", "花", "肉", "茶", "魚", "靴", "米", "服"};
    static const std::uint32_t colours[] = {rgb(255, 90, 90), rgb(90, 200, 255), rgb(255, 210, 80),
                                            rgb(120, 230, 140), rgb(255, 130, 220)};
    int k = 0;
    for (double z = 1.2; z < 60; z *= 1.32, ++k) {
        const double z1 = z * 1.32;
        for (int side = -1; side <= 1; side += 2) {
            const double x = side * 6;
            const std::uint32_t wall = scale(rgb(70, 56, 80), rng.real(0.8, 1.2));
            draw::fillPolygon(img, quad(c, x, x, 0, 6, z, z1),
                              draw::vertical(0, wall, 300, scale(wall, 0.5)));
            draw::fillPolygon(img, quad(c, x, x, 0.2, 2.6, z * 1.04, z1 * 0.97),
                              mix(rgb(255, 210, 140), rgb(150, 220, 255), rng.uniform() * 0.4));
            const std::uint32_t col = colours[(k * 2 + (side > 0 ? 1 : 0)) % 5];
            draw::fillPolygon(img, quad(c, x, x, 3.0, 4.2, z * 1.04, z1 * 0.97), scale(col, 0.8));
            const Point mid = c.at(x, 3.6, std::sqrt(z * z1));
            draw::TextStyle st;
            st.font = {"ＭＳ ゴシック", std::max(6, static_cast<int>(220 / std::sqrt(z * z1))),
                       true};
            st.top = rgb(255, 255, 255);
            st.bottom = rgb(255, 240, 220);
            st.outline = z < 6 ? 2 : 1;
            st.outlineColour = scale(col, 0.4);
            if (z < 25)
                draw::textCentred(img, static_cast<int>(mid.x), static_cast<int>(mid.y),
                                  signs[(k * 2 + (side > 0 ? 1 : 0)) % 10], st);
            // Red paper lantern at the shop's corner.
            const Point lp = c.at(x - side * 0.6, 4.9, z);
            const double lr = 0.45 * c.f / z;
            if (lr > 2) {
                draw::glow(img, lp.x, lp.y, lr * 3, rgb(255, 100, 60), 0.35);
                draw::fillEllipse(
                    img, lp.x, lp.y, lr * 0.75, lr,
                    draw::vertical(lp.y - lr, rgb(255, 120, 80), lp.y + lr, rgb(190, 30, 30)));
            }
        }
    }
    // Tiled floor with the shops' light on it.
    draw::fillPolygon(img, {c.at(-6, 0, 1), c.at(6, 0, 1), c.at(6, 0, 80), c.at(-6, 0, 80)},
                      draw::vertical(170, rgb(90, 76, 90), H, rgb(150, 120, 110)));
    for (double z = 1; z < 60; z *= 1.15) {
        const Point a = c.at(-6, 0, z), b = c.at(6, 0, z);
        draw::line(draw::Target(img).faded(0.4), a.x, a.y, b.x, b.y, 1, rgb(60, 50, 64));
    }
    for (int i = -6; i <= 6; i += 2) {
        const Point a = c.at(i, 0, 1), b = c.at(i, 0, 80);
        draw::line(draw::Target(img).faded(0.4), a.x, a.y, b.x, b.y, 1, rgb(60, 50, 64));
    }
    draw::glow(img, c.vx, c.hy, 60, rgb(255, 220, 180), 0.5);
    vignette(img, 0.4);
    return img;
}

// 06: 神奈玉駅 at night: the station building, its clock and the plaza.
Image back06() {
    Image img(W, H);
    sky(img, 0, 240, {rgb(6, 8, 26), rgb(20, 26, 70), rgb(60, 50, 110)});
    draw::Rng rng(606);
    stars(img, rng, 50, 120, 0.5);
    SkylineStyle st;
    st.baseY = 230;
    st.minH = 60;
    st.maxH = 170;
    st.top = rgb(36, 40, 80);
    st.bottom = rgb(24, 26, 54);
    st.windows = 0.3;
    st.neon = 0.2;
    skyline(img, rng, st, 0, W);
    // The station: a wide glass hall with a clock tower.
    draw::fillRect(img, 60, 120, 394, 140,
                   draw::vertical(120, rgb(200, 196, 190), 260, rgb(120, 116, 120)));
    draw::fillRect(img, 56, 112, 402, 10, rgb(90, 90, 100));
    draw::fillRect(img, 80, 150, 354, 100,
                   draw::vertical(150, rgb(255, 236, 180), 250, rgb(230, 170, 100)));
    for (int x = 80; x <= 434; x += 22)
        draw::fillRect(img, x, 150, 2, 100, rgb(90, 90, 100));
    draw::fillRect(img, 80, 196, 354, 2, rgb(90, 90, 100));
    draw::glow(img, 257, 200, 180, rgb(255, 220, 150), 0.25);
    // People inside the hall, in silhouette.
    for (int i = 0; i < 14; ++i) {
        const double x = rng.real(90, 425);
        const double hgt = rng.real(22, 28);
        draw::fillEllipse(img, x, 250 - hgt + 3, 3, 3.4, rgb(60, 40, 40));
        draw::fillRoundRect(img, x - 4, 250 - hgt + 6, 8, hgt - 6, 3, rgb(60, 40, 40));
    }
    draw::fillRect(img, 222, 40, 70, 80,
                   draw::vertical(40, rgb(210, 206, 200), 120, rgb(150, 146, 150)));
    draw::fillPolygon(img, {{216, 42}, {257, 20}, {298, 42}}, rgb(90, 90, 110));
    draw::fillCircle(img, 257, 74, 25, rgb(80, 80, 90));
    draw::fillCircle(img, 257, 74, 22,
                     draw::vertical(52, rgb(255, 255, 240), 96, rgb(230, 226, 210)));
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        draw::line(img, 257 + std::cos(a) * 17, 74 + std::sin(a) * 17, 257 + std::cos(a) * 20,
                   74 + std::sin(a) * 20, i % 3 ? 1 : 2, rgb(40, 40, 50));
    }
    draw::line(img, 257, 74, 257 + 12 * std::cos(-kPi / 2 + 0.5),
               74 + 12 * std::sin(-kPi / 2 + 0.5), 2.2, rgb(30, 30, 40));
    draw::line(img, 257, 74, 257 + 17 * std::cos(-kPi / 2 - 0.9),
               74 + 17 * std::sin(-kPi / 2 - 0.9), 1.4, rgb(30, 30, 40));
    draw::glow(img, 257, 74, 50, rgb(255, 250, 220), 0.3);
    draw::TextStyle name;
    name.font = {"ＭＳ Ｐゴシック", 22, true};
    name.top = rgb(255, 255, 255);
    name.bottom = rgb(200, 230, 255);
    name.outline = 2;
    name.outlineColour = rgb(20, 40, 110);
    draw::fillRoundRect(img, 150, 124, 214, 24, 4, rgb(30, 60, 150));
    draw::textCentred(img, 257, 136, "神奈玉駅", name);
    // Plaza and lamps.
    draw::fillRect(img, 0, 260, W, H - 260,
                   draw::vertical(260, rgb(100, 96, 110), H, rgb(44, 40, 56)));
    for (int y = 262; y < H; y += 12)
        draw::fillRect(draw::Target(img).faded(0.3), 0, y, W, 1, rgb(30, 30, 40));
    draw::fillRect(draw::Target(img).faded(0.3), 80, 260, 354, 40,
                   draw::vertical(260, rgb(255, 220, 150), 300, rgb(100, 96, 110)));
    streetLamp(img, 30, 300, 110, rgb(255, 230, 170));
    streetLamp(img, 484, 300, 110, rgb(255, 230, 170), false);
    // A taxi waiting.
    draw::fillRoundRect(img, 330, 280, 100, 30, 8,
                        draw::vertical(280, rgb(255, 210, 60), 310, rgb(200, 140, 20)));
    draw::fillRoundRect(img, 350, 262, 56, 22, 7, rgb(230, 180, 40));
    draw::fillRect(img, 356, 266, 20, 14, rgb(60, 80, 110));
    draw::fillRect(img, 380, 266, 20, 14, rgb(60, 80, 110));
    draw::fillRect(img, 368, 256, 20, 7, rgb(255, 255, 255));
    draw::fillCircle(img, 352, 311, 10, rgb(20, 20, 24));
    draw::fillCircle(img, 410, 311, 10, rgb(20, 20, 24));
    draw::fillCircle(img, 352, 311, 4, rgb(160, 160, 170));
    draw::fillCircle(img, 410, 311, 4, rgb(160, 160, 170));
    draw::glow(img, 428, 292, 14, rgb(255, 255, 200), 0.8);
    vignette(img, 0.3);
    return img;
}

// A city seen across water at night, with the lights mirrored in the water.
void cityOverWater(Image& img, draw::Rng& rng, int waterY,
                   const std::vector<std::uint32_t>& skyStops) {
    sky(img, 0, waterY, skyStops);
    stars(img, rng, 90, waterY - 60, 0.8);
    SkylineStyle far;
    far.baseY = waterY;
    far.minH = 30;
    far.maxH = 120;
    far.top = rgb(40, 30, 80);
    far.bottom = rgb(24, 18, 50);
    far.windows = 0.3;
    far.windowGlow = 0.7;
    skyline(img, rng, far, 0, W);
    SkylineStyle near = far;
    near.minH = 20;
    near.maxH = 80;
    near.top = rgb(20, 16, 40);
    near.bottom = rgb(10, 8, 22);
    near.windows = 0.45;
    near.windowGlow = 1.0;
    near.neon = 0.4;
    skyline(img, rng, near, 0, W);
    // The city mirrored in the water, with glints on the ripples.
    mirrorBelow(img, waterY, rgb(8, 10, 26), 0.6, 2.5);
    for (int i = 0; i < 160; ++i) {
        const double x = rng.real(0, W), y = rng.real(waterY + 2, H);
        draw::line(draw::Target(img).faded(0.18), x, y, x + rng.real(4, 16), y, 1,
                   rgb(180, 190, 240));
    }
}

// 07: the bay city at night under the moon.
Image back07() {
    Image img(W, H);
    draw::Rng rng(707);
    cityOverWater(img, rng, 230,
                  {rgb(4, 6, 20), rgb(14, 20, 60), rgb(40, 40, 100), rgb(110, 70, 130)});
    moon(img, 420, 60, 20, rgb(255, 246, 220));
    // A Ferris wheel on the waterfront.
    const double cx = 110, cy = 150, r = 60;
    draw::ring(img, cx, cy, r - 2, r, rgb(120, 220, 255));
    for (int i = 0; i < 16; ++i) {
        const double a = i * kPi / 8;
        draw::line(img, cx, cy, cx + r * std::cos(a), cy + r * std::sin(a), 0.8, rgb(90, 160, 220));
        const std::uint32_t c = i % 2 ? rgb(255, 100, 200) : rgb(255, 230, 100);
        draw::fillCircle(img, cx + r * std::cos(a), cy + r * std::sin(a), 3.2, c);
        draw::glow(img, cx + r * std::cos(a), cy + r * std::sin(a), 9, c, 0.4);
    }
    draw::line(img, cx, cy, cx - 30, 232, 2.5, rgb(60, 80, 120));
    draw::line(img, cx, cy, cx + 30, 232, 2.5, rgb(60, 80, 120));
    draw::glow(img, cx, cy, r * 1.4, rgb(120, 200, 255), 0.15);
    vignette(img, 0.3);
    return img;
}

// 11: the bay bridge at night.
Image back11() {
    Image img(W, H);
    draw::Rng rng(1111);
    cityOverWater(img, rng, 250,
                  {rgb(4, 4, 18), rgb(14, 16, 50), rgb(50, 30, 90), rgb(120, 60, 120)});
    // Two towers and the cable between them, lights along the deck.
    const double deckY = 200;
    auto deckAt = [&](double x) { return deckY - x * 0.04; };
    draw::fillPolygon(
        img, {{0, deckAt(0) - 3}, {W, deckAt(W) - 3}, {W, deckAt(W) + 6}, {0, deckAt(0) + 6}},
        draw::vertical(deckY - 20, rgb(70, 70, 100), deckY + 10, rgb(30, 30, 50)));
    for (double tx : {140.0, 400.0}) {
        const double top = deckAt(tx) - 120;
        draw::fillRect(img, static_cast<int>(tx - 6), static_cast<int>(top), 5,
                       static_cast<int>(H - top), rgb(60, 62, 90));
        draw::fillRect(img, static_cast<int>(tx + 3), static_cast<int>(top), 5,
                       static_cast<int>(H - top), rgb(60, 62, 90));
        for (double y = top + 8; y < deckAt(tx); y += 30)
            draw::fillRect(img, static_cast<int>(tx - 6), static_cast<int>(y), 14, 3,
                           rgb(60, 62, 90));
        draw::fillCircle(img, tx + 1, top - 2, 2, rgb(255, 60, 60));
        draw::glow(img, tx + 1, top - 2, 10, rgb(255, 60, 60), 0.6);
    }
    auto cable = [&](double x0, double x1, double sag) {
        Point prev{};
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            const double x = x0 + (x1 - x0) * t;
            const double y0 = deckAt(x0) - 120, y1 = deckAt(x1) - 120;
            const double y = y0 + (y1 - y0) * t + sag * 4 * t * (1 - t);
            const Point p{x, y};
            if (i > 0) draw::line(img, prev.x, prev.y, p.x, p.y, 1.4, rgb(140, 200, 255));
            if (i % 2 == 0 && i > 0 && i < 40) {
                draw::line(draw::Target(img).faded(0.5), x, y, x, deckAt(x), 0.6,
                           rgb(110, 150, 200));
                draw::fillCircle(img, x, y, 1.2, rgb(200, 240, 255));
            }
            prev = p;
        }
    };
    cable(140, 400, 110);
    cable(-120, 140, 110);
    cable(400, 660, 110);
    for (double x = 4; x < W; x += 12) {
        draw::fillCircle(img, x, deckAt(x) - 4, 1.3, rgb(255, 220, 140));
        draw::glow(img, x, deckAt(x) - 4, 6, rgb(255, 200, 120), 0.4);
    }
    vignette(img, 0.35);
    return img;
}

// 12: the port: cranes and containers under an orange haze.
Image back12() {
    Image img(W, H);
    sky(img, 0, 260, {rgb(30, 24, 50), rgb(110, 60, 70), rgb(230, 130, 70), rgb(250, 190, 110)});
    draw::Rng rng(1212);
    // Chimneys with smoke far away.
    for (double x : {60.0, 90.0, 440.0}) {
        draw::fillRect(img, static_cast<int>(x), 120, 9, 110, rgb(70, 50, 60));
        for (int i = 0; i < 8; ++i)
            draw::fillCircle(draw::Target(img).faded(0.25), x + 4 + i * 9, 112 - i * 7, 6 + i * 2,
                             rgb(150, 120, 130));
    }
    SkylineStyle st;
    st.baseY = 240;
    st.minH = 20;
    st.maxH = 70;
    st.top = rgb(80, 50, 70);
    st.bottom = rgb(50, 34, 50);
    st.windows = 0.15;
    skyline(img, rng, st, 0, W);
    // Containers in stacks.
    static const std::uint32_t boxes[] = {rgb(200, 60, 50), rgb(40, 110, 170),  rgb(230, 170, 40),
                                          rgb(60, 140, 90), rgb(150, 150, 160), rgb(180, 90, 40)};
    for (int col = 0; col < 12; ++col) {
        const int x = 10 + col * 42;
        const int n = rng.range(1, 4);
        for (int r = 0; r < n; ++r) {
            const int y = 262 - (r + 1) * 18;
            const std::uint32_t c = scale(boxes[rng.range(0, 5)], 0.75);
            draw::fillRect(img, x, y, 40, 17, draw::vertical(y, c, y + 17, scale(c, 0.6)));
            for (int k = x + 3; k < x + 38; k += 4)
                draw::fillRect(img, k, y + 2, 1, 13, scale(c, 0.5));
        }
    }
    // Gantry cranes.
    auto crane = [&](double x, double scaleH) {
        const std::uint32_t c = rgb(40, 30, 44);
        const double top = 262 - 190 * scaleH;
        draw::line(img, x, 262, x + 10, top, 4, c);
        draw::line(img, x + 50, 262, x + 40, top, 4, c);
        draw::line(img, x + 5, 262 - 60 * scaleH, x + 45, 262 - 60 * scaleH, 3, c);
        draw::line(img, x, top + 10, x + 50, 262 - 60 * scaleH, 1.5, c);
        draw::line(img, x - 70, top, x + 140, top, 6, c);
        draw::line(img, x + 25, top - 40, x - 70, top, 1.5, c);
        draw::line(img, x + 25, top - 40, x + 140, top, 1.5, c);
        draw::line(img, x + 25, top - 40, x + 25, top, 3, c);
        draw::line(img, x + 100, top, x + 100, top + 70, 1, c);
        draw::fillCircle(img, x + 25, top - 41, 2, rgb(255, 80, 60));
        draw::glow(img, x + 25, top - 41, 8, rgb(255, 80, 60), 0.6);
    };
    crane(150, 0.9);
    crane(330, 1.0);
    // Water in front of the quay.
    draw::fillRect(img, 0, 262, W, 10, rgb(70, 60, 70));
    draw::fillRect(img, 0, 272, W, H - 272,
                   draw::vertical(272, rgb(120, 80, 80), H, rgb(20, 20, 40)));
    for (int i = 0; i < 200; ++i) {
        const double x = rng.real(0, W), y = rng.real(274, H);
        draw::line(draw::Target(img).faded(0.3), x, y, x + rng.real(6, 20), y, 1,
                   rgb(250, 170, 110));
    }
    vignette(img, 0.3);
    return img;
}

// 13: the stadium under floodlights.
Image back13() {
    Image img(W, H);
    sky(img, 0, 200, {rgb(6, 8, 20), rgb(14, 20, 46), rgb(30, 40, 80)});
    draw::Rng rng(1313);
    // Stands: a curved wall of spectators.
    for (int y = 90; y < 230; ++y) {
        const double t = (y - 90) / 140.0;
        for (int x = 0; x < W; ++x) {
            const double curve = 12 * std::sin(x / static_cast<double>(W) * kPi);
            if (y < 90 + 20 - curve) continue;
            const double n = draw::valueNoise(x * 0.5, y * 0.5, 13);
            const std::uint32_t crowd =
                n > 0.72 ? rgb(230, 200, 180) : (n > 0.45 ? rgb(90, 70, 110) : rgb(40, 40, 70));
            img.at(x, y) = mix(crowd, rgb(20, 20, 40), 0.5 - t * 0.3);
        }
    }
    for (int y = 120; y < 230; y += 22)
        draw::fillRect(img, 0, y, W, 2, rgb(60, 60, 90));
    // Banners along the wall.
    static const char* words[] = {"ZIRUBO", "神奈玉", "SPRINT", "400m"};
    for (int i = 0; i < 4; ++i) {
        const int x = 14 + i * 126;
        const std::uint32_t c = i % 2 ? rgb(40, 120, 220) : rgb(220, 50, 60);
        draw::fillRect(img, x, 232, 110, 22, draw::vertical(232, c, 254, scale(c, 0.6)));
        draw::TextStyle st;
        st.font = {"ＭＳ ゴシック", 14, true};
        st.outline = 1;
        st.outlineColour = scale(c, 0.3);
        draw::textCentred(img, x + 55, 243, words[i], st);
    }
    // Track.
    draw::fillRect(img, 0, 254, W, H - 254,
                   draw::vertical(254, rgb(110, 60, 60), H, rgb(60, 30, 34)));
    for (int i = 0; i < 4; ++i)
        draw::fillPolygon(
            img,
            {{0, 262.0 + i * 30}, {W, 258.0 + i * 30}, {W, 260.0 + i * 30}, {0, 264.0 + i * 32}},
            rgb(230, 220, 220));
    // Floodlight towers.
    for (double x : {40.0, 474.0}) {
        draw::line(img, x, 240, x, 40, 5, rgb(50, 50, 66));
        draw::fillRect(img, static_cast<int>(x - 26), 20, 52, 26, rgb(60, 60, 76));
        for (int r = 0; r < 2; ++r)
            for (int k = 0; k < 4; ++k) {
                const double lx = x - 19 + k * 12.7, ly = 27 + r * 12;
                draw::fillCircle(img, lx, ly, 4.5, rgb(255, 255, 240));
            }
        draw::glow(img, x, 33, 120, rgb(240, 245, 255), 0.55);
        draw::fillPolygon(draw::Target(img).faded(0.07),
                          {{x - 20, 40}, {x + 20, 40}, {W / 2.0 + 120, H}, {W / 2.0 - 120, H}},
                          rgb(240, 245, 255));
    }
    vignette(img, 0.3);
    return img;
}

// 14: the junk island at a cold dusk.
Image back14() {
    Image img(W, H);
    sky(img, 0, 230, {rgb(30, 34, 60), rgb(80, 80, 110), rgb(170, 140, 150), rgb(210, 170, 150)});
    draw::Rng rng(1414);
    // The city far across the water.
    SkylineStyle st;
    st.baseY = 200;
    st.minH = 6;
    st.maxH = 26;
    st.minW = 6;
    st.maxW = 16;
    st.top = rgb(100, 90, 120);
    st.bottom = rgb(90, 84, 110);
    st.windows = 0.2;
    st.windowW = 1;
    st.windowH = 1;
    skyline(img, rng, st, 260, W);
    draw::fillRect(img, 0, 200, W, 40,
                   draw::vertical(200, rgb(110, 100, 130), 240, rgb(60, 60, 90)));
    // Heaps of junk.
    auto heap = [&](double cx, double base, double w, double h, std::uint32_t c,
                    std::uint32_t seed) {
        std::vector<Point> pts{{cx - w, base}};
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            const double x = cx - w + 2 * w * t;
            const double y = base -
                             h * std::pow(std::sin(t * kPi), 0.8) *
                                 (0.75 + 0.5 * draw::valueNoise(t * 9, 0, seed)) -
                             6 * draw::valueNoise(t * 40, 1, seed);
            pts.push_back({x, y});
        }
        pts.push_back({cx + w, base});
        draw::fillPolygon(img, pts, draw::vertical(base - h, c, base, scale(c, 0.5)));
        draw::Rng r(seed);
        for (int i = 0; i < static_cast<int>(w * h / 300); ++i) { // scattered pieces
            const double t = r.real(0.1, 0.9);
            const double x = cx - w + 2 * w * t;
            const double top = base - h * std::pow(std::sin(t * kPi), 0.8) * 0.7;
            const double y = r.real(top + 4, base - 2);
            switch (r.range(0, 3)) {
            case 0: {
                const double rr = r.real(2.5, 4.5);
                draw::ring(img, x, y, rr * 0.45, rr, scale(c, 0.35));
                break;
            }
            case 1:
                draw::fillRect(img, static_cast<int>(x), static_cast<int>(y), r.range(5, 12),
                               r.range(4, 9), scale(rgb(170, 160, 150), r.real(0.4, 0.9)));
                break;
            case 2:
                draw::line(img, x, y, x + r.real(-10, 10), y - r.real(2, 8), 1.5, rgb(110, 90, 80));
                break;
            default:
                draw::fillCircle(img, x, y, r.real(2, 4), mix(c, rgb(60, 90, 70), 0.4));
                break;
            }
        }
    };
    heap(120, 250, 170, 130, rgb(96, 84, 90), 1);
    heap(400, 250, 150, 90, rgb(80, 76, 90), 2);
    heap(260, 270, 200, 60, rgb(70, 62, 70), 3);
    draw::fillRect(img, 0, 262, W, H - 262,
                   draw::vertical(262, rgb(70, 60, 66), H, rgb(30, 26, 34)));
    for (int y = 262; y < H; ++y)
        for (int x = 0; x < W; ++x)
            img.at(x, y) =
                scale(img.at(x, y), 0.85 + 0.3 * draw::fractalNoise(x / 12.0, y / 5.0, 14, 3));
    // Crows.
    for (int i = 0; i < 7; ++i) {
        const double x = rng.real(150, 480), y = rng.real(30, 110), s = rng.real(3, 6);
        draw::line(img, x - s, y - s * 0.4, x, y, 1.2, rgb(30, 26, 36));
        draw::line(img, x, y, x + s, y - s * 0.5, 1.2, rgb(30, 26, 36));
    }
    vignette(img, 0.35);
    return img;
}

// 15: a garage: pegboard, bench, tyres, a tube light and the delivery scooter.
Image back15() {
    Image img(W, H);
    draw::fillRect(img, 0, 0, W, 250, draw::vertical(0, rgb(60, 70, 80), 250, rgb(90, 96, 100)));
    for (int x = 0; x < W; x += 14)
        draw::fillRect(img, x, 0, 2, 250, rgb(50, 58, 66));
    // Pegboard with tools.
    draw::fillRect(img, 150, 50, 230, 120, rgb(150, 120, 90));
    for (int y = 56; y < 170; y += 10)
        for (int x = 156; x < 380; x += 10)
            draw::fillCircle(img, x, y, 1.2, rgb(100, 80, 60));
    draw::frameRect(img, 150, 50, 230, 120, rgb(90, 70, 50), 3);
    const std::uint32_t steel = rgb(190, 196, 206);
    for (int i = 0; i < 5; ++i) { // spanners
        const double x = 172 + i * 16;
        draw::line(img, x, 66, x, 110 + i * 6, 4, steel);
        draw::ring(img, x, 64, 3, 6, steel);
    }
    draw::line(img, 270, 70, 300, 140, 5, rgb(200, 50, 40)); // screwdriver
    draw::line(img, 300, 140, 308, 160, 2, steel);
    draw::line(img, 330, 64, 330, 130, 4, rgb(60, 60, 70)); // hammer
    draw::fillRect(img, 318, 60, 26, 10, steel);
    draw::ring(img, 360, 100, 10, 14, rgb(40, 40, 46)); // coil of hose
    // Tube light.
    draw::fillRoundRect(img, 180, 14, 170, 8, 4, rgb(250, 255, 255));
    draw::glow(img, 265, 18, 140, rgb(220, 240, 255), 0.35);
    // Bench.
    draw::fillRect(img, 120, 190, 290, 12,
                   draw::vertical(190, rgb(160, 110, 70), 202, rgb(110, 70, 40)));
    draw::fillRect(img, 130, 202, 10, 70, rgb(80, 60, 50));
    draw::fillRect(img, 390, 202, 10, 70, rgb(80, 60, 50));
    draw::fillRect(img, 200, 172, 40, 18, rgb(200, 60, 40)); // toolbox
    draw::fillRect(img, 212, 166, 16, 6, rgb(60, 60, 60));
    draw::fillRoundRect(img, 300, 176, 22, 14, 3, rgb(60, 130, 200)); // oil can
    // Floor with oil stains.
    draw::fillRect(img, 0, 250, W, H - 250,
                   draw::vertical(250, rgb(110, 110, 112), H, rgb(60, 60, 64)));
    for (int y = 250; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = draw::fractalNoise(x / 40.0, y / 14.0, 15, 3);
            if (n > 0.66) img.at(x, y) = scale(img.at(x, y), 1 - (n - 0.66) * 0.9);
        }
    // Stack of tyres.
    for (int i = 0; i < 4; ++i) {
        const double y = 276 - i * 16;
        draw::fillEllipse(img, 60, y, 42, 12, rgb(28, 28, 32));
        draw::fillEllipse(img, 60, y - 2, 40, 9, rgb(40, 40, 46));
        draw::fillEllipse(img, 60, y - 3, 20, 4, rgb(20, 20, 22));
    }
    // The delivery scooter on its stand in front of the bench, where the hero
    // talks to it; clear of the portrait on the right and of the message box.
    {
        draw::Layer bike(170, 124);
        scooterWithRider(Pen{bike, 2, 2, 1.45}, ScooterLook{}, nullptr, 0);
        for (std::uint32_t& c : bike.colour.pixels)
            c = scale(c, 0.9); // under the tube light only
        draw::fillEllipse(draw::Target(img).faded(0.45), 268, 266, 80, 7, rgb(20, 20, 24));
        bike.drawOnto(img, 186, 266 - 118);
    }
    vignette(img, 0.4);
    return img;
}

// 16: the expressway at night under orange lamps.
Image back16() {
    Image img(W, H);
    Camera c;
    c.hy = 150;
    c.f = 300;
    c.eye = 1.5;
    sky(img, 0, 150, {rgb(10, 6, 20), rgb(40, 20, 40), rgb(120, 60, 50)});
    draw::Rng rng(1616);
    stars(img, rng, 40, 90, 0.5);
    SkylineStyle st;
    st.baseY = 152;
    st.minH = 10;
    st.maxH = 60;
    st.top = rgb(40, 24, 36);
    st.bottom = rgb(30, 18, 28);
    st.windows = 0.35;
    st.windowW = 1;
    st.windowH = 2;
    skyline(img, rng, st, 0, W);
    draw::fillRect(img, 0, 150, W, H - 150, rgb(20, 14, 18));
    draw::fillPolygon(img, {c.at(-8, 0, 0.8), c.at(8, 0, 0.8), c.at(8, 0, 500), c.at(-8, 0, 500)},
                      draw::vertical(150, rgb(60, 40, 40), H, rgb(90, 64, 56)));
    for (double x : {-2.7, 2.7})
        laneMarks(img, c, x, 0.14, 1.0, 300, 4, 6, rgb(255, 240, 220));
    for (int side = -1; side <= 1; side += 2) {
        // Sound walls.
        draw::fillPolygon(img, quad(c, side * 8, side * 8, 0, 1.4, 0.8, 500),
                          draw::vertical(150, rgb(120, 80, 60), H, rgb(70, 46, 40)));
        for (double z = 2; z < 300; z *= 1.35) {
            const Point top = c.at(side * 8, 6, z);
            const Point base = c.at(side * 8, 1.4, z);
            const Point head = c.at(side * 6.8, 6.1, z);
            const double w = std::max(0.6, 9 / z);
            draw::line(img, base.x, base.y, top.x, top.y, w, rgb(60, 50, 50));
            draw::line(img, top.x, top.y, head.x, head.y, w * 0.8, rgb(60, 50, 50));
            draw::glow(img, head.x, head.y + 1, std::max(6.0, 220 / z), rgb(255, 150, 50), 0.55);
            draw::fillEllipse(img, head.x, head.y + 1, std::max(0.8, 14 / z), std::max(0.5, 5 / z),
                              rgb(255, 230, 160));
            const Point pool = c.at(side * 6, 0, z);
            draw::glowEllipse(img, pool.x, pool.y, 500 / z, 110 / z, rgb(255, 150, 60), 0.35);
        }
    }
    // Tail lights ahead.
    for (double z : {30.0, 55.0}) {
        const double x = z < 40 ? -1.3 : 1.4;
        for (double dx : {-0.6, 0.6}) {
            const Point p = c.at(x + dx, 0.8, z);
            draw::glow(img, p.x, p.y, 160 / z, rgb(255, 40, 40), 0.6);
            draw::fillCircle(img, p.x, p.y, std::max(0.8, 12 / z), rgb(255, 120, 100));
        }
    }
    vignette(img, 0.4);
    return img;
}

} // namespace

Image backPicture(int number) {
    Image img;
    switch (number) {
    case 1:
        img = back01();
        break;
    case 2:
        img = back02();
        break;
    case 3:
        img = back03();
        break;
    case 4:
        img = back04();
        break;
    case 5:
        img = back05();
        break;
    case 6:
        img = back06();
        break;
    case 7:
        img = back07();
        break;
    case 8:
        img = factoryAtNight();
        break;
    case 9:
        img = ridersHouseAtDusk();
        break;
    case 10:
        img = harbourInTheRain();
        break;
    case 11:
        img = back11();
        break;
    case 12:
        img = back12();
        break;
    case 13:
        img = back13();
        break;
    case 14:
        img = back14();
        break;
    case 15:
        img = back15();
        break;
    case 16:
        img = back16();
        break;
    default:
        img = back01();
        break;
    }
    return img;
}

// The coast road at sunset, seen in the photo of 湾岸ストリート.
Image coastRoad() {
    Image img(W, H);
    const int sea = 190;
    sky(img, 0, sea, {rgb(60, 40, 110), rgb(190, 80, 120), rgb(255, 150, 90), rgb(255, 210, 120)});
    const double sx = 330, sy = sea - 8, sr = 36;
    draw::glow(img, sx, sy, 200, rgb(255, 200, 110), 0.45);
    draw::fillCircle(img, sx, sy, sr,
                     draw::vertical(sy - sr, rgb(255, 250, 200), sy + sr, rgb(255, 150, 60)));
    // Clouds in long bands.
    draw::Rng rng(909);
    for (int i = 0; i < 9; ++i) {
        const double y = rng.real(30, 140), x = rng.real(-50, W);
        draw::fillEllipse(draw::Target(img).faded(0.5), x, y, rng.real(60, 140), rng.real(3, 7),
                          mix(rgb(255, 160, 140), rgb(120, 60, 120), (140 - y) / 110));
    }
    // Islands on the horizon.
    std::vector<Point> island{{0, sea}};
    for (int x = 0; x <= 200; x += 5)
        island.push_back(
            {static_cast<double>(x), sea - 34 * std::pow(std::sin(x / 200.0 * kPi), 1.5) *
                                               (0.7 + 0.3 * draw::valueNoise(x / 20.0, 0, 9))});
    island.push_back({200, sea});
    draw::fillPolygon(img, island, rgb(70, 40, 80));
    // The sea, glittering under the sun.
    draw::fillRect(img, 0, sea, W, H - sea,
                   draw::vertical(sea, rgb(220, 120, 100), H, rgb(40, 30, 80)));
    for (int i = 0; i < 300; ++i) {
        const double y = rng.real(sea + 1, 300);
        const double spread = (y - sea) * 1.4 + 10;
        const double x = sx + rng.real(-spread, spread);
        draw::line(draw::Target(img).faded(rng.real(0.3, 0.8)), x, y, x + rng.real(3, 10), y, 1,
                   rgb(255, 230, 160));
    }
    // The road along the coast with its guardrail.
    draw::fillPolygon(img, {{0, 250}, {W, 236}, {W, H}, {0, H}},
                      draw::vertical(236, rgb(70, 56, 80), H, rgb(30, 24, 40)));
    for (int y = 236; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (y >= 250 - x * 14.0 / W)
                img.at(x, y) =
                    scale(img.at(x, y), 0.85 + 0.3 * draw::valueNoise(x * 0.8, y * 0.8, 99));
    draw::fillPolygon(img, {{0, 300}, {W, 280}, {W, 284}, {0, 305}}, rgb(230, 220, 200));
    for (int x = 10; x < W; x += 46) {
        const double y = 250 - x * 14.0 / W;
        draw::fillRect(img, x, static_cast<int>(y - 22), 4, 24, rgb(90, 80, 90));
    }
    draw::fillPolygon(img, {{0, 226}, {W, 212}, {W, 222}, {0, 236}},
                      draw::vertical(212, rgb(250, 230, 210), 236, rgb(160, 140, 150)));
    draw::fillPolygon(img, {{0, 232}, {W, 218}, {W, 220}, {0, 234}}, rgb(120, 100, 110));
    vignette(img, 0.3);
    return img;
}

} // namespace zb::art
