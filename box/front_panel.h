#pragma once

#include "box/panel_sizes.h"
#include "drawing/pen.h"
#include "model/options.h"
#include "model/param_table.h"

namespace tessaro {

// The front (and rear) panel: a width by height body with four tabs on the width edges
// and two on the height edges, traced counterclockwise from its lower-left corner at the
// origin. Takes the width, height, tab height and cutter diameter of `box`; the screw
// table is read at each screw slot.
void drawFrontPanel(Pen& pen, const PanelSizes& box, const Options& switches, const ParamTable& screwTable);

}  // namespace tessaro
