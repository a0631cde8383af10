#pragma once

#include "model/param_table.h"

namespace tessaro {

// The five tables as the program starts, with their Russian captions.
[[nodiscard]] ParamTable defaultMainTable();     // ParamGrid
[[nodiscard]] ParamTable defaultScrewTable();    // GridScrewL
[[nodiscard]] ParamTable defaultTabSlotTable();  // ZubPazGrid
[[nodiscard]] ParamTable defaultSpiralTable();   // ArhimedGrid
[[nodiscard]] ParamTable defaultBobbinTable();   // TransGrid

}  // namespace tessaro
