// The map of ゴミの山アイランド at a cold dusk: a landfill behind straight sea
// walls, heaped with the city's waste. The grass race track lies in the north
// beside the great heap, the junk shop below it, the ferry port in a basin on
// the east side with a waste ship at the quay, and the island road runs from the
// port gate to the west. To the east a new landfill cell is being filled, and
// in the south-east the ferry route crosses the bay to the mainland port.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/MapArt.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;
using map::polyline;

namespace {

constexpr int IW = 640;
constexpr int IH = 420;
constexpr double kPi = std::numbers::pi;

const std::uint32_t kSeaDeep = rgb(20, 34, 72);
const std::uint32_t kSeaShallow = rgb(50, 84, 112);
const std::uint32_t kMurky = rgb(66, 88, 86); // run-off from the landfill
const std::uint32_t kCasing = rgb(30, 32, 40);
const std::uint32_t kConcrete = rgb(158, 156, 150);
const std::uint32_t kAsphalt = rgb(104, 104, 112);
const std::uint32_t kDirtRoad = rgb(150, 126, 96);
const std::uint32_t kLamp = rgb(255, 200, 120);

// The island's sea wall, clockwise from the north-west; the basin of the port
// opens to the east between the two moles.
const std::vector<Point>& islandOutline() {
    static const std::vector<Point> pts = {
        {62, 24},   {120, 14},  {200, 10},  {262, 12},  {316, 22},  {336, 48},
        {338, 92},  {332, 112}, {300, 116}, {274, 120}, {270, 160}, {298, 164},
        {314, 178}, {318, 204}, {302, 232}, {250, 244}, {180, 246}, {118, 240},
        {76, 226},  {52, 196},  {44, 150},  {46, 96},   {52, 52}};
    return pts;
}

// The mainland in the south-east, with the port's quay at its tip.
const std::vector<Point>& mainlandOutline() {
    static const std::vector<Point> pts = {
        {IW + 10, 262}, {612, 288}, {600, 318}, {560, 330},     {548, 350},
        {500, 356},     {488, 380}, {456, 398}, {430, IH + 10}, {IW + 10, IH + 10}};
    return pts;
}

// The cell of new landfill in the sea to the east.
constexpr int kCellX = 378, kCellY = 28, kCellW = 128, kCellH = 88;

// A mound of waste: centre, radius and height (1 = the great heap).
struct Mound {
    double x, y, r, h;
};

const std::vector<Mound>& mounds() {
    static const std::vector<Mound> list = {
        {242, 58, 56, 1.0},  {300, 82, 30, 0.55},  {90, 58, 34, 0.7},
        {84, 126, 36, 0.8},  {132, 214, 30, 0.5},  {274, 212, 28, 0.55},
        {222, 212, 20, 0.4}, {138, 118, 18, 0.35}, {300, 40, 22, 0.45}};
    return list;
}

// Paths of the roads (before smoothing).
const std::vector<Point>& islandRoad() { // port gate to the west end
    static const std::vector<Point> pts = {{258, 152}, {232, 166}, {185, 170},
                                           {130, 172}, {88, 182},  {58, 192}};
    return pts;
}
const std::vector<Point>& northRoad() { // to the junk shop and the track
    static const std::vector<Point> pts = {
        {186, 171}, {190, 136}, {190, 116}, {178, 96}, {166, 86}};
    return pts;
}
const std::vector<Point>& haulRoad() { // the dump trucks' track up the great heap
    static const std::vector<Point> pts = {{232, 124}, {236, 106}, {258, 96},
                                           {276, 80},  {266, 62},  {246, 52}};
    return pts;
}

double smoothstep(double e0, double e1, double v) {
    const double t = std::clamp((v - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Box blur of a coverage map, three passes (close to a gaussian).
std::vector<float> blurred(std::vector<float> v, int radius) {
    std::vector<float> tmp(v.size());
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < IH; ++y) { // along rows
            double sum = 0;
            for (int x = -radius; x <= radius; ++x)
                sum += v[static_cast<std::size_t>(y) * IW + std::clamp(x, 0, IW - 1)];
            for (int x = 0; x < IW; ++x) {
                tmp[static_cast<std::size_t>(y) * IW + x] =
                    static_cast<float>(sum / (2 * radius + 1));
                sum += v[static_cast<std::size_t>(y) * IW + std::min(IW - 1, x + radius + 1)];
                sum -= v[static_cast<std::size_t>(y) * IW + std::max(0, x - radius)];
            }
        }
        for (int x = 0; x < IW; ++x) { // along columns
            double sum = 0;
            for (int y = -radius; y <= radius; ++y)
                sum += tmp[static_cast<std::size_t>(std::clamp(y, 0, IH - 1)) * IW + x];
            for (int y = 0; y < IH; ++y) {
                v[static_cast<std::size_t>(y) * IW + x] =
                    static_cast<float>(sum / (2 * radius + 1));
                sum += tmp[static_cast<std::size_t>(std::min(IH - 1, y + radius + 1)) * IW + x];
                sum -= tmp[static_cast<std::size_t>(std::max(0, y - radius)) * IW + x];
            }
        }
    }
    return v;
}

struct IslandCanvas {
    Image img{IW, IH};
    std::vector<float> land; // 1 on the island, the mainland and the cell's fill
    std::vector<float> height;

    std::size_t idx(int x, int y) const { return static_cast<std::size_t>(y) * IW + x; }
    float landAt(double x, double y) const {
        const int i = static_cast<int>(x), j = static_cast<int>(y);
        if (i < 0 || j < 0 || i >= IW || j >= IH) return 0;
        return land[idx(i, j)];
    }
};

// ---- the sea ----

void drawSea(IslandCanvas& c, draw::Rng& rng) {
    const std::vector<float> near = blurred(c.land, 14);
    const std::vector<float> far = blurred(c.land, 40);
    for (int y = 0; y < IH; ++y)
        for (int x = 0; x < IW; ++x) {
            const double n = draw::fractalNoise(x / 50.0, y / 30.0, 21, 4);
            // Deeper towards the open bay in the north-east and the south-west.
            const double depth =
                std::clamp(0.55 + 0.35 * (n - 0.5) - far[c.idx(x, y)] * 1.2, 0.0, 1.0);
            std::uint32_t col = mix(kSeaShallow, kSeaDeep, depth);
            col = mix(col, kMurky,
                      std::clamp(near[c.idx(x, y)] * 1.4, 0.0, 0.75) *
                          (x < 360 && y < 270 ? 1.0 : 0.4));
            // Long swells lit by the last of the sky.
            const double swell = std::sin((x * 0.8 + y * 0.35) / 7.0 + 6 * n);
            col = scale(col, 1 + 0.05 * swell);
            c.img.at(x, y) = col;
        }
    // Foam where the water meets the walls.
    for (int y = 0; y < IH; ++y)
        for (int x = 0; x < IW; ++x) {
            const float a = near[c.idx(x, y)];
            if (c.land[c.idx(x, y)] > 0.01f || a < 0.18f) continue;
            const double f =
                smoothstep(0.18, 0.42, a) * 0.35 * draw::fractalNoise(x / 5.0, y / 5.0, 22, 2);
            c.img.at(x, y) = mix(c.img.at(x, y), rgb(200, 214, 224), f);
        }
    // Little waves, driven by the cold wind from the north-west.
    draw::Target waves = draw::Target(c.img).faded(0.35);
    for (int i = 0; i < 420; ++i) {
        const double x = rng.real(0, IW), y = rng.real(0, IH);
        if (near[c.idx(static_cast<int>(x), static_cast<int>(y))] > 0.05f) continue;
        const double len = rng.real(4, 9);
        draw::line(waves, x, y, x + len, y + len * 0.3, 1, rgb(170, 200, 230));
    }
}

// ---- the mainland in the south-east ----

void drawMainland(IslandCanvas& c, draw::Rng& rng) {
    const std::vector<Point>& coast = mainlandOutline();
    draw::fillPolygon(c.img, coast, draw::vertical(260, rgb(74, 80, 78), IH, rgb(58, 64, 64)));
    std::vector<Point> wall(coast.begin(), coast.end() - 1);
    polyline(c.img, wall, 4, kConcrete);
    // The quay of 神奈玉港: an apron, stacks of containers and two cranes.
    draw::fillRect(c.img, 500, 330, 60, 22, rgb(128, 126, 122));
    static const std::uint32_t boxes[] = {rgb(200, 60, 50), rgb(40, 110, 170), rgb(230, 170, 40),
                                          rgb(60, 140, 90)};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 4; ++i)
            draw::fillRect(c.img, 518 + i * 10, 338 + j * 7, 8, 5, boxes[(i + j * 3) % 4]);
    for (int i = 0; i < 2; ++i) {
        const int x = 506 + i * 26;
        draw::fillRect(draw::Target(c.img).faded(0.5), x + 3, 325, 3, 14, rgb(8, 10, 16));
        draw::fillRect(c.img, x, 322, 3, 14, rgb(230, 120, 40));
        draw::line(c.img, x + 1.5, 324, x + 1.5, 312, 1.5, rgb(230, 120, 40));
    }
    // Blocks of the city behind it.
    static const std::uint32_t roofs[] = {rgb(170, 160, 150), rgb(150, 120, 110),
                                          rgb(120, 130, 150), rgb(180, 170, 130)};
    for (int y = 296; y < IH; y += 3)
        for (int x = 460; x < IW; x += 3) {
            const int w = rng.range(8, 16), h = rng.range(7, 13);
            bool inside = true;
            for (const Point q : {Point{x - 3.0, y - 3.0}, Point{x + w + 3.0, y - 3.0},
                                  Point{x - 3.0, y + h + 3.0}, Point{x + w + 3.0, y + h + 3.0}})
                inside = inside && c.landAt(q.x, q.y) > 0.9f;
            if (!inside || (x < 566 && y < 358)) continue;
            map::building(c.img, rng, x, y, w, h,
                          scale(roofs[rng.range(0, 3)], rng.real(0.7, 0.95)));
            // Mark the box as taken so the next block does not overlap it.
            for (int j = y - 1; j < std::min(IH, y + h + 3); ++j)
                for (int i = x - 1; i < std::min(IW, x + w + 3); ++i)
                    c.land[c.idx(i, j)] = 0.5f;
            x += w;
        }
    for (std::size_t i = 0; i < c.land.size(); ++i)
        if (c.land[i] == 0.5f) c.land[i] = 1;
}

// ---- the island ----

double moundHeight(double x, double y) {
    double env = 0;
    const double wobble = 1 + 0.6 * (draw::fractalNoise(x / 26.0, y / 26.0, 31, 3) - 0.5);
    for (const Mound& m : mounds()) {
        const double d = std::hypot(x - m.x, y - m.y) * wobble / m.r;
        if (d >= 1) continue;
        const double b = (1 - d * d);
        env += m.h * b * b;
    }
    if (env <= 0) return 0;
    // Ridges and gullies where the trucks tipped their loads.
    const double ridge = 1 - std::abs(2 * draw::fractalNoise(x / 20.0, y / 20.0, 32, 4) - 1);
    return env * (0.55 + 0.55 * ridge);
}

// Where the ground was levelled: the track, the yards, the port and the roads.
draw::Layer levelled() {
    draw::Layer l(IW, IH);
    const std::uint32_t w = rgb(255, 255, 255);
    draw::fillRoundRect(l, 112, 26, 102, 66, 16, w); // the race track's grass
    draw::fillRoundRect(l, 164, 86, 56, 38, 6, w);   // the junk shop's yard
    draw::fillRect(l, 222, 116, 56, 50, w);          // the port
    draw::fillRect(l, 92, 140, 76, 26, w);           // the workers' huts
    draw::fillRoundRect(l, 52, 160, 46, 34, 6, w);   // the incinerator
    polyline(l, map::smooth(islandRoad()), 22, w);
    polyline(l, map::smooth(northRoad()), 18, w);
    return l;
}

void drawGround(IslandCanvas& c) {
    const draw::Layer flat = levelled();
    std::vector<float> flatA = blurred(flat.alpha, 4);
    c.height.assign(static_cast<std::size_t>(IW) * IH, 0.0f);
    for (int y = 0; y < IH; ++y)
        for (int x = 0; x < IW; ++x) {
            const std::size_t i = c.idx(x, y);
            if (c.land[i] <= 0 || x > 360 || y > 260) continue;
            double h = moundHeight(x, y);
            h += 0.18 * (draw::fractalNoise(x / 7.0, y / 7.0, 33, 3) - 0.35) * std::min(1.0, h * 4);
            h *= 1 - std::clamp(static_cast<double>(flatA[i]) * 1.3, 0.0, 1.0);
            c.height[i] = static_cast<float>(std::max(0.0, h));
        }
    // Light from the north-west, as on the city map.
    const double lx = -0.5, ly = -0.5, lz = 0.71;
    static const std::uint32_t junk[] = {
        rgb(190, 70, 56),   rgb(70, 110, 180),  rgb(226, 224, 214), rgb(214, 180, 70),
        rgb(80, 130, 90),   rgb(44, 40, 46),    rgb(160, 120, 80),  rgb(176, 176, 186),
        rgb(120, 160, 200), rgb(210, 120, 150), rgb(96, 80, 70),    rgb(236, 236, 230)};
    for (int y = 0; y < IH; ++y)
        for (int x = 0; x < IW; ++x) {
            const std::size_t i = c.idx(x, y);
            const float a = c.land[i];
            if (a <= 0 || x > 360 || y > 260) continue;
            // Bare fill: grey-brown soil, mottled, with darker tyre-rutted patches.
            const double n = draw::fractalNoise(x / 30.0, y / 30.0, 34, 4);
            const double fine = draw::valueNoise(x * 0.9, y * 0.9, 35);
            std::uint32_t col = mix(rgb(92, 86, 78), rgb(124, 112, 94), n);
            // Weeds take the older ground.
            const double weeds = draw::fractalNoise(x / 14.0, y / 14.0, 38, 3);
            col = mix(col, rgb(92, 110, 68), 0.55 * smoothstep(0.58, 0.72, weeds));
            col = scale(col, 0.92 + 0.14 * fine);
            const double h = c.height[i];
            if (h > 0.01) {
                // Waste: a dull base with bright pieces, the denser the higher.
                const std::uint32_t cell = hashCell(x / 2, y / 2, 36);
                std::uint32_t heap = mix(rgb(128, 118, 106), rgb(92, 88, 92),
                                         draw::fractalNoise(x / 6.0, y / 6.0, 37, 2));
                if ((cell & 1023) < static_cast<std::uint32_t>(std::min(1.0, h * 2.5) * 200))
                    heap = mix(heap, junk[(cell >> 10) % 12], 0.5);
                col = mix(col, heap, smoothstep(0.01, 0.08, h));
                // Shading from the slope.
                auto H = [&](int px, int py) {
                    px = std::clamp(px, 0, IW - 1);
                    py = std::clamp(py, 0, IH - 1);
                    return c.height[c.idx(px, py)] * 46.0;
                };
                const double dx = (H(x + 1, y) - H(x - 1, y)) / 2;
                const double dy = (H(x, y + 1) - H(x, y - 1)) / 2;
                const double len = std::sqrt(dx * dx + dy * dy + 1);
                const double lit = (-dx * lx - dy * ly + lz) / len / lz;
                col = scale(col, std::clamp(0.5 + 0.5 * lit, 0.4, 1.4));
                if (lit < 0.8) col = mix(col, rgb(50, 56, 86), (0.8 - lit) * 0.3); // cold shade
            }
            c.img.at(x, y) = mix(c.img.at(x, y), col, a);
        }
}

void seaWall(IslandCanvas& c, draw::Rng& rng) {
    std::vector<Point> loop = islandOutline();
    loop.push_back(loop.front());
    polyline(draw::Target(c.img).faded(0.5), loop, 7, rgb(20, 26, 40));
    polyline(c.img, loop, 4.5, kConcrete);
    polyline(c.img, loop, 1.2, rgb(206, 204, 196));
    // Wave-breaking blocks piled along the sides open to the wind.
    for (std::size_t i = 0; i + 1 < loop.size(); ++i) {
        const Point a = loop[i], b = loop[i + 1];
        const bool exposed = a.y < 30 || a.x < 60 || b.x < 60 || a.y > 225;
        if (!exposed) continue;
        const double len = std::hypot(b.x - a.x, b.y - a.y);
        // Outward normal of a clockwise outline (screen y grows down).
        const double nx = (b.y - a.y) / len, ny = -(b.x - a.x) / len;
        for (double d = 2; d < len - 2; d += rng.real(1.5, 3.5)) {
            const double out = rng.real(4, 7);
            const double x = a.x + (b.x - a.x) * d / len + nx * out;
            const double y = a.y + (b.y - a.y) * d / len + ny * out;
            const double r = rng.real(0.9, 1.6);
            draw::fillCircle(draw::Target(c.img).faded(0.6), x + 0.7, y + 0.8, r, rgb(14, 20, 40));
            draw::fillCircle(c.img, x, y, r, scale(rgb(150, 150, 146), rng.real(0.7, 1.0)));
        }
    }
}

void drawRoad(Image& img, const std::vector<Point>& pts, double width, std::uint32_t surface,
              bool dashes) {
    const std::vector<Point> path = map::smooth(pts);
    polyline(img, path, width + 2.5, kCasing);
    polyline(img, path, width, surface);
    if (!dashes) return;
    const std::vector<Point> marks = map::along(path, 3);
    for (std::size_t i = 0; i + 1 < marks.size(); i += 3)
        draw::line(img, marks[i].x, marks[i].y, marks[i + 1].x, marks[i + 1].y, 0.9,
                   rgb(240, 236, 220));
}

// What lies about on the flat ground and the heaps: puddles, tyre tracks, and
// the larger pieces of waste (car bodies, fridges, drums, tyres).
void groundDetails(IslandCanvas& c, draw::Rng& rng) {
    for (int i = 0; i < 18; ++i) { // puddles that hold the cold sky
        const double x = rng.real(60, 320), y = rng.real(30, 236);
        if (c.landAt(x - 8, y) < 1 || c.landAt(x + 8, y) < 1 ||
            c.height[c.idx(static_cast<int>(x), static_cast<int>(y))] > 0.02f)
            continue;
        const double rx = rng.real(2, 5), ry = rx * rng.real(0.4, 0.7);
        const double ox = rng.real(-rx, rx) * 0.6, oy = rng.real(-ry, ry) * 0.6;
        const draw::Shader water =
            draw::vertical(y - ry, rgb(104, 110, 140), y + ry, rgb(60, 66, 94));
        for (const Point q : {Point{x, y}, Point{x + ox, y + oy}}) {
            draw::fillEllipse(c.img, q.x, q.y + 0.6, rx * 0.8 + 0.8, ry + 0.8, rgb(76, 68, 60));
        }
        for (const Point q : {Point{x, y}, Point{x + ox, y + oy}})
            draw::fillEllipse(c.img, q.x, q.y, rx * 0.8, ry, water);
    }
    // Tracks of the trucks across the flat ground.
    for (int i = 0; i < 10; ++i) {
        const double x = rng.real(70, 300), y = rng.real(40, 230), a = rng.real(0, kPi);
        const double len = rng.real(14, 34);
        std::vector<Point> pts;
        for (int k = 0; k <= 8; ++k) {
            const double t = k / 8.0 - 0.5;
            pts.push_back(
                {x + std::cos(a) * len * t + 3 * std::sin(t * 4), y + std::sin(a) * len * t});
        }
        bool onFlat = true;
        for (const Point& p : pts)
            onFlat = onFlat && c.landAt(p.x, p.y) >= 1 &&
                     c.height[c.idx(static_cast<int>(p.x), static_cast<int>(p.y))] < 0.02f;
        if (!onFlat) continue;
        for (double side : {-1.2, 1.2}) {
            std::vector<Point> rut = pts;
            for (Point& p : rut)
                p = {p.x - std::sin(a) * side, p.y + std::cos(a) * side};
            polyline(draw::Target(c.img).faded(0.3), rut, 0.8, rgb(60, 52, 46));
        }
    }
    static const std::uint32_t bodies[] = {rgb(200, 70, 60),   rgb(70, 120, 190),
                                           rgb(236, 236, 228), rgb(220, 190, 80),
                                           rgb(90, 150, 110),  rgb(170, 170, 180)};
    for (int i = 0; i < 140; ++i) {
        const double x = rng.real(50, 340), y = rng.real(16, 244);
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        if (c.landAt(x, y) < 1 || c.height[c.idx(ix, iy)] < 0.12f) continue;
        const std::uint32_t col = scale(bodies[rng.range(0, 5)], rng.real(0.6, 0.9));
        switch (rng.range(0, 3)) {
        case 0: { // a car body, seen from above
            const bool across = rng.uniform() < 0.5;
            const int w = across ? 6 : 3, h = across ? 3 : 6;
            draw::fillRect(draw::Target(c.img).faded(0.5), ix + 1, iy + 1, w, h, rgb(20, 20, 30));
            draw::fillRect(c.img, ix, iy, w, h, col);
            draw::fillRect(c.img, ix + (across ? 2 : 0), iy + (across ? 0 : 2), across ? 2 : 3,
                           across ? 3 : 2, scale(col, 0.6));
            break;
        }
        case 1: // a fridge or a washing machine
            draw::fillRect(draw::Target(c.img).faded(0.5), ix + 1, iy + 1, 2, 3, rgb(20, 20, 30));
            draw::fillRect(c.img, ix, iy, 2, 3, rgb(226, 226, 220));
            break;
        case 2: // a drum
            draw::fillCircle(c.img, x, y, 1.3, col);
            break;
        default: // a tyre
            draw::ring(c.img, x, y, 0.7, 1.7, rgb(30, 28, 32));
            break;
        }
    }
}

// 13: the grass race track, its stand and floodlights.
void raceTrack(Image& img) {
    const double cx = 163, cy = 58;
    draw::fillRoundRect(img, 114, 28, 98, 62, 15,
                        draw::vertical(28, rgb(96, 140, 78), 90, rgb(70, 112, 62)));
    // Tufts of grass.
    for (int y = 30; y < 88; y += 2)
        for (int x = 116; x < 210; x += 2)
            if (hashCell(x, y, 41) % 7 == 0)
                img.at(x, y) = scale(img.at(x, y), 0.8 + (hashCell(x, y, 42) % 40) / 100.0);
    draw::fillEllipse(draw::Target(img).faded(0.5), cx + 1.5, cy + 2, 40, 22, rgb(30, 40, 30));
    draw::fillEllipse(img, cx, cy, 39, 21, rgb(156, 120, 80));
    draw::fillEllipse(img, cx, cy, 28, 11,
                      draw::vertical(cy - 11, rgb(110, 156, 88), cy + 11, rgb(84, 130, 70)));
    draw::ring(draw::Target(img).faded(0.5), cx, cy, 32.5, 33.5, rgb(196, 160, 116)); // wheel ruts
    // The finish line on the straight in front of the stand.
    for (int i = 0; i < 5; ++i)
        draw::fillRect(img, 161, 38 + i * 2, 2, 2, i % 2 ? rgb(30, 30, 30) : rgb(240, 240, 240));
    draw::fillRect(img, 136, 30, 48, 5, rgb(150, 150, 160)); // the stand
    draw::fillRect(img, 136, 30, 48, 1, rgb(200, 200, 210));
    // Tyre walls on the bends.
    for (int i = 0; i < 10; ++i) {
        const double a = kPi * 0.65 + i * kPi * 0.07;
        draw::ring(img, cx + 42 * std::cos(a), cy + 24 * std::sin(a), 0.6, 1.6, rgb(30, 30, 34));
        draw::ring(img, cx - 42 * std::cos(a), cy + 24 * std::sin(a), 0.6, 1.6, rgb(30, 30, 34));
    }
    for (const Point q : {Point{118, 32}, Point{208, 32}, Point{118, 86}, Point{208, 86}}) {
        draw::glow(img, q.x, q.y, 18, rgb(255, 250, 220), 0.45);
        draw::fillCircle(img, q.x, q.y, 1.8, rgb(255, 255, 240));
    }
}

// 14: the junk shop: a shack of corrugated iron in a yard full of parts.
void junkShop(Image& img, draw::Rng& rng) {
    draw::fillRoundRect(img, 166, 88, 52, 34, 5, rgb(118, 104, 86));
    for (int i = 0; i < 60; ++i) { // parts lying about
        const double x = rng.real(169, 215), y = rng.real(91, 119);
        if (x > 176 && x < 204 && y > 92 && y < 110) continue;
        switch (rng.range(0, 3)) {
        case 0:
            draw::ring(img, x, y, 0.8, 2.0, rgb(28, 26, 30)); // a tyre
            break;
        case 1:
            draw::fillRect(img, static_cast<int>(x), static_cast<int>(y), 2, 2,
                           scale(rgb(170, 170, 180), rng.real(0.6, 1.1)));
            break;
        case 2:
            draw::fillRect(img, static_cast<int>(x), static_cast<int>(y), 3, 2,
                           scale(rgb(180, 90, 50), rng.real(0.6, 1.1)));
            break;
        default:
            draw::fillCircle(img, x, y, 1.1, scale(rgb(90, 120, 170), rng.real(0.7, 1.1)));
            break;
        }
    }
    // The shack: rusty corrugated roof in stripes, a blue tarpaulin lean-to.
    draw::fillRect(draw::Target(img).faded(0.55), 181, 97, 24, 14, rgb(10, 10, 16));
    for (int x = 178; x < 202; ++x)
        draw::fillRect(
            img, x, 94, 1, 14,
            scale(mix(rgb(170, 92, 56), rgb(120, 70, 50), draw::valueNoise(x * 0.4, 3, 43)),
                  x % 2 ? 0.85 : 1.05));
    draw::frameRect(draw::Target(img).faded(0.6), 178, 94, 24, 14, rgb(60, 36, 24));
    draw::fillPolygon(img, {{202, 97}, {212, 99}, {212, 110}, {202, 108}}, rgb(60, 110, 180));
    draw::line(img, 202, 97, 212, 99, 0.8, rgb(140, 180, 230));
    // An old bus used as a store, and the fence.
    draw::fillRect(draw::Target(img).faded(0.5), 172, 114, 18, 6, rgb(10, 10, 16));
    draw::fillRoundRect(img, 170, 112, 18, 6, 1.5, rgb(210, 180, 70));
    for (int i = 0; i < 5; ++i)
        draw::fillRect(img, 172 + i * 3, 113, 2, 1, rgb(60, 70, 90));
    draw::frameRect(draw::Target(img).faded(0.6), 166, 88, 52, 34, rgb(70, 66, 60));
    draw::glow(img, 190, 111, 9, kLamp, 0.5); // the lamp over its door
}

// 15: the ferry port: quay, warehouse, crane and the waste ship at the berth.
void ferryPort(Image& img, draw::Rng& rng) {
    draw::fillRect(img, 224, 118, 50, 46,
                   draw::vertical(118, rgb(150, 148, 142), 164, rgb(126, 124, 120)));
    draw::fillRect(img, 270, 120, 3, 40, rgb(200, 190, 90)); // the quay edge, painted
    map::building(img, rng, 228, 122, 26, 13, rgb(120, 140, 170));
    map::building(img, rng, 228, 138, 14, 10, rgb(150, 150, 140));
    static const std::uint32_t boxes[] = {rgb(200, 60, 50), rgb(40, 110, 170), rgb(230, 170, 40)};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i)
            draw::fillRect(img, 244 + i * 9, 149 + j * 6, 7, 4, boxes[(i + j) % 3]);
    // The ship: a rusty hull with its hold full of the city's rubbish.
    const std::vector<Point> hull{{278, 126}, {284, 117}, {290, 126}, {290, 160}, {278, 160}};
    std::vector<Point> shadow = hull;
    for (Point& p : shadow)
        p = {p.x + 3, p.y + 3};
    draw::fillPolygon(draw::Target(img).faded(0.5), shadow, rgb(6, 12, 30));
    draw::fillPolygon(img, hull, draw::horizontal(278, rgb(150, 70, 50), 290, rgb(100, 46, 36)));
    draw::fillRect(img, 280, 128, 8, 22, rgb(70, 60, 56));
    for (int y = 129; y < 149; ++y)
        for (int x = 281; x < 287; ++x) {
            const std::uint32_t h = hashCell(x, y, 51);
            img.at(x, y) = h % 3 ? scale(rgb(110, 100, 90), 0.7 + (h % 50) / 100.0)
                                 : mix(rgb(120, 150, 190), rgb(220, 200, 120), (h >> 8) % 2);
        }
    draw::fillRect(img, 280, 151, 8, 6, rgb(230, 230, 224)); // the bridge at the stern
    draw::fillRect(img, 280, 151, 8, 1, rgb(255, 255, 250));
    draw::fillRect(img, 282, 153, 4, 1, rgb(60, 90, 130));
    // The crane on the quay, its boom over the hold.
    draw::fillRect(draw::Target(img).faded(0.5), 264, 131, 6, 14, rgb(8, 10, 16));
    draw::fillRect(img, 261, 128, 6, 14, rgb(230, 120, 40));
    draw::line(img, 264, 132, 285, 138, 2, rgb(240, 140, 50));
    draw::line(img, 264, 132, 285, 138, 0.6, rgb(255, 200, 120));
    for (const Point q : {Point{226, 120}, Point{268, 160}, Point{226, 162}}) {
        draw::glow(img, q.x, q.y, 12, kLamp, 0.5);
        draw::fillCircle(img, q.x, q.y, 1.2, rgb(255, 240, 200));
    }
    // Harbour lights on the moles: red to port, green to starboard as ships come in.
    draw::glow(img, 331, 113, 8, rgb(255, 60, 50), 0.8);
    draw::fillCircle(img, 331, 113, 1.6, rgb(255, 90, 80));
    draw::glow(img, 313, 177, 8, rgb(60, 255, 120), 0.8);
    draw::fillCircle(img, 313, 177, 1.6, rgb(120, 255, 160));
}

// The huts where the island's workers sleep, and the incinerator with its smoke.
void huts(Image& img, draw::Rng& rng) {
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 6; ++i)
            map::building(img, rng, 96 + i * 12, 144 + j * 10, 9, 6,
                          scale(rgb(150, 170, 180), rng.real(0.85, 1.05)));
    for (int i = 0; i < 3; ++i)
        draw::glow(img, 104 + i * 24, 156, 6, kLamp, 0.4);
}

void incinerator(Image& img, draw::Rng& rng) {
    map::building(img, rng, 56, 166, 24, 18, rgb(140, 140, 146));
    draw::fillRect(img, 60, 170, 16, 3, rgb(100, 100, 110));
    // The chimney and its long shadow.
    draw::line(draw::Target(img).faded(0.5), 86, 174, 104, 192, 5, rgb(10, 12, 20));
    draw::fillCircle(img, 86, 174, 4, rgb(180, 176, 170));
    draw::fillCircle(img, 86, 174, 2.2, rgb(40, 36, 36));
    // Smoke drifting east on the wind.
    for (int i = 0; i < 16; ++i) {
        const double t = i / 15.0;
        const double x = 88 + t * 80 + rng.real(-2, 2);
        const double y = 172 - t * 10 + 5 * std::sin(t * 5) + rng.real(-2, 2);
        draw::fillCircle(draw::Target(img).faded(0.3 * (1 - t * 0.75)), x, y, 2.5 + t * 8,
                         rgb(214, 212, 220));
    }
}

// Machines at work on the heaps, and gulls over them.
void machines(Image& img, draw::Rng& rng) {
    const std::vector<Point> haul = map::along(map::smooth(haulRoad()), 1);
    for (std::size_t k : {std::size_t{20}, std::size_t{62}}) {
        if (k >= haul.size()) continue;
        const Point p = haul[k];
        draw::fillRect(draw::Target(img).faded(0.5), static_cast<int>(p.x) - 1,
                       static_cast<int>(p.y) - 1, 6, 4, rgb(10, 10, 16));
        draw::fillRect(img, static_cast<int>(p.x) - 3, static_cast<int>(p.y) - 2, 6, 4,
                       rgb(236, 190, 40));
        draw::fillRect(img, static_cast<int>(p.x) - 3, static_cast<int>(p.y) - 2, 2, 4,
                       rgb(60, 70, 90));
    }
    for (const Point q : {Point{250, 46}, Point{92, 52}, Point{80, 118}}) { // bulldozers
        draw::fillRect(draw::Target(img).faded(0.5), static_cast<int>(q.x) - 1,
                       static_cast<int>(q.y), 7, 5, rgb(10, 10, 16));
        draw::fillRect(img, static_cast<int>(q.x) - 3, static_cast<int>(q.y) - 2, 6, 5,
                       rgb(240, 180, 30));
        draw::fillRect(img, static_cast<int>(q.x) - 4, static_cast<int>(q.y) - 3, 8, 1,
                       rgb(120, 120, 120));
        draw::fillRect(img, static_cast<int>(q.x) - 1, static_cast<int>(q.y) - 1, 2, 2,
                       rgb(50, 60, 80));
    }
    for (int i = 0; i < 14; ++i) {
        const double x = rng.real(60, 330), y = rng.real(20, 120), s = rng.real(1.6, 2.6);
        draw::line(img, x - s, y - s * 0.5, x, y, 0.8, rgb(240, 240, 236));
        draw::line(img, x, y, x + s, y - s * 0.5, 0.8, rgb(240, 240, 236));
    }
}

// The new cell in the sea: walls, fill pushed out from the west, a barge.
void landfillCell(IslandCanvas& c, draw::Rng& rng) {
    const int x = kCellX, y = kCellY, w = kCellW, h = kCellH;
    draw::fillRect(c.img, x, y, w, h, rgb(70, 92, 88));
    // The fill front runs in a ragged line.
    for (int j = y; j < y + h; ++j) {
        const int front = x + 52 + static_cast<int>(18 * draw::fractalNoise(0, j / 9.0, 61, 3));
        for (int i = x; i < front; ++i) {
            const double n = draw::fractalNoise(i / 12.0, j / 12.0, 62, 3);
            c.img.at(i, j) = mix(rgb(112, 100, 84), rgb(138, 122, 98), n);
        }
        draw::fillRect(draw::Target(c.img).faded(0.5), front, j, 2, 1, rgb(160, 150, 120));
    }
    draw::frameRect(draw::Target(c.img).faded(0.5), x + 2, y + 2, w, h, rgb(20, 26, 40), 3);
    draw::frameRect(c.img, x - 1, y - 1, w + 2, h + 2, kConcrete, 3);
    draw::frameRect(c.img, x, y, w, h, rgb(200, 198, 190));
    // Small tipped heaps and the machines spreading them towards the water.
    for (int i = 0; i < 7; ++i) {
        const double hx = x + 10 + i * 7 + rng.real(-3, 3), hy = y + 12 + rng.real(0, h - 24);
        draw::fillCircle(draw::Target(c.img).faded(0.5), hx + 1.5, hy + 1.5, 3.5, rgb(40, 36, 40));
        draw::fillCircle(c.img, hx, hy, 3.5,
                         draw::vertical(hy - 3.5, rgb(150, 138, 120), hy + 3.5, rgb(96, 88, 80)));
    }
    for (const Point q : {Point{x + 58.0, y + 30.0}, Point{x + 50.0, y + 62.0}}) {
        draw::fillRect(draw::Target(c.img).faded(0.5), static_cast<int>(q.x) + 1,
                       static_cast<int>(q.y) + 1, 6, 5, rgb(20, 20, 26));
        draw::fillRect(c.img, static_cast<int>(q.x) - 2, static_cast<int>(q.y) - 2, 6, 5,
                       rgb(240, 180, 30));
        draw::fillRect(c.img, static_cast<int>(q.x) - 3, static_cast<int>(q.y) - 3, 1, 7,
                       rgb(130, 130, 130));
    }
    // A barge tipping rubbish into the water.
    draw::fillRect(draw::Target(c.img).faded(0.5), x + 88, y + 34, 24, 10, rgb(6, 12, 30));
    draw::fillRoundRect(c.img, x + 85, y + 31, 24, 10, 2, rgb(120, 80, 60));
    draw::fillRect(c.img, x + 88, y + 33, 16, 6, rgb(96, 90, 86));
    for (int i = 0; i < 18; ++i)
        draw::fillRect(c.img, x + 88 + rng.range(0, 15), y + 33 + rng.range(0, 5), 1, 1,
                       rgb(200, 190, 150));
    // A silt curtain of yellow floats around the open side.
    for (int i = 0; i <= 24; ++i) {
        const double a = -kPi / 2 + i * kPi / 24;
        const double fx = x + w + 2 + 16 * std::cos(a),
                     fy = y + h / 2.0 + (h / 2.0 + 10) * std::sin(a);
        draw::fillCircle(c.img, fx, fy, 1.1, rgb(250, 210, 60));
    }
}

// The ferry route to the mainland and a ship on its way.
void ferryRoute(Image& img) {
    const std::vector<Point> route =
        map::smooth({{336, 140}, {384, 168}, {438, 226}, {486, 292}, {516, 328}});
    const std::vector<Point> dots = map::along(route, 4);
    for (std::size_t i = 0; i + 1 < dots.size(); i += 3)
        draw::line(draw::Target(img).faded(0.7), dots[i].x, dots[i].y, dots[i + 1].x, dots[i + 1].y,
                   1.3, rgb(230, 236, 246));
    // The ship, bow to the island, with its wake spreading behind it.
    const double sx = 444, sy = 236, ax = -0.6, ay = -0.8; // heading (unit)
    const double px = -ay, py = ax;                        // across
    for (double side : {-1.0, 1.0}) { // the wake, two fading lines spreading behind
        for (int k = 0; k < 12; ++k) {
            const double d0 = 10 + k * 3.5, d1 = d0 + 3.5;
            const double s0 = 2.5 + k * 1.3, s1 = s0 + 1.3;
            draw::line(draw::Target(img).faded(0.5 * (1 - k / 12.0)), sx - ax * d0 + px * s0 * side,
                       sy - ay * d0 + py * s0 * side, sx - ax * d1 + px * s1 * side,
                       sy - ay * d1 + py * s1 * side, 1.1, rgb(220, 236, 250));
        }
    }
    draw::line(draw::Target(img).faded(0.3), sx - ax * 12, sy - ay * 12, sx - ax * 40, sy - ay * 40,
               2.5, rgb(200, 220, 240));
    const std::vector<Point> hull{{sx + ax * 16, sy + ay * 16},
                                  {sx + ax * 9 + px * 5, sy + ay * 9 + py * 5},
                                  {sx - ax * 14 + px * 5, sy - ay * 14 + py * 5},
                                  {sx - ax * 14 - px * 5, sy - ay * 14 - py * 5},
                                  {sx + ax * 9 - px * 5, sy + ay * 9 - py * 5}};
    std::vector<Point> shadow = hull;
    for (Point& p : shadow)
        p = {p.x + 3, p.y + 3};
    draw::fillPolygon(draw::Target(img).faded(0.5), shadow, rgb(6, 12, 30));
    draw::fillPolygon(img, hull, rgb(60, 110, 150));
    const std::vector<Point> hold{{sx + ax * 7 + px * 3, sy + ay * 7 + py * 3},
                                  {sx - ax * 6 + px * 3, sy - ay * 6 + py * 3},
                                  {sx - ax * 6 - px * 3, sy - ay * 6 - py * 3},
                                  {sx + ax * 7 - px * 3, sy + ay * 7 - py * 3}};
    draw::fillPolygon(img, hold, rgb(110, 100, 88));
    draw::fillCircle(img, sx - ax * 10, sy - ay * 10, 3, rgb(236, 236, 230)); // the bridge
    draw::glow(img, sx + ax * 15, sy + ay * 15, 7, rgb(255, 240, 200), 0.5);
    // Buoys marking the channel: red on the left going out, green on the right.
    for (std::size_t i = 6; i + 6 < route.size(); i += 9) {
        const double dx = route[i + 1].x - route[i].x, dy = route[i + 1].y - route[i].y;
        const double len = std::max(0.001, std::hypot(dx, dy));
        for (double side : {-1.0, 1.0}) {
            const double bx = route[i].x - dy / len * 14 * side,
                         by = route[i].y + dx / len * 14 * side;
            const std::uint32_t c = side < 0 ? rgb(240, 70, 60) : rgb(70, 220, 110);
            draw::glow(img, bx, by, 5, c, 0.5);
            draw::fillCircle(img, bx, by, 1.3, c);
        }
    }
}

} // namespace

Image islandMap() {
    IslandCanvas c;
    draw::Rng rng(4141);
    // Where the land is: the island, the mainland and the fill of the new cell.
    {
        draw::Layer l(IW, IH);
        draw::fillPolygon(l, islandOutline(), rgb(255, 255, 255));
        draw::fillPolygon(l, mainlandOutline(), rgb(255, 255, 255));
        draw::fillRect(l, kCellX - 2, kCellY - 2, kCellW + 4, kCellH + 4, rgb(255, 255, 255));
        c.land = l.alpha;
    }
    drawSea(c, rng);
    drawMainland(c, rng);
    drawGround(c);
    groundDetails(c, rng);
    seaWall(c, rng);
    landfillCell(c, rng);

    // Roads: the island road from the port gate, the branch north, the haul road.
    drawRoad(c.img, haulRoad(), 3.5, kDirtRoad, false);
    drawRoad(c.img, northRoad(), 5, kAsphalt, false);
    drawRoad(c.img, islandRoad(), 7, kAsphalt, true);
    for (const Point& p : map::along(map::smooth(islandRoad()), 24)) {
        draw::glow(c.img, p.x, p.y - 5, 7, kLamp, 0.45);
        draw::fillCircle(c.img, p.x, p.y - 5, 0.9, rgb(255, 240, 200));
    }
    raceTrack(c.img);
    junkShop(c.img, rng);
    ferryPort(c.img, rng);
    machines(c.img, rng);
    huts(c.img, rng);
    incinerator(c.img, rng);
    ferryRoute(c.img);

    map::label(c.img, 190, 272, "ゴミの山アイランド", 15, rgb(230, 220, 200), rgb(200, 180, 150),
               rgb(40, 30, 24));
    map::label(c.img, 582, 382, "神奈玉港", 12, rgb(170, 210, 255), rgb(120, 170, 230),
               rgb(14, 30, 70));
    map::compass(c.img, 44, 370);
    vignette(c.img, 0.18);
    return c.img;
}

} // namespace zb::art
