#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <set>

class QUndoStack;

#include "model/param_table.h"

namespace tessaro::gui {

// The Qt view of a core table: no second copy of the cells. Column 0 and row 0 are
// fixed; the value cells are edited in place.
class ParamTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // Typed values go through the history, so that they can be undone.
    ParamTableModel(ParamTable& table, QUndoStack& history, QObject* parent = nullptr)
        : QAbstractTableModel(parent), table_(table), history_(history) {}

    // Caption cells drawn in blue (the main table's width, height and depth).
    void setBlueCaptionRows(std::set<int> rows) { blueRows_ = std::move(rows); }
    // Writes the text into the table and tells the views; the undo history's way in.
    void writeCell(const QModelIndex& index, const QString& text);
    // Writes as above and says so with cellRestored: an undo, or a redo of an undone edit.
    void restoreCell(const QModelIndex& index, const QString& text);
    // Call after the core table changed behind the model's back.
    void reload();
    [[nodiscard]] const ParamTable& table() const { return table_; }
    // The row whose value cell is marked as not a number; -1: none.
    void setMarkedRow(int row);
    [[nodiscard]] int markedRow() const { return markedRow_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The history has put a value back; the window shows its cell.
    void cellRestored(int row, int column);

private:
    ParamTable& table_;
    std::set<int> blueRows_;
    QUndoStack& history_;
    int markedRow_ = -1;
};

}  // namespace tessaro::gui
