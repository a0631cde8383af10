// The 3D view turning an assembled full set, one frame per iteration, in the large
// preview window at its usual size: items per second are frames per second, in real
// time, since Mesa renders on threads of its own. OpenGL
// needs an X server; run it under Xvfb, where Mesa renders in software:
//   xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/bench/tessaro_assembly_view_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTest>
#include <cstdio>

#include "app/assembly_preview.h"
#include "bench/workbenches.h"
#include "gui/assembly_page.h"
#include "gui/assembly_view.h"
#include "gui/preview_window.h"

namespace {

using namespace tessaro;
using namespace tessaro::gui;

// The large preview window on its 3D page, showing the box a command assembles into.
struct ShownBox {
    int framesSwapped = 0;
    PreviewWindow window;
    AssemblyView* view = nullptr;

    ShownBox(const Workbench& tables, const char* command) {
        window.resize(1000, 720);
        window.showAssemblyPage();
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        PreviewBench bench(tables);
        window.assemblyPage()->showScene(assemblePreview(bench, *findCommand(command)).scene);
        view = window.assemblyPage()->view();
        QObject::connect(view, &AssemblyView::frameSwapped, view, [this] { ++framesSwapped; });
    }

    // Waits for a frame on the screen after the first `seen`: handling a change's events
    // may have drawn it already.
    void waitForFrameAfter(int seen) const {
        while (framesSwapped == seen) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    [[nodiscard]] double triangles() const {
        std::size_t count = 0;
        for (const ScenePanel& panel : view->scene()->panels) {
            count += panel.shell.size();
        }
        return static_cast<double>(count);
    }
};

void turnALittle(AssemblyView& view) { view.setTurn({view.turn().yaw + 1, view.turn().pitch}); }

void countFrames(benchmark::State& state, const ShownBox& shown) {
    state.SetItemsProcessed(state.iterations());
    state.counters["triangles"] = shown.triangles();
    state.counters["width"] = shown.view->width();
    state.counters["height"] = shown.view->height();
}

// The tables of a set: the built-in ones, or the busiest folding set's switches.
struct SetTables {
    explicit SetTables(bool busiest) : tables(busiest ? busiestSet.wb : builtIn.wb) {}
    tessaro::bench::BusiestFoldingSet busiestSet;
    tessaro::bench::QuietWorkbench builtIn;
    const Workbench& tables;
};

// What the user sees while dragging: each frame drawn and put on the screen before the
// next.
void frameOnScreen(benchmark::State& state, const char* command, bool busiest) {
    ShownBox shown(SetTables(busiest).tables, command);
    for (auto _ : state) {
        const int seen = shown.framesSwapped;
        turnALittle(*shown.view);
        shown.waitForFrameAfter(seen);
    }
    countFrames(state, shown);
}
BENCHMARK_CAPTURE(frameOnScreen, busiest_folding_set, "full", true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(frameOnScreen, folding_set, "full", false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(frameOnScreen, simple_set, "simple-full", false)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the user sees while dragging the box round with the mouse: each frame drawn as a
// drag draws it and on the screen before the next.
void frameWhileDragging(benchmark::State& state, const char* command, bool busiest) {
    ShownBox shown(SetTables(busiest).tables, command);
    const QPoint centre(shown.view->width() / 2, shown.view->height() / 2);
    QTest::mousePress(shown.view, Qt::LeftButton, {}, centre);
    int step = 0;
    for (auto _ : state) {
        const int seen = shown.framesSwapped;
        QTest::mouseMove(shown.view, centre + QPoint((++step % 2) != 0 ? 2 : -2, 0));
        shown.waitForFrameAfter(seen);
    }
    QTest::mouseRelease(shown.view, Qt::LeftButton, {}, centre);
    countFrames(state, shown);
}
BENCHMARK_CAPTURE(frameWhileDragging, busiest_folding_set, "full", true)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(frameWhileDragging, folding_set, "full", false)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same frame read back into an image, as the tests look at it.
void frameReadBack(benchmark::State& state, const char* command, bool busiest) {
    ShownBox shown(SetTables(busiest).tables, command);
    for (auto _ : state) {
        turnALittle(*shown.view);
        benchmark::DoNotOptimize(shown.view->grabFramebuffer());
    }
    countFrames(state, shown);
}
BENCHMARK_CAPTURE(frameReadBack, busiest_folding_set, "full", true)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fputs("tessaro_assembly_view_bench needs an X display for OpenGL: run it under xvfb-run -a\n", stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
