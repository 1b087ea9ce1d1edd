// The small texts of the race screen and the map's points box, read off the
// frames the game really shows: each stays where it is placed and legible,
// with no frame line, panel border or cloud running through it.

#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::prepareRace;
using zb::test::racing;
using zb::test::runUntil;

namespace {

// How coloured a pixel is: 0 for greys, large for the frames' pink and cyan and
// the sky's purple clouds.
int saturation(std::uint32_t c) {
    const int r = static_cast<int>((c >> 16) & 0xff);
    const int g = static_cast<int>((c >> 8) & 0xff);
    const int b = static_cast<int>(c & 0xff);
    return std::max({r, g, b}) - std::min({r, g, b});
}

// Coloured pixels in the box of a white label and its shadow copy, on the
// frame the game shows (the text, its shadow and what lies under them are all
// that is there).
int colouredUnder(Game& g, const Label& text, const Label& shadow) {
    const Image& frame = g.app.frame();
    const int x0 = std::min(text.formLeft(), shadow.formLeft());
    const int y0 = std::min(text.formTop(), shadow.formTop());
    const int x1 = std::max(text.formLeft() + text.width, shadow.formLeft() + shadow.width);
    const int y1 = std::max(text.formTop() + text.height, shadow.formTop() + shadow.height);
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (saturation(frame.at(x, y)) > 30) ++n;
    return n;
}

class RaceScreenText : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    // A race against the slowest street rider, three seconds after the "go" at
    // full throttle in 1st.
    void midRace() {
        f.random.seed = 12345;
        prepareRace(f, 18, 1);
        ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 5; }));
        g.press(250, 150);
        g.release(250, 170);
        ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
        g.press(250, 150, MouseButton::Right);
        g.run(3000);
        ASSERT_TRUE(racing(f));
    }
};

} // namespace

TEST_F(RaceScreenText, TheUnitsAndTimesStayInPlaceAndClearOfLinesAndClouds) {
    midRace();
    // Where they are placed.
    EXPECT_EQ(std::pair(f.km1->left, f.km1->top), std::pair(118, 332));
    EXPECT_EQ(std::pair(f.km2->left, f.km2->top), std::pair(436, 44));
    EXPECT_EQ(std::pair(f.sec1->left, f.sec1->top), std::pair(277, 350));
    EXPECT_EQ(std::pair(f.sec2->left, f.sec2->top), std::pair(277, 16));
    EXPECT_EQ(std::pair(f.vsDistance1->left, f.vsDistance1->top), std::pair(401, 351));
    for (const Label* l : {f.km1, f.km2, f.sec1, f.sec2})
        ASSERT_TRUE(l->visible) << l->caption();

    EXPECT_EQ(colouredUnder(g, *f.km1, *f.km12), 0) << "the speed panel's border crosses km/h";
    EXPECT_EQ(colouredUnder(g, *f.sec1, *f.sec12), 0) << "the frame line crosses the time's sec";
    EXPECT_EQ(colouredUnder(g, *f.km2, *f.km22), 0) << "the rival's km/h over the clouds";
    EXPECT_EQ(colouredUnder(g, *f.sec2, *f.sec22), 0) << "the rival's sec over the clouds";
    g.release(250, 150, MouseButton::Right);
}

TEST_F(RaceScreenText, TheMarginInMetresLiesOnItsOwnPlate) {
    midRace();
    // The margin is yellow, red or white by who leads; the frame's line is pink
    // and cyan, bluer than any blend of the text.
    const Label& plate = *f.vsDistance2;
    ASSERT_FALSE(plate.caption().empty());
    const Image& frame = g.app.frame();
    int line = 0;
    for (int y = plate.formTop(); y < plate.formTop() + plate.height; ++y)
        for (int x = plate.formLeft(); x < plate.formLeft() + plate.width; ++x) {
            const std::uint32_t c = frame.at(x, y);
            const int r = static_cast<int>((c >> 16) & 0xff);
            const int gr = static_cast<int>((c >> 8) & 0xff);
            const int b = static_cast<int>(c & 0xff);
            if (b > std::min(r, gr) + 30) ++line; // more blue than yellow or white has
        }
    EXPECT_EQ(line, 0) << "a frame line runs through the margin";
    g.release(250, 150, MouseButton::Right);
}

// The rival's speed stands over the sky: every lit segment of the speed digits
// lies at least two pixels inside the digit's dark rim, so no cloud behind it
// comes near the light.
TEST(RaceScreenDigits, EveryLitSegmentIsRimmedTwoPixelsDeep) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (int n = 0; n <= 9; ++n) {
        SCOPED_TRACE(n);
        const ImagePtr img = f.stock.get("num" + std::to_string(n));
        ASSERT_TRUE(img);
        const std::uint32_t key = img->transparentColour();
        auto solid = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < img->width && y < img->height && img->at(x, y) != key;
        };
        int lit = 0;
        int bare = 0;
        for (int y = 0; y < img->height; ++y)
            for (int x = 0; x < img->width; ++x) {
                const std::uint32_t c = img->at(x, y);
                if (c == key || (c & 0xff) < 200 || ((c >> 8) & 0xff) < 200) continue;
                ++lit;
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        if (std::abs(dx) + std::abs(dy) <= 2 && !solid(x + dx, y + dy)) ++bare;
            }
        EXPECT_GT(lit, 10) << "the digit is drawn";
        EXPECT_EQ(bare, 0) << "the sky comes within two pixels of a lit segment";
    }
}

TEST(MapPointsBox, TheBalanceCarriesItsUnitInsideTheBox) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.setPoints(9999999); // the widest balance the box shows
    const Panel& box = *f.ptsPanel;
    const Label* unit = nullptr;
    for (const auto& c : box.children())
        if (const auto* l = dynamic_cast<const Label*>(c.get()); l && l->caption() == "pts")
            unit = l;
    ASSERT_NE(unit, nullptr) << "the points box names its unit";
    EXPECT_TRUE(unit->visible);
    EXPECT_GE(unit->left, 0);
    EXPECT_GE(unit->top, 0);
    EXPECT_LE(unit->left + unit->width, box.width) << "the unit stays inside the box";
    EXPECT_LE(unit->top + unit->height, box.height);
    EXPECT_GE(unit->left, f.ptsLabel->left + f.ptsLabel->width) << "clear of the balance";
    EXPECT_EQ(std::pair(box.left, box.top), std::pair(397, 237));
}
