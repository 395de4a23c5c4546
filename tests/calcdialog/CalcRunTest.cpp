#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <regex>
#include <string>
#include <vector>

#include "CalcRun.h"
#include "Oracle.h"
#include "RecordingPanel.h"
#include "zandrel/Platform.h"

namespace zandrel::dialog {
namespace {

using test::OneAndPrimes;
using test::RecordingPanel;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TickSource FixedTicks(std::uint32_t first, std::uint32_t second) {
    return [first, second, calls = 0]() mutable { return calls++ == 0 ? first : second; };
}

TEST(PrimeTest, KnownAnswers) {
    struct Case {
        std::int32_t n;
        bool passes;
    };
    const Case cases[] = {
        {1, true},         {2, true},
        {3, true},         {4, false},
        {5, true},         {9, false},
        {15, false},       {25, false},
        {49, false},       {97, true},
        {961, false},      {997, true},
        {1001, false},     {kMax, true} /* 2^31 - 1 is prime */,
        {kMax - 1, false}, {46'337 * 46'337, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(PrimeTest(c.n), c.passes);
    }
}

TEST(ParseBound, LeadingIntegerReading) {
    struct Case {
        const char* text;
        std::int32_t bound;
    };
    const Case cases[] = {
        {"1000", 1000},
        {"", 0},
        {"abc", 0},
        {"12ab", 12},
        {"  \t42", 42},
        {"\n-7", -7},
        {"+5", 5},
        {"-0", 0},
        {"- 5", 0},  // a sign must be followed by digits
        {"0012", 12},
        {"12.9", 12},
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"99999999999999999999999999999999999999", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"-99999999999999999999999999999999999999", kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseBound(c.text), c.bound);
    }
}

TEST(CalcRun, ListsOneAndTheOddPrimesForEveryBoundUpTo2000) {
    for (int bound = -2; bound <= 2000; ++bound) {
        RecordingPanel panel(std::to_string(bound));
        CalcRun(panel, FixedTicks(0, 0));
        ASSERT_EQ(panel.items, OneAndPrimes(3, bound)) << "bound " << bound;
    }
}

TEST(CalcRun, ListsOneAndTheOddPrimesForLargeBounds) {
    for (std::int32_t bound : {1'000'000, 10'000'000}) {
        RecordingPanel panel(std::to_string(bound));
        CalcRun(panel, TickCount);
        ASSERT_EQ(panel.items, OneAndPrimes(3, bound)) << "bound " << bound;
    }
}

TEST(CalcRun, BadBoundsListNothingButStillShowATime) {
    for (const char* text : {"0", "", "-7", "abc", "-2147483648"}) {
        SCOPED_TRACE(text);
        RecordingPanel panel(text);
        CalcRun(panel, FixedTicks(5, 5));
        EXPECT_TRUE(panel.items.empty());
        EXPECT_EQ(panel.resultText, "Zeitmessung: 0 ms");
    }
}

TEST(CalcRun, AppendsAfterEarlierRunsAndNeverTouchesVisibility) {
    RecordingPanel panel("10");
    CalcRun(panel, TickCount);
    CalcRun(panel, TickCount);
    EXPECT_EQ(panel.items, (std::vector<std::string>{"1", "3", "5", "7", "1", "3", "5", "7"}));
    EXPECT_EQ(panel.visibilityChanges, 0);
    EXPECT_EQ(panel.resultWrites, 2);
    EXPECT_TRUE(std::regex_match(panel.resultText, std::regex("Zeitmessung: [0-9]+ ms")));
}

TEST(CalcRun, ElapsedTicksSurviveTheCounterWrap) {
    struct Case {
        std::uint32_t first, second;
        const char* text;
    };
    const Case cases[] = {
        {100, 147, "Zeitmessung: 47 ms"},
        {0xFFFF'FFF0u, 0x10u, "Zeitmessung: 32 ms"},
        {0xFFFF'FFFFu, 0u, "Zeitmessung: 1 ms"},
    };
    for (const Case& c : cases) {
        RecordingPanel panel("3");
        CalcRun(panel, FixedTicks(c.first, c.second));
        EXPECT_EQ(panel.resultText, c.text);
    }
}

TEST(ForEachOddCandidate, EndsAtTheLargestBoundWithoutOverflow) {
    std::vector<std::int32_t> seen;
    ForEachOddCandidate(kMax - 6, kMax, [&](std::int32_t i) { seen.push_back(i); });
    EXPECT_EQ(seen, (std::vector<std::int32_t>{kMax - 6, kMax - 4, kMax - 2, kMax}));
}

TEST(CalcRun, ReadsTheBoundOnceBeforeTheFirstTick) {
    // The bound is read once, outside the timed interval.
    RecordingPanel panel("100");
    int ticksWhenRead = -1;
    int ticks = 0;
    CalcRun(panel, [&]() -> std::uint32_t {
        if (ticksWhenRead < 0) {
            ticksWhenRead = panel.boundReads;
        }
        ++ticks;
        return 0;
    });
    EXPECT_EQ(ticksWhenRead, 1);
    EXPECT_EQ(ticks, 2);
}

}  // namespace
}  // namespace zandrel::dialog
