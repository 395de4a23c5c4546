#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "Statistics.h"

namespace zandrel::cli {

/// The measurements of one step at one bound.
struct StepRecord {
    std::string step;
    std::string caption;
    std::string bound;  // the bound text as given
    std::size_t items = 0;
    Summary program;  ///< the program's own timing, ms
    Summary clock;    ///< the steady clock around the search, ms
};

/// The growth exponent of one step over a sweep.
struct GrowthRecord {
    std::string step;
    std::string caption;
    GrowthFit fit;
};

/// What a run or a sweep reports: plain records, written by any reporter.
struct Report {
    std::vector<StepRecord> steps;
    std::vector<GrowthRecord> growth;  ///< sweeps only
};

enum class Format { Table, Csv, Json, Markdown };

/// Writes the report in the given format.
void WriteReport(const Report& report, Format format, std::ostream& out);

}  // namespace zandrel::cli
