// Assembling the folding box's busiest full set: reading back the drawing, cutting each
// panel's material, triangulating and writing the STL.
#include <benchmark/benchmark.h>

#include "app/assembly.h"
#include "app/commands.h"
#include "assembly/stl_writer.h"
#include "bench/workbenches.h"

namespace {

using namespace tessaro;

void BM_AssembleTheBusiestFoldingSet(benchmark::State& state) {
    bench::BusiestFoldingSet set;
    const TemplateCommand& command = *findCommand("full");
    command.run(set.wb);
    for (auto _ : state) {
        benchmark::DoNotOptimize(assembledTemplate(set.wb, command).panels.size());
    }
}
BENCHMARK(BM_AssembleTheBusiestFoldingSet)->Unit(benchmark::kMillisecond);

void BM_AssembledFoldingSetAsStl(benchmark::State& state) {
    bench::BusiestFoldingSet set;
    const TemplateCommand& command = *findCommand("full");
    command.run(set.wb);
    const BoxAssembly assembly = assembledTemplate(set.wb, command);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = stlBytes(assembly).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["stl_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_AssembledFoldingSetAsStl)->Unit(benchmark::kMillisecond);

}  // namespace
