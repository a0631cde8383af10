#pragma once

#include <span>

#include "box/panel_sizes.h"
#include "model/param_table.h"
#include "templates/bobbin.h"
#include "templates/spiral.h"
#include "templates/tab_slot.h"

namespace tessaro {

// The typed sizes the generators take, read from the tables. Each reads its cells one by
// one in a fixed order, so the first bad cell in that order is the one reported.

// Reads the given rows in the given order; the sizes of rows it does not read stay 0.
[[nodiscard]] PanelSizes readPanelSizes(const ParamTable& boxTable, std::span<const MainRow> rows);
// Thickness, the two allowances and the cutter first, then the tab length and the gap.
[[nodiscard]] TabSlotSizes readTabSlotSizes(const ParamTable& tabSlotTable);
// The rows in table order.
[[nodiscard]] SpiralSizes readSpiralSizes(const ParamTable& spiralTable);
[[nodiscard]] BobbinSizes readBobbinSizes(const ParamTable& bobbinTable);

}  // namespace tessaro
