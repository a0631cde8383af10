#pragma once

#include <QGroupBox>
#include <optional>
#include <stdexcept>

#include "app/design.h"
#include "app/job.h"
#include "app/sheets.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessaro::gui {

// A sheet field that holds no usable number: the message names the field.
class SheetFieldError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The "Sheet" group: when checked, every template is nested onto sheets of the width and
// height set, one file per sheet. The fields take numbers by the tables' rule, whatever
// the locale, and a field that holds none is marked as a table's cell is. An empty gap is
// automatic: twice the cutter diameter, at least 2 mm, as the command line's default.
// "No rotation" keeps every part as drawn, as --no-rotation does.
//
// Its job lists the templates added to it, each with the tables and switches it had;
// while the job holds one, a button saves the job's templates nested together.
class SheetGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit SheetGroup(QWidget* parent);

    // The sheet chosen; none when the group is off.
    // Failure: SheetFieldError for the first field that holds no usable number.
    [[nodiscard]] std::optional<SheetChoice> choice() const;
    // The sheet as typed, for a design: none when the group is off.
    // Failure: as choice().
    [[nodiscard]] std::optional<DesignSheet> typedSheet() const;
    // Shows a design's sheet; none turns the group off with the fields as they start.
    void showSheet(const std::optional<DesignSheet>& sheet);
    // Sets the captions, hints and marks in the window's language.
    void retranslate();

    [[nodiscard]] const Job& job() const { return job_; }
    void clearJob();
    // The job with what was added to it (addToJob of app/job.h), listed.
    void setJob(Job job);

signals:
    // A field's text changed.
    void edited();
    // "Add to job" was pressed: the window adds its current template.
    void addToJobClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    // The field's number, or why it is none; the gap's is none when left empty.
    struct Reading {
        std::optional<double> value;
        QString problem;
    };
    [[nodiscard]] Reading read(const QLineEdit* field) const;
    void mark(QLineEdit* field);
    void showJob();

    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QLineEdit* gap_ = nullptr;
    QLabel* units_ = nullptr;
    QPushButton* addToJob_ = nullptr;
    QPushButton* clearJob_ = nullptr;
    QCheckBox* noRotation_ = nullptr;
    QLabel* jobList_ = nullptr;
    Job job_;
};

}  // namespace tessaro::gui
