#pragma once

#include "model/workbench.h"

namespace tessaro {

// The folding box's side panel, lying with X across the box's height and Y along its
// depth: tabs for the lid along x = 0, a holding hole for the bottom's wing near the
// other long side, feet beyond it, and slots for the front and rear panels' side tabs.
// May show the warning that the bottom will fall out.
void drawSidePanel(Workbench& wb);

}  // namespace tessaro
