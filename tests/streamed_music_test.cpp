// The music player a sound device plays from: the piece is decoded on a worker
// while it already plays, and a second thread stands in for the device's audio
// thread, pulling samples the way the mixer's music hook does. What it hears
// must be the piece exactly as a whole decoding gives it, with the same end,
// the same stop there and the same rewind from it that the game's 100 ms timer
// relies on, however opening, closing and pulling interleave.

#include "platform/AudioDecoder.h"
#include "platform/StreamedMusic.h"
#include "sound/UnitSound.h"
#include "tests/SoundFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include <unistd.h>

using namespace zb;

namespace {

namespace fs = std::filesystem;

constexpr int kRate = 44100;
constexpr int kChannels = 2;
// What the mixer asks for at a time: 1024 frames of stereo.
constexpr std::size_t kDeviceBlock = 2048;

// One of the game's generated pieces, by its number in the music table.
std::string generatedPiece(std::uint8_t n) {
    return (fs::path(ZB_GAME_DIR) / "dat" / std::string(musicFile(n)).substr(4)).string();
}

std::vector<std::int16_t> wholeDecoding(const std::string& file) {
    auto pcm = audio::decodeAudio(file, kRate, kChannels);
    return pcm ? pcm->samples : std::vector<std::int16_t>{};
}

// Pulls like the device: blocks of silence handed over, what the player wrote
// kept, until the player stops or `limit` blocks have gone by.
std::vector<std::int16_t> pullUntilStopped(StreamedMusic& music, std::size_t limit = 1000000) {
    std::vector<std::int16_t> heard;
    std::vector<std::int16_t> block(kDeviceBlock);
    for (std::size_t i = 0; i < limit && music.mode() == MusicMode::Playing; ++i) {
        std::fill(block.begin(), block.end(), std::int16_t{0});
        const std::size_t n = music.fill(block.data(), block.size());
        heard.insert(heard.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(n));
    }
    return heard;
}

class ScratchDir {
  public:
    ScratchDir() {
        dir_ = fs::temp_directory_path() / ("zirubo-stream-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    ~ScratchDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

  private:
    fs::path dir_;
};

class StreamedMusicTest : public ::testing::Test {
  protected:
    void SetUp() override {
        piece = generatedPiece(2);
        if (!fs::exists(piece)) GTEST_SKIP() << "no generated music in " << ZB_GAME_DIR;
    }
    std::string piece;
    StreamedMusic music{kRate, kChannels};
};

} // namespace

TEST_F(StreamedMusicTest, PlaysThePieceSampleForSampleAndStopsAtItsEnd) {
    const auto expected = wholeDecoding(piece);
    ASSERT_FALSE(expected.empty());
    ASSERT_TRUE(music.open(piece));
    EXPECT_EQ(music.mode(), MusicMode::Stopped) << "opened at its start, stopped";
    std::int16_t untouched[4] = {7, 7, 7, 7};
    EXPECT_EQ(music.fill(untouched, 4), 0u) << "a stopped piece leaves the device's silence";
    EXPECT_EQ(untouched[0], 7);

    // Pulled at once, while the worker may still be decoding: silence until
    // samples come, then the piece from its first sample, never an early end.
    ASSERT_TRUE(music.play());
    EXPECT_EQ(music.mode(), MusicMode::Playing);
    const auto heard = pullUntilStopped(music);
    EXPECT_EQ(music.mode(), MusicMode::Stopped) << "the end stops it, for the timer to see";
    ASSERT_EQ(heard.size(), expected.size());
    EXPECT_TRUE(heard == expected) << "the samples differ from a whole decoding";
}

TEST_F(StreamedMusicTest, PlayingFromTheEndRewindsButFromAStopGoesOn) {
    const auto expected = wholeDecoding(piece);
    ASSERT_TRUE(music.open(piece));
    ASSERT_TRUE(music.waitDecoded());
    ASSERT_TRUE(music.play());
    std::vector<std::int16_t> block(kDeviceBlock);
    for (int i = 0; i < 10; ++i)
        music.fill(block.data(), block.size());
    music.stop();
    EXPECT_EQ(music.mode(), MusicMode::Stopped);
    EXPECT_EQ(music.fill(block.data(), block.size()), 0u);
    EXPECT_EQ(music.positionSamples(), 10 * kDeviceBlock) << "a stop keeps the place";
    ASSERT_TRUE(music.play());
    music.fill(block.data(), block.size());
    EXPECT_TRUE(std::equal(block.begin(), block.end(), expected.begin() + 10 * kDeviceBlock))
        << "on from where it stopped";

    pullUntilStopped(music);
    ASSERT_EQ(music.mode(), MusicMode::Stopped);
    EXPECT_EQ(music.positionSamples(), expected.size());
    // What the 100 ms timer does at the end: play again, from the first sample.
    ASSERT_TRUE(music.play());
    EXPECT_EQ(music.fill(block.data(), block.size()), block.size());
    EXPECT_TRUE(std::equal(block.begin(), block.end(), expected.begin()))
        << "the loop point is the piece's start";
}

TEST_F(StreamedMusicTest, PauseTogglesAndHoldsThePlace) {
    ASSERT_TRUE(music.open(piece));
    ASSERT_TRUE(music.waitDecoded());
    music.pause();
    EXPECT_EQ(music.mode(), MusicMode::Stopped) << "nothing to pause before playing";
    music.play();
    std::vector<std::int16_t> block(kDeviceBlock);
    music.fill(block.data(), block.size());
    music.pause();
    EXPECT_EQ(music.mode(), MusicMode::Paused);
    EXPECT_EQ(music.fill(block.data(), block.size()), 0u);
    EXPECT_EQ(music.positionSamples(), kDeviceBlock);
    music.pause();
    EXPECT_EQ(music.mode(), MusicMode::Playing);
    music.fill(block.data(), block.size());
    EXPECT_EQ(music.positionSamples(), 2 * kDeviceBlock);
}

// The game changes pieces while the last one is still being decoded and the
// device keeps pulling: every open, close and pull may meet a running worker.
TEST_F(StreamedMusicTest, ChangingPiecesWhileTheyDecodeIsSafe) {
    const std::string other = generatedPiece(3);
    ASSERT_TRUE(fs::exists(other));
    std::atomic<bool> done{false};
    std::thread device([&] {
        std::vector<std::int16_t> block(kDeviceBlock);
        while (!done)
            music.fill(block.data(), block.size());
    });
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(music.open(i % 2 == 0 ? piece : other));
        if (i % 3 == 0) music.play();
        if (i % 5 == 0) music.close();
    }
    ASSERT_TRUE(music.open(other));
    ASSERT_TRUE(music.play());
    ASSERT_TRUE(music.waitDecoded());
    done = true;
    device.join();

    const auto expected = wholeDecoding(other);
    EXPECT_EQ(music.decodedSamples(), expected.size()) << "only the last piece was kept";
    music.close();
    EXPECT_EQ(music.mode(), MusicMode::Closed);
    EXPECT_EQ(music.decodedSamples(), 0u) << "closing gives the samples back";
    EXPECT_FALSE(music.play());
}

TEST(StreamedMusic, AMissingOrSoundlessFileLeavesThePlayerClosed) {
    ScratchDir scratch;
    StreamedMusic music(kRate, kChannels);
    EXPECT_FALSE(music.open(scratch.path("none.wma")));
    EXPECT_EQ(music.mode(), MusicMode::Closed);
    EXPECT_FALSE(music.play());

    std::ofstream(scratch.path("text.wma")) << "this is no music";
    music.open(scratch.path("text.wma"));
    EXPECT_FALSE(music.waitDecoded());
    EXPECT_EQ(music.mode(), MusicMode::Closed);
    EXPECT_FALSE(music.play());
}

// A piece that breaks off part-way plays what was decoded before the break,
// then stops as at a proper end.
TEST(StreamedMusic, APieceThatBreaksOffKeepsWhatWasDecoded) {
    ScratchDir scratch;
    const std::string whole = scratch.path("whole.wma");
    const std::string cut = scratch.path("cut.wma");
    ASSERT_TRUE(test::writeTone(whole, "wmav2", kRate, kChannels, 40 * 2048));
    fs::copy_file(whole, cut);
    fs::resize_file(cut, fs::file_size(whole) / 2);
    const auto full = wholeDecoding(whole);

    StreamedMusic music(kRate, kChannels);
    ASSERT_TRUE(music.open(cut));
    ASSERT_TRUE(music.waitDecoded());
    const std::size_t kept = music.decodedSamples();
    EXPECT_GT(kept, 0u);
    EXPECT_LT(kept, full.size());
    ASSERT_TRUE(music.play());
    const auto heard = pullUntilStopped(music);
    EXPECT_EQ(heard.size(), kept);
    EXPECT_EQ(music.mode(), MusicMode::Stopped);
}

TEST(PcmPages, GrowsPastWhatWasReservedAndKeepsItsSamples) {
    PcmPages pages;
    ASSERT_TRUE(pages.reserve(10));
    std::vector<std::int16_t> samples(100000);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(i * 7);
    for (std::size_t at = 0; at < samples.size(); at += 1000)
        ASSERT_TRUE(pages.append(samples.data() + at, 1000));
    ASSERT_EQ(pages.size(), samples.size());
    EXPECT_TRUE(std::equal(samples.begin(), samples.end(), pages.data()));
    PcmPages moved(std::move(pages));
    EXPECT_EQ(moved.size(), samples.size());
    EXPECT_EQ(pages.size(), 0u);
    EXPECT_EQ(pages.data(), nullptr);
}
