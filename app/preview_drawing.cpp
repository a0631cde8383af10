#include "app/preview_drawing.h"

#include "app/error_text.h"

namespace tessaro {
namespace {

std::optional<BadCell> cellOf(const Workbench& wb, const BadCellError& error) {
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        if (&(wb.*table) == error.table) {
            return BadCell{table, error.row};
        }
    }
    return std::nullopt;
}

}  // namespace

PreviewDrawing drawPreview(PreviewBench& bench, const TemplateCommand& command, const std::optional<SheetChoice>& sheet) {
    try {
        command.run(bench.wb);
        if (!sheet) {
            return {std::make_shared<const EpsDrawing>(readEpsDrawing(bench.wb.epsDocument)), {}, {}};
        }
        const SheetLayout layout = sheetLayout(bench.wb, command.tab, *sheet);
        const std::vector<LineList> sheets = nestOntoSheets(bench.wb.epsDocument, layout.size, layout.gap);
        return {std::make_shared<const EpsDrawing>(readEpsDrawing(sheetsSideBySide(sheets, layout.size))), {}, {},
                sheets.size()};
    } catch (const BadCellError& e) {
        return {nullptr, errorBoxText(e), cellOf(bench.wb, e)};
    } catch (const std::exception& e) {
        return {nullptr, errorBoxText(e), std::nullopt};
    }
}

}  // namespace tessaro
