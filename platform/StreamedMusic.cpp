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

StreamedMusic::~StreamedMusic() {
    close();
    collectWorkers(true);
}

void StreamedMusic::collectWorkers(bool all) {
    for (auto it = workers_.begin(); it != workers_.end();) {
        if (all || !it->piece->decoding) {
            it->piece->cancel = true;
            it->thread.join(); // done, or about to return
            it = workers_.erase(it);
        } else {
            ++it;
        }
    }
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
    auto piece = std::make_shared<Piece>();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        piece_ = piece;
        position_ = 0;
        mode_ = MusicMode::Stopped;
    }
    workers_.push_back(
        Worker{std::thread(&StreamedMusic::decode, piece, file, rate_, channels_), piece});
    return true;
}

void StreamedMusic::decode(const std::shared_ptr<Piece>& piece, const std::string& nativeFile,
                           int rate, int channels) {
    Piece& p = *piece;
    if (const auto info = audio::probeAudio(nativeFile); info && info->sampleRate > 0) {
        // Room for the whole piece at once, so the device seldom waits on a copy.
        const std::size_t frames = static_cast<std::size_t>(info->frames) *
                                       static_cast<std::size_t>(rate) /
                                       static_cast<std::size_t>(info->sampleRate) +
                                   kSpareSeconds * static_cast<std::size_t>(rate);
        std::lock_guard<std::mutex> lock(p.mutex);
        p.pcm.reserve(frames * static_cast<std::size_t>(channels));
    }
    audio::decodeAudioBlocks(nativeFile, rate, channels,
                             [&p](const std::int16_t* samples, std::size_t count) {
                                 if (p.cancel) return false;
                                 std::lock_guard<std::mutex> lock(p.mutex);
                                 // Out of memory: the piece ends where it got to.
                                 return p.pcm.append(samples, count);
                             });
    PcmPages dropped;
    {
        std::lock_guard<std::mutex> lock(p.mutex);
        // Nothing came out of it: the file cannot be played.
        if (p.pcm.size() == 0 && !p.cancel) p.failed = true;
        // A piece let go of gives its samples back now, not when collected.
        if (p.cancel) dropped.swap(p.pcm);
        p.decoding = false;
        p.decodedCv.notify_all();
    }
}

void StreamedMusic::settle() {
    if (piece_ && piece_->failed) mode_ = MusicMode::Closed;
}

bool StreamedMusic::play() {
    std::lock_guard<std::mutex> lock(mutex_);
    settle();
    if (mode_ == MusicMode::Closed) return false;
    {
        // From the end it rewinds; a piece still being decoded has no end yet.
        std::lock_guard<std::mutex> pieceLock(piece_->mutex);
        if (!piece_->decoding && position_ >= piece_->pcm.size()) position_ = 0;
    }
    mode_ = MusicMode::Playing;
    return true;
}

void StreamedMusic::pause() {
    std::lock_guard<std::mutex> lock(mutex_);
    settle();
    if (mode_ == MusicMode::Playing)
        mode_ = MusicMode::Paused;
    else if (mode_ == MusicMode::Paused)
        mode_ = MusicMode::Playing;
}

void StreamedMusic::stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    settle();
    if (mode_ != MusicMode::Closed) mode_ = MusicMode::Stopped;
}

void StreamedMusic::close() {
    std::shared_ptr<Piece> old;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        old.swap(piece_);
        position_ = 0;
        mode_ = MusicMode::Closed;
    }
    // The audio thread can no longer reach it; its worker, if any, stops at
    // its next block. Whichever lets go of it last frees the samples, outside
    // the lock the audio thread waits on.
    if (old) old->cancel = true;
    old.reset();
    // A worker that is done still holds its piece until it is collected.
    collectWorkers(false);
}

MusicMode StreamedMusic::mode() {
    std::lock_guard<std::mutex> lock(mutex_);
    settle();
    return mode_;
}

std::size_t StreamedMusic::fill(std::int16_t* out, std::size_t count) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (mode_ != MusicMode::Playing || !piece_) return 0;
    Piece& p = *piece_;
    std::lock_guard<std::mutex> pieceLock(p.mutex);
    // Whole frames only, so the sides never swap.
    count -= count % static_cast<std::size_t>(channels_);
    const std::size_t n = std::min(count, p.pcm.size() - position_);
    if (n > 0) std::memcpy(out, p.pcm.data() + position_, n * sizeof(std::int16_t));
    position_ += n;
    // Caught up with a decoding that still runs: silence, and the piece waits.
    if (position_ >= p.pcm.size() && !p.decoding)
        mode_ = p.failed ? MusicMode::Closed : MusicMode::Stopped;
    return n;
}

bool StreamedMusic::waitDecoded() {
    std::shared_ptr<Piece> piece;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        piece = piece_;
    }
    if (!piece) return false;
    std::unique_lock<std::mutex> lock(piece->mutex);
    piece->decodedCv.wait(lock, [&] { return !piece->decoding; });
    return !piece->failed;
}

std::size_t StreamedMusic::decodedSamples() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!piece_) return 0;
    std::lock_guard<std::mutex> pieceLock(piece_->mutex);
    return piece_->pcm.size();
}

std::size_t StreamedMusic::positionSamples() {
    std::lock_guard<std::mutex> lock(mutex_);
    return position_;
}

} // namespace zb
