// The picture loader: any bytes as a picture file. A file the loader takes
// gives a picture of a sane size with all its pixels; anything else is refused,
// and nothing is read past the end of the file or asked of the allocator beyond
// what the picture needs (scripts/fuzz.sh caps a single allocation at 64 MB).

#include "ui/Image.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A folder of its own for the picture, in memory where the machine has such a
// place (each input is written once and read once), removed when the run ends.
struct Scratch {
    Scratch() {
        char shm[] = "/dev/shm/zirubo-fuzz-image-XXXXXX";
        char tmp[] = "/tmp/zirubo-fuzz-image-XXXXXX";
        const char* name = mkdtemp(shm);
        if (name == nullptr) name = mkdtemp(tmp);
        if (name == nullptr) std::abort();
        dir = name;
        file = (dir / "picture.bmp").string();
    }
    ~Scratch() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::filesystem::path dir;
    std::string file;
};

const std::string& scratchFile() {
    static const Scratch scratch;
    return scratch.file;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = scratchFile();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        if (!out) std::abort();
    }
    const zb::ImagePtr img = zb::loadImageFile(path);
    if (!img) return 0;
    // The game's largest picture is far below this; the loader promises the limit.
    if (img->width < 1 || img->height < 1 || img->width > 4096 || img->height > 4096) std::abort();
    if (img->pixels.size() != static_cast<std::size_t>(img->width) * img->height) std::abort();
    return 0;
}
