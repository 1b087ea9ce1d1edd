// The main scrolling layer of each race place, the roadside seen from the
// road: 01 the 玉崎 road with its big stores, 02 the junk island at night, 03
// the bay street under the bridge, 04 the city round the station with the
// bullet train's viaduct, 05 the stadium, 06 a tunnel, 07 the expressway at
// dawn, 08 the old 地蔵 street, 09 the driving school. Each wraps around its
// width; the bottom rows meet the road's kerb (the picture stands at y = -1).
#include "tools/assetgen/Art.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr int W = kLayerW;
constexpr int H = 181;
constexpr double kPi = std::numbers::pi;

// A rectangle that wraps round the layer's edges. Repeating things (posts, seams,
// stripes) are laid out from a phase, so that no seam of theirs falls on the
// layer's own edge.
void wrapRect(Image& img, double x, int y, double w, int h, const draw::Paint& p) {
    around([&](double dx) {
        draw::fillRect(img, static_cast<int>(std::lround(x + dx)), y,
                       static_cast<int>(std::lround(w)), h, p);
    });
}

// Pavement along the bottom of a layer, from row y0 down to the kerb.
void pavement(Image& img, int y0, std::uint32_t top, std::uint32_t bottom) {
    draw::fillRect(img, 0, y0, W, H - y0, draw::vertical(y0, top, H, bottom));
    draw::fillRect(img, 0, y0, W, 1, scale(top, 1.3));
    for (int i = 0; i < 24; ++i)
        wrapRect(img, 9 + i * W / 24.0, y0 + 1, 1, H - y0 - 1, scale(bottom, 0.8));
}

// A street lamp that wraps, with its pool of light.
void lamp(Image& img, double x, double groundY, double h, std::uint32_t light, bool armRight) {
    around([&](double dx) { streetLamp(img, x + dx, groundY, h, light, armRight); });
}

// A cable sagging between two points (power lines, bridge cables).
void cable(Image& img, Point a, Point b, double sag, double width, std::uint32_t c) {
    Point prev = a;
    for (int i = 1; i <= 24; ++i) {
        const double t = i / 24.0;
        const Point p{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t + sag * 4 * t * (1 - t)};
        draw::line(img, prev.x, prev.y, p.x, p.y, width, c);
        prev = p;
    }
}

void tree(Image& img, double x, double groundY, double r, std::uint32_t leaf) {
    around([&](double dx) {
        draw::line(img, x + dx, groundY, x + dx, groundY - r * 1.6, r * 0.22, rgb(50, 36, 30));
        for (int i = 0; i < 5; ++i) {
            const double a = i * 2 * kPi / 5 + 0.3;
            draw::fillCircle(
                img, x + dx + std::cos(a) * r * 0.45, groundY - r * 1.9 + std::sin(a) * r * 0.35,
                r * 0.62,
                draw::vertical(groundY - r * 2.6, scale(leaf, 1.3), groundY - r, scale(leaf, 0.6)));
        }
        draw::fillCircle(img, x + dx, groundY - r * 2.1, r * 0.5, scale(leaf, 1.15));
    });
}

// A palm tree: a leaning trunk and drooping fronds.
void palm(Image& img, double x, double groundY, double h) {
    const Point top{x + h * 0.12, groundY - h};
    for (int i = 0; i < 8; ++i) {
        const double t = i / 8.0;
        draw::line(img, x + (top.x - x) * t, groundY - h * t, x + (top.x - x) * (t + 0.125),
                   groundY - h * (t + 0.125), 3.4 - t * 1.2,
                   i % 2 ? rgb(86, 64, 50) : rgb(70, 52, 42));
    }
    for (int f = 0; f < 7; ++f) {
        const double a = kPi * (-0.05 - f * 0.15);
        const double len = h * 0.42;
        const Point end{top.x + std::cos(a) * len, top.y - std::sin(a) * len * 0.5 + len * 0.45};
        const Point mid{top.x + std::cos(a) * len * 0.55, top.y - std::sin(a) * len * 0.5 - 4};
        draw::fillPolygon(img, {top, {mid.x, mid.y - 2.5}, end, {mid.x, mid.y + 2}},
                          draw::vertical(top.y - 10, rgb(50, 110, 80), end.y, rgb(20, 50, 40)));
    }
    draw::fillCircle(img, top.x, top.y + 1, 2.5, rgb(60, 44, 30));
}

// Text with an outline and a soft glow, for lit signs.
void signText(Image& img, double cx, double cy, const std::string& s, int size, std::uint32_t fill,
              std::uint32_t outline, double glowStrength = 0) {
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", size, true};
    st.top = mix(fill, rgb(255, 255, 255), 0.35);
    st.bottom = fill;
    st.outline = 1;
    st.outlineColour = outline;
    if (glowStrength > 0) {
        const TextExtent ext = FontEngine::instance().measure(st.font, s);
        draw::glowEllipse(img, cx, cy, ext.width * 0.7, size * 1.1, fill, glowStrength);
    }
    draw::textCentred(img, static_cast<int>(std::lround(cx)), static_cast<int>(std::lround(cy)), s,
                      st);
}

// ---- 01: the 玉崎 road: big stores with car parks at dusk ----

Image bg01() {
    Image img(W, H);
    sky(img, 0, 150, {rgb(26, 30, 80), rgb(90, 60, 130), rgb(220, 110, 110), rgb(255, 190, 120)});
    draw::Rng rng(101);
    Tower far;
    far.baseY = 150;
    far.minH = 10;
    far.maxH = 50;
    far.minW = 14;
    far.maxW = 40;
    far.top = rgb(120, 80, 130);
    far.bottom = rgb(150, 90, 120);
    far.windows = 0.15;
    far.windowGlow = 0.5;
    far.antennas = false;
    towerRow(img, 1011, far);
    // A home centre and a family restaurant, each with its lit sign.
    auto store = [&](double x, double w, double top, std::uint32_t wall, const char* name,
                     std::uint32_t signColour) {
        around([&](double dx) {
            const double l = x + dx;
            draw::fillRect(img, static_cast<int>(l), static_cast<int>(top), static_cast<int>(w),
                           static_cast<int>(168 - top),
                           draw::vertical(top, wall, 168, scale(wall, 0.55)));
            draw::fillRect(img, static_cast<int>(l), static_cast<int>(top), static_cast<int>(w), 3,
                           scale(wall, 0.6));
            // Glass front glowing from inside.
            draw::fillRect(img, static_cast<int>(l + 10), 140, static_cast<int>(w - 20), 26,
                           draw::vertical(140, rgb(255, 246, 210), 166, rgb(240, 200, 140)));
            for (double gx = l + 10; gx < l + w - 10; gx += 14)
                draw::fillRect(img, static_cast<int>(gx), 140, 1, 26, scale(wall, 0.5));
            draw::fillRect(img, static_cast<int>(l + 6), 134, static_cast<int>(w - 12), 6,
                           scale(signColour, 0.8));
            // The sign band on the roof.
            const double sy = top + 10;
            draw::fillRoundRect(img, l + 12, sy, w - 24, 22, 3,
                                draw::vertical(sy, mix(signColour, rgb(255, 255, 255), 0.2),
                                               sy + 22, scale(signColour, 0.7)));
            signText(img, l + w / 2, sy + 11, name, 15, rgb(255, 255, 255), scale(signColour, 0.4),
                     0.25);
        });
    };
    store(6, 210, 92, rgb(210, 200, 190), "ホームセンター タマ", rgb(230, 120, 30));
    store(290, 150, 112, rgb(190, 180, 200), "ファミリー食堂", rgb(200, 40, 50));
    // The restaurant's pole sign.
    around([&](double dx) {
        const double x = 468 + dx;
        draw::fillRect(img, static_cast<int>(x - 2), 70, 4, 100, rgb(90, 90, 100));
        draw::fillRoundRect(img, x - 20, 50, 40, 30, 4,
                            draw::vertical(50, rgb(255, 240, 120), 80, rgb(250, 180, 40)));
        draw::glow(img, x, 65, 40, rgb(255, 220, 100), 0.3);
        signText(img, x, 65, "24h", 14, rgb(220, 40, 40), rgb(255, 250, 220));
    });
    // Car park: parked cars in front of the stores, lamps on tall posts.
    draw::fillRect(img, 0, 166, W, 6, draw::vertical(166, rgb(70, 64, 80), 172, rgb(50, 46, 60)));
    static const std::uint32_t paint[] = {rgb(200, 40, 40), rgb(230, 230, 236), rgb(40, 60, 120),
                                          rgb(60, 60, 64), rgb(200, 190, 80)};
    for (int i = 0; i < 9; ++i) {
        const double x = 14 + i * (W / 9.0) + (i % 2) * 8;
        const std::uint32_t c = paint[i % 5];
        around([&](double dx) {
            draw::fillRoundRect(
                img, x + dx, 158, 34, 10, 3,
                draw::vertical(158, mix(c, rgb(255, 255, 255), 0.2), 168, scale(c, 0.6)));
            draw::fillRoundRect(img, x + dx + 7, 151, 19, 9, 3, scale(c, 0.85));
            draw::fillRect(img, static_cast<int>(x + dx + 10), 153, 13, 5, rgb(60, 70, 100));
            draw::fillCircle(img, x + dx + 7, 168, 3, rgb(20, 20, 24));
            draw::fillCircle(img, x + dx + 27, 168, 3, rgb(20, 20, 24));
        });
    }
    for (int i = 0; i < 3; ++i)
        lamp(img, 30 + i * W / 3.0, 172, 104, rgb(255, 230, 180), i % 2 == 0);
    tree(img, 250, 174, 13, rgb(50, 90, 60));
    tree(img, 448, 174, 11, rgb(46, 84, 56));
    pavement(img, 172, rgb(120, 110, 120), rgb(80, 72, 84));
    return img;
}

// ---- 02: the junk island: heaps, a fence and work lights in a cold wind ----

Image bg02() {
    Image img(W, H);
    sky(img, 0, 130, {rgb(4, 8, 18), rgb(10, 24, 40), rgb(30, 56, 70), rgb(60, 90, 96)});
    draw::Rng rng(202);
    for (int i = 0; i < 70; ++i) {
        const double x = rng.real(0, W), y = rng.real(20, 90);
        around([&](double dx) {
            draw::fillCircle(draw::Target(img).faded(rng.uniform() * 0.5 + 0.4), x + dx, y, 0.6,
                             rgb(220, 230, 255));
        });
    }
    // The city's lights far across the sea.
    draw::fillRect(img, 0, 118, W, 8, rgb(20, 34, 46));
    for (int i = 0; i < 60; ++i) {
        const double x = rng.real(0, W);
        draw::fillRect(img, static_cast<int>(x), 116 + rng.range(0, 6), 1, 1 + rng.range(0, 2),
                       rgb(255, 210, 140));
    }
    // Heaps of refuse: two ridges, the near one darker and littered.
    for (int layer = 0; layer < 2; ++layer) {
        const double base = layer == 0 ? 126 : 150;
        const double height = layer == 0 ? 60 : 90;
        const std::uint32_t top = layer == 0 ? rgb(44, 62, 74) : rgb(62, 62, 70);
        const std::uint32_t bot = layer == 0 ? rgb(26, 36, 48) : rgb(24, 24, 30);
        for (int x = 0; x < W; ++x) {
            const double n = tileNoiseAt(x, layer * 40.0, 5 + layer * 2, 2020u + layer, 4);
            const double ridge = base - height * std::pow(n, 1.6) - (layer == 0 ? 0 : 10);
            for (int y = std::max(0, static_cast<int>(ridge)); y < 172; ++y) {
                const double tex = tileNoiseAt(x, y * 4.0, 128, 77u + layer, 2);
                img.at(x, y) = scale(mix(top, bot, (y - ridge) / 60.0), 0.8 + tex * 0.4);
            }
        }
    }
    // Junk on the near heap: tyres, crates, rods and a car's shell.
    for (int i = 0; i < 46; ++i) {
        const double x = rng.real(0, W);
        const double y = rng.real(112, 166);
        const int kind = rng.range(0, 3);
        const std::uint32_t c =
            mix(rgb(60, 60, 70), rng.uniform() < 0.3 ? rgb(120, 70, 50) : rgb(90, 100, 110),
                rng.uniform());
        const double r = rng.real(2.5, 5);
        const double a = rng.real(0, kPi);
        around([&](double dx) {
            const double cx = x + dx;
            switch (kind) {
            case 0:
                draw::ring(img, cx, y, r * 0.5, r, rgb(20, 20, 24));
                break;
            case 1:
                draw::fillRect(img, static_cast<int>(cx), static_cast<int>(y), 7, 5, c);
                draw::fillRect(img, static_cast<int>(cx), static_cast<int>(y), 7, 1, scale(c, 1.3));
                break;
            case 2:
                draw::line(img, cx, y, cx + std::cos(a) * 10, y - std::sin(a) * 8, 1.2, c);
                break;
            default:
                draw::fillRoundRect(img, cx, y, 18, 7, 3, scale(c, 0.8));
                draw::fillRect(img, static_cast<int>(cx + 4), static_cast<int>(y + 1), 8, 3,
                               rgb(20, 24, 30));
                break;
            }
        });
    }
    // Work lights on poles, cold white.
    for (int i = 0; i < 2; ++i) {
        const double x = 120 + i * W / 2.0;
        around([&](double dx) {
            draw::line(img, x + dx, 172, x + dx, 60, 2, rgb(50, 54, 60));
            draw::fillRect(img, static_cast<int>(x + dx - 8), 56, 16, 6, rgb(70, 74, 80));
            draw::glow(img, x + dx, 62, 70, rgb(200, 230, 255), 0.45);
            draw::fillPolygon(
                draw::Target(img).faded(0.12),
                {{x + dx - 7, 62}, {x + dx + 7, 62}, {x + dx + 50, 172}, {x + dx - 50, 172}},
                rgb(200, 230, 255));
            draw::fillRect(img, static_cast<int>(x + dx - 7), 61, 14, 2, rgb(240, 250, 255));
        });
    }
    // Oil drums with fires, where the island's workers gather at night.
    for (int i = 0; i < 2; ++i) {
        const double x = 250 + i * W / 2.0;
        around([&](double dx) {
            const double cx = x + dx;
            draw::glow(img, cx, 150, 46, rgb(255, 130, 40), 0.5);
            draw::fillRoundRect(
                img, cx - 6, 152, 12, 18, 2,
                draw::horizontal(cx - 6, rgb(150, 70, 40), cx + 6, rgb(60, 30, 20)));
            draw::fillRect(img, static_cast<int>(cx - 6), 157, 12, 1, rgb(40, 20, 14));
            draw::fillRect(img, static_cast<int>(cx - 6), 164, 12, 1, rgb(40, 20, 14));
            draw::fillPolygon(img,
                              {{cx - 6, 152},
                               {cx - 3, 141},
                               {cx - 1, 146},
                               {cx + 1, 136},
                               {cx + 3, 145},
                               {cx + 6, 142},
                               {cx + 6, 152}},
                              draw::vertical(136, rgb(255, 240, 150), 152, rgb(255, 90, 20)));
        });
    }
    // A chain-link fence along the road, leaning in the wind.
    const std::uint32_t wire = rgb(120, 130, 140);
    for (int i = 0; i < 64; ++i) {
        const double x = i * W / 64.0;
        around([&](double dx) {
            draw::line(draw::Target(img).faded(0.55), x + dx, 136, x + dx + 30, 172, 0.8, wire);
            draw::line(draw::Target(img).faded(0.55), x + dx + 30, 136, x + dx, 172, 0.8, wire);
        });
    }
    for (int i = 0; i < 8; ++i) {
        const double x = i * W / 8.0 + 10;
        around(
            [&](double dx) { draw::line(img, x + dx, 133, x + dx, 172, 2.2, rgb(90, 96, 104)); });
    }
    draw::fillRect(img, 0, 134, W, 2, rgb(100, 106, 114));
    // Paper and plastic carried by the wind.
    for (int i = 0; i < 26; ++i) {
        const double x = rng.real(0, W), y = rng.real(40, 160), len = rng.real(6, 16);
        around([&](double dx) {
            draw::line(draw::Target(img).faded(0.35), x + dx, y, x + dx - len, y + len * 0.15, 0.9,
                       rgb(200, 220, 230));
        });
    }
    pavement(img, 172, rgb(60, 56, 52), rgb(36, 32, 30));
    return img;
}

// ---- 03: the bay street: the bridge and the water beyond a promenade ----

Image bg03() {
    Image img(W, H);
    sky(img, 0, 118, {rgb(4, 6, 22), rgb(14, 22, 60), rgb(44, 44, 104), rgb(120, 70, 130)});
    draw::Rng rng(303);
    for (int i = 0; i < 80; ++i) {
        const double x = rng.real(0, W), y = rng.real(16, 90);
        const double b = rng.real(0.3, 1.0);
        around([&](double dx) {
            draw::fillCircle(draw::Target(img).faded(b), x + dx, y, 0.6, rgb(230, 235, 255));
        });
    }
    // The far shore's city.
    Tower shore;
    shore.baseY = 118;
    shore.minH = 6;
    shore.maxH = 34;
    shore.minW = 8;
    shore.maxW = 26;
    shore.top = rgb(34, 30, 70);
    shore.bottom = rgb(24, 20, 50);
    shore.windows = 0.35;
    shore.windowW = 1;
    shore.windowH = 1;
    shore.antennas = false;
    towerRow(img, 3031, shore);
    // Water with the lights' reflections.
    for (int y = 118; y < 160; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = tileNoiseAt(x, y * 6.0, 64, 3033u, 3);
            img.at(x, y) = mix(rgb(20, 24, 60), rgb(8, 10, 30), (y - 118) / 42.0);
            if (n > 0.62) img.at(x, y) = mix(img.at(x, y), rgb(120, 120, 200), (n - 0.62) * 2);
        }
    // The bridge: two towers per width and the cables between them.
    const double deckY = 100;
    for (int k = 0; k < 2; ++k) {
        const double tx = 128 + k * W / 2.0;
        around([&](double dx) {
            const double x = tx + dx;
            draw::fillRect(img, static_cast<int>(x - 5), 34, 3, 90, rgb(70, 74, 110));
            draw::fillRect(img, static_cast<int>(x + 2), 34, 3, 90, rgb(70, 74, 110));
            for (double y = 40; y < deckY; y += 20)
                draw::fillRect(img, static_cast<int>(x - 5), static_cast<int>(y), 10, 2,
                               rgb(70, 74, 110));
            draw::fillCircle(img, x, 32, 1.6, rgb(255, 60, 60));
            draw::glow(img, x, 32, 8, rgb(255, 60, 60), 0.6);
            // Its reflection wobbling in the water.
            for (int y = 124; y < 160; y += 3)
                draw::fillRect(draw::Target(img).faded(0.25), static_cast<int>(x - 4 + (y % 2)), y,
                               8, 2, rgb(90, 110, 170));
            cable(img, {x, 35}, {x + W / 2.0, 35}, 52, 1.2, rgb(140, 200, 255));
            for (int i = 1; i < 16; ++i) {
                const double t = i / 16.0;
                const double cx = x + W / 2.0 * t;
                const double cy = 35 + 52 * 4 * t * (1 - t);
                draw::line(draw::Target(img).faded(0.45), cx, cy, cx, deckY, 0.6,
                           rgb(110, 150, 200));
                draw::fillCircle(img, cx, cy, 1, rgb(210, 240, 255));
            }
        });
    }
    draw::fillRect(img, 0, static_cast<int>(deckY), W, 5,
                   draw::vertical(deckY, rgb(80, 80, 110), deckY + 5, rgb(36, 36, 56)));
    for (int i = 0; i < 43; ++i) {
        const double x = i * W / 43.0;
        around([&](double dx) {
            draw::fillCircle(img, x + dx, deckY - 1, 1, rgb(255, 220, 140));
            draw::glow(img, x + dx, deckY - 1, 4, rgb(255, 200, 120), 0.35);
        });
    }
    // The promenade: sea wall, railing, palms and lamps.
    draw::fillRect(img, 0, 156, W, 16, draw::vertical(156, rgb(70, 70, 96), 172, rgb(36, 36, 56)));
    for (int i = 0; i < 2; ++i) {
        const double x = 60 + i * W / 2.0;
        around([&](double dx) { palm(img, x + dx, 170, 58); });
    }
    for (int i = 0; i < 26; ++i)
        wrapRect(img, 6 + i * W / 26.0, 150, 2, 22, rgb(180, 190, 210));
    draw::fillRect(img, 0, 150, W, 2, rgb(210, 220, 236));
    draw::fillRect(img, 0, 160, W, 1, rgb(150, 160, 180));
    for (int i = 0; i < 4; ++i)
        lamp(img, 24 + i * W / 4.0, 172, 84, rgb(180, 220, 255), true);
    pavement(img, 172, rgb(100, 96, 120), rgb(60, 56, 76));
    return img;
}

// ---- 04: the city round the station, with the bullet train's viaduct ----

Image bg04() {
    Image img(W, H);
    sky(img, 0, 140, {rgb(6, 6, 24), rgb(20, 14, 56), rgb(70, 30, 100), rgb(170, 60, 120)});
    Tower far;
    far.baseY = 150;
    far.minH = 40;
    far.maxH = 110;
    far.minW = 16;
    far.maxW = 40;
    far.top = rgb(54, 34, 92);
    far.bottom = rgb(80, 40, 100);
    far.windows = 0.2;
    far.windowGlow = 0.55;
    towerRow(img, 4041, far);
    Tower near;
    near.baseY = 172;
    near.minH = 60;
    near.maxH = 128;
    near.minW = 30;
    near.maxW = 64;
    near.gap = 2;
    near.top = rgb(30, 20, 54);
    near.bottom = rgb(14, 8, 28);
    near.windows = 0.42;
    near.neon = 0.5;
    towerRow(img, 4042, near);
    // Shop fronts glowing under the viaduct.
    for (int y = 160; y < 172; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = tileNoiseAt(x, 0, 24, 4043u, 1);
            img.at(x, y) = mix(img.at(x, y), n > 0.5 ? rgb(255, 220, 150) : rgb(120, 200, 255),
                               0.35 + 0.3 * std::abs(n - 0.5));
        }
    // The viaduct: its deck top is row 148, where the train's wheels run.
    const int deck = 148;
    draw::fillRect(img, 0, deck - 8, W, 8,
                   draw::vertical(deck - 8, rgb(150, 150, 164), deck, rgb(110, 110, 124)));
    draw::fillRect(img, 0, deck - 9, W, 1, rgb(190, 190, 204));
    draw::fillRect(img, 0, deck, W, 10,
                   draw::vertical(deck, rgb(120, 120, 134), deck + 10, rgb(70, 70, 84)));
    draw::fillRect(img, 0, deck + 10, W, 2, rgb(40, 40, 50));
    for (int i = 0; i < 4; ++i) {
        const double x = 50 + i * W / 4.0;
        around([&](double dx) {
            const double px = x + dx;
            draw::fillRect(img, static_cast<int>(px - 9), deck + 12, 18, 172 - deck - 12,
                           draw::horizontal(px - 9, rgb(120, 120, 136), px + 9, rgb(60, 60, 74)));
            draw::fillRect(img, static_cast<int>(px - 12), deck + 10, 24, 4, rgb(100, 100, 114));
        });
    }
    // Catenary masts on the viaduct.
    for (int i = 0; i < 6; ++i) {
        const double x = 20 + i * W / 6.0;
        around([&](double dx) {
            draw::line(img, x + dx, deck - 8, x + dx, deck - 62, 1.4, rgb(70, 70, 86));
            draw::line(img, x + dx - 6, deck - 56, x + dx + 10, deck - 56, 1, rgb(70, 70, 86));
        });
    }
    draw::fillRect(img, 0, deck - 54, W, 1, rgb(90, 90, 110));
    // Lights hung under the deck, lighting the pavement.
    for (int i = 0; i < 8; ++i) {
        const double x = 18 + i * W / 8.0;
        around([&](double dx) {
            draw::glowEllipse(img, x + dx, 166, 26, 10, rgb(255, 220, 160), 0.35);
            draw::fillRoundRect(img, x + dx - 5, deck + 12, 10, 2, 1, rgb(255, 246, 220));
        });
    }
    pavement(img, 172, rgb(96, 86, 110), rgb(54, 48, 64));
    return img;
}

// ---- 05: the stadium: stands full of people, floodlights, boards ----

Image bg05() {
    Image img(W, H);
    sky(img, 0, 60, {rgb(4, 6, 18), rgb(14, 20, 46), rgb(30, 40, 80)});
    // Stands: rows of spectators rising from the wall, people in many colours.
    static const std::uint32_t shirts[] = {rgb(230, 200, 180), rgb(220, 60, 60),  rgb(60, 120, 220),
                                           rgb(240, 240, 240), rgb(250, 200, 60), rgb(80, 80, 110),
                                           rgb(60, 60, 80)};
    for (int y = 44; y < 140; ++y) {
        const double t = (y - 44) / 96.0;
        const int row = (y - 44) / 5, inRow = (y - 44) % 5;
        for (int x = 0; x < W; ++x) {
            // A spectator every 4 pixels, each row shifted half a seat: head above
            // shoulders, the seat's dark back below.
            const int seat = (x + (row % 2) * 2) / 4, inSeat = (x + (row % 2) * 2) % 4;
            const std::uint32_t h = hashCell(seat % (W / 4 + 1), row, 505u);
            const bool empty = (h >> 8) % 9 == 0;
            std::uint32_t c = rgb(34, 36, 58);
            if (!empty) {
                if (inRow == 0 && inSeat >= 1 && inSeat <= 2)
                    c = (h >> 12) % 4 == 0 ? rgb(60, 40, 30) : rgb(230, 190, 160);
                else if (inRow >= 1 && inRow <= 3 && inSeat <= 2)
                    c = shirts[h % 7];
            }
            img.at(x, y) = mix(rgb(14, 16, 34), c, 0.35 + 0.45 * t);
        }
    }
    for (int y = 60; y < 140; y += 20)
        draw::fillRect(img, 0, y, W, 2, rgb(70, 70, 100));
    for (int i = 0; i < 6; ++i) {
        const double x = i * W / 6.0 + 30;
        draw::fillRect(img, static_cast<int>(x), 44, 6, 96,
                       draw::vertical(44, rgb(60, 60, 84), 140, rgb(110, 110, 130)));
    }
    // Roof edge with floodlights.
    draw::fillRect(img, 0, 30, W, 14, draw::vertical(30, rgb(70, 74, 96), 44, rgb(30, 32, 46)));
    for (int i = 0; i < 4; ++i) {
        const double x = 64 + i * W / 4.0;
        around([&](double dx) {
            draw::glow(img, x + dx, 36, 50, rgb(240, 245, 255), 0.45);
            for (int k = 0; k < 4; ++k)
                draw::fillCircle(img, x + dx - 12 + k * 8, 36, 3, rgb(255, 255, 240));
        });
    }
    // The wall with the sponsors' boards.
    draw::fillRect(img, 0, 140, W, 4, rgb(30, 30, 40));
    static const char* boards[] = {"乙木PIZZA", "神奈玉スタジアム", "ZINGO 2000", "SPRINT 400m"};
    static const std::uint32_t colours[] = {rgb(210, 40, 40), rgb(30, 90, 200), rgb(240, 180, 30),
                                            rgb(30, 150, 90)};
    for (int i = 0; i < 4; ++i) {
        const double x = 40 + i * W / 4.0;
        const std::uint32_t c = colours[i];
        wrapRect(img, x, 144, W / 4.0 + 1, 24,
                 draw::vertical(144, mix(c, rgb(255, 255, 255), 0.15), 168, scale(c, 0.6)));
        wrapRect(img, x, 144, 2, 24, rgb(20, 20, 26));
        around([&](double dx) {
            signText(img, x + dx + W / 8.0, 156, boards[i], 14, rgb(255, 255, 255), scale(c, 0.3));
        });
    }
    draw::fillRect(img, 0, 168, W, 2, rgb(230, 230, 236));
    // The apron: green infield edge.
    draw::fillRect(img, 0, 170, W, H - 170,
                   draw::vertical(170, rgb(40, 110, 60), H, rgb(24, 70, 40)));
    return img;
}

// ---- 06: a tunnel under orange lamps ----

Image bg06() {
    Image img(W, H);
    // Ceiling curving down into the wall.
    draw::fillRect(img, 0, 0, W, 60, draw::vertical(0, rgb(20, 14, 10), 60, rgb(60, 44, 30)));
    draw::fillRect(img, 0, 60, W, 112, draw::vertical(60, rgb(150, 120, 84), 172, rgb(90, 70, 50)));
    // Wall panels and their seams.
    for (int i = 0; i < 12; ++i)
        wrapRect(img, 20 + i * W / 12.0, 60, 1, 112, rgb(70, 54, 36));
    for (int y : {90, 120})
        draw::fillRect(img, 0, y, W, 1, rgb(110, 86, 60));
    // The row of sodium lamps, each with its glare on the wall.
    for (int i = 0; i < 6; ++i) {
        const double x = 40 + i * W / 6.0;
        around([&](double dx) {
            draw::glow(img, x + dx, 46, 56, rgb(255, 170, 60), 0.5);
            draw::fillRoundRect(img, x + dx - 14, 42, 28, 7, 3,
                                draw::vertical(42, rgb(255, 250, 210), 49, rgb(255, 170, 60)));
        });
    }
    // Red and white guard stripes, the emergency phone sign, the walkway.
    for (int i = 0; i < 32; ++i)
        wrapRect(img, 7 + i * W / 32.0, 150, W / 32.0 + 1, 10,
                 i % 2 ? rgb(230, 230, 226) : rgb(200, 40, 40));
    around([&](double dx) {
        draw::fillRect(img, static_cast<int>(300 + dx), 100, 26, 16, rgb(30, 150, 80));
        signText(img, 313 + dx, 108, "SOS", 10, rgb(255, 255, 255), rgb(10, 60, 30));
    });
    draw::fillRect(img, 0, 160, W, 12,
                   draw::vertical(160, rgb(120, 110, 100), 172, rgb(70, 64, 56)));
    pavement(img, 172, rgb(90, 84, 76), rgb(50, 46, 40));
    return img;
}

// ---- 07: the expressway at dawn: sound walls, tall lamps, a sign ----

Image bg07() {
    Image img(W, H);
    sky(img, 0, 140, {rgb(20, 20, 60), rgb(70, 50, 110), rgb(230, 110, 90), rgb(255, 200, 120)});
    Tower city;
    city.baseY = 140;
    city.minH = 20;
    city.maxH = 90;
    city.minW = 12;
    city.maxW = 34;
    city.top = rgb(60, 40, 80);
    city.bottom = rgb(110, 60, 90);
    city.windows = 0.1;
    city.windowGlow = 0.4;
    towerRow(img, 7071, city);
    // Sound walls of clear panels on a concrete base.
    for (int y = 112; y < 156; ++y)
        for (int x = 0; x < W; ++x)
            img.at(x, y) = mix(img.at(x, y), rgb(170, 200, 220), 0.35);
    for (int i = 0; i < 16; ++i) {
        const double x = 12 + i * W / 16.0;
        wrapRect(img, x, 108, 3, 48, rgb(60, 64, 80));
        around([&](double dx) {
            draw::line(draw::Target(img).faded(0.4), x + dx + 6, 150, x + dx + 22, 114, 1.2,
                       rgb(255, 255, 255));
        });
    }
    draw::fillRect(img, 0, 106, W, 4, rgb(80, 84, 100));
    draw::fillRect(img, 0, 156, W, 16,
                   draw::vertical(156, rgb(170, 164, 170), 172, rgb(110, 104, 112)));
    // Tall lamps bending over the road.
    for (int i = 0; i < 4; ++i) {
        const double x = 20 + i * W / 4.0;
        around([&](double dx) {
            draw::line(img, x + dx, 158, x + dx, 40, 2.4, rgb(70, 70, 84));
            cable(img, {x + dx, 40}, {x + dx + 26, 34}, -4, 2, rgb(70, 70, 84));
            draw::fillRoundRect(img, x + dx + 20, 32, 14, 4, 2, rgb(255, 236, 200));
            draw::glow(img, x + dx + 27, 36, 24, rgb(255, 220, 170), 0.3);
        });
    }
    // The green direction sign on its gantry.
    around([&](double dx) {
        const double x = 300 + dx;
        draw::fillRect(img, static_cast<int>(x), 62, 4, 96, rgb(90, 94, 110));
        draw::fillRect(img, static_cast<int>(x + 60), 62, 4, 96, rgb(90, 94, 110));
        draw::fillRect(img, static_cast<int>(x - 6), 64, 76, 3, rgb(90, 94, 110));
        draw::fillRoundRect(img, x - 14, 68, 92, 40, 3, rgb(20, 120, 70));
        draw::frameRect(img, static_cast<int>(x - 12), 70, 88, 36, rgb(240, 250, 240));
        signText(img, x + 32, 80, "東京", 14, rgb(255, 255, 255), rgb(10, 70, 40));
        signText(img, x + 32, 97, "TOKYO 12km", 10, rgb(255, 255, 255), rgb(10, 70, 40));
    });
    pavement(img, 172, rgb(130, 124, 130), rgb(80, 76, 84));
    return img;
}

// ---- 08: 地蔵通り: old wooden houses, lanterns and the stone statues ----

Image bg08() {
    Image img(W, H);
    sky(img, 0, 120, {rgb(30, 20, 60), rgb(110, 50, 100), rgb(240, 120, 80), rgb(255, 180, 110)});
    // A pagoda far behind the roofs.
    around([&](double dx) {
        const double x = 380 + dx;
        for (int k = 0; k < 5; ++k) {
            const double y = 40 + k * 16;
            const double w = 18 + k * 5;
            draw::fillPolygon(img, {{x - w, y + 10}, {x, y}, {x + w, y + 10}}, rgb(60, 30, 60));
            draw::fillRect(img, static_cast<int>(x - w * 0.5), static_cast<int>(y + 8),
                           static_cast<int>(w), 8, rgb(70, 36, 64));
        }
        draw::line(img, x, 40, x, 20, 1.4, rgb(60, 30, 60));
    });
    // Two-storey wooden houses with tiled roofs and lattice fronts.
    draw::Rng rng(808);
    const std::vector<Block> houses = blockRow(rng, 70, 110);
    for (const Block& b : houses)
        around([&](double dx) {
            draw::Rng hr(b.seed);
            const double x = b.x + dx + 1;
            const double w = b.w - 2;
            const double top = hr.real(78, 96);
            const std::uint32_t wood = mix(rgb(90, 56, 36), rgb(120, 80, 50), hr.uniform());
            draw::fillRect(img, static_cast<int>(x), static_cast<int>(top), static_cast<int>(w),
                           static_cast<int>(168 - top),
                           draw::vertical(top, wood, 168, scale(wood, 0.6)));
            // Upper roof and the eave over the ground floor.
            for (const double ry : {top - 10, top + 34}) {
                draw::fillPolygon(
                    img, {{x - 4, ry + 12}, {x + 6, ry}, {x + w - 6, ry}, {x + w + 4, ry + 12}},
                    draw::vertical(ry, rgb(80, 84, 110), ry + 12, rgb(36, 38, 54)));
                for (double tx = x; tx < x + w; tx += 5)
                    draw::line(img, tx, ry + 1, tx - 2, ry + 12, 0.7, rgb(30, 30, 44));
            }
            // Upper window with a warm paper screen.
            draw::fillRect(img, static_cast<int>(x + w * 0.2), static_cast<int>(top + 8),
                           static_cast<int>(w * 0.6), 14, rgb(255, 214, 150));
            for (double lx = x + w * 0.2; lx < x + w * 0.8; lx += 4)
                draw::fillRect(img, static_cast<int>(lx), static_cast<int>(top + 8), 1, 14,
                               scale(wood, 0.6));
            // Lattice front, a noren curtain over the door.
            for (double lx = x + 4; lx < x + w - 4; lx += 3)
                draw::fillRect(img, static_cast<int>(lx), static_cast<int>(top + 48), 1,
                               static_cast<int>(120 - top), scale(wood, 0.55));
            const std::uint32_t noren = hr.uniform() < 0.5 ? rgb(40, 60, 120) : rgb(140, 30, 40);
            draw::fillRect(img, static_cast<int>(x + w * 0.35), static_cast<int>(top + 48),
                           static_cast<int>(w * 0.3), 14, noren);
            draw::fillRect(img, static_cast<int>(x + w * 0.35), static_cast<int>(top + 62),
                           static_cast<int>(w * 0.3), static_cast<int>(106 - top),
                           rgb(255, 200, 130));
            // A red paper lantern.
            const double lx = x + w * 0.15;
            draw::glow(img, lx, top + 56, 16, rgb(255, 120, 60), 0.4);
            draw::fillEllipse(
                img, lx, top + 56, 4.5, 6,
                draw::vertical(top + 50, rgb(255, 120, 80), top + 62, rgb(190, 30, 30)));
            draw::fillRect(img, static_cast<int>(lx - 3), static_cast<int>(top + 49), 6, 1,
                           rgb(30, 20, 20));
        });
    // Power poles and the sagging wires between them.
    for (int i = 0; i < 3; ++i) {
        const double x = 90 + i * W / 3.0;
        around([&](double dx) {
            draw::line(img, x + dx, 172, x + dx, 30, 3, rgb(50, 40, 40));
            draw::fillRect(img, static_cast<int>(x + dx - 10), 38, 20, 2, rgb(50, 40, 40));
            for (int k = 0; k < 2; ++k)
                cable(img, {x + dx - 8 + 16 * k, 38}, {x + dx + W / 3.0 - 8 + 16 * k, 38}, 12, 0.8,
                      rgb(30, 24, 30));
        });
    }
    // A low stone wall with the little 地蔵 in their red bibs.
    draw::fillRect(img, 0, 154, W, 18,
                   draw::vertical(154, rgb(150, 146, 140), 172, rgb(90, 86, 84)));
    for (int i = 0; i < 20; ++i)
        wrapRect(img, 6 + i * W / 20.0, 154, 1, 18, rgb(80, 76, 74));
    draw::fillRect(img, 0, 162, W, 1, rgb(90, 86, 84));
    for (int i = 0; i < 5; ++i) {
        const double x = 40 + i * W / 5.0;
        around([&](double dx) {
            const double cx = x + dx;
            draw::fillRoundRect(img, cx - 5, 140, 10, 14, 4,
                                draw::vertical(140, rgb(190, 190, 186), 154, rgb(120, 120, 118)));
            draw::fillCircle(img, cx, 138, 4.6, rgb(180, 180, 176));
            draw::fillPolygon(img, {{cx - 5.5, 142}, {cx + 5.5, 142}, {cx, 149}}, rgb(210, 40, 40));
            draw::fillEllipse(img, cx, 134.5, 4.5, 2, rgb(210, 40, 40));
            draw::fillRect(img, static_cast<int>(cx - 2), 137, 1, 1, rgb(70, 70, 70));
            draw::fillRect(img, static_cast<int>(cx + 1), 137, 1, 1, rgb(70, 70, 70));
        });
    }
    pavement(img, 172, rgb(140, 132, 124), rgb(92, 86, 80));
    return img;
}

// ---- 09: the driving school at sunset: the building, the course, its signs ----

Image bg09() {
    Image img(W, H);
    sky(img, 0, 140,
        {rgb(60, 90, 170), rgb(150, 130, 190), rgb(250, 170, 130), rgb(255, 220, 150)});
    // Hills and a line of trees.
    for (int x = 0; x < W; ++x) {
        const double n = tileNoiseAt(x, 5, 4, 909u, 3);
        const int top = static_cast<int>(100 - n * 40);
        draw::fillRect(img, x, top, 1, 172 - top,
                       draw::vertical(top, rgb(90, 100, 130), 140, rgb(70, 80, 100)));
    }
    for (int i = 0; i < 14; ++i)
        tree(img, i * W / 14.0 + 8, 140, 9 + (i % 3) * 2, rgb(50, 90, 60));
    // The school building with its name on the roof.
    around([&](double dx) {
        const double x = 40 + dx;
        draw::fillRect(img, static_cast<int>(x), 78, 250, 76,
                       draw::vertical(78, rgb(246, 240, 232), 154, rgb(190, 180, 176)));
        for (double wy = 90; wy < 146; wy += 20)
            for (double wx = x + 10; wx < x + 240; wx += 20)
                draw::fillRect(img, static_cast<int>(wx), static_cast<int>(wy), 14, 11,
                               draw::vertical(wy, rgb(140, 180, 220), wy + 11, rgb(250, 200, 150)));
        draw::fillRect(img, static_cast<int>(x + 40), 52, 170, 24, rgb(30, 80, 170));
        draw::fillRect(img, static_cast<int>(x + 60), 76, 3, 4, rgb(80, 80, 90));
        draw::fillRect(img, static_cast<int>(x + 190), 76, 3, 4, rgb(80, 80, 90));
        signText(img, x + 125, 64, "神奈玉自動車教習所", 15, rgb(255, 255, 255), rgb(10, 30, 80));
    });
    // The course: a fence, cones, a traffic light and a speed sign.
    draw::fillRect(img, 0, 154, W, 18,
                   draw::vertical(154, rgb(110, 150, 90), 172, rgb(70, 110, 60)));
    for (int i = 0; i < 32; ++i)
        wrapRect(img, 5 + i * W / 32.0, 146, W / 32.0 + 1, 6,
                 i % 2 ? rgb(240, 240, 236) : rgb(220, 50, 40));
    for (int i = 0; i < 6; ++i) {
        const double x = 20 + i * W / 6.0;
        around([&](double dx) {
            draw::fillPolygon(img, {{x + dx - 4, 170}, {x + dx, 158}, {x + dx + 4, 170}},
                              rgb(255, 120, 30));
            draw::fillRect(img, static_cast<int>(x + dx - 2), 163, 4, 2, rgb(255, 255, 255));
        });
    }
    around([&](double dx) {
        const double x = 340 + dx;
        draw::line(img, x, 170, x, 70, 2.6, rgb(90, 94, 110));
        draw::line(img, x, 74, x + 30, 74, 2, rgb(90, 94, 110));
        draw::fillRoundRect(img, x + 22, 68, 36, 12, 3, rgb(50, 54, 64));
        draw::fillCircle(img, x + 28, 74, 3.6, rgb(80, 220, 120));
        draw::glow(img, x + 28, 74, 10, rgb(80, 255, 140), 0.45);
        draw::fillCircle(img, x + 40, 74, 3.6, rgb(90, 80, 40));
        draw::fillCircle(img, x + 52, 74, 3.6, rgb(90, 40, 40));
        const double sx = 470 + dx;
        draw::line(img, sx, 170, sx, 120, 2, rgb(140, 144, 160));
        draw::fillCircle(img, sx, 118, 11, rgb(220, 40, 40));
        draw::fillCircle(img, sx, 118, 8.5, rgb(255, 255, 255));
        signText(img, sx, 118, "40", 11, rgb(30, 60, 170), rgb(255, 255, 255));
    });
    pavement(img, 172, rgb(150, 146, 150), rgb(104, 100, 108));
    return img;
}

} // namespace

Image raceBackground(int number) {
    switch (number) {
    case 1:
        return bg01();
    case 2:
        return bg02();
    case 3:
        return bg03();
    case 4:
        return bg04();
    case 5:
        return bg05();
    case 6:
        return bg06();
    case 7:
        return bg07();
    case 8:
        return bg08();
    default:
        return bg09();
    }
}

} // namespace zb::art
