// The slot file "dat\save01.bin": any bytes, loaded from the title through the
// load menu, then played with: the map scrolled and painted, the bike setting
// screen in both views with its number boxes, the shop on every tab with a buy
// and a fitting, and a save to another slot. Whatever the file holds, the game
// goes on: no crash, no message, and every screen comes and goes.

#include "fuzz/FuzzGame.h"

using namespace zb;
using namespace zb::test;

namespace {

// Points at the first lines of a list and fits or buys what is chosen there.
void workList(Game& g, ListBox& list, Control& action) {
    if (!list.visible) return;
    fuzz::tap(g, list.formLeft() + 20, list.formTop() + list.itemHeight / 2 + 2);
    for (int i = 0; i < 2; ++i) {
        g.platform.keyDown(vk::Down);
        g.platform.keyUp(vk::Down);
    }
    fuzz::tap(g, list.formLeft() + 20, list.formTop() + list.itemHeight * 2 + 4);
    g.flush();
    if (action.visible) fuzz::clickOn(g, action);
    g.flush();
}

// A slot chosen in the open data menu, as the player points at its row and
// clicks the cursor bar there.
void chooseRow(Game& g, int row) {
    g.platform.mouseMove(kMenuLeft + 30, kMenuTop + kRowTops[row] + 6);
    fuzz::tap(g, kMenuLeft + 9 + 244, kMenuTop + kCursorTops[row] + 9);
    g.flush();
}

void useMap(Game& g, TForm1& f) {
    for (Picture* arrow : {f.map_arrow_up, f.map_arrow_left, f.map_arrow_down, f.map_arrow_right}) {
        const int x = arrow->formLeft() + arrow->width / 2;
        const int y = arrow->formTop() + arrow->height / 2;
        g.platform.mouseDown(MouseButton::Left, x, y);
        g.run(40);
        g.platform.mouseUp(MouseButton::Left, x, y);
    }
    // Across the map, where the marker would go.
    g.platform.mouseMove(f.mapPanel->formLeft() + 100, f.mapPanel->formTop() + 80);
    g.run(20);
    fuzz::expectMode(g, 2, "map");
}

void useSettingScreen(Game& g, TForm1& f) {
    fuzz::clickOn(g, *f.settingButton);
    g.flush();
    fuzz::expectMode(g, 10, "setting screen");
    for (ListBox* list : {f.parts1List, f.parts2List, f.option1List})
        workList(g, *list, *f.equipButton);
    fuzz::clickOn(g, *f.changeViewButton);
    g.flush();
    fuzz::clickOn(g, *f.changeViewButton);
    for (UpDown* box : {f.numUpDown1, f.numUpDown2}) {
        if (!box->visible) continue;
        fuzz::tap(g, box->formLeft() + box->width / 2, box->formTop() + 3);
        fuzz::tap(g, box->formLeft() + box->width / 2, box->formTop() + box->height - 3);
        fuzz::tap(g, box->formLeft() + box->width / 2, box->formTop() + box->height - 3);
    }
    g.run(20);
    fuzz::expectMode(g, 10, "setting screen used");
    fuzz::clickOn(g, *f.commonBackButton);
    g.run(20);
    fuzz::expectMode(g, 2, "setting screen left");
}

void useShop(Game& g, TForm1& f) {
    // What "入る" at the shop does.
    f.screenMode = 9;
    f.mapToItem();
    g.flush();
    fuzz::expectMode(g, 9, "shop");
    workList(g, *f.itemList, *f.buyButton);
    g.run(100); // the points count down
    for (int tab = 0; tab < 3; ++tab) {
        int left = 0;
        int w = 0;
        f.itemTab->tabSpan(tab, left, w);
        fuzz::tap(g, f.itemTab->formLeft() + left + w / 2, f.itemTab->formTop() + 6);
        g.flush();
        for (ListBox* list : {f.parts1List, f.parts2List, f.option1List})
            workList(g, *list, *f.equipButton);
    }
    fuzz::expectMode(g, 9, "shop used");
    fuzz::clickOn(g, *f.commonBackButton);
    g.run(20);
    fuzz::expectMode(g, 2, "shop left");
}

void useSaveMenu(Game& g, TForm1& f) {
    fuzz::clickOn(g, *f.saveButton);
    g.flush();
    fuzz::expectMode(g, 11, "save menu");
    chooseRow(g, 2);
    fuzz::expectMode(g, 11, "saved");
    fuzz::clickOn(g, *f.commonBackButton);
    g.run(20);
    fuzz::expectMode(g, 2, "save menu left");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Session& s = fuzz::session();
    fuzz::writeFile("dat/save01.bin", data, size);
    Game& g = s.title();
    TForm1& f = g.f();

    fuzz::clickOn(g, *f.continueButton);
    g.flush();
    fuzz::expectMode(g, 12, "load menu");
    chooseRow(g, 1);
    // An empty file loads nothing over the fresh record, which is a game too.
    fuzz::expectMode(g, 2, "loaded");

    useMap(g, f);
    useSettingScreen(g, f);
    useShop(g, f);
    useSaveMenu(g, f);
    return 0;
}
