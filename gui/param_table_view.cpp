#include "gui/param_table_view.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <algorithm>

namespace tessaro::gui {
namespace {

constexpr int kValueColumn = 1;

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }
bool isTab(const QKeyEvent* event) { return event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab; }

}  // namespace

ParamTableView::ParamTableView(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
}

void ParamTableView::commitOpenEditor() {
    if (QWidget* editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ParamTableView::keyboardSearch(const QString&) {}

void ParamTableView::captionTakesExtraWidth() {
    laidOutWidth_ = width();
    laidOutCaptionWidth_ = columnWidth(0);
}

void ParamTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    if (laidOutWidth_ > 0) {
        setColumnWidth(0, laidOutCaptionWidth_ + std::max(0, width() - laidOutWidth_));
    }
}

QModelIndex ParamTableView::valueCellAfter(const QModelIndex& from, int step, Round round) const {
    const int rows = model()->rowCount();
    const int start = from.isValid() ? from.row() : (step > 0 ? -1 : rows);
    for (int n = 1; n <= rows; ++n) {
        const int row = start + step * n;
        if (round == Round::Stop && (row < 0 || row >= rows)) {
            return {};
        }
        const QModelIndex cell = model()->index((row % rows + rows) % rows, kValueColumn);
        if (model()->flags(cell) & Qt::ItemIsEditable) {
            return cell;
        }
    }
    return round == Round::Stop ? QModelIndex() : from;
}

// Tab and Shift+Tab, in the view and from an open editor, go to the neighbouring value;
// past the last value (before the first) they leave the table: none here.
QModelIndex ParamTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveNext || action == MovePrevious) {
        return valueCellAfter(currentIndex(), action == MoveNext ? 1 : -1, Round::Stop);
    }
    return QTableView::moveCursor(action, modifiers);
}

void ParamTableView::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event) && state() != EditingState && model() != nullptr) {
        setCurrentIndex(valueCellAfter(currentIndex(), 1, Round::Round));
        event->accept();
        return;
    }
    // An ignored Tab goes on to the window, which gives the focus to the next control.
    if (isTab(event) && model() != nullptr &&
        !valueCellAfter(currentIndex(), event->key() == Qt::Key_Tab ? 1 : -1, Round::Stop).isValid()) {
        event->ignore();
        return;
    }
    QTableView::keyPressEvent(event);
}

// Coming in by Tab starts at the first value, by Shift+Tab at the last.
void ParamTableView::focusInEvent(QFocusEvent* event) {
    if (model() != nullptr && (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)) {
        const int step = event->reason() == Qt::TabFocusReason ? 1 : -1;
        setCurrentIndex(valueCellAfter({}, step, Round::Stop));
    }
    QTableView::focusInEvent(event);
}

// Enter in an editor keeps the value and goes on to the next value row, ready for typing.
// Tab from the editor of the last value (Shift+Tab from the first) leaves the table.
void ParamTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const QModelIndex before = currentIndex();
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        setCurrentIndex(valueCellAfter(currentIndex(), 1, Round::Round));
    } else if ((hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem) &&
               currentIndex() == before) {
        QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
    }
}

}  // namespace tessaro::gui
