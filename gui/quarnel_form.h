#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "app/folders.h"
#include "app/save_dialog.h"
#include "app/table_files.h"
#include "model/ports.h"
#include "model/workbench.h"

class QAbstractButton;
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
    const Folders& folders;
};

// The main window. It owns the workbench, binds its widgets to it and forwards
// every button to a command of the core. Creating it loads the saved tables
// (FormCreate); closing it saves them (FormClose).
class TQuarnelForm final : public QWidget {
    Q_OBJECT
public:
    explicit TQuarnelForm(FormPorts ports, QWidget* parent = nullptr);
    ~TQuarnelForm() override;

    [[nodiscard]] Workbench& workbench() { return wb_; }

public slots:
    // The template buttons; each runs one command of the core.
    void CreateFasadClick();
    void CreateDownClick();
    void CreateSideClick();
    void CreateTopClick();
    void FullCaseClick();
    void Button6Click();
    void AllSimpClick();
    void ZubPazClick();
    void ArhimedClick();
    void FullTransClick();

    // The language buttons.
    void toEngClick();
    void toRusClick();

    // The switches and tabs that keep pictures and flags in step.
    void ExtAngleClick();
    void SimpChAglClick();
    void ExtAngle2Click();
    void ShortOporaClick();
    void TabSheet1Show();
    void TabSheet2Show();
    void TabSheet4Show();
    void TabSheet5Show();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormClose();

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
    void reloadTables();
    // Puts the text of an open cell editor into its table before the tables are read or saved.
    void commitOpenEditors();

    QTableView* addGrid(QWidget* parent, ParamTable& table, const char* name, QRect geometry, int captionWidth,
                        int valueWidth);
    QCheckBox* addCheckBox(QWidget* parent, const char* name, const char* caption, QPoint position, bool checked);
    QPushButton* addButton(QWidget* parent, const char* name, const char* caption, QRect geometry,
                           void (TQuarnelForm::*handler)());
    QLabel* addPicture(QWidget* parent, const char* name, QPoint position);
    QWidget* addTab(const char* name, const char* caption);
    void setCaption(QWidget* control, const QString& caption);

    FormPorts ports_;
    Workbench wb_;
    TableStore tables_;
    std::vector<ParamTableModel*> tableModels_;

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
    QLabel* tShablon = nullptr;

    QLabel* Image3 = nullptr;
    QLabel* Image11 = nullptr;
    QLabel* Image9 = nullptr;
    QLabel* Image10 = nullptr;
    QLabel* Image6 = nullptr;
    QLabel* Image12 = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Image13 = nullptr;

    QListView* OUTeps = nullptr;
    QListView* MemoDXF = nullptr;
    LineListModel* epsModel_ = nullptr;
    LineListModel* dxfModel_ = nullptr;

    PreviewWidget* preview_ = nullptr;
    std::unique_ptr<PreviewingSaveDialog> previewingDialog_;
};

}  // namespace tessaro::gui
