#pragma once

#include <string>
#include <vector>

#include "Report.h"

namespace CLI {
class App;
}

namespace zandrel::cli {

struct RunOptions {
    std::vector<std::string> steps;
    std::string bound = "1000";
    bool list = false;
    int repeat = 1;
    int warmup = 0;
    std::string format;  // empty: the plain output of a single run
};

struct SweepOptions {
    std::vector<std::string> steps;
    long long from = 1000;
    long long to = 1'000'000;
    int points = 8;
    int repeat = 3;
    int warmup = 0;
    std::string plot;
    std::string format = "table";
};

struct VerifyOptions {
    std::vector<std::string> steps;
    long long bound = 0;
};

// Each Setup* adds its subcommand; the subcommand's callback runs it and
// stores the exit code. Each Run* returns the exit code.
void SetupRun(CLI::App& app, RunOptions& options, int& exitCode);
void SetupSweep(CLI::App& app, SweepOptions& options, int& exitCode);
void SetupVerify(CLI::App& app, VerifyOptions& options, int& exitCode);

int RunRun(const RunOptions& options);
int RunSweep(const SweepOptions& options);
int RunVerify(const VerifyOptions& options);

/// "table", "csv", "json", "markdown".
Format ParseFormat(const std::string& name);

/// The check that a step name is one the runner knows.
std::vector<std::string> StepChoices();

}  // namespace zandrel::cli
