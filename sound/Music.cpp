// The music: one piece at a time on the platform's music player, chosen by
// number (`bgmNo`). Pieces 1..23 loop: a 100 ms timer sees the player stopped at
// the end and plays again, which rewinds. The ending's piece plays once.

#include "app/UnitMain.h"
#include "sound/UnitSound.h"

#include <array>

namespace zb {

namespace {

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
