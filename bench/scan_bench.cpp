// The scan over n = 1..10000 for the default parameters, alone and with the
// result list text. Goal: scan plus list below 1 ms.
#include "core/result_list.h"
#include "core/scan.h"
#include "core/target.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

using namespace velnorit;

struct DefaultScan {
    std::unique_ptr<WindowState> state = std::make_unique<WindowState>();
    ScanParameters parameters;

    DefaultScan() {
        computeTarget(*state, TargetControls{});
        parameters.target = *state->target;
        parameters.yScale = 100 / std::pow(1.4, 3);
        parameters.scanSign = 1;
        parameters.wurzel = 5;
        parameters.abs = 0;
        parameters.nenner = 2;
    }
};

class NoMarks : public ScanListener {
public:
    void onRecord(const Record& r, const WindowState&) override { benchmark::DoNotOptimize(r); }
    void onNoRecord(Side, const WindowState&) override {}
    void onAbsoluteImprovement(const Record&, const WindowState&) override {}
    void onStepEnd(const WindowState& s) override { benchmark::DoNotOptimize(s.upper); }
};

void scanAlone(benchmark::State& bench) {
    DefaultScan scan;
    NoMarks listener;
    for (auto _ : bench) runScan(*scan.state, scan.parameters, listener);
}
BENCHMARK(scanAlone)->Unit(benchmark::kMicrosecond);

void scanWithList(benchmark::State& bench) {
    DefaultScan scan;
    for (auto _ : bench) {
        ResultListBuilder list;
        runScan(*scan.state, scan.parameters, list);
        benchmark::DoNotOptimize(list.text().data());
    }
}
BENCHMARK(scanWithList)->Unit(benchmark::kMicrosecond);

} // namespace
