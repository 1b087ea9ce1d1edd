// "再挑戦" after a lost race that ends the story: the same race again, with the
// frame sliding into race position, the riders at the line and the clocks at
// zero, and nothing moving before the count has run.

#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zb;
using namespace zb::test;

namespace {

struct Lost {
    bool clickThrough; // the player clicks the result and the sliding frame away
    bool throttleHeld; // and keeps the throttle down through the game over
    bool sceneFirst;   // the race comes after its scene, which the retry skips
    const char* what;
};

// A street race against a rival whose win ends the story; the hero stays in
// first gear and loses it.
void loseTheRace(Game& g, const Lost& how) {
    TForm1& f = g.f();
    for (StoryFlag s : {doneOpening0, doneOpening1, visitedSchool, doneOpening2})
        f.flag(s) = 1;
    if (!how.sceneFirst) f.flag(doneStreet1) = f.flag(doneStreet2) = 1;
    f.currentPlace = 4;
    prepareRace(f, 3, how.sceneFirst ? 1 : 2); // the first version's race has its scenes
    for (int i = 0; i < 200 && f.screenMode != 5; ++i) {
        g.run(kStepPeriod);
        if (f.screenMode == 4) g.key(vk::Space);
    }
    ASSERT_EQ(f.screenMode, 5);
    f.race.loseMeansGameOver = 1;
    g.press(250, 150);
    g.release(250, 170);
    ASSERT_TRUE(runUntil(
        g, [&] { return racing(f); }, 10000));
    g.press(250, 150, MouseButton::Right);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 6; }, 120000));
    if (!how.throttleHeld) g.release(250, 150, MouseButton::Right);
    ASSERT_EQ(f.race.riderWon[1], 0);
    g.run(1000);
    g.click(250, 150);
    ASSERT_EQ(f.screenMode, 7);
    if (how.clickThrough) {
        g.run(100);
        g.click(250, 150);
    }
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 1; }, 5000));
}

} // namespace

TEST(Retry, TheRaceStandsStillUntilTheCountHasRun) {
    for (const Lost how :
         {Lost{false, false, false, "waiting"}, Lost{true, false, false, "clicking through"},
          Lost{true, true, false, "throttle held"}, Lost{true, false, true, "after its scene"}}) {
        SCOPED_TRACE(how.what);
        GameFolder folder;
        Game g;
        TForm1& f = g.f();
        loseTheRace(g, how);
        if (HasFatalFailure()) return;
        choose(g, 1); // "再挑戦"
        if (how.throttleHeld) g.release(250, 150, MouseButton::Right);

        // Every 10 ms until the race runs: whatever handler is installed, the
        // riders must not ride and the clocks must not run before "go".
        std::vector<std::string> seen;
        bool counted = false;
        const auto time2 = f.race.riderTime[2];
        const auto dist2 = f.race.riderDistance[2];
        bool reset = false;
        for (int t = 0; t < 20000 && !(counted && racing(f)); t += 10) {
            const std::string name = f.app.idle().name;
            if (seen.empty() || seen.back() != name) seen.push_back(name);
            if (name == "AppSig") counted = true;
            if (racing(f) && !counted) {
                ADD_FAILURE() << "the race runs before the count";
                break;
            }
            if (f.screenMode == 5) reset = true;
            if (!reset) {
                EXPECT_EQ(f.race.riderTime[2], time2) << "at " << t << " ms";
                EXPECT_EQ(f.race.riderDistance[2], dist2) << "at " << t << " ms";
            }
            g.run(10);
        }
        std::string trail;
        for (const auto& s : seen)
            trail += s + " ";
        EXPECT_TRUE(counted) << trail;
        EXPECT_TRUE(racing(f)) << trail;
        EXPECT_LE(f.race.riderTime[2], 2) << "the race has only just started";
    }
}
