#include <benchmark/benchmark.h>

#include <array>
#include <ctime>
#include <memory>
#include <string>

#include "BenchPanels.h"
#include "Steps.h"
#include "Workbench.h"
#include "xTimer.h"

namespace zandrel::benchmarks {
namespace {

using bench::kSteps;

// One step of the workbench into panels that keep every item; range(0) is the
// step (1 ... 8), range(1) the bound. "stopwatch_ms" is what the panel shows.
void BM_Step(benchmark::State& state) {
    const bench::StepInfo& step = kSteps[static_cast<std::size_t>(state.range(0) - 1)];
    const std::string bound = std::to_string(state.range(1));
    double stopwatch = 0;
    std::size_t items = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::array<std::unique_ptr<KeepPanel>, 8> panels;
        std::array<Panel*, 8> pointers{};
        for (std::size_t c = 0; c < 8; ++c) {
            panels[c] = std::make_unique<KeepPanel>(bound);
            pointers[c] = panels[c].get();
        }
        bench::Workbench workbench(pointers, bench::NumberFormat{});
        state.ResumeTiming();
        workbench.Click(step.command);
        stopwatch += workbench.Stoppuhr().RunTime().ToDouble();
        items = panels[static_cast<std::size_t>(step.command - 1)]->items.Size();
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
    state.counters["stopwatch_ms"] = stopwatch / static_cast<double>(state.iterations());
    state.SetLabel(std::string(step.caption));
}

void StepArgs(benchmark::internal::Benchmark* b) {
    for (int step = 1; step <= 8; ++step) {
        b->Args({step, 2'000});
        b->Args({step, 20'000});
        if (step >= 5) b->Args({step, 200'000});
    }
}
BENCHMARK(BM_Step)->Apply(StepArgs)->ArgNames({"step", "bound"})->Unit(benchmark::kMillisecond);

// The stopwatch's own cost: a Start + Halt pair, against two bare clock reads.
void BM_StopwatchStartHalt(benchmark::State& state) {
    bench::xTimer timer;
    for (auto _ : state) {
        timer.Start();
        timer.Halt();
    }
    benchmark::DoNotOptimize(timer.RunTime().ToDouble());
}
BENCHMARK(BM_StopwatchStartHalt);

void BM_BareClockPair(benchmark::State& state) {
    timespec a{};
    timespec b{};
    for (auto _ : state) {
        clock_gettime(CLOCK_MONOTONIC, &a);
        clock_gettime(CLOCK_MONOTONIC, &b);
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
    }
}
BENCHMARK(BM_BareClockPair);

// What Calibrieren stores: the time of two back-to-back readings, seen here
// as the reading of an uncalibrated Start + Halt ("calibration_ns"); and what
// is left of an empty interval after calibration ("empty_interval_ns").
void BM_Calibration(benchmark::State& state) {
    bench::xTimer timer;
    bench::xTimer uncalibrated;
    double residue = 0;
    double pair = 0;
    for (auto _ : state) {
        timer.Calibrieren();
        timer.Start();
        timer.Halt();
        residue += timer.RunTime().ToDouble();
        uncalibrated.Start();
        uncalibrated.Halt();
        pair += uncalibrated.RunTime().ToDouble();
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["empty_interval_ns"] = residue / n * 1e6;
    state.counters["calibration_ns"] = pair / n * 1e6;
}
BENCHMARK(BM_Calibration);

}  // namespace
}  // namespace zandrel::benchmarks
