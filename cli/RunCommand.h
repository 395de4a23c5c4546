#pragma once

#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace zandrel::cli {

struct RunOptions {
    std::vector<std::string> steps;
    std::string bound = "1000";
    bool list = false;
};

/// Adds the "run" subcommand; its callback runs the steps and stores the exit code.
void SetupRunCommand(CLI::App& app, RunOptions& options, int& exitCode);

/// Runs the named steps and prints their listing or summary; returns the exit code.
int RunSteps(const RunOptions& options);

}  // namespace zandrel::cli
