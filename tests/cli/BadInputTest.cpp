// What the runner does with whatever a person may type as a bound, end to
// end: the listing its rule asks for, or a clear error with exit code 2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunProgram.h"

namespace zandrel::test {
namespace {

// Runs in the C locale, so the decimal separator is ".".
ProgramResult Cli(const std::string& args) {
    return RunProgram(std::string("LC_ALL=C ") + ZANDREL_CLI + " " + args);
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

constexpr int kError = -1;  // exit code 2 and nothing listed
constexpr int kSkip = -2;   // a valid bound whose search would take hours

struct Case {
    std::string name;
    std::string bound;
    int dialogItems;
    int rootItems;   // step 5
    int sieveItems;  // step 8
};

std::vector<Case> Cases() {
    return {
        {"empty", "", 0, kError, kError},
        {"blanks", "   ", 0, kError, kError},
        {"letters", "abc", 0, kError, kError},
        {"digits then letters", "12ab", 5, kError, kError},
        {"minus zero", "-0", 0, 0, 0},
        {"plus five", "+5", 3, 4, 3},
        {"exponent", "1e3", 1, kError, kError},
        {"comma fraction", "12,5", 5, kError, kError},
        {"point fraction", "12.5", 5, 6, 6},  // 12.5 rounds to 12; the sieve lists up to 13
        {"forty digits", std::string(40, '9'), kSkip, kError, kError},
        {"largest", "2147483647", kSkip, kSkip, kError},  // the sieve's N + 1 overflows
        {"one past the largest", "2147483648", kSkip, kError, kError},
        {"smallest", "-2147483648", 0, 0, kError},
        {"minus two", "-2", 0, 0, kError},
        {"minus one", "-1", 0, 0, 0},
        {"zero", "0", 0, 0, 0},
        {"one", "1", 1, 1, 1},
        {"two", "2", 1, 2, 2},
        {"three", "3", 2, 3, 2},
        {"arabic-indic digits", "\xd9\xa1\xd9\xa2", 0, kError, kError},
        {"fullwidth digits", "\xef\xbc\x91\xef\xbc\x92", 0, kError, kError},
        // One argument may hold at most 128 KiB; the windows take a megabyte.
        {"100 KB of nines", std::string(100'000, '9'), kSkip, kError, kError},
        {"100 KB of letters", std::string(100'000, 'x'), 0, kError, kError},
    };
}

int Items(const ProgramResult& r) { return std::stoi(r.out.substr(0, r.out.find(' '))); }

TEST(BadInput, EveryBoundGivesItsListingOrAClearError) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const std::string bound = Quoted(c.bound);
        if (c.dialogItems != kSkip) {
            const ProgramResult r = Cli("run dialog --bound " + bound);
            ASSERT_EQ(r.exitCode, 0);
            EXPECT_EQ(Items(r), c.dialogItems);
        }
        for (const auto& [step, items] : {std::pair{"5", c.rootItems}, std::pair{"8", c.sieveItems}}) {
            SCOPED_TRACE(step);
            if (items == kSkip) continue;
            const ProgramResult r = Cli(std::string("run ") + step + " --bound " + bound);
            if (items == kError) {
                EXPECT_EQ(r.exitCode, 2);
                EXPECT_TRUE(r.out.empty()) << r.out;  // nothing listed
            } else {
                ASSERT_EQ(r.exitCode, 0);
                EXPECT_EQ(Items(r), items);
            }
        }
    }
}

#ifndef ZANDREL_SANITIZED
TEST(Faults, RunningOutOfMemoryIsReportedNotACrash) {
    struct Fault {
        const char* name;
        const char* limitKb;  // address space for the child
        const char* args;
        int exitCode;
        const char* message;
    };
    // The sieve's array at 2e9 needs 4 GB; the reference's list of 98 million
    // primes needs 0.5 GB and outgrows 400 MB while it fills.
    const Fault faults[] = {
        {"sieve array", "1500000", "run 8 --bound 2000000000", 2, "out of memory"},
        {"list items", "400000", "run reference --bound 2000000000", 3, "out of memory"},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.name);
        const ProgramResult both =
            RunProgram(std::string("(ulimit -v ") + f.limitKb + "; " + ZANDREL_CLI + " " + f.args + " 2>&1)");
        EXPECT_EQ(both.exitCode, f.exitCode);
        EXPECT_NE(both.out.find(f.message), std::string::npos) << both.out;
    }
}
#endif

}  // namespace
}  // namespace zandrel::test
