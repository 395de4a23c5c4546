#pragma once

#include <string>

#include "Report.h"

namespace zandrel::cli {

/// Draws time against bound on log-log axes, one line per step with its
/// German caption in the legend, to an .svg or .png file. False with a reason
/// in error when it cannot (no plotting in this build, a file not written).
bool WritePlot(const Report& report, const std::string& path, std::string& error);

}  // namespace zandrel::cli
