#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "app/file_type.h"
#include "model/workbench.h"
#include "nesting/sheet_nesting.h"

namespace tessaro {

// The sheet the parts are nested onto and the room kept around each part.
struct SheetLayout {
    SheetSize size;
    double gap = 0;
};

// Twice the cutter diameter, and at least 2 mm. The tab-slot piece is cut with the
// cutter of its own table; every other template with the main table's, the one the
// machine's cutter is entered in.
[[nodiscard]] double defaultSheetGap(const Workbench& wb, TemplateTab tab);

// "600x400": width and height in millimetres by the number rule; UsageError otherwise.
[[nodiscard]] SheetSize parseSheetSize(std::string_view text);

// The bytes of each sheet of the current template in the given type.
[[nodiscard]] std::vector<std::string> sheetBytes(const Workbench& wb, FileType type, const SheetLayout& layout);

// "box.dxf" becomes "box-1.dxf", "box-2.dxf", ...
[[nodiscard]] std::vector<std::string> sheetFileNames(const std::string& path, std::size_t count);

// Nests the current template and saves one file per sheet; returns their names. A part
// that fits no sheet is refused before anything is written.
std::vector<std::string> saveSheets(const Workbench& wb, const std::string& path, FileType type,
                                    const SheetLayout& layout);

}  // namespace tessaro
