#pragma once
// Where the game's files lie on this machine. The game names its files as it
// always has ("img\title.bmp", "dat\se1.wav", "dat\save01.bin"); platform/ turns
// such a name into a path in one of two folders:
// - the data folder, whose img/ and dat/ hold the pictures, effects and music,
//   which the game only reads;
// - the save folder, whose dat/ holds the four slots and the master file, so a
//   slot copies between a portable and an installed game as it is.
// Until start-up says otherwise both are the working directory: that is how the
// headless backend, and with it every test of the game, runs.

#include <functional>
#include <string>

namespace zb {

struct GameFolders {
    std::string data;  // "" = the working directory
    std::string saves; // "" = the working directory
};

// The installed game's data folder, seen from the folder of its executable
// (Debian's layout for games: /usr/games and /usr/share/games/zirubo).
inline constexpr const char* kInstalledDataFolder = "../share/games/zirubo";

// The folders of a game whose executable lies in exeDir, started in workDir.
// - A portable copy (img/ beside the executable; else the installed data
//   folder; else img/ in the working directory, as the game has always run)
//   keeps its saves in its own dat/ while that can be written.
// - An installed game, or a portable copy that cannot be written, keeps them in
//   the player's own folder: userFolder() names it, made if need be, with its
//   dat/ in it, or answers "" when there is none; the saves then stay where the
//   data is, and saving fails there as with any read-only dat/.
// userFolder is asked only when it is needed.
GameFolders findGameFolders(const std::string& exeDir, const std::string& workDir,
                            const std::function<std::string()>& userFolder);

// The folders every path of the game resolves in from now on; set once, at
// start-up, before the game form is made.
void useGameFolders(const GameFolders& folders);
const GameFolders& gameFolders();

} // namespace zb
