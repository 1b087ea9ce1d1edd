// Saves that survive what can go wrong while they are written: the slot is
// written before the stamp that dates it, a file that cannot be written leaves
// the old one and its stamp in place, and a limit on file sizes makes a save
// fail with the game's message instead of ending the game.

#include "tests/DataMenuHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace zb;
using namespace zb::test;

namespace {

fs::path slotFile(int n) {
    return fs::path("dat") / ("save0" + std::to_string(n) + ".bin");
}

Bytes slotBytes(std::int32_t points) {
    ProgressRecord r;
    r.points = points;
    r.savedEyeLeft = 200;
    r.savedEyeTop = 100;
    const RecordBytes b = encodeRecord(r);
    return {b.begin(), b.end()};
}

// What happens to the names in dat/ while the game saves, in order: "+name"
// for a file made, ">name" for a file renamed into place.
class FolderWatch {
  public:
    FolderWatch() : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0) inotify_add_watch(fd_, "dat", IN_CREATE | IN_MOVED_TO);
    }
    ~FolderWatch() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    bool ok() const { return fd_ >= 0; }

    std::vector<std::string> changes() {
        std::vector<std::string> out;
        alignas(inotify_event) char buf[4096];
        for (;;) {
            const ssize_t n = ::read(fd_, buf, sizeof buf);
            if (n <= 0) break;
            for (ssize_t at = 0; at < n;) {
                const auto* ev = reinterpret_cast<const inotify_event*>(buf + at);
                const std::string name = ev->len ? ev->name : "";
                out.push_back(((ev->mask & IN_MOVED_TO) ? ">" : "+") + name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + ev->len);
            }
        }
        return out;
    }

  private:
    int fd_;
};

std::ptrdiff_t indexOf(const std::vector<std::string>& v, const std::string& s) {
    const auto it = std::find(v.begin(), v.end(), s);
    return it == v.end() ? -1 : it - v.begin();
}

// A game on the map, loaded from slot 1, with the save menu open; false when
// the menu did not open.
bool openSaveMenu(Game& g) {
    openLoadMenu(g);
    chooseSlot(g, 1);
    if (g.f().screenMode != 2) return false;
    pressSaveButton(g);
    return g.f().screenMode == 11;
}

} // namespace

TEST(SaveOrder, TheSlotIsInPlaceBeforeItsStampIsWritten) {
    GameFolder folder;
    writeAll(slotFile(1), slotBytes(4100));
    Game g;
    ASSERT_TRUE(openSaveMenu(g));
    FolderWatch watch;
    ASSERT_TRUE(watch.ok());
    g.platform.localNow = HeadlessPlatform::makeLocalTime(2009, 4, 1, 8, 30, 0);
    chooseSlot(g, 2);
    ASSERT_EQ(g.f().line1->caption(), "スロット 2 にセーブしました");

    const std::vector<std::string> seen = watch.changes();
    const auto slotInPlace = indexOf(seen, ">save02.bin");
    const auto stampBegun = indexOf(seen, "+data.bin.tmp");
    const auto stampInPlace = indexOf(seen, ">data.bin");
    ASSERT_GE(slotInPlace, 0);
    ASSERT_GE(stampBegun, 0);
    ASSERT_GE(stampInPlace, 0);
    EXPECT_LT(slotInPlace, stampBegun) << "the master file is not touched before the slot is in";
    EXPECT_EQ(readAll(slotFile(2)), slotBytes(4100));
    const Bytes master = readAll("dat/data.bin");
    ASSERT_EQ(master.size(), 1025u);
    EXPECT_EQ(std::string(master.begin() + 257, master.begin() + 257 + master[256]),
              "2009/04/01 08:30:00");
}

TEST(SaveOrder, ASlotThatCannotBeWrittenNeverTouchesItsStamp) {
    GameFolder folder;
    writeAll(slotFile(1), slotBytes(4100));
    Game g;
    TForm1& f = g.f();
    ASSERT_TRUE(openSaveMenu(g));
    chooseSlot(g, 3);
    ASSERT_EQ(f.line1->caption(), "スロット 3 にセーブしました");
    const std::string stamp = f.master.slotStamps[3];
    const Bytes slot = readAll(slotFile(3));
    const Bytes master = readAll("dat/data.bin");

    // The temporary file cannot be made: a folder stands in its place.
    fs::create_directory("dat/save03.bin.tmp");
    f.rec.points = 77;
    g.platform.localNow = HeadlessPlatform::makeLocalTime(2010, 6, 1, 12, 0, 0);
    FolderWatch watch;
    ASSERT_TRUE(watch.ok());
    chooseSlot(g, 3);
    EXPECT_EQ(f.line1->caption(), "セーブできませんでした");
    const std::vector<std::string> seen = watch.changes();
    EXPECT_EQ(indexOf(seen, "+data.bin.tmp"), -1) << "the master file was rewritten";
    EXPECT_EQ(indexOf(seen, ">data.bin"), -1);
    EXPECT_EQ(readAll("dat/data.bin"), master);
    EXPECT_EQ(readAll(slotFile(3)), slot);
    EXPECT_EQ(f.master.slotStamps[3], stamp);
    EXPECT_EQ(f.stampLabel[3]->caption(), stamp);
}

TEST(SaveOrder, AStampThatCannotBeWrittenIsNotShownEither) {
    GameFolder folder;
    writeAll(slotFile(1), slotBytes(4100));
    Game g;
    TForm1& f = g.f();
    ASSERT_TRUE(openSaveMenu(g));
    fs::create_directory("dat/data.bin.tmp");
    f.rec.points = 4242;
    chooseSlot(g, 4);
    EXPECT_EQ(f.line1->caption(), "セーブできませんでした");
    EXPECT_EQ(readAll(slotFile(4)), slotBytes(4242)) << "the slot itself was saved";
    EXPECT_EQ(f.master.slotStamps[4], "") << "the menu keeps what the master file says";
    EXPECT_EQ(f.stampLabel[4]->caption(), "NO DATA");
    fs::remove("dat/data.bin.tmp");
    chooseSlot(g, 1);
    EXPECT_EQ(f.line1->caption(), "スロット 1 にセーブしました");
    const Bytes master = readAll("dat/data.bin");
    EXPECT_EQ(master[768], 0) << "slot 4 still has no stamp in the file";
}

namespace {

// Runs `play` in a child process whose files may grow to `limit` bytes at most,
// the way the game starts (the limit's signal ignored); what the child found
// wrong, or how it ended when it did not end by itself.
std::string inChildWithFileSizeLimit(rlim_t limit, const std::function<std::string()>& play) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid < 0) return "no fork";
    if (pid == 0) {
        ::close(pipeFds[0]);
        const rlimit lim{limit, limit};
        std::string why = ::setrlimit(RLIMIT_FSIZE, &lim) == 0 ? "" : "no limit";
        if (why.empty()) {
            letFileSizeLimitFailSaves();
            why = play();
        }
        if (!why.empty()) (void)!::write(pipeFds[1], why.data(), why.size());
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    std::string why;
    char buf[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buf, sizeof buf)) > 0;)
        why.append(buf, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        return "the game was ended by signal " + std::to_string(WTERMSIG(status));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child ended badly";
    return why;
}

} // namespace

TEST(SaveFileSizeLimit, ASlotPastTheLimitFailsWithTheGamesMessage) {
    GameFolder folder;
    writeAll(slotFile(1), slotBytes(4100));
    writeAll(slotFile(2), slotBytes(1234));
    { Game first; } // the master file made at the first start
    const Bytes master = readAll("dat/data.bin");

    // 100 bytes: not even a slot fits.
    const std::string why = inChildWithFileSizeLimit(100, [] {
        Game g;
        if (!openSaveMenu(g)) return std::string("no save menu");
        g.f().rec.points = 99;
        chooseSlot(g, 2);
        if (g.app.terminated()) return std::string("the game ended");
        if (g.f().line1->caption() != "セーブできませんでした")
            return "the menu says \"" + g.f().line1->caption() + "\"";
        if (g.f().master.slotStamps[2] != "") return std::string("the slot was dated");
        return std::string();
    });
    EXPECT_EQ(why, "");
    EXPECT_EQ(readAll(slotFile(2)), slotBytes(1234)) << "the earlier slot stays whole";
    EXPECT_FALSE(fs::exists("dat/save02.bin.tmp"));
    EXPECT_EQ(readAll("dat/data.bin"), master);
}

TEST(SaveFileSizeLimit, AMasterFilePastTheLimitFailsWithTheGamesMessage) {
    GameFolder folder;
    writeAll(slotFile(1), slotBytes(4100));
    { Game first; }
    const Bytes master = readAll("dat/data.bin");

    // 1000 bytes: the slot's 232 fit, the master file's 1025 do not.
    const std::string why = inChildWithFileSizeLimit(1000, [] {
        Game g;
        if (!openSaveMenu(g)) return std::string("no save menu");
        g.f().rec.points = 99;
        chooseSlot(g, 3);
        if (g.app.terminated()) return std::string("the game ended");
        if (g.f().line1->caption() != "セーブできませんでした")
            return "the menu says \"" + g.f().line1->caption() + "\"";
        return std::string();
    });
    EXPECT_EQ(why, "");
    EXPECT_EQ(readAll(slotFile(3)).size(), 232u);
    EXPECT_EQ(readAll("dat/data.bin"), master) << "the old master file stays whole";
    EXPECT_FALSE(fs::exists("dat/data.bin.tmp"));
}
