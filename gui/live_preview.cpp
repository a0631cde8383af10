#include "gui/live_preview.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QTabWidget>
#include <QtConcurrent/QtConcurrentRun>

#include "app/language.h"
#include "gui/param_table_model.h"
#include "gui/preview_widget.h"
#include "gui/preview_words.h"

namespace tessaro::gui {
namespace {

// Long enough to gather the edits of one gesture, short enough to feel immediate.
constexpr int kSettleMilliseconds = 80;

bool editsText(const QList<int>& roles) {
    return roles.isEmpty() || roles.contains(Qt::EditRole) || roles.contains(Qt::DisplayRole);
}

}  // namespace

LivePreview::LivePreview(const Workbench& source, PreviewWidget& preview, QWidget& window, SheetSource sheet)
    : QObject(&window), source_(source), preview_(preview), window_(window), sheet_(std::move(sheet)) {
    for (const TabRule& rule : templateTabs()) {
        templates_[rule.tab] = findCommand(rule.wholeTemplate);
    }
    timer_.setSingleShot(true);
    timer_.setInterval(kSettleMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &LivePreview::start);
    connect(&watcher_, &QFutureWatcher<Drawn>::finished, this, &LivePreview::finished);
    watch(window);
    // The first drawing is made at once: the window opens with it.
    PreviewBench bench(source_);
    show({drawPreview(bench, *templates_[tab_], sheet_()), {}});
}

LivePreview::~LivePreview() { watcher_.waitForFinished(); }

void LivePreview::watch(QWidget& window) {
    for (ParamTableModel* model : window.findChildren<ParamTableModel*>()) {
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex&, const QModelIndex&, const QList<int>& roles) {
                    if (editsText(roles)) {
                        schedule();
                    }
                });
        connect(model, &QAbstractItemModel::modelReset, this, &LivePreview::schedule);
    }
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->isCheckable()) {
            connect(button, &QAbstractButton::toggled, this, &LivePreview::schedule);
        }
    }
    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        if (group->isCheckable()) {
            connect(group, &QGroupBox::toggled, this, &LivePreview::schedule);
        }
    }
    for (QDoubleSpinBox* box : window.findChildren<QDoubleSpinBox*>()) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &LivePreview::schedule);
    }
    tabs_ = window.findChild<QTabWidget*>("tabs");
    tab_ = tabAt(tabs_->currentIndex()).value_or(tab_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (const auto tab = tabAt(index)) {
            tab_ = *tab;
            schedule();
        }
    });
}

// The template tab a page of the tab widget is; nothing for the documents' pages.
std::optional<TemplateTab> LivePreview::tabAt(int index) const {
    const QWidget* page = tabs_->widget(index);
    for (const TabRule& rule : templateTabs()) {
        if (page && page->objectName() == QString::fromUtf8(rule.objectName.data(),
                                                            static_cast<qsizetype>(rule.objectName.size()))) {
            return rule.tab;
        }
    }
    return std::nullopt;
}

void LivePreview::follow(const TemplateCommand& command) {
    templates_[command.tab] = &command;
    tab_ = command.tab;
    schedule();
}

void LivePreview::schedule() { timer_.start(); }

void LivePreview::start() {
    if (running_) {
        pending_ = true;
        return;
    }
    pending_ = false;
    running_ = true;
    auto bench = std::make_shared<PreviewBench>(source_);
    const TemplateCommand* command = templates_[tab_];
    const QSize size = preview_.size();
    const qreal ratio = preview_.devicePixelRatioF();
    watcher_.setFuture(QtConcurrent::run([bench, command, size, ratio, sheet = sheet_()] {
        Drawn drawn{drawPreview(*bench, *command, sheet), {}};
        if (drawn.drawing.drawing) {
            drawn.rendered = renderedPreview(*drawn.drawing.drawing, size, ratio);
        }
        return drawn;
    }));
}

void LivePreview::finished() {
    running_ = false;
    if (pending_) {
        start();
        return;
    }
    // A change came in while drawing: the timer's run shows it, this result is stale.
    if (!timer_.isActive()) {
        show(watcher_.result());
    }
}

void LivePreview::show(const Drawn& result) {
    const PreviewDrawing& drawn = result.drawing;
    if (drawn.drawing) {
        mark(nullptr, -1, false);
        preview_.showDrawing(drawn.drawing, result.rendered, drawn.sheets);
        return;
    }
    QString problem = QString::fromStdString(drawn.error);
    if (drawn.badCell) {
        const ParamTable& table = source_.*drawn.badCell->table;
        mark(&table, drawn.badCell->row, false);
        problem = previewWords(tablesAreEnglish(source_))
                      .row.arg(QString::fromStdString(table.caption(drawn.badCell->row)), problem);
    }
    preview_.showProblem(problem);
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
