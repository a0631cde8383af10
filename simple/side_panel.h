#pragma once

#include "box/panel_sizes.h"
#include "drawing/pen.h"
#include "model/options.h"
#include "model/param_table.h"

namespace tessaro {

// The simple box's side panel, lying with X along the box's height and Y along its
// depth: a body reaching thickness + frame allowance past both ends, three tabs on each
// long side for the lid's and the bottom's side slots, and the front and rear slot rows.
// Takes every size of `box` but the width; the screw table is read at each use.
void drawSimpleSidePanel(Pen& pen, const PanelSizes& box, const Options& switches, const ParamTable& screwTable);

}  // namespace tessaro
