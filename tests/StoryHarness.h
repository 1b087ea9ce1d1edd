#pragma once
// Going where the story goes, as a player does: entering places from the map,
// and telling which picture the screen shows.

#include "data/UnitConst.h"
#include "tests/RaceHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

namespace zb::test {

// One click on a scene's background, once the scene takes one: the window has
// stopped shaking and, on the race screen, the riders have arrived. No click
// when the screen changes meanwhile.
inline void advanceScene(Game& g) {
    TForm1& f = g.f();
    const std::uint8_t mode = f.screenMode;
    runUntil(
        g,
        [&] {
            return f.screenMode != mode ||
                   (!f.scene.mesShaking && (mode != 4 || f.isEventMoveDone()));
        },
        30000);
    if (f.screenMode == mode) g.click(250, 60); // clear of the portrait, choices and riders
}

// The story as it stands when the scene with flag `first` is the next to play:
// every flag before it recorded, but those named in `notYet`.
inline void storyUpTo(TForm1& f, StoryFlag first, std::initializer_list<StoryFlag> notYet = {}) {
    for (int s = 0; s < first; ++s)
        if (s != spare2010) f.flag(static_cast<StoryFlag>(s)) = 1;
    for (StoryFlag s : notYet)
        f.flag(s) = 0;
}

// "ニューゲーム", then the record set up so far in place of the new one (as a
// loaded slot puts it), and the map.
inline void startOnMap(Game& g) {
    TForm1& f = g.f();
    const ProgressRecord story = f.rec;
    g.click(f.newGameButton->formLeft() + 5, f.newGameButton->formTop() + 5);
    f.rec = story;
    f.setPoints(f.rec.points);
    f.setItemList();
    f.setOwnItemList();
    f.equipItem();
    f.setMax();
    f.eventToMap();
    ASSERT_EQ(f.screenMode, 2);
}

// The control shows the picture of that file.
inline bool shows(TForm1& f, const Picture& p, const std::string& file) {
    const ImagePtr want = f.LoadBmp(file);
    const ImagePtr& have = p.picture();
    return want && have && have->width == want->width && have->height == want->height &&
           have->pixels == want->pixels;
}

// The rider slot shows one of the three pictures of that machine.
inline bool showsMachine(TForm1& f, int slot, int machine) {
    const Machine* m = findMachine(machine);
    if (m == nullptr) return false;
    const Picture& p = *f.riders[static_cast<std::size_t>(slot)];
    for (int n = 1; n <= 3; ++n)
        if (shows(f, p, "img\\" + std::string(m->pictureId) + std::to_string(n) + ".bmp"))
            return true;
    return false;
}

// Points at a caption of the choice box (the bar appears under it) and clicks
// there: answer 1 or 2.
inline void choose(Game& g, int choice) {
    TForm1& f = g.f();
    Label& caption = choice == 1 ? *f.choice1Label : *f.choice2Label;
    const int x = caption.formLeft() + 4;
    const int y = caption.formTop() + 4;
    g.platform.mouseMove(x, y);
    g.flush();
    g.click(x, y);
}

// Enters a place the way "入る" does, without going through the map: for a test
// that starts where a place's scene begins.
inline void enterDirectly(TForm1& f, int place) {
    f.LoadBackImg();
    f.MesBox->visible = f.waku1->visible = true;
    f.newGameButton->visible = f.continueButton->visible = f.fsinfo->visible = false;
    f.currentPlace = static_cast<std::uint8_t>(place);
    f.screenMode = 2;
    f.mapTo();
}

// On the map: scrolls until the place lies well inside the panel (holding the
// button with the pointer towards it), puts the eye on its icon and presses
// "入る". Returns what went wrong, or nothing.
inline std::string enterFromMap(Game& g, int place, std::uint32_t maxMs = 20000) {
    TForm1& f = g.f();
    if (f.screenMode != 2) return "not on the map";
    if (!f.isShowStar(place) && !f.isShowStar2(place))
        return "place " + std::to_string(place) + " is not open";
    const Place& p = *findPlace(place);
    const Control& panel = *f.mapPanel;
    auto at = [&] { return std::pair{p.x + f.map->left, p.y + f.map->top}; };
    auto inView = [](std::pair<int, int> xy) {
        return xy.first >= 40 && xy.first <= 420 && xy.second >= 40 && xy.second <= 190;
    };
    auto toForm = [&](int x, int y) {
        return std::pair{panel.formLeft() + x, panel.formTop() + y};
    };
    bool held = false;
    const std::uint32_t start = g.platform.timeGetTime();
    int still = 0; // steps the map has not moved: it has reached its edge
    while (!inView(at()) && still < 5) {
        if (g.platform.timeGetTime() - start > maxMs) return "the map did not scroll to the place";
        auto [x, y] = at();
        auto [fx, fy] = toForm(std::clamp(x, 10, 450), std::clamp(y, 10, 220));
        if (!held) {
            g.press(fx, fy);
            held = true;
        } else {
            g.platform.mouseMove(fx, fy);
            g.flush();
        }
        const std::pair before{f.map->left, f.map->top};
        g.run(kStepPeriod);
        still = before == std::pair{f.map->left, f.map->top} ? still + 1 : 0;
    }
    auto [x, y] = at();
    auto [fx, fy] = toForm(x, y);
    g.platform.mouseMove(fx, fy);
    g.flush();
    if (!held) g.press(fx, fy);
    g.release(fx, fy);
    if (f.currentPlace != place)
        return "the eye on place " + std::to_string(place) + " found place " +
               std::to_string(f.currentPlace);
    if (!f.goButton->visible) return "no \"入る\" for place " + std::to_string(place);
    g.click(f.goButton->formLeft() + f.goButton->width / 2,
            f.goButton->formTop() + f.goButton->height / 2);
    return {};
}

} // namespace zb::test
