// Race effects and the game-over picture: the gusts of wind that sweep over the
// lanes, the mechanical bird Philip that brings G HOUND its ultimate core, the
// burst when the core is loaded, and the screen shown when the story ends badly.
#include "tools/assetgen/Art.h"

#include <cmath>
#include <numbers>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr double kPi = std::numbers::pi;

// A streak that is thin at both ends and thickest in its middle.
void streak(const Pen& pen, double x0, double y0, double len, double bend, double thick,
            const draw::Paint& p) {
    std::vector<Point> top, bottom;
    const int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const double t = i / static_cast<double>(steps);
        const double x = x0 + len * t;
        const double y = y0 + bend * std::sin(t * kPi) - bend * 0.5 * t;
        const double w = thick * std::sin(t * kPi) * (0.35 + 0.65 * t);
        top.push_back({x, y - w / 2});
        bottom.push_back({x, y + w / 2});
    }
    for (int i = steps; i >= 0; --i)
        top.push_back(bottom[static_cast<std::size_t>(i)]);
    pen.poly(top, p);
}

} // namespace

Image windFrame(int frame) {
    // Shown at y = 120 over both lanes, moving left 30 px a step; frames 0..2.
    const int W = 500, H = 112;
    draw::Layer layer(W, H);
    Pen pen{layer, 0, 0, 1};
    draw::Rng rng(6000u + static_cast<std::uint32_t>(frame) * 17u);
    const std::uint32_t pale = rgb(226, 240, 250);
    for (int i = 0; i < 22; ++i) {
        const double len = rng.real(90, 260);
        const double x = rng.real(-40, W - len * 0.6) + frame * 14;
        const double y = rng.real(8, H - 10);
        const double bend = rng.real(-7, 7);
        streak(pen, x, y, len, bend, rng.real(3.0, 5.5),
               draw::horizontal(x, mix(pale, rgb(120, 160, 200), 0.6), x + len, pale));
    }
    // Curls where the gust turns over, and leaves and grit carried along.
    for (int i = 0; i < 4; ++i) {
        const double cx = rng.real(60, W - 60) - frame * 10;
        const double cy = rng.real(20, H - 24);
        const double r = rng.real(8, 14);
        arcBand(pen, cx, cy, r - 1.6, r, kPi * (0.2 + frame * 0.3), kPi * (1.6 + frame * 0.3),
                pale);
        arcBand(pen, cx + r * 0.3, cy, r * 0.45, r * 0.6, kPi * (1.1 + frame * 0.3),
                kPi * (2.3 + frame * 0.3), pale);
    }
    for (int i = 0; i < 18; ++i) {
        const double x = rng.real(10, W - 10), y = rng.real(6, H - 6);
        const double a = rng.real(0, kPi) + frame;
        const std::uint32_t leaf = i % 3 == 0 ? rgb(200, 150, 60) : rgb(120, 170, 80);
        std::vector<Point> pts;
        for (int k = 0; k < 4; ++k) {
            const double ang = a + k * kPi / 2;
            const double r = k % 2 ? 1.6 : 3.6;
            pts.push_back({x + r * std::cos(ang), y + r * std::sin(ang)});
        }
        pen.poly(pts, leaf);
    }
    Image img = layer.toKeyed(kKey, rgb(120, 150, 180));
    img.at(0, H - 1) = kKey;
    return img;
}

Image philipFrame(int frame) {
    // Philip: a steel falcon with the core in its talons. Frames 1..6 follow its
    // swoop: gliding in, flapping, wings down, level with the core flaring,
    // banking into the dive, and diving with its wings folded.
    const int W = 110, H = 92;
    draw::Layer layer(W, H);
    // Nose up while it climbs in, nose down in the dive (the bird faces left).
    const double tilt[6] = {0.12, 0.08, 0.02, 0.0, -0.22, -0.42};
    const double wing[6] = {-1.35, -0.7, 0.75, -0.1, -0.9, -1.45}; // up is negative
    const int f = std::clamp(frame, 1, 6) - 1;
    const double c = std::cos(tilt[f]), s = std::sin(tilt[f]);
    const Point centre{55, 34};
    // Rotates a design point (bird facing left) about the centre.
    auto P = [&](double x, double y) {
        const double dx = x - centre.x, dy = y - centre.y;
        return Point{centre.x + dx * c - dy * s, centre.y + dx * s + dy * c + 14};
    };
    auto poly = [&](std::initializer_list<Point> pts, const draw::Paint& p) {
        std::vector<Point> out;
        for (const Point& q : pts)
            out.push_back(P(q.x, q.y));
        draw::fillPolygon(layer, out, p);
    };
    const std::uint32_t steel = rgb(176, 184, 200);
    const std::uint32_t dark = rgb(70, 76, 94);
    const auto body = draw::vertical(20, rgb(230, 236, 246), 48, rgb(90, 96, 116));
    // Far wing behind the body.
    {
        const double a = wing[f] - 0.25;
        const Point root{62, 30};
        const Point tip{root.x + 40 * std::cos(a + kPi * 0.05), root.y + 44 * std::sin(a)};
        poly({root, {tip.x, tip.y}, {tip.x + 10, tip.y + 8}, {72, 36}}, scale(steel, 0.6));
    }
    // Tail fan and the body.
    poly({{80, 32}, {104, 24}, {106, 32}, {104, 40}, {80, 38}},
         draw::vertical(24, steel, 40, dark));
    poly({{28, 30}, {40, 22}, {66, 24}, {84, 30}, {80, 40}, {60, 46}, {38, 42}}, body);
    for (int i = 0; i < 3; ++i)
        poly({{48.0 + i * 9, 26}, {50.0 + i * 9, 26}, {46.0 + i * 9, 42}, {44.0 + i * 9, 42}},
             rgb(120, 128, 146));
    // Head, hooked beak and a red sensor eye.
    poly({{18, 26}, {26, 18}, {38, 20}, {40, 32}, {28, 34}}, body);
    poly({{18, 26}, {10, 29}, {16, 33}, {24, 31}}, rgb(250, 200, 60));
    {
        const Point e = P(27, 24);
        draw::fillCircle(layer, e.x, e.y, 2.6, rgb(255, 60, 40));
        draw::fillCircle(layer, e.x - 0.8, e.y - 0.8, 0.9, rgb(255, 230, 200));
    }
    // Talons gripping the core under the body.
    const Point core = P(56, 56);
    const double glowR = f == 3 ? 1.25 : 1.0;
    draw::fillRoundRect(layer, core.x - 17 * glowR, core.y - 8 * glowR, 34 * glowR, 16 * glowR,
                        8 * glowR, rgb(60, 170, 210));
    draw::fillRoundRect(
        layer, core.x - 15, core.y - 6, 30, 12, 6,
        draw::vertical(core.y - 6, rgb(235, 255, 255), core.y + 6, rgb(40, 190, 240)));
    draw::fillRoundRect(layer, core.x - 9, core.y - 4, 18, 2.5, 1.2, rgb(255, 255, 255));
    for (double dx : {-10.0, 10.0}) {
        const Point a = P(56 + dx * 0.6, 44);
        draw::line(layer, a.x, a.y, core.x + dx, core.y - 6, 2.2, dark);
        draw::line(layer, core.x + dx, core.y - 6, core.x + dx * 1.2, core.y + 2, 1.6, dark);
    }
    // Near wing, in front: a broad steel wing with four long feathers.
    {
        const double a = wing[f];
        const Point front{50, 28}, back{70, 32};
        const double len = 30;
        const Point tipF{front.x + len * std::cos(a) * 0.5 + 8, front.y + len * std::sin(a)};
        const Point tipB{back.x + len * std::cos(a) * 0.3 + 6, back.y + len * std::sin(a) * 0.9};
        poly({front, tipF, tipB, back},
             draw::vertical(std::min(tipF.y, front.y) - 4, rgb(236, 240, 250),
                            std::max(tipF.y, front.y) + 12, rgb(120, 128, 150)));
        for (int k = 0; k < 4; ++k) {
            const double t = k / 3.0;
            const Point base{tipF.x + (tipB.x - tipF.x) * t, tipF.y + (tipB.y - tipF.y) * t};
            const double fl = 18 - k * 3;
            const Point end{base.x + fl * std::cos(a) * 0.4 + 6, base.y + fl * std::sin(a) * 0.8};
            poly({{base.x - 2.5, base.y}, {end.x, end.y}, {base.x + 3, base.y + 1}},
                 k % 2 ? rgb(150, 158, 178) : rgb(200, 206, 222));
        }
        const Point j1 = P(front.x + 2, front.y + 1), j2 = P(tipF.x, tipF.y);
        draw::line(layer, j1.x, j1.y, j2.x, j2.y, 1.2, dark);
    }
    return layer.toKeyed(kKey, kEdge, 1);
}

Image effectBurst() {
    // Shown stretched far wider than tall; a flash with a core and sharp rays.
    const int W = 220, H = 80;
    draw::Layer layer(W, H);
    const double cx = W / 2.0, cy = H / 2.0;
    draw::Rng rng(4545);
    std::vector<Point> star;
    const int rays = 28;
    for (int i = 0; i < rays * 2; ++i) {
        const double a = i * kPi / rays;
        const double r = i % 2 ? rng.real(0.35, 0.5) : rng.real(0.75, 1.0);
        star.push_back(
            {cx + std::cos(a) * r * (W / 2.0 - 2), cy + std::sin(a) * r * (H / 2.0 - 2)});
    }
    draw::fillPolygon(layer, star, rgb(40, 120, 255));
    draw::fillEllipse(layer, cx, cy, W * 0.36, H * 0.34, rgb(80, 200, 255));
    draw::fillEllipse(layer, cx, cy, W * 0.26, H * 0.24, rgb(170, 240, 255));
    draw::fillEllipse(layer, cx, cy, W * 0.15, H * 0.14, rgb(240, 255, 255));
    draw::fillEllipse(layer, cx, cy, W * 0.07, H * 0.08, rgb(255, 255, 255));
    // Electric arcs through the flash.
    for (int i = 0; i < 6; ++i) {
        double x = cx, y = cy;
        const double dir = i % 2 ? 1 : -1;
        for (int k = 0; k < 6; ++k) {
            const double nx = x + dir * rng.real(10, 18), ny = y + rng.real(-7, 7);
            draw::line(layer, x, y, nx, ny, 1.4, rgb(255, 255, 255));
            x = nx;
            y = ny;
        }
    }
    Image img = layer.toKeyed(kKey, rgb(30, 80, 200));
    img.at(0, H - 1) = kKey;
    return img;
}

Image gameOverPicture() {
    const int W = 514, H = 385;
    Image img(W, H);
    sky(img, 0, 230, {rgb(4, 4, 10), rgb(14, 10, 26), rgb(40, 16, 36), rgb(70, 20, 40)});
    draw::Rng rng(9999);
    SkylineStyle st;
    st.baseY = 232;
    st.minH = 30;
    st.maxH = 130;
    st.top = rgb(22, 16, 30);
    st.bottom = rgb(10, 8, 16);
    st.windows = 0.06;
    st.windowGlow = 0.4;
    skyline(img, rng, st, 0, W);
    // A wet street, one lamp, and the scooter left standing in the rain.
    road(img, 232, H, rgb(30, 26, 36), rgb(10, 8, 14), 999u);
    draw::fillRect(img, 0, 232, W, 3, rgb(70, 60, 76));
    streetLamp(img, 250, 236, 150, rgb(255, 190, 120), false);
    draw::glowEllipse(img, 180, 330, 150, 30, rgb(255, 170, 110), 0.22);
    {
        const double s = 2.2;
        draw::Layer bike(static_cast<int>(kScooterW * s) + 8, static_cast<int>(80 * s) + 8);
        Pen pen{bike, 4, 4 + 4 * s, s};
        scooterWithRider(pen, ScooterLook{}, nullptr, 0);
        // Dimmed by the night, its reflection on the wet road below it.
        for (std::uint32_t& c : bike.colour.pixels)
            c = mix(scale(c, 0.7), rgb(40, 30, 60), 0.25);
        const int x = 30, y = 352 - bike.height();
        bike.drawOnto(img, x, y);
        draw::Target t = draw::Target(img).faded(0.18);
        for (int j = 0; j < 30; ++j)
            for (int i = 0; i < bike.width(); ++i) {
                const int sj = bike.height() - 1 - j * 2;
                if (sj < 0 || y + bike.height() + j >= H) continue;
                t.plot(x + i, y + bike.height() + j - 6, bike.colour.at(i, sj),
                       bike.alpha[static_cast<std::size_t>(sj) * bike.width() + i]);
            }
    }
    rain(img, rng, 500, 0.35);
    // The words, red with a glow.
    draw::TextStyle big;
    big.font = {"ＭＳ Ｐゴシック", 64, true};
    big.top = rgb(255, 120, 110);
    big.bottom = rgb(170, 10, 20);
    big.outline = 3;
    big.outlineColour = rgb(30, 0, 6);
    big.shadowX = 4;
    big.shadowY = 5;
    big.shadowColour = rgb(0, 0, 0);
    draw::glowEllipse(img, W / 2.0, 110, 220, 60, rgb(255, 40, 60), 0.35);
    draw::textCentred(img, W / 2, 104, "GAME OVER", big);
    vignette(img, 0.5);
    return img;
}

} // namespace zb::art
