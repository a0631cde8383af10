#include "gui/cell_edit.h"

#include "gui/param_table_model.h"

namespace tessaro::gui {

CellEdit::CellEdit(ParamTableModel& model, int row, int column, QString oldText, QString newText)
    : model_(model), row_(row), column_(column), oldText_(std::move(oldText)), newText_(std::move(newText)) {}

void CellEdit::undo() { model_.restoreCell(model_.index(row_, column_), oldText_); }

// The first redo is the user's own typing, in sight; a later one comes from the history.
void CellEdit::redo() {
    if (done_) {
        model_.restoreCell(model_.index(row_, column_), newText_);
    } else {
        model_.writeCell(model_.index(row_, column_), newText_);
        done_ = true;
    }
}

}  // namespace tessaro::gui
