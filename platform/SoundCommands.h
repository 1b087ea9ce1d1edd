#pragma once
// The sound-effect command strings the game sends, in the words of the Windows
// multimedia interface its sound code was written against:
//
//   open "dat\se4.wav" alias se4     load a wave file under a name
//   play se4 from 0 notify           (re)start it from that millisecond
//   stop se4                         silence it; it stays loaded
//   close se4                        silence and forget it
//   status se4 mode                  "playing" or "stopped"
//
// Both backends understand exactly these through one interpreter; only what
// "load", "play" and "is it sounding" mean differs between them (EffectMixer).
// Anything else — another verb, a name that is not open, a file that cannot be
// played — gets an error reply and changes nothing; the game ignores it and goes
// on without that sound.

#include <cstdint>
#include <map>
#include <string>

namespace zb {

struct SoundCommand {
    enum class Verb : std::uint8_t { Open, Play, Stop, Close, Status, Invalid };
    Verb verb = Verb::Invalid;
    std::string alias;        // lower case: names are not case-sensitive
    std::string file;         // open: the game path as written between the quotes
    std::uint32_t fromMs = 0; // play: where to start
};

// Reads one command; Verb::Invalid when it is not one of the forms above.
SoundCommand parseSoundCommand(const std::string& text);

// Every error reply starts with this, so "status" answers never look like one.
inline constexpr const char* kSoundErrorPrefix = "error";
inline bool isSoundError(const std::string& reply) {
    return reply.rfind(kSoundErrorPrefix, 0) == 0;
}

// What a backend does with the effects the commands name. Handles are small
// numbers the mixer chooses; -1 means the file could not be loaded.
class EffectMixer {
  public:
    virtual ~EffectMixer() = default;
    // `nativePath` is already a path for this machine.
    virtual int load(const std::string& nativePath) = 0;
    // Starts from `fromMs`; an effect still sounding starts over.
    virtual void play(int handle, std::uint32_t fromMs) = 0;
    virtual void stop(int handle) = 0;
    virtual bool playing(int handle) = 0;
    virtual void unload(int handle) = 0;
};

class SoundCommandInterpreter {
  public:
    explicit SoundCommandInterpreter(EffectMixer& mixer) : mixer_(mixer) {}
    SoundCommandInterpreter(const SoundCommandInterpreter&) = delete;
    SoundCommandInterpreter& operator=(const SoundCommandInterpreter&) = delete;
    // Whatever is still open is unloaded.
    ~SoundCommandInterpreter();

    // The reply: "" when done, "playing"/"stopped" for a status, or an error.
    std::string send(const std::string& command);
    // How many names are open now.
    std::size_t openCount() const { return open_.size(); }

  private:
    EffectMixer& mixer_;
    std::map<std::string, int> open_; // alias -> mixer handle
};

} // namespace zb
