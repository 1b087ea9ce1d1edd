// The words scenes are written with, each played in the real game: a few steps
// built from the word are performed the way the dispatcher performs a scene, on
// the event screen or the race screen prepared as the game prepares them, and
// what the player sees and hears is checked. Checks over every scene of the
// story follow the words whose misuse the compiler cannot see.

#include "data/UnitConst.h"
#include "sound/UnitSound.h"
#include "story/Scenes.h"
#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace zb::test {
namespace {

using namespace script;

// ------------------------------------------------------------ playing words

std::string machineName(int machine) {
    return std::string(findMachine(machine)->displayName);
}

// Somewhere on a scene's background, clear of every control.
constexpr int kSceneX = 250;
constexpr int kSceneY = 150;

class Words : public ::testing::Test {
  protected:
    Words() {
        // Long pieces need no file: the player takes the length the test gives.
        for (std::uint8_t n = 1; n <= kMusicCount; ++n)
            g.platform.music.setLength(musicFile(n), 60000);
    }

    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    SilentMusicPlayer& player() { return g.platform.music; }

    // The event screen as entering a place opens it, the map released; the
    // steps then come from `play`, not from the place's own scene.
    void openEventScreen() {
        f.flag(doneOpening0) = f.flag(doneOpening1) = f.flag(visitedSchool) = 1;
        f.flag(doneOpening2) = 1;
        f.newGameButton->visible = f.continueButton->visible = f.fsinfo->visible = false;
        f.MesBox->visible = f.waku1->visible = true;
        f.showMapComponents(false);
        f.backImg->visible = true;
        f.map->setPicture(nullptr);
        f.clearLine();
        f.eventSceneLayout();
        f.waku1->setPicture(f.stock.get("wakuImg1"));
        f.screenMode = 13;
        f.scene.eventStep = 0;
        f.installIdle("AppEvent", kStepPeriod, &TForm1::AppEvent);
    }

    // A race prepared as entering a racing place prepares it, with the race's
    // own scene passed over; once its frame has slid in, the race screen turns
    // into a scene the way a race with a scene before it does.
    void openRaceScene(int machine, int version) {
        f.scene.preRaceSceneDone = 1;
        prepareRace(f, machine, version);
        ASSERT_TRUE(runUntil(
            g, [&] { return f.screenMode == 5; }, 5000));
        openRaceSceneHere();
    }
    void openRaceSceneHere() {
        f.screenMode = 4;
        f.sceneWindowAt(289);
        f.scene.eventStep = 0;
        f.installIdle("AppMoveOnly", kStepPeriod, &TForm1::AppMoveOnly);
    }

    void clickOn(const Control& c) { g.click(c.formLeft() + 4, c.formTop() + 4); }

    // One advance of the story: the step numbered eventStep, then the count on.
    void play(const Scene& s) {
        script::play(f, s);
        ++f.scene.eventStep;
    }
    void playAll(const Scene& s) {
        while (f.scene.eventStep >= 0 && f.scene.eventStep < static_cast<int>(s.steps.size()))
            play(s);
    }
};

// ------------------------------------------------------------ music

TEST_F(Words, APausedPiecePlaysOnFromWhereItHeld) {
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {music(14), narrate("「一")},
        /*1*/ {pauseMusic(), narrate("「二")},
        /*2*/ {playOn(), narrate("「三")},
        /*3*/ {leave(Exit::Map)},
    }};
    // clang-format on
    openEventScreen();
    play(s);
    EXPECT_EQ(player().fileName(), "dat\\free0211.wma");
    EXPECT_EQ(player().mode(), MusicMode::Playing);
    g.run(1000);
    play(s);
    const std::uint32_t held = player().positionMs();
    EXPECT_NE(player().mode(), MusicMode::Playing);
    EXPECT_FALSE(f.mp3TimerEnabled()) << "the repeat timer stops";
    g.run(3000);
    EXPECT_EQ(player().positionMs(), held) << "the piece holds where it is";
    EXPECT_GE(held, 1000u);
    EXPECT_EQ(f.bgmNo, 14);
    play(s);
    EXPECT_EQ(player().mode(), MusicMode::Playing);
    EXPECT_TRUE(f.mp3TimerEnabled());
    g.run(500);
    EXPECT_GE(player().positionMs(), held + 500) << "on from where it stood";
    EXPECT_LT(player().positionMs(), held + 700);
    play(s);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.bgmNo, 2) << "the map's own music";
}

TEST_F(Words, PlayedOnOnceAPieceEndsAndStaysSilentUntilTheNextPiece) {
    player().setLength("dat\\Kmp141-stage1.wma", 3000);
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {music(10), narrate("「一")},
        /*1*/ {pauseMusic(), narrate("「二")},
        /*2*/ {playOnOnce(), narrate("「三")},
        /*3*/ {music(10), narrate("「四")},
    }};
    // clang-format on
    openEventScreen();
    play(s);
    g.run(1000);
    play(s);
    g.run(1000);
    play(s);
    EXPECT_EQ(player().mode(), MusicMode::Playing);
    EXPECT_FALSE(f.mp3TimerEnabled()) << "the repeat timer stays off";
    g.run(2500);
    EXPECT_EQ(player().mode(), MusicMode::Stopped) << "played to its end";
    g.run(2000);
    EXPECT_EQ(player().mode(), MusicMode::Stopped) << "and not again";
    EXPECT_EQ(f.bgmNo, 10);
    play(s);
    EXPECT_TRUE(f.mp3TimerEnabled()) << "the next piece loops again";
    g.run(3500);
    EXPECT_EQ(player().mode(), MusicMode::Playing);
}

TEST_F(Words, EndedMusicCannotBePlayedOn) {
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {music(13), narrate("「一")},
        /*1*/ {endMusic(), narrate("「二")},
        /*2*/ {playOn(), narrate("「三")},
    }};
    // clang-format on
    openEventScreen();
    play(s);
    g.run(500);
    play(s);
    EXPECT_EQ(f.bgmNo, 0);
    EXPECT_EQ(player().mode(), MusicMode::Closed);
    EXPECT_EQ(player().log.back(), "close");
    EXPECT_FALSE(f.mp3TimerEnabled());
    play(s);
    g.run(1000);
    EXPECT_EQ(player().mode(), MusicMode::Closed) << "silence stays silence";
    EXPECT_FALSE(f.mp3TimerEnabled());
}

// ------------------------------------------------------------ backgrounds

TEST_F(Words, AnEventSceneTurnsIntoTheRaceScreenOfAnyPlace) {
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {back(4), narrate("「一")},
        /*1*/ {raceBack(1), narrate("「二")},
        /*2*/ {stadiumBack(), narrate("「三")},
    }};
    // clang-format on
    openEventScreen();
    play(s);
    ASSERT_TRUE(f.backImg->visible);
    play(s);
    EXPECT_FALSE(f.backImg->visible) << "the still background goes";
    EXPECT_FALSE(f.mapPanel->visible);
    EXPECT_FALSE(f.map->picture()) << "nor is the map kept behind it";
    for (Picture* p : {f.bgImgMain, f.bgImgMain2}) {
        EXPECT_TRUE(p->visible);
        EXPECT_TRUE(shows(f, *p, "img\\bg01.bmp"));
    }
    EXPECT_EQ(f.bgImgMain->left, 0);
    EXPECT_EQ(f.bgImgMain2->left, 514) << "the two copies side by side";
    EXPECT_EQ(f.bgImgMain->top, -1);
    EXPECT_TRUE(f.bgImgRoad->visible);
    EXPECT_TRUE(shows(f, *f.bgImgRoad, "img\\road.bmp"));
    play(s);
    EXPECT_TRUE(shows(f, *f.bgImgMain, "img\\bg05.bmp")) << "the stadium";
    EXPECT_TRUE(shows(f, *f.bgImgMain2, "img\\bg05.bmp"));
}

TEST_F(Words, ARaceSceneChangesItsSky) {
    openRaceScene(18, 1);
    ASSERT_TRUE(shows(f, *f.bgImgMain, "img\\bg01.bmp"));
    const Scene s = {"test", {{raceBack(7), narrate("「一")}}};
    play(s);
    g.run(200);
    EXPECT_TRUE(shows(f, *f.bgImgMain, "img\\bg07.bmp"));
    EXPECT_TRUE(shows(f, *f.bgImgMain2, "img\\bg07.bmp"));
    EXPECT_TRUE(f.bgImgMain->visible && f.bgImgMain2->visible && f.bgImgRoad->visible);
    EXPECT_EQ(f.app.idle().name, "AppMoveOnly") << "the scene goes on";
}

// ------------------------------------------------------------ the map

// The eye rests on the place's point, as near the panel's centre as the map's
// edges allow, and the place is selected.
void expectMarkerOn(TForm1& f, int place) {
    const Place& p = *findPlace(place);
    const Picture& m = *f.map;
    const int x = m.left + p.x; // the place's point on the panel
    const int y = m.top + p.y;
    EXPECT_EQ(f.eye->left + f.eye->width / 2, x);
    EXPECT_EQ(f.eye->top + f.eye->height / 2, y);
    EXPECT_TRUE(m.left == 0 || m.left == f.mapPanel->width - m.width || x == f.mapPanel->width / 2);
    EXPECT_TRUE(m.top == 0 || m.top == f.mapPanel->height - m.height ||
                y == f.mapPanel->height / 2);
    EXPECT_LE(m.left, 0);
    EXPECT_LE(m.top, 0);
    EXPECT_GE(m.left + m.width, f.mapPanel->width) << "no empty strip beside the map";
    EXPECT_GE(m.top + m.height, f.mapPanel->height);
    EXPECT_EQ(f.currentPlace, place);
    EXPECT_TRUE(f.eye->visible);
    EXPECT_EQ(f.lines[1]->caption(), p.title) << "the place's information is shown";
    EXPECT_TRUE(f.goButton->visible);
}

TEST_F(Words, TheOpeningLeavesTheMarkerOnTheShoppingStreet) {
    openEventScreen();
    f.map->setPos(0, 0);
    f.eye->setPos(6, 6);
    f.scene.eventStep = static_cast<int>(scenes::eventOpening1.steps.size()) - 1;
    play(scenes::eventOpening1);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_TRUE(shows(f, *f.map, "img\\map1.bmp"));
    expectMarkerOn(f, 1);
    g.run(500);
    EXPECT_EQ(f.currentPlace, 1) << "the map keeps it";
}

TEST_F(Words, BackFromTheHarbourTheMarkerIsOnTheIsland) {
    f.flag(donePort1) = f.flag(doneMemory1) = f.flag(doneChallenge9) = 1;
    // The city map scrolled far to the right and down, further than the island
    // map reaches.
    f.loadMap();
    f.map->setPos(f.mapPanel->width - f.map->width, f.mapPanel->height - f.map->height);
    f.eye->setPos(400, 190);
    openEventScreen();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {narrate("「一")},
        /*1*/ {markerOn(12), record(doneIsland1), leave(Exit::Map)},
    }};
    // clang-format on
    playAll(s);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_TRUE(shows(f, *f.map, "img\\map2.bmp")) << "the island";
    expectMarkerOn(f, 12);
}

TEST_F(Words, TheBikeSettingScreenOpensWithTheMapWaitingAtThePort) {
    f.flag(doneKusaRace4) = f.flag(doneIsland1) = f.flag(doneIsland3) = 1;
    f.currentPlace = 15;
    openEventScreen();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {music(22), giveItem(16)},
        /*1*/ {clearPlace(), record(doneRenraku), leave(Exit::Setting)},
    }};
    // clang-format on
    playAll(s);
    EXPECT_EQ(f.screenMode, 10);
    EXPECT_TRUE(f.itemPanel->visible);
    EXPECT_TRUE(f.changeViewButton->visible) << "the setting screen, not the shop";
    EXPECT_FALSE(f.itemList->visible);
    EXPECT_EQ(f.bgmNo, 17);
    EXPECT_FALSE(f.facePanel->visible);
    EXPECT_FALSE(f.cursor->visible);
    EXPECT_FALSE(f.backImg->visible);
    EXPECT_TRUE(f.commonBackButton->visible);
    EXPECT_TRUE(f.app.idle().name.empty()) << "the screen waits for its controls";
    // The map behind it is already the city again, at the port.
    EXPECT_TRUE(shows(f, *f.map, "img\\map1.bmp"));
    EXPECT_EQ(f.map->left, -540);
    EXPECT_EQ(f.map->top, -300);
    EXPECT_EQ(f.eye->left, 268);
    EXPECT_EQ(f.eye->top, 109);
    EXPECT_EQ(f.currentPlace, 11);

    clickOn(*f.commonBackButton);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_TRUE(f.mapPanel->visible);
    EXPECT_EQ(f.map->left, -540) << "the map is where the scene left it";
    EXPECT_EQ(f.lines[1]->caption(), findPlace(11)->title);
    EXPECT_TRUE(f.goButton->visible);
    EXPECT_EQ(f.app.idle().name, "AppMap");
}

// ------------------------------------------------------------ pictures

TEST_F(Words, AMemoryShowsItsPlaceFadedToBrown) {
    openEventScreen();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {pastBack(4), narrate("『十二年前")},
        /*1*/ {back(4), narrate("『今")},
    }};
    // clang-format on
    play(s);
    ASSERT_TRUE(f.backImg->visible);
    const ImagePtr past = f.backImg->picture();
    play(s);
    const ImagePtr now = f.backImg->picture();
    ASSERT_TRUE(past && now);
    ASSERT_EQ(past->width, now->width);
    ASSERT_EQ(past->height, now->height);
    EXPECT_TRUE(shows(f, *f.backImg, "img\\back04.bmp")) << "the place as it is today";
    // The same place: what is brighter today is not darker in the memory; and
    // every pixel of the memory is brown, red over green over blue.
    long brighterPairs = 0, agreeing = 0;
    auto luma = [](std::uint32_t c) {
        return ((c >> 16) & 0xff) * 30 + ((c >> 8) & 0xff) * 59 + (c & 0xff) * 11;
    };
    for (std::size_t i = 0; i + 7 < now->pixels.size(); i += 7) {
        const std::uint32_t p = past->pixels[i];
        EXPECT_GE((p >> 16) & 0xff, (p >> 8) & 0xff) << i;
        EXPECT_GT((p >> 8) & 0xff, p & 0xff) << i;
        const std::uint32_t a = now->pixels[i], b = now->pixels[i + 7];
        if (luma(a) + 3000 < luma(b)) {
            ++brighterPairs;
            if (luma(past->pixels[i]) <= luma(past->pixels[i + 7])) ++agreeing;
        }
        if (HasFailure()) return;
    }
    ASSERT_GT(brighterPairs, 100);
    EXPECT_EQ(agreeing, brighterPairs) << "the memory keeps the picture's light and shade";
}

// ------------------------------------------------------------ narration

TEST_F(Words, NarrationOverANoiseIsHeardWithoutThePageSound) {
    openEventScreen();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {say({101, 1}, 101, "「一")},
        /*1*/ {noise(16, "二", "　三")},
    }};
    // clang-format on
    play(s);
    const std::size_t mark = g.platform.soundCommands.size();
    play(s);
    const std::vector<std::string> sent(g.platform.soundCommands.begin() +
                                            static_cast<std::ptrdiff_t>(mark),
                                        g.platform.soundCommands.end());
    auto playedEffect = [&](int n) {
        const std::string command = "play se" + std::to_string(n) + " from 0 notify";
        return std::find(sent.begin(), sent.end(), command) != sent.end();
    };
    EXPECT_TRUE(playedEffect(16)) << "the noise is heard";
    EXPECT_FALSE(playedEffect(9)) << "and no page turns with it";
    EXPECT_FALSE(f.facePanel->visible);
    EXPECT_EQ(f.name1->caption(), "");
    EXPECT_EQ(f.lines[1]->caption(), "二");
    EXPECT_EQ(f.lines[2]->caption(), "　三");
}

// ------------------------------------------------------------ items

TEST_F(Words, AGivenItemIsOwnedListedAndAnnounced) {
    openEventScreen();
    const std::size_t mark = g.platform.soundCommands.size();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {say({101, 1}, 101, "「一")},
        /*1*/ {giveItem(16)},
    }};
    // clang-format on
    playAll(s);
    EXPECT_EQ(f.rec.ownedItems[16], 1);
    EXPECT_EQ(f.lines[1]->caption(), "６速ＭＴを手に入れた");
    EXPECT_EQ(f.lines[2]->caption(), "");
    EXPECT_FALSE(f.facePanel->visible);
    EXPECT_EQ(f.name1->caption(), "");
    const std::vector<std::string> sent(g.platform.soundCommands.begin() +
                                            static_cast<std::ptrdiff_t>(mark),
                                        g.platform.soundCommands.end());
    const auto at = [&](const std::string& c) {
        return std::find(sent.begin(), sent.end(), c) - sent.begin();
    };
    const auto opened = at("open \"dat\\se28.wav\" alias se28");
    const auto played = at("play se28 from 0 notify");
    EXPECT_LT(opened, played) << "effect 28 is opened, then played";
    EXPECT_LT(played, static_cast<std::ptrdiff_t>(sent.size()));
    // The setting screen lists it among the second tab's parts.
    const std::vector<std::string>& listed = f.parts2List->items();
    EXPECT_NE(std::find(listed.begin(), listed.end(), std::string(findItem(16)->name)),
              listed.end());
}

TEST_F(Words, ASeparatorIsNoItemToGive) {
    openEventScreen();
    const Scene s = {"test", {{say({101, 1}, 101, "「一"), giveItem(10)}}};
    play(s);
    EXPECT_EQ(f.rec.ownedItems[10], 0);
    EXPECT_EQ(f.lines[1]->caption(), "「一") << "nothing is told";
    EXPECT_EQ(f.parts1List->count(), 0);
}

// ------------------------------------------------------------ into a race

TEST_F(Words, NoWaitingMarkerRidesIntoTheRace) {
    f.currentPlace = 18; // a street race: no scene of its own
    openEventScreen();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {say({101, 1}, 101, "「一")},
        /*1*/ {leave(Exit::Race)},
    }};
    // clang-format on
    play(s);
    g.run(200);
    ASSERT_TRUE(f.cursor->visible) << "the scene waits for a click";
    play(s);
    EXPECT_FALSE(f.cursor->visible);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5; }, 5000));
    ASSERT_TRUE(runUntil(
        g, [&] { return racing(f); }, 10000));
    g.run(1000);
    EXPECT_FALSE(f.cursor->visible);
}

TEST_F(Words, ASceneThatSetsTheSlidesModeStillLeavesForItsRace) {
    f.currentPlace = 18;
    openEventScreen();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {say({101, 6}, 101, "「一")},
        /*1*/ {setMode(3), leave(Exit::Race)},
    }};
    // clang-format on
    play(s);
    ASSERT_EQ(f.screenMode, 13);
    play(s);
    EXPECT_EQ(f.screenMode, 3) << "the frame slides into race position";
    EXPECT_EQ(f.app.idle().name, "AppWakuMove");
    ASSERT_TRUE(runUntil(
        g, [&] { return racing(f); }, 10000));
}

TEST_F(Words, ARaceScenesFirstLineComesWithoutThePageSound) {
    openRaceScene(3, 1);
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {opening({103, 7}, 103, "「一", "　二")},
        /*1*/ {opening({}, 128, "「三")},
    }};
    // clang-format on
    const std::size_t before = g.platform.soundCommands.size();
    play(s);
    EXPECT_EQ(g.platform.soundCommands.size(), before) << "no page turns before the first click";
    EXPECT_TRUE(f.facePanel->visible);
    EXPECT_EQ(f.name1->caption(), "白州　ミキ");
    EXPECT_EQ(f.lines[2]->caption(), "　二");
    play(s);
    EXPECT_FALSE(f.facePanel->visible) << "without a face the speaker is only heard";
    EXPECT_EQ(f.name1->caption(), "アナウンサー");
    EXPECT_EQ(f.lines[1]->caption(), "「三");
}

TEST_F(Words, AVoiceIsHeardWithoutAFace) {
    openEventScreen();
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {say({103, 2}, 103, "「一")},
        /*1*/ {voice(128, "「さあ！", "　始まります！")},
    }};
    // clang-format on
    play(s);
    ASSERT_TRUE(f.facePanel->visible);
    play(s);
    EXPECT_FALSE(f.facePanel->visible) << "the announcer is not seen";
    EXPECT_EQ(f.name1->caption(), "アナウンサー");
    EXPECT_EQ(f.lines[1]->caption(), "「さあ！");
    EXPECT_EQ(f.lines[2]->caption(), "　始まります！");
    EXPECT_EQ(f.lines[3]->caption(), "");
}

// ------------------------------------------------------------ riders

TEST_F(Words, AfterTheWatchedRaceTheHerosBikeComesBackForTheStadiumsRival) {
    f.flag(doneChallenge1) = f.flag(doneChallenge2) = f.flag(doneChallenge3) = 1;
    f.flag(doneChallenge4) = 1;
    f.currentPlace = 6;
    f.scene.preRaceSceneDone = 1;
    prepareRace(f, kWatchedRace, 1);
    f.setEnnoFromPlace();
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5; }, 5000));
    // The watched race: the two riders the place chose, neither the hero.
    ASSERT_EQ(f.race.enemyNo, kWatchedRace);
    const int lane1 = f.race.watchNo1;
    ASSERT_TRUE(showsMachine(f, 1, lane1));
    EXPECT_EQ(f.name1->caption(), machineName(lane1));

    openRaceSceneHere();
    const Scene s = {"test", {{record(halfChallenge5), rivalFromPlace()}, {leave(Exit::ToRace)}}};
    play(s);
    EXPECT_EQ(f.race.enemyNo, 2);
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_TRUE(showsMachine(f, 1, 1)) << "the hero's own bike in slot 1";
    EXPECT_TRUE(showsMachine(f, 2, 2));
    EXPECT_EQ(f.name1->caption(), machineName(1));
    EXPECT_EQ(f.name2->caption(), machineName(2));
    g.run(500);
    EXPECT_TRUE(showsMachine(f, 1, 1)) << "and it keeps turning its own wheels";
    EXPECT_TRUE(showsMachine(f, 2, 2));

    play(s);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.screenMode == 5; }, 10000));
    EXPECT_EQ(f.race.enemyNo, 2) << "the race is the one the scene showed";
    EXPECT_TRUE(showsMachine(f, 1, 1));
    EXPECT_TRUE(showsMachine(f, 2, 2));
    EXPECT_EQ(f.name2->caption(), machineName(2));
}

TEST_F(Words, TheRivalBecomesAGivenMachine) {
    openRaceScene(17, 1);
    ASSERT_TRUE(showsMachine(f, 2, 17));
    const Scene s = {"test", {{rival(11, 1), say({109, 1}, 109, "「一")}}};
    play(s);
    EXPECT_EQ(f.race.enemyNo, 11);
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_TRUE(showsMachine(f, 2, 11));
    EXPECT_TRUE(showsMachine(f, 1, 1));
    EXPECT_EQ(f.name2->caption(), machineName(11));
    EXPECT_EQ(f.name1->caption(), "フィリップ　北崎") << "the step's speaker has label 1";
    EXPECT_EQ(f.race.raceDistance, 10000) << "its race is run over 1000 m";
}

TEST_F(Words, AnotherMachineDrivesInOnTheThirdSlot) {
    openRaceScene(18, 1);
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {thirdRider(true), riderMachine(3, 4), riderOut(3), riderIn(3), moveRight(3, 200, 10)},
        /*1*/ {riderMachine(2, 7), riderMachine(4, 2), riderMachine(3, 99)},
    }};
    // clang-format on
    play(s);
    EXPECT_TRUE(showsMachine(f, 3, 4));
    EXPECT_TRUE(f.chara3->visible);
    EXPECT_EQ(f.chara3->left, -f.chara3->width) << "parked by the new picture's width";
    ASSERT_TRUE(runUntil(
        g, [&] { return f.isEventMoveDone(); }, 5000));
    EXPECT_EQ(f.chara3->left, 200);
    g.run(300);
    EXPECT_TRUE(showsMachine(f, 3, 4)) << "its wheels turn with the others";
    play(s);
    EXPECT_TRUE(showsMachine(f, 2, 7));
    EXPECT_EQ(f.race.enemyNo, 18) << "the rival stays who he was";
    EXPECT_TRUE(showsMachine(f, 3, 4)) << "no such machine: the slot keeps its rider";
    EXPECT_FALSE(f.fatalErrorShown());
}

TEST_F(Words, TheSpecialAnimationHoldsTheSceneAndChangesTheRival) {
    openRaceScene(17, 1);
    // clang-format off
    const Scene s = {"test", {
        /*0*/ {rival(11, 1), say({109, 1}, 109, "「一")},
        /*1*/ {philip(), say({109, 2}, 109, "「二")},
    }};
    // clang-format on
    play(s);
    play(s);
    EXPECT_FALSE(f.isEventMoveDone());
    g.run(100);
    EXPECT_TRUE(f.objectImg->visible) << "it flies in";
    EXPECT_TRUE(shows(f, *f.objectImg, "img\\philip1.bmp") ||
                shows(f, *f.objectImg, "img\\philip2.bmp"));
    const int step = f.scene.eventStep;
    g.click(kSceneX, kSceneY);
    EXPECT_EQ(f.scene.eventStep, step) << "a click waits for it";
    ASSERT_TRUE(runUntil(
        g, [&] { return f.race.enemyNo == 12; }, 5000));
    EXPECT_TRUE(showsMachine(f, 2, 12)) << "the rival's bike is the G HOUND now";
    ASSERT_TRUE(runUntil(
        g, [&] { return f.isEventMoveDone(); }, 10000));
    EXPECT_EQ(f.race.enemyVer, 1);
    EXPECT_EQ(f.race.philipAnimOn, 0);
    EXPECT_FALSE(f.objectImg->visible);
    EXPECT_EQ(f.lines[1]->caption(), "「『アルティメットコア』装填！！");
    EXPECT_EQ(f.chara1->left, 100 - f.chara1->width) << "the hero is back at his place";
}

// ------------------------------------------------------------ short scenes

TEST_F(Words, TheHeroNamesThePlaceHeMustGoTo) {
    f.flag(doneOpening0) = f.flag(doneOpening1) = f.flag(visitedSchool) = 1;
    f.flag(doneOpening2) = f.flag(doneBayStreet2) = f.flag(doneTV1) = 1;
    enterDirectly(f, 1);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(f.lines[1]->caption(), "「神奈玉駅に行かなきゃな……");
    EXPECT_EQ(f.lines[2]->caption(), "");
    EXPECT_EQ(f.name1->caption(), "乙木　コウイチロウ");
}

// An ordinary day at the shop, with the game's generator seeded so that its
// next draw out of five is `wanted` (0: the father speaks) or not.
class OrdinaryDay : public Words {
  protected:
    void SetUp() override {
        f.flag(doneOpening0) = f.flag(doneOpening1) = f.flag(visitedSchool) = 1;
        f.flag(doneOpening2) = 1;
    }
    void seedFor(bool fatherSpeaks) {
        for (std::uint32_t seed = 1;; ++seed) {
            ReferenceRandom r{seed};
            if ((r(5) == 0) == fatherSpeaks) {
                seed_ = seed;
                return;
            }
        }
    }
    // Enters the shop, then the click after its first line; the generator is
    // seeded at that click.
    void firstLineThenClick(bool fatherSpeaks) {
        enterDirectly(f, 1);
        ASSERT_EQ(f.screenMode, 13);
        ASSERT_EQ(f.lines[1]->caption(), "「……今日も客はゼロか。");
        seedFor(fatherSpeaks);
        f.random.randomize(seed_);
        g.click(kSceneX, kSceneY);
        ReferenceRandom r{seed_};
        r(5);
        EXPECT_EQ(f.random.seed, r.seed) << "one draw, whatever follows";
    }
    std::uint32_t seed_ = 0;
};

TEST_F(OrdinaryDay, FourDaysInFiveTheHeroGoesBackToTheMap) {
    firstLineThenClick(false);
    EXPECT_EQ(f.screenMode, 2);
}

TEST_F(OrdinaryDay, OnTheFifthTheFatherNagsHim) {
    firstLineThenClick(true);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_EQ(f.name1->caption(), "乙木　ゴンゾウ");
    EXPECT_TRUE(shows(f, *f.face, "img\\faceFather2.bmp"));
    EXPECT_EQ(f.lines[1]->caption(), "「ボーッとしとらんで生地でもこねとけ！");
    g.click(kSceneX, kSceneY);
    EXPECT_EQ(f.screenMode, 2);
}

TEST_F(OrdinaryDay, AfterTheLostDuelHeSpeaksGently) {
    f.flag(doneChallenge6) = f.flag(donePort1) = 1; // and the harbour told him why
    firstLineThenClick(true);
    ASSERT_EQ(f.screenMode, 13);
    EXPECT_TRUE(shows(f, *f.face, "img\\faceFather4.bmp"));
    EXPECT_EQ(f.lines[1]->caption(), "「……店のことは気にするな。");
    EXPECT_EQ(f.lines[2]->caption(), "　お前はお前の走りを取り戻してこい");
}

TEST_F(OrdinaryDay, AfterTheStadiumsLastDuelHeHasNothingToSay) {
    f.flag(doneChallenge14) = 1;
    firstLineThenClick(true);
    EXPECT_EQ(f.screenMode, 2);
}

// ------------------------------------------------------------ every scene

// The ways through a scene: each test of its picks and skips answered one way,
// the same way wherever it recurs in the scene, and each one-in-n chance one
// way; for each way, the operations performed in order until the scene leaves
// or hands over.
class Ways {
  public:
    explicit Ways(const Scene& s) : scene_(s) {
        for (const Step& st : s.steps)
            collect(st.ops);
    }
    std::size_t questions() const { return keys_.size(); }

    template <class Visit> void each(Visit visit) const {
        const std::size_t n = keys_.size();
        for (std::size_t way = 0; way < (std::size_t{1} << n); ++way) {
            std::map<const void*, bool> answer;
            for (std::size_t k = 0; k < n; ++k)
                answer[keys_[k]] = ((way >> k) & 1u) != 0;
            std::vector<const Op*> ops;
            for (std::size_t i = 0; i < scene_.steps.size(); ++i) {
                bool handedOver = false;
                if (!follow(scene_.steps[i].ops, answer, ops, handedOver) || handedOver) break;
            }
            visit(ops);
        }
    }

  private:
    static const void* keyOf(const Op& o) {
        if (o.test) return reinterpret_cast<const void*>(o.test);
        return &o; // a chance is drawn afresh each time
    }
    void collect(const Ops& ops) {
        for (const Op& o : ops) {
            if (o.code != Code::Pick && o.code != Code::SkipIf) continue;
            const void* k = keyOf(o);
            if (std::find(keys_.begin(), keys_.end(), k) == keys_.end()) keys_.push_back(k);
            if (o.code == Code::Pick) {
                collect(*o.yes);
                collect(*o.no);
            }
        }
    }
    // False once the scene has left.
    static bool follow(const Ops& ops, const std::map<const void*, bool>& answer,
                       std::vector<const Op*>& out, bool& handedOver) {
        for (const Op& o : ops) {
            if (o.code == Code::SkipIf) {
                if (answer.at(keyOf(o))) return true; // the next step instead
                continue;
            }
            if (o.code == Code::Pick) {
                if (!follow(answer.at(keyOf(o)) ? *o.yes : *o.no, answer, out, handedOver))
                    return false;
                continue;
            }
            out.push_back(&o);
            if (o.code == Code::Next) handedOver = true;
            if (o.code == Code::Leave) return false;
        }
        return true;
    }

    const Scene& scene_;
    std::vector<const void*> keys_;
};

// What is wrong with the music along one way through a scene, or "".
std::string musicFault(const std::vector<const Op*>& ops) {
    bool held = false;
    for (const Op* o : ops) {
        switch (o->code) {
        case Code::PauseMusic:
            held = true;
            break;
        case Code::PlayOn:
            if (!held) return "plays on with no piece held (pause it, do not end it)";
            held = false;
            break;
        case Code::EndMusic:
            if (held) return "ends a held piece (write endMusic alone)";
            break;
        case Code::Music:
            held = false; // a new piece replaces the held one
            break;
        default:
            break;
        }
    }
    return held ? "leaves with the music held" : "";
}

std::string musicFault(const Scene& s) {
    std::string fault;
    Ways(s).each([&](const std::vector<const Op*>& ops) {
        if (fault.empty()) fault = musicFault(ops);
    });
    return fault;
}

TEST(EveryScene, PlaysOnTheMusicItPausedBeforeItLeaves) {
    for (const Scene* s : scenes::all()) {
        ASSERT_LE(Ways(*s).questions(), 12u) << s->name;
        EXPECT_EQ(musicFault(*s), "") << s->name;
    }
}

bool sunny(const TForm1& f) {
    return f.race.raceWeather == 0;
}
bool rainy(const TForm1& f) {
    return f.race.raceWeather == 1;
}

TEST(EveryScene, TheMusicCheckSeesEveryWayThroughAScene) {
    // clang-format off
    const Scene good = {"good", {
        {pick(sunny, pauseMusic(), {})},
        {pick(sunny, playOn(), {}), leave(Exit::Map)},
    }};
    // clang-format on
    EXPECT_EQ(musicFault(good), "");
    const Scene stoppedAndResumed = {"bad", {{endMusic()}, {playOn()}, {leave(Exit::Map)}}};
    EXPECT_NE(musicFault(stoppedAndResumed), "");
    // clang-format off
    const Scene heldOnOneSide = {"bad", {
        {pick(sunny, pauseMusic(), {})},
        {pick(rainy, playOn(), {}), leave(Exit::Map)},
    }};
    // clang-format on
    EXPECT_NE(musicFault(heldOnOneSide), "");
    const Scene leftHeld = {"bad", {{pauseMusic()}, {leave(Exit::Race)}, {playOn()}}};
    EXPECT_NE(musicFault(leftHeld), "") << "a step after the way out never plays";
    const Scene skipped = {"bad", {{pauseMusic()}, {skipIf(sunny), playOn()}, {next()}}};
    EXPECT_NE(musicFault(skipped), "");
}

// Every operation of a step, both sides of every pick.
void walk(const Ops& ops, std::vector<const Op*>& out) {
    for (const Op& o : ops) {
        out.push_back(&o);
        if (o.code == Code::Pick) {
            walk(*o.yes, out);
            walk(*o.no, out);
        }
    }
}

// The marker is put on a place only by a step that leaves to the map: anywhere
// else it would wait for some later return and land on a place the story has
// left.
TEST(EveryScene, PutsTheMarkerOnAPlaceOnlyOnItsWayToTheMap) {
    for (const Scene* s : scenes::all()) {
        for (std::size_t i = 0; i < s->steps.size(); ++i) {
            std::vector<const Op*> ops;
            walk(s->steps[i].ops, ops);
            bool marks = false, toMap = false;
            for (const Op* o : ops) {
                marks = marks || o->code == Code::MarkerOn;
                toMap = toMap || (o->code == Code::Leave && o->a == static_cast<int>(Exit::Map));
            }
            EXPECT_TRUE(!marks || toMap) << s->name << " step " << i;
        }
    }
}

// A change of rival writes the race screen's name labels, and label 1 is also
// the speaker's: every way through the step names a speaker (or narration)
// after it, unless the scene leaves at once.
TEST(EveryScene, NamesTheSpeakerAgainAfterTheRivalChanges) {
    for (const Scene* s : scenes::all()) {
        for (std::size_t i = 0; i < s->steps.size(); ++i) {
            const Scene step = {s->name, {s->steps[i]}};
            Ways(step).each([&](const std::vector<const Op*>& ops) {
                bool unnamed = false;
                for (const Op* o : ops) {
                    if (o->code == Code::RivalFromPlace || o->code == Code::Rival) unnamed = true;
                    if (o->code == Code::Name || o->code == Code::NameStr ||
                        o->code == Code::ClearName || o->code == Code::Leave)
                        unnamed = false;
                }
                EXPECT_FALSE(unnamed) << s->name << " step " << i;
            });
        }
    }
}

} // namespace
} // namespace zb::test
