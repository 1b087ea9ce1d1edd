// The shop's and the setting screen's controls, and their handlers.

#include "app/ControlKit.h"
#include "app/UnitMain.h"

namespace zb {

using namespace kit;

// The item panel serves the parts shop and the bike setting: the shop list,
// the tabs of owned items, the setting screen's two views; the number panels
// hold the speed window of a gear-shift accelerator.
void TForm1::createShopControls() {
    Panel& ip = *itemPanel;
    itemBack = picture(ip, "itemBack", false);
    itemListLabel = label(ip, "itemListLabel", "* 品物リスト *", kGothic13Bold, kWhite);
    itemList = &ip.add<ListBox>("itemList");
    itemList->setBounds(12, 40, 170, 210);

    itemTab = &ip.add<TabControl>("itemTab");
    itemTab->setBounds(280, 20, 225, 212);
    itemTab->font = kPGothic12;
    itemTab->tabs = {"パーツ１", "パーツ２", "オプション"};
    parts1List = &itemTab->add<ListBox>("parts1List");
    parts2List = &itemTab->add<ListBox>("parts2List");
    option1List = &itemTab->add<ListBox>("option1List");
    for (ListBox* l : {parts1List, parts2List, option1List})
        l->setBounds(6, 26, 213, 162);
    legend = picture(*itemTab, "legend");
    legend->setPicture(stock.get("legend"));
    legend->setPos(itemTab->width - 6 - legend->width, 192);

    viewModeLabel = label(ip, "viewModeLabel", "", kGothic13Bold, kWhite);
    viewModeLabel->setPos(284, 27);
    changeViewButton = button(ip, "changeViewButton", "<");
    changeViewButton->setBounds(460, 23, 36, 20);

    // Best records: a heading per distance, then sunny, rain and wind.
    auto fixed = [](Label* l, int x, int y, int w) {
        l->autoSize = false;
        l->alignment = Alignment::Right;
        l->setBounds(x, y, w, 16);
    };
    static const char* const kWeather[3] = {"晴：", "雨：", "風："};
    for (std::size_t d = 0; d < 2; ++d) {
        const int rowTop = d == 0 ? 54 : 150;
        const std::string dn = std::to_string(d + 1);
        recordHeading[d] = label(ip, ("recordHeading" + dn).c_str(),
                                 d == 0 ? "■ 400 m" : "■ 1000 m", kGothic13Bold, kWhite);
        recordHeading[d]->setPos(288, rowTop);
        for (std::size_t w = 0; w < 3; ++w) {
            const int y = rowTop + 24 * static_cast<int>(w + 1);
            const std::string n = dn + std::to_string(w + 1);
            recordWeatherLabel[d][w] =
                label(ip, ("recordWeather" + n).c_str(), kWeather[w], kGothic13Bold, kWhite);
            recordWeatherLabel[d][w]->setPos(298, y);
            // Times ("12.34 sec") and speeds ("187 km/h") are of one width.
            recordTimeLabel[d][w] =
                label(ip, ("recordTime" + n).c_str(), "", kGothic13Bold, kWhite);
            recordTimeLabel[d][w]->setPos(338, y);
            recordSpeedLabel[d][w] =
                label(ip, ("recordSpeed" + n).c_str(), "", kGothic13Bold, kWhite);
            recordSpeedLabel[d][w]->setPos(426, y);
        }
    }
    // Acceleration figure and top speed of each gear, one row per gear.
    for (std::size_t i = 1; i <= 6; ++i) {
        const std::string n = std::to_string(i);
        const int y = 32 * static_cast<int>(i) + 22;
        grLabel[i] = label(ip, ("grLabel" + n).c_str(), n + "速：", kGothic13Bold, kWhite);
        grLabel[i]->setPos(296, y);
        grPctLabel[i] = label(ip, ("grPctLabel" + n).c_str(), "50 %", kGothic13Bold, kWhite);
        fixed(grPctLabel[i], 330, y, 60);
        maxSpdLabel[i] = label(ip, ("maxSpdLabel" + n).c_str(), "", kGothic13Bold, kWhite);
        fixed(maxSpdLabel[i], 400, y, 74);
    }
    itemBack->sendToBack();
    // The item panel lies over the game area but under the other form-level
    // panels: the points display stays visible in the shop.
    itemPanel->sendToBack();
    mainPanel->sendToBack();

    // The accelerator's window: low end in the first panel, high end in the second.
    NumberEdit** edits[2] = {&numEdit1, &numEdit2};
    UpDown** arrows[2] = {&numUpDown1, &numUpDown2};
    Panel* panels[2] = {numTextPanel1, numTextPanel2};
    for (std::size_t k = 0; k < 2; ++k) {
        const std::string n = std::to_string(k + 1);
        NumberEdit& e = panels[k]->add<NumberEdit>("numEdit" + n);
        e.setBounds(0, 0, 40, 22);
        e.maxLength = 3;
        e.alignment = Alignment::Right;
        UpDown& u = panels[k]->add<UpDown>("numUpDown" + n);
        u.setBounds(40, 0, 16, 22);
        u.min = 0;
        u.max = 999;
        u.increment = 1;
        u.associate = &e;
        *edits[k] = &e;
        *arrows[k] = &u;
    }
}

// The setting button on the map, the lists, tabs, buttons and number boxes of
// the shop and the setting screen. Bound before the routing below.
void TForm1::bindShopHandlers() {
    settingButton->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        settingButtonMouseDown(s, b, sh, x, y);
    };
    settingButton->onMouseUp = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        settingButtonMouseUp(s, b, sh, x, y);
    };
    auto formKeyDown = [this](Control& s, std::uint16_t& k, ShiftState sh) {
        FormKeyDown(s, k, sh);
    };
    auto formKeyUp = [this](Control& s, std::uint16_t& k, ShiftState sh) { FormKeyUp(s, k, sh); };

    itemList->onEnter = [this](Control& s) { itemListEnter(s); };
    itemList->onKeyDown = [this](Control& s, std::uint16_t& k, ShiftState sh) {
        itemListKeyDown(s, k, sh);
    };
    itemList->onKeyUp = formKeyUp;
    itemList->onMouseUp = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        itemListMouseUp(s, b, sh, x, y);
    };
    using Enter = void (TForm1::*)(Control&);
    const std::pair<ListBox*, Enter> owned[] = {{parts1List, &TForm1::parts1ListEnter},
                                                {parts2List, &TForm1::parts2ListEnter},
                                                {option1List, &TForm1::option1ListEnter}};
    for (const auto& [list, enter] : owned) {
        list->onEnter = [this, e = enter](Control& s) { (this->*e)(s); };
        list->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
            listTabMouseDown(s, b, sh, x, y);
        };
        list->onMouseUp = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
            listTabMouseUp(s, b, sh, x, y);
        };
        // A line reached with the keys is explained at once, so that "外す" or
        // "装備する" speaks of the line the button acts on.
        list->onChange = [this](Control& s) { ownItemSelected(static_cast<ListBox&>(s)); };
        list->onKeyDown = formKeyDown;
        list->onKeyUp = formKeyUp;
    }
    itemTab->onChange = [this](Control& s) { itemTabChange(s); };
    itemTab->onKeyDown = formKeyDown;
    itemTab->onKeyUp = formKeyUp;

    buyButton->onClick = [this](Control& s) { buyButtonClick(s); };
    equipButton->onClick = [this](Control& s) { equipButtonClick(s); };
    changeViewButton->onClick = [this](Control& s) { changeViewButtonClick(s); };

    numEdit1->onChange = [this](Control& s) { numEdit1Change(s); };
    numEdit2->onChange = [this](Control& s) { numEdit2Change(s); };
    numEdit1->onKeyPress = [this](Control& s, char32_t& k) { numEdit1KeyPress(s, k); };
    numEdit2->onKeyPress = [this](Control& s, char32_t& k) { numEdit2KeyPress(s, k); };
    for (NumberEdit* e : {numEdit1, numEdit2}) {
        e->onKeyDown = formKeyDown;
        e->onKeyUp = formKeyUp;
    }
    numUpDown1->onChanging = [this](Control& s, bool& allow) { numUpDown1Changing(s, allow); };
    numUpDown2->onChanging = [this](Control& s, bool& allow) { numUpDown2Changing(s, allow); };
}

} // namespace zb
