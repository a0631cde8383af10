#include "app/cell_problems.h"

#include "output/text_file.h"

namespace tessaro {
namespace {

// The spiral's turns are counted; every other built-in value is a length or an angle.
bool isCount(ParamTable Workbench::*table, int row) {
    return table == &Workbench::spiralTable && row == rowNumber(SpiralRow::Turns);
}

}  // namespace

std::optional<std::string> unsavableCharacterMessage(const std::string& text) {
    const auto character = firstCharacterOutsideWindows1251(text);
    if (!character) {
        return std::nullopt;
    }
    return "'" + text + "' holds \"" + *character + "\", which a table file cannot keep";
}

std::vector<CellProblem> cellProblems(const Workbench& wb) {
    std::vector<CellProblem> problems;
    for (ParamTable Workbench::*table : kWorkbenchTables) {
        const ParamTable& cells = wb.*table;
        const TableSchema& schema = schemaOf(table);
        for (int row = 1; row < cells.rowCount(); ++row) {
            if (auto unsavable = unsavableCharacterMessage(cells.text(row))) {
                problems.push_back({{table, row}, std::move(*unsavable)});
                continue;
            }
            if (schema.find(row) == nullptr) {
                continue;
            }
            try {
                static_cast<void>(isCount(table, row) ? cells.integer(row) : cells.real(row));
            } catch (const ConversionError& e) {
                problems.push_back({{table, row}, e.what()});
            }
        }
    }
    return problems;
}

}  // namespace tessaro
