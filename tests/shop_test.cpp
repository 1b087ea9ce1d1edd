// The parts shop, fitting parts and the setting screen, played on the headless
// backend: what the shop offers through the story, buying and the count-down of
// the points, the owned lists and their tabs, the tuning values the race reads,
// the two views of the setting screen and the accelerator's number boxes; and a
// whole round from the map through the shop and the setting screen to a race.

#include "data/UnitConst.h"
#include "save/ProgressRecord.h"
#include "sound/UnitSound.h"
#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <vector>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::runUntil;

namespace {

std::set<int> listed(const ListBox& list) {
    std::set<int> items;
    for (const std::string& s : list.items())
        items.insert(TForm1::getItemIndex(s));
    return items;
}

bool lists(const ListBox& list, int item) {
    return listed(list).count(item) != 0;
}

std::string entryOf(const ListBox& list, int item) {
    for (const std::string& s : list.items())
        if (TForm1::getItemIndex(s) == item) return s;
    return {};
}

std::string sound(std::uint8_t n) {
    return "play se" + std::to_string(n) + " from 0 notify";
}

class ShopTest : public ::testing::Test {
  protected:
    // Whether sound effect n was played since the mark.
    bool played(std::size_t mark, std::uint8_t n) const {
        const auto& c = g.platform.soundCommands;
        return std::find(c.begin() + static_cast<std::ptrdiff_t>(mark), c.end(), sound(n)) !=
               c.end();
    }

    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    ShopTest() {
        // The screens' music counts as present.
        for (const char* piece : {musicFile(16), musicFile(17)})
            g.platform.music.setLength(piece, 60000);
        // As a new game leaves it.
        f.rec.settingViewMode = 2;
        f.newGameButton->visible = f.continueButton->visible = f.fsinfo->visible = false;
    }

    void open(int mode) {
        f.screenMode = static_cast<std::uint8_t>(mode);
        f.mapToItem();
        g.flush();
    }
    void own(std::initializer_list<int> items) {
        for (int i : items)
            f.rec.ownedItems[static_cast<std::size_t>(i)] = 1;
    }
    void fit(std::initializer_list<int> items) {
        for (int i : items) {
            f.rec.ownedItems[static_cast<std::size_t>(i)] = 1;
            f.rec.equippedItems[static_cast<std::size_t>(i)] = 1;
        }
    }

    void clickAt(const Control& c, int dx, int dy, MouseButton b = MouseButton::Left) {
        g.click(c.formLeft() + dx, c.formTop() + dy, b);
    }
    void clickControl(const Control& c) { clickAt(c, c.width / 2, c.height / 2); }
    // A left press and release on the line of the list that names the item.
    void clickEntry(ListBox& list, int item) {
        int i = 0;
        while (i < list.count() && TForm1::getItemIndex(list.item(i)) != item)
            ++i;
        ASSERT_LT(i, list.count()) << "item " << item << " is listed";
        if (i < list.topIndex() || i >= list.topIndex() + list.visibleRows()) list.setTopIndex(i);
        clickAt(list, 20, 2 + (i - list.topIndex()) * list.itemHeight + list.itemHeight / 2);
        ASSERT_EQ(TForm1::getItemIndex(list.selectedText()), item);
    }
    void clickTab(int tab) {
        int l = 0;
        int w = 0;
        f.itemTab->tabSpan(tab, l, w);
        clickAt(*f.itemTab, l + w / 2, f.itemTab->tabHeight / 2);
        ASSERT_EQ(f.itemTab->tabIndex(), tab);
    }
    ListBox& ownedListOf(int item) {
        return item <= 10 ? *f.parts1List : item <= 21 ? *f.parts2List : *f.option1List;
    }
    // Selects an owned item on the setting screen and presses the button under it.
    void toggle(int item) {
        clickTab(item <= 10 ? 0 : item <= 21 ? 1 : 2);
        clickEntry(ownedListOf(item), item);
        ASSERT_TRUE(f.equipButton->visible);
        clickControl(*f.equipButton);
    }
    void buy(int item) {
        clickEntry(*f.itemList, item);
        ASSERT_TRUE(f.buyButton->visible && f.buyButton->enabled);
        clickControl(*f.buyButton);
    }
    std::array<int, 7> maxSpeeds() const {
        std::array<int, 7> s{};
        for (std::size_t gear = 0; gear <= 6; ++gear)
            s[gear] = f.race.gearMaxSpeed[gear];
        return s;
    }
    std::vector<std::string> figures() const {
        std::vector<std::string> v;
        for (std::size_t gear = 1; gear <= 6; ++gear)
            v.push_back(f.grPctLabel[gear]->caption());
        return v;
    }
    std::vector<int> pointsSet() const {
        std::vector<int> v;
        for (int p = 1; p <= 36; ++p)
            if (f.race.tuning.option(p)) v.push_back(p);
        return v;
    }
    int gearRowsShown() const {
        int n = 0;
        for (std::size_t gear = 1; gear <= 6; ++gear)
            n += f.grLabel[gear]->visible && f.grPctLabel[gear]->visible &&
                         f.maxSpdLabel[gear]->visible
                     ? 1
                     : 0;
        return n;
    }
    // Types into a number box as the player does: a press selects its text, the
    // typed digits replace it.
    void typeInto(NumberEdit& box, const std::u32string& chars) {
        clickControl(box);
        if (box.selectionLength() != box.text().size()) clickControl(box);
        for (char32_t c : chars)
            g.platform.typeChar(c);
        g.flush();
    }
};

class EquipTest : public ShopTest {};
class SettingTest : public ShopTest {};

// ------------------------------------------------------------------ item table

TEST(ShopItems, NamesArePaddedTo21ShiftJisBytesAndSeparatorsAre20Dashes) {
    EXPECT_EQ(sjisWidth("ＬＣコンピュータ"), 16u);
    EXPECT_EQ(sjisWidth("km/h"), 4u);
    EXPECT_EQ(sjisWidth("ｱｲｳ"), 3u) << "half-width katakana are one byte";
    EXPECT_EQ(sjisWidth("①～"), 4u);
    for (const Item& it : kItems) {
        if (it.no == 10 || it.no == 21 || it.no == 30) {
            EXPECT_EQ(it.name, "--------------------");
            EXPECT_EQ(it.line1, it.name);
            EXPECT_EQ(it.line2, it.name);
            EXPECT_EQ(it.price, 0);
        } else if (it.no == 29) {
            EXPECT_EQ(sjisWidth(it.name), 22u);
            EXPECT_NE(it.name.back(), ' ');
        } else {
            EXPECT_EQ(sjisWidth(it.name), 21u) << it.no;
            EXPECT_EQ(it.name.back(), ' ') << it.no;
        }
    }
    EXPECT_EQ(kItems[0].name, "ＬＣコンピュータ     ");
    EXPECT_EQ(kItems[26].line1, "        ～         km/hでギヤチェンジすると");
    EXPECT_EQ(kItems[27].line1, kItems[26].line1);
    EXPECT_EQ(kItems[9].line1, kItems[6].line1);
    EXPECT_EQ(kItems[0].price, 500);
    EXPECT_EQ(kItems[29].price, 20000);
}

TEST(ShopItems, LookupIsBySubstringOfThePaddedName) {
    EXPECT_EQ(TForm1::getItemIndex(std::string(kItems[15].name)), 15);
    EXPECT_EQ(TForm1::getItemIndex(std::string(kItems[15].name) + " ●"), 15);
    EXPECT_EQ(TForm1::getItemIndex(std::string(kItems[29].name) + " ●"), 29);
    EXPECT_EQ(TForm1::getItemIndex("--------------------"), 10) << "the first separator";
    EXPECT_EQ(TForm1::getItemIndex("ＬＣコンピュータ"), 31) << "names compare with their padding";
    EXPECT_EQ(TForm1::getItemIndex(""), 31);
    for (const Item& it : kItems) {
        if (it.no != 21 && it.no != 30) {
            EXPECT_EQ(TForm1::getItemIndex(std::string(it.name)), it.no);
        }
    }
}

// ---------------------------------------------------------------- what is offered

TEST_F(ShopTest, NewGameOffersTheEverydayItemsAndTwoSeparators) {
    open(9);
    EXPECT_EQ(listed(*f.itemList), (std::set<int>{0, 10, 11, 15, 19, 23, 24, 25, 28}));
    ASSERT_EQ(f.itemList->count(), 10);
    std::vector<int> order;
    for (const std::string& s : f.itemList->items())
        order.push_back(TForm1::getItemIndex(s));
    EXPECT_EQ(order, (std::vector<int>{0, 10, 11, 15, 19, 10, 23, 24, 25, 28}))
        << "in table order, the separators between the groups";
    EXPECT_EQ(f.itemList->item(0), std::string(kItems[0].name));
}

TEST_F(ShopTest, EveryItemOffersOnlyUnderItsOwnCondition) {
    // Item, the flags it needs, the items that must be fitted.
    struct Rule {
        int item;
        std::vector<StoryFlag> flags;
        std::vector<int> fitted;
    };
    const std::vector<Rule> rules = {
        {1, {doneBayStreet2}, {}},
        {2, {doneIsland1}, {}},
        {3, {doneNoCustomers}, {}},
        {4, {doneRHouse4}, {}},
        {5, {doneBayStreet2}, {}},
        {6, {doneRHouse4}, {15}},
        {7, {}, {6}},
        {8, {}, {6, 7}},
        {9, {doneIsland1}, {6, 7, 8}},
        {12, {doneBayStreet2}, {}},
        {13, {doneBayStreet2}, {}},
        {14, {doneBayStreet2}, {}},
        {17, {doneIsland1}, {}},
        {18, {doneNoCustomers}, {}},
        {20, {doneIsland1}, {19}},
        {26, {doneHome1}, {}},
        {27, {doneHome1}, {26}},
    };
    for (const Rule& r : rules) {
        SCOPED_TRACE("item " + std::to_string(r.item));
        f.rec = ProgressRecord{};
        for (StoryFlag fl : r.flags)
            f.flag(fl) = 1;
        for (int i : r.fitted)
            fit({i});
        EXPECT_FALSE(f.isUnPurchasableItem(r.item));
        // Take away each condition in turn.
        for (StoryFlag fl : r.flags) {
            f.flag(fl) = 0;
            EXPECT_TRUE(f.isUnPurchasableItem(r.item)) << "without flag " << int(fl);
            f.flag(fl) = 1;
        }
        for (int i : r.fitted) {
            f.rec.equippedItems[static_cast<std::size_t>(i)] = 0;
            EXPECT_TRUE(f.isUnPurchasableItem(r.item)) << "without item " << i << " fitted";
            f.rec.equippedItems[static_cast<std::size_t>(i)] = 1;
        }
    }
    // Everyday items, separators and the never-sold rows, whatever the story.
    f.rec = ProgressRecord{};
    for (auto& fl : f.rec.storyFlags)
        fl = 1;
    for (int i : {0, 10, 11, 15, 19, 21, 23, 24, 25, 28})
        EXPECT_FALSE(f.isUnPurchasableItem(i)) << i;
    for (int i : {16, 22, 30, 31, 255})
        EXPECT_TRUE(f.isUnPurchasableItem(i)) << i;
}

TEST_F(ShopTest, BalanceBreakerIsListedOnlyFrom20000PointsAfterTheCall) {
    f.flag(doneRenraku) = 1;
    f.rec.points = 19999;
    EXPECT_TRUE(f.isUnPurchasableItem(29));
    f.rec.points = 20000;
    EXPECT_FALSE(f.isUnPurchasableItem(29));
    f.flag(doneRenraku) = 0;
    EXPECT_TRUE(f.isUnPurchasableItem(29));
    f.flag(doneRenraku) = 1;

    open(9);
    ASSERT_TRUE(lists(*f.itemList, 29));
    buy(0); // 500 points: the balance drops below 20000
    EXPECT_EQ(f.rec.points, 19500);
    EXPECT_FALSE(lists(*f.itemList, 29)) << "the list is filled again after the purchase";
}

TEST_F(ShopTest, UnfittingTheFiveSpeedHidesBoreUpKitOne) {
    f.flag(doneRHouse4) = 1;
    fit({15});
    own({16});
    open(9);
    EXPECT_TRUE(lists(*f.itemList, 6));

    open(10);
    toggle(15); // off
    EXPECT_EQ(f.rec.equippedItems[15], 0);
    open(9);
    EXPECT_FALSE(lists(*f.itemList, 6));

    open(10);
    toggle(15); // on again
    open(9);
    EXPECT_TRUE(lists(*f.itemList, 6));

    open(10);
    toggle(16); // the six-speed takes the five-speed's place
    EXPECT_EQ(f.rec.equippedItems[15], 0);
    open(9);
    EXPECT_FALSE(lists(*f.itemList, 6));
}

// ------------------------------------------------------------------ buying

TEST_F(ShopTest, BuyingWithExactlyThePriceCountsDownToZero) {
    f.rec.points = 500;
    f.setPoints(f.rec.points);
    open(9);
    ASSERT_EQ(f.app.idle().name, "") << "the shop runs no idle handler";
    const std::size_t mark = g.platform.soundCommands.size();
    buy(0);
    EXPECT_EQ(f.rec.points, 0);
    EXPECT_EQ(f.rec.ownedItems[0], 1);
    EXPECT_TRUE(played(mark, 13));
    EXPECT_EQ(f.app.idle().name, "AppPayPts");
    EXPECT_EQ(f.ptsLabel->caption(), "500") << "the display has not moved yet";
    std::vector<std::string> shown{f.ptsLabel->caption()};
    ASSERT_TRUE(runUntil(g, [&] {
        if (shown.back() != f.ptsLabel->caption()) shown.push_back(f.ptsLabel->caption());
        return f.app.idle().name != "AppPayPts";
    }));
    EXPECT_EQ(shown, (std::vector<std::string>{"500", "300", "100", "0"}));
    EXPECT_EQ(f.ptsLabel->left, 68);
}

TEST_F(ShopTest, AThousandPointsCountDownInFiveStepsOfTwoHundred) {
    f.flag(doneRHouse4) = 1;
    fit({15});
    f.rec.points = 1500;
    f.setPoints(f.rec.points);
    open(9);
    buy(6); // 1000 points
    std::vector<std::string> shown{f.ptsLabel->caption()};
    ASSERT_TRUE(runUntil(g, [&] {
        if (shown.back() != f.ptsLabel->caption()) shown.push_back(f.ptsLabel->caption());
        return f.app.idle().name != "AppPayPts";
    }));
    EXPECT_EQ(shown, (std::vector<std::string>{"1500", "1300", "1100", "900", "700", "500"}));
    EXPECT_EQ(f.rec.points, 500);
    EXPECT_EQ(f.shownPoints, 500);
}

TEST_F(ShopTest, SetPointsClampsAndAlignsToTheRight) {
    f.setPoints(12345678);
    EXPECT_EQ(f.ptsLabel->caption(), "9999999");
    EXPECT_EQ(f.ptsLabel->left, 14);
    const std::pair<int, int> cases[] = {{0, 68},       {9, 68},      {10, 59},     {99, 59},
                                         {100, 50},     {999, 50},    {1000, 41},   {9999, 41},
                                         {10000, 32},   {99999, 32},  {100000, 23}, {999999, 23},
                                         {1000000, 14}, {9999999, 14}};
    for (auto [v, left] : cases) {
        f.setPoints(v);
        EXPECT_EQ(f.ptsLabel->caption(), std::to_string(v));
        EXPECT_EQ(f.ptsLabel->left, left) << v;
    }
}

TEST_F(ShopTest, AfterBuyingTheItemsTabIsCurrentAndTheShopNoLongerListsIt) {
    f.rec.points = 5000;
    open(9);
    buy(23);
    EXPECT_EQ(f.itemTab->tabIndex(), 2);
    EXPECT_TRUE(f.option1List->visible);
    EXPECT_FALSE(f.parts1List->visible);
    EXPECT_EQ(f.option1List->items(), std::vector<std::string>{std::string(kItems[23].name)});
    EXPECT_FALSE(lists(*f.itemList, 23));
    EXPECT_FALSE(f.buyButton->visible);
    EXPECT_EQ(f.line1->caption(), "");

    buy(11);
    EXPECT_EQ(f.itemTab->tabIndex(), 1);
    EXPECT_TRUE(f.parts2List->visible);
    EXPECT_FALSE(f.option1List->visible);
    EXPECT_TRUE(lists(*f.parts2List, 11));
    EXPECT_EQ(f.rec.points, 5000 - 700 - 1800);
}

TEST_F(ShopTest, ExplanationShowsThePriceLineAndTheButtonFollowsTheBalance) {
    f.rec.points = 499;
    open(9);
    clickEntry(*f.itemList, 0);
    EXPECT_EQ(f.line1->caption(), "エンジンのリミッターを解除し、");
    EXPECT_EQ(f.line2->caption(), "１８０km/h超の速度を出せるようにする");
    EXPECT_EQ(f.line3->caption(), std::string(28, ' ') + "( 500 pts )");
    EXPECT_TRUE(f.buyButton->visible);
    EXPECT_FALSE(f.buyButton->enabled) << "499 points do not pay 500";
    clickControl(*f.buyButton);
    EXPECT_EQ(f.rec.ownedItems[0], 0) << "a disabled button buys nothing";

    f.rec.points = 500;
    clickEntry(*f.itemList, 0);
    EXPECT_TRUE(f.buyButton->enabled);

    // A separator: no button, no lines.
    clickEntry(*f.itemList, 10);
    EXPECT_FALSE(f.buyButton->visible);
    EXPECT_EQ(f.line1->caption(), "");
    EXPECT_EQ(f.line3->caption(), "");

    // An arrow key hides the button until the next click.
    clickEntry(*f.itemList, 11);
    EXPECT_TRUE(f.buyButton->visible);
    g.key(vk::Down);
    EXPECT_FALSE(f.buyButton->visible);
    EXPECT_EQ(TForm1::getItemIndex(f.itemList->selectedText()), 15);
}

TEST_F(ShopTest, OwnedItemsShowTheirLinesWithoutAPrice) {
    own({15});
    open(9);
    clickTab(1);
    clickEntry(*f.parts2List, 15);
    EXPECT_EQ(f.line1->caption(), "ギヤを５速まで拡張するキット。");
    EXPECT_EQ(f.line3->caption(), "");
    EXPECT_FALSE(f.equipButton->visible) << "fitting is the setting screen's";
}

// "買う" is never left for an item whose price has gone from the screen: a tab
// change, or a click in an owned list, puts other lines there.
TEST_F(ShopTest, BuyButtonGoesWithThePriceLine) {
    f.rec.points = 5000;
    f.setPoints(f.rec.points);
    open(9);
    clickEntry(*f.itemList, 0);
    ASSERT_TRUE(f.buyButton->visible && f.buyButton->enabled);

    clickTab(1);
    EXPECT_EQ(f.line3->caption(), "") << "the new tab's list explains nothing";
    EXPECT_TRUE(f.itemList->hasSelection());
    EXPECT_FALSE(f.buyButton->visible);
    EXPECT_FALSE(f.buyButton->enabled);
    clickControl(*f.buyButton);
    EXPECT_EQ(f.rec.ownedItems[0], 0) << "nothing is bought without its price on screen";
    EXPECT_EQ(f.rec.points, 5000);

    // The tab's keys change the tab the same way.
    clickEntry(*f.itemList, 0);
    ASSERT_TRUE(f.buyButton->visible);
    clickTab(1);
    g.key(vk::Left);
    ASSERT_EQ(f.itemTab->tabIndex(), 0);
    clickEntry(*f.itemList, 0);
    ASSERT_TRUE(f.buyButton->visible);
    clickTab(0); // the current tab: the focus, no change
    ASSERT_TRUE(f.buyButton->visible);
    g.key(vk::Right);
    ASSERT_EQ(f.itemTab->tabIndex(), 1);
    EXPECT_FALSE(f.buyButton->visible || f.buyButton->enabled);

    // A right click in the owned list clears the lines, and the button with them.
    clickEntry(*f.itemList, 0);
    ASSERT_TRUE(f.buyButton->visible);
    clickAt(*f.parts2List, 20, 8, MouseButton::Right);
    EXPECT_EQ(f.line3->caption(), "");
    EXPECT_FALSE(f.buyButton->visible || f.buyButton->enabled);

    // Selecting the item again shows its price and the button.
    clickEntry(*f.itemList, 0);
    EXPECT_EQ(f.line3->caption(), std::string(28, ' ') + "( 500 pts )");
    EXPECT_TRUE(f.buyButton->visible && f.buyButton->enabled);
}

// The arrow keys in an owned list explain the line they reach at once.
TEST_F(ShopTest, KeysInAnOwnedListExplainTheNewLine) {
    own({0, 1});
    open(9);
    clickEntry(*f.parts1List, 0);
    g.key(vk::Down);
    ASSERT_EQ(TForm1::getItemIndex(f.parts1List->selectedText()), 1);
    EXPECT_EQ(f.line1->caption(), "燃焼効率を上昇させ、");
    EXPECT_EQ(f.line2->caption(), "全体的な加速性能を向上");
    EXPECT_EQ(f.line3->caption(), "") << "an owned item shows no price";
    EXPECT_FALSE(f.buyButton->visible);
}

TEST_F(ShopTest, EnteringAListClearsTheSelectionOfTheOthers) {
    own({0, 11, 23});
    open(9);
    clickEntry(*f.itemList, 15);
    clickEntry(*f.parts1List, 0);
    EXPECT_FALSE(f.itemList->hasSelection());
    clickTab(1);
    clickEntry(*f.parts2List, 11);
    EXPECT_FALSE(f.parts1List->hasSelection());
    clickEntry(*f.itemList, 19);
    EXPECT_FALSE(f.parts2List->hasSelection());
    EXPECT_TRUE(f.itemList->hasSelection());
    f.option2ListEnter(*f.itemList);
    EXPECT_FALSE(f.itemList->hasSelection());
}

TEST_F(ShopTest, AndSettingScreensOpenWithTheirOwnMusicAndParts) {
    f.rec.points = 1234;
    f.setPoints(f.rec.points);
    open(9);
    EXPECT_EQ(f.bgmNo, 16);
    EXPECT_EQ(g.platform.music.fileName(), musicFile(16));
    EXPECT_TRUE(f.itemPanel->visible);
    EXPECT_TRUE(f.itemList->visible && f.itemListLabel->visible);
    EXPECT_EQ(f.itemTab->left, 280);
    EXPECT_EQ(f.itemTab->top, 20);
    EXPECT_TRUE(f.ptsPanel->visible);
    EXPECT_FALSE(f.changeViewButton->visible);
    EXPECT_FALSE(f.viewModeLabel->visible);
    EXPECT_EQ(gearRowsShown(), 0);
    EXPECT_FALSE(f.mapPanel->visible || f.weatherPanel->visible || f.settingButton->visible ||
                 f.saveButton->visible || f.goButton->visible || f.backImg->visible);
    EXPECT_TRUE(f.commonBackButton->visible);
    EXPECT_EQ(f.itemTab->tabIndex(), 0);
    EXPECT_TRUE(f.parts1List->visible && !f.parts2List->visible && !f.option1List->visible);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(f.lines[static_cast<std::size_t>(i)]->left, 12);
        EXPECT_EQ(f.lines[static_cast<std::size_t>(i)]->top, 292 + 21 * (i - 1));
    }
    EXPECT_EQ(f.itemBack->picture(), f.stock.get("itemBack1"));

    open(10);
    EXPECT_EQ(f.bgmNo, 17);
    EXPECT_EQ(g.platform.music.fileName(), musicFile(17));
    EXPECT_FALSE(f.itemList->visible || f.itemListLabel->visible);
    EXPECT_EQ(f.itemTab->left, 10);
    EXPECT_FALSE(f.ptsPanel->visible);
    EXPECT_TRUE(f.changeViewButton->visible && f.viewModeLabel->visible);
    EXPECT_EQ(f.itemBack->picture(), f.stock.get("itemBack2"));

    // "戻る" puts the map back with the balance on the display.
    f.rec.points = 777;
    clickControl(*f.commonBackButton);
    EXPECT_EQ(f.screenMode, 2);
    EXPECT_FALSE(f.itemPanel->visible);
    EXPECT_EQ(f.ptsLabel->caption(), "777");
}

TEST_F(ShopTest, TabChangeShowsOneListAndPlaysItsSound) {
    own({0, 11});
    open(9);
    const std::size_t mark = g.platform.soundCommands.size();
    clickTab(1);
    EXPECT_TRUE(f.parts2List->visible);
    EXPECT_FALSE(f.parts1List->visible || f.option1List->visible);
    EXPECT_EQ(g.platform.soundCommands.at(mark), sound(12));
    f.selectItemTab(25);
    EXPECT_EQ(f.itemTab->tabIndex(), 2);
    EXPECT_TRUE(f.option1List->visible);
    f.selectItemTab(31); // no tab: only the lists are put in line with the tab
    EXPECT_EQ(f.itemTab->tabIndex(), 2);
    f.selectItemTab(0);
    EXPECT_TRUE(f.parts1List->visible);
    EXPECT_FALSE(f.option1List->visible);
}

// ------------------------------------------------------------------ fitting

TEST_F(EquipTest, NewBikeHasBaseSpeedsFiguresAndFourGears) {
    open(10);
    EXPECT_EQ(maxSpeeds(), (std::array<int, 7>{0, 62, 98, 145, 203, 266, 320}));
    EXPECT_EQ(figures(),
              (std::vector<std::string>{"50 %", "50 %", "50 %", "50 %", "50 %", "100 %"}));
    f.reflectEquipment();
    EXPECT_EQ(f.race.gearCount, 4);
    EXPECT_EQ(gearRowsShown(), 4);
    EXPECT_EQ(f.maxSpdLabel[1]->caption(), "062 km/h");
    EXPECT_EQ(f.maxSpdLabel[4]->caption(), "203 km/h");
    EXPECT_TRUE(pointsSet().empty());
}

TEST_F(EquipTest, PflPlusAndAllFourBoreUpKits) {
    own({2, 6, 7, 8, 9});
    open(10);
    for (int i : {2, 6, 7, 8, 9})
        toggle(i);
    EXPECT_EQ(maxSpeeds(), (std::array<int, 7>{0, 106, 158, 223, 297, 382, 456}));
    const auto incremental = maxSpeeds();
    f.setMax();
    EXPECT_EQ(maxSpeeds(), incremental);
    // Removing one kit takes away exactly its row.
    toggle(7);
    EXPECT_EQ(maxSpeeds(), (std::array<int, 7>{0, 97, 146, 205, 275, 357, 426}));
    EXPECT_EQ(f.maxSpdLabel[1]->caption(), "097 km/h") << "the view follows";
    EXPECT_EQ(f.rec.equippedItems[7], 0);
}

TEST_F(EquipTest, AnySequenceOfSpeedPartsEqualsSetMax) {
    const int speedParts[] = {2, 3, 4, 6, 7, 8, 9};
    for (int i : speedParts)
        own({i});
    own({15, 11});
    open(10);
    std::uint32_t seed = 12345;
    for (int step = 0; step < 60; ++step) {
        seed = seed * 134775813u + 1u;
        const int item = speedParts[(seed >> 16) % 7];
        toggle(item);
        if (step % 7 == 3) toggle(15); // other parts leave the speeds alone
        const auto incremental = maxSpeeds();
        f.setMax();
        ASSERT_EQ(maxSpeeds(), incremental) << "after step " << step;
    }
    // Everything off again: the base row.
    for (int i : speedParts)
        if (f.rec.equippedItems[static_cast<std::size_t>(i)]) toggle(i);
    EXPECT_EQ(maxSpeeds(), (std::array<int, 7>{0, 62, 98, 145, 203, 266, 320}));
    EXPECT_TRUE(TForm1::isChangeSpeedItem(9));
    EXPECT_FALSE(TForm1::isChangeSpeedItem(5));
    EXPECT_FALSE(TForm1::isChangeSpeedItem(0));
}

TEST_F(EquipTest, RainTyreOverRacingTyreMovesTheMarkAndTheFigure) {
    own({11, 12});
    open(10);
    toggle(11);
    EXPECT_EQ(entryOf(*f.parts2List, 11), std::string(kItems[11].name) + " ●");
    EXPECT_EQ(f.grPctLabel[1]->caption(), "61 %");
    EXPECT_EQ(pointsSet(), std::vector<int>{36}) << "the racing tyre alone keeps point 36";

    const std::size_t mark = g.platform.soundCommands.size();
    toggle(12);
    EXPECT_TRUE(played(mark, 1));
    EXPECT_FALSE(played(mark, 2));
    EXPECT_EQ(entryOf(*f.parts2List, 11), std::string(kItems[11].name));
    EXPECT_EQ(entryOf(*f.parts2List, 12), std::string(kItems[12].name) + " ●");
    EXPECT_EQ(f.grPctLabel[1]->caption(), "55 %");
    EXPECT_EQ(pointsSet(), std::vector<int>{35});
    EXPECT_EQ(f.rec.equippedItems[11], 0);
    EXPECT_FALSE(f.equipButton->visible) << "select again to act again";
    EXPECT_EQ(f.itemTab->tabIndex(), 1);
}

TEST_F(EquipTest, ExclusivePairsRemoveEachOther) {
    const std::pair<int, int> pairs[] = {{11, 12}, {13, 14}, {15, 16}, {24, 25}};
    for (auto [a, b] : pairs) {
        SCOPED_TRACE(std::to_string(a) + "/" + std::to_string(b));
        fit({a});
        f.checkItemConflict(b);
        EXPECT_EQ(f.rec.equippedItems[static_cast<std::size_t>(a)], 0);
        fit({b});
        f.checkItemConflict(a);
        EXPECT_EQ(f.rec.equippedItems[static_cast<std::size_t>(b)], 0);
        f.rec.equippedItems[static_cast<std::size_t>(a)] = 0;
    }
    fit({0, 5, 26});
    f.checkItemConflict(22);
    EXPECT_EQ(f.rec.equippedItems[0] + f.rec.equippedItems[5] + f.rec.equippedItems[26], 3)
        << "other parts are left alone";
}

TEST_F(EquipTest, SixSpeedRemovesFiveSpeedAndShowsSixRows) {
    own({15, 16});
    open(10);
    toggle(15);
    EXPECT_EQ(gearRowsShown(), 5);
    f.reflectEquipment();
    EXPECT_EQ(f.race.gearCount, 5);
    toggle(16);
    EXPECT_EQ(f.rec.equippedItems[15], 0);
    EXPECT_EQ(entryOf(*f.parts2List, 15), std::string(kItems[15].name));
    EXPECT_EQ(gearRowsShown(), 6);
    EXPECT_EQ(f.maxSpdLabel[6]->caption(), "320 km/h");
    f.reflectEquipment();
    EXPECT_EQ(f.race.gearCount, 6);
}

TEST_F(EquipTest, EveryPartSetsItsOwnPointsAndFigures) {
    struct Case {
        int item;
        std::vector<int> points;
        std::vector<std::string> figures;
    };
    const std::vector<Case> cases = {
        {1, {1, 8, 9, 17, 18, 19, 29}, {"55 %", "63 %", "50 %", "64 %", "62 %", "100 %"}},
        {2, {14, 15, 22}, {"50 %", "54 %", "75 %", "50 %", "50 %", "100 %"}},
        {3, {2, 3, 7}, {"50 %", "50 %", "50 %", "57 %", "75 %", "100 %"}},
        {4, {10, 12, 13}, {"50 %", "50 %", "75 %", "58 %", "50 %", "100 %"}},
        {5, {28, 33, 34}, {"67 %", "50 %", "50 %", "50 %", "50 %", "100 %"}},
        {11, {36}, {"61 %", "50 %", "50 %", "50 %", "50 %", "100 %"}},
        {12, {35}, {"55 %", "50 %", "50 %", "50 %", "50 %", "100 %"}},
        {13, {24, 25}, {"50 %", "63 %", "50 %", "50 %", "50 %", "100 %"}},
        {14, {26}, {"50 %", "54 %", "50 %", "50 %", "50 %", "100 %"}},
        {17, {4, 5, 6}, {"50 %", "50 %", "50 %", "64 %", "63 %", "100 %"}},
        {18, {32}, {"55 %", "50 %", "50 %", "50 %", "50 %", "100 %"}},
        {19, {16, 20, 23, 30}, {"56 %", "62 %", "50 %", "50 %", "50 %", "100 %"}},
        {20, {11, 21, 27, 31}, {"56 %", "58 %", "50 %", "57 %", "50 %", "100 %"}},
        {0, {}, {"50 %", "50 %", "50 %", "50 %", "50 %", "100 %"}},
        {26, {}, {"50 %", "50 %", "50 %", "50 %", "50 %", "100 %"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("item " + std::to_string(c.item));
        f.rec.equippedItems = {};
        f.setOpt(0);
        fit({c.item});
        f.equipItem();
        EXPECT_EQ(pointsSet(), c.points);
        EXPECT_EQ(figures(), c.figures);
        // Removing the part clears its points again.
        f.rec.equippedItems[static_cast<std::size_t>(c.item)] = 0;
        f.equipItem();
        EXPECT_TRUE(pointsSet().empty());
    }
    // Both mufflers cannot be fitted together in play, but the order of the
    // steps decides even then: both keep their points.
    f.rec.equippedItems = {};
    fit({13, 14, 11, 12});
    f.equipItem();
    EXPECT_EQ(pointsSet(), (std::vector<int>{24, 25, 26, 35, 36}));
    // Points 37..50 belong to no part and are never touched.
    f.setOpt(0);
    f.race.tuning.option(40) = 1;
    f.equipItem();
    EXPECT_EQ(f.race.tuning.option(40), 1);
}

TEST_F(EquipTest, BalanceBreakerShowsDashesAndKeepsThePoints) {
    own({29, 1});
    f.rec.settingViewMode = 2;
    open(10);
    toggle(1);
    const auto before = pointsSet();
    ASSERT_FALSE(before.empty());
    clickTab(2);
    toggle(29);
    EXPECT_EQ(figures(), std::vector<std::string>(6, "- %"));
    for (std::size_t gear = 1; gear <= 4; ++gear)
        EXPECT_EQ(f.maxSpdLabel[gear]->caption(), "- km/h");
    toggle(1); // removed while the breaker is fitted: the points stay
    EXPECT_EQ(pointsSet(), before);
    toggle(29);
    EXPECT_TRUE(pointsSet().empty()) << "worked out again once the breaker is off";
    EXPECT_EQ(f.grPctLabel[1]->caption(), "50 %");
    EXPECT_EQ(f.maxSpdLabel[1]->caption(), "062 km/h");
}

TEST_F(EquipTest, ButtonCaptionFollowsTheSelectedItem) {
    own({0, 15});
    fit({15});
    open(10);
    EXPECT_FALSE(f.equipButton->visible);
    clickEntry(*f.parts1List, 0);
    EXPECT_EQ(f.equipButton->caption, "装備する");
    EXPECT_TRUE(f.equipButton->visible);
    clickTab(1);
    EXPECT_FALSE(f.equipButton->visible) << "nothing selected in the new tab";
    clickEntry(*f.parts2List, 15);
    EXPECT_EQ(f.equipButton->caption, "外す");
    const std::size_t mark = g.platform.soundCommands.size();
    clickControl(*f.equipButton);
    EXPECT_EQ(g.platform.soundCommands.at(mark), sound(2));
    EXPECT_EQ(f.rec.equippedItems[15], 0);
}

// The arrow keys in an owned list move what "装備する" / "外す" acts on, and the
// caption and the lines follow, so the button does what it says.
TEST_F(EquipTest, KeysMoveTheSelectionTheButtonActsOn) {
    own({0, 1});
    fit({1});
    open(10);
    clickEntry(*f.parts1List, 0);
    ASSERT_EQ(f.equipButton->caption, "装備する");
    g.key(vk::Down);
    ASSERT_EQ(TForm1::getItemIndex(f.parts1List->selectedText()), 1);
    EXPECT_EQ(f.equipButton->caption, "外す") << "the fitted carburettor is selected";
    EXPECT_EQ(f.line1->caption(), "燃焼効率を上昇させ、");
    EXPECT_TRUE(f.equipButton->visible);
    clickControl(*f.equipButton);
    EXPECT_EQ(f.rec.equippedItems[1], 0) << "the button took off what it named";
    EXPECT_EQ(f.rec.equippedItems[0], 0);

    // Up again: the limiter's lines and "装備する".
    clickEntry(*f.parts1List, 1);
    g.key(vk::Up);
    EXPECT_EQ(TForm1::getItemIndex(f.parts1List->selectedText()), 0);
    EXPECT_EQ(f.equipButton->caption, "装備する");
    EXPECT_EQ(f.line1->caption(), "エンジンのリミッターを解除し、");
    clickControl(*f.equipButton);
    EXPECT_EQ(f.rec.equippedItems[0], 1);
}

TEST(EquipLoad, LoadingASaveWorksTheTuningOutAgain) {
    GameFolder folder;
    ProgressRecord saved;
    saved.storyFlags[doneOpening2] = 1;
    saved.settingViewMode = 2;
    for (int i : {2, 6, 15, 19, 11}) {
        saved.ownedItems[static_cast<std::size_t>(i)] = 1;
        saved.equippedItems[static_cast<std::size_t>(i)] = 1;
    }
    saved.ownedItems[23] = 1;
    saved.accelWindowLow = {0, 1, 1};
    saved.accelWindowHigh = {0, 10, 10};
    for (auto& row : saved.bestTime)
        for (auto& t : row)
            t = 9999;
    const RecordBytes bytes = encodeRecord(saved);
    std::ofstream("dat/save01.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));

    Game g;
    TForm1& f = g.f();
    f.race.tuning.water(20) = 1; // left over from an earlier rain race
    f.loadData(1);
    ASSERT_EQ(f.screenMode, 2);
    EXPECT_EQ(f.race.gearMaxSpeed[1], 62 + 8 + 9);
    EXPECT_EQ(f.race.gearMaxSpeed[6], 320 + 16 + 30);
    for (int p : {14, 15, 22, 16, 20, 23, 30, 36})
        EXPECT_EQ(f.race.tuning.option(p), 1) << p;
    EXPECT_EQ(f.race.tuning.option(35), 0);
    EXPECT_EQ(f.race.tuning.water(20), 0) << "the rain effect is off";
    EXPECT_EQ(f.grPctLabel[1]->caption(), "67 %");
    EXPECT_EQ(f.parts1List->count(), 2);
    EXPECT_EQ(f.option1List->items(), std::vector<std::string>{std::string(kItems[23].name)});
    EXPECT_FALSE(lists(*f.itemList, 15)) << "owned items are not offered";
    f.reflectEquipment();
    EXPECT_EQ(f.race.gearCount, 5);
}

// ------------------------------------------------------------------ setting screen

TEST_F(SettingTest, ButtonOnTheMapOpensTheSettingScreen) {
    f.showMapComponents(true);
    f.screenMode = 2;
    const int x = f.settingButton->formLeft() + 5;
    const int y = f.settingButton->formTop() + 5;
    g.press(x, y);
    EXPECT_EQ(f.settingButton->picture(), f.stock.get("settingButton2"));
    EXPECT_EQ(f.screenMode, 2);
    const std::size_t mark = g.platform.soundCommands.size();
    g.release(x, y);
    EXPECT_EQ(f.settingButton->picture(), f.stock.get("settingButton1"));
    EXPECT_EQ(g.platform.soundCommands.at(mark), sound(8));
    EXPECT_EQ(f.screenMode, 10);
    EXPECT_EQ(f.bgmNo, 17);
    EXPECT_TRUE(f.itemPanel->visible);
    EXPECT_FALSE(f.settingButton->visible);
    EXPECT_EQ(f.app.idle().name, "");

    // The right button does nothing.
    clickControl(*f.commonBackButton);
    ASSERT_EQ(f.screenMode, 2);
    g.press(x, y, MouseButton::Right);
    g.release(x, y, MouseButton::Right);
    EXPECT_EQ(f.screenMode, 2);
}

TEST_F(SettingTest, ViewButtonTogglesBetweenRecordsAndGears) {
    open(10);
    EXPECT_EQ(f.viewModeLabel->caption(), "【 ACCEL / MAX SPEED 】");
    EXPECT_EQ(f.changeViewButton->caption, ">");
    EXPECT_FALSE(f.recordTimeLabel[0][0]->visible);
    EXPECT_EQ(gearRowsShown(), 4);

    clickControl(*f.changeViewButton);
    EXPECT_EQ(f.rec.settingViewMode, 1);
    EXPECT_EQ(f.viewModeLabel->caption(), "【 BEST RECORDS 】");
    EXPECT_EQ(f.changeViewButton->caption, "<");
    EXPECT_EQ(gearRowsShown(), 0);
    for (std::size_t d = 0; d < 2; ++d) {
        EXPECT_TRUE(f.recordHeading[d]->visible);
        for (std::size_t w = 0; w < 3; ++w)
            EXPECT_TRUE(f.recordWeatherLabel[d][w]->visible && f.recordTimeLabel[d][w]->visible &&
                        f.recordSpeedLabel[d][w]->visible);
    }
    clickControl(*f.changeViewButton);
    EXPECT_EQ(f.rec.settingViewMode, 2);
    EXPECT_EQ(gearRowsShown(), 4);

    // A fresh record (0) shows the records, and the button leads to 1.
    f.rec.settingViewMode = 0;
    f.updateViewMode();
    EXPECT_TRUE(f.recordHeading[0]->visible);
    f.changeViewButtonClick(*f.changeViewButton);
    EXPECT_EQ(f.rec.settingViewMode, 1);
}

TEST_F(SettingTest, RecordsShowTheBestTimesAndSpeeds) {
    f.rec.bestTime[0][0] = 1234;
    f.rec.bestTime[1][2] = 3005;
    f.rec.bestSpeed[0][1] = 187;
    f.rec.bestSpeed[1][2] = 5;
    f.rec.settingViewMode = 1;
    open(10);
    EXPECT_EQ(f.recordTimeLabel[0][0]->caption(), "12.34 sec");
    EXPECT_EQ(f.recordTimeLabel[0][1]->caption(), "99.99 sec") << "no record yet";
    EXPECT_EQ(f.recordTimeLabel[1][2]->caption(), "30.05 sec");
    EXPECT_EQ(f.recordSpeedLabel[0][1]->caption(), "187 km/h");
    EXPECT_EQ(f.recordSpeedLabel[1][2]->caption(), "005 km/h");
    EXPECT_EQ(f.recordSpeedLabel[0][0]->caption(), "000 km/h");
    EXPECT_EQ(f.recordHeading[0]->caption(), "■ 400 m");
    EXPECT_EQ(f.recordHeading[1]->caption(), "■ 1000 m");
    EXPECT_EQ(f.recordWeatherLabel[1][1]->caption(), "雨：");
    // The rows stand in the plate, one under the other.
    EXPECT_LT(f.recordWeatherLabel[0][2]->top, f.recordHeading[1]->top);
    EXPECT_GE(f.recordHeading[0]->left, f.viewModeLabel->left);
}

TEST_F(SettingTest, NumberBoxesSettleOnATenKilometreWindow) {
    own({26});
    open(10);
    EXPECT_FALSE(f.numTextPanel1->visible);
    clickTab(2);
    clickEntry(*f.option1List, 26);
    ASSERT_TRUE(f.numTextPanel1->visible && f.numTextPanel2->visible);
    EXPECT_EQ(f.numEdit1->text(), "1");
    EXPECT_EQ(f.numEdit2->text(), "10");
    EXPECT_EQ(f.line1->caption(), std::string(kItems[26].line1));

    auto window = [&] {
        return std::make_pair(int{f.rec.accelWindowLow[1]}, int{f.rec.accelWindowHigh[1]});
    };
    auto boxes = [&] { return std::make_pair(f.numEdit1->text(), f.numEdit2->text()); };

    typeInto(*f.numEdit1, U"995");
    EXPECT_EQ(window(), std::make_pair(990, 999));
    EXPECT_EQ(boxes(), std::make_pair(std::string("990"), std::string("999")));

    typeInto(*f.numEdit2, U"5");
    EXPECT_EQ(window(), std::make_pair(1, 10));
    EXPECT_EQ(boxes(), std::make_pair(std::string("1"), std::string("10")));

    typeInto(*f.numEdit1, U"0");
    EXPECT_EQ(window(), std::make_pair(1, 10));
    EXPECT_EQ(boxes(), std::make_pair(std::string("1"), std::string("10")));

    typeInto(*f.numEdit1, U"5");
    EXPECT_EQ(window(), std::make_pair(5, 14));
    EXPECT_EQ(boxes(), std::make_pair(std::string("5"), std::string("14")));

    typeInto(*f.numEdit1, U"\b"); // emptied
    EXPECT_EQ(window(), std::make_pair(1, 10));
    EXPECT_EQ(boxes(), std::make_pair(std::string("1"), std::string("10")));

    // The second box is raised to 10 the moment it holds a single digit, so
    // "20" typed there ends as 100.
    typeInto(*f.numEdit2, U"20");
    EXPECT_EQ(window(), std::make_pair(91, 100));
    EXPECT_EQ(boxes(), std::make_pair(std::string("91"), std::string("100")));
    EXPECT_EQ(f.rec.accelWindowLow[2], 1) << "the other accelerator keeps its window";

    typeInto(*f.numEdit1, U"x7"); // letters never reach the box
    EXPECT_EQ(window(), std::make_pair(7, 16));
}

TEST_F(SettingTest, UpDownArrowsStepTheWindowWithTheirSound) {
    own({26, 27});
    f.rec.accelWindowLow[2] = 989;
    f.rec.accelWindowHigh[2] = 998;
    open(10);
    clickTab(2);
    clickEntry(*f.option1List, 27);
    EXPECT_EQ(f.numEdit1->text(), "989");
    const std::size_t mark = g.platform.soundCommands.size();
    clickAt(*f.numUpDown1, 8, 3); // up
    EXPECT_EQ(g.platform.soundCommands.at(mark), sound(14));
    EXPECT_EQ(f.rec.accelWindowLow[2], 990);
    EXPECT_EQ(f.rec.accelWindowHigh[2], 999);
    clickAt(*f.numUpDown1, 8, 3); // 991 is pulled back to 990
    EXPECT_EQ(f.numEdit1->text(), "990");
    EXPECT_EQ(f.rec.accelWindowLow[2], 990);
    clickAt(*f.numUpDown2, 8, 19); // down: 998
    EXPECT_EQ(f.rec.accelWindowLow[2], 989);
    EXPECT_EQ(f.numEdit1->text(), "989");
    EXPECT_EQ(f.rec.accelWindowLow[1], 1) << "accelerator 1 untouched";
}

TEST_F(SettingTest, BoxesAreNotCheckedBeforeAnExplanationFilledThem) {
    own({26});
    open(10);
    f.numEdit1->setText("0");
    f.numEdit2->setText("3");
    EXPECT_EQ(f.rec.accelWindowLow[1], 1);
    EXPECT_EQ(f.rec.accelWindowHigh[1], 10);
    EXPECT_EQ(f.numEdit2->text(), "3") << "no check has run";
}

TEST_F(SettingTest, ShopSelectionDecidesWhichWindowTheBoxesSet) {
    f.flag(doneHome1) = 1;
    own({26});
    fit({26});
    open(9);
    clickEntry(*f.itemList, 27); // not owned yet: the shop's selection counts
    ASSERT_TRUE(f.numTextPanel1->visible);
    EXPECT_EQ(f.line3->caption(), std::string(28, ' ') + "( 8000 pts )");
    typeInto(*f.numEdit1, U"120");
    EXPECT_EQ(f.rec.accelWindowLow[2], 120);
    EXPECT_EQ(f.rec.accelWindowHigh[2], 129);
    EXPECT_EQ(f.rec.accelWindowLow[1], 1);
    clickEntry(*f.itemList, 0);
    EXPECT_FALSE(f.numTextPanel1->visible) << "other items hide the boxes";
}

// ------------------------------------------------------------------ a whole round

// From the map: into the shop, buy the limiter release, back, into the setting
// screen, fit it, back, and race: the bike now goes past 180 km/h.
TEST(ShopRound, BuyFitAndRacePast180) {
    GameFolder folder;
    ProgressRecord saved;
    saved.storyFlags[doneOpening2] = 1; // the shop and the street races are open
    saved.points = 800;
    saved.settingViewMode = 2;
    saved.accelWindowLow = {0, 1, 1};
    saved.accelWindowHigh = {0, 10, 10};
    for (auto& row : saved.bestTime)
        for (auto& t : row)
            t = 9999;
    // Both the shop (140, 380) and the main road (330, 490) in the viewport.
    saved.savedMapLeft = -100;
    saved.savedMapTop = -300;
    saved.savedEyeLeft = 100;
    saved.savedEyeTop = 100;
    const RecordBytes bytes = encodeRecord(saved);
    std::ofstream("dat/save01.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));

    Game g;
    TForm1& f = g.f();
    f.random.seed = 2024;
    auto clickControl = [&](const Control& c) {
        g.click(c.formLeft() + c.width / 2, c.formTop() + c.height / 2);
    };
    auto clickLine = [&](ListBox& list, int item) {
        for (int i = 0; i < list.count(); ++i)
            if (TForm1::getItemIndex(list.item(i)) == item)
                g.click(list.formLeft() + 20,
                        list.formTop() + 2 + i * list.itemHeight + list.itemHeight / 2);
    };
    auto enterPlace = [&](int place) {
        const Place& p = *findPlace(place);
        const int x = f.mapPanel->formLeft() + f.map->left + p.x;
        const int y = f.mapPanel->formTop() + f.map->top + p.y;
        g.platform.mouseMove(x, y);
        g.release(x, y);
        ASSERT_EQ(f.currentPlace, place);
        clickControl(*f.goButton);
    };

    // Continue from slot 1.
    clickControl(*f.continueButton);
    ASSERT_EQ(f.screenMode, 12);
    const int rowX = f.savePanel->formLeft() + f.dataLabel[1]->left + 10;
    const int rowY = f.savePanel->formTop() + f.dataLabel[1]->top + 4;
    g.platform.mouseMove(rowX, rowY);
    g.flush();
    g.click(rowX, rowY);
    ASSERT_EQ(f.screenMode, 2);
    ASSERT_EQ(f.map->left, -100);

    // The shop.
    enterPlace(5);
    ASSERT_EQ(f.screenMode, 9);
    clickLine(*f.itemList, 0);
    ASSERT_TRUE(f.buyButton->visible);
    ASSERT_TRUE(f.buyButton->enabled);
    clickControl(*f.buyButton);
    EXPECT_EQ(f.rec.points, 300);
    EXPECT_EQ(f.rec.ownedItems[0], 1);
    runUntil(g, [&] { return f.app.idle().name != "AppPayPts"; });
    EXPECT_EQ(f.ptsLabel->caption(), "300");
    clickControl(*f.commonBackButton);
    ASSERT_EQ(f.screenMode, 2);

    // The setting screen: fit it.
    g.click(f.settingButton->formLeft() + 5, f.settingButton->formTop() + 5);
    ASSERT_EQ(f.screenMode, 10);
    clickLine(*f.parts1List, 0);
    ASSERT_TRUE(f.equipButton->visible);
    EXPECT_EQ(f.equipButton->caption, "装備する");
    clickControl(*f.equipButton);
    EXPECT_EQ(f.rec.equippedItems[0], 1);
    EXPECT_EQ(f.parts1List->item(0), std::string(kItems[0].name) + " ●");
    clickControl(*f.commonBackButton);
    ASSERT_EQ(f.screenMode, 2);

    // The main-road street race.
    enterPlace(18);
    ASSERT_EQ(f.screenMode, 3);
    int top = 0;
    runUntil(g, [&] { return f.screenMode == 5; });
    g.press(250, 150);
    g.release(250, 170); // into first gear while the signal counts
    runUntil(g, [&] { return f.app.idle().name == "AppMain"; });
    g.press(250, 150, MouseButton::Right);
    for (int gear = 1; gear < f.race.gearCount; ++gear) {
        const int shiftAt = f.race.gearMaxSpeed[static_cast<std::size_t>(gear)] - 2;
        runUntil(g, [&] {
            top = std::max(top, f.race.riderSpeed[1]);
            return f.race.riderSpeed[1] >= shiftAt || f.race.riderFinished[1];
        });
        if (f.race.riderFinished[1]) break;
        g.release(250, 150, MouseButton::Right);
        g.press(250, 150);
        g.release(250, 100);
        g.press(250, 150, MouseButton::Right);
    }
    runUntil(g, [&] {
        top = std::max(top, f.race.riderSpeed[1]);
        return f.race.riderFinished[1] == 1;
    });
    g.release(250, 150, MouseButton::Right);
    EXPECT_GT(top, 180) << "the limiter is gone";
    EXPECT_EQ(f.race.gearCount, 4);
}

} // namespace
