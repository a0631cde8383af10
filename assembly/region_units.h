#pragma once

#include <polyclipping/clipper.hpp>

#include <vector>

#include "assembly/panel_region.h"

namespace tessaro {

// A Clipper boundary as a region's contour, turned so the material lies on its left:
// an outer boundary counterclockwise, a hole clockwise.
[[nodiscard]] RegionContour contourOf(ClipperLib::Path path, bool hole);

// A region's boundaries as Clipper paths; its material is where their winding is not zero.
[[nodiscard]] ClipperLib::Paths pathsOf(const PanelRegion& region);

// Each outer boundary of the tree with its holes, as one region; islands inside holes are
// regions of their own, and boundaries without area are left out.
[[nodiscard]] std::vector<PanelRegion> regionsOf(const ClipperLib::PolyTree& tree);

}  // namespace tessaro
