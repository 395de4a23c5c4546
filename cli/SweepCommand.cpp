#include <fmt/core.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <iostream>

#include "Commands.h"
#include "Measure.h"
#include "Plot.h"

namespace zandrel::cli {

void SetupSweep(CLI::App& app, SweepOptions& options, int& exitCode) {
    CLI::App* sweep =
        app.add_subcommand("sweep", "Time steps over geometrically spaced bounds and fit their growth");
    sweep->add_option("step", options.steps, "Steps as for run (dialog, 1 ... 8, reference, all)")
        ->required()
        ->check(CLI::IsMember(StepChoices()));
    sweep->add_option("--from", options.from, "Smallest bound")
        ->required()
        ->check(CLI::Range(1LL, 2147483646LL));
    sweep->add_option("--to", options.to, "Largest bound")->required()->check(CLI::Range(1LL, 2147483646LL));
    sweep->add_option("--points", options.points, "Number of bounds")
        ->capture_default_str()
        ->check(CLI::Range(2, 1000));
    sweep->add_option("--repeat", options.repeat, "Measured runs per step and bound")
        ->capture_default_str()
        ->check(CLI::Range(1, 1'000'000));
    sweep->add_option("--warmup", options.warmup, "Unmeasured runs before those")
        ->check(CLI::Range(0, 1'000'000));
    sweep->add_option("--plot", options.plot, "Draw a log-log plot to FILE.svg or FILE.png");
    sweep->add_option("--format", options.format, "table, csv, json or markdown")
        ->capture_default_str()
        ->check(CLI::IsMember({"table", "csv", "json", "markdown"}));
    sweep->callback([&options, &exitCode] { exitCode = RunSweep(options); });
}

int RunSweep(const SweepOptions& options) {
    if (options.from > options.to) {
        fmt::print(stderr, "zandrel-cli: --from ({}) must not exceed --to ({})\n", options.from, options.to);
        return 2;
    }
    if (!options.plot.empty() && !options.plot.ends_with(".svg") && !options.plot.ends_with(".png")) {
        fmt::print(stderr, "zandrel-cli: --plot must name a .svg or .png file\n");
        return 2;
    }
    const bench::NumberFormat format = bench::NumberFormat::FromEnvironment();
    const std::vector<Selected> selected = SelectSteps(options.steps);
    const std::vector<long long> bounds = GeometricBounds(options.from, options.to, options.points);
    const bool progress = isatty(STDERR_FILENO) != 0;
    const std::size_t total = bounds.size() * selected.size();

    Report report;
    std::size_t done = 0;
    for (long long bound : bounds) {
        const std::string boundText = std::to_string(bound);
        for (const Selected& s : selected) {
            ++done;
            if (const std::string why = LeftOutOfAll(s, boundText); !why.empty()) {
                continue;
            }
            if (progress) {  // between measured runs only, never inside one
                fmt::print(stderr, "\r[{}/{}] step {} at bound {}   ", done, total, s.step->name, bound);
            }
            const int code = GuardStep(*s.step, boundText, [&] {
                report.steps.push_back(
                    MeasureStep(*s.step, boundText, options.warmup, options.repeat, format));
            });
            if (code != 0) {
                return code;
            }
            WarnIfNoisy(report.steps.back());
        }
    }
    if (progress) fmt::print(stderr, "\r{:60}\r", "");

    // Fit each step over its clock medians: one scale for every step.
    for (const Selected& s : selected) {
        std::vector<double> xs;
        std::vector<double> ys;
        for (const StepRecord& r : report.steps) {
            if (r.step == s.step->name) {
                xs.push_back(std::stod(r.bound));
                ys.push_back(r.clock.median);
            }
        }
        if (const auto fit = FitGrowth(xs, ys)) {
            report.growth.push_back({s.step->name, s.step->caption, *fit});
        }
    }
    WriteReport(report, ParseFormat(options.format), std::cout);

    if (!options.plot.empty()) {
        std::string error;
        if (!WritePlot(report, options.plot, error)) {
            fmt::print(stderr, "zandrel-cli: cannot write the plot {}: {}\n", options.plot, error);
            return 1;
        }
        fmt::print(stderr, "plot written to {}\n", options.plot);
    }
    return 0;
}

}  // namespace zandrel::cli
