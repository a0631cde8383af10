#pragma once

#include "box/panel_sizes.h"
#include "drawing/pen.h"
#include "model/options.h"
#include "model/param_table.h"

namespace tessaro {

// The lid (and the simple box's bottom): the inner width and depth plus a frame margin
// on every side, corners cut off when asked, with slots for the top tabs of the front
// and rear panels and the lid tabs of the side panels, and screw holes between slots.
// Takes every size of `box` but the height and the tab height; the screw table is read
// at each screw hole.
void drawLid(Pen& pen, const PanelSizes& box, const Options& switches, const ParamTable& screwTable);

}  // namespace tessaro
