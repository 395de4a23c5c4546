#pragma once

#include <functional>
#include <string>
#include <vector>

#include "NumberFormat.h"
#include "Report.h"
#include "StepCatalog.h"

namespace zandrel::cli {

/// A step to run, and whether it came from "all" (which may leave it out).
struct Selected {
    const StepDef* step;
    bool fromAll;
};

/// Expands "all" (dialog, 1 ... 8, reference) and keeps the order given,
/// each step once.
std::vector<Selected> SelectSteps(const std::vector<std::string>& names);

/// Steps 1 to 4 try every divisor (or every divisor up to the first): their
/// time grows with the square of the bound. "all" leaves each out above the
/// bound where it would take several seconds; named explicitly it always runs.
/// Returns the reason when it is left out.
std::string LeftOutOfAll(const Selected& selected, const std::string& boundText);

/// Runs a step `warmup` times unmeasured and `repeat` times measured, each
/// into a fresh panel that keeps its items. Throws bench::RunError for a
/// bound the step cannot take.
StepRecord MeasureStep(const StepDef& step, const std::string& boundText, int warmup, int repeat,
                       const bench::NumberFormat& format);

/// Warns on stderr when the measured runs spread widely (a busy machine).
void WarnIfNoisy(const StepRecord& record);

/// Runs fn() for a step. A bound the step cannot take, or memory running out,
/// is printed as the runner's error on stderr and gives exit code 2 or 3;
/// otherwise 0.
int GuardStep(const StepDef& step, const std::string& boundText, const std::function<void()>& fn);

}  // namespace zandrel::cli
