#include "platform/sdl/SdlAudio.h"

#include "platform/AudioDecoder.h"
#include "platform/SilentAudio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace zb {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024; // about 23 ms: an effect starts with the click
constexpr int kEffectChannels = 32; // effects 1..31 may all be open at once

// One mixer channel per open effect: the handle is the channel's number.
class MixerEffects : public EffectMixer {
  public:
    MixerEffects(int rate, int bytesPerFrame) : rate_(rate), bytesPerFrame_(bytesPerFrame) {
        Mix_AllocateChannels(kEffectChannels);
    }
    ~MixerEffects() override {
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].chunk != nullptr) unload(static_cast<int>(i));
    }

    int load(const std::string& nativePath) override {
        Mix_Chunk* chunk = Mix_LoadWAV(nativePath.c_str());
        if (chunk == nullptr) return -1;
        std::size_t i = 0;
        while (i < slots_.size() && slots_[i].chunk != nullptr)
            ++i;
        if (i == slots_.size()) slots_.emplace_back();
        if (static_cast<int>(slots_.size()) > Mix_AllocateChannels(-1))
            Mix_AllocateChannels(static_cast<int>(slots_.size()));
        slots_[i].chunk = chunk;
        return static_cast<int>(i);
    }

    void play(int handle, std::uint32_t fromMs) override {
        Slot& s = slots_.at(static_cast<std::size_t>(handle));
        // Starting anew on a sounding channel cuts it off first: a restart.
        Mix_HaltChannel(handle);
        dropTail(s);
        Mix_Chunk* chunk = s.chunk;
        if (fromMs > 0) {
            const std::uint64_t frames = static_cast<std::uint64_t>(fromMs) * rate_ / 1000;
            const Uint32 skip = static_cast<Uint32>(
                std::min<std::uint64_t>(frames * bytesPerFrame_, s.chunk->alen));
            if (skip >= s.chunk->alen) return;
            // A chunk over the rest of the same samples; it owns no memory.
            s.tail = Mix_QuickLoad_RAW(s.chunk->abuf + skip, s.chunk->alen - skip);
            if (s.tail == nullptr) return;
            chunk = s.tail;
        }
        Mix_PlayChannel(handle, chunk, 0);
    }

    void stop(int handle) override { Mix_HaltChannel(handle); }
    bool playing(int handle) override { return Mix_Playing(handle) != 0; }

    void unload(int handle) override {
        Slot& s = slots_.at(static_cast<std::size_t>(handle));
        Mix_HaltChannel(handle);
        dropTail(s);
        Mix_FreeChunk(s.chunk);
        s.chunk = nullptr;
    }

  private:
    struct Slot {
        Mix_Chunk* chunk = nullptr;
        Mix_Chunk* tail = nullptr; // a late start's view into `chunk`
    };
    static void dropTail(Slot& s) {
        if (s.tail != nullptr) Mix_FreeChunk(s.tail);
        s.tail = nullptr;
    }
    std::uint64_t rate_;
    std::uint64_t bytesPerFrame_;
    std::vector<Slot> slots_;
};

// The music, decoded whole into memory at the mixer's rate and handed to the
// mixer's music hook a buffer at a time. The hook runs on the audio thread; the
// game's thread changes the piece and its state under the same lock.
class MixerMusic : public MusicPlayer {
  public:
    MixerMusic(int rate, int channels) : rate_(rate), channels_(channels) {
        Mix_HookMusic(&MixerMusic::feed, this);
    }
    ~MixerMusic() override { Mix_HookMusic(nullptr, nullptr); }

    bool open(const std::string& gamePath) override {
        close();
        auto decoded = audio::decodeAudio(nativePath(gamePath), rate_, channels_);
        if (!decoded) return false;
        std::lock_guard<std::mutex> lock(mutex_);
        pcm_ = std::move(decoded->samples);
        position_ = 0;
        mode_ = MusicMode::Stopped;
        return true;
    }

    bool play() override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (mode_ == MusicMode::Closed) return false;
        if (position_ >= pcm_.size()) position_ = 0;
        mode_ = MusicMode::Playing;
        return true;
    }

    void pause() override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (mode_ == MusicMode::Playing)
            mode_ = MusicMode::Paused;
        else if (mode_ == MusicMode::Paused)
            mode_ = MusicMode::Playing;
    }

    void stop() override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (mode_ != MusicMode::Closed) mode_ = MusicMode::Stopped;
    }

    void close() override {
        std::vector<std::int16_t> old;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            old.swap(pcm_);
            position_ = 0;
            mode_ = MusicMode::Closed;
        }
        // `old` is freed here, outside the lock the audio thread waits on.
    }

    MusicMode mode() override {
        std::lock_guard<std::mutex> lock(mutex_);
        return mode_;
    }

  private:
    static void SDLCALL feed(void* self, Uint8* stream, int len) {
        auto& m = *static_cast<MixerMusic*>(self);
        std::lock_guard<std::mutex> lock(m.mutex_);
        // The mixer hands over silence; a piece that is not playing leaves it so.
        if (m.mode_ != MusicMode::Playing) return;
        const std::size_t want = static_cast<std::size_t>(len) / sizeof(std::int16_t);
        const std::size_t n = std::min(want, m.pcm_.size() - m.position_);
        std::memcpy(stream, m.pcm_.data() + m.position_, n * sizeof(std::int16_t));
        m.position_ += n;
        if (m.position_ >= m.pcm_.size()) m.mode_ = MusicMode::Stopped;
    }

    const int rate_;
    const int channels_;
    std::mutex mutex_;
    std::vector<std::int16_t> pcm_;
    std::size_t position_ = 0; // in samples, a multiple of the channel count
    MusicMode mode_ = MusicMode::Closed;
};

// While the sound device is looked for, the system's audio libraries may print
// their complaints about a machine without a sound card. The game writes no log
// and is silent there on purpose, so they go nowhere.
class QuietStderr {
  public:
    QuietStderr() {
        saved_ = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
        if (null >= 0) ::close(null);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;
    ~QuietStderr() {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }

  private:
    int saved_ = -1;
};

} // namespace

SdlAudio::SdlAudio() {
    {
        const QuietStderr quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            subsystemStarted_ = true;
            // Exactly 16-bit stereo at 44.1 kHz: SDL converts for the device, and
            // the music hook can copy decoded samples straight through.
            deviceOpen_ =
                Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, kChannels, kBufferFrames, nullptr, 0) == 0;
        }
    }
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    if (deviceOpen_ && (Mix_QuerySpec(&rate, &format, &channels) == 0 || format != AUDIO_S16SYS ||
                        channels < 1 || channels > 2)) {
        Mix_CloseAudio();
        deviceOpen_ = false;
    }
    if (deviceOpen_) {
        effects_ = std::make_unique<MixerEffects>(rate, channels * 2);
        music_ = std::make_unique<MixerMusic>(rate, channels);
    } else {
        // No sound card: the effects and the music keep their time, silently.
        const auto clock = [] { return static_cast<std::uint32_t>(SDL_GetTicks64()); };
        effects_ = std::make_unique<SilentEffects>(clock);
        music_ = std::make_unique<SilentMusicPlayer>(clock);
    }
    commands_ = std::make_unique<SoundCommandInterpreter>(*effects_);
}

SdlAudio::~SdlAudio() {
    commands_.reset();
    effects_.reset();
    music_.reset();
    if (deviceOpen_) Mix_CloseAudio();
    if (subsystemStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace zb
