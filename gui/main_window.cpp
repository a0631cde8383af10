#include "gui/main_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "app/cutout_list_file.h"
#include "app/design.h"
#include "app/error_text.h"
#include "app/job.h"
#include "app/language.h"
#include "app/saving.h"
#include "app/sheets.h"
#include "app/table_folders.h"
#include "app/table_keys.h"
#include "gui/cutout_page.h"
#include "gui/cutout_table_model.h"
#include "gui/design_files.h"
#include "gui/edit_history.h"
#include "gui/form_stretch.h"
#include "gui/kept_settings.h"
#include "gui/kerf_field.h"
#include "gui/line_list_model.h"
#include "gui/live_assembly.h"
#include "gui/live_preview.h"
#include "gui/material_box.h"
#include "gui/menu_words.h"
#include "gui/param_table_model.h"
#include "gui/param_table_view.h"
#include "gui/pictures.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/previewing_save_prompt.h"
#include "gui/reading_order.h"
#include "gui/save_report.h"
#include "gui/sheet_group.h"
#include "gui/status_line.h"
#include "gui/window_edits.h"
#include "gui/window_language.h"
#include "gui/window_menus.h"
#include "gui/window_messages.h"
#include "model/about.h"

namespace tessaro::gui {
namespace {

constexpr int kClientWidth = 1317;
constexpr int kClientHeight = 605;
// As narrow as a 1280-pixel screen needs with the window's frame: the tabs give up the
// width, which their pages do not fill; as low as leaves the preview a third of its height.
constexpr int kLeastClientWidth = 1240;
constexpr int kLeastClientHeight = 505;
constexpr int kRowHeight = 18;
constexpr int kGridFontPixels = 10;

// The check boxes whose captions wrap to a width: cornerRelief (126 x 33 on the form) and
// simpleCornerRelief, which would run into the screw-slot table.
int wrapWidth(const QWidget* control) {
    const QString name = control->objectName();
    return name == "cornerRelief" ? 126 : name == "simpleCornerRelief" ? 140 : 0;
}

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QListView* addDocumentView(QWidget* parent, LineListModel* model, const char* name) {
    auto* view = new QListView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setUniformItemSizes(true);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setFont(QFont("Monospace"));
    auto* layout = new QVBoxLayout(parent);
    layout->addWidget(view);
    return view;
}

// Breaks a caption into lines that fit the width, word by word.
QString wrapped(const QString& caption, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& word : caption.split(' ', Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && metrics.horizontalAdvance(lines.back() + ' ' + word) <= width) {
            lines.back() += ' ' + word;
        } else {
            lines << word;
        }
    }
    return lines.join('\n');
}

QRect rectOf(ButtonGeometry g) { return {g.x, g.y, g.width, g.height}; }

// The contexts of the window's words in its Linguist files: its own, and the command
// table's button captions.
constexpr const char* kWindowContext = "tessaro::gui::MainWindow";
constexpr const char* kButtonContext = "TemplateButton";

// The menus and the progress line still take their words from menuWords.
bool windowIsEnglish() { return windowLanguage() == WindowLanguage::English; }

}  // namespace

MainWindow::MainWindow(WindowPorts ports, QWidget* parent)
    : QMainWindow(parent),
      ports_(ports),
      messages_(ports.messages),
      wb_(ports.clock, messages_),
      tables_(wb_, ports.folders) {
    setObjectName("mainWindow");
    form_ = new QWidget(this);
    form_->setObjectName("form");
    form_->setMinimumSize(kLeastClientWidth, kLeastClientHeight);
    form_->resize(kClientWidth, kClientHeight);
    setCentralWidget(form_);
    stretch_ = new FormStretch(*form_, {kClientWidth, kClientHeight});
    // MS Sans Serif 8 pt where it exists; elsewhere a narrow sans serif of the same size,
    // so that the captions fit the controls' fixed sizes.
    QFont font;
    font.setFamilies({"MS Sans Serif", "DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);

    // Every window starts Russian; an English main table switches it while loading.
    setWindowLanguage(WindowLanguage::Russian);
    editHistory_ = addEditHistory(*this);
    buildLeftColumn();
    tabs = new QTabWidget(form_);
    tabs->setObjectName("tabs");
    tabs->setGeometry(324, 1, 989, 600);
    stretch_->add(tabs, {.left = Edge::FollowsGrowth, .right = Edge::FollowsSize, .bottom = Edge::FollowsSize});
    buildFoldingTab();
    buildSimpleTab();
    buildTabSlotTab();
    buildSpiralTab();
    buildHiddenTab();
    buildBobbinTab();
    buildCutoutsTab();
    buildDxfTab();
    bindSwitches();
    restoreSwitches(*this);
    buildMenus();
    retranslate();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    loadTablesAtStart();
    connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::onTabShown);
    tabs->setCurrentWidget(foldingBoxTab);
    onTabShown(tabs->currentIndex());
    livePreview_ = new LivePreview(wb_, *preview_, *this, [this] { return sheet_->choice(); });
    new LiveAssembly(wb_, *preview_, *this);  // the window owns it
    designs_ = new DesignFiles(*this, ports_.designPrompt, ports_.messages,
                               {[this] { return designOfWindow(); }, [this](const Design& d) { showDesign(d); },
                                [this] { return proposedDesignName(); }});
    onEveryEdit(*this, *designs_, [this] { designs_->markChanged(); });
    menus_->showRecentDesigns(DesignFiles::recentDesigns());
    connect(designs_, &DesignFiles::recentDesignsChanged, this,
            [this] { menus_->showRecentDesigns(DesignFiles::recentDesigns()); });
}

// Tab and Shift+Tab go through the controls in reading order: the left column, then the tabs.
bool MainWindow::focusNextPrevChild(bool next) {
    if (QWidget* to = nextInReadingOrder(*form_, {tabs->x()}, focusWidget(), next)) {
        to->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

// QWidget closes the window and deletes the tables' views after the workbench, a member,
// is gone; an editor still open would then write into a table that no longer exists.
MainWindow::~MainWindow() { commitOpenEditors(); }

// Loads the saved tables from the folder tableFolders chooses; an English main table
// switches the window to English. A file that cannot be loaded is reported; the others
// still load.
void MainWindow::loadTablesAtStart() {
    try {
        tables_.load([this] { useEnglish(); });
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
    try {
        materials_.load(tableFolders(ports_.folders).readFrom / kMaterialsFile);
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
    materialBox_->setMaterials(materials_.materials());
    reloadTables();
    loadCutoutsAtStart();
}

// A list that cannot be read is reported and shown empty; the close keeps the file beside.
void MainWindow::loadCutoutsAtStart() {
    try {
        cutoutModel_->setList(cutoutFile_.load(tableFolders(ports_.folders).readFrom / kCutoutsFile));
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
}

// The list goes where the next start reads it: beside the tables, in the data folder
// when their own folder could not take them (the tables are saved first).
void MainWindow::saveCutoutsAtClose() {
    try {
        const std::filesystem::path folder = tableFolders(ports_.folders).readFrom;
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        if (const auto kept = cutoutFile_.save(cutoutModel_->list(), folder / kCutoutsFile)) {
            ports_.messages.show(*kept + ".");
        }
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
}

// Saves the tables next to the program, or in the user's data folder when installed.
// A file that cannot be written is reported; the window closes all the same.
void MainWindow::saveTablesAtClose() {
    try {
        tables_.save();
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (jobs_->busy()) {
        jobs_->cancel();
        closeAfterJob_ = true;
        event->ignore();
        return;
    }
    commitOpenEditors();
    if (!designs_->mayClose()) {
        event->ignore();
        return;
    }
    saveTablesAtClose();
    saveCutoutsAtClose();
    keepSwitchesAndPlace(*this);
    event->accept();
}

QTableView* MainWindow::addTableView(QWidget* parent, ParamTable& table, const char* name, QRect geometry,
                                     int captionWidth, int valueWidth) {
    auto* model = new ParamTableModel(table, *editHistory_.stack, this);
    tableModels_.push_back(model);
    connect(model, &ParamTableModel::cellRestored, this,
            [this, model](int row, int column) { revealCell(*model, row, column); });
    auto* view = new ParamTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setGeometry(geometry);
    QFont font = view->font();
    font.setPixelSize(kGridFontPixels);
    view->setFont(font);
    view->setTextElideMode(Qt::ElideNone);  // a caption a pixel too wide shows whole rather than elided
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(kRowHeight);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->setColumnWidth(0, captionWidth);
    view->setColumnWidth(1, valueWidth);
    return view;
}

QCheckBox* MainWindow::addCheckBox(QWidget* parent, const char* name, const char* caption, QPoint position,
                                   bool checked) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->move(position);
    box->setChecked(checked);
    addWords(box, kWindowContext, caption, caption);
    return box;
}

void MainWindow::addWords(QWidget* control, const char* context, const char* caption, const char* hint) {
    words_.push_back({control, context, caption, hint});
}

// Every caption and hint in the window's language; the tables keep theirs, which are data.
void MainWindow::retranslate() {
    for (const Words& words : words_) {
        if (words.caption != nullptr) {
            setCaption(words.control, QCoreApplication::translate(words.context, words.caption));
        }
        if (words.hint == nullptr) {
            continue;
        }
        const QString hint = QCoreApplication::translate(words.context, words.hint);
        if (const int tab = tabs->indexOf(words.control); tab >= 0) {
            tabs->setTabToolTip(tab, hint);
        } else {
            words.control->setToolTip(hint);
        }
    }
    feetButtons_->button(static_cast<int>(Feet::None))->setText(tr("No"));
    const bool english = windowIsEnglish();
    if (menus_ != nullptr) {
        menus_->setEnglish(english);
    }
    if (designs_ != nullptr) {
        designs_->retitle();
    }
    jobs_->setEnglish(english);
    // The pictures with words are drawn again only when their language changes.
    if (english == picturesEnglish_) {
        return;
    }
    picturesEnglish_ = english;
    for (const PictureInfo& info : pictureTable()) {
        if (auto* shown = findChild<QLabel*>(text(info.name))) {
            givePicture(*shown, info.name, english);
        }
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && tabs != nullptr) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

QPushButton* MainWindow::addButton(QWidget* parent, std::string_view name, std::string_view caption, QRect geometry) {
    auto* button = new QPushButton(text(caption), parent);
    button->setObjectName(text(name));
    button->setGeometry(geometry);
    return button;
}

void MainWindow::addTemplateButtons(TemplateTab tab, QWidget* parent) {
    for (const TemplateCommand& command : templateCommands()) {
        if (command.tab != tab) {
            continue;
        }
        for (const TemplateButton& entry : command.buttons) {
            QPushButton* button = addButton(parent, entry.objectName, {}, rectOf(entry.geometry));
            addWords(button, kButtonContext, entry.caption.data(), entry.caption.data());
            connect(button, &QPushButton::clicked, this, [this, &command] { perform(command); });
        }
    }
}

QLabel* MainWindow::addPicture(QWidget* parent, const char* name, QPoint position) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(position);
    givePicture(*label, name);
    return label;
}

QWidget* MainWindow::addTab(std::string_view name, const char* caption, const char* hint) {
    auto* page = new QWidget;
    page->setObjectName(text(name));
    tabs->addTab(page, QString());
    addWords(page, kWindowContext, caption, hint);
    return page;
}

QWidget* MainWindow::addTemplateTab(TemplateTab tab, const char* caption, const char* hint) {
    QWidget* page = addTab(tabRule(tab).objectName, caption, hint);
    templatePages_.emplace_back(page, tab);
    return page;
}

// Sets a control's caption the way its kind shows one. The wrapped check box breaks
// its caption into lines that fit its width.
void MainWindow::setCaption(QWidget* control, const QString& caption) {
    if (const int width = wrapWidth(control); width > 0) {
        auto* box = static_cast<QCheckBox*>(control);
        box->setText(wrapped(caption, box->fontMetrics(), width - 22));
        box->resize(width, std::max(33, box->sizeHint().height()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
        if (qobject_cast<QCheckBox*>(control)) {
            button->adjustSize();
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
        label->adjustSize();
    } else if (const int tab = tabs->indexOf(control); tab >= 0) {
        tabs->setTabText(tab, caption);
    }
}

void MainWindow::buildMenus() {
    MenuCommands commands;
    commands.newDesign = [this] { designs_->newDesign(); };
    commands.openDesign = [this] { designs_->open(); };
    commands.openRecentDesign = [this](const QString& path) { designs_->openFile(path); };
    commands.saveDesign = [this] { (void)designs_->save(); };
    commands.saveDesignAs = [this] { (void)designs_->saveAs(); };
    commands.saveTemplate = [this](std::optional<FileType> type) { saveCurrentTemplate(type); };
    commands.saveSet = [this] { saveSet(); };
    commands.largeView = [this] { preview_->openLargeWindow(); };
    commands.assembly = [this] {
        preview_->openLargeWindow();
        preview_->largeWindow()->showAssemblyPage();
    };
    commands.keys = [this] { ports_.messages.show(menuWords(windowIsEnglish()).keysText.toStdString()); };
    commands.about = [this] {
        ports_.messages.show(
            menuWords(windowIsEnglish())
                .aboutText.arg(text(kProgramTitle), text(kVersion), text(kLicence), text(kContactAddress))
                .toStdString());
    };
    menus_ = new WindowMenus(*this, editHistory_, std::move(commands));
}

void MainWindow::buildLeftColumn() {
    auto* label = new QLabel(form_);
    label->setObjectName("languageLabel");
    label->move(8, 8);
    addWords(label, kWindowContext, QT_TR_NOOP("Language"), nullptr);
    // Each language is named in its own, so that whoever reads only one finds it.
    connect(addButton(form_, "englishButton", "English", {63, 0, 57, 25}), &QPushButton::clicked, this,
            &MainWindow::useEnglish);
    connect(addButton(form_, "russianButton", "Русский", {122, 0, 57, 25}), &QPushButton::clicked, this,
            &MainWindow::useRussian);
    auto* tableView = addTableView(form_, wb_.boxTable, "boxTable", {8, 29, 314, 199}, 255, 53);
    static_cast<ParamTableModel*>(tableView->model())->setBlueCaptionRows({2, 3, 4});
    tableView->verticalHeader()->resizeSection(9, 21);
    // The sheet group, then the material and the kerf side by side, stand between the table
    // and the preview, which gives up their height.
    sheet_ = new SheetGroup(form_);
    sheet_->setGeometry(8, 231, 314, 66);
    connect(sheet_, &SheetGroup::addToJobClicked, this, &MainWindow::addShownTemplateToJob);
    materialBox_ = new MaterialBox(form_);
    materialBox_->setGeometry(8, 299, 200, 24);
    connect(materialBox_, &MaterialBox::chosen, this, &MainWindow::chooseMaterial);
    connect(materialBox_, &MaterialBox::saveAsAsked, this, &MainWindow::saveMaterialAs);
    kerf_ = new KerfField(wb_, form_);
    kerf_->setGeometry(208, 299, 114, 24);
    preview_ = new PreviewWidget(form_);
    preview_->setObjectName("Preview");
    preview_->setGeometry(8, 325, 314, 252);
    connect(kerf_, &KerfField::kerfRefused, preview_, &PreviewWidget::showProblem);
    statusLine_ = new StatusLine(form_);
    statusLine_->setGeometry(8, 579, 314, 20);
    // The room the window gains beyond its first size goes to the preview and the main table.
    static_cast<ParamTableView*>(tableView)->captionTakesExtraWidth();
    stretch_->add(tableView, {.right = Edge::FollowsGrowth});
    stretch_->add(sheet_, {.right = Edge::FollowsGrowth});
    stretch_->add(materialBox_, {.right = Edge::FollowsGrowth});
    stretch_->add(kerf_, {.left = Edge::FollowsGrowth, .right = Edge::FollowsGrowth});
    stretch_->add(preview_, {.right = Edge::FollowsGrowth, .bottom = Edge::FollowsSize});
    stretch_->add(statusLine_, {.top = Edge::FollowsSize, .right = Edge::FollowsGrowth, .bottom = Edge::FollowsSize});
    previewingDialog_ = std::make_unique<PreviewingSavePrompt>(ports_.savePrompt, [this] { showTemplateBeingSaved(); });
    jobs_ = new LongJobs(*this, *form_, *previewingDialog_);
    jobs_->progressLine()->setGeometry(statusLine_->geometry());
    stretch_->add(jobs_->progressLine(),
                  {.top = Edge::FollowsSize, .right = Edge::FollowsGrowth, .bottom = Edge::FollowsSize});
}

// The panel buttons are laid out as the unfolded box; the picture of the box stands beside them.
void MainWindow::buildFoldingTab() {
    foldingBoxTab = addTemplateTab(TemplateTab::FoldingBox, QT_TR_NOOP("Folding box"));
    auto* panel = new QFrame(foldingBoxTab);
    panel->setObjectName("foldingBoxPanel");
    addWords(panel, kWindowContext, nullptr, QT_TR_NOOP("demountable box"));
    panel->setGeometry(0, 0, 600, 215);
    panel->lower();

    addTemplateButtons(TemplateTab::FoldingBox, foldingBoxTab);

    const Options& o = wb_.options;
    roundedLidCorners = addCheckBox(foldingBoxTab, "roundedLidCorners", QT_TR_NOOP("Rounding corner lid"), {403, 46},
                                    o.roundedLidCorners);
    singleSupportTooth = addCheckBox(foldingBoxTab, "singleSupportTooth", QT_TR_NOOP("One bottom support tooth"),
                                     {174, 214}, o.singleSupportTooth);
    supportJumper =
        addCheckBox(foldingBoxTab, "supportJumper", QT_TR_NOOP("Jumper support"), {4, 230}, o.supportJumper);
    cornerRelief = addCheckBox(foldingBoxTab, "cornerRelief", QT_TR_NOOP("Cut straight inside corners"), {175, 242},
                               o.cornerRelief);

    feet = new QGroupBox(foldingBoxTab);
    feet->setObjectName("feet");
    addWords(feet, kWindowContext, QT_TR_NOOP("Feet on the sidewall"), QT_TR_NOOP("Feet on the sidewall"));
    feet->setGeometry(363, 252, 219, 41);
    // Three equal thirds, so that each radio stands over its third of the feet picture.
    auto* row = new QHBoxLayout(feet);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(0);
    row->setDirection(QBoxLayout::RightToLeft);
    feetButtons_ = new QButtonGroup(this);
    for (int item = 0; item < 3; ++item) {
        auto* radio = new QRadioButton(QString::fromUtf8(feetText(static_cast<Feet>(item))), feet);
        radio->setObjectName(QString("feet%1").arg(item));
        feetButtons_->addButton(radio, item);
        row->addWidget(radio, 1, Qt::AlignHCenter);
    }
    feetButtons_->button(static_cast<int>(o.feet))->setChecked(true);

    addPicture(foldingBoxTab, "foldingBoxPicture", {600, 4});
    foldingSquareCornersPicture = addPicture(foldingBoxTab, "foldingSquareCornersPicture", {175, 290});
    foldingReliefCornersPicture = addPicture(foldingBoxTab, "foldingReliefCornersPicture", {175, 290});
    jumperPicture = addPicture(foldingBoxTab, "jumperPicture", {4, 256});
    noJumperPicture = addPicture(foldingBoxTab, "noJumperPicture", {4, 256});
    addPicture(foldingBoxTab, "feetPicture", {369, 300});
}

void MainWindow::buildSimpleTab() {
    simpleBoxTab = addTemplateTab(TemplateTab::SimpleBox, QT_TR_NOOP("Simple box"), QT_TR_NOOP("Simple box"));
    addTemplateButtons(TemplateTab::SimpleBox, simpleBoxTab);

    simpleRoundedLidCorners =
        addCheckBox(simpleBoxTab, "simpleRoundedLidCorners", QT_TR_NOOP("Rounding corner lid"), {405, 48}, true);
    simpleCornerRelief =
        addCheckBox(simpleBoxTab, "simpleCornerRelief", QT_TR_NOOP("Cut straight inside corners"), {62, 242}, false);
    screwJoints =
        addCheckBox(simpleBoxTab, "screwJoints", QT_TR_NOOP("Screw slots"), {352, 224}, wb_.options.screwJoints);
    addTableView(simpleBoxTab, wb_.screwTable, "screwTable", {206, 245, 204, 118}, 146, 52);

    addPicture(simpleBoxTab, "simpleBoxPicture", {600, 4});
    simpleSquareCornersPicture = addPicture(simpleBoxTab, "simpleSquareCornersPicture", {62, 300});
    simpleReliefCornersPicture = addPicture(simpleBoxTab, "simpleReliefCornersPicture", {62, 300});
    addPicture(simpleBoxTab, "screwNutPicture", {416, 245});
}

void MainWindow::buildTabSlotTab() {
    tabSlotTab = addTemplateTab(TemplateTab::TabSlot, QT_TR_NOOP("Tab-slot"));
    auto* panel = new QFrame(tabSlotTab);
    panel->setObjectName("tabSlotPanel");
    addWords(panel, kWindowContext, nullptr, QT_TR_NOOP("Tab-slot"));
    panel->setGeometry(0, 0, 590, 180);
    addPicture(panel, "tabAndGapPicture", {4, 30});
    addTableView(panel, wb_.tabSlotTable, "tabSlotTable", {308, 2, 273, 144}, 214, 53);
    addTemplateButtons(TemplateTab::TabSlot, panel);
    tabSlotRelief = addCheckBox(tabSlotTab, "tabSlotRelief", QT_TR_NOOP("Cut straight inside corners"), {35, 192},
                                wb_.options.tabSlotRelief);
    tabSlotSquareCornersPicture = addPicture(tabSlotTab, "tabSlotSquareCornersPicture", {35, 218});
    tabSlotReliefCornersPicture = addPicture(tabSlotTab, "tabSlotReliefCornersPicture", {35, 218});
}

void MainWindow::buildSpiralTab() {
    spiralTab = addTemplateTab(TemplateTab::Spiral, QT_TR_NOOP("Archimedean spiral"), QT_TR_NOOP("Archimedean spiral"));
    auto* group = new QGroupBox(spiralTab);
    group->setObjectName("spiralGroup");
    addWords(group, kWindowContext, QT_TR_NOOP("Archimedean spiral"), nullptr);
    group->setGeometry(8, 8, 600, 125);
    addTemplateButtons(TemplateTab::Spiral, group);
    addTableView(group, wb_.spiralTable, "spiralTable", {216, 22, 362, 99}, 300, 55);  // below the frame's title
    addPicture(spiralTab, "spiralPicture", {8, 140});
}

void MainWindow::buildHiddenTab() {
    epsTab = addTab("epsTab", QT_TR_NOOP("Output eps template"));
    tabs->setTabVisible(tabs->indexOf(epsTab), false);
    epsModel_ = new LineListModel([this] { return drawingLines(wb_.drawing, FileType::Eps, writeChoices(wb_)); }, this);
    epsDocument = addDocumentView(epsTab, epsModel_, "epsDocument");
    templateLabel = new QLabel(text(wb_.templateLabel), epsTab);
    templateLabel->setObjectName("templateLabel");
    static_cast<QVBoxLayout*>(epsTab->layout())->insertWidget(0, templateLabel);
}

void MainWindow::buildBobbinTab() {
    bobbinTab = addTemplateTab(TemplateTab::Transformer, QT_TR_NOOP("Transformer"));
    addPicture(bobbinTab, "bobbinPicture", {8, 8});
    addTableView(bobbinTab, wb_.bobbinTable, "bobbinTable", {12, 282, 273, 138}, 214, 53);
    addTemplateButtons(TemplateTab::Transformer, bobbinTab);
}

void MainWindow::buildDxfTab() {
    // The format's name, in both languages.
    dxfTab = addTab("dxfTab", nullptr);
    tabs->setTabText(tabs->indexOf(dxfTab), "dxf");
    dxfModel_ = new LineListModel([this] { return drawingLines(wb_.drawing, FileType::Dxf, writeChoices(wb_)); }, this);
    dxfDocument = addDocumentView(dxfTab, dxfModel_, "dxfDocument");
}

// After the template tabs: the holes, vents and labels the whole boxes cut in their faces.
void MainWindow::buildCutoutsTab() {
    cutoutsTab = addTab("cutoutsTab", QT_TR_NOOP("Cut-outs"),
                        QT_TR_NOOP("Holes, vents and labels in the faces of the whole boxes"));
    cutoutModel_ = new CutoutTableModel(wb_, *editHistory_.stack, this);
    cutoutPage_ = new CutoutPage(*cutoutModel_, cutoutsTab);
    auto* layout = new QVBoxLayout(cutoutsTab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cutoutPage_);
    connect(cutoutModel_, &CutoutTableModel::rowRestored, this, [this](int row) {
        tabs->setCurrentWidget(cutoutsTab);
        cutoutPage_->showRow(row);
    });
}

void MainWindow::bindSwitches() {
    Options& o = wb_.options;
    connect(cornerRelief, &QCheckBox::toggled, this, &MainWindow::cornerReliefToggled);
    connect(simpleCornerRelief, &QCheckBox::toggled, this, &MainWindow::simpleCornerReliefToggled);
    connect(tabSlotRelief, &QCheckBox::toggled, this, &MainWindow::tabSlotReliefToggled);
    connect(supportJumper, &QCheckBox::toggled, this, &MainWindow::supportJumperToggled);
    connect(roundedLidCorners, &QCheckBox::toggled, this, [&o](bool on) { o.roundedLidCorners = on; });
    connect(singleSupportTooth, &QCheckBox::toggled, this, [&o](bool on) { o.singleSupportTooth = on; });
    connect(screwJoints, &QCheckBox::toggled, this, [&o](bool on) { o.screwJoints = on; });
    connect(feetButtons_, &QButtonGroup::idToggled, this, [&o](int id, bool on) {
        if (on) {
            o.feet = static_cast<Feet>(id);
        }
    });

    // The pictures start as the switch defaults say.
    cornerReliefToggled();
    simpleCornerReliefToggled();
    tabSlotReliefToggled();
    supportJumperToggled();
}

void MainWindow::commitOpenEditors() {
    for (ParamTableView* view : findChildren<ParamTableView*>()) {
        view->commitOpenEditor();
    }
    cutoutPage_->commitOpenEditor();
}

void MainWindow::reloadTables() {
    for (ParamTableModel* model : tableModels_) {
        model->reload();
    }
}

void MainWindow::chooseMaterial(const QString& name) {
    commitOpenEditors();
    try {
        const Material& material = materials_.find(name.toStdString());
        const std::vector<MaterialCell> cells = materialCells(material);
        editHistory_.stack->beginMacro(name);
        for (const MaterialCell& cell : cells) {
            ParamTableModel* model = *std::ranges::find_if(
                tableModels_, [&](const ParamTableModel* m) { return &m->table() == &(wb_.*cell.table); });
            model->setData(model->index(cell.row, 1), text(cell.text), Qt::EditRole);
        }
        editHistory_.stack->endMacro();
        // In the field too, where a button reads the kerf again.
        kerf_->setText(text(material.kerf));
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
}

void MainWindow::saveMaterialAs(const QString& name) {
    commitOpenEditors();
    const auto shown =
        std::ranges::find_if(templatePages_, [this](const auto& page) { return page.first == tabs->currentWidget(); });
    const TemplateTab tab = shown == templatePages_.end() ? TemplateTab::FoldingBox : shown->second;
    try {
        const Material material = currentMaterial(wb_, name.toStdString(), materialSourceFor(tab));
        const std::filesystem::path folder = tableFolders(ports_.folders).writeTo;
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        if (const auto kept = materials_.save(material, folder / kMaterialsFile)) {
            ports_.messages.show(*kept + ".");
        }
        materialBox_->setMaterials(materials_.materials(), name);
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
}

Design MainWindow::designOfWindow() {
    commitOpenEditors();
    // A row left out of the drawing would be lost from the file.
    for (int row = 0; row < cutoutModel_->rowCount(); ++row) {
        if (const auto& problem = cutoutModel_->problem(row)) {
            throw UsageError(
                tr("Cut-out row %1 does not read: %2").arg(row + 1).arg(windowMessage(problem->message)).toStdString());
        }
    }
    Design design = designOfWorkbench(wb_);
    for (const JobTemplate& item : sheet_->job()) {
        design.templates.emplace_back(item.command().name);
    }
    if (design.templates.empty()) {
        design.templates.emplace_back(livePreview_->shownTemplate().name);
    }
    const QString kerf = kerf_->text().trimmed();
    design.kerf = kerf == "0" ? std::string() : kerf.toStdString();
    design.sheet = sheet_->typedSheet();
    if (const QString material = materialBox_->shown(); !material.isEmpty()) {
        design.material = material.toStdString();
    }
    checkDesign(design);
    return design;
}

// The window keeps its language: the design's values in the captions the tables have. A
// design's closing flag, inner-first order and comb are the command line's alone.
void MainWindow::showDesign(const Design& shown) {
    commitOpenEditors();
    Design design = shown;
    design.englishCaptions = tablesAreEnglish(wb_);
    applyDesignTables(design, wb_);
    reloadTables();
    const Options& o = design.switches;
    cornerRelief->setChecked(o.cornerRelief);
    simpleCornerRelief->setChecked(o.cornerRelief);
    roundedLidCorners->setChecked(o.roundedLidCorners);
    singleSupportTooth->setChecked(o.singleSupportTooth);
    supportJumper->setChecked(o.supportJumper);
    screwJoints->setChecked(o.screwJoints);
    tabSlotRelief->setChecked(o.tabSlotRelief);
    feetButtons_->button(static_cast<int>(o.feet))->setChecked(true);
    std::vector<std::string> cutouts;
    for (const FaceCutout& cutout : design.cutouts) {
        cutouts.push_back(cutoutLine(cutout));
    }
    cutoutModel_->setList(cutouts);
    kerf_->setText(design.kerf.empty() ? QString("0") : QString::fromStdString(design.kerf));
    sheet_->showSheet(design.sheet);
    materialBox_->setMaterials(materials_.materials(), design.material ? text(*design.material) : QString());
    sheet_->clearJob();
    editHistory_.stack->clear();
    if (design.templates.empty()) {
        return;
    }
    const TemplateCommand& first = *findCommand(design.templates.front());
    for (const auto& [page, tab] : templatePages_) {
        if (tab == first.tab) {
            tabs->setCurrentWidget(page);
        }
    }
    livePreview_->follow(first);
    if (design.templates.size() < 2) {
        return;
    }
    // A job's template is drawn on a worker as it is added: a cell that is no number stops
    // the job, named, and Cancel leaves the job empty.
    try {
        Job job;
        jobs_->run([&](const WriteWatch&) {
            for (const std::string& verb : design.templates) {
                addToJob(job, *findCommand(verb), wb_, jobs_->stopRequest());
            }
        });
        sheet_->setJob(std::move(job));
    } catch (const WorkStopped&) {
        statusLine_->showSaved(menuWords(windowIsEnglish()).cancelled);
    } catch (const std::exception& e) {
        showFailure(e);
    }
}

// The file name the template the preview shows proposes; a cell that is no number gives none.
std::string MainWindow::proposedDesignName() const {
    try {
        return livePreview_->shownTemplate().proposedName(wb_);
    } catch (const std::exception&) {
        return tr("design").toStdString();
    }
}

// The simple box tab shows the relief switch the folding box tab set; every template
// tab flags the last outline as the command table says.
void MainWindow::onTabShown(int index) {
    QWidget* shown = tabs->widget(index);
    if (shown == simpleBoxTab) {
        simpleCornerRelief->setChecked(cornerRelief->isChecked());
    }
    for (const auto& [page, tab] : templatePages_) {
        if (page == shown) {
            showTab(wb_, tab);
        }
    }
}

void MainWindow::cornerReliefToggled() {
    wb_.options.cornerRelief = cornerRelief->isChecked();
    foldingReliefCornersPicture->setVisible(cornerRelief->isChecked());
    foldingSquareCornersPicture->setVisible(!cornerRelief->isChecked());
}

void MainWindow::simpleCornerReliefToggled() {
    cornerRelief->setChecked(simpleCornerRelief->isChecked());
    simpleReliefCornersPicture->setVisible(simpleCornerRelief->isChecked());
    simpleSquareCornersPicture->setVisible(!simpleCornerRelief->isChecked());
}

void MainWindow::tabSlotReliefToggled() {
    wb_.options.tabSlotRelief = tabSlotRelief->isChecked();
    tabSlotReliefCornersPicture->setVisible(tabSlotRelief->isChecked());
    tabSlotSquareCornersPicture->setVisible(!tabSlotRelief->isChecked());
}

void MainWindow::supportJumperToggled() {
    wb_.options.supportJumper = supportJumper->isChecked();
    jumperPicture->setVisible(supportJumper->isChecked());
    noJumperPicture->setVisible(!supportJumper->isChecked());
}

// English at once: the tables' captions, then every word of the window.
void MainWindow::useEnglish() {
    setEnglishTables(wb_);
    reloadTables();
    setWindowLanguage(WindowLanguage::English);
}

// The tables turn Russian at once, with every value; the other captions stay English
// until the restart the message asks for.
void MainWindow::useRussian() {
    tables_.useRussian();
    reloadTables();
}

// The command is drawn, asked for and written on a worker (LongJobs), so that a spiral of
// millions of lines leaves the window answering and may be cancelled.
void MainWindow::perform(const TemplateCommand& command) {
    commitOpenEditors();
    livePreview_->follow(command);
    try {
        kerf_->apply();
        const auto sheet = sheet_->choice();
        const Job& job = sheet_->job();
        QString saved;
        jobs_->run([&](const WriteWatch& watch) {
            if (sheet) {
                const auto written = job.empty() ? performOnSheets(wb_, command, jobs_->dialog(), *sheet)
                                                 : performJobOnSheets(wb_, job, jobs_->dialog(), *sheet);
                if (written) {
                    saved = savedSheetsText(*written);
                }
            } else if (const auto written = performCommand(wb_, command, jobs_->dialog(), watch)) {
                saved = savedTemplateText(*written, wb_.drawing);
            }
        });
        if (!saved.isEmpty()) {
            statusLine_->showSaved(saved);
        }
    } catch (const JobCancelled&) {
        statusLine_->showSaved(menuWords(windowIsEnglish()).cancelled);
    } catch (const WriteStopped&) {
        statusLine_->showSaved(menuWords(windowIsEnglish()).cancelled);
    } catch (const std::exception& e) {
        showFailure(e);
    }
    showDocuments();
    if (closeAfterJob_) {
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

// The template the preview shows on the current tab, with the tables and switches as they
// are. It is drawn to be checked, on a worker: a box full of openings takes a while.
void MainWindow::addShownTemplateToJob() {
    commitOpenEditors();
    try {
        Job job = sheet_->job();
        const TemplateCommand& shown = livePreview_->shownTemplate();
        jobs_->run([&](const WriteWatch&) { addToJob(job, shown, wb_, jobs_->stopRequest()); });
        sheet_->setJob(std::move(job));
    } catch (const WorkStopped&) {
        statusLine_->showSaved(menuWords(windowIsEnglish()).cancelled);
    } catch (const std::exception& e) {
        showFailure(e);
    }
    if (closeAfterJob_) {
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

// The error box, and the cell that was not a number selected.
void MainWindow::showFailure(const std::exception& e) {
    if (const auto* badCell = dynamic_cast<const BadCellError*>(&e)) {
        livePreview_->pointAt(*badCell);
    }
    const std::string message = errorBoxText(e);
    statusLine_->showFailure(windowMessage(message));
    ports_.messages.showError(message);
}

// With a sheet the template has just been nested, before the dialog asks.
void MainWindow::showTemplateBeingSaved() {
    if (const auto sheet = sheet_->choice()) {
        preview_->showDrawing(std::make_shared<const Drawing>(sheetsSideBySide(wb_.sheetDrawings, sheet->size)), {},
                              wb_.sheetDrawings.size());
    } else {
        preview_->showDrawing(std::make_shared<const Drawing>(wb_.drawing));
    }
}

void MainWindow::saveCurrentTemplate(std::optional<FileType> type) {
    if (type) {
        previewingDialog_->presetType(*type);
    }
    perform(livePreview_->shownTemplate());
}

void MainWindow::saveSet() { perform(*findCommand(tabRule(livePreview_->shownTemplate().tab).wholeTemplate)); }

void MainWindow::revealCell(const ParamTableModel& model, int row, int column) {
    for (ParamTableView* view : findChildren<ParamTableView*>()) {
        if (view->model() != &model) {
            continue;
        }
        for (int page = 0; page < tabs->count(); ++page) {
            if (tabs->widget(page)->isAncestorOf(view) && tabs->currentIndex() != page) {
                tabs->setCurrentIndex(page);
                view->setFocus();
            }
        }
        view->setCurrentIndex(model.index(row, column));
        view->scrollTo(view->currentIndex());
    }
}

void MainWindow::showDocuments() {
    templateLabel->setText(text(wb_.templateLabel));
    epsModel_->reload();
    dxfModel_->reload();
}

}  // namespace tessaro::gui
