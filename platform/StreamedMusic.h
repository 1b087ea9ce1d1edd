#pragma once
// The music player a sound device plays from: opening a piece only looks that
// its file is there, and a worker thread reads and decodes it into memory behind
// the game's back while the piece already plays. The device's audio thread pulls samples with
// `fill`; until the first ones are decoded it hears silence and the piece waits
// at its start. At its end the piece stops, so the game's 100 ms timer plays it
// again from the start, which is all in memory by then. Only the piece that is
// open is kept; closing it gives its memory back to the system.

#include "platform/Platform.h"

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zb {

// Decoded samples in pages of their own, so a closed piece's memory goes back
// to the system at once rather than staying in the heap for the next one.
class PcmPages {
  public:
    PcmPages() = default;
    PcmPages(PcmPages&& other) noexcept { swap(other); }
    PcmPages& operator=(PcmPages&& other) noexcept {
        PcmPages(std::move(other)).swap(*this);
        return *this;
    }
    PcmPages(const PcmPages&) = delete;
    PcmPages& operator=(const PcmPages&) = delete;
    ~PcmPages();

    // False when the system has no memory left for that much.
    bool reserve(std::size_t samples);
    bool append(const std::int16_t* samples, std::size_t count);
    const std::int16_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::size_t capacity() const { return capacity_; }
    void swap(PcmPages& other) noexcept;

  private:
    std::int16_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

class StreamedMusic : public MusicPlayer {
  public:
    // Samples are decoded at the device's rate and channel count (1 or 2).
    StreamedMusic(int rate, int channels) : rate_(rate), channels_(channels) {}
    StreamedMusic(const StreamedMusic&) = delete;
    StreamedMusic& operator=(const StreamedMusic&) = delete;
    // Waits for every worker still running, so none outlives the player.
    ~StreamedMusic() override;

    // True at once for a file that is there; the samples follow on the worker.
    // A file that then yields no samples at all (no music, or no decoder for
    // it) leaves the player closed, as if the open had failed.
    bool open(const std::string& gamePath) override;
    bool play() override;
    void pause() override;
    void stop() override;
    // Lets go of the piece at once. A decoding that still runs is told to stop
    // and gives the samples back itself when it does, so closing never waits
    // for it (a worker may be loading the decoder's libraries or reading a cold
    // disk); workers that have finished are collected here.
    void close() override;
    MusicMode mode() override;

    // The audio thread's side: writes up to `count` samples (interleaved) of a
    // playing piece over `out` and leaves the rest as it was (the device's
    // silence). Returns how many it wrote.
    std::size_t fill(std::int16_t* out, std::size_t count);

    // For tests and benchmarks: waits until the piece open now is decoded whole
    // (or its decoding has given up); true when there is one.
    bool waitDecoded();
    // Samples decoded so far, and where the piece stands, in samples.
    std::size_t decodedSamples();
    std::size_t positionSamples();

  private:
    // One opened piece, shared by the player and the worker decoding it.
    struct Piece {
        std::mutex mutex; // guards `pcm`; taken after the player's
        std::condition_variable decodedCv;
        PcmPages pcm;
        std::atomic<bool> decoding{true}; // cleared under `mutex` after the last block
        std::atomic<bool> failed{false};  // nothing could be decoded
        std::atomic<bool> cancel{false};
    };
    struct Worker {
        std::thread thread;
        std::shared_ptr<Piece> piece;
    };
    static void decode(const std::shared_ptr<Piece>& piece, const std::string& nativeFile, int rate,
                       int channels);
    // Joins the workers that are done; with `all`, every one, waiting.
    void collectWorkers(bool all);
    // A piece that turned out undecodable closes the player (under `mutex_`).
    void settle();

    const int rate_;
    const int channels_;
    std::mutex mutex_; // guards the three below, shared with the audio thread
    std::shared_ptr<Piece> piece_;
    std::size_t position_ = 0; // in samples, a multiple of the channel count
    MusicMode mode_ = MusicMode::Closed;
    std::vector<Worker> workers_; // the game's thread alone
};

} // namespace zb
