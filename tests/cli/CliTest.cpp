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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        EXPECT_EQ(Cli(c.args).exitCode, c.exitCode);
    }
}

}  // namespace
}  // namespace zandrel::test
