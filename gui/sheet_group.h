#pragma once

#include <QGroupBox>
#include <optional>

#include "app/sheets.h"

class QDoubleSpinBox;

namespace tessaro::gui {

// The "Лист / Sheet" group: when checked, every template is nested onto sheets of the
// width and height set, one file per sheet. The gap shows "авто / auto" at 0: twice the
// cutter diameter, at least 2 mm, as the command line's default.
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
};

}  // namespace tessaro::gui
