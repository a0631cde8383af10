#pragma once

#include <QTableView>

namespace tessaro::gui {

// A parameter table's view. Typing always edits the current cell: a key opens its editor
// at once (no delayed edit on a click), and the view never searches for a row that
// starts with the typed text, which would move the typing to another row.
class ParamTableView final : public QTableView {
    Q_OBJECT
public:
    explicit ParamTableView(QWidget* parent = nullptr);

    // Writes the text of an open editor into the table and closes the editor, so that
    // a command or a save reads what the user typed.
    void commitOpenEditor();

    void keyboardSearch(const QString& search) override;
};

}  // namespace tessaro::gui
