#include "gui/live_preview.h"

#include <QAbstractItemView>
#include <QtConcurrent/QtConcurrentRun>

#include "gui/param_table_model.h"
#include "gui/preview_widget.h"
#include "gui/preview_words.h"
#include "gui/window_edits.h"

namespace tessaro::gui {

LivePreview::LivePreview(const Workbench& source, PreviewWidget& preview, QWidget& window, SheetSource sheet)
    : QObject(&window),
      source_(source),
      preview_(preview),
      window_(window),
      sheet_(std::move(sheet)),
      work_([this](StopFlag stop) { return std::optional(start(std::move(stop))); },
            [this](const Drawn& drawn) { show(drawn); }, [this] { preview_.showRedrawPending(); }) {
    for (const TabRule& rule : templateTabs()) {
        templates_[rule.tab] = findCommand(rule.wholeTemplate);
    }
    onEveryEdit(window, *this, [this] { work_.schedule(); });
    tab_ = shownTemplateTab(window).value_or(tab_);
    onTemplateTabShown(window, *this, [this](TemplateTab tab) {
        tab_ = tab;
        work_.schedule();
    });
    // The first drawing is made at once: the window opens with it.
    PreviewBench bench(source_);
    show({drawPreview(bench, *templates_[tab_], sheet_()), {}});
}

LivePreview::~LivePreview() = default;

void LivePreview::follow(const TemplateCommand& command) {
    templates_[command.tab] = &command;
    tab_ = command.tab;
    work_.schedule();
}

QFuture<LivePreview::Drawn> LivePreview::start(StopFlag stop) {
    auto bench = std::make_shared<PreviewBench>(source_);
    const TemplateCommand* command = templates_[tab_];
    const QSize size = preview_.size();
    const qreal ratio = preview_.devicePixelRatioF();
    return QtConcurrent::run([bench, command, size, ratio, sheet = sheet_(), stop = std::move(stop)] {
        Drawn drawn{drawPreview(*bench, *command, sheet, [&stop] { return stop->load(); }), {}};
        if (drawn.drawing.drawing) {
            drawn.rendered = renderedPreview(*drawn.drawing.drawing, size, ratio);
        }
        return drawn;
    });
}

void LivePreview::show(const Drawn& result) {
    const PreviewDrawing& drawn = result.drawing;
    if (drawn.drawing) {
        mark(nullptr, -1, false);
        preview_.showDrawing(drawn.drawing, result.rendered, drawn.sheets);
        return;
    }
    if (drawn.badCell) {
        mark(&(source_.*drawn.badCell->table), drawn.badCell->row, false);
    }
    preview_.showProblem(problemText(source_, drawn.error, drawn.badCell));
}

void LivePreview::pointAt(const BadCellError& error) { mark(error.table, error.row, true); }

void LivePreview::mark(const ParamTable* table, int row, bool select) {
    for (ParamTableModel* model : window_.findChildren<ParamTableModel*>()) {
        const bool marked = &model->table() == table;
        model->setMarkedRow(marked ? row : -1);
        if (!marked || !select) {
            continue;
        }
        for (QAbstractItemView* view : window_.findChildren<QAbstractItemView*>()) {
            if (view->model() == model) {
                view->setCurrentIndex(model->index(row, 1));
                view->setFocus();
            }
        }
    }
}

}  // namespace tessaro::gui
