// Nesting the folding box's full set, with relief and screw holes, onto the smallest and
// the largest common laser bed; the sheets a run needs are reported beside the time.
#include <benchmark/benchmark.h>

#include "app/commands.h"
#include "bench/workbenches.h"
#include "nesting/sheet_nesting.h"

namespace {

using namespace tessaro;

void BM_NestFullSet(benchmark::State& state) {
    bench::BusiestFoldingSet set;
    Workbench& wb = set.wb;
    makeFoldingBoxSet(wb);
    const SheetSize sheet{static_cast<double>(state.range(0)), static_cast<double>(state.range(1))};
    std::size_t sheets = 0;
    for (auto _ : state) {
        sheets = nestOntoSheets(wb.drawing, sheet, 6.35).size();
        benchmark::DoNotOptimize(sheets);
    }
    state.counters["sheets"] = static_cast<double>(sheets);
}
BENCHMARK(BM_NestFullSet)->Args({300, 200})->Args({600, 400})->Unit(benchmark::kMillisecond);

}  // namespace
