#include "Measure.h"

#include <fmt/core.h>

#include <new>

#include "CalcRun.h"
#include "ConsolePanel.h"
#include "RunError.h"

namespace zandrel::cli {

std::vector<Selected> SelectSteps(const std::vector<std::string>& names) {
    std::vector<Selected> selected;
    // Each step once, at its first place; naming it anywhere exempts it from
    // what "all" leaves out.
    auto add = [&selected](const StepDef* step, bool fromAll) {
        for (Selected& s : selected) {
            if (s.step == step) {
                s.fromAll = s.fromAll && fromAll;
                return;
            }
        }
        selected.push_back({step, fromAll});
    };
    for (const std::string& name : names) {
        if (name == "all") {
            for (const StepDef& s : AllSteps()) add(&s, true);
        } else if (const StepDef* s = FindStep(name)) {
            add(s, false);
        }
    }
    return selected;
}

std::string LeftOutOfAll(const Selected& selected, const std::string& boundText) {
    if (!selected.fromAll) {
        return {};
    }
    struct Limit {
        const char* step;
        long long bound;
        const char* what;
    };
    // Each limit is where the step takes a few seconds on a 2.6 GHz core.
    static constexpr Limit kLimits[] = {
        {"1", 20'000, "tries every divisor through Variant values"},
        {"2", 20'000, "tries every divisor through Variant values"},
        {"3", 100'000, "tries divisors up to the first through Variant values"},
        {"4", 200'000, "tries divisors up to the first"},
    };
    const long long bound = dialog::ParseBound(boundText);
    for (const Limit& limit : kLimits) {
        if (selected.step->name == limit.step && bound > limit.bound) {
            return fmt::format(
                "step {} left out of 'all' above bound {}: it {}, so its time grows with the square "
                "of the bound; name it to run it anyway",
                limit.step, limit.bound, limit.what);
        }
    }
    return {};
}

StepRecord MeasureStep(const StepDef& step, const std::string& boundText, int warmup, int repeat,
                       const bench::NumberFormat& format) {
    StepRecord record{step.name, step.caption, boundText, 0, {}, {}};
    std::vector<double> program;
    std::vector<double> clock;
    for (int run = 0; run < warmup + repeat; ++run) {
        ConsolePanel panel(boundText);
        const Timing t = RunStep(step, panel, format);
        if (run >= warmup) {
            program.push_back(t.programMs);
            clock.push_back(t.clockMs);
            record.items = panel.Items().Size();
        }
    }
    record.program = Summarise(std::move(program));
    record.clock = Summarise(std::move(clock));
    return record;
}

void WarnIfNoisy(const StepRecord& record) {
    // Below a tenth of a millisecond a single interruption dominates: no verdict.
    if (record.clock.count >= 3 && record.clock.median >= 0.1 && record.clock.spread > kNoisySpread) {
        fmt::print(stderr,
                   "warning: step {} at bound {}: the runs spread over {:.0f} % of their median; the machine "
                   "may be busy, so compare with care\n",
                   record.step, record.bound, record.clock.spread * 100);
    }
}

}  // namespace zandrel::cli

namespace zandrel::cli {

int GuardStep(const StepDef& step, const std::string& boundText, const std::function<void()>& fn) {
    try {
        fn();
        return 0;
    } catch (const bench::RunError& e) {
        fmt::print(stderr, "zandrel-cli: step {}: bound \"{}\": {}\n", step.name, boundText, e.what());
        return 2;
    } catch (const std::bad_alloc&) {
        fmt::print(stderr, "zandrel-cli: step {}: bound \"{}\": out of memory\n", step.name, boundText);
        return 3;
    }
}

}  // namespace zandrel::cli
