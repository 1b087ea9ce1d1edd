// The hub of the game played through injected input only: continue a saved
// game, scroll the map, enter a street race, race it, come back and save.

#include "data/UnitConst.h"
#include "save/ProgressRecord.h"
#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::runUntil;

namespace {

void writeSlot(int n, const ProgressRecord& r) {
    const RecordBytes bytes = encodeRecord(r);
    std::ofstream("dat/save0" + std::to_string(n) + ".bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// The form point of a spot of the map picture as it is scrolled now.
std::pair<int, int> onScreen(TForm1& f, int mapX, int mapY) {
    return {f.mapPanel->formLeft() + f.map->left + mapX, f.mapPanel->formTop() + f.map->top + mapY};
}

} // namespace

TEST(Hub, ContinueScrollEnterAStreetRaceComeBackAndSave) {
    GameFolder folder;
    ProgressRecord saved;
    saved.storyFlags[doneOpening2] = 1; // the street races are open
    saved.points = 500;
    saved.accelWindowLow = {0, 1, 1};
    saved.accelWindowHigh = {0, 10, 10};
    for (auto& row : saved.bestTime)
        for (auto& t : row)
            t = 9999;
    saved.savedMapLeft = -300;
    saved.savedMapTop = -300;
    saved.savedEyeLeft = 100;
    saved.savedEyeTop = 100;
    writeSlot(1, saved);

    Game g;
    TForm1& f = g.f();
    f.random.seed = 2024;
    g.click(401 + 20, 335 + 10); // コンティニュー
    ASSERT_EQ(f.screenMode, 12);
    g.run(200);
    const int rowY = f.savePanel->formTop() + f.dataLabel[1]->top + 4;
    const int rowX = f.savePanel->formLeft() + f.dataLabel[1]->left + 10;
    g.platform.mouseMove(rowX, rowY);
    g.flush();
    ASSERT_TRUE(f.dataCursor->visible);
    g.click(rowX, rowY);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.app.idle().name, "AppMap");
    EXPECT_EQ(f.rec.points, 500);
    EXPECT_EQ(f.map->left, -300);
    EXPECT_EQ(f.ptsLabel->caption(), "500");

    // Hold the button near the panel's right edge: the map scrolls left.
    const int panelRight = f.mapPanel->formLeft() + f.mapPanel->width - 20;
    const int panelMiddle = f.mapPanel->formTop() + f.mapPanel->height / 2;
    g.press(panelRight, panelMiddle);
    g.run(300);
    EXPECT_LT(f.map->left, -300);

    // Put the eye on the main-road street race (place 18) and enter.
    const Place& road = *findPlace(18);
    auto [x, y] = onScreen(f, road.x, road.y);
    g.platform.mouseMove(x, y);
    g.release(x, y);
    ASSERT_EQ(f.currentPlace, 18);
    ASSERT_TRUE(f.goButton->visible);
    EXPECT_EQ(f.lines[1]->caption(), std::string(road.title));
    g.click(f.goButton->formLeft() + 10, f.goButton->formTop() + 10);
    ASSERT_EQ(f.screenMode, 3);
    EXPECT_GE(f.race.enemyNo, 18);
    EXPECT_LE(f.race.enemyNo, 20);
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_EQ(f.race.raceWeather, f.mapState.streetWeather[0])
        << "the forecast is the race's weather";

    zb::test::driveRace(g);
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 6; }));
    const int wins = f.rec.winCount;
    const int losses = f.rec.loseCount;
    EXPECT_EQ(wins + losses, 1);
    const int pointsAfterRace = f.rec.points;
    EXPECT_EQ(pointsAfterRace >= 500, true);
    g.click(250, 150);
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 2; }));
    EXPECT_EQ(f.app.idle().name, "AppMap");
    EXPECT_TRUE(f.mapPanel->visible);
    EXPECT_FALSE(f.chara1->visible);
    EXPECT_EQ(f.ptsLabel->caption(), std::to_string(pointsAfterRace));

    // Save to slot 2 from the map's save button.
    g.click(f.saveButton->formLeft() + 5, f.saveButton->formTop() + 5);
    ASSERT_EQ(f.screenMode, 11);
    const int row2Y = f.savePanel->formTop() + f.dataLabel[2]->top + 4;
    g.platform.mouseMove(rowX, row2Y);
    g.flush();
    g.click(rowX, row2Y);
    EXPECT_EQ(f.lines[1]->caption(), "スロット 2 にセーブしました");
    ASSERT_EQ(std::filesystem::file_size("dat/save02.bin"), 232u);
    std::ifstream in("dat/save02.bin", std::ios::binary);
    RecordBytes bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), 232);
    const ProgressRecord back = decodeRecord(bytes);
    EXPECT_EQ(back.points, pointsAfterRace);
    EXPECT_EQ(back.winCount, wins);
    EXPECT_EQ(back.loseCount, losses);
    EXPECT_EQ(back.savedMapLeft, f.map->left);
    EXPECT_EQ(back.storyFlags[doneOpening2], 1);
}
