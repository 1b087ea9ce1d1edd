// The two-way choice box: scene questions, the game over menu and the driving
// school's menu. The bar appears under the caption the pointer is over and a
// press on it answers; the answer goes to the handler of the screen that asked.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

namespace zb {

namespace {

constexpr int kChoice1Top = 2;
constexpr int kChoice2Top = 21;

struct Question {
    std::uint8_t mode;
    const char* choice1;
    const char* choice2;
};

// The scenes' questions; the captions are padded with blanks to 14 bytes.
constexpr Question kQuestions[] = {
    {18, "準備ＯＫ      ", "まだダメ      "},
    {19, "勝つために    ", "逃げるために  "},
    {20, "追いかける    ", "追いかけない  "},
};

} // namespace

// The box stands further right and lower in full screen, as every panel does.
void TForm1::placeChoiceBox(int boxLeft, int boxTop) {
    selectPanel->setPos(boxLeft + (fullScreenActive ? kFullScreenDX : 0),
                        boxTop + (fullScreenActive ? kFullScreenDY : 0));
}

void TForm1::showChoiceBox(const std::string& choice1, const std::string& choice2, int boxLeft,
                           int boxTop) {
    choice1Label->setCaption(choice1);
    choice2Label->setCaption(choice2);
    selectCursor->visible = false;
    placeChoiceBox(boxLeft, boxTop);
    selectPanel->visible = true;
    installIdle("AppSelectCursor", kCursorPeriod, &TForm1::AppSelectCursor);
}

// A scene asks: the question is already in the lines.
void TForm1::askChoice(std::uint8_t mode) {
    for (const Question& q : kQuestions) {
        if (q.mode != mode) continue;
        cursor->visible = false;
        screenMode = mode;
        showChoiceBox(q.choice1, q.choice2, kChoiceLeft, kChoiceTop);
        return;
    }
}

void TForm1::hideChoiceBox() {
    selectPanel->visible = false;
    selectCursor->visible = false;
}

void TForm1::AppSelectCursor() {
    showNextFrame(*selectCursor, cursorPhase, "selectCursor");
}

void TForm1::choice1LabelMouseMove(Control&, ShiftState, int, int) {
    selectCursor->top = kChoice1Top;
    selectCursor->visible = true;
}

void TForm1::choice2LabelMouseMove(Control&, ShiftState, int, int) {
    selectCursor->top = kChoice2Top;
    selectCursor->visible = true;
}

void TForm1::selectBackMouseLeave(Control&) {
    selectCursor->visible = false;
}

void TForm1::selectCursorMouseLeave(Control&) {
    selectCursor->visible = false;
}

void TForm1::selectCursorMouseDown(Control&, MouseButton button, ShiftState, int, int) {
    if (button == MouseButton::Left && selectCursor->visible) selectDown();
}

// The captions lie over the bar, so a press on a caption is a press on the bar
// when the bar stands on its row.
void TForm1::choiceLabelMouseDown(Control& sender, MouseButton button, ShiftState shift, int x,
                                  int y) {
    const int row = &sender == choice1Label ? kChoice1Top : kChoice2Top;
    if (selectCursor->visible && selectCursor->top == row)
        selectCursorMouseDown(*selectCursor, button, shift, x, y);
}

void TForm1::selectDown() {
    int choice = 0;
    if (selectCursor->top == kChoice1Top)
        choice = 1;
    else if (selectCursor->top == kChoice2Top)
        choice = 2;
    switch (screenMode) {
    case 1:
        selectRetry(choice);
        break;
    case 14:
        selectSchool(choice);
        break;
    case 18:
        selectReady(choice);
        break;
    case 19:
        selectWhy(choice);
        break;
    case 20:
        selectSachi(choice);
        break;
    default:
        break;
    }
}

// The scene goes on with its next step.
void TForm1::resumeScene() {
    hideChoiceBox();
    screenMode = 13;
    installIdle("AppEvent", kStepPeriod, &TForm1::AppEvent);
    event();
}

// "まだダメ" leaves the scene unplayed: it starts again from its first step.
void TForm1::selectReady(int choice) {
    if (choice == 1) {
        resumeScene();
        return;
    }
    hideChoiceBox();
    screenMode = 13;
    playSoundEffect(*this, 9);
    eventToMap();
}

void TForm1::selectWhy(int choice) {
    if (choice == 1) flag(choseToWin) = 1;
    resumeScene();
}

void TForm1::selectSachi(int choice) {
    if (choice == 1) flag(choseToChase) = 1;
    resumeScene();
}

void TForm1::bindChoiceHandlers() {
    choice1Label->onMouseMove = [this](Control& s, ShiftState sh, int x, int y) {
        choice1LabelMouseMove(s, sh, x, y);
    };
    choice2Label->onMouseMove = [this](Control& s, ShiftState sh, int x, int y) {
        choice2LabelMouseMove(s, sh, x, y);
    };
    for (Label* l : {choice1Label, choice2Label})
        l->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
            choiceLabelMouseDown(s, b, sh, x, y);
        };
    selectBack->onMouseLeave = [this](Control& s) { selectBackMouseLeave(s); };
    selectCursor->onMouseLeave = [this](Control& s) { selectCursorMouseLeave(s); };
    selectCursor->onMouseDown = [this](Control& s, MouseButton b, ShiftState sh, int x, int y) {
        selectCursorMouseDown(s, b, sh, x, y);
    };
}

} // namespace zb
