#include "gui/sheet_group.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro::gui {
namespace {

// A large hobby laser's bed; the user sets their own.
constexpr double kStartWidth = 600;
constexpr double kStartHeight = 400;
// The nesting's own bounds on a side and on the gap.
constexpr double kLargestSide = 10000;
constexpr double kLargestGap = 100;

// Without arrows the numbers and the gap's "авто / auto" fit the preview's width.
QDoubleSpinBox* addMillimetres(QHBoxLayout& row, const char* name, const char* hint, double least, double largest,
                               double value) {
    auto* box = new QDoubleSpinBox;
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setObjectName(name);
    box->setToolTip(hint);
    box->setRange(least, largest);
    box->setDecimals(1);
    box->setValue(value);
    row.addWidget(box, 1);
    return box;
}

}  // namespace

SheetGroup::SheetGroup(QWidget* parent) : QGroupBox("Лист / Sheet", parent) {
    setObjectName("sheet");
    setToolTip("Nest the parts onto sheets of this size, one file per sheet");
    setCheckable(true);
    setChecked(false);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 0, 6, 2);
    rows->setSpacing(1);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->setSpacing(3);
    width_ = addMillimetres(*row, "sheetWidth", "Sheet width, mm", 1, kLargestSide, kStartWidth);
    row->addWidget(new QLabel("×"));
    height_ = addMillimetres(*row, "sheetHeight", "Sheet height, mm", 1, kLargestSide, kStartHeight);
    row->addWidget(new QLabel("мм,  зазор / gap"));
    gap_ =
        addMillimetres(*row, "sheetGap",
                       "Gap between parts and from the sheet's edge, mm; auto: twice the cutter diameter, at least 2",
                       0, kLargestGap, 0);
    gap_->setSpecialValueText("авто / auto");
    noRotation_ = new QCheckBox("Не поворачивать / No rotation");
    noRotation_->setObjectName("sheetNoRotation");
    noRotation_->setToolTip("Never turn a part: the wood's grain, or a laser's kerf that differs along X and Y");
    rows->addWidget(noRotation_);

    auto* jobRow = new QHBoxLayout;
    rows->addLayout(jobRow);
    jobRow->setSpacing(3);
    auto* add = new QPushButton("Добавить в задание / Add to job");
    add->setObjectName("addToJob");
    add->setToolTip(
        "Add the current template, with its tables and switches, to the job: while the job holds a "
        "template, a button saves the job's templates nested together on the sheets");
    jobRow->addWidget(add);
    jobList_ = new QLabel;
    jobList_->setObjectName("jobList");
    // A long list is cut at the group's edge rather than widening it.
    jobList_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    jobRow->addWidget(jobList_, 1);
    auto* clear = new QPushButton("×");
    clear->setObjectName("clearJob");
    clear->setToolTip("Clear the job: a button saves its own template again");
    clear->setFixedWidth(22);
    jobRow->addWidget(clear);
    connect(add, &QPushButton::clicked, this, &SheetGroup::addToJobClicked);
    connect(clear, &QPushButton::clicked, this, [this] {
        job_.clear();
        showJob();
    });
    showJob();
}

void SheetGroup::addToJob(const TemplateCommand& command, const Workbench& wb) {
    tessaro::addToJob(job_, command, wb);
    showJob();
}

// The job's verbs; the tooltip names every template's file, for a list longer than the group.
void SheetGroup::showJob() {
    QStringList verbs;
    QStringList names;
    for (const JobTemplate& item : job_) {
        verbs << QString::fromUtf8(item.command().name.data(), static_cast<qsizetype>(item.command().name.size()));
        names << QString::fromStdString(item.command().proposedName(item.tables()));
    }
    const QString list = verbs.isEmpty() ? QString("пусто / empty") : verbs.join(", ");
    jobList_->setText(list);
    jobList_->setToolTip(names.isEmpty() ? QString("The job holds no template") : names.join("\n"));
}

std::optional<SheetChoice> SheetGroup::choice() const {
    if (!isChecked()) {
        return std::nullopt;
    }
    const double gap = gap_->value();
    return SheetChoice{{width_->value(), height_->value()},
                       gap == gap_->minimum() ? std::nullopt : std::optional(gap),
                       noRotation_->isChecked() ? Turning::None : Turning::QuarterTurns};
}

}  // namespace tessaro::gui
