#include "gui/param_table_view.h"

#include <QKeyEvent>

namespace tessaro::gui {
namespace {

constexpr int kValueColumn = 1;

bool isEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

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

QModelIndex ParamTableView::valueCellAfter(const QModelIndex& from, int step) const {
    const int rows = model()->rowCount();
    const int start = from.isValid() ? from.row() : (step > 0 ? -1 : rows);
    for (int n = 1; n <= rows; ++n) {
        const QModelIndex cell = model()->index(((start + step * n) % rows + rows) % rows, kValueColumn);
        if (model()->flags(cell) & Qt::ItemIsEditable) {
            return cell;
        }
    }
    return from;
}

// Tab and Shift+Tab, in the view and from an open editor, go to the neighbouring value.
QModelIndex ParamTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveNext || action == MovePrevious) {
        return valueCellAfter(currentIndex(), action == MoveNext ? 1 : -1);
    }
    return QTableView::moveCursor(action, modifiers);
}

void ParamTableView::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event) && state() != EditingState && model() != nullptr) {
        setCurrentIndex(valueCellAfter(currentIndex(), 1));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

// Enter in an editor keeps the value and goes on to the next value row, ready for typing.
void ParamTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::SubmitModelCache) {
        setCurrentIndex(valueCellAfter(currentIndex(), 1));
    }
}

}  // namespace tessaro::gui
