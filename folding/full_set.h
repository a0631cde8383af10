#pragma once

#include <array>

#include "box/panel_places.h"
#include "box/panel_sizes.h"
#include "box/sheet_layout.h"

namespace tessaro {

// How each part of the folding box is drawn; each reads its own sizes when its turn comes.
struct FoldingBoxParts {
    PartDrawing front;  // also the rear
    PartDrawing bottom;
    PartDrawing side;  // both sides
    PartDrawing lid;
};

// The folding box's six parts on one sheet, in drawing order: the bottom at the origin,
// the front panel below it, the rear panel and then the lid above it, a side panel on
// each side. The layout takes the thickness, width, height and depth of `box`.
[[nodiscard]] std::array<PanelPlace, 6> foldingBoxPlaces(const PanelSizes& box);

void drawFoldingBoxSet(Pen& pen, const PanelSizes& box, const FoldingBoxParts& parts,
                       const PanelAdditions& additions = {});

}  // namespace tessaro
