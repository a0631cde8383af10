// Measuring how the assembled box fits: the joints found on the placed panels, the
// overlaps, each pair of panels that could meet intersected exactly by CGAL, and the
// whole report of a box with many cut-outs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
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

// N round holes in even grids on the front, rear, bottom and lid, each a quarter of them
// with room to spare between, as a panel of connectors or a speaker grille has them.
std::vector<FaceCutout> holeGrids(int n) {
    std::vector<FaceCutout> cutouts;
    const int perFace = (n + 3) / 4;
    const int columns = static_cast<int>(std::ceil(std::sqrt(2.0 * perFace)));
    const int rows = (perFace + columns - 1) / columns;
    const double across = 180.0 / columns;
    const double up = 80.0 / rows;
    const double diameter = std::min(across, up) / 2;
    for (const BoxFace face : {BoxFace::Front, BoxFace::Rear, BoxFace::Bottom, BoxFace::Lid}) {
        for (int i = 0; i < perFace && static_cast<int>(cutouts.size()) < n; ++i) {
            const Point centre{10 + across * (i % columns + 0.5), 10 + up * (i / columns + 0.5)};
            cutouts.push_back({face, centre, RoundHole{diameter}});
        }
    }
    return cutouts;
}

// The fit report (--fit) of the folding box with that many holes: joints, the cut-outs'
// check and the overlaps.
void BM_FitReportWithCutouts(benchmark::State& state) {
    bench::QuietWorkbench set;
    set.wb.cutouts = holeGrids(static_cast<int>(state.range(0)));
    const TemplateCommand& command = *findCommand("full");
    command.run(set.wb);
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = templateFitReport(set.wb, command).size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_FitReportWithCutouts)->Arg(100)->Arg(500)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
