#pragma once

#include <array>

#include "box/panel_places.h"
#include "box/panel_sizes.h"
#include "box/sheet_layout.h"

namespace tessaro {

// How each part of the simple box is drawn; each reads its own sizes when its turn comes.
struct SimpleBoxParts {
    PartDrawing front;  // also the rear
    PartDrawing lid;    // also the bottom
    PartDrawing side;   // both sides
};

// The simple box's six parts on one sheet, in drawing order: the lid at the origin, the
// front panel below it, the rear panel and then the bottom (a second lid) above it, a
// side panel on each side. The layout takes the thickness, width, height and depth of `box`.
[[nodiscard]] std::array<PanelPlace, 6> simpleBoxPlaces(const PanelSizes& box);

void drawSimpleBoxSet(Pen& pen, const PanelSizes& box, const SimpleBoxParts& parts,
                      const PanelAdditions& additions = {});

}  // namespace tessaro
