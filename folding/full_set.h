#pragma once

#include "box/panel_sizes.h"
#include "model/workbench.h"

namespace tessaro {

// The folding box's six parts on one sheet: the bottom at the origin, the front panel
// below it, the rear panel and then the lid above it, a side panel on each side. Each
// generator draws from its own origin and reads its own rows again. The layout needs
// M, W, H and D of `sizes`.
void drawFoldingBoxSet(Workbench& wb, const PanelSizes& sizes);

}  // namespace tessaro
