#include "platform/SilentAudio.h"

#include "platform/AudioDecoder.h"

namespace zb {

int SilentEffects::load(const std::string& nativePath) {
    const auto info = audio::probeAudio(nativePath);
    if (!info) return -1;
    Effect e;
    e.loaded = true;
    e.lengthMs = info->durationMs;
    for (std::size_t i = 0; i < effects_.size(); ++i) {
        if (!effects_[i].loaded) {
            effects_[i] = e;
            return static_cast<int>(i);
        }
    }
    effects_.push_back(e);
    return static_cast<int>(effects_.size()) - 1;
}

void SilentEffects::play(int handle, std::uint32_t fromMs) {
    Effect& e = effects_.at(static_cast<std::size_t>(handle));
    e.startedAt = clock_() - fromMs;
    e.sounding = fromMs < e.lengthMs;
}

void SilentEffects::stop(int handle) {
    effects_.at(static_cast<std::size_t>(handle)).sounding = false;
}

bool SilentEffects::playing(int handle) {
    Effect& e = effects_.at(static_cast<std::size_t>(handle));
    if (e.sounding && clock_() - e.startedAt >= e.lengthMs) e.sounding = false;
    return e.sounding;
}

void SilentEffects::unload(int handle) {
    effects_.at(static_cast<std::size_t>(handle)) = Effect{};
}

std::uint32_t SilentEffects::lengthMs(int handle) const {
    return effects_.at(static_cast<std::size_t>(handle)).lengthMs;
}

bool SilentMusicPlayer::open(const std::string& gamePath) {
    close();
    std::uint32_t length = 0;
    if (auto it = lengths_.find(gamePath); it != lengths_.end()) {
        length = it->second;
    } else {
        const auto info = audio::probeAudio(nativePath(gamePath));
        if (!info) {
            note("open failed " + gamePath);
            return false;
        }
        length = info->durationMs;
    }
    file_ = gamePath;
    length_ = length;
    position_ = 0;
    mode_ = MusicMode::Stopped;
    note("open " + gamePath);
    return true;
}

void SilentMusicPlayer::advance() {
    if (mode_ != MusicMode::Playing) return;
    const std::uint32_t now = clock_();
    const std::uint32_t left = length_ - position_;
    const std::uint32_t passed = now - markedAt_;
    if (passed >= left) {
        position_ = length_;
        mode_ = MusicMode::Stopped;
    } else {
        position_ += passed;
    }
    markedAt_ = now;
}

bool SilentMusicPlayer::play() {
    advance();
    if (mode_ == MusicMode::Closed) return false;
    if (position_ >= length_) position_ = 0;
    mode_ = MusicMode::Playing;
    markedAt_ = clock_();
    note("play");
    return true;
}

void SilentMusicPlayer::pause() {
    advance();
    if (mode_ == MusicMode::Playing) {
        mode_ = MusicMode::Paused;
        note("pause");
    } else if (mode_ == MusicMode::Paused) {
        mode_ = MusicMode::Playing;
        markedAt_ = clock_();
        note("pause");
    }
}

void SilentMusicPlayer::stop() {
    advance();
    if (mode_ == MusicMode::Closed) return;
    mode_ = MusicMode::Stopped;
    note("stop");
}

void SilentMusicPlayer::close() {
    if (mode_ == MusicMode::Closed) return;
    mode_ = MusicMode::Closed;
    file_.clear();
    length_ = position_ = 0;
    note("close");
}

MusicMode SilentMusicPlayer::mode() {
    advance();
    return mode_;
}

std::uint32_t SilentMusicPlayer::positionMs() {
    advance();
    return position_;
}

} // namespace zb
