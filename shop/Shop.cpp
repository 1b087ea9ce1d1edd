// The item screen in its two uses, the parts shop (mode 9) and the bike setting
// (mode 10): opening it, the lists and tabs, the explanation lines, buying and
// the count-down of the points display after a purchase.

#include "app/UnitMain.h"

#include "data/UnitConst.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {

constexpr std::uint8_t kShopMusic = 16;
constexpr std::uint8_t kSettingMusic = 17;
constexpr std::int32_t kPayStep = 200; // points the display counts down per step

// The price line starts under the middle of the explanation.
const std::string kPriceIndent(28, ' ');

} // namespace

void TForm1::mapToItem() {
    mapPanel->visible = false;
    weatherPanel->visible = false;

    const bool shop = screenMode == 9;
    bgmNo = shop ? kShopMusic : kSettingMusic;
    PlayBGM();
    itemBack->setPicture(stock.get(shop ? "itemBack1" : "itemBack2"));
    itemList->visible = shop;
    itemListLabel->visible = shop;
    itemTab->setPos(shop ? 280 : 10, 20);
    itemTab->visible = true;
    changeViewButton->visible = !shop;
    ptsPanel->visible = shop;
    // The owned lists and the figures follow the record: a game begun after a
    // game over must not find the last game's parts here.
    setOwnItemList();
    if (shop) {
        hideSettingView();
        setItemList();
    } else {
        equipItem();
        updateViewMode();
    }

    itemTab->setTabIndex(0);
    changeItemTab();
    itemPanel->visible = true;
    for (Control* c : std::initializer_list<Control*>{backImg, iconMap, settingButton, saveButton,
                                                      saveinfo, goButton, buyButton, equipButton,
                                                      numTextPanel1, numTextPanel2})
        c->visible = false;
    commonBackButton->visible = true;
    clearLine();
    for (int i = 1; i <= 3; ++i)
        lines[static_cast<std::size_t>(i)]->setPos(12, 292 + 21 * (i - 1));
    showRecord();
    for (ListBox* l : {itemList, parts1List, parts2List, option1List})
        l->clearSelection();
    clearIdle(); // the screen is driven by its controls alone
}

ListBox* TForm1::currentTabList() const {
    switch (itemTab->tabIndex()) {
    case 0:
        return parts1List;
    case 1:
        return parts2List;
    case 2:
        return option1List;
    default:
        return nullptr;
    }
}

void TForm1::buyItemSelected() {
    if (!itemList->hasSelection()) {
        buyButton->visible = false;
        buyButton->enabled = false;
        return;
    }
    const std::string text = itemList->selectedText();
    const Item* item = findItem(getItemIndex(text));
    if (text == kItemSeparator || item == nullptr) {
        numTextPanel1->visible = false;
        numTextPanel2->visible = false;
        clearLine();
        buyButton->visible = false;
        return;
    }
    showItemExplanation(item->no, true);
    buyButton->visible = true;
    buyButton->enabled = item->price <= rec.points;
}

void TForm1::ownItemSelected(ListBox& list) {
    // The lines now speak of an owned item, or of none: the shop's price has
    // gone from the screen, and "買う" goes with it.
    if (screenMode == 9) {
        buyButton->visible = false;
        buyButton->enabled = false;
    }
    if (!list.hasSelection()) {
        if (screenMode == 10) equipButton->visible = false;
        numTextPanel1->visible = false;
        numTextPanel2->visible = false;
        clearLine();
        return;
    }
    const int item = getItemIndex(list.selectedText());
    showItemExplanation(item, false);
    if (screenMode == 10 && item < kItemCount) {
        equipButton->caption =
            rec.equippedItems[static_cast<std::size_t>(item)] != 0 ? "外す" : "装備する";
        equipButton->visible = true;
    }
}

void TForm1::showItemExplanation(int item, bool withPrice) {
    clearLine();
    const Item* it = findItem(item);
    if (it == nullptr) {
        numTextPanel1->visible = false;
        numTextPanel2->visible = false;
        return;
    }
    line1->setCaption(std::string(it->line1));
    line2->setCaption(std::string(it->line2));
    if (withPrice) line3->setCaption(kPriceIndent + "( " + std::to_string(it->price) + " pts )");
    if (item == 26 || item == 27) {
        // The two boxes lie over the blanks of the first line.
        const auto k = static_cast<std::size_t>(item - 25);
        numTextPanel1->visible = true;
        numTextPanel2->visible = true;
        numEdit1->setText(std::to_string(rec.accelWindowLow[k]));
        numEdit2->setText(std::to_string(rec.accelWindowHigh[k]));
        numEditChecksOn = true;
    } else {
        numTextPanel1->visible = false;
        numTextPanel2->visible = false;
    }
}

void TForm1::buyButtonClick(Control&) {
    const int item = getItemIndex(itemList->selectedText());
    const Item* it = findItem(item);
    if (it == nullptr || it->name == kItemSeparator) return; // "買う" shows only for items
    playSoundEffect(*this, 13);
    rec.ownedItems[static_cast<std::size_t>(item)] = 1;
    shownPoints = rec.points;
    rec.points -= it->price; // "買う" is enabled only while the price can be paid
    setItemList();
    setOwnItemList();
    selectItemTab(item);
    buyButton->visible = false;
    numTextPanel1->visible = false;
    numTextPanel2->visible = false;
    clearLine();
    installIdle("AppPayPts", kStepPeriod, &TForm1::AppPayPts);
}

void TForm1::AppPayPts() {
    shownPoints -= kPayStep;
    if (shownPoints < rec.points) {
        shownPoints = rec.points;
        setPoints(shownPoints);
        clearIdle();
        return;
    }
    setPoints(shownPoints);
}

// ---------------------------------------------------------------- tabs

void TForm1::itemTabChange(Control&) {
    playSoundEffect(*this, 12);
    if (ListBox* list = currentTabList()) ownItemSelected(*list);
    changeItemTab();
}

void TForm1::changeItemTab() {
    const int tab = itemTab->tabIndex();
    if (tab < 0 || tab > 2) return;
    parts1List->visible = tab == 0;
    parts2List->visible = tab == 1;
    option1List->visible = tab == 2;
}

void TForm1::selectItemTab(int item) {
    if (item <= 10)
        itemTab->setTabIndex(0);
    else if (item <= 21)
        itemTab->setTabIndex(1);
    else if (item <= 30)
        itemTab->setTabIndex(2);
    changeItemTab();
}

// ---------------------------------------------------------------- focus and input
// One list at a time has a selection: entering a list clears the others.

void TForm1::itemListEnter(Control&) {
    for (ListBox* l : {parts1List, parts2List, option1List})
        l->clearSelection();
}

void TForm1::parts1ListEnter(Control&) {
    for (ListBox* l : {itemList, parts2List, option1List})
        l->clearSelection();
}

void TForm1::parts2ListEnter(Control&) {
    for (ListBox* l : {itemList, parts1List, option1List})
        l->clearSelection();
}

void TForm1::option1ListEnter(Control&) {
    for (ListBox* l : {itemList, parts1List, parts2List})
        l->clearSelection();
}

void TForm1::option2ListEnter(Control&) {
    for (ListBox* l : {itemList, parts1List, parts2List, option1List})
        l->clearSelection();
}

void TForm1::itemListKeyDown(Control& sender, std::uint16_t& key, ShiftState shift) {
    // An entry reached with the arrow keys shows its price after a click.
    buyButton->visible = false;
    FormKeyDown(sender, key, shift);
}

void TForm1::itemListMouseUp(Control&, MouseButton, ShiftState, int, int) {
    buyItemSelected();
}

void TForm1::listTabMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Left && screenMode == 9) buyButton->visible = false;
}

void TForm1::listTabMouseUp(Control&, MouseButton, ShiftState, int, int) {
    if (ListBox* list = currentTabList()) ownItemSelected(*list);
}

} // namespace zb
