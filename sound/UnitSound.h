#pragma once
// Sound effects: numbered wave files "dat\seN.wav", each on its own alias so
// several sound at once and each restarts instantly. Music: the table of pieces
// the form's music methods (sound/Music.cpp) play by number.

#include "data/UnitConst.h"

#include <cstdint>

namespace zb {

class TForm1;

// Effects 1..18 stay open for the whole run; 19..31 are opened by the scene or
// race that needs them and closed together when it ends.
constexpr std::uint8_t kStartEffects = 18;
constexpr std::uint8_t kLastEffect = 31;

void openSoundEffects(TForm1& form);
void openSoundEffect(TForm1& form, std::uint8_t n);
void playSoundEffect(TForm1& form, std::uint8_t n);
void stopSoundEffect(TForm1& form, std::uint8_t n);
void closeSoundEffect(TForm1& form, std::uint8_t n);
void closeSceneSoundEffects(TForm1& form);
void closeAllSoundEffects(TForm1& form);
// Plays the effect again only if it has stopped.
void loopSoundEffect(TForm1& form, std::uint8_t n);

// Music 1..24: 1..23 loop, 24 (the ending) plays once.
constexpr std::uint8_t kMusicCount = kMusicPieceCount;
constexpr std::uint8_t kEndingMusic = 24;
// The file of music n ("dat\k_106.wma" for 2); null outside 1..24.
const char* musicFile(std::uint8_t n);

} // namespace zb
