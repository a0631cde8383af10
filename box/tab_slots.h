#pragma once

#include <functional>

#include "drawing/edge_step.h"
#include "drawing/pen.h"
#include "drawing/relief.h"

namespace tessaro {

// How a slot is sized from the tab it takes: as wide as the material plus the slot
// allowance, and the tab's length plus the length allowance at each end.
struct SlotFit {
    double thickness = 0;           // of the material
    double slotAllowance = 0;       // on the tab's thickness
    double tabLengthAllowance = 0;  // at each end of the tab

    [[nodiscard]] double width() const { return thickness + slotAllowance; }
};

// A row of slots that takes the tabs of an edge divided by the tab rule, drawn from the
// point where that edge's line starts. The slots lie on the `out` side of the line.
struct TabSlotRow {
    double length = 0;  // of the toothed edge
    int tabs = 0;
    Vec along;
    Vec out;
    bool moveAfterLast = false;  // some rows end with a move that starts nothing
};

// Something drawn in the gap after a slot (a screw hole); it gets the step from the
// slot's corner to the middle of the gap on the row's middle line.
using GapFeature = std::function<void(Vec toGapCentre)>;

void drawTabSlotRow(Pen& pen, const SlotFit& fit, const TabSlotRow& row, Relief relief, const GapFeature& between = {});

// The slots for the front and rear panels' tabs: one row below the line y = 0 and one
// above y = depth, both run from the origin to +X.
struct EndSlotRows {
    double length = 0;  // of the panels' toothed edge
    int tabs = 0;
    double depth = 0;
    bool moveAfterLast = false;
};

void drawEndSlotRows(Pen& pen, const SlotFit& fit, const EndSlotRows& rows, Relief relief,
                     const GapFeature& between = {});

}  // namespace tessaro
