#include "sound/UnitSound.h"

#include "app/UnitMain.h"

namespace zb {

// The effect channels arrive with the sound layer; until then the game is silent.
void openSoundEffects(TForm1&) {}
void playSoundEffect(TForm1&, std::uint8_t) {}
void closeAllSoundEffects(TForm1&) {}

void TForm1::StopBGM() {
    bgmNo = 0;
}
void TForm1::closeMusicPlayer() {
    bgmNo = 0;
}

} // namespace zb
