// The driving school's controls: the lesson's panel with its four lines and the
// page buttons, and the hint circle that points at the race screen. They lie on
// the game area above the race screen; "教習終了" and "リセット" are made with the
// other buttons of the window.

#include "app/ControlKit.h"
#include "app/UnitMain.h"

namespace zb {

using namespace kit;

void TForm1::createSchoolControls() {
    Panel& m = *mainPanel;
    tutorBack = picture(m, "tutorBack");
    tutorBack->setPicture(stock.get("tutorBack"));
    tutorLabel1 = label(m, "tutorLabel1", "", kGothic16, kWhite);
    tutorLabel2 = label(m, "tutorLabel2", "", kGothic16, kWhite);
    tutorLabel3 = label(m, "tutorLabel3", "", kGothic16, kWhite);
    tutorLabel4 = label(m, "tutorLabel4", "", kGothic16, kWhite);
    tutorLabels = {nullptr, tutorLabel1, tutorLabel2, tutorLabel3, tutorLabel4};
    prevButton = button(m, "prevButton", "< 戻る");
    nextButton = button(m, "nextButton", "次へ >");
    tutorCircle = picture(m, "tutorCircle");
    tutorCircle->setPicture(stock.get("tutorCircle1"));
}

// Bound before the routing: the buttons' clicks are the lesson's own, while a
// press on the panel, its lines or the circle is a press on the race screen.
void TForm1::bindSchoolHandlers() {
    prevButton->onClick = [this](Control&) { prevButtonClick(); };
    nextButton->onClick = [this](Control&) { nextButtonClick(); };
    resetButton->onClick = [this](Control&) { resetButtonClick(); };
    endTutorButton->onClick = [this](Control&) { endTutorButtonClick(); };
}

} // namespace zb
