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
struct WindowPorts {
    SaveDialog& saveDialog;
    MessageBox& messages;
    const Clock& clock;
    const Folders& folders;
};

// The main window. It owns the workbench, binds its widgets to it and forwards
// every button to a command of the core. Creating it loads the saved tables
// (loadTablesAtStart); closing it saves them (saveTablesAtClose).
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(WindowPorts ports, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] Workbench& workbench() { return wb_; }

public slots:
    // The template buttons; each runs one command of the core.
    void makeFrontPanel();
    void makeBottomPanel();
    void makeSidePanel();
    void makeLid();
    void makeFoldingBoxSet();
    void makeSimpleSidePanel();
    void makeSimpleBoxSet();
    void makeTabSlotPiece();
    void makeSpiral();
    void makeBobbin();

    // The language buttons.
    void englishClicked();
    void russianClicked();

    // The switches and tabs that keep pictures and flags in step.
    void cornerReliefToggled();
    void simpleCornerReliefToggled();
    void tabSlotReliefToggled();
    void supportJumperToggled();
    void foldingBoxTabShown();
    void simpleBoxTabShown();
    void tabSlotTabShown();
    void spiralTabShown();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void loadTablesAtStart();
    void saveTablesAtClose();

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
                           void (MainWindow::*handler)());
    QLabel* addPicture(QWidget* parent, const char* name, QPoint position);
    QWidget* addTab(const char* name, const char* caption);
    void setCaption(QWidget* control, const QString& caption);

    WindowPorts ports_;
    Workbench wb_;
    TableStore tables_;
    std::vector<ParamTableModel*> tableModels_;

    QTabWidget* tabs = nullptr;
    QWidget* foldingBoxTab = nullptr;
    QWidget* simpleBoxTab = nullptr;
    QWidget* tabSlotTab = nullptr;
    QWidget* spiralTab = nullptr;
    QWidget* epsTab = nullptr;
    QWidget* bobbinTab = nullptr;
    QWidget* dxfTab = nullptr;

    QCheckBox* cornerRelief = nullptr;
    QCheckBox* roundedLidCorners = nullptr;
    QCheckBox* supportJumper = nullptr;
    QCheckBox* singleSupportTooth = nullptr;
    QGroupBox* feet = nullptr;
    QButtonGroup* feetButtons_ = nullptr;
    QCheckBox* simpleCornerRelief = nullptr;
    QCheckBox* simpleRoundedLidCorners = nullptr;
    QCheckBox* screwJoints = nullptr;
    QCheckBox* tabSlotRelief = nullptr;
    QLabel* templateLabel = nullptr;

    QLabel* foldingReliefCornersPicture = nullptr;
    QLabel* foldingSquareCornersPicture = nullptr;
    QLabel* jumperPicture = nullptr;
    QLabel* noJumperPicture = nullptr;
    QLabel* simpleSquareCornersPicture = nullptr;
    QLabel* simpleReliefCornersPicture = nullptr;
    QLabel* tabSlotSquareCornersPicture = nullptr;
    QLabel* tabSlotReliefCornersPicture = nullptr;

    QListView* epsDocument = nullptr;
    QListView* dxfDocument = nullptr;
    LineListModel* epsModel_ = nullptr;
    LineListModel* dxfModel_ = nullptr;

    PreviewWidget* preview_ = nullptr;
    std::unique_ptr<PreviewingSaveDialog> previewingDialog_;
};

}  // namespace tessaro::gui
