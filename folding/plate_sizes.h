#pragma once

#include "folding/tab_slots.h"
#include "model/workbench.h"

namespace tessaro {

// What the bottom and the lid read from the main table.
struct PlateSizes {
    double W = 0;  // inner width
    double D = 0;  // inner depth
    SlotFit fit;   // material thickness and the slot allowances
    double F = 0;  // frame allowance
};

// Reads rows 1, 2, 4, 5, 6, 7 and 9 in that order, before anything is drawn; stores the
// frame allowance and the cutter diameter where the drawing reads them.
[[nodiscard]] PlateSizes readPlateSizes(Workbench& wb);

}  // namespace tessaro
