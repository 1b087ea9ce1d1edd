// Two buttons at once, through injected input: only a left press keeps the
// pointer, so a click made while the right button is held reaches the control
// under the pointer, on the road and on the map.

#include "data/UnitConst.h"
#include "tests/RaceHarness.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::prepareRace;
using zb::test::racing;
using zb::test::runUntil;

namespace {

class TwoButtons : public zb::test::SeededGameTest {
  protected:
    void clickOn(const Control& c) {
        g.click(c.formLeft() + c.width / 2, c.formTop() + c.height / 2);
    }
    void pressOn(const Control& c, MouseButton b) {
        g.press(c.formLeft() + c.width / 2, c.formTop() + c.height / 2, b);
    }
    void releaseOn(const Control& c, MouseButton b) {
        g.release(c.formLeft() + c.width / 2, c.formTop() + c.height / 2, b);
    }
};

} // namespace

// With the automatic clutch the arrows shift while the throttle is held, whether
// the right button went down on the road or on the other arrow.
TEST_F(TwoButtons, ArrowsShiftWhileTheThrottleIsHeld) {
    f.rec.equippedItems[23] = 1; // the automatic clutch
    prepareRace(f, 18, 1);
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
    ASSERT_TRUE(f.grup->visible && f.grdown->visible);
    ASSERT_EQ(f.race.gear, 0);

    // Throttle on the road, then the up arrow: neutral to 2nd.
    g.press(250, 150, MouseButton::Right);
    ASSERT_EQ(f.race.throttleHeld, 1);
    clickOn(*f.grup);
    EXPECT_EQ(f.race.gear, 2) << "the up arrow shifts with the throttle held on the road";
    EXPECT_EQ(f.race.throttleHeld, 1) << "the click leaves the throttle held";
    g.release(250, 150, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 0);

    // Throttle held on the up arrow, then a click on the down arrow: 2nd to 1st.
    pressOn(*f.grup, MouseButton::Right);
    ASSERT_EQ(f.race.throttleHeld, 1);
    clickOn(*f.grdown);
    EXPECT_EQ(f.race.gear, 1) << "the down arrow shifts down, never up";
    EXPECT_EQ(f.race.throttleHeld, 1);

    // Throttle held on the down arrow, then a click on the up arrow: 1st to 2nd.
    releaseOn(*f.grup, MouseButton::Right);
    pressOn(*f.grdown, MouseButton::Right);
    clickOn(*f.grup);
    EXPECT_EQ(f.race.gear, 2) << "the up arrow shifts up, never down";

    // The throttle is let go wherever the right button comes up.
    g.release(250, 150, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 0);
    g.press(250, 150, MouseButton::Right);
    releaseOn(*f.grup, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 0);
}

// Without the automatic clutch the gesture still does not shift while the
// throttle is held, when the right button comes down during the drag.
TEST_F(TwoButtons, ThrottlePressedDuringTheClutchGestureStopsTheShift) {
    prepareRace(f, 18, 1);
    ASSERT_TRUE(runUntil(g, [&] { return racing(f); }));
    g.press(250, 150);
    ASSERT_EQ(f.race.clutchHeld, 1);
    g.press(300, 150, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 1);
    g.release(250, 100);
    EXPECT_EQ(f.race.gear, 0) << "the gesture does not shift with the throttle held";
    EXPECT_EQ(f.race.clutchHeld, 0) << "but the clutch is let go";
    g.release(300, 150, MouseButton::Right);
    EXPECT_EQ(f.race.throttleHeld, 0);
}

// On the map a click on "入る" while the right button is held on the map enters
// the place; the eye stays where it was put.
TEST_F(TwoButtons, EnterIsClickedWhileTheRightButtonHoldsTheMap) {
    f.rec.storyFlags[doneOpening2] = 1; // the shop is open
    f.newGameButton->visible = false;
    f.continueButton->visible = false;
    f.fsinfo->visible = false;
    f.map->setPos(0, -250);
    f.showMapComponents(true);
    f.screenMode = 2;
    f.installIdle("AppMap", kStepPeriod, &TForm1::AppMap);
    f.showPlaceInfo();

    const Place& shop = *findPlace(5);
    const int x = f.mapPanel->formLeft() + f.map->left + shop.x;
    const int y = f.mapPanel->formTop() + f.map->top + shop.y;
    g.click(x, y);
    ASSERT_EQ(f.currentPlace, 5);
    ASSERT_TRUE(f.goButton->visible);
    const int eyeLeft = f.eye->left;
    const int eyeTop = f.eye->top;

    g.press(x + 60, y - 40, MouseButton::Right);
    clickOn(*f.goButton);
    EXPECT_EQ(f.screenMode, 9) << "the click reached \"入る\": the shop is open";
    EXPECT_EQ(f.eye->left, eyeLeft) << "the click did not move the eye";
    EXPECT_EQ(f.eye->top, eyeTop);
    g.release(x + 60, y - 40, MouseButton::Right);
    EXPECT_EQ(f.screenMode, 9);
}

// The rule itself, on a bare form with two controls side by side.
TEST(PointerCapture, OnlyTheLeftButtonKeepsThePointer) {
    Form form("form");
    form.setBounds(0, 0, 200, 100);
    Panel& a = form.add<Panel>("a");
    a.setBounds(0, 0, 100, 100);
    Panel& b = form.add<Panel>("b");
    b.setBounds(100, 0, 100, 100);
    std::vector<std::string> log;
    for (Panel* p : {&a, &b}) {
        auto name = p->name;
        auto button = [](MouseButton m) { return m == MouseButton::Left ? "L" : "R"; };
        p->onMouseDown = [&log, name, button](Control&, MouseButton m, ShiftState, int, int) {
            log.push_back(name + " down " + button(m));
        };
        p->onMouseUp = [&log, name, button](Control&, MouseButton m, ShiftState, int, int) {
            log.push_back(name + " up " + button(m));
        };
        p->onClick = [&log, name](Control&) { log.push_back(name + " click"); };
    }
    auto send = [&](EventType t, int x, MouseButton m) {
        InputEvent ev;
        ev.type = t;
        ev.x = x;
        ev.y = 50;
        ev.button = m;
        form.dispatch(ev);
    };

    // Right held on a, a left click on b, the right button let go over b.
    send(EventType::MouseDown, 50, MouseButton::Right);
    send(EventType::MouseDown, 150, MouseButton::Left);
    send(EventType::MouseUp, 150, MouseButton::Left);
    send(EventType::MouseUp, 150, MouseButton::Right);
    EXPECT_EQ(log,
              (std::vector<std::string>{"a down R", "b down L", "b up L", "b click", "a up R"}));
    EXPECT_EQ(form.captured(), nullptr);

    // Left held on a: the right press over b goes to a, and so does everything
    // until the left button comes up.
    log.clear();
    send(EventType::MouseDown, 50, MouseButton::Left);
    EXPECT_EQ(form.captured(), &a);
    send(EventType::MouseDown, 150, MouseButton::Right);
    send(EventType::MouseUp, 150, MouseButton::Right);
    send(EventType::MouseUp, 150, MouseButton::Left);
    EXPECT_EQ(log, (std::vector<std::string>{"a down L", "a down R", "a up R", "a up L"}))
        << "released outside a: no click";
    EXPECT_EQ(form.captured(), nullptr);
}
