#include "platform/SoundCommands.h"

#include "platform/Platform.h"

#include <cctype>
#include <vector>

namespace zb {

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// Words separated by blanks; a word in double quotes may hold blanks. False when
// a quote is left open.
bool splitWords(const std::string& text, std::vector<std::string>& words) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::size_t end = text.find('"', i + 1);
            if (end == std::string::npos) return false;
            words.push_back(text.substr(i + 1, end - i - 1));
            i = end + 1;
            if (i < text.size() && text[i] != ' ') return false;
            continue;
        }
        const std::size_t end = text.find_first_of(" \"", i);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        words.push_back(text.substr(i, stop - i));
        i = stop;
    }
    return true;
}

bool parseMs(const std::string& s, std::uint32_t& ms) {
    if (s.empty() || s.size() > 9) return false;
    std::uint32_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + static_cast<std::uint32_t>(c - '0');
    }
    ms = v;
    return true;
}

constexpr const char* kNotOpen = "error: no sound is open under that name";
constexpr const char* kUnknown = "error: unknown command";
constexpr const char* kInUse = "error: that name is already open";
constexpr const char* kCannotOpen = "error: the file cannot be played";

} // namespace

SoundCommand parseSoundCommand(const std::string& text) {
    SoundCommand cmd;
    std::vector<std::string> w;
    if (!splitWords(text, w) || w.size() < 2 || w[1].empty()) return cmd;
    const std::string verb = lower(w[0]);
    cmd.alias = lower(w[1]);
    if (verb == "open") {
        if (w.size() != 4 || lower(w[2]) != "alias" || w[3].empty()) return cmd;
        cmd.file = w[1];
        cmd.alias = lower(w[3]);
        cmd.verb = SoundCommand::Verb::Open;
    } else if (verb == "play") {
        if (w.size() < 4 || w.size() > 5 || lower(w[2]) != "from" || !parseMs(w[3], cmd.fromMs))
            return cmd;
        if (w.size() == 5 && lower(w[4]) != "notify") return cmd;
        cmd.verb = SoundCommand::Verb::Play;
    } else if (verb == "stop" && w.size() == 2) {
        cmd.verb = SoundCommand::Verb::Stop;
    } else if (verb == "close" && w.size() == 2) {
        cmd.verb = SoundCommand::Verb::Close;
    } else if (verb == "status" && w.size() == 3 && lower(w[2]) == "mode") {
        cmd.verb = SoundCommand::Verb::Status;
    }
    return cmd;
}

SoundCommandInterpreter::~SoundCommandInterpreter() {
    for (const auto& [alias, handle] : open_)
        mixer_.unload(handle);
}

std::string SoundCommandInterpreter::send(const std::string& command) {
    const SoundCommand cmd = parseSoundCommand(command);
    if (cmd.verb == SoundCommand::Verb::Invalid) return kUnknown;
    auto it = open_.find(cmd.alias);
    if (cmd.verb == SoundCommand::Verb::Open) {
        // The name keeps what it was opened with first.
        if (it != open_.end()) return kInUse;
        const int handle = mixer_.load(nativePath(cmd.file));
        if (handle < 0) return kCannotOpen;
        open_.emplace(cmd.alias, handle);
        return "";
    }
    if (it == open_.end()) return kNotOpen;
    const int handle = it->second;
    switch (cmd.verb) {
    case SoundCommand::Verb::Play:
        mixer_.play(handle, cmd.fromMs);
        return "";
    case SoundCommand::Verb::Stop:
        mixer_.stop(handle);
        return "";
    case SoundCommand::Verb::Close:
        mixer_.unload(handle);
        open_.erase(it);
        return "";
    case SoundCommand::Verb::Status:
        return mixer_.playing(handle) ? "playing" : "stopped";
    default:
        return kUnknown;
    }
}

} // namespace zb
