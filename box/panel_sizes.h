#pragma once

#include <span>

#include "box/tab_slots.h"
#include "model/param_table.h"

namespace tessaro {

// The box table's sizes as a panel generator takes them; rows it does not read stay 0.
struct PanelSizes {
    double thickness = 0;           // row 1, material thickness
    double width = 0;               // row 2, inner width
    double height = 0;              // row 3, inner height
    double depth = 0;               // row 4, inner depth
    double slotAllowance = 0;       // row 5, slot allowance on the tab thickness
    double tabLengthAllowance = 0;  // row 6, tab-length allowance
    double frameMargin = 0;      // row 7, frame allowance
    double tabHeight = 0;           // row 8, tab height
    double toolDiameter = 0;      // row 9, cutter diameter

    [[nodiscard]] SlotFit fit() const { return {thickness, slotAllowance, tabLengthAllowance}; }
};

// Reads the given rows in the given order, so the first bad cell in that order is the
// one reported.
[[nodiscard]] PanelSizes readPanelSizes(const ParamTable& boxTable, std::span<const int> rows);

}  // namespace tessaro
