// The lesson panel and the hint circle of the driving school, in the neon-on-
// night style of the game's other panels.
#include "school/SchoolPictures.h"

#include "ui/Draw.h"

#include <cmath>

namespace zb {

namespace {

using draw::mix;
using draw::scale;

constexpr std::uint32_t kKey = rgb(255, 0, 255);
constexpr std::uint32_t kPink = rgb(255, 70, 170);
constexpr std::uint32_t kCyan = rgb(60, 220, 255);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

// Where the panel's contents stand (panel coordinates).
constexpr int kPanelW = 230;
constexpr int kPanelH = 130;
constexpr int kTextTop = 8; // the four 16-pixel lines run from 11 to 90
constexpr int kTextBottom = 93;
constexpr int kStripTop = 98; // the page buttons: tops 102 .. 124

// A dark smoked-glass panel: the race screen seems to show faintly through it
// (a cool sheen and scan lines), a neon rim, bright corner brackets, and a strip
// along the bottom for the page buttons.
ImagePtr tutorBack() {
    const int w = kPanelW, h = kPanelH;
    Image img(w, h);
    draw::verticalGradient(img, 0, 0, w, h, rgb(26, 30, 62), rgb(8, 8, 22));
    // A diagonal sheen across the glass and fine scan lines.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double band = std::exp(-std::pow((x * 0.6 - y - 30) / 40.0, 2));
            std::uint32_t c = mix(img.at(x, y), rgb(70, 90, 150), band * 0.25);
            if (y % 3 == 0) c = scale(c, 1.12);
            img.at(x, y) = c;
        }
    // The text well: a slightly darker field with a lit bar down its left side.
    draw::fillRoundRect(draw::Target(img).faded(0.45), 6, kTextTop, w - 12, kTextBottom - kTextTop,
                        4, rgb(4, 4, 12));
    draw::fillRect(img, 7, kTextTop + 4, 2, kTextBottom - kTextTop - 8,
                   draw::vertical(kTextTop, kCyan, kTextBottom, kPink));
    // The button strip under a thin line.
    draw::fillRect(img, 8, kStripTop - 3, w - 16, 1, draw::horizontal(8, kCyan, w - 8, kPink));
    draw::fillRect(draw::Target(img).faded(0.35), 4, kStripTop - 2, w - 8, h - kStripTop - 2,
                   draw::vertical(kStripTop, rgb(60, 50, 110), h, rgb(14, 10, 30)));
    // A small lit arrow at the left of the strip, pointing at the buttons.
    for (int i = 0; i < 3; ++i)
        draw::fillPolygon(draw::Target(img).faded(0.35 + i * 0.25),
                          {{14.0 + i * 9, 107}, {20.0 + i * 9, 113}, {14.0 + i * 9, 119}}, kCyan);
    // Rim: a dark edge, the neon line, an inner shadow; bright brackets at the corners.
    draw::frameRect(img, 0, 0, w, h, rgb(6, 4, 14));
    draw::frameRect(img, 1, 1, w - 2, h - 2, draw::horizontal(0, kPink, w, kCyan));
    draw::frameRect(img, 2, 2, w - 4, h - 4, rgb(40, 30, 70));
    for (int sx : {0, 1})
        for (int sy : {0, 1}) {
            const int x = sx ? w - 13 : 1, y = sy ? h - 3 : 1;
            const std::uint32_t c = mix(sx ? kCyan : kPink, kWhite, 0.45);
            draw::fillRect(img, x, y, 12, 2, c);
            draw::fillRect(img, sx ? w - 3 : 1, sy ? h - 13 : 1, 2, 12, c);
        }
    draw::keepCornerUnique(img);
    return std::make_shared<Image>(std::move(img));
}

// One frame of the hint circle: a ring that swells and fades as it pulses, with
// four ticks pointing in at the thing it marks.
ImagePtr tutorCircle(int frame) {
    const int size = 40;
    const double c = size / 2.0;
    static const double radius[3] = {12.5, 15, 17.5};
    static const double width[3] = {3.6, 3.0, 2.4};
    static const double bright[3] = {1.0, 0.86, 0.7};
    const double r = radius[frame], bw = width[frame], f = bright[frame];
    draw::Layer l(size, size);
    const std::uint32_t hot = scale(rgb(255, 236, 90), f), warm = scale(rgb(255, 140, 30), f);
    draw::ring(l, c, c, r - bw, r, draw::vertical(c - r, hot, c + r, warm));
    draw::ring(l, c, c, r - bw + 0.9, r - 0.9, scale(rgb(255, 252, 220), f));
    for (int k = 0; k < 4; ++k) {
        const double a = k * 1.5707963267948966 + 0.7853981633974483;
        const double cs = std::cos(a), sn = std::sin(a);
        draw::line(l, c + cs * (r - bw - 1), c + sn * (r - bw - 1), c + cs * (r - bw - 4.5),
                   c + sn * (r - bw - 4.5), 1.6, hot);
    }
    Image img = l.toKeyed(kKey, rgb(70, 30, 0), 1);
    img.at(0, size - 1) = kKey;
    return std::make_shared<Image>(std::move(img));
}

} // namespace

void drawSchoolPictures(std::map<std::string, ImagePtr>& p) {
    p["tutorBack"] = tutorBack();
    for (int i = 0; i < 3; ++i)
        p["tutorCircle" + std::to_string(i + 1)] = tutorCircle(i);
}

} // namespace zb
