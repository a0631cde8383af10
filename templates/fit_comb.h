#pragma once

#include <span>

#include "drawing/engraved_text.h"
#include "drawing/pen.h"
#include "templates/tab_slot.h"

namespace tessaro {

// The fit comb: for each allowance on the tab's thickness, side by side from the pen's
// origin, the test piece's slot with that allowance, the allowance engraved under it, and
// over it a tab to try in it: the strip's edge with one tooth, closed into a piece of its own.
// The table's own slot allowance is not used.
void drawFitComb(Pen& pen, const TabSlotSizes& sizes, std::span<const double> allowances, bool withRelief,
                 const EngravingFonts& fonts);

// What the comb engraves for an allowance: the number it means to the six decimals the
// drawing keeps, without trailing zeros ("0.1", "-0.05"; 1e-300 is "0").
[[nodiscard]] std::string allowanceLabel(double allowance);

}  // namespace tessaro
