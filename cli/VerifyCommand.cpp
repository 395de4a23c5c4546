#include <fmt/core.h>

#include <CLI/CLI.hpp>

#include "Commands.h"
#include "Measure.h"
#include "Verify.h"

namespace zandrel::cli {

void SetupVerify(CLI::App& app, VerifyOptions& options, int& exitCode) {
    CLI::App* verify = app.add_subcommand(
        "verify",
        "Compare each step's listing with libprimesieve under the step's rule; exit 1 on any difference");
    verify->add_option("step", options.steps, "Steps as for run (dialog, 1 ... 8, reference, all)")
        ->required()
        ->check(CLI::IsMember(StepChoices()));
    verify->add_option("--bound", options.bound, "The bound, a whole number")
        ->required()
        ->check(CLI::Range(-2147483648LL, 2147483647LL));
    verify->callback([&options, &exitCode] { exitCode = RunVerify(options); });
}

int RunVerify(const VerifyOptions& options) {
    const bench::NumberFormat format = bench::NumberFormat::FromEnvironment();
    const std::string boundText = std::to_string(options.bound);
    bool allMatch = true;
    for (const Selected& s : SelectSteps(options.steps)) {
        if (const std::string why = LeftOutOfAll(s, boundText); !why.empty()) {
            fmt::print("step {:<9} skipped: {}\n", s.step->name, why);
            continue;
        }
        VerifyPanel panel(boundText, *s.step, options.bound);
        if (const int code = GuardStep(*s.step, boundText, [&] { RunStep(*s.step, panel, format); });
            code != 0) {
            return code;
        }
        panel.Finish();
        if (const auto& d = panel.FirstDifference()) {
            allMatch = false;
            fmt::print("step {:<9} DIFFERS at item {}: expected {}, got {}\n", s.step->name, d->item,
                       d->expected.empty() ? "the end of the listing" : d->expected,
                       d->got.empty() ? "the end of the listing" : d->got);
        } else {
            fmt::print("step {:<9} ok: {} items\n", s.step->name, panel.Items());
        }
        std::fflush(stdout);
    }
    return allMatch ? 0 : 1;
}

}  // namespace zandrel::cli
