// Nesting templates onto common sheets, each with the gap the command line would take:
// the time, the sheets a run needs and the least any nesting could need.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

#include "app/commands.h"
#include "app/sheets.h"
#include "bench/workbenches.h"
#include "drawing/rigid_parts.h"
#include "nesting/sheet_nesting.h"

namespace {

using namespace tessaro;

double areaOf(const DrawnOutline& outline) {
    double twice = 0;
    for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
        twice += outline[j].x * outline[i].y - outline[i].x * outline[j].y;
    }
    return std::abs(twice) / 2;
}

// Every piece lies the gap inside the sheet's edge, so no sheet holds more than that
// rectangle's area, and two pieces larger than half of it never share one.
double lowerBound(const Drawing& drawing, SheetSize sheet, double gap) {
    const double room = (sheet.width - 2 * gap) * (sheet.height - 2 * gap);
    double area = 0;
    double alone = 0;
    for (const RigidPart& piece : rigidParts(drawing)) {
        area += areaOf(piece.footprint);
        alone += areaOf(piece.footprint) > room / 2 ? 1 : 0;
    }
    return std::max(std::ceil(area / room), alone);
}

void BM_NestTemplate(benchmark::State& state, const char* verb, double width, double height) {
    bench::QuietWorkbench bench;
    Workbench& wb = bench.wb;
    const TemplateCommand& command = *findCommand(verb);
    command.run(wb);
    const SheetSize sheet{width, height};
    const double gap = defaultSheetGap(wb, command.tab);
    std::size_t sheets = 0;
    for (auto _ : state) {
        sheets = nestOntoSheets(wb.drawing, sheet, gap).size();
        benchmark::DoNotOptimize(sheets);
    }
    state.counters["sheets"] = static_cast<double>(sheets);
    state.counters["lower_bound"] = lowerBound(wb.drawing, sheet, gap);
}
BENCHMARK_CAPTURE(BM_NestTemplate, full_600x400, "full", 600, 400)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, full_480x400, "full", 480, 400)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, full_460x400, "full", 460, 400)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, full_300x200, "full", 300, 200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, simple_full_600x400, "simple-full", 600, 400)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, simple_full_460x400, "simple-full", 460, 400)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, simple_full_300x200, "simple-full", 300, 200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, tab_slot_300x200, "tab-slot", 300, 200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, tab_slot_120x30, "tab-slot", 120, 30)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, bobbin_300x200, "bobbin", 300, 200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, bobbin_150x100, "bobbin", 150, 100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, bobbin_100x80, "bobbin", 100, 80)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, facade_600x400, "facade", 600, 400)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NestTemplate, facade_230x130, "facade", 230, 130)->Unit(benchmark::kMillisecond);

// The folding box's full set with relief and screw holes, the most points a set has.
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
