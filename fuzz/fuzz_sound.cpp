// The sound-effect command interpreter on the silent mixer: the input is a list
// of command lines. A few wave files lie in dat/ (one cut short, one not a sound
// at all) so opening works on real files. Only files inside the scratch game
// folder are opened; a line "wait N" moves the clock on N milliseconds.

#include "platform/SilentAudio.h"
#include "platform/SoundCommands.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

void put16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 255);
    s += static_cast<char>((v >> 8) & 255);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xffff);
    put16(s, v >> 16);
}

// A 16-bit mono wave file of `ms` milliseconds of silence at 8 kHz.
std::string wave(std::uint32_t ms) {
    const std::uint32_t bytes = ms * 8 * 2;
    std::string s = "RIFF";
    put32(s, 36 + bytes);
    s += "WAVEfmt ";
    put32(s, 16);
    put16(s, 1);
    put16(s, 1);
    put32(s, 8000);
    put32(s, 16000);
    put16(s, 2);
    put16(s, 16);
    s += "data";
    put32(s, bytes);
    s.append(bytes, '\0');
    return s;
}

void writeFile(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

std::uint32_t now = 0;

struct Sound {
    Sound() {
        char name[] = "/tmp/zirubo-fuzz-sound-XXXXXX";
        if (mkdtemp(name) == nullptr) std::abort();
        dir = name;
        fs::create_directories(dir / "dat");
        fs::current_path(dir);
        writeFile("dat/se1.wav", wave(120));
        writeFile("dat/se2.wav", wave(1000));
        writeFile("dat/se13.wav", wave(30));
        writeFile("dat/se21.wav", wave(1000).substr(0, 300)); // cut short
        writeFile("dat/se4.wav", "not a sound at all");
    }
    ~Sound() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    fs::path dir;
    zb::SilentEffects mixer{[] { return now; }};
};

// Opening is only tried for files inside the game folder: the fuzzer has no
// business reading the rest of the machine.
bool staysInside(const std::string& gamePath) {
    return !gamePath.empty() && gamePath.find(':') == std::string::npos &&
           gamePath.find("..") == std::string::npos && gamePath[0] != '/' && gamePath[0] != '\\';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Sound sound; // the folder is removed when the run ends
    const std::string text(reinterpret_cast<const char*>(data), size);
    zb::SoundCommandInterpreter interpreter(sound.mixer);
    std::size_t opened = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.rfind("wait ", 0) == 0) {
            now += static_cast<std::uint32_t>(std::strtoul(line.c_str() + 5, nullptr, 10));
            continue;
        }
        const zb::SoundCommand cmd = zb::parseSoundCommand(line);
        if (cmd.verb == zb::SoundCommand::Verb::Open && !staysInside(cmd.file)) continue;
        const std::size_t before = interpreter.openCount();
        const std::string reply = interpreter.send(line);
        const bool error = zb::isSoundError(reply);
        // Replies are one of the few the game knows.
        if (!error && !reply.empty() && reply != "playing" && reply != "stopped") std::abort();
        if ((reply == "playing" || reply == "stopped") &&
            cmd.verb != zb::SoundCommand::Verb::Status)
            std::abort();
        // Only an open adds a name and only a close takes one away, and an error
        // changes nothing.
        const std::size_t after = interpreter.openCount();
        if (error && after != before) std::abort();
        if (cmd.verb == zb::SoundCommand::Verb::Open && !error && after != before + 1) std::abort();
        if (cmd.verb == zb::SoundCommand::Verb::Close && !error && after + 1 != before)
            std::abort();
        if (cmd.verb == zb::SoundCommand::Verb::Open && !error) ++opened;
        now += 3;
    }
    if (interpreter.openCount() > opened) std::abort();
    return 0;
}
