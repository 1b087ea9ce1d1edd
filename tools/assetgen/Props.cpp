// Props the story scenes put over their backgrounds: the television in the
// pizza shop (a commercial with the mascot, the news), the inside of the shop,
// the winged SS trophy, the tournament board of the stadium, and the jacket art
// of the final screen.
#include "tools/assetgen/Art.h"
#include "tools/assetgen/Portraits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zb::art {

using draw::mix;
using draw::Point;
using draw::scale;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

draw::TextStyle label(const char* face, int size, bool bold, std::uint32_t top,
                      std::uint32_t bottom, int outline = 0, std::uint32_t outlineColour = 0) {
    draw::TextStyle st;
    st.font = {face, size, bold};
    st.top = top;
    st.bottom = bottom;
    st.outline = outline;
    st.outlineColour = outlineColour;
    return st;
}

// Copies src onto dst at (x, y), only where `inside` says so.
template <class F> void blitWhere(Image& dst, const Image& src, int x, int y, F&& inside) {
    for (int j = 0; j < src.height; ++j)
        for (int i = 0; i < src.width; ++i)
            if (inside(x + i, y + j)) {
                const int dx = x + i, dy = y + j;
                if (dx >= 0 && dy >= 0 && dx < dst.width && dy < dst.height)
                    dst.at(dx, dy) = src.at(i, j);
            }
}

// A picture scaled down by an area average (factor < 1).
Image shrinkTo(const Image& src, int w, int h) {
    Image out(w, h);
    const double fx = static_cast<double>(src.width) / w, fy = static_cast<double>(src.height) / h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double r = 0, g = 0, b = 0, n = 0;
            for (int j = static_cast<int>(y * fy);
                 j < std::min(src.height, static_cast<int>((y + 1) * fy + 0.999)); ++j)
                for (int i = static_cast<int>(x * fx);
                     i < std::min(src.width, static_cast<int>((x + 1) * fx + 0.999)); ++i) {
                    const std::uint32_t p = src.at(i, j);
                    r += draw::red(p);
                    g += draw::green(p);
                    b += draw::blue(p);
                    n += 1;
                }
            out.at(x, y) = rgb(static_cast<int>(r / n + 0.5), static_cast<int>(g / n + 0.5),
                               static_cast<int>(b / n + 0.5));
        }
    return out;
}

// ---- the television ----

constexpr int kTvW = 140;
constexpr int kTvH = 110;
// The screen inside the cabinet.
constexpr int kScreenX = 15;
constexpr int kScreenY = 25;
constexpr int kScreenW = 88;
constexpr int kScreenH = 66;

// The commercial of the pizza chain ピザジンゴ: its mascot ピザジンゴちゃん
// waving under the chain's name, and the promise of thirty minutes.
Image commercialScreen() {
    Image img(kScreenW, kScreenH);
    draw::verticalGradient(img, 0, 0, kScreenW, kScreenH, rgb(255, 226, 80), rgb(250, 170, 30));
    for (int i = 0; i < 16; ++i) {
        const double a = i * 2 * kPi / 16;
        const Point c{24, 44};
        draw::fillPolygon(draw::Target(img).faded(0.35),
                          {c,
                           {c.x + 120 * std::cos(a), c.y + 120 * std::sin(a)},
                           {c.x + 120 * std::cos(a + 0.2), c.y + 120 * std::sin(a + 0.2)}},
                          rgb(255, 250, 220));
    }
    draw::fillRect(img, 0, 0, kScreenW, 17,
                   draw::vertical(0, rgb(240, 50, 40), 17, rgb(180, 20, 24)));
    draw::fillRect(img, 0, 17, kScreenW, 1, rgb(255, 250, 230));
    draw::fillCircle(img, 22, 43, 24, rgb(230, 40, 36));
    draw::fillCircle(img, 22, 43, 21.5,
                     draw::vertical(22, rgb(255, 255, 255), 64, rgb(255, 236, 200)));
    portrait::paintMascot(img, -3, 17, 50, 2);
    draw::textCentred(img, 44, 8, "ピザジンゴ",
                      label("ＭＳ Ｐゴシック", 14, true, rgb(255, 250, 200), rgb(255, 220, 60), 2,
                            rgb(110, 0, 10)));
    draw::textCentred(
        img, 67, 31, "30分",
        label("ＭＳ Ｐゴシック", 15, true, rgb(240, 40, 30), rgb(170, 10, 20), 2, kWhite));
    draw::fillRoundRect(img, 46, 42, 40, 13, 4, rgb(220, 30, 30));
    draw::textCentred(img, 66, 48, "でお届け！",
                      label("ＭＳ Ｐゴシック", 8, true, kWhite, rgb(255, 240, 200)));
    return img;
}

// The news: the announcer at her desk, a caption along the bottom.
Image newsScreen() {
    Image img(kScreenW, kScreenH);
    const Image face = portrait::paintPortrait(128, 1);
    for (int y = 0; y < kScreenH; ++y)
        for (int x = 0; x < kScreenW; ++x)
            img.at(x, y) = face.at(x + 6, y + 24);
    // The desk, the channel mark and the caption.
    draw::fillRect(img, 0, kScreenH - 18, kScreenW, 3, rgb(140, 180, 230));
    draw::fillRect(img, 0, kScreenH - 15, kScreenW, 15,
                   draw::vertical(kScreenH - 15, rgb(20, 40, 110), kScreenH, rgb(8, 16, 50)));
    draw::fillRect(img, 2, kScreenH - 13, 22, 11, rgb(220, 30, 40));
    draw::textCentred(img, 13, kScreenH - 8, "速報",
                      label("ＭＳ ゴシック", 9, true, kWhite, kWhite));
    draw::text(img, 27, kScreenH - 12, "ニュース",
               label("ＭＳ ゴシック", 9, true, kWhite, rgb(210, 230, 255)));
    draw::fillRoundRect(img, kScreenW - 27, 3, 24, 10, 3, rgb(250, 250, 250));
    draw::textCentred(img, kScreenW - 15, 8, "NEWS",
                      label("ＭＳ Ｐゴシック", 7, true, rgb(20, 50, 140), rgb(20, 50, 140)));
    return img;
}

// Scanlines, a curved-glass sheen and darker corners on a screen picture.
void tubeLook(Image& img) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const double dx = (x - img.width / 2.0) / (img.width / 2.0);
            const double dy = (y - img.height / 2.0) / (img.height / 2.0);
            double f = (y % 2 ? 0.88 : 1.0) *
                       (1 - 0.35 * std::pow(std::max(std::abs(dx), std::abs(dy)), 4));
            img.at(x, y) = scale(img.at(x, y), f);
        }
    draw::fillEllipse(draw::Target(img).faded(0.18), img.width * 0.3, img.height * 0.18,
                      img.width * 0.35, img.height * 0.12, kWhite);
}

Image television(const Image& screen) {
    draw::Layer l(kTvW, kTvH);
    Pen pen{l, 0, 0, 1};
    // The rabbit-ear antenna.
    pen.line(66, 16, 42, 2.5, 1.6, rgb(190, 194, 206));
    pen.line(74, 16, 100, 3, 1.6, rgb(190, 194, 206));
    pen.circle(42, 2.5, 2.2, rgb(230, 232, 240));
    pen.circle(100, 3, 2.2, rgb(230, 232, 240));
    pen.ellipse(70, 16, 9, 4.5, pen.vgrad(11, rgb(90, 90, 100), 20, rgb(40, 40, 46)));
    // The legs.
    pen.line(22, 96, 15, 108, 3, rgb(60, 40, 26));
    pen.line(118, 96, 125, 108, 3, rgb(60, 40, 26));
    // The wooden cabinet with its grain.
    pen.roundRect(3, 15, 134, 86, 8, pen.vgrad(15, rgb(176, 110, 60), 101, rgb(100, 56, 28)));
    for (int i = 0; i < 9; ++i) {
        const double y = 19 + i * 9.5;
        pen.faded(0.25).line(6, y, 134, y + std::sin(i * 1.7) * 2, 0.6, rgb(80, 44, 20));
    }
    pen.faded(0.5).line(10, 17, 130, 17, 1, rgb(230, 170, 110));
    // The bezel, the knobs and the speaker.
    pen.roundRect(9, 19, 100, 78, 7, pen.vgrad(19, rgb(70, 66, 70), 97, rgb(24, 22, 26)));
    pen.roundRect(113, 21, 20, 74, 4, pen.vgrad(21, rgb(60, 56, 60), 95, rgb(30, 28, 32)));
    for (const Point& k : {Point{123, 34}, Point{123, 53}}) {
        pen.circle(k.x, k.y, 6, rgb(20, 18, 22));
        pen.circle(k.x, k.y, 5,
                   pen.vgrad(k.y - 5, rgb(220, 220, 226), k.y + 5, rgb(120, 120, 130)));
        pen.line(k.x, k.y, k.x + 2.6, k.y - 3.4, 1.1, rgb(40, 40, 46));
    }
    for (int i = 0; i < 6; ++i)
        pen.line(116, 67 + i * 4.0, 130, 67 + i * 4.0, 1.2, rgb(14, 12, 16));
    pen.circle(123, 92, 1.2, rgb(255, 60, 50));
    Image img = l.toKeyed(kKey, kEdge, 1);
    // The picture on the tube, rounded at the corners.
    Image shown = screen;
    tubeLook(shown);
    const double r = 8;
    blitWhere(img, shown, kScreenX, kScreenY, [&](int x, int y) {
        const double lx = x - kScreenX + 0.5, ly = y - kScreenY + 0.5;
        const double cx = std::clamp(lx, r, kScreenW - r), cy = std::clamp(ly, r, kScreenH - r);
        return std::hypot(lx - cx, ly - cy) <= r;
    });
    // The glow of the tube on the bezel.
    draw::Target t(img);
    for (int y = kScreenY - 3; y < kScreenY + kScreenH + 3; ++y)
        for (int x = kScreenX - 3; x < kScreenX + kScreenW + 3; ++x) {
            const bool edge = x < kScreenX || y < kScreenY || x >= kScreenX + kScreenW ||
                              y >= kScreenY + kScreenH;
            if (edge && img.at(x, y) != kKey) t.plot(x, y, rgb(160, 200, 255), 0.12);
        }
    return img;
}

} // namespace

Image tvPicture(int number) {
    return television(number == 2 ? newsScreen() : commercialScreen());
}

// ---- the inside of the pizza shop ----

namespace {

void bricks(Image& img, int x0, int y0, int x1, int y1, std::uint32_t seed) {
    draw::Rng rng(seed);
    const int bw = 16, bh = 7;
    for (int y = y0, row = 0; y < y1; y += bh, ++row)
        for (int x = x0 - (row % 2) * bw / 2; x < x1; x += bw) {
            const std::uint32_t c = mix(rgb(170, 70, 44), rgb(120, 44, 30), rng.uniform());
            const int xs = std::max(x, x0), xe = std::min(x + bw - 1, x1);
            if (xe > xs) draw::fillRect(img, xs, y, xe - xs, std::min(bh - 1, y1 - y), c);
        }
}

void chalk(Image& img, int x, int y, const std::string& text, int size, std::uint32_t colour) {
    draw::text(img, x, y, text,
               label("ＭＳ ゴシック", size, false, colour, mix(colour, rgb(150, 170, 160), 0.4)));
}

// Draws a picture turned by `angle` (radians) with its centre on (cx, cy),
// blending by its coverage: a paper pinned a little askew.
void pinOn(Image& dst, const draw::Layer& art, double cx, double cy, double angle) {
    const double ca = std::cos(angle), sa = std::sin(angle);
    const double hw = art.width() / 2.0, hh = art.height() / 2.0;
    const double reach = std::hypot(hw, hh) + 1;
    draw::Target t(dst);
    for (int y = static_cast<int>(cy - reach); y <= static_cast<int>(cy + reach); ++y)
        for (int x = static_cast<int>(cx - reach); x <= static_cast<int>(cx + reach); ++x) {
            double r = 0, g = 0, b = 0, cover = 0;
            for (int k = 0; k < 4; ++k) { // four samples to a pixel
                const double px = x + 0.25 + 0.5 * (k % 2) - cx, py = y + 0.25 + 0.5 * (k / 2) - cy;
                const double u = ca * px + sa * py + hw, v = -sa * px + ca * py + hh;
                if (u < 0 || v < 0 || u >= art.width() || v >= art.height()) continue;
                const int iu = static_cast<int>(u), iv = static_cast<int>(v);
                const double a = art.alpha[static_cast<std::size_t>(iv) * art.width() + iu];
                const std::uint32_t c = art.colour.at(iu, iv);
                r += draw::red(c) * a;
                g += draw::green(c) * a;
                b += draw::blue(c) * a;
                cover += a;
            }
            if (cover > 0)
                t.plot(x, y,
                       rgb(static_cast<int>(r / cover), static_cast<int>(g / cover),
                           static_cast<int>(b / cover)),
                       cover / 4);
        }
}

// The old photograph on the wall: young ゴンゾウ in his racing jacket beside
// his red scooter, holding up a small cup; sepia, the scooter tinted by hand.
Image racingDaysPhoto(int w, int h) {
    const int k = 3; // painted three times larger, then reduced
    Image big(w * k, h * k);
    const Pen p{big, 0, 0, static_cast<double>(k)};
    // The track behind: a grandstand roof, a fence, the flat ground.
    draw::verticalGradient(big, 0, 0, w * k, h * k, rgb(200, 210, 220), rgb(150, 150, 140));
    p.roundRect(0, h * 0.42, w, h * 0.58, 0,
                p.vgrad(h * 0.42, rgb(130, 130, 120), h, rgb(100, 96, 90)));
    p.poly({{-2, h * 0.3}, {w * 0.7, h * 0.26}, {w * 0.7, h * 0.34}, {-2, h * 0.38}},
           rgb(90, 90, 96));
    for (double x = 1; x < w * 0.7; x += 4)
        p.line(x, h * 0.3, x, h * 0.42, 0.5, rgb(80, 80, 86));
    p.line(0, h * 0.4, w, h * 0.4, 0.6, rgb(230, 230, 230));
    // The scooter, parked on the left.
    {
        const double s = 0.42;
        draw::Layer bike(static_cast<int>(kScooterW * s * k) + 2,
                         static_cast<int>(kScooterH * s * k) + 2);
        ScooterLook look;
        look.pizzaBox = false;
        scooterWithRider(Pen{bike, 1, 1, s * k}, look, nullptr, 0);
        bike.drawOnto(big, static_cast<int>(-6.0 * k),
                      static_cast<int>((h - 1 - kScooterH * s) * k));
    }
    // The young man: racing jacket with a stripe, a number on his chest, the cup
    // raised in his right hand, the helmet under his left arm.
    const double cx = w * 0.7, top = h * 0.14;
    const std::uint32_t jacket = rgb(60, 60, 70), skin = rgb(220, 180, 150);
    p.line(cx - 3, top + 36, cx - 3.5, top + 52, 4, rgb(50, 50, 56)); // legs
    p.line(cx + 3, top + 36, cx + 3.5, top + 52, 4, rgb(50, 50, 56));
    p.ellipse(cx - 4.5, top + 53, 3, 1.4, rgb(30, 30, 30));
    p.ellipse(cx + 4.5, top + 53, 3, 1.4, rgb(30, 30, 30));
    p.roundRect(cx - 7, top + 14, 14, 24, 3,
                p.vgrad(top + 14, jacket, top + 38, scale(jacket, 0.7)));
    p.line(cx - 6, top + 20, cx + 6, top + 20, 1.6, rgb(240, 240, 236));
    p.roundRect(cx - 3.5, top + 24, 7, 6, 0.8, rgb(245, 245, 240));
    draw::textCentred(big, static_cast<int>(cx * k), static_cast<int>((top + 27) * k), "7",
                      label("ＭＳ Ｐゴシック", 5 * k, true, rgb(30, 30, 30), rgb(30, 30, 30)));
    p.line(cx + 6, top + 16, cx + 10, top + 8, 3, jacket); // the arm raised
    p.line(cx + 10, top + 8, cx + 10.5, top + 2, 2.6, jacket);
    p.circle(cx + 10.5, top + 1.5, 1.6, skin);
    for (int side : {-1, 1}) // the cup and its handles
        p.ring(cx + 10.5 + side * 3.6, top - 5, 0.8, 1.6, rgb(150, 110, 40));
    p.poly({{cx + 7, top - 8}, {cx + 14, top - 8}, {cx + 12.5, top - 3}, {cx + 8.5, top - 3}},
           p.vgrad(top - 8, rgb(230, 200, 120), top - 3, rgb(130, 90, 30)));
    p.line(cx + 10.5, top - 3, cx + 10.5, top - 0.5, 1.2, rgb(220, 180, 80));
    p.roundRect(cx + 8.5, top - 1, 4, 1.2, 0.3, rgb(120, 80, 40));
    p.line(cx - 6, top + 16, cx - 9, top + 28, 3, jacket); // the other arm, the helmet
    p.circle(cx - 9, top + 30, 4.2, rgb(240, 240, 236));
    p.roundRect(cx - 12, top + 29, 5, 2, 0.6, rgb(60, 60, 70));
    p.roundRect(cx - 2, top + 10, 4, 5, 1, skin); // neck and head
    p.ellipse(cx, top + 6.5, 5, 6, skin);
    p.poly({{cx - 5.4, top + 6},
            {cx - 5, top + 0.5},
            {cx, top - 1.5},
            {cx + 5.2, top + 0.5},
            {cx + 5.4, top + 5},
            {cx + 3, top + 2},
            {cx - 3, top + 3}},
           rgb(40, 30, 26));                                                 // hair
    p.line(cx - 2.4, top + 9.3, cx + 2.4, top + 9.3, 0.7, rgb(120, 60, 50)); // the grin
    p.circle(cx - 1.8, top + 6, 0.6, rgb(40, 30, 30));
    p.circle(cx + 1.8, top + 6, 0.6, rgb(40, 30, 30));
    Image photo = shrinkTo(big, w, h);
    // Sepia like the family's other old pictures; the red scooter coloured by hand.
    draw::Rng rng(1960);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t o = photo.at(x, y);
            double l = (0.3 * draw::red(o) + 0.59 * draw::green(o) + 0.11 * draw::blue(o)) / 255.0;
            l = std::clamp(0.5 + (l - 0.5) * 1.15 + (rng.uniform() - 0.5) * 0.05, 0.0, 1.0);
            std::uint32_t c = l < 0.5 ? mix(rgb(46, 28, 16), rgb(176, 128, 84), l * 2)
                                      : mix(rgb(176, 128, 84), rgb(255, 240, 210), (l - 0.5) * 2);
            const int red = draw::red(o) - std::max(draw::green(o), draw::blue(o));
            if (red > 50) c = mix(c, rgb(200, 70, 56), std::min(0.6, (red - 50) / 120.0));
            const double dx = (x - w / 2.0) / (w / 2.0), dy = (y - h / 2.0) / (h / 2.0);
            c = mix(c, rgb(240, 220, 180), std::clamp((dx * dx + dy * dy - 0.7) * 0.6, 0.0, 0.5));
            photo.at(x, y) = c;
        }
    for (int i = 0; i < 4; ++i) { // scratches
        const double x = rng.real(0, w);
        draw::line(draw::Target(photo).faded(0.3), x, rng.real(0, h / 2.0), x + rng.real(-3, 3),
                   rng.real(h / 2.0, h), 0.5, rgb(250, 240, 220));
    }
    return photo;
}

// The drawing サチ made of the family's red delivery scooter when she was
// small, crayon on paper, its name written across the top.
draw::Layer crayonDrawing() {
    const int w = 86, h = 60;
    draw::Layer paper(w, h);
    draw::fillRect(paper, 0, 0, w, h, rgb(250, 246, 232));
    draw::Layer art(w, h);
    draw::Rng rng(3001);
    auto crayon = [&](double x0, double y0, double x1, double y1, double wid, std::uint32_t c) {
        // A stroke that wobbles a little, as a small hand draws it.
        const int n = std::max(2, static_cast<int>(std::hypot(x1 - x0, y1 - y0) / 3));
        Point prev{x0, y0};
        for (int i = 1; i <= n; ++i) {
            const double t = i / static_cast<double>(n);
            const Point q{x0 + (x1 - x0) * t + rng.real(-0.6, 0.6),
                          y0 + (y1 - y0) * t + rng.real(-0.6, 0.6)};
            draw::line(art, prev.x, prev.y, q.x, q.y, wid, c);
            prev = q;
        }
    };
    auto scribbleCircle = [&](double cx, double cy, double r, std::uint32_t c) {
        for (int turn = 0; turn < 2; ++turn) {
            Point prev{cx + r, cy};
            for (int i = 1; i <= 20; ++i) {
                const double a = i * 2 * kPi / 20 + turn * 0.3;
                const double rr = r * (1 + 0.08 * std::sin(i * 1.7 + turn)) - turn * 0.8;
                const Point q{cx + rr * std::cos(a), cy + rr * std::sin(a)};
                draw::line(art, prev.x, prev.y, q.x, q.y, 1.3, c);
                prev = q;
            }
        }
    };
    const std::uint32_t red = rgb(220, 40, 40), black = rgb(40, 36, 40), yellow = rgb(250, 200, 30);
    // The sun in the corner and the grass along the bottom.
    for (int i = 0; i < 8; ++i) {
        const double a = i * kPi / 4;
        crayon(8 + 6.5 * std::cos(a), 9 + 6.5 * std::sin(a), 8 + 10 * std::cos(a),
               9 + 10 * std::sin(a), 1.2, rgb(250, 160, 30));
    }
    draw::fillCircle(art, 8, 9, 5, yellow);
    for (double x = 2; x < w - 2; x += 2.5)
        crayon(x, h - 4, x + rng.real(-1, 1.5), h - 8 - rng.real(0, 3), 1, rgb(70, 170, 60));
    // The scooter: a round red back, a low floor and the tall front, filled in
    // with strokes; the seat, the lamp and the box on the back.
    for (double y = 34; y < 46; y += 1.5) {
        const double half = 11 * std::sqrt(std::max(0.0, 1 - std::pow((y - 44) / 10, 2)));
        crayon(32 - half, y, 32 + half, y, 1.7, red);
    }
    for (double y = 42; y < 46; y += 1.5)
        crayon(40, y, 54, y, 1.7, red);
    for (double x = 50; x < 58; x += 1.5)
        crayon(x + 3, 22, x, 45, 1.7, red);
    crayon(24, 33, 38, 33, 2, black);   // the seat
    crayon(56, 23, 64, 19, 1.4, black); // the handlebar
    draw::fillCircle(art, 60, 27, 2.2, yellow);
    draw::fillRect(art, 21, 22, 12, 10, rgb(170, 110, 60));
    crayon(21, 22, 33, 22, 1, rgb(110, 70, 40));
    crayon(33, 22, 33, 32, 1, rgb(110, 70, 40));
    draw::textCentred(art, 27, 27, "P",
                      label("ＭＳ ゴシック", 8, true, rgb(220, 40, 40), rgb(220, 40, 40)));
    scribbleCircle(29, 47, 6, black);
    scribbleCircle(56, 47, 6, black);
    // Big brother riding it: a round helmet, a stick body, arms to the bar.
    draw::fillCircle(art, 43, 20, 5, rgb(60, 110, 220));
    crayon(43, 25, 40, 33, 1.4, rgb(60, 160, 80));
    crayon(42, 27, 56, 23, 1.2, rgb(60, 160, 80));
    crayon(40, 33, 47, 41, 1.2, rgb(40, 60, 140));
    // ズィルボ, written large and unevenly.
    static const char* letters[] = {"ズ", "ィ", "ル", "ボ"};
    static const int sizes[] = {14, 9, 13, 15};
    static const double xs[] = {27, 38, 49, 62}, ys[] = {7, 8.5, 6.5, 8};
    for (int i = 0; i < 4; ++i)
        draw::textCentred(
            art, static_cast<int>(xs[i]), static_cast<int>(ys[i]), letters[i],
            label("ＭＳ Ｐゴシック", sizes[i], true, rgb(40, 70, 200), rgb(30, 50, 170)));
    // Crayon leaves the paper's grain showing through.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            const double grain = draw::valueNoise(x * 1.3, y * 0.6, 3002);
            art.alpha[i] *= static_cast<float>(std::clamp(0.35 + grain * 0.9, 0.0, 1.0));
        }
    art.drawOnto(paper.colour, 0, 0);
    // A corner folded over where the paper has come loose.
    for (int y = h - 9; y < h; ++y)
        for (int x = w - 9; x < w; ++x)
            if ((x - (w - 9)) + (y - (h - 9)) >= 9)
                paper.alpha[static_cast<std::size_t>(y) * w + x] = 0;
    draw::fillPolygon(paper, {{w - 9.0, h}, {w, h - 9.0}, {w - 9.0, h - 9.0}}, rgb(222, 214, 192));
    draw::line(paper, w - 9.0, h, w, h - 9.0, 0.8, rgb(170, 160, 140));
    return paper;
}

} // namespace

Image shopWall() {
    const int W = 514, H = 315;
    Image img(W, H);
    // Warm plaster above a wooden wainscot.
    draw::verticalGradient(img, 0, 0, W, 210, rgb(120, 70, 40), rgb(226, 170, 110));
    for (int y = 0; y < 210; ++y)
        for (int x = 0; x < W; ++x) {
            const double n = draw::fractalNoise(x / 30.0, y / 30.0, 77, 3);
            img.at(x, y) = scale(img.at(x, y), 0.92 + 0.16 * n);
        }
    draw::verticalGradient(img, 0, 196, W, 50, rgb(110, 64, 34), rgb(70, 38, 20));
    for (int x = 0; x < W; x += 26)
        draw::fillRect(img, x, 196, 2, 50, rgb(60, 32, 16));
    draw::fillRect(img, 0, 194, W, 4, rgb(150, 96, 56));

    // The brick oven on the left, its fire glowing.
    draw::glowEllipse(img, 95, 170, 120, 80, rgb(255, 140, 50), 0.35);
    draw::fillRect(img, 40, 30, 110, 30, draw::vertical(30, rgb(90, 90, 96), 60, rgb(50, 50, 56)));
    draw::fillPolygon(img, {{30, 60}, {160, 60}, {168, 74}, {22, 74}}, rgb(70, 70, 78));
    bricks(img, 24, 74, 166, 200, 31);
    draw::fillEllipse(img, 95, 150, 44, 40, rgb(30, 12, 8));
    draw::fillRect(img, 51, 150, 88, 40, rgb(30, 12, 8));
    draw::glowEllipse(img, 95, 178, 40, 18, rgb(255, 170, 40), 0.9);
    for (int i = 0; i < 7; ++i) {
        const double x = 66 + i * 9.0;
        draw::fillPolygon(draw::Target(img).faded(0.85),
                          {{x - 5, 190}, {x + 1 + (i % 2) * 2, 166.0 - (i % 3) * 6}, {x + 5, 190}},
                          draw::vertical(160, rgb(255, 240, 140), 190, rgb(255, 90, 20)));
    }
    draw::fillRect(img, 40, 188, 110, 10, rgb(60, 40, 30));
    draw::ring(img, 95, 150, 44, 49, rgb(150, 60, 40));
    // A peel leaning on it.
    draw::line(img, 170, 120, 182, 230, 3, rgb(160, 110, 60));
    draw::fillEllipse(img, 184, 236, 10, 14, rgb(190, 140, 80));

    // The chalk menu board.
    draw::fillRoundRect(img, 196, 22, 150, 132, 4, rgb(110, 70, 36));
    draw::fillRect(img, 203, 29, 136, 118,
                   draw::vertical(29, rgb(40, 60, 50), 147, rgb(24, 36, 30)));
    draw::textCentred(img, 271, 42, "MENU",
                      label("ＭＳ Ｐゴシック", 16, true, rgb(255, 250, 220), rgb(255, 220, 150)));
    draw::line(img, 222, 54, 320, 54, 1, rgb(220, 220, 200));
    const char* items[][2] = {{"マルゲリータ", "800"},
                              {"乙木スペシャル", "1200"},
                              {"ゴンゾウ特製", "1000"},
                              {"シーフード", "1100"},
                              {"ドリンク", "200"}};
    for (int i = 0; i < 5; ++i) {
        const int y = 60 + i * 16;
        chalk(img, 210, y, items[i][0], 11, i == 1 ? rgb(255, 220, 120) : rgb(240, 240, 230));
        chalk(img, 306, y, items[i][1], 11, rgb(255, 200, 200));
    }
    draw::fillCircle(draw::Target(img).faded(0.8), 330, 140, 5, rgb(255, 210, 80));
    draw::fillPolygon(img, {{327, 137}, {334, 138}, {329, 144}}, rgb(220, 60, 40));

    // The old photograph of ゴンゾウ's racing days in its frame, and a race poster.
    draw::fillRect(draw::Target(img).faded(0.35), 361, 31, 70, 94, rgb(40, 20, 10));
    draw::fillRect(img, 358, 28, 70, 94,
                   draw::vertical(28, rgb(110, 70, 40), 122, rgb(70, 40, 20)));
    draw::frameRect(img, 358, 28, 70, 94, rgb(150, 100, 60));
    draw::fillRect(img, 362, 32, 62, 86, rgb(236, 226, 204));
    {
        const Image photo = racingDaysPhoto(52, 76);
        for (int y = 0; y < photo.height; ++y)
            for (int x = 0; x < photo.width; ++x)
                img.at(367 + x, 37 + y) = photo.at(x, y);
    }
    draw::fillRect(img, 436, 24, 66, 100, rgb(20, 20, 28));
    draw::fillRect(img, 438, 26, 62, 96,
                   draw::vertical(26, rgb(30, 20, 70), 122, rgb(180, 40, 110)));
    {
        draw::Layer bike(62, 50);
        Pen pen{bike, 1, 3, 0.53};
        const RiderLook rider;
        scooterWithRider(pen, ScooterLook{}, &rider, 0);
        bike.drawOnto(img, 438, 66);
    }
    draw::text(img, 442, 30, "STREET",
               label("ＭＳ Ｐゴシック", 12, true, rgb(120, 240, 255), rgb(60, 180, 255)));
    draw::text(img, 442, 44, "SPRINT",
               label("ＭＳ Ｐゴシック", 12, true, rgb(255, 160, 220), rgb(255, 80, 170)));
    // A clock, and the crayon drawing pinned below the photograph.
    draw::fillCircle(img, 470, 158, 16, rgb(60, 40, 30));
    draw::fillCircle(img, 470, 158, 14, rgb(250, 246, 236));
    draw::line(img, 470, 158, 470, 148, 1.6, rgb(30, 30, 30));
    draw::line(img, 470, 158, 477, 162, 1.6, rgb(30, 30, 30));
    {
        const draw::Layer drawing = crayonDrawing();
        draw::Layer shadow(drawing.width(), drawing.height());
        shadow.alpha = drawing.alpha;
        shadow.colour.fill(rgb(60, 30, 16));
        for (float& a : shadow.alpha)
            a *= 0.35f;
        pinOn(img, shadow, 400, 163, -0.06);
        pinOn(img, drawing, 398, 160, -0.06);
        for (const Point& pin : {Point{361, 134}, Point{434, 130}}) {
            draw::fillCircle(img, pin.x + 1, pin.y + 1.5, 3, rgb(90, 50, 30));
            draw::fillCircle(img, pin.x, pin.y, 3, rgb(220, 40, 40));
            draw::fillCircle(img, pin.x - 1, pin.y - 1, 1, rgb(255, 200, 190));
        }
    }

    // Lamps hanging from the ceiling.
    for (int x : {110, 272, 400}) {
        draw::line(img, x, 0, x, 14, 1, rgb(40, 30, 24));
        draw::glowEllipse(img, x, 26, 70, 50, rgb(255, 200, 120), 0.3);
        draw::fillPolygon(img, {{x - 10.0, 24}, {x - 4.0, 14}, {x + 4.0, 14}, {x + 10.0, 24}},
                          draw::vertical(14, rgb(200, 40, 30), 24, rgb(130, 20, 20)));
        draw::fillEllipse(img, x, 25, 6, 2.5, rgb(255, 246, 210));
    }

    // The counter: red-topped, with the till and a stack of boxes.
    draw::fillRect(img, 0, 246, W, 69, draw::vertical(246, rgb(140, 84, 44), 315, rgb(70, 38, 20)));
    for (int x = 14; x < W; x += 60)
        draw::fillRect(draw::Target(img).faded(0.4), x, 252, 2, 63, rgb(50, 26, 12));
    draw::fillRect(img, 0, 234, W, 12,
                   draw::vertical(234, rgb(230, 60, 50), 246, rgb(150, 24, 20)));
    draw::fillRect(img, 0, 234, W, 2, rgb(255, 150, 130));
    draw::textCentred(draw::Target(img).faded(0.8), 257, 268, "乙木PIZZA",
                      label("ＭＳ Ｐゴシック", 18, true, rgb(255, 240, 200), rgb(255, 190, 120), 2,
                            rgb(80, 20, 10)));
    for (int i = 0; i < 4; ++i) {
        const int y = 226 - i * 9;
        draw::fillRect(img, 58 + (i % 2) * 3, y, 70, 8,
                       draw::vertical(y, rgb(255, 250, 236), y + 8, rgb(206, 196, 172)));
        draw::fillRect(img, 58 + (i % 2) * 3, y + 3, 70, 2, rgb(200, 40, 36));
    }
    draw::fillRoundRect(img, 396, 200, 72, 34, 4,
                        draw::vertical(200, rgb(90, 90, 100), 234, rgb(40, 40, 46)));
    draw::fillRect(img, 404, 206, 36, 12, rgb(30, 60, 40));
    draw::text(img, 408, 206, "0",
               label("ＭＳ ゴシック", 11, true, rgb(120, 255, 140), rgb(80, 220, 100)));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            draw::fillRoundRect(img, 404 + c * 9, 221 + r * 6, 7, 4, 1, rgb(200, 200, 210));
    draw::fillRoundRect(img, 446, 188, 18, 14, 2, rgb(250, 250, 240));
    draw::textCentred(img, 455, 195, "営",
                      label("ＭＳ ゴシック", 10, true, rgb(200, 30, 30), rgb(200, 30, 30)));
    vignette(img, 0.45);
    return img;
}

// ---- the winged SS trophy ----

Image ssTrophy() {
    const int W = 200, H = 150;
    draw::Layer l(W, H);
    Pen pen{l, 0, 0, 1};
    const std::uint32_t gold = rgb(255, 210, 80), goldDark = rgb(170, 110, 20);
    // Wings of long feathers on both sides.
    for (int side : {-1, 1})
        for (int i = 0; i < 6; ++i) {
            const double a = (-35 + i * 14) * kPi / 180;
            const double len = 78 - i * 8;
            const Point root{100 + side * 26.0, 62 + i * 3.0};
            const Point tip{root.x + side * len * std::cos(a), root.y + len * std::sin(a)};
            const double nx = -(tip.y - root.y) / len, ny = (tip.x - root.x) / len;
            const double w = 7 - i * 0.5;
            pen.poly({{root.x + nx * w, root.y + ny * w},
                      {tip.x, tip.y},
                      {root.x - nx * w, root.y - ny * w}},
                     pen.vgrad(20, mix(rgb(240, 240, 250), gold, i * 0.15), 100,
                               mix(rgb(160, 170, 190), goldDark, i * 0.15)));
            pen.line(root.x, root.y, (root.x + tip.x) / 2, (root.y + tip.y) / 2, 0.8,
                     rgb(255, 255, 255));
        }
    // The plinth with its plate.
    pen.poly({{58, 124}, {142, 124}, {150, 148}, {50, 148}},
             pen.vgrad(124, rgb(60, 50, 60), 148, rgb(20, 16, 22)));
    pen.roundRect(66, 129, 68, 14, 2, pen.vgrad(129, rgb(255, 236, 150), 143, rgb(190, 130, 30)));
    // Foot, stem and cup.
    pen.poly({{78, 124}, {122, 124}, {114, 112}, {86, 112}}, pen.vgrad(112, gold, 124, goldDark));
    pen.roundRect(93, 92, 14, 22, 4, draw::horizontal(93, goldDark, 107, gold));
    for (int side : {-1, 1}) {
        pen.ring(100 + side * 31.0, 54, 7, 11, gold);
    }
    pen.poly({{64, 30}, {136, 30}, {132, 62}, {118, 86}, {100, 94}, {82, 86}, {68, 62}},
             draw::horizontal(64, rgb(200, 140, 30), 136, rgb(255, 236, 150)));
    pen.ellipse(100, 30, 36, 6, pen.vgrad(24, rgb(255, 246, 200), 36, rgb(200, 140, 30)));
    pen.ellipse(100, 30, 31, 4, rgb(140, 90, 20));
    pen.faded(0.55).line(76, 36, 84, 80, 3, rgb(255, 255, 240));
    // The big "SS" on the cup, a star above it.
    draw::textCentred(l, 100, 58, "SS",
                      label("ＭＳ Ｐゴシック", 30, true, rgb(255, 80, 70), rgb(170, 10, 20), 2,
                            rgb(255, 250, 230)));
    draw::textCentred(l, 100, 136, "SUPER SPRINT",
                      label("ＭＳ Ｐゴシック", 7, true, rgb(90, 50, 10), rgb(60, 30, 0)));
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double r = i % 2 ? 4.5 : 11;
        star.push_back({100 + r * std::cos(a), 13 + r * std::sin(a)});
    }
    pen.poly(star, pen.vgrad(2, rgb(255, 255, 220), 24, gold));
    Image img = l.toKeyed(kKey, rgb(90, 56, 10), 1);
    // Glints.
    for (const Point& p : {Point{128, 36}, Point{70, 44}, Point{100, 117}}) {
        draw::line(img, p.x - 5, p.y, p.x + 5, p.y, 1, kWhite);
        draw::line(img, p.x, p.y - 5, p.x, p.y + 5, 1, kWhite);
    }
    img.at(0, H - 1) = kKey;
    return img;
}

// ---- the tournament board ----

Image tournamentBoard() {
    const int W = 300, H = 200;
    Image img(W, H);
    draw::verticalGradient(img, 0, 0, W, H, rgb(20, 24, 60), rgb(6, 6, 20));
    for (int y = 0; y < H; y += 4)
        draw::fillRect(draw::Target(img).faded(0.12), 0, y, W, 1, rgb(120, 140, 255));
    draw::frameRect(img, 0, 0, W, H, rgb(6, 4, 12));
    draw::frameRect(img, 1, 1, W - 2, H - 2,
                    draw::horizontal(0, rgb(255, 70, 170), W, rgb(60, 220, 255)), 2);
    draw::fillRect(img, 3, 3, W - 6, 26, draw::vertical(3, rgb(60, 40, 110), 29, rgb(24, 16, 50)));
    draw::textCentred(img, W / 2, 16, "神奈玉スタジアム トーナメント",
                      label("ＭＳ Ｐゴシック", 14, true, rgb(255, 246, 180), rgb(255, 180, 60), 1,
                            rgb(40, 20, 0)));
    const char* left[] = {"乙木PIZZA", "DOG", "EVR - Type D", "SFT"};
    const char* right[] = {"FAKE", "EVR - Type S", "ZINGO 2000", "シーボス"};
    const std::uint32_t line = rgb(140, 160, 220);
    const int plateW = 94, plateH = 17;
    auto plate = [&](int x, int y, const char* name, bool hero) {
        const std::uint32_t rim = hero ? rgb(80, 255, 120) : rgb(120, 130, 190);
        draw::fillRoundRect(img, x, y, plateW, plateH, 3, rim);
        draw::fillRoundRect(img, x + 1, y + 1, plateW - 2, plateH - 2, 2,
                            draw::vertical(y, hero ? rgb(30, 90, 50) : rgb(40, 44, 80), y + plateH,
                                           rgb(10, 12, 26)));
        draw::textCentred(img, x + plateW / 2, y + plateH / 2, name,
                          label("ＭＳ Ｐゴシック", 10, true, kWhite,
                                hero ? rgb(180, 255, 190) : rgb(200, 210, 240)));
    };
    for (int i = 0; i < 4; ++i) {
        const int y = 40 + i * 38;
        plate(8, y, left[i], i == 0);
        plate(W - 8 - plateW, y, right[i], false);
    }
    // The bracket lines into the final at the centre.
    for (int side : {-1, 1}) {
        const double xOut = side < 0 ? 8 + plateW : W - 8 - plateW;
        const double xMid = side < 0 ? 116 : W - 116;
        const double xIn = side < 0 ? 134 : W - 134;
        for (int pair = 0; pair < 2; ++pair) {
            const double y0 = 40 + pair * 76 + plateH / 2.0, y1 = y0 + 38;
            draw::line(img, xOut, y0, xMid, y0, 1.2, line);
            draw::line(img, xOut, y1, xMid, y1, 1.2, line);
            draw::line(img, xMid, y0, xMid, y1, 1.2, line);
            draw::line(img, xMid, (y0 + y1) / 2, xIn, (y0 + y1) / 2, 1.2, line);
        }
        const double ya = 40 + plateH / 2.0 + 19, yb = ya + 76;
        draw::line(img, xIn, ya, xIn, yb, 1.2, line);
        draw::line(img, xIn, (ya + yb) / 2, W / 2.0 + side * 10, (ya + yb) / 2, 1.2, line);
    }
    // The cup in the middle.
    const double cy = 40 + plateH / 2.0 + 19 + 38;
    draw::glow(img, W / 2.0, cy, 26, rgb(255, 210, 80), 0.5);
    draw::fillPolygon(
        img,
        {{W / 2.0 - 10, cy - 12},
         {W / 2.0 + 10, cy - 12},
         {W / 2.0 + 6, cy + 2},
         {W / 2.0 - 6, cy + 2}},
        draw::horizontal(W / 2.0 - 10, rgb(200, 140, 30), W / 2.0 + 10, rgb(255, 236, 150)));
    draw::fillRect(img, W / 2 - 2, static_cast<int>(cy) + 2, 4, 6, rgb(220, 170, 50));
    draw::fillRect(img, W / 2 - 7, static_cast<int>(cy) + 8, 14, 3, rgb(200, 150, 40));
    draw::textCentred(img, W / 2, static_cast<int>(cy) + 22, "FINAL",
                      label("ＭＳ Ｐゴシック", 10, true, rgb(255, 240, 180), rgb(255, 190, 70)));
    return img;
}

// ---- the jacket of the final screen ----

Image jacketPicture() {
    const int W = 250, H = 200;
    Image img(W, H);
    draw::Rng rng(777);
    sky(img, 0, 140, {rgb(6, 5, 22), rgb(22, 12, 56), rgb(80, 26, 100), rgb(220, 80, 120)});
    stars(img, rng, 60, 90);
    SkylineStyle far;
    far.baseY = 146;
    far.minH = 30;
    far.maxH = 80;
    far.minW = 12;
    far.maxW = 30;
    far.top = rgb(58, 34, 92);
    far.bottom = rgb(90, 40, 100);
    far.windows = 0.2;
    far.windowGlow = 0.5;
    skyline(img, rng, far, 0, W);
    SkylineStyle near = far;
    near.baseY = 150;
    near.minH = 20;
    near.maxH = 60;
    near.top = rgb(30, 18, 52);
    near.bottom = rgb(14, 8, 26);
    near.windows = 0.4;
    near.neon = 0.4;
    skyline(img, rng, near, 0, W);
    road(img, 150, H, rgb(46, 42, 62), rgb(18, 16, 26), 99u);
    draw::fillRect(img, 0, 150, W, 2, rgb(120, 110, 130));
    dashedLine(img, 184, 2, 30, 22, 5, rgb(200, 200, 210));
    for (int i = 0; i < 16; ++i) {
        const double y = rng.real(100, 185);
        const double x1 = rng.real(10, 80);
        draw::line(draw::Target(img).faded(rng.real(0.15, 0.35)), x1 - rng.real(30, 70), y, x1, y,
                   rng.real(0.7, 1.6), rgb(200, 230, 255));
    }
    // The hero and his scooter.
    const double s = 1.45;
    const double bx = 4;
    draw::fillEllipse(draw::Target(img).faded(0.5), bx + 58 * s, 190, 50 * s, 4, rgb(4, 2, 8));
    draw::Layer bike(static_cast<int>(kScooterW * s) + 4, static_cast<int>(82 * s) + 4);
    Pen pen{bike, 2, 2 + 6 * s, s};
    const RiderLook rider;
    scooterWithRider(pen, ScooterLook{}, &rider, 0);
    bike.drawOnto(img, static_cast<int>(bx), 190 - bike.height());
    draw::glow(img, bx + 2 + 90.5 * s, 190 - bike.height() + 2 + 6 * s + 29.5 * s, 20,
               rgb(255, 240, 200), 0.6);
    // The hero's face in a round frame, and the title.
    {
        const Image face = shrinkTo(portrait::paintPortrait(101, portrait::kGrin), 60, 60);
        const double fx = 211, fy = 116, r = 28;
        draw::fillCircle(img, fx, fy, r + 3,
                         draw::horizontal(fx - r, rgb(60, 220, 255), fx + r, rgb(255, 70, 170)));
        blitWhere(img, face, static_cast<int>(fx - 30), static_cast<int>(fy - 30),
                  [&](int x, int y) { return std::hypot(x + 0.5 - fx, y + 0.5 - fy) <= r; });
    }
    draw::TextStyle title = label("ＭＳ Ｐゴシック", 46, true, rgb(255, 250, 170),
                                  rgb(255, 110, 40), 3, rgb(40, 8, 44));
    title.shadowX = 3;
    title.shadowY = 4;
    title.shadowColour = rgb(10, 2, 14);
    draw::glowEllipse(img, 125, 34, 110, 26, rgb(255, 60, 160), 0.45);
    draw::textCentred(img, 125, 32, "ズィルボ", title);
    draw::textCentred(img, 125, 62, "Z I R U B O",
                      label("ＭＳ ゴシック", 11, true, rgb(170, 250, 255), rgb(60, 190, 255), 1,
                            rgb(10, 20, 50)));
    vignette(img, 0.35);
    draw::frameRect(img, 0, 0, W, H, rgb(8, 6, 16));
    draw::frameRect(img, 1, 1, W - 2, H - 2,
                    draw::horizontal(0, rgb(255, 70, 170), W, rgb(60, 220, 255)));
    return img;
}

} // namespace zb::art
