// What a list box costs per item when a search fills it: our ListBox (the
// compact ItemListModel) against QListWidget, both shown on the offscreen
// platform. Each run appends the texts of the primes below the bound, one
// append per item as a search does, then returns to the event loop so the
// view takes the new rows, scrolls to the end and paints; then the list is
// destroyed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QListWidget>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <memory>
#include <primesieve.hpp>
#include <vector>

#include "ListBox.h"

namespace {

using Clock = std::chrono::steady_clock;

double ResidentBytes() {
    long pages = 0;
    long resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

const std::vector<std::uint32_t>& PrimesBelow(std::uint32_t bound) {
    static std::vector<std::uint32_t> primes;
    static std::uint32_t cached = 0;
    if (cached != bound) {
        primes.clear();
        primesieve::generate_primes(bound - 1, &primes);
        cached = bound;
    }
    return primes;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

struct OurList {
    zandrel::qt::ListBox view;
    void Append(std::string_view text) { view.Model().Append(text); }
};

struct WidgetList {
    QListWidget view;
    WidgetList() { view.setUniformItemSizes(true); }
    void Append(std::string_view text) {
        view.addItem(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    }
};

template <class List>
void BM_FillList(benchmark::State& state) {
    const auto& primes = PrimesBelow(static_cast<std::uint32_t>(state.range(0)));
    double appendNs = 0, bytes = 0, showMs = 0, scrollMs = 0, closeMs = 0;
    for (auto _ : state) {
        const double before = ResidentBytes();
        auto list = std::make_unique<List>();
        list->view.resize(145, 173);
        list->view.show();
        QCoreApplication::processEvents();

        const auto start = Clock::now();
        char text[16];
        for (std::uint32_t p : primes) {
            const auto end = std::to_chars(text, text + sizeof text, p).ptr;
            list->Append(std::string_view(text, static_cast<std::size_t>(end - text)));
        }
        const auto appended = Clock::now();
        QCoreApplication::processEvents();  // the view takes the rows
        list->view.repaint();
        const auto shown = Clock::now();
        list->view.scrollToBottom();
        QCoreApplication::processEvents();
        list->view.repaint();
        const auto scrolled = Clock::now();
        bytes = (ResidentBytes() - before) / static_cast<double>(primes.size());
        list.reset();
        const auto closed = Clock::now();

        appendNs = Ms(appended - start) * 1e6 / static_cast<double>(primes.size());
        showMs = Ms(shown - appended);
        scrollMs = Ms(scrolled - shown);
        closeMs = Ms(closed - scrolled);
    }
    state.counters["items"] = static_cast<double>(primes.size());
    state.counters["append_ns_per_item"] = appendNs;
    state.counters["bytes_per_item"] = bytes;
    state.counters["show_ms"] = showMs;
    state.counters["scroll_ms"] = scrollMs;
    state.counters["close_ms"] = closeMs;
}

// 100,000,000: 5,761,455 primes, the size the list must stay fast at.
BENCHMARK(BM_FillList<OurList>)
    ->Name("BM_FillList_ListBox")
    ->Arg(100'000'000)
    ->Arg(100'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillList<WidgetList>)
    ->Name("BM_FillList_QListWidget")
    ->Arg(100'000'000)
    ->Arg(100'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
