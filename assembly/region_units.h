#pragma once

#include <polyclipping/clipper.hpp>

#include "assembly/panel_region.h"
#include "output/eps_reader.h"

namespace tessaro {

// Regions are cut by Clipper in integers: a millionth of a millimetre keeps the six
// decimals drawn.
[[nodiscard]] ClipperLib::IntPoint regionUnitsOf(DrawingPoint p);

// A Clipper boundary as a region's contour, turned so the material lies on its left:
// an outer boundary counterclockwise, a hole clockwise.
[[nodiscard]] RegionContour contourOf(ClipperLib::Path path, bool hole);

}  // namespace tessaro
