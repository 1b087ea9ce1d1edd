// Writes the game's sounds into dat/: the effects as WAV files and the music as
// WMA files, and on request a short analysis of every piece.
#include "tools/assetgen/Audio.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace zb::audio {

namespace {

// In-place radix-2 FFT; the size is a power of two.
void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double ang = -2.0 * synth::kPi / static_cast<double>(len);
        const std::complex<double> w(std::cos(ang), std::sin(ang));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wn(1.0, 0.0);
            for (std::size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * wn;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                wn *= w;
            }
        }
    }
}

// Mean frequency of a stretch of sound, weighted by the spectrum's magnitude.
double centroid(const synth::Samples& s, std::size_t from, std::size_t to) {
    const std::size_t n = 2048;
    double weighted = 0, total = 0;
    // Short sounds are looked at whole, padded with silence.
    for (std::size_t at = from; at < to && (at == from || at + n <= to); at += n * 2) {
        std::vector<std::complex<double>> a(n);
        const std::size_t m = std::min(n, to - at);
        for (std::size_t i = 0; i < m; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2.0 * synth::kPi * static_cast<double>(i) /
                                                     static_cast<double>(m - 1));
            a[i] = s[at + i] * hann;
        }
        fft(a);
        for (std::size_t k = 1; k < n / 2; ++k) {
            const double p = std::abs(a[k]);
            weighted += p * static_cast<double>(k) * synth::kRate / static_cast<double>(n);
            total += p;
        }
    }
    return total > 0 ? weighted / total : 0.0;
}

// Share of the power above 2 kHz (cymbals, bright leads, the edge of a sound).
double highShare(const synth::Samples& s, std::size_t from, std::size_t to) {
    synth::Samples part(s.begin() + static_cast<std::ptrdiff_t>(from),
                        s.begin() + static_cast<std::ptrdiff_t>(to));
    const double all = synth::rms(part);
    synth::highPass(part, 2000);
    synth::highPass(part, 2000);
    const double high = synth::rms(part);
    return all > 0 ? (high * high) / (all * all) : 0.0;
}

std::string format(const char* fmt, double a, double b, double c) {
    char buf[128];
    std::snprintf(buf, sizeof buf, fmt, a, b, c);
    return buf;
}

std::string reportPiece(int n, const synth::Song& song, const synth::Stereo& music, double ms) {
    const std::vector<std::size_t> starts = synth::sectionStarts(song);
    synth::Samples mid(music.size());
    for (std::size_t i = 0; i < mid.size(); ++i)
        mid[i] = 0.5 * (music.left[i] + music.right[i]);
    std::string line =
        "  music " + std::to_string(n) + " " + musicFile(n) +
        format(" %.1f s %.0f bpm %.0f ms:", static_cast<double>(music.size()) / synth::kRate,
               song.bpm, ms);
    for (std::size_t k = 0; k < starts.size(); ++k) {
        const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : mid.size();
        line += "  " + std::string(1, song.form[k]) +
                format(" %.1f dB %.0f Hz %.1f%% high",
                       20.0 * std::log10(synth::rms(mid, starts[k], end) + 1e-9),
                       centroid(mid, starts[k], end), 100.0 * highShare(mid, starts[k], end));
    }
    return line;
}

// One file to make: an effect or a piece of music.
struct Job {
    std::string file;
    std::function<std::string(std::string&)> make; // returns an error, fills a report line
};

} // namespace

int writeAll(const std::string& datDir, bool report) {
    namespace fs = std::filesystem;
    const fs::path dat(datDir);
    std::vector<Job> jobs;
    // The music first (it takes the longest), so the two workers finish together.
    for (int n = 1; n <= kMusicPieces; ++n)
        jobs.push_back({musicFile(n), [n, dat, report](std::string& line) {
                            const auto start = std::chrono::steady_clock::now();
                            const synth::Song song = musicScore(n);
                            const synth::Stereo music = synth::render(song);
                            const std::string error =
                                writeWma((dat / musicFile(n)).string(), music, kMusicBitRate);
                            const double ms = std::chrono::duration<double, std::milli>(
                                                  std::chrono::steady_clock::now() - start)
                                                  .count();
                            if (report) line = reportPiece(n, song, music, ms);
                            return error;
                        }});
    for (int n = 1; n <= kSoundEffects; ++n) {
        const std::string name = "se" + std::to_string(n) + ".wav";
        jobs.push_back({name, [n, name, dat, report](std::string& line) {
                            const synth::Samples effect = soundEffect(n);
                            if (report)
                                line = "  " + name +
                                       format(" %.2f s %.1f dB %.0f Hz",
                                              static_cast<double>(effect.size()) / synth::kRate,
                                              20.0 * std::log10(synth::rms(effect) + 1e-9),
                                              centroid(effect, 0, effect.size()));
                            return writeWav((dat / name).string(), effect, nullptr)
                                       ? std::string()
                                       : std::string("cannot write the file");
                        }});
    }
    // Two workers share the list; every file is made the same way whichever
    // worker makes it, so the bytes do not depend on the order.
    std::vector<std::string> errors(jobs.size()), lines(jobs.size());
    std::atomic<std::size_t> next{0};
    auto worker = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            try {
                errors[i] = jobs[i].make(lines[i]);
            } catch (const std::exception& e) {
                errors[i] = e.what();
            }
        }
    };
    std::thread helper(worker);
    worker();
    helper.join();
    int written = 0;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (!lines[i].empty()) std::printf("%s\n", lines[i].c_str());
        if (errors[i].empty())
            ++written;
        else
            std::fprintf(stderr, "assetgen: %s: %s\n", jobs[i].file.c_str(), errors[i].c_str());
    }
    return written == static_cast<int>(jobs.size()) ? written : -1;
}

} // namespace zb::audio
