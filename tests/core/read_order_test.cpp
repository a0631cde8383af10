#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/commands.h"
#include "model/param_table.h"
#include "support.h"

namespace tessaro {
namespace {

using testing::Bench;

// A command, one of the tables it reads and that table's rows in the order the command
// first reads them (the header's rows of the main table included).
struct ReadOrder {
    const char* command;
    ParamTable Workbench::*table;
    std::vector<int> rows;
    bool screws = false;
};

// What the command reports when the given rows hold bad cells, each naming its row.
std::string reported(const ReadOrder& order, std::size_t firstBad) {
    Bench b;
    b.wb.options.screwJoints = order.screws;
    for (std::size_t k = firstBad; k < order.rows.size(); ++k) {
        (b.wb.*order.table).setCell(1, order.rows[k], "bad" + std::to_string(order.rows[k]));
    }
    try {
        findCommand(order.command)->run(b.wb);
    } catch (const BadCellError& e) {
        // The error also names the cell, for the window to point at it.
        const bool named = e.table == &(b.wb.*order.table) && e.row == order.rows[firstBad];
        return std::string(e.what()) + (named ? "" : " (named another cell)");
    }
    return "nothing";
}

// With every row from some point of the order on bad, the first of them is reported:
// so the rows are read in exactly that order, and which error wins stays put.
TEST(ReadOrder, TheFirstBadCellInTheCommandsOrderIsReported) {
    const ReadOrder orders[] = {
        {"facade", &Workbench::boxTable, {2, 3, 4, 8, 9}},
        {"bottom", &Workbench::boxTable, {2, 3, 4, 1, 5, 6, 7, 9}},
        {"side", &Workbench::boxTable, {2, 3, 4, 1, 5, 6, 7, 8, 9}},
        {"top", &Workbench::boxTable, {2, 3, 4, 1, 5, 6, 7, 9}},
        {"simple-side", &Workbench::boxTable, {2, 3, 4, 1, 5, 6, 7, 8, 9}},
        {"full", &Workbench::boxTable, {1, 2, 3, 4, 8, 9, 5, 6, 7}},
        {"simple-full", &Workbench::boxTable, {1, 2, 3, 4, 8, 9, 5, 6, 7}},
        {"tab-slot", &Workbench::tabSlotTable, {1, 4, 5, 6, 2, 3}},
        {"spiral", &Workbench::spiralTable, {1, 2, 3, 4}},
        {"bobbin", &Workbench::bobbinTable, {1, 2, 3, 4, 5, 6}},
        {"facade", &Workbench::screwTable, {1, 2, 3, 4, 5}, true},
    };
    for (const ReadOrder& order : orders) {
        for (std::size_t k = 0; k < order.rows.size(); ++k) {
            const int row = order.rows[k];
            const std::string kind = order.table == &Workbench::spiralTable && row == 4 ? "integer" : "floating point";
            EXPECT_EQ(reported(order, k), "'bad" + std::to_string(row) + "' is not a valid " + kind + " value")
                << order.command << " row " << row;
        }
    }
}

}  // namespace
}  // namespace tessaro
