#include "gui/quarnel_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "app/commands.h"
#include "app/error_text.h"
#include "app/language.h"
#include "gui/line_list_model.h"
#include "gui/param_table_model.h"
#include "gui/param_table_view.h"
#include "gui/pictures.h"
#include "gui/preview_widget.h"
#include "gui/previewing_save_dialog.h"
#include "model/about.h"

namespace tessaro::gui {
namespace {

constexpr int kClientWidth = 1317;
constexpr int kClientHeight = 605;
constexpr int kRowHeight = 18;
constexpr int kGridFontPixels = 10;

// The check boxes whose captions wrap to a width: ExtAngle (126 x 33 on the form) and
// SimpChAgl, which would run into the screw-slot table.
int wrapWidth(const QWidget* control) {
    const QString name = control->objectName();
    return name == "ExtAngle" ? 126 : name == "SimpChAgl" ? 140 : 0;
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

// Where a control's English text is shown as a tooltip (the rest keep it as a hint only).
bool showsHint(const QWidget* control) {
    const QString name = control->objectName();
    return name != "GroupBox1" && !name.startsWith("TabSheet");
}

}  // namespace

TQuarnelForm::TQuarnelForm(FormPorts ports, QWidget* parent)
    : QWidget(parent), ports_(ports), wb_(ports.clock, ports.messages), tables_(wb_, ports.folders) {
    setObjectName("QuarnelForm");
    setWindowTitle(text(kProgramTitle) + "  " + text(kContactAddress));
    setFixedSize(kClientWidth, kClientHeight);
    // MS Sans Serif 8 pt where it exists; elsewhere a narrow sans serif of the same size,
    // so that the captions fit the controls' fixed sizes.
    QFont font;
    font.setFamilies({"MS Sans Serif", "DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);

    buildLeftColumn();
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(324, 1, 989, 600);
    buildFoldingTab();
    buildSimpleTab();
    buildTabSlotTab();
    buildSpiralTab();
    buildHiddenTab();
    buildBobbinTab();
    buildDxfTab();
    bindSwitches();

    FormCreate();
    connect(PageControl1, &QTabWidget::currentChanged, this, &TQuarnelForm::onTabShown);
    PageControl1->setCurrentWidget(TabSheet1);
    TabSheet1Show();
}

// QWidget closes the window and deletes the tables' views after the workbench, a member,
// is gone; an editor still open would then write into a table that no longer exists.
TQuarnelForm::~TQuarnelForm() { commitOpenEditors(); }

// Loads the saved tables from the working folder; an English main table switches the
// window to English. A file that cannot be loaded is reported; the others still load.
void TQuarnelForm::FormCreate() {
    try {
        tables_.load([this] { toEngClick(); });
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
    reloadTables();
}

// Saves the tables next to the program unless the Russian switch asked for a restart.
// A file that cannot be written is reported; the window closes all the same.
void TQuarnelForm::FormClose() {
    try {
        tables_.save();
    } catch (const std::exception& e) {
        ports_.messages.showError(errorBoxText(e));
    }
}

void TQuarnelForm::closeEvent(QCloseEvent* event) {
    commitOpenEditors();
    FormClose();
    event->accept();
}

QTableView* TQuarnelForm::addGrid(QWidget* parent, ParamTable& table, const char* name, QRect geometry,
                                  int captionWidth, int valueWidth) {
    auto* model = new ParamTableModel(table, this);
    tableModels_.push_back(model);
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

QCheckBox* TQuarnelForm::addCheckBox(QWidget* parent, const char* name, const char* caption, QPoint position,
                                     bool checked) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->move(position);
    box->setChecked(checked);
    setCaption(box, QString::fromUtf8(caption));
    return box;
}

QPushButton* TQuarnelForm::addButton(QWidget* parent, const char* name, const char* caption, QRect geometry,
                                     void (TQuarnelForm::*handler)()) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QLabel* TQuarnelForm::addPicture(QWidget* parent, const char* name, QPoint position) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    const QPixmap pixmap = picture(name);
    label->setPixmap(pixmap);
    label->setGeometry(QRect(position, pixmap.size()));
    return label;
}

QWidget* TQuarnelForm::addTab(const char* name, const char* caption) {
    auto* page = new QWidget;
    page->setObjectName(name);
    const int index = PageControl1->addTab(page, QString::fromUtf8(caption));
    if (name == std::string_view("TabSheet2") || name == std::string_view("TabSheet5")) {
        PageControl1->setTabToolTip(index, text(englishTextOf(name)));
    }
    return page;
}

// Sets a control's caption the way its kind shows one. The wrapped check box breaks
// its caption into lines that fit its width.
void TQuarnelForm::setCaption(QWidget* control, const QString& caption) {
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
    } else if (const int tab = PageControl1->indexOf(control); tab >= 0) {
        PageControl1->setTabText(tab, caption);
    }
}

void TQuarnelForm::buildLeftColumn() {
    auto* label = new QLabel("Language", this);
    label->setObjectName("Label1");
    label->move(8, 8);
    addButton(this, "toEng", "English", {63, 0, 57, 25}, &TQuarnelForm::toEngClick);
    addButton(this, "toRus", "Russian", {122, 0, 57, 25}, &TQuarnelForm::toRusClick);
    auto* grid = addGrid(this, wb_.ParamGrid, "ParamGrid", {8, 29, 314, 199}, 255, 53);
    static_cast<ParamTableModel*>(grid->model())->setBlueCaptionRows({2, 3, 4});
    grid->verticalHeader()->resizeSection(9, 21);
    preview_ = new PreviewWidget(this);
    preview_->setObjectName("Preview");
    preview_->setGeometry(8, 235, 314, 362);
    previewingDialog_ = std::make_unique<PreviewingSaveDialog>(ports_.saveDialog,
                                                               [this] { preview_->showDocument(wb_.OUTeps); });
}

// The panel buttons are laid out as the unfolded box: lid, rear, bottom between the
// sides, front; the picture of the box stands beside them.
void TQuarnelForm::buildFoldingTab() {
    TabSheet1 = addTab("TabSheet1", "Разборный корпус");
    auto* panel = new QFrame(TabSheet1);
    panel->setObjectName("Panel1");
    panel->setToolTip("demountable box");
    panel->setGeometry(0, 0, 600, 215);
    panel->lower();

    addButton(TabSheet1, "CreateTop", "Крышка", {310, 34, 70, 45}, &TQuarnelForm::CreateTopClick);
    addButton(TabSheet1, "Button2", "Тыл", {310, 81, 70, 36}, &TQuarnelForm::CreateFasadClick);
    addButton(TabSheet1, "CreateDown", "Дно", {311, 121, 70, 36}, &TQuarnelForm::CreateDownClick);
    addButton(TabSheet1, "Button1", "Боковина", {240, 121, 70, 36}, &TQuarnelForm::CreateSideClick);
    addButton(TabSheet1, "CreateSide", "Боковина", {382, 121, 70, 36}, &TQuarnelForm::CreateSideClick);
    addButton(TabSheet1, "CreateFasad", "Фасад", {310, 160, 70, 49}, &TQuarnelForm::CreateFasadClick);
    addButton(TabSheet1, "FullCase", "Все элементы", {470, 111, 93, 54}, &TQuarnelForm::FullCaseClick);

    const Options& o = wb_.options;
    CAngle = addCheckBox(TabSheet1, "CAngle", "Скругление углов крышки", {403, 46}, o.CAngle);
    CheckBoxOneZub = addCheckBox(TabSheet1, "CheckBoxOneZub", "Один зуб опоры дна", {174, 214}, o.CheckBoxOneZub);
    ShortOpora = addCheckBox(TabSheet1, "ShortOpora", "Перемычка опоры дна", {4, 230}, o.ShortOpora);
    ExtAngle = addCheckBox(TabSheet1, "ExtAngle", "Прорезать прямые внутренние углы", {175, 242}, o.ExtAngle);

    PinSel = new QGroupBox("Ножки на боковине", TabSheet1);
    PinSel->setObjectName("PinSel");
    PinSel->setGeometry(363, 252, 220, 41);
    auto* row = new QHBoxLayout(PinSel);
    row->setContentsMargins(6, 0, 6, 0);
    row->setDirection(QBoxLayout::RightToLeft);
    pinSelButtons_ = new QButtonGroup(this);
    for (int item = 0; item < 3; ++item) {
        auto* radio = new QRadioButton(feetText(static_cast<Feet>(item)), PinSel);
        radio->setObjectName(QString("PinSel%1").arg(item));
        pinSelButtons_->addButton(radio, item);
        row->addWidget(radio);
    }
    pinSelButtons_->button(static_cast<int>(o.PinSel))->setChecked(true);

    addPicture(TabSheet1, "Image1", {600, 4});
    Image11 = addPicture(TabSheet1, "Image11", {175, 290});
    Image3 = addPicture(TabSheet1, "Image3", {175, 290});
    Image9 = addPicture(TabSheet1, "Image9", {4, 256});
    Image10 = addPicture(TabSheet1, "Image10", {4, 256});
    addPicture(TabSheet1, "Image7", {363, 300});
}

void TQuarnelForm::buildSimpleTab() {
    TabSheet2 = addTab("TabSheet2", "Простой корпус");
    addButton(TabSheet2, "SimpTop", "Крышка", {314, 35, 70, 45}, &TQuarnelForm::CreateTopClick);
    addButton(TabSheet2, "SimpBack", "Тыл", {314, 82, 70, 36}, &TQuarnelForm::CreateFasadClick);
    addButton(TabSheet2, "SimpDown", "Дно", {315, 122, 70, 36}, &TQuarnelForm::CreateTopClick);
    addButton(TabSheet2, "SimpSide", "Боковина", {244, 122, 70, 36}, &TQuarnelForm::Button6Click);
    addButton(TabSheet2, "SimpSide2", "Боковина", {386, 122, 70, 36}, &TQuarnelForm::Button6Click);
    addButton(TabSheet2, "SimpFront", "Фасад", {314, 161, 70, 49}, &TQuarnelForm::CreateFasadClick);
    addButton(TabSheet2, "AllSimp", "Все элементы", {475, 113, 89, 54}, &TQuarnelForm::AllSimpClick);

    SimpCAngl = addCheckBox(TabSheet2, "SimpCAngl", "Скругление углов крышки", {405, 48}, true);
    SimpChAgl = addCheckBox(TabSheet2, "SimpChAgl", "Прорезать прямые внутренние углы", {62, 242}, false);
    ScrewCheck = addCheckBox(TabSheet2, "ScrewCheck", "пазы под винты", {352, 224}, wb_.options.ScrewCheck);
    addGrid(TabSheet2, wb_.GridScrewL, "GridScrewL", {206, 245, 204, 118}, 146, 52);

    addPicture(TabSheet2, "Image5", {600, 4});
    Image6 = addPicture(TabSheet2, "Image6", {62, 300});
    Image12 = addPicture(TabSheet2, "Image12", {62, 300});
    addPicture(TabSheet2, "Image14", {416, 245});
}

void TQuarnelForm::buildTabSlotTab() {
    TabSheet4 = addTab("TabSheet4", "Зуб-Паз");
    auto* panel = new QFrame(TabSheet4);
    panel->setObjectName("Panel2");
    panel->setToolTip("Tab-slot");
    panel->setGeometry(0, 0, 590, 180);
    addPicture(panel, "Image2", {4, 30});
    addGrid(panel, wb_.ZubPazGrid, "ZubPazGrid", {308, 2, 273, 144}, 214, 53);
    addButton(panel, "ZubPaz", "Создать шаблон Зуб - паз", {309, 146, 164, 25}, &TQuarnelForm::ZubPazClick);
    ExtAngle2 = addCheckBox(TabSheet4, "ExtAngle2", "Прорезать прямые внутренние углы", {35, 192},
                            wb_.options.ExtAngle2);
    Image4 = addPicture(TabSheet4, "Image4", {35, 218});
    Image13 = addPicture(TabSheet4, "Image13", {35, 218});
}

void TQuarnelForm::buildSpiralTab() {
    TabSheet5 = addTab("TabSheet5", "Спираль Архимеда");
    auto* group = new QGroupBox("Спираль Архимеда", TabSheet5);
    group->setObjectName("GroupBox1");
    group->setGeometry(8, 8, 600, 125);
    addButton(group, "Arhimed", "Построить спираль", {16, 24, 169, 73}, &TQuarnelForm::ArhimedClick);
    addGrid(group, wb_.ArhimedGrid, "ArhimedGrid", {216, 10, 362, 99}, 300, 55);
    addPicture(TabSheet5, "Image8", {8, 140});
}

void TQuarnelForm::buildHiddenTab() {
    TabSheet6 = addTab("TabSheet6", "Выходной шаблон eps");
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet6), false);
    epsModel_ = new LineListModel(wb_.OUTeps, this);
    OUTeps = addDocumentView(TabSheet6, epsModel_, "OUTeps");
    tShablon = new QLabel(text(wb_.tShablon), TabSheet6);
    tShablon->setObjectName("tShablon");
    static_cast<QVBoxLayout*>(TabSheet6->layout())->insertWidget(0, tShablon);
}

void TQuarnelForm::buildBobbinTab() {
    TabSheet7 = addTab("TabSheet7", "Трансформатор");
    addPicture(TabSheet7, "Image15", {8, 8});
    addGrid(TabSheet7, wb_.TransGrid, "TransGrid", {12, 282, 273, 138}, 214, 53);
    addButton(TabSheet7, "FullTrans", "Создать каркас", {290, 280, 119, 25}, &TQuarnelForm::FullTransClick);
}

void TQuarnelForm::buildDxfTab() {
    TabSheet3 = addTab("TabSheet3", "dxf");
    dxfModel_ = new LineListModel(wb_.MemoDXF, this);
    MemoDXF = addDocumentView(TabSheet3, dxfModel_, "MemoDXF");
}

void TQuarnelForm::bindSwitches() {
    Options& o = wb_.options;
    connect(ExtAngle, &QCheckBox::toggled, this, &TQuarnelForm::ExtAngleClick);
    connect(SimpChAgl, &QCheckBox::toggled, this, &TQuarnelForm::SimpChAglClick);
    connect(ExtAngle2, &QCheckBox::toggled, this, &TQuarnelForm::ExtAngle2Click);
    connect(ShortOpora, &QCheckBox::toggled, this, &TQuarnelForm::ShortOporaClick);
    connect(CAngle, &QCheckBox::toggled, this, [&o](bool on) { o.CAngle = on; });
    connect(CheckBoxOneZub, &QCheckBox::toggled, this, [&o](bool on) { o.CheckBoxOneZub = on; });
    connect(ScrewCheck, &QCheckBox::toggled, this, [&o](bool on) { o.ScrewCheck = on; });
    connect(pinSelButtons_, &QButtonGroup::idToggled, this, [&o](int id, bool on) {
        if (on) {
            o.PinSel = static_cast<Feet>(id);
        }
    });

    // The English texts are the hints; tooltips where the control shows them.
    for (const EnglishText& entry : englishControlTexts()) {
        auto* control = findChild<QWidget*>(text(entry.control));
        if (control && showsHint(control)) {
            control->setToolTip(text(entry.text));
        }
    }
    // The pictures start as the switch defaults say.
    ExtAngleClick();
    SimpChAglClick();
    ExtAngle2Click();
    ShortOporaClick();
}

void TQuarnelForm::commitOpenEditors() {
    for (ParamTableView* view : findChildren<ParamTableView*>()) {
        view->commitOpenEditor();
    }
}

void TQuarnelForm::reloadTables() {
    for (ParamTableModel* model : tableModels_) {
        model->reload();
    }
}

void TQuarnelForm::onTabShown(int index) {
    QWidget* shown = PageControl1->widget(index);
    if (shown == TabSheet1) {
        TabSheet1Show();
    } else if (shown == TabSheet2) {
        TabSheet2Show();
    } else if (shown == TabSheet4) {
        TabSheet4Show();
    } else if (shown == TabSheet5) {
        TabSheet5Show();
    }
}

void TQuarnelForm::ExtAngleClick() {
    wb_.options.ExtAngle = ExtAngle->isChecked();
    Image3->setVisible(ExtAngle->isChecked());
    Image11->setVisible(!ExtAngle->isChecked());
}

void TQuarnelForm::SimpChAglClick() {
    ExtAngle->setChecked(SimpChAgl->isChecked());
    Image12->setVisible(SimpChAgl->isChecked());
    Image6->setVisible(!SimpChAgl->isChecked());
}

void TQuarnelForm::ExtAngle2Click() {
    wb_.options.ExtAngle2 = ExtAngle2->isChecked();
    Image13->setVisible(ExtAngle2->isChecked());
    Image4->setVisible(!ExtAngle2->isChecked());
}

void TQuarnelForm::ShortOporaClick() {
    wb_.options.ShortOpora = ShortOpora->isChecked();
    Image9->setVisible(ShortOpora->isChecked());
    Image10->setVisible(!ShortOpora->isChecked());
}

void TQuarnelForm::TabSheet1Show() { wb_.CloseLastOutline = true; }

void TQuarnelForm::TabSheet2Show() {
    SimpChAgl->setChecked(ExtAngle->isChecked());
    wb_.CloseLastOutline = true;
}

void TQuarnelForm::TabSheet4Show() { wb_.CloseLastOutline = false; }

void TQuarnelForm::TabSheet5Show() { wb_.CloseLastOutline = false; }

// English at once: the tables' captions, then each translatable control's hint
// becomes its caption.
void TQuarnelForm::toEngClick() {
    setEnglishTables(wb_);
    reloadTables();
    for (const EnglishText& entry : englishControlTexts()) {
        if (auto* control = findChild<QWidget*>(text(entry.control))) {
            setCaption(control, text(entry.text));
        }
    }
}

// Russian needs a restart: the saved English tables are deleted and not written again.
void TQuarnelForm::toRusClick() { tables_.forgetAndAskForRestart(); }

void TQuarnelForm::CreateFasadClick() { perform("facade"); }
void TQuarnelForm::CreateDownClick() { perform("bottom"); }
void TQuarnelForm::CreateSideClick() { perform("side"); }
void TQuarnelForm::CreateTopClick() { perform("top"); }
void TQuarnelForm::FullCaseClick() { perform("full"); }
void TQuarnelForm::Button6Click() { perform("simple-side"); }
void TQuarnelForm::AllSimpClick() { perform("simple-full"); }
void TQuarnelForm::ZubPazClick() { perform("tab-slot"); }
void TQuarnelForm::ArhimedClick() { perform("spiral"); }
void TQuarnelForm::FullTransClick() { perform("bobbin"); }

void TQuarnelForm::perform(std::string_view name) {
    commitOpenEditors();
    try {
        const TemplateCommand* command = findCommand(name);
        if (command == nullptr) {
            throw std::logic_error("There is no template \"" + std::string(name) + "\"");
        }
        performCommand(wb_, *command, *previewingDialog_);
    } catch (const std::exception& e) {
        preview_->showDocument(wb_.OUTeps);
        ports_.messages.showError(errorBoxText(e));
    }
    showDocuments();
}

void TQuarnelForm::showDocuments() {
    tShablon->setText(text(wb_.tShablon));
    epsModel_->reload();
    dxfModel_->reload();
}

}  // namespace tessaro::gui
