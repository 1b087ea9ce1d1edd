// Entering places: which rival waits where, the street riders' draws, the
// weather and its forecast, what "入る" does at each stage, and the ways back.

#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <set>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

namespace {

class PlacesTest : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    void at(int place) { f.currentPlace = static_cast<std::uint8_t>(place); }
    std::pair<int, int> rival() const { return {f.race.enemyNo, f.race.enemyVer}; }
};

} // namespace

TEST_F(PlacesTest, StoryRivalsFollowTheFlags) {
    at(6);
    f.setEnnoFromPlace();
    EXPECT_EQ(rival(), std::make_pair(5, 1));
    f.flag(doneChallenge3) = 1;
    f.setEnnoFromPlace();
    EXPECT_EQ(f.race.enemyNo, 21) << "a race the player watches";
    EXPECT_EQ(f.race.watchNo1, 4);
    EXPECT_EQ(f.race.watchVer1, 2);
    EXPECT_EQ(f.race.watchNo2, 3);
    EXPECT_EQ(f.race.enemyVer, 2);
    at(16);
    f.setEnnoFromPlace();
    EXPECT_EQ(rival(), std::make_pair(17, 1));
    f.flag(doneLast6) = 1;
    f.setEnnoFromPlace();
    EXPECT_EQ(rival(), std::make_pair(12, 1));
    // Where no row holds, the rival of the last race stays.
    at(4);
    f.flag(doneStreet2) = 1;
    f.setEnnoFromPlace();
    EXPECT_EQ(rival(), std::make_pair(12, 1));
}

TEST_F(PlacesTest, StreetVersionsRiseWithTheStory) {
    EXPECT_EQ(f.getZakoEnVerNo(), 1);
    f.flag(doneRHouse4) = 1;
    EXPECT_EQ(f.getZakoEnVerNo(), 2);
    f.flag(doneBayStreet2) = f.flag(doneBayStreet4) = f.flag(doneStreet4) = 1;
    EXPECT_EQ(f.getZakoEnVerNo(), 5);
    f.flag(doneIsland1) = f.flag(donePort4) = 1;
    EXPECT_EQ(f.getZakoEnVerNo(), 7);
}

TEST_F(PlacesTest, StreetDrawsKeepToTheirOdds) {
    f.random.seed = 7;
    std::map<int, int> seen;
    at(18);
    for (int i = 0; i < 2000; ++i) {
        f.setZakoEnno();
        ++seen[f.race.enemyNo];
    }
    EXPECT_EQ(seen.size(), 3u) << "before the port, only the three street riders";
    EXPECT_NEAR(seen[19] / 2000.0, 0.6, 0.05); // blue 20 %, yellow 60 %, red 20 %
    EXPECT_NEAR(seen[18] / 2000.0, 0.2, 0.04);

    f.rec.equippedItems[24] = 1; // the beginner mark: blue 50 %, yellow 40 %, red 10 %
    seen.clear();
    for (int i = 0; i < 2000; ++i) {
        f.setZakoEnno();
        ++seen[f.race.enemyNo];
    }
    EXPECT_NEAR(seen[18] / 2000.0, 0.5, 0.05);
    EXPECT_NEAR(seen[20] / 2000.0, 0.1, 0.03);
}

TEST_F(PlacesTest, BeginnerMarkAndPlace20NeverMeetAStoryRival) {
    f.flag(donePort4) = 1;
    f.random.seed = 99;
    const std::set<int> street = {18, 19, 20};
    std::set<int> storyAt17;
    for (int i = 0; i < 3000; ++i) {
        at(17);
        f.setZakoEnno();
        if (!street.count(f.race.enemyNo)) storyAt17.insert(f.race.enemyNo);
        at(20);
        f.setZakoEnno();
        EXPECT_TRUE(street.count(f.race.enemyNo)) << "place 20";
    }
    EXPECT_EQ(storyAt17, (std::set<int>{3, 4, 10}))
        << "after the port the story rivals ride the streets";
    f.rec.equippedItems[24] = 1;
    for (int i = 0; i < 3000; ++i) {
        at(18);
        f.setZakoEnno();
        EXPECT_TRUE(street.count(f.race.enemyNo)) << "beginner mark";
    }
}

TEST_F(PlacesTest, ForecastIsTheWeatherTheRaceGets) {
    f.random.seed = 31337;
    const char* icons[4] = {"wIconSunny", "wIconRainy", "wIconWindy", "wIconNo"};
    for (int round = 0; round < 20; ++round) {
        f.setEnWeatherNo();
        for (int place : {18, 19, 20, 13, 1}) {
            at(place);
            f.changeWeatherIcon();
            const int w = f.getWeatherNo();
            EXPECT_EQ(f.weatherIcon->picture(), f.stock.get(icons[w])) << place;
            if (place >= 18) {
                EXPECT_EQ(w, f.mapState.streetWeather[static_cast<std::size_t>(place - 18)]);
            }
        }
    }
    EXPECT_LE(f.mapState.streetWeather[0], 1) << "place 18 knows no wind";
}

TEST_F(PlacesTest, FirstStreetRaceOfANewGameIsSunny) {
    for (int place : {18, 19, 20}) {
        at(place);
        EXPECT_EQ(f.getWeatherNo(), 0);
    }
}

TEST_F(PlacesTest, EnteringPlaceEightDependsOnTheComputer) {
    f.flag(doneRHouse1) = 1;
    at(8);
    f.mapTo();
    EXPECT_EQ(f.screenMode, 13);
    EXPECT_TRUE(f.mapPanel->visible) << "played over the map";
    f.rec.ownedItems[0] = f.rec.equippedItems[0] = 1;
    f.screenMode = 2;
    f.mapTo();
    EXPECT_FALSE(f.map->picture()) << "a full scene releases the map picture";
}

TEST_F(PlacesTest, EnterDoesNothingWhereTheStoryHasMovedOn) {
    f.screenMode = 2;
    at(16);
    f.flag(doneLast1) = f.flag(doneLast2) = 1;
    f.mapTo();
    EXPECT_EQ(f.screenMode, 2);
    at(8);
    for (StoryFlag s : {doneRHouse1, doneRHouse2, doneRHouse5, doneRHouse6})
        f.flag(s) = 1;
    f.mapTo();
    EXPECT_EQ(f.screenMode, 2);
    at(0);
    f.mapTo();
    EXPECT_EQ(f.screenMode, 2);
}

TEST_F(PlacesTest, RaceAtTheStationLeavesNothingToEnter) {
    f.flag(doneTV1) = 1;
    at(3);
    f.mapToBattle();
    EXPECT_EQ(f.screenMode, 3);
    EXPECT_EQ(f.race.enemyNo, 21);
    f.backToMap();
    EXPECT_EQ(f.currentPlace, 0);
    EXPECT_FALSE(f.iconMap->picture());
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.app.idle().name, "AppMap");
}

TEST_F(PlacesTest, BackFromTheLoadMenuIsTheTitleInTheSameMode) {
    g.click(401 + 20, 335 + 10); // コンティニュー
    ASSERT_EQ(f.screenMode, 12);
    f.commonBackButtonClick();
    EXPECT_EQ(f.screenMode, 12);
    EXPECT_EQ(f.app.idle().name, "AppDataMenuCursor") << "the hidden cursor still blinks";
    EXPECT_TRUE(f.newGameButton->visible);
    EXPECT_TRUE(f.fsinfo->visible);
    EXPECT_FALSE(f.savePanel->visible);
    // And the title works again.
    g.click(401 + 20, 335 + 10);
    EXPECT_TRUE(f.savePanel->visible);
}

TEST_F(PlacesTest, BackgroundsByPlace) {
    at(6);
    f.changeBgImg();
    EXPECT_EQ(f.race.subBgUsed, 0);
    at(16);
    f.changeBgImg();
    EXPECT_EQ(f.race.subBgUsed, 1);
    EXPECT_EQ(f.getSubImgNo(), "01");
    f.rec.subImageAlt = 1;
    EXPECT_EQ(f.getSubImgNo(), "02");
    EXPECT_FALSE(f.fatalErrorShown());
}
