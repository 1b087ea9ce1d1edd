#pragma once
// The game installed into a scratch folder, and the player who runs it: the
// tests start the installed executable, or run the game's own code with the
// folders that executable finds, always as an ordinary user, so a folder that
// cannot be written really cannot be (root writes through any folder).

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zb::test {

// One `cmake --install` of this build into <base>/usr, made read-only.
class ScratchInstall {
  public:
    ScratchInstall();
    ~ScratchInstall();
    ScratchInstall(const ScratchInstall&) = delete;
    ScratchInstall& operator=(const ScratchInstall&) = delete;
    bool ok() const { return ok_; }
    const std::string& log() const { return log_; }
    const std::filesystem::path& base() const { return base_; }
    std::filesystem::path prefix() const { return base_ / "usr"; }
    std::filesystem::path gamesDir() const { return prefix() / "games"; }
    std::filesystem::path dataDir() const { return prefix() / "share/games/zirubo"; }
    // A new empty folder under the scratch base that the player owns.
    std::filesystem::path playerFolder(const std::string& name) const;

  private:
    std::filesystem::path base_;
    bool ok_ = false;
    std::string log_;
};

// The one install every test of this program shares, made at first use.
const ScratchInstall& theInstall();

// Runs body in a child process as the player (an ordinary user; nobody when the
// tests run as root). body returns "" when all was as expected, else what was
// not. Returns the same, or why the child did not finish.
std::string asPlayer(const std::function<std::string()>& body);

// The player starts a program: env is laid over a copy of this process's
// environment without any display or desktop folders (a value of "" removes).
struct GameRun {
    int exitCode = -1;  // -1: killed by a signal other than the one sent, or did not start
    std::string output; // standard output and error together
    bool sawFrame = false;
};
// Starts exe in cwd; once a frame file of SDL's dummy video driver appears in
// cwd (or the program ends, or timeout passes) it is asked to close like a
// window (SIGTERM) and waited for.
GameRun runAsPlayer(const std::filesystem::path& exe, const std::filesystem::path& cwd,
                    const std::map<std::string, std::string>& env,
                    std::chrono::milliseconds timeout = std::chrono::seconds(20));

std::vector<std::uint8_t> readFile(const std::filesystem::path& p);
bool writeFile(const std::filesystem::path& p, const std::vector<std::uint8_t>& bytes);
// Every regular file under dir with its size, "path relative to dir" -> bytes.
std::map<std::string, std::uintmax_t> listFiles(const std::filesystem::path& dir);
// Runs a shell command line; returns its exit status and puts its output in out.
int shell(const std::string& command, std::string& out);

} // namespace zb::test
