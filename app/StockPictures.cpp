// The form's stock pictures, drawn once at start.
//
//   name                          size      shown over            keyed
//   fsinfo                        200 x 18  title picture         yes
//   textinfo                      260 x 20  opening background    yes
//   wakuImg1                      516 x 22  message box (scenes)  yes
//   wakuImg2                      516 x 22  message box (map)     yes
//   waku2                         516 x 30  race screen, top      yes
//   eye                            26 x 24  map                   yes
//   wakuTop, wakuBottom           460 x  6  map (frame strips)    no
//   wakuLeft, wakuRight             6 x 230 map (frame strips)    no
//   map_arrow_up, _down            26 x 16  beside the map        yes
//   map_arrow_left, _right         16 x 26  beside the map        yes
//   saveBack                      266 x 91  data menu background  no
//   dataCursor1..3                248 x 19  data menu rows        yes
//   selectBack                    136 x 48  choice box background no
//   selectCursor1..3              118 x 19  choice box rows       yes
//   settingButton1/2, saveButton1/2 26 x 21 map (normal/pressed)  yes
//   saveinfo                       50 x 14  map, under the buttons yes
//   cursor                         10 x  9  message box           yes
//   endPict                        50 x 30  message box           yes
//   star                           70 x 50  never shown (a size)  yes
//   icNoise1..4                    90 x 74  place photo (map)     no
//
// and the race screen's pictures, drawn in RacePictures.cpp (positions there):
//   wmeter 194 x 71, meterBackImg 179 x 11 (solid), meterImg 177 x 10 (solid),
//   num0..num9 15 x 20, wgear1..3 17 x 45 / 55 / 65, tama 10 x 10, wgr 20 x 20,
//   hintLeft 28 x 11, hintRight 30 x 11, grup1/2 and grdown1/2 26 x 26,
//   brake1/2 28 x 54, guidebar 104 x 8, guide 9 x 14, sigback 122 x 54,
//   SigBoxLeft/Right 15 x 30, SignalBar 70 x 10, pi 12 x 30,
//   win, win2..win6, lose 130 x 46 (painted when first shown), audience1/2
//   136 x 38, flying 106 x 40, rainPict 514 x 100, wIconSunny/Rainy/Windy/No
//   18 x 18, weatherBack 36 x 22 (solid)
// and the shop's, drawn in shop/ShopPictures.cpp: itemBack1, itemBack2 515 x 272
// (solid, painted when the shop or the setting screen first opens), legend
// 92 x 16;
// the story's, drawn in story/ScenePictures.cpp: facePHMS1..4 100 x 100 (solid,
// painted when first shown), the portraits of the pizza hero's unmasking;
// and the driving school's, drawn in school/SchoolPictures.cpp: tutorBack
// 230 x 130 (solid), tutorCircle1..3 40 x 40.
//
// Keyed pictures are magenta in their bottom-left pixel and edged in a dark
// colour, so nothing is anti-aliased against the key. Solid pictures keep their
// bottom-left colour unique, so they stay whole even if shown transparent.
#include "app/StockPictures.h"

#include "app/RacePictures.h"
#include "school/SchoolPictures.h"
#include "shop/ShopPictures.h"
#include "story/ScenePictures.h"
#include "ui/Draw.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zb {

namespace {

using draw::Layer;
using draw::mix;
using draw::Point;
using draw::scale;

constexpr std::uint32_t kKey = rgb(255, 0, 255);
constexpr std::uint32_t kEdge = rgb(16, 12, 24);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kPink = rgb(255, 70, 170);
constexpr std::uint32_t kCyan = rgb(60, 220, 255);

ImagePtr keyed(const Layer& layer, int outline = 0, std::uint32_t edge = kEdge) {
    return std::make_shared<Image>(layer.toKeyed(kKey, edge, outline));
}

ImagePtr solid(Image img) {
    draw::keepCornerUnique(img);
    return std::make_shared<Image>(std::move(img));
}

draw::TextStyle textStyle(const char* face, int size, bool bold, std::uint32_t top,
                          std::uint32_t bottom, std::uint32_t outline) {
    draw::TextStyle st;
    st.font = {face, size, bold};
    st.top = top;
    st.bottom = bottom;
    st.outline = 1;
    st.outlineColour = outline;
    return st;
}

// A dark rounded plate with a thin light rim and a text in the middle.
ImagePtr plate(int w, int h, const std::string& text, int size, std::uint32_t rim,
               std::uint32_t textTop, std::uint32_t textBottom) {
    Layer l(w, h);
    draw::fillRoundRect(l, 0, 0, w, h, 4, rim);
    draw::fillRoundRect(l, 1, 1, w - 2, h - 2, 3,
                        draw::vertical(1, rgb(46, 42, 64), h - 1, rgb(12, 10, 20)));
    draw::fillRect(l, 3, 2, w - 6, 1, rgb(80, 76, 104));
    draw::textCentred(l, w / 2, h / 2, text,
                      textStyle("ＭＳ Ｐゴシック", size, true, textTop, textBottom, rgb(8, 6, 14)));
    return keyed(l, 0, rim);
}

// The message frame: a dark bar with a neon top edge and a raised tab on the
// left where the speaker's name sits; see-through above the bar.
ImagePtr messageFrame(std::uint32_t a, std::uint32_t b, std::uint32_t body) {
    const int w = 516, h = 22;
    Layer l(w, h);
    const std::vector<Point> shape{{0, 1}, {150, 1}, {162, 8}, {w, 8}, {w, h}, {0, h}};
    draw::fillPolygon(l, shape, draw::horizontal(0, a, w, b));
    const std::vector<Point> inner{{0, 3}, {149, 3}, {161, 10}, {w, 10}, {w, h}, {0, h}};
    draw::fillPolygon(l, inner, draw::vertical(3, scale(body, 1.3), h, rgb(0, 0, 0)));
    // A thin light line inside the neon edge and rivets along the bar.
    draw::line(l, 2, 4, 148, 4, 0.7, mix(body, kWhite, 0.4));
    for (int x = 200; x < w - 10; x += 60) {
        draw::fillCircle(l, x, 14, 1.6, mix(body, kWhite, 0.35));
        draw::fillCircle(l, x, 14, 0.8, rgb(10, 10, 16));
    }
    draw::fillRect(l, 0, h - 3, w, 3, rgb(0, 0, 0));
    // The frame stands one pixel left of the game area, so its first column is
    // never seen: its bottom pixel carries the key.
    Image img = l.toKeyed(kKey, rgb(0, 0, 0));
    img.at(0, h - 1) = kKey;
    return std::make_shared<Image>(std::move(img));
}

// The upper frame of the race screen: a dark bar with the rival's name tab on
// the right and a neon lower edge.
ImagePtr raceFrame() {
    const int w = 516, h = 30;
    Layer l(w, h);
    const std::vector<Point> shape{{0, 0}, {w, 0}, {w, h - 1}, {392, h - 1}, {380, 23}, {0, 23}};
    draw::fillPolygon(l, shape, draw::horizontal(0, kCyan, w, kPink));
    const std::vector<Point> inner{{0, 0}, {w, 0}, {w, h - 3}, {393, h - 3}, {381, 21}, {0, 21}};
    draw::fillPolygon(l, inner, draw::vertical(0, rgb(0, 0, 0), h, rgb(44, 36, 70)));
    draw::line(l, 394, h - 4.5, w, h - 4.5, 0.7, rgb(120, 110, 160));
    for (int x = 30; x < 360; x += 60) {
        draw::fillCircle(l, x, 11, 1.6, rgb(90, 80, 120));
        draw::fillCircle(l, x, 11, 0.8, rgb(10, 10, 16));
    }
    return keyed(l, 0, rgb(0, 0, 0));
}

ImagePtr eye() {
    Layer l(26, 24);
    // Glowing almond with a cyan iris.
    std::vector<Point> almond;
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0;
        almond.push_back({1.5 + 23 * t, 12 - 8.5 * std::sin(t * std::numbers::pi)});
    }
    for (int i = 20; i >= 0; --i) {
        const double t = i / 20.0;
        almond.push_back({1.5 + 23 * t, 12 + 7.5 * std::sin(t * std::numbers::pi)});
    }
    draw::fillPolygon(l, almond, draw::vertical(3, rgb(255, 255, 255), 20, rgb(200, 210, 230)));
    draw::fillCircle(l, 13, 12, 6.2, draw::vertical(6, rgb(120, 240, 255), 18, rgb(20, 110, 200)));
    draw::ring(l, 13, 12, 5.2, 6.4, rgb(10, 40, 90));
    draw::fillCircle(l, 13, 12, 2.8, rgb(8, 10, 24));
    draw::fillCircle(l, 11, 10, 1.5, kWhite);
    return keyed(l, 1);
}

// Bevelled strips of the map frame; `across` runs over the strip's thickness.
ImagePtr frameStrip(int w, int h, bool horizontalStrip, bool outerFirst) {
    static const std::uint32_t bands[6] = {rgb(14, 12, 24),    rgb(70, 60, 110), rgb(200, 190, 240),
                                           rgb(130, 110, 190), rgb(60, 50, 90),  rgb(10, 8, 16)};
    Image img(w, h);
    const int len = horizontalStrip ? w : h;
    for (int k = 0; k < 6; ++k) {
        const std::uint32_t c = bands[outerFirst ? k : 5 - k];
        for (int i = 0; i < len; ++i) {
            // A slow shimmer along the strip.
            const double f = 0.85 + 0.15 * std::sin(i * 0.05);
            if (horizontalStrip)
                img.at(i, k) = scale(c, f);
            else
                img.at(k, i) = scale(c, f);
        }
    }
    // Small lit studs every 46 pixels.
    for (int i = 23; i < len; i += 46) {
        const double x = horizontalStrip ? i : 2.5;
        const double y = horizontalStrip ? 2.5 : i;
        draw::fillCircle(img, x + 0.5, y + 0.5, 1.6, kCyan);
    }
    return solid(std::move(img));
}

ImagePtr arrow(int dir) { // 0 up, 1 down, 2 left, 3 right
    const bool vertical = dir < 2;
    const int w = vertical ? 26 : 16, h = vertical ? 16 : 26;
    Layer l(w, h);
    // A chevron-shaped arrow, designed pointing up, turned as needed.
    const std::vector<Point> up{{13, 1.5}, {24.5, 13.5}, {17, 13.5},
                                {13, 9.5}, {9, 13.5},    {1.5, 13.5}};
    std::vector<Point> pts;
    for (const Point& p : up) {
        switch (dir) {
        case 0:
            pts.push_back(p);
            break;
        case 1:
            pts.push_back({p.x, 16 - p.y});
            break;
        case 2:
            pts.push_back({p.y, p.x});
            break;
        default:
            pts.push_back({16 - p.y, p.x});
            break;
        }
    }
    const draw::Shader fill = vertical
                                  ? draw::vertical(0, rgb(255, 250, 200), h, rgb(255, 150, 40))
                                  : draw::horizontal(0, rgb(255, 250, 200), w, rgb(255, 150, 40));
    draw::fillPolygon(l, pts, fill);
    return keyed(l, 1);
}

ImagePtr saveBack() {
    const int w = 266, h = 91;
    Image img(w, h);
    draw::verticalGradient(img, 0, 0, w, h, rgb(34, 28, 66), rgb(10, 8, 24));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((x + y) % 6 == 0) img.at(x, y) = scale(img.at(x, y), 1.25);
    for (int row = 0; row < 4; ++row) { // the four slot rows
        const int top = 5 + row * 19;
        draw::fillRoundRect(draw::Target(img).faded(0.35), 9, top + 1, 248, 17, 4,
                            rgb(60, 50, 110));
        draw::fillRect(img, 88, top + 4, 1, 11, rgb(110, 100, 170));
    }
    draw::frameRect(img, 0, 0, w, h, rgb(8, 6, 16));
    draw::frameRect(img, 1, 1, w - 2, h - 2, draw::horizontal(0, kPink, w, kCyan));
    draw::frameRect(img, 2, 2, w - 4, h - 4, rgb(40, 30, 70));
    return solid(std::move(img));
}

ImagePtr rowCursor(int w, int h, double brightness) {
    Layer l(w, h);
    const std::uint32_t rim = scale(rgb(255, 220, 110), brightness);
    draw::fillRoundRect(l, 0, 0, w, h, 5, rim);
    draw::fillRoundRect(l, 1.5, 1.5, w - 3, h - 3, 4,
                        draw::vertical(1, scale(rgb(120, 80, 220), brightness), h - 1,
                                       scale(rgb(40, 24, 110), brightness)));
    draw::fillRect(l, 4, 2, w - 8, 1, scale(rgb(190, 160, 255), brightness));
    // A pointer before the text.
    draw::fillPolygon(l, {{3, h / 2.0 - 4}, {9, h / 2.0}, {3, h / 2.0 + 4}}, rim);
    return keyed(l, 0, kEdge);
}

ImagePtr selectBack() {
    const int w = 136, h = 48;
    Image img(w, h);
    draw::verticalGradient(img, 0, 0, w, h, rgb(30, 26, 60), rgb(8, 6, 20));
    draw::fillRect(draw::Target(img).faded(0.3), 9, 23, 118, 1, rgb(120, 110, 180));
    draw::frameRect(img, 0, 0, w, h, rgb(8, 6, 16));
    draw::frameRect(img, 1, 1, w - 2, h - 2, draw::horizontal(0, kCyan, w, kPink));
    draw::frameRect(img, 2, 2, w - 4, h - 4, rgb(40, 30, 70));
    return solid(std::move(img));
}

// A small square button; pressed ones are darker and sunk by a pixel.
Layer buttonBase(bool pressed, std::uint32_t colour) {
    Layer l(26, 21);
    draw::fillRoundRect(l, 0, 0, 26, 21, 4, rgb(200, 200, 220));
    draw::fillRoundRect(
        l, 1, 1, 24, 19, 3,
        pressed ? draw::vertical(1, scale(colour, 0.45), 20, scale(colour, 0.8))
                : draw::vertical(1, mix(colour, kWhite, 0.35), 20, scale(colour, 0.55)));
    return l;
}

ImagePtr settingButton(bool pressed) {
    Layer l = buttonBase(pressed, rgb(60, 110, 200));
    const double o = pressed ? 1 : 0;
    const std::uint32_t steel = pressed ? rgb(190, 196, 210) : rgb(240, 244, 250);
    draw::line(l, 7 + o, 16 + o, 16 + o, 7 + o, 3.2, steel);
    draw::fillCircle(l, 17.5 + o, 5.5 + o, 4.2, steel);
    draw::fillPolygon(l, {{17 + o, 1.5 + o}, {21.5 + o, 3 + o}, {19 + o, 7 + o}, {15 + o, 5.5 + o}},
                      pressed ? rgb(40, 70, 130) : rgb(70, 120, 210));
    draw::fillCircle(l, 6.5 + o, 16.5 + o, 2.6, steel);
    return keyed(l, 0, rgb(200, 200, 220));
}

ImagePtr saveButton(bool pressed) {
    Layer l = buttonBase(pressed, rgb(60, 160, 100));
    const double o = pressed ? 1 : 0;
    const double x = 6 + o, y = 3 + o;
    draw::fillRoundRect(l, x, y, 14, 14, 1.5, pressed ? rgb(30, 40, 70) : rgb(40, 60, 110));
    draw::fillRect(l, static_cast<int>(x + 3), static_cast<int>(y), 8, 5, rgb(200, 206, 220));
    draw::fillRect(l, static_cast<int>(x + 8), static_cast<int>(y + 1), 2, 3, rgb(40, 60, 110));
    draw::fillRect(l, static_cast<int>(x + 2), static_cast<int>(y + 7), 10, 7, rgb(250, 250, 245));
    draw::fillRect(l, static_cast<int>(x + 3), static_cast<int>(y + 9), 8, 1, rgb(200, 80, 80));
    draw::fillRect(l, static_cast<int>(x + 3), static_cast<int>(y + 11), 8, 1, rgb(160, 160, 170));
    return keyed(l, 0, rgb(200, 200, 220));
}

ImagePtr saveInfo() {
    Layer l(50, 14);
    draw::fillRoundRect(l, 0, 0, 50, 14, 3, rgb(255, 220, 110));
    draw::fillRoundRect(l, 1, 1, 48, 12, 2, draw::vertical(1, rgb(60, 50, 20), 13, rgb(20, 16, 6)));
    draw::text(l, 4, 1, "SAVE",
               textStyle("ＭＳ Ｐゴシック", 11, true, rgb(255, 250, 200), rgb(255, 200, 80),
                         rgb(20, 14, 0)));
    // Points up at the save button above.
    draw::fillPolygon(l, {{34, 10}, {38, 3.5}, {42, 10}}, rgb(255, 220, 110));
    return keyed(l, 0, rgb(255, 220, 110));
}

ImagePtr messageCursor() {
    Layer l(10, 9);
    draw::fillPolygon(l, {{1, 1}, {9, 1}, {5, 8}},
                      draw::vertical(1, rgb(255, 255, 210), 8, rgb(255, 170, 40)), false);
    return keyed(l, 0);
}

ImagePtr endMark() {
    Layer l(50, 30);
    // A red seal with the character for "the end".
    draw::fillRoundRect(l, 10, 0, 30, 30, 5, rgb(180, 20, 24));
    draw::fillRoundRect(l, 12, 2, 26, 26, 4,
                        draw::vertical(2, rgb(230, 50, 44), 28, rgb(170, 24, 24)));
    draw::frameRect(l, 14, 4, 22, 22, rgb(255, 230, 220));
    draw::TextStyle st = textStyle("ＭＳ ゴシック", 18, true, rgb(255, 250, 240),
                                   rgb(255, 220, 200), rgb(140, 10, 10));
    draw::textCentred(l, 25, 15, "完", st);
    return keyed(l, 0, rgb(120, 10, 14));
}

ImagePtr star() {
    Layer l(70, 50);
    std::vector<Point> pts;
    for (int i = 0; i < 10; ++i) {
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 ? 9 : 22;
        pts.push_back({35 + r * std::cos(a), 26 + r * std::sin(a)});
    }
    draw::fillPolygon(l, pts, draw::vertical(4, rgb(255, 250, 170), 48, rgb(255, 170, 40)));
    return keyed(l, 1);
}

// A frame of static for the place photo while the eye rests on no place: grey
// snow with a touch of colour, scanlines, and a brighter band that rolls down
// from frame to frame.
ImagePtr noiseFrame(int frame) {
    const int w = 90, h = 74;
    Image img(w, h);
    draw::Rng rng(0x5EED0u + static_cast<std::uint32_t>(frame) * 7919u);
    const double band = (frame * 23 + 9) % h; // centre of the rolling band
    for (int y = 0; y < h; ++y) {
        const double rowGain = 0.85 + 0.3 * rng.uniform(); // the picture's lines flicker
        const double d = std::abs(y - band);
        const double lift = 0.25 * std::max(0.0, 1 - d / 9.0);
        const double scan = y % 2 ? 0.82 : 1.0;
        for (int x = 0; x < w; ++x) {
            const double v = std::clamp((rng.uniform() * 0.85 + lift) * rowGain * scan, 0.0, 1.0);
            const double tint = (rng.uniform() - 0.5) * 0.12;
            const int g = static_cast<int>(v * 235 + 10);
            img.at(x, y) = rgb(std::clamp(static_cast<int>(g * (1 + tint)), 0, 255), g,
                               std::clamp(static_cast<int>(g * (1 - tint) + 8), 0, 255));
        }
    }
    draw::frameRect(img, 0, 0, w, h, rgb(16, 14, 22));
    return solid(std::move(img));
}

} // namespace

StockPictures::StockPictures() {
    auto& p = pictures_;
    p["fsinfo"] = plate(200, 18, "Alt + Enter : フルスクリーン", 12, rgb(120, 110, 160),
                        rgb(240, 240, 250), rgb(190, 200, 230));
    p["textinfo"] =
        plate(260, 20, "Ｚｉｒｕｂｏ", 14, kCyan, rgb(200, 250, 255), rgb(90, 200, 255));
    p["wakuImg1"] = messageFrame(kPink, kCyan, rgb(40, 30, 64));
    p["wakuImg2"] = messageFrame(rgb(80, 230, 140), rgb(60, 200, 255), rgb(24, 44, 52));
    p["waku2"] = raceFrame();
    p["eye"] = eye();
    p["wakuTop"] = frameStrip(460, 6, true, true);
    p["wakuBottom"] = frameStrip(460, 6, true, false);
    p["wakuLeft"] = frameStrip(6, 230, false, true);
    p["wakuRight"] = frameStrip(6, 230, false, false);
    p["map_arrow_up"] = arrow(0);
    p["map_arrow_down"] = arrow(1);
    p["map_arrow_left"] = arrow(2);
    p["map_arrow_right"] = arrow(3);
    p["saveBack"] = saveBack();
    p["selectBack"] = selectBack();
    static const double blink[3] = {0.7, 0.85, 1.0};
    for (int i = 0; i < 3; ++i) {
        p["dataCursor" + std::to_string(i + 1)] = rowCursor(248, 19, blink[i]);
        p["selectCursor" + std::to_string(i + 1)] = rowCursor(118, 19, blink[i]);
    }
    p["settingButton1"] = settingButton(false);
    p["settingButton2"] = settingButton(true);
    p["saveButton1"] = saveButton(false);
    p["saveButton2"] = saveButton(true);
    p["saveinfo"] = saveInfo();
    p["cursor"] = messageCursor();
    p["endPict"] = endMark();
    p["star"] = star();
    for (int i = 1; i <= 4; ++i)
        p["icNoise" + std::to_string(i)] = noiseFrame(i);
    drawRacePictures(p);
    paintResultPicturesLater(*this);
    drawShopPictures(*this);
    drawScenePictures(*this);
    drawSchoolPictures(p);
}

ImagePtr StockPictures::get(const std::string& name) const {
    if (const auto it = pictures_.find(name); it != pictures_.end()) return it->second;
    const auto later = later_.find(name);
    if (later == later_.end()) return nullptr;
    ImagePtr painted = later->second();
    pictures_[name] = painted;
    later_.erase(later);
    return painted;
}

} // namespace zb
