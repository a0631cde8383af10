#include "gui/cutout_page.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/cutout_table_model.h"

namespace tessaro::gui {
namespace {

// A table view that puts an open editor's text into the list when asked.
class CutoutTableView final : public QTableView {
public:
    using QTableView::QTableView;
    void commitOpenEditor() {
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

// The cells of one field take no comma, which would part them in two.
class CutoutCellDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor); line && takesOneField(CutoutColumn(index.column()))) {
            line->setValidator(new QRegularExpressionValidator(QRegularExpression("[^,]*"), line));
        }
        return editor;
    }
};

}  // namespace

CutoutPage::CutoutPage(CutoutTableModel& model, QWidget* parent) : QWidget(parent), model_(model) {
    setObjectName("cutoutPage");
    view_ = new CutoutTableView(this);
    view_->setObjectName("cutoutTable");
    view_->setModel(&model);
    view_->setItemDelegate(new CutoutCellDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectItems);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->verticalHeader()->setDefaultSectionSize(20);
    for (const auto& [column, width] : {std::pair{KindColumn, 70},
                                        {FaceColumn, 70},
                                        {ShapeColumn, 70},
                                        {XColumn, 70},
                                        {YColumn, 70},
                                        {SizesColumn, 140}}) {
        view_->setColumnWidth(column, width);
    }
    add_ = new QPushButton(this);
    add_->setObjectName("addCutoutButton");
    remove_ = new QPushButton(this);
    remove_->setObjectName("removeCutoutButton");
    connect(add_, &QPushButton::clicked, this, [this] {
        commitOpenEditor();
        model_.addRow();
        showRow(model_.rowCount() - 1);
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        commitOpenEditor();
        const int row = view_->currentIndex().row();
        model_.removeRow(row);
        if (model_.rowCount() > 0) {
            showRow(std::min(row, model_.rowCount() - 1));
        }
    });
    // Only a row in hand can be removed.
    const auto enableRemove = [this] { remove_->setEnabled(view_->currentIndex().isValid()); };
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, enableRemove);
    connect(&model, &QAbstractItemModel::modelReset, this, enableRemove);
    enableRemove();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    retranslate();
}

void CutoutPage::commitOpenEditor() { static_cast<CutoutTableView*>(view_)->commitOpenEditor(); }

void CutoutPage::showRow(int row) {
    const QModelIndex cell = model_.index(row, view_->currentIndex().isValid() ? view_->currentIndex().column() : 0);
    view_->setCurrentIndex(cell);
    view_->scrollTo(cell);
}

void CutoutPage::retranslate() {
    add_->setText(tr("Add row"));
    add_->setToolTip(tr("A new cut-out after the last, a round hole in the front to type over"));
    remove_->setText(tr("Remove row"));
    remove_->setToolTip(tr("Removes the cut-out of the selected row"));
    emit model_.headerDataChanged(Qt::Horizontal, 0, model_.columnCount() - 1);
}

void CutoutPage::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

}  // namespace tessaro::gui
