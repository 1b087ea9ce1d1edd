// The loop's rhythm on a window that takes time to show a frame: a step still
// comes one period (and the 1 ms sleep) after the last, and a frame that looks
// like the one on the window is not shown again.

#include "tests/GameHarness.h"
#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zb::test {
namespace {

// A headless window whose every frame takes 5 ms of the clock to show, as a
// real one does; it notes when each step ended (the loop's 1 ms sleep) and
// whether a frame it was handed is the one it already shows.
class SlowWindow : public HeadlessPlatform {
  public:
    std::vector<std::uint32_t> stepEnds;
    int sameAsShown = 0;

    void sleep(std::uint32_t ms) override {
        HeadlessPlatform::sleep(ms);
        if (ms == 1) stepEnds.push_back(timeGetTime());
    }
    void present(const std::uint32_t* pixels, int width, int height) override {
        HeadlessPlatform::present(pixels, width, height);
        const std::vector<std::uint32_t> frame(pixels, pixels + width * height);
        if (frame == shown_) ++sameAsShown;
        shown_ = frame;
        setTime(timeGetTime() + 5);
    }

  private:
    std::vector<std::uint32_t> shown_;
};

struct SlowGame {
    GameFolder folder;
    SlowWindow platform;
    Application app{platform};
    TForm1 form{app};
};

std::vector<std::uint32_t> periods(const std::vector<std::uint32_t>& ends, std::size_t from) {
    std::vector<std::uint32_t> out;
    for (std::size_t i = from + 1; i < ends.size(); ++i)
        out.push_back(ends[i] - ends[i - 1]);
    return out;
}

TEST(LoopPacing, RaceStepsKeepTheirRhythmWhenShowingAFrameTakesTime) {
    SlowGame g;
    TForm1& f = g.form;
    prepareRace(f, 19, 1);
    for (int i = 0; i < 400 && !(f.screenMode == 5 && f.race.raceStarted); ++i)
        g.app.runFor(20);
    ASSERT_EQ(f.screenMode, 5);
    f.race.gear = 1;
    f.race.throttleHeld = 1;

    const std::size_t from = g.platform.stepEnds.size();
    const std::int32_t raceTime = f.race.riderTime[1];
    const int shown = g.platform.presents;
    g.app.runFor(2000);
    const auto p = periods(g.platform.stepEnds, from);
    ASSERT_GE(p.size(), 90u);
    // 20 ms and the 1 ms sleep: the 5 ms of showing each frame lies inside the
    // wait, not on top of it.
    EXPECT_EQ(*std::min_element(p.begin(), p.end()), 21u);
    EXPECT_EQ(*std::max_element(p.begin(), p.end()), 21u);
    // The race clock keeps pace with the wall clock, and every step is seen.
    EXPECT_NEAR((f.race.riderTime[1] - raceTime) * 10, 2000 * 20 / 21, 30);
    EXPECT_GE(g.platform.presents - shown, static_cast<int>(p.size()) - 1);
}

TEST(LoopPacing, AFrameLikeTheOneShownIsNotShownAgain) {
    SlowGame g;
    TForm1& f = g.form;
    g.app.runFor(100);
    // The opening's first scene, waiting for a click: its cursor steps every
    // 20 ms, but most steps leave the picture as it was.
    f.newGameButtonClick();
    g.app.runFor(1000);
    ASSERT_EQ(f.screenMode, 13);
    const std::uint64_t painted = g.app.framesPainted();
    const std::uint64_t shownBefore = g.app.framesShown();
    const int presents = g.platform.presents;
    g.app.runFor(3000);
    const std::uint64_t shown = g.app.framesShown() - shownBefore;
    EXPECT_EQ(g.platform.sameAsShown, 0);
    EXPECT_EQ(static_cast<std::uint64_t>(g.platform.presents - presents), shown);
    EXPECT_GT(shown, 0u) << "the waiting cursor moves";
    EXPECT_LT(shown * 2, g.app.framesPainted() - painted);
    // Steps keep their period while the frames wait to be shown.
    const auto p = periods(g.platform.stepEnds, g.platform.stepEnds.size() - 100);
    EXPECT_EQ(*std::max_element(p.begin(), p.end()), 21u);
}

} // namespace
} // namespace zb::test
