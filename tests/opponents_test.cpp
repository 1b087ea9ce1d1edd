// The computer riders: the machine table, what each machine and version means in a
// race, the rival curves, the fixed interval tables with their draws, and the step
// by which a rival gains speed. Played on the real game form, headless.

#include "data/UnitConst.h"
#include "tests/GameHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <numeric>
#include <set>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::ReferenceRandom;

namespace {

namespace fs = std::filesystem;

void putPicture(const GameFolder& folder, const std::string& name, int w, int h) {
    ASSERT_TRUE(folder.putPicture(name, w, h, rgb(10, 20, 30)));
}

// Three frames of a machine, each of its own width (40 + frame) so a test can
// tell which file went where.
void putMachineFrames(const GameFolder& folder, int machine) {
    const std::string id(findMachine(machine)->pictureId);
    for (int n = 1; n <= 3; ++n)
        putPicture(folder, id + std::to_string(n) + ".bmp", 40 + n, 20);
}

int curveSum(const TForm1& f, int from, int to) {
    int s = 0;
    for (int i = from; i <= to; ++i)
        s += f.race.rivalCurve[static_cast<std::size_t>(i)];
    return s;
}

// What the curve must be, built from the rules with the reference generator.
std::array<int, 100> expectedCurve(std::uint32_t seed, int L, int N, bool rain) {
    ReferenceRandom rnd{seed};
    std::array<int, 100> c{};
    for (int i = 0; i < 50; ++i)
        c[static_cast<std::size_t>(i)] = 1;
    for (int i = 1; i <= N; ++i) {
        if (i <= std::min(L, 50))
            ++c[static_cast<std::size_t>(50 - i)];
        else
            ++c[rnd(50)];
    }
    for (int i = 40; i < 50; ++i)
        c[static_cast<std::size_t>(i)] += static_cast<int>(rnd(2)) + 1;
    if (rain) {
        for (int i = 0; i <= 6; ++i)
            ++c[static_cast<std::size_t>(i)];
        for (int i = 12; i <= 48; i += 6)
            ++c[static_cast<std::size_t>(i)];
    }
    return c;
}

std::uint32_t advance(std::uint32_t seed, int draws) {
    ReferenceRandom rnd{seed};
    for (int i = 0; i < draws; ++i)
        rnd(2);
    return rnd.seed;
}

} // namespace

// ---------------------------------------------------------------- machine table

TEST(OpponentMachineTable, NumbersRunOneToTwentyWithTheirPicturesAndNames) {
    ASSERT_EQ(kMachines.size(), 20u);
    EXPECT_EQ(findMachine(1)->pictureId, "PIZZA");
    EXPECT_EQ(findMachine(1)->displayName, "乙木PIZZA");
    EXPECT_EQ(findMachine(2)->displayName, "EVR - Type D");
    EXPECT_EQ(findMachine(8)->pictureId, "IDUCHIPR");
    EXPECT_EQ(findMachine(9)->pictureId, "IDUCHIRP");
    EXPECT_EQ(findMachine(10)->displayName, "猪槌");
    EXPECT_EQ(findMachine(14)->pictureId, "ZINGO_2000_N");
    EXPECT_EQ(findMachine(15)->pictureId, "KANATA");
    EXPECT_EQ(findMachine(15)->displayName, "新幹線かなた");
    EXPECT_EQ(findMachine(16)->displayName, "SKY DOG");
    EXPECT_EQ(findMachine(17)->displayName, "トラック");
    // Machines 5 and 19 are the same yellow DOG pictures.
    EXPECT_EQ(findMachine(5)->pictureId, findMachine(19)->pictureId);
    EXPECT_EQ(findMachine(20)->pictureId, "DOG_R");
    for (int no = 1; no <= 20; ++no)
        EXPECT_EQ(findMachine(no)->no, no);
}

TEST(OpponentMachineTable, NumbersOutsideTheTableAreNoMachine) {
    EXPECT_EQ(findMachine(0), nullptr);
    EXPECT_EQ(findMachine(21), nullptr) << "21 marks a watched race";
    EXPECT_EQ(findMachine(-1), nullptr);
}

// ---------------------------------------------------------------- rival curves

TEST(OpponentCurve, StreetRider18Version1HasOneFixedStepPerEntryAndFortyNineRandom) {
    GameFolder folder;
    putMachineFrames(folder, 18);
    Game g;
    TForm1& f = g.f();
    f.race.raceWeather = 0;
    f.race.rivalCurve.fill(77); // what a previous race left
    f.random.seed = 12345;
    f.setEnemyData(2, 18, 1);
    ASSERT_FALSE(f.fatalErrorShown());

    // 50 ones, 50 fixed steps, 49 random steps, and 1 or 2 on each of the last ten.
    const int extra = curveSum(f, 40, 49) - 10 * 2; // minus base and fixed step there
    const int lastTenRandom = [&] {
        ReferenceRandom rnd{12345};
        for (int i = 0; i < 49; ++i)
            rnd(50);
        int s = 0;
        for (int i = 0; i < 10; ++i)
            s += static_cast<int>(rnd(2)) + 1;
        return s;
    }();
    EXPECT_EQ(curveSum(f, 0, 49), 50 + 50 + 49 + lastTenRandom);
    EXPECT_GE(extra, lastTenRandom) << "entries 40..49 each got 1 or 2 more";
    for (int i = 0; i < 50; ++i)
        EXPECT_GE(f.race.rivalCurve[static_cast<std::size_t>(i)], 2) << "entry " << i;
    for (int i = 40; i < 50; ++i)
        EXPECT_GE(f.race.rivalCurve[static_cast<std::size_t>(i)], 3) << "entry " << i;
    for (int i = 50; i < 100; ++i)
        EXPECT_EQ(f.race.rivalCurve[static_cast<std::size_t>(i)], 77)
            << "entries 50..99 are never written";

    const auto want = expectedCurve(12345, 50, 99, false);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(f.race.rivalCurve[static_cast<std::size_t>(i)], want[static_cast<std::size_t>(i)])
            << "entry " << i;
    // 49 draws for the random steps and 10 for the last fifth, nothing else.
    ReferenceRandom after{12345};
    for (int i = 0; i < 59; ++i)
        after(2);
    EXPECT_EQ(f.random.seed, after.seed);
}

TEST(OpponentCurve, MoreThanFiftyTopStepsStillGiveEachEntryOnlyOne) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.random.seed = 99;
    f.createCrgList(55, 78, false); // machine 4 version 1
    const auto want = expectedCurve(99, 55, 78, false);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(f.race.rivalCurve[static_cast<std::size_t>(i)], want[static_cast<std::size_t>(i)])
            << "entry " << i;
    EXPECT_EQ(f.random.seed, advance(99, 28 + 10)) << "78 - 50 random steps";
}

TEST(OpponentCurve, FewTopStepsLeaveTheLowEntriesToChance) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.random.seed = 4;
    f.createCrgList(10, 80, false); // street rider 18 version 2
    const auto want = expectedCurve(4, 10, 80, false);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(f.race.rivalCurve[static_cast<std::size_t>(i)], want[static_cast<std::size_t>(i)])
            << "entry " << i;
    int lastTen = 0;
    ReferenceRandom rnd{4};
    for (int i = 0; i < 70; ++i)
        rnd(50);
    for (int i = 0; i < 10; ++i)
        lastTen += static_cast<int>(rnd(2)) + 1;
    EXPECT_EQ(curveSum(f, 0, 49), 50 + 80 + lastTen) << "70 random steps, wherever they fell";
    for (int i = 40; i < 50; ++i)
        EXPECT_GE(f.race.rivalCurve[static_cast<std::size_t>(i)], 3) << "entry " << i;
}

TEST(OpponentCurve, RainAddsOneToTheStartAndToEverySixthEntry) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.random.seed = 777;
    f.createCrgList(32, 57, false);
    const auto dry = f.race.rivalCurve;
    f.random.seed = 777;
    f.createCrgList(32, 57, true);
    const std::set<int> wet = {0, 1, 2, 3, 4, 5, 6, 12, 18, 24, 30, 36, 42, 48};
    for (int i = 0; i < 100; ++i) {
        const auto s = static_cast<std::size_t>(i);
        EXPECT_EQ(f.race.rivalCurve[s] - dry[s], wet.count(i) ? 1 : 0) << "entry " << i;
    }
}

TEST(OpponentCurve, RainFlagFollowsTheRaceWeather) {
    GameFolder folder;
    putMachineFrames(folder, 7);
    Game g;
    TForm1& f = g.f();
    f.race.raceWeather = 1;
    f.random.seed = 31;
    f.setEnemyData(2, 7, 1);
    const auto want = expectedCurve(31, 32, 57, true);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(f.race.rivalCurve[static_cast<std::size_t>(i)], want[static_cast<std::size_t>(i)])
            << "entry " << i;
    f.race.raceWeather = 2; // wind is no rain
    f.random.seed = 31;
    f.setEnemyData(2, 7, 1);
    EXPECT_EQ(f.race.rivalCurve[0], expectedCurve(31, 32, 57, false)[0]);
}

// ---------------------------------------------------------------- race data

namespace {
struct RowCase {
    int machine, version, top, prize, distance, loss;
};
} // namespace

TEST(OpponentRaceData, RowsSetTopSpeedPrizeLengthAndLossFlag) {
    GameFolder folder;
    for (int m : {2, 3, 6, 7, 12, 13, 15, 16, 17, 18, 19, 20})
        putMachineFrames(folder, m);
    putPicture(folder, "KANATA.bmp", 90, 30);
    Game g;
    TForm1& f = g.f();
    const RowCase rows[] = {
        {2, 1, 500, 4000, 4000, 0},    {2, 3, 500, 5500, 4000, 1},  {3, 1, 180, 1000, 4000, 1},
        {3, 2, 432, 4000, 4000, 0},    {6, 1, 180, 100, 4000, 0},   {7, 3, 462, 4500, 10000, 1},
        {12, 1, 500, 10000, 10000, 1}, {13, 3, 470, 6000, 4000, 1}, {15, 1, 300, 4500, 10000, 0},
        {15, 2, 300, 4500, 10000, 1},  {16, 2, 332, 3500, 4000, 1}, {17, 1, 320, 9000, 10000, 1},
        {18, 1, 180, 100, 4000, 0},    {18, 7, 312, 1300, 4000, 0}, {19, 5, 308, 1200, 4000, 0},
        {20, 4, 300, 1100, 4000, 0},   {20, 7, 329, 1900, 4000, 0},
    };
    for (const RowCase& r : rows) {
        SCOPED_TRACE("machine " + std::to_string(r.machine) + " version " +
                     std::to_string(r.version));
        f.race.rivalMaxSpeed = {0, 1, 1};
        f.race.rivalPrize = 1;
        f.race.raceDistance = 1;
        f.race.loseMeansGameOver = 7;
        f.setEnemyData(2, r.machine, r.version);
        ASSERT_FALSE(f.fatalErrorShown());
        EXPECT_EQ(f.race.rivalMaxSpeed[2], r.top);
        EXPECT_EQ(f.race.rivalMaxSpeed[1], 1) << "only the given lane";
        EXPECT_EQ(f.race.rivalPrize, r.prize);
        EXPECT_EQ(f.race.raceDistance, r.distance);
        EXPECT_EQ(f.race.loseMeansGameOver, r.loss);
    }
}

TEST(OpponentRaceData, LaneOneIsPreparedForAWatchedRace) {
    GameFolder folder;
    putMachineFrames(folder, 19);
    Game g;
    TForm1& f = g.f();
    f.race.rivalMaxSpeed = {0, 0, 55};
    f.setEnemyData(1, 19, 3);
    EXPECT_EQ(f.race.rivalMaxSpeed[1], 232);
    EXPECT_EQ(f.race.rivalMaxSpeed[2], 55);
    EXPECT_EQ(f.riderFrames[1][1]->width, 41) << "lane 1's frames were replaced";
}

TEST(OpponentRaceData, CurveRowsRebuildTheCurveAndTableRowsLeaveIt) {
    GameFolder folder;
    for (int m : {2, 10, 11, 18})
        putMachineFrames(folder, m);
    Game g;
    TForm1& f = g.f();
    f.random.seed = 5;
    f.setEnemyData(2, 18, 4);
    const auto built = f.race.rivalCurve;
    const auto want = expectedCurve(5, 38, 51, false);
    for (std::size_t i = 0; i < 100; ++i)
        EXPECT_EQ(built[i], want[i]) << "entry " << i;

    // Table machines draw nothing while being prepared and keep the curve; the
    // G HOUND of machine 11 rides the curve the last preparation left.
    const std::pair<int, int> tableRows[] = {{2, 1}, {10, 2}, {11, 1}};
    for (auto [m, v] : tableRows) {
        const std::uint32_t seed = f.random.seed;
        f.setEnemyData(2, m, v);
        EXPECT_EQ(f.race.rivalCurve, built) << "machine " << m;
        EXPECT_EQ(f.random.seed, seed) << "machine " << m;
    }
    EXPECT_EQ(f.race.rivalMaxSpeed[2], 500);
    EXPECT_EQ(f.race.raceDistance, 10000);
}

TEST(OpponentRaceData, VersionsOutsideTheTableSetOnlyTheDefaults) {
    GameFolder folder;
    for (int m : {13, 15, 17, 18})
        putMachineFrames(folder, m);
    putPicture(folder, "KANATA.bmp", 90, 30);
    Game g;
    TForm1& f = g.f();

    f.setEnemyData(2, 13, 1);
    f.race.raceDistance = 10000;
    f.race.loseMeansGameOver = 0;
    f.race.rivalPrize = 4321;
    f.race.rivalCurve.fill(9);
    f.setEnemyData(2, 13, 4);
    EXPECT_EQ(f.race.rivalMaxSpeed[2], 470) << "kept from the last preparation";
    EXPECT_EQ(f.race.rivalPrize, 4321);
    EXPECT_EQ(f.race.raceDistance, 4000);
    EXPECT_EQ(f.race.loseMeansGameOver, 1);
    EXPECT_EQ(f.race.rivalCurve[0], 9);
    EXPECT_EQ(f.riderFrames[2][2]->width, 42) << "the pictures are loaded all the same";

    // Every version of the bullet train and the truck races over 1000 m, and
    // every street rider's loss is only a loss.
    f.setEnemyData(2, 15, 3);
    EXPECT_EQ(f.race.raceDistance, 10000);
    EXPECT_EQ(f.riders[2], f.chara2) << "only versions 1 and 2 use the bullet train's slot";
    f.setEnemyData(2, 17, 5);
    EXPECT_EQ(f.race.raceDistance, 10000);
    EXPECT_EQ(f.race.loseMeansGameOver, 1);
    f.setEnemyData(2, 18, 8);
    EXPECT_EQ(f.race.loseMeansGameOver, 0);
    EXPECT_EQ(f.race.raceDistance, 4000);
}

TEST(OpponentRaceData, TheBulletTrainTakesItsOwnSlotPicture) {
    GameFolder folder;
    putMachineFrames(folder, 2);
    putPicture(folder, "KANATA.bmp", 90, 30);
    Game g;
    TForm1& f = g.f();
    f.setEnemyData(2, 15, 1);
    EXPECT_EQ(f.riders[2], f.charaEx);
    f.chara2->visible = false;
    f.charaEx->visible = true;
    f.setEnemyData(2, 2, 1);
    EXPECT_EQ(f.riders[2], f.chara2) << "every preparation starts from the usual slot";
    EXPECT_FALSE(f.charaEx->visible) << "the bullet train left the screen with its slot";
    f.setEnemyData(2, 15, 2);
    EXPECT_EQ(f.riders[2], f.charaEx);
}

// ---------------------------------------------------------------- pictures

TEST(OpponentPictures, ThreeFramesNamedAfterThePictureId) {
    GameFolder folder;
    putMachineFrames(folder, 3);
    Game g;
    TForm1& f = g.f();
    f.loadEnemyImg(2, 3);
    ASSERT_FALSE(f.fatalErrorShown());
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(f.riderFrames[2][static_cast<std::size_t>(n)]->width, 40 + n) << "frame " << n;
    EXPECT_EQ(f.riderFrames[1][1]->width, f.riderFrames[1][2]->width) << "the hero's are kept";
}

TEST(OpponentPictures, TheBulletTrainIsOnePictureForAllFrames) {
    GameFolder folder({"KANATA1.bmp", "KANATA2.bmp", "KANATA3.bmp"});
    for (const char* n : {"KANATA1.bmp", "KANATA2.bmp", "KANATA3.bmp"})
        fs::remove(folder.path() / "img" / n);
    putPicture(folder, "KANATA.bmp", 123, 30);
    Game g;
    TForm1& f = g.f();
    f.loadEnemyImg(2, 15);
    ASSERT_FALSE(f.fatalErrorShown()) << "no numbered frames are asked for";
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(f.riderFrames[2][static_cast<std::size_t>(n)]);
        EXPECT_EQ(f.riderFrames[2][static_cast<std::size_t>(n)]->width, 123);
    }
}

TEST(OpponentPictures, AMissingFrameEndsTheGameNamingTheFile) {
    GameFolder folder({"FAKE2.bmp"});
    putPicture(folder, "FAKE1.bmp", 41, 20);
    fs::remove(folder.path() / "img" / "FAKE2.bmp");
    Game g;
    TForm1& f = g.f();
    f.loadEnemyImg(2, 4);
    EXPECT_TRUE(f.fatalErrorShown());
    ASSERT_FALSE(g.platform.messages.empty());
    EXPECT_EQ(g.platform.messages.back(), "img\\FAKE2.bmpの読み込みに失敗しました");
}

TEST(OpponentPictures, BulletTrainIsMachineFifteenOrAWatchedRaceAgainstIt) {
    EXPECT_TRUE(TForm1::isEnnoEX(15, 0));
    EXPECT_TRUE(TForm1::isEnnoEX(15, 3));
    EXPECT_TRUE(TForm1::isEnnoEX(21, 15));
    EXPECT_FALSE(TForm1::isEnnoEX(21, 14));
    EXPECT_FALSE(TForm1::isEnnoEX(14, 15));
    EXPECT_FALSE(TForm1::isEnnoEX(17, 0));
}

// ---------------------------------------------------------------- handicap

TEST(OpponentHandicap, TheBulletTrainAndTheTruckStartRolling) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.riderSpeed = {0, 0, 0};
    f.createHandicap(2, 15);
    EXPECT_EQ(f.race.riderSpeed[2], 120);
    f.createHandicap(1, 17);
    EXPECT_EQ(f.race.riderSpeed[1], 150);
    f.race.riderSpeed[2] = 7;
    for (int m : {2, 12, 13, 16, 18, 20})
        f.createHandicap(2, m);
    EXPECT_EQ(f.race.riderSpeed[2], 7) << "every other machine starts as it stands";
}

// ---------------------------------------------------------------- interval tables

namespace {
int lookup(TForm1& f, int machine, int version, int pct) {
    return f.rivalCrgTable(machine, version, pct);
}
} // namespace

TEST(OpponentIntervals, FixedTablesWithoutDrawsAtTheirBandEdges) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.random.seed = 42;
    const std::pair<int, int> m3v2[] = {{0, 1},  {23, 1},  {24, 2},  {44, 2}, {45, 1}, {65, 1},
                                        {66, 2}, {89, 2},  {90, 4},  {95, 5}, {96, 6}, {98, 6},
                                        {99, 7}, {100, 7}, {101, 0}, {150, 0}};
    for (auto [pct, want] : m3v2)
        EXPECT_EQ(lookup(f, 3, 2, pct), want) << "3/2 at " << pct;
    const std::pair<int, int> m12[] = {{0, 1},  {38, 1}, {39, 2}, {44, 2}, {45, 1},
                                       {59, 1}, {60, 2}, {66, 3}, {74, 3}, {75, 2},
                                       {77, 2}, {78, 1}, {100, 1}};
    for (auto [pct, want] : m12)
        EXPECT_EQ(lookup(f, 12, 1, pct), want) << "12/1 at " << pct;
    const std::pair<int, int> m4v2[] = {{0, 2},  {2, 2},  {3, 1},  {32, 1}, {33, 2}, {81, 3},
                                        {86, 4}, {87, 5}, {93, 7}, {99, 9}, {100, 9}};
    for (auto [pct, want] : m4v2)
        EXPECT_EQ(lookup(f, 4, 2, pct), want) << "4/2 at " << pct;
    for (int pct = 0; pct <= 100; ++pct)
        EXPECT_EQ(lookup(f, 15, 1, pct), lookup(f, 15, 2, pct)) << "15 at " << pct;
    EXPECT_EQ(lookup(f, 15, 1, 5), 1);
    EXPECT_EQ(lookup(f, 15, 1, 6), 2);
    EXPECT_EQ(lookup(f, 15, 1, 44), 3);
    EXPECT_EQ(lookup(f, 15, 2, 92), 5);
    EXPECT_EQ(lookup(f, 15, 2, 93), 6);
    EXPECT_EQ(lookup(f, 13, 2, 15), 2);
    EXPECT_EQ(lookup(f, 13, 2, 18), 1);
    EXPECT_EQ(lookup(f, 13, 2, 100), 3);
    EXPECT_EQ(f.random.seed, advance(42, 3)) << "only machine 13 drew, once per lookup";
}

TEST(OpponentIntervals, VersionsWithoutATableGainEveryStep) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.rivalCurve.fill(9);
    const std::pair<int, int> noTable[] = {{2, 4},  {3, 5},  {4, 4}, {10, 3},
                                           {12, 2}, {13, 4}, {15, 3}};
    for (auto [m, v] : noTable)
        for (int pct : {0, 50, 99})
            EXPECT_EQ(lookup(f, m, v, pct), 0) << m << "/" << v << " at " << pct;
}

TEST(OpponentIntervals, CurveMachinesReadTheCurveByHalfPercent) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (std::size_t i = 0; i < 50; ++i)
        f.race.rivalCurve[i] = static_cast<std::uint8_t>(i + 3);
    f.random.seed = 8;
    const std::pair<int, int> curveRiders[] = {{18, 1}, {3, 1},  {3, 3}, {3, 4}, {4, 1},
                                               {4, 3},  {11, 1}, {7, 2}, {16, 9}};
    for (auto [m, v] : curveRiders) {
        EXPECT_EQ(lookup(f, m, v, 0), 3) << m << "/" << v;
        EXPECT_EQ(lookup(f, m, v, 1), 3) << m << "/" << v;
        EXPECT_EQ(lookup(f, m, v, 2), 4) << m << "/" << v;
        EXPECT_EQ(lookup(f, m, v, 99), 52) << m << "/" << v;
        EXPECT_EQ(lookup(f, m, v, 100), 0) << "entry 50 is never filled";
    }
    EXPECT_EQ(f.random.seed, 8u) << "curves draw nothing";
}

TEST(OpponentIntervals, Machine2DrawsRThenRPrimeOnEveryLookup) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        ReferenceRandom rnd{seed * 7919u};
        const int r = static_cast<int>(rnd(2)) + 1;
        const int rp = static_cast<int>(rnd(2)) + 1;
        f.random.seed = seed * 7919u;
        EXPECT_EQ(lookup(f, 2, 1, 31), r);
        EXPECT_EQ(f.random.seed, rnd.seed) << "two draws, even when only r is used";
        f.random.seed = seed * 7919u;
        EXPECT_EQ(lookup(f, 2, 1, 88), rp + 1);
        f.random.seed = seed * 7919u;
        EXPECT_EQ(lookup(f, 2, 3, 89), rp);
        f.random.seed = seed * 7919u;
        EXPECT_EQ(lookup(f, 2, 2, 10), 1);
        EXPECT_EQ(f.random.seed, rnd.seed) << "version 2 uses no draw but makes both";
    }
}

TEST(OpponentIntervals, Machine10DrawsBigRThenRPrime) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    for (std::uint32_t seed = 3; seed <= 300; seed += 11) {
        ReferenceRandom rnd{seed};
        const int R = static_cast<int>(rnd(2)) + 3;
        const int rp = static_cast<int>(rnd(2)) + 1;
        f.random.seed = seed;
        EXPECT_EQ(lookup(f, 10, 1, 2), R);
        EXPECT_EQ(f.random.seed, rnd.seed);
        f.random.seed = seed;
        EXPECT_EQ(lookup(f, 10, 1, 85), rp);
        f.random.seed = seed;
        EXPECT_EQ(lookup(f, 10, 1, 50), 1);
        EXPECT_EQ(f.random.seed, rnd.seed) << "drawn in every band";
    }
}

TEST(OpponentIntervals, Machine10Version2IsSlowerInTheRain) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    const std::pair<int, int> bands[] = {{3, 3},  {5, 3},  {9, 1},  {29, 1}, {30, 1}, {32, 1},
                                         {33, 1}, {36, 1}, {41, 1}, {42, 1}, {69, 1}, {74, 1},
                                         {75, 1}, {90, 2}, {96, 3}, {99, 5}};
    const std::set<int> wet = {3, 5, 30, 32, 36, 41, 69, 74};
    for (int w : {0, 1}) {
        f.race.tuning.water(23) = static_cast<std::uint8_t>(w);
        for (auto [pct, dry] : bands)
            EXPECT_EQ(lookup(f, 10, 2, pct), dry + (wet.count(pct) ? w : 0))
                << "at " << pct << " w23 " << w;
        // The first two bands take their draws and the rain point together.
        ReferenceRandom rnd{f.random.seed};
        const int R = static_cast<int>(rnd(2)) + 3;
        const int rp = static_cast<int>(rnd(2)) + 1;
        const std::uint32_t seed = f.random.seed;
        EXPECT_EQ(lookup(f, 10, 2, 0), R + w);
        f.random.seed = seed;
        EXPECT_EQ(lookup(f, 10, 2, 7), rp + w);
    }
}

TEST(OpponentIntervals, Machine13DrawsOnlyR) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    std::set<int> seen;
    for (std::uint32_t seed = 10; seed < 60; ++seed) {
        ReferenceRandom rnd{seed};
        const int r = static_cast<int>(rnd(2)) + 1;
        f.random.seed = seed;
        const int v1 = lookup(f, 13, 1, 76);
        EXPECT_EQ(v1, r);
        EXPECT_EQ(f.random.seed, rnd.seed) << "one draw";
        f.random.seed = seed;
        EXPECT_EQ(lookup(f, 13, 3, 82), r);
        seen.insert(v1);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2})) << "both values come up";
}

TEST(OpponentIntervals, DrawnTermsStayInRange) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.random.seed = 2024;
    std::set<int> r, rp1, R;
    for (int i = 0; i < 400; ++i) {
        r.insert(lookup(f, 2, 1, 30));
        rp1.insert(lookup(f, 2, 1, 87));
        R.insert(lookup(f, 10, 1, 0));
    }
    EXPECT_EQ(r, (std::set<int>{1, 2}));
    EXPECT_EQ(rp1, (std::set<int>{2, 3}));
    EXPECT_EQ(R, (std::set<int>{3, 4}));
}

TEST(OpponentIntervals, LaneVersionAndPercentageOfTopSpeed) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.rivalMaxSpeed = {0, 470, 470};
    f.race.enemyVer = 1;
    f.race.watchVer1 = 2;
    f.race.riderSpeed = {0, 76, 76}; // 16 %
    f.random.seed = 1;
    EXPECT_EQ(f.getMcrg2(1, 13), 2) << "lane 1 rides watchVer1 (13/2: 15..17 % is 2)";
    EXPECT_EQ(f.getMcrg2(2, 13), 1) << "lane 2 rides enemyVer (13/1: 15..74 % is 1)";
    f.race.rivalMaxSpeed[2] = 432;
    f.race.enemyVer = 2;
    f.race.riderSpeed[2] = 103; // 23.8 %: truncated to 23
    EXPECT_EQ(f.getMcrg2(2, 3), 1);
    f.race.riderSpeed[2] = 104; // 24.07 %
    EXPECT_EQ(f.getMcrg2(2, 3), 2);
    f.race.rivalMaxSpeed[2] = 0;
    EXPECT_EQ(f.getMcrg2(2, 3), 1) << "no top speed reads as 0 %";
}

// ---------------------------------------------------------------- rival step

TEST(OpponentStep, GainsOneKmhWhenTheCounterReachesTheInterval) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.enemyVer = 2;
    f.race.rivalMaxSpeed[2] = 432;
    f.race.riderSpeed[2] = 130; // 30 %: interval 2
    f.race.accelTick[2] = 0;
    f.rivalStep(2, 3);
    EXPECT_EQ(f.race.riderSpeed[2], 130);
    EXPECT_EQ(f.race.accelTick[2], 1);
    f.rivalStep(2, 3);
    EXPECT_EQ(f.race.riderSpeed[2], 131);
    EXPECT_EQ(f.race.accelTick[2], 0);

    // At 96..98 % the interval is 6.
    f.race.riderSpeed[2] = 420;
    int steps = 0;
    while (f.race.riderSpeed[2] == 420) {
        f.rivalStep(2, 3);
        ++steps;
    }
    EXPECT_EQ(steps, 6);
}

TEST(OpponentStep, VersionOutsideTheTableKeepsTopSpeedAndGainsEveryStep) {
    GameFolder folder;
    putMachineFrames(folder, 13);
    Game g;
    TForm1& f = g.f();
    f.setEnemyData(2, 13, 2);
    f.race.enemyVer = 4;
    f.setEnemyData(2, 13, 4);
    ASSERT_EQ(f.race.rivalMaxSpeed[2], 470);
    f.race.riderSpeed[2] = 0;
    f.race.accelTick[2] = 0;
    for (int i = 1; i <= 30; ++i) {
        f.rivalStep(2, 13);
        ASSERT_EQ(f.race.riderSpeed[2], i);
    }
    f.race.riderSpeed[2] = 467;
    for (int i = 0; i < 10; ++i)
        f.rivalStep(2, 13);
    EXPECT_EQ(f.race.riderSpeed[2], 470) << "up to the kept top speed, no further";
}

TEST(OpponentStep, AtTopSpeedNothingMoves) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.rivalMaxSpeed[2] = 180;
    f.race.riderSpeed[2] = 180;
    f.race.accelTick[2] = 3;
    f.race.coastTick[2] = 4;
    f.race.rivalCurve.fill(1);
    f.rivalStep(2, 18);
    EXPECT_EQ(f.race.riderSpeed[2], 180);
    EXPECT_EQ(f.race.accelTick[2], 3);
    EXPECT_EQ(f.race.coastTick[2], 4);
    f.race.riderSpeed[2] = 190; // the wind cannot push a rider over, but a scene may
    f.rivalStep(2, 18);
    EXPECT_EQ(f.race.riderSpeed[2], 190) << "no over-speed loss for computer riders";
}

TEST(OpponentStep, AfterTheGoalTheRiderCoastsOneKmhPer22Steps) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    f.race.rivalMaxSpeed[1] = 300;
    f.race.riderFinished[1] = 1;
    f.race.riderSpeed[1] = 100;
    f.race.coastTick = {5, 0, 9};
    f.race.rivalCurve.fill(1);
    for (int i = 0; i < 21; ++i)
        f.rivalStep(1, 18);
    EXPECT_EQ(f.race.riderSpeed[1], 100) << "more than 20 counted steps first";
    EXPECT_EQ(f.race.coastTick[1], 21);
    f.rivalStep(1, 18);
    EXPECT_EQ(f.race.riderSpeed[1], 99);
    EXPECT_EQ(f.race.coastTick[1], 0);
    for (int i = 0; i < 22 * 3; ++i)
        f.rivalStep(1, 18);
    EXPECT_EQ(f.race.riderSpeed[1], 96);
    EXPECT_EQ(f.race.coastTick[0], 5) << "the hero's counter is his own";
    EXPECT_EQ(f.race.coastTick[2], 9) << "each lane counts for itself";

    f.race.riderSpeed[1] = 0;
    for (int i = 0; i < 50; ++i)
        f.rivalStep(1, 18);
    EXPECT_EQ(f.race.riderSpeed[1], 0);
}

TEST(OpponentStep, MachinesFifteenAndSeventeenStartAt120And150) {
    GameFolder folder;
    putMachineFrames(folder, 17);
    putPicture(folder, "KANATA.bmp", 90, 30);
    Game g;
    TForm1& f = g.f();
    const std::pair<int, int> starts[] = {{15, 120}, {17, 150}};
    for (auto [m, start] : starts) {
        f.race.enemyNo = static_cast<std::uint8_t>(m);
        f.race.enemyVer = 1;
        f.setEnemyData(2, m, 1);
        f.Reset();
        f.createHandicap(2, m);
        EXPECT_EQ(f.race.riderSpeed[2], start) << "machine " << m;
        EXPECT_EQ(f.race.riderSpeed[1], 0);
        f.rivalStep(2, m);
        EXPECT_GE(f.race.riderSpeed[2], start) << "and accelerate from there";
    }
}
