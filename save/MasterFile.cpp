#include "app/UnitMain.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace zb {

std::array<std::uint8_t, 1025> encodeMaster(const MasterFile& m) {
    std::array<std::uint8_t, 1025> out{};
    for (int slot = 1; slot <= MasterFile::kSlots; ++slot) {
        const std::string& s = m.slotStamps[static_cast<std::size_t>(slot)];
        std::size_t len = std::min<std::size_t>(s.size(), 255);
        std::size_t base = static_cast<std::size_t>(slot - 1) * 256;
        out[base] = static_cast<std::uint8_t>(len);
        std::copy_n(s.begin(), len, out.begin() + static_cast<std::ptrdiff_t>(base + 1));
    }
    out[1024] = m.backImageNo;
    return out;
}

void decodeMaster(const std::uint8_t* bytes, std::size_t size, MasterFile& m) {
    // Start from what is held now and lay the bytes present over it.
    auto image = encodeMaster(m);
    std::copy_n(bytes, std::min(size, image.size()), image.begin());
    for (int slot = 1; slot <= MasterFile::kSlots; ++slot) {
        std::size_t base = static_cast<std::size_t>(slot - 1) * 256;
        std::size_t len = image[base];
        m.slotStamps[static_cast<std::size_t>(slot)] =
            std::string(reinterpret_cast<const char*>(&image[base + 1]), len);
    }
    m.backImageNo = image[1024];
}

namespace {

// Every byte out, or false: a full disk or a file-size limit cuts a write short
// and the next one reports why.
bool writeAll(int fd, const std::uint8_t* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// After the rename the new name lives only in the folder's own blocks: flushing
// the folder is what makes the save outlast a power cut. A folder that cannot be
// opened for it or does not take a flush (some network and FUSE file systems)
// has had all that can be done; only a flush that fails is a failed save.
bool flushFolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::filesystem::path dir = parent.empty() ? std::filesystem::path(".") : parent;
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool flushed = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return flushed;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::uint8_t* bytes, std::size_t size) {
    const std::string tmp = path + ".tmp";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    // The bytes reach the disk before the name moves onto them, so the slot is
    // either the old file or the whole new one, killed or unplugged.
    bool ok = writeAll(fd, bytes, size) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return false;
    }
    return flushFolderOf(path);
}

void letFileSizeLimitFailSaves() {
    std::signal(SIGXFSZ, SIG_IGN);
}

bool TForm1::masterLoad() {
    std::ifstream f(savePath("dat\\data.bin"), std::ios::binary);
    if (!f) return false;
    std::vector<std::uint8_t> bytes(1025);
    f.read(reinterpret_cast<char*>(bytes.data()), 1025);
    if (f.bad()) return false;
    decodeMaster(bytes.data(), static_cast<std::size_t>(f.gcount()), master);
    return true;
}

bool TForm1::masterSave() {
    auto bytes = encodeMaster(master);
    return writeFileAtomically(savePath("dat\\data.bin"), bytes.data(), bytes.size());
}

} // namespace zb
