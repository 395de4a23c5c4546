#include <gtest/gtest.h>

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

TEST(CliRunAll, TableHasEveryStepWithItsItemCount) {
    const ProgramResult r = Cli("run all --bound 1000");
    ASSERT_EQ(r.exitCode, 0);
    const std::vector<std::string> lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 10u) << r.out;
    const std::pair<const char*, int> expected[] = {{"dialog", 168}, {"1", 169}, {"2", 169}, {"3", 169}, {"4", 169},
                                                    {"5", 169},      {"6", 168}, {"7", 168}, {"8", 168}};
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        SCOPED_TRACE(lines[k + 1]);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(lines[k + 1], m, std::regex(R"((\S+)\s+(.+?)\s+(\d+)\s+(-?\d+\.\d\d))")));
        EXPECT_EQ(m[1], expected[k].first);
        EXPECT_EQ(std::stoi(m[3]), expected[k].second);
    }
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
        EXPECT_TRUE(std::regex_match(lines.back(), std::regex("Zeitmessung: -?[0-9]+[.,][0-9]{2} ms"))) << lines.back();
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(Cli(c.args).exitCode, c.exitCode);
    }
}

}  // namespace
}  // namespace zandrel::test
