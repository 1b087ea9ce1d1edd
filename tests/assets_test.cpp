// The pictures the game draws itself: the painting helpers, the form's stock
// pictures, and the picture files written by the generator at build time.

#include "app/StockPictures.h"
#include "ui/Draw.h"
#include "ui/Font.h"
#include "ui/Image.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <set>
#include <string>
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
        {"fsinfo", 200, 18, true},        {"textinfo", 260, 20, true},
        {"wakuImg1", 516, 22, true},      {"wakuImg2", 516, 22, true},
        {"waku2", 516, 30, true},         {"eye", 26, 24, true},
        {"wakuTop", 460, 6, false},       {"wakuBottom", 460, 6, false},
        {"wakuLeft", 6, 230, false},      {"wakuRight", 6, 230, false},
        {"map_arrow_up", 26, 16, true},   {"map_arrow_down", 26, 16, true},
        {"map_arrow_left", 16, 26, true}, {"map_arrow_right", 16, 26, true},
        {"saveBack", 266, 91, false},     {"dataCursor1", 248, 19, true},
        {"dataCursor2", 248, 19, true},   {"dataCursor3", 248, 19, true},
        {"selectBack", 136, 48, false},   {"selectCursor1", 118, 19, true},
        {"selectCursor2", 118, 19, true}, {"selectCursor3", 118, 19, true},
        {"settingButton1", 26, 21, true}, {"settingButton2", 26, 21, true},
        {"saveButton1", 26, 21, true},    {"saveButton2", 26, 21, true},
        {"saveinfo", 50, 14, true},       {"cursor", 10, 9, true},
        {"endPict", 50, 30, true},        {"star", 70, 50, true},
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

TEST_F(StockPicturesTest, MessageFrameLetsTheNameAreaBeReadAndTheTopSeeThrough) {
    // The speaker's name is written in white over the frame's tab, 6 pixels down.
    const Image& waku = *stock().get("wakuImg1");
    for (int y = 8; y < 18; ++y)
        for (int x = 8; x < 120; ++x)
            EXPECT_LT(draw::red(waku.at(x, y)) + draw::green(waku.at(x, y)), 260);
    EXPECT_EQ(waku.at(400, 2), kKey); // the scene shows above the bar
    EXPECT_NE(waku.at(400, 20), kKey);
}

// ---------------------------------------------------------------- generated files

struct FileEntry {
    std::string name;
    int width;
    int height;
    bool keyed;
};

std::vector<FileEntry> generatedFiles() {
    std::vector<FileEntry> files = {{"title.bmp", 514, 385, false}, {"map1.bmp", 920, 680, false}};
    for (int n = 1; n <= 16; ++n)
        files.push_back({"back" + twoDigits(n) + ".bmp", 514, 385, false});
    for (int f = 1; f <= 3; ++f)
        files.push_back({"PIZZA" + std::to_string(f) + ".bmp", 112, 82, true});
    for (int n = 1; n <= 20; ++n)
        files.push_back({"icon_" + twoDigits(n) + ".bmp", 70, 50, true});
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
        EXPECT_EQ(img->width, f.width);
        EXPECT_EQ(img->height, f.height);
        if (f.keyed) {
            EXPECT_EQ(img->transparentColour(), kKey);
            EXPECT_GT(img->width * img->height - countColour(*img, kKey),
                      img->width * img->height / 10);
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

TEST(GeneratedAssetsTest, TwoRunsWriteTheSameBytesAsTheBuild) {
    ASSERT_TRUE(fs::exists(kAssetgen)) << kAssetgen;
    const fs::path base = fs::temp_directory_path() / ("zb_assets_" + std::to_string(getpid()));
    fs::remove_all(base);
    const fs::path a = base / "a", b = base / "b";
    for (const fs::path& dir : {a, b}) {
        const std::string cmd =
            std::string("\"") + kAssetgen + "\" \"" + dir.string() + "\" > /dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    int files = 0;
    for (const auto& entry : fs::directory_iterator(a / "img")) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const std::string bytes = readBytes(entry.path());
        EXPECT_FALSE(bytes.empty());
        EXPECT_EQ(bytes, readBytes(b / "img" / name));
        EXPECT_EQ(bytes, readBytes(gameImg() / name)); // the game folder is up to date
        ++files;
    }
    EXPECT_EQ(files, static_cast<int>(generatedFiles().size()));
    EXPECT_TRUE(fs::is_directory(a / "dat"));
    fs::remove_all(base);
}

TEST(GeneratedAssetsTest, GeneratorRefusesAMissingArgument) {
    ASSERT_TRUE(fs::exists(kAssetgen));
    const std::string cmd = std::string("\"") + kAssetgen + "\" > /dev/null 2>&1";
    EXPECT_NE(std::system(cmd.c_str()), 0);
}

} // namespace
} // namespace zb
