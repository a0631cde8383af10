#pragma once

#include <initializer_list>

#include "drawing/edge_step.h"
#include "drawing/pen.h"

namespace tessaro {

// Closed outlines of plain lines, traced from the current point, which they leave
// on their start point (up to the rounding of the sums).

// An outline that a half turn maps onto itself: the steps given, then each of them
// again in the opposite direction.
void traceHalfTurnOutline(Pen& pen, std::initializer_list<Vec> firstHalf);

// A rectangle, counterclockwise from its lower-left corner.
void drawRectangle(Pen& pen, double width, double height);

// A rectangle whose corners are cut off at 45 degrees, `chamfer` along both sides;
// counterclockwise from the start of its bottom side, `chamfer` right of the corner.
void drawChamferedRectangle(Pen& pen, double width, double height, double chamfer);

}  // namespace tessaro
