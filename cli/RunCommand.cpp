#include "RunCommand.h"

#include <CLI/CLI.hpp>
#include <fmt/core.h>

#include "CalcRun.h"
#include "ConsolePanel.h"
#include "zandrel/Platform.h"

namespace zandrel::cli {

void SetupRunCommand(CLI::App& app, RunOptions& options, int& exitCode) {
    CLI::App* run = app.add_subcommand("run", "Run a search into a console panel and print what it lists");
    run->add_option("step", options.steps, "Which search: dialog")
        ->required()
        ->check(CLI::IsMember({"dialog"}));
    run->add_option("--bound", options.bound, "Bound text, as typed into the bound box")
        ->capture_default_str();
    run->add_flag("--list", options.list, "Print every list item, one per line, then the result text");
    run->callback([&options, &exitCode] { exitCode = RunSteps(options); });
}

int RunSteps(const RunOptions& options) {
    for (const std::string& step : options.steps) {
        (void)step;  // "dialog" is the only step so far
        ConsolePanel panel(options.bound);
        dialog::CalcRun(panel, TickCount);
        if (options.list) {
            panel.WriteItems(stdout);
        } else {
            fmt::print("{} items\n", panel.Items().Size());
        }
        fmt::print("{}\n", panel.ResultText());
    }
    return 0;
}

}  // namespace zandrel::cli
