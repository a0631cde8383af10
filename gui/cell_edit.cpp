#include "gui/cell_edit.h"

#include "gui/param_table_model.h"

namespace tessaro::gui {

CellEdit::CellEdit(ParamTableModel& model, int row, int column, QString oldText, QString newText)
    : model_(model), row_(row), column_(column), oldText_(std::move(oldText)), newText_(std::move(newText)) {}

void CellEdit::undo() { model_.writeCell(model_.index(row_, column_), oldText_); }

void CellEdit::redo() { model_.writeCell(model_.index(row_, column_), newText_); }

}  // namespace tessaro::gui
