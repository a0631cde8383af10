#pragma once

#include "model/workbench.h"

namespace tessaro {

// Starts the drawing of a box, tab-slot or bobbin template: its header from the main
// table (a bounding box from W, H and D, the label, rows 1 to 6), and no outline yet.
// Converts W, H, D first, so a bad cell leaves the previous drawing as it was.
void startBoxDocument(Workbench& wb);
// Starts the spiral's drawing; its header takes the spiral table's cells as text.
void startSpiralDocument(Workbench& wb);

}  // namespace tessaro
