#include "app/preview_drawing.h"

#include "app/error_text.h"

namespace tessaro {

std::optional<BadCell> badCellOf(const Workbench& wb, const std::exception& error) {
    const auto* bad = dynamic_cast<const BadCellError*>(&error);
    if (!bad) {
        return std::nullopt;
    }
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        if (&(wb.*table) == bad->table) {
            return BadCell{table, bad->row};
        }
    }
    return std::nullopt;
}

PreviewDrawing drawPreview(PreviewBench& bench, const TemplateCommand& command,
                           const std::optional<SheetChoice>& sheet) {
    try {
        command.run(bench.wb);
        if (!sheet) {
            return {std::make_shared<const Drawing>(std::move(bench.wb.drawing)), {}, {}};
        }
        const SheetLayout layout = sheetLayout(bench.wb, command.tab, *sheet);
        const std::vector<Drawing> sheets =
            nestOntoSheets(bench.wb.drawing, layout.size, layout.gap, bench.wb.stop, layout.turning);
        return {std::make_shared<const Drawing>(sheetsSideBySide(sheets, layout.size)), {}, {}, sheets.size()};
    } catch (const std::exception& e) {
        return {nullptr, errorBoxText(e), badCellOf(bench.wb, e)};
    }
}

}  // namespace tessaro
