#include "tests/install/InstallHarness.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace zb::test {

namespace {

constexpr uid_t kNobody = 65534;

// Root writes through read-only folders: the player never is root.
bool becomePlayer() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

void setWritable(const fs::path& dir, bool writable) {
    std::error_code ec;
    const auto w = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const auto change = [&](const fs::path& p) {
        if (fs::is_symlink(p, ec)) return;
        fs::permissions(p, writable ? fs::perms::owner_write : w,
                        writable ? fs::perm_options::add : fs::perm_options::remove, ec);
    };
    if (writable) change(dir); // a folder must be writable before its entries can be reached for it
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::end(it);
         it.increment(ec))
        change(it->path());
    if (!writable) change(dir);
}

bool frameShown(const fs::path& cwd) {
    std::error_code ec;
    for (auto it = fs::directory_iterator(cwd, ec); !ec && it != fs::end(it); it.increment(ec))
        if (it->path().filename().string().rfind("SDL_window", 0) == 0) return true;
    return false;
}

} // namespace

ScratchInstall::ScratchInstall() {
    std::string tmpl = (fs::temp_directory_path() / "zirubo-install-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) {
        log_ = "no scratch folder: " + std::string(std::strerror(errno));
        return;
    }
    base_ = tmpl;
    ::chmod(base_.c_str(), 0755);
    const std::string cmd = std::string("'") + ZB_CMAKE_COMMAND + "' --install '" + ZB_BINARY_DIR +
                            "' --prefix '" + prefix().string() + "'";
    ok_ = shell(cmd, log_) == 0;
    // The copy a player finds installed: nothing in it is theirs to change.
    setWritable(prefix(), false);
}

ScratchInstall::~ScratchInstall() {
    if (base_.empty()) return;
    setWritable(base_, true);
    std::error_code ec;
    fs::remove_all(base_, ec);
}

const ScratchInstall& theInstall() {
    static const ScratchInstall install;
    return install;
}

fs::path ScratchInstall::playerFolder(const std::string& name) const {
    const fs::path dir = base_ / name;
    fs::create_directories(dir);
    if (::geteuid() == 0 && ::chown(dir.c_str(), kNobody, kNobody) != 0) return {};
    return dir;
}

std::string asPlayer(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return "no child process";
    if (pid == 0) {
        ::close(fds[0]);
        std::string result;
        if (!becomePlayer()) {
            result = "could not become an ordinary user";
        } else {
            try {
                result = body();
            } catch (const std::exception& e) {
                result = std::string("exception: ") + e.what();
            }
        }
        std::size_t done = 0;
        while (done < result.size()) {
            const ssize_t n = ::write(fds[1], result.data() + done, result.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(result.empty() ? 0 : 1);
    }
    ::close(fds[1]);
    std::string report;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        report.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        return "the player's game died of signal " + std::to_string(WTERMSIG(status)) + ": " +
               report;
    if (WEXITSTATUS(status) != 0 && report.empty()) return "the player's game failed";
    return report;
}

GameRun runAsPlayer(const fs::path& exe, const fs::path& cwd,
                    const std::map<std::string, std::string>& env,
                    std::chrono::milliseconds timeout) {
    // No display, no desktop folders of the person running the tests.
    std::vector<std::string> vars;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string v = *e;
        const std::string name = v.substr(0, v.find('='));
        if (name == "DISPLAY" || name == "WAYLAND_DISPLAY" || name == "HOME" ||
            name.rfind("XDG_", 0) == 0 || name.rfind("SDL_", 0) == 0 || env.count(name))
            continue;
        vars.push_back(v);
    }
    for (const auto& [name, value] : env)
        if (!value.empty()) vars.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& v : vars)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string path = exe.string();
    char* argv[] = {path.data(), nullptr};

    GameRun run;
    int fds[2];
    if (::pipe(fds) != 0) return run;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0) return run;
    if (pid == 0) {
        ::close(fds[0]);
        ::dup2(fds[1], 1);
        ::dup2(fds[1], 2);
        if (becomePlayer() && ::chdir(cwd.c_str()) == 0) ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    const auto start = std::chrono::steady_clock::now();
    bool asked = false;
    bool killed = false;
    int status = 0;
    for (;;) {
        pollfd p{fds[0], POLLIN, 0};
        ::poll(&p, 1, 20);
        char buf[4096];
        for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
            run.output.append(buf, static_cast<std::size_t>(n));
        if (::waitpid(pid, &status, WNOHANG) == pid) break;
        if (!run.sawFrame && frameShown(cwd)) run.sawFrame = true;
        const auto waited = std::chrono::steady_clock::now() - start;
        if (run.sawFrame && !asked) {
            ::kill(pid, SIGTERM); // what the desktop sends to close it
            asked = true;
        } else if (waited > timeout && !killed) {
            ::kill(pid, SIGKILL);
            killed = true;
        }
    }
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        run.output.append(buf, static_cast<std::size_t>(n));
    ::close(fds[0]);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    return run;
}

std::vector<std::uint8_t> readFile(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

bool writeFile(const fs::path& p, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

std::map<std::string, std::uintmax_t> listFiles(const fs::path& dir) {
    std::map<std::string, std::uintmax_t> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::end(it);
         it.increment(ec))
        if (it->is_regular_file(ec))
            files[fs::relative(it->path(), dir).string()] = it->file_size(ec);
    return files;
}

int shell(const std::string& command, std::string& out) {
    out.clear();
    std::FILE* p = ::popen((command + " 2>&1").c_str(), "r");
    if (p == nullptr) return -1;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;)
        out.append(buf, n);
    const int status = ::pclose(p);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace zb::test
