// The items: which ones the shop offers at this point of the story, the shop's
// list and the three lists of owned items, and finding an item by a list entry.

#include "app/UnitMain.h"

#include "data/UnitConst.h"

namespace zb {

namespace {

// The mark after an owned item that is fitted.
constexpr const char* kFittedMark = " ●";

} // namespace

int TForm1::getItemIndex(const std::string& text) {
    // Owned entries carry the fitted mark after the padded name, so the name is
    // looked for anywhere in the text.
    for (int i = 0; i < kItemCount; ++i)
        if (text.find(kItems[static_cast<std::size_t>(i)].name) != std::string::npos) return i;
    return kNoItem;
}

bool TForm1::isUnPurchasableItem(int item) const {
    auto set = [this](StoryFlag f) { return flag(f) != 0; };
    auto fitted = [this](int i) { return rec.equippedItems[static_cast<std::size_t>(i)] != 0; };
    switch (item) {
    case 0:
    case 10: // separators stay in the list between the groups
    case 11:
    case 15:
    case 19:
    case 21:
    case 23:
    case 24:
    case 25:
    case 28:
        return false;
    case 1:
    case 5:
    case 12:
    case 13:
    case 14:
        return !set(doneBayStreet2);
    case 2:
    case 17:
        return !set(doneIsland1);
    case 3:
    case 18:
        return !set(doneNoCustomers);
    case 4:
        return !set(doneRHouse4);
    case 6:
        return !(fitted(15) && set(doneRHouse4));
    case 7:
        return !fitted(6);
    case 8:
        return !(fitted(6) && fitted(7));
    case 9:
        return !(fitted(6) && fitted(7) && fitted(8) && set(doneIsland1));
    case 20:
        return !(fitted(19) && set(doneIsland1));
    case 26:
        return !set(doneHome1);
    case 27:
        return !(fitted(26) && set(doneHome1));
    case 29:
        return !(rec.points >= 20000 && set(doneRenraku));
    default: // 16 comes from a scene, 22 is never sold, 30 is never listed
        return true;
    }
}

void TForm1::setItemList() {
    itemList->clear();
    // A separator parts two groups of items on offer: none opens the list,
    // follows another separator or closes it, whatever has been bought.
    bool pendingSeparator = false;
    for (int i = 0; i <= 29; ++i) {
        if (isUnPurchasableItem(i) || rec.ownedItems[static_cast<std::size_t>(i)] != 0) continue;
        if (kItems[static_cast<std::size_t>(i)].name == kItemSeparator) {
            pendingSeparator = itemList->count() > 0;
            continue;
        }
        if (pendingSeparator) itemList->add(std::string(kItemSeparator));
        pendingSeparator = false;
        itemList->add(std::string(kItems[static_cast<std::size_t>(i)].name));
    }
}

void TForm1::setOwnItemList() {
    parts1List->clear();
    parts2List->clear();
    option1List->clear();
    for (int i = 0; i < kItemCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (rec.ownedItems[k] != 1) continue;
        std::string entry(kItems[k].name);
        if (rec.equippedItems[k] == 1) entry += kFittedMark;
        ListBox* list = i <= 10 ? parts1List : i <= 21 ? parts2List : option1List;
        list->add(entry);
    }
}

} // namespace zb
