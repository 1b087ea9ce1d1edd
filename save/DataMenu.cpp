// The data menu: choosing a slot to save to (mode 11, from the map's save button)
// or to load from (mode 12, from "コンティニュー"), and loading a slot back into
// the game.

#include "app/UnitMain.h"

#include "sound/UnitSound.h"

namespace zb {

namespace {

constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kYellow = rgb(255, 255, 0);

// The cursor's top on each row, [1..4].
constexpr int kCursorTops[5] = {0, 5, 24, 43, 62};
constexpr int kCursorLeft = 9;

// The message lines while the menu is open, [1..3].
constexpr int kLineLeft = 12;
constexpr int kLineTops[4] = {0, 292, 313, 334};

constexpr std::uint8_t kSeSlotChosen = 13;
constexpr std::uint8_t kSeButton = 8;

// The row the cursor stands on, 0 when it stands on none.
int cursorRow(const Picture& cursor) {
    for (int row = 1; row <= 4; ++row)
        if (cursor.top == kCursorTops[row]) return row;
    return 0;
}

void pointAtRow(Picture& cursor, int row) {
    cursor.setPos(kCursorLeft, kCursorTops[row]);
    cursor.visible = true;
}

} // namespace

void TForm1::startDataMenu() {
    for (std::size_t i = 1; i <= 4; ++i) {
        dataLabel[i]->fontColour = kWhite;
        stampLabel[i]->fontColour = kWhite;
    }
    infoLabel->setCaption(screenMode == 12 ? "データロード" : "データセーブ");
    infoPanel->visible = true;
    savePanel->visible = true;
    commonBackButton->visible = true;

    for (std::size_t i = 1; i <= 3; ++i) {
        lines[i]->setCaption("");
        lines[i]->setPos(kLineLeft, kLineTops[i]);
    }
    line1->setCaption("スロットを選択してください");

    installIdle("AppDataMenuCursor", kCursorPeriod, &TForm1::AppDataMenuCursor);
}

// The cursor blinks through its three frames.
void TForm1::AppDataMenuCursor() {
    showNextFrame(*dataCursor, cursorPhase, "dataCursor");
}

// The pointer over a row's "SLOT N -" label or its stamp puts the cursor there.
void TForm1::data1LabelMouseMove(Control&, ShiftState, int, int) {
    pointAtRow(*dataCursor, 1);
}
void TForm1::data2LabelMouseMove(Control&, ShiftState, int, int) {
    pointAtRow(*dataCursor, 2);
}
void TForm1::data3LabelMouseMove(Control&, ShiftState, int, int) {
    pointAtRow(*dataCursor, 3);
}
void TForm1::data4LabelMouseMove(Control&, ShiftState, int, int) {
    pointAtRow(*dataCursor, 4);
}

// The row's labels are drawn over the cursor bar, so a press on them is a press
// on the cursor when the cursor stands on their row.
void TForm1::dataLabelMouseDown(Control& sender, MouseButton button, ShiftState shift, int x,
                                int y) {
    for (std::size_t row = 1; row <= 4; ++row) {
        if (&sender != dataLabel[row] && &sender != stampLabel[row]) continue;
        if (dataCursor->visible && cursorRow(*dataCursor) == static_cast<int>(row))
            dataCursorMouseDown(*dataCursor, button, shift, x, y);
        return;
    }
}

// The pointer left the menu's background or the cursor.
void TForm1::saveBackMouseLeave(Control&) {
    dataCursor->visible = false;
}

void TForm1::dataCursorMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button != MouseButton::Left) return;
    const int slot = cursorRow(*dataCursor);
    if (slot == 0) return;
    const auto row = static_cast<std::size_t>(slot);

    if (screenMode == 12) {
        playSoundEffect(*this, kSeSlotChosen);
        loadData(slot);
    } else if (screenMode == 11) {
        rec.savedMapLeft = static_cast<std::int16_t>(map->left);
        rec.savedMapTop = static_cast<std::int16_t>(map->top);
        rec.savedEyeLeft = static_cast<std::int16_t>(eye->left);
        rec.savedEyeTop = static_cast<std::int16_t>(eye->top);
        // The slot first, its stamp only once the slot is safely written: a
        // save that fails, or a game killed between the two files, leaves the
        // row dating the slot's earlier save, never one that did not happen.
        // A stamp that could not be written is not kept either, so the menu
        // shows what the master file holds.
        const bool written = dSave(slot);
        bool stamped = false;
        if (written) {
            const std::string oldStamp = master.slotStamps[row];
            stamped = tsSave(slot);
            if (!stamped) master.slotStamps[row] = oldStamp;
        }
        if (written && stamped) {
            playSoundEffect(*this, kSeSlotChosen);
            dataLabel[row]->fontColour = kYellow;
            stampLabel[row]->fontColour = kYellow;
            stampLabel[row]->setCaption(master.slotStamps[row]);
            line1->setCaption("スロット " + std::to_string(slot) + " にセーブしました");
        } else {
            line1->setCaption("セーブできませんでした");
        }
    }
}

// From the map to the save menu, over the frame background.
void TForm1::mapToSave() {
    showMapComponents(false);
    LoadBackImg();
    backImg->visible = true;
    screenMode = 11;
    startDataMenu();
}

void TForm1::saveButtonMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button != MouseButton::Left) return;
    saveButton->setPicture(stock.get("saveButton2"));
}

void TForm1::saveButtonMouseUp(Control&, MouseButton button, ShiftState, int, int) {
    if (button != MouseButton::Left) return;
    saveButton->setPicture(stock.get("saveButton1"));
    playSoundEffect(*this, kSeButton);
    mapToSave();
}

// Loads a slot and brings the whole game in line with it: straight onto the map
// at the saved place, whatever scene was due.
void TForm1::loadData(int slot) {
    if (!dLoad(slot)) {
        line1->setCaption("ロードできませんでした");
        return;
    }
    infoPanel->visible = false;
    savePanel->visible = false;
    numTextPanel1->visible = false;
    numTextPanel2->visible = false;
    for (std::size_t i = 1; i <= 3; ++i)
        lines[i]->setCaption("");
    commonBackButton->visible = false;

    eventToMap();

    setEnWeatherNo();
    map->setPos(rec.savedMapLeft, rec.savedMapTop);
    eye->setPos(rec.savedEyeLeft, rec.savedEyeTop);
    setPoints(rec.points);
    setItemList();
    setOwnItemList();
    equipItem();
    setWater(0);
    setMax();

    checkPlace(eye->left + eye->width / 2, eye->top + eye->height / 2);
    screenMode = 2;
    installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
}

} // namespace zb
