// What fitted parts change on the bike: fitting and removing on the setting
// screen, the parts that exclude each other, the top speed of every gear, the
// acceleration points the race engine reads with the figures the setting screen
// shows for them, and the number of gears.

#include "app/UnitMain.h"

#include "data/UnitConst.h"
#include "sound/UnitSound.h"

#include <algorithm>

namespace zb {

namespace {

using GearRow = std::array<std::int16_t, 7>; // [gear 1..6]

// Top speed each speed part adds to every gear, km/h.
constexpr GearRow kPflPlusSpeed = {0, 8, 12, 6, 6, 16, 16};  // item 2
constexpr GearRow kRadiatorSpeed = {0, 4, 6, 6, 3, 8, 8};    // item 3
constexpr GearRow kCylinderSpeed = {0, 4, 6, 6, 3, 8, 8};    // item 4
constexpr GearRow kBoreUpSpeed = {0, 9, 12, 18, 22, 25, 30}; // each of items 6..9

const GearRow* speedRow(int item) {
    switch (item) {
    case 2:
        return &kPflPlusSpeed;
    case 3:
        return &kRadiatorSpeed;
    case 4:
        return &kCylinderSpeed;
    case 6:
    case 7:
    case 8:
    case 9:
        return &kBoreUpSpeed;
    default:
        return nullptr;
    }
}

// The acceleration points a part sets while fitted, and what it adds to the
// figure of each gear on the setting screen.
struct PointsPart {
    int item;
    std::initializer_list<int> points;
    std::array<int, 7> figures; // [gear 1..6]
};

// In the order they are worked through: a later part that is not fitted
// clears points an earlier one may have set (12 takes 35 from 11, 14 takes 26
// from 13), which leaves each tyre and each muffler its own points.
const PointsPart kPointsParts[] = {
    {1, {1, 8, 9, 17, 18, 19, 29}, {0, 5, 13, 0, 14, 12, 0}},
    {2, {14, 15, 22}, {0, 0, 4, 25, 0, 0, 0}},
    {3, {2, 3, 7}, {0, 0, 0, 0, 7, 25, 0}},
    {4, {10, 12, 13}, {0, 0, 0, 25, 8, 0, 0}},
    {5, {28, 33, 34}, {0, 17, 0, 0, 0, 0, 0}},
    {11, {35, 36}, {0, 11, 0, 0, 0, 0, 0}},
    {12, {35}, {0, 5, 0, 0, 0, 0, 0}},
    {13, {24, 25, 26}, {0, 0, 13, 0, 0, 0, 0}},
    {14, {26}, {0, 0, 4, 0, 0, 0, 0}},
    {17, {4, 5, 6}, {0, 0, 0, 0, 14, 13, 0}},
    {18, {32}, {0, 5, 0, 0, 0, 0, 0}},
    {19, {16, 20, 23, 30}, {0, 6, 12, 0, 0, 0, 0}},
    {20, {11, 21, 27, 31}, {0, 6, 8, 0, 7, 0, 0}},
};

// The figure of a gear before parts: 50 % for gears 1..5, 100 % for the 6th.
constexpr std::array<int, 7> kBaseFigures = {0, 50, 50, 50, 50, 50, 100};

} // namespace

bool TForm1::isChangeSpeedItem(int item) {
    return speedRow(item) != nullptr;
}

void TForm1::setMaxSpeed(bool remove, int item) {
    const GearRow* row = speedRow(item);
    if (row == nullptr) return;
    for (std::size_t g = 1; g <= 6; ++g) {
        const int delta = remove ? -(*row)[g] : (*row)[g];
        race.gearMaxSpeed[g] = static_cast<std::int16_t>(race.gearMaxSpeed[g] + delta);
    }
}

void TForm1::setMax() {
    race.gearMaxSpeed = kBaseGearMaxSpeed;
    for (int item : {2, 3, 4, 6, 7, 8, 9})
        if (rec.equippedItems[static_cast<std::size_t>(item)] != 0) setMaxSpeed(false, item);
}

void TForm1::checkItemConflict(int item) {
    // Pairs of parts that take the same place on the bike.
    static constexpr std::pair<int, int> kPairs[] = {{11, 12}, {13, 14}, {15, 16}, {24, 25}};
    for (const auto& [a, b] : kPairs) {
        if (item == a) rec.equippedItems[static_cast<std::size_t>(b)] = 0;
        if (item == b) rec.equippedItems[static_cast<std::size_t>(a)] = 0;
    }
}

void TForm1::equipItem() {
    if (balanceBreaker()) {
        // Figures mean nothing with the balance breaker; the points stay as they were.
        for (std::size_t g = 1; g <= 6; ++g)
            grPctLabel[g]->setCaption("- %");
        return;
    }
    std::array<int, 7> figures = kBaseFigures;
    for (const PointsPart& part : kPointsParts) {
        const bool fitted = rec.equippedItems[static_cast<std::size_t>(part.item)] != 0;
        for (int p : part.points)
            race.tuning.option(p) = fitted ? 1 : 0;
        if (fitted)
            for (std::size_t g = 1; g <= 6; ++g)
                figures[g] += part.figures[g];
    }
    for (std::size_t g = 1; g <= 6; ++g)
        grPctLabel[g]->setCaption(std::to_string(figures[g]) + " %");
}

// Gearboxes: item 15 gives five gears, item 16 six.
void TForm1::reflectEquipment() {
    race.gearCount = rec.equippedItems[15] != 0 ? 5 : rec.equippedItems[16] != 0 ? 6 : 4;
    setGear(race.gearCount);
}

void TForm1::equipButtonClick(Control&) {
    ListBox* list = currentTabList();
    if (list == nullptr || !list->hasSelection()) return;
    const int item = getItemIndex(list->selectedText());
    if (item >= kItemCount) return;
    auto& entry = rec.equippedItems[static_cast<std::size_t>(item)];
    if (entry != 0) {
        playSoundEffect(*this, 2);
        entry = 0;
        if (isChangeSpeedItem(item)) setMaxSpeed(true, item);
    } else {
        playSoundEffect(*this, 1);
        entry = 1;
        checkItemConflict(item);
        if (isChangeSpeedItem(item)) setMaxSpeed(false, item);
    }
    equipItem();
    updateViewMode();
    setOwnItemList(); // the fitted marks change
    selectItemTab(item);
    // The player selects again to act again.
    equipButton->visible = false;
    numTextPanel1->visible = false;
    numTextPanel2->visible = false;
    clearLine();
}

} // namespace zb
