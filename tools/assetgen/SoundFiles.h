#pragma once
// Writing the game's sound files: 16-bit PCM WAV for the effects and Windows
// Media Audio (wmav2 in an ASF file) for the music.

#include "tools/assetgen/Synth.h"

#include <string>

namespace zb::audio {

// 16-bit PCM WAV at synth::kRate, mono or stereo (right may be null).
bool writeWav(const std::string& path, const synth::Samples& left, const synth::Samples* right);

// Stereo music at synth::kRate. The decoder swallows the encoder's first frame,
// so a frame of silence goes in ahead of the music and the decoded file starts
// exactly on the first sample; a piece a whole number of frames long (1024
// samples) decodes to exactly its own length. Bit-exact: the same bytes every
// run. Returns an empty string or the error.
std::string writeWma(const std::string& path, const synth::Stereo& music, int bitRate);

} // namespace zb::audio
