#pragma once

#include <vector>

#include "assembly/panel_region.h"
#include "drawing/drawing.h"

namespace tessaro {

// The connected pieces of a region's material that lie inside a rectangle of its
// drawing plane, each with its own holes; slivers without area are left out.
[[nodiscard]] std::vector<PanelRegion> piecesWithin(const PanelRegion& region, const Extent& window);

// The whole of a region's material inside the rectangle, as one region.
[[nodiscard]] PanelRegion materialWithin(const PanelRegion& region, const Extent& window);

}  // namespace tessaro
