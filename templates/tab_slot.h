#pragma once

#include "model/workbench.h"

namespace tessaro {

// The tab-slot test piece from the tab-slot table: two slots in a plate and, above
// them, the toothed edge of a strip whose two teeth stand centred over the slots.
// Only the working edges are drawn; the toothed edge is an open path.
void drawTabSlotPiece(Workbench& wb);

}  // namespace tessaro
