#pragma once

#include <string>
#include <vector>

#include "app/preview_drawing.h"
#include "model/workbench.h"

namespace tessaro {

// A value cell that no command could use as it stands: it is not a number by the rule its
// row is read with, or it holds a character that a table file (Windows-1251) cannot keep.
struct CellProblem {
    BadCell cell;
    std::string message;  // the error box's, without the full stop
};

// Every problem of every value cell of the workbench's tables, table by table, row by row.
// Rows beyond the built-in ones are read by no command: only their characters count.
[[nodiscard]] std::vector<CellProblem> cellProblems(const Workbench& wb);

// The message for a text that holds a character no table file can keep; none when it has none.
[[nodiscard]] std::optional<std::string> unsavableCharacterMessage(const std::string& text);

}  // namespace tessaro
