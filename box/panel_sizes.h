#pragma once

#include <initializer_list>

#include "box/tab_slots.h"
#include "model/workbench.h"

namespace tessaro {

// The main table's sizes as a panel generator reads them; rows it does not read stay 0.
struct PanelSizes {
    double thickness = 0;           // row 1, material thickness
    double width = 0;               // row 2, inner width
    double height = 0;              // row 3, inner height
    double depth = 0;               // row 4, inner depth
    double slotAllowance = 0;       // row 5, slot allowance on the tab thickness
    double tabLengthAllowance = 0;  // row 6, tab-length allowance
    double frameAllowance = 0;      // row 7, frame allowance
    double tabHeight = 0;           // row 8, tab height
    double cutterDiameter = 0;      // row 9, cutter diameter

    [[nodiscard]] SlotFit fit() const { return {thickness, slotAllowance, tabLengthAllowance}; }
};

// Reads the given rows in the given order, before anything is drawn; a frame allowance
// and a cutter diameter it read are stored where the drawing reads them.
[[nodiscard]] PanelSizes readPanelSizes(Workbench& wb, std::initializer_list<int> rows);

}  // namespace tessaro
