#pragma once

#include <vector>

#include "assembly/panel_region.h"
#include "drawing/extent.h"

namespace tessaro {

// The band of a panel's drawing that lies inside another panel's thickness; its depth
// runs across that thickness, along the drawing's x or y.
struct Band {
    Extent extent;
    bool depthAlongX = false;
};

// The pieces of a region's material that go into the band, each one region. They are
// told apart over the thickest run of depths at which they stand the same way: a strip
// along one face of the band (left where a slot is narrower than the other panel is
// thick) joins them only in its own thin layer, and a piece that reaches only part way
// in is still found.
[[nodiscard]] std::vector<PanelRegion> piecesInBand(const PanelRegion& region, const Band& band);

}  // namespace tessaro
