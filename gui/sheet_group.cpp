#include "gui/sheet_group.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/window_messages.h"
#include "model/number_parse.h"
#include "output/number_text.h"

namespace tessaro::gui {
namespace {

// A large hobby laser's bed; the user sets their own.
constexpr const char* kStartWidth = "600";
constexpr const char* kStartHeight = "400";
// The nesting's own bounds on a side and on the gap.
constexpr double kLargestSide = 10000;
constexpr double kLargestGap = 100;
// The colour of a marked table cell.
constexpr const char* kMarkedStyle = "QLineEdit { background: rgb(255, 190, 190); }";

// Narrow fields, so that the numbers and the gap's "auto" fit the preview's width.
QLineEdit* addField(QHBoxLayout& row, const char* name, const char* text) {
    auto* field = new QLineEdit(text);
    field->setObjectName(name);
    row.addWidget(field, 1);
    return field;
}

}  // namespace

SheetGroup::SheetGroup(QWidget* parent) : QGroupBox(parent) {
    setObjectName("sheet");
    setCheckable(true);
    setChecked(false);
    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(6, 0, 6, 2);
    rows->setSpacing(1);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    row->setSpacing(3);
    width_ = addField(*row, "sheetWidth", kStartWidth);
    row->addWidget(new QLabel("×"));
    height_ = addField(*row, "sheetHeight", kStartHeight);
    units_ = new QLabel;
    units_->setObjectName("sheetUnits");
    row->addWidget(units_);
    gap_ = addField(*row, "sheetGap", "");
    for (QLineEdit* field : {width_, height_, gap_}) {
        connect(field, &QLineEdit::textChanged, this, [this, field] {
            mark(field);
            emit edited();
        });
    }
    // The turning shares the job's row, so that the group leaves the preview its height.
    auto* jobRow = new QHBoxLayout;
    rows->addLayout(jobRow);
    jobRow->setSpacing(3);
    noRotation_ = new QCheckBox;
    noRotation_->setObjectName("sheetNoRotation");
    connect(noRotation_, &QCheckBox::toggled, this, &SheetGroup::edited);
    jobRow->addWidget(noRotation_);
    addToJob_ = new QPushButton;
    addToJob_->setObjectName("addToJob");
    jobRow->addWidget(addToJob_);
    jobList_ = new QLabel;
    jobList_->setObjectName("jobList");
    // A long list is cut at the group's edge rather than widening it.
    jobList_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    jobRow->addWidget(jobList_, 1);
    clearJob_ = new QPushButton("×");
    clearJob_->setObjectName("clearJob");
    clearJob_->setFixedWidth(22);
    jobRow->addWidget(clearJob_);
    connect(addToJob_, &QPushButton::clicked, this, &SheetGroup::addToJobClicked);
    connect(clearJob_, &QPushButton::clicked, this, &SheetGroup::clearJob);
    retranslate();
}

void SheetGroup::retranslate() {
    setTitle(tr("Sheet"));
    setToolTip(tr("Nest the parts onto sheets of this size, one file per sheet"));
    units_->setText(tr("mm, gap"));
    gap_->setPlaceholderText(tr("auto"));
    for (QLineEdit* field : {width_, height_, gap_}) {
        mark(field);
    }
    noRotation_->setText(tr("No rotation"));
    noRotation_->setToolTip(tr("Never turn a part: the wood's grain, or a laser's kerf that differs along X and Y"));
    addToJob_->setText(tr("Add to job"));
    addToJob_->setToolTip(
        tr("Add the current template, with its tables and switches, to the job: while the job holds a "
           "template, a button saves the job's templates nested together on the sheets"));
    clearJob_->setToolTip(tr("Clear the job: a button saves its own template again"));
    showJob();
}

void SheetGroup::setJob(Job job) {
    job_ = std::move(job);
    showJob();
}

void SheetGroup::clearJob() {
    job_.clear();
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
    jobList_->setText(verbs.isEmpty() ? tr("empty") : verbs.join(", "));
    jobList_->setToolTip(names.isEmpty() ? tr("The job holds no template") : names.join("\n"));
}

void SheetGroup::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QGroupBox::changeEvent(event);
}

SheetGroup::Reading SheetGroup::read(const QLineEdit* field) const {
    const std::string text = field->text().toStdString();
    const bool gap = field == gap_;
    if (gap && field->text().trimmed().isEmpty()) {
        return {};
    }
    const QString name = field == width_ ? tr("Sheet width") : field == height_ ? tr("Sheet height") : tr("Gap");
    try {
        const double value = parseReal(text);
        if (gap ? (value >= 0 && value <= kLargestGap) : (value > 0 && value <= kLargestSide)) {
            return {value, {}};
        }
        const QString largest = QString::fromStdString(fixedText(gap ? kLargestGap : kLargestSide, 0));
        return {std::nullopt,
                gap ? tr("%1: %2 mm is not from 0 to %3 mm").arg(name, field->text(), largest)
                    : tr("%1: %2 mm must be more than 0 and at most %3 mm").arg(name, field->text(), largest)};
    } catch (const ConversionError& e) {
        return {std::nullopt, tr("%1: %2").arg(name, windowMessage(e.what()))};
    }
}

void SheetGroup::mark(QLineEdit* field) {
    const Reading reading = read(field);
    const bool bad = !reading.problem.isEmpty();
    field->setStyleSheet(bad ? kMarkedStyle : "");
    field->setToolTip(bad                ? reading.problem
                      : field == width_  ? tr("Sheet width, mm")
                      : field == height_ ? tr("Sheet height, mm")
                                         : tr("Gap between parts and from the sheet's edge, mm; empty: "
                                              "twice the cutter diameter, at least 2"));
}

std::optional<SheetChoice> SheetGroup::choice() const {
    if (!isChecked()) {
        return std::nullopt;
    }
    const Reading width = read(width_);
    const Reading height = read(height_);
    const Reading gap = read(gap_);
    for (const Reading* field : {&width, &height, &gap}) {
        if (!field->problem.isEmpty()) {
            throw SheetFieldError(field->problem.toStdString());
        }
    }
    return SheetChoice{
        {*width.value, *height.value}, gap.value, noRotation_->isChecked() ? Turning::None : Turning::QuarterTurns};
}

std::optional<DesignSheet> SheetGroup::typedSheet() const {
    if (!choice()) {
        return std::nullopt;
    }
    return DesignSheet{(width_->text() + "x" + height_->text()).toStdString(), gap_->text().trimmed().toStdString(),
                       noRotation_->isChecked()};
}

// A size is parted where the command line parts it.
void SheetGroup::showSheet(const std::optional<DesignSheet>& sheet) {
    setChecked(sheet.has_value());
    const QString size = sheet ? QString::fromStdString(sheet->size) : QString();
    const qsizetype by = size.indexOf(QLatin1Char('x'), 0, Qt::CaseInsensitive);
    width_->setText(sheet ? size.left(by) : kStartWidth);
    height_->setText(sheet ? size.mid(by + 1) : kStartHeight);
    gap_->setText(sheet ? QString::fromStdString(sheet->gap) : QString());
    noRotation_->setChecked(sheet && sheet->noRotation);
}

}  // namespace tessaro::gui
