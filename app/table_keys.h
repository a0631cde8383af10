#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/workbench.h"

namespace tessaro {

// A table or row name that does not exist, or a value no cell may hold.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Sets a value cell from "TABLE.KEY=TEXT": TABLE is main, screw, tabslot, spiral or
// bobbin; KEY is the row number or the row's symbol (main.W, spiral.Fi). The text
// is stored as typed and converted only when a command reads it; a text with a line
// break or another control character is refused.
void assignTableValue(Workbench& wb, std::string_view assignment);

// One value row of a table as --set addresses it.
struct TableRow {
    std::string key;  // "main.W", or "main.12" for a row without a symbol
    std::string caption;
    std::string value;
};

// The key --set gives a row of one of the workbench's tables ("main.W", "main.12"); empty
// for a table that is not the workbench's.
[[nodiscard]] std::string tableKeyOf(const Workbench& wb, const ParamTable& table, int row);

// Every value row of every table, in the order main, screw, tabslot, spiral, bobbin.
[[nodiscard]] std::vector<TableRow> tableRows(const Workbench& wb);

}  // namespace tessaro
