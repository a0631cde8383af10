#pragma once

#include <QGroupBox>
#include <optional>

#include "app/job.h"
#include "app/sheets.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;

namespace tessaro::gui {

// The "Лист / Sheet" group: when checked, every template is nested onto sheets of the
// width and height set, one file per sheet. The gap shows "авто / auto" at 0: twice the
// cutter diameter, at least 2 mm, as the command line's default. "Не поворачивать / No
// rotation" keeps every part as drawn, as --no-rotation does.
//
// Its job lists the templates added to it, each with the tables and switches it had;
// while the job holds one, a button saves the job's templates nested together.
class SheetGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit SheetGroup(QWidget* parent);

    // The sheet chosen; none when the group is off.
    [[nodiscard]] std::optional<SheetChoice> choice() const;

    [[nodiscard]] const Job& job() const { return job_; }
    // Adds the template with the workbench's tables and switches as they are now; throws
    // what drawing it throws, and the job stays as it was.
    void addToJob(const TemplateCommand& command, const Workbench& wb);

signals:
    // "Добавить в задание / Add to job" was pressed: the window adds its current template.
    void addToJobClicked();

private:
    void showJob();

    QDoubleSpinBox* width_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    QDoubleSpinBox* gap_ = nullptr;
    QCheckBox* noRotation_ = nullptr;
    QLabel* jobList_ = nullptr;
    Job job_;
};

}  // namespace tessaro::gui
