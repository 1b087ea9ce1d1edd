// The city map of 神奈玉 at dusk: the bay in the south-east, the river, the
// railway through the station, the expressway along the north, the 玉崎 road
// from north to south, and blocks of buildings everywhere else. The places of
// the game sit on these features (their icons are added by the game itself).
// The same city is drawn a second time at night for the last nights of the
// story: the streets lit, windows on, the expressway a ribbon of lamps.
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
using map::smooth;

namespace {

constexpr int MW = 920;
constexpr int MH = 680;
constexpr double kPi = std::numbers::pi;

// What a pixel of the map is used for; buildings only go on free land.
enum Use : unsigned char { Free = 0, Water, Road, Site };

struct MapCanvas {
    Image img{MW, MH};
    std::vector<unsigned char> use =
        std::vector<unsigned char>(static_cast<std::size_t>(MW) * MH, Free);

    void mark(const draw::Layer& l, Use u) {
        for (std::size_t i = 0; i < use.size(); ++i)
            if (l.alpha[i] > 0.2f && use[i] == Free) use[i] = u;
    }
    bool freeBox(int x, int y, int w, int h) const {
        if (x < 0 || y < 0 || x + w > MW || y + h > MH) return false;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (use[static_cast<std::size_t>(j) * MW + i] != Free) return false;
        return true;
    }
    void claim(int x, int y, int w, int h, Use u = Site) {
        for (int j = std::max(0, y); j < std::min(MH, y + h); ++j)
            for (int i = std::max(0, x); i < std::min(MW, x + w); ++i)
                use[static_cast<std::size_t>(j) * MW + i] = u;
    }
    Use at(double x, double y) const {
        const int i = static_cast<int>(x), j = static_cast<int>(y);
        if (i < 0 || j < 0 || i >= MW || j >= MH) return Free;
        return static_cast<Use>(use[static_cast<std::size_t>(j) * MW + i]);
    }
};

// Where the night lights go: the roads as drawn and the roofs of the blocks.
struct CityPlan {
    struct Box {
        int x, y, w, h;
    };
    std::vector<Box> blocks;
    std::vector<std::vector<Point>> streets;
    std::vector<std::vector<Point>> mainRoads;
    std::vector<Point> expressway;
    std::vector<Point> bridge;
    std::vector<Point> rail;
    std::vector<Point> coast;
};

const std::uint32_t kWaterDeep = rgb(22, 44, 92);
const std::uint32_t kWaterShallow = rgb(46, 92, 140);
const std::uint32_t kRoad = rgb(150, 150, 160);
const std::uint32_t kMainRoad = rgb(226, 196, 120);
const std::uint32_t kCasing = rgb(30, 32, 40);

// Roads: casing first, then the surface; the mask records them for the buildings.
// Returns the path as drawn.
std::vector<Point> road(draw::Target t, draw::Layer& mask, const std::vector<Point>& pts,
                        double width, std::uint32_t surface, bool centreLine) {
    const std::vector<Point> path = pts.size() > 2 ? smooth(pts) : pts;
    polyline(t, path, width + 2.5, kCasing);
    polyline(t, path, width, surface);
    if (centreLine) polyline(t, path, 0.9, rgb(255, 250, 230));
    polyline(mask, path, width + 6, rgb(255, 255, 255));
    return path;
}

using map::building;
using map::tree;

// Everything but the names and the vignette.
void drawCity(MapCanvas& m, CityPlan& plan) {
    draw::Rng rng(31337);
    // Land with a soft mottled texture.
    for (int y = 0; y < MH; ++y)
        for (int x = 0; x < MW; ++x) {
            const double n = draw::fractalNoise(x / 60.0, y / 60.0, 5, 4);
            m.img.at(x, y) = mix(rgb(58, 70, 62), rgb(84, 92, 78), n);
        }

    // ---- water: the bay and the river ----
    const std::vector<Point> coast = smooth({{MW + 10, 170},
                                             {860, 215},
                                             {818, 290},
                                             {800, 370},
                                             {812, 392},
                                             {800, 470},
                                             {740, 515},
                                             {690, 560},
                                             {640, 610},
                                             {600, MH + 10}});
    plan.coast = coast;
    std::vector<Point> sea = coast;
    sea.push_back({MW + 10, MH + 10});
    draw::Layer water(MW, MH);
    draw::fillPolygon(water, sea, rgb(255, 255, 255));
    const std::vector<Point> river = smooth({{300, -10},
                                             {282, 80},
                                             {300, 150},
                                             {262, 232},
                                             {250, 320},
                                             {288, 420},
                                             {268, 520},
                                             {300, 600},
                                             {330, MH + 10}});
    polyline(water, river, 16, rgb(255, 255, 255));
    // Banks (embankment) under the water.
    polyline(m.img, river, 24, rgb(120, 118, 110));
    polyline(m.img, coast, 14, rgb(120, 118, 110));
    for (int y = 0; y < MH; ++y)
        for (int x = 0; x < MW; ++x) {
            const float a = water.alpha[static_cast<std::size_t>(y) * MW + x];
            if (a <= 0) continue;
            const double n = draw::fractalNoise(x / 40.0, y / 25.0, 8, 3);
            const std::uint32_t c =
                mix(kWaterShallow, kWaterDeep,
                    std::clamp((x + y - 1000) / 300.0, 0.0, 1.0) * 0.7 + n * 0.3);
            m.img.at(x, y) = mix(m.img.at(x, y), c, a);
        }
    polyline(draw::Target(m.img).faded(0.5), coast, 2, rgb(170, 200, 230));
    m.mark(water, Water);
    // Little waves on the bay.
    for (int i = 0; i < 160; ++i) {
        const double x = rng.real(600, MW), y = rng.real(180, MH);
        if (m.use[static_cast<std::size_t>(y) * MW + static_cast<std::size_t>(x)] != Water)
            continue;
        draw::line(draw::Target(m.img).faded(0.35), x, y, x + 6, y - 1, 1, rgb(160, 200, 240));
    }

    draw::Layer roads(MW, MH);
    // ---- sites of the places (drawn before the roads so the roads lie on top) ----
    // 6: the stadium, an oval with a field.
    {
        const double cx = 620, cy = 132;
        draw::fillEllipse(draw::Target(m.img).faded(0.5), cx + 5, cy + 6, 64, 44, rgb(8, 10, 16));
        draw::fillEllipse(m.img, cx, cy, 64, 44,
                          draw::vertical(cy - 44, rgb(200, 200, 210), cy + 44, rgb(130, 130, 146)));
        draw::fillEllipse(m.img, cx, cy, 50, 32, rgb(170, 70, 60));
        draw::fillEllipse(m.img, cx, cy, 40, 23,
                          draw::vertical(cy - 23, rgb(90, 170, 80), cy + 23, rgb(60, 130, 60)));
        draw::frameRect(draw::Target(m.img).faded(0.5), static_cast<int>(cx - 22),
                        static_cast<int>(cy - 12), 44, 24, rgb(230, 240, 230));
        for (int i = 0; i < 4; ++i) {
            const double a = kPi / 4 + i * kPi / 2;
            draw::fillCircle(m.img, cx + 66 * std::cos(a), cy + 46 * std::sin(a), 3,
                             rgb(255, 255, 230));
            draw::glow(m.img, cx + 66 * std::cos(a), cy + 46 * std::sin(a), 12, rgb(255, 255, 220),
                       0.5);
        }
        m.claim(static_cast<int>(cx - 72), static_cast<int>(cy - 52), 144, 104);
    }
    // 2: the driving school course.
    {
        const int x = 318, y = 250, w = 90, h = 62;
        draw::fillRect(m.img, x, y, w, h, rgb(110, 140, 90));
        draw::fillRoundRect(m.img, x + 6, y + 6, w - 12, h - 12, 18, rgb(110, 110, 118));
        draw::fillRoundRect(m.img, x + 16, y + 16, w - 32, h - 32, 8, rgb(110, 140, 90));
        draw::fillRect(m.img, x + 16, y + 28, w - 32, 6, rgb(110, 110, 118));
        for (int i = 0; i < 5; ++i)
            draw::fillCircle(m.img, x + 24 + i * 10, y + 31, 1.5, rgb(255, 140, 40));
        building(m.img, rng, x + w - 22, y + 2, 18, 12, rgb(220, 220, 200));
        m.claim(x - 4, y - 4, w + 8, h + 8);
    }
    // 3: the station (a long platform on the railway) and 1: the arcade street.
    {
        building(m.img, rng, 430, 160, 60, 14, rgb(200, 196, 186));
        draw::fillRect(m.img, 436, 163, 48, 2, rgb(255, 230, 160));
        m.claim(424, 150, 72, 30);
        draw::fillRect(m.img, 468, 196, 46, 44, rgb(70, 60, 60));
        draw::fillRect(m.img, 486, 196, 8, 44,
                       draw::vertical(196, rgb(255, 170, 90), 240, rgb(230, 120, 70)));
        for (int y = 198; y < 238; y += 6) {
            building(m.img, rng, 470, y, 14, 5, scale(rgb(200, 120, 100), rng.real(0.8, 1.2)));
            building(m.img, rng, 496, y, 14, 5, scale(rgb(120, 150, 200), rng.real(0.8, 1.2)));
        }
        m.claim(466, 194, 50, 48);
    }
    // 5: the parts shop with its car park; 8: the riders' house.
    {
        draw::fillRect(m.img, 112, 360, 58, 40, rgb(96, 96, 104));
        for (int x = 116; x < 166; x += 8)
            draw::fillRect(m.img, x, 384, 1, 14, rgb(230, 230, 230));
        building(m.img, rng, 116, 362, 40, 18, rgb(230, 120, 60));
        m.claim(108, 356, 66, 48);
        building(m.img, rng, 118, 596, 44, 26, rgb(170, 130, 90));
        draw::fillRect(m.img, 118, 596, 44, 4, rgb(130, 80, 60));
        for (int i = 0; i < 4; ++i)
            draw::fillRect(m.img, 124 + i * 10, 604, 6, 4, rgb(255, 220, 150));
        m.claim(112, 590, 56, 38);
    }
    // 7: the bay city towers by the park, 9 and 11: the waterfront and the port.
    {
        draw::fillRoundRect(m.img, 560, 432, 90, 70, 14,
                            draw::vertical(432, rgb(70, 130, 70), 502, rgb(50, 110, 60)));
        draw::fillCircle(m.img, 600, 470, 10, kWaterShallow);
        for (int i = 0; i < 26; ++i)
            tree(m.img, rng.real(568, 644), rng.real(440, 496), rng.real(3, 5));
        m.claim(556, 428, 98, 78);
        for (int i = 0; i < 5; ++i)
            building(m.img, rng, 640 + (i % 3) * 18, 380 + (i / 3) * 22, 14, 18,
                     scale(rgb(150, 170, 210), rng.real(0.9, 1.2)));
        draw::ring(m.img, 706, 400, 10, 12, rgb(255, 150, 220));
        m.claim(636, 376, 86, 50);
        // Port: a pier with containers and cranes.
        draw::fillRect(m.img, 804, 396, 70, 44, rgb(140, 136, 130));
        draw::frameRect(m.img, 804, 396, 70, 44, rgb(90, 88, 84), 2);
        static const std::uint32_t boxes[] = {rgb(200, 60, 50), rgb(40, 110, 170),
                                              rgb(230, 170, 40), rgb(60, 140, 90)};
        for (int j = 0; j < 3; ++j)
            for (int i = 0; i < 5; ++i)
                draw::fillRect(m.img, 810 + i * 11, 402 + j * 9, 9, 6, boxes[(i + j * 2) % 4]);
        for (int i = 0; i < 3; ++i)
            draw::fillRect(m.img, 812 + i * 20, 432, 3, 12, rgb(230, 120, 40));
        m.claim(800, 392, 80, 52);
    }

    // ---- roads ----
    // The grid of streets, bent a little, kept off the water and the sites.
    {
        draw::Layer streets(MW, MH);
        for (int y = 40; y < MH; y += 64) {
            std::vector<Point> pts;
            for (int x = -10; x <= MW + 10; x += 60)
                pts.push_back({static_cast<double>(x), y + 8 * std::sin(x / 170.0 + y)});
            plan.streets.push_back(road(streets, roads, pts, 4, kRoad, false));
        }
        for (int x = 30; x < MW; x += 72) {
            std::vector<Point> pts;
            for (int y = -10; y <= MH + 10; y += 60)
                pts.push_back({x + 9 * std::sin(y / 150.0 + x), static_cast<double>(y)});
            plan.streets.push_back(road(streets, roads, pts, 4, kRoad, false));
        }
        for (int y = 0; y < MH; ++y)
            for (int x = 0; x < MW; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * MW + x;
                // Streets cross the river on small bridges, never the bay.
                const bool bridge = m.use[i] == Water && x < 420;
                if ((m.use[i] != Free && !bridge) || streets.alpha[i] <= 0) continue;
                m.img.at(x, y) = mix(m.img.at(x, y), streets.colour.at(x, y), streets.alpha[i]);
            }
    }
    // 17: 地蔵通り in the north-west corner.
    plan.mainRoads.push_back(
        road(m.img, roads, {{-10, 22}, {120, 18}, {230, 26}}, 6, rgb(200, 170, 140), false));
    // 18: the arterial road, east to west.
    plan.mainRoads.push_back(
        road(m.img, roads, {{-10, 486}, {200, 492}, {330, 490}, {480, 486}, {640, 470}, {720, 430}},
             9, kMainRoad, true));
    // 4 / 10: 玉崎街道, north to south.
    plan.mainRoads.push_back(road(
        m.img, roads,
        {{480, -10}, {474, 120}, {488, 230}, {500, 310}, {470, 420}, {440, 530}, {436, MH + 10}},
        10, kMainRoad, true));
    // 9: the bay street along the water and 19: the coastal street further south.
    plan.mainRoads.push_back(road(m.img, roads,
                                  {{700, 300},
                                   {770, 352},
                                   {790, 420},
                                   {770, 480},
                                   {712, 462},
                                   {640, 520},
                                   {590, 600},
                                   {560, MH + 10}},
                                  7, kMainRoad, true));
    // The bay bridge to the east.
    {
        const std::vector<Point> bridge{{800, 336}, {860, 316}, {MW + 10, 300}};
        plan.bridge = bridge;
        polyline(draw::Target(m.img).faded(0.5), {{805, 344}, {865, 324}, {MW + 10, 308}}, 10,
                 rgb(6, 16, 40));
        polyline(m.img, bridge, 11, kCasing);
        polyline(m.img, bridge, 8, rgb(220, 220, 230));
        for (double x : {840.0, 890.0}) {
            const double y = 336 - (x - 800) * 0.3;
            draw::fillRect(m.img, static_cast<int>(x - 2), static_cast<int>(y - 8), 4, 16,
                           rgb(230, 80, 70));
        }
    }
    // The expressway (16) along the north, raised, with its shadow.
    {
        const std::vector<Point> pts =
            smooth({{150, -10}, {260, 30}, {420, 48}, {600, 58}, {760, 40}, {MW + 10, 30}});
        plan.expressway = pts;
        polyline(
            draw::Target(m.img).faded(0.45),
            [&] {
                std::vector<Point> s = pts;
                for (Point& p : s)
                    p = {p.x + 5, p.y + 6};
                return s;
            }(),
            14, rgb(6, 8, 14));
        polyline(m.img, pts, 14, kCasing);
        polyline(m.img, pts, 11, rgb(90, 170, 110));
        polyline(m.img, pts, 1, rgb(220, 255, 220));
        polyline(roads, pts, 18, rgb(255, 255, 255));
        // The interchange loop near 16.
        draw::ring(m.img, 760, 62, 12, 17, kCasing);
        draw::ring(m.img, 760, 62, 13, 16, rgb(90, 170, 110));
        draw::ring(roads, 760, 62, 8, 21, rgb(255, 255, 255));
    }
    // The railway (black and white, as on printed maps) through the station.
    {
        const std::vector<Point> rail =
            smooth({{-10, 150}, {200, 160}, {460, 176}, {700, 190}, {830, 210}});
        plan.rail = rail;
        polyline(m.img, rail, 5, rgb(20, 20, 26));
        polyline(m.img, rail, 3, rgb(240, 240, 240));
        for (std::size_t i = 0; i + 1 < rail.size(); i += 2)
            draw::line(m.img, rail[i].x, rail[i].y, rail[i + 1].x, rail[i + 1].y, 3,
                       rgb(20, 20, 26));
        polyline(roads, rail, 9, rgb(255, 255, 255));
    }
    m.mark(roads, Road);

    // ---- blocks of buildings on the free land ----
    static const std::uint32_t roofs[] = {rgb(170, 160, 150), rgb(150, 120, 110),
                                          rgb(120, 130, 150), rgb(180, 170, 130),
                                          rgb(140, 150, 140), rgb(110, 100, 120)};
    for (int y = 2; y < MH - 6; y += 3) {
        for (int x = 2; x < MW - 6; x += 3) {
            const int w = rng.range(8, 20);
            const int h = rng.range(7, 16);
            if (!m.freeBox(x - 2, y - 2, w + 5, h + 5)) continue;
            if (rng.uniform() < 0.08) { // a yard with trees instead
                tree(m.img, x + w / 2.0, y + h / 2.0, std::min(w, h) / 2.5);
                m.claim(x, y, w, h);
                continue;
            }
            building(m.img, rng, x, y, w, h, scale(roofs[rng.range(0, 5)], rng.real(0.8, 1.1)));
            plan.blocks.push_back({x, y, w, h});
            m.claim(x, y, w, h);
        }
    }
}

// ---- the city at night ----

// Moonlight: everything darker and bluer, the water darkest.
void nightGrade(MapCanvas& m) {
    for (int y = 0; y < MH; ++y)
        for (int x = 0; x < MW; ++x) {
            const std::uint32_t c = m.img.at(x, y);
            const int r = draw::red(c), g = draw::green(c), b = draw::blue(c);
            const double lum = 0.3 * r + 0.59 * g + 0.11 * b;
            const Use u = static_cast<Use>(m.use[static_cast<std::size_t>(y) * MW + x]);
            const double k = u == Water ? 0.5 : u == Road ? 0.42 : 0.52;
            auto ch = [&](int v, double f, int lift) {
                const double grey = v + (lum - v) * 0.35; // a little less colour at night
                return std::clamp(static_cast<int>(grey * f * k) + lift, 0, 255);
            };
            m.img.at(x, y) = rgb(ch(r, 0.58, 3), ch(g, 0.7, 5), ch(b, 1.0, 14));
        }
}

void nightLights(MapCanvas& m, const CityPlan& plan) {
    map::LightBuffer light(MW, MH);
    draw::Rng rng(4242);
    const std::uint32_t sodium = rgb(255, 150, 50);
    const std::uint32_t white = rgb(210, 225, 255);
    const std::uint32_t warmWindow = rgb(255, 210, 130);
    const std::uint32_t coolWindow = rgb(170, 215, 255);

    // Windows still lit in the blocks: a few bright dots on the roofs and a glow.
    for (const CityPlan::Box& b : plan.blocks) {
        if (rng.uniform() < 0.35) continue;
        const bool warm = rng.uniform() < 0.7;
        const std::uint32_t c = warm ? warmWindow : coolWindow;
        light.add(b.x + b.w / 2.0, b.y + b.h / 2.0, std::max(b.w, b.h) * 0.9, c, 0.16);
        const int dots = 1 + b.w * b.h / 50;
        for (int i = 0; i < dots; ++i) {
            const int x = b.x + rng.range(1, std::max(1, b.w - 3));
            const int y = b.y + rng.range(1, std::max(1, b.h - 3));
            draw::fillRect(m.img, x, y, rng.range(1, 2), 1, mix(c, rgb(255, 255, 255), 0.3));
        }
    }
    // Lamps along the streets, where the street is seen.
    for (const auto& street : plan.streets)
        for (const Point& p : map::along(street, 26))
            if (m.at(p.x, p.y) == Road) {
                draw::fillCircle(m.img, p.x, p.y, 0.7, rgb(230, 240, 255));
                light.add(p.x, p.y, 9, white, 0.4);
            }
    // The main roads glow orange, with traffic on them.
    for (const auto& r : plan.mainRoads) {
        for (const Point& p : map::along(r, 6))
            light.add(p.x, p.y, 10, sodium, 0.3);
        const std::vector<Point> cars = map::along(r, 5);
        for (std::size_t i = 1; i < cars.size(); ++i) {
            if (rng.uniform() > 0.18) continue;
            const double dx = cars[i].x - cars[i - 1].x, dy = cars[i].y - cars[i - 1].y;
            const double len = std::max(0.001, std::hypot(dx, dy));
            const double nx = -dy / len * 2, ny = dx / len * 2; // across the road
            const bool outbound = rng.uniform() < 0.5;
            const double sx = outbound ? nx : -nx, sy = outbound ? ny : -ny;
            const std::uint32_t c = outbound ? rgb(255, 250, 220) : rgb(255, 60, 50);
            draw::fillCircle(m.img, cars[i].x + sx, cars[i].y + sy, 0.9, c);
            light.add(cars[i].x + sx, cars[i].y + sy, 4, c, 0.5);
        }
    }
    // The expressway: white lamps on both rails and a stream of head and tail lights.
    {
        const std::vector<Point> pts = map::along(plan.expressway, 4);
        for (std::size_t i = 1; i < pts.size(); ++i) {
            const double dx = pts[i].x - pts[i - 1].x, dy = pts[i].y - pts[i - 1].y;
            const double len = std::max(0.001, std::hypot(dx, dy));
            const double nx = -dy / len, ny = dx / len;
            if (i % 5 == 0)
                for (double side : {-6.0, 6.0}) {
                    draw::fillCircle(m.img, pts[i].x + nx * side, pts[i].y + ny * side, 0.8,
                                     rgb(240, 250, 255));
                    light.add(pts[i].x + nx * side, pts[i].y + ny * side, 10, white, 0.3);
                }
            if (rng.uniform() < 0.3) {
                const bool east = rng.uniform() < 0.5;
                const double side = east ? 2.5 : -2.5;
                const std::uint32_t c = east ? rgb(255, 245, 210) : rgb(255, 70, 60);
                draw::fillCircle(m.img, pts[i].x + nx * side, pts[i].y + ny * side, 0.8, c);
                light.add(pts[i].x + nx * side, pts[i].y + ny * side, 4, c, 0.45);
            }
        }
        for (int i = 0; i < 24; ++i) { // the interchange loop
            const double a = i * kPi / 12;
            light.add(760 + 14.5 * std::cos(a), 62 + 14.5 * std::sin(a), 6, white, 0.35);
        }
    }
    // The bridge: a string of lamps and red lights on the towers.
    for (const Point& p : map::along(plan.bridge, 8)) {
        draw::fillCircle(m.img, p.x, p.y - 3, 0.8, rgb(255, 250, 220));
        light.add(p.x, p.y - 3, 8, rgb(255, 230, 170), 0.35);
    }
    for (double x : {840.0, 890.0}) {
        const double y = 336 - (x - 800) * 0.3;
        light.add(x, y, 9, rgb(255, 60, 50), 0.8);
    }
    // A last train on the railway.
    {
        const std::vector<Point> rail = map::along(plan.rail, 3);
        for (std::size_t i = 150; i < 168 && i < rail.size(); ++i) {
            draw::fillCircle(m.img, rail[i].x, rail[i].y, 1.6, rgb(230, 240, 255));
            light.add(rail[i].x, rail[i].y, 7, coolWindow, 0.25);
        }
    }
    // The places light up: the stadium's floodlights, the station and the arcade,
    // the wheel of the bay city, the port and the riders' house.
    light.add(620, 132, 60, rgb(230, 245, 255), 0.55);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi / 4 + i * kPi / 2;
        light.add(620 + 66 * std::cos(a), 132 + 46 * std::sin(a), 22, rgb(255, 255, 230), 1.2);
    }
    light.add(460, 167, 34, warmWindow, 0.55);
    light.add(490, 218, 30, rgb(255, 160, 90), 0.7);
    for (int i = 0; i < 16; ++i) {
        const double a = i * kPi / 8;
        light.add(706 + 11 * std::cos(a), 400 + 11 * std::sin(a), 5, rgb(255, 120, 220), 0.7);
    }
    light.add(706, 400, 24, rgb(255, 120, 220), 0.3);
    for (int i = 0; i < 5; ++i)
        light.add(647 + (i % 3) * 18, 389 + (i / 3) * 22, 12, coolWindow, 0.45);
    for (double x : {806.0, 840.0, 872.0})
        for (double y : {398.0, 438.0})
            light.add(x, y, 16, sodium, 0.6);
    light.add(140, 609, 26, warmWindow, 0.5);
    light.add(141, 371, 24, rgb(255, 190, 120), 0.45);
    // Lights of the shore shimmer on the bay.
    for (const Point& p : map::along(plan.coast, 11)) {
        if (p.x < 0 || p.y < 0 || p.x >= MW || p.y >= MH) continue;
        for (int k = 1; k <= 3; ++k) {
            const double y = p.y + 6 + k * 5 + rng.real(-1, 1);
            const double x = p.x + 10 + rng.real(-2, 2);
            if (m.at(x, y) != Water) continue;
            draw::line(draw::Target(m.img).faded(0.5 / k), x - 3, y, x + 3, y, 1,
                       rgb(255, 200, 130));
        }
    }
    light.applyTo(m.img);
}

} // namespace

Image cityMap() {
    MapCanvas m;
    CityPlan plan;
    drawCity(m, plan);
    map::label(m.img, 850, 560, "神奈玉湾", 15, rgb(170, 210, 255), rgb(120, 170, 230),
               rgb(14, 30, 70));
    map::compass(m.img, 880, 640);
    vignette(m.img, 0.15);
    return m.img;
}

Image cityMapLater() {
    MapCanvas m;
    CityPlan plan;
    drawCity(m, plan);
    nightGrade(m);
    nightLights(m, plan);
    map::label(m.img, 850, 560, "神奈玉湾", 15, rgb(150, 180, 240), rgb(90, 120, 200),
               rgb(6, 12, 36));
    map::compass(m.img, 880, 640);
    vignette(m.img, 0.3);
    return m.img;
}

} // namespace zb::art
