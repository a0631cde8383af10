#pragma once

#include <QString>
#include <QUndoCommand>

namespace tessaro::gui {

class ParamTableModel;

// One typed value: the table, the cell, the text before and after. Undo puts the old
// text back, redo the new one; the window keeps one history for all its tables.
class CellEdit final : public QUndoCommand {
public:
    CellEdit(ParamTableModel& model, int row, int column, QString oldText, QString newText);
    void undo() override;
    void redo() override;

private:
    ParamTableModel& model_;
    int row_;
    int column_;
    QString oldText_;
    QString newText_;
    bool done_ = false;
};

}  // namespace tessaro::gui
