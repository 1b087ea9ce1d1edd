// The game's file names as paths on this machine, and the two folders they lie
// in (GameFolders.h).

#include "platform/GameFolders.h"
#include "platform/Platform.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace zb {

namespace {

namespace fs = std::filesystem;

// Set once at start-up, before the game exists; read-only after that.
GameFolders& folders() {
    static GameFolders f;
    return f;
}

std::string inFolder(const std::string& folder, const std::string& gamePath) {
    std::string p = gamePath;
    for (char& c : p)
        if (c == '\\') c = '/';
    if (folder.empty()) return p;
    return (fs::path(folder) / p).string();
}

bool holdsGameData(const fs::path& dir) {
    std::error_code ec;
    return !dir.empty() && fs::is_directory(dir / "img", ec);
}

bool canWrite(const fs::path& dir) {
    std::error_code ec;
    return fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

// Tidy for messages and tests: "/usr/games/../share/games/zirubo" becomes
// "/usr/share/games/zirubo" when that folder is there.
std::string tidy(const fs::path& dir) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(dir, ec);
    return (ec ? dir : p).lexically_normal().string();
}

} // namespace

GameFolders findGameFolders(const std::string& exeDir, const std::string& workDir,
                            const std::function<std::string()>& userFolder) {
    const fs::path exe = exeDir;
    const fs::path installed = exeDir.empty() ? fs::path() : exe / kInstalledDataFolder;
    const fs::path work = workDir;

    GameFolders found;
    bool portable = true;
    // The working directory comes last: a folder that happens to hold an img/
    // where the player stands must not hide the installed game.
    if (holdsGameData(exe)) {
        found.data = tidy(exe);
    } else if (holdsGameData(installed)) {
        found.data = tidy(installed);
        portable = false;
    } else {
        found.data = tidy(work);
    }

    // A portable copy keeps its saves beside its pictures, where they have
    // always been, as long as it can; an installed game never writes into the
    // folder it was installed to, even where it could (run by root, installed
    // under the player's home).
    if (portable && canWrite(fs::path(found.data) / "dat")) {
        found.saves = found.data;
        return found;
    }
    const std::string own = userFolder ? userFolder() : std::string();
    found.saves = own.empty() ? found.data : tidy(own);
    return found;
}

void useGameFolders(const GameFolders& f) {
    folders() = f;
}

const GameFolders& gameFolders() {
    return folders();
}

std::string nativePath(const std::string& gamePath) {
    return inFolder(folders().data, gamePath);
}

std::string savePath(const std::string& gamePath) {
    return inFolder(folders().saves, gamePath);
}

} // namespace zb
