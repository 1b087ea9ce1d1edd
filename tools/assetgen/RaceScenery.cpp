// The race screen's road and the pieces its scrolling layers share. Two copies
// of a layer scroll side by side, so everything on a layer wraps around: what
// leaves the right edge comes back in at the left.
#include "tools/assetgen/Art.h"

#include <algorithm>
#include <cmath>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

std::uint32_t hashCell(int x, int y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                      static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

namespace {

double lattice(int x, int y, int period, std::uint32_t seed) {
    const int px = ((x % period) + period) % period;
    return (hashCell(px, y, seed) >> 8) / 16777216.0;
}

double smooth(double t) {
    return t * t * (3 - 2 * t);
}

} // namespace

double tileNoise(double x, double y, int period, std::uint32_t seed, int octaves) {
    double sum = 0, amp = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        const double fx = std::floor(x), fy = std::floor(y);
        const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
        const double tx = smooth(x - fx), ty = smooth(y - fy);
        const std::uint32_t s = seed + static_cast<std::uint32_t>(o) * 131u;
        const double a = lattice(ix, iy, period, s) +
                         (lattice(ix + 1, iy, period, s) - lattice(ix, iy, period, s)) * tx;
        const double b = lattice(ix, iy + 1, period, s) +
                         (lattice(ix + 1, iy + 1, period, s) - lattice(ix, iy + 1, period, s)) * tx;
        sum += (a + (b - a) * ty) * amp;
        total += amp;
        amp *= 0.5;
        x *= 2;
        y *= 2;
        period *= 2;
    }
    return sum / total;
}

double tileNoiseAt(double px, double py, int cells, std::uint32_t seed, int octaves) {
    const double unit = kLayerW / static_cast<double>(cells);
    return tileNoise(px / unit, py / unit, cells, seed, octaves);
}

std::vector<Block> blockRow(draw::Rng& rng, int minW, int maxW) {
    std::vector<Block> row;
    // Start a little left of 0, so the layer's edge falls inside a block like any
    // other column, and close the row exactly one width later.
    const double start = -rng.range(0, minW / 2);
    double x = start;
    while (x < start + kLayerW) {
        int w = rng.range(minW, maxW);
        if (x + w + minW > start + kLayerW) w = static_cast<int>(start + kLayerW - x);
        row.push_back({x, w, rng.next()});
        x += w;
    }
    return row;
}

void building(Image& img, const Block& b, double dx, const Tower& t) {
    draw::Rng rng(b.seed);
    const int h = rng.range(t.minH, t.maxH);
    const int x = static_cast<int>(std::lround(b.x + dx)) + t.gap;
    const int w = b.w - 2 * t.gap;
    if (w <= 2) return;
    const int top = t.baseY - h;
    const double shade = rng.real(0.82, 1.15);
    const std::uint32_t roof = scale(t.top, shade);
    draw::fillRect(img, x, top, w, h, draw::vertical(top, roof, t.baseY, t.bottom));
    draw::fillRect(img, x, top, 1, h, scale(roof, 1.35));
    const int side = std::max(2, w / 6);
    draw::fillRect(img, x + w - side, top, side, h,
                   draw::vertical(top, scale(roof, 0.7), t.baseY, scale(t.bottom, 0.7)));
    const int kind = rng.range(0, 5);
    if (kind == 0 && w > 14 && t.antennas) {
        draw::line(img, x + w / 2.0, top, x + w / 2.0, top - h * 0.2, 1.0, roof);
        draw::fillCircle(img, x + w / 2.0, top - h * 0.2, 1.3, rgb(255, 60, 60));
        draw::glow(img, x + w / 2.0, top - h * 0.2, 5, rgb(255, 60, 60), 0.5);
    } else if (kind == 1 && w > 20) {
        draw::fillRect(img, x + w / 4, top - h / 10, w / 2, h / 10 + 1, scale(roof, 0.95));
    }
    static const std::uint32_t warm[] = {rgb(255, 214, 120), rgb(255, 190, 90), rgb(255, 236, 170)};
    static const std::uint32_t cool[] = {rgb(150, 220, 255), rgb(190, 240, 255),
                                         rgb(120, 190, 255)};
    const bool warmBuilding = rng.uniform() < 0.7;
    for (int wy = top + 4; wy + t.windowH < t.baseY - 3; wy += t.windowH + 3)
        for (int wx = x + 3; wx + t.windowW < x + w - side; wx += t.windowW + 2) {
            const bool lit = rng.uniform() < t.windows;
            const std::uint32_t c = warmBuilding ? warm[rng.range(0, 2)] : cool[rng.range(0, 2)];
            draw::fillRect(img, wx, wy, t.windowW, t.windowH,
                           lit ? mix(roof, c, t.windowGlow * rng.real(0.55, 1.0))
                               : scale(roof, 0.8));
        }
    if (rng.uniform() < t.neon && w > 16 && h > 40) {
        static const std::uint32_t neon[] = {rgb(255, 60, 170), rgb(60, 230, 255),
                                             rgb(255, 230, 60), rgb(120, 255, 120)};
        const std::uint32_t c = neon[rng.range(0, 3)];
        const int sw = std::max(5, w / 5);
        const int sh = std::min(h - 14, rng.range(20, 40));
        const int sx = rng.uniform() < 0.5 ? x + 2 : x + w - side - sw - 2;
        const int sy = top + rng.range(4, std::max(5, h - sh - 6));
        draw::glow(img, sx + sw / 2.0, sy + sh / 2.0, sh * 0.8, c, 0.35);
        draw::fillRoundRect(img, sx, sy, sw, sh, 2, scale(c, 0.35));
        draw::frameRect(img, sx, sy, sw, sh, c);
        for (int k = sy + 3; k < sy + sh - 3; k += 5)
            draw::fillRect(img, sx + 2, k, sw - 4, 2, mix(c, rgb(255, 255, 255), 0.4));
    }
}

void towerRow(Image& img, std::uint32_t seed, const Tower& t) {
    draw::Rng rng(seed);
    const std::vector<Block> row = blockRow(rng, t.minW, t.maxW);
    for (const Block& b : row)
        around([&](double dx) { building(img, b, dx, t); });
}

// ---- the road ----

Image raceRoad() {
    // Rows of the picture; it stands at y = 179, so the lane-2 tyres run on row 27
    // and the lane-1 tyres on row 69. The road does not scroll, so everything on it
    // runs along its length: solid lines and streaky asphalt, nothing that would
    // stand still while the scenery flies by.
    const int W = kLayerW, H = 189;
    Image img(W, H);
    // Kerb and gutter against the scenery.
    draw::fillRect(img, 0, 0, W, 3, draw::vertical(0, rgb(168, 164, 176), 3, rgb(120, 116, 130)));
    draw::fillRect(img, 0, 3, W, 3, draw::vertical(3, rgb(70, 66, 80), 6, rgb(40, 38, 48)));
    // Asphalt: grain stretched along the road, lighter far away.
    for (int y = 6; y < H; ++y) {
        const double t = (y - 6) / static_cast<double>(H - 6);
        const std::uint32_t base = y < 96 ? mix(rgb(78, 76, 90), rgb(56, 54, 66), (y - 6) / 90.0)
                                          : mix(rgb(40, 38, 48), rgb(16, 14, 20), t);
        for (int x = 0; x < W; ++x) {
            const double n = tileNoiseAt(x, y * 24.0, 256, 91u, 3);
            const double fine = (hashCell(x, y, 7u) >> 24) / 255.0;
            img.at(x, y) = scale(base, 0.88 + n * 0.2 + fine * 0.08);
        }
    }
    // Tyre-polished bands where the bikes run, and oil darkening between them.
    auto band = [&](int centre, int half, double f) {
        for (int y = centre - half; y <= centre + half; ++y) {
            const double k = 1 - std::abs(y - centre) / static_cast<double>(half + 1);
            for (int x = 0; x < W; ++x)
                img.at(x, y) = scale(img.at(x, y), 1 + (f - 1) * k);
        }
    };
    band(26, 3, 1.12);
    band(68, 4, 1.12);
    band(47, 5, 0.9);
    // Lines: white edges and the centre line, with a worn, slightly broken paint.
    auto paint = [&](int y, int thick, std::uint32_t c) {
        for (int j = 0; j < thick; ++j)
            for (int x = 0; x < W; ++x) {
                const double wear = tileNoiseAt(x, (y + j) * 3.0, 128, 33u, 2);
                img.at(x, y + j) = mix(img.at(x, y + j), c, 0.8 + 0.2 * std::min(1.0, wear * 1.6));
            }
    };
    paint(9, 2, rgb(236, 236, 240));
    paint(46, 3, rgb(250, 200, 60));
    paint(89, 3, rgb(236, 236, 240));
    // Near shoulder, kerb and the dark pavement under the gauges.
    draw::fillRect(img, 0, 96, W, 4,
                   draw::vertical(96, rgb(180, 176, 188), 100, rgb(110, 106, 120)));
    draw::fillRect(img, 0, 100, W, 3, rgb(60, 56, 70));
    for (int y = 103; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = tileNoiseAt(x, y * 10.0, 128, 5u, 2);
            img.at(x, y) =
                scale(mix(rgb(34, 32, 42), rgb(12, 10, 16), (y - 103) / 60.0), 0.9 + n * 0.2);
        }
    for (int y = 110; y < H; y += 9)
        draw::fillRect(img, 0, y, W, 1, rgb(20, 18, 26));
    return img;
}

// ---- the sky layers: clouds drifting slowly over the scenery ----

namespace {

struct Puff {
    double x, y, r;
};

// The density of a bank of puffs at (x, y), wrapping around the layer's width.
double puffField(const std::vector<Puff>& puffs, double x, double y, double stretch) {
    double f = 0;
    for (const Puff& p : puffs) {
        double dx = x - p.x;
        dx -= kLayerW * std::round(dx / kLayerW);
        dx /= stretch;
        const double dy = y - p.y;
        const double d2 = (dx * dx + dy * dy) / (p.r * p.r);
        if (d2 < 1) f += (1 - d2) * (1 - d2);
    }
    return f;
}

} // namespace

Image raceSky(int number) {
    const int W = kLayerW, H = 182;
    // 01: heaps of cloud lit by the moon; 02: long bands glowing from a low sun.
    const bool bands = number == 2;
    draw::Rng rng(bands ? 2202u : 1101u);
    std::vector<Puff> puffs;
    const int banks = bands ? 4 : 4;
    for (int k = 0; k < banks; ++k) {
        const double cx = (k + rng.real(0.2, 0.8)) * W / banks;
        const double base = rng.real(bands ? 36 : 48, bands ? 60 : 66);
        const double len = bands ? rng.real(140, 230) : rng.real(70, 120);
        const int n = rng.range(10, 16);
        for (int i = 0; i < n; ++i) {
            const double t = rng.real(-1, 1);
            const double r =
                (bands ? rng.real(6, 10) : rng.real(9, 18)) * (1.15 - std::abs(t) * 0.6);
            puffs.push_back({cx + t * len / 2, base - r * rng.real(0.1, 0.6), r});
        }
    }
    const double stretch = bands ? 3.5 : 1.3;
    const double edge = 0.35;
    const int y0 = 10, y1 = 90;
    // The density once per pixel, with a little noise for ragged edges.
    std::vector<double> field(static_cast<std::size_t>(W) * (y1 - y0 + 8), 0.0);
    auto at = [&](int x, int y) -> double& {
        return field[static_cast<std::size_t>(y - y0 + 4) * W + x];
    };
    for (int y = y0 - 4; y < y1 + 4; ++y)
        for (int x = 0; x < W; ++x)
            at(x, y) =
                puffField(puffs, x, y, stretch) +
                (tileNoiseAt(x, y * (bands ? 2.5 : 1.2), bands ? 48 : 64, 77u + number, 3) - 0.5) *
                    0.45;
    const std::uint32_t lit = bands ? rgb(255, 176, 150) : rgb(184, 190, 230);
    const std::uint32_t body = bands ? rgb(130, 76, 118) : rgb(80, 84, 128);
    const std::uint32_t shadow = bands ? rgb(56, 32, 70) : rgb(42, 42, 74);
    draw::Layer layer(W, H);
    for (int y = y0; y < y1; ++y)
        for (int x = 0; x < W; ++x) {
            const double f = at(x, y);
            if (f < edge) continue;
            // Light from above: bright where the cloud's top is close, dark at its base.
            const double up = at(x, y - 3);
            const double down = at(x, y + 4);
            std::uint32_t c = mix(shadow, body, std::clamp(0.35 + (f - edge) * 1.2, 0.0, 1.0));
            if (up < edge)
                c = mix(c, lit, 0.8);
            else if (up < f)
                c = mix(c, lit, std::clamp((f - up) * 2.5, 0.0, 0.55));
            if (down < edge) c = mix(c, shadow, 0.45);
            layer.colour.at(x, y) = c;
            layer.alpha[static_cast<std::size_t>(y) * W + x] = 1.0f;
        }
    Image img = layer.toKeyed(kKey, shadow);
    img.at(0, H - 1) = kKey;
    return img;
}

} // namespace zb::art
