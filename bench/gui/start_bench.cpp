// How long the window takes from nothing to its first frame on the screen, beside a bare
// Qt window with a table of the same size: the user waits for what the window does more.
// In this process (the window alone) and as a program started anew (what the user waits
// for: the libraries, Qt and the window).
#include "bench/gui/start_bench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QProcess>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdlib>
#include <memory>

#include "gui/main_window.h"
#include "tests/gui/fakes.h"

namespace {

using namespace tessaro;
using namespace tessaro::gui;

// Made, shown and painted once: the first frame the user sees.
void showUntilPainted(QWidget& window) {
    window.show();
    QApplication::processEvents();
    window.repaint();
}

// The least a Qt window with a table costs: the main table's rows and columns, no more.
struct BareWindow {
    QWidget window;
    QStandardItemModel model{11, 2};
    BareWindow() {
        window.resize(1317, 605);
        auto* table = new QTableView(&window);
        for (int row = 0; row < model.rowCount(); ++row) {
            model.setItem(row, 0, new QStandardItem(QString("Row %1").arg(row)));
            model.setItem(row, 1, new QStandardItem("5"));
        }
        table->setModel(&model);
        table->setGeometry(8, 29, 314, 199);
    }
};

void BM_BareWindowWithATable(benchmark::State& state) {
    for (auto _ : state) {
        BareWindow bare;
        showUntilPainted(bare.window);
    }
}
BENCHMARK(BM_BareWindowWithATable)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window as the program opens it: tables loaded, every tab built, the first preview.
void BM_MainWindowStart(benchmark::State& state) {
    testing::FakeWindowPorts fakes;
    for (auto _ : state) {
        MainWindow form(fakes.ports());
        showUntilPainted(form);
    }
}
BENCHMARK(BM_MainWindowStart)->Unit(benchmark::kMillisecond)->UseRealTime();

// This program started anew to show one window's first frame and end.
void BM_ProgramToFirstFrame(benchmark::State& state, const char* window) {
    for (auto _ : state) {
        QProcess::execute(QCoreApplication::applicationFilePath(), {kFirstFrameOption, window});
    }
}
BENCHMARK_CAPTURE(BM_ProgramToFirstFrame, bare_window_with_a_table, "bare")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_ProgramToFirstFrame, main_window, "main")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// Ends at once after the first frame: what comes after it (work for later frames, taking
// the window down) is no part of the start.
int showFirstFrame(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QString(argv[2]) == "bare") {
        BareWindow bare;
        showUntilPainted(bare.window);
    } else {
        testing::FakeWindowPorts fakes;
        MainWindow form(fakes.ports());
        showUntilPainted(form);
    }
    std::_Exit(0);
}
