#pragma once
// The game's sound: the numbered sound effects (dat/se1.wav .. dat/se31.wav)
// and the 24 pieces of music, all composed and rendered by the generator.

#include "data/UnitConst.h"
#include "tools/assetgen/SoundFiles.h"
#include "tools/assetgen/Synth.h"

#include <string>
#include <vector>

namespace zb::audio {

constexpr int kSoundEffects = 31;
constexpr int kMusicPieces = kMusicPieceCount;
constexpr int kMusicBitRate = 48000;

// Effect n (1..31), mono at synth::kRate.
synth::Samples soundEffect(int n);

// Music n (1..24): its file name under dat/ and its score.
std::string musicFile(int n);
synth::Song musicScore(int n);

// Writes every effect and piece into `datDir`; prints one line per failure.
// `report` prints the level and brightness of each section of every piece.
// Returns the number of files written, or -1 on a failure.
int writeAll(const std::string& datDir, bool report);

} // namespace zb::audio
