// The city chapter's conditional steps, played in the real game: what the riders'
// house says depends on the parts the player owns, and the sky after the bay
// street's rain race depends on how far the rest of the city's story has come.

#include "data/UnitConst.h"
#include "story/Scenes.h"
#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zb::test {
namespace {

constexpr int kSceneX = 250;
constexpr int kSceneY = 150;

// Clicks through the scene on screen until the map is back, collecting the first
// line of every page shown; empty when the scene got stuck.
std::vector<std::string> readToTheMap(Game& g) {
    TForm1& f = g.f();
    std::vector<std::string> pages;
    for (int clicks = 0; clicks < 200 && f.screenMode != 2; ++clicks) {
        if (!runUntil(
                g,
                [&] { return f.screenMode == 2 || (f.isEventMoveDone() && !f.scene.mesShaking); },
                30000))
            return {};
        if (f.screenMode == 2) break;
        pages.push_back(f.lines[1]->caption());
        g.click(kSceneX, kSceneY);
    }
    if (f.screenMode != 2) return {};
    return pages;
}

bool saw(const std::vector<std::string>& pages, const std::string& start) {
    for (const std::string& p : pages)
        if (p.rfind(start, 0) == 0) return true;
    return false;
}

void cityFlags(TForm1& f) {
    for (StoryFlag s :
         {doneOpening0, doneOpening1, visitedSchool, doneOpening2, doneStreet1, doneStreet2})
        f.flag(s) = 1;
}

TEST(CityChapter, OnlyAPlayerWithoutTheComputerIsToldWhereToBuyIt) {
    const std::string advice = "「リミッター外すんやったら、ＬＣコンピュータや。";
    for (const bool owned : {false, true}) {
        SCOPED_TRACE(owned ? "the computer owned" : "no computer yet");
        GameFolder folder;
        Game g;
        TForm1& f = g.f();
        cityFlags(f);
        f.rec.ownedItems[0] = owned ? 1 : 0;
        ASSERT_EQ(f.dueEventScene(), nullptr) << "nothing is due before the house is entered";
        enterDirectly(f, 8);
        ASSERT_EQ(f.screenMode, 13) << "the riders' house tells its first scene";
        const std::vector<std::string> pages = readToTheMap(g);
        ASSERT_FALSE(pages.empty()) << "the scene reaches the map";
        EXPECT_EQ(saw(pages, advice), !owned);
        EXPECT_TRUE(saw(pages, "「上等だ……！　180の壁なんざ、ぶち抜いて"))
            << "the step after it plays";
        EXPECT_EQ(f.flag(doneRHouse1), 1);
    }
}

// The rain race against the collectors' tourer on the bay street, won, then its
// scene: the low sun of dusk comes out only once the watched race at the riders'
// house is over too.
TEST(CityChapter, TheDuskSkyAfterTheRainRaceWaitsForTheRidersHouse) {
    for (const bool houseDone : {false, true}) {
        SCOPED_TRACE(houseDone ? "after the riders' house" : "before the riders' house");
        GameFolder folder;
        Game g;
        TForm1& f = g.f();
        cityFlags(f);
        for (StoryFlag s :
             {doneRHouse1, doneRHouse2, doneBayStreet1, doneBayStreet2, doneTV1, doneBayStreet3})
            f.flag(s) = 1;
        f.flag(doneRHouse6) = houseDone ? 1 : 0;
        f.rec.subImageAlt = 0;
        for (int part : {0, 4, 6, 7, 15}) // the parts a player has fitted by then
            f.rec.ownedItems[static_cast<std::size_t>(part)] =
                f.rec.equippedItems[static_cast<std::size_t>(part)] = 1;
        f.currentPlace = 9;
        f.scene.preRaceSceneDone = 1;
        prepareRace(f, 7, 2, 1);
        ASSERT_TRUE(driveRaceToWin(g));
        ASSERT_TRUE(runUntil(
            g, [&] { return f.screenMode == 6; }, 20000));
        ASSERT_EQ(f.race.riderWon[1], 1) << "the driver wins the race";
        g.click(kSceneX, kSceneY); // the result
        ASSERT_TRUE(runUntil(
            g, [&] { return f.screenMode == 4; }, 10000))
            << "the scene after the race";
        ASSERT_EQ(f.dueBattleScene(), &scenes::battleEventBayStreet4);
        ASSERT_FALSE(readToTheMap(g).empty());
        EXPECT_EQ(f.flag(doneBayStreet4), 1);
        EXPECT_EQ(f.rec.subImageAlt, houseDone ? 1 : 0);
        EXPECT_EQ(f.currentPlace, 0) << "the place selection is cleared";
    }
}

} // namespace
} // namespace zb::test
