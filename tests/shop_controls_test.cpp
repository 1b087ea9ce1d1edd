// The list box, the tab control and the number box with its up-down arrows, as
// the shop and the setting screen use them: driven through a form with the
// same input events the game's window delivers.

#include "ui/Form.h"
#include "ui/ListBox.h"
#include "ui/NumberEdit.h"
#include "ui/Renderer.h"
#include "ui/TabControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zb {
namespace {

InputEvent mouse(EventType type, int x, int y, MouseButton b = MouseButton::Left) {
    InputEvent ev;
    ev.type = type;
    ev.button = b;
    ev.x = x;
    ev.y = y;
    return ev;
}

void click(Form& f, int x, int y, MouseButton b = MouseButton::Left) {
    f.dispatch(mouse(EventType::MouseDown, x, y, b));
    f.dispatch(mouse(EventType::MouseUp, x, y, b));
}

void keyDown(Form& f, std::uint16_t key) {
    InputEvent ev;
    ev.type = EventType::KeyDown;
    ev.key = key;
    f.dispatch(ev);
}

void type(Form& f, const std::u32string& chars) {
    for (char32_t c : chars) {
        InputEvent ev;
        ev.type = EventType::Char;
        ev.ch = c;
        f.dispatch(ev);
    }
}

// A bright pixel: text, not the dark face.
bool lit(std::uint32_t p) {
    return ((p >> 16) & 0xFF) > 150 && ((p >> 8) & 0xFF) > 150 && (p & 0xFF) > 150;
}

struct Window {
    Form form{"form"};
    Window() {
        form.width = 400;
        form.height = 400;
    }
};

// A list at (10, 20), 120 x 74: five whole rows of 14 pixels inside its frame.
struct ListWindow : Window {
    ListBox& list = form.add<ListBox>("list");
    int enters = 0;
    int mouseUps = 0;
    ListWindow() {
        list.setBounds(10, 20, 120, 74);
        list.onEnter = [this](Control&) { ++enters; };
        list.onMouseUp = [this](Control&, MouseButton, ShiftState, int, int) { ++mouseUps; };
    }
    void fill(int n) {
        for (int i = 0; i < n; ++i)
            list.add("line " + std::to_string(i));
    }
    // A point in the middle of visible row r, form coordinates.
    std::pair<int, int> row(int r) const { return {10 + 30, 20 + 2 + r * 14 + 7}; }
};

// ----------------------------------------------------------------- ListBox

TEST(ListBox, PressSelectsTheLineUnderThePointerAndReportsItsText) {
    ListWindow w;
    w.fill(3);
    EXPECT_FALSE(w.list.hasSelection());
    EXPECT_EQ(w.list.selectedText(), "");
    auto [x, y] = w.row(1);
    click(w.form, x, y);
    EXPECT_EQ(w.list.itemIndex(), 1);
    EXPECT_EQ(w.list.selectedText(), "line 1");
    EXPECT_EQ(w.enters, 1) << "the first press gives the list the focus";
    EXPECT_EQ(w.mouseUps, 1);
    EXPECT_EQ(w.form.focused(), &w.list);

    auto [x2, y2] = w.row(2);
    click(w.form, x2, y2);
    EXPECT_EQ(w.list.selectedText(), "line 2");
    EXPECT_EQ(w.enters, 1) << "a list that has the focus does not enter again";
    EXPECT_EQ(w.mouseUps, 2);
}

TEST(ListBox, EmptySpaceAndTheRightButtonLeaveTheSelection) {
    ListWindow w;
    w.fill(2);
    auto [x, y] = w.row(0);
    click(w.form, x, y);
    ASSERT_EQ(w.list.itemIndex(), 0);
    auto [ex, ey] = w.row(3); // below the last line
    click(w.form, ex, ey);
    EXPECT_EQ(w.list.itemIndex(), 0);
    auto [rx, ry] = w.row(1);
    click(w.form, rx, ry, MouseButton::Right);
    EXPECT_EQ(w.list.itemIndex(), 0);
    EXPECT_EQ(w.mouseUps, 3) << "every release is reported, selection or not";
}

TEST(ListBox, SelectionIsClearedFromCodeAndByEmptyingTheList) {
    ListWindow w;
    w.fill(4);
    w.list.setItemIndex(2);
    EXPECT_EQ(w.list.selectedText(), "line 2");
    w.list.clearSelection();
    EXPECT_FALSE(w.list.hasSelection());
    EXPECT_EQ(w.list.count(), 4);
    w.list.setItemIndex(3);
    w.list.setItemIndex(7); // outside: nothing selected
    EXPECT_EQ(w.list.itemIndex(), -1);
    w.list.setItemIndex(3);
    w.list.clear();
    EXPECT_EQ(w.list.count(), 0);
    EXPECT_FALSE(w.list.hasSelection());
    EXPECT_EQ(w.list.topIndex(), 0);
}

TEST(ListBox, ArrowKeysMoveTheSelectionInsideTheListAndScrollIt) {
    ListWindow w;
    w.fill(8); // five rows visible
    auto [x, y] = w.row(0);
    w.form.dispatch(mouse(EventType::MouseDown, x, y));
    w.form.dispatch(mouse(EventType::MouseUp, x, y));
    w.list.clearSelection();

    keyDown(w.form, vk::Down);
    EXPECT_EQ(w.list.itemIndex(), 0) << "the first arrow selects the first line";
    keyDown(w.form, vk::Up);
    EXPECT_EQ(w.list.itemIndex(), 0) << "nothing above the first line";
    for (int i = 0; i < 6; ++i)
        keyDown(w.form, vk::Down);
    EXPECT_EQ(w.list.itemIndex(), 6);
    EXPECT_EQ(w.list.topIndex(), 2) << "the selection is scrolled into view";
    keyDown(w.form, vk::Down);
    keyDown(w.form, vk::Down);
    EXPECT_EQ(w.list.itemIndex(), 7) << "nothing below the last line";
    keyDown(w.form, 36); // Home
    EXPECT_EQ(w.list.itemIndex(), 0);
    EXPECT_EQ(w.list.topIndex(), 0);
    keyDown(w.form, 35); // End
    EXPECT_EQ(w.list.itemIndex(), 7);
}

TEST(ListBox, KeysAndPressesReportEveryMoveOfTheSelection) {
    ListWindow w;
    w.fill(8);
    std::vector<int> reported;
    w.list.onChange = [&](Control&) { reported.push_back(w.list.itemIndex()); };
    auto [x, y] = w.row(2);
    click(w.form, x, y);
    click(w.form, x, y); // the same line again: no move
    keyDown(w.form, vk::Down);
    keyDown(w.form, 35);       // End
    keyDown(w.form, vk::Down); // nothing below the last line
    w.list.setItemIndex(0);    // the game's own choice is not the player's
    EXPECT_EQ(reported, (std::vector<int>{2, 3, 7}));
}

TEST(ListBox, ScrollBarScrollsWithoutTouchingTheSelection) {
    ListWindow w;
    w.fill(3);
    EXPECT_FALSE(w.list.scrollBarShown());
    w.list.clear();
    w.fill(12); // 5 visible
    ASSERT_TRUE(w.list.scrollBarShown());
    w.list.setItemIndex(1);
    const int barX = 10 + 120 - 2 - 8;
    click(w.form, barX, 20 + 74 - 2 - 8); // the lower arrow
    EXPECT_EQ(w.list.topIndex(), 1);
    EXPECT_EQ(w.list.itemIndex(), 1);
    click(w.form, barX, 20 + 74 - 2 - 20); // the track below the thumb: a page
    EXPECT_GT(w.list.topIndex(), 1);
    click(w.form, barX, 20 + 2 + 8); // the upper arrow
    click(w.form, barX, 20 + 2 + 8);
    click(w.form, barX, 20 + 2 + 8);
    click(w.form, barX, 20 + 2 + 8);
    click(w.form, barX, 20 + 2 + 8);
    click(w.form, barX, 20 + 2 + 8);
    EXPECT_EQ(w.list.topIndex(), 0);
    EXPECT_EQ(w.list.itemIndex(), 1);
    // A press on a line of the scrolled list selects what is shown there.
    w.list.setTopIndex(4);
    auto [x, y] = w.row(0);
    click(w.form, x, y);
    EXPECT_EQ(w.list.selectedText(), "line 4");
    w.list.setTopIndex(99);
    EXPECT_EQ(w.list.topIndex(), 12 - 5) << "never scrolled past the last page";
}

TEST(ListBox, PaintsADarkFaceWithWhiteTextAndAHighlightedSelection) {
    ListWindow w;
    w.list.add("ＬＣコンピュータ");
    w.list.add("５速ＭＴ");
    w.list.setItemIndex(1);
    Image frame(400, 300, rgb(0, 0, 0));
    renderTree(w.form, frame);
    auto countIn = [&](int y0, int y1, auto pred) {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = 14; x < 120; ++x)
                n += pred(frame.at(x, y)) ? 1 : 0;
        return n;
    };
    const auto white = [](std::uint32_t p) { return p == rgb(255, 255, 255); };
    const auto face = [](std::uint32_t p) { return p == rgb(32, 32, 32); };
    const auto high = [&](std::uint32_t p) { return p == w.list.highlight; };
    // Row 0 (not selected): dark face and white glyphs; row 1: the highlight.
    EXPECT_GT(countIn(22, 36, white), 20);
    EXPECT_GT(countIn(22, 36, face), 500);
    EXPECT_EQ(countIn(22, 36, high), 0);
    EXPECT_GT(countIn(36, 50, white), 20);
    EXPECT_GT(countIn(36, 50, high), 500);
    // Below the lines only the face remains.
    EXPECT_EQ(countIn(60, 90, white), 0);
    EXPECT_GT(countIn(60, 90, face), 2000);
}

// ------------------------------------------------------------- TabControl

struct TabWindow : Window {
    TabControl& tabs = form.add<TabControl>("tabs");
    std::vector<int> changes;
    TabWindow() {
        tabs.setBounds(20, 10, 225, 200);
        tabs.tabs = {"パーツ１", "パーツ２", "オプション"};
        tabs.onChange = [this](Control& s) {
            changes.push_back(static_cast<TabControl&>(s).tabIndex());
        };
    }
    // The middle of tab i's header, form coordinates.
    std::pair<int, int> header(int i) const {
        int l = 0;
        int wd = 0;
        tabs.tabSpan(i, l, wd);
        return {20 + l + wd / 2, 10 + tabs.tabHeight / 2};
    }
};

TEST(TabControl, PressOnAnotherTabChangesItOnceWithAnEvent) {
    TabWindow w;
    EXPECT_EQ(w.tabs.tabIndex(), 0);
    auto [x2, y2] = w.header(2);
    click(w.form, x2, y2);
    EXPECT_EQ(w.tabs.tabIndex(), 2);
    EXPECT_EQ(w.changes, std::vector<int>{2}) << "the event sees the new tab";
    click(w.form, x2, y2); // the current tab again: no change
    EXPECT_EQ(w.changes.size(), 1u);
    auto [x1, y1] = w.header(1);
    click(w.form, x1, y1, MouseButton::Right);
    EXPECT_EQ(w.tabs.tabIndex(), 2) << "only the left button changes tabs";
    click(w.form, x1, y1 + 40); // the page, not a header
    EXPECT_EQ(w.tabs.tabIndex(), 2);
    click(w.form, x1, y1);
    EXPECT_EQ(w.changes, (std::vector<int>{2, 1}));
}

TEST(TabControl, SettingTheTabFromCodeFiresNothing) {
    TabWindow w;
    w.tabs.setTabIndex(1);
    EXPECT_EQ(w.tabs.tabIndex(), 1);
    w.tabs.setTabIndex(3);
    w.tabs.setTabIndex(-1);
    EXPECT_EQ(w.tabs.tabIndex(), 1) << "numbers outside the tabs are ignored";
    EXPECT_TRUE(w.changes.empty());
}

TEST(TabControl, LeftAndRightKeysStepThroughTheTabs) {
    TabWindow w;
    auto [x, y] = w.header(0);
    click(w.form, x, y); // focus, no change
    ASSERT_EQ(w.form.focused(), &w.tabs);
    keyDown(w.form, vk::Left);
    EXPECT_TRUE(w.changes.empty()) << "nothing left of the first tab";
    keyDown(w.form, vk::Right);
    keyDown(w.form, vk::Right);
    keyDown(w.form, vk::Right);
    EXPECT_EQ(w.changes, (std::vector<int>{1, 2}));
    keyDown(w.form, vk::Left);
    EXPECT_EQ(w.tabs.tabIndex(), 1);
}

// ------------------------------------------------------- NumberEdit, UpDown

struct NumberWindow : Window {
    NumberEdit& edit = form.add<NumberEdit>("edit");
    UpDown& arrows = form.add<UpDown>("arrows");
    std::vector<std::string> changes;
    int changing = 0;
    NumberWindow() {
        edit.setBounds(10, 284, 40, 22);
        arrows.setBounds(50, 284, 16, 22);
        arrows.min = 0;
        arrows.max = 999;
        arrows.associate = &edit;
        edit.onChange = [this](Control& s) {
            changes.push_back(static_cast<NumberEdit&>(s).text());
        };
        arrows.onChanging = [this](Control&, bool&) { ++changing; };
    }
    void focusAndSelectAll() { click(form, 30, 295); }
};

TEST(NumberEdit, TakesDigitsOnlyAtMostThree) {
    NumberWindow w;
    w.focusAndSelectAll();
    type(w.form, U"1a2-3.45");
    EXPECT_EQ(w.edit.text(), "123");
    EXPECT_EQ(w.changes, (std::vector<std::string>{"1", "12", "123"}));
    type(w.form, U"4");
    EXPECT_EQ(w.edit.text(), "123") << "a fourth digit does not fit";
    EXPECT_EQ(w.changes.size(), 3u);
    type(w.form, U"\b");
    EXPECT_EQ(w.edit.text(), "12");
    type(w.form, U"9");
    EXPECT_EQ(w.edit.text(), "129");
    EXPECT_EQ(w.edit.value(), 129);
}

TEST(NumberEdit, ChangeFiresOnlyWhenTheTextReallyChanges) {
    NumberWindow w;
    w.edit.setText("10");
    w.edit.setText("10");
    w.edit.setText("11");
    w.edit.setText("11");
    EXPECT_EQ(w.changes, (std::vector<std::string>{"10", "11"}));
    w.focusAndSelectAll();
    type(w.form, U"11"); // typed over the selection: "1", then "11"
    EXPECT_EQ(w.changes, (std::vector<std::string>{"10", "11", "1", "11"}));
    w.changes.clear();
    type(w.form, U"x"); // refused: no change
    EXPECT_TRUE(w.changes.empty());
}

TEST(NumberEdit, PressSelectsAllThenPlacesTheCaret) {
    NumberWindow w;
    w.edit.setText("123");
    click(w.form, 30, 295);
    EXPECT_EQ(w.edit.selectionStart(), 0u);
    EXPECT_EQ(w.edit.selectionLength(), 3u);
    type(w.form, U"7");
    EXPECT_EQ(w.edit.text(), "7") << "typing replaces the selected number";
    w.edit.setText("456");
    click(w.form, 30, 295);
    click(w.form, 11, 295); // left of the right-aligned digits: the caret goes first
    EXPECT_EQ(w.edit.selectionLength(), 0u);
    EXPECT_EQ(w.edit.caret(), 0u);
    type(w.form, U"\b");
    EXPECT_EQ(w.edit.text(), "456") << "nothing before the caret";
    keyDown(w.form, 46); // Delete
    EXPECT_EQ(w.edit.text(), "56");
    keyDown(w.form, 35); // End
    type(w.form, U"\b");
    EXPECT_EQ(w.edit.text(), "5");
}

TEST(NumberEdit, DigitsAreDrawnAgainstTheRightEdge) {
    NumberWindow w;
    w.edit.setText("7");
    Image frame(400, 400, rgb(0, 0, 0));
    renderTree(w.form, frame);
    int minX = 1000;
    int maxX = -1;
    int face = 0;
    for (int y = 286; y < 304; ++y)
        for (int x = 12; x < 48; ++x) {
            const std::uint32_t p = frame.at(x, y);
            if (p == rgb(32, 32, 32)) ++face;
            if (lit(p)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
            }
        }
    ASSERT_GE(maxX, 0) << "the digit is drawn";
    EXPECT_GE(minX, 30) << "a single digit stands at the right";
    EXPECT_GT(face, 300) << "on the dark face";
}

TEST(NumberEdit, UpDownStepsFromTheTypedNumberAndWritesIntoTheBox) {
    NumberWindow w;
    w.edit.setText("5");
    w.changes.clear();
    click(w.form, 58, 287); // upper arrow
    EXPECT_EQ(w.edit.text(), "6");
    EXPECT_EQ(w.arrows.position(), 6);
    EXPECT_EQ(w.changing, 1);
    click(w.form, 58, 303); // lower arrow
    click(w.form, 58, 303);
    EXPECT_EQ(w.edit.text(), "4");
    EXPECT_EQ(w.changing, 3);
    // Typed numbers count.
    w.focusAndSelectAll();
    type(w.form, U"998");
    click(w.form, 58, 287);
    click(w.form, 58, 287);
    EXPECT_EQ(w.edit.text(), "999") << "never above the maximum";
    w.edit.setText("0");
    click(w.form, 58, 303);
    EXPECT_EQ(w.edit.text(), "0") << "never below the minimum";
    EXPECT_EQ(w.changing, 6) << "every press is reported, even at the ends";
}

TEST(NumberEdit, UpDownChangingCanRefuseTheStep) {
    NumberWindow w;
    w.edit.setText("20");
    w.arrows.onChanging = [](Control&, bool& allow) { allow = false; };
    w.changes.clear();
    click(w.form, 58, 287);
    EXPECT_EQ(w.edit.text(), "20");
    EXPECT_TRUE(w.changes.empty());
}

} // namespace
} // namespace zb
