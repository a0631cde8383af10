#pragma once

#include <functional>
#include <span>
#include <vector>

#include "drawing/edge_step.h"
#include "drawing/pen.h"
#include "drawing/relief.h"

namespace tessaro {

// The step drawn with `primitive` when relief is on, as a plain line otherwise.
[[nodiscard]] EdgeStep reliefOr(Relief relief, ReliefEdge primitive);

// A straight edge that carries tabs: a corner piece, tabs separated by gaps, a corner
// piece. The tabs stand out to the `out` side; the corners next to them are the
// inside corners that get relief.
struct ToothedEdge {
    Vec along;       // unit direction of travel
    Vec out;         // unit direction in which the tabs stand out
    double end = 0;  // corner piece at each end
    double tab = 0;  // length of a tab
    double gap = 0;  // length of a gap between two tabs
    int tabs = 0;
    double height = 0;  // how far a tab stands out

    // An edge of `length` with `tabs` tabs divided by the tab rule: tabs and gaps
    // of (length / 2) / tabs, and half of that at each end.
    static ToothedEdge divided(double length, int tabs, double height, Vec along, Vec out);
};

// The steps that draw an edge's straight pieces; the tabs' sides and tips are plain lines.
struct EdgeSteps {
    EdgeStep firstEnd;
    EdgeStep gap;
    EdgeStep lastEnd;
};

void drawToothedEdge(Pen& pen, const ToothedEdge& edge, const EdgeSteps& steps);

// Draws a panel's edge from the current point. With relief on, the corner pieces carry a
// notch at their tab end and the gaps at both ends; `gapStep` draws the gaps when
// relief is off (a plain line, or a screw slot).
void drawToothedEdge(Pen& pen, const ToothedEdge& edge, Relief relief, const EdgeStep& gapStep = plainStep);

// The way a closed cut-out is traced (Y up); it decides the side of its relief notches,
// which always go into the material around the cut-out.
enum class Winding { CounterClockwise, Clockwise };

// The winding of a rectangle whose first two sides run in the unit directions `first`,
// then `second`. Taken from the directions, not from the sizes, so a slot keeps its
// notch side whatever values the table holds.
[[nodiscard]] Winding windingOf(Vec first, Vec second);

// A rectangular slot traced from a corner: `across` its width, `along` its length,
// back across and back along. Only the long sides carry relief notches.
struct Slot {
    Vec across;
    Vec along;
    Winding winding = Winding::CounterClockwise;
    bool alongFirst = false;  // trace the long side first
};

void drawSlot(Pen& pen, const Slot& slot, Relief relief);

// Slots in a row, each begun at the corner where the last one began plus `pitch`.
// `between` may draw something between two slots (a screw hole) from the corner
// of the slot before; the move to the next corner follows it.
struct SlotRow {
    int count = 0;
    Vec pitch;
    bool moveAfterLast = false;  // some rows end with a move that starts nothing
};

void drawSlotRow(Pen& pen, const SlotRow& row, const std::function<void()>& drawSlotHere,
                 const std::function<void()>& between = {});

// Curves are cut as straight segments that stray from the curve by less than this, in mm.
inline constexpr double kLargestChordError = 0.01;

// Points along an arc of `radius` about `centre`, from `fromAngle` through `sweep` radians
// (counterclockwise when positive), both ends included.
[[nodiscard]] std::vector<Point> arcPoints(Point centre, double radius, double fromAngle, double sweep);

// Closed outlines as points, counterclockwise, the last point the first.
// A rectangle centred on `centre`, its corners rounded by `radius` (square at 0).
[[nodiscard]] std::vector<Point> roundedRectangleOutline(Point centre, double width, double height, double radius);
[[nodiscard]] std::vector<Point> circleOutline(Point centre, double diameter);
// A slot of that whole length and width whose two shorter sides are half circles.
[[nodiscard]] std::vector<Point> roundedSlotOutline(Point centre, double length, double width);

// An outline of the given role through points given from the pen's origin.
void traceFromOrigin(Pen& pen, OutlineRole role, std::span<const Point> points);

}  // namespace tessaro
