// The twenty place icons of the map: a round badge with a pictogram of the
// place; race spots carry a small chequered pennant.
#include "tools/assetgen/Art.h"

#include <cmath>
#include <numbers>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double CX = 35;
constexpr double CY = 25;
const std::uint32_t kInk = rgb(255, 252, 240);
const std::uint32_t kDark = rgb(34, 30, 44);

void badge(const Pen& p, std::uint32_t colour) {
    p.circle(CX + 1.5, CY + 2, 21, rgb(20, 14, 26));
    p.circle(CX, CY, 21,
             p.vgrad(CY - 21, mix(colour, rgb(255, 255, 255), 0.55), CY + 21, scale(colour, 0.55)));
    p.circle(CX, CY, 18,
             p.vgrad(CY - 18, mix(colour, rgb(255, 255, 255), 0.15), CY + 18, scale(colour, 0.7)));
    p.ellipse(CX, CY - 10, 12, 5, mix(colour, rgb(255, 255, 255), 0.35));
}

void pennant(const Pen& p) {
    const double x = 52, y = 3;
    p.line(x, y, x, y + 20, 1.6, rgb(60, 50, 50));
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 4; ++i)
            p.poly({{x + 1 + i * 3.5, y + 1 + j * 3.5},
                    {x + 4.5 + i * 3.5, y + 1 + j * 3.5},
                    {x + 4.5 + i * 3.5, y + 4.5 + j * 3.5},
                    {x + 1 + i * 3.5, y + 4.5 + j * 3.5}},
                   (i + j) % 2 ? kDark : kInk);
}

void pizza(const Pen& p) {
    p.poly({{24, 13}, {47, 17}, {30, 39}}, p.vgrad(13, rgb(255, 226, 120), 39, rgb(245, 170, 50)));
    p.line(24, 13, 47, 17, 3.5, rgb(200, 120, 50));
    for (const Point q : {Point{31, 20}, Point{38, 22}, Point{31, 29}})
        p.circle(q.x, q.y, 2.6, rgb(210, 50, 40));
    p.circle(36, 28, 1.3, rgb(60, 140, 60));
}

void wakaba(const Pen& p) { // the beginner's mark
    p.poly({{35, 13}, {44, 19}, {44, 38}, {35, 32}}, rgb(40, 170, 70));
    p.poly({{35, 13}, {26, 19}, {26, 38}, {35, 32}}, rgb(255, 214, 40));
    p.line(35, 13, 35, 32, 1, kDark);
}

void train(const Pen& p) {
    p.roundRect(25, 11, 20, 24, 5, p.vgrad(11, rgb(240, 240, 250), 35, rgb(180, 190, 210)));
    p.roundRect(28, 15, 14, 9, 2, rgb(60, 100, 170));
    p.circle(29.5, 30, 1.8, rgb(255, 230, 120));
    p.circle(40.5, 30, 1.8, rgb(255, 230, 120));
    p.line(27, 35, 23, 41, 2, kInk);
    p.line(43, 35, 47, 41, 2, kInk);
}

void roadAhead(const Pen& p, std::uint32_t line) {
    p.poly({{31, 11}, {39, 11}, {50, 40}, {20, 40}}, rgb(70, 70, 80));
    for (int i = 0; i < 3; ++i) {
        const double y0 = 13 + i * 9.5, y1 = y0 + 5.5;
        p.poly({{34.5, y0}, {35.5, y0}, {35.8 + i * 0.3, y1}, {34.2 - i * 0.3, y1}}, line);
    }
    p.line(31, 11, 20, 40, 1.2, kInk);
    p.line(39, 11, 50, 40, 1.2, kInk);
}

void spanner(const Pen& p) {
    p.line(26, 36, 42, 17, 4.5, p.vgrad(14, rgb(240, 244, 250), 38, rgb(160, 170, 186)));
    p.circle(43.5, 15.5, 6, rgb(220, 226, 236));
    p.poly({{43, 10}, {48.5, 12}, {45, 17}, {40, 15}},
           scale(rgb(240, 150, 60), 0.85)); // jaw opening
    p.circle(25, 37, 4, rgb(220, 226, 236));
    p.circle(25, 37, 1.6, rgb(160, 100, 50));
}

void stadium(const Pen& p) {
    p.ellipse(35, 29, 15, 9, p.vgrad(20, rgb(240, 240, 250), 38, rgb(170, 170, 190)));
    p.ellipse(35, 29, 10, 5, rgb(80, 170, 80));
    for (double x : {22.0, 48.0}) {
        p.line(x, 26, x, 12, 1.4, kInk);
        p.roundRect(x - 3.5, 9.5, 7, 4, 1, rgb(255, 255, 210));
    }
}

void ferrisWheel(const Pen& p) {
    p.line(35, 23, 28, 40, 1.6, kInk);
    p.line(35, 23, 42, 40, 1.6, kInk);
    p.ring(35, 23, 11, 12.5, kInk);
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        p.line(35, 23, 35 + 11 * std::cos(a), 23 + 11 * std::sin(a), 0.8, kInk);
        p.circle(35 + 12 * std::cos(a), 23 + 12 * std::sin(a), 2,
                 i % 2 ? rgb(255, 230, 90) : rgb(120, 230, 255));
    }
}

void house(const Pen& p) {
    p.poly({{21, 24}, {35, 11}, {49, 24}}, rgb(200, 70, 50));
    p.roundRect(24, 23, 22, 16, 1, p.vgrad(23, rgb(255, 240, 214), 39, rgb(220, 196, 160)));
    p.roundRect(31.5, 29, 7, 10, 1, rgb(130, 80, 50));
    p.roundRect(26, 26, 4.5, 4.5, 0.5, rgb(255, 214, 110));
    p.roundRect(40, 26, 4.5, 4.5, 0.5, rgb(255, 214, 110));
}

void bridge(const Pen& p) {
    p.line(17, 31, 53, 31, 2.5, kInk);
    for (double x : {26.0, 44.0})
        p.line(x, 14, x, 38, 2.4, kInk);
    std::vector<Point> cable;
    for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0;
        cable.push_back({26 + 18 * t, 14 + 14 * 4 * t * (1 - t)});
    }
    for (std::size_t i = 0; i + 1 < cable.size(); ++i)
        p.line(cable[i].x, cable[i].y, cable[i + 1].x, cable[i + 1].y, 1, kInk);
    p.line(17, 28, 26, 14, 1, kInk);
    p.line(53, 28, 44, 14, 1, kInk);
    for (int i = 0; i < 3; ++i)
        p.line(20 + i * 11, 40 - i * 0.0, 26 + i * 11, 40, 1.2, rgb(150, 210, 255));
}

void anchor(const Pen& p) {
    p.ring(35, 14, 2.2, 4, kInk);
    p.line(35, 17, 35, 38, 3, kInk);
    p.line(28, 21, 42, 21, 2.5, kInk);
    std::vector<Point> arc;
    for (int i = 0; i <= 10; ++i) {
        const double a = kPi * (0.1 + 0.8 * i / 10.0);
        arc.push_back({35 + 12 * std::cos(a), 28 + 10 * std::sin(a)});
    }
    for (std::size_t i = 0; i + 1 < arc.size(); ++i)
        p.line(arc[i].x, arc[i].y, arc[i + 1].x, arc[i + 1].y, 2.6, kInk);
    p.poly({{22, 28}, {25.5, 33}, {21, 34}}, kInk);
    p.poly({{48, 28}, {44.5, 33}, {49, 34}}, kInk);
}

void junkHeap(const Pen& p) {
    p.poly({{16, 39}, {24, 24}, {31, 27}, {37, 16}, {45, 26}, {54, 39}},
           p.vgrad(16, rgb(170, 160, 140), 39, rgb(100, 90, 80)));
    p.ring(27, 34, 1.6, 3.6, kDark);
    p.roundRect(38, 29, 7, 6, 1, rgb(120, 150, 200));
    p.line(33, 22, 41, 19, 1.3, rgb(90, 60, 40));
    for (const Point q : {Point{24, 13}, Point{44, 11}}) { // flies
        p.line(q.x - 2, q.y - 1, q.x, q.y, 0.8, kDark);
        p.line(q.x, q.y, q.x + 2, q.y - 1, 0.8, kDark);
    }
}

void chequeredFlag(const Pen& p) {
    p.line(24, 12, 24, 41, 2, rgb(80, 60, 50));
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 5; ++i) {
            const double wave = 2 * std::sin((i + 0.5) * 0.9);
            const double x0 = 25 + i * 4, y0 = 12 + j * 4 + wave;
            p.poly({{x0, y0}, {x0 + 4, y0 + 0.6}, {x0 + 4, y0 + 4.6}, {x0, y0 + 4}},
                   (i + j) % 2 ? kDark : kInk);
        }
}

void cog(const Pen& p) {
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        p.line(35 + 8 * std::cos(a), 25 + 8 * std::sin(a), 35 + 13 * std::cos(a),
               25 + 13 * std::sin(a), 4.5, rgb(220, 200, 170));
    }
    p.circle(35, 25, 10, p.vgrad(15, rgb(240, 226, 200), 35, rgb(170, 150, 120)));
    p.circle(35, 25, 4, rgb(120, 70, 40));
    p.line(22, 38, 30, 33, 2, rgb(110, 80, 60)); // a bent bolt beside it
}

void ship(const Pen& p) {
    p.poly({{17, 28}, {53, 28}, {48, 37}, {22, 37}},
           p.vgrad(28, rgb(230, 80, 60), 37, rgb(150, 40, 30)));
    p.roundRect(26, 19, 18, 9, 1, kInk);
    p.roundRect(36, 12, 5, 8, 1, rgb(60, 60, 70));
    for (int i = 0; i < 3; ++i)
        p.circle(30 + i * 5, 23.5, 1.3, rgb(80, 140, 200));
    p.line(16, 40, 54, 40, 1.4, rgb(150, 210, 255));
}

void expressway(const Pen& p) {
    p.roundRect(20, 12, 30, 27, 3, rgb(30, 130, 70));
    p.line(35, 36, 35, 20, 3, kInk);
    p.poly({{35, 14}, {40, 21}, {30, 21}}, kInk);
    p.line(35, 28, 43, 21, 2.6, kInk);
    p.poly({{46, 17}, {45.5, 25}, {39.5, 20}}, kInk);
}

void jizo(const Pen& p) { // the stone statue the street is named after
    p.roundRect(27, 22, 16, 18, 7, p.vgrad(22, rgb(210, 210, 206), 40, rgb(150, 150, 146)));
    p.circle(35, 17, 6.5, p.vgrad(10, rgb(220, 220, 214), 24, rgb(160, 160, 156)));
    p.poly({{28, 23}, {42, 23}, {35, 31}}, rgb(220, 40, 40));
    p.line(32.5, 16.5, 34, 16.5, 0.8, kDark);
    p.line(36, 16.5, 37.5, 16.5, 0.8, kDark);
}

void arterial(const Pen& p) {
    p.roundRect(18, 20, 34, 12, 2, rgb(70, 70, 80));
    p.line(20, 26, 50, 26, 1, rgb(255, 220, 90));
    p.poly({{40, 12}, {50, 17}, {40, 22}}, kInk);
    p.line(24, 17, 40, 17, 2.5, kInk);
    p.poly({{30, 30}, {20, 35}, {30, 40}}, kInk);
    p.line(30, 35, 46, 35, 2.5, kInk);
}

void bayRoad(const Pen& p) {
    p.poly({{17, 28}, {53, 20}, {53, 27}, {17, 35}}, rgb(70, 70, 80));
    p.line(17, 31.5, 53, 23.5, 0.8, rgb(255, 220, 90));
    for (int i = 0; i < 2; ++i) {
        std::vector<Point> wave;
        for (int k = 0; k <= 16; ++k)
            wave.push_back({18 + k * 2.0, 38 + i * 3.5 + 1.2 * std::sin(k * 1.2)});
        for (std::size_t k = 0; k + 1 < wave.size(); ++k)
            p.line(wave[k].x, wave[k].y, wave[k + 1].x, wave[k + 1].y, 1.2, rgb(150, 220, 255));
    }
    p.circle(28, 14, 4, rgb(255, 220, 120));
}

void dirtRoad(const Pen& p) {
    p.poly({{30, 11}, {40, 11}, {52, 40}, {18, 40}},
           p.vgrad(11, rgb(190, 150, 100), 40, rgb(140, 100, 60)));
    p.circle(27, 33, 1.5, rgb(110, 80, 50));
    p.circle(43, 27, 1.2, rgb(110, 80, 50));
    p.line(34, 15, 30, 38, 1, rgb(120, 90, 60));
    p.line(36, 15, 40, 38, 1, rgb(120, 90, 60));
}

} // namespace

Image placeIcon(int place) {
    draw::Layer layer(70, 50);
    const Pen p{layer, 0, 0, 1};
    struct Look {
        std::uint32_t colour;
        bool race;
    };
    static const Look looks[21] = {
        {0, false},
        {rgb(230, 90, 40), false},  // 1 shopping street (the pizza shop)
        {rgb(70, 160, 90), false},  // 2 driving school
        {rgb(60, 110, 200), false}, // 3 station
        {rgb(210, 150, 40), true},  // 4 玉崎街道
        {rgb(220, 170, 30), false}, // 5 parts shop
        {rgb(140, 80, 200), false}, // 6 stadium
        {rgb(230, 80, 160), false}, // 7 bay city
        {rgb(160, 100, 60), false}, // 8 riders' house
        {rgb(40, 170, 200), true},  // 9 bay street
        {rgb(190, 120, 40), true},  // 10 玉崎街道
        {rgb(40, 70, 150), false},  // 11 port
        {rgb(110, 90, 150), false}, // 12 junk island
        {rgb(90, 140, 50), true},   // 13 grass race track
        {rgb(170, 80, 40), false},  // 14 junk shop
        {rgb(40, 140, 140), false}, // 15 ferry port
        {rgb(40, 150, 80), true},   // 16 expressway
        {rgb(200, 50, 60), true},   // 17 地蔵通り
        {rgb(200, 60, 50), true},   // 18 arterial road
        {rgb(50, 100, 200), true},  // 19 waterfront street
        {rgb(90, 130, 60), true},   // 20 island road
    };
    const int n = place >= 1 && place <= 20 ? place : 1;
    badge(p, looks[n].colour);
    switch (n) {
    case 1:
        pizza(p);
        break;
    case 2:
        wakaba(p);
        break;
    case 3:
        train(p);
        break;
    case 4:
        roadAhead(p, rgb(255, 220, 90));
        break;
    case 5:
        spanner(p);
        break;
    case 6:
        stadium(p);
        break;
    case 7:
        ferrisWheel(p);
        break;
    case 8:
        house(p);
        break;
    case 9:
        bridge(p);
        break;
    case 10:
        roadAhead(p, kInk);
        break;
    case 11:
        anchor(p);
        break;
    case 12:
        junkHeap(p);
        break;
    case 13:
        chequeredFlag(p);
        break;
    case 14:
        cog(p);
        break;
    case 15:
        ship(p);
        break;
    case 16:
        expressway(p);
        break;
    case 17:
        jizo(p);
        break;
    case 18:
        arterial(p);
        break;
    case 19:
        bayRoad(p);
        break;
    default:
        dirtRoad(p);
        break;
    }
    if (looks[n].race && n != 13) pennant(p);
    return layer.toKeyed(kKey, kEdge, 1);
}

} // namespace zb::art
