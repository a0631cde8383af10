#pragma once

#include <initializer_list>

#include "folding/tab_slots.h"
#include "model/workbench.h"

namespace tessaro {

// The main table's sizes as a panel generator reads them; rows it does not read stay 0.
struct PanelSizes {
    double M = 0;   // row 1, material thickness
    double W = 0;   // row 2, inner width
    double H = 0;   // row 3, inner height
    double D = 0;   // row 4, inner depth
    double Ah = 0;  // row 5, slot allowance on the tab thickness
    double Al = 0;  // row 6, tab-length allowance
    double F = 0;   // row 7, frame allowance
    double T = 0;   // row 8, tab height
    double Cd = 0;  // row 9, cutter diameter

    [[nodiscard]] SlotFit fit() const { return {M, Ah, Al}; }
};

// Reads the given rows in the given order, before anything is drawn; a frame allowance
// and a cutter diameter it read are stored where the drawing reads them.
[[nodiscard]] PanelSizes readPanelSizes(Workbench& wb, std::initializer_list<int> rows);

}  // namespace tessaro
