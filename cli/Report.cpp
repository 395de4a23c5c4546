#include "Report.h"

#include <fmt/core.h>
#include <fmt/ostream.h>

#include <nlohmann/json.hpp>
#include <ostream>

namespace zandrel::cli {

namespace {

void WriteTable(const Report& report, std::ostream& out) {
    fmt::print(out, "{:<9} {:<38} {:>10} {:>9} {:>4} {:>10} {:>10} {:>10} {:>10} {:>7} {:>11}\n", "step",
               "caption", "bound", "items", "runs", "min ms", "median ms", "mean ms", "max ms", "spread",
               "clock ms");
    for (const StepRecord& r : report.steps) {
        fmt::print(
            out,
            "{:<9} {:<38} {:>10} {:>9} {:>4} {:>10.3f} {:>10.3f} {:>10.3f} {:>10.3f} {:>6.1f}% {:>11.3f}\n",
            r.step, r.caption, r.bound, r.items, r.program.count, r.program.min, r.program.median,
            r.program.mean, r.program.max, r.program.spread * 100, r.clock.median);
    }
    if (!report.growth.empty()) {
        fmt::print(out, "\n{:<9} {:<38} {:>9} {:>6} {:>6}\n", "step", "caption", "exponent", "r^2", "points");
        for (const GrowthRecord& g : report.growth) {
            fmt::print(out, "{:<9} {:<38} {:>9.2f} {:>6.3f} {:>6}\n", g.step, g.caption, g.fit.exponent,
                       g.fit.rSquared, g.fit.points);
        }
    }
}

std::string CsvField(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void WriteCsv(const Report& report, std::ostream& out) {
    out << "step,caption,bound,items,runs,min_ms,median_ms,mean_ms,max_ms,spread,clock_min_ms,clock_median_"
           "ms,"
           "clock_mean_ms,clock_max_ms\n";
    for (const StepRecord& r : report.steps) {
        fmt::print(out, "{},{},{},{},{},{},{},{},{},{},{},{},{},{}\n", CsvField(r.step), CsvField(r.caption),
                   CsvField(r.bound), r.items, r.program.count, r.program.min, r.program.median,
                   r.program.mean, r.program.max, r.program.spread, r.clock.min, r.clock.median, r.clock.mean,
                   r.clock.max);
    }
    if (!report.growth.empty()) {
        out << "\nstep,caption,exponent,r_squared,points\n";
        for (const GrowthRecord& g : report.growth) {
            fmt::print(out, "{},{},{},{},{}\n", CsvField(g.step), CsvField(g.caption), g.fit.exponent,
                       g.fit.rSquared, g.fit.points);
        }
    }
}

nlohmann::json SummaryJson(const Summary& s) {
    return {{"runs", s.count},   {"min_ms", s.min}, {"median_ms", s.median},
            {"mean_ms", s.mean}, {"max_ms", s.max}, {"spread", s.spread}};
}

void WriteJson(const Report& report, std::ostream& out) {
    nlohmann::json steps = nlohmann::json::array();
    for (const StepRecord& r : report.steps) {
        steps.push_back({{"step", r.step},
                         {"caption", r.caption},
                         {"bound", r.bound},
                         {"items", r.items},
                         {"program", SummaryJson(r.program)},
                         {"clock", SummaryJson(r.clock)}});
    }
    nlohmann::json doc = {{"steps", steps}};
    if (!report.growth.empty()) {
        nlohmann::json growth = nlohmann::json::array();
        for (const GrowthRecord& g : report.growth) {
            growth.push_back({{"step", g.step},
                              {"caption", g.caption},
                              {"exponent", g.fit.exponent},
                              {"r_squared", g.fit.rSquared},
                              {"points", g.fit.points}});
        }
        doc["growth"] = growth;
    }
    out << doc.dump(2) << '\n';
}

void WriteMarkdown(const Report& report, std::ostream& out) {
    out << "| Step | Caption | Bound | Items | Runs | Min ms | Median ms | Mean ms | Max ms | Spread | Clock "
           "ms |\n"
           "|---|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n";
    for (const StepRecord& r : report.steps) {
        fmt::print(out,
                   "| {} | {} | {} | {} | {} | {:.3f} | {:.3f} | {:.3f} | {:.3f} | {:.1f} % | {:.3f} |\n",
                   r.step, r.caption, r.bound, r.items, r.program.count, r.program.min, r.program.median,
                   r.program.mean, r.program.max, r.program.spread * 100, r.clock.median);
    }
    if (!report.growth.empty()) {
        out << "\n| Step | Caption | Exponent | r² | Points |\n|---|---|---:|---:|---:|\n";
        for (const GrowthRecord& g : report.growth) {
            fmt::print(out, "| {} | {} | {:.2f} | {:.3f} | {} |\n", g.step, g.caption, g.fit.exponent,
                       g.fit.rSquared, g.fit.points);
        }
    }
}

}  // namespace

void WriteReport(const Report& report, Format format, std::ostream& out) {
    switch (format) {
        case Format::Table: WriteTable(report, out); break;
        case Format::Csv: WriteCsv(report, out); break;
        case Format::Json: WriteJson(report, out); break;
        case Format::Markdown: WriteMarkdown(report, out); break;
    }
}

}  // namespace zandrel::cli
