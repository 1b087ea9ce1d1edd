// Frame backgrounds of the story painted with their own light (514 x 385, what
// matters kept above the message box at y = 271):
// 08 the small factory at two in the morning under its one lamp,
// 09 the riders' house on the coast road at dusk,
// 10 the harbour's warehouses on a rainy night.
#include "tools/assetgen/Art.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr int W = 514;
constexpr int H = 385;
constexpr double kPi = std::numbers::pi;

// A polyline through the points of a quadratic curve from a over c to b.
std::vector<Point> curve(Point a, Point c, Point b, int steps = 12) {
    std::vector<Point> pts;
    for (int i = 0; i <= steps; ++i) {
        const double t = i / static_cast<double>(steps), u = 1 - t;
        pts.push_back({u * u * a.x + 2 * u * t * c.x + t * t * b.x,
                       u * u * a.y + 2 * u * t * c.y + t * t * b.y});
    }
    return pts;
}

void polyline(draw::Target t, const std::vector<Point>& pts, double width, const draw::Paint& p) {
    for (std::size_t i = 1; i < pts.size(); ++i)
        draw::line(t, pts[i - 1].x, pts[i - 1].y, pts[i].x, pts[i].y, width, p);
}

// A cylinder standing on (x, base), shaded round its side.
draw::Shader roundSide(double x, double w, std::uint32_t c) {
    return [x, w, c](int px, int) {
        const double u = std::clamp((px + 0.5 - x) / w, 0.0, 1.0);
        return scale(c, 0.55 + 0.6 * std::sin(u * kPi) * (1 - 0.35 * u));
    };
}

// An oil drum standing on (x, base): ribs round its side, a lid with a bung.
void oilDrum(Image& img, double x, double base, double w, double h, std::uint32_t c) {
    const double ry = w * 0.14;
    draw::fillEllipse(draw::Target(img).faded(0.5), x + w / 2, base + 1, w * 0.62, ry * 1.2,
                      rgb(10, 10, 12));
    draw::fillEllipse(img, x + w / 2, base - 1, w / 2, ry, roundSide(x, w, scale(c, 0.8)));
    draw::fillRect(img, static_cast<int>(x), static_cast<int>(base - h), static_cast<int>(w),
                   static_cast<int>(h - 1), roundSide(x, w, c));
    for (double f : {0.33, 0.66})
        draw::fillEllipse(img, x + w / 2, base - h * f, w / 2 + 0.6, 1.6,
                          roundSide(x, w, scale(c, 0.7)));
    draw::fillEllipse(img, x + w / 2, base - h, w / 2, ry, scale(c, 0.9));
    draw::ring(img, x + w / 2, base - h, w / 2 - 2, w / 2, scale(c, 0.6));
    draw::fillCircle(img, x + w * 0.7, base - h, 2, rgb(70, 70, 76));
}

// A touring motorcycle parked side-on, wheels on `ground`, `k` pixels to the
// design unit (44 units long), facing right (dir 1) or left (dir -1); panniers
// on the back and a kit bag strapped on the seat.
struct TouringLook {
    std::uint32_t body;
    std::uint32_t bag;
};

void touringBike(Image& img, double x0, double ground, double k, int dir, const TouringLook& look) {
    auto P = [&](double u, double v) { return Point{x0 + dir * u * k, ground + v * k}; };
    auto poly = [&](std::initializer_list<Point> uv, const draw::Paint& p) {
        std::vector<Point> pts;
        for (const Point& q : uv)
            pts.push_back(P(q.x, q.y));
        draw::fillPolygon(img, pts, p);
    };
    auto seg = [&](double u0, double v0, double u1, double v1, double w, const draw::Paint& p) {
        const Point a = P(u0, v0), b = P(u1, v1);
        draw::line(img, a.x, a.y, b.x, b.y, w * k, p);
    };
    auto vg = [&](double v0, std::uint32_t top, double v1, std::uint32_t bottom) {
        return draw::vertical(ground + v0 * k, top, ground + v1 * k, bottom);
    };
    const std::uint32_t chrome = rgb(214, 214, 222), dark = rgb(40, 40, 46);
    draw::fillEllipse(draw::Target(img).faded(0.45), P(22, 0).x, ground + 0.5 * k, 24 * k, 1.6 * k,
                      rgb(20, 14, 24));
    const Pen pen{img, 0, 0, 1};
    for (double u : {9.0, 36.0})
        wheel(pen, P(u, -7).x, P(u, -7).y, 7 * k, 0.3 + u, rgb(170, 172, 182));
    seg(9, -7, 20, -11, 1.8, dark);                                                 // swingarm
    seg(34, -24, 36, -7, 1.8, vg(-24, rgb(240, 240, 246), -7, rgb(140, 140, 150))); // fork
    poly({{17, -15}, {28, -16}, {29, -8}, {19, -6}},
         vg(-16, rgb(120, 122, 132), -6, rgb(50, 50, 58)));
    for (double v = -14.5; v < -9; v += 1.6) // the cylinder's fins
        seg(19.5, v, 27.5, v - 0.3, 0.5, rgb(170, 172, 182));
    std::vector<Point> pipe = {P(27, -9), P(25, -4.5), P(16, -4.5), P(3, -8)};
    for (std::size_t i = 1; i < pipe.size(); ++i)
        draw::line(img, pipe[i - 1].x, pipe[i - 1].y, pipe[i].x, pipe[i].y, 1.4 * k, chrome);
    seg(3, -8, 12, -5.4, 2.6, vg(-9, rgb(250, 250, 255), -4, rgb(130, 130, 140))); // silencer
    poly({{12, -17}, {22, -17}, {20, -12}, {13, -12}}, scale(look.body, 0.7));     // side cover
    poly({{21, -21.5}, {30, -23.5}, {33, -19}, {30, -16}, {21, -16.5}},
         vg(-23.5, scale(look.body, 1.3), -16, scale(look.body, 0.7))); // tank
    poly({{9, -20}, {22, -21}, {22, -18}, {10, -17.5}},
         vg(-21, rgb(70, 66, 70), -17, rgb(30, 28, 32)));
    // The half fairing and its screen, the mirror and the headlight.
    poly({{31, -20}, {33, -29}, {38, -26}, {39, -19}, {35, -17}},
         vg(-29, scale(look.body, 1.25), -17, scale(look.body, 0.7)));
    poly({{33, -29}, {33.5, -34}, {36, -33.5}, {38, -26}}, rgb(150, 176, 200));
    seg(32, -27, 30.5, -31, 0.4, dark);
    draw::fillEllipse(img, P(30.3, -31.5).x, P(30.3, -31.5).y, 1.2 * k, 0.8 * k, dark);
    draw::fillEllipse(img, P(38.6, -22).x, P(38.6, -22).y, 0.7 * k, 1.4 * k, rgb(230, 230, 220));
    // Panniers on both sides, the kit bag on the seat, the plate from far away.
    draw::fillRoundRect(img, std::min(P(1, -18).x, P(13, -18).x), P(1, -18).y, 12 * k, 9 * k,
                        1.4 * k, vg(-18, rgb(70, 72, 80), -9, rgb(36, 36, 42)));
    seg(1.2, -15.5, 12.8, -15.5, 0.4, rgb(120, 122, 132));
    draw::fillRoundRect(img, std::min(P(3, -25).x, P(15, -25).x), P(3, -25).y, 12 * k, 5 * k,
                        2.4 * k, vg(-25, scale(look.bag, 1.2), -20, scale(look.bag, 0.7)));
    for (double u : {6.0, 12.0})
        seg(u, -25, u, -20, 0.5, rgb(30, 30, 34));
    poly({{-0.5, -17}, {1.2, -17}, {1.2, -13.5}, {-0.5, -13.5}}, rgb(236, 236, 226));
}

// Paints a flat picture onto the wall x = X of a camera's world, between the
// depths z0..z1 and the heights y0..y1, in perspective; its coverage blends it
// in (times `opacity`), four samples to a pixel.
void onWall(Image& img, const Camera& c, double X, double z0, double z1, double y0, double y1,
            const draw::Layer& art, double opacity) {
    const Point a = c.at(X, y1, z0), b = c.at(X, y0, z0), p = c.at(X, y1, z1);
    const int xs = std::max(0, static_cast<int>(std::floor(std::min(a.x, p.x))));
    const int xe = std::min(W - 1, static_cast<int>(std::ceil(std::max(a.x, p.x))));
    const int ys = std::max(0, static_cast<int>(std::floor(std::min(a.y, p.y))));
    const int ye = std::min(H - 1, static_cast<int>(std::ceil(b.y)));
    draw::Target t(img);
    for (int sy = ys; sy <= ye; ++sy)
        for (int sx = xs; sx <= xe; ++sx) {
            double r = 0, g = 0, bl = 0, cover = 0;
            for (int k = 0; k < 4; ++k) {
                const double px = sx + 0.25 + 0.5 * (k % 2), py = sy + 0.25 + 0.5 * (k / 2);
                const double z = c.f * X / (px - c.vx);
                if (z <= 0) continue;
                const double y = c.eye - (py - c.hy) * z / c.f;
                const double u = (z - z0) / (z1 - z0), v = (y1 - y) / (y1 - y0);
                if (u < 0 || u >= 1 || v < 0 || v >= 1) continue;
                const int ix = static_cast<int>(u * art.width()),
                          iy = static_cast<int>(v * art.height());
                const double al = art.alpha[static_cast<std::size_t>(iy) * art.width() + ix];
                const std::uint32_t col = art.colour.at(ix, iy);
                r += draw::red(col) * al;
                g += draw::green(col) * al;
                bl += draw::blue(col) * al;
                cover += al;
            }
            if (cover > 0)
                t.plot(sx, sy,
                       rgb(static_cast<int>(r / cover), static_cast<int>(g / cover),
                           static_cast<int>(bl / cover)),
                       opacity * cover / 4);
        }
}

// Paint on a wall, worn by the weather: text on a clear layer, with bare patches.
draw::Layer wornPaint(int w, int h, const std::string& utf8, int size, std::uint32_t colour,
                      std::uint32_t seed) {
    draw::Layer l(w, h);
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", size, true};
    st.top = st.bottom = colour;
    draw::textCentred(l, w / 2, h / 2, utf8, st);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double n = draw::fractalNoise(x / 14.0, y / 14.0, seed, 3);
            l.alpha[static_cast<std::size_t>(y) * w + x] *=
                static_cast<float>(std::clamp((n - 0.2) * 4, 0.0, 1.0));
        }
    return l;
}

} // namespace

// 08: a small factory on the edge of town at two in the morning: a high dark
// hall of steel, one lamp over the bare frame of a machine on its stand.
Image factoryAtNight() {
    Image img(W, H);
    draw::Rng rng(808);
    const int floorY = 214; // where the back wall meets the floor
    const std::uint32_t steel = rgb(104, 108, 122);
    const std::uint32_t paint = rgb(84, 118, 104); // the machine tools' old green
    // The back wall: rusty corrugated sheet above a wall of blocks.
    for (int y = 0; y < floorY; ++y)
        for (int x = 0; x < W; ++x) {
            const double rib = 0.8 + 0.2 * std::sin(x * 2 * kPi / 9.0);
            const double rust = draw::fractalNoise(x / 40.0, y / 24.0, 81, 3);
            img.at(x, y) = scale(
                mix(rgb(116, 124, 136), rgb(120, 86, 60), std::clamp((rust - 0.55) * 2, 0.0, 0.6)),
                rib);
        }
    for (int y = 150, row = 0; y < floorY; y += 8, ++row) {
        draw::fillRect(img, 0, y, W, 7, scale(rgb(132, 128, 118), 0.92 + 0.04 * (row % 3)));
        for (int x = (row % 2) * 12; x < W; x += 24)
            draw::fillRect(img, x, y, 1, 7, rgb(92, 90, 86));
    }
    draw::fillRect(img, 0, 147, W, 4, rgb(90, 94, 100));
    // The high window; its panes are filled with the night after the lighting.
    constexpr std::uint32_t kPane = rgb(1, 2, 3);
    const int wx0 = 344, wy0 = 64, ww = 132, wh = 76;
    draw::fillRect(img, wx0, wy0, ww, wh, kPane);
    for (int i = 0; i <= 4; ++i)
        draw::fillRect(img, wx0 + i * 33 - 2, wy0 - 2, 4, wh + 4, rgb(40, 44, 54));
    for (int j = 0; j <= 3; ++j)
        draw::fillRect(img, wx0 - 2, wy0 + j * 25 - 2, ww + 4, 4, rgb(40, 44, 54));
    draw::fillRect(img, wx0 - 4, wy0 + wh + 1, ww + 8, 3, rgb(90, 94, 106));
    // The roof and its trusses.
    draw::fillRect(img, 0, 0, W, 46, draw::vertical(0, rgb(56, 60, 70), 46, rgb(82, 86, 96)));
    for (int y = 4; y < 46; y += 10)
        draw::fillRect(img, 0, y, W, 2, rgb(66, 70, 80));
    draw::line(img, -5, 6, W + 5, 6, 4, steel);
    draw::line(img, -5, 40, W + 5, 40, 4, steel);
    for (int i = 0; i <= 12; ++i) {
        const double x = -10 + i * 44.0;
        draw::line(img, x, 6, x, 40, 2, steel);
        draw::line(img, x, i % 2 ? 6 : 40, x + 44, i % 2 ? 40 : 6, 2, steel);
    }
    // Steel columns holding them, braced at the top.
    for (int cx : {16, 156, 497}) {
        draw::line(img, cx, 84, cx - 30, 40, 3, steel);
        draw::line(img, cx, 84, cx + 30, 40, 3, steel);
        draw::fillRect(img, cx - 8, 0, 16, floorY + 3, rgb(104, 108, 120));
        draw::fillRect(img, cx - 8, 0, 3, floorY + 3, rgb(132, 136, 148));
        draw::fillRect(img, cx + 5, 0, 3, floorY + 3, rgb(70, 72, 84));
        draw::fillRect(img, cx - 11, floorY - 1, 22, 5, rgb(90, 92, 102));
    }
    // The safety sign and the clock: two o'clock.
    draw::fillRect(img, 166, 64, 62, 40, rgb(236, 236, 226));
    draw::frameRect(img, 166, 64, 62, 40, rgb(40, 120, 70), 2);
    draw::fillRect(img, 189, 69, 16, 5, rgb(40, 150, 80));
    draw::fillRect(img, 194, 66, 6, 11, rgb(40, 150, 80));
    draw::TextStyle sign;
    sign.font = {"ＭＳ ゴシック", 12, true};
    sign.top = rgb(40, 140, 76);
    sign.bottom = rgb(30, 110, 60);
    draw::textCentred(img, 197, 92, "安全第一", sign);
    const double kx = 320, ky = 104;
    draw::fillCircle(img, kx, ky, 11, rgb(60, 56, 52));
    draw::fillCircle(img, kx, ky, 9.5, rgb(236, 232, 220));
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        draw::fillCircle(img, kx + 7.5 * std::cos(a), ky + 7.5 * std::sin(a), 0.6, rgb(40, 40, 40));
    }
    draw::line(img, kx, ky, kx + 4.5 * std::cos(-kPi / 6), ky + 4.5 * std::sin(-kPi / 6), 1.6,
               rgb(30, 30, 30));
    draw::line(img, kx, ky, kx, ky - 7.5, 1.1, rgb(30, 30, 30));
    // The shelf and the bench on the right, with a vice and a grinder.
    draw::fillRect(img, 418, 150, 96, 4, rgb(120, 90, 60));
    static const std::uint32_t bins[] = {rgb(200, 60, 40), rgb(60, 100, 170), rgb(220, 180, 60)};
    for (int i = 0; i < 6; ++i)
        draw::fillRect(img, 422 + i * 15, 140, 13, 10, scale(bins[i % 3], 0.8));
    draw::fillRect(img, 420, 198, 94, 26, rgb(70, 72, 80));
    draw::fillRect(img, 416, 192, 98, 7,
                   draw::vertical(192, rgb(150, 112, 74), 199, rgb(100, 70, 44)));
    draw::fillRoundRect(img, 428, 182, 20, 10, 2, paint); // the vice
    draw::fillRect(img, 424, 178, 28, 5, scale(paint, 1.2));
    draw::line(img, 438, 186, 438, 194, 1.5, rgb(180, 180, 186));
    draw::fillRoundRect(img, 470, 180, 22, 12, 3, paint); // the grinder
    for (double gx : {466.0, 496.0}) {
        draw::fillCircle(img, gx, 185, 8, rgb(90, 94, 104));
        draw::fillCircle(img, gx, 185, 5, rgb(150, 146, 140));
    }
    for (int i = 0; i < 3; ++i)
        draw::line(img, 452 + i * 5.0, 190, 460 + i * 5.0, 186, 1.6, rgb(180, 184, 196));
    // The drill press, under the window.
    draw::fillRect(img, 372, 232, 44, 7, scale(paint, 0.8));
    draw::fillRect(img, 391, 150, 7, 84, rgb(170, 172, 180));
    draw::fillRect(img, 376, 204, 36, 5, scale(paint, 1.1));
    draw::fillRoundRect(img, 378, 156, 38, 28, 4, paint);
    draw::fillRoundRect(img, 376, 146, 44, 12, 5, scale(paint, 1.15));
    draw::fillRect(img, 395, 184, 5, 10, rgb(180, 182, 190));
    draw::line(img, 397.5, 194, 397.5, 202, 1.2, rgb(200, 200, 210));
    for (double a : {-0.4, 0.9, 2.2})
        draw::line(img, 416, 170, 416 + 12 * std::cos(a), 170 + 12 * std::sin(a), 1.4,
                   rgb(170, 172, 180));
    // The lathe on the left.
    draw::fillRect(img, 28, 220, 30, 44, scale(paint, 0.75));
    draw::fillRect(img, 116, 220, 30, 44, scale(paint, 0.75));
    draw::fillRect(img, 30, 214, 116, 7, rgb(70, 70, 76));
    draw::fillRect(img, 22, 204, 130, 11, paint);
    draw::fillRect(img, 22, 204, 130, 2, rgb(190, 192, 200));
    draw::fillRoundRect(img, 22, 170, 44, 36, 4,
                        draw::vertical(170, scale(paint, 1.15), 206, scale(paint, 0.8)));
    draw::line(img, 36, 178, 30, 166, 1.6, rgb(40, 40, 44));
    draw::fillCircle(img, 30, 165, 2.2, rgb(30, 30, 30));
    draw::fillRect(img, 66, 184, 6, 12, rgb(150, 152, 160));
    draw::fillRoundRect(img, 70, 178, 10, 24, 2, rgb(170, 172, 180)); // the chuck
    draw::fillRect(img, 80, 188, 18, 4, rgb(190, 190, 196));          // the work in it
    draw::fillRect(img, 92, 192, 22, 12, scale(paint, 1.1));          // the carriage
    draw::fillRect(img, 100, 184, 8, 8, rgb(120, 122, 130));
    draw::ring(img, 103, 210, 3, 5.5, rgb(170, 172, 180));
    draw::fillRoundRect(img, 124, 182, 22, 22, 3, scale(paint, 0.95)); // the tailstock
    draw::fillRect(img, 114, 188, 10, 5, rgb(170, 172, 180));
    draw::ring(img, 150, 192, 2, 4.5, rgb(170, 172, 180));
    // The floor: old concrete, its joints, oil soaked into it.
    for (int y = floorY; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = draw::fractalNoise(x / 30.0, y / 9.0, 88, 3);
            const double oil = draw::fractalNoise(x / 60.0, y / 18.0, 89, 2);
            std::uint32_t c = mix(rgb(120, 118, 114), rgb(96, 94, 92), (y - floorY) / 170.0);
            c = scale(c, 0.9 + 0.2 * n);
            if (oil > 0.62) c = scale(c, 1 - (oil - 0.62) * 1.6);
            img.at(x, y) = c;
        }
    for (int i = -7; i <= 7; ++i)
        draw::line(draw::Target(img).faded(0.5), 257 + i * 44.0, floorY, 257 + i * 190.0, H, 1,
                   rgb(70, 68, 66));
    for (int y : {236, 276, 340})
        draw::fillRect(draw::Target(img).faded(0.5), 0, y, W, 1, rgb(70, 68, 66));
    draw::fillRect(img, 0, floorY, W, 2, rgb(70, 70, 72));
    // The lift table under the machine.
    draw::line(img, 196, 232, 336, 262, 4, rgb(70, 72, 80));
    draw::line(img, 196, 262, 336, 232, 4, rgb(86, 88, 96));
    draw::fillCircle(img, 266, 247, 3, rgb(40, 40, 44));
    draw::fillRect(img, 184, 262, 166, 6, rgb(60, 60, 66));
    draw::fillRect(img, 160, 225, 238, 8,
                   draw::vertical(225, rgb(200, 70, 50), 233, rgb(130, 40, 30)));
    draw::fillRect(img, 160, 225, 238, 1, rgb(240, 130, 110));
    // The machine: a double-cradle frame round a big air-cooled four, forks and
    // swingarm, no wheels and no bodywork yet.
    const std::uint32_t alloy = rgb(160, 162, 168);
    const std::uint32_t tube = rgb(116, 118, 132);
    auto pipe = [&](const std::vector<Point>& pts, double w, std::uint32_t c) {
        polyline(img, pts, w + 1.2, scale(c, 0.4));
        polyline(img, pts, w, c);
        std::vector<Point> lit = pts;
        for (Point& p : lit)
            p.y -= w * 0.25;
        polyline(img, lit, w * 0.35, scale(c, 1.7));
    };
    draw::line(img, 172, 208, 172, 225, 4, rgb(60, 60, 66)); // the rear stand
    draw::line(img, 386, 210, 386, 225, 4, rgb(60, 60, 66)); // the front stand
    draw::fillRect(img, 266, 216, 50, 9, rgb(150, 110, 70)); // the block under the engine
    // The frame's tubes.
    const Point h1{350, 108}, h2{358, 138};
    pipe({h1, {250, 120}, {236, 124}}, 4.2, tube);
    pipe({{236, 124}, {172, 118}, {166, 124}, {172, 128}, {232, 168}}, 2.8, tube);
    pipe({{236, 124}, {236, 198}}, 4.2, tube);
    std::vector<Point> cradle{h2, {349, 176}};
    for (const Point& p : curve({349, 176}, {346, 216}, {300, 216}))
        cradle.push_back(p);
    cradle.push_back({256, 216});
    for (const Point& p : curve({256, 216}, {238, 214}, {236, 198}, 6))
        cradle.push_back(p);
    pipe(cradle, 4.2, tube);
    draw::fillPolygon(img, {{230, 160}, {242, 160}, {244, 204}, {230, 206}},
                      draw::vertical(160, scale(alloy, 0.9), 206, scale(alloy, 0.55)));
    // The swingarm and its pair of shocks with red springs.
    draw::fillPolygon(img, {{240, 192}, {172, 201}, {172, 210}, {240, 204}},
                      draw::vertical(192, scale(alloy, 1.1), 210, scale(alloy, 0.65)));
    draw::fillCircle(img, 236, 198, 4, rgb(60, 60, 66));
    draw::fillCircle(img, 236, 198, 1.6, rgb(210, 210, 220));
    draw::fillCircle(img, 174, 205, 3.5, rgb(70, 70, 76));
    draw::line(img, 190, 124, 188, 202, 4, rgb(60, 60, 66));
    for (double y = 136; y < 188; y += 4)
        draw::line(img, 185, y, 193, y + 2.5, 2, rgb(220, 50, 40));
    // The engine: crankcase, a tall finned block tilted forward, the head.
    draw::fillPolygon(img, {{254, 184}, {330, 182}, {338, 196}, {332, 212}, {262, 214}, {250, 202}},
                      draw::vertical(182, scale(alloy, 1.12), 214, scale(alloy, 0.6)));
    draw::fillCircle(img, 270, 199, 11,
                     draw::vertical(188, scale(alloy, 1.15), 210, scale(alloy, 0.7)));
    draw::ring(img, 270, 199, 9, 11, scale(alloy, 0.6));
    draw::fillCircle(img, 270, 199, 2, scale(alloy, 0.5));
    draw::fillCircle(img, 324, 198, 8,
                     draw::vertical(190, scale(alloy, 1.1), 206, scale(alloy, 0.7)));
    for (int k = 0; k < 4; ++k)
        draw::line(img, 266 + k * 16.0, 210, 272 + k * 16.0, 210, 1, scale(alloy, 0.45));
    const Point ux{0.208, -0.978}; // up the cylinders
    const Point bl{268, 186}, br{326, 186};
    auto along = [&](Point p, double d) { return Point{p.x + ux.x * d, p.y + ux.y * d}; };
    draw::fillPolygon(img, {bl, br, along(br, 46), along(bl, 46)}, scale(alloy, 0.5));
    for (double d = 2; d < 46; d += 3.6) {
        const double out = d < 36 ? 4 : 2;
        const Point a = along(bl, d), b = along(br, d);
        draw::line(img, a.x - out, a.y, b.x + out, b.y, 1.8,
                   draw::horizontal(260, scale(alloy, 0.8), 330, scale(alloy, 1.2)));
    }
    const Point hl = along(bl, 46), hr = along(br, 46);
    draw::fillPolygon(img,
                      {{hl.x - 2, hl.y},
                       {hr.x + 2, hr.y},
                       along({hr.x - 2, hr.y}, 9),
                       along({hl.x + 2, hl.y}, 9)},
                      draw::vertical(hl.y - 9, rgb(70, 70, 80), hl.y, rgb(36, 36, 42)));
    draw::fillPolygon(img, {along(hl, 3), along(hr, 3), along(hr, 5), along(hl, 5)},
                      rgb(200, 44, 36));
    // The carburettors and their open trumpets behind the head.
    for (int k = 0; k < 2; ++k) {
        const Point a = along(bl, 30 + k * 7);
        const Point b{a.x - 16, a.y + 1};
        draw::line(img, a.x, a.y, b.x, b.y, 6, rgb(120, 122, 130));
        draw::fillPolygon(img,
                          {{b.x, b.y - 3}, {b.x - 9, b.y - 6}, {b.x - 9, b.y + 6}, {b.x, b.y + 3}},
                          draw::vertical(b.y - 6, rgb(220, 222, 230), b.y + 6, rgb(120, 122, 132)));
        draw::fillEllipse(img, b.x - 9, b.y, 1.6, 6, rgb(30, 30, 36));
    }
    // Four pipes from the ports, down in front of the engine and back under it.
    for (int k = 0; k < 4; ++k) {
        const Point port = along(br, 24 + k * 4.5);
        const double x = 342 + k * 3.6;
        std::vector<Point> pts = curve(port, {x, port.y - 1}, {x, port.y + 16}, 6);
        for (const Point& p :
             curve({x, port.y + 16}, {x + 1, 214 + k * 1.2}, {300, 214 + k * 1.2}, 8))
            pts.push_back(p);
        pts.push_back({252, 214 + k * 1.2});
        pipe(pts, 2.6, mix(rgb(200, 170, 110), rgb(120, 110, 170), k / 3.0));
    }
    // The steering head and the fork.
    draw::line(img, h1.x, h1.y - 3, h2.x, h2.y + 2, 9,
               draw::horizontal(344, scale(tube, 0.8), 364, scale(tube, 1.4)));
    draw::line(img, 375, 160, 386, 206, 8,
               draw::horizontal(372, rgb(80, 74, 60), 392, rgb(170, 150, 100)));
    draw::line(img, 360, 104, 375, 162, 6,
               draw::horizontal(356, rgb(170, 172, 182), 380, rgb(250, 250, 255)));
    draw::fillCircle(img, 386, 207, 3.5, rgb(170, 172, 180));
    draw::fillRoundRect(img, 344, 102, 26, 7, 2, scale(alloy, 1.05)); // top clamp
    draw::fillRoundRect(img, 350, 138, 24, 6, 2, scale(alloy, 0.95)); // bottom clamp
    draw::line(img, 350, 106, 334, 112, 2.6, rgb(50, 50, 56));        // a clip-on bar
    // The dust sheet, pulled off: one corner still caught on the tail, the rest
    // in a heap on the floor.
    const std::vector<Point> sheet{{198, 120}, {180, 113}, {164, 117}, {158, 130}, {150, 170},
                                   {140, 214}, {126, 244}, {106, 256}, {102, 270}, {128, 278},
                                   {180, 279}, {214, 273}, {216, 261}, {198, 250}, {180, 244},
                                   {176, 212}, {184, 170}, {192, 140}};
    draw::fillPolygon(img, sheet, draw::vertical(112, rgb(200, 192, 170), 278, rgb(150, 142, 122)));
    for (int k = 0; k < 3; ++k) { // the folds
        const double x0 = 166 + k * 8.0;
        polyline(draw::Target(img).faded(0.5),
                 curve({x0, 120}, {x0 - 10 - k * 2, 190}, {x0 - 30 - k * 4, 250}), 2,
                 rgb(110, 104, 88));
        polyline(draw::Target(img).faded(0.45),
                 curve({x0 + 3, 121}, {x0 - 7 - k * 2, 190}, {x0 - 27 - k * 4, 249}), 1.1,
                 rgb(236, 230, 210));
    }
    for (int k = 0; k < 4; ++k) {
        const double x0 = 114 + k * 24.0;
        polyline(draw::Target(img).faded(0.45),
                 curve({x0, 262 + k % 2 * 4.0}, {x0 + 12, 252.0 + k * 2},
                       {x0 + 26, 266 + k % 2 * 6.0}, 8),
                 1.8, rgb(110, 104, 88));
    }
    // The chain hoist hanging from the crane's beam.
    draw::fillRect(img, 0, 48, W, 11, draw::vertical(48, rgb(236, 196, 60), 59, rgb(170, 130, 30)));
    draw::fillRect(img, 0, 48, W, 2, rgb(250, 226, 130));
    {
        draw::TextStyle st;
        st.font = {"ＭＳ ゴシック", 8, true};
        st.top = st.bottom = rgb(40, 30, 10);
        draw::textCentred(img, 130, 54, "2.8t", st);
    }
    draw::fillRect(img, 80, 59, 24, 5, rgb(80, 80, 88));
    draw::fillRoundRect(img, 76, 63, 32, 22, 5,
                        draw::vertical(63, rgb(230, 130, 40), 85, rgb(160, 80, 20)));
    for (double y = 86; y < 150; y += 4.4) {
        if (static_cast<int>((y - 86) / 4.4) % 2)
            draw::line(img, 92, y - 2, 92, y + 2.4, 1.4, rgb(150, 150, 160));
        else {
            draw::line(img, 90.6, y - 2, 90.6, y + 2.4, 1, rgb(150, 150, 160));
            draw::line(img, 93.4, y - 2, 93.4, y + 2.4, 1, rgb(150, 150, 160));
        }
    }
    for (double x : {102.0, 106.0})
        for (double y = 86; y < 206; y += 3.6)
            draw::fillCircle(img, x, y, 1.1, rgb(120, 120, 130));
    draw::fillRoundRect(img, 86, 148, 12, 12, 3, rgb(230, 130, 40));
    draw::line(img, 95, 160, 98, 170, 2.6, rgb(170, 172, 180));
    arcBand(Pen{img, 0, 0, 1}, 92, 170, 3.5, 6.5, 0, kPi * 1.1, rgb(170, 172, 180));
    // A bare rim waiting for the machine, leaning on the lathe.
    draw::ring(img, 96, 244, 17, 21,
               draw::vertical(223, rgb(200, 200, 210), 265, rgb(90, 90, 100)));
    draw::fillCircle(img, 96, 244, 4, rgb(120, 120, 128));
    // Oil drums by the bench.
    oilDrum(img, 440, 282, 34, 56, rgb(50, 90, 160));
    oilDrum(img, 476, 290, 34, 56, rgb(180, 50, 36));

    // Night everywhere; the lamp's cone of warm light and the moon through the
    // window are added on top.
    const Point lamp{276, 86};
    const Image day = img;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const double dx = x + 0.5 - lamp.x, dy = y + 0.5 - lamp.y;
            const double dist = std::hypot(dx, dy);
            double r = 0.24, g = 0.26, b = 0.36;
            double haze = 0;
            if (dy > 0) {
                const double ang = std::atan2(std::abs(dx), dy);
                const double cone = std::clamp((0.78 - ang) / 0.16, 0.0, 1.0);
                const double fall = 1 / (1 + std::pow(dist / 200, 2));
                r += 1.05 * cone * fall;
                g += 0.9 * cone * fall;
                b += 0.65 * cone * fall;
                haze = 0.06 * cone * fall;
            }
            // The bulb hangs below the shade's rim and lights the sides too.
            const double spill = (dy > -4 ? 0.55 : 0.2) / (1 + std::pow(dist / 90, 2));
            r += spill;
            g += spill * 0.8;
            b += spill * 0.5;
            // Moonlight falling from the window towards the viewer.
            const double wx = x + 0.55 * (y - 140);
            if (y > 140 && wx > 344 && wx < 476) {
                const double m = 0.16 * (1 - (y - 140) / 245.0);
                r += m * 0.6;
                g += m * 0.8;
                b += m * 1.3;
                haze += 0.03 * (1 - (y - 140) / 245.0);
            }
            const std::uint32_t c = day.at(x, y);
            const double grain = 0.96 + 0.08 * draw::valueNoise(x * 0.9, y * 0.9, 808);
            img.at(x, y) =
                rgb(std::min(255, static_cast<int>(draw::red(c) * r * grain + 255 * haze)),
                    std::min(255, static_cast<int>(draw::green(c) * g * grain + 200 * haze)),
                    std::min(255, static_cast<int>(draw::blue(c) * b * grain + 130 * haze)));
        }
    // The panes of the high window show the night sky and the moon.
    Image night(ww, wh);
    draw::verticalGradient(night, 0, 0, ww, wh, rgb(10, 14, 40), rgb(34, 40, 86));
    stars(night, rng, 20, wh, 0.8);
    moon(night, 100, 24, 10, rgb(255, 246, 220));
    for (int k = 0; k < 12; ++k) // grime on some panes
        if (k % 5 == 1 || k == 10)
            draw::fillRect(draw::Target(night).faded(0.35), (k % 4) * 33, (k / 4) * 25, 33, 25,
                           rgb(60, 70, 80));
    for (int y = 0; y < wh; ++y)
        for (int x = 0; x < ww; ++x)
            if (day.at(wx0 + x, wy0 + y) == kPane) img.at(wx0 + x, wy0 + y) = night.at(x, y);
    // The lamp: its cable, the enamelled shade and the bare bulb.
    draw::line(img, lamp.x, 40, lamp.x, 74, 1, rgb(20, 20, 24));
    draw::fillPolygon(img,
                      {{lamp.x - 5, 72}, {lamp.x + 5, 72}, {lamp.x + 20, 86}, {lamp.x - 20, 86}},
                      draw::vertical(72, rgb(60, 70, 64), 86, rgb(30, 36, 32)));
    draw::fillEllipse(img, lamp.x, 86, 20, 3, rgb(255, 240, 200));
    draw::glow(img, lamp.x, 87, 40, rgb(255, 220, 150), 0.6);
    draw::fillEllipse(img, lamp.x, 88, 6, 4, rgb(255, 252, 236));
    // Sparks from the last welding still glowing on the floor.
    for (int i = 0; i < 26; ++i) {
        const double x = rng.real(196, 340), y = rng.real(236, 292);
        const double s = rng.real(0.6, 1.4);
        draw::glow(img, x, y, 5 * s, rgb(255, 140, 40), 0.5);
        draw::fillCircle(img, x, y, 0.7 * s, rgb(255, 220, 140));
        if (i % 4 == 0)
            draw::line(draw::Target(img).faded(0.6), x, y, x + rng.real(-8, 8), y - rng.real(1, 3),
                       0.8, rgb(255, 170, 70));
    }
    draw::glowEllipse(img, 300, 268, 40, 8, rgb(255, 120, 40), 0.18);
    vignette(img, 0.45);
    return img;
}

// 09: the riders' house on the coast road at dusk: a two-storey block of small
// rooms with an outside iron stair, its hand-painted sign on the roof, touring
// bikes at the kerb, a vending machine glowing, the sea and the low sun beyond.
Image ridersHouseAtDusk() {
    Image img(W, H);
    const int sea = 184;
    sky(img, 0, sea,
        {rgb(36, 34, 96), rgb(100, 60, 130), rgb(210, 100, 120), rgb(255, 160, 100),
         rgb(255, 200, 120)});
    draw::Rng rng(909);
    stars(img, rng, 14, 50, 0.5);
    for (int i = 0; i < 10; ++i) { // long clouds lit from below
        const double y = rng.real(24, 150), x = rng.real(-40, W);
        const double t = (150 - y) / 126;
        draw::fillEllipse(draw::Target(img).faded(0.55), x, y, rng.real(50, 130), rng.real(2.5, 6),
                          mix(rgb(255, 170, 130), rgb(110, 60, 120), t));
        draw::fillEllipse(draw::Target(img).faded(0.4), x + 6, y + 2, rng.real(30, 80), 1.5,
                          mix(rgb(255, 220, 160), rgb(200, 110, 140), t));
    }
    // The sun going down into the sea, a cape and an island on the horizon.
    const double sx = 452, sr = 22;
    draw::glow(img, sx, sea, 190, rgb(255, 190, 110), 0.5);
    draw::fillCircle(img, sx, sea + 4, sr,
                     draw::vertical(sea - sr, rgb(255, 250, 200), sea + 10, rgb(255, 140, 60)));
    std::vector<Point> cape{{470, sea}};
    for (int x = 470; x <= W; x += 4)
        cape.push_back({static_cast<double>(x), sea - 16 * std::sqrt((x - 470) / 44.0) -
                                                    3 * draw::valueNoise(x / 8.0, 0, 91)});
    cape.push_back({W, sea});
    draw::fillPolygon(img, cape, rgb(70, 40, 80));
    draw::fillEllipse(img, 350, sea, 26, 5, rgb(96, 56, 96));
    draw::fillRect(img, 300, sea, W - 300, 70,
                   draw::vertical(sea, rgb(236, 130, 110), sea + 70, rgb(80, 50, 100)));
    for (int i = 0; i < 160; ++i) {
        const double y = rng.real(sea + 1, 250);
        const double spread = (y - sea) * 0.9 + 6;
        const double x = sx + rng.real(-spread, spread);
        draw::line(draw::Target(img).faded(rng.real(0.3, 0.8)), x, y, x + rng.real(3, 9), y, 1,
                   rgb(255, 230, 160));
    }
    // The road: it runs past the house and bends away along the shore.
    const std::vector<Point> roadEdge{{0, 266}, {330, 266}, {372, 254}, {420, 244}, {W, 232}};
    std::vector<Point> roadPoly = roadEdge;
    roadPoly.push_back({W, H});
    roadPoly.push_back({0, H});
    draw::fillPolygon(img, roadPoly, [](int x, int y) {
        const std::uint32_t c = mix(rgb(110, 84, 100), rgb(40, 32, 50), (y - 232) / 153.0);
        return scale(c, 0.9 + 0.2 * draw::valueNoise(x * 0.8, y * 0.8, 99));
    });
    // The guardrail on the sea side.
    for (double x = 392; x < W; x += 22) {
        const double y = 250 - (x - 392) * 0.155;
        draw::fillRect(img, static_cast<int>(x), static_cast<int>(y - 15), 3, 16,
                       rgb(110, 100, 110));
    }
    draw::fillPolygon(img, {{384, 236}, {W, 217}, {W, 224}, {384, 243}},
                      draw::vertical(217, rgb(250, 226, 200), 243, rgb(150, 130, 140)));
    draw::fillPolygon(img, {{384, 240}, {W, 221}, {W, 222}, {384, 241}}, rgb(120, 96, 110));
    // The street lamp just come on, and the pole that brings the house its wires.
    streetLamp(img, 404, 250, 118, rgb(255, 220, 160), false);
    draw::fillRect(img, 468, 86, 6, 146, rgb(70, 56, 60));
    draw::fillRect(img, 460, 96, 22, 3, rgb(70, 56, 60));
    for (double dy : {0.0, 5.0}) {
        Point prev{464, 97 + dy};
        for (int i = 1; i <= 16; ++i) {
            const double t = i / 16.0;
            const Point p{464 + (318 - 464) * t, 97 + dy + (104 - 97) * t + 16 * t * (1 - t)};
            draw::line(img, prev.x, prev.y, p.x, p.y, 0.8, rgb(40, 30, 40));
            prev = p;
        }
    }

    // The house: cream walls warmed by the last of the sun from the right.
    const int bx0 = 22, bx1 = 318, roofY = 100, slabY = 172, groundY = 252;
    for (int y = roofY; y < groundY; ++y)
        for (int x = bx0; x < bx1; ++x) {
            const double sun = (x - bx0) / static_cast<double>(bx1 - bx0);
            std::uint32_t c = mix(rgb(170, 140, 140), rgb(240, 196, 150), sun * 0.8 + 0.1);
            c = scale(c, 1 - 0.25 * (y - roofY) / (groundY - roofY));
            const double stain = draw::fractalNoise(x / 6.0, y / 60.0, 92, 2);
            if (stain > 0.6) c = scale(c, 1 - (stain - 0.6) * 0.5);
            img.at(x, y) = c;
        }
    draw::fillRect(img, bx0 - 3, roofY - 8, bx1 - bx0 + 6, 9,
                   draw::vertical(roofY - 8, rgb(200, 160, 150), roofY, rgb(130, 100, 100)));
    draw::fillRect(img, bx0 + 2, roofY + 1, 4, groundY - roofY - 1, rgb(120, 100, 100)); // downpipe
    static const int roomNo[2][5] = {{201, 202, 203, 205, 206}, {101, 102, 103, 105, 106}};
    for (int floor = 0; floor < 2; ++floor) {
        const int doorY = floor == 0 ? 122 : 202;
        for (int i = 0; i < 5; ++i) {
            const int x = 36 + i * 56;
            const bool lit = (i + floor * 2) % 3 != 1;
            // The door, its number and its lamp.
            draw::fillRect(img, x, doorY, 20, 48,
                           draw::vertical(doorY, rgb(130, 146, 166), doorY + 48, rgb(80, 90, 110)));
            draw::frameRect(img, x - 1, doorY - 1, 22, 50, rgb(90, 80, 84));
            draw::fillRect(img, x + 4, doorY + 30, 12, 2, rgb(60, 66, 80));
            draw::fillCircle(img, x + 16, doorY + 26, 1.3, rgb(230, 220, 180));
            draw::fillRect(img, x + 4, doorY - 8, 12, 5, rgb(240, 236, 220));
            draw::TextStyle no;
            no.font = {"ＭＳ ゴシック", 6, false};
            no.top = no.bottom = rgb(40, 40, 60);
            draw::textCentred(img, x + 10, doorY - 6, std::to_string(roomNo[floor][i]), no);
            draw::glow(img, x + 10, doorY - 13, 16, rgb(255, 220, 150), 0.5);
            draw::fillRoundRect(img, x + 6, doorY - 16, 8, 5, 2, rgb(255, 246, 210));
            // The window beside it: a lit room behind curtains or the dusk in the glass.
            const int wy = doorY + 4;
            if (lit) {
                draw::fillRect(img, x + 26, wy, 22, 18, rgb(255, 214, 140));
                draw::fillRect(img, x + 26, wy, 7, 18, rgb(220, 130, 100));
                draw::fillRect(img, x + 41, wy, 7, 18, rgb(220, 130, 100));
                draw::glow(img, x + 37, wy + 9, 22, rgb(255, 200, 120), 0.3);
            } else {
                draw::fillRect(img, x + 26, wy, 22, 18,
                               draw::vertical(wy, rgb(120, 90, 130), wy + 18, rgb(60, 56, 90)));
            }
            draw::frameRect(img, x + 25, wy - 1, 24, 20, rgb(110, 104, 110));
            draw::fillRect(img, x + 36, wy, 1, 18, rgb(110, 104, 110));
            if (floor == 1)
                for (int bar = x + 28; bar < x + 48; bar += 4)
                    draw::fillRect(img, bar, wy, 1, 18, rgb(90, 86, 96));
        }
    }
    // The upper walkway: its slab and a solid balustrade with a handrail.
    draw::fillRect(img, bx0, slabY, bx1 - bx0 + 6, 8, rgb(176, 160, 156));
    draw::fillRect(img, bx0, slabY + 8, bx1 - bx0 + 6, 4, rgb(90, 74, 80));
    draw::fillRect(img, bx0, 152, bx1 - bx0 + 6, 20,
                   draw::vertical(152, rgb(220, 190, 160), 172, rgb(180, 150, 136)));
    for (int x = bx0 + 20; x < bx1; x += 60)
        draw::fillRect(img, x, 152, 1, 20, rgb(160, 130, 120));
    draw::fillRect(img, bx0, 149, bx1 - bx0 + 6, 3, rgb(110, 90, 90));
    // Washing over the balustrade: a towel and a T-shirt, a helmet on the rail.
    draw::fillRect(img, 100, 150, 16, 16, rgb(240, 240, 236));
    draw::fillRect(img, 100, 158, 16, 2, rgb(60, 110, 190));
    draw::fillPolygon(img,
                      {{214, 150},
                       {238, 150},
                       {242, 156},
                       {236, 158},
                       {236, 170},
                       {216, 170},
                       {216, 158},
                       {210, 156}},
                      rgb(230, 90, 70));
    draw::fillEllipse(img, 284, 143, 9, 7.5,
                      draw::vertical(136, rgb(250, 250, 250), 150, rgb(170, 170, 180)));
    draw::fillRect(img, 276, 143, 16, 3, rgb(50, 60, 90));
    // The outside stair, rising to the walkway along the end of the house.
    const Point foot{382, 252}, top{322, 176};
    const int steps = 12;
    std::vector<Point> saw{foot};
    for (int i = 0; i < steps; ++i) {
        const double x = foot.x - (foot.x - top.x) * i / steps;
        const double y = foot.y - (foot.y - top.y) * (i + 1.0) / steps;
        saw.push_back({x, y});
        saw.push_back({x - (foot.x - top.x) / steps, y});
    }
    saw.push_back({top.x, top.y + 5});
    saw.push_back({foot.x - 6, foot.y});
    draw::fillPolygon(img, saw, rgb(120, 70, 56));
    draw::line(img, foot.x, foot.y, top.x, top.y + 4, 3, rgb(90, 50, 44));
    draw::line(img, foot.x + 2, foot.y - 26, top.x, top.y - 24, 2, rgb(140, 84, 66));
    for (int i = 0; i <= steps; i += 3) {
        const double x = foot.x - (foot.x - top.x) * i / steps;
        const double y = foot.y - (foot.y - top.y) * i / static_cast<double>(steps);
        draw::line(img, x, y, x + 1, y - 26, 1.4, rgb(140, 84, 66));
    }
    draw::fillRect(img, bx1, slabY, 8, 6, rgb(120, 70, 56));
    draw::line(img, 326, 180, 326, groundY, 3, rgb(100, 60, 50));
    // The hand-painted sign on the roof.
    for (int px : {100, 242})
        draw::fillRect(img, px, 86, 4, 8, rgb(70, 50, 44));
    draw::fillRect(img, 78, 48, 190, 40, rgb(236, 226, 200));
    for (int y = 56; y < 88; y += 9)
        draw::fillRect(img, 78, y, 190, 1, rgb(196, 182, 156));
    draw::frameRect(img, 78, 48, 190, 40, rgb(120, 80, 60), 2);
    static const char* letters[] = {"ラ", "イ", "ダ", "ー", "ズ", "ハ", "ウ", "ス"};
    draw::TextStyle paintSt;
    paintSt.font = {"ＭＳ Ｐゴシック", 21, true};
    paintSt.top = rgb(210, 40, 34);
    paintSt.bottom = rgb(170, 24, 24);
    for (int i = 0; i < 8; ++i) {
        const int cx = 96 + i * 22;
        const int cy = 63 + static_cast<int>(std::lround(2 * std::sin(i * 2.3)));
        draw::textCentred(draw::Target(img).faded(0.35), cx + 1, cy + 1, letters[i], paintSt);
        draw::textCentred(img, cx, cy, letters[i], paintSt);
        if (i % 3 == 1) // a drip of paint
            draw::line(img, cx + 2, cy + 8, cx + 2, cy + 11, 1.1, rgb(190, 36, 30));
    }
    draw::TextStyle small;
    small.font = {"ＭＳ Ｐゴシック", 9, true};
    small.top = small.bottom = rgb(40, 70, 140);
    draw::textCentred(img, 173, 81, "一泊 千五百円　バイク歓迎", small);
    for (int lx : {110, 236}) { // two little lamps over the board
        draw::line(img, lx, 42, lx, 48, 1.4, rgb(60, 50, 50));
        draw::glow(img, lx, 50, 26, rgb(255, 230, 170), 0.45);
        draw::fillEllipse(img, lx, 46, 4, 2, rgb(255, 246, 220));
    }
    // The forecourt and the kerb.
    draw::fillRect(img, 0, groundY, 336, 14,
                   draw::vertical(groundY, rgb(170, 140, 140), groundY + 14, rgb(130, 104, 110)));
    draw::fillPolygon(img, {{0, 264}, {330, 264}, {372, 252}, {372, 255}, {330, 268}, {0, 268}},
                      rgb(220, 200, 196));
    // The vending machine, glowing.
    draw::glowEllipse(img, 56, 262, 50, 10, rgb(200, 230, 255), 0.5);
    draw::glow(img, 56, 222, 46, rgb(190, 220, 255), 0.35);
    draw::fillRoundRect(img, 38, 188, 36, 66, 2,
                        draw::horizontal(38, rgb(200, 40, 40), 74, rgb(150, 20, 24)));
    draw::fillRect(img, 41, 192, 30, 30, rgb(236, 246, 255));
    static const std::uint32_t cans[] = {rgb(40, 90, 200), rgb(230, 60, 40), rgb(250, 200, 40),
                                         rgb(40, 160, 90), rgb(250, 250, 250)};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            draw::fillRoundRect(img, 43 + c * 5.6, 194 + r * 9.5, 4, 6.5, 1.2,
                                cans[(c + r * 2) % 5]);
            draw::fillRect(img, 44 + c * 6, 201 + r * 9, 2, 1, rgb(255, 80, 60));
        }
    draw::fillRect(img, 41, 226, 30, 8, rgb(40, 40, 46));
    draw::fillRect(img, 62, 228, 6, 4, rgb(120, 255, 140));
    draw::fillRect(img, 44, 240, 24, 8, rgb(30, 30, 34));
    // Touring bikes parked at the kerb.
    touringBike(img, 90, 264, 1.45, 1, {rgb(200, 40, 40), rgb(60, 110, 80)});
    touringBike(img, 160, 264, 1.45, 1, {rgb(60, 90, 170), rgb(230, 140, 40)});
    touringBike(img, 310, 264, 1.45, -1, {rgb(220, 220, 226), rgb(80, 80, 120)});
    vignette(img, 0.3);
    return img;
}

// 10: the warehouses of 神奈玉港 on a rainy night: numbered sheds along the
// wet quay under sodium lamps, black water, a gantry crane across the basin.
Image harbourInTheRain() {
    Image img(W, H);
    Camera c;
    c.vx = 292;
    c.hy = 158;
    c.f = 240;
    c.eye = 1.6;
    draw::Rng rng(1010);
    const std::uint32_t sodium = rgb(255, 164, 64);
    const double wallX = -7, edgeX = 4; // the sheds' walls and the quay's edge
    const double wallH = 6, ridge = 8.5;
    // Low clouds lit orange from below by the port.
    sky(img, 0, static_cast<int>(c.hy),
        {rgb(10, 10, 18), rgb(26, 24, 34), rgb(60, 44, 46), rgb(120, 74, 52)});
    for (int y = 0; y < c.hy; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = draw::fractalNoise(x / 70.0, y / 20.0, 1011, 4);
            img.at(x, y) = scale(img.at(x, y), 0.7 + 0.6 * n);
        }
    // Across the basin: the far quay's lights and the gantry cranes.
    const std::uint32_t ironSil = rgb(18, 16, 24);
    draw::fillRect(img, 250, static_cast<int>(c.hy) - 5, W - 250, 5, ironSil);
    for (int i = 0; i < 30; ++i) {
        const double x = rng.real(260, W), y = c.hy - rng.real(1.5, 6);
        draw::glow(img, x, y, 5, i % 5 ? sodium : rgb(220, 230, 255), 0.6);
        draw::fillCircle(img, x, y, 0.7, rgb(255, 230, 180));
    }
    auto gantry = [&](double x, double s) {
        const double base = c.hy - 4, top = base - 100 * s;
        draw::line(img, x, base, x + 4 * s, top, 3.4 * s, ironSil);
        draw::line(img, x + 44 * s, base, x + 40 * s, top, 3.4 * s, ironSil);
        draw::line(img, x + 2 * s, base - 36 * s, x + 42 * s, base - 36 * s, 2.6 * s, ironSil);
        draw::line(img, x, top + 8 * s, x + 44 * s, base - 36 * s, 1.4 * s, ironSil);
        draw::line(img, x + 44 * s, top + 8 * s, x, base - 36 * s, 1.4 * s, ironSil);
        draw::line(img, x - 80 * s, top, x + 110 * s, top, 4.4 * s, ironSil);
        draw::line(img, x + 22 * s, top - 30 * s, x - 80 * s, top, 1.4 * s, ironSil);
        draw::line(img, x + 22 * s, top - 30 * s, x + 110 * s, top, 1.4 * s, ironSil);
        draw::line(img, x + 22 * s, top - 30 * s, x + 22 * s, top, 2.6 * s, ironSil);
        draw::fillRect(img, static_cast<int>(x + 8 * s), static_cast<int>(top + 2 * s),
                       static_cast<int>(14 * s), static_cast<int>(9 * s), ironSil);
        draw::line(img, x + 76 * s, top, x + 76 * s, top + 56 * s, 1, ironSil);
        draw::fillRect(img, static_cast<int>(x + 70 * s), static_cast<int>(top + 56 * s),
                       static_cast<int>(12 * s), static_cast<int>(5 * s), ironSil);
        for (const Point& p : {Point{x + 22 * s, top - 31 * s}, Point{x - 78 * s, top - 1},
                               Point{x + 108 * s, top - 1}}) {
            draw::glow(img, p.x, p.y, 8 * s + 2, rgb(255, 50, 40), 0.8);
            draw::fillCircle(img, p.x, p.y, 1.3, rgb(255, 160, 140));
        }
    };
    gantry(272, 0.45);
    gantry(400, 0.95);
    // The quay: old concrete, wet through.
    draw::fillPolygon(
        img, {c.at(wallX, 0, 0.5), c.at(edgeX, 0, 0.5), c.at(edgeX, 0, 600), c.at(wallX, 0, 600)},
        [&](int x, int y) {
            const double n = draw::fractalNoise(x / 30.0, y / 6.0, 1012, 3);
            const std::uint32_t base = mix(rgb(44, 40, 44), rgb(66, 60, 62), (y - c.hy) / 120.0);
            return scale(base, 0.8 + 0.4 * n);
        });
    for (double z = 3.6; z < 200; z *= 1.32) // the joints of the slabs
        draw::line(draw::Target(img).faded(0.4), c.at(wallX, 0, z).x, c.at(wallX, 0, z).y,
                   c.at(edgeX, 0, z).x, c.at(edgeX, 0, z).y, 1, rgb(22, 20, 24));
    // The warehouses, far to near: side walls along the quay, their gable ends
    // showing in the gaps, a number painted big on each.
    struct Shed {
        double z0, z1;
        const char* number;
    };
    static const Shed sheds[] = {{96, 150, "６"}, {60, 92, "５"}, {34, 56, "４"}, {1.0, 30, "３"}};
    for (const Shed& s : sheds) {
        const double shade = std::clamp(1.05 - s.z0 / 130.0, 0.35, 1.0);
        const std::uint32_t wall = scale(rgb(112, 104, 96), shade);
        draw::fillPolygon(img,
                          {c.at(wallX, 0, s.z0), c.at(wallX, wallH, s.z0),
                           c.at(wallX - 9, ridge, s.z0), c.at(wallX - 18, wallH, s.z0),
                           c.at(wallX - 18, 0, s.z0)},
                          scale(wall, 0.7));
        draw::fillPolygon(img, quad(c, wallX, wallX, 0, wallH, s.z0, s.z1), [&](int x, int y) {
            const double streak = draw::valueNoise(x * 0.35, y * 0.01, 1013);
            return scale(wall, 0.72 + 0.35 * streak);
        });
        draw::fillPolygon(img, quad(c, wallX, wallX, wallH - 0.25, wallH + 0.15, s.z0, s.z1),
                          scale(wall, 0.55));
        // Shutters low on the wall, one to each bay, a lamp over each.
        for (double z = s.z0 + 2.5; z + 3 < s.z1; z += 6) {
            draw::fillPolygon(img, quad(c, wallX, wallX, 0, 3.1, z, z + 3),
                              scale(rgb(126, 128, 132), shade));
            for (double y = 0.25; y < 3.1; y += 0.25)
                draw::fillPolygon(draw::Target(img).faded(0.5),
                                  quad(c, wallX, wallX, y, y + 0.05, z, z + 3),
                                  scale(rgb(64, 66, 72), shade));
            draw::fillPolygon(img, quad(c, wallX, wallX, 3.1, 3.35, z - 0.15, z + 3.15),
                              scale(rgb(70, 70, 76), shade));
            const Point lamp = c.at(wallX, 3.55, z + 1.5);
            const double size = c.f / (z + 1.5);
            draw::glowEllipse(img, lamp.x, lamp.y + size * 1.2, size * 2.4, size * 2, sodium, 0.4);
            draw::glow(img, lamp.x, lamp.y, size * 0.8, rgb(255, 220, 150), 0.8);
            draw::fillEllipse(img, lamp.x, lamp.y, std::max(0.8, size * 0.22),
                              std::max(0.6, size * 0.12), rgb(255, 246, 220));
        }
        const double nz = s.z0 < 2 ? 6.2 : s.z0 + 0.8;
        onWall(img, c, wallX, nz, nz + 3.2, 3.4, 5.6,
               wornPaint(200, 200, s.number, 190, rgb(236, 232, 220),
                         1014 + static_cast<std::uint32_t>(s.z0)),
               shade * 0.95);
    }
    // 第三倉庫's name on a board standing out from its wall, facing the quay.
    {
        const double z = 9.2;
        const Point a = c.at(wallX, 5.9, z), b = c.at(wallX + 1.3, 2.4, z);
        draw::line(img, a.x, a.y + 4, b.x + 3, a.y + 4, 2, rgb(40, 40, 46));
        draw::line(img, a.x, b.y - 4, b.x + 3, b.y - 4, 2, rgb(40, 40, 46));
        draw::fillRect(img, static_cast<int>(a.x + 4), static_cast<int>(a.y),
                       static_cast<int>(b.x - a.x), static_cast<int>(b.y - a.y), rgb(30, 44, 90));
        draw::fillRect(img, static_cast<int>(a.x + 6), static_cast<int>(a.y + 2),
                       static_cast<int>(b.x - a.x - 4), static_cast<int>(b.y - a.y - 4),
                       draw::vertical(a.y, rgb(240, 236, 224), b.y, rgb(190, 184, 170)));
        draw::TextStyle st;
        st.font = {"ＭＳ ゴシック", 16, true};
        st.top = rgb(30, 40, 90);
        st.bottom = rgb(20, 26, 60);
        static const char* name[] = {"第", "三", "倉", "庫"};
        const double step = (b.y - a.y - 8) / 4;
        for (int i = 0; i < 4; ++i)
            draw::textCentred(img, static_cast<int>((a.x + b.x) / 2 + 4),
                              static_cast<int>(a.y + 4 + step * (i + 0.5)), name[i], st);
    }
    // The quay and the water mirror what stands above them: the sheds in the
    // wet concrete (strongest in the puddles), the sky and the far lights in
    // the water, broken by ripples.
    {
        const Image above = img;
        for (int sy = static_cast<int>(c.hy) + 1; sy < H; ++sy)
            for (int sx = 0; sx < W; ++sx) {
                const double baseWall = c.hy + c.eye * (sx + 0.5 - c.vx) / wallX;
                const double baseEdge = c.hy + c.eye * (sx + 0.5 - c.vx) / edgeX;
                const bool water = sx > c.vx && sy < baseEdge;
                const bool quay = !water && (sx >= c.vx || sy > baseWall);
                if (!water && !quay) continue;
                const double z = c.f * c.eye / (sy + 0.5 - c.hy);
                const double wx = (sx + 0.5 - c.vx) * z / c.f;
                double mirrorY = 2 * c.hy - sy;
                if (quay && sx < c.vx) mirrorY = std::max(mirrorY, 2 * baseWall - sy);
                double strength;
                int shift = 0;
                if (water) {
                    strength = 0.75;
                    shift = static_cast<int>(std::lround(
                        3 * std::sin(sy * 0.9) * draw::valueNoise(sx * 0.05, sy * 0.3, 1015)));
                } else {
                    const double puddle = draw::fractalNoise(wx / 2.2, z / 5.0, 1016, 3);
                    strength = puddle > 0.58 ? 0.7 : 0.22;
                }
                const int my = std::clamp(static_cast<int>(mirrorY), 0, H - 1);
                const int mx = std::clamp(sx + shift, 0, W - 1);
                std::uint32_t m = above.at(mx, my);
                if (my > 0 && my < H - 1)
                    m = mix(mix(above.at(mx, my - 1), above.at(mx, my + 1), 0.5), m, 0.5);
                const std::uint32_t under = water ? rgb(6, 6, 12) : above.at(sx, sy);
                img.at(sx, sy) = mix(under, scale(m, water ? 0.8 : 0.9), strength);
            }
    }
    // The quay's edge: a yellow line, the face of the wall down to the water.
    draw::fillPolygon(img,
                      {c.at(edgeX - 0.25, 0, 0.5), c.at(edgeX, 0, 0.5), c.at(edgeX, 0, 600),
                       c.at(edgeX - 0.25, 0, 600)},
                      rgb(160, 146, 60));
    draw::fillPolygon(
        img,
        {c.at(edgeX, 0, 0.5), c.at(edgeX, 0, 600), c.at(edgeX, -0.4, 600), c.at(edgeX, -0.4, 0.5)},
        rgb(30, 28, 32));
    // Two tall sodium lamps by the water: the rain shows in their light, and
    // they shine again, drawn out, in the wet.
    for (double z : {13.0, 30.0}) {
        const double u = c.f / z; // pixels to the unit at this depth
        const Point foot = c.at(2.8, 0, z), head = c.at(2.8, 7, z), lamp = c.at(1.7, 7.05, z);
        const Point pool = c.at(1.4, 0, z), mirror = c.at(1.7, -7.05, z);
        draw::fillPolygon(draw::Target(img).faded(0.1),
                          {{lamp.x - 0.3 * u, lamp.y},
                           {lamp.x + 0.3 * u, lamp.y},
                           {pool.x + 2.2 * u, pool.y},
                           {pool.x - 2.6 * u, pool.y}},
                          sodium);
        draw::glowEllipse(img, pool.x, pool.y, 3.2 * u, 0.6 * u, sodium, 0.55);
        draw::glowEllipse(img, mirror.x, (pool.y + mirror.y) / 2, 0.35 * u, (mirror.y - pool.y) / 2,
                          sodium, 0.5);
        draw::line(img, foot.x, foot.y, head.x, head.y, 0.16 * u, rgb(52, 48, 54));
        draw::line(img, head.x, head.y, lamp.x + 0.3 * u, lamp.y, 0.1 * u, rgb(52, 48, 54));
        draw::glow(img, lamp.x, lamp.y + 0.1 * u, 2.4 * u, sodium, 0.5);
        draw::fillEllipse(img, lamp.x, lamp.y, 0.45 * u, 0.12 * u, rgb(70, 64, 66));
        draw::fillEllipse(img, lamp.x, lamp.y + 0.08 * u, 0.32 * u, 0.07 * u, rgb(255, 236, 190));
        draw::glow(img, lamp.x, lamp.y + 0.1 * u, 0.6 * u, rgb(255, 220, 150), 0.8);
    }
    // A mooring bollard at the edge, its rope down to the water.
    {
        const Point b = c.at(3.2, 0, 4.6);
        const double s = c.f / 4.6 * 0.26;
        draw::fillEllipse(draw::Target(img).faded(0.6), b.x, b.y + 1, s * 1.6, s * 0.4,
                          rgb(6, 6, 10));
        draw::fillRoundRect(img, b.x - s * 0.75, b.y - s * 2.3, s * 1.5, s * 2.3, s * 0.2,
                            draw::horizontal(b.x - s, rgb(36, 34, 40), b.x + s, rgb(120, 90, 60)));
        draw::fillEllipse(img, b.x, b.y - s * 2.4, s * 1.25, s * 0.42,
                          draw::horizontal(b.x - s, rgb(46, 44, 50), b.x + s, rgb(160, 120, 80)));
        draw::fillEllipse(img, b.x, b.y - s * 2.6, s * 0.95, s * 0.28, rgb(70, 60, 60));
        polyline(img,
                 curve({b.x + s * 0.5, b.y - s * 1.6}, {b.x + 40, b.y + 6}, {W + 10, b.y - 10}),
                 2.4, rgb(150, 130, 96));
    }
    // The rain, splashing on the quay.
    for (int i = 0; i < 130; ++i) {
        const double z = rng.real(3.5, 30), x = rng.real(wallX + 0.3, edgeX - 0.3);
        const Point p = c.at(x, 0, z);
        const double r = std::max(1.0, 14 / z);
        draw::line(draw::Target(img).faded(0.35), p.x - r, p.y, p.x + r, p.y, 0.7,
                   rgb(220, 210, 190));
        draw::line(draw::Target(img).faded(0.3), p.x - r * 0.4, p.y - r * 0.6, p.x, p.y, 0.6,
                   rgb(220, 210, 190));
    }
    rain(img, rng, 800, 0.28);
    vignette(img, 0.45);
    return img;
}

} // namespace zb::art
