#include "platform/Platform.h"

namespace zb {

std::string nativePath(const std::string& gamePath) {
    std::string p = gamePath;
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

} // namespace zb
