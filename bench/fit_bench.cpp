// Measuring how the assembled box fits: the joints found on the placed panels, and the
// overlaps, each pair of panels that could meet intersected exactly by CGAL.
#include <benchmark/benchmark.h>

#include <string_view>

#include "app/assembly.h"
#include "app/commands.h"
#include "assembly/joints.h"
#include "assembly/overlaps.h"
#include "bench/workbenches.h"

namespace {

using namespace tessaro;

// The folding box with relief and screw holes; the simple box with screws alone, which
// puts screw channels in its walls (with relief their edges take notches instead).
BoxAssembly busiestBox(const char* verb) {
    bench::BusiestFoldingSet set;
    set.wb.options.cornerRelief = std::string_view(verb) == "full";
    const TemplateCommand& command = *findCommand(verb);
    command.run(set.wb);
    return assembledTemplate(set.wb, command);
}

void BM_JointsOfTheBusiestSet(benchmark::State& state, const char* verb) {
    const BoxAssembly assembly = busiestBox(verb);
    std::size_t joints = 0;
    for (auto _ : state) {
        joints = jointsOf(assembly).size();
        benchmark::DoNotOptimize(joints);
    }
    state.counters["joints"] = static_cast<double>(joints);
}
BENCHMARK_CAPTURE(BM_JointsOfTheBusiestSet, folding, "full")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_JointsOfTheBusiestSet, simple, "simple-full")->Unit(benchmark::kMillisecond);

void BM_OverlapsOfTheBusiestSet(benchmark::State& state, const char* verb) {
    const BoxAssembly assembly = busiestBox(verb);
    for (auto _ : state) {
        benchmark::DoNotOptimize(overlappingPanels(assembly).size());
    }
}
BENCHMARK_CAPTURE(BM_OverlapsOfTheBusiestSet, folding, "full")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OverlapsOfTheBusiestSet, simple, "simple-full")->Unit(benchmark::kMillisecond);

}  // namespace
