#pragma once
// Sound that keeps time without making any: each effect and each music piece
// "plays" for the length its file's header gives, on a millisecond clock. The
// headless backend runs it on its virtual clock so tests can ask what would be
// sounding; the SDL backend falls back to it on a machine with no sound device,
// so the game behaves the same there, only silently.

#include "platform/Platform.h"
#include "platform/SoundCommands.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zb {

using AudioClock = std::function<std::uint32_t()>;

class SilentEffects : public EffectMixer {
  public:
    explicit SilentEffects(AudioClock clock) : clock_(std::move(clock)) {}

    int load(const std::string& nativePath) override;
    void play(int handle, std::uint32_t fromMs) override;
    void stop(int handle) override;
    bool playing(int handle) override;
    void unload(int handle) override;

    // The length of a loaded effect in milliseconds.
    std::uint32_t lengthMs(int handle) const;

  private:
    struct Effect {
        bool loaded = false;
        bool sounding = false;
        std::uint32_t lengthMs = 0;
        std::uint32_t startedAt = 0; // clock when position 0 was (or would have been)
    };
    AudioClock clock_;
    std::vector<Effect> effects_;
};

class SilentMusicPlayer : public MusicPlayer {
  public:
    explicit SilentMusicPlayer(AudioClock clock) : clock_(std::move(clock)) {}

    bool open(const std::string& gamePath) override;
    bool play() override;
    void pause() override;
    void stop() override;
    void close() override;
    MusicMode mode() override;

    // A length to use for that file instead of reading it: the file then counts
    // as present and playable.
    void setLength(const std::string& gamePath, std::uint32_t ms) { lengths_[gamePath] = ms; }
    // Where the open piece stands and how long it is, in milliseconds.
    std::uint32_t positionMs();
    std::uint32_t lengthMs() const { return length_; }
    const std::string& fileName() const { return file_; }

    // When on, every call that changes the player is written to `log` in order:
    // "open dat\k_106.wma", "open failed dat\x.wma", "play", "pause", "stop", "close".
    bool keepLog = false;
    std::vector<std::string> log;

  private:
    void note(const std::string& what) {
        if (keepLog) log.push_back(what);
    }
    // Moves a playing piece on to the clock; at its end it stops there.
    void advance();

    AudioClock clock_;
    std::map<std::string, std::uint32_t> lengths_;
    std::string file_;
    MusicMode mode_ = MusicMode::Closed;
    std::uint32_t length_ = 0;
    std::uint32_t position_ = 0; // at `markedAt` when playing
    std::uint32_t markedAt_ = 0;
};

} // namespace zb
