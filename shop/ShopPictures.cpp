// The item panel's backgrounds and the legend of the owned-item lists, in the
// neon-on-night style of the rest of the game. Positions below are those of the
// item panel's controls (panel coordinates):
//
//   shop:    "* 品物リスト *" (35, 21), shop list (12, 40) 170 x 210, tabs (280, 20),
//            "買う" (194, 237), points (397, 237)
//   setting: tabs (10, 20), "装備する" (244, 237), view title (284, 27),
//            view button (460, 23), record and gear rows at Tops 54 .. 214
#include "shop/ShopPictures.h"

#include "ui/Draw.h"

#include <cmath>
#include <numbers>

namespace zb {

namespace {

using draw::Layer;
using draw::mix;
using draw::scale;

constexpr std::uint32_t kKey = rgb(255, 0, 255);
constexpr std::uint32_t kPink = rgb(255, 70, 170);
constexpr std::uint32_t kCyan = rgb(60, 220, 255);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

constexpr int kPanelW = 515;
constexpr int kPanelH = 272;

// The night-blue ground with a fine diagonal weave and the neon rim of the
// game's other panels.
Image panelGround() {
    Image img(kPanelW, kPanelH);
    draw::verticalGradient(img, 0, 0, kPanelW, kPanelH, rgb(24, 20, 46), rgb(5, 4, 12));
    for (int y = 0; y < kPanelH; ++y)
        for (int x = 0; x < kPanelW; ++x)
            if ((x + y) % 6 == 0 || (x - y + 600) % 12 == 0)
                img.at(x, y) = scale(img.at(x, y), 1.2);
    // A faint horizon glow behind the lower half.
    draw::glowEllipse(draw::Target(img).faded(0.25), kPanelW / 2.0, kPanelH * 0.95, 300, 60,
                      rgb(120, 40, 150));
    draw::frameRect(img, 0, 0, kPanelW, kPanelH, rgb(8, 6, 16));
    draw::frameRect(img, 1, 1, kPanelW - 2, kPanelH - 2,
                    draw::horizontal(0, kPink, kPanelW, kCyan));
    draw::frameRect(img, 2, 2, kPanelW - 4, kPanelH - 4, rgb(40, 30, 70));
    return img;
}

// A sunken well for a control: darker inside, a thin rim, a lit top edge.
void well(Image& img, int x, int y, int w, int h, std::uint32_t rim) {
    draw::fillRoundRect(draw::Target(img).faded(0.85), x, y, w, h, 5, rgb(6, 5, 12));
    draw::fillRoundRect(draw::Target(img).faded(0.5), x + 1, y + 1, w - 2, h - 2, 4,
                        draw::vertical(y, rgb(30, 26, 52), y + h, rgb(12, 10, 22)));
    draw::frameRect(draw::Target(img).faded(0.7), x, y, w, h, rim);
    draw::fillRect(draw::Target(img).faded(0.6), x + 6, y + 1, w - 12, 1, mix(rim, kWhite, 0.5));
}

// A title strip: a bar that fades out to the right, with a bright head.
void titleStrip(Image& img, int x, int y, int w, int h, std::uint32_t colour) {
    for (int i = 0; i < w; ++i) {
        const double t = static_cast<double>(i) / w;
        draw::fillRect(draw::Target(img).faded(0.55 * (1 - t)), x + i, y, 1, h, colour);
    }
    draw::fillRect(img, x, y, 3, h, mix(colour, kWhite, 0.4));
}

// A cog with a spanner across it, drawn faintly as the shop's emblem.
void emblem(Image& img, double cx, double cy, double r) {
    draw::Target t = draw::Target(img).faded(0.35);
    std::vector<draw::Point> cog;
    const int teeth = 10;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = i * std::numbers::pi * 2 / (teeth * 4);
        const double rr = (i % 4 == 0 || i % 4 == 1) ? r : r * 0.8;
        cog.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    draw::fillPolygon(t, cog, draw::vertical(cy - r, kCyan, cy + r, rgb(40, 90, 200)));
    draw::fillCircle(t, cx, cy, r * 0.45, rgb(10, 8, 20));
    // The spanner: a bar with an open jaw at the upper end.
    const double a = -std::numbers::pi / 4;
    const double dx = std::cos(a), dy = std::sin(a);
    draw::line(t, cx - dx * r * 1.1, cy - dy * r * 1.1, cx + dx * r * 0.9, cy + dy * r * 0.9,
               r * 0.22, kPink);
    draw::fillCircle(t, cx + dx * r * 1.05, cy + dy * r * 1.05, r * 0.3, kPink);
    draw::fillCircle(t, cx + dx * r * 1.2, cy + dy * r * 1.2, r * 0.16, rgb(10, 8, 20));
}

draw::TextStyle caption(int size, std::uint32_t top, std::uint32_t bottom) {
    draw::TextStyle st;
    st.font = {"ＭＳ Ｐゴシック", size, true};
    st.top = top;
    st.bottom = bottom;
    st.outline = 1;
    st.outlineColour = rgb(8, 6, 14);
    return st;
}

ImagePtr solid(Image img) {
    draw::keepCornerUnique(img);
    return std::make_shared<Image>(std::move(img));
}

ImagePtr shopBack() {
    Image img = panelGround();
    // The shop list with its title strip above it.
    titleStrip(img, 10, 18, 176, 19, kPink);
    well(img, 8, 37, 178, 217, kPink);
    // The owned-item tabs.
    well(img, 276, 16, 233, 220, kCyan);
    // The middle column: the emblem and the shop's name.
    emblem(img, 231, 112, 30);
    draw::textCentred(draw::Target(img).faded(0.55), 231, 168, "PARTS",
                      caption(13, rgb(255, 230, 250), kPink));
    draw::textCentred(draw::Target(img).faded(0.55), 231, 184, "SHOP",
                      caption(13, rgb(230, 250, 255), kCyan));
    // A plate under the points display.
    draw::fillRoundRect(draw::Target(img).faded(0.6), 393, 234, 117, 28, 5, kCyan);
    draw::fillRoundRect(img, 395, 236, 113, 24, 4, rgb(4, 4, 8));
    return solid(std::move(img));
}

ImagePtr settingBack() {
    Image img = panelGround();
    // The owned-item tabs.
    well(img, 6, 16, 233, 220, kCyan);
    // The view plate with its title bar.
    well(img, 276, 18, 233, 236, kPink);
    titleStrip(img, 278, 21, 229, 25, kPink);
    // "装備する" (244, 237, 76 x 24) stands over the plate's lower-left corner:
    // the plate steps round it, below the last row of records.
    const Image ground = panelGround();
    constexpr int kStepX = 324, kStepY = 235, kBottom = 18 + 236;
    for (int y = kStepY; y < kBottom; ++y)
        for (int x = 276; x < kStepX; ++x)
            img.at(x, y) = ground.at(x, y);
    draw::fillRect(draw::Target(img).faded(0.7), 276, kStepY, kStepX - 276, 1, kPink);
    draw::fillRect(draw::Target(img).faded(0.7), kStepX - 1, kStepY, 1, kBottom - kStepY, kPink);
    return solid(std::move(img));
}

ImagePtr legend() {
    const int w = 92, h = 16;
    Layer l(w, h);
    draw::fillRoundRect(l, 0, 0, w, h, 4, rgb(90, 84, 130));
    draw::fillRoundRect(l, 1, 1, w - 2, h - 2, 3,
                        draw::vertical(1, rgb(40, 36, 64), h - 1, rgb(12, 10, 22)));
    draw::TextStyle st = caption(12, kWhite, rgb(210, 220, 240));
    st.font.face = "ＭＳ ゴシック";
    st.font.bold = false;
    st.outline = 0;
    draw::textCentred(l, w / 2, h / 2, "● ： 装備中", st);
    Image img = l.toKeyed(kKey, rgb(90, 84, 130));
    img.at(0, h - 1) = kKey;
    return std::make_shared<Image>(std::move(img));
}

} // namespace

void drawShopPictures(StockPictures& stock) {
    stock.paintLater("itemBack1", shopBack);
    stock.paintLater("itemBack2", settingBack);
    stock.paintLater("legend", legend);
}

} // namespace zb
