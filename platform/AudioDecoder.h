#pragma once
// Reading the game's sound files with FFmpeg's libraries: the length of a wave
// effect or a compressed music piece from its header, and a piece decoded as
// signed 16-bit samples at the rate the mixer plays, whole or a block at a time.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zb::audio {

struct AudioInfo {
    int sampleRate = 0;
    int channels = 0;
    std::int64_t frames = 0; // samples per channel, as the header states them
    std::uint32_t durationMs = 0;
};

// What the file's header says about its first audio stream; nothing when the
// file is missing, is not audio, or holds a codec there is no decoder for.
std::optional<AudioInfo> probeAudio(const std::string& path);

struct DecodedAudio {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples; // interleaved, `channels` per frame

    std::size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
    std::uint32_t durationMs() const;
};

// The whole first audio stream, converted to `channels` (1 or 2) at `sampleRate`.
// Nothing when the file cannot be opened or decoded; a stream that breaks off
// keeps what was decoded before the break.
std::optional<DecodedAudio> decodeAudio(const std::string& path, int sampleRate, int channels);

// Takes each block of decoded samples (interleaved, a whole number of frames) as
// it comes; false stops the decoding there.
using SampleSink = std::function<bool(const std::int16_t* samples, std::size_t count)>;

// The same decoding, handing the samples over a block at a time while it runs,
// so a player can start before the end is decoded. False when the file cannot be
// opened or decoded at all; a stream that breaks off, or a sink that stops it,
// still counts as decoded up to there.
bool decodeAudioBlocks(const std::string& path, int sampleRate, int channels,
                       const SampleSink& sink);

} // namespace zb::audio
