#pragma once

#include "assembly/box_assembly.h"
#include "assembly/space.h"
#include "drawing/drawing.h"

namespace tessaro {

// Where a point of the box lies in a panel's drawing plane, and how deep into the
// panel's thickness; the frames' directions are unit vectors at right angles.
[[nodiscard]] Point drawingPointOf(const PanelFrame& frame, Vec3 p);
[[nodiscard]] double depthOf(const PanelFrame& frame, Vec3 p);

// The drawing-plane direction of a direction of the box (its part in the panel's plane).
[[nodiscard]] Point drawingDirectionOf(const PanelFrame& frame, Vec3 direction);

// The rectangle that holds every point of a region.
[[nodiscard]] Extent extentOf(const PanelRegion& region);

// The room taken by a rectangle of a panel's drawing, through the panel's thickness.
[[nodiscard]] Bounds3 boundsOf(const AssembledPanel& panel, const Extent& drawn);
[[nodiscard]] Bounds3 boundsOf(const AssembledPanel& panel);

// The rectangle of a panel's drawing plane that a box of the assembly projects onto.
[[nodiscard]] Extent drawnExtentOf(const PanelFrame& frame, const Bounds3& room);

// The common part of two boxes; `high` below `low` on some axis when they do not meet.
[[nodiscard]] Bounds3 commonPart(const Bounds3& a, const Bounds3& b);
// Whether a box has room inside it on every axis, more than `tolerance` across.
[[nodiscard]] bool hasRoom(const Bounds3& room, double tolerance);

[[nodiscard]] Vec3 centreOf(const Bounds3& room);

// Whether two panels stand at right angles to each other.
[[nodiscard]] bool perpendicular(const PanelFrame& a, const PanelFrame& b);

}  // namespace tessaro
