// The map's information panel after a scene has cleared the place selection,
// played through the real game: the panel shows what it shows for no place.

#include "data/UnitConst.h"
#include "story/Scenes.h"
#include "tests/StoryHarness.h"

#include <gtest/gtest.h>

#include <string>

namespace zb::test {
namespace {

constexpr int kSceneX = 250;
constexpr int kSceneY = 150;

// Clicks through the scene on screen until the map is back; false when it got
// stuck.
bool clickToTheMap(Game& g) {
    TForm1& f = g.f();
    for (int clicks = 0; clicks < 200 && f.screenMode != 2; ++clicks) {
        if (!runUntil(
                g,
                [&] { return f.screenMode == 2 || (f.isEventMoveDone() && !f.scene.mesShaking); },
                30000))
            return false;
        if (f.screenMode == 2) break;
        g.click(kSceneX, kSceneY);
    }
    return f.screenMode == 2;
}

// The panel as it is for no place, a few map steps after the map is back; and
// the spot where "入る" stood takes the player nowhere.
void expectNoPlacePanel(Game& g) {
    TForm1& f = g.f();
    g.run(10 * kStepPeriod);
    EXPECT_EQ(f.currentPlace, 0);
    EXPECT_FALSE(f.goButton->visible) << "no \"入る\" for no place";
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(f.lines[static_cast<std::size_t>(i)]->caption(), "") << "line " << i;
    EXPECT_EQ(f.weatherIcon->picture(), nullptr);
    const Control& go = *f.goButton;
    g.click(go.formLeft() + go.width / 2, go.formTop() + go.height / 2);
    g.run(5 * kStepPeriod);
    EXPECT_EQ(f.screenMode, 2) << "the map stays";
}

void cityFlags(TForm1& f) {
    for (StoryFlag s : {doneOpening0, doneOpening1, visitedSchool, doneOpening2, doneStreet1,
                        doneStreet2, doneRHouse1, doneRHouse2, doneRHouse3, doneRHouse4})
        f.flag(s) = 1;
}

void toTheMap(Game& g) {
    TForm1& f = g.f();
    f.newGameButton->visible = f.continueButton->visible = f.fsinfo->visible = false;
    f.LoadBackImg();
    f.MesBox->visible = f.waku1->visible = true;
    f.loadMap();
    f.showMapComponents(true);
    f.mapMessageWindow();
    f.screenMode = 2;
    f.installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
    f.showPlaceInfo();
}

} // namespace

// The bay city's scene with サチ, entered from the map, ends on the map with no
// place selected.
TEST(MapInfoPanel, AfterTheSceneAtTheBayCityNoPlaceIsShown) {
    GameFolder folder;
    Game g;
    TForm1& f = g.f();
    cityFlags(f);
    toTheMap(g);
    g.run(kStepPeriod);
    ASSERT_EQ(enterFromMap(g, 7), "");
    ASSERT_EQ(f.screenMode, 13);
    ASSERT_TRUE(clickToTheMap(g));
    ASSERT_EQ(f.flag(doneSachi1), 1);
    expectNoPlacePanel(g);
}

} // namespace zb::test
