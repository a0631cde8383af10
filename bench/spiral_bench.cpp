// The largest everyday drawing: the spiral at Fi 1 and N 1000, about 360 000 lines; and
// the largest spiral there may be, ten million lines, in every flat format.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/commands.h"
#include "app/saving.h"
#include "bench/workbenches.h"

namespace {

using namespace tessaro;
using tessaro::bench::BigSpiral;
using tessaro::bench::LargestSpiral;

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

// Only counts the bytes: the time is the writer's and the generator's, not the disk's.
class CountedBytes final : public ByteSink {
public:
    void write(std::string_view bytes) override { count += bytes.size(); }
    std::size_t count = 0;
};

// The spiral's points are made again by each write, not held: a format's time includes
// their generation. One iteration each: the PDF takes a minute.
void BM_LargestSpiralTo(benchmark::State& state, FileType type) {
    LargestSpiral s;
    makeSpiral(s.wb);
    CountedBytes bytes;
    for (auto _ : state) {
        bytes.count = 0;
        writeDrawingAs(s.wb.drawing, type, writeChoices(s.wb), bytes);
    }
    state.counters["points"] = static_cast<double>(s.wb.drawing.pointCount());
    state.counters["bytes"] = static_cast<double>(bytes.count);
}

const bool kLargestSpiralRegistered = [] {
    for (const FileFormat& format : fileFormats()) {
        if (format.flat()) {
            benchmark::RegisterBenchmark(("BM_LargestSpiralTo/" + std::string(format.name)).c_str(), BM_LargestSpiralTo,
                                         format.type)
                ->Unit(benchmark::kSecond)
                ->Iterations(1);
        }
    }
    return true;
}();

}  // namespace
