#pragma once

#include "model/param_table.h"
#include "model/table_schema.h"

namespace tessaro {

// A table as the program starts: the schema's Russian captions and default values.
[[nodiscard]] ParamTable builtInTable(const TableSchema& schema);

// The five tables as the program starts.
[[nodiscard]] ParamTable defaultMainTable();     // boxTable
[[nodiscard]] ParamTable defaultScrewTable();    // screwTable
[[nodiscard]] ParamTable defaultTabSlotTable();  // tabSlotTable
[[nodiscard]] ParamTable defaultSpiralTable();   // spiralTable
[[nodiscard]] ParamTable defaultBobbinTable();   // bobbinTable

}  // namespace tessaro
