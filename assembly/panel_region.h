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

// A kilometre: past any machine, and far inside Clipper's integer range.
inline constexpr double kLargestCoordinate = 1e6;

// The material of the pieces of one part of a drawing, moved by -origin. Throws
// DrawingError when a coordinate is beyond kLargestCoordinate.
[[nodiscard]] PanelRegion materialOf(const std::vector<RigidPart>& pieces, Point origin);

// The cut-outs of those pieces: what their outer outlines enclose and their material lacks,
// one region each, whether it is closed all round or a notch opens it to the edge.
[[nodiscard]] std::vector<PanelRegion> openingsOf(const std::vector<RigidPart>& pieces, Point origin,
                                                  const PanelRegion& material);

[[nodiscard]] double areaOf(const PanelRegion& region);

// Whether the point lies in the material; a point on its boundary may go either way.
[[nodiscard]] bool holdsMaterial(const PanelRegion& region, Point p);

}  // namespace tessaro
