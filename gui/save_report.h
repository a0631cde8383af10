#pragma once

#include <QString>

#include "app/save_prompt.h"
#include "app/sheets.h"
#include "drawing/drawing.h"

namespace tessaro::gui {

// The status line after a save: the file, its type, its outlines and its size,
// e.g. "Записан box.dxf: DXF, контуров: 6, 200.00 × 110.00 мм".
[[nodiscard]] QString savedTemplateText(const SaveChoice& written, const Drawing& drawing, bool english);

// The status line after a save onto sheets: the type, every sheet's file and the material
// used, e.g. "Записаны листы, DXF: box-1.dxf, box-2.dxf; листов: 2, использовано материала 41.7 %".
[[nodiscard]] QString savedSheetsText(const SavedSheets& saved, bool english);

}  // namespace tessaro::gui
