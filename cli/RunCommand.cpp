#include "RunCommand.h"

#include <CLI/CLI.hpp>
#include <fmt/core.h>

#include <array>
#include <memory>

#include "CalcRun.h"
#include "ConsolePanel.h"
#include "RunError.h"
#include "Steps.h"
#include "Workbench.h"
#include "zandrel/Platform.h"

namespace zandrel::cli {

namespace {

struct StepResult {
    std::string name;     // "dialog" or "1" ... "8"
    std::string caption;  // the button's caption
    std::unique_ptr<ConsolePanel> panel;
    double milliseconds = 0.0;
};

StepResult RunDialog(const std::string& bound) {
    StepResult r{"dialog", "Berechen in C++", std::make_unique<ConsolePanel>(bound)};
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    dialog::CalcRun(*r.panel, [&first, &last, calls = 0]() mutable {
        const std::uint32_t now = TickCount();
        (calls++ == 0 ? first : last) = now;
        return now;
    });
    r.milliseconds = static_cast<std::int32_t>(last - first);
    return r;
}

// Runs one workbench step on a fresh panel; the other seven panels are idle.
StepResult RunBenchStep(const bench::StepInfo& step, const std::string& bound, const bench::NumberFormat& format) {
    StepResult r{std::to_string(step.step), std::string(step.caption), std::make_unique<ConsolePanel>(bound)};
    std::array<std::unique_ptr<ConsolePanel>, 8> idle;
    std::array<Panel*, 8> panels{};
    for (int c = 1; c <= 8; ++c) {
        const auto at = static_cast<std::size_t>(c - 1);
        if (c == step.command) {
            panels[at] = r.panel.get();
        } else {
            idle[at] = std::make_unique<ConsolePanel>(bound);
            panels[at] = idle[at].get();
        }
    }
    bench::Workbench workbench(panels, format);
    workbench.Click(step.command);
    r.milliseconds = workbench.Stoppuhr().RunTime().ToDouble();
    return r;
}

void PrintTable(const std::vector<StepResult>& results) {
    fmt::print("{:<7} {:<40} {:>10} {:>12}\n", "step", "caption", "items", "time ms");
    for (const StepResult& r : results) {
        fmt::print("{:<7} {:<40} {:>10} {:>12.2f}\n", r.name, r.caption, r.panel->Items().Size(), r.milliseconds);
    }
}

}  // namespace

void SetupRunCommand(CLI::App& app, RunOptions& options, int& exitCode) {
    CLI::App* run = app.add_subcommand("run", "Run searches into console panels and print what they list");
    run->add_option("step", options.steps,
                    "Which search: dialog (zandrel), 1 ... 8 (the workbench's panels in screen order), or all")
        ->required()
        ->check(CLI::IsMember({"dialog", "1", "2", "3", "4", "5", "6", "7", "8", "all"}));
    run->add_option("--bound", options.bound, "Bound text, as typed into the bound box")->capture_default_str();
    run->add_flag("--list", options.list, "Print every list item, one per line, then the result text");
    run->callback([&options, &exitCode] { exitCode = RunSteps(options); });
}

int RunSteps(const RunOptions& options) {
    const bench::NumberFormat format = bench::NumberFormat::FromEnvironment();
    std::vector<std::string> names;
    for (const std::string& step : options.steps) {
        if (step == "all") {
            names.push_back("dialog");
            for (const bench::StepInfo& s : bench::kSteps) names.push_back(std::to_string(s.step));
        } else {
            names.push_back(step);
        }
    }
    const bool table = names.size() > 1 && !options.list;

    std::vector<StepResult> results;
    for (const std::string& name : names) {
        try {
            results.push_back(name == "dialog" ? RunDialog(options.bound)
                                               : RunBenchStep(bench::kSteps[std::stoul(name) - 1],
                                                              options.bound, format));
        } catch (const bench::RunError& e) {
            fmt::print(stderr, "zandrel-cli: step {}: bound \"{}\": {}\n", name, options.bound, e.what());
            return 2;
        }
        const StepResult& r = results.back();
        if (table) continue;
        if (options.list) {
            r.panel->WriteItems(stdout);
        } else {
            fmt::print("{} items\n", r.panel->Items().Size());
        }
        fmt::print("{}\n", r.panel->ResultText());
        std::fflush(stdout);
    }
    if (table) {
        PrintTable(results);
    }
    return 0;
}

}  // namespace zandrel::cli
