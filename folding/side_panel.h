#pragma once

#include "box/panel_sizes.h"
#include "drawing/pen.h"
#include "model/options.h"

namespace tessaro {

// The folding box's side panel, lying with X across the box's height and Y along its
// depth: tabs for the lid along x = 0, a holding hole for the bottom's wing near the
// other long side, feet beyond it, and slots for the front and rear panels' side tabs.
// Takes every size of `box` but the width.
void drawSidePanel(Pen& pen, const PanelSizes& box, const Options& switches);

}  // namespace tessaro
