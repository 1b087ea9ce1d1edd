#pragma once
// Sound effects: numbered wave files "dat\seN.wav", each on its own alias so
// several sound at once and each restarts instantly.

#include <cstdint>

namespace zb {

class TForm1;

void openSoundEffects(TForm1& form);
void playSoundEffect(TForm1& form, std::uint8_t n);
void closeAllSoundEffects(TForm1& form);

} // namespace zb
