// The two rivals that are not motorcycles: the big truck of the expressway and
// the bullet train かなた that races the hero along the station's viaduct.
#include "tools/assetgen/Art.h"

#include <cmath>
#include <numbers>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr double kPi = std::numbers::pi;

std::uint32_t lighter(std::uint32_t c, double t) {
    return mix(c, rgb(255, 255, 255), t);
}

// A truck wheel: a deep tyre and a steel disc with its studs.
void truckWheel(const Pen& pen, double cx, double cy, double r, double angle) {
    pen.circle(cx, cy, r, rgb(22, 22, 26));
    pen.ring(cx, cy, r * 0.86, r * 0.94,
             pen.vgrad(cy - r, rgb(86, 86, 96), cy + r * 0.2, rgb(22, 22, 26)));
    pen.circle(cx, cy, r * 0.62, pen.vgrad(cy - r, rgb(236, 236, 240), cy + r, rgb(120, 122, 134)));
    pen.ring(cx, cy, r * 0.44, r * 0.5, rgb(150, 152, 164));
    for (int i = 0; i < 8; ++i) {
        const double a = angle + i * kPi / 4;
        pen.circle(cx + r * 0.34 * std::cos(a), cy + r * 0.34 * std::sin(a), r * 0.055,
                   rgb(60, 60, 70));
    }
    // Two vent holes make the turning visible.
    for (int i = 0; i < 2; ++i) {
        const double a = angle + kPi * i + 0.4;
        pen.circle(cx + r * 0.53 * std::cos(a), cy + r * 0.53 * std::sin(a), r * 0.07,
                   rgb(40, 40, 48));
    }
    pen.circle(cx, cy, r * 0.2, rgb(200, 202, 212));
    pen.circle(cx, cy, r * 0.08, rgb(50, 50, 58));
}

} // namespace

Image truckFrame(int frame) {
    const int W = 264, H = 120;
    draw::Layer layer(W, H);
    Pen pen{layer, 0, 0, 1};
    const double wy = H - 16.5;
    const double r = 16.2;
    const double angle = frame * (kPi / 4) / 3; // a third of a stud's spacing per frame
    static const double bob[3] = {0.0, -1.0, -0.5};

    // Mud flaps and the wheels on the ground.
    for (double x : {38.0, 120.0})
        pen.roundRect(x, wy - 8, 4, 22, 1, rgb(26, 26, 30));
    for (double x : {60.0, 98.0, 226.0})
        truckWheel(pen, x, wy, r, angle + x * 0.01);

    Pen body = pen;
    body.oy += bob[frame % 3];
    // Chassis rail, fuel tank, side guard.
    body.roundRect(2, 88, 236, 8, 2, rgb(30, 30, 36));
    body.roundRect(146, 90, 46, 14, 4, pen.vgrad(90, rgb(240, 242, 248), 104, rgb(110, 112, 124)));
    body.line(150, 95, 188, 95, 0.8, rgb(160, 162, 174));
    body.roundRect(120, 94, 24, 3, 1, rgb(210, 60, 40));

    // The cargo box: silver panels, ribs, the company's name.
    const std::uint32_t box = rgb(214, 218, 226);
    body.roundRect(2, 6, 188, 84, 3, body.vgrad(6, lighter(box, 0.4), 90, scale(box, 0.72)));
    for (double x = 14; x < 188; x += 18)
        body.line(x, 8, x, 88, 0.9, scale(box, 0.82));
    body.roundRect(2, 6, 188, 4, 2, rgb(150, 154, 166));
    body.roundRect(2, 84, 188, 6, 1, rgb(90, 94, 106));
    body.poly({{10, 56}, {180, 46}, {180, 58}, {10, 68}}, rgb(200, 30, 40));
    body.poly({{10, 70}, {180, 60}, {180, 64}, {10, 74}}, rgb(30, 60, 160));
    {
        draw::TextStyle st;
        st.font = {"ＭＳ Ｐゴシック", 20, true};
        st.top = rgb(40, 50, 90);
        st.bottom = rgb(20, 24, 50);
        st.outline = 1;
        st.outlineColour = rgb(250, 250, 255);
        draw::textCentred(layer, 92, static_cast<int>(std::lround(28 + bob[frame % 3])),
                          "神奈玉運輸", st);
    }
    // Amber marker lamps along the bottom edge of the box.
    for (double x = 12; x < 186; x += 16)
        body.roundRect(x, 85.5, 5, 3, 1, rgb(255, 190, 40));
    body.roundRect(0, 76, 3, 10, 1, rgb(230, 30, 30));

    // The cab-over: a tall box with a roof spoiler, door window and driver.
    const std::uint32_t cab = rgb(46, 48, 58);
    body.poly({{196, 18}, {200, 4}, {246, 4}, {252, 18}}, body.vgrad(4, rgb(90, 92, 104), 18, cab));
    body.poly({{194, 18}, {254, 16}, {260, 22}, {262, 60}, {262, 90}, {258, 98}, {194, 98}},
              body.vgrad(16, lighter(cab, 0.3), 98, scale(cab, 0.6)));
    body.poly({{204, 24}, {240, 22}, {250, 28}, {250, 54}, {204, 54}},
              body.vgrad(22, rgb(150, 190, 220), 54, rgb(30, 40, 60)));
    // The driver: cap, shoulders and both hands on the wheel.
    body.circle(226, 38, 5.5, rgb(236, 190, 150));
    body.poly({{219, 36}, {222, 30}, {232, 30}, {235, 35}}, rgb(220, 40, 40));
    body.poly({{216, 54}, {218, 44}, {234, 44}, {238, 54}}, rgb(40, 70, 150));
    body.line(236, 44, 242, 48, 2.4, rgb(40, 40, 46));
    body.line(207, 26, 246, 24.5, 1, rgb(220, 240, 255));
    body.line(198, 58, 258, 58, 1, scale(cab, 0.5));
    body.line(200, 59, 200, 96, 1, scale(cab, 0.5));
    body.roundRect(238, 66, 10, 2.6, 1, rgb(180, 182, 194));
    body.poly({{196, 70}, {262, 66}, {262, 72}, {196, 76}}, rgb(200, 30, 40));
    // Steps, grille, lamps and the chrome bumper at the front.
    body.roundRect(206, 88, 16, 3, 1, rgb(170, 172, 184));
    for (double y = 64; y < 80; y += 3)
        body.line(258, y, 262, y, 1, rgb(170, 172, 184));
    body.roundRect(254, 80, 9, 6, 1.5, body.vgrad(80, rgb(255, 255, 240), 86, rgb(255, 200, 100)));
    body.roundRect(196, 90, 68, 8, 3, body.vgrad(90, rgb(250, 250, 255), 98, rgb(120, 122, 134)));
    body.line(258, 24, 263, 26, 1.4, rgb(30, 30, 34));
    body.roundRect(259, 20, 4, 12, 1.5, rgb(40, 40, 48));
    arcBand(body, 226, wy, r + 1, r + 4, kPi * 1.0, kPi * 2.0, rgb(30, 30, 36));
    return layer.toKeyed(kKey, kEdge, 1);
}

Image bulletTrain() {
    const int W = 960, H = 76;
    draw::Layer layer(W, H);
    Pen pen{layer, 0, 0, 1};
    const double nose0 = 760; // where the nose starts to fall away from the roof
    const double tip = W - 3.0;
    const double bottom = 66;

    // Bogies under the car ends, each with two small wheels.
    for (double x : {60.0, 270.0, 340.0, 560.0, 630.0, 860.0}) {
        pen.roundRect(x - 22, bottom - 4, 44, 8, 2, rgb(40, 42, 50));
        for (double dx : {-13.0, 13.0}) {
            pen.circle(x + dx, H - 5.5, 5.3, rgb(30, 30, 36));
            pen.circle(x + dx, H - 5.5, 2.6, rgb(140, 142, 154));
        }
    }

    // The body: a long white tube with a rounded roof and the long nose.
    std::vector<Point> outline{{0, bottom}, {0, 12}, {4, 9}};
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        const double x = nose0 + (tip - nose0) * t;
        // The nose drops slowly at first, then curves down to the tip.
        const double y = 9 + (bottom - 12 - 9) * (1 - std::cos(t * kPi / 2)) * (0.4 + 0.6 * t);
        outline.push_back({x, y});
    }
    outline.push_back({tip, bottom - 8});
    outline.push_back({tip - 10, bottom - 2});
    outline.push_back({tip - 40, bottom});
    const std::uint32_t white = rgb(246, 248, 252);
    pen.poly(outline, pen.vgrad(8, rgb(255, 255, 255), bottom, rgb(190, 196, 210)));
    // Skirt, the blue stripe sweeping up the nose, the windows.
    pen.poly({{0, bottom - 8}, {tip - 30, bottom - 8}, {tip - 12, bottom - 2}, {0, bottom}},
             pen.vgrad(bottom - 8, rgb(140, 146, 160), bottom, rgb(70, 74, 86)));
    pen.poly({{0, 44}, {800, 44}, {900, 50}, {942, 56}, {936, 58}, {890, 54}, {790, 50}, {0, 50}},
             pen.vgrad(44, rgb(40, 90, 210), 50, rgb(20, 50, 150)));
    pen.poly({{0, 52}, {790, 52}, {880, 57}, {870, 58}, {780, 54}, {0, 54}}, rgb(210, 170, 60));
    for (double car : {0.0, 300.0, 590.0}) {
        const double end = car == 590 ? 790.0 : car + 290;
        for (double x = car + 30; x + 14 < end - 24; x += 18)
            pen.roundRect(x, 24, 12, 10, 2, pen.vgrad(24, rgb(90, 110, 140), 34, rgb(20, 26, 40)));
        // Doors at the car ends.
        for (double dx : {car + 10.0, end - 22})
            pen.roundRect(dx, 20, 11, 38, 1.5, mix(white, rgb(150, 156, 170), 0.4));
    }
    // Joins between the cars.
    for (double x : {296.0, 588.0})
        pen.roundRect(x - 3, 10, 6, bottom - 10, 1, rgb(50, 52, 60));
    // The driver's window on the nose and the headlight under it.
    pen.poly({{790, 12}, {826, 14}, {846, 22}, {812, 22}},
             pen.vgrad(12, rgb(120, 150, 190), 22, rgb(14, 20, 36)));
    pen.line(796, 13.5, 830, 16, 1, rgb(220, 240, 255));
    pen.ellipse(930, 52, 7, 2, pen.vgrad(50, rgb(255, 255, 240), 54, rgb(255, 220, 150)));
    // Pantograph on the middle car's roof.
    pen.line(420, 9, 432, 1.5, 1.4, rgb(60, 62, 72));
    pen.line(444, 9, 432, 1.5, 1.4, rgb(60, 62, 72));
    pen.line(424, 1.5, 442, 1.5, 1.6, rgb(60, 62, 72));
    pen.roundRect(410, 6, 44, 4, 1.5, rgb(120, 124, 136));
    // Its name on the side.
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", 11, true};
    st.top = rgb(30, 70, 190);
    st.bottom = rgb(20, 40, 140);
    draw::textCentred(layer, 700, 38, "かなた", st);
    return layer.toKeyed(kKey, kEdge, 1);
}

} // namespace zb::art
