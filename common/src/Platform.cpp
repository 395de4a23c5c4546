#include "zandrel/Platform.h"

#include <ctime>

namespace zandrel {

namespace {
std::int64_t MonotonicNanoseconds() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}
}  // namespace

std::uint32_t TickCount() {
    // Truncation to 32 bits is the intended wrap.
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(MonotonicNanoseconds() / 1'000'000));
}

std::int64_t PerformanceCounter() { return MonotonicNanoseconds(); }

std::int64_t PerformanceFrequency() { return 1'000'000'000; }

}  // namespace zandrel
