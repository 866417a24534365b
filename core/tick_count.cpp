#include "core/tick_count.h"

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <chrono>
#endif

namespace orvane {

std::uint32_t tickCount() {
#ifdef _WIN32
    return GetTickCount();
#else
    // Elsewhere a monotonic clock stands in; only its change from pick to pick matters.
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
#endif
}

}  // namespace orvane
