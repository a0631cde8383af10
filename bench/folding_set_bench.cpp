// Drawing the folding box's busiest full set and converting it to DXF.
#include <benchmark/benchmark.h>

#include "app/commands.h"
#include "bench/workbenches.h"
#include "output/dxf.h"

namespace {

using namespace tessaro;

void BM_FoldingSetGenerateAndConvert(benchmark::State& state) {
    bench::BusiestFoldingSet set;
    Workbench& wb = set.wb;
    for (auto _ : state) {
        makeFoldingBoxSet(wb);
        convertToDxf(wb.epsDocument, true, wb.dxfDocument);
        benchmark::DoNotOptimize(wb.dxfDocument.size());
    }
    state.counters["eps_lines"] = static_cast<double>(wb.epsDocument.size());
}
BENCHMARK(BM_FoldingSetGenerateAndConvert)->Unit(benchmark::kMicrosecond);

}  // namespace
