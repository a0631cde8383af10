#pragma once

#include <QString>
#include <optional>
#include <string>

#include "app/preview_drawing.h"

namespace tessaro::gui {

// The preview's own words in the window's language.
struct PreviewWords {
    QString title;  // the large window's
    QString fit;    // its button that shows the drawing whole
    QString fitHint;
    QString openHint;  // the small preview's tooltip
    QString millimetres;
    QString row;          // "Row «caption»: why" under a drawing that could not be redrawn
    QString sheets;       // "Sheets: 3, 1890.00 × 400.00 mm" under sheets side by side
    QString drawingPage;  // the large window's pages: the drawing, the assembled box in 3D
    QString assemblyPage;
    QString exploded;  // the slider that moves the parts apart: "Exploded: 12 mm"
    QString explodedHint;
    QString assemblyHint;  // how to handle the 3D view
    QString boxesOnly;     // the 3D page on a tab that draws no box
    QString tightJoints;   // after the box's size when joints overlap
    QString drawing;       // under the drawing while a slow redraw is on its way
};

[[nodiscard]] const PreviewWords& previewWords(bool english);

// Why a preview could not be redrawn, in the tables' language: the error, and the row
// of the cell that was not a number.
[[nodiscard]] QString problemText(const Workbench& tables, const std::string& error,
                                  const std::optional<BadCell>& badCell);

}  // namespace tessaro::gui
