#include "xTimer.h"

#include "zandrel/Platform.h"

namespace zandrel::bench {

CounterSource PlatformCounter() { return {PerformanceCounter, PerformanceFrequency}; }

namespace {
void Split(std::int64_t value, Counter64& into) {
    const auto bits = static_cast<std::uint64_t>(value);
    into.LowPart = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    into.HighPart = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32));
}
}  // namespace

xTimer::xTimer(CounterSource source) : m_source(source) { Split(m_source.frequency(), Frequency); }

void xTimer::Read(Counter64& reading) const { Split(m_source.counter(), reading); }

double xTimer::CounterToDouble(const Counter64& c) {
    double lo = c.LowPart;
    double hi = c.HighPart;
    if (lo < 0) lo += 4294967296.0;
    if (hi < 0) hi += 4294967296.0;
    return lo + hi * 4294967296.0;
}

double xTimer::Milliseconds() const {
    const double start = CounterToDouble(StartCount);
    const double frequency = CounterToDouble(Frequency);
    const double stop = CounterToDouble(StopCount);
    if (frequency == 0.0) {
        return 0.0;  // no counter: report nothing rather than divide by zero
    }
    return (stop - start) / frequency * 1000.0;
}

void xTimer::Calibrieren() {
    Read(StartCount);
    Read(StopCount);
    Calibration = Milliseconds();
}

void xTimer::Start() { Read(StartCount); }

void xTimer::Halt() { Read(StopCount); }

Variant xTimer::RunTime() const { return Variant(Milliseconds() - Calibration); }

}  // namespace zandrel::bench
