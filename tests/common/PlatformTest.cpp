#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "zandrel/Platform.h"

namespace zandrel {
namespace {

TEST(Platform, CounterAdvancesAtItsFrequency) {
    const std::int64_t frequency = PerformanceFrequency();
    ASSERT_GT(frequency, 0);
    const std::int64_t before = PerformanceCounter();
    const std::uint32_t ticksBefore = TickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const double ms =
        static_cast<double>(PerformanceCounter() - before) / static_cast<double>(frequency) * 1000.0;
    const std::uint32_t ticks = TickCount() - ticksBefore;
    // Only lower bounds: a shared machine may stall us arbitrarily long.
    EXPECT_GE(ms, 19.0);
    EXPECT_GE(ticks, 19u);
}

}  // namespace
}  // namespace zandrel
