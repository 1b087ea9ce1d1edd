// The whole story, played from the title screen's "ニューゲーム" to the ending's
// last still screen the way a player plays it: injected clicks, drags and keys
// only, on the virtual clock. On the map the player scrolls to the place the
// story asks for next, puts the eye on its icon and presses "入る"; scenes are
// clicked on (or Space is pressed) once the window has settled and the riders
// have arrived; choices take their first answer; races are ridden with the
// mouse; a lost race that ends the game is ridden again. When the next rival
// is too fast for the bike, the player races the street for points, buys parts
// in the shop and fits them on the setting screen.
//
// Nothing here knows how long a scene is: a scene is advanced for as long as it
// waits, so a scene that grows or shrinks needs no change here.

#include "data/UnitConst.h"
#include "story/Scenes.h"
#include "tests/StoryHarness.h"
#include "ui/Image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zb::test {
namespace {

// The ending: the last visit of the route is over when the final screen shows.
constexpr int kEnding = -1;

// One visit the story asks for: the place to enter, the mark the visit leaves
// (the place is entered again until it is made), and the parts the bike must
// have fitted before the player goes there, because the rival met on the way is
// too fast for it otherwise.
struct Visit {
    int place;
    int done; // a StoryFlag, or kEnding
    std::vector<int> parts;
};

// Parts, by item number.
constexpr int kLC = 0;       // ＬＣコンピュータ: no limiter at 180 km/h
constexpr int kEXCarb = 1;   // ＥＸキャブレタ
constexpr int kPFLPlus = 2;  // ＰＦＬプラス
constexpr int kRadiator = 3; // ＨＰラジエータ
constexpr int kCylinder = 4; // 鍛造シリンダー
constexpr int kFork = 5;     // ＤＬＣフォーク
constexpr int kBoreUp1 = 6;  // ボアアップキット①..④
constexpr int kBoreUp2 = 7;
constexpr int kBoreUp3 = 8;
constexpr int kBoreUp4 = 9;
constexpr int kRacingTyre = 11;    // レーシングタイヤ
constexpr int kRainTyre = 12;      // レインタイヤ
constexpr int kMuffler = 13;       // レーシングマフラー
constexpr int kLiquidMuffler = 14; // リキッドマフラー
constexpr int kFiveSpeed = 15;     // ５速ＭＴ
constexpr int kSixSpeed = 16;      // ６速ＭＴ (a scene gives it)
constexpr int kWindshield = 17;    // ウインドシールド
constexpr int kTreatment = 18;     // トリートメント
constexpr int kLightKit1 = 19;     // 軽量化キット①
constexpr int kLightKit2 = 20;     // 軽量化キット②

// The story from the driving school to the ending, visit by visit, with the
// parts a player who has raced these rivals before fits on the way: the speed
// parts first (the gearbox, the cylinder, the bore-up kits), the rain tyre and
// the liquid muffler for シーボス's long race in the rain, then the racing tyre
// and muffler back on and what the train, the stadium's last rivals and the
// truck on the highway ask for.
// clang-format off
const std::vector<Visit> kRoute = {
    {2,  visitedSchool,        {}},
    {1,  doneOpening2,         {}},
    {4,  doneStreet2,          {}},                       // EVR - Type S; a loss ends the game
    {8,  doneRHouse1,          {}},
    {8,  doneRHouse4,          {kLC}},                    // the house asks for the LC computer
    {7,  doneSachi1,           {}},
    {9,  doneBayStreet2,       {kFiveSpeed}},             // シーボス
    {1,  doneTV1,              {}},
    {3,  doneDemoEx2,          {}},                       // a race the hero watches
    {1,  doneNoCustomers,      {}},
    {7,  doneSachi2,           {}},
    {9,  doneBayStreet4,       {kCylinder, kBoreUp1}},    // シーボス again, in the rain
    {8,  doneRHouse6,          {}},
    {10, doneStreet4,          {kBoreUp2}},               // 猪槌
    {1,  doneLastNight1,       {}},
    {6,  doneChallenge6,       {kBoreUp3}},               // DOG, then EVR - Type D
    {1,  doneCannotFaceFather, {}},
    {7,  doneSachiAbsent,      {}},
    {6,  doneChallenge9,       {}},
    {7,  doneWhereIsSachi,     {}},
    {11, doneIsland1,          {}},
    {12, doneIsland3,          {}},
    {13, doneKusaRace2,        {}},                       // SKY DOG in the wind
    {12, doneIsland4,          {}},
    {12, doneIsland5,          {}},
    {13, doneKusaRace4,        {}},
    {15, doneRenraku,          {}},                       // the six-speed gearbox
    {11, donePort4,            {kSixSpeed, kPFLPlus, kBoreUp4, kLightKit1, kLightKit2,
                                kRainTyre, kLiquidMuffler}},  // シーボス, 1000 m in the rain
    {1,  doneHome1,            {}},
    {3,  doneStation1,         {kRacingTyre, kMuffler, kEXCarb, kFork, kRadiator,
                                kTreatment}},             // the bullet train
    {7,  doneSachi3,           {}},
    {6,  doneChallenge14,      {kWindshield}},            // EVR - Type S
    {6,  doneChallenge17,      {}},                       // EVR - Type D
    {6,  doneChallenge21,      {}},                       // ZINGO 2000
    {16, kEnding,              {}},                       // the truck in the wind, then G HOUND
};
// clang-format on

// eventFoo, the shopping street's idle chat, leaves after its first line four
// times in five: it may stop short of its last step.
const std::set<std::string, std::less<>> kMayLeaveEarly = {"eventFoo"};

// Scenes the route need not see: eventFoo (the shopping street with nothing to
// tell) and the one-line reminders eventMustGo, eventMustEquipLC,
// eventAfterLose and eventNoTime, which repeat for as long as their place is
// entered too early or too late; a player who goes where the story asks never
// has to hear them.
const std::set<std::string, std::less<>> kOffTheRoute = {
    "eventFoo", "eventMustGo", "eventMustEquipLC", "eventAfterLose", "eventNoTime"};

// Bounds on virtual time, so that no screen can keep the player waiting forever.
constexpr std::uint32_t kSettleMs = 30000;             // a shake or the riders' moves in a scene
constexpr std::uint32_t kSlideMs = 15000;              // the message frame sliding in or out
constexpr std::uint32_t kRaceMs = 180000;              // one race, from the slide to the goal
constexpr std::uint32_t kResultMs = 10000;             // the goal to the result screen
constexpr std::uint32_t kScrollMs = 20000;             // scrolling the map to a place
constexpr std::uint32_t kPayMs = 20000;                // the points counting down after a purchase
constexpr std::uint32_t kEndingMs = 900000;            // the ending's cards to the final screen
constexpr std::uint32_t kStoryMs = 6u * 3600u * 1000u; // the whole story
constexpr int kMaxVisitsPerStop = 12; // entering one place of the route again and again
constexpr int kMaxStreetRaces = 120;
constexpr int kMaxRetries = 10;     // "再挑戦" after one race lost in a row
constexpr int kMaxActions = 200000; // everything the player does, however little

// A point on the scene's background, clear of the portrait, the choice box and
// the riders: a click there advances a scene over a still background, over the
// map and on the race screen.
constexpr int kSceneX = 250;
constexpr int kSceneY = 60;

class Playthrough : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    // Every step every scene performed.
    std::map<std::string, std::set<int>, std::less<>> played;
    long stepsPlayed = 0;
    bool stuck = false;

    // What the player did.
    int advances = 0;
    int races = 0;
    int racesLost = 0;
    int watchedRaces = 0;
    int streetRaces = 0;
    int gameOvers = 0;
    int retriesInARow = 0;
    std::int64_t pointsSpent = 0;
    std::vector<int> bought;
    std::vector<std::string> raceLog;
    std::size_t stop = 0; // the visit of the route the player is on
    int visitsToStop = 0;

    // With ZB_SHOTS set to a folder, the frame a scene shows at its fourth step
    // (at its last line, for a short scene) is saved there as <scene>-<step>.png:
    // pictures of the whole story to look through.
    const char* shots = std::getenv("ZB_SHOTS");
    std::string lastScene;
    int lastStep = -1;

    void SetUp() override {
        f.scene.stepPlayed = [this](std::string_view scene, int step) {
            played[std::string(scene)].insert(step);
            ++stepsPlayed;
            lastScene = scene;
            lastStep = step;
        };
    }

    void saveShot() {
        if (shots == nullptr || lastScene.empty()) return;
        const script::Scene* s = nullptr;
        for (const script::Scene* each : scenes::all())
            if (each->name == lastScene) s = each;
        if (s == nullptr) return;
        const int wanted = std::clamp(static_cast<int>(s->steps.size()) - 2, 0, 3);
        if (lastStep != wanted) return;
        const std::string path =
            std::string(shots) + "/" + lastScene + "-" + std::to_string(lastStep) + ".png";
        if (!savePng(g.app.frame(), path)) ADD_FAILURE() << "cannot write " << path;
    }

    std::uint32_t now() { return g.platform.timeGetTime(); }

    // --- what the screen is doing, for the messages of a failure ---

    std::string dueSceneName() {
        const script::Scene* s = f.screenMode == 4 ? f.dueBattleScene() : f.dueEventScene();
        return s ? std::string(s->name) : std::string("none");
    }

    std::string state() {
        std::ostringstream o;
        o << "screen mode " << int(f.screenMode) << ", idle handler '" << f.app.idle().name
          << "', eventStep " << f.scene.eventStep << ", due scene " << dueSceneName()
          << ", currentPlace " << int(f.currentPlace) << ", rival " << int(f.race.enemyNo) << "/"
          << int(f.race.enemyVer) << ", visit " << stop << " of the route";
        return o.str();
    }

    void fail(const std::string& what) {
        ADD_FAILURE() << what << ": " << state();
        stuck = true;
    }

    // Runs the game until the condition holds; a failure naming `what` when it
    // has not held within maxMs of virtual time.
    template <class Cond> bool waitFor(Cond cond, std::uint32_t maxMs, const char* what) {
        const std::uint32_t start = now();
        while (!cond()) {
            if (now() - start >= maxMs) {
                fail(std::string(what) + " did not happen within " + std::to_string(maxMs) + " ms");
                return false;
            }
            g.run(kStepPeriod);
        }
        return true;
    }

    // --- pointing at controls ---

    void clickControl(const Control& c) {
        g.click(c.formLeft() + c.width / 2, c.formTop() + c.height / 2);
    }

    // --- scenes ---

    // One advance of a scene, once it can be advanced: the window has stopped
    // shaking and, on the race screen, the riders have arrived.
    void advanceScene() {
        const std::uint8_t mode = f.screenMode;
        const bool raceScreen = mode == 4;
        if (!waitFor(
                [&] {
                    return f.screenMode != mode ||
                           (!f.scene.mesShaking && (!raceScreen || f.isEventMoveDone()));
                },
                kSettleMs, "the scene's window settling"))
            return;
        if (f.screenMode != mode) return;
        const int step = f.scene.eventStep;
        const long steps = stepsPlayed;
        saveShot();
        // Mostly clicks, now and then the space bar, as a player does.
        if (++advances % 4 == 0)
            g.key(vk::Space);
        else
            g.click(kSceneX, kSceneY);
        // A scene that hands over to the next one leaves eventStep where it was.
        if (f.screenMode == mode && f.scene.eventStep == step && stepsPlayed == steps)
            fail("the scene did not take the advance");
    }

    // Points at a caption of the choice box and presses the highlight bar that
    // appears under it.
    void answer(int choice) {
        Label& caption = choice == 1 ? *f.choice1Label : *f.choice2Label;
        const std::uint8_t mode = f.screenMode;
        g.platform.mouseMove(caption.formLeft() + 4, caption.formTop() + 4);
        g.flush();
        if (!f.selectCursor->visible) return fail("no bar under the caption");
        // The bar's left end, which the caption does not cover.
        const int x = f.selectCursor->formLeft() + 4;
        const int y = f.selectCursor->formTop() + f.selectCursor->height / 2;
        if (f.controlAt(x, y) != f.selectCursor) return fail("the bar cannot be pointed at");
        g.platform.mouseMove(x, y);
        g.flush();
        g.click(x, y);
        if (f.screenMode == mode) fail("the answer was not taken");
    }

    // --- races ---

    void race() {
        const bool watched = f.race.enemyNo == kWatchedRace;
        std::ostringstream what;
        if (watched)
            what << "watched " << int(f.race.watchNo1) << "/" << int(f.race.watchVer1) << " vs "
                 << int(f.race.watchNo2) << "/" << int(f.race.enemyVer);
        else
            what << "rival " << int(f.race.enemyNo) << "/" << int(f.race.enemyVer);
        what << " at " << int(f.currentPlace) << " weather " << int(f.race.raceWeather);
        if (!driveRaceToWin(g, kRaceMs)) return fail("the race did not end");
        if (!waitFor([&] { return f.screenMode != 5; }, kResultMs, "the result")) return;
        if (watched) {
            ++watchedRaces;
        } else if (!f.race.riderFinished[1]) {
            ++races;
            what << ": stopped by the story"; // G HOUND's race ends before the goal
        } else {
            ++races;
            if (f.currentPlace >= 17) ++streetRaces;
            const bool won = f.race.riderWon[1] == 1;
            if (!won) ++racesLost;
            if (won) retriesInARow = 0;
            what << (won ? ": won" : ": lost");
        }
        raceLog.push_back(what.str());
    }

    // --- the map ---

    bool open(int place) const { return f.isShowStar(place) || f.isShowStar2(place); }

    void enter(int place) {
        if (std::string why = enterFromMap(g, place, kScrollMs); !why.empty()) fail(why);
    }

    // --- the shop and the setting screen ---

    static int itemRow(const ListBox& list, int item) {
        for (int i = 0; i < list.count(); ++i)
            if (TForm1::getItemIndex(list.item(i)) == item) return i;
        return -1;
    }

    // A press on the line of the list that names the item, scrolling the list
    // with its arrows first when the line is out of sight.
    bool clickEntry(ListBox& list, int item) {
        const int row = itemRow(list, item);
        if (row < 0) return false;
        const int arrowX = list.width - 2 - ListBox::kScrollBarWidth / 2;
        while (row < list.topIndex())
            g.click(list.formLeft() + arrowX, list.formTop() + 2 + 4);
        while (row >= list.topIndex() + list.visibleRows())
            g.click(list.formLeft() + arrowX, list.formTop() + list.height - 2 - 4);
        g.click(list.formLeft() + 20, list.formTop() + 2 +
                                          (row - list.topIndex()) * list.itemHeight +
                                          list.itemHeight / 2);
        return TForm1::getItemIndex(list.selectedText()) == item;
    }

    void clickTab(int tab) {
        int l = 0;
        int w = 0;
        f.itemTab->tabSpan(tab, l, w);
        g.click(f.itemTab->formLeft() + l + w / 2, f.itemTab->formTop() + f.itemTab->tabHeight / 2);
    }

    bool offered(int item) const { return !f.isUnPurchasableItem(item); }
    bool owned(int item) const { return f.rec.ownedItems[static_cast<std::size_t>(item)] == 1; }
    bool fitted(int item) const { return f.rec.equippedItems[static_cast<std::size_t>(item)] == 1; }

    // In the shop: buys the items in order while the points last.
    void buyWhatIsAffordable(const std::vector<int>& items) {
        for (int item : items) {
            if (owned(item) || !offered(item) ||
                kItems[static_cast<std::size_t>(item)].price > f.rec.points)
                continue;
            if (!clickEntry(*f.itemList, item))
                return fail("item " + std::to_string(item) + " is not in the shop's list");
            if (!f.buyButton->visible || !f.buyButton->enabled)
                return fail("\"買う\" is not offered for item " + std::to_string(item));
            const std::int32_t before = f.rec.points;
            clickControl(*f.buyButton);
            if (!owned(item)) return fail("item " + std::to_string(item) + " was not bought");
            bought.push_back(item);
            pointsSpent += before - f.rec.points;
            if (!waitFor([&] { return f.app.idle().name != "AppPayPts"; }, kPayMs,
                         "the points counting down"))
                return;
        }
    }

    // On the setting screen: fits the owned items of the list that are not fitted.
    void fitAll(const std::vector<int>& items) {
        for (int item : items) {
            if (!owned(item) || fitted(item)) continue;
            clickTab(item <= 10 ? 0 : item <= 21 ? 1 : 2);
            ListBox& list = item <= 10   ? *f.parts1List
                            : item <= 21 ? *f.parts2List
                                         : *f.option1List;
            if (!clickEntry(list, item))
                return fail("item " + std::to_string(item) + " is not among the owned parts");
            if (!f.equipButton->visible || f.equipButton->caption != "装備する")
                return fail("\"装備する\" is not offered for item " + std::to_string(item));
            clickControl(*f.equipButton);
            if (!fitted(item)) return fail("item " + std::to_string(item) + " was not fitted");
        }
    }

    void leaveScreen() {
        clickControl(*f.commonBackButton);
        if (f.screenMode != 2) fail("\"戻る\" did not lead back to the map");
    }

    void openSetting() {
        g.click(f.settingButton->formLeft() + 5, f.settingButton->formTop() + 5);
        if (f.screenMode != 10) fail("the setting button did not open the setting screen");
    }

    // Parts of which only one can be fitted: fitting one takes the other off.
    static int partner(int item) {
        switch (item) {
        case kRacingTyre:
            return kRainTyre;
        case kRainTyre:
            return kRacingTyre;
        case kMuffler:
            return kLiquidMuffler;
        case kLiquidMuffler:
            return kMuffler;
        case kFiveSpeed:
            return kSixSpeed;
        case kSixSpeed:
            return kFiveSpeed;
        default:
            return -1;
        }
    }

    // The parts the bike must have fitted from here on: those of every visit so
    // far, where a later visit's part takes the place of its partner. The
    // six-speed gearbox is not sold: it is wanted once a scene has given it.
    std::vector<int> partsWanted() const {
        std::vector<int> want;
        for (std::size_t i = 0; i <= stop && i < kRoute.size(); ++i)
            for (int item : kRoute[i].parts) {
                if (item == kSixSpeed && !owned(kSixSpeed)) continue;
                want.erase(std::remove(want.begin(), want.end(), partner(item)), want.end());
                if (std::find(want.begin(), want.end(), item) == want.end()) want.push_back(item);
            }
        return want;
    }

    int openShop() const {
        for (int p : {5, 14})
            if (open(p)) return p;
        return 0;
    }

    int openStreet() const {
        // The main road first: its weather is fair three times in four.
        for (int p : {18, 19, 17, 20})
            if (open(p)) return p;
        return 0;
    }

    // On the map: gets the bike ready for the next visit, or goes there.
    void onMap() {
        const std::vector<int> want = partsWanted();
        std::vector<int> toFit, toBuy;
        for (int item : want) {
            if (!owned(item))
                toBuy.push_back(item);
            else if (!fitted(item))
                toFit.push_back(item);
        }
        if (!toFit.empty()) {
            openSetting();
            if (!stuck) fitAll(toFit);
            if (!stuck) leaveScreen();
            return;
        }
        if (!toBuy.empty()) {
            // Some parts are sold only once others are fitted: those come first.
            std::vector<int> forSale;
            for (int item : toBuy)
                if (offered(item)) forSale.push_back(item);
            if (forSale.empty())
                return fail("the bike needs item " + std::to_string(toBuy.front()) +
                            " which the shop does not offer");
            const int shop = openShop();
            const bool affordable =
                kItems[static_cast<std::size_t>(forSale.front())].price <= f.rec.points;
            if (affordable && shop) {
                enter(shop);
                if (stuck) return;
                if (f.screenMode != 9) return fail("the shop did not open");
                buyWhatIsAffordable(forSale);
                if (!stuck) leaveScreen();
                return;
            }
            // Not enough points: the street pays for a won race.
            const int street = openStreet();
            if (!street || !shop)
                return fail("the bike is too slow and there is no way to mend it");
            if (streetRaces >= kMaxStreetRaces) return fail("too many street races");
            enter(street);
            return;
        }
        const Visit& v = kRoute[stop];
        if (++visitsToStop > kMaxVisitsPerStop)
            return fail("place " + std::to_string(v.place) + " was entered " +
                        std::to_string(kMaxVisitsPerStop) + " times without making its mark");
        enter(v.place);
    }

    // Moves on along the route past the visits whose marks are made.
    void notePassedVisits() {
        while (stop < kRoute.size() && kRoute[stop].done != kEnding &&
               f.flag(static_cast<StoryFlag>(kRoute[stop].done)) == 1) {
            ++stop;
            visitsToStop = 0;
        }
    }

    bool finalScreen() const {
        return f.screenMode == 21 && f.app.idle().name.empty() && f.endPict->visible;
    }

    // One thing the player does on the screen shown now.
    void play() {
        notePassedVisits();
        switch (f.screenMode) {
        case 0:
            return fail("back on the title screen");
        case 1: // game over
            ++gameOvers;
            if (++retriesInARow > kMaxRetries)
                return fail("the same race was lost " + std::to_string(kMaxRetries) +
                            " times in a row");
            return answer(1); // 再挑戦
        case 2:
            if (f.app.idle().name != "AppMap") return fail("the map without its handler");
            return onMap();
        case 3:
        case 7:
        case 8:
        case 15: {
            const std::uint8_t mode = f.screenMode;
            waitFor([&] { return f.screenMode != mode; }, kSlideMs, "the frame's slide");
            return;
        }
        case 4:
        case 13:
            return advanceScene();
        case 5:
            return race();
        case 6:
            g.click(kSceneX, kSceneY);
            if (f.screenMode == 6) fail("a click on the result did nothing");
            return;
        case 9: // a shop the player did not mean to enter
            return leaveScreen();
        case 10: // the setting screen a scene opened: fit what was given
            fitAll(partsWanted());
            if (!stuck) leaveScreen();
            return;
        case 14: // the driving school: its menu is enough
            return leaveScreen();
        case 18:
        case 19:
        case 20:
            return answer(1); // 準備ＯＫ, 勝つために, 追いかける
        case 21:
            waitFor([&] { return finalScreen(); }, kEndingMs, "the ending's final screen");
            return;
        default:
            return fail("an unexpected screen");
        }
    }
};

TEST_F(Playthrough, FromTheTitleToTheEndingsFinalScreen) {
    const auto wallStart = std::chrono::steady_clock::now();
    clickControl(*f.newGameButton);
    ASSERT_EQ(f.screenMode, 13) << "ニューゲーム starts the opening";
    const std::uint32_t start = now();
    for (int actions = 0; !stuck && !finalScreen(); ++actions) {
        if (now() - start > kStoryMs || actions > kMaxActions) {
            fail("the story did not end");
            break;
        }
        play();
    }
    const double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::ostringstream items;
    for (int item : bought)
        items << " " << item;
    std::printf("playthrough: %.1f s, %u s of game time, %d races (%d lost, %d in the street), "
                "%d watched, %d game overs, %lld points earned, bought:%s\n",
                wallSeconds, (now() - start) / 1000, races, racesLost, streetRaces, watchedRaces,
                gameOvers, static_cast<long long>(f.rec.points + pointsSpent), items.str().c_str());
    for (const std::string& r : raceLog)
        std::printf("  %s\n", r.c_str());
    ASSERT_FALSE(stuck);
    EXPECT_TRUE(f.jacket->visible);
    EXPECT_TRUE(f.itemPanel->visible) << "the records are shown on the final screen";
    EXPECT_EQ(stop, kRoute.size() - 1) << "every visit of the route was made";

    // Every scene entered played every one of its steps, and the route went
    // through every scene of the story but those off the route.
    for (const script::Scene* s : scenes::all()) {
        const auto it = played.find(s->name);
        if (it == played.end()) {
            EXPECT_TRUE(kOffTheRoute.count(s->name)) << s->name << " was never played";
            continue;
        }
        if (kMayLeaveEarly.count(s->name)) continue;
        for (int step = 0; step < static_cast<int>(s->steps.size()); ++step)
            EXPECT_TRUE(it->second.count(step)) << s->name << " never played its step " << step;
    }
}

} // namespace
} // namespace zb::test
