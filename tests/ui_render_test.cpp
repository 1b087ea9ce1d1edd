// The software renderer: bitmap files, the canvas primitives, the walk over the
// control tree, how each control kind looks, and Japanese text.

#include "ui/Control.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Renderer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace zb {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kBlack = rgb(0, 0, 0);
constexpr std::uint32_t kRed = rgb(255, 0, 0);
constexpr std::uint32_t kGreen = rgb(0, 255, 0);
constexpr std::uint32_t kBlue = rgb(0, 0, 255);
constexpr std::uint32_t kMagenta = rgb(255, 0, 255);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);

const char* const kGothic = "ＭＳ ゴシック";
const char* const kPGothic = "ＭＳ Ｐゴシック";

// A picture whose every pixel is different from its neighbours.
Image patterned(int w, int h) {
    Image img(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.at(x, y) = rgb(x * 37 + 11, y * 53 + 7, (x * 13) ^ (y * 29));
    return img;
}

int count(const Image& img, const std::function<bool(int, int, std::uint32_t)>& pred) {
    int n = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (pred(x, y, img.at(x, y))) ++n;
    return n;
}

int countColour(const Image& img, std::uint32_t c) {
    return count(img, [c](int, int, std::uint32_t p) { return p == c; });
}

bool lit(std::uint32_t p) {
    return (p & 0x00FFFFFFu) != 0;
}

struct Bounds {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN; // inclusive
    bool any() const { return x1 >= x0; }
};

Bounds litBounds(const Image& img, std::uint32_t background = kBlack) {
    Bounds b;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (img.at(x, y) != background) {
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x);
                b.y1 = std::max(b.y1, y);
            }
    return b;
}

// A private folder for the files a test writes, removed afterwards.
class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        path_ = fs::temp_directory_path() /
                ("zb_render_" + std::to_string(rd()) + "_" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

  private:
    fs::path path_;
};

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::shared_ptr<Image> sharedImage(Image img) {
    return std::make_shared<Image>(std::move(img));
}

// ---------------------------------------------------------------------------
// Image

TEST(ImageTest, ConstructionFillsAndNegativeSizesGiveAnEmptyImage) {
    const Image img(3, 2, 0x123456);
    EXPECT_EQ(img.pixels.size(), 6u);
    EXPECT_EQ(countColour(img, 0x123456), 6);
    const Image none(-4, 5, 1);
    EXPECT_TRUE(none.empty());
    EXPECT_TRUE(none.pixels.empty());
}

TEST(ImageTest, FillRectIsClippedToTheImage) {
    Image img(10, 10, kBlack);
    img.fillRect(-3, -3, 5, 5, kRed); // only 2 x 2 lies inside
    EXPECT_EQ(countColour(img, kRed), 4);
    EXPECT_EQ(img.at(1, 1), kRed);
    EXPECT_EQ(img.at(2, 2), kBlack);
    img.fillRect(8, 9, 100, 100, kGreen); // 2 x 1 inside
    EXPECT_EQ(countColour(img, kGreen), 2);
    img.fillRect(INT_MAX - 1, 0, 10, 10, kBlue); // far away: must neither wrap nor crash
    img.fillRect(3, 3, -5, 4, kBlue);
    img.fillRect(0, 0, INT_MAX, 0, kBlue);
    EXPECT_EQ(countColour(img, kBlue), 0);
    img.fill(kWhite);
    EXPECT_EQ(countColour(img, kWhite), 100);
}

TEST(ImageTest, FillRectCoversExactlyItsRectangleForEveryWidth) {
    // Wide fills are built in pieces; every width must come out exact.
    for (int w = 1; w <= 70; ++w) {
        Image img(80, 4, kBlack);
        img.fillRect(3, 1, w, 2, kRed);
        EXPECT_EQ(countColour(img, kRed), 2 * w) << w;
        EXPECT_EQ(count(img,
                        [w](int x, int y, std::uint32_t p) {
                            const bool inside = x >= 3 && x < 3 + w && y >= 1 && y < 3;
                            return inside != (p == kRed);
                        }),
                  0)
            << w;
    }
}

// ---------------------------------------------------------------------------
// Bitmap files

TEST(ImageFileTest, BmpRoundTripKeepsEveryPixel) {
    TempDir dir;
    const Image src = patterned(7, 5); // odd width: rows need padding in the file
    const std::string path = dir.file("pattern.bmp");
    ASSERT_TRUE(saveBmp(src, path));
    const std::string bytes = readBytes(path);
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24); // bits per pixel
    const ImagePtr back = loadImageFile(path);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->width, 7);
    EXPECT_EQ(back->height, 5);
    EXPECT_EQ(back->pixels, src.pixels);
}

TEST(ImageFileTest, APngIsWrittenForScreenshotsButNeverReadAsAPicture) {
    TempDir dir;
    const std::string path = dir.file("pattern.png");
    ASSERT_TRUE(savePng(patterned(9, 4), path));
    EXPECT_EQ(readBytes(path).substr(1, 3), "PNG");
    EXPECT_EQ(loadImageFile(path), nullptr);
    writeBytes(dir.file("pattern.bmp"), readBytes(path)); // named as the game names pictures
    EXPECT_EQ(loadImageFile(dir.file("pattern.bmp")), nullptr) << "a PNG named .bmp";
}

// A Windows bitmap with a header of 40 bytes, `palette` colours and the rows
// given (bottom row first, each padded to four bytes by the caller).
std::string bitmap(int w, int h, int bpp, int compression, const std::string& palette,
                   const std::string& rows) {
    auto le = [](std::uint32_t v, int n) {
        std::string out;
        for (int i = 0; i < n; ++i)
            out += static_cast<char>((v >> (8 * i)) & 0xff);
        return out;
    };
    const auto offset = static_cast<std::uint32_t>(14 + 40 + palette.size());
    return "BM" + le(offset + static_cast<std::uint32_t>(rows.size()), 4) + le(0, 4) +
           le(offset, 4) + le(40, 4) + le(static_cast<std::uint32_t>(w), 4) +
           le(static_cast<std::uint32_t>(h), 4) + le(1, 2) +
           le(static_cast<std::uint32_t>(bpp), 2) + le(static_cast<std::uint32_t>(compression), 4) +
           le(static_cast<std::uint32_t>(rows.size()), 4) + le(2835, 4) + le(2835, 4) +
           le(static_cast<std::uint32_t>(palette.size() / 4), 4) + le(0, 4) + palette + rows;
}

TEST(ImageFileTest, OnlyWellFormedBitmapsOfASaneSizeAreRead) {
    TempDir dir;
    auto load = [&](const std::string& name, const std::string& bytes) {
        writeBytes(dir.file(name), bytes);
        return loadImageFile(dir.file(name));
    };
    // An 8-bit bitmap with a palette of two colours (blue, then red; BGR0).
    const std::string palette = std::string("\xff\x00\x00\x00\x00\x00\xff\x00", 8);
    const std::string rows = std::string("\x00\x01\x00\x00\x01\x00\x00\x00", 8);
    const ImagePtr eight = load("eight.bmp", bitmap(2, 2, 8, 0, palette, rows));
    ASSERT_NE(eight, nullptr) << "a palette bitmap is read";
    EXPECT_EQ(eight->at(0, 1), rgb(0, 0, 255)) << "the bottom row comes first";
    EXPECT_EQ(eight->at(1, 1), rgb(255, 0, 0));
    EXPECT_EQ(eight->at(0, 0), rgb(255, 0, 0));

    // What is not a bitmap, or claims more than any picture of the game needs,
    // is refused before anything is decoded.
    EXPECT_EQ(load("rle.bmp", bitmap(2, 2, 8, 1, palette, std::string(8, '\0'))), nullptr)
        << "run-length bitmaps";
    const std::string wide(3 * 5000 + 0, '\0');
    EXPECT_EQ(load("wide.bmp", bitmap(5000, 1, 24, 0, "", wide)), nullptr) << "wider than 4096";
    EXPECT_EQ(load("huge.bmp", bitmap(100000, 100000, 24, 0, "", std::string(64, '\0'))), nullptr);
    EXPECT_EQ(load("deep.bmp", bitmap(2, 2, 7, 0, "", std::string(16, '\0'))), nullptr)
        << "a depth Windows never writes";
    std::string tga(18, '\0'); // run-length true-colour, 13904 x 12810
    tga[2] = 10;
    tga[12] = static_cast<char>(13904 & 0xff);
    tga[13] = static_cast<char>(13904 >> 8);
    tga[14] = static_cast<char>(12810 & 0xff);
    tga[15] = static_cast<char>(12810 >> 8);
    tga[16] = 24;
    EXPECT_EQ(load("tga.bmp", tga + std::string(36, '\x7f')), nullptr);
    EXPECT_EQ(load("gif.bmp",
                   std::string("GIF89a\xff\xff\xff\xff\x00\x00\x00", 13) + std::string(27, '\0')),
              nullptr);
    EXPECT_EQ(load("pgm.bmp", std::string("P5\n2 2455\n65535\n") + std::string(9, '\x01')),
              nullptr);
    EXPECT_EQ(load("pnm.bmp", "P6\n99999999999 99999999999\n255\n" + std::string(40, '\0')),
              nullptr);
}

TEST(ImageFileTest, MissingOrNonPictureFilesGiveNull) {
    TempDir dir;
    EXPECT_EQ(loadImageFile(dir.file("missing.bmp")), nullptr);
    writeBytes(dir.file("text.bmp"), "this is the shop's price list, not a picture\n");
    EXPECT_EQ(loadImageFile(dir.file("text.bmp")), nullptr);
    writeBytes(dir.file("empty.bmp"), "");
    EXPECT_EQ(loadImageFile(dir.file("empty.bmp")), nullptr);
    EXPECT_EQ(loadImageFile(dir.file("")), nullptr); // the folder itself

    // A real bitmap cut off after its headers.
    ASSERT_TRUE(saveBmp(patterned(16, 16), dir.file("whole.bmp")));
    writeBytes(dir.file("cut.bmp"), readBytes(dir.file("whole.bmp")).substr(0, 60));
    EXPECT_EQ(loadImageFile(dir.file("cut.bmp")), nullptr);
    // Only the last row's padding missing: every pixel is there, so it loads.
    const Image odd = patterned(7, 3); // 21 bytes of pixels in 24-byte rows
    ASSERT_TRUE(saveBmp(odd, dir.file("odd.bmp")));
    const std::string oddBytes = readBytes(dir.file("odd.bmp"));
    writeBytes(dir.file("nopad.bmp"), oddBytes.substr(0, oddBytes.size() - 3));
    const ImagePtr nopad = loadImageFile(dir.file("nopad.bmp"));
    ASSERT_NE(nopad, nullptr);
    EXPECT_EQ(nopad->pixels, odd.pixels);
    writeBytes(dir.file("short.bmp"), oddBytes.substr(0, oddBytes.size() - 4));
    EXPECT_EQ(loadImageFile(dir.file("short.bmp")), nullptr);
}

TEST(ImageFileTest, SavingFailsForAnEmptyImageOrAnUnwritablePath) {
    TempDir dir;
    EXPECT_FALSE(saveBmp(Image(), dir.file("none.bmp")));
    EXPECT_FALSE(savePng(Image(0, 3), dir.file("none.png")));
    EXPECT_FALSE(saveBmp(patterned(2, 2), dir.file("no/such/folder/x.bmp")));
    EXPECT_FALSE(savePng(patterned(2, 2), dir.file("no/such/folder/x.png")));
}

// ---------------------------------------------------------------------------
// Canvas

TEST(CanvasTest, ClipRectIntersection) {
    const ClipRect a{0, 0, 10, 10};
    const ClipRect b{5, -3, 10, 6};
    const ClipRect i = a.intersect(b);
    EXPECT_EQ(i.x, 5);
    EXPECT_EQ(i.y, 0);
    EXPECT_EQ(i.w, 5);
    EXPECT_EQ(i.h, 3);
    EXPECT_TRUE(a.intersect(ClipRect{10, 0, 5, 5}).empty()); // touching edges only
    EXPECT_TRUE(a.intersect(ClipRect{-20, -20, 5, 5}).empty());
    const ClipRect inner{2, 3, 4, 5};
    const ClipRect same = a.intersect(inner);
    EXPECT_EQ(same.x, 2);
    EXPECT_EQ(same.y, 3);
    EXPECT_EQ(same.w, 4);
    EXPECT_EQ(same.h, 5);
}

TEST(CanvasTest, FillAndFrameStayInsideTheClip) {
    Image img(20, 20, kBlack);
    Canvas c{img, {5, 5, 10, 10}};
    c.fillRect(-100, -100, 300, 300, kRed);
    EXPECT_EQ(countColour(img, kRed), 100);
    EXPECT_EQ(img.at(4, 4), kBlack);
    EXPECT_EQ(img.at(5, 5), kRed);
    EXPECT_EQ(img.at(14, 14), kRed);
    EXPECT_EQ(img.at(15, 15), kBlack);

    Image f(12, 12, kBlack);
    Canvas fc{f, {0, 0, 12, 12}};
    fc.frameRect(1, 1, 10, 10, kGreen, 2);
    EXPECT_EQ(countColour(f, kGreen), 100 - 36);
    EXPECT_EQ(f.at(1, 1), kGreen);
    EXPECT_EQ(f.at(2, 5), kGreen);
    EXPECT_EQ(f.at(3, 3), kBlack); // inside the frame
    EXPECT_EQ(f.at(10, 10), kGreen);
    EXPECT_EQ(f.at(11, 11), kBlack);
}

TEST(CanvasTest, BlitAtNegativePositionShowsTheRightPart) {
    const Image src = patterned(4, 4);
    Image img(6, 6, kBlack);
    Canvas c{img, {0, 0, 6, 6}};
    c.blit(src, -2, -1);
    EXPECT_EQ(img.at(0, 0), src.at(2, 1));
    EXPECT_EQ(img.at(1, 2), src.at(3, 3));
    EXPECT_EQ(img.at(2, 0), kBlack);
    EXPECT_EQ(img.at(0, 3), kBlack);
    EXPECT_EQ(count(img, [](int, int, std::uint32_t p) { return p != kBlack; }), 2 * 3);
}

TEST(CanvasTest, BlitHonoursClipAndTargetEdges) {
    const Image src = patterned(8, 8);
    Image img(10, 10, kBlack);
    Canvas c{img, {3, 2, 4, 100}}; // clip reaches beyond the image bottom
    c.blit(src, 5, 5);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 5 && x < 7 && y >= 5;
            EXPECT_EQ(img.at(x, y), inside ? src.at(x - 5, y - 5) : kBlack) << x << "," << y;
        }
}

TEST(CanvasTest, KeyedBlitLeavesTheKeyColourOut) {
    Image src(6, 4, kRed);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            if ((x + y) % 2 == 0) src.at(x, y) = kMagenta;
    Image img(6, 4, kBlue);
    Canvas c{img, {0, 0, 6, 4}};
    c.blit(src, 0, 0, true, kMagenta);
    EXPECT_EQ(countColour(img, kMagenta), 0);
    EXPECT_EQ(countColour(img, kRed), 12);
    EXPECT_EQ(countColour(img, kBlue), 12);
    EXPECT_EQ(img.at(0, 0), kBlue);
    EXPECT_EQ(img.at(1, 0), kRed);

    Image plain(6, 4, kBlue);
    Canvas pc{plain, {0, 0, 6, 4}};
    pc.blit(src, 0, 0, false, kMagenta); // not keyed: the key means nothing
    EXPECT_EQ(countColour(plain, kMagenta), 12);
}

TEST(CanvasTest, StretchBlitUsesNearestNeighbour) {
    Image src(2, 2);
    src.at(0, 0) = kRed;
    src.at(1, 0) = kGreen;
    src.at(0, 1) = kBlue;
    src.at(1, 1) = kWhite;
    Image img(6, 4, kBlack);
    Canvas c{img, {0, 0, 6, 4}};
    c.stretchBlit(src, 0, 0, 6, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(img.at(x, y), src.at(x / 3, y / 2)) << x << "," << y;

    // Shrinking picks every other pixel.
    const Image big = patterned(8, 8);
    Image small(4, 4, kBlack);
    Canvas sc{small, {0, 0, 4, 4}};
    sc.stretchBlit(big, 0, 0, 4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(small.at(x, y), big.at(x * 2, y * 2));
}

TEST(CanvasTest, StretchBlitClipsWithoutShiftingTheSource) {
    Image src(2, 2);
    src.at(0, 0) = kRed;
    src.at(1, 0) = kGreen;
    src.at(0, 1) = kBlue;
    src.at(1, 1) = kMagenta;
    Image img(4, 4, kBlack);
    Canvas c{img, {1, 1, 3, 3}};
    c.stretchBlit(src, -2, -2, 8, 8, true, kMagenta); // 4 x 4 blocks, top-left off-screen
    EXPECT_EQ(img.at(0, 0), kBlack);                  // outside the clip
    EXPECT_EQ(img.at(1, 1), kRed);                    // destination (3, 3) -> source (0, 0)
    EXPECT_EQ(img.at(2, 1), kGreen);                  // destination (4, 3) -> source (1, 0)
    EXPECT_EQ(img.at(1, 2), kBlue);
    EXPECT_EQ(img.at(2, 2), kBlack); // keyed magenta left out
    EXPECT_EQ(img.at(3, 3), kBlack);
    c.stretchBlit(src, 0, 0, 0, 5); // zero size draws nothing
    c.stretchBlit(src, 0, 0, -3, -3);
    EXPECT_EQ(img.at(2, 2), kBlack);
}

// ---------------------------------------------------------------------------
// Walking the tree

TEST(RenderTreeTest, ChildrenPaintBackToFrontLastOnTop) {
    Panel root("root");
    root.setBounds(0, 0, 20, 20);
    root.colour = kBlack;
    auto& a = root.add<Panel>("a");
    a.setBounds(0, 0, 10, 10);
    a.colour = kRed;
    auto& b = root.add<Panel>("b");
    b.setBounds(5, 5, 10, 10);
    b.colour = kGreen;
    Image frame(20, 20, kWhite);
    renderTree(root, frame);
    EXPECT_EQ(frame.at(2, 2), kRed);
    EXPECT_EQ(frame.at(7, 7), kGreen);
    EXPECT_EQ(frame.at(14, 14), kGreen);
    EXPECT_EQ(frame.at(15, 15), kBlack);
    EXPECT_EQ(countColour(frame, kWhite), 0);

    a.bringToFront();
    renderTree(root, frame);
    EXPECT_EQ(frame.at(7, 7), kRed);
}

TEST(RenderTreeTest, ChildrenAreClippedToTheirParentIncludingNegativePositions) {
    Panel root("root");
    root.setBounds(0, 0, 40, 40);
    root.colour = kBlack;
    auto& parent = root.add<Panel>("parent");
    parent.setBounds(10, 10, 10, 10);
    parent.colour = kRed;
    auto& over = parent.add<Panel>("over");
    over.setBounds(5, 5, 20, 20); // runs past the parent's right and bottom
    over.colour = kGreen;
    auto& before = parent.add<Panel>("before");
    before.setBounds(-5, -5, 8, 8); // starts above and left of the parent
    before.colour = kBlue;
    auto& grandchild = over.add<Panel>("grandchild");
    grandchild.setBounds(3, 3, 30, 30); // clipped by both its parent and the grandparent
    grandchild.colour = kWhite;

    Image frame(40, 40, kMagenta);
    renderTree(root, frame);
    // Nothing escapes the parent's 10 x 10 square.
    EXPECT_EQ(count(frame,
                    [](int x, int y, std::uint32_t p) {
                        const bool inParent = x >= 10 && x < 20 && y >= 10 && y < 20;
                        return !inParent && p != kBlack;
                    }),
              0);
    EXPECT_EQ(countColour(frame, kBlue), 3 * 3);
    EXPECT_EQ(frame.at(10, 10), kBlue);
    EXPECT_EQ(frame.at(12, 12), kBlue);
    EXPECT_EQ(frame.at(13, 13), kRed);
    EXPECT_EQ(frame.at(15, 15), kGreen);
    EXPECT_EQ(countColour(frame, kWhite), 2 * 2); // (18..19, 18..19)
    EXPECT_EQ(frame.at(19, 19), kWhite);
    EXPECT_EQ(frame.at(20, 20), kBlack);
}

TEST(RenderTreeTest, OriginOffsetAndFrameEdges) {
    Panel root("root");
    root.setBounds(0, 0, 10, 10);
    root.colour = kRed;
    Image frame(12, 12, kBlack);
    renderTree(root, frame, 5, -3);
    EXPECT_EQ(countColour(frame, kRed), 7 * 7);
    EXPECT_EQ(frame.at(5, 0), kRed);
    EXPECT_EQ(frame.at(11, 6), kRed);
    EXPECT_EQ(frame.at(4, 0), kBlack);
    EXPECT_EQ(frame.at(5, 7), kBlack);
}

TEST(RenderTreeTest, HiddenControlsAndTheirChildrenPaintNothing) {
    Panel root("root");
    root.setBounds(0, 0, 20, 20);
    root.colour = kBlack;
    auto& hidden = root.add<Panel>("hidden");
    hidden.setBounds(2, 2, 10, 10);
    hidden.colour = kRed;
    hidden.visible = false;
    auto& child = hidden.add<Panel>("child");
    child.setBounds(0, 0, 5, 5);
    child.colour = kGreen; // visible itself, but its parent is not
    Image frame(20, 20, kWhite);
    renderTree(root, frame);
    EXPECT_EQ(countColour(frame, kBlack), 400);

    hidden.visible = true;
    renderTree(root, frame);
    EXPECT_EQ(countColour(frame, kRed), 100 - 25);
    EXPECT_EQ(countColour(frame, kGreen), 25);

    root.visible = false;
    Image untouched(20, 20, kWhite);
    renderTree(root, untouched);
    EXPECT_EQ(countColour(untouched, kWhite), 400);
}

// ---------------------------------------------------------------------------
// Control looks

TEST(PaintTest, FormAndPanelColoursAndATransparentPanel) {
    Form form("form");
    form.setBounds(0, 0, 30, 20);
    form.colour = rgb(10, 10, 10);
    auto& glass = form.add<Panel>("glass");
    glass.setBounds(0, 0, 30, 20);
    glass.colour = kRed;
    glass.transparentBackground = true;
    auto& inner = glass.add<Panel>("inner");
    inner.setBounds(5, 5, 4, 4);
    inner.colour = kGreen;
    Image frame(30, 20, kWhite);
    renderTree(form, frame);
    EXPECT_EQ(countColour(frame, kRed), 0);
    EXPECT_EQ(countColour(frame, kGreen), 16);
    EXPECT_EQ(countColour(frame, rgb(10, 10, 10)), 600 - 16);

    glass.transparentBackground = false;
    renderTree(form, frame);
    EXPECT_EQ(countColour(frame, kRed), 600 - 16);
}

TEST(PaintTest, PictureShowsABitmapLoadedFromFile) {
    TempDir dir;
    const Image art = patterned(12, 9);
    ASSERT_TRUE(saveBmp(art, dir.file("title.bmp")));
    Panel root("root");
    root.setBounds(0, 0, 40, 30);
    auto& pic = root.add<Picture>("pic");
    pic.autoSize = true;
    pic.setPos(7, 4);
    pic.setPicture(loadImageFile(dir.file("title.bmp")));
    ASSERT_NE(pic.picture(), nullptr);
    Image frame(40, 30, kBlack);
    renderTree(root, frame);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(frame.at(7 + x, 4 + y), art.at(x, y));
    EXPECT_EQ(frame.at(6, 4), kBlack);
    EXPECT_EQ(frame.at(19, 4), kBlack);
}

TEST(PaintTest, TransparentPictureLeavesOutTheBottomLeftColour) {
    // The key is whatever colour the bottom-left pixel has, wherever it appears.
    Image art(4, 3, kRed);
    art.at(0, 2) = kMagenta; // bottom-left
    art.at(2, 0) = kMagenta;
    art.at(3, 1) = kGreen;
    Panel root("root");
    root.setBounds(0, 0, 4, 3);
    root.colour = kBlue;
    auto& pic = root.add<Picture>("pic");
    pic.setBounds(0, 0, 4, 3);
    pic.transparent = true;
    pic.setPicture(sharedImage(art));
    Image frame(4, 3, kBlack);
    renderTree(root, frame);
    EXPECT_EQ(frame.at(0, 2), kBlue);
    EXPECT_EQ(frame.at(2, 0), kBlue);
    EXPECT_EQ(frame.at(3, 1), kGreen);
    EXPECT_EQ(countColour(frame, kBlue), 2);
    EXPECT_EQ(countColour(frame, kMagenta), 0);

    // Another bottom-left colour: now green is the hole and magenta shows.
    art.at(0, 2) = kGreen;
    pic.setPicture(sharedImage(art));
    renderTree(root, frame);
    EXPECT_EQ(frame.at(2, 0), kMagenta);
    EXPECT_EQ(frame.at(3, 1), kBlue);
    EXPECT_EQ(frame.at(0, 2), kBlue);

    pic.transparent = false;
    renderTree(root, frame);
    EXPECT_EQ(countColour(frame, kBlue), 0);
}

TEST(PaintTest, PictureCentreStretchClipAndNoPicture) {
    Image art(2, 2);
    art.at(0, 0) = kRed;
    art.at(1, 0) = kGreen;
    art.at(0, 1) = kBlue;
    art.at(1, 1) = kWhite;
    Panel root("root");
    root.setBounds(0, 0, 10, 10);
    root.colour = kBlack;
    auto& pic = root.add<Picture>("pic");
    pic.setBounds(1, 1, 6, 4);
    pic.center = true;
    pic.setPicture(sharedImage(art));
    Image frame(10, 10, kBlack);
    renderTree(root, frame);
    EXPECT_EQ(frame.at(3, 2), kRed); // 1 + (6 - 2) / 2, 1 + (4 - 2) / 2
    EXPECT_EQ(frame.at(4, 3), kWhite);
    EXPECT_EQ(count(frame, [](int, int, std::uint32_t p) { return p != kBlack; }), 4);

    pic.stretch = true; // stretching wins over centring
    renderTree(root, frame);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(frame.at(1 + x, 1 + y), art.at(x / 3, y / 2));

    // Without stretch a picture bigger than its control shows its top-left part.
    const Image big = patterned(8, 8);
    pic.stretch = false;
    pic.center = false;
    pic.setBounds(1, 1, 3, 2);
    pic.setPicture(sharedImage(big));
    frame.fill(kBlack);
    renderTree(root, frame);
    EXPECT_EQ(frame.at(1, 1), big.at(0, 0));
    EXPECT_EQ(frame.at(3, 2), big.at(2, 1));
    EXPECT_EQ(frame.at(4, 1), kBlack);
    EXPECT_EQ(frame.at(1, 3), kBlack);

    pic.setPicture(nullptr);
    frame.fill(kMagenta);
    renderTree(root, frame);
    EXPECT_EQ(countColour(frame, kBlack), 100); // only the panel
}

TEST(PaintTest, LabelBackgroundAndAlignment) {
    Panel root("root");
    root.setBounds(0, 0, 200, 30);
    root.colour = kBlack;
    auto& label = root.add<Label>("label");
    label.font = FontSpec{kPGothic, 12, false};
    label.fontColour = kWhite;
    label.autoSize = false;
    label.setBounds(0, 5, 200, 16);
    label.setCaption("SLOT 1 -");
    const int tw = FontEngine::instance().measure(label.font, "SLOT 1 -").width;
    ASSERT_GT(tw, 10);
    ASSERT_LT(tw, 150);

    Image frame(200, 30, kBlack);
    renderTree(root, frame);
    const Bounds left = litBounds(frame);
    ASSERT_TRUE(left.any());
    EXPECT_LT(left.x0, 3);
    EXPECT_LT(left.x1, tw);
    EXPECT_GE(left.y0, 5);

    label.alignment = Alignment::Right;
    frame.fill(kBlack);
    renderTree(root, frame);
    const Bounds right = litBounds(frame);
    ASSERT_TRUE(right.any());
    EXPECT_GE(right.x0, 200 - tw);
    EXPECT_GT(right.x1, 195);
    EXPECT_EQ(right.x1 - right.x0, left.x1 - left.x0); // same text, only moved

    label.alignment = Alignment::Center;
    frame.fill(kBlack);
    renderTree(root, frame);
    const Bounds mid = litBounds(frame);
    EXPECT_NEAR(mid.x0 - left.x0, (200 - tw) / 2, 1);

    label.transparent = false;
    label.colour = kBlue;
    renderTree(root, frame);
    EXPECT_EQ(frame.at(1, 5), kBlue);
    EXPECT_EQ(frame.at(199, 20), kBlue);
    EXPECT_EQ(frame.at(1, 4), kBlack);
    EXPECT_EQ(frame.at(1, 21), kBlack);
}

// The caption's bright pixels, as a mask.
std::vector<bool> brightMask(const Image& img) {
    std::vector<bool> m(img.pixels.size());
    for (std::size_t i = 0; i < m.size(); ++i)
        m[i] = (img.pixels[i] & 255) > 200;
    return m;
}

TEST(PaintTest, ButtonLooksRaisedAndSinksWhenPressed) {
    Panel root("root");
    root.setBounds(0, 0, 120, 40);
    root.colour = kBlack;
    auto& button = root.add<Button>("newGameButton");
    button.setBounds(10, 5, 100, 25);
    button.caption = "ニューゲーム";
    button.font = FontSpec{kPGothic, 12, false};
    Image up(120, 40, kBlack);
    renderTree(root, up);
    button.pressed = true;
    Image down(120, 40, kBlack);
    renderTree(root, down);

    // Dark face; the bevel's light and shadow change sides when pressed.
    EXPECT_EQ(up.at(12, 7), rgb(32, 32, 32));
    EXPECT_EQ(up.at(10, 5), down.at(109, 29));
    EXPECT_EQ(up.at(109, 29), down.at(10, 5));
    EXPECT_NE(up.at(10, 5), up.at(109, 29));
    EXPECT_GT(up.at(10, 15) & 255, up.at(109, 15) & 255); // light on the left when raised

    // The caption is white, centred, and moves one pixel down and right.
    const std::vector<bool> mu = brightMask(up);
    const std::vector<bool> md = brightMask(down);
    Bounds text;
    int brightInside = 0;
    for (int y = 7; y < 27; ++y)
        for (int x = 12; x < 107; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * 120 + x;
            const std::size_t j = static_cast<std::size_t>(y + 1) * 120 + (x + 1);
            EXPECT_EQ(mu[i], md[j]) << x << "," << y;
            if (mu[i]) {
                ++brightInside;
                text.x0 = std::min(text.x0, x);
                text.x1 = std::max(text.x1, x);
                text.y0 = std::min(text.y0, y);
                text.y1 = std::max(text.y1, y);
            }
        }
    ASSERT_GT(brightInside, 20);
    EXPECT_NEAR((text.x0 + text.x1) / 2.0, 60.0, 3.0);
    EXPECT_NEAR((text.y0 + text.y1) / 2.0, 17.5, 3.0);
    EXPECT_GT(countColour(up, kWhite), 0);
}

TEST(PaintTest, ShapeFillOutlineAndHollow) {
    Panel root("root");
    root.setBounds(0, 0, 20, 20);
    root.colour = kBlack;
    auto& shape = root.add<Shape>("shape");
    shape.setBounds(2, 2, 12, 10);
    shape.brush = kRed;
    shape.pen = kGreen;
    shape.penWidth = 3;
    Image frame(20, 20, kBlack);
    renderTree(root, frame);
    EXPECT_EQ(countColour(frame, kGreen), 12 * 10 - 6 * 4);
    EXPECT_EQ(countColour(frame, kRed), 6 * 4);
    EXPECT_EQ(frame.at(4, 4), kGreen);
    EXPECT_EQ(frame.at(5, 5), kRed);

    shape.hollow = true;
    frame.fill(kBlack);
    renderTree(root, frame);
    EXPECT_EQ(countColour(frame, kRed), 0);
    EXPECT_EQ(frame.at(5, 5), kBlack);
    EXPECT_EQ(countColour(frame, kGreen), 12 * 10 - 6 * 4);
}

// ---------------------------------------------------------------------------
// Text

TEST(FontTest, JapaneseLabelStaysInsideItsMeasuredRectangle) {
    const FontSpec font{kGothic, 16, false};
    const TextExtent ext = FontEngine::instance().measure(font, "ズィルボ");
    EXPECT_GE(ext.width, 4 * 8);
    EXPECT_GE(ext.height, 16);
    EXPECT_LE(ext.height, 20);

    Image img(120, 40, kBlack);
    Canvas c{img, {0, 0, 120, 40}};
    c.text(10, 8, font, "ズィルボ", kWhite);
    const int inside = count(img, [&](int x, int y, std::uint32_t p) {
        return lit(p) && x >= 10 && x < 10 + ext.width && y >= 8 && y < 8 + ext.height;
    });
    const int outside = count(img, [&](int x, int y, std::uint32_t p) {
        return lit(p) && !(x >= 10 && x < 10 + ext.width && y >= 8 && y < 8 + ext.height);
    });
    EXPECT_GT(inside, 60);
    EXPECT_EQ(outside, 0);
    // Anti-aliased: some full-white pixels and some partly covered ones.
    EXPECT_GT(countColour(img, kWhite), 10);
    EXPECT_GT(count(img, [](int, int, std::uint32_t p) { return lit(p) && p != kWhite; }), 0);

    // The same text as an auto-sized label in the tree.
    Panel root("root");
    root.setBounds(0, 0, 120, 40);
    auto& label = root.add<Label>("title");
    label.font = font;
    label.fontColour = kWhite;
    label.setPos(10, 8);
    label.setCaption("ズィルボ");
    EXPECT_EQ(label.width, ext.width);
    EXPECT_EQ(label.height, ext.height);
    Image tree(120, 40, kBlack);
    renderTree(root, tree);
    EXPECT_EQ(tree.pixels, img.pixels);
}

TEST(FontTest, MonospaceAndProportionalWidths) {
    auto& fe = FontEngine::instance();
    const FontSpec mono{kGothic, 12, false};
    const int one = fe.measure(mono, "Ａ").width;
    EXPECT_GT(one, 0);
    EXPECT_EQ(fe.measure(mono, "ＡＢ").width, 2 * one);
    EXPECT_EQ(fe.measure(mono, "A").width * 2, one); // half-width letters take half
    EXPECT_EQ(fe.measure(mono, "i").width, fe.measure(mono, "m").width);
    EXPECT_EQ(fe.measure(FontSpec{"MS Gothic", 12, false}, "ilm").width,
              fe.measure(mono, "ilm").width);

    const FontSpec prop{kPGothic, 12, false};
    EXPECT_LT(fe.measure(prop, "i").width, fe.measure(prop, "m").width);
    EXPECT_GT(fe.measure(prop, "i").width, 0);
    EXPECT_EQ(fe.measure(prop, "").width, 0);

    // Larger type is wider and taller.
    const TextExtent small = fe.measure(mono, "ズィルボ");
    const TextExtent large = fe.measure(FontSpec{kGothic, 24, false}, "ズィルボ");
    EXPECT_GT(large.width, small.width);
    EXPECT_GT(large.height, small.height);
    EXPECT_GE(small.height, 12);
}

TEST(FontTest, BoldIsWiderAndHeavier) {
    auto& fe = FontEngine::instance();
    const FontSpec regular{kGothic, 13, false};
    const FontSpec bold{kGothic, 13, true};
    EXPECT_GT(fe.measure(bold, "NO DATA").width, fe.measure(regular, "NO DATA").width);
    EXPECT_EQ(fe.measure(bold, "NO DATA").height, fe.measure(regular, "NO DATA").height);
    Image a(120, 20, kBlack);
    Image b(120, 20, kBlack);
    fe.draw(a, 0, 0, regular, "NO DATA", kWhite, 0, 0, 120, 20);
    fe.draw(b, 0, 0, bold, "NO DATA", kWhite, 0, 0, 120, 20);
    long long sumA = 0;
    long long sumB = 0;
    for (std::uint32_t p : a.pixels)
        sumA += p & 255;
    for (std::uint32_t p : b.pixels)
        sumB += p & 255;
    EXPECT_GT(sumB, sumA + sumA / 5);
}

TEST(FontTest, TextIsBlendedInItsColourAndClipped) {
    auto& fe = FontEngine::instance();
    const FontSpec font{kGothic, 16, false};
    Image img(80, 20, kBlack);
    fe.draw(img, 0, 0, font, "ズィルボ", kRed, 0, 0, 80, 20);
    EXPECT_GT(countColour(img, kRed), 10);
    EXPECT_EQ(count(img, [](int, int, std::uint32_t p) { return (p & 0x00FFFF) != 0; }), 0);

    // Text drawn at the same place with a clip covering its left half only.
    const int w = fe.measure(font, "ズィルボ").width;
    Image clipped(80, 20, kBlack);
    fe.draw(clipped, 0, 0, font, "ズィルボ", kRed, 0, 0, w / 2, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x)
            EXPECT_EQ(clipped.at(x, y), x < w / 2 ? img.at(x, y) : kBlack) << x << "," << y;

    // Clip rectangles off the image, text far away and a zero size draw nothing.
    Image none(10, 10, kBlack);
    fe.draw(none, 0, 0, font, "ズィルボ", kWhite, -50, -50, 20, 20);
    fe.draw(none, INT_MAX - 5, INT_MIN + 5, font, "ズィルボ", kWhite, 0, 0, 10, 10);
    fe.draw(none, 0, 0, FontSpec{kGothic, 0, false}, "ズィルボ", kWhite, 0, 0, 10, 10);
    EXPECT_EQ(countColour(none, kBlack), 100);
    EXPECT_EQ(fe.measure(FontSpec{kGothic, 0, false}, "ズィルボ").width, 0);

    // Drawing twice (the second time from the glyph cache) gives the same picture.
    Image again(80, 20, kBlack);
    fe.draw(again, 0, 0, font, "ズィルボ", kRed, 0, 0, 80, 20);
    EXPECT_EQ(again.pixels, img.pixels);
}

TEST(FontTest, MalformedUtf8BecomesReplacementCharacters) {
    auto& fe = FontEngine::instance();
    const FontSpec font{kGothic, 12, false};
    const int fffd = fe.measure(font, "\xEF\xBF\xBD").width;
    ASSERT_GT(fffd, 0);
    EXPECT_EQ(fe.measure(font, "\xFF").width, fffd);
    EXPECT_EQ(fe.measure(font, "\xC0\xAF").width, 2 * fffd);     // overlong: two bad bytes
    EXPECT_EQ(fe.measure(font, "\xED\xA0\x80").width, 3 * fffd); // a surrogate
    // A cut sequence is one replacement and does not swallow the next character.
    EXPECT_EQ(fe.measure(font, "a\xE3\x82"
                               "b")
                  .width,
              fe.measure(font, "a\xEF\xBF\xBD"
                               "b")
                  .width);
    EXPECT_EQ(fe.measure(font, "\xE3\x82").width, fffd); // cut at the very end
    EXPECT_EQ(fe.measure(font, "ズ").width + fe.measure(font, "A").width,
              fe.measure(font, "ズA").width);
    Image img(60, 20, kBlack);
    fe.draw(img, 0, 0, font, "\xFF\xFE\x80 \xF4\x90\x80\x80", kWhite, 0, 0, 60, 20);
    EXPECT_GT(count(img, [](int, int, std::uint32_t p) { return lit(p); }), 0);
}

TEST(FontTest, WithoutAnyFontTextTakesNoWidthAndDrawsNothing) {
    // A fontconfig setup that knows no font folders at all.
    TempDir dir;
    writeBytes(dir.file("fonts.conf"), "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                                       "<cachedir>" +
                                           dir.file("cache") + "</cachedir>\n</fontconfig>\n");
    const char* old = std::getenv("FONTCONFIG_FILE");
    const std::string saved = old != nullptr ? old : "";
    ::setenv("FONTCONFIG_FILE", dir.file("fonts.conf").c_str(), 1);
    FontEngine bare;
    const TextExtent ext = bare.measure(FontSpec{kGothic, 14, true}, "ズィルボ");
    Image img(40, 20, kBlack);
    bare.draw(img, 0, 0, FontSpec{kPGothic, 14, false}, "ズィルボ", kWhite, 0, 0, 40, 20);
    if (old != nullptr)
        ::setenv("FONTCONFIG_FILE", saved.c_str(), 1);
    else
        ::unsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(ext.width, 0);
    EXPECT_EQ(ext.height, 14);
    EXPECT_EQ(countColour(img, kBlack), 40 * 20);
}

} // namespace
} // namespace zb
