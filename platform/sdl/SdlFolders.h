#pragma once
// The game's folders as the SDL game finds them at start-up: its executable's
// folder from SDL_GetBasePath, the player's own folder from SDL_GetPrefPath
// ($XDG_DATA_HOME/zirubo/ on Linux, ~/.local/share/zirubo/ without it).

#include "platform/GameFolders.h"

#include <SDL.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace zb {

// The folder the running executable lies in; "" when SDL cannot tell.
inline std::string sdlExecutableFolder() {
    char* base = SDL_GetBasePath();
    if (base == nullptr) return {};
    std::string dir = base;
    SDL_free(base);
    return dir;
}

// The player's own folder for this game with its dat/, made if need be; ""
// when it cannot be made (no home, or a home that cannot be written).
inline std::string sdlUserFolder() {
    char* pref = SDL_GetPrefPath("", "zirubo");
    if (pref == nullptr) return {};
    const std::filesystem::path dir = pref;
    SDL_free(pref);
    std::error_code ec;
    std::filesystem::create_directory(dir / "dat", ec);
    if (!std::filesystem::is_directory(dir / "dat", ec)) return {};
    return dir.string();
}

// The folders of the game whose executable lies in exeDir, started in the
// current working directory.
inline GameFolders sdlGameFolders(const std::string& exeDir) {
    std::error_code ec;
    const std::filesystem::path work = std::filesystem::current_path(ec);
    return findGameFolders(exeDir, ec ? std::string() : work.string(), sdlUserFolder);
}

} // namespace zb
