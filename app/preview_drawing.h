#pragma once

#include <cstddef>
#include <exception>
#include <memory>
#include <optional>
#include <string>

#include "app/commands.h"
#include "app/sheets.h"
#include "drawing/drawing.h"
#include "model/ports.h"
#include "model/workbench.h"

namespace tessaro {

// A workbench of its own for drawing a preview: a copy of the window's tables and
// switches, a clock whose time does not matter and no one to show a message to. `stop`
// stops what is drawn on it (WorkStopped) and its nesting.
struct PreviewBench {
    explicit PreviewBench(const Workbench& source, StopRequest stop = {}) {
        copyTablesAndSwitches(source, wb);
        wb.stop = std::move(stop);
    }
    StandInClock clock;
    SilentMessages messages;
    Workbench wb{clock, messages};
};

// The value cell a command stopped at, as one of the workbench's tables and its row.
struct BadCell {
    ParamTable Workbench::*table;
    int row;
};

// The cell the error names, when it is a value cell of one of the workbench's tables
// that is not a number; nothing for any other error.
[[nodiscard]] std::optional<BadCell> badCellOf(const Workbench& wb, const std::exception& error);

// What a preview run gives: the drawing, or the error box's text and, when a cell
// was not a number, that cell.
struct PreviewDrawing {
    std::shared_ptr<const Drawing> drawing;  // null when the command failed
    std::string error;
    std::optional<BadCell> badCell;
    std::size_t sheets = 0;  // how many sheets the drawing shows side by side; 0: no sheet
};

// Runs the command on the bench and takes its drawing, nested onto the sheets side by
// side when a sheet is chosen; never saves, never shows a message, never throws for
// what the command or the nesting throws. The bench's stop ends it with an error drawing.
[[nodiscard]] PreviewDrawing drawPreview(PreviewBench& bench, const TemplateCommand& command,
                                         const std::optional<SheetChoice>& sheet = std::nullopt);

}  // namespace tessaro
