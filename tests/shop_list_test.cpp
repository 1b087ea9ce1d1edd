// The parts shop's list as the player sees it through purchases: separators only
// ever stand between two groups of items on offer.

#include "data/UnitConst.h"
#include "tests/GameHarness.h"

#include <gtest/gtest.h>

#include <string>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;

namespace {

class ShopList : public ::testing::Test {
  protected:
    GameFolder folder;
    Game g;
    TForm1& f = g.f();

    ShopList() {
        f.newGameButton->visible = f.continueButton->visible = f.fsinfo->visible = false;
        f.flag(doneOpening2) = 1;
        f.rec.points = 100000;
        f.screenMode = 9;
        f.mapToItem();
        g.flush();
    }

    void clickAt(const Control& c, int dx, int dy) { g.click(c.formLeft() + dx, c.formTop() + dy); }
    // A click on the line naming the item, then on "買う".
    void buy(int item) {
        ListBox& list = *f.itemList;
        int i = 0;
        while (i < list.count() && TForm1::getItemIndex(list.item(i)) != item)
            ++i;
        ASSERT_LT(i, list.count()) << "item " << item << " is listed";
        if (i < list.topIndex() || i >= list.topIndex() + list.visibleRows()) list.setTopIndex(i);
        clickAt(list, 20, 2 + (i - list.topIndex()) * list.itemHeight + list.itemHeight / 2);
        ASSERT_EQ(TForm1::getItemIndex(list.selectedText()), item);
        ASSERT_TRUE(f.buyButton->visible && f.buyButton->enabled);
        clickAt(*f.buyButton, f.buyButton->width / 2, f.buyButton->height / 2);
        ASSERT_EQ(f.rec.ownedItems[static_cast<std::size_t>(item)], 1);
    }
    // Every separator of the list has an item on offer on either side of it.
    void expectSeparatorsOnlyBetweenItems() {
        const ListBox& list = *f.itemList;
        ASSERT_GT(list.count(), 0);
        for (int i = 0; i < list.count(); ++i) {
            if (list.item(i) != kItemSeparator) continue;
            EXPECT_GT(i, 0) << "the list starts with a separator";
            EXPECT_LT(i, list.count() - 1) << "the list ends with a separator";
            if (i > 0) {
                EXPECT_NE(list.item(i - 1), kItemSeparator) << "two separators in a row";
            }
        }
    }
};

} // namespace

TEST_F(ShopList, AfterTheFirstPurchaseTheListStartsWithAnItem) {
    ASSERT_EQ(f.itemList->item(0), std::string(kItems[0].name)) << "a new game's shop";
    buy(0); // the only part of the first group on offer
    expectSeparatorsOnlyBetweenItems();
    EXPECT_NE(f.itemList->item(0), kItemSeparator);
    EXPECT_EQ(f.itemList->item(0), std::string(kItems[11].name)) << "the next group's first item";
}

TEST_F(ShopList, BuyingAWholeGroupLeavesNoSeparatorBehind) {
    for (int item : {0, 11, 15, 19})
        buy(item);
    expectSeparatorsOnlyBetweenItems();
    for (int i = 0; i < f.itemList->count(); ++i)
        EXPECT_NE(f.itemList->item(i), kItemSeparator) << "one group is left: nothing to part";
}
