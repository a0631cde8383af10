#include "gui/quarnel_form.h"

#include <QButtonGroup>
#include <QCheckBox>
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

#include "app/commands.h"
#include "app/error_text.h"
#include "gui/line_list_model.h"
#include "gui/param_table_model.h"
#include "gui/preview_widget.h"
#include "gui/previewing_save_dialog.h"
#include "model/about.h"

namespace tessaro::gui {
namespace {

constexpr int kClientWidth = 1317;
constexpr int kClientHeight = 605;
constexpr int kRowHeight = 18;

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

QPushButton* addButton(QWidget* parent, const char* name, const char* caption, QRect geometry) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TQuarnelForm::TQuarnelForm(FormPorts ports, QWidget* parent)
    : QWidget(parent), ports_(ports), wb_(ports.clock, ports.messages) {
    setObjectName("QuarnelForm");
    setWindowTitle(text(kProgramTitle) + "  " + text(kContactAddress));
    setFixedSize(kClientWidth, kClientHeight);

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

    connect(PageControl1, &QTabWidget::currentChanged, this, &TQuarnelForm::onTabShown);
    PageControl1->setCurrentWidget(TabSheet1);
    TabSheet1Show();
}

TQuarnelForm::~TQuarnelForm() = default;

QTableView* TQuarnelForm::addGrid(QWidget* parent, ParamTable& table, const char* name, QRect geometry,
                                  int captionWidth, int valueWidth) {
    auto* model = new ParamTableModel(table, this);
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(model);
    view->setGeometry(geometry);
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->verticalHeader()->setMinimumSectionSize(kRowHeight);
    view->verticalHeader()->setDefaultSectionSize(kRowHeight);
    view->setColumnWidth(0, captionWidth);
    view->setColumnWidth(1, valueWidth);
    view->setEditTriggers(QAbstractItemView::AllEditTriggers);
    return view;
}

QCheckBox* TQuarnelForm::addCheckBox(QWidget* parent, const char* name, const char* caption, QPoint position,
                                     bool checked) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(name);
    box->move(position);
    box->adjustSize();
    box->setChecked(checked);
    return box;
}

void TQuarnelForm::buildLeftColumn() {
    auto* grid = addGrid(this, wb_.ParamGrid, "ParamGrid", {8, 29, 314, 199}, 255, 53);
    static_cast<ParamTableModel*>(grid->model())->setBlueCaptionRows({2, 3, 4});
    preview_ = new PreviewWidget(this);
    preview_->setObjectName("Preview");
    preview_->setGeometry(8, 235, 314, 362);
    previewingDialog_ = std::make_unique<PreviewingSaveDialog>(ports_.saveDialog,
                                                               [this] { preview_->showDocument(wb_.OUTeps); });
}

void TQuarnelForm::buildFoldingTab() {
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    PageControl1->addTab(TabSheet1, "Разборный корпус");
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
}

void TQuarnelForm::buildSimpleTab() {
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    PageControl1->addTab(TabSheet2, "Простой корпус");
    SimpCAngl = addCheckBox(TabSheet2, "SimpCAngl", "Скругление углов крышки", {405, 48}, true);
    SimpChAgl = addCheckBox(TabSheet2, "SimpChAgl", "Прорезать прямые внутренние углы", {62, 242}, false);
    ScrewCheck = addCheckBox(TabSheet2, "ScrewCheck", "пазы под винты", {352, 224}, wb_.options.ScrewCheck);
    addGrid(TabSheet2, wb_.GridScrewL, "GridScrewL", {206, 245, 204, 118}, 146, 52);
}

void TQuarnelForm::buildTabSlotTab() {
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName("TabSheet4");
    PageControl1->addTab(TabSheet4, "Зуб-Паз");
    addGrid(TabSheet4, wb_.ZubPazGrid, "ZubPazGrid", {308, 2, 273, 144}, 214, 53);
    ExtAngle2 = addCheckBox(TabSheet4, "ExtAngle2", "Прорезать прямые внутренние углы", {35, 192},
                            wb_.options.ExtAngle2);
}

void TQuarnelForm::buildSpiralTab() {
    TabSheet5 = new QWidget;
    TabSheet5->setObjectName("TabSheet5");
    PageControl1->addTab(TabSheet5, "Спираль Архимеда");
    auto* group = new QGroupBox("Спираль Архимеда", TabSheet5);
    group->setObjectName("GroupBox1");
    group->setGeometry(8, 8, 600, 125);
    Arhimed = addButton(group, "Arhimed", "Построить спираль", {16, 24, 169, 73});
    connect(Arhimed, &QPushButton::clicked, this, &TQuarnelForm::ArhimedClick);
    addGrid(group, wb_.ArhimedGrid, "ArhimedGrid", {216, 10, 362, 99}, 300, 55);
}

void TQuarnelForm::buildHiddenTab() {
    TabSheet6 = new QWidget;
    TabSheet6->setObjectName("TabSheet6");
    const int index = PageControl1->addTab(TabSheet6, "Выходной шаблон eps");
    PageControl1->setTabVisible(index, false);
    epsModel_ = new LineListModel(wb_.OUTeps, this);
    OUTeps = addDocumentView(TabSheet6, epsModel_, "OUTeps");
    tShablon = new QLabel(text(wb_.tShablon), TabSheet6);
    tShablon->setObjectName("tShablon");
    static_cast<QVBoxLayout*>(TabSheet6->layout())->insertWidget(0, tShablon);
}

void TQuarnelForm::buildBobbinTab() {
    TabSheet7 = new QWidget;
    TabSheet7->setObjectName("TabSheet7");
    PageControl1->addTab(TabSheet7, "Трансформатор");
    addGrid(TabSheet7, wb_.TransGrid, "TransGrid", {12, 282, 273, 138}, 214, 53);
}

void TQuarnelForm::buildDxfTab() {
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName("TabSheet3");
    PageControl1->addTab(TabSheet3, "dxf");
    dxfModel_ = new LineListModel(wb_.MemoDXF, this);
    MemoDXF = addDocumentView(TabSheet3, dxfModel_, "MemoDXF");
}

void TQuarnelForm::bindSwitches() {
    Options& o = wb_.options;
    connect(ExtAngle, &QCheckBox::toggled, this, [&o](bool on) { o.ExtAngle = on; });
    connect(CAngle, &QCheckBox::toggled, this, [&o](bool on) { o.CAngle = on; });
    connect(ShortOpora, &QCheckBox::toggled, this, [&o](bool on) { o.ShortOpora = on; });
    connect(CheckBoxOneZub, &QCheckBox::toggled, this, [&o](bool on) { o.CheckBoxOneZub = on; });
    connect(ScrewCheck, &QCheckBox::toggled, this, [&o](bool on) { o.ScrewCheck = on; });
    connect(ExtAngle2, &QCheckBox::toggled, this, [&o](bool on) { o.ExtAngle2 = on; });
    connect(SimpChAgl, &QCheckBox::toggled, this, &TQuarnelForm::SimpChAglClick);
    connect(pinSelButtons_, &QButtonGroup::idClicked, this, [&o](int id) { o.PinSel = static_cast<Feet>(id); });
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

void TQuarnelForm::SimpChAglClick() { ExtAngle->setChecked(SimpChAgl->isChecked()); }

void TQuarnelForm::TabSheet1Show() { wb_.CloseLastOutline = true; }

void TQuarnelForm::TabSheet2Show() {
    SimpChAgl->setChecked(ExtAngle->isChecked());
    wb_.CloseLastOutline = true;
}

void TQuarnelForm::TabSheet4Show() { wb_.CloseLastOutline = false; }

void TQuarnelForm::TabSheet5Show() { wb_.CloseLastOutline = false; }

void TQuarnelForm::ArhimedClick() { perform("spiral"); }

void TQuarnelForm::perform(std::string_view command) {
    try {
        performCommand(wb_, *findCommand(command), *previewingDialog_);
    } catch (const std::exception& e) {
        preview_->showDocument(wb_.OUTeps);
        ports_.messages.showError(errorBoxText(e.what()));
    }
    showDocuments();
}

void TQuarnelForm::showDocuments() {
    tShablon->setText(text(wb_.tShablon));
    epsModel_->reload();
    dxfModel_->reload();
}

}  // namespace tessaro::gui
