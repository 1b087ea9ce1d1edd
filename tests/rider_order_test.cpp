// Which bike is drawn in front where the two lanes overlap at the start line:
// the hero's lane is the nearer one, so his bike covers the rival's.

#include "tests/RaceHarness.h"
#include "ui/Renderer.h"

#include <gtest/gtest.h>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::prepareRace;
using zb::test::runUntil;

TEST(RiderOrder, AtTheStartLineTheHerosBikeCoversTheRivals) {
    for (const int rival : {18, 19, 20}) {
        SCOPED_TRACE("rival machine " + std::to_string(rival));
        GameFolder folder;
        Game g;
        TForm1& f = g.f();
        f.random.seed = 12345;
        prepareRace(f, rival, 1);
        ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 5; }));
        const Picture& hero = *f.riders[1];
        const Picture& other = *f.riders[2];
        ASSERT_TRUE(hero.visible && other.visible);
        ASSERT_TRUE(hero.picture() && other.picture());
        const Image& h = *hero.picture();
        const Image& o = *other.picture();
        Image frame(f.width, f.height);
        renderTree(f, frame);
        // Every pixel on screen where both bikes are drawn shows the hero's.
        int shared = 0;
        int heroShown = 0;
        for (int y = 0; y < h.height; ++y)
            for (int x = 0; x < h.width; ++x) {
                const int fx = hero.formLeft() + x;
                const int fy = hero.formTop() + y;
                const int ox = fx - other.formLeft();
                const int oy = fy - other.formTop();
                if (fx < 0 || fy < 0 || fx >= frame.width || fy >= frame.height) continue;
                if (ox < 0 || oy < 0 || ox >= o.width || oy >= o.height) continue;
                if (h.at(x, y) == h.transparentColour() || o.at(ox, oy) == o.transparentColour())
                    continue;
                if (h.at(x, y) == o.at(ox, oy)) continue; // the same colour tells nothing
                ++shared;
                if (frame.at(fx, fy) == h.at(x, y)) ++heroShown;
            }
        ASSERT_GT(shared, 0) << "the two bikes overlap at the line";
        EXPECT_EQ(heroShown, shared);
    }
}
