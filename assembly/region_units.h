#pragma once

#include <polyclipping/clipper.hpp>

#include "assembly/panel_region.h"

namespace tessaro {

// A Clipper boundary as a region's contour, turned so the material lies on its left:
// an outer boundary counterclockwise, a hole clockwise.
[[nodiscard]] RegionContour contourOf(ClipperLib::Path path, bool hole);

}  // namespace tessaro
