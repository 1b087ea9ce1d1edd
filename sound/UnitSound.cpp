// The sound effects: each numbered wave file "dat\seN.wav" is opened under its
// own name "seN", so several sound at once and each restarts at once. The
// replies are ignored: a missing file only means that sound is not heard.

#include "sound/UnitSound.h"

#include "app/UnitMain.h"
#include "platform/SoundCommands.h"

namespace zb {

namespace {

std::string send(TForm1& form, const std::string& command) {
    return form.platform.mciSendString(command);
}

std::string alias(std::uint8_t n) {
    return "se" + std::to_string(n);
}

// The status reply arrives in a 70-character buffer: at most 69 characters.
constexpr std::size_t kReplyBuffer = 70;

} // namespace

void openSoundEffects(TForm1& form) {
    for (std::uint8_t n = 1; n <= kStartEffects; ++n)
        openSoundEffect(form, n);
}

void openSoundEffect(TForm1& form, std::uint8_t n) {
    send(form, "open \"dat\\se" + std::to_string(n) + ".wav\" alias " + alias(n));
}

void playSoundEffect(TForm1& form, std::uint8_t n) {
    send(form, "play " + alias(n) + " from 0 notify");
}

void stopSoundEffect(TForm1& form, std::uint8_t n) {
    send(form, "stop " + alias(n));
}

void closeSoundEffect(TForm1& form, std::uint8_t n) {
    stopSoundEffect(form, n);
    send(form, "close " + alias(n));
}

void closeSceneSoundEffects(TForm1& form) {
    for (std::uint8_t n = kStartEffects + 1; n <= kLastEffect; ++n)
        closeSoundEffect(form, n);
}

void closeAllSoundEffects(TForm1& form) {
    for (std::uint8_t n = 1; n <= kLastEffect; ++n)
        closeSoundEffect(form, n);
}

// Keeps a looping crowd noise going: started again once it has run out, never
// cut off while it still sounds.
void loopSoundEffect(TForm1& form, std::uint8_t n) {
    std::string reply = send(form, "status " + alias(n) + " mode");
    if (reply.size() >= kReplyBuffer) reply.resize(kReplyBuffer - 1);
    if (reply.compare(0, 7, "stopped") != 0) return;
    if (isSoundError(send(form, "play " + alias(n) + " from 0 notify"))) stopSoundEffect(form, n);
}

} // namespace zb
