#include "platform/Platform.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zb {

namespace {

std::string lockPath(const std::string& name) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    std::string base = (dir && *dir) ? dir : "/tmp";
    // One lock per user: /tmp is shared, the runtime directory is not.
    if (!(dir && *dir)) return base + "/" + name + "-" + std::to_string(getuid()) + ".lock";
    return base + "/" + name + ".lock";
}

} // namespace

InstanceLock::~InstanceLock() {
    release();
}

bool InstanceLock::acquire(const std::string& name) {
    if (fd_ >= 0) return true;
    int fd = ::open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return true; // nowhere to keep a lock: never stop the player from playing
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void InstanceLock::release() {
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
}

} // namespace zb
