#pragma once
// Sound on a real machine, with SDL_mixer: each open effect has a mixer channel
// of its own, so several sound at once and each restarts at once; the music is
// decoded with FFmpeg on a worker thread while it already plays through the
// mixer's music hook. When no sound device opens, the same commands and the same
// player run on the silent, clock-timed versions instead, and the game carries
// on without sound.

#include "platform/Platform.h"
#include "platform/SoundCommands.h"

#include <memory>
#include <string>

namespace zb {

class SdlAudio {
  public:
    SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;
    ~SdlAudio();

    std::string send(const std::string& command) { return commands_->send(command); }
    MusicPlayer& music() { return *music_; }
    // Whether a sound device is open (false: everything is silent).
    bool audible() const { return deviceOpen_; }

  private:
    bool deviceOpen_ = false;
    bool subsystemStarted_ = false;
    std::unique_ptr<EffectMixer> effects_;
    std::unique_ptr<SoundCommandInterpreter> commands_;
    std::unique_ptr<MusicPlayer> music_;
};

} // namespace zb
