// The tachometer bar on the real race screen, driven with the mouse: it trembles
// while the engine is up in its gear and lies still only when the bike stands.

#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::prepareRace;
using zb::test::racing;
using zb::test::runUntil;

namespace {

// The bar's width over the next race steps.
std::vector<int> barOverSteps(Game& g, int steps) {
    std::vector<int> widths;
    for (int i = 0; i < steps; ++i) {
        g.run(kStepPeriod);
        widths.push_back(g.f().meterImg->width);
    }
    return widths;
}

int spread(const std::vector<int>& v) {
    const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
    return *hi - *lo;
}

} // namespace

TEST(TachometerShake, StillAtAStandstillTremblingAtTheTopOfTheGear) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.random.seed = 12345;
    prepareRace(f, 18, 1);
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 5; }));
    g.press(250, 150);
    g.release(250, 170); // a drag down from neutral: 1st
    ASSERT_EQ(f.race.gear, 1);
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));

    // Standing in 1st with the clutch in and the engine revved to the full bar.
    g.press(250, 150);
    g.press(250, 150, MouseButton::Right);
    const std::vector<int> revving = barOverSteps(g, 80);
    ASSERT_EQ(f.race.riderSpeed[1], 0) << "the clutch is held: the bike stands";
    const std::vector<int> rest(revving.end() - 10, revving.end());
    EXPECT_EQ(spread(rest), 0) << "a standing bike's bar lies still";
    EXPECT_EQ(rest.back(), 177);

    // Clutch out: the bike runs up to the top of 1st, where the bar trembles.
    g.release(250, 150);
    const int top = f.race.gearMaxSpeed[1];
    ASSERT_TRUE(runUntil(
        g, [&] { return f.race.riderSpeed[1] >= top; }, 30000));
    const std::vector<int> atTop = barOverSteps(g, 10);
    EXPECT_EQ(f.race.gear, 1);
    EXPECT_GE(spread(atTop), 2) << "the bar trembles at the top of the gear";
    EXPECT_GE(*std::min_element(atTop.begin(), atTop.end()), 170);
    g.release(250, 150, MouseButton::Right);
}
