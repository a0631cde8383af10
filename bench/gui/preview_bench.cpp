// The preview of the largest everyday drawing, the spiral at Fi 1 and N 1000, drawn
// offscreen as the window draws it after a command.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <string_view>

#include "app/commands.h"
#include "bench/gui/start_bench.h"
#include "bench/workbenches.h"
#include "gui/drawing_canvas.h"
#include "gui/drawing_painter.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"

namespace {

using namespace tessaro;
using namespace tessaro::gui;

// The spiral drawn once: every benchmark here starts from its document.
struct DrawnSpiral : tessaro::bench::BigSpiral {
    DrawnSpiral() { makeSpiral(wb); }
};

// What the user waits on between the command and the save dialog: the document read
// back and the preview under the main table rendered.
void BM_PreviewShowAndRender(benchmark::State& state) {
    DrawnSpiral s;
    PreviewWidget preview;
    preview.resize(314, 362);
    for (auto _ : state) {
        preview.showDrawing(std::make_shared<const tessaro::Drawing>(s.wb.drawing));
        benchmark::DoNotOptimize(preview.grab());
    }
    state.counters["points"] = static_cast<double>(preview.drawing().pointCount());
}
BENCHMARK(BM_PreviewShowAndRender)->Unit(benchmark::kMillisecond);

// The drawing alone, fitted into the preview's size.
void BM_PreviewPaintFitted(benchmark::State& state) {
    DrawnSpiral s;
    const Drawing drawing = s.wb.drawing;
    const QRectF area(0, 0, 314, 362);
    const DrawingView view = DrawingView::fitting(drawing.extent(), area);
    QImage image(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintDrawing(painter, drawing, view, area);
    }
}
BENCHMARK(BM_PreviewPaintFitted)->Unit(benchmark::kMillisecond);

// One frame of the large window, fitted (arg 1) or zoomed in eightfold (arg 8).
void BM_LargeWindowFrame(benchmark::State& state) {
    DrawnSpiral s;
    PreviewWindow window;
    window.resize(1000, 720);
    window.setDrawing(std::make_shared<const Drawing>(s.wb.drawing));
    DrawingCanvas* canvas = window.canvas();
    window.show();
    canvas->fit();
    const double zoom = static_cast<double>(state.range(0));
    QWheelEvent wheel(QPointF(canvas->rect().center()), QPointF(canvas->rect().center()), {},
                      {0, static_cast<int>(120 * std::log(zoom) / std::log(1.2))}, Qt::NoButton, {}, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(canvas, &wheel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(canvas->grab());
    }
    state.counters["px_per_mm"] = canvas->view().scale();
}
BENCHMARK(BM_LargeWindowFrame)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 3 && std::string_view(argv[1]) == kFirstFrameOption) {
        return showFirstFrame(argc, argv);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
