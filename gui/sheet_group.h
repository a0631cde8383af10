#pragma once

#include <QGroupBox>
#include <optional>

#include "app/sheets.h"

class QCheckBox;
class QDoubleSpinBox;

namespace tessaro::gui {

// The "Лист / Sheet" group: when checked, every template is nested onto sheets of the
// width and height set, one file per sheet. The gap shows "авто / auto" at 0: twice the
// cutter diameter, at least 2 mm, as the command line's default. "Не поворачивать / No
// rotation" keeps every part as drawn, as --no-rotation does.
class SheetGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit SheetGroup(QWidget* parent);

    // The sheet chosen; none when the group is off.
    [[nodiscard]] std::optional<SheetChoice> choice() const;

private:
    QDoubleSpinBox* width_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    QDoubleSpinBox* gap_ = nullptr;
    QCheckBox* noRotation_ = nullptr;
};

}  // namespace tessaro::gui
