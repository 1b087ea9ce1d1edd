// The bike-setting screen: the setting button on the map, the two views (best
// records, or acceleration and top speed per gear) and the two number boxes
// that set the speed window of each gear-shift accelerator.

#include "app/UnitMain.h"

#include "data/UnitConst.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {

constexpr int kLowestWindowTop = 990; // the window is 10 km/h wide and ends by 999
constexpr int kWindowWidth = 9;       // high - low; both ends count

} // namespace

void TForm1::settingButtonMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Left) settingButton->setPicture(stock.get("settingButton2"));
}

void TForm1::settingButtonMouseUp(Control&, MouseButton button, ShiftState, int, int) {
    if (button != MouseButton::Left) return;
    settingButton->setPicture(stock.get("settingButton1"));
    playSoundEffect(*this, 8);
    screenMode = 10;
    mapToItem();
}

// ---------------------------------------------------------------- views

void TForm1::showRecordRows(bool show) {
    for (std::size_t d = 0; d < 2; ++d) {
        recordHeading[d]->visible = show;
        for (std::size_t w = 0; w < 3; ++w) {
            recordWeatherLabel[d][w]->visible = show;
            recordTimeLabel[d][w]->visible = show;
            recordSpeedLabel[d][w]->visible = show;
        }
    }
}

void TForm1::showGearRows(int n) {
    for (std::size_t g = 1; g <= 6; ++g) {
        const bool show = static_cast<int>(g) <= n;
        grLabel[g]->visible = show;
        grPctLabel[g]->visible = show;
        maxSpdLabel[g]->visible = show;
    }
}

void TForm1::hideSettingView() {
    viewModeLabel->visible = false;
    changeViewButton->visible = false;
    showRecordRows(false);
    showGearRows(0);
}

void TForm1::updateViewMode() {
    viewModeLabel->visible = true;
    if (rec.settingViewMode != 2) {
        viewModeLabel->setCaption("【 BEST RECORDS 】");
        changeViewButton->caption = "<";
        showRecordRows(true);
        showGearRows(0);
        return;
    }
    viewModeLabel->setCaption("【 ACCEL / MAX SPEED 】");
    changeViewButton->caption = ">";
    showRecordRows(false);
    const int n = rec.equippedItems[16] != 0 ? 6 : rec.equippedItems[15] != 0 ? 5 : 4;
    showGearRows(n);
    for (std::size_t g = 1; g <= 6; ++g)
        maxSpdLabel[g]->setCaption(
            balanceBreaker() ? "- km/h" : getSpeedString(race.gearMaxSpeed[g]) + " km/h");
}

void TForm1::changeViewButtonClick(Control&) {
    playSoundEffect(*this, 12);
    rec.settingViewMode = rec.settingViewMode == 1 ? 2 : 1;
    updateViewMode();
}

void TForm1::showRecord() {
    for (std::size_t d = 0; d < 2; ++d) {
        for (std::size_t w = 0; w < 3; ++w) {
            recordTimeLabel[d][w]->setCaption(getTimeString(rec.bestTime[d][w]) + " sec");
            recordSpeedLabel[d][w]->setCaption(getSpeedString(rec.bestSpeed[d][w]) + " km/h");
        }
    }
}

// ---------------------------------------------------------------- accelerator windows

int TForm1::accelItemOfBoxes() const {
    // The item the boxes stand for: the shop's selection, else the current tab's.
    const ListBox* list = itemList->hasSelection() ? itemList : currentTabList();
    if (list == nullptr || !list->hasSelection()) return kNoItem;
    const int item = getItemIndex(list->selectedText());
    return item == 26 || item == 27 ? item : kNoItem;
}

void TForm1::numEdit1Change(Control&) {
    if (numEditChecksOn) checkNumEdit1();
}

void TForm1::numEdit2Change(Control&) {
    if (numEditChecksOn) checkNumEdit2();
}

void TForm1::numEdit1KeyPress(Control&, char32_t& key) {
    checkKeyAccept(key, "0123456789");
}

void TForm1::numEdit2KeyPress(Control&, char32_t& key) {
    checkKeyAccept(key, "0123456789");
}

void TForm1::numUpDown1Changing(Control&, bool&) {
    playSoundEffect(*this, 14);
}

void TForm1::numUpDown2Changing(Control&, bool&) {
    playSoundEffect(*this, 14);
}

// Writing the other box runs that box's check in turn, so the two settle on a
// window low..low + 9 with 1 <= low <= 990.
void TForm1::checkNumEdit1() {
    const int item = accelItemOfBoxes();
    if (item == kNoItem) return;
    const auto k = static_cast<std::size_t>(item - 25);
    if (numEdit1->text().empty()) numEdit1->setText("1");
    int low = numEdit1->value(1);
    if (low >= kLowestWindowTop) {
        low = kLowestWindowTop;
        numEdit1->setText(std::to_string(low));
    }
    const int high = low + kWindowWidth;
    rec.accelWindowLow[k] = static_cast<std::int16_t>(low);
    rec.accelWindowHigh[k] = static_cast<std::int16_t>(high);
    numEdit2->setText(std::to_string(high));
}

void TForm1::checkNumEdit2() {
    const int item = accelItemOfBoxes();
    if (item == kNoItem) return;
    const auto k = static_cast<std::size_t>(item - 25);
    if (numEdit2->text().empty()) numEdit2->setText("10");
    int high = numEdit2->value(10);
    if (high <= 1 + kWindowWidth) {
        high = 1 + kWindowWidth;
        numEdit2->setText(std::to_string(high));
    }
    const int low = high - kWindowWidth;
    rec.accelWindowHigh[k] = static_cast<std::int16_t>(high);
    rec.accelWindowLow[k] = static_cast<std::int16_t>(low);
    numEdit1->setText(std::to_string(low));
}

} // namespace zb
