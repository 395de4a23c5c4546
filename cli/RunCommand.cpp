#include <fmt/core.h>

#include <CLI/CLI.hpp>
#include <iostream>

#include "Commands.h"
#include "ConsolePanel.h"
#include "Measure.h"

namespace zandrel::cli {

Format ParseFormat(const std::string& name) {
    if (name == "csv") return Format::Csv;
    if (name == "json") return Format::Json;
    if (name == "markdown") return Format::Markdown;
    return Format::Table;
}

std::vector<std::string> StepChoices() { return StepNames(); }

void SetupRun(CLI::App& app, RunOptions& options, int& exitCode) {
    CLI::App* run =
        app.add_subcommand("run", "Run searches and print what they list, or statistics of repeated runs");
    run->add_option("step", options.steps,
                    "dialog (zandrel), 1 ... 8 (the workbench's panels in screen order), reference "
                    "(libprimesieve), or all")
        ->required()
        ->check(CLI::IsMember(StepChoices()));
    run->add_option("--bound", options.bound, "Bound text, as typed into the bound box")
        ->capture_default_str();
    run->add_flag("--list", options.list, "Print every list item, one per line, then the result text");
    run->add_option("--repeat", options.repeat, "Measured runs per step")->check(CLI::Range(1, 1'000'000));
    run->add_option("--warmup", options.warmup, "Unmeasured runs per step before those")
        ->check(CLI::Range(0, 1'000'000));
    run->add_option("--format", options.format, "Statistics as table, csv, json or markdown")
        ->check(CLI::IsMember({"table", "csv", "json", "markdown"}));
    run->callback([&options, &exitCode] { exitCode = RunRun(options); });
}

namespace {

// One run of one step, printed as its listing or as a count, then its result text.
void RunPlain(const StepDef& step, const RunOptions& options, const bench::NumberFormat& format) {
    for (int w = 0; w < options.warmup; ++w) {
        ConsolePanel warm(options.bound);
        RunStep(step, warm, format);
    }
    ConsolePanel panel(options.bound);
    RunStep(step, panel, format);
    if (options.list) {
        panel.WriteItems(stdout);
    } else {
        fmt::print("{} items\n", panel.Items().Size());
    }
    fmt::print("{}\n", panel.ResultText());
    std::fflush(stdout);
}

}  // namespace

int RunRun(const RunOptions& options) {
    const bench::NumberFormat format = bench::NumberFormat::FromEnvironment();
    const std::vector<Selected> selected = SelectSteps(options.steps);
    const bool plain =
        options.list || (selected.size() == 1 && options.format.empty() && options.repeat == 1);
    Report report;
    for (const Selected& s : selected) {
        if (const std::string why = LeftOutOfAll(s, options.bound); !why.empty()) {
            fmt::print(stderr, "note: {}\n", why);
            continue;
        }
        const int code = GuardStep(*s.step, options.bound, [&] {
            if (plain) {
                RunPlain(*s.step, options, format);
            } else {
                report.steps.push_back(
                    MeasureStep(*s.step, options.bound, options.warmup, options.repeat, format));
                WarnIfNoisy(report.steps.back());
            }
        });
        if (code != 0) {
            return code;
        }
    }
    if (!plain) {
        WriteReport(report, ParseFormat(options.format), std::cout);
    }
    return 0;
}

}  // namespace zandrel::cli
