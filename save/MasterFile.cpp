#include "app/UnitMain.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

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

bool writeFileAtomically(const std::string& path, const std::uint8_t* bytes, std::size_t size) {
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
        f.flush();
        if (!f) {
            f.close();
            std::remove(tmp.c_str());
            return false;
        }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    return true;
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
