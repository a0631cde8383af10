#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "drawing/drawing.h"

namespace tessaro {

using DrawnOutline = std::vector<Point>;

// One outline of a piece, in the role it was drawn in.
struct PieceOutline {
    DrawnOutline points;
    OutlineRole role = OutlineRole::OuterCut;
    std::size_t index = 0;  // in the drawing
};

// One piece of material as it is cut out: an outer cut and what rides with it (the inner
// cuts inside it or across its edge, the lines engraved on it, the marks placed for it).
struct RigidPart {
    std::string name;  // of the drawing's part it comes from
    // In drawing order; a piece of the stock has no outer cut.
    std::vector<PieceOutline> outlines;
    bool fromStock = false;
    // Where the cutter goes for this piece: the outer outline, grown by the inner cuts
    // that cross it. No other piece may come nearer than the gap to it. Engraved lines
    // and marks cut nothing and are not part of it.
    DrawnOutline footprint;
    Extent extent;  // of the footprint
};

// The piece's outer cut; none for a piece of the stock.
[[nodiscard]] const DrawnOutline* outerCutOf(const RigidPart& part);

// Whether the point lies inside the outline, by even-odd ray crossing; an open outline
// counts as closed by its last line back to the start.
[[nodiscard]] bool holdsPoint(std::span<const Point> outline, Point p);

// The drawing's pieces in drawing order. Within each part every outer cut is a piece;
// each inner cut or engraved line goes with the largest outer cut that holds it, or else
// with the largest one it crosses, and each mark with the outer cut that holds it, or
// else the nearest. What no outer cut takes is on the stock: it stays together, in its
// drawn places, as one piece framed by the extent of its cuts.
[[nodiscard]] std::vector<RigidPart> rigidParts(const Drawing& drawing);

// The pieces of one part of the drawing.
[[nodiscard]] std::vector<RigidPart> rigidPartsOf(const Drawing& drawing, std::size_t part);

}  // namespace tessaro
