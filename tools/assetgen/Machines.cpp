// Machines and their riders, drawn in design units through a Pen so the same
// drawing serves the race-screen frames and the big title picture.
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

} // namespace

void arcBand(const Pen& pen, double cx, double cy, double r0, double r1, double a0, double a1,
             const draw::Paint& p) {
    std::vector<Point> pts;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps;
        pts.push_back({cx + r1 * std::cos(a), cy + r1 * std::sin(a)});
    }
    for (int i = steps; i >= 0; --i) {
        const double a = a0 + (a1 - a0) * i / steps;
        pts.push_back({cx + r0 * std::cos(a), cy + r0 * std::sin(a)});
    }
    pen.poly(pts, p);
}

void wheel(const Pen& pen, double cx, double cy, double r, double angle, std::uint32_t rim) {
    // Tyre with a soft highlight on its upper half.
    pen.circle(cx, cy, r, rgb(24, 24, 30));
    pen.ring(cx, cy, r * 0.84, r * 0.93,
             pen.vgrad(cy - r, rgb(92, 92, 104), cy + r * 0.2, rgb(24, 24, 30)));
    // Rim and the dark wheel face.
    pen.circle(cx, cy, r * 0.68, pen.vgrad(cy - r, lighter(rim, 0.5), cy + r, scale(rim, 0.55)));
    pen.circle(cx, cy, r * 0.56, pen.vgrad(cy - r, rgb(70, 72, 84), cy + r, rgb(34, 36, 44)));
    for (int i = 0; i < 5; ++i) {
        const double a = angle + i * 2 * kPi / 5;
        const double ex = cx + std::cos(a) * r * 0.58;
        const double ey = cy + std::sin(a) * r * 0.58;
        pen.line(cx, cy, ex, ey, r * 0.17,
                 pen.vgrad(cy - r, lighter(rim, 0.3), cy + r, scale(rim, 0.6)));
    }
    pen.circle(cx, cy, r * 0.2, lighter(rim, 0.4));
    pen.circle(cx, cy, r * 0.08, rgb(40, 40, 48));
}

void seatedRider(const Pen& pen, const RiderLook& look, const RiderPose& p) {
    const std::uint32_t farTrousers = scale(look.trousers, 0.6);
    // Far leg, a little behind and darker.
    pen.line(p.hip.x, p.hip.y, p.knee.x + 1.5, p.knee.y - 1, 7.5, farTrousers);
    pen.line(p.knee.x + 1.5, p.knee.y - 1, p.foot.x + 2, p.foot.y - 1, 5.5, farTrousers);
    pen.ellipse(p.foot.x + 4.5, p.foot.y, 4.2, 2.4, scale(look.boots, 0.6));

    // Torso: a leaning wedge from the seat up to the shoulders.
    const Point back{p.hip.x - 6, p.hip.y + 1};
    const Point neck{p.shoulder.x - 2, p.shoulder.y - 4};
    const Point chest{p.shoulder.x + 5, p.shoulder.y + 2};
    const Point belly{p.hip.x + 7, p.hip.y + 1};
    pen.poly({back,
              {p.hip.x - 4, p.hip.y - 10},
              {neck.x - 5, neck.y + 4},
              neck,
              chest,
              {chest.x - 1, chest.y + 8},
              belly},
             pen.vgrad(neck.y, lighter(look.jacket, 0.15), p.hip.y, scale(look.jacket, 0.7)));
    // Back highlight and a stripe down the side.
    pen.line(p.hip.x - 4.5, p.hip.y - 8, neck.x - 4, neck.y + 4, 1.4, lighter(look.jacket, 0.35));
    pen.line(p.hip.x + 1, p.hip.y - 2, p.shoulder.x + 1, p.shoulder.y + 3, 1.6, look.jacketStripe);

    // Near leg: thigh, shin and boot.
    pen.line(p.hip.x, p.hip.y, p.knee.x, p.knee.y, 8.5,
             pen.vgrad(p.hip.y - 4, lighter(look.trousers, 0.2), p.hip.y + 4,
                       scale(look.trousers, 0.8)));
    pen.line(p.knee.x, p.knee.y, p.foot.x, p.foot.y - 1, 6.5,
             pen.vgrad(p.knee.y, look.trousers, p.foot.y, scale(look.trousers, 0.7)));
    pen.ellipse(
        p.foot.x + 2.5, p.foot.y, 4.8, 2.8,
        pen.vgrad(p.foot.y - 3, lighter(look.boots, 0.25), p.foot.y + 3, scale(look.boots, 0.6)));

    // Arm to the handlebar.
    pen.line(p.shoulder.x, p.shoulder.y, p.elbow.x, p.elbow.y, 6,
             pen.vgrad(p.shoulder.y - 3, lighter(look.jacket, 0.1), p.elbow.y + 3,
                       scale(look.jacket, 0.75)));
    pen.line(p.elbow.x, p.elbow.y, p.hand.x - 1, p.hand.y, 5, scale(look.jacket, 0.85));
    pen.line(p.shoulder.x + 0.5, p.shoulder.y - 1.5, p.elbow.x + 0.5, p.elbow.y - 2.2, 1.2,
             look.jacketStripe);
    pen.circle(p.hand.x, p.hand.y, 2.7, look.gloves);

    // Helmet with visor and a stripe.
    const double hx = p.shoulder.x + 4.5;
    const double hy = p.shoulder.y - 8;
    const double r = 7.2;
    pen.circle(hx, hy, r,
               pen.vgrad(hy - r, lighter(look.helmet, 0.5), hy + r, scale(look.helmet, 0.7)));
    arcBand(pen, hx, hy, r * 0.55, r * 0.98, kPi * 1.0, kPi * 1.55, look.helmetStripe);
    pen.poly(
        {{hx + 1, hy - 2.5}, {hx + r + 0.3, hy - 2}, {hx + r - 0.5, hy + 3}, {hx + 1.5, hy + 3}},
        pen.vgrad(hy - 3, lighter(look.visor, 0.35), hy + 3, scale(look.visor, 0.6)));
    pen.line(hx + 2.5, hy - 1.3, hx + r - 1, hy - 1, 0.8, rgb(150, 230, 255));
    pen.circle(hx - r * 0.35, hy - r * 0.45, r * 0.18, lighter(look.helmet, 0.8));
}

void scooterWithRider(const Pen& pen0, const ScooterLook& bike, const RiderLook* rider, int frame) {
    static const double bob[3] = {0.0, -0.8, -0.4};
    const double angle = frame * 2 * kPi / 15;
    Pen pen = pen0;
    // Wheels stay on the ground; everything else bobs a little.
    wheel(pen, 27, 63, 12, angle, rgb(200, 204, 214));
    wheel(pen, 92, 63, 12, angle + 0.4, rgb(200, 204, 214));
    pen.oy += bob[frame % 3] * pen.s;

    const std::uint32_t body = bike.body;
    const auto bodyShade = pen.vgrad(36, lighter(body, 0.25), 60, scale(body, 0.6));

    // Engine and swingarm, exhaust.
    pen.poly({{24, 60}, {50, 55}, {56, 61}, {30, 67}},
             pen.vgrad(55, rgb(110, 114, 126), 67, rgb(44, 46, 54)));
    pen.line(50, 66, 12, 61.5, 3.4, pen.vgrad(60, rgb(190, 192, 200), 68, rgb(70, 70, 80)));
    pen.ellipse(11.5, 61.4, 1.6, 2.2, rgb(30, 30, 34));

    // Rear cowl with its stripe and a cream skirt.
    pen.poly({{10, 44},
              {16, 37.5},
              {56, 36.5},
              {63, 42},
              {61, 52},
              {53, 58},
              {40, 54},
              {24, 53},
              {12, 50}},
             bodyShade);
    pen.poly({{22, 52.5}, {40, 53.5}, {53, 57.5}, {48, 60}, {30, 58}},
             pen.vgrad(52, bike.lower, 60, scale(bike.lower, 0.75)));
    pen.line(13, 44.5, 61, 44, 1.8, bike.stripe);
    pen.line(17, 38.6, 55, 37.8, 0.9, lighter(body, 0.55));
    // Tail light.
    pen.roundRect(8.4, 40.5, 3.4, 4.5, 1, rgb(255, 70, 60));
    draw::glow(pen.t, pen.X(9), pen.Y(42.5), pen.s * 5, rgb(255, 60, 50), 0.4);

    // Floorboard and leg shield.
    pen.poly({{50, 56.5}, {73, 56.5}, {75, 61}, {49, 62}},
             pen.vgrad(56, rgb(80, 80, 90), 62, rgb(36, 36, 42)));
    pen.poly({{77, 27},
              {85, 25.5},
              {89, 33},
              {87.5, 50},
              {81, 60},
              {70, 61.5},
              {68.5, 56.5},
              {77, 50},
              {78.5, 36}},
             pen.vgrad(25, lighter(body, 0.3), 61, scale(body, 0.62)));
    pen.line(79.5, 30, 80.5, 50, 1.1, lighter(body, 0.5));

    // Front fork and fender.
    pen.line(85, 30, 92, 63, 3.2, pen.vgrad(30, rgb(220, 222, 230), 63, rgb(110, 112, 124)));
    arcBand(pen, 92, 63, 12.8, 15, kPi * 1.08, kPi * 1.9, bodyShade);

    // Pizza box on its rack.
    if (bike.pizzaBox) {
        pen.line(5, 38, 32, 38, 1.6, rgb(60, 60, 70));
        pen.line(13, 38, 18, 45, 1.4, rgb(60, 60, 70));
        pen.roundRect(2, 12, 30, 26, 2, pen.vgrad(12, rgb(255, 250, 236), 38, rgb(206, 196, 172)));
        pen.roundRect(2, 12, 30, 3.2, 1.5, rgb(196, 40, 36));
        pen.roundRect(2, 21.5, 30, 8.5, 0.5,
                      pen.vgrad(21.5, rgb(226, 52, 44), 30, rgb(160, 26, 24)));
        pen.circle(8.2, 25.75, 5.2, pen.vgrad(20, rgb(255, 224, 80), 31, rgb(230, 150, 20)));
        // A slice of pizza in the logo.
        pen.poly({{5.6, 23.2}, {11.2, 24.6}, {6.8, 29}}, rgb(230, 80, 40));
        pen.circle(7.5, 25.4, 0.8, rgb(255, 240, 190));
        pen.line(2.5, 37.2, 31.5, 37.2, 0.8, rgb(150, 140, 120));
        if (pen.s >= 2 && !bike.boxLabel.empty()) {
            draw::TextStyle st;
            st.font = {"ＭＳ Ｐゴシック", static_cast<int>(pen.s * 3.6), true};
            st.top = rgb(255, 255, 255);
            st.bottom = rgb(255, 226, 190);
            st.outline = 1;
            st.outlineColour = rgb(110, 14, 14);
            const TextExtent ext = FontEngine::instance().measure(st.font, bike.boxLabel);
            draw::text(pen.t, static_cast<int>(pen.X(23.6) - ext.width / 2.0),
                       static_cast<int>(pen.Y(25.8) - ext.height / 2.0), bike.boxLabel, st);
        } else {
            pen.line(15.5, 25.7, 29.5, 25.7, 1.6, rgb(255, 238, 220));
        }
    }

    // Seat.
    pen.roundRect(24, 31.5, 31, 7, 3.5, pen.vgrad(31.5, lighter(bike.seat, 0.35), 38.5, bike.seat));

    // The rider.
    if (rider)
        seatedRider(pen, *rider,
                    {{43, 33}, {64, 36.5}, {63, 56.5}, {55, 13.5}, {66, 22.5}, {78.5, 21.5}});

    // Handlebar, mirror, headlight.
    pen.line(75, 20.5, 85, 23, 2, rgb(40, 40, 46));
    pen.roundRect(79, 18.5, 8, 6, 2.5,
                  pen.vgrad(18.5, lighter(body, 0.35), 24.5, scale(body, 0.7)));
    pen.line(82, 19, 80, 11.5, 0.9, rgb(50, 50, 58));
    pen.ellipse(79.6, 10.8, 2.3, 1.5, rgb(190, 200, 214));
    pen.roundRect(84.5, 24.5, 6.5, 10, 2.5,
                  pen.vgrad(24.5, lighter(body, 0.3), 34.5, scale(body, 0.7)));
    pen.ellipse(90.2, 29.5, 2.1, 3.4, pen.vgrad(26, rgb(255, 255, 240), 33, rgb(255, 214, 120)));
}

Image heroFrame(int frame) {
    draw::Layer layer(kScooterW, kScooterH);
    // Room above for the helmet when the body bobs; the wheels touch the bottom.
    Pen pen{layer, 0, kScooterH - 76.0, 1};
    const RiderLook rider;
    scooterWithRider(pen, ScooterLook{}, &rider, frame);
    return layer.toKeyed(kKey, kEdge, 1);
}

} // namespace zb::art
