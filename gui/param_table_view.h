#pragma once

#include <QTableView>

namespace tessaro::gui {

// A parameter table's view. Typing always edits the current cell: a key opens its editor
// at once (no delayed edit on a click), and the view never searches for a row that
// starts with the typed text, which would move the typing to another row. The keys go
// from value to value: Enter to the next value row, round to the first; Tab past the
// caption column, and out of the table after the last value.
class ParamTableView final : public QTableView {
    Q_OBJECT
public:
    explicit ParamTableView(QWidget* parent = nullptr);

    // Writes the text of an open editor into the table and closes the editor, so that
    // a command or a save reads what the user typed.
    void commitOpenEditor();

    void keyboardSearch(const QString& search) override;

    // From now on the caption column takes what the view gains in width beyond the present one.
    void captionTakesExtraWidth();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    int laidOutWidth_ = 0;  // 0: the columns keep their widths
    int laidOutCaptionWidth_ = 0;
    enum class Round { Round, Stop };
    // The editable cell of the next (step 1) or previous (step -1) row that has one,
    // round from the last row to the first, or none past the end.
    [[nodiscard]] QModelIndex valueCellAfter(const QModelIndex& from, int step, Round round) const;
};

}  // namespace tessaro::gui
