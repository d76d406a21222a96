// velnorit-liste --bis N for √61 as the program computes it: the records up
// to N from the continued fraction with exact m and k, and the list's text.
// Goals: N = 10^18 within 1 ms, N = 10^100 within 20 ms.
#include "core/far_records.h"
#include "core/record_table.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace velnorit;

void farList(benchmark::State& bench) {
    std::string digits(static_cast<std::size_t>(bench.range(0)) + 1, '0');
    digits[0] = '1';
    const DenominatorLimit limit{digits};
    for (auto _ : bench) benchmark::DoNotOptimize(recordListText(farRecords({61, 0, 1, 1}, limit), false));
}
BENCHMARK(farList)->Arg(18)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace
