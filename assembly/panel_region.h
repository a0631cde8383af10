#pragma once

#include <vector>

#include "drawing/drawing.h"
#include "drawing/rigid_parts.h"

namespace tessaro {

// One boundary of a flat part's material, without its closing point. The material lies
// on its left: an outer boundary runs counterclockwise, a hole's clockwise.
struct RegionContour {
    std::vector<Point> points;
    bool hole = false;
};

// The material of a flat part as cut: its outer outline less every slot, hole and notch
// drawn with it, overlapping cut-outs and notches through the edge included.
struct PanelRegion {
    std::vector<RegionContour> contours;
};

// The material of the pieces of one part of a drawing, moved by -origin. Throws
// DrawingError when a coordinate is too large to cut with.
[[nodiscard]] PanelRegion materialOf(const std::vector<RigidPart>& pieces, Point origin);

[[nodiscard]] double areaOf(const PanelRegion& region);

// Whether the point lies in the material; a point on its boundary may go either way.
[[nodiscard]] bool holdsMaterial(const PanelRegion& region, Point p);

}  // namespace tessaro
