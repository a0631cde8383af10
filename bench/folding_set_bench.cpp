// Drawing the folding box's busiest full set and converting it to DXF.
#include <benchmark/benchmark.h>

#include "app/commands.h"
#include "app/saving.h"
#include "bench/workbenches.h"

namespace {

using namespace tessaro;

void BM_FoldingSetGenerateAndConvert(benchmark::State& state) {
    bench::BusiestFoldingSet set;
    Workbench& wb = set.wb;
    std::size_t bytes = 0;
    for (auto _ : state) {
        makeFoldingBoxSet(wb);
        bytes = templateBytes(wb, FileType::Dxf).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["points"] = static_cast<double>(wb.drawing.pointCount());
    state.counters["dxf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_FoldingSetGenerateAndConvert)->Unit(benchmark::kMicrosecond);

}  // namespace
