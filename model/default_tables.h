#pragma once

#include "model/param_table.h"

namespace tessaro {

// The five tables as the program starts, with their Russian captions.
[[nodiscard]] ParamTable defaultMainTable();     // boxTable
[[nodiscard]] ParamTable defaultScrewTable();    // screwTable
[[nodiscard]] ParamTable defaultTabSlotTable();  // tabSlotTable
[[nodiscard]] ParamTable defaultSpiralTable();   // spiralTable
[[nodiscard]] ParamTable defaultBobbinTable();   // bobbinTable

}  // namespace tessaro
