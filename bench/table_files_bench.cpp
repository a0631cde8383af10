// Table files at start: the largest text a table file may be (1 MiB), read into a table.
#include <benchmark/benchmark.h>

#include "app/table_files.h"
#include "model/default_tables.h"

namespace {

using namespace tessaro;

// 1 MiB in 1000 lines of 64 cells each: the most a table file may hold.
std::string largestTableText() {
    std::string text;
    const std::string cell(14, '7');
    for (int line = 0; line < 1000; ++line) {
        for (int column = 0; column < 64; ++column) {
            text.append(cell).push_back('\t');
        }
        text.append("\r\n");
    }
    return text;
}

void BM_LoadTheLargestTableText(benchmark::State& state) {
    const std::string text = largestTableText();
    for (auto _ : state) {
        ParamTable table = defaultMainTable();
        readTableText(table, text);
        benchmark::DoNotOptimize(table.rowCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_LoadTheLargestTableText)->Unit(benchmark::kMillisecond);

}  // namespace
