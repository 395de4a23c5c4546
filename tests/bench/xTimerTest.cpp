#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "xTimer.h"

namespace zandrel::bench {
namespace {

// A counter that hands out prepared readings, one per call.
std::vector<std::int64_t> g_readings;
std::size_t g_next = 0;
std::int64_t g_frequency = 1000;
std::int64_t FakeCounter() { return g_readings.at(g_next++); }
std::int64_t FakeFrequency() { return g_frequency; }

xTimer FakeTimer(std::vector<std::int64_t> readings, std::int64_t frequency) {
    g_readings = std::move(readings);
    g_next = 0;
    g_frequency = frequency;
    return xTimer(CounterSource{FakeCounter, FakeFrequency});
}

TEST(xTimer, ReadingsConvertAsUnsigned64BitCounts) {
    // At 1000 counts per second one count is one millisecond, so RunTime shows
    // the counter difference as it was converted.
    struct Case {
        std::int64_t start, stop;
        double ms;
    };
    const Case cases[] = {
        {0, 0xFFFF'FFFFLL, 4294967295.0},       // low half with its top bit set
        {0, 0x1'0000'0000LL, 4294967296.0},     // high half 1
        {0x7FFF'FFFFLL, 0x8000'0000LL, 1.0},    // across the low half's sign bit
        {0xFFFF'FFFFLL, 0x1'0000'0001LL, 2.0},  // across the carry into the high half
        {0x0000'0001'0000'0000LL, static_cast<std::int64_t>(0x8000'0001'0000'0000ULL),
         9223372036854775808.0},  // high half's sign bit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ms);
        xTimer timer = FakeTimer({c.start, c.stop}, 1000);
        timer.Start();
        timer.Halt();
        EXPECT_DOUBLE_EQ(timer.RunTime().ToDouble(), c.ms);
    }
}

TEST(xTimer, SubtractsTheCalibrationReadings) {
    // Calibrieren reads 100 and 103 (3 ms), then the run spans 200 to 250.
    xTimer timer = FakeTimer({100, 103, 200, 250}, 1000);
    timer.Calibrieren();
    timer.Start();
    timer.Halt();
    EXPECT_DOUBLE_EQ(timer.RunTime().ToDouble(), 47.0);
    EXPECT_EQ(timer.RunTime().Kind(), VariantKind::Real64);
}

TEST(xTimer, EmptyIntervalCanBeSlightlyNegative) {
    xTimer timer = FakeTimer({10, 14, 20, 22}, 1000);
    timer.Calibrieren();
    timer.Start();
    timer.Halt();
    EXPECT_DOUBLE_EQ(timer.RunTime().ToDouble(), -2.0);
}

TEST(xTimer, NoReadingsOrNoFrequencyGiveZero) {
    EXPECT_EQ(FakeTimer({}, 1000).RunTime().ToDouble(), 0.0);
    xTimer noCounter = FakeTimer({5, 9, 10, 90}, 0);
    noCounter.Calibrieren();
    noCounter.Start();
    noCounter.Halt();
    EXPECT_EQ(noCounter.RunTime().ToDouble(), 0.0);
}

TEST(xTimer, RealCounterMeasuresANearEmptyIntervalNearZero) {
    xTimer timer;
    timer.Calibrieren();
    timer.Start();
    timer.Halt();
    // Generous: a shared machine may preempt us between two readings.
    EXPECT_LT(std::abs(timer.RunTime().ToDouble()), 50.0);
}

}  // namespace
}  // namespace zandrel::bench
