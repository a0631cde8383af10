// The largest everyday drawing: the spiral at Fi 1 and N 1000, about 360 000 lines.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/commands.h"
#include "app/saving.h"
#include "bench/workbenches.h"

namespace {

using namespace tessaro;
using tessaro::bench::BigSpiral;

void BM_SpiralGenerate(benchmark::State& state) {
    BigSpiral s;
    for (auto _ : state) {
        makeSpiral(s.wb);
        benchmark::DoNotOptimize(s.wb.drawing.pointCount());
    }
    state.counters["points"] = static_cast<double>(s.wb.drawing.pointCount());
}
BENCHMARK(BM_SpiralGenerate)->Unit(benchmark::kMillisecond);

void BM_SpiralToDxf(benchmark::State& state) {
    BigSpiral s;
    makeSpiral(s.wb);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = templateBytes(s.wb, FileType::Dxf).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["dxf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SpiralToDxf)->Unit(benchmark::kMillisecond);

void BM_SpiralToSvg(benchmark::State& state) {
    BigSpiral s;
    makeSpiral(s.wb);
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = templateBytes(s.wb, FileType::Svg).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["svg_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_SpiralToSvg)->Unit(benchmark::kMillisecond);

// The whole command as the user meets it: generate, convert, write the file.
void BM_SpiralGenerateConvertSave(benchmark::State& state) {
    BigSpiral s;
    const auto path = std::filesystem::temp_directory_path() / "tessaro-bench-spiral.dxf";
    for (auto _ : state) {
        makeSpiral(s.wb);
        saveTemplate(s.wb, path.string(), FileType::Dxf);
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(BM_SpiralGenerateConvertSave)->Unit(benchmark::kMillisecond);

}  // namespace
