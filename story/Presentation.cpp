// The message window of a scene: names, lines and portraits, the waiting marker,
// the shake of a shock, the mascot's blinking portrait and the riders that drive
// in and out of a race scene. The animations are tick counters advanced by the
// scene's idle handler.

#include "app/UnitMain.h"
#include "data/UnitConst.h"
#include "story/Cast.h"

namespace zb {

namespace {
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr int kCursorTop = 355;
} // namespace

// Numbers below 100 name a machine; 101..130 the story's people. Any other number
// of 100 or more keeps the text and only whitens it.
void TForm1::showName(int label, int speaker) {
    if (label < 1 || label > 2) return;
    Label& l = *names[static_cast<std::size_t>(label)];
    if (speaker < 100) {
        if (const Machine* m = findMachine(speaker)) l.setCaption(std::string(m->displayName));
        l.fontColour = kWhite;
        return;
    }
    if (const SpeakerRow* s = findSpeaker(speaker)) {
        l.setCaption(std::string(s->name));
        l.fontColour = s->colour;
    } else {
        l.fontColour = kWhite;
    }
}

void TForm1::showName1(int speaker) {
    showName(1, speaker);
}

void TForm1::showNameStr1(const std::string& text) {
    name1->fontColour = kWhite;
    name1->setCaption(text);
}

void TForm1::clearName() {
    showNameStr1("");
}

void TForm1::clearLine() {
    clearName();
    for (int i = 1; i <= 3; ++i)
        lines[static_cast<std::size_t>(i)]->setCaption("");
}

// Portrait n of a character, read from its file; 124 takes one of the four
// pictures kept in the program and leaves the frame as it is.
void TForm1::changeFace(int portrait, int n) {
    if (portrait == kMaskedSachi) {
        if (n >= 1 && n <= 4) face->setPicture(stock.get("facePHMS" + std::to_string(n)));
        return;
    }
    const Portrait* p = findPortrait(portrait);
    if (!p) return;
    LoadImg(*face, std::string(p->stem) + std::to_string(n) + ".bmp");
    facePanel->visible = true;
}

void TForm1::shakeMes(int dy) {
    for (Control* c :
         std::initializer_list<Control*>{waku1, name1, MesBox, facePanel, line1, line2, line3})
        c->top += dy;
}

// Up 10, down 20, up 20, down 20, up 10 on ticks 0, 2, 4, 6 and 8.
void TForm1::shakeMessage() {
    if (!scene.mesShaking) return;
    cursor->visible = false;
    switch (scene.shakeCount) {
    case 0:
        shakeMes(-10);
        break;
    case 2:
    case 6:
        shakeMes(20);
        break;
    case 4:
        shakeMes(-20);
        break;
    case 8:
        shakeMes(-10);
        scene.mesShaking = 0;
        scene.shakeCount = 0;
        return;
    default:
        break;
    }
    ++scene.shakeCount;
}

// The mascot blinks: its second picture on the fourth tick, back on the eighth.
void TForm1::zingoChan() {
    if (!scene.zingoChanOn) return;
    if (scene.zingoChanCount == 3) {
        changeFace(122, 2);
        ++scene.zingoChanCount;
    } else if (scene.zingoChanCount == 7) {
        changeFace(122, 1);
        scene.zingoChanCount = 0;
    } else {
        ++scene.zingoChanCount;
    }
}

// One tick of every rider move; a move that has reached its target is snapped
// onto it on the following tick.
void TForm1::eventMove() {
    const int slots = scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= slots; ++i) {
        RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        Picture& p = *riders[static_cast<std::size_t>(i)];
        if (!m.moveRight) continue;
        if (p.left < m.moveTarget) {
            p.left += m.moveSpeed;
        } else {
            p.left = m.moveTarget;
            m.moveTarget = m.moveSpeed = 0;
            m.moveRight = 0;
        }
    }
    for (int i = 1; i <= slots; ++i) {
        RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        Picture& p = *riders[static_cast<std::size_t>(i)];
        if (!m.moveLeft) continue;
        if (p.left > m.moveTarget) {
            p.left -= m.moveSpeed;
        } else {
            p.left = m.moveTarget;
            m.moveTarget = m.moveSpeed = 0;
            m.moveLeft = 0;
        }
    }
}

// All three slots count, whatever thirdRiderOn says, and so does the special
// animation.
bool TForm1::isEventMoveDone() const {
    for (int i = 1; i <= 3; ++i) {
        const RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        if (m.moveRight || m.moveLeft) return false;
    }
    return race.philipAnimOn == 0;
}

// Enter or Space while riders move: every move ends at its target at once.
void TForm1::finishEventMoves() {
    const int slots = scene.thirdRiderOn ? 3 : 2;
    for (int i = 1; i <= slots; ++i) {
        RiderMove& m = scene.moves[static_cast<std::size_t>(i)];
        if (!m.moveRight && !m.moveLeft) continue;
        riders[static_cast<std::size_t>(i)]->left = m.moveTarget;
        m = RiderMove{};
    }
}

// The marker bobs through tops 355..359, one pixel every fifth tick; it hides
// while riders are still moving on the race screen.
void TForm1::moveCursor() {
    if (screenMode != 13 && !isEventMoveDone()) {
        cursor->visible = false;
        return;
    }
    cursor->visible = true;
    if (cursorPhase < 4) {
        ++cursorPhase;
        return;
    }
    cursorPhase = 0;
    if (cursor->top > 358)
        cursor->top = kCursorTop;
    else
        ++cursor->top;
}

void TForm1::AppEvent() {
    moveCursor();
    shakeMessage();
    zingoChan();
}

void TForm1::AppMoveOnly() {
    createRaceScreen();
    eventMove();
    shakeMessage();
    moveCursor();
    Philip();
}

} // namespace zb
