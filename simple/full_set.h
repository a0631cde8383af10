#pragma once

#include "box/panel_sizes.h"
#include "model/workbench.h"

namespace tessaro {

// The simple box's six parts on one sheet: the lid at the origin, the front panel below
// it, the rear panel and then the bottom (a second lid) above it, a side panel on each
// side. The layout needs M, W, H and D of `sizes`.
void drawSimpleBoxSet(Workbench& wb, const PanelSizes& sizes);

}  // namespace tessaro
