// The pictures and sounds the game makes itself: the painting helpers, the
// form's stock pictures, the sound toolkit, and the picture, sound and music
// files written by the generator at build time.

#include "app/StockPictures.h"
#include "data/UnitConst.h"
#include "tools/assetgen/SoundFiles.h"
#include "tools/assetgen/Synth.h"
#include "ui/Draw.h"
#include "ui/Font.h"
#include "ui/Image.h"

#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zb {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kKey = rgb(255, 0, 255);

std::set<std::uint32_t> colours(const Image& img) {
    return std::set<std::uint32_t>(img.pixels.begin(), img.pixels.end());
}

int countColour(const Image& img, std::uint32_t c) {
    int n = 0;
    for (std::uint32_t p : img.pixels)
        n += p == c;
    return n;
}

// A pixel that is nearly the key but not the key: the sign of an edge that was
// smoothed against the transparent colour (it would show as a pink fringe).
bool keyFringe(std::uint32_t p) {
    return p != kKey && draw::red(p) > 180 && draw::blue(p) > 180 && draw::green(p) < 80;
}

std::string twoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// ---------------------------------------------------------------- painting

TEST(DrawTest, MixAndScaleWorkPerChannel) {
    EXPECT_EQ(draw::mix(rgb(0, 100, 200), rgb(200, 100, 0), 0.5), rgb(100, 100, 100));
    EXPECT_EQ(draw::mix(rgb(10, 20, 30), rgb(200, 100, 0), 0.0), rgb(10, 20, 30));
    EXPECT_EQ(draw::mix(rgb(10, 20, 30), rgb(200, 100, 0), 7.0), rgb(200, 100, 0)); // clamped
    EXPECT_EQ(draw::scale(rgb(100, 50, 200), 0.5), rgb(50, 25, 100));
    EXPECT_EQ(draw::scale(rgb(200, 50, 10), 2.0), rgb(255, 100, 20)); // saturates
}

TEST(DrawTest, FilledCircleCoversItsArea) {
    Image img(64, 64, 0);
    draw::fillCircle(img, 32, 32, 20, rgb(255, 255, 255));
    double covered = 0;
    for (std::uint32_t p : img.pixels)
        covered += draw::red(p) / 255.0;
    EXPECT_NEAR(covered, std::numbers::pi * 400, 6.0);
    EXPECT_EQ(img.at(32, 32), rgb(255, 255, 255));
    EXPECT_EQ(img.at(5, 5), 0u);
    // Anti-aliased: the rim has partly covered pixels.
    int partial = 0;
    for (std::uint32_t p : img.pixels)
        partial += draw::red(p) > 0 && draw::red(p) < 255;
    EXPECT_GT(partial, 40);
}

TEST(DrawTest, WithoutAntiAliasingOnlyTwoColoursAppear) {
    Image img(40, 40, 0);
    draw::fillCircle(img, 20, 20, 12.3, rgb(255, 0, 0), false);
    draw::fillPolygon(img, {{2, 2}, {30, 5}, {8, 33}}, rgb(255, 0, 0), false);
    for (std::uint32_t p : img.pixels)
        EXPECT_TRUE(p == 0u || p == rgb(255, 0, 0));
}

TEST(DrawTest, PolygonCoverageMatchesItsArea) {
    Image img(80, 80, 0);
    // A triangle of area 0.5 * 60 * 50 = 1500 with slanted edges.
    draw::fillPolygon(img, {{10.3, 10.7}, {70.3, 10.7}, {25.1, 60.7}}, rgb(255, 255, 255));
    double covered = 0;
    for (std::uint32_t p : img.pixels)
        covered += draw::red(p) / 255.0;
    EXPECT_NEAR(covered, 1500, 15);
    // A rectangle on pixel edges is exact and clipped at the picture's border.
    Image img2(10, 10, 0);
    draw::fillPolygon(img2, {{-5, 2}, {4, 2}, {4, 6}, {-5, 6}}, rgb(9, 9, 9));
    EXPECT_EQ(countColour(img2, rgb(9, 9, 9)), 16);
}

TEST(DrawTest, ThickLineHasItsWidth) {
    Image img(60, 30, 0);
    draw::line(img, 10, 15, 50, 15, 6, rgb(255, 255, 255));
    int solid = 0;
    for (int y = 0; y < 30; ++y)
        solid += img.at(30, y) == rgb(255, 255, 255);
    EXPECT_EQ(solid, 6);
    EXPECT_EQ(img.at(55, 15), 0u); // round ends stop at half the width
}

TEST(DrawTest, GradientRunsFromOneColourToTheOther) {
    Image img(4, 11, 0);
    draw::verticalGradient(img, 0, 0, 4, 11, rgb(0, 0, 0), rgb(200, 100, 0));
    EXPECT_EQ(img.at(0, 0), rgb(0, 0, 0));
    EXPECT_EQ(img.at(3, 10), rgb(200, 100, 0));
    EXPECT_EQ(img.at(2, 5), rgb(100, 50, 0));
    for (int y = 1; y < 11; ++y)
        EXPECT_GE(draw::red(img.at(0, y)), draw::red(img.at(0, y - 1)));
}

TEST(DrawTest, FadedTargetBlendsAtItsOpacity) {
    Image img(4, 4, rgb(0, 0, 0));
    draw::fillRect(draw::Target(img).faded(0.5), 0, 0, 4, 4, rgb(200, 100, 50));
    EXPECT_EQ(img.at(1, 1), rgb(100, 50, 25));
}

TEST(DrawTest, KeyedLayerHasHardEdgesAgainstTheKey) {
    draw::Layer layer(40, 40);
    draw::fillCircle(layer, 20, 20, 13.4, rgb(255, 40, 40));
    draw::line(layer, 3, 36, 36, 3, 2.2, rgb(60, 255, 60));
    const std::uint32_t edge = rgb(20, 10, 30);
    const Image out = layer.toKeyed(kKey, edge, 1);
    EXPECT_EQ(out.transparentColour(), kKey);
    EXPECT_GT(countColour(out, kKey), 200);
    EXPECT_GT(countColour(out, edge), 20); // the outline ring
    for (std::uint32_t p : out.pixels) {
        EXPECT_FALSE(keyFringe(p));
        // Anything kept is a blend of the drawn colours and the edge, never of the key.
        if (p != kKey) {
            EXPECT_LE(draw::blue(p), 60);
        }
    }
    EXPECT_EQ(out.at(20, 26), rgb(255, 40, 40));
}

TEST(DrawTest, LayerCompositesWithItsCoverage) {
    draw::Layer layer(8, 8);
    draw::fillRect(draw::Target(layer).faded(0.5), 0, 0, 8, 8, rgb(200, 200, 200));
    Image dst(8, 8, rgb(0, 0, 0));
    layer.drawOnto(dst, 0, 0);
    EXPECT_EQ(dst.at(3, 3), rgb(100, 100, 100));
}

TEST(DrawTest, KeepCornerUniqueLeavesOnlyTheCornerInItsColour) {
    Image img(5, 5, rgb(10, 10, 10));
    draw::keepCornerUnique(img);
    EXPECT_EQ(countColour(img, rgb(10, 10, 10)), 1);
    EXPECT_EQ(img.transparentColour(), rgb(10, 10, 10));
}

TEST(DrawTest, RandomNumbersAreRepeatableAndInRange) {
    draw::Rng a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const int v = a.range(3, 9);
        EXPECT_EQ(v, b.range(3, 9));
        EXPECT_GE(v, 3);
        EXPECT_LE(v, 9);
        const double u = c.uniform();
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
        differs = differs || v != c.range(3, 9);
    }
    EXPECT_TRUE(differs);
}

TEST(DrawTest, ValueNoiseIsSmoothAndBounded) {
    double lo = 1, hi = 0;
    for (int i = 0; i < 2000; ++i) {
        const double x = i * 0.173, y = i * 0.071;
        const double n = draw::valueNoise(x, y, 7);
        lo = std::min(lo, n);
        hi = std::max(hi, n);
        EXPECT_NEAR(n, draw::valueNoise(x + 0.001, y, 7), 0.01);
        EXPECT_EQ(n, draw::valueNoise(x, y, 7));
    }
    EXPECT_GE(lo, 0.0);
    EXPECT_LE(hi, 1.0);
    EXPECT_GT(hi - lo, 0.5); // it does vary
    EXPECT_NE(draw::valueNoise(3.5, 2.5, 1), draw::valueNoise(3.5, 2.5, 2));
}

TEST(DrawTest, TextIsDrawnWithOutlineAndShadow) {
    draw::TextStyle plain;
    plain.font = {"ＭＳ ゴシック", 16, true};
    plain.top = plain.bottom = rgb(255, 255, 255);
    Image a(80, 30, 0);
    const TextExtent ext = draw::text(a, 4, 4, "完Ab", plain);
    EXPECT_GT(ext.width, 20);
    draw::TextStyle outlined = plain;
    outlined.outline = 2;
    outlined.outlineColour = rgb(255, 0, 0);
    outlined.shadowX = 2;
    outlined.shadowY = 2;
    outlined.shadowColour = rgb(0, 0, 255);
    Image b(80, 30, 0);
    draw::text(b, 4, 4, "完Ab", outlined);
    const int white = countColour(a, rgb(255, 255, 255));
    EXPECT_GT(white, 30);
    EXPECT_GT(countColour(b, rgb(255, 0, 0)), white / 2);
    EXPECT_GT(countColour(b, rgb(0, 0, 255)), 5);
    // Text on a layer becomes a keyed picture without fringes.
    draw::Layer layer(80, 30);
    draw::text(layer, 4, 4, "完Ab", outlined);
    for (std::uint32_t p : layer.toKeyed(kKey, rgb(0, 0, 0)).pixels)
        EXPECT_FALSE(keyFringe(p));
}

// ---------------------------------------------------------------- stock pictures

struct StockEntry {
    const char* name;
    int width;
    int height;
    bool keyed;
};

// Every stock picture the game asks for, with its size.
const std::vector<StockEntry>& stockTable() {
    static const std::vector<StockEntry> table = {
        {"fsinfo", 200, 18, true},
        {"textinfo", 260, 20, true},
        {"wakuImg1", 516, 22, true},
        {"wakuImg2", 516, 22, true},
        {"waku2", 516, 30, true},
        {"eye", 26, 24, true},
        {"wakuTop", 460, 6, false},
        {"wakuBottom", 460, 6, false},
        {"wakuLeft", 6, 230, false},
        {"wakuRight", 6, 230, false},
        {"map_arrow_up", 26, 16, true},
        {"map_arrow_down", 26, 16, true},
        {"map_arrow_left", 16, 26, true},
        {"map_arrow_right", 16, 26, true},
        {"saveBack", 266, 91, false},
        {"dataCursor1", 248, 19, true},
        {"dataCursor2", 248, 19, true},
        {"dataCursor3", 248, 19, true},
        {"selectBack", 136, 48, false},
        {"selectCursor1", 118, 19, true},
        {"selectCursor2", 118, 19, true},
        {"selectCursor3", 118, 19, true},
        {"settingButton1", 26, 21, true},
        {"settingButton2", 26, 21, true},
        {"saveButton1", 26, 21, true},
        {"saveButton2", 26, 21, true},
        {"saveinfo", 50, 14, true},
        {"cursor", 10, 9, true},
        {"endPict", 50, 30, true},
        {"star", 70, 50, true},
        // The race screen.
        {"wmeter", 194, 71, true},
        {"meterBackImg", 179, 11, false},
        {"meterImg", 177, 10, false},
        {"num0", 15, 20, true},
        {"num1", 15, 20, true},
        {"num2", 15, 20, true},
        {"num3", 15, 20, true},
        {"num4", 15, 20, true},
        {"num5", 15, 20, true},
        {"num6", 15, 20, true},
        {"num7", 15, 20, true},
        {"num8", 15, 20, true},
        {"num9", 15, 20, true},
        {"wgear1", 17, 45, true},
        {"wgear2", 17, 55, true},
        {"wgear3", 17, 65, true},
        {"tama", 10, 10, true},
        {"wgr", 20, 20, true},
        {"hintLeft", 28, 11, true},
        {"hintRight", 30, 11, true},
        {"grup1", 26, 26, true},
        {"grup2", 26, 26, true},
        {"grdown1", 26, 26, true},
        {"grdown2", 26, 26, true},
        {"brake1", 28, 54, true},
        {"brake2", 28, 54, true},
        {"guidebar", 104, 8, true},
        {"guide", 9, 14, true},
        {"sigback", 122, 54, true},
        {"SigBoxLeft", 15, 30, true},
        {"SigBoxRight", 15, 30, true},
        {"SignalBar", 70, 10, true},
        {"pi", 12, 30, true},
        {"win", 130, 46, true},
        {"win2", 130, 46, true},
        {"win3", 130, 46, true},
        {"win4", 130, 46, true},
        {"win5", 130, 46, true},
        {"win6", 130, 46, true},
        {"lose", 130, 46, true},
        {"audience1", 136, 38, true},
        {"audience2", 136, 38, true},
        {"flying", 106, 40, true},
        {"rainPict", 514, 100, true},
        {"wIconSunny", 18, 18, true},
        {"wIconRainy", 18, 18, true},
        {"wIconWindy", 18, 18, true},
        {"wIconNo", 18, 18, true},
        {"weatherBack", 36, 22, false},
        // The map screen's place photo while no place is chosen.
        {"icNoise1", 90, 74, false},
        {"icNoise2", 90, 74, false},
        {"icNoise3", 90, 74, false},
        {"icNoise4", 90, 74, false},
        // The pizza hero's unmasking (portrait 124) and the driving school.
        {"facePHMS1", 100, 100, false},
        {"facePHMS2", 100, 100, false},
        {"facePHMS3", 100, 100, false},
        {"facePHMS4", 100, 100, false},
        {"tutorBack", 230, 130, false},
        {"tutorCircle1", 40, 40, true},
        {"tutorCircle2", 40, 40, true},
        {"tutorCircle3", 40, 40, true},
    };
    return table;
}

class StockPicturesTest : public ::testing::Test {
  protected:
    static const StockPictures& stock() {
        static const StockPictures s;
        return s;
    }
};

TEST_F(StockPicturesTest, EveryPictureExistsWithItsSize) {
    for (const StockEntry& e : stockTable()) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(stock().has(e.name));
        const ImagePtr img = stock().get(e.name);
        ASSERT_NE(img, nullptr);
        EXPECT_EQ(img->width, e.width);
        EXPECT_EQ(img->height, e.height);
        EXPECT_EQ(img->pixels.size(), static_cast<std::size_t>(e.width) * e.height);
    }
}

TEST_F(StockPicturesTest, UnknownNamesGiveNothing) {
    EXPECT_EQ(stock().get("no such picture"), nullptr);
    EXPECT_FALSE(stock().has("no such picture"));
    EXPECT_EQ(stock().get(""), nullptr);
    EXPECT_EQ(stock().get("dataCursor4"), nullptr);
    EXPECT_EQ(stock().get("EYE"), nullptr); // names are exact
}

TEST_F(StockPicturesTest, DrawingIsDeterministic) {
    const StockPictures again;
    for (const StockEntry& e : stockTable()) {
        SCOPED_TRACE(e.name);
        ASSERT_NE(again.get(e.name), nullptr);
        EXPECT_EQ(again.get(e.name)->pixels, stock().get(e.name)->pixels);
    }
}

TEST_F(StockPicturesTest, KeyedPicturesAreTransparentByTheirCornerWithoutFringes) {
    for (const StockEntry& e : stockTable()) {
        SCOPED_TRACE(e.name);
        const Image& img = *stock().get(e.name);
        if (e.keyed) {
            EXPECT_EQ(img.transparentColour(), kKey);
            // Some of it is kept, and nothing kept was smoothed against the key.
            EXPECT_LT(countColour(img, kKey), img.width * img.height);
            for (std::uint32_t p : img.pixels)
                EXPECT_FALSE(keyFringe(p));
        } else {
            // Solid pictures stay whole even if shown transparent.
            EXPECT_EQ(countColour(img, img.transparentColour()), 1);
        }
    }
}

TEST_F(StockPicturesTest, PicturesAreDrawnNotFlat) {
    for (const StockEntry& e : stockTable()) {
        SCOPED_TRACE(e.name);
        EXPECT_GE(colours(*stock().get(e.name)).size(), 4u);
    }
    // Animation frames and button states differ from each other.
    EXPECT_NE(stock().get("dataCursor1")->pixels, stock().get("dataCursor3")->pixels);
    EXPECT_NE(stock().get("selectCursor1")->pixels, stock().get("selectCursor2")->pixels);
    EXPECT_NE(stock().get("settingButton1")->pixels, stock().get("settingButton2")->pixels);
    EXPECT_NE(stock().get("saveButton1")->pixels, stock().get("saveButton2")->pixels);
    EXPECT_NE(stock().get("wakuImg1")->pixels, stock().get("wakuImg2")->pixels);
}

// The mean difference between neighbouring pixels along the rows: how busy a picture is.
double rowBusyness(const Image& img) {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 1; x < img.width; ++x, ++n) {
            const std::uint32_t a = img.at(x, y), b = img.at(x - 1, y);
            sum += std::abs(draw::red(a) - draw::red(b)) +
                   std::abs(draw::green(a) - draw::green(b)) +
                   std::abs(draw::blue(a) - draw::blue(b));
        }
    return sum / (3.0 * n);
}

TEST_F(StockPicturesTest, NoiseFramesAreFourDifferentFramesOfGreyStatic) {
    std::vector<ImagePtr> frames;
    for (int i = 1; i <= 4; ++i)
        frames.push_back(stock().get("icNoise" + std::to_string(i)));
    for (std::size_t i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE(i + 1);
        ASSERT_NE(frames[i], nullptr);
        const Image& f = *frames[i];
        // Snow: neighbouring pixels differ a lot, and the whole range of greys is used.
        EXPECT_GT(rowBusyness(f), 40.0);
        int dark = 0, bright = 0;
        double spread = 0;
        for (std::uint32_t p : f.pixels) {
            const int r = draw::red(p), g = draw::green(p), b = draw::blue(p);
            dark += g < 60;
            bright += g > 190;
            spread += std::max({r, g, b}) - std::min({r, g, b});
        }
        EXPECT_GT(dark, static_cast<int>(f.pixels.size() / 20));
        EXPECT_GT(bright, static_cast<int>(f.pixels.size() / 20));
        EXPECT_LT(spread / static_cast<double>(f.pixels.size()), 30.0); // grey, not colour
        // Consecutive frames change almost everywhere, so the snow moves.
        for (std::size_t j = i + 1; j < frames.size(); ++j) {
            int same = 0;
            for (std::size_t k = 0; k < f.pixels.size(); ++k)
                same += f.pixels[k] == frames[j]->pixels[k];
            EXPECT_LT(same, static_cast<int>(f.pixels.size() / 4))
                << "frames " << i + 1 << ", " << j + 1;
        }
    }
}

TEST_F(StockPicturesTest, MessageFrameLetsTheNameAreaBeReadAndTheTopSeeThrough) {
    // The speaker's name is written in white over the frame's tab, 6 pixels down.
    const Image& waku = *stock().get("wakuImg1");
    for (int y = 8; y < 18; ++y)
        for (int x = 8; x < 120; ++x)
            EXPECT_LT(draw::red(waku.at(x, y)) + draw::green(waku.at(x, y)), 260);
    EXPECT_EQ(waku.at(400, 2), kKey); // the scene shows above the bar
    EXPECT_NE(waku.at(400, 20), kKey);
}

// ---------------------------------------------------------------- race screen stock pictures

struct Rect {
    int x, y, w, h;
    bool overlaps(const Rect& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
    bool contains(const Rect& o) const {
        return o.x >= x && o.y >= y && o.x + o.w <= x + w && o.y + o.h <= y + h;
    }
};

int brightness(std::uint32_t c) {
    return draw::red(c) + draw::green(c) + draw::blue(c);
}

class RacePicturesTest : public StockPicturesTest {
  protected:
    // A stock picture's rectangle when shown at (x, y) on the race screen.
    static Rect at(const char* name, int x, int y) {
        const ImagePtr img = stock().get(name);
        return img ? Rect{x, y, img->width, img->height} : Rect{x, y, 0, 0};
    }
    static const Image& pic(const char* name) { return *stock().get(name); }
};

TEST_F(RacePicturesTest, TheGaugesFitTheirPlacesWithoutCoveringEachOther) {
    const Rect area{0, 0, 514, 349}; // the message frame covers the rest during a race
    const Rect wmeter = at("wmeter", 44, 277), hintLeft = at("hintLeft", 314, 278),
               hintRight = at("hintRight", 342, 278), grup = at("grup1", 314, 290),
               grdown = at("grdown1", 314, 318), brake = at("brake1", 342, 290),
               crowd = at("audience1", 374, 294), bar = at("guidebar", 400, 337),
               gate = at("wgear3", 15, 270), lever = at("wgr", 32, 310);
    for (const Rect& r :
         {wmeter, hintLeft, hintRight, grup, grdown, brake, crowd, bar, gate, lever})
        EXPECT_TRUE(area.contains(r)) << r.x << "," << r.y;
    const std::pair<Rect, Rect> apart[] = {
        {hintLeft, hintRight}, {grup, grdown}, {grup, brake},      {grdown, brake}, {brake, crowd},
        {hintRight, crowd},    {wmeter, grup}, {wmeter, hintLeft}, {gate, wmeter},  {crowd, bar}};
    for (const auto& [a, b] : apart)
        EXPECT_FALSE(a.overlaps(b)) << a.x << "," << a.y << " and " << b.x << "," << b.y;
    // The marker runs from 396 to 496 over the whole gauge without touching the crowd.
    for (int left = 396; left <= 496; left += 10)
        EXPECT_FALSE(at("guide", left, 333).overlaps(crowd));
    // The bar's scale and the bar lie in the tachometer's dark well.
    const Rect back = at("meterBackImg", 50, 284), meter = at("meterImg", 51, 284);
    EXPECT_TRUE(back.contains(meter));
    EXPECT_TRUE(wmeter.contains(back));
    const Image& w = pic("wmeter");
    for (int x = back.x; x < back.x + back.w; x += 8)
        EXPECT_LT(brightness(w.at(x - wmeter.x, back.y - wmeter.y + 5)), 150);
    // The hero's speed digits stand on the panel's dark window.
    for (int left : {67, 82, 97})
        for (const auto& [dx, dy] : {std::pair{1, 1}, std::pair{13, 18}}) {
            const std::uint32_t c = w.at(left + dx - wmeter.x, 320 + dy - wmeter.y);
            EXPECT_NE(c, kKey);
            EXPECT_LT(brightness(c), 200);
        }
}

TEST_F(RacePicturesTest, GearGatesHoldTheBallAtEveryGear) {
    // The ball stands at x = 17 with its top at 316 in neutral, 321 in 1st and 10 px
    // higher for every gear above; the gate for 4, 5 and 6 gears is at x = 15 with
    // its top at 290, 280 and 270.
    int lastHeight = 0;
    for (int gears = 4; gears <= 6; ++gears) {
        SCOPED_TRACE(gears);
        const Image& gate = pic(("wgear" + std::to_string(gears - 3)).c_str());
        const int top = 290 - 10 * (gears - 4);
        EXPECT_GT(gate.height, lastHeight);
        lastHeight = gate.height;
        for (int g = 0; g <= gears; ++g) {
            const int ballTop = g == 0 ? 316 : 321 - 10 * (g - 1);
            EXPECT_GE(ballTop, top) << g;
            EXPECT_LE(ballTop + pic("tama").height, top + gate.height) << g;
            // The ball's centre falls on the dark slot.
            const std::uint32_t c = gate.at(17 + 5 - 15, ballTop + 5 - top);
            EXPECT_NE(c, kKey);
            EXPECT_LT(brightness(c), 120) << g;
        }
        // A gear the box does not have lies above the gate.
        EXPECT_LT(321 - 10 * gears + 5, top);
    }
    EXPECT_LE(pic("tama").width, 10);
}

TEST_F(RacePicturesTest, GearGatesMarkEveryGearTheyHold) {
    for (int gears = 4; gears <= 6; ++gears) {
        SCOPED_TRACE(gears);
        const Image& gate = pic(("wgear" + std::to_string(gears - 3)).c_str());
        const int top = 290 - 10 * (gears - 4);
        // A light mark right of the slot beside each ball position, green for neutral.
        for (int g = 0; g <= gears; ++g) {
            const int cy = (g == 0 ? 316 : 321 - 10 * (g - 1)) + 5 - top;
            int marks = 0, green = 0;
            for (int y = cy - 2; y <= cy + 2; ++y)
                for (int x = 11; x < gate.width - 1; ++x) {
                    const std::uint32_t p = gate.at(x, y);
                    marks += brightness(p) > 400;
                    green += draw::green(p) > 200 && draw::red(p) < 120;
                }
            EXPECT_GE(marks, 3) << g;
            EXPECT_EQ(green > 0, g == 0) << g;
        }
    }
}

TEST_F(RacePicturesTest, NoticesAndResultsStayOnTheScreen) {
    const Rect area{0, 0, 514, 385};
    // The false start notice is centred on the screen.
    const Rect flying = at("flying", 204, 160);
    EXPECT_NEAR(flying.x + flying.w / 2.0, 257, 4);
    // The result pictures slide 18 px towards the middle (and 4 px down or up).
    for (const char* name : {"win", "lose"}) {
        EXPECT_TRUE(area.contains(at(name, 362, 36))) << name;
        EXPECT_TRUE(area.contains(at(name, 344, 32))) << name;
        EXPECT_TRUE(area.contains(at(name, 86, 310))) << name;
    }
    // The bonus points (a white label at 441, 301) are written on a dark plate.
    const Image& cheer = pic("audience2");
    for (int x = 441; x < 490; x += 6)
        for (int y = 302; y < 313; y += 3)
            EXPECT_LT(brightness(cheer.at(x - 374, y - 294)), 200) << x << "," << y;
}

TEST_F(RacePicturesTest, SpeedDigitsAreTenDistinctBrightFigures) {
    std::set<std::vector<std::uint32_t>> seen;
    std::vector<int> lit;
    for (int n = 0; n <= 9; ++n) {
        const Image& d = pic(("num" + std::to_string(n)).c_str());
        seen.insert(d.pixels);
        int bright = 0;
        for (std::uint32_t p : d.pixels)
            bright += p != kKey && brightness(p) > 450;
        lit.push_back(bright);
        EXPECT_GT(bright, 15) << n;
    }
    EXPECT_EQ(seen.size(), 10u);
    // Seven segments: 8 lights them all, 1 only two.
    EXPECT_EQ(*std::max_element(lit.begin(), lit.end()), lit[8]);
    EXPECT_EQ(*std::min_element(lit.begin(), lit.end()), lit[1]);
}

TEST_F(RacePicturesTest, TheTachometerBarRunsFromGreenToRed) {
    const Image& bar = pic("meterImg");
    const std::uint32_t low = bar.at(1, 5), mid = bar.at(105, 5), high = bar.at(174, 5);
    EXPECT_GT(draw::green(low), draw::red(low) + 60);
    EXPECT_GT(draw::red(mid), 150);
    EXPECT_GT(draw::green(mid), 150);
    EXPECT_GT(draw::red(high), draw::green(high) + 100);
    // The scale behind it is the same colours, dimmed.
    auto mean = [](const Image& img) {
        double sum = 0;
        for (std::uint32_t p : img.pixels)
            sum += brightness(p);
        return sum / static_cast<double>(img.pixels.size());
    };
    EXPECT_LT(mean(pic("meterBackImg")) * 2, mean(bar));
}

TEST_F(RacePicturesTest, StartSignalPartsSitOnTheirPanel) {
    const Rect panel = at("sigback", 194, 10);
    for (const Rect& r : {at("SigBoxLeft", 195, 15), at("SigBoxRight", 290, 15),
                          at("SignalBar", 220, 25), at("pi", 210, 15), at("pi", 290, 15)})
        EXPECT_TRUE(panel.contains(r)) << r.x << "," << r.y;
    // The marker lands exactly on the right box at 290.
    const Rect pi = at("pi", 290, 15), box = at("SigBoxRight", 290, 15);
    EXPECT_EQ(pi.y, box.y);
    EXPECT_EQ(pi.h, box.h);
    EXPECT_LE(pi.w, box.w);
    // The count "3", "2", "1" (labels at 252..254, 41..42, 16 px) shows on a dark window.
    const Image& back = pic("sigback");
    for (int y = 42; y < 58; y += 3)
        for (int x = 254; x < 262; x += 2)
            EXPECT_LT(brightness(back.at(x - panel.x, y - panel.y)), 90) << x << "," << y;
}

TEST_F(RacePicturesTest, TheWinPictureGlowsThroughSixFrames) {
    std::set<std::vector<std::uint32_t>> frames{pic("win").pixels};
    for (int k = 2; k <= 6; ++k)
        frames.insert(pic(("win" + std::to_string(k)).c_str()).pixels);
    EXPECT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames.count(pic("lose").pixels), 0u);
    // Winning is warm, losing is cold.
    auto warmth = [](const Image& img) {
        double sum = 0;
        for (std::uint32_t p : img.pixels)
            if (p != kKey) sum += draw::red(p) - draw::blue(p);
        return sum;
    };
    EXPECT_GT(warmth(pic("win")), 0);
    EXPECT_LT(warmth(pic("lose")), 0);
}

TEST_F(RacePicturesTest, ButtonsAndTheCrowdHaveTwoStates) {
    for (const auto& [a, b] : {std::pair{"brake1", "brake2"}, std::pair{"grup1", "grup2"},
                               std::pair{"grdown1", "grdown2"}, std::pair{"grup1", "grdown1"},
                               std::pair{"audience1", "audience2"}})
        EXPECT_NE(pic(a).pixels, pic(b).pixels) << a << " " << b;
    // Pressed buttons are darker.
    auto light = [](const Image& img) {
        double sum = 0;
        for (std::uint32_t p : img.pixels)
            if (p != kKey) sum += brightness(p);
        return sum;
    };
    EXPECT_LT(light(pic("brake2")), light(pic("brake1")));
    EXPECT_LT(light(pic("grup2")), light(pic("grup1")));
}

TEST_F(RacePicturesTest, RainIsSparseStreaksOverTheWholeWidth) {
    const Image& rain = pic("rainPict");
    const int drawn = rain.width * rain.height - countColour(rain, kKey);
    EXPECT_GT(drawn, rain.width * rain.height / 100);
    EXPECT_LT(drawn, rain.width * rain.height / 4);
    // The picture jumps to any place, so every part of it rains.
    for (int band = 0; band < 4; ++band) {
        int n = 0;
        for (int y = 0; y < rain.height; ++y)
            for (int x = band * 128; x < band * 128 + 128; ++x)
                n += rain.at(x, y) != kKey;
        EXPECT_GT(n, 100) << band;
    }
}

TEST_F(RacePicturesTest, WeatherIconsAreFourDifferentPictures) {
    std::set<std::vector<std::uint32_t>> icons;
    for (const char* name : {"wIconSunny", "wIconRainy", "wIconWindy", "wIconNo"})
        icons.insert(pic(name).pixels);
    EXPECT_EQ(icons.size(), 4u);
    // The sun is yellow, the rain has blue drops.
    int yellow = 0, blueDrops = 0;
    for (std::uint32_t p : pic("wIconSunny").pixels)
        yellow += p != kKey && draw::red(p) > 200 && draw::green(p) > 120 && draw::blue(p) < 120;
    for (std::uint32_t p : pic("wIconRainy").pixels)
        blueDrops += p != kKey && draw::blue(p) > draw::red(p) + 80;
    EXPECT_GT(yellow, 20);
    EXPECT_GT(blueDrops, 3);
}

// ---------------------------------------------------------------- generated files

struct FileEntry {
    std::string name;
    int width; // -1: the size is checked by a test of its own
    int height;
    bool keyed;
    double minCover = 0.1; // share of a keyed picture that is not transparent
};

// The rivals' picture ids, as the machine table names them (the hero's PIZZA and
// the bullet train KANATA have files of their own).
const std::vector<std::string>& rivalIds() {
    static const std::vector<std::string> ids = {
        "EVR_TYPE_D",   "EVR_TYPE_S", "FAKE",    "DOG_Y",     "SFT",     "SEEBOSS",
        "IDUCHIPR",     "IDUCHIRP",   "IDUCHIR", "G_HOUND_N", "G_HOUND", "ZINGO_2000",
        "ZINGO_2000_N", "DOG_T",      "TRUCK",   "DOG_B",     "DOG_R"};
    return ids;
}

std::vector<FileEntry> generatedFiles() {
    std::vector<FileEntry> files = {{"title.bmp", 514, 385, false},
                                    {"map1.bmp", 920, 680, false},
                                    {"map2.bmp", 640, 420, false},
                                    {"map3.bmp", 920, 680, false}};
    for (int n = 1; n <= 20; ++n)
        files.push_back({"icp" + twoDigits(n) + ".bmp", 90, 74, false});
    for (int n = 1; n <= 16; ++n)
        files.push_back({"back" + twoDigits(n) + ".bmp", 514, 385, false});
    for (int f = 1; f <= 3; ++f)
        files.push_back({"PIZZA" + std::to_string(f) + ".bmp", 112, 82, true});
    for (int n = 1; n <= 20; ++n)
        files.push_back({"icon_" + twoDigits(n) + ".bmp", 70, 50, true});
    for (const std::string& id : rivalIds())
        for (int f = 1; f <= 3; ++f)
            files.push_back({id + std::to_string(f) + ".bmp", -1, -1, true});
    files.push_back({"KANATA.bmp", -1, -1, true});
    files.push_back({"road.bmp", 514, 189, false});
    for (int n = 1; n <= 9; ++n)
        files.push_back({"bg" + twoDigits(n) + ".bmp", 514, 181, false});
    for (int n = 1; n <= 2; ++n)
        files.push_back({"sub" + twoDigits(n) + ".bmp", 514, 182, true, 0.03});
    for (int n = 1; n <= 3; ++n)
        files.push_back({"wind" + std::to_string(n) + ".bmp", -1, -1, true, 0.05});
    for (int n = 1; n <= 6; ++n)
        files.push_back({"philip" + std::to_string(n) + ".bmp", -1, -1, true});
    files.push_back({"effect.bmp", -1, -1, true});
    files.push_back({"gameover.bmp", 514, 385, false});
    // The portraits the scenes load ("face" + stem + expression), solid 100 x 100.
    const std::pair<const char*, int> portraits[] = {
        {"Koichiro", 10}, {"Kazuto", 6},    {"Miki", 10},  {"Yosuke", 3},  {"TracerA", 3},
        {"TracerB", 2},   {"Rob", 3},       {"Philip", 3}, {"PHM", 1},     {"Tengu", 1},
        {"Father", 6},    {"ZingoChan", 2}, {"Sachi", 7},  {"Manager", 3}, {"SachiM", 5},
        {"KoichiroM", 6}, {"FatherM", 4}};
    for (const auto& [stem, count] : portraits)
        for (int n = 1; n <= count; ++n)
            files.push_back(
                {std::string("face") + stem + std::to_string(n) + ".bmp", 100, 100, false});
    // The scenes' props and the final screen's jacket.
    files.push_back({"tv01.bmp", 140, 110, true});
    files.push_back({"tv02.bmp", 140, 110, true});
    files.push_back({"wall.bmp", 514, 315, false});
    files.push_back({"ss.bmp", 200, 150, true});
    files.push_back({"tournament1.bmp", 300, 200, false});
    files.push_back({"jacket.bmp", 250, 200, false});
    return files;
}

fs::path gameImg() {
    return fs::path(ZB_GAME_DIR) / "img";
}

ImagePtr loadGenerated(const std::string& name) {
    return loadImageFile((gameImg() / name).string());
}

#ifdef ZB_ASSETGEN
const char* const kAssetgen = ZB_ASSETGEN;
#else
// The generator is built beside the game folder.
const char* const kAssetgen = ZB_GAME_DIR "/../tools/assetgen/assetgen";
#endif

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(GeneratedAssetsTest, EveryFileIsALoadablePictureOfItsSize) {
    for (const FileEntry& f : generatedFiles()) {
        SCOPED_TRACE(f.name);
        const ImagePtr img = loadGenerated(f.name);
        ASSERT_NE(img, nullptr);
        if (f.width >= 0) {
            EXPECT_EQ(img->width, f.width);
            EXPECT_EQ(img->height, f.height);
        }
        if (f.keyed) {
            EXPECT_EQ(img->transparentColour(), kKey);
            EXPECT_GT(img->width * img->height - countColour(*img, kKey),
                      img->width * img->height * f.minCover);
            for (std::uint32_t p : img->pixels)
                EXPECT_FALSE(keyFringe(p));
        } else {
            // Shown whole even by a control that is marked transparent.
            EXPECT_EQ(countColour(*img, img->transparentColour()), 1);
        }
    }
    EXPECT_TRUE(fs::is_directory(fs::path(ZB_GAME_DIR) / "dat"));
}

TEST(GeneratedAssetsTest, PicturesAreRichAndDistinct) {
    EXPECT_GE(colours(*loadGenerated("title.bmp")).size(), 2000u);
    EXPECT_GE(colours(*loadGenerated("map1.bmp")).size(), 2000u);
    std::vector<ImagePtr> backs;
    for (int n = 1; n <= 16; ++n) {
        backs.push_back(loadGenerated("back" + twoDigits(n) + ".bmp"));
        ASSERT_NE(backs.back(), nullptr);
        EXPECT_GE(colours(*backs.back()).size(), 500u) << n;
    }
    for (std::size_t i = 0; i < backs.size(); ++i)
        for (std::size_t j = i + 1; j < backs.size(); ++j)
            EXPECT_NE(backs[i]->pixels, backs[j]->pixels) << i + 1 << " and " << j + 1;
    std::set<std::vector<std::uint32_t>> icons;
    for (int n = 1; n <= 20; ++n)
        icons.insert(loadGenerated("icon_" + twoDigits(n) + ".bmp")->pixels);
    EXPECT_EQ(icons.size(), 20u);
}

TEST(GeneratedAssetsTest, TheTitleLeavesTheButtonCornerCalm) {
    // The buttons and the full-screen hint sit in the lower right; the picture
    // there must not be busier than the rest of it.
    const ImagePtr title = loadGenerated("title.bmp");
    ASSERT_NE(title, nullptr);
    const Image& t = *title;
    auto busyness = [&](int x0, int y0, int x1, int y1) {
        double sum = 0;
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0 + 1; x < x1; ++x, ++n) {
                const std::uint32_t a = t.at(x, y), b = t.at(x - 1, y);
                sum += std::abs(draw::red(a) - draw::red(b)) +
                       std::abs(draw::green(a) - draw::green(b)) +
                       std::abs(draw::blue(a) - draw::blue(b));
            }
        return sum / n;
    };
    EXPECT_LT(busyness(300, 265, 514, 370), busyness(0, 0, 514, 385));
}

TEST(GeneratedAssetsTest, HeroFramesAnimateAndStandOnTheBottomRow) {
    std::vector<ImagePtr> frames;
    for (int f = 1; f <= 3; ++f)
        frames.push_back(loadGenerated("PIZZA" + std::to_string(f) + ".bmp"));
    for (const ImagePtr& img : frames) {
        ASSERT_NE(img, nullptr);
        int bottom = 0, top = 0;
        for (int x = 0; x < img->width; ++x) {
            bottom += img->at(x, img->height - 1) != kKey;
            top += img->at(x, 0) != kKey;
        }
        EXPECT_GT(bottom, 4); // the tyres touch the lane's baseline
        EXPECT_EQ(top, 0);    // the helmet keeps clear of the top edge
    }
    EXPECT_NE(frames[0]->pixels, frames[1]->pixels);
    EXPECT_NE(frames[1]->pixels, frames[2]->pixels);
    EXPECT_NE(frames[0]->pixels, frames[2]->pixels);
}

TEST(GeneratedAssetsTest, TheCityMapHoldsEveryCityPlace) {
    // The city's places reach x = 820 and y = 610; each icon is drawn 70 x 50
    // around its point and must fall on the map.
    const ImagePtr mapPicture = loadGenerated("map1.bmp");
    ASSERT_NE(mapPicture, nullptr);
    const Image& map = *mapPicture;
    EXPECT_GE(map.width, 820 + 35);
    EXPECT_GE(map.height, 610 + 25);
    // Larger than the 460 x 230 viewport in both directions, so it scrolls.
    EXPECT_GT(map.width, 460);
    EXPECT_GT(map.height, 230);
}

// A place's point lies on the picture, and so do the right and bottom sides of
// its icon (70 x 50 around the point); with `whole`, the icon lies wholly on it
// (the city's 地蔵通り sits so close to the corner that its icon is cut off).
void expectPlaceOnPicture(const Image& map, const Place& p, bool whole) {
    SCOPED_TRACE(p.no);
    EXPECT_GE(p.x, 0);
    EXPECT_GE(p.y, 0);
    EXPECT_LE(p.x + 35, map.width);
    EXPECT_LE(p.y + 25, map.height);
    if (!whole) return;
    EXPECT_GE(p.x - 35, 0);
    EXPECT_GE(p.y - 25, 0);
}

// Open water on the island map: clearly blue.
bool seaColour(std::uint32_t c) {
    return draw::blue(c) > draw::red(c) + 25 && draw::blue(c) > draw::green(c);
}

// The mean colour of the (2r+1)-square around a point.
std::uint32_t meanAround(const Image& img, int cx, int cy, int r) {
    int n = 0, sr = 0, sg = 0, sb = 0;
    for (int y = cy - r; y <= cy + r; ++y)
        for (int x = cx - r; x <= cx + r; ++x) {
            const std::uint32_t c = img.at(x, y);
            sr += draw::red(c);
            sg += draw::green(c);
            sb += draw::blue(c);
            ++n;
        }
    return rgb(sr / n, sg / n, sb / n);
}

TEST(GeneratedAssetsTest, TheIslandMapHoldsEveryIslandPlaceOnLand) {
    const ImagePtr mapPicture = loadGenerated("map2.bmp");
    ASSERT_NE(mapPicture, nullptr);
    const Image& map = *mapPicture;
    // Larger than the viewport, so it scrolls a little.
    EXPECT_GT(map.width, 460);
    EXPECT_GT(map.height, 230);
    int island = 0;
    for (const Place& p : kPlaces) {
        if (p.map != PlaceMap::Island) continue;
        ++island;
        expectPlaceOnPicture(map, p, true);
        // The point is on the island, not in the sea around it.
        EXPECT_FALSE(seaColour(meanAround(map, p.x, p.y, 3))) << "place " << p.no;
    }
    EXPECT_EQ(island, 5);
    // It is an island: open water in the far corners to the north-east and south-west.
    EXPECT_TRUE(seaColour(meanAround(map, map.width - 20, 20, 6)));
    EXPECT_TRUE(seaColour(meanAround(map, 100, map.height - 8, 6)));
    EXPECT_GE(colours(map).size(), 2000u);
}

// Brightness of 8 x 8 blocks, for comparing the layout of two pictures.
std::vector<double> blockLuminance(const Image& img) {
    std::vector<double> out;
    for (int by = 0; by + 8 <= img.height; by += 8)
        for (int bx = 0; bx + 8 <= img.width; bx += 8) {
            double sum = 0;
            for (int y = by; y < by + 8; ++y)
                for (int x = bx; x < bx + 8; ++x) {
                    const std::uint32_t c = img.at(x, y);
                    sum += 0.3 * draw::red(c) + 0.59 * draw::green(c) + 0.11 * draw::blue(c);
                }
            out.push_back(sum / 64);
        }
    return out;
}

double correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const double n = static_cast<double>(a.size());
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        ma += a[i] / n;
        mb += b[i] / n;
    }
    double sab = 0, saa = 0, sbb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        sab += (a[i] - ma) * (b[i] - mb);
        saa += (a[i] - ma) * (a[i] - ma);
        sbb += (b[i] - mb) * (b[i] - mb);
    }
    return sab / std::sqrt(saa * sbb);
}

double meanLuminance(const Image& img) {
    double sum = 0;
    for (double v : blockLuminance(img))
        sum += v;
    return sum / static_cast<double>(blockLuminance(img).size());
}

TEST(GeneratedAssetsTest, TheLaterCityMapIsTheSameCityAtNight) {
    const ImagePtr day = loadGenerated("map1.bmp");
    const ImagePtr night = loadGenerated("map3.bmp");
    ASSERT_NE(day, nullptr);
    ASSERT_NE(night, nullptr);
    // Every city point refers to both pictures, so they have the same size.
    EXPECT_EQ(night->width, day->width);
    EXPECT_EQ(night->height, day->height);
    int city = 0;
    for (const Place& p : kPlaces) {
        if (p.map != PlaceMap::City) continue;
        ++city;
        expectPlaceOnPicture(*night, p, false);
    }
    EXPECT_EQ(city, 15);
    // The same streets, water and sites (the layout of light and dark follows the
    // day map), but darker: it is another picture, not a copy.
    EXPECT_NE(night->pixels, day->pixels);
    EXPECT_GT(correlation(blockLuminance(*day), blockLuminance(*night)), 0.5);
    EXPECT_LT(meanLuminance(*night), 0.75 * meanLuminance(*day));
    EXPECT_GE(colours(*night).size(), 2000u);
}

TEST(GeneratedAssetsTest, PlacePhotosAreRichAndTellThePlacesApart) {
    std::vector<ImagePtr> photos;
    for (int n = 1; n <= 20; ++n) {
        photos.push_back(loadGenerated("icp" + twoDigits(n) + ".bmp"));
        ASSERT_NE(photos.back(), nullptr) << n;
        EXPECT_GE(colours(*photos.back()).size(), 300u) << n;
        EXPECT_GT(rowBusyness(*photos.back()), 3.0) << n; // a scene, not a gradient
    }
    // No two look alike, not even the two photos of 玉崎街道 (places 4 and 10).
    for (std::size_t i = 0; i < photos.size(); ++i)
        for (std::size_t j = i + 1; j < photos.size(); ++j) {
            double diff = 0;
            for (std::size_t k = 0; k < photos[i]->pixels.size(); ++k) {
                const std::uint32_t a = photos[i]->pixels[k], b = photos[j]->pixels[k];
                diff += std::abs(draw::red(a) - draw::red(b)) +
                        std::abs(draw::green(a) - draw::green(b)) +
                        std::abs(draw::blue(a) - draw::blue(b));
            }
            EXPECT_GT(diff / (3.0 * static_cast<double>(photos[i]->pixels.size())), 12.0)
                << "icp" << twoDigits(static_cast<int>(i) + 1) << " and icp"
                << twoDigits(static_cast<int>(j) + 1);
        }
}

// The build ran the generator once; a second run must write the same bytes.
TEST(GeneratedAssetsTest, ASecondRunWritesTheSameBytesAsTheBuild) {
    ASSERT_TRUE(fs::exists(kAssetgen)) << kAssetgen;
    const fs::path again = fs::temp_directory_path() / ("zb_assets_" + std::to_string(getpid()));
    fs::remove_all(again);
    const std::string cmd =
        std::string("\"") + kAssetgen + "\" \"" + again.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    int files = 0;
    for (const auto& entry : fs::directory_iterator(again / "img")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(entry.path());
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, readBytes(gameImg() / name));
        ++files;
    }
    EXPECT_EQ(files, static_cast<int>(generatedFiles().size()));
    // The sound effects and the music too, byte for byte.
    int sounds = 0;
    for (const auto& entry : fs::directory_iterator(again / "dat")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(entry.path());
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, readBytes(fs::path(ZB_GAME_DIR) / "dat" / name));
        ++sounds;
    }
    EXPECT_EQ(sounds, 31 + 24);
    fs::remove_all(again);
}

TEST(GeneratedAssetsTest, GeneratorRefusesAMissingArgument) {
    ASSERT_TRUE(fs::exists(kAssetgen));
    const std::string cmd = std::string("\"") + kAssetgen + "\" > /dev/null 2>&1";
    EXPECT_NE(std::system(cmd.c_str()), 0);
}

// ---------------------------------------------------------------- race screen files

// How different two columns of a picture are: the mean of the channel differences.
double columnDistance(const Image& img, int a, int b) {
    double sum = 0;
    for (int y = 0; y < img.height; ++y) {
        const std::uint32_t p = img.at(a, y), q = img.at(b, y);
        sum += std::abs(draw::red(p) - draw::red(q)) + std::abs(draw::green(p) - draw::green(q)) +
               std::abs(draw::blue(p) - draw::blue(q));
    }
    return sum / img.height;
}

double busyness(const Image& t, int x0, int y0, int x1, int y1) {
    double sum = 0;
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0 + 1; x < x1; ++x, ++n)
            sum += std::abs(brightness(t.at(x, y)) - brightness(t.at(x - 1, y)));
    return sum / n;
}

TEST(RaceAssetsTest, EveryRivalHasThreeDifferentFramesStandingOnTheRoad) {
    std::set<std::vector<std::uint32_t>> machines;
    for (const std::string& id : rivalIds()) {
        SCOPED_TRACE(id);
        std::vector<ImagePtr> frames;
        for (int f = 1; f <= 3; ++f) {
            frames.push_back(loadGenerated(id + std::to_string(f) + ".bmp"));
            ASSERT_NE(frames.back(), nullptr);
        }
        const Image& first = *frames[0];
        if (id == "TRUCK") {
            EXPECT_GT(first.width, 200); // a truck, bigger than any bike
            EXPECT_GT(first.height, 90);
        } else {
            EXPECT_GE(first.width, 100);
            EXPECT_LE(first.width, 140);
            EXPECT_GE(first.height, 70);
            EXPECT_LE(first.height, 92);
        }
        for (const ImagePtr& img : frames) {
            EXPECT_EQ(img->width, first.width);
            EXPECT_EQ(img->height, first.height);
            EXPECT_EQ(img->transparentColour(), kKey);
            int bottom = 0, top = 0;
            for (int x = 0; x < img->width; ++x) {
                bottom += img->at(x, img->height - 1) != kKey;
                top += img->at(x, 0) != kKey;
            }
            EXPECT_GT(bottom, 4); // tyres on the lane's baseline
            EXPECT_EQ(top, 0);    // nothing cut off at the top
        }
        EXPECT_NE(frames[0]->pixels, frames[1]->pixels);
        EXPECT_NE(frames[1]->pixels, frames[2]->pixels);
        EXPECT_NE(frames[0]->pixels, frames[2]->pixels);
        machines.insert(first.pixels);
    }
    EXPECT_EQ(machines.size(), rivalIds().size());
}

TEST(RaceAssetsTest, TheStreetDogsAreToldApartByTheirColour) {
    // The three street riders: blue (slow), yellow, red (fast).
    auto count = [](const Image& img, int kind) {
        int n = 0;
        for (std::uint32_t p : img.pixels) {
            const int r = draw::red(p), g = draw::green(p), b = draw::blue(p);
            if (p == kKey) continue;
            if (kind == 0) n += b > 150 && b > r + 60 && b > g + 20;
            if (kind == 1) n += r > 180 && g > 150 && b < 90;
            if (kind == 2) n += r > 150 && g < 80 && b < 80;
        }
        return n;
    };
    const char* ids[] = {"DOG_B1.bmp", "DOG_Y1.bmp", "DOG_R1.bmp"};
    for (int own = 0; own < 3; ++own) {
        SCOPED_TRACE(ids[own]);
        const ImagePtr img = loadGenerated(ids[own]);
        ASSERT_NE(img, nullptr);
        EXPECT_GT(count(*img, own), 150);
        for (int other = 0; other < 3; ++other) {
            if (other != own) {
                EXPECT_GT(count(*img, own), 3 * count(*img, other)) << other;
            }
        }
    }
}

TEST(RaceAssetsTest, TheBulletTrainIsLongAndRunsOnTheStationViaduct) {
    const ImagePtr train = loadGenerated("KANATA.bmp");
    ASSERT_NE(train, nullptr);
    EXPECT_GE(train->width, 400);
    // It stands with its top at 147 - height: below the race frame's 30 px.
    EXPECT_LE(train->height, 117);
    EXPECT_EQ(train->transparentColour(), kKey);
    int wheels = 0;
    for (int x = 0; x < train->width; ++x)
        wheels += train->at(x, train->height - 1) != kKey;
    EXPECT_GT(wheels, 20);
    // Its wheels run on the viaduct of the station's layer (drawn at y = -1): a
    // grey deck along the whole width just under y = 147.
    const ImagePtr station = loadGenerated("bg04.bmp");
    ASSERT_NE(station, nullptr);
    for (int x = 0; x < station->width; ++x)
        for (int y = 148; y < 151; ++y) {
            const std::uint32_t p = station->at(x, y);
            const int hi = std::max({draw::red(p), draw::green(p), draw::blue(p)});
            const int lo = std::min({draw::red(p), draw::green(p), draw::blue(p)});
            EXPECT_LT(hi - lo, 40) << x;
            EXPECT_GT(brightness(p), 180) << x;
        }
}

TEST(RaceAssetsTest, ScrollingLayersWrapAroundSeamlessly) {
    // Two copies scroll side by side: the last column must run on into the first
    // as smoothly as any two neighbouring columns inside the picture.
    std::vector<std::string> layers;
    for (int n = 1; n <= 9; ++n)
        layers.push_back("bg" + twoDigits(n) + ".bmp");
    layers.push_back("sub01.bmp");
    layers.push_back("sub02.bmp");
    for (const std::string& name : layers) {
        SCOPED_TRACE(name);
        const ImagePtr img = loadGenerated(name);
        ASSERT_NE(img, nullptr);
        std::vector<double> inside;
        for (int x = 1; x < img->width; ++x)
            inside.push_back(columnDistance(*img, x - 1, x));
        std::sort(inside.begin(), inside.end());
        const double typical = inside[inside.size() * 3 / 4]; // the upper quartile
        const double seam = columnDistance(*img, img->width - 1, 0);
        EXPECT_LE(seam, typical * 1.5 + 4) << "typical " << typical;
    }
}

TEST(RaceAssetsTest, EveryPlaceHasItsOwnScenery) {
    std::vector<ImagePtr> layers;
    for (int n = 1; n <= 9; ++n) {
        layers.push_back(loadGenerated("bg" + twoDigits(n) + ".bmp"));
        ASSERT_NE(layers.back(), nullptr);
        EXPECT_GE(colours(*layers.back()).size(), 300u) << n;
    }
    for (std::size_t i = 0; i < layers.size(); ++i)
        for (std::size_t j = i + 1; j < layers.size(); ++j) {
            double diff = 0;
            for (std::size_t k = 0; k < layers[i]->pixels.size(); ++k)
                diff +=
                    std::abs(brightness(layers[i]->pixels[k]) - brightness(layers[j]->pixels[k]));
            EXPECT_GT(diff / static_cast<double>(layers[i]->pixels.size()), 40)
                << i + 1 << " and " << j + 1;
        }
    // The clouds keep to the sky: the scenery by the road is never covered.
    for (const char* name : {"sub01.bmp", "sub02.bmp"}) {
        const ImagePtr sub = loadGenerated(name);
        ASSERT_NE(sub, nullptr);
        int low = 0, high = 0;
        for (int y = 0; y < sub->height; ++y)
            for (int x = 0; x < sub->width; ++x)
                (y >= 100 ? low : high) += sub->at(x, y) != kKey;
        EXPECT_EQ(low, 0) << name;
        EXPECT_GT(high, 1000) << name;
    }
}

TEST(RaceAssetsTest, TheRoadRunsAlongTheLanes) {
    const ImagePtr road = loadGenerated("road.bmp");
    ASSERT_NE(road, nullptr);
    const Image& r = *road;
    auto rowMean = [&](int y) {
        double sum = 0;
        for (int x = 0; x < r.width; ++x)
            sum += brightness(r.at(x, y));
        return sum / r.width;
    };
    // The road stands at y = 179: lane 2's tyres run on row 27, lane 1's on row 69.
    for (int tyres : {27, 69}) {
        EXPECT_LT(rowMean(tyres), 300) << tyres;
        EXPECT_GT(rowMean(tyres), 60) << tyres;
    }
    // Painted lines: one before lane 2, one between the lanes, one after lane 1.
    auto brightestRow = [&](int y0, int y1) {
        double best = 0;
        for (int y = y0; y < y1; ++y)
            best = std::max(best, rowMean(y));
        return best;
    };
    for (const auto& [y0, y1] : {std::pair{4, 20}, std::pair{36, 60}, std::pair{76, 96}})
        EXPECT_GT(brightestRow(y0, y1), rowMean(27) + 150) << y0;
    // The road does not scroll, so nothing may stand across it: rows are even.
    for (int y = 0; y < r.height; ++y) {
        double mean = rowMean(y), var = 0;
        for (int x = 0; x < r.width; ++x)
            var += std::pow(brightness(r.at(x, y)) - mean, 2);
        EXPECT_LT(std::sqrt(var / r.width), 40) << y;
    }
    // Under the gauges (from y = 283 on) the pavement is dark.
    for (int y = 104; y < r.height; y += 10)
        EXPECT_LT(rowMean(y), 150) << y;
}

TEST(RaceAssetsTest, EffectsAnimate) {
    std::set<std::vector<std::uint32_t>> wind, philip;
    for (int n = 1; n <= 3; ++n) {
        const ImagePtr img = loadGenerated("wind" + std::to_string(n) + ".bmp");
        ASSERT_NE(img, nullptr);
        EXPECT_GE(img->width, 200);
        EXPECT_LE(img->width, 520);
        wind.insert(img->pixels);
    }
    EXPECT_EQ(wind.size(), 3u);
    int width = -1;
    for (int n = 1; n <= 6; ++n) {
        const ImagePtr img = loadGenerated("philip" + std::to_string(n) + ".bmp");
        ASSERT_NE(img, nullptr);
        if (width < 0) width = img->width;
        EXPECT_EQ(img->width, width); // it is placed by its width: the frames match
        philip.insert(img->pixels);
    }
    EXPECT_EQ(philip.size(), 6u);
    const ImagePtr burst = loadGenerated("effect.bmp");
    ASSERT_NE(burst, nullptr);
    EXPECT_GT(burst->width, burst->height); // it is stretched into a wide flash
}

TEST(RaceAssetsTest, GustsSweepBothLanesAboveTheGauges) {
    // The wind picture stands at y = 120: it reaches past lane 2's tyres (y = 206)
    // and stays clear of the gauges (y = 277).
    for (int n = 1; n <= 3; ++n) {
        const ImagePtr img = loadGenerated("wind" + std::to_string(n) + ".bmp");
        ASSERT_NE(img, nullptr);
        EXPECT_GE(120 + img->height, 206) << n;
        EXPECT_LE(120 + img->height, 277) << n;
    }
    // The burst shines white in its middle.
    const ImagePtr burst = loadGenerated("effect.bmp");
    ASSERT_NE(burst, nullptr);
    EXPECT_GT(brightness(burst->at(burst->width / 2, burst->height / 2)), 700);
    EXPECT_EQ(burst->transparentColour(), kKey);
}

TEST(RaceAssetsTest, GameOverLeavesTheChoicePanelCalm) {
    // The retry / title choice (136 x 48) stands at (358, 308).
    const ImagePtr over = loadGenerated("gameover.bmp");
    ASSERT_NE(over, nullptr);
    EXPECT_GE(colours(*over).size(), 1000u);
    EXPECT_LT(busyness(*over, 358, 308, 494, 356), busyness(*over, 0, 0, 514, 385));
}

// ---------------------------------------------------------------- sound toolkit

// A stretch of samples as the tests look at it.
double rmsOf(const std::vector<double>& s, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    to = std::min(to, s.size());
    if (from >= to) return 0;
    double sum = 0;
    for (std::size_t i = from; i < to; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(to - from));
}

double peakOf(const std::vector<double>& s) {
    double p = 0;
    for (double v : s)
        p = std::max(p, std::fabs(v));
    return p;
}

// Upward zero crossings per second: the pitch of a plain tone, the brightness
// of anything else.
double crossingsPerSecond(const std::vector<double>& s, int rate) {
    int n = 0;
    for (std::size_t i = 1; i < s.size(); ++i)
        n += s[i - 1] < 0 && s[i] >= 0;
    return s.empty() ? 0 : n * static_cast<double>(rate) / static_cast<double>(s.size());
}

TEST(SynthTest, ChordTokensFollowTheScale) {
    using synth::chordTones;
    const std::vector<int> major{0, 2, 4, 5, 7, 9, 11}, minor{0, 2, 3, 5, 7, 8, 10};
    EXPECT_EQ(chordTones("1", major), (std::vector<int>{0, 4, 7}));
    // Roots above the fifth are taken from below the tonic.
    EXPECT_EQ(chordTones("6", major), (std::vector<int>{-3, 0, 4}));
    EXPECT_EQ(chordTones("5D", major), (std::vector<int>{-5, -1, 2, 5}));
    EXPECT_EQ(chordTones("2m7", major), (std::vector<int>{2, 5, 9, 12}));
    EXPECT_EQ(chordTones("4j", major), (std::vector<int>{5, 9, 12, 16}));
    EXPECT_EQ(chordTones("4s", major), (std::vector<int>{5, 10, 12}));
    EXPECT_EQ(chordTones("&7D", major), (std::vector<int>{-2, 2, 5, 8})); // B flat seventh in C
    EXPECT_EQ(chordTones("1", minor), (std::vector<int>{0, 3, 7}));
    EXPECT_EQ(chordTones("5M", minor), (std::vector<int>{-5, -1, 2})); // the raised leading note
    EXPECT_EQ(chordTones("&2Mp", minor), (std::vector<int>{1, 5, 8})); // the Neapolitan
    EXPECT_THROW(chordTones("8", major), std::runtime_error);
    EXPECT_THROW(chordTones("1x", major), std::runtime_error);
}

TEST(SynthTest, SixteenthsAreWholeGrainsCloseToTheTempo) {
    for (double bpm : {70.0, 84.0, 104.0, 120.0, 148.0, 168.0}) {
        const std::size_t n = synth::sixteenthSamples(bpm);
        EXPECT_EQ(n % 64, 0u) << bpm; // so a bar of 4/4 is a whole number of 1024-sample frames
        const double exact = synth::kRate * 60.0 / bpm / 4.0;
        EXPECT_NEAR(static_cast<double>(n), exact, 32.0) << bpm;
    }
}

TEST(SynthTest, OscillatorsRunAtTheirFrequency) {
    synth::Rng rng(5);
    for (synth::Wave w :
         {synth::Wave::Sine, synth::Wave::Triangle, synth::Wave::Saw, synth::Wave::Square}) {
        synth::Osc osc;
        osc.wave = w;
        std::vector<double> s(synth::kRate);
        for (double& v : s)
            v = osc.next(441.0, rng);
        EXPECT_NEAR(crossingsPerSecond(s, synth::kRate), 441.0, 2.0);
        EXPECT_LE(peakOf(s), 1.2); // the band-limited edges overshoot only a little
        EXPECT_GT(rmsOf(s), 0.4);
    }
    // Noise is the same for the same seed and different for another.
    auto noise = [](std::uint64_t seed) {
        synth::Rng r(seed);
        std::vector<double> s(1000);
        for (double& v : s)
            v = r.bipolar();
        return s;
    };
    EXPECT_EQ(noise(3), noise(3));
    EXPECT_NE(noise(3), noise(4));
    const std::vector<double> n = noise(9);
    EXPECT_LT(std::fabs(std::accumulate(n.begin(), n.end(), 0.0) / static_cast<double>(n.size())),
              0.08);
    EXPECT_LE(peakOf(n), 1.0);
}

TEST(SynthTest, EnvelopeRisesHoldsAndReleases) {
    const synth::Adsr env{0.01, 0.1, 0.5, 0.2};
    EXPECT_DOUBLE_EQ(env.at(0.0, 1.0), 0.0);
    EXPECT_NEAR(env.at(0.005, 1.0), 0.5, 1e-9);
    EXPECT_NEAR(env.at(0.01, 1.0), 1.0, 1e-9);
    EXPECT_NEAR(env.at(0.8, 1.0), 0.5, 1e-3);  // decayed to the sustain level
    EXPECT_LT(env.at(1.1, 1.0), 0.5);          // releasing
    EXPECT_NEAR(env.at(1.2, 1.0), 0.0, 1e-12); // released
    EXPECT_DOUBLE_EQ(env.at(-0.1, 1.0), 0.0);
}

TEST(SynthTest, LowPassKeepsLowsAndCutsHighs) {
    auto through = [](double hz) {
        std::vector<double> s(synth::kRate / 2);
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = synth::sine(hz * static_cast<double>(i) / synth::kRate);
        synth::lowPass(s, 500);
        return rmsOf(s, s.size() / 2);
    };
    EXPECT_GT(through(100), 0.6);
    EXPECT_LT(through(8000), 0.06);
    synth::Svf f;
    f.set(1000, 0.7);
    std::vector<double> high(4000);
    for (std::size_t i = 0; i < high.size(); ++i) {
        f(synth::sine(6000.0 * static_cast<double>(i) / synth::kRate));
        high[i] = f.low;
    }
    EXPECT_LT(rmsOf(high, 2000), 0.03);
}

// The frequency of a steady tone: the autocorrelation's peak near the period
// expected, refined between samples.
double pitchNear(const std::vector<double>& s, double expectHz) {
    const double expect = synth::kRate / expectHz;
    auto ac = [&](int lag) {
        double c = 0;
        for (std::size_t i = 0; i + static_cast<std::size_t>(lag) < s.size(); ++i)
            c += s[i] * s[i + static_cast<std::size_t>(lag)];
        return c;
    };
    int best = static_cast<int>(expect * 0.94);
    for (int lag = best; lag <= static_cast<int>(expect * 1.06) + 1; ++lag)
        if (ac(lag) > ac(best)) best = lag;
    const double y0 = ac(best - 1), y1 = ac(best), y2 = ac(best + 1);
    const double shift = 0.5 * (y0 - y2) / (y0 - 2 * y1 + y2);
    return synth::kRate / (best + shift);
}

double cents(double hz, double want) {
    return 1200.0 * std::log2(hz / want);
}

TEST(SynthTest, NotesPlayAtTheirPitch) {
    synth::Rng rng(1);
    synth::Voice lead;
    lead.amp = synth::Adsr{0.01, 0.1, 0.9, 0.1};
    synth::Voice string;
    string.pluck = 0.5;
    string.amp = synth::Adsr{0.001, 3.0, 0.8, 0.1};
    for (double midi : {45.0, 57.0, 69.0, 76.0}) {
        for (const synth::Voice& v : {lead, string}) {
            const std::vector<double> note = synth::renderNote(v, midi, 0.5, 1.0, rng);
            const std::vector<double> held(note.begin() + 1500, note.begin() + 7000);
            EXPECT_NEAR(cents(pitchNear(held, synth::noteHz(midi)), synth::noteHz(midi)), 0.0, 5.0)
                << midi << (v.pluck > 0 ? " plucked" : " saw");
        }
    }
    // A note lasts the held part of its written length plus its release.
    const std::vector<double> a4 = synth::renderNote(lead, 69, 0.5, 1.0, rng);
    EXPECT_NEAR(static_cast<double>(a4.size()) / synth::kRate, 0.5 * lead.gate + 0.1, 0.002);
    EXPECT_LT(std::fabs(a4.back()), 1e-3); // and dies away to nothing
}

synth::Song testSong(bool loop) {
    synth::Song s;
    s.bpm = 120;
    s.form = "AB";
    s.loop = loop;
    s.sections = {{'A', 2, "1 4"}, {'B', 2, "5D 1"}};
    synth::Track pad; // a chord every other bar, with a long release
    pad.voice.amp = synth::Adsr{0.01, 0.2, 0.8, 1.5};
    pad.pattern = "....c---";
    pad.stepsPerBeat = 1;
    synth::Track kick;
    kick.kind = synth::TrackKind::Drums;
    kick.drum = synth::Drum::Kick;
    kick.pattern = "x...x...x...x...";
    s.tracks = {pad, kick};
    return s;
}

TEST(SynthTest, SongsRenderTheSameTwiceAndEndOnTheBar) {
    const synth::Stereo a = synth::render(testSong(true)), b = synth::render(testSong(true));
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.right, b.right);
    const std::size_t bar = synth::sixteenthSamples(120) * 16;
    EXPECT_EQ(a.size(), 4 * bar);
    EXPECT_EQ(a.size() % 1024, 0u);
    EXPECT_LE(peakOf(a.left), 1.0);
    EXPECT_NEAR(std::sqrt(0.5 * (std::pow(rmsOf(a.left), 2) + std::pow(rmsOf(a.right), 2))),
                testSong(true).loudness, 0.02);
    EXPECT_EQ(synth::sectionStarts(testSong(true)), (std::vector<std::size_t>{0, 2 * bar}));
    // Played once, the piece rings out after its last bar.
    EXPECT_EQ(synth::render(testSong(false)).size(), 4 * bar + synth::samplesFor(3.0));
}

TEST(SynthTest, LoopTailsRingIntoTheStart) {
    // The chord of the last bar is still sounding when the loop comes round: the
    // start of a loop carries it, the start of a piece played once does not.
    synth::Song loop = testSong(true), once = testSong(false);
    loop.tracks.pop_back(); // the pad alone
    once.tracks.pop_back();
    const synth::Stereo l = synth::render(loop), o = synth::render(once);
    const std::size_t from = synth::samplesFor(0.004), to = synth::samplesFor(0.008);
    EXPECT_GT(rmsOf(l.left, from, to), 0.05);
    EXPECT_LT(rmsOf(o.left, from, to), 0.01);
}

// Where the hits of a sparse drum track start, in samples.
std::vector<std::size_t> onsets(const std::vector<double>& s) {
    const double threshold = 0.2 * peakOf(s);
    std::vector<std::size_t> at;
    std::size_t quiet = 1000;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (std::fabs(s[i]) > threshold) {
            if (quiet >= 1000) at.push_back(i);
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return at;
}

synth::Song rimSong(double swing) {
    synth::Song s;
    s.bpm = 120;
    s.form = "A";
    s.loop = false;
    s.swing = swing;
    s.sections = {{'A', 1, "1"}};
    synth::Track rim;
    rim.kind = synth::TrackKind::Drums;
    rim.drum = synth::Drum::Rim;
    rim.pattern = "x.x.x.x.x.x.x.x.";
    rim.humanize = 0;
    rim.reverb = 0;
    s.tracks = {rim};
    return s;
}

TEST(SynthTest, SwingDelaysTheOffBeatEighths) {
    const std::size_t sixteenth = synth::sixteenthSamples(120);
    const std::vector<std::size_t> straight = onsets(synth::render(rimSong(0)).left);
    const std::vector<std::size_t> swung = onsets(synth::render(rimSong(0.5)).left);
    ASSERT_EQ(straight.size(), 8u);
    ASSERT_EQ(swung.size(), 8u);
    for (std::size_t k = 0; k < 8; ++k) {
        // (The very first hit is found a little late: every piece fades in
        // over its first 3 ms.)
        EXPECT_NEAR(static_cast<double>(straight[k]), static_cast<double>(2 * k * sixteenth),
                    k == 0 ? 70.0 : 8.0);
        const double late = k % 2 ? 0.5 * static_cast<double>(sixteenth) : 0.0;
        EXPECT_NEAR(static_cast<double>(swung[k]) - static_cast<double>(straight[k]), late, 8.0)
            << k;
    }
}

TEST(SynthTest, TracksPlayOnlyInTheirSections) {
    synth::Song s = rimSong(0);
    s.form = "AB";
    s.sections = {{'A', 2, "1"}, {'B', 2, "1"}};
    s.tracks[0].sections = "B";
    const synth::Stereo out = synth::render(s);
    const std::size_t half = synth::sectionStarts(s)[1];
    EXPECT_LT(rmsOf(out.left, 0, half), 1e-6);
    EXPECT_GT(rmsOf(out.left, half, 2 * half), 0.05);
    EXPECT_EQ(onsets(out.left).size(), 16u);
}

TEST(SynthTest, PatternsThatAreNotWholeBarsAreRefused) {
    synth::Song s = testSong(true);
    s.tracks[0].pattern = "c--"; // three quarters where a bar has four
    EXPECT_THROW(synth::render(s), std::runtime_error);
    s = testSong(true);
    s.tracks[0].pattern = "c-x-"; // 'x' is a drum hit, not a note
    EXPECT_THROW(synth::render(s), std::runtime_error);
    s = testSong(true);
    s.form = "AC"; // no section C
    EXPECT_THROW(synth::render(s), std::runtime_error);
}

// ---------------------------------------------------------------- sound files

struct Wave {
    bool ok = false;
    int format = 0, channels = 0, rate = 0, bits = 0;
    std::vector<double> samples; // the first channel, -1..1
    std::string data;            // the raw sample bytes
};

std::uint32_t le(const std::string& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<std::size_t>(i)]);
    return v;
}

// Reads a RIFF WAVE file chunk by chunk.
Wave readWave(const fs::path& path) {
    Wave w;
    const std::string b = readBytes(path);
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return w;
    if (le(b, 4, 4) + 8 != b.size()) return w;
    bool fmt = false;
    for (std::size_t at = 12; at + 8 <= b.size();) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = le(b, at + 4, 4);
        if (at + 8 + size > b.size()) return w;
        if (id == "fmt " && size >= 16) {
            w.format = static_cast<int>(le(b, at + 8, 2));
            w.channels = static_cast<int>(le(b, at + 10, 2));
            w.rate = static_cast<int>(le(b, at + 12, 4));
            w.bits = static_cast<int>(le(b, at + 22, 2));
            fmt =
                le(b, at + 16, 4) == static_cast<std::uint32_t>(w.rate * w.channels * w.bits / 8) &&
                le(b, at + 20, 2) == static_cast<std::uint32_t>(w.channels * w.bits / 8);
        } else if (id == "data" && fmt && w.bits == 16 && w.channels > 0) {
            w.data = b.substr(at + 8, size);
            for (std::size_t i = 0; i + 1 < size; i += 2 * static_cast<std::size_t>(w.channels))
                w.samples.push_back(static_cast<std::int16_t>(le(b, at + 8 + i, 2)) / 32768.0);
            w.ok = true;
        }
        at += 8 + size + (size & 1);
    }
    return w;
}

fs::path scratchFile(const std::string& name) {
    return fs::temp_directory_path() / ("zb_sound_" + std::to_string(getpid()) + "_" + name);
}

TEST(SoundFilesTest, WavFilesAreCanonicalPcm) {
    const fs::path path = scratchFile("t.wav");
    std::vector<double> s = {0.0, 0.5, -0.5, 2.0, -2.0};
    ASSERT_TRUE(audio::writeWav(path.string(), s, nullptr));
    const std::string b = readBytes(path);
    EXPECT_EQ(b.size(), 44u + 2 * s.size());
    const Wave w = readWave(path);
    ASSERT_TRUE(w.ok);
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, synth::kRate);
    EXPECT_EQ(w.bits, 16);
    ASSERT_EQ(w.samples.size(), s.size());
    EXPECT_NEAR(w.samples[1], 0.5, 1e-4);
    EXPECT_NEAR(w.samples[2], -0.5, 1e-4);
    EXPECT_EQ(static_cast<std::int16_t>(le(w.data, 6, 2)), 32767); // clamped, not wrapped
    EXPECT_EQ(static_cast<std::int16_t>(le(w.data, 8, 2)), -32767);
    // Stereo interleaves the channels.
    const std::vector<double> right = {0.25, 0.25, 0.25, 0.25, 0.25};
    ASSERT_TRUE(audio::writeWav(path.string(), s, &right));
    const Wave st = readWave(path);
    ASSERT_TRUE(st.ok);
    EXPECT_EQ(st.channels, 2);
    EXPECT_EQ(st.data.size(), 4 * s.size());
    EXPECT_NEAR(static_cast<std::int16_t>(le(st.data, 6, 2)) / 32768.0, 0.25, 1e-4);
    fs::remove(path);
}

struct Decoded {
    bool ok = false;
    std::string container, codec;
    int channels = 0, rate = 0;
    double seconds = 0;      // as the container tells it
    std::vector<double> mid; // (left + right) / 2
    std::vector<double> left, right;
};

// Opens a music file the way the game does and decodes it whole.
Decoded decodeMusic(const fs::path& path) {
    Decoded d;
    AVFormatContext* fmt = nullptr;
    if (avformat_open_input(&fmt, path.string().c_str(), nullptr, nullptr) < 0) return d;
    AVCodecContext* ctx = nullptr;
    AVPacket* pkt = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    if (avformat_find_stream_info(fmt, nullptr) >= 0 && fmt->nb_streams == 1) {
        const AVStream* st = fmt->streams[0];
        d.container = fmt->iformat->name;
        d.codec = avcodec_get_name(st->codecpar->codec_id);
        d.channels = st->codecpar->ch_layout.nb_channels;
        d.rate = st->codecpar->sample_rate;
        d.seconds = static_cast<double>(fmt->duration) / AV_TIME_BASE;
        const AVCodec* codec = avcodec_find_decoder(st->codecpar->codec_id);
        ctx = avcodec_alloc_context3(codec);
        if (codec && avcodec_parameters_to_context(ctx, st->codecpar) >= 0 &&
            avcodec_open2(ctx, codec, nullptr) >= 0 && ctx->sample_fmt == AV_SAMPLE_FMT_FLTP &&
            d.channels == 2) {
            auto take = [&] {
                while (avcodec_receive_frame(ctx, frame) == 0) {
                    const auto* l = reinterpret_cast<const float*>(frame->data[0]);
                    const auto* r = reinterpret_cast<const float*>(frame->data[1]);
                    for (int i = 0; i < frame->nb_samples; ++i) {
                        d.left.push_back(l[i]);
                        d.right.push_back(r[i]);
                        d.mid.push_back(0.5 * (l[i] + r[i]));
                    }
                }
            };
            while (av_read_frame(fmt, pkt) >= 0) {
                avcodec_send_packet(ctx, pkt);
                av_packet_unref(pkt);
                take();
            }
            avcodec_send_packet(ctx, nullptr);
            take();
            d.ok = true;
        }
    }
    av_frame_free(&frame);
    av_packet_free(&pkt);
    avcodec_free_context(&ctx);
    avformat_close_input(&fmt);
    return d;
}

TEST(SoundFilesTest, MusicFilesKeepTheirLengthAndTiming) {
    // Forty frames of a quiet tone with a loud burst at a known place: the
    // decoded file is exactly as long and the burst is where it was written.
    synth::Stereo music;
    music.resize(40 * 1024);
    const std::size_t burst = 7000;
    for (std::size_t i = 0; i < music.size(); ++i) {
        const double t = static_cast<double>(i) / synth::kRate;
        music.left[i] = 0.1 * synth::sine(330 * t);
        music.right[i] = 0.1 * synth::sine(495 * t);
        if (i >= burst && i < burst + 400) music.left[i] += 0.7 * synth::sine(1000 * t);
    }
    const fs::path path = scratchFile("t.wma");
    ASSERT_EQ(audio::writeWma(path.string(), music, 48000), "");
    const Decoded d = decodeMusic(path);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.container, "asf");
    EXPECT_EQ(d.codec, "wmav2");
    EXPECT_EQ(d.rate, synth::kRate);
    EXPECT_EQ(d.left.size(), music.size());
    std::size_t loud = 0;
    while (loud < d.left.size() && std::fabs(d.left[loud]) < 0.4)
        ++loud;
    EXPECT_NEAR(static_cast<double>(loud), static_cast<double>(burst), 24.0);
    // Faithful apart from the last frame, which the decoder can only fade.
    double err = 0;
    for (std::size_t i = 0; i + 1024 < music.size(); ++i)
        err += std::pow(d.right[i] - music.right[i], 2);
    EXPECT_LT(std::sqrt(err / static_cast<double>(music.size() - 1024)), 0.01);
    // The same music makes the same bytes.
    const fs::path again = scratchFile("u.wma");
    ASSERT_EQ(audio::writeWma(again.string(), music, 48000), "");
    EXPECT_EQ(readBytes(path), readBytes(again));
    EXPECT_NE(audio::writeWma((scratchFile("none") / "x.wma").string(), music, 48000), "");
    fs::remove(path);
    fs::remove(again);
}

// ---------------------------------------------------------------- generated sounds

fs::path gameDat() {
    return fs::path(ZB_GAME_DIR) / "dat";
}

// The music by number, under the names the game opens.
const std::vector<std::string>& musicNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> v;
        for (int n = 1; n <= kMusicPieceCount; ++n) {
            const std::string path = kMusicFiles[static_cast<std::size_t>(n)];
            v.push_back(path.substr(path.find('\\') + 1));
        }
        return v;
    }();
    return names;
}

Wave effect(int n) {
    return readWave(gameDat() / ("se" + std::to_string(n) + ".wav"));
}

// Every piece decoded once for all the tests that listen to it.
const Decoded& piece(int n) {
    static std::map<int, Decoded> cache;
    auto it = cache.find(n);
    if (it == cache.end())
        it =
            cache.emplace(n, decodeMusic(gameDat() / musicNames()[static_cast<std::size_t>(n - 1)]))
                .first;
    return it->second;
}

TEST(GeneratedSoundsTest, EveryEffectIsAShortAudiblePcmWave) {
    for (int n = 1; n <= 31; ++n) {
        SCOPED_TRACE("se" + std::to_string(n));
        const Wave w = effect(n);
        ASSERT_TRUE(w.ok);
        EXPECT_EQ(w.format, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_GE(w.rate, 11025);
        const double seconds = static_cast<double>(w.samples.size()) / w.rate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, 10.0);
        EXPECT_GT(peakOf(w.samples), 0.3);
        EXPECT_GT(rmsOf(w.samples), 0.01);
        EXPECT_LT(peakOf(w.samples), 0.999); // headroom, no clipping
    }
}

TEST(GeneratedSoundsTest, EffectsAreAllDifferent) {
    std::set<std::string> sounds;
    for (int n = 1; n <= 31; ++n)
        sounds.insert(effect(n).data);
    EXPECT_EQ(sounds.size(), 31u);
}

TEST(GeneratedSoundsTest, EffectsSuitTheirUse) {
    auto seconds = [](const Wave& w) { return static_cast<double>(w.samples.size()) / w.rate; };
    auto pitch = [](const Wave& w) { return crossingsPerSecond(w.samples, w.rate); };
    // The interface clicks and ticks are over at once.
    for (int n : {4, 8, 9, 14})
        EXPECT_LT(seconds(effect(n)), 0.25) << n;
    // The start signal: "go" is higher and longer than the count.
    const Wave count = effect(5), go = effect(6);
    EXPECT_GT(pitch(go), 1.6 * pitch(count));
    EXPECT_GT(seconds(go), seconds(count));
    EXPECT_GT(pitch(count), 500.0); // a beep, not a thud
    // Thumps, explosions and the blast are deep; the crash and the blast last.
    for (int n : {3, 27, 31})
        EXPECT_LT(pitch(effect(n)), pitch(effect(8))) << n;
    for (int n : {27, 31})
        EXPECT_GT(seconds(effect(n)), 1.5) << n;
    // The wind swells up and dies away.
    const Wave wind = effect(24);
    const std::size_t tenth = static_cast<std::size_t>(wind.rate / 10);
    const double middle =
        rmsOf(wind.samples, wind.samples.size() / 2 - tenth, wind.samples.size() / 2 + tenth);
    EXPECT_GT(middle, 3 * rmsOf(wind.samples, 0, tenth));
    EXPECT_GT(middle, 3 * rmsOf(wind.samples, wind.samples.size() - tenth));
    // The charge climbs: brighter in its second half than in its first.
    const Wave charge = effect(30);
    const std::size_t half = charge.samples.size() / 2;
    EXPECT_GT(
        crossingsPerSecond({charge.samples.begin() + half, charge.samples.end()}, charge.rate),
        2 * crossingsPerSecond({charge.samples.begin(), charge.samples.begin() + half},
                               charge.rate));
}

TEST(GeneratedSoundsTest, TheCrowdLoopHasNoSeam) {
    // Effect 21 is restarted as soon as it stops: its end must run into its start.
    const Wave crowd = effect(21);
    ASSERT_TRUE(crowd.ok);
    const std::vector<double>& s = crowd.samples;
    ASSERT_GT(s.size(), static_cast<std::size_t>(crowd.rate));
    std::vector<double> steps;
    for (std::size_t i = 1; i < s.size(); ++i)
        steps.push_back(std::fabs(s[i] - s[i - 1]));
    std::sort(steps.begin(), steps.end());
    EXPECT_LE(std::fabs(s.front() - s.back()), steps[steps.size() * 99 / 100]);
    const auto tenth = static_cast<std::size_t>(crowd.rate / 10);
    const double head = rmsOf(s, 0, tenth), tail = rmsOf(s, s.size() - tenth);
    EXPECT_GT(head, 0.4 * tail);
    EXPECT_GT(tail, 0.4 * head);
}

TEST(GeneratedSoundsTest, EveryPieceIsWindowsMediaAudioUnderItsName) {
    for (int n = 1; n <= 24; ++n) {
        const std::string& name = musicNames()[static_cast<std::size_t>(n - 1)];
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::exists(gameDat() / name));
        const Decoded& d = piece(n);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.container, "asf");
        EXPECT_EQ(d.codec, "wmav2");
        EXPECT_EQ(d.channels, 2);
        EXPECT_GE(d.seconds, 20.0);
        EXPECT_LE(d.seconds, 40.0);
        const double decoded = static_cast<double>(d.mid.size()) / d.rate;
        EXPECT_GE(decoded, 20.0);
        EXPECT_LE(decoded, 40.0);
        EXPECT_GT(rmsOf(d.mid), 0.03); // music, not silence
        EXPECT_LT(peakOf(d.left), 1.05);
        // Stereo for real: the two sides differ.
        EXPECT_NE(d.left, d.right);
    }
    // Every piece is its own.
    std::set<std::string> files;
    for (const std::string& name : musicNames())
        files.insert(readBytes(gameDat() / name));
    EXPECT_EQ(files.size(), 24u);
}

TEST(GeneratedSoundsTest, LoopedPiecesRunOnWithoutAGapOrClick) {
    for (int n = 1; n <= 23; ++n) {
        SCOPED_TRACE(musicNames()[static_cast<std::size_t>(n - 1)]);
        const Decoded& d = piece(n);
        ASSERT_TRUE(d.ok);
        const std::vector<double>& s = d.mid;
        const auto tenth = static_cast<std::size_t>(d.rate / 10);
        const double body = rmsOf(s);
        // Sound right from the start and right up to the end: no silence to
        // pad out the loop.
        EXPECT_GT(rmsOf(s, 0, tenth), 0.1 * body);
        EXPECT_GT(rmsOf(s, s.size() - tenth), 0.1 * body);
        // Whole bars of whole frames: the piece ends where a frame ends.
        EXPECT_EQ(s.size() % 1024, 0u);
        // Where the end meets the start the step is no bigger than the music's own.
        std::vector<double> steps;
        for (std::size_t i = 1; i < s.size(); ++i)
            steps.push_back(std::fabs(s[i] - s[i - 1]));
        std::sort(steps.begin(), steps.end());
        EXPECT_LE(std::fabs(s.front() - s.back()), steps[steps.size() * 999 / 1000]);
    }
}

TEST(GeneratedSoundsTest, TheEndingSongFadesOut) {
    const Decoded& d = piece(24);
    ASSERT_TRUE(d.ok);
    const auto half = static_cast<std::size_t>(d.rate / 2);
    EXPECT_GT(rmsOf(d.mid, 0, half), 0.02); // it starts at once
    EXPECT_LT(rmsOf(d.mid, d.mid.size() - half), 0.05 * rmsOf(d.mid));
}

TEST(GeneratedSoundsTest, RaceThemesRiseInIntensityAndCalmPiecesStayQuiet) {
    // The races' music grows with the story: each theme is louder than the last.
    std::vector<double> race;
    for (int n = 3; n <= 6; ++n)
        race.push_back(rmsOf(piece(n).mid));
    for (std::size_t i = 1; i < race.size(); ++i)
        EXPECT_GT(race[i], race[i - 1]) << "race theme " << i + 3;
    // The map, the school, the tender and the wistful scenes are gentler than any race.
    for (int n : {2, 7, 14, 19, 20})
        EXPECT_LT(rmsOf(piece(n).mid), race.front()) << n;
}

TEST(GeneratedSoundsTest, ThePackStaysSmall) {
    std::uintmax_t total = 0;
    for (const std::string& name : musicNames())
        total += fs::file_size(gameDat() / name);
    for (int n = 1; n <= 31; ++n)
        total += fs::file_size(gameDat() / ("se" + std::to_string(n) + ".wav"));
    EXPECT_LT(total, 8u * 1024 * 1024); // about 4.7 MB of music and 2 MB of effects
}

} // namespace
} // namespace zb
