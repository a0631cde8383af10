#pragma once

#include "model/workbench.h"

namespace tessaro {

// What a side panel's slot rows are sized by, as the panel read it from the main table.
struct SideSlotSizes {
    double M = 0;   // material thickness
    double H = 0;   // inner height: the rows run across it
    double D = 0;   // inner depth: the rear row lies this far above the front row
    double Ah = 0;  // slot allowance on the tab thickness
    double Al = 0;  // tab-length allowance at each end of a slot
};

// The two rows of two slots at the front and rear ends of a side panel, which take the
// side tabs of the front and rear panels. The front row hangs below y = 0, the rear row
// stands above y = D; with `screwHoles` a hole sits midway between the two slots of
// each row, on the row's middle line.
void drawSideSlotRows(Workbench& wb, const SideSlotSizes& sizes, bool screwHoles);

}  // namespace tessaro
