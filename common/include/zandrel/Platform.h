#pragma once

#include <cstdint>

namespace zandrel {

/// Milliseconds on the monotonic clock, as an unsigned 32-bit count that wraps
/// to 0 after about 49.7 days. Differences in unsigned arithmetic stay correct
/// across one wrap.
std::uint32_t TickCount();

/// A reading of the high-resolution counter (monotonic, in counts).
std::int64_t PerformanceCounter();

/// Counts per second of PerformanceCounter(); constant for the life of the process.
std::int64_t PerformanceFrequency();

/// Hands a value through an empty assembler barrier, so the optimiser cannot
/// hoist or fold a computation that a timed run is meant to repeat.
inline double Opaque(double value) {
#if defined(__x86_64__) || defined(__i386__)
    asm volatile("" : "+x"(value));  // stays in its SSE register
#else
    asm volatile("" : "+m"(value));
#endif
    return value;
}

}  // namespace zandrel
