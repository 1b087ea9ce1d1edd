#include "platform/Platform.h"

#include <ctime>

namespace zb {

std::uint64_t nanosecondsSinceBoot() {
    // The boot clock keeps counting while the machine sleeps, as the multimedia
    // timer does; the monotonic one is the fallback where it is missing.
    timespec ts{};
    if (clock_gettime(CLOCK_BOOTTIME, &ts) != 0 && clock_gettime(CLOCK_MONOTONIC, &ts) != 0)
        return 0;
    return static_cast<std::uint64_t>(ts.tv_sec) * 1'000'000'000u +
           static_cast<std::uint64_t>(ts.tv_nsec);
}

std::uint32_t millisecondsSinceBoot() {
    // Wraps after 49.7 days, like timeGetTime.
    return static_cast<std::uint32_t>(nanosecondsSinceBoot() / 1'000'000u);
}

} // namespace zb
