// The live preview: what an edit costs before the user sees the new drawing, and how
// long the window stops answering while the largest spiral is redrawn.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <algorithm>

#include "app/preview_drawing.h"
#include "bench/workbenches.h"
#include "drawing/drawing.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "tests/gui/fakes.h"

namespace {

using namespace tessaro;
using namespace tessaro::gui;

// One edit of the folding box's width to the drawn preview, as the worker and the GUI
// thread do it one after the other: copy the tables, draw the whole set, read it back,
// render the preview.
void BM_FoldingSetRedrawAfterAnEdit(benchmark::State& state) {
    StandInClock clock;
    SilentMessages messages;
    Workbench source(clock, messages);
    PreviewWidget preview;
    preview.resize(314, 342);
    const TemplateCommand& set = *findCommand("full");
    int edit = 0;
    for (auto _ : state) {
        source.boxTable.setCell(1, 2, std::to_string(200 + (++edit % 2)));
        PreviewBench bench(source);
        preview.showDrawing(drawPreview(bench, set).drawing);
        benchmark::DoNotOptimize(preview.grab());
    }
    state.counters["outlines"] = static_cast<double>(preview.drawing().outlineCount());
}
BENCHMARK(BM_FoldingSetRedrawAfterAnEdit)->Unit(benchmark::kMillisecond);

// Counts the paints of a widget that come after its drawing changed, so a benchmark knows
// when an edit has reached the screen.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(PreviewWidget& preview) : preview_(preview) { preview.installEventFilter(this); }
    // Whether a paint has shown a drawing other than `before`.
    [[nodiscard]] bool painted(const Drawing* before) const { return paintedDrawing_ && paintedDrawing_ != before; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &preview_ && event->type() == QEvent::Paint) {
            paintedDrawing_ = &preview_.drawing();
        }
        return false;
    }

private:
    PreviewWidget& preview_;
    const Drawing* paintedDrawing_ = nullptr;
};

// One edit of the folding box's width in the shown window until the preview has painted
// the new drawing: the settle wait, the worker's drawing, the handing back and the paint,
// as the user waits for them. Real time: the worker and the timer are most of it.
void BM_FoldingSetEditToScreen(benchmark::State& state) {
    testing::FakeWindowPorts fakes;
    MainWindow form(fakes.ports());
    form.show();
    auto* tableView = form.findChild<QTableView*>("boxTable");
    auto* preview = form.findChild<PreviewWidget*>("Preview");
    auto* live = form.findChild<LivePreview*>();
    PaintWatch watch(*preview);
    int edit = 0;
    const auto settle = [live] {
        while (live->busy()) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        QApplication::processEvents();
    };
    settle();
    for (auto _ : state) {
        const Drawing* before = &preview->drawing();
        tableView->model()->setData(tableView->model()->index(2, 1), QString::number(200 + (++edit % 2)));
        while (!watch.painted(before)) {
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
    state.counters["outlines"] = static_cast<double>(preview->drawing().outlineCount());
}
BENCHMARK(BM_FoldingSetEditToScreen)->Unit(benchmark::kMillisecond)->UseRealTime();

// The part of a spiral's redraw that the worker thread does.
void BM_BigSpiralDrawnOnTheWorker(benchmark::State& state) {
    tessaro::bench::BigSpiral s;
    const TemplateCommand& spiral = *findCommand("spiral");
    for (auto _ : state) {
        PreviewBench bench(s.wb);
        benchmark::DoNotOptimize(drawPreview(bench, spiral));
    }
}
BENCHMARK(BM_BigSpiralDrawnOnTheWorker)->Unit(benchmark::kMillisecond);

// Edits of the largest spiral in the shown window, each followed until its drawing is
// on screen; the counter is the longest the GUI thread was busy at one go, which is
// what a user typing meanwhile would feel.
void BM_BigSpiralEditsInTheWindow(benchmark::State& state) {
    testing::FakeWindowPorts fakes;
    MainWindow form(fakes.ports());
    form.findChild<QTabWidget*>("tabs")->setCurrentWidget(form.findChild<QWidget*>("spiralTab"));
    auto* tableView = form.findChild<QTableView*>("spiralTable");
    auto* live = form.findChild<LivePreview*>();
    form.show();
    const auto edit = [tableView](int row, const QString& text) {
        tableView->model()->setData(tableView->model()->index(row, 1), text);
    };
    edit(2, "1");
    qint64 longest = 0;
    int step = 0;
    for (auto _ : state) {
        edit(4, (++step % 2) ? "1000" : "999");
        // Each round handles what is due and returns: its length is GUI work, not waiting.
        do {
            QElapsedTimer busy;
            busy.start();
            QApplication::processEvents();
            longest = std::max(longest, busy.nsecsElapsed());
            QThread::msleep(1);
        } while (live->busy());
    }
    state.counters["longest_gui_block_ms"] = static_cast<double>(longest) / 1e6;
}
BENCHMARK(BM_BigSpiralEditsInTheWindow)->Unit(benchmark::kMillisecond);

}  // namespace
