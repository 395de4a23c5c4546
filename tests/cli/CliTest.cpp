#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "Oracle.h"
#include "RunProgram.h"

namespace zandrel::test {
namespace {

ProgramResult Cli(const std::string& args) { return RunProgram(std::string(ZANDREL_CLI) + " " + args); }

TEST(CliRunDialog, ListPrintsEveryItemThenTheResultText) {
    const ProgramResult r = Cli("run dialog --bound 1000 --list");
    ASSERT_EQ(r.exitCode, 0);
    std::vector<std::string> lines = Lines(r.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex("Zeitmessung: [0-9]+ ms"))) << lines.back();
    lines.pop_back();
    EXPECT_EQ(lines, OneAndPrimes(3, 1000));
}

TEST(CliRunDialog, SummaryGivesCountAndResultText) {
    const ProgramResult r = Cli("run dialog");
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(std::regex_match(r.out, std::regex("168 items\nZeitmessung: [0-9]+ ms\n"))) << r.out;
}

TEST(CliRunAll, JsonHasEveryStepWithItsItemCount) {
    const ProgramResult r = Cli("run all --bound 1000 --repeat 2 --format json");
    ASSERT_EQ(r.exitCode, 0);
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    const std::pair<const char*, int> expected[] = {
        {"dialog", 168}, {"1", 169}, {"2", 169}, {"3", 169}, {"4", 169},
        {"5", 169},      {"6", 168}, {"7", 168}, {"8", 168}, {"reference", 168}};
    ASSERT_EQ(doc["steps"].size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        const nlohmann::json& step = doc["steps"][k];
        SCOPED_TRACE(step.dump());
        EXPECT_EQ(step["step"], expected[k].first);
        EXPECT_EQ(step["items"], expected[k].second);
        EXPECT_EQ(step["program"]["runs"], 2);
        EXPECT_LE(step["clock"]["min_ms"].get<double>(), step["clock"]["max_ms"].get<double>());
    }
}

TEST(CliRunAll, LeavesOutTheQuadraticStepsAboveTheirLimits) {
    const ProgramResult r = Cli("run all --bound 150000 --format csv");
    ASSERT_EQ(r.exitCode, 0);
    std::vector<std::string> steps;
    for (const std::string& line : Lines(r.out)) {
        if (line.rfind("\"", 0) == 0) steps.push_back(line.substr(1, line.find('"', 1) - 1));
    }
    EXPECT_EQ(steps, (std::vector<std::string>{"dialog", "4", "5", "6", "7", "8", "reference"}));
}

TEST(CliVerify, ExitCodeTellsWhetherEveryListingFollowsItsRule) {
    const ProgramResult ok = Cli("verify all --bound 30000");
    EXPECT_EQ(ok.exitCode, 0) << ok.out;
    EXPECT_NE(ok.out.find("step 8         ok: 3245 items"), std::string::npos) << ok.out;
    EXPECT_EQ(Cli("verify 8 --bound -2").exitCode, 2);
    EXPECT_EQ(Cli("verify 5 --bound 2147483648").exitCode, 2);
}

TEST(CliSweep, PrintsAGrowthExponentPerStep) {
    const ProgramResult r = Cli("sweep 5 8 --from 1000 --to 100000 --points 3 --repeat 1 --format json");
    ASSERT_EQ(r.exitCode, 0);
    const nlohmann::json doc = nlohmann::json::parse(r.out);
    EXPECT_EQ(doc["steps"].size(), 6u);
    ASSERT_EQ(doc["growth"].size(), 2u);
    // Only the shape: the values are timings of a shared machine.
    for (const nlohmann::json& g : doc["growth"]) {
        EXPECT_TRUE(std::isfinite(g["exponent"].get<double>())) << g.dump();
        EXPECT_EQ(g["points"], 3) << g.dump();
    }
    EXPECT_EQ(Cli("sweep 5 --from 100 --to 10").exitCode, 2);
    EXPECT_EQ(Cli("sweep 5 --from 10 --to 100 --plot out.txt").exitCode, 2);
}

TEST(CliRunStep, ListingsEndWhereTheirRuleSays) {
    struct Case {
        const char* args;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {"run 8 --bound 1008 --list", PrimeTexts(2, 1009)},
        {"run 8 --bound 3 --list", {"2", "3"}},
        {"run 6 --bound 1000 --list", OneAndPrimes(3, 1000)},
        {"run 1 --bound 100 --list", OneAndPrimes(2, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const ProgramResult r = Cli(c.args);
        ASSERT_EQ(r.exitCode, 0);
        std::vector<std::string> lines = Lines(r.out);
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(std::regex_match(lines.back(), std::regex("Zeitmessung: -?[0-9]+[.,][0-9]{2} ms")))
            << lines.back();
        lines.pop_back();
        EXPECT_EQ(lines, c.items);
    }
}

TEST(CliUsage, ExitCodes) {
    struct Case {
        const char* args;
        int exitCode;
    };
    const Case cases[] = {
        {"--help", 0},
        {"", 2},
        {"frobnicate", 2},
        {"run", 2},
        {"run nosuchstep", 2},
        {"run dialog --bogus", 2},
        {"run dialog --bound", 2},
        {"run 9", 2},
        {"run 5 --bound abc", 2},
        {"run 8 --bound 2147483647", 2},
        {"run 8 --bound -2", 2},
        {"run 1 --bound 2147483648", 2},
        {"run 5 --bound 2147483647,5", 2},
        {"run 5 --repeat 0", 2},
        {"run 5 --format xml", 2},
        {"verify 5", 2},
        {"sweep 5 --to 100", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(Cli(c.args).exitCode, c.exitCode);
    }
}

}  // namespace
}  // namespace zandrel::test
