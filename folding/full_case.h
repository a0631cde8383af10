#pragma once

#include "model/param_table.h"
#include "model/workbench.h"

namespace tessaro {

// The sizes a full set's layout is computed from.
struct SheetSizes {
    double M = 0;  // material thickness
    double W = 0;  // inner width
    double H = 0;  // inner height
    double D = 0;  // inner depth
};

// Reads rows 1 to 4 of the main table, in that order.
[[nodiscard]] SheetSizes readSheetSizes(const ParamTable& ParamGrid);

// The folding box's six parts on one sheet: the bottom at the origin, the front panel
// below it, the rear panel and then the lid above it, a side panel on each side. Each
// generator draws from its own origin and reads its own rows again.
void drawFoldingBoxSet(Workbench& wb, const SheetSizes& sizes);

}  // namespace tessaro
