// The music: one piece at a time on the platform's music player, chosen by
// number (`bgmNo`). Pieces 1..23 loop: a 100 ms timer sees the player stopped at
// the end and plays again, which rewinds. The ending's piece plays once.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

#include <array>

namespace zb {

namespace {

// The music files by number, relative to the game's folder; [0] is no music.
constexpr std::array<const char*, kMusicCount + 1> kMusicFiles = {
    nullptr,
    "dat\\free0628.wma",            // 1  opening and story scenes
    "dat\\k_106.wma",               // 2  city map
    "dat\\spmo_turb2.wma",          // 3  ordinary race; city map once doneChallenge21
    "dat\\k_140.wma",               // 4  race at place 6 once doneChallenge3
    "dat\\k_141.wma",               // 5  race once doneLast3
    "dat\\free0558.wma",            // 6  race once doneLast6
    "dat\\house_006.wma",           // 7  driving school
    "dat\\Kmp107-invention_k2.wma", // 8
    "dat\\k_27.wma",                // 9
    "dat\\Kmp141-stage1.wma",       // 10
    "dat\\free41.wma",              // 11
    "dat\\KmpJ12-j_doos1.wma",      // 12
    "dat\\k_110.wma",               // 13
    "dat\\free0211.wma",            // 14
    "dat\\free0227.wma",            // 15
    "dat\\house_015.wma",           // 16 parts shop
    "dat\\slap_bass_r_002.wma",     // 17 bike setting
    "dat\\dos.wma",                 // 18
    "dat\\sora_012_.wma",           // 19
    "dat\\k_104.wma",               // 20
    "dat\\free0625.wma",            // 21
    "dat\\continue_007.wma",        // 22
    "dat\\continue2_012.wma",       // 23
    "dat\\free0301.wma",            // 24 ending, played once
};
static_assert(kMusicFiles.size() == 25);

constexpr std::uint32_t kMp3TimerInterval = 100;

} // namespace

const char* musicFile(std::uint8_t n) {
    return n < kMusicFiles.size() ? kMusicFiles[n] : nullptr;
}

MusicPlayer& TForm1::mp3player() {
    return platform.musicPlayer();
}

void TForm1::setMp3TimerEnabled(bool on) {
    if (Mp3Timer < 0) {
        if (!on) return;
        Mp3Timer = app.addTimer(kMp3TimerInterval, [this] { Mp3TimerTimer(); });
    }
    app.setTimerEnabled(Mp3Timer, on);
}

bool TForm1::mp3TimerEnabled() const {
    return Mp3Timer >= 0 && app.timerEnabled(Mp3Timer);
}

bool TForm1::PlayMP3(const std::string& file) {
    MusicPlayer& player = mp3player();
    player.close();
    return player.open(file) && player.play();
}

void TForm1::PlayBGM() {
    setMp3TimerEnabled(false);
    const char* file = musicFile(bgmNo);
    if (file == nullptr) return;
    // A piece that cannot be played leaves the game silent, never stopped.
    if (!PlayMP3(file)) {
        StopBGM();
        return;
    }
    if (bgmNo != kEndingMusic) setMp3TimerEnabled(true);
}

void TForm1::StopBGM() {
    bgmNo = 0;
    setMp3TimerEnabled(false);
    mp3player().close();
}

void TForm1::Mp3TimerTimer() {
    MusicPlayer& player = mp3player();
    if (player.mode() == MusicMode::Stopped && !player.play()) StopBGM();
}

void TForm1::changeBGM(std::uint8_t n) {
    if (bgmNo == n) return;
    StopBGM();
    bgmNo = n;
    PlayBGM();
}

void TForm1::playFieldBGM() {
    changeBGM(flag(doneChallenge21) ? 3 : 2);
}

void TForm1::playRaceBGM() {
    std::uint8_t n = 3;
    if (flag(doneLast6))
        n = 6;
    else if (flag(doneLast3))
        n = 5;
    else if (currentPlace == 6 && flag(doneChallenge3))
        n = 4;
    changeBGM(n);
}

void TForm1::pauseBGM() {
    mp3player().pause();
    setMp3TimerEnabled(false);
}

void TForm1::haltBGM() {
    mp3player().stop();
    setMp3TimerEnabled(false);
}

void TForm1::resumeBGM(bool loop) {
    if (mp3player().play() && loop) setMp3TimerEnabled(true);
}

bool TForm1::bgmStopped() {
    const MusicMode m = mp3player().mode();
    return m == MusicMode::Stopped || m == MusicMode::Closed;
}

void TForm1::closeMusicPlayer() {
    StopBGM();
}

} // namespace zb
