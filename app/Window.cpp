// The window and full screen. Full screen shows a 640 x 480 area with the game
// area centred in it; the panels that stand on the form itself move with it.

#include "app/UnitMain.h"

namespace zb {

namespace {
const char* const kFullScreenHint = "フルスクリーン解除 : [Alt] + [Enter]キー";
} // namespace

void TForm1::ToggleFullScreen() {
    if (!altKeyDown) return;
    if (!fullScreenActive) {
        // Where the window cannot really cover the screen, the 640 x 480 layout
        // would be cut off by it: the game stays in its window.
        if (!platform.setFullScreen(true)) {
            altKeyDown = false;
            return;
        }
        fullScreenLayout();
        fsinfoLabel->setCaption(kFullScreenHint);
        fsinfoLabel->visible = true;
    } else {
        platform.setFullScreen(false);
        windowedLayout();
        fsinfoLabel->visible = false;
        platform.centreWindow();
    }
    altKeyDown = false;
}

void TForm1::fullScreenLayout() {
    mainPanel->setBounds(kFullScreenDX, kFullScreenDY, 514, 375);
    width = 640;
    height = 480;
    platform.setClientSize(640, 480);
    adjustWidthHeight(1);
    fullScreenActive = true;
}

void TForm1::windowedLayout() {
    mainPanel->setBounds(0, 0, 514, 385);
    width = 514;
    height = 385;
    platform.setClientSize(514, 385);
    if (fullScreenActive) adjustWidthHeight(0);
    fullScreenActive = false;
}

void TForm1::adjustWidthHeight(std::uint8_t on) {
    fsinfoLabel->width = width;
    const int dx = on ? kFullScreenDX : -kFullScreenDX;
    const int dy = on ? kFullScreenDY : -kFullScreenDY;
    for (Control* c : std::initializer_list<Control*>{
             weatherPanel, ptsPanel, mapPanel, itemPanel, savePanel, infoPanel, facePanel,
             selectPanel, numTextPanel1, numTextPanel2, newGameButton, continueButton, buyButton,
             equipButton, endTutorButton}) {
        c->left += dx;
        c->top += dy;
    }
}

void TForm1::setPosPanel(int& x, int& y) const {
    x = app.lastMessageX() - mapPanel->formLeft();
    y = app.lastMessageY() - mapPanel->formTop();
}

void TForm1::setPosForm(int& y) const {
    y = app.lastMessageY();
}

void TForm1::fsinfoLabelMouseDown(Control& sender, MouseButton button, ShiftState shift, int x,
                                  int y) {
    fsinfoLabel->setCaption(fsinfoLabel->caption().empty() ? kFullScreenHint : "");
    if (screenMode == 5 || screenMode == 17) FormMouseDown(sender, button, shift, x, y);
}

void TForm1::fsinfoLabelMouseUp(Control& sender, MouseButton button, ShiftState shift, int x,
                                int y) {
    if (screenMode == 5 || screenMode == 17) FormMouseUp(sender, button, shift, x, y);
}

} // namespace zb
