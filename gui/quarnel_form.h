#pragma once

#include <QWidget>
#include <memory>

#include "app/save_dialog.h"
#include "model/ports.h"
#include "model/workbench.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QTabWidget;
class QTableView;

namespace tessaro::gui {

class LineListModel;
class PreviewWidget;
class PreviewingSaveDialog;
class ParamTableModel;

// The platform pieces the window talks to; tests pass doubles.
struct FormPorts {
    SaveDialog& saveDialog;
    MessageBox& messages;
    const Clock& clock;
};

// The main window. It owns the workbench, binds its widgets to it and forwards
// every button to a command of the core.
class TQuarnelForm final : public QWidget {
    Q_OBJECT
public:
    explicit TQuarnelForm(FormPorts ports, QWidget* parent = nullptr);
    ~TQuarnelForm() override;

    [[nodiscard]] Workbench& workbench() { return wb_; }

public slots:
    void ArhimedClick();
    void SimpChAglClick();
    void TabSheet1Show();
    void TabSheet2Show();
    void TabSheet4Show();
    void TabSheet5Show();

private:
    void buildLeftColumn();
    void buildFoldingTab();
    void buildSimpleTab();
    void buildTabSlotTab();
    void buildSpiralTab();
    void buildHiddenTab();
    void buildBobbinTab();
    void buildDxfTab();
    void bindSwitches();
    void onTabShown(int index);

    // Runs one template command from its button and shows a failure in the error box.
    void perform(std::string_view command);
    void showDocuments();

    QTableView* addGrid(QWidget* parent, ParamTable& table, const char* name, QRect geometry, int captionWidth,
                        int valueWidth);
    QCheckBox* addCheckBox(QWidget* parent, const char* name, const char* caption, QPoint position, bool checked);

    FormPorts ports_;
    Workbench wb_;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet4 = nullptr;
    QWidget* TabSheet5 = nullptr;
    QWidget* TabSheet6 = nullptr;
    QWidget* TabSheet7 = nullptr;
    QWidget* TabSheet3 = nullptr;

    QCheckBox* ExtAngle = nullptr;
    QCheckBox* CAngle = nullptr;
    QCheckBox* ShortOpora = nullptr;
    QCheckBox* CheckBoxOneZub = nullptr;
    QGroupBox* PinSel = nullptr;
    QButtonGroup* pinSelButtons_ = nullptr;
    QCheckBox* SimpChAgl = nullptr;
    QCheckBox* SimpCAngl = nullptr;
    QCheckBox* ScrewCheck = nullptr;
    QCheckBox* ExtAngle2 = nullptr;
    QPushButton* Arhimed = nullptr;
    QLabel* tShablon = nullptr;

    QListView* OUTeps = nullptr;
    QListView* MemoDXF = nullptr;
    LineListModel* epsModel_ = nullptr;
    LineListModel* dxfModel_ = nullptr;

    PreviewWidget* preview_ = nullptr;
    std::unique_ptr<PreviewingSaveDialog> previewingDialog_;
};

}  // namespace tessaro::gui
