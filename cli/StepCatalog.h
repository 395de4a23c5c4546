#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "NumberFormat.h"
#include "zandrel/Panel.h"

namespace zandrel::cli {

/// One search the runner can run: the dialog's, a workbench step, or the
/// reference generator.
struct StepDef {
    std::string name;     ///< "dialog", "1" ... "8", "reference"
    std::string caption;  ///< the button's caption (German), or the reference's
    /// What its listing must be for bound n: "1" first (when n >= 1)?
    bool listsOne;
    /// Lists 2 (the even prime)?
    bool listsTwo;
    /// How far past the bound it lists (the sieve lists up to n + 1).
    int beyondBound;
};

/// Every step in the order "all" runs them.
const std::vector<StepDef>& AllSteps();

/// The step named name, or nullptr.
const StepDef* FindStep(std::string_view name);

/// Names accepted on the command line: the steps and "all".
std::vector<std::string> StepNames();

/// One run's times in milliseconds: by the program's own timing (the dialog's
/// whole-millisecond ticks, the workbench's stopwatch; for the reference, the
/// steady clock) and by the steady clock around the whole search.
struct Timing {
    double programMs = 0;
    double clockMs = 0;
};

/// Runs a step once on the panel. Throws bench::RunError for a bound the step
/// cannot take, and whatever the panel throws.
Timing RunStep(const StepDef& step, Panel& panel, const bench::NumberFormat& format);

}  // namespace zandrel::cli
