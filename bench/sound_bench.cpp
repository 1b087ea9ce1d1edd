// Sound at the moments the player could notice it: the 18 effects opened while
// the game starts, and a music piece opened and started at a change of screen,
// where the game's thread used to decode the whole piece (DecodeMusicForTheMixer)
// and now only starts the player's worker (PlayMP3OnTheDevicePlayer).
// The game's own files are used when the asset generator has written them;
// otherwise tones of a typical length stand in.

#include "platform/AudioDecoder.h"
#include "platform/SilentAudio.h"
#include "platform/SoundCommands.h"
#include "platform/StreamedMusic.h"
#include "tests/SoundFiles.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;

// The folder holding dat/: the game's own when its sounds exist, else a scratch
// folder with stand-ins (effects of 0.5 s, a 60 s stereo piece).
fs::path soundFolder() {
    static const fs::path folder = [] {
        const fs::path game = ZB_GAME_DIR;
        if (fs::exists(game / "dat" / "se1.wav") && fs::exists(game / "dat" / "k_106.wma"))
            return game;
        const fs::path scratch = fs::temp_directory_path() / "zirubo-sound-bench";
        fs::create_directories(scratch / "dat");
        for (int n = 1; n <= 18; ++n) {
            const fs::path se = scratch / "dat" / ("se" + std::to_string(n) + ".wav");
            if (!fs::exists(se)) zb::test::writeTone(se.string(), "pcm_s16le", 22050, 1, 11025);
        }
        const fs::path piece = scratch / "dat" / "k_106.wma";
        if (!fs::exists(piece))
            zb::test::writeTone(piece.string(), "wmav2", 44100, 2, 2048 * 1292); // 60 s
        return scratch;
    }();
    return folder;
}

void BM_OpenStartEffects(benchmark::State& state) {
    fs::current_path(soundFolder());
    std::uint32_t now = 0;
    zb::SilentEffects effects([&] { return now; });
    std::size_t opened = 0;
    for (auto _ : state) {
        zb::SoundCommandInterpreter sound(effects); // closes them all again when done
        for (int n = 1; n <= 18; ++n)
            sound.send("open \"dat\\se" + std::to_string(n) + ".wav\" alias se" +
                       std::to_string(n));
        opened = sound.openCount();
    }
    state.counters["opened"] = static_cast<double>(opened);
}
BENCHMARK(BM_OpenStartEffects)->Unit(benchmark::kMicrosecond);

// What the SDL player does at PlayBGM: the whole piece decoded for the mixer.
void BM_DecodeMusicForTheMixer(benchmark::State& state) {
    const std::string file = (soundFolder() / "dat" / "k_106.wma").string();
    double seconds = 0;
    for (auto _ : state) {
        auto pcm = zb::audio::decodeAudio(file, 44100, 2);
        seconds = pcm ? pcm->durationMs() / 1000.0 : 0;
        benchmark::DoNotOptimize(pcm);
    }
    state.counters["piece_s"] = seconds;
}
BENCHMARK(BM_DecodeMusicForTheMixer)->Unit(benchmark::kMillisecond);

// What PlayMP3 costs the game's thread with a sound device now: closing the
// piece before (its decoding cancelled and waited for if it still runs),
// opening the next and starting it. The samples follow on the worker.
void BM_PlayMP3OnTheDevicePlayer(benchmark::State& state) {
    fs::current_path(soundFolder());
    zb::StreamedMusic player(44100, 2);
    player.open("dat\\k_106.wma"); // the decoder's libraries are loaded once, not timed
    player.waitDecoded();
    for (auto _ : state) {
        player.close();
        benchmark::DoNotOptimize(player.open("dat\\k_106.wma") && player.play());
        // A screen change or two later the piece is whole; a change made at once
        // cancels the decoding, which the next round's close pays for.
        if (state.range(0) != 0) {
            state.PauseTiming();
            player.waitDecoded();
            state.ResumeTiming();
        }
    }
    state.counters["piece_s"] = static_cast<double>(player.decodedSamples()) / 2 / 44100;
}
BENCHMARK(BM_PlayMP3OnTheDevicePlayer)
    ->ArgName("decoded_before_next")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMicrosecond);

// How long the worker takes from the open to the first samples and to the whole
// piece: the silence at a change of music, and the time the piece is in memory.
void BM_DevicePlayerFirstSamplesAndWholePiece(benchmark::State& state) {
    fs::current_path(soundFolder());
    zb::StreamedMusic player(44100, 2);
    player.open("dat\\k_106.wma");
    player.waitDecoded();
    double firstMs = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        player.open("dat\\k_106.wma");
        while (player.decodedSamples() == 0 && player.mode() != zb::MusicMode::Closed)
            std::this_thread::yield();
        firstMs +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        player.waitDecoded();
    }
    state.counters["first_samples_ms"] =
        benchmark::Counter(firstMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DevicePlayerFirstSamplesAndWholePiece)->Unit(benchmark::kMillisecond);

// What the silent player (headless, or no sound card) does: the header only.
void BM_OpenAndStartMusicSilently(benchmark::State& state) {
    fs::current_path(soundFolder());
    std::uint32_t now = 0;
    zb::SilentMusicPlayer player([&] { return now; });
    for (auto _ : state) {
        player.close();
        benchmark::DoNotOptimize(player.open("dat\\k_106.wma") && player.play());
    }
    state.counters["length_s"] = player.lengthMs() / 1000.0;
}
BENCHMARK(BM_OpenAndStartMusicSilently)->Unit(benchmark::kMicrosecond);

} // namespace
