#pragma once

#include "model/workbench.h"
#include "output/screw.h"
#include "output/step.h"

namespace tessaro {

using ScrewEdge = void (*)(Pen&, const ScrewSize&, double, double);

// How the gaps between a panel's tabs are drawn: relief wins over screws, which win
// over a plain line. A screw slot reads the screw table afresh for every gap.
[[nodiscard]] EdgeStep panelGapStep(const Workbench& wb, ScrewEdge screwEdge);

}  // namespace tessaro
