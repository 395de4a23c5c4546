#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Measure.h"
#include "Oracle.h"
#include "StepCatalog.h"
#include "Verify.h"

namespace zandrel::cli {
namespace {

std::vector<std::string> Expected(const char* step, std::int64_t bound) {
    ExpectedListing listing(*FindStep(step), bound);
    std::vector<std::string> texts;
    while (const auto n = listing.Next()) texts.push_back(std::to_string(*n));
    return texts;
}

TEST(ExpectedListing, EachStepsRuleAgainstTheOracle) {
    using test::OneAndPrimes;
    using test::PrimeTexts;
    for (std::int64_t n : {-5, 0, 1, 2, 3, 4, 1000, 1008}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Expected("dialog", n), OneAndPrimes(3, n));
        EXPECT_EQ(Expected("1", n), OneAndPrimes(2, n));
        EXPECT_EQ(Expected("5", n), OneAndPrimes(2, n));
        EXPECT_EQ(Expected("6", n), OneAndPrimes(3, n));
        EXPECT_EQ(Expected("7", n), OneAndPrimes(3, n));
        EXPECT_EQ(Expected("8", n), n + 1 >= 2 ? PrimeTexts(2, n + 1) : std::vector<std::string>{});
        EXPECT_EQ(Expected("reference", n), n >= 2 ? PrimeTexts(2, n) : std::vector<std::string>{});
    }
}

struct Listing {
    const char* name;
    std::vector<std::string> items;
    bool matches;
    std::uint64_t at;  // first difference
};

TEST(VerifyPanel, CatchesWrongListings) {
    // The rule of step 6 at bound 12: 1 3 5 7 11.
    const Listing listings[] = {
        {"right", {"1", "3", "5", "7", "11"}, true, 0},
        {"a composite", {"1", "3", "5", "7", "9", "11"}, false, 4},
        {"missing the last", {"1", "3", "5", "7"}, false, 4},
        {"one too many", {"1", "3", "5", "7", "11", "13"}, false, 5},
        {"an even prime", {"1", "2", "3", "5", "7", "11"}, false, 1},
        {"leading zero", {"1", "3", "05", "7", "11"}, false, 2},
        {"empty", {}, false, 0},
    };
    for (const Listing& l : listings) {
        SCOPED_TRACE(l.name);
        VerifyPanel panel("12", *FindStep("6"), 12);
        for (const std::string& item : l.items) panel.AppendItem(item);
        panel.Finish();
        EXPECT_EQ(panel.Items(), l.items.size());
        EXPECT_EQ(!panel.FirstDifference().has_value(), l.matches);
        if (panel.FirstDifference()) {
            EXPECT_EQ(panel.FirstDifference()->item, l.at);
        }
    }
}

TEST(SelectSteps, EachStepOnceAndNamingItExemptsItFromAll) {
    struct Case {
        std::vector<std::string> names;
        std::vector<std::string> steps;
        std::vector<std::string> fromAll;
    };
    const Case cases[] = {
        {{"5", "dialog", "5"}, {"5", "dialog"}, {}},
        {{"8", "all"},
         {"8", "dialog", "1", "2", "3", "4", "5", "6", "7", "reference"},
         {"dialog", "1", "2", "3", "4", "5", "6", "7", "reference"}},
        {{"all", "3"},
         {"dialog", "1", "2", "3", "4", "5", "6", "7", "8", "reference"},
         {"dialog", "1", "2", "4", "5", "6", "7", "8", "reference"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> steps;
        std::vector<std::string> fromAll;
        for (const Selected& s : SelectSteps(c.names)) {
            steps.push_back(s.step->name);
            if (s.fromAll) fromAll.push_back(s.step->name);
        }
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(fromAll, c.fromAll);
    }
}

TEST(VerifyPanel, ARealRunOfEveryStepMatches) {
    const bench::NumberFormat format;
    for (const StepDef& step : AllSteps()) {
        SCOPED_TRACE(step.name);
        VerifyPanel panel("2000", step, 2000);
        RunStep(step, panel, format);
        panel.Finish();
        EXPECT_FALSE(panel.FirstDifference().has_value());
        EXPECT_GT(panel.Items(), 300u);
    }
}

}  // namespace
}  // namespace zandrel::cli
