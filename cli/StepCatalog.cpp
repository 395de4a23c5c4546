#include "StepCatalog.h"

#include <array>
#include <charconv>
#include <chrono>
#include <primesieve.hpp>

#include "CalcRun.h"
#include "Steps.h"
#include "Workbench.h"
#include "zandrel/Platform.h"

namespace zandrel::cli {

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Stands in for the seven panels a workbench step does not touch.
class IdlePanel final : public Panel {
public:
    std::string BoundText() const override { return {}; }
    void AppendItem(std::string_view) override {}
    void SetListVisible(bool) override {}
    void SetResultText(std::string_view) override {}
};

std::vector<StepDef> MakeSteps() {
    std::vector<StepDef> steps;
    steps.push_back({"dialog", "Berechen in C++", true, false, 0});
    for (const bench::StepInfo& s : bench::kSteps) {
        const bool sieve = s.step == 8;
        const bool oddOnly = s.step == 6 || s.step == 7;
        steps.push_back({std::to_string(s.step), std::string(s.caption), !sieve, !oddOnly, sieve ? 1 : 0});
    }
    steps.push_back({"reference", "primesieve (Referenz)", false, true, 0});
    return steps;
}

Timing RunDialog(Panel& panel) {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    int calls = 0;
    const auto start = Clock::now();
    dialog::CalcRun(panel, [&] {
        const std::uint32_t now = TickCount();
        (calls++ == 0 ? first : last) = now;
        return now;
    });
    const auto stop = Clock::now();
    return {static_cast<double>(static_cast<std::int32_t>(last - first)), Ms(stop - start)};
}

Timing RunWorkbench(int stepNumber, Panel& panel, const bench::NumberFormat& format) {
    const bench::StepInfo& info = bench::kSteps[static_cast<std::size_t>(stepNumber - 1)];
    IdlePanel idle;
    std::array<Panel*, 8> panels{};
    panels.fill(&idle);
    panels[static_cast<std::size_t>(info.command - 1)] = &panel;
    bench::Workbench workbench(panels, format);
    const auto start = Clock::now();
    workbench.Click(info.command);
    const auto stop = Clock::now();
    return {workbench.Stoppuhr().RunTime().ToDouble(), Ms(stop - start)};
}

// The primes 2 ... bound from libprimesieve, listed the way our searches list.
Timing RunReference(Panel& panel, const bench::NumberFormat& format) {
    const std::int32_t bound = bench::ParseNumber(panel.BoundText(), format);
    const auto start = Clock::now();
    if (bound >= 2) {
        primesieve::iterator it(0, static_cast<std::uint64_t>(bound));
        char text[16];
        for (std::uint64_t p = it.next_prime(); p <= static_cast<std::uint64_t>(bound); p = it.next_prime()) {
            const auto end = std::to_chars(text, text + sizeof text, p).ptr;
            panel.AppendItem(std::string_view(text, static_cast<std::size_t>(end - text)));
        }
    }
    const double ms = Ms(Clock::now() - start);
    panel.SetResultText("Zeitmessung: " + bench::FormatMilliseconds(ms, format) + " ms");
    return {ms, ms};
}

}  // namespace

const std::vector<StepDef>& AllSteps() {
    static const std::vector<StepDef> steps = MakeSteps();
    return steps;
}

const StepDef* FindStep(std::string_view name) {
    for (const StepDef& s : AllSteps()) {
        if (s.name == name) return &s;
    }
    return nullptr;
}

std::vector<std::string> StepNames() {
    std::vector<std::string> names;
    for (const StepDef& s : AllSteps()) names.push_back(s.name);
    names.push_back("all");
    return names;
}

Timing RunStep(const StepDef& step, Panel& panel, const bench::NumberFormat& format) {
    if (step.name == "dialog") return RunDialog(panel);
    if (step.name == "reference") return RunReference(panel, format);
    return RunWorkbench(std::stoi(step.name), panel, format);
}

}  // namespace zandrel::cli
