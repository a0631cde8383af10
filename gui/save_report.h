#pragma once

#include <QString>

#include "app/save_prompt.h"
#include "app/sheets.h"
#include "drawing/drawing.h"

namespace tessaro::gui {

// The status line after a save: the file, its type, its outlines, its size and its folder,
// e.g. "Записан box.dxf: DXF, контуров: 6, 200.00 × 110.00 мм; папка /home/user".
[[nodiscard]] QString savedTemplateText(const SaveChoice& written, const Drawing& drawing);

// The status line after a save onto sheets: the type, every sheet's file and the folder,
// the sheets of an earlier, larger set that were removed, the files named as its sheets
// that were left, and the material used, e.g.
// "Записаны листы, DXF: box-1.dxf, box-2.dxf; папка /home/user; листов: 2, использовано материала 41.7 %".
[[nodiscard]] QString savedSheetsText(const SavedSheets& saved);

}  // namespace tessaro::gui
