#pragma once

#include <cstdint>

#include "Variant.h"

namespace zandrel::bench {

/// One 64-bit counter reading as two signed 32-bit halves, low half first.
struct Counter64 {
    std::int32_t LowPart = 0;
    std::int32_t HighPart = 0;
};

/// Where the stopwatch reads its counter; the program uses the platform's
/// performance counter, tests a fake.
struct CounterSource {
    std::int64_t (*counter)();
    std::int64_t (*frequency)();
};

/// The platform's performance counter (zandrel::PerformanceCounter).
CounterSource PlatformCounter();

/// The workbench's stopwatch: measures one interval in milliseconds and
/// subtracts the time two back-to-back counter readings took just before.
/// Use in this order: Calibrieren, Start, the work, Halt, then RunTime.
class xTimer {
public:
    /// Reads the counter's frequency once.
    explicit xTimer(CounterSource source = PlatformCounter());

    /// Takes two readings back to back and stores their distance as the
    /// calibration. Overwrites both readings, so it must come before Start.
    void Calibrieren();
    /// Takes the start reading; nothing else.
    void Start();
    /// Takes the stop reading; nothing else.
    void Halt();
    /// Milliseconds from the last start to the last stop reading, less the
    /// calibration, as a Variant holding a real. 0 when the counter's
    /// frequency is 0. May be slightly negative for an empty interval.
    Variant RunTime() const;

private:
    static double CounterToDouble(const Counter64& c);
    void Read(Counter64& reading) const;
    double Milliseconds() const;

    CounterSource m_source;
    Counter64 StartCount;
    Counter64 StopCount;
    Counter64 Frequency;
    double Calibration = 0.0;
};

}  // namespace zandrel::bench
