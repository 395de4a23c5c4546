#include <benchmark/benchmark.h>

#include <string>

#include "BenchPanels.h"
#include "CalcRun.h"
#include "zandrel/Platform.h"

namespace zandrel::benchmarks {
namespace {

template <class PanelType>
void BM_CalcRun(benchmark::State& state) {
    const std::string bound = std::to_string(state.range(0));
    std::size_t items = 0;
    for (auto _ : state) {
        PanelType panel(bound);
        dialog::CalcRun(panel, TickCount);
        if constexpr (requires { panel.count; }) {
            items = panel.count;
        } else {
            items = panel.items.Size();
        }
        benchmark::DoNotOptimize(items);
    }
    state.counters["items"] = static_cast<double>(items);
    state.counters["ns_per_candidate"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * static_cast<double>((state.range(0) + 1) / 2),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_CalcRun<DiscardPanel>)
    ->Name("BM_CalcRun_Discard")
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcRun<KeepPanel>)
    ->Name("BM_CalcRun_Keep")
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zandrel::benchmarks
