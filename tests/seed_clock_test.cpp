// The clock a real machine paces the game by and seeds its random numbers from:
// milliseconds since the machine started, so two launches never start from the
// same seed, and a clock that has run for weeks still paces every screen.

#include "tests/GameHarness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>
#include <vector>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

TEST(SeedClock, CountsFromTheMachinesStartNotTheGames) {
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    ASSERT_GT(uptime, 0.0) << "the machine says how long it has been up";
    const std::uint32_t now = millisecondsSinceBoot();
    const auto expected = static_cast<std::uint32_t>(static_cast<std::uint64_t>(uptime * 1000));
    // The two readings differ only by the moments between them (wrapping clock).
    const auto gap = static_cast<std::int32_t>(now - expected);
    EXPECT_LT(gap, 2000);
    EXPECT_GT(gap, -2000);

    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t later = millisecondsSinceBoot();
    EXPECT_GE(later - now, 30u);
    EXPECT_LT(later - now, 5000u);
}

TEST(SeedClock, TheGameSeedsFromTheClockAtStart) {
    GameFolder folder;
    for (const std::uint32_t boot : {millisecondsSinceBoot(), 0x9e3779b9u}) {
        Game g;
        // Reset to the clock the way the game starts.
        g.platform.setTime(boot);
        g.f().init();
        EXPECT_EQ(g.f().random.seed, boot);
    }
}

TEST(SeedClock, ScreensKeepTheirPaceAcrossTheClocksHalfWayMark) {
    // After 24.8 days up the clock read as a signed number turns negative.
    GameFolder folder;
    Game g;
    g.platform.setTime(0x7fffff00u);
    std::vector<std::uint32_t> steps;
    g.f().lastTick = static_cast<std::int32_t>(g.platform.timeGetTime());
    g.app.setIdle(IdleHandler{"AppTest", 20, [&] { steps.push_back(g.platform.timeGetTime()); }},
                  &g.f().lastTick);
    g.run(1000);
    ASSERT_GE(steps.size(), 40u);
    EXPECT_GT(steps.back(), 0x80000000u) << "the steps went on past the mark";
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_EQ(steps[i] - steps[i - 1], 21u) << "step " << i;
}
