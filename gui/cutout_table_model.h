#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/cutout_rows.h"
#include "model/workbench.h"

class QUndoStack;

namespace tessaro::gui {

// The window's list of cut-outs as a table: a row an entry, its cells cut from the entry's
// line and a typed cell making the line again, so the row reads as --cutouts reads it.
// Every change goes through the window's history; the workbench's cut-outs are the rows
// that read, in their order, and a row that does not is marked in the cell at fault.
class CutoutTableModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    // A line of the list: the comments and blank lines of a file read at start are kept
    // in their places but not shown.
    struct Line {
        std::string text;
        bool shown = true;
        friend bool operator==(const Line&, const Line&) = default;
    };

    CutoutTableModel(Workbench& wb, QUndoStack& history, QObject* parent = nullptr);

    // The list a file holds, with no step to undo.
    void setList(const std::vector<std::string>& lines);
    // Every line, for the file.
    [[nodiscard]] std::vector<std::string> list() const;
    // A new row after the last, a round hole to type over; one step to undo.
    void addRow();
    // Removes the row; one step to undo.
    void removeRow(int row);
    // The history's way in: the lines as they were before or after a step.
    void restore(const std::vector<Line>& lines, bool fromHistory);
    [[nodiscard]] const std::vector<Line>& lines() const { return lines_; }
    // The drawing refused a cut-out, and said so beginning with its line: that row's
    // position and sizes are marked with why. Any other text clears the mark.
    void markRefused(const std::string& drawingError);
    // Why the row does not read, or nothing.
    [[nodiscard]] const std::optional<CutoutLineProblem>& problem(int row) const { return problems_.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // The list changed: the workbench's cut-outs follow it.
    void listChanged();
    // The history put a row back; the window shows it.
    void rowRestored(int row);

private:
    void push(std::vector<Line> after, const QString& what);
    void readRows();
    [[nodiscard]] std::size_t lineOf(int row) const { return rows_.at(row); }

    Workbench& wb_;
    QUndoStack& history_;
    std::vector<Line> lines_;
    std::vector<std::size_t> rows_;  // the shown lines, a row each
    std::vector<std::optional<CutoutLineProblem>> problems_;
    std::optional<std::pair<int, std::string>> refused_;  // the row the drawing refused, and why
};

}  // namespace tessaro::gui
