#include "platform/Platform.h"

#include <ctime>

namespace zb {

std::uint32_t millisecondsSinceBoot() {
    // The boot clock keeps counting while the machine sleeps, as the multimedia
    // timer does; the monotonic one is the fallback where it is missing.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0 && clock_gettime(CLOCK_MONOTONIC, &ts) != 0)
        return 0;
    const auto ms = static_cast<std::uint64_t>(ts.tv_sec) * 1000u +
                    static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms); // wraps after 49.7 days, like timeGetTime
}

} // namespace zb
