#pragma once

#include <QMainWindow>
#include <exception>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/cutout_list_file.h"
#include "app/design.h"
#include "app/folders.h"
#include "app/materials.h"
#include "app/save_prompt.h"
#include "app/table_files.h"
#include "gui/design_prompt.h"
#include "gui/edit_history.h"
#include "gui/long_job.h"
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

class CutoutPage;
class DesignFiles;
class CutoutTableModel;
class LineListModel;
class LivePreview;
class MaterialBox;
class PreviewWidget;
class PreviewingSavePrompt;
class KerfField;
class SheetGroup;
class StatusLine;
class ParamTableModel;
class WindowMenus;
class FormStretch;

// The platform pieces the window talks to; tests pass doubles.
struct WindowPorts {
    SavePrompt& savePrompt;
    MessageBox& messages;
    const Clock& clock;
    const Folders& folders;
    DesignPrompt& designPrompt;
};

// The main window. It owns the workbench, binds its widgets to it and forwards
// every button to a command of the core. Creating it loads the saved tables
// (loadTablesAtStart) and the kept switches; closing it saves them (saveTablesAtClose),
// once the design's changes not saved have been saved or let go (DesignFiles).
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(WindowPorts ports, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] Workbench& workbench() { return wb_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void loadTablesAtStart();
    void saveTablesAtClose();
    // The list of cut-outs beside the tables, read at start and written at close.
    void loadCutoutsAtStart();
    void saveCutoutsAtClose();

    void buildMenus();
    // What the File menu's designs read and show: the tables, switches, cut-outs, kerf,
    // sheet, material and the template the preview follows (or the job's templates).
    [[nodiscard]] Design designOfWindow();
    void showDesign(const Design& design);
    [[nodiscard]] std::string proposedDesignName() const;
    void buildLeftColumn();
    void buildFoldingTab();
    void buildSimpleTab();
    void buildTabSlotTab();
    void buildSpiralTab();
    void buildHiddenTab();
    void buildBobbinTab();
    void buildDxfTab();
    void buildCutoutsTab();
    void bindSwitches();
    void onTabShown(int index);

    // The language buttons.
    void useEnglish();
    void useRussian();

    // The switches that keep their pictures and flags in step.
    void cornerReliefToggled();
    void simpleCornerReliefToggled();
    void tabSlotReliefToggled();
    void supportJumperToggled();

    // Runs one template command from its button and shows a failure in the error box.
    void perform(const TemplateCommand& command);
    void addShownTemplateToJob();
    void showFailure(const std::exception& e);
    // What the preview shows before the save dialog asks: the template, or its sheets.
    void showTemplateBeingSaved();
    void showDocuments();
    // The menu's saves: the template the preview shows, in a type or the dialog's first;
    // the current tab's whole set.
    void saveCurrentTemplate(std::optional<FileType> type);
    void saveSet();
    // An undone or redone value on a tab not shown: the tab comes up with the cell selected.
    void revealCell(const ParamTableModel& model, int row, int column);
    void reloadTables();
    // The material box: a preset sets its cells as one step to undo; "save as…" keeps the
    // current tab's values beside the tables.
    void chooseMaterial(const QString& name);
    void saveMaterialAs(const QString& name);
    // Puts the text of an open cell editor into its table before the tables are read or saved.
    void commitOpenEditors();

    QTableView* addTableView(QWidget* parent, ParamTable& table, const char* name, QRect geometry, int captionWidth,
                             int valueWidth);
    QCheckBox* addCheckBox(QWidget* parent, const char* name, const char* caption, QPoint position, bool checked);
    QPushButton* addButton(QWidget* parent, std::string_view name, std::string_view caption, QRect geometry);
    // The tab's buttons as the command table has them, each connected to its command.
    void addTemplateButtons(TemplateTab tab, QWidget* parent);
    QLabel* addPicture(QWidget* parent, const char* name, QPoint position);
    QWidget* addTab(std::string_view name, const char* caption, const char* hint = nullptr);
    QWidget* addTemplateTab(TemplateTab tab, const char* caption, const char* hint = nullptr);
    void setCaption(QWidget* control, const QString& caption);
    // A control's words in English, which retranslate shows in the window's language; a
    // null caption or hint is none.
    void addWords(QWidget* control, const char* context, const char* caption, const char* hint);
    void retranslate();

    WindowPorts ports_;
    GuiThreadMessages messages_;  // the workbench's: a command run on a worker shows its warnings through it
    Workbench wb_;
    TableStore tables_;
    MaterialStore materials_;
    CutoutListFile cutoutFile_;
    EditHistory editHistory_;
    WindowMenus* menus_ = nullptr;
    DesignFiles* designs_ = nullptr;
    QWidget* form_ = nullptr;  // the central widget: everything under the menu bar
    FormStretch* stretch_ = nullptr;
    LongJobs* jobs_ = nullptr;
    bool closeAfterJob_ = false;  // the window was closed while a job ran: it closes when the job has stopped
    std::vector<ParamTableModel*> tableModels_;

    struct Words {
        QWidget* control;
        const char* context;
        const char* caption;
        const char* hint;
    };
    std::vector<Words> words_;
    bool picturesEnglish_ = false;  // as addPicture draws them
    std::vector<std::pair<QWidget*, TemplateTab>> templatePages_;

    QTabWidget* tabs = nullptr;
    QWidget* foldingBoxTab = nullptr;
    QWidget* simpleBoxTab = nullptr;
    QWidget* tabSlotTab = nullptr;
    QWidget* spiralTab = nullptr;
    QWidget* epsTab = nullptr;
    QWidget* bobbinTab = nullptr;
    QWidget* dxfTab = nullptr;
    QWidget* cutoutsTab = nullptr;
    CutoutTableModel* cutoutModel_ = nullptr;
    CutoutPage* cutoutPage_ = nullptr;

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
    LivePreview* livePreview_ = nullptr;
    StatusLine* statusLine_ = nullptr;
    SheetGroup* sheet_ = nullptr;
    MaterialBox* materialBox_ = nullptr;
    KerfField* kerf_ = nullptr;
    std::unique_ptr<PreviewingSavePrompt> previewingDialog_;
};

}  // namespace tessaro::gui
