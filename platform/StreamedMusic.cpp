#include "platform/StreamedMusic.h"

#include "platform/AudioDecoder.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace zb {

namespace {

std::size_t pageBytes() {
    static const std::size_t bytes = [] {
        const long n = sysconf(_SC_PAGESIZE);
        return n > 0 ? static_cast<std::size_t>(n) : std::size_t{4096};
    }();
    return bytes;
}

// A second of music over what the header promises: headers round, and a
// decoder's last block may run past them.
constexpr std::size_t kSpareSeconds = 1;

} // namespace

PcmPages::~PcmPages() {
    if (data_ != nullptr) munmap(data_, capacity_ * sizeof(std::int16_t));
}

void PcmPages::swap(PcmPages& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
}

bool PcmPages::reserve(std::size_t samples) {
    if (samples <= capacity_) return true;
    const std::size_t page = pageBytes();
    const std::size_t bytes = (samples * sizeof(std::int16_t) + page - 1) / page * page;
    // Fresh pages cost nothing until they are written.
    void* fresh = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (fresh == MAP_FAILED) return false;
    if (data_ != nullptr) {
        std::memcpy(fresh, data_, size_ * sizeof(std::int16_t));
        munmap(data_, capacity_ * sizeof(std::int16_t));
    }
    data_ = static_cast<std::int16_t*>(fresh);
    capacity_ = bytes / sizeof(std::int16_t);
    return true;
}

bool PcmPages::append(const std::int16_t* samples, std::size_t count) {
    if (size_ + count > capacity_ && !reserve(std::max(size_ + count, capacity_ * 2))) return false;
    std::memcpy(data_ + size_, samples, count * sizeof(std::int16_t));
    size_ += count;
    return true;
}

bool StreamedMusic::open(const std::string& gamePath) {
    close();
    if (rate_ <= 0 || channels_ < 1 || channels_ > 2) return false;
    const std::string file = nativePath(gamePath);
    // A piece that is not there fails at once. Everything else, even reading
    // its header, happens on the worker: the first piece of a run also waits
    // there for the decoder's libraries to load.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    ::close(fd);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        position_ = 0;
        decoding_ = true;
        mode_ = MusicMode::Stopped;
    }
    cancel_ = false;
    worker_ = std::thread(&StreamedMusic::decode, this, file);
    return true;
}

void StreamedMusic::decode(std::string nativeFile) {
    if (const auto info = audio::probeAudio(nativeFile); info && info->sampleRate > 0) {
        // Room for the whole piece at once, so the device seldom waits on a copy.
        const std::size_t frames = static_cast<std::size_t>(info->frames) *
                                       static_cast<std::size_t>(rate_) /
                                       static_cast<std::size_t>(info->sampleRate) +
                                   kSpareSeconds * static_cast<std::size_t>(rate_);
        std::lock_guard<std::mutex> lock(mutex_);
        pcm_.reserve(frames * static_cast<std::size_t>(channels_));
    }
    audio::decodeAudioBlocks(nativeFile, rate_, channels_,
                             [this](const std::int16_t* samples, std::size_t count) {
                                 if (cancel_) return false;
                                 std::lock_guard<std::mutex> lock(mutex_);
                                 // Out of memory: the piece ends where it got to.
                                 return pcm_.append(samples, count);
                             });
    std::lock_guard<std::mutex> lock(mutex_);
    decoding_ = false;
    // Nothing came out of it: the file cannot be played, as if the open failed.
    if (pcm_.size() == 0 && !cancel_) mode_ = MusicMode::Closed;
    decodedCv_.notify_all();
}

bool StreamedMusic::play() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (mode_ == MusicMode::Closed) return false;
    // From the end it rewinds; a piece still being decoded has no end yet.
    if (!decoding_ && position_ >= pcm_.size()) position_ = 0;
    mode_ = MusicMode::Playing;
    return true;
}

void StreamedMusic::pause() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (mode_ == MusicMode::Playing)
        mode_ = MusicMode::Paused;
    else if (mode_ == MusicMode::Paused)
        mode_ = MusicMode::Playing;
}

void StreamedMusic::stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (mode_ != MusicMode::Closed) mode_ = MusicMode::Stopped;
}

void StreamedMusic::close() {
    cancel_ = true;
    // The worker gives up at its next block; it takes the lock to hand that
    // block over, so the wait happens outside it.
    if (worker_.joinable()) worker_.join();
    PcmPages old;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        old.swap(pcm_);
        position_ = 0;
        decoding_ = false;
        mode_ = MusicMode::Closed;
    }
    // `old` is given back here, outside the lock the audio thread waits on.
}

MusicMode StreamedMusic::mode() {
    std::lock_guard<std::mutex> lock(mutex_);
    return mode_;
}

std::size_t StreamedMusic::fill(std::int16_t* out, std::size_t count) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (mode_ != MusicMode::Playing) return 0;
    // Whole frames only, so the sides never swap.
    count -= count % static_cast<std::size_t>(channels_);
    const std::size_t n = std::min(count, pcm_.size() - position_);
    if (n > 0) std::memcpy(out, pcm_.data() + position_, n * sizeof(std::int16_t));
    position_ += n;
    // Caught up with a decoding that still runs: silence, and the piece waits.
    if (position_ >= pcm_.size() && !decoding_) mode_ = MusicMode::Stopped;
    return n;
}

bool StreamedMusic::waitDecoded() {
    std::unique_lock<std::mutex> lock(mutex_);
    decodedCv_.wait(lock, [this] { return !decoding_; });
    return mode_ != MusicMode::Closed;
}

std::size_t StreamedMusic::decodedSamples() {
    std::lock_guard<std::mutex> lock(mutex_);
    return pcm_.size();
}

std::size_t StreamedMusic::positionSamples() {
    std::lock_guard<std::mutex> lock(mutex_);
    return position_;
}

} // namespace zb
