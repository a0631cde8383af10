#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "app/file_formats.h"
#include "app/material_use.h"
#include "app/run_inputs.h"
#include "app/save_prompt.h"
#include "model/workbench.h"
#include "nesting/sheet_nesting.h"

namespace tessaro {

// The sheet the parts are nested onto, the room kept around each part, and whether a
// part may be turned.
struct SheetLayout {
    SheetSize size;
    double gap = 0;
    Turning turning = Turning::QuarterTurns;
};

// The window's sheet: its size, the gap the user set or none for the default one, and
// whether a part may be turned.
struct SheetChoice {
    SheetSize size;
    std::optional<double> gap;
    Turning turning = Turning::QuarterTurns;
};

// Twice the cutter diameter, and at least 2 mm. The tab-slot piece is cut with the
// cutter of its own table; every other template with the main table's, the one the
// machine's cutter is entered in.
[[nodiscard]] double defaultSheetGap(const Workbench& wb, TemplateTab tab);

// The choice's size with its gap, or the template's default gap when none is set.
[[nodiscard]] SheetLayout sheetLayout(const Workbench& wb, TemplateTab tab, const SheetChoice& choice);

// "600x400": width and height in millimetres by the number rule, each at least the finest
// size drawn and at most what the nesting takes; UsageError otherwise.
[[nodiscard]] SheetSize parseSheetSize(std::string_view text);

// A gap in millimetres by the number rule, from 0 to the largest sheet; UsageError otherwise.
[[nodiscard]] double parseSheetGap(std::string_view text);

// The bytes of each sheet of the current template in the given type.
[[nodiscard]] std::vector<std::string> sheetBytes(const Workbench& wb, FileType type, const SheetLayout& layout);
// The bytes of sheets of the given size already nested from the current template. An
// SVG shows the whole sheet; a DXF leaves open only the template's own last outline, the
// last of the last sheet, and only where the template leaves it open and it is open.
[[nodiscard]] std::vector<std::string> sheetBytes(const Workbench& wb, FileType type,
                                                  const std::vector<Drawing>& sheets, SheetSize size);

// "box.dxf" becomes "box-1.dxf", "box-2.dxf", ...
[[nodiscard]] std::vector<std::string> sheetFileNames(const std::string& path, std::size_t count);

// The sheets of a set of `count` as `path` that exist already (they would be replaced);
// those of an earlier, larger set of that name and type (they would be removed: "box-4.dxf"
// beside a new set of three, the unbroken run after the count of files our writer of that
// type made); and the other files named as sheets beyond the count, which stay.
[[nodiscard]] FilesInTheWay sheetsInTheWay(const std::string& path, FileType type, std::size_t count);

// The files a set of sheets was saved as, those among them that replaced a file, the
// files of an earlier, larger set of the same name that were removed, and the files named
// as its sheets that were left because they are not provably ours.
struct SheetFiles {
    std::vector<std::string> written;
    std::vector<std::string> replaced;
    std::vector<std::string> removed;
    std::vector<std::string> left;
};

// Nests the current template and saves one file per sheet, all of them or none (see
// saveFilesTogether); then removes the sheets of an earlier, larger set. A part that fits
// no sheet, a name that is a device or a pipe, a sheet that would be one of the run's
// inputs, or a failed write leaves every file as it was.
SheetFiles saveSheets(const Workbench& wb, const std::string& path, FileType type, const SheetLayout& layout,
                      const RunInputs& inputs = {});
// Saves sheets of the given size already nested from the current template, as above.
SheetFiles saveSheets(const Workbench& wb, const std::string& path, FileType type, const std::vector<Drawing>& sheets,
                      SheetSize size, const RunInputs& inputs = {});

// The files a button wrote onto sheets: the chosen name and type, and the set's files.
struct SavedSheets {
    SaveChoice choice;
    SheetFiles files;
    MaterialUse material;
};

// The rest of a button's road once wb holds its drawing: nest it into wb.sheetDrawings,
// ask for a file offering `proposedName` (the dialog asks before replacing any sheet of
// the set or removing an earlier set's), save one file per sheet; nothing when the
// user cancelled.
std::optional<SavedSheets> saveOnSheets(Workbench& wb, const SheetLayout& layout, SavePrompt& dialog,
                                        const std::string& proposedName);

// A button's road with a sheet: draw, nest into wb.sheetDrawings, ask for a file, save
// one file per sheet. A part that fits no sheet is refused before the dialog asks;
// nothing when the user cancelled or declined.
std::optional<SavedSheets> performOnSheets(Workbench& wb, const TemplateCommand& command, SavePrompt& dialog,
                                           const SheetChoice& choice);

// The sheets left to right, each framed by the sheet's rectangle, as one drawing: what
// the preview shows of them.
[[nodiscard]] Drawing sheetsSideBySide(const std::vector<Drawing>& sheets, SheetSize size);

}  // namespace tessaro
