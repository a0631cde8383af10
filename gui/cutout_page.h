#pragma once

#include <QWidget>

class QPushButton;
class QTableView;

namespace tessaro::gui {

class CutoutTableModel;

// The "Cut-outs" tab's page: the list's table and the buttons that add and remove a row.
class CutoutPage final : public QWidget {
    Q_OBJECT
public:
    CutoutPage(CutoutTableModel& model, QWidget* parent);

    // Writes the text of an open editor into the list, so that a command or the close reads it.
    void commitOpenEditor();
    // Shows the row the history put back.
    void showRow(int row);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    CutoutTableModel& model_;
    QTableView* view_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
};

}  // namespace tessaro::gui
