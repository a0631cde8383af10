#include "gui/param_table_view.h"

namespace tessaro::gui {

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

}  // namespace tessaro::gui
