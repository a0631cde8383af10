#pragma once

#include "drawing/pen.h"
#include "drawing/shapes.h"

namespace tessaro {

// The tab-slot table's sizes, in millimetres.
struct TabSlotSizes {
    // In the order the rows are read.
    double thickness = 0;           // T: the material, and so the tab's height
    double slotAllowance = 0;       // A: on the tab's thickness
    double tabLengthAllowance = 0;  // B: at each end of the tab
    double toolDiameter = 0;        // D
    double tabLength = 0;           // L
    double gap = 0;                 // G: between the two tabs
};

// The test piece's slot, traced from its lower left corner: T + `slotAllowance` across, the
// tab's length and B at each end along.
[[nodiscard]] Slot testSlot(const TabSlotSizes& sizes, double slotAllowance);

// The strip's edge, traced to the right: `teeth` tabs of the tab's length hanging down T,
// the gap between them, and half the gap at each end.
[[nodiscard]] ToothedEdge stripEdge(const TabSlotSizes& sizes, int teeth);

// The tab-slot test piece: two slots in a plate and, above them, the toothed edge of a
// strip whose two teeth stand centred over the slots. Only the working edges are drawn;
// the toothed edge is an open path.
void drawTabSlotPiece(Pen& pen, const TabSlotSizes& sizes, bool withRelief);

}  // namespace tessaro
