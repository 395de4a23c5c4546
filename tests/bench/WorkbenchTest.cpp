#include <gtest/gtest.h>

#include <array>
#include <regex>
#include <string>
#include <vector>

#include "Oracle.h"
#include "RecordingPanel.h"
#include "RunError.h"
#include "Steps.h"
#include "Workbench.h"

namespace zandrel::bench {

void PrintTo(const StepInfo& step, std::ostream* os) { *os << "step " << step.step; }

namespace {

using test::OneAndPrimes;
using test::PrimeTexts;
using test::RecordingPanel;

const NumberFormat kGerman{","};

/// Eight recording panels, indexed by command number - 1, and the workbench over them.
struct Form {
    explicit Form(const std::string& bound = "1000") {
        std::array<Panel*, 8> pointers{};
        for (std::size_t c = 0; c < 8; ++c) {
            panels[c].boundText = bound;
            pointers[c] = &panels[c];
        }
        workbench = std::make_unique<Workbench>(pointers, kGerman);
    }
    RecordingPanel& Of(const StepInfo& step) { return panels[static_cast<std::size_t>(step.command - 1)]; }

    std::array<RecordingPanel, 8> panels;
    std::unique_ptr<Workbench> workbench;
};

/// What a step must list at bound n, from libprimesieve.
std::vector<std::string> Expected(int step, std::int64_t n) {
    if (step == 8) {
        return n + 1 < 2 ? std::vector<std::string>{} : PrimeTexts(2, static_cast<std::uint64_t>(n + 1));
    }
    return OneAndPrimes(step <= 5 ? 2 : 3, n);
}

class EveryStep : public ::testing::TestWithParam<StepInfo> {};

TEST_P(EveryStep, ListsWhatItsRuleAsksForAtEveryBoundUpTo1500) {
    const StepInfo step = GetParam();
    // Steps 1 and 2 try every divisor through Variant values: quadratic, so
    // they check every bound up to 400 and then a few larger ones.
    const int everyUpTo = step.step <= 2 ? 400 : 1500;
    std::vector<int> bounds;
    // Below -1 the sieve has no array bounds (a tested error).
    for (int n = step.step == 8 ? -1 : -3; n <= everyUpTo; ++n) bounds.push_back(n);
    for (int n : {997, 1000, 1008, 1499, 1500}) {
        if (n > everyUpTo) bounds.push_back(n);
    }
    for (int n : bounds) {
        Form form(std::to_string(n));
        form.workbench->Click(step.command);
        ASSERT_EQ(form.Of(step).items, Expected(step.step, n)) << "bound " << n;
    }
}

TEST_P(EveryStep, WritesOnlyItsOwnPanelAndShowsItsTime) {
    const StepInfo step = GetParam();
    Form form("100");
    form.workbench->Click(step.command);
    for (const StepInfo& other : kSteps) {
        SCOPED_TRACE(other.step);
        RecordingPanel& panel = form.Of(other);
        if (other.step == step.step) {
            EXPECT_FALSE(panel.items.empty());
            EXPECT_TRUE(std::regex_match(panel.resultText, std::regex("Zeitmessung: -?[0-9]+,[0-9]{2} ms")))
                << panel.resultText;
        } else {
            EXPECT_TRUE(panel.items.empty());
            EXPECT_EQ(panel.resultWrites, 0);
        }
    }
}

TEST_P(EveryStep, RunningTwiceAppendsASecondListing) {
    const StepInfo step = GetParam();
    Form form("30");
    form.workbench->Click(step.command);
    const std::vector<std::string> once = form.Of(step).items;
    form.workbench->Click(step.command);
    std::vector<std::string> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(form.Of(step).items, twice);
}

TEST_P(EveryStep, ABadBoundStopsTheRunAndKeepsEveryList) {
    const StepInfo step = GetParam();
    struct Case {
        const char* bound;
        RunErrorCode code;
    };
    const Case cases[] = {
        {"", RunErrorCode::TypeMismatch},        {"abc", RunErrorCode::TypeMismatch},
        {"12ab", RunErrorCode::TypeMismatch},    {"1e3", RunErrorCode::TypeMismatch},
        {"12.5", RunErrorCode::TypeMismatch},    {"2147483648", RunErrorCode::Overflow},
        {"-2147483649", RunErrorCode::Overflow}, {"99999999999999999999999999", RunErrorCode::Overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bound);
        Form form("10");
        form.workbench->Click(step.command);  // something already listed
        const std::vector<std::string> before = form.Of(step).items;
        const std::string resultBefore = form.Of(step).resultText;
        form.Of(step).boundText = c.bound;
        try {
            form.workbench->Click(step.command);
            ADD_FAILURE() << "no error";
        } catch (const RunError& e) {
            EXPECT_EQ(e.Code(), c.code);
        }
        EXPECT_EQ(form.Of(step).items, before);
        EXPECT_EQ(form.Of(step).resultText, resultBefore);
        EXPECT_TRUE(form.Of(step).listVisible);
    }
}

INSTANTIATE_TEST_SUITE_P(Workbench, EveryStep, ::testing::ValuesIn(kSteps),
                         [](const auto& info) { return "Step" + std::to_string(info.param.step); });

TEST(Workbench, LargeBoundsAgreeWithTheOracle) {
    struct Case {
        int step;
        int bound;
    };
    for (const Case& c : {Case{3, 20'000}, Case{4, 50'000}, Case{5, 1'000'000}, Case{6, 1'000'000},
                          Case{7, 1'000'000}, Case{8, 1'000'000}, Case{8, 10'000'000}}) {
        SCOPED_TRACE(c.step);
        SCOPED_TRACE(c.bound);
        const StepInfo& step = kSteps[static_cast<std::size_t>(c.step - 1)];
        Form form(std::to_string(c.bound));
        form.workbench->Click(step.command);
        EXPECT_EQ(form.Of(step).items, Expected(c.step, c.bound));
    }
}

TEST(Workbench, OnlyStepsSevenAndEightHideTheirListWhileFilling) {
    for (const StepInfo& step : kSteps) {
        SCOPED_TRACE(step.step);
        Form form("50");
        form.workbench->Click(step.command);
        const RecordingPanel& panel = form.Of(step);
        const bool hides = step.step >= 7;
        EXPECT_EQ(panel.visibilityChanges, hides ? 2 : 0);
        EXPECT_EQ(panel.appendsWhileHidden > 0, hides);
        EXPECT_TRUE(panel.listVisible);
    }
}

TEST(Workbench, SieveBoundsItCannotSieveAreTypedErrorsAndTheListIsShownAgain) {
    const StepInfo& sieve = kSteps[7];
    struct Case {
        const char* bound;
        RunErrorCode code;
    };
    for (const Case& c :
         {Case{"2147483647", RunErrorCode::Overflow}, Case{"-2", RunErrorCode::SubscriptOutOfRange},
          Case{"-2147483648", RunErrorCode::SubscriptOutOfRange}}) {
        SCOPED_TRACE(c.bound);
        Form form(c.bound);
        form.Of(sieve).items = {"2", "3"};
        try {
            form.workbench->Click(sieve.command);
            ADD_FAILURE() << "no error";
        } catch (const RunError& e) {
            EXPECT_EQ(e.Code(), c.code);
        }
        EXPECT_TRUE(form.Of(sieve).listVisible);
        EXPECT_EQ(form.Of(sieve).items, (std::vector<std::string>{"2", "3"}));
    }
}

TEST(Workbench, SmallBoundsListWhatTheirStepsAllow) {
    // Bounds 0 and -1 give an empty sieve; 3 must not list 4.
    struct Case {
        int step;
        const char* bound;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {8, "-1", {}},
        {8, "0", {}},
        {8, "1", {"2"}},
        {8, "3", {"2", "3"}},
        {8, "4", {"2", "3", "5"}},
        {1, "1", {"1"}},
        {1, "2", {"1", "2"}},
        {6, "2", {"1"}},
        {5, " 2,4 ", {"1", "2"}},
        {2, "-5", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.step) + " at " + c.bound);
        const StepInfo& step = kSteps[static_cast<std::size_t>(c.step - 1)];
        Form form(c.bound);
        form.workbench->Click(step.command);
        EXPECT_EQ(form.Of(step).items, c.items);
        EXPECT_FALSE(form.Of(step).resultText.empty());
    }
}

TEST(Workbench, TestFunctions) {
    struct Case {
        std::int32_t n;
        Boolean prime, primeRoot;
    };
    const Case cases[] = {
        {1, True, True},    {2, True, True},    {3, True, True},  {4, False, False},    {9, False, False},
        {25, False, False}, {49, False, False}, {97, True, True}, {1001, False, False},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(Workbench::IsPrime(c.n), c.prime);
        EXPECT_EQ(Workbench::IsPrimeRoot(c.n), c.primeRoot);
    }
    EXPECT_EQ(Workbench::IsPrimeRoot(INT32_MAX), True);
    EXPECT_EQ(Workbench::IsPrimeRoot(46'337 * 46'337), False);
}

}  // namespace
}  // namespace zandrel::bench
