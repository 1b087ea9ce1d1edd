// Pictures read from the game's files. A picture the game cannot read ends it:
// there is no fallback picture.

#include "app/UnitMain.h"

namespace zb {

namespace {
// The frame backgrounds the game has: "img\back01.bmp" .. "img\back16.bmp".
constexpr int kBackImages = 16;
} // namespace

ImagePtr TForm1::LoadBmp(const std::string& gamePath) {
    if (fatalShown_) return nullptr; // the game is already ending
    ImagePtr img = startBitmaps_.take(gamePath);
    if (!img) fatalImage(gamePath);
    return img;
}

void TForm1::LoadImg(Picture& picture, const std::string& gamePath) {
    ImagePtr img = LoadBmp(gamePath);
    if (img) picture.setPicture(std::move(img));
}

void TForm1::LoadBackImg() {
    // The number comes from the master file, which may hold anything: one the
    // game has no picture for means the first background, and the next save
    // writes that back.
    if (master.backImageNo < 1 || master.backImageNo > kBackImages) master.backImageNo = 1;
    LoadImg(*backImg, "img\\back" + getTwoDigitString(master.backImageNo) + ".bmp");
}

void TForm1::fatalImage(const std::string& gamePath) {
    // One message is enough: later loads of the same start-up are skipped.
    fatalShown_ = true;
    app.clearIdle();
    platform.messageBox(gamePath + "の読み込みに失敗しました", app.title);
    app.minimise();
    app.terminate(1);
}

} // namespace zb
