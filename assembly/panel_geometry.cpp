#include "assembly/panel_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tessaro {
namespace {

Bounds3 boundsOfCorners(const std::array<Vec3, 8>& corners) {
    Bounds3 room{corners[0], corners[0]};
    for (const Vec3& c : corners) {
        room.low = {std::min(room.low.x, c.x), std::min(room.low.y, c.y), std::min(room.low.z, c.z)};
        room.high = {std::max(room.high.x, c.x), std::max(room.high.y, c.y), std::max(room.high.z, c.z)};
    }
    return room;
}

}  // namespace

Point drawingPointOf(const PanelFrame& frame, Vec3 p) {
    const Vec3 from = p - frame.origin;
    return {dot(from, frame.across), dot(from, frame.up)};
}

double depthOf(const PanelFrame& frame, Vec3 p) { return dot(p - frame.origin, frame.outward); }

Point drawingDirectionOf(const PanelFrame& frame, Vec3 direction) {
    return {dot(direction, frame.across), dot(direction, frame.up)};
}

Extent extentOf(const PanelRegion& region) {
    Extent extent;
    for (const RegionContour& contour : region.contours) {
        for (const Point p : contour.points) {
            extent.include(p);
        }
    }
    return extent;
}

Bounds3 boundsOf(const AssembledPanel& panel, const Extent& drawn) {
    std::array<Vec3, 8> corners;
    std::size_t i = 0;
    for (const double x : {drawn.minX, drawn.maxX}) {
        for (const double y : {drawn.minY, drawn.maxY}) {
            for (const double depth : {0.0, panel.thickness}) {
                corners[i++] = panel.frame.at({x, y}, depth);
            }
        }
    }
    return boundsOfCorners(corners);
}

Bounds3 boundsOf(const AssembledPanel& panel) { return boundsOf(panel, extentOf(panel.region)); }

Extent drawnExtentOf(const PanelFrame& frame, const Bounds3& room) {
    Extent extent;
    for (const double x : {room.low.x, room.high.x}) {
        for (const double y : {room.low.y, room.high.y}) {
            for (const double z : {room.low.z, room.high.z}) {
                extent.include(drawingPointOf(frame, {x, y, z}));
            }
        }
    }
    return extent;
}

Bounds3 commonPart(const Bounds3& a, const Bounds3& b) {
    return {{std::max(a.low.x, b.low.x), std::max(a.low.y, b.low.y), std::max(a.low.z, b.low.z)},
            {std::min(a.high.x, b.high.x), std::min(a.high.y, b.high.y), std::min(a.high.z, b.high.z)}};
}

bool hasRoom(const Bounds3& room, double tolerance) {
    const Vec3 size = room.high - room.low;
    return size.x > tolerance && size.y > tolerance && size.z > tolerance;
}

Vec3 centreOf(const Bounds3& room) { return 0.5 * (room.low + room.high); }

bool perpendicular(const PanelFrame& a, const PanelFrame& b) { return std::abs(dot(a.outward, b.outward)) < 1e-9; }

}  // namespace tessaro
