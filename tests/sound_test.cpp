// Sound effects and music: the command strings the game sends, what the silent
// backends make of them on the virtual clock, the music's looping and choice of
// piece, and FFmpeg decoding the music files.

#include "platform/AudioDecoder.h"
#include "platform/SilentAudio.h"
#include "platform/SoundCommands.h"
#include "sound/UnitSound.h"
#include "tests/GameHarness.h"
#include "tests/SoundFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace zb;
using zb::test::Game;
using zb::test::GameFolder;
using zb::test::writeTone;

namespace {

namespace fs = std::filesystem;

std::vector<std::string> openCommands(int from, int to) {
    std::vector<std::string> v;
    for (int n = from; n <= to; ++n)
        v.push_back("open \"dat\\se" + std::to_string(n) + ".wav\" alias se" + std::to_string(n));
    return v;
}

std::vector<std::string> stopCloseCommands(int from, int to) {
    std::vector<std::string> v;
    for (int n = from; n <= to; ++n) {
        v.push_back("stop se" + std::to_string(n));
        v.push_back("close se" + std::to_string(n));
    }
    return v;
}

// Takes every sound out of the test's game folder (links only: the generated
// files stay), so a test decides which sounds exist.
void emptyDat() {
    for (const auto& entry : fs::directory_iterator("dat")) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".wav" || ext == ".wma") fs::remove(entry.path());
    }
}

// What the platform was sent since `mark`.
std::vector<std::string> since(const HeadlessPlatform& p, std::size_t mark) {
    return {p.soundCommands.begin() + static_cast<std::ptrdiff_t>(mark), p.soundCommands.end()};
}

// A clock the test moves by hand.
struct FakeClock {
    std::uint32_t now = 5000;
    AudioClock fn() {
        return [this] { return now; };
    }
};

// A scratch folder for files the platform-level tests write.
class Scratch {
  public:
    Scratch() {
        dir_ = fs::temp_directory_path() /
               ("zirubo-sound-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        fs::create_directories(dir_);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }

  private:
    static int& counter() {
        static int n = 0;
        return n;
    }
    fs::path dir_;
};

} // namespace

// ---------------------------------------------------------------- the commands

TEST(SoundCommandParse, ReadsEveryFormTheGameSends) {
    SoundCommand open = parseSoundCommand("open \"dat\\se4.wav\" alias se4");
    EXPECT_EQ(open.verb, SoundCommand::Verb::Open);
    EXPECT_EQ(open.file, "dat\\se4.wav");
    EXPECT_EQ(open.alias, "se4");

    SoundCommand play = parseSoundCommand("play se21 from 0 notify");
    EXPECT_EQ(play.verb, SoundCommand::Verb::Play);
    EXPECT_EQ(play.alias, "se21");
    EXPECT_EQ(play.fromMs, 0u);
    EXPECT_EQ(parseSoundCommand("play se2 from 250").fromMs, 250u);

    EXPECT_EQ(parseSoundCommand("stop se31").verb, SoundCommand::Verb::Stop);
    EXPECT_EQ(parseSoundCommand("stop se31").alias, "se31");
    EXPECT_EQ(parseSoundCommand("close se1").verb, SoundCommand::Verb::Close);
    EXPECT_EQ(parseSoundCommand("status se9 mode").verb, SoundCommand::Verb::Status);
    // Names are not case-sensitive, nor are the words.
    EXPECT_EQ(parseSoundCommand("STOP SE31").alias, "se31");
}

TEST(SoundCommandParse, AFileNameInQuotesMayHoldBlanks) {
    SoundCommand c = parseSoundCommand("open \"my dat\\se 4.wav\" alias x");
    EXPECT_EQ(c.verb, SoundCommand::Verb::Open);
    EXPECT_EQ(c.file, "my dat\\se 4.wav");
    EXPECT_EQ(c.alias, "x");
}

TEST(SoundCommandParse, AnythingElseIsRefused) {
    for (const char* text : {"", "play", "play se4", "play se4 from", "play se4 from x",
                             "play se4 from 0 wait", "status se4", "status se4 position",
                             "open \"dat\\se4.wav\"", "open \"dat\\se4.wav\" as se4",
                             "open \"dat\\se4.wav alias se4", "pause se4", "stop se4 now", "close"})
        EXPECT_EQ(parseSoundCommand(text).verb, SoundCommand::Verb::Invalid) << text;
}

class SoundInterpreter : public ::testing::Test {
  protected:
    SoundInterpreter() {
        // Half a second at 22.05 kHz.
        EXPECT_TRUE(writeTone(scratch.path("half.wav"), "pcm_s16le", 22050, 1, 11025));
    }
    Scratch scratch;
    FakeClock clock;
    SilentEffects effects{clock.fn()};
    SoundCommandInterpreter sound{effects};
    std::string open(const std::string& alias) {
        return sound.send("open \"" + scratch.path("half.wav") + "\" alias " + alias);
    }
};

TEST_F(SoundInterpreter, AnEffectSoundsForItsFilesLength) {
    ASSERT_EQ(open("se4"), "");
    EXPECT_EQ(sound.send("status se4 mode"), "stopped") << "opened, not yet played";
    EXPECT_EQ(sound.send("play se4 from 0 notify"), "");
    EXPECT_EQ(sound.send("status se4 mode"), "playing");
    clock.now += 499;
    EXPECT_EQ(sound.send("status se4 mode"), "playing");
    clock.now += 1;
    EXPECT_EQ(sound.send("status se4 mode"), "stopped");
}

TEST_F(SoundInterpreter, PlayingFromZeroWhileSoundingStartsOver) {
    ASSERT_EQ(open("se4"), "");
    sound.send("play se4 from 0 notify");
    clock.now += 400;
    sound.send("play se4 from 0 notify");
    clock.now += 400; // 800 after the first start: that one would be over
    EXPECT_EQ(sound.send("status se4 mode"), "playing");
    clock.now += 100;
    EXPECT_EQ(sound.send("status se4 mode"), "stopped");
}

TEST_F(SoundInterpreter, StopSilencesAndKeepsTheEffectOpen) {
    ASSERT_EQ(open("se4"), "");
    sound.send("play se4 from 0 notify");
    EXPECT_EQ(sound.send("stop se4"), "");
    EXPECT_EQ(sound.send("status se4 mode"), "stopped");
    EXPECT_EQ(sound.send("play se4 from 0 notify"), "");
    EXPECT_EQ(sound.send("status se4 mode"), "playing");
}

TEST_F(SoundInterpreter, AMissingFileFailsTheOpenAndEveryLaterCommand) {
    EXPECT_TRUE(isSoundError(sound.send("open \"" + scratch.path("none.wav") + "\" alias se5")));
    EXPECT_EQ(sound.openCount(), 0u);
    for (const char* c : {"play se5 from 0 notify", "stop se5", "status se5 mode", "close se5"})
        EXPECT_TRUE(isSoundError(sound.send(c))) << c;
}

TEST_F(SoundInterpreter, AFileThatIsNoSoundFailsTheOpen) {
    std::ofstream(scratch.path("text.wav")) << "not a wave file at all";
    EXPECT_TRUE(isSoundError(sound.send("open \"" + scratch.path("text.wav") + "\" alias se5")));
    EXPECT_EQ(sound.openCount(), 0u);
}

TEST_F(SoundInterpreter, UnknownCommandsAreErrorsAndChangeNothing) {
    ASSERT_EQ(open("se4"), "");
    sound.send("play se4 from 0 notify");
    EXPECT_TRUE(isSoundError(sound.send("pause se4")));
    EXPECT_TRUE(isSoundError(sound.send("stop se4 now")));
    EXPECT_EQ(sound.send("status se4 mode"), "playing");
}

TEST_F(SoundInterpreter, ANameOpenedTwiceKeepsItsFirstSound) {
    ASSERT_EQ(open("se21"), "");
    sound.send("play se21 from 0 notify");
    clock.now += 200;
    EXPECT_TRUE(isSoundError(open("se21")));
    EXPECT_EQ(sound.openCount(), 1u);
    EXPECT_EQ(sound.send("status se21 mode"), "playing") << "the second open does not cut it off";
}

TEST_F(SoundInterpreter, CloseForgetsTheNameAndItMayBeOpenedAgain) {
    ASSERT_EQ(open("se21"), "");
    ASSERT_EQ(open("se22"), "");
    EXPECT_EQ(sound.send("close se21"), "");
    EXPECT_EQ(sound.openCount(), 1u);
    EXPECT_TRUE(isSoundError(sound.send("status se21 mode")));
    EXPECT_EQ(sound.send("status se22 mode"), "stopped") << "the other stays open";
    EXPECT_EQ(open("se21"), "");
    EXPECT_EQ(sound.openCount(), 2u);
}

TEST_F(SoundInterpreter, SeveralEffectsSoundAtOnce) {
    ASSERT_EQ(open("se5"), "");
    ASSERT_EQ(open("se6"), "");
    sound.send("play se5 from 0 notify");
    clock.now += 300;
    sound.send("play se6 from 0 notify");
    EXPECT_EQ(sound.send("status se5 mode"), "playing");
    EXPECT_EQ(sound.send("status se6 mode"), "playing");
    clock.now += 200;
    EXPECT_EQ(sound.send("status se5 mode"), "stopped");
    EXPECT_EQ(sound.send("status se6 mode"), "playing");
}

// ---------------------------------------------------------- the silent player

class SilentMusic : public ::testing::Test {
  protected:
    FakeClock clock;
    SilentMusicPlayer player{clock.fn()};
};

TEST_F(SilentMusic, PlaysToTheEndAndStopsThere) {
    player.setLength("dat\\a.wma", 3000);
    ASSERT_TRUE(player.open("dat\\a.wma"));
    EXPECT_EQ(player.mode(), MusicMode::Stopped);
    ASSERT_TRUE(player.play());
    clock.now += 2999;
    EXPECT_EQ(player.mode(), MusicMode::Playing);
    clock.now += 1;
    EXPECT_EQ(player.mode(), MusicMode::Stopped);
    EXPECT_EQ(player.positionMs(), 3000u);
    clock.now += 5000;
    EXPECT_EQ(player.positionMs(), 3000u) << "a stopped piece stands still";
}

TEST_F(SilentMusic, PlayingFromTheEndRewindsButFromAStopGoesOn) {
    player.setLength("dat\\a.wma", 3000);
    ASSERT_TRUE(player.open("dat\\a.wma"));
    player.play();
    clock.now += 1200;
    player.stop();
    clock.now += 700;
    EXPECT_EQ(player.positionMs(), 1200u);
    player.play();
    clock.now += 300;
    EXPECT_EQ(player.positionMs(), 1500u) << "on from where it stopped";
    clock.now += 1500;
    ASSERT_EQ(player.mode(), MusicMode::Stopped);
    player.play();
    EXPECT_EQ(player.positionMs(), 0u) << "from the end it starts over";
    EXPECT_EQ(player.mode(), MusicMode::Playing);
}

TEST_F(SilentMusic, PauseTogglesAndHoldsThePosition) {
    player.setLength("dat\\a.wma", 3000);
    ASSERT_TRUE(player.open("dat\\a.wma"));
    player.pause();
    EXPECT_EQ(player.mode(), MusicMode::Stopped) << "nothing to pause before playing";
    player.play();
    clock.now += 500;
    player.pause();
    EXPECT_EQ(player.mode(), MusicMode::Paused);
    clock.now += 10000;
    EXPECT_EQ(player.positionMs(), 500u);
    player.pause();
    EXPECT_EQ(player.mode(), MusicMode::Playing);
    clock.now += 100;
    EXPECT_EQ(player.positionMs(), 600u);
}

TEST_F(SilentMusic, AMissingFileLeavesThePlayerClosed) {
    player.setLength("dat\\a.wma", 3000);
    ASSERT_TRUE(player.open("dat\\a.wma"));
    player.play();
    EXPECT_FALSE(player.open("dat\\no-such-piece.wma"));
    EXPECT_EQ(player.mode(), MusicMode::Closed) << "the old piece was closed first";
    EXPECT_FALSE(player.play());
    EXPECT_EQ(player.mode(), MusicMode::Closed);
}

TEST_F(SilentMusic, ReadsTheLengthFromTheFile) {
    Scratch scratch;
    const int frames = 22 * 2048; // about 1.02 s at 44.1 kHz
    ASSERT_TRUE(writeTone(scratch.path("tone.wma"), "wmav2", 44100, 2, frames));
    ASSERT_TRUE(player.open(scratch.path("tone.wma")));
    EXPECT_NEAR(static_cast<double>(player.lengthMs()), frames * 1000.0 / 44100, 50.0);
}

// ------------------------------------------------------------- the decoder

TEST(AudioDecoder, AWmaRoundTripKeepsItsLengthLessTheFirstBlock) {
    Scratch scratch;
    for (int channels : {1, 2}) {
        const int frames = 30 * 2048;
        const std::string file = scratch.path("tone" + std::to_string(channels) + ".wma");
        ASSERT_TRUE(writeTone(file, "wmav2", 44100, channels, frames));
        auto info = audio::probeAudio(file);
        ASSERT_TRUE(info.has_value());
        EXPECT_EQ(info->sampleRate, 44100);
        EXPECT_EQ(info->channels, channels);
        EXPECT_NEAR(static_cast<double>(info->frames), frames, 2048.0);

        auto pcm = audio::decodeAudio(file, 44100, 2);
        ASSERT_TRUE(pcm.has_value());
        EXPECT_EQ(pcm->channels, 2);
        EXPECT_EQ(pcm->sampleRate, 44100);
        EXPECT_NEAR(static_cast<double>(pcm->frames()), frames - 2048, 2048.0) << channels;
        EXPECT_NEAR(static_cast<double>(pcm->durationMs()), (frames - 2048) * 1000.0 / 44100,
                    2048 * 1000.0 / 44100);
    }
}

TEST(AudioDecoder, TheToneComesOutAsATone) {
    Scratch scratch;
    const std::string file = scratch.path("tone.wma");
    ASSERT_TRUE(writeTone(file, "wmav2", 44100, 1, 20 * 2048, 441.0));
    auto pcm = audio::decodeAudio(file, 44100, 2);
    ASSERT_TRUE(pcm.has_value());
    // Away from the edges: loud (amplitude 0.5 → RMS about 11585), both sides the
    // same, and crossing zero twice per period of 100 samples.
    const std::size_t from = 4096, to = pcm->frames() - 4096;
    ASSERT_GT(to, from);
    double sum = 0;
    int crossings = 0;
    for (std::size_t i = from; i < to; ++i) {
        const int l = pcm->samples[2 * i], r = pcm->samples[2 * i + 1];
        EXPECT_EQ(l, r) << i;
        if (l != r) break;
        sum += static_cast<double>(l) * l;
        if ((pcm->samples[2 * (i - 1)] < 0) != (l < 0)) ++crossings;
    }
    const double rms = std::sqrt(sum / static_cast<double>(to - from));
    EXPECT_NEAR(rms, 11585, 1500);
    EXPECT_NEAR(crossings, 2.0 * static_cast<double>(to - from) / 100, 4);
}

TEST(AudioDecoder, ResamplesToTheMixersRate) {
    Scratch scratch;
    const std::string file = scratch.path("low.wma");
    const int frames = 20 * 2048;
    ASSERT_TRUE(writeTone(file, "wmav2", 22050, 1, frames));
    auto pcm = audio::decodeAudio(file, 44100, 2);
    ASSERT_TRUE(pcm.has_value());
    EXPECT_NEAR(static_cast<double>(pcm->frames()), 2.0 * (frames - 2048), 2 * 2048.0);
    auto mono = audio::decodeAudio(file, 11025, 1);
    ASSERT_TRUE(mono.has_value());
    EXPECT_EQ(mono->samples.size(), mono->frames());
    EXPECT_NEAR(static_cast<double>(mono->frames()), (frames - 2048) / 2.0, 2048.0);
}

TEST(AudioDecoder, MissingOrBrokenFilesGiveNothing) {
    Scratch scratch;
    EXPECT_FALSE(audio::probeAudio(scratch.path("none.wma")).has_value());
    EXPECT_FALSE(audio::decodeAudio(scratch.path("none.wma"), 44100, 2).has_value());
    std::ofstream(scratch.path("text.wma")) << "this is no music";
    EXPECT_FALSE(audio::probeAudio(scratch.path("text.wma")).has_value());
    EXPECT_FALSE(audio::decodeAudio(scratch.path("text.wma"), 44100, 2).has_value());
    ASSERT_TRUE(writeTone(scratch.path("ok.wma"), "wmav2", 44100, 2, 4 * 2048));
    EXPECT_FALSE(audio::decodeAudio(scratch.path("ok.wma"), 44100, 3).has_value())
        << "the mixer takes mono or stereo only";
}

TEST(AudioDecoder, ProbesTheLengthOfAWaveEffect) {
    Scratch scratch;
    ASSERT_TRUE(writeTone(scratch.path("se.wav"), "pcm_s16le", 22050, 1, 6615));
    auto info = audio::probeAudio(scratch.path("se.wav"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->frames, 6615);
    EXPECT_EQ(info->durationMs, 300u);
}

TEST(AudioDecoder, AFileIsKnownByItsContentsNotItsName) {
    Scratch scratch;
    ASSERT_TRUE(writeTone(scratch.path("se.wav"), "pcm_s16le", 22050, 1, 6615));
    fs::rename(scratch.path("se.wav"), scratch.path("piece.wma"));
    auto info = audio::probeAudio(scratch.path("piece.wma"));
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->durationMs, 300u);
    auto pcm = audio::decodeAudio(scratch.path("piece.wma"), 22050, 1);
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->frames(), 6615u) << "wave samples come through one for one";
}

// The game's own music and effects, once the asset generator has written them.
TEST(AudioDecoder, EveryGeneratedPieceAndEffectDecodes) {
    const fs::path dat = fs::path(ZB_GAME_DIR) / "dat";
    int pieces = 0;
    for (std::uint8_t n = 1; n <= kMusicCount; ++n) {
        const fs::path file = dat / (std::string(musicFile(n)).substr(4));
        if (!fs::exists(file)) continue;
        ++pieces;
        auto pcm = audio::decodeAudio(file.string(), 44100, 2);
        ASSERT_TRUE(pcm.has_value()) << file;
        EXPECT_GT(pcm->durationMs(), 1000u) << file;
    }
    int effects = 0;
    for (int n = 1; n <= kLastEffect; ++n) {
        const fs::path file = dat / ("se" + std::to_string(n) + ".wav");
        if (!fs::exists(file)) continue;
        ++effects;
        auto info = audio::probeAudio(file.string());
        ASSERT_TRUE(info.has_value()) << file;
        EXPECT_GT(info->durationMs, 0u) << file;
    }
    if (pieces == 0 && effects == 0) GTEST_SKIP() << "no generated sound files in " << dat;
    EXPECT_EQ(pieces, kMusicCount) << "some pieces are missing";
    EXPECT_EQ(effects, kLastEffect) << "some effects are missing";
}

// ------------------------------------------------------ the game's effects

class GameSound : public ::testing::Test {
  protected:
    // Effects 4 (0.5 s) and 21 (0.3 s) exist; the rest are missing.
    GameSound() {
        emptyDat();
        EXPECT_TRUE(writeTone("dat/se4.wav", "pcm_s16le", 22050, 1, 11025));
        EXPECT_TRUE(writeTone("dat/se21.wav", "pcm_s16le", 22050, 1, 6615));
        g = std::make_unique<Game>();
        EXPECT_FALSE(g->app.terminated()) << "the game did not start";
    }
    TForm1& f() { return g->f(); }
    HeadlessPlatform& p() { return g->platform; }
    void wait(std::uint32_t ms) { p().setTime(p().timeGetTime() + ms); }

    GameFolder folder;
    std::unique_ptr<Game> g;
};

TEST_F(GameSound, StartOpensEffects1To18AndNothingElse) {
    EXPECT_EQ(p().soundCommands, openCommands(1, 18));
    EXPECT_EQ(p().sound.openCount(), 1u) << "only se4 has a file";
    EXPECT_EQ(p().soundStatus("se4"), "stopped");
}

TEST_F(GameSound, EachRoutineSendsItsCommandsCharacterForCharacter) {
    std::size_t mark = p().soundCommands.size();
    playSoundEffect(f(), 4);
    EXPECT_EQ(since(p(), mark), (std::vector<std::string>{"play se4 from 0 notify"}));

    mark = p().soundCommands.size();
    openSoundEffect(f(), 21);
    EXPECT_EQ(since(p(), mark), (std::vector<std::string>{"open \"dat\\se21.wav\" alias se21"}));

    mark = p().soundCommands.size();
    stopSoundEffect(f(), 21);
    EXPECT_EQ(since(p(), mark), (std::vector<std::string>{"stop se21"}));

    mark = p().soundCommands.size();
    closeSoundEffect(f(), 7);
    EXPECT_EQ(since(p(), mark), (std::vector<std::string>{"stop se7", "close se7"}));

    mark = p().soundCommands.size();
    closeSceneSoundEffects(f());
    EXPECT_EQ(since(p(), mark), stopCloseCommands(19, 31));

    mark = p().soundCommands.size();
    closeAllSoundEffects(f());
    EXPECT_EQ(since(p(), mark), stopCloseCommands(1, 31));
}

TEST_F(GameSound, SceneEffectsAreOpenedOnDemandAndClosedTogether) {
    openSoundEffect(f(), 21);
    ASSERT_EQ(p().sound.openCount(), 2u);
    playSoundEffect(f(), 21);
    EXPECT_EQ(p().soundStatus("se21"), "playing");
    closeSceneSoundEffects(f());
    EXPECT_EQ(p().sound.openCount(), 1u) << "se4 of the start set stays";
    EXPECT_TRUE(isSoundError(p().soundStatus("se21")));
    EXPECT_EQ(p().soundStatus("se4"), "stopped");
}

TEST_F(GameSound, AnEffectPlayedWhileSoundingRestartsFromZero) {
    playSoundEffect(f(), 4);
    wait(300);
    playSoundEffect(f(), 4);
    wait(400); // 700 ms after the first start, which lasted 500
    EXPECT_EQ(p().soundStatus("se4"), "playing");
    wait(100);
    EXPECT_EQ(p().soundStatus("se4"), "stopped");
}

TEST_F(GameSound, LoopingLeavesASoundingEffectAlone) {
    openSoundEffect(f(), 21);
    playSoundEffect(f(), 21);
    wait(200);
    const std::size_t mark = p().soundCommands.size();
    loopSoundEffect(f(), 21);
    EXPECT_EQ(since(p(), mark), (std::vector<std::string>{"status se21 mode"}));
    wait(100); // 300 ms after the start: not restarted, so over now
    EXPECT_EQ(p().soundStatus("se21"), "stopped");
}

TEST_F(GameSound, LoopingRestartsAStoppedEffect) {
    openSoundEffect(f(), 21);
    playSoundEffect(f(), 21);
    wait(350);
    const std::size_t mark = p().soundCommands.size();
    loopSoundEffect(f(), 21);
    EXPECT_EQ(since(p(), mark),
              (std::vector<std::string>{"status se21 mode", "play se21 from 0 notify"}));
    wait(299);
    EXPECT_EQ(p().soundStatus("se21"), "playing");
}

TEST_F(GameSound, LoopingAnEffectThatIsNotOpenDoesNothing) {
    const std::size_t mark = p().soundCommands.size();
    loopSoundEffect(f(), 21); // never opened
    loopSoundEffect(f(), 5);  // its file is missing
    EXPECT_EQ(since(p(), mark), (std::vector<std::string>{"status se21 mode", "status se5 mode"}));
}

TEST_F(GameSound, MissingEffectsAreSilentAndTheGameGoesOn) {
    playSoundEffect(f(), 9);
    closeSoundEffect(f(), 9);
    EXPECT_TRUE(p().messages.empty());
    EXPECT_FALSE(g->app.terminated());
}

TEST_F(GameSound, ClosingTheGameStopsAndClosesEveryEffectAndTheMusic) {
    openSoundEffect(f(), 21);
    p().music.setLength("dat\\k_106.wma", 60000);
    f().playFieldBGM();
    const std::size_t mark = p().soundCommands.size();
    g->form.reset();
    EXPECT_EQ(since(p(), mark), stopCloseCommands(1, 31));
    EXPECT_EQ(p().sound.openCount(), 0u);
    EXPECT_EQ(p().music.mode(), MusicMode::Closed);
    EXPECT_EQ(p().music.log.back(), "close");
}

// -------------------------------------------------------------- the music

class GameMusic : public ::testing::Test {
  protected:
    GameMusic() {
        // Long pieces need no file: the player takes the length the test gives.
        for (std::uint8_t n = 1; n <= kMusicCount; ++n)
            g.platform.music.setLength(musicFile(n), 60000);
        EXPECT_FALSE(g.app.terminated()) << "the game did not start";
    }
    TForm1& f() { return g.f(); }
    SilentMusicPlayer& music() { return g.platform.music; }
    std::vector<std::string>& log() { return g.platform.music.log; }

    GameFolder folder;
    Game g;
};

TEST_F(GameMusic, TheTableNamesEveryPiece) {
    EXPECT_EQ(musicFile(0), nullptr);
    EXPECT_STREQ(musicFile(1), "dat\\free0628.wma");
    EXPECT_STREQ(musicFile(2), "dat\\k_106.wma");
    EXPECT_STREQ(musicFile(3), "dat\\spmo_turb2.wma");
    EXPECT_STREQ(musicFile(7), "dat\\house_006.wma");
    EXPECT_STREQ(musicFile(8), "dat\\Kmp107-invention_k2.wma");
    EXPECT_STREQ(musicFile(16), "dat\\house_015.wma");
    EXPECT_STREQ(musicFile(17), "dat\\slap_bass_r_002.wma");
    EXPECT_STREQ(musicFile(24), "dat\\free0301.wma");
    EXPECT_EQ(musicFile(25), nullptr);
    for (std::uint8_t n = 1; n <= kMusicCount; ++n) {
        const std::string file = musicFile(n);
        EXPECT_EQ(file.rfind("dat\\", 0), 0u) << file;
        EXPECT_EQ(file.substr(file.size() - 4), ".wma") << file;
        for (std::uint8_t m = 1; m < n; ++m)
            EXPECT_NE(file, musicFile(m)) << "pieces " << int(m) << " and " << int(n);
    }
}

TEST_F(GameMusic, TheTitleIsSilent) {
    EXPECT_EQ(f().bgmNo, 0);
    EXPECT_TRUE(log().empty());
    EXPECT_FALSE(f().mp3TimerEnabled());
}

TEST_F(GameMusic, TheMapMusicGoesOnWhenTheMapIsEnteredAgain) {
    f().playFieldBGM();
    EXPECT_EQ(f().bgmNo, 2);
    EXPECT_EQ(log(), (std::vector<std::string>{"open dat\\k_106.wma", "play"}));
    EXPECT_TRUE(f().mp3TimerEnabled());
    g.run(5000);
    f().playFieldBGM();
    EXPECT_EQ(log().size(), 2u) << "not restarted";
    EXPECT_GE(music().positionMs(), 5000u);
    EXPECT_EQ(music().mode(), MusicMode::Playing);
}

TEST_F(GameMusic, AfterTheTwentyFirstChallengeTheMapTakesTheRaceMusic) {
    f().playFieldBGM();
    f().flag(doneChallenge21) = 1;
    f().playFieldBGM();
    EXPECT_EQ(f().bgmNo, 3);
    EXPECT_EQ(log(), (std::vector<std::string>{"open dat\\k_106.wma", "play", "close",
                                               "open dat\\spmo_turb2.wma", "play"}));
}

TEST_F(GameMusic, TheShopRestartsItsMusicOnEveryCall) {
    f().bgmNo = 16;
    f().PlayBGM();
    g.run(3000);
    f().bgmNo = 16;
    f().PlayBGM();
    EXPECT_EQ(log(), (std::vector<std::string>{"open dat\\house_015.wma", "play", "close",
                                               "open dat\\house_015.wma", "play"}));
    EXPECT_EQ(music().positionMs(), 0u);
    EXPECT_TRUE(f().mp3TimerEnabled());
}

TEST_F(GameMusic, TheTimerLoopsAPieceThatHasEnded) {
    music().setLength("dat\\k_106.wma", 1000);
    f().playFieldBGM();
    g.run(1250);
    EXPECT_EQ(music().mode(), MusicMode::Playing);
    EXPECT_EQ(log(), (std::vector<std::string>{"open dat\\k_106.wma", "play", "play"}));
    EXPECT_LE(music().positionMs(), 250u) << "started over from the beginning";
    EXPECT_EQ(f().bgmNo, 2);
}

TEST_F(GameMusic, WithoutTheTimerAnEndedPieceStaysStopped) {
    music().setLength("dat\\k_106.wma", 1000);
    f().playFieldBGM();
    f().setMp3TimerEnabled(false);
    g.run(1500);
    EXPECT_EQ(music().mode(), MusicMode::Stopped) << "only the timer loops the music";
}

TEST_F(GameMusic, TheEndingPlaysOnceAndStaysStopped) {
    music().setLength("dat\\free0301.wma", 1000);
    f().bgmNo = 24;
    f().PlayBGM();
    EXPECT_FALSE(f().mp3TimerEnabled());
    EXPECT_FALSE(f().bgmStopped());
    g.run(3000);
    EXPECT_EQ(music().mode(), MusicMode::Stopped);
    EXPECT_TRUE(f().bgmStopped());
    EXPECT_EQ(log(), (std::vector<std::string>{"open dat\\free0301.wma", "play"}));
    EXPECT_EQ(f().bgmNo, 24);
}

// Nothing tells the player about music that cannot be played: it is silent.
TEST(GameMusicMissing, AMissingPieceStopsTheMusicWithoutAMessage) {
    GameFolder folder;
    emptyDat();
    Game g;
    g.f().playFieldBGM();
    EXPECT_EQ(g.f().bgmNo, 0);
    EXPECT_FALSE(g.f().mp3TimerEnabled());
    EXPECT_EQ(g.platform.music.mode(), MusicMode::Closed);
    EXPECT_EQ(g.platform.music.log, (std::vector<std::string>{"open failed dat\\k_106.wma"}));
    g.f().bgmNo = 16;
    g.f().PlayBGM();
    EXPECT_EQ(g.f().bgmNo, 0);
    EXPECT_TRUE(g.platform.messages.empty());
    g.run(500);
    EXPECT_FALSE(g.app.terminated());
}

TEST(GameMusicMissing, AMissingPieceAfterAPlayingOneClosesTheOld) {
    GameFolder folder;
    emptyDat();
    Game g;
    g.platform.music.setLength("dat\\k_106.wma", 60000);
    g.f().playFieldBGM();
    g.f().bgmNo = 16;
    g.f().PlayBGM();
    EXPECT_EQ(g.f().bgmNo, 0);
    EXPECT_EQ(g.platform.music.mode(), MusicMode::Closed);
    EXPECT_EQ(g.platform.music.log,
              (std::vector<std::string>{"open dat\\k_106.wma", "play", "close",
                                        "open failed dat\\house_015.wma"}));
    // Back on the map its music starts again.
    g.f().playFieldBGM();
    EXPECT_EQ(g.f().bgmNo, 2);
    EXPECT_EQ(g.platform.music.mode(), MusicMode::Playing);
}

TEST_F(GameMusic, StopBGMForgetsThePiece) {
    f().playFieldBGM();
    f().StopBGM();
    EXPECT_EQ(f().bgmNo, 0);
    EXPECT_FALSE(f().mp3TimerEnabled());
    EXPECT_EQ(music().mode(), MusicMode::Closed);
    f().playFieldBGM();
    EXPECT_EQ(f().bgmNo, 2) << "the map starts its music again";
    EXPECT_EQ(music().mode(), MusicMode::Playing);
}

struct RaceMusicCase {
    std::vector<StoryFlag> flags;
    std::uint8_t place;
    std::uint8_t expected;
};

TEST_F(GameMusic, TheRaceStartChoosesByTheStory) {
    const std::vector<RaceMusicCase> cases = {
        {{}, 1, 3},
        {{}, 6, 3},
        {{doneChallenge3}, 5, 3},
        {{doneChallenge3}, 6, 4},
        {{doneLast3}, 1, 5},
        {{doneLast3, doneChallenge3}, 6, 5},
        {{doneLast6}, 1, 6},
        {{doneLast6, doneLast3, doneChallenge3}, 6, 6},
    };
    for (const RaceMusicCase& c : cases) {
        f().rec = ProgressRecord{};
        for (StoryFlag fl : c.flags)
            f().flag(fl) = 1;
        f().currentPlace = c.place;
        f().StopBGM();
        log().clear();
        f().playRaceBGM();
        EXPECT_EQ(f().bgmNo, c.expected) << "place " << int(c.place);
        EXPECT_EQ(log(),
                  (std::vector<std::string>{"open " + std::string(musicFile(c.expected)), "play"}));
    }
}

TEST_F(GameMusic, TheRaceMusicGoesOnFromOneRaceToTheNext) {
    f().playRaceBGM();
    g.run(2000);
    f().playRaceBGM();
    EXPECT_EQ(log(), (std::vector<std::string>{"open dat\\spmo_turb2.wma", "play"}));
    // After the twenty-first challenge the map plays the race music too.
    f().flag(doneChallenge21) = 1;
    f().playFieldBGM();
    EXPECT_EQ(log().size(), 2u);
    EXPECT_GE(music().positionMs(), 2000u);
}

TEST_F(GameMusic, AScenePausesAndResumesWithoutLosingThePlace) {
    f().bgmNo = 14;
    f().PlayBGM();
    g.run(1000);
    f().pauseBGM();
    EXPECT_EQ(music().mode(), MusicMode::Paused);
    EXPECT_FALSE(f().mp3TimerEnabled());
    g.run(5000);
    const std::uint32_t at = music().positionMs();
    EXPECT_GE(at, 1000u);
    EXPECT_LT(at, 1200u);
    f().resumeBGM();
    EXPECT_EQ(music().mode(), MusicMode::Playing);
    EXPECT_TRUE(f().mp3TimerEnabled());
    g.run(500);
    EXPECT_GE(music().positionMs(), at + 500);
    EXPECT_EQ(f().bgmNo, 14);
}

TEST_F(GameMusic, AStoppedSceneMusicIsNotLoopedUntilResumed) {
    music().setLength("dat\\k_110.wma", 2000);
    f().bgmNo = 13;
    f().PlayBGM();
    g.run(700);
    f().haltBGM();
    EXPECT_EQ(music().mode(), MusicMode::Stopped);
    g.run(1000);
    EXPECT_EQ(music().mode(), MusicMode::Stopped) << "the timer must not play it on";
    EXPECT_EQ(f().bgmNo, 13);
    f().resumeBGM();
    EXPECT_GE(music().positionMs(), 700u);
    EXPECT_LT(music().positionMs(), 900u) << "on from where it stood";
}

TEST_F(GameMusic, ResumedWithoutTheTimerThePieceEndsOnce) {
    music().setLength("dat\\Kmp141-stage1.wma", 2000);
    f().bgmNo = 10;
    f().PlayBGM();
    g.run(500);
    f().pauseBGM();
    f().resumeBGM(false);
    EXPECT_FALSE(f().mp3TimerEnabled());
    g.run(3000);
    EXPECT_EQ(music().mode(), MusicMode::Stopped);
    // The next change of music loops again.
    f().bgmNo = 10;
    f().PlayBGM();
    EXPECT_TRUE(f().mp3TimerEnabled());
}

TEST_F(GameMusic, NoMusicNumberPlaysNothing) {
    f().bgmNo = 0;
    f().PlayBGM();
    f().bgmNo = 25;
    f().PlayBGM();
    EXPECT_TRUE(log().empty());
    EXPECT_FALSE(f().mp3TimerEnabled());
}

TEST(GameMusicFile, ARealWmaPieceLoopsAtItsOwnLength) {
    GameFolder folder;
    emptyDat();
    const int frames = 44 * 2048; // about 2.04 s
    ASSERT_TRUE(writeTone("dat/house_006.wma", "wmav2", 44100, 2, frames));
    Game g;
    g.f().changeBGM(7);
    ASSERT_EQ(g.f().bgmNo, 7);
    g.run(1900);
    EXPECT_EQ(g.platform.music.log.size(), 2u) << "still on its first time through";
    g.run(400);
    EXPECT_EQ(g.platform.music.log,
              (std::vector<std::string>{"open dat\\house_006.wma", "play", "play"}));
}

// The map's own way in: the music starts with the map and goes on when the map
// is shown again after a scene.
TEST_F(GameMusic, EnteringTheMapTwiceKeepsItsMusicGoing) {
    f().eventToMap();
    ASSERT_FALSE(g.app.terminated());
    EXPECT_EQ(f().screenMode, 2);
    EXPECT_EQ(f().bgmNo, 2);
    g.run(2000);
    f().eventToMap();
    EXPECT_EQ(log(), (std::vector<std::string>{"open dat\\k_106.wma", "play"}));
    EXPECT_GE(music().positionMs(), 2000u);
}
