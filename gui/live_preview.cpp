#include "gui/live_preview.h"

#include <QAbstractItemView>
#include <QtConcurrent/QtConcurrentRun>

#include "app/cell_problems.h"
#include "gui/cutout_table_model.h"
#include "gui/param_table_model.h"
#include "gui/preview_widget.h"
#include "gui/problem_text.h"
#include "gui/sheet_group.h"
#include "gui/window_edits.h"
#include "gui/window_messages.h"

namespace tessaro::gui {
namespace {

// The sheet chosen; a field that holds no number leaves none and says why in `problem`,
// which the preview shows as it shows a bad cell.
std::optional<SheetChoice> readSheet(const LivePreview::SheetSource& source, std::string& problem) {
    try {
        return source();
    } catch (const SheetFieldError& e) {
        problem = e.what();
        return std::nullopt;
    }
}

}  // namespace

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
    // The first drawing is made on the worker like every other: a box full of openings, or
    // a sheet to nest, must not keep the window from opening, nor from closing.
    preview_.showRedrawPending();
    work_.schedule();
}

LivePreview::~LivePreview() = default;

void LivePreview::follow(const TemplateCommand& command) {
    templates_[command.tab] = &command;
    tab_ = command.tab;
    work_.schedule();
}

QFuture<LivePreview::Drawn> LivePreview::start(StopFlag stop) {
    auto bench = std::make_shared<PreviewBench>(source_, [stop] { return stop->load(); });
    const TemplateCommand* command = templates_[tab_];
    const QSize size = preview_.size();
    const qreal ratio = preview_.devicePixelRatioF();
    std::string problem;
    const std::optional<SheetChoice> sheet = readSheet(sheet_, problem);
    if (!problem.empty()) {
        return QtConcurrent::run([problem] { return Drawn{{nullptr, problem, {}}, {}}; });
    }
    return QtConcurrent::run([bench, command, size, ratio, sheet, stop = std::move(stop)] {
        Drawn drawn{drawPreview(*bench, *command, sheet), {}};
        if (drawn.drawing.drawing && !stop->load()) {
            drawn.rendered = renderedPreview(*drawn.drawing.drawing, size, ratio);
        }
        return drawn;
    });
}

void LivePreview::show(const Drawn& result) {
    const PreviewDrawing& drawn = result.drawing;
    markProblems(drawn.badCell, drawn.error);
    for (CutoutTableModel* cutouts : window_.findChildren<CutoutTableModel*>()) {
        cutouts->markRefused(drawn.error);
    }
    if (drawn.drawing) {
        preview_.showDrawing(drawn.drawing, result.rendered, drawn.sheets);
        return;
    }
    preview_.showProblem(problemText(source_, drawn.error, drawn.badCell));
}

void LivePreview::pointAt(const BadCellError& error) {
    for (const auto& [table, model] : tableModels()) {
        if (table != error.table) {
            continue;
        }
        std::map<int, QString> marks = model->marks();
        marks.emplace(error.row, windowMessage(error.what()));
        model->setMarks(std::move(marks));
        for (QAbstractItemView* view : window_.findChildren<QAbstractItemView*>()) {
            if (view->model() == model) {
                view->setCurrentIndex(model->index(error.row, 1));
                view->setFocus();
            }
        }
    }
}

std::vector<std::pair<const ParamTable*, ParamTableModel*>> LivePreview::tableModels() const {
    std::vector<std::pair<const ParamTable*, ParamTableModel*>> models;
    for (ParamTableModel* model : window_.findChildren<ParamTableModel*>()) {
        models.emplace_back(&model->table(), model);
    }
    return models;
}

// Every cell that is no usable value is marked, whatever the preview's template reads;
// a cell the run stopped at for another reason (a division by zero) is marked too.
void LivePreview::markProblems(const std::optional<BadCell>& stoppedAt, const std::string& error) {
    std::vector<CellProblem> problems = cellProblems(source_);
    if (stoppedAt) {
        problems.push_back({*stoppedAt, error});
    }
    for (const auto& [table, model] : tableModels()) {
        std::map<int, QString> marks;
        for (const CellProblem& problem : problems) {
            if (&(source_.*problem.cell.table) == table) {
                marks.emplace(problem.cell.row, windowMessage(problem.message));
            }
        }
        model->setMarks(std::move(marks));
    }
}

}  // namespace tessaro::gui
