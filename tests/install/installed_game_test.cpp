// Where the game reads and writes, started as a player starts it: the installed
// game from its read-only copy, and a portable copy with its folder writable or
// not. The installed executable itself is started on SDL's dummy video driver;
// a save goes through the game's own data menu, played with the mouse on the
// headless backend with the folders found exactly as the executable finds them
// (platform/sdl/SdlFolders.h: SDL_GetBasePath's folder, SDL_GetPrefPath).

#include "tests/DataMenuHarness.h"
#include "tests/install/InstallHarness.h"

#include "platform/sdl/SdlFolders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zb;
using namespace zb::test;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const ProgressRecord& r) {
    const RecordBytes b = encodeRecord(r);
    return {b.begin(), b.end()};
}

// A slot as a game well under way leaves it.
Bytes playedSlot() {
    ProgressRecord r;
    r.ownedItems[2] = 1;
    r.equippedItems[2] = 1;
    for (int k = 0; k <= doneStreet2; ++k)
        r.storyFlags[static_cast<std::size_t>(k)] = 1;
    r.savedMapLeft = -120;
    r.savedMapTop = -80;
    r.savedEyeLeft = 210;
    r.savedEyeTop = 96;
    r.points = 4321;
    r.winCount = 5;
    return bytesOf(r);
}

std::string failIf(bool bad, const std::string& what) {
    return bad ? what + "\n" : std::string();
}

// A portable copy as a player unpacks it, in a folder of theirs: the installed
// pictures (linked) beside the game.
fs::path unpackCopy(const ScratchInstall& in, const std::string& name) {
    const fs::path copy = in.playerFolder(name);
    fs::create_directory_symlink(in.dataDir() / "img", copy / "img");
    return copy;
}

// In the player's process: the copy's dat/ with a played slot 1 in it. What
// went wrong, or nothing.
std::string putPlayedSlot(const fs::path& copy) {
    fs::create_directory(copy / "dat");
    return writeFile(copy / "dat/save01.bin", playedSlot()) ? "" : "cannot put slot 1";
}

std::string tidy(const fs::path& p) {
    return fs::weakly_canonical(p).lexically_normal().string();
}

// In the player's process: their home, an empty working directory, and the
// folders the game finds from an executable in exeDir.
std::string startAsPlayer(const fs::path& home, const fs::path& exeDir, GameFolders& found) {
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
    const fs::path work = home / "work";
    std::error_code ec;
    fs::create_directories(work, ec);
    if (::chdir(work.c_str()) != 0) return "cannot enter " + work.string();
    found = sdlGameFolders(exeDir.string());
    useGameFolders(found);
    return {};
}

// Loads slot 1 from the title, plays on and saves into `slot` from the map; the
// menu must answer savedMessage. Returns what went wrong.
std::string loadOneSaveTo(Game& g, int slot, const std::string& savedMessage) {
    openLoadMenu(g);
    chooseSlot(g, 1);
    if (g.f().screenMode != 2) return "slot 1 did not load: " + g.f().line1->caption();
    g.f().rec.points = 99999; // played on since the load
    pressSaveButton(g);
    chooseSlot(g, slot);
    return failIf(g.f().line1->caption() != savedMessage,
                  "the menu says \"" + g.f().line1->caption() + "\"");
}

std::map<std::string, std::string> playerEnv(const fs::path& home) {
    return {{"HOME", home.string()},
            {"XDG_DATA_HOME", (home / "data").string()},
            {"XDG_RUNTIME_DIR", home.string()},
            {"SDL_VIDEODRIVER", "dummy"},
            {"SDL_AUDIODRIVER", "dummy"},
            {"SDL_VIDEO_DUMMY_SAVE_FRAMES", "1"}};
}

} // namespace

TEST(InstalledGame, StartsFromItsSharedFolderAndWritesOnlyInThePlayersFolder) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    const auto installed = listFiles(in.prefix());
    const fs::path home = in.playerFolder("home-start");
    const fs::path work =
        in.playerFolder("work-start"); // holds no img/: the pictures come from the install

    const GameRun run = runAsPlayer(in.gamesDir() / "zirubo", work, playerEnv(home));
    EXPECT_TRUE(run.sawFrame) << "the title was never shown:\n" << run.output;
    EXPECT_EQ(run.exitCode, 0) << run.output;
    // At its first start the game writes its master file, in the player's folder.
    EXPECT_EQ(fs::file_size(home / "data/zirubo/dat/data.bin"), 1025u);
    EXPECT_EQ(listFiles(home / "data/zirubo"),
              (std::map<std::string, std::uintmax_t>{{"dat/data.bin", 1025}}));
    EXPECT_EQ(listFiles(in.prefix()), installed);
}

TEST(InstalledGame, SavesASlotThroughTheMenuIntoThePlayersFolder) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    const auto installed = listFiles(in.prefix());
    const fs::path home = in.playerFolder("home-save");
    const std::string report = asPlayer([&] {
        GameFolders found;
        std::string bad = startAsPlayer(home, in.gamesDir(), found);
        bad += failIf(found.data != tidy(in.dataDir()), "pictures from " + found.data);
        bad += failIf(found.saves != tidy(home / "data/zirubo"), "saves in " + found.saves);
        if (!bad.empty()) return bad;
        // A slot brought over from a portable copy, file for file.
        const fs::path dat = home / "data/zirubo/dat";
        if (!writeFile(dat / "save01.bin", playedSlot())) return std::string("cannot put slot 1");
        Game g;
        bad += loadOneSaveTo(g, 2, "スロット 2 にセーブしました");
        const Bytes slot = readFile(dat / "save02.bin");
        bad += failIf(slot.size() != 232, "slot 2 holds " + std::to_string(slot.size()) + " bytes");
        bad += failIf(slot != bytesOf(g.f().rec), "slot 2 is not the game's record");
        bad += failIf(readFile(dat / "save01.bin") != playedSlot(), "slot 1 changed");
        bad += failIf(fs::file_size(dat / "data.bin") != 1025, "no master file beside the slots");
        return bad;
    });
    EXPECT_EQ(report, "");
    EXPECT_EQ(listFiles(in.prefix()), installed);
}

TEST(PortableCopy, SavesBesideItsPicturesWhileItsFolderCanBeWritten) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    const fs::path home = in.playerFolder("home-portable");
    const fs::path copy = unpackCopy(in, "portable");
    const std::string report = asPlayer([&] {
        if (std::string why = putPlayedSlot(copy); !why.empty()) return why;
        GameFolders found;
        std::string bad = startAsPlayer(home, copy, found);
        bad += failIf(found.data != tidy(copy) || found.saves != tidy(copy),
                      "folders " + found.data + " and " + found.saves);
        Game g;
        bad += loadOneSaveTo(g, 2, "スロット 2 にセーブしました");
        bad += failIf(readFile(copy / "dat/save02.bin") != bytesOf(g.f().rec),
                      "slot 2 is not beside the pictures");
        bad += failIf(fs::exists(home / "data/zirubo"), "a player's folder was made");
        return bad;
    });
    EXPECT_EQ(report, "");
}

TEST(PortableCopy, ThatCannotBeWrittenSavesInThePlayersFolder) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    const fs::path home = in.playerFolder("home-readonly");
    const fs::path copy = unpackCopy(in, "readonly");
    const std::string report = asPlayer([&] {
        if (std::string why = putPlayedSlot(copy); !why.empty()) return why;
        ::chmod((copy / "dat").c_str(), 0555);
        ::chmod(copy.c_str(), 0555);
        GameFolders found;
        std::string bad = startAsPlayer(home, copy, found);
        bad += failIf(found.data != tidy(copy) || found.saves != tidy(home / "data/zirubo"),
                      "folders " + found.data + " and " + found.saves);
        // The player carries the slot over to their own folder.
        if (!writeFile(home / "data/zirubo/dat/save01.bin", playedSlot()))
            return bad + "cannot carry slot 1 over";
        Game g;
        bad += loadOneSaveTo(g, 2, "スロット 2 にセーブしました");
        bad += failIf(readFile(home / "data/zirubo/dat/save02.bin") != bytesOf(g.f().rec),
                      "slot 2 is not in the player's folder");
        bad += failIf(listFiles(copy / "dat").size() != 1, "the read-only copy was written");
        return bad;
    });
    EXPECT_EQ(report, "");
}

TEST(SaveFailure, APlayersFolderThatCannotBeMadeKeepsTheOldSlot) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    const fs::path home = in.playerFolder("home-unmade");
    const fs::path copy = unpackCopy(in, "readonly-unmade");
    const std::string report = asPlayer([&] {
        if (std::string why = putPlayedSlot(copy); !why.empty()) return why;
        ::chmod((copy / "dat").c_str(), 0555);
        // The data home lies under a file: no folder can be made there.
        if (!writeFile(home / "data", {1})) return std::string("cannot put the file");
        GameFolders found;
        std::string bad = startAsPlayer(home, copy, found);
        Game g;
        bad += loadOneSaveTo(g, 1, "セーブできませんでした"); // the copy's own slots still load
        bad += failIf(readFile(copy / "dat/save01.bin") != playedSlot(), "slot 1 changed");
        bad += failIf(listFiles(copy / "dat").size() != 1, "the read-only copy was written");
        return bad;
    });
    EXPECT_EQ(report, "");
}

TEST(SaveFailure, APlayersFolderThatCannotBeWrittenKeepsTheOldSlot) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    const fs::path home = in.playerFolder("home-locked");
    const std::string report = asPlayer([&] {
        GameFolders found;
        std::string bad = startAsPlayer(home, in.gamesDir(), found);
        const fs::path dat = home / "data/zirubo/dat";
        if (!writeFile(dat / "save01.bin", playedSlot())) return bad + "cannot put slot 1";
        Game g; // writes the master file at its first start
        const Bytes master = readFile(dat / "data.bin");
        ::chmod((dat / "save01.bin").c_str(), 0444);
        ::chmod((dat / "data.bin").c_str(), 0444);
        ::chmod(dat.c_str(), 0555);
        bad += loadOneSaveTo(g, 1, "セーブできませんでした");
        bad += failIf(readFile(dat / "save01.bin") != playedSlot(), "slot 1 changed");
        bad += failIf(readFile(dat / "data.bin") != master, "the master file changed");
        bad += failIf(master.size() != 1025, "no master file from the first start");
        return bad;
    });
    EXPECT_EQ(report, "");
}

TEST(InstalledGame, MissingPictureEndsTheGameWithThePicturesName) {
    const ScratchInstall& in = theInstall();
    ASSERT_TRUE(in.ok()) << in.log();
    // An install whose data folder lacks the city map.
    const fs::path broken = in.playerFolder("broken");
    fs::create_directories(broken / "games");
    fs::copy_file(in.gamesDir() / "zirubo", broken / "games/zirubo");
    const fs::path data = broken / "share/games/zirubo";
    fs::create_directories(data / "img");
    fs::create_directory_symlink(in.dataDir() / "dat", data / "dat");
    for (const auto& e : fs::directory_iterator(in.dataDir() / "img"))
        if (e.path().filename() != "map1.bmp")
            fs::create_symlink(e.path(), data / "img" / e.path().filename());
    const fs::path home = in.playerFolder("home-broken");
    const fs::path work = in.playerFolder("work-broken");

    const GameRun run = runAsPlayer(broken / "games/zirubo", work, playerEnv(home));
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("img\\map1.bmpの読み込みに失敗しました"), std::string::npos)
        << run.output;
    EXPECT_FALSE(run.sawFrame) << "the title was shown";
}
