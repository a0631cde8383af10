#pragma once

#include "box/tab_slots.h"

namespace tessaro {

// The box table's sizes as a panel generator takes them, in millimetres; rows it does
// not read stay 0.
struct PanelSizes {
    double thickness = 0;           // of the material
    double width = 0;               // inner width
    double height = 0;              // inner height
    double depth = 0;               // inner depth
    double slotAllowance = 0;       // slot allowance on the tab thickness
    double tabLengthAllowance = 0;  // tab-length allowance
    double frameMargin = 0;         // frame allowance
    double tabHeight = 0;           // tab height
    double toolDiameter = 0;        // cutter diameter

    [[nodiscard]] SlotFit fit() const { return {thickness, slotAllowance, tabLengthAllowance}; }
};

}  // namespace tessaro
