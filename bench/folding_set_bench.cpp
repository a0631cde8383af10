// The folding box's full set with every option that adds lines: six parts, relief and
// screw holes, about 1 200 lines; the command a maker runs most.
#include <benchmark/benchmark.h>

#include "app/commands.h"
#include "output/dxf.h"

namespace {

using namespace tessaro;

void BM_FoldingSetGenerateAndConvert(benchmark::State& state) {
    SystemClock clock;
    SilentMessages messages;
    Workbench wb{clock, messages};
    wb.options.cornerRelief = true;
    wb.options.screwJoints = true;
    for (auto _ : state) {
        makeFoldingBoxSet(wb);
        convertToDxf(wb.epsDocument, true, wb.dxfDocument);
        benchmark::DoNotOptimize(wb.dxfDocument.size());
    }
    state.counters["eps_lines"] = static_cast<double>(wb.epsDocument.size());
}
BENCHMARK(BM_FoldingSetGenerateAndConvert)->Unit(benchmark::kMicrosecond);

}  // namespace
