#include "app/BitmapPrefetch.h"

#include "platform/Platform.h"

namespace zb {

BitmapPrefetch::BitmapPrefetch(std::vector<std::string> gamePaths) {
    reading_ = std::async(std::launch::async, [paths = std::move(gamePaths)] {
        std::map<std::string, ImagePtr> read;
        for (const std::string& path : paths)
            read[path] = loadImageFile(nativePath(path));
        return read;
    });
}

BitmapPrefetch::~BitmapPrefetch() {
    if (reading_.valid()) reading_.wait();
}

ImagePtr BitmapPrefetch::take(const std::string& gamePath) {
    if (reading_.valid()) read_ = reading_.get();
    if (const auto it = read_.find(gamePath); it != read_.end()) {
        ImagePtr img = std::move(it->second);
        read_.erase(it);
        return img;
    }
    return loadImageFile(nativePath(gamePath));
}

} // namespace zb
