#pragma once

#include "box/tab_slots.h"
#include "drawing/edge_step.h"
#include "drawing/screw.h"
#include "model/options.h"
#include "model/param_table.h"

namespace tessaro {

using ScrewEdge = void (*)(Pen&, const ScrewSize&, double, double);

// How the gaps between a panel's tabs are drawn: relief wins over screws, which win
// over a plain line. A screw slot reads the screw table afresh for every gap.
[[nodiscard]] EdgeStep panelGapStep(const Options& switches, double toolDiameter, const ParamTable& screwTable,
                                    ScrewEdge screwEdge);

// The screw holes in the gaps between a panel's slots, which the screw option alone
// asks for (relief or not); none without it. A hole reads the screw diameter afresh.
[[nodiscard]] GapFeature holesForScrewsBetweenSlots(Pen& pen, const Options& switches, const ParamTable& screwTable);

}  // namespace tessaro
