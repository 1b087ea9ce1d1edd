// The driving school on the real race screen: the gear drill's pages and their
// exits, the automatic clutch's short way, the start drill and its reset, the
// race against the instructor, and one whole lesson from the map with the mouse.

#include "save/ProgressRecord.h"
#include "sound/UnitSound.h"
#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <vector>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::racing;
using zb::test::runUntil;

namespace {

constexpr int kSchool = 2;
constexpr std::size_t kAutoClutch = 23;
constexpr std::size_t kBalanceBreaker = 29;

// The lesson driven the way a player drives it: buttons clicked where they
// stand, the clutch dragged and the throttle held on the road.
class Lesson {
  public:
    explicit Lesson(Game& game) : g(game), f(game.f()) {}

    void click(const Control& c) {
        ASSERT_TRUE(c.showing()) << c.name << " is not on the screen";
        g.click(c.formLeft() + 10, c.formTop() + 8);
    }
    void next() { click(*f.nextButton); }
    void prev() { click(*f.prevButton); }
    // "次へ >" until the page is reached; the pages passed on the way.
    std::set<int> turnTo(int page) {
        std::set<int> seen;
        for (int n = 0; f.tutorStep < page && n < 40; ++n) {
            next();
            seen.insert(f.tutorStep);
        }
        return seen;
    }
    // The clutch held on the road and the pointer dragged before letting go.
    void shiftDown() {
        g.press(250, 240);
        g.release(250, 262);
    }
    void shiftUp() {
        g.press(250, 240);
        g.release(250, 218);
    }
    void throttle(bool on) {
        if (on)
            g.press(250, 240, MouseButton::Right);
        else
            g.release(250, 240, MouseButton::Right);
    }
    // One step of the handler now installed.
    void step() {
        const auto before = f.lastTick;
        runUntil(
            g, [&] { return f.lastTick != before; }, 1000);
    }
    void steps(int n) {
        for (int i = 0; i < n; ++i)
            step();
    }
    // Rides until the page turns; the speed the page saw when it turned (-1 when
    // it never did). The speed changes by 1 km/h a step at most, so the first
    // speed at which a page may turn is the one it turns at.
    int speedAtTurn(int maxSteps = 3000) {
        const int page = f.tutorStep;
        for (int i = 0; i < maxSteps; ++i) {
            const int seen = f.race.riderSpeed[1];
            step();
            if (f.tutorStep != page) return seen;
        }
        return -1;
    }

    // The gear drill from page 13 to the top of 4th gear on page 23, as its
    // pages ask; the speeds at which the accelerating pages turned.
    std::vector<int> shiftUpThroughTheDrill() {
        std::vector<int> turns;
        shiftDown(); // N -> 1st
        step();
        EXPECT_EQ(f.tutorStep, 14);
        throttle(true);
        turns.push_back(speedAtTurn());
        for (int page : {17, 20, 23}) {
            EXPECT_EQ(f.tutorStep, page - 2); // throttle off ...
            throttle(false);
            step();
            EXPECT_EQ(f.tutorStep, page - 1); // ... shift up ...
            shiftUp();
            step();
            EXPECT_EQ(f.tutorStep, page); // ... and on to the next gear's speed
            throttle(true);
            turns.push_back(speedAtTurn());
        }
        EXPECT_EQ(f.tutorStep, 24);
        return turns;
    }
    // The whole gear drill, down to 1st again and the bike stopped on page 28.
    std::vector<int> rideTheGearDrill() {
        std::vector<int> turns = shiftUpThroughTheDrill();
        throttle(false);
        step();
        shiftDown(); // 4th -> 3rd: page 26
        step();
        shiftDown();
        shiftDown(); // -> 1st: page 28
        step();
        EXPECT_EQ(f.tutorStep, 28);
        return turns;
    }

    Game& g;
    TForm1& f;
};

// "入る" at the school; the lesson chosen and the frame slid into place.
class SchoolLesson : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    Lesson lesson{g};

    void SetUp() override {
        f.random.seed = 4711;
        f.newGameButton->visible = f.continueButton->visible = f.fsinfo->visible = false;
        f.currentPlace = kSchool;
        f.screenMode = 2;
        f.mapTo();
        ASSERT_EQ(f.screenMode, 14);
    }
    void startLesson() {
        f.selectSchool(1);
        ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 16; }));
        ASSERT_EQ(f.tutorStep, 0);
    }
    void toGearDrill() {
        startLesson();
        lesson.turnTo(13);
        ASSERT_EQ(f.tutorStep, 13);
        ASSERT_EQ(f.app.idle().name, "AppTutor");
    }
};

} // namespace

TEST_F(SchoolLesson, PastFirstFromNeutralIsTheWrongGearUntilReset) {
    toGearDrill();
    lesson.shiftUp(); // N -> 2nd
    ASSERT_EQ(f.race.gear, 2);
    lesson.step();
    ASSERT_EQ(f.tutorStep, 27);
    EXPECT_EQ(f.tutorLabel1->caption(), "目標のギヤではありません。");
    EXPECT_FALSE(f.nextButton->visible || f.prevButton->visible);

    // Nothing the bike does leaves the page.
    lesson.shiftDown(); // 2nd -> 1st, the page's own gear
    lesson.throttle(true);
    lesson.steps(150);
    EXPECT_EQ(f.tutorStep, 27);
    EXPECT_GT(f.race.riderSpeed[1], 0);
    lesson.throttle(false);

    lesson.click(*f.resetButton);
    EXPECT_EQ(f.tutorStep, 13);
    EXPECT_EQ(f.race.gear, 0);
    EXPECT_EQ(f.race.riderSpeed[1], 0);
    EXPECT_EQ(f.tutorLabel1->caption(), "マウスの左ボタンを押し、");
}

TEST_F(SchoolLesson, FirstGearTurnsAtHalfItsTopAndLeavingItIsTheWrongGear) {
    f.rec.equippedItems[kBalanceBreaker] = 1; // the lesson rides without it
    toGearDrill();
    ASSERT_EQ(f.race.gearMaxSpeed[1], 62) << "a bike without parts";
    lesson.shiftDown();
    lesson.step();
    ASSERT_EQ(f.tutorStep, 14);
    lesson.throttle(true);
    EXPECT_EQ(lesson.speedAtTurn(), 31);
    EXPECT_EQ(f.tutorStep, 15);
    lesson.steps(300);
    EXPECT_EQ(f.race.riderSpeed[1], 62) << "1st gear's top, as a bike without parts";
    EXPECT_EQ(f.rec.equippedItems[kBalanceBreaker], 1);

    // Again, and this time up out of 1st on page 14.
    lesson.throttle(false);
    lesson.click(*f.resetButton);
    lesson.shiftDown();
    lesson.step();
    ASSERT_EQ(f.tutorStep, 14);
    lesson.shiftUp();
    lesson.step();
    EXPECT_EQ(f.tutorStep, 27);
}

TEST_F(SchoolLesson, ThrottleBeforeTheShiftGoesBackAPage) {
    toGearDrill();
    lesson.shiftDown();
    lesson.step();
    lesson.throttle(true);
    ASSERT_NE(lesson.speedAtTurn(), -1);
    lesson.throttle(false);
    lesson.step();
    ASSERT_EQ(f.tutorStep, 16);
    lesson.throttle(true); // too early: the page said shift first
    lesson.step();
    EXPECT_EQ(f.tutorStep, 15);
    lesson.throttle(false);
    lesson.step();
    EXPECT_EQ(f.tutorStep, 16);
}

TEST_F(SchoolLesson, FastFourthTurnsAt180AndOnlyFirstEndsTheDownshifts) {
    // Two bore-ups lift 4th gear above 225 km/h; without the LC computer no bike
    // passes 180, so page 23 has to turn there.
    f.rec.equippedItems[6] = f.rec.equippedItems[7] = 1;
    f.setMax();
    ASSERT_GT(f.race.gearMaxSpeed[4], 225);
    toGearDrill();
    const std::vector<int> turns = lesson.shiftUpThroughTheDrill();
    ASSERT_EQ(turns.size(), 4u);
    EXPECT_EQ(turns[3], 180);

    lesson.throttle(false);
    lesson.step();
    ASSERT_EQ(f.tutorStep, 25);
    lesson.shiftDown(); // 4th -> 3rd
    lesson.step();
    ASSERT_EQ(f.tutorStep, 26);
    lesson.shiftDown(); // 3rd -> 2nd
    lesson.steps(20);
    EXPECT_EQ(f.tutorStep, 26);
    lesson.shiftDown(); // 2nd -> 1st
    lesson.step();
    EXPECT_EQ(f.tutorStep, 28) << "the wrong-gear page is skipped";
    EXPECT_EQ(f.screenMode, 16);
    EXPECT_EQ(f.race.riderSpeed[1], 0) << "the bike stands";
    EXPECT_TRUE(f.app.idle().name.empty());
    EXPECT_FALSE(f.prevButton->visible);
}

TEST_F(SchoolLesson, AutomaticClutchSkipsTheGearDrill) {
    f.rec.equippedItems[kAutoClutch] = 1;
    startLesson();
    const std::set<int> seen = lesson.turnTo(30);
    EXPECT_EQ(f.tutorStep, 30);
    for (int page = 12; page <= 29; ++page)
        EXPECT_EQ(seen.count(page), 0u) << "page " << page << " shown";
    EXPECT_EQ(f.tutorLabel1->caption(), "「次へ >」ボタンをクリック");

    lesson.prev();
    EXPECT_EQ(f.tutorStep, 29);
    lesson.prev();
    EXPECT_EQ(f.tutorStep, 28);
    EXPECT_FALSE(f.prevButton->visible) << "no way back from page 28";
}

TEST_F(SchoolLesson, ResetInTheStartDrillGoesBackToTheCount) {
    toGearDrill();
    lesson.rideTheGearDrill();
    lesson.turnTo(31);
    ASSERT_EQ(f.tutorStep, 31);
    ASSERT_EQ(f.app.idle().name, "AppSig");

    // A false start: the notice takes the lesson panel's place ...
    lesson.shiftDown(); // N -> 1st
    lesson.throttle(true);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.flying->visible; }, 3000));
    EXPECT_FALSE(f.tutorBack->visible || f.tutorLabel1->visible);
    lesson.throttle(false);
    // ... and "リセット" before it ends: the count's page, the panel back, no count.
    lesson.click(*f.resetButton);
    EXPECT_EQ(f.tutorStep, 30);
    EXPECT_FALSE(f.flying->visible || f.SignalBar->visible);
    EXPECT_TRUE(f.tutorBack->visible && f.tutorLabel1->visible && f.chara1->visible);
    g.run(1000);
    EXPECT_EQ(f.tutorStep, 30);
    EXPECT_FALSE(f.flying->visible);

    // The free run resets to the same page.
    lesson.next();
    ASSERT_EQ(f.tutorStep, 31);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.tutorStep == 32; }, 5000));
    EXPECT_EQ(f.app.idle().name, "AppTutor");
    lesson.click(*f.resetButton);
    EXPECT_EQ(f.tutorStep, 30);
    EXPECT_EQ(f.race.raceStarted, 0);
}

TEST_F(SchoolLesson, InstructorRaceIsAnOrdinaryRaceWithTheLessonsWayOut) {
    f.selectSchool(2);
    EXPECT_EQ(f.screenMode, 3);
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
    EXPECT_EQ(f.race.enemyNo, 6);
    EXPECT_TRUE(f.chara2->visible) << "the instructor rides";
    EXPECT_TRUE(f.endTutorButton->showing());
    const RecordBytes before = encodeRecord(f.rec);
    lesson.click(*f.endTutorButton);
    EXPECT_EQ(f.screenMode, 7);
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 2; }));
    EXPECT_EQ(f.app.idle().name, "AppMap");
    EXPECT_EQ(encodeRecord(f.rec), before) << "leaving counts no race";
}

namespace {

void writeSlot(int n, const ProgressRecord& r) {
    const RecordBytes bytes = encodeRecord(r);
    std::ofstream("dat/save0" + std::to_string(n) + ".bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace

TEST(School, WholeLessonFromTheMapWithTheMouseOnly) {
    GameFolder folder;
    ProgressRecord saved;
    saved.storyFlags[doneOpening0] = saved.storyFlags[doneOpening1] = 1;
    saved.points = 300;
    saved.accelWindowLow = {0, 1, 1};
    saved.accelWindowHigh = {0, 10, 10};
    for (auto& row : saved.bestTime)
        for (auto& t : row)
            t = 9999;
    // The marker on the driving school (360, 280 on the city map).
    saved.savedMapLeft = -200;
    saved.savedMapTop = -200;
    saved.savedEyeLeft = 160 - 13;
    saved.savedEyeTop = 80 - 12;
    writeSlot(1, saved);

    Game g;
    TForm1& f = g.f();
    Lesson lesson{g};
    f.random.seed = 31337;
    // The map's, a race's and the school's music count as present.
    for (const char* piece : {musicFile(2), musicFile(3), musicFile(7)})
        g.platform.music.setLength(piece, 60000);
    g.click(401 + 20, 335 + 10); // コンティニュー
    ASSERT_EQ(f.screenMode, 12);
    const int rowX = f.savePanel->formLeft() + f.dataLabel[1]->left + 10;
    const int rowY = f.savePanel->formTop() + f.dataLabel[1]->top + 4;
    g.platform.mouseMove(rowX, rowY);
    g.flush();
    g.click(rowX, rowY);
    ASSERT_EQ(f.screenMode, 2);
    ASSERT_EQ(f.currentPlace, kSchool);
    const RecordBytes before = encodeRecord(f.rec);

    // "入る", and "戻る" out of the menu once.
    lesson.click(*f.goButton);
    ASSERT_EQ(f.screenMode, 14);
    EXPECT_EQ(f.infoLabel->caption(), "   教習所  ");
    EXPECT_EQ(f.line1->caption(), "モードを選択してください");
    EXPECT_EQ(f.bgmNo, 7);
    lesson.click(*f.commonBackButton);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_TRUE(f.mapPanel->visible && f.goButton->visible);
    lesson.click(*f.goButton);
    ASSERT_EQ(f.screenMode, 14);

    // The pointer over "操作方法" puts the bar there; a press on it chooses.
    const int cx = f.choice1Label->formLeft() + 10;
    const int cy = f.choice1Label->formTop() + 5;
    EXPECT_EQ(f.choice1Label->caption(), "操作方法      ");
    g.platform.mouseMove(cx, cy);
    g.flush();
    g.click(cx, cy);
    ASSERT_EQ(f.screenMode, 15);
    g.run(100);
    EXPECT_LT(f.waku1->top, 271 + 78);
    g.click(250, 240); // skips the rest of the slide
    ASSERT_EQ(f.screenMode, 16);
    EXPECT_EQ(f.waku1->top, 271 + 78) << "the frame in race position";
    EXPECT_EQ(f.tutorLabel1->caption(), "教習所へようこそ！！");
    g.run(500);
    EXPECT_EQ(f.waku1->top, 271 + 78) << "the first page stands still";
    EXPECT_TRUE(f.chara1->visible);
    EXPECT_FALSE(f.chara2->visible) << "the instructor stays away";

    // The explanation pages, the circle pointing at the gear lever on page 2.
    lesson.turnTo(2);
    EXPECT_TRUE(f.tutorCircle->visible);
    EXPECT_EQ(f.tutorCircle->left, 7);
    EXPECT_EQ(f.tutorCircle->top, 302);
    lesson.turnTo(13);
    ASSERT_EQ(f.tutorStep, 13);
    EXPECT_FALSE(f.tutorCircle->visible);
    EXPECT_EQ(f.screenMode, 17);

    // The gear drill on a bike without parts: the pages turn at half of 1st's
    // 62, 98 / 1.75, 145 / 1.5 and 203 / 1.25 km/h, rounded up.
    EXPECT_EQ(lesson.rideTheGearDrill(), (std::vector<int>{31, 56, 97, 163}));
    ASSERT_EQ(f.tutorStep, 28);

    // The start drill: into 1st while the signal counts, off at "go".
    lesson.turnTo(31);
    ASSERT_EQ(f.tutorStep, 31);
    ASSERT_TRUE(runUntil(g, [&] { return f.race.signalCount == 1; }));
    lesson.shiftDown();
    ASSERT_EQ(f.race.gear, 1);
    ASSERT_TRUE(runUntil(
        g, [&] { return f.tutorStep == 32; }, 5000));
    EXPECT_EQ(f.tutorLabel1->caption(), "フリー走行です。ゴールは");
    EXPECT_TRUE(f.n100->visible && f.km1->visible);
    lesson.throttle(true);
    const int roadBefore = f.bgImgMain->left;
    g.run(3000);
    EXPECT_GT(f.race.riderSpeed[1], 30);
    EXPECT_NE(f.bgImgMain->left, roadBefore) << "the road scrolls";
    EXPECT_EQ(f.race.riderDistance[1], 0) << "a free run has no distance";
    EXPECT_EQ(f.bgmNo, 7) << "the school's music all through the lesson";
    lesson.throttle(false);

    // "教習終了": back to the map as after a race.
    lesson.click(*f.endTutorButton);
    EXPECT_EQ(f.screenMode, 7);
    EXPECT_FALSE(f.tutorBack->visible || f.nextButton->visible || f.endTutorButton->visible);
    ASSERT_TRUE(runUntil(g, [&] { return f.screenMode == 2; }));
    EXPECT_EQ(f.app.idle().name, "AppMap");
    EXPECT_TRUE(f.mapPanel->visible);
    EXPECT_FALSE(f.chara1->visible || f.bgImgRoad->visible);
    EXPECT_EQ(f.bgmNo, 2);

    // Only the school's visit is recorded; no points.
    RecordBytes after = encodeRecord(f.rec);
    EXPECT_EQ(after[70 + visitedSchool], 1);
    after[70 + visitedSchool] = before[70 + visitedSchool];
    EXPECT_EQ(after, before);
}
