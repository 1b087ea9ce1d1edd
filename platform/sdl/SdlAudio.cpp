#include "platform/sdl/SdlAudio.h"

#include "platform/SilentAudio.h"
#include "platform/StreamedMusic.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace zb {

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024; // about 23 ms: an effect starts with the click
constexpr int kEffectChannels = 32; // effects 1..31 may all be open at once

// One mixer channel per open effect: the handle is the channel's number. The
// wave files are read and converted on a loader thread, so opening the start's
// 18 effects costs the game's thread only a look at each file; an effect played
// before its loading is done waits for it, which at worst is one small file.
class MixerEffects : public EffectMixer {
  public:
    MixerEffects(int rate, int bytesPerFrame)
        : rate_(rate), bytesPerFrame_(bytesPerFrame), loader_([this] { loadInTurn(); }) {
        Mix_AllocateChannels(kEffectChannels);
    }
    ~MixerEffects() override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        loader_.join();
        for (std::size_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].used) unload(static_cast<int>(i));
    }

    int load(const std::string& nativePath) override {
        // A file that is not there fails the open at once, as before.
        if (!readable(nativePath)) return -1;
        std::size_t i = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            while (i < slots_.size() && slots_[i].used)
                ++i;
            if (i == slots_.size()) slots_.emplace_back();
            slots_[i] = Slot{};
            slots_[i].used = true;
            slots_[i].path = nativePath;
            pending_.push_back(i);
        }
        wake_.notify_all();
        if (static_cast<int>(slots_.size()) > Mix_AllocateChannels(-1))
            Mix_AllocateChannels(static_cast<int>(slots_.size()));
        return static_cast<int>(i);
    }

    void play(int handle, std::uint32_t fromMs) override {
        Slot& s = loaded(handle);
        // Starting anew on a sounding channel cuts it off first: a restart.
        Mix_HaltChannel(handle);
        dropTail(s);
        Mix_Chunk* chunk = s.chunk;
        if (chunk == nullptr) return; // not a sound after all: silent
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
        Slot& s = loaded(handle);
        Mix_HaltChannel(handle);
        dropTail(s);
        if (s.chunk != nullptr) Mix_FreeChunk(s.chunk);
        std::lock_guard<std::mutex> lock(mutex_);
        s = Slot{};
    }

  private:
    struct Slot {
        bool used = false;
        bool ready = false; // the loader is done with it
        std::string path;
        Mix_Chunk* chunk = nullptr; // null when the file held no sound
        Mix_Chunk* tail = nullptr;  // a late start's view into `chunk`
    };
    static void dropTail(Slot& s) {
        if (s.tail != nullptr) Mix_FreeChunk(s.tail);
        s.tail = nullptr;
    }
    static bool readable(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        ::close(fd);
        return true;
    }

    // The slot once its file is loaded, waiting for the loader if need be.
    Slot& loaded(int handle) {
        std::unique_lock<std::mutex> lock(mutex_);
        Slot& s = slots_.at(static_cast<std::size_t>(handle));
        done_.wait(lock, [&] { return s.ready; });
        return s;
    }

    // The loader thread: the files in the order they were opened.
    void loadInTurn() {
        std::unique_lock<std::mutex> lock(mutex_);
        for (;;) {
            wake_.wait(lock, [this] { return quit_ || !pending_.empty(); });
            if (pending_.empty()) return; // quitting, nothing left to load
            const std::size_t i = pending_.front();
            pending_.pop_front();
            const std::string path = slots_[i].path;
            lock.unlock();
            Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
            lock.lock();
            slots_[i].chunk = chunk;
            slots_[i].ready = true;
            done_.notify_all();
        }
    }

    std::uint64_t rate_;
    std::uint64_t bytesPerFrame_;
    // Guards the slots' list, `ready`, `chunk` and the queue between the game's
    // thread and the loader; the game's thread alone plays and frees chunks.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::vector<Slot> slots_;
    std::deque<std::size_t> pending_;
    bool quit_ = false;
    std::thread loader_; // last: it starts once everything above is ready
};

// The music on the mixer's music hook. The hook runs on the audio thread and
// takes what the player has decoded so far; opening a piece returns at once.
class MixerMusic : public StreamedMusic {
  public:
    MixerMusic(int rate, int channels) : StreamedMusic(rate, channels) {
        Mix_HookMusic(&MixerMusic::feed, this);
    }
    // The hook is gone before the player and its samples are.
    ~MixerMusic() override { Mix_HookMusic(nullptr, nullptr); }

  private:
    static void SDLCALL feed(void* self, Uint8* stream, int len) {
        // The mixer hands over silence; what is not written stays so.
        static_cast<MixerMusic*>(self)->fill(reinterpret_cast<std::int16_t*>(stream),
                                             static_cast<std::size_t>(len) / sizeof(std::int16_t));
    }
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
