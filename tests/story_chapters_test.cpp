// The stadium's tournament and the island, played through the real game: the
// player enters places from the map with the mouse, clicks through the scenes,
// answers the questions on the choice box, rides or watches the races and
// clicks the result away. The story flags are set to the point where a chapter
// begins; everything after that is the game's own doing.

#include "data/UnitConst.h"
#include "sound/UnitSound.h"
#include "story/Scenes.h"
#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace zb::test {
namespace {

// A point on the scene's background, clear of the portrait, the choice box and
// the riders.
constexpr int kSceneX = 250;
constexpr int kSceneY = 60;

// Where a click on the race screen lands while a race runs.
constexpr int kRaceX = 250;
constexpr int kRaceY = 150;

// Items by number.
constexpr int kLC = 0;
constexpr int kCylinder = 4;
constexpr int kBoreUp1 = 6;
constexpr int kBoreUp2 = 7;
constexpr int kBoreUp3 = 8;
constexpr int kFiveSpeed = 15;
constexpr int kSixSpeed = 16;

using Played = std::vector<std::pair<std::string, int>>;

// One player at one game, in the test's game folder.
struct Session {
    Game g;
    TForm1& f = g.f();
    Played played; // every step performed, in order

    Session() {
        // The pieces of music need no file: the player takes the length given.
        for (std::uint8_t n = 1; n <= kMusicCount; ++n)
            g.platform.music.setLength(musicFile(n), 60000);
        f.scene.stepPlayed = [this](std::string_view scene, int step) {
            played.emplace_back(std::string(scene), step);
        };
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void storyUpTo(StoryFlag first, std::initializer_list<StoryFlag> notYet = {}) {
        test::storyUpTo(f, first, notYet);
    }

    // Parts the player has bought and fitted by then.
    void fitted(std::initializer_list<int> items) {
        for (int item : items) {
            f.rec.ownedItems[static_cast<std::size_t>(item)] = 1;
            f.rec.equippedItems[static_cast<std::size_t>(item)] = 1;
        }
        f.setOwnItemList();
        f.equipItem();
        f.setMax();
    }

    void startOnMap() {
        test::startOnMap(g);
        played.clear();
    }

    void enter(int place) { ASSERT_EQ(enterFromMap(g, place), ""); }

    void advance() { advanceScene(g); }

    // Clicks on while the screen stays a scene screen and the condition does
    // not hold; the scene screens are 4 and 13.
    template <class Cond> void advanceUntil(Cond done, int maxClicks = 200) {
        for (int i = 0; i < maxClicks && !done() && (f.screenMode == 4 || f.screenMode == 13); ++i)
            advance();
    }

    // Clicks until the scene screen gives way to another.
    void finishScenes(int maxClicks = 300) {
        advanceUntil([] { return false; }, maxClicks);
    }

    // Points at a caption of the choice box and presses the highlight bar that
    // appears under it.
    void answer(int choice) {
        Label& caption = choice == 1 ? *f.choice1Label : *f.choice2Label;
        g.platform.mouseMove(caption.formLeft() + 4, caption.formTop() + 4);
        g.flush();
        ASSERT_TRUE(f.selectCursor->visible) << "the bar under the caption";
        const int x = f.selectCursor->formLeft() + 4;
        const int y = f.selectCursor->formTop() + f.selectCursor->height / 2;
        ASSERT_EQ(f.controlAt(x, y), f.selectCursor);
        g.platform.mouseMove(x, y);
        g.flush();
        g.click(x, y);
    }

    // The steps of one scene that were performed, in order.
    std::vector<int> stepsOf(std::string_view scene) const {
        std::vector<int> s;
        for (const auto& [name, step] : played)
            if (name == scene) s.push_back(step);
        return s;
    }

    // The scenes in the order they began.
    std::vector<std::string> scenesInOrder() const {
        std::vector<std::string> s;
        for (const auto& [name, step] : played)
            if (s.empty() || s.back() != name) s.push_back(name);
        return s;
    }

    static std::vector<int> allSteps(const script::Scene& s) {
        std::vector<int> v(s.steps.size());
        for (std::size_t i = 0; i < v.size(); ++i)
            v[i] = static_cast<int>(i);
        return v;
    }

    // The frame slides in, the race's scene (if any) is over: the race runs.
    ::testing::AssertionResult raceRunning() {
        if (!runUntil(
                g, [&] { return racing(f) || f.screenMode == 4; }, 20000))
            return ::testing::AssertionFailure() << "no race, screen mode " << int(f.screenMode);
        if (f.screenMode == 4) return ::testing::AssertionFailure() << "a scene came first";
        return ::testing::AssertionSuccess();
    }

    // The result is on the screen; a click on it slides the frame back.
    void clickResult() {
        ASSERT_TRUE(runUntil(
            g, [&] { return f.screenMode == 6; }, 30000));
        g.click(kSceneX, kSceneY);
    }

    // The race of two riders the player watches: the named machines ride, the
    // handler is the watched race's, and the mouse neither opens the throttle
    // nor works the gearbox.
    void expectWatched(int lane1, int version1, int lane2, int version2) {
        ASSERT_EQ(f.race.enemyNo, kWatchedRace);
        EXPECT_EQ(f.race.watchNo1, lane1);
        EXPECT_EQ(f.race.watchVer1, version1);
        EXPECT_EQ(f.race.watchNo2, lane2);
        EXPECT_EQ(f.race.enemyVer, version2);
        EXPECT_EQ(f.app.idle().name, "AppMain2");
        EXPECT_TRUE(showsMachine(f, 1, lane1));
        EXPECT_TRUE(showsMachine(f, 2, lane2));
        EXPECT_EQ(f.name1->caption(), findMachine(lane1)->displayName);
        EXPECT_EQ(f.name2->caption(), findMachine(lane2)->displayName);
        const int gear = f.race.gear;
        g.press(kRaceX, kRaceY, MouseButton::Right);
        EXPECT_EQ(f.race.throttleHeld, 0) << "no throttle for the hero";
        g.press(kRaceX, kRaceY);
        g.release(kRaceX, kRaceY - 50);
        EXPECT_EQ(f.race.clutchHeld, 0);
        EXPECT_EQ(f.race.gear, gear) << "no shift";
        g.run(500);
        EXPECT_EQ(f.race.throttleHeld, 0);
        g.release(kRaceX, kRaceY, MouseButton::Right);
        // Both riders are the computer's: the race ends with nobody's help.
        ASSERT_TRUE(runUntil(
            g, [&] { return f.screenMode == 6; }, 60000));
        EXPECT_TRUE(f.race.riderFinished[1] && f.race.riderFinished[2]);
    }
};

class Chapters : public ::testing::Test {
  protected:
    GameFolder folder;
    Session s;
    Game& g = s.g;
    TForm1& f = s.f;
};

// ------------------------------------------------------------ the stadium

class ChaptersStadium : public Chapters {};

TEST_F(ChaptersStadium, NotReadyGoesBackToTheMapAndReadyGoesOnIntoTheFirstRound) {
    s.storyUpTo(doneChallenge1);
    s.startOnMap();
    s.enter(6);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(s.stepsOf("eventChallenge1"), (std::vector<int>{0}));
    const std::string firstLine = f.lines[1]->caption();
    EXPECT_FALSE(firstLine.empty());
    s.advance();
    ASSERT_EQ(f.screenMode, 18) << "the question";
    EXPECT_TRUE(f.selectPanel->visible);
    EXPECT_EQ(f.choice1Label->caption(), "準備ＯＫ      ");
    EXPECT_EQ(f.choice2Label->caption(), "まだダメ      ");
    g.click(kSceneX, kSceneY);
    EXPECT_EQ(f.screenMode, 18) << "only the box listens";

    const auto flags = f.rec.storyFlags;
    s.answer(2);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.app.idle().name, "AppMap");
    EXPECT_FALSE(f.selectPanel->visible);
    EXPECT_TRUE(f.mapPanel->visible);
    EXPECT_EQ(f.rec.storyFlags, flags) << "nothing is recorded";
    EXPECT_EQ(s.stepsOf("eventChallenge1"), (std::vector<int>{0, 1}));

    s.played.clear();
    s.enter(6);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(s.stepsOf("eventChallenge1"), (std::vector<int>{0})) << "from its start";
    EXPECT_EQ(f.lines[1]->caption(), firstLine);
    s.advance();
    ASSERT_EQ(f.screenMode, 18);
    s.answer(1);
    ASSERT_EQ(f.screenMode, 13) << "the scene goes on";
    EXPECT_FALSE(f.selectPanel->visible);
    EXPECT_EQ(s.stepsOf("eventChallenge1"), (std::vector<int>{0, 1, 2}));
    // The stadium under the floodlights: the race screen's background.
    EXPECT_TRUE(f.bgImgMain->visible);
    EXPECT_TRUE(shows(f, *f.bgImgMain, "img\\bg05.bmp"));
    EXPECT_TRUE(f.bgImgRoad->visible);
    EXPECT_TRUE(shows(f, *f.bgImgRoad, "img\\road.bmp"));
    EXPECT_FALSE(f.backImg->visible);
    EXPECT_FALSE(f.mapPanel->visible);
    EXPECT_EQ(f.bgmNo, 13);

    s.finishScenes();
    EXPECT_EQ(s.stepsOf("eventChallenge1"), Session::allSteps(scenes::eventChallenge1));
    EXPECT_EQ(f.flag(doneChallenge1), 1);
    EXPECT_EQ(f.flag(doneChallenge2), 0);
    ASSERT_TRUE(s.raceRunning()) << "straight into the first round";
    EXPECT_EQ(f.race.enemyNo, 5) << "the DOG rider";
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_EQ(f.app.idle().name, "AppMain");
}

TEST_F(ChaptersStadium, YosukeAgainstMikiIsWatchedThenKazutoTakesTheLane) {
    s.storyUpTo(doneChallenge3);
    s.startOnMap();
    s.enter(6);
    ASSERT_EQ(f.screenMode, 13);
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("eventChallenge3"), Session::allSteps(scenes::eventChallenge3));
    EXPECT_EQ(f.flag(doneChallenge3), 1);
    // The race's own scene plays once the frame has slid in.
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4; }, 10000));
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("battleEventChallenge4"), Session::allSteps(scenes::battleEventChallenge4));
    EXPECT_EQ(f.flag(doneChallenge4), 1);
    ASSERT_TRUE(s.raceRunning());
    s.expectWatched(4, 2, 3, 2); // FAKE against EVR - Type S
    if (HasFatalFailure()) return;
    s.clickResult();
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4; }, 10000))
        << "the scene after the watched race";
    EXPECT_EQ(s.stepsOf("battleEventChallenge5"), (std::vector<int>{0}));

    // The semi-final is called: at step 10 カズト takes the lane.
    s.advanceUntil([&] { return f.scene.eventStep == 10; });
    ASSERT_EQ(f.scene.eventStep, 10);
    EXPECT_EQ(f.flag(halfChallenge5), 0);
    EXPECT_EQ(f.race.enemyNo, kWatchedRace);
    s.advance();
    EXPECT_EQ(f.flag(halfChallenge5), 1);
    EXPECT_EQ(f.flag(doneChallenge5), 0);
    EXPECT_EQ(f.race.enemyNo, 2) << "EVR - Type D";
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_TRUE(showsMachine(f, 1, 1)) << "the hero's scooter back in slot 1";
    EXPECT_TRUE(showsMachine(f, 2, 2));
    EXPECT_EQ(f.name2->caption(), "EVR - Type D");
    EXPECT_EQ(f.dueBattleScene(), &scenes::battleEventChallenge5) << "the scene goes on";

    s.finishScenes();
    EXPECT_EQ(s.stepsOf("battleEventChallenge5"), Session::allSteps(scenes::battleEventChallenge5));
    EXPECT_EQ(f.flag(doneChallenge5), 1);
    ASSERT_TRUE(s.raceRunning()) << "the semi-final, without its scene again";
    EXPECT_EQ(f.race.enemyNo, 2);
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_EQ(f.app.idle().name, "AppMain") << "the player rides";
    EXPECT_TRUE(showsMachine(f, 1, 1));
    EXPECT_EQ(f.name1->caption(), "乙木PIZZA");
    EXPECT_EQ(f.name2->caption(), "EVR - Type D");
    ASSERT_TRUE(driveRaceToWin(g, 60000));
    EXPECT_GT(f.race.gear, 1) << "the hero's own bike answered the mouse";
    s.clickResult();
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4 || f.screenMode == 1; }, 10000));
    ASSERT_EQ(f.screenMode, 4) << "won or lost, カズト's race does not end the story";
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("battleEventChallenge6"), Session::allSteps(scenes::battleEventChallenge6));
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 2; }, 10000));
    EXPECT_EQ(f.flag(doneChallenge6), 1);

    // The stadium after the semi-final that ended in smoke: the hero will not
    // show his face there, however often he comes, until he has passed the
    // shop and the bay.
    for (int visit = 0; visit < 2; ++visit) {
        s.played.clear();
        const auto flags = f.rec.storyFlags;
        s.enter(6);
        ASSERT_EQ(f.screenMode, 13);
        s.finishScenes();
        EXPECT_EQ(s.scenesInOrder(), (std::vector<std::string>{"eventAfterLose"}));
        EXPECT_EQ(f.screenMode, 2);
        EXPECT_EQ(f.rec.storyFlags, flags) << "it records nothing";
    }
    f.flag(doneCannotFaceFather) = f.flag(doneSachiAbsent) = 1;
    s.played.clear();
    s.enter(6);
    EXPECT_EQ(s.scenesInOrder(), (std::vector<std::string>{"eventChallenge7"}));
}

// The halfway mark is the one flag recorded in the middle of a scene, and the
// one the stadium's rival follows. Standing alone (the scene not played to its
// end) it survives the slot, and a race prepared at the stadium is カズト's,
// with his scene still to come.
TEST_F(ChaptersStadium, TheHalfwayMarkAloneLeadsToKazutoAndHisScene) {
    s.storyUpTo(doneChallenge5);
    ASSERT_EQ(f.flag(halfChallenge5), 1);
    ASSERT_TRUE(f.dSave(1));
    {
        Session other;
        TForm1& o = other.f;
        ASSERT_TRUE(o.dLoad(1));
        EXPECT_EQ(o.flag(halfChallenge5), 1);
        EXPECT_EQ(o.flag(doneChallenge4), 1);
        EXPECT_EQ(o.flag(doneChallenge5), 0);
        o.currentPlace = 6;
        o.setEnnoFromPlace();
        EXPECT_EQ(o.race.enemyNo, 2);
        EXPECT_EQ(o.race.enemyVer, 1);
        EXPECT_EQ(o.dueBattleScene(), &scenes::battleEventChallenge5);
        EXPECT_TRUE(o.isBeforeBattleEvent());
        prepareRace(o, 2, 1);
        ASSERT_TRUE(runUntil(
            other.g, [&] { return o.screenMode == 4; }, 10000));
        other.finishScenes();
        EXPECT_EQ(other.stepsOf("battleEventChallenge5"),
                  Session::allSteps(scenes::battleEventChallenge5));
        EXPECT_EQ(o.flag(doneChallenge5), 1);
        ASSERT_TRUE(other.raceRunning());
        EXPECT_EQ(o.race.enemyNo, 2);
        EXPECT_EQ(o.app.idle().name, "AppMain");
    }
}

TEST_F(ChaptersStadium, TheFinalIsWatchedAndTheNightEndsOnTheMap) {
    s.storyUpTo(doneChallenge7);
    s.startOnMap();
    s.enter(6);
    ASSERT_EQ(f.screenMode, 13);
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("eventChallenge7"), Session::allSteps(scenes::eventChallenge7));
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4; }, 10000));
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("battleEventChallenge8"), Session::allSteps(scenes::battleEventChallenge8));
    ASSERT_TRUE(s.raceRunning());
    s.expectWatched(2, 2, 13, 2); // EVR - Type D against ZINGO 2000
    if (HasFatalFailure()) return;
    s.clickResult();
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4; }, 10000));
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("battleEventChallenge9"), Session::allSteps(scenes::battleEventChallenge9));
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 2; }, 10000));
    EXPECT_EQ(f.flag(doneChallenge9), 1);
    EXPECT_EQ(f.currentPlace, 0) << "no place selected";
    EXPECT_FALSE(f.goButton->visible);
}

// ------------------------------------------------------------ the Grand Prix

class ChaptersGrandPrix : public Chapters {};

// What the hero hears before the final, after his sister asks him not to win:
// the steps the scene played and the first line of each page.
struct BeforeTheFinal {
    std::vector<std::string> pages;
    bool chased = false;
    bool done = false;
};

BeforeTheFinal answerHisSister(Session& s, int answer) {
    TForm1& f = s.f;
    BeforeTheFinal told;
    s.storyUpTo(doneChallenge18);
    s.startOnMap();
    s.enter(6);
    s.advanceUntil([&] { return f.screenMode != 13; });
    if (f.screenMode != 18) {
        ADD_FAILURE() << "the stadium asks first whether he is ready";
        return told;
    }
    s.answer(1); // 準備ＯＫ
    s.advanceUntil([&] { return f.screenMode != 13; });
    if (f.screenMode != 20) {
        ADD_FAILURE() << "she runs, and he must choose";
        return told;
    }
    s.answer(answer);
    told.chased = f.flag(choseToChase) == 1;
    s.advanceUntil([&] {
        if (f.screenMode == 13 &&
            (told.pages.empty() || told.pages.back() != f.lines[1]->caption()))
            told.pages.push_back(f.lines[1]->caption());
        return f.screenMode != 13;
    });
    told.done = f.flag(doneChallenge18) == 1;
    if (s.stepsOf("eventChallenge18") != Session::allSteps(scenes::eventChallenge18))
        ADD_FAILURE() << "every step of the scene plays, answer " << answer;
    return told;
}

TEST_F(ChaptersGrandPrix, TheHeroChasesHisSisterOrLetsHerGoAndTheFinalComesEitherWay) {
    const BeforeTheFinal chase = answerHisSister(s, 1);
    ASSERT_FALSE(HasFailure());
    Session other;
    const BeforeTheFinal letGo = answerHisSister(other, 2);
    ASSERT_FALSE(HasFailure());

    EXPECT_TRUE(chase.chased);
    EXPECT_FALSE(letGo.chased);
    auto heard = [](const BeforeTheFinal& b, const std::string& start) {
        for (const std::string& p : b.pages)
            if (p.rfind(start, 0) == 0) return true;
        return false;
    };
    const std::string sorry = "「……ごめんね、おにいちゃん";
    const std::string crying = "「すれ違ったとき、顔が見えたの。";
    EXPECT_TRUE(heard(chase, sorry)) << "caught in the tunnel, she says it to him";
    EXPECT_FALSE(heard(chase, crying));
    EXPECT_TRUE(heard(letGo, crying)) << "ミキ saw her face";
    EXPECT_FALSE(heard(letGo, sorry));
    EXPECT_TRUE(chase.done);
    EXPECT_TRUE(letGo.done);
    // Either way the final's own scene comes next on the race screen.
    for (Session* each : {&s, &other}) {
        ASSERT_TRUE(runUntil(
            each->g, [&] { return each->f.screenMode == 4; }, 20000));
        EXPECT_EQ(each->f.dueBattleScene(), &scenes::battleEventChallenge19);
    }
}

// ------------------------------------------------------------ the island

class ChaptersIsland : public Chapters {};

TEST_F(ChaptersIsland, ThePortTheDreamAndTheIslandInOneScreen) {
    s.storyUpTo(donePort1);
    s.startOnMap();
    s.enter(11);
    ASSERT_EQ(f.screenMode, 13);
    // Each scene hands over to the next on the click after its last line.
    s.advanceUntil([&] { return f.flag(donePort1) == 1; });
    EXPECT_EQ(f.scene.eventStep, 0) << "the next scene starts from its first step";
    EXPECT_EQ(f.screenMode, 13);
    s.advanceUntil([&] { return f.flag(doneMemory1) == 1; });
    EXPECT_EQ(f.scene.eventStep, 0);
    EXPECT_EQ(f.screenMode, 13);
    EXPECT_EQ(f.flag(doneIsland1), 0);
    s.finishScenes();
    EXPECT_EQ(s.scenesInOrder(),
              (std::vector<std::string>{"eventPort1", "eventMemory1", "eventIsland1"}));
    EXPECT_EQ(s.stepsOf("eventPort1"), Session::allSteps(scenes::eventPort1));
    EXPECT_EQ(s.stepsOf("eventMemory1"), Session::allSteps(scenes::eventMemory1));
    EXPECT_EQ(s.stepsOf("eventIsland1"), Session::allSteps(scenes::eventIsland1));
    EXPECT_EQ(f.flag(doneIsland1), 1);

    ASSERT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.app.idle().name, "AppMap");
    EXPECT_TRUE(shows(f, *f.map, "img\\map2.bmp")) << "the island's map";
    EXPECT_EQ(f.currentPlace, 12);
    const Place& island = *findPlace(12);
    const int eyeX = f.eye->left + f.eye->width / 2 - f.map->left;
    const int eyeY = f.eye->top + f.eye->height / 2 - f.map->top;
    EXPECT_LE(std::abs(eyeX - island.x), 1) << "the eye rests on the island's icon";
    EXPECT_LE(std::abs(eyeY - island.y), 1)
        << "the release of the click that ended the scene leaves it there";
    EXPECT_EQ(f.lines[1]->caption(), island.title);
    EXPECT_TRUE(f.goButton->visible);
    g.run(500);
    EXPECT_EQ(f.currentPlace, 12) << "the map keeps it";
}

TEST_F(ChaptersIsland, TheFirstNightTheRollCallAndTheFifthDayInOneScreen) {
    s.storyUpTo(doneIsland2);
    s.startOnMap();
    ASSERT_TRUE(shows(f, *f.map, "img\\map2.bmp"));
    s.enter(12);
    ASSERT_EQ(f.screenMode, 13);
    s.advanceUntil([&] { return f.flag(doneIsland2) == 1; });
    EXPECT_EQ(f.scene.eventStep, 0);
    s.advanceUntil([&] { return f.flag(doneArmy1) == 1; });
    EXPECT_EQ(f.scene.eventStep, 0);
    EXPECT_EQ(f.screenMode, 13);
    s.finishScenes();
    EXPECT_EQ(s.scenesInOrder(),
              (std::vector<std::string>{"eventIsland2", "eventArmy1", "eventIsland3"}));
    EXPECT_EQ(s.stepsOf("eventIsland2"), Session::allSteps(scenes::eventIsland2));
    EXPECT_EQ(s.stepsOf("eventArmy1"), Session::allSteps(scenes::eventArmy1));
    EXPECT_EQ(s.stepsOf("eventIsland3"), Session::allSteps(scenes::eventIsland3));
    EXPECT_EQ(f.flag(doneIsland3), 1);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.currentPlace, 0) << "the place selection is cleared";
    EXPECT_FALSE(f.goButton->visible);
    EXPECT_TRUE(shows(f, *f.map, "img\\map2.bmp"));
}

// The grass track's first race against 天狗, from the map to the scene after it.
struct GrassTrackOutcome {
    bool won = false;
    std::vector<std::string> captions; // lines 1 and 2 at every step of the scene after
    std::array<std::uint8_t, 99> flags{};
    int mode = -1;
    int place = -1;
    bool goButton = true;
};

GrassTrackOutcome rideTheGrassTrack(Session& s, bool withParts) {
    TForm1& f = s.f;
    GrassTrackOutcome o;
    s.storyUpTo(doneKusaRace1, {doneIsland4});
    if (withParts) s.fitted({kLC, kFiveSpeed, kCylinder, kBoreUp1, kBoreUp2, kBoreUp3});
    s.startOnMap();
    s.enter(13);
    EXPECT_TRUE(runUntil(
        s.g, [&] { return f.screenMode == 4; }, 10000));
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("battleEventKusaRace1"), Session::allSteps(scenes::battleEventKusaRace1));
    EXPECT_TRUE(s.raceRunning());
    EXPECT_EQ(f.race.enemyNo, 16);
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_TRUE(driveRaceToWin(s.g, 60000));
    EXPECT_TRUE(runUntil(
        s.g, [&] { return f.screenMode == 6; }, 10000));
    o.won = f.race.riderWon[1] == 1;
    s.g.click(kSceneX, kSceneY);
    EXPECT_TRUE(runUntil(
        s.g, [&] { return f.screenMode == 4 || f.screenMode == 1; }, 10000));
    EXPECT_EQ(f.screenMode, 4) << "won or lost, the scene after the race";
    for (int i = 0; i < 100 && f.screenMode == 4; ++i) {
        o.captions.push_back(f.lines[1]->caption() + "|" + f.lines[2]->caption());
        s.advance();
    }
    EXPECT_EQ(s.stepsOf("battleEventKusaRace2"), Session::allSteps(scenes::battleEventKusaRace2));
    EXPECT_TRUE(runUntil(
        s.g, [&] { return f.screenMode == 2; }, 10000));
    o.flags = f.rec.storyFlags;
    o.mode = f.screenMode;
    o.place = f.currentPlace;
    o.goButton = f.goButton->visible;
    return o;
}

TEST_F(ChaptersIsland, WonOrLostTheGrassTrackTellsItDifferentlyAndEndsAlike) {
    const GrassTrackOutcome won = rideTheGrassTrack(s, true);
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(won.won) << "with the parts of the day the hero beats 天狗";
    Session scooter; // the scooter as it came, in a game of its own
    const GrassTrackOutcome lost = rideTheGrassTrack(scooter, false);
    ASSERT_FALSE(HasFailure());
    ASSERT_FALSE(lost.won) << "without them he does not";

    ASSERT_EQ(won.captions.size(), lost.captions.size());
    EXPECT_NE(won.captions.front(), lost.captions.front()) << "the first words after the line";
    int differ = 0;
    for (std::size_t i = 0; i < won.captions.size(); ++i)
        differ += won.captions[i] != lost.captions[i] ? 1 : 0;
    EXPECT_GE(differ, 5) << "the two nights are told apart";
    EXPECT_LT(differ, static_cast<int>(won.captions.size())) << "天狗's request is the same";

    EXPECT_EQ(won.flags, lost.flags) << "the same marks";
    EXPECT_EQ(won.flags[doneKusaRace2], 1);
    for (const GrassTrackOutcome* o : {&won, &lost}) {
        EXPECT_EQ(o->mode, 2);
        EXPECT_EQ(o->place, 0) << "no place selected";
        EXPECT_FALSE(o->goButton);
    }
}

// On the setting screen: the tab, the list line and "装備する", with the mouse.
void fitOnTheSettingScreen(Session& s, int item, ListBox& list, int tab) {
    TForm1& f = s.f;
    int l = 0;
    int w = 0;
    f.itemTab->tabSpan(tab, l, w);
    s.g.click(f.itemTab->formLeft() + l + w / 2, f.itemTab->formTop() + f.itemTab->tabHeight / 2);
    int row = -1;
    for (int i = 0; i < list.count(); ++i)
        if (TForm1::getItemIndex(list.item(i)) == item) row = i;
    ASSERT_GE(row, 0) << "item " << item << " is listed";
    ASSERT_LT(row - list.topIndex(), list.visibleRows());
    s.g.click(list.formLeft() + 20,
              list.formTop() + 2 + (row - list.topIndex()) * list.itemHeight + list.itemHeight / 2);
    ASSERT_EQ(TForm1::getItemIndex(list.selectedText()), item);
    ASSERT_TRUE(f.equipButton->visible);
    ASSERT_EQ(f.equipButton->caption, "装備する");
    s.g.click(f.equipButton->formLeft() + f.equipButton->width / 2,
              f.equipButton->formTop() + f.equipButton->height / 2);
}

TEST_F(ChaptersIsland, TheSixSpeedGearboxIsGivenFittedAndRiddenToItsSixthGear) {
    s.storyUpTo(doneRenraku);
    s.fitted({kLC, kFiveSpeed, kCylinder, kBoreUp1, kBoreUp2, kBoreUp3});
    s.startOnMap();
    s.enter(15);
    ASSERT_EQ(f.screenMode, 13);
    s.advanceUntil([&] { return f.rec.ownedItems[kSixSpeed] == 1; });
    EXPECT_EQ(f.lines[1]->caption(), "６速ＭＴを手に入れた");
    EXPECT_EQ(f.rec.equippedItems[kSixSpeed], 0) << "given, not fitted";
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("eventRenraku"), Session::allSteps(scenes::eventRenraku));
    EXPECT_EQ(f.flag(doneRenraku), 1);
    // Off the boat, on the setting screen, the city's map waiting at the port.
    ASSERT_EQ(f.screenMode, 10);
    EXPECT_TRUE(f.itemPanel->visible);
    EXPECT_TRUE(shows(f, *f.map, "img\\map1.bmp"));
    EXPECT_EQ(f.map->left, -540);
    EXPECT_EQ(f.map->top, -300);
    EXPECT_EQ(f.eye->left, 268);
    EXPECT_EQ(f.eye->top, 109);
    EXPECT_EQ(f.currentPlace, 11);

    fitOnTheSettingScreen(s, kSixSpeed, *f.parts2List, 1);
    if (HasFatalFailure()) return;
    EXPECT_EQ(f.rec.equippedItems[kSixSpeed], 1);
    EXPECT_EQ(f.rec.equippedItems[kFiveSpeed], 0) << "one gearbox at a time";
    g.click(f.commonBackButton->formLeft() + 5, f.commonBackButton->formTop() + 5);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.currentPlace, 11);
    EXPECT_TRUE(f.goButton->visible);

    // The port: 相澤's question, answered to win, then the race on the quay.
    s.played.clear();
    s.enter(11);
    ASSERT_EQ(f.screenMode, 13);
    s.advanceUntil([&] { return f.screenMode != 13; });
    ASSERT_EQ(f.screenMode, 19);
    EXPECT_EQ(s.stepsOf("eventPort2").back(), 12);
    EXPECT_EQ(f.choice1Label->caption(), "勝つために    ");
    EXPECT_EQ(f.choice2Label->caption(), "逃げるために  ");
    s.answer(1);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(f.flag(choseToWin), 1);
    EXPECT_EQ(f.lines[1]->caption(), "「……勝つためだ");
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("eventPort2"), Session::allSteps(scenes::eventPort2));
    EXPECT_EQ(f.flag(donePort2), 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4; }, 10000))
        << "the race's own scene first";
    EXPECT_EQ(f.race.enemyNo, 7);
    EXPECT_EQ(f.race.enemyVer, 3);
    s.finishScenes();
    EXPECT_EQ(s.stepsOf("battleEventPort3"), Session::allSteps(scenes::battleEventPort3));
    ASSERT_TRUE(s.raceRunning());
    EXPECT_EQ(f.race.enemyNo, 7);
    EXPECT_EQ(f.race.raceDistance, 10000) << "1000 m of wet quay";
    EXPECT_EQ(f.race.gearCount, 6);
    ASSERT_TRUE(driveRaceToWin(g, 90000));
    EXPECT_TRUE(f.race.riderFinished[1]);
    EXPECT_EQ(f.race.gear, 6) << "the sixth gear, reached";
}

TEST_F(ChaptersIsland, RunningAwayEndsTheStoryAndRetryTellsTheNightAgain) {
    s.storyUpTo(donePort2);
    s.startOnMap();
    s.enter(11);
    ASSERT_EQ(f.screenMode, 13);
    s.advanceUntil([&] { return f.screenMode != 13; });
    ASSERT_EQ(f.screenMode, 19);
    s.answer(2);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(f.flag(choseToWin), 0);
    EXPECT_EQ(f.lines[1]->caption(), "「……逃げるため、かもしれねえ");
    s.finishScenes();
    ASSERT_EQ(f.screenMode, 1) << "game over";
    EXPECT_EQ(s.stepsOf("eventPort2"),
              (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(f.flag(donePort2), 0);
    EXPECT_EQ(f.flag(choseToWin), 0);
    EXPECT_TRUE(shows(f, *f.backImg, "img\\gameover.bmp"));
    EXPECT_TRUE(f.selectPanel->visible);
    EXPECT_EQ(f.choice1Label->caption(), "再挑戦        ");
    EXPECT_EQ(f.choice2Label->caption(), "タイトル画面へ");

    s.played.clear();
    s.answer(1);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(s.stepsOf("eventPort2"), (std::vector<int>{0})) << "the night from its start";
    EXPECT_TRUE(shows(f, *f.backImg, "img\\back10.bmp"));
    EXPECT_TRUE(f.waku1->visible);
    EXPECT_TRUE(f.MesBox->visible);
    EXPECT_FALSE(f.selectPanel->visible);
    EXPECT_EQ(f.app.idle().name, "AppEvent");
    s.advanceUntil([&] { return f.screenMode != 13; });
    ASSERT_EQ(f.screenMode, 19) << "asked again";
    s.answer(1);
    EXPECT_EQ(f.flag(choseToWin), 1);
    s.finishScenes();
    EXPECT_EQ(f.flag(donePort2), 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 4; }, 10000));
    EXPECT_EQ(f.dueBattleScene(), &scenes::battleEventPort3);
}

} // namespace
} // namespace zb::test
