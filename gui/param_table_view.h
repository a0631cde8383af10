#pragma once

#include <QTableView>

namespace tessaro::gui {

// A parameter table's view. Typing always edits the current cell: a key opens its editor
// at once (no delayed edit on a click), and the view never searches for a row that
// starts with the typed text, which would move the typing to another row. The keys go
// from value to value: Enter to the next value row, Tab past the caption column.
class ParamTableView final : public QTableView {
    Q_OBJECT
public:
    explicit ParamTableView(QWidget* parent = nullptr);

    // Writes the text of an open editor into the table and closes the editor, so that
    // a command or a save reads what the user typed.
    void commitOpenEditor();

    void keyboardSearch(const QString& search) override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // The editable cell of the next (step 1) or previous (step -1) row that has one,
    // round from the last row to the first.
    [[nodiscard]] QModelIndex valueCellAfter(const QModelIndex& from, int step) const;
};

}  // namespace tessaro::gui
