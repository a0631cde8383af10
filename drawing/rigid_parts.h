#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "drawing/drawing.h"

namespace tessaro {

using DrawnOutline = std::vector<Point>;

// One piece of material as it is cut out: an outer cut and the inner cuts inside it or
// across its edge (slots, holes, notches cut through the edge), which move with it.
struct RigidPart {
    std::string name;  // of the drawing's part it comes from
    // The outer cut first, then the inner cuts in drawing order; a piece of the stock has
    // inner cuts only.
    std::vector<DrawnOutline> outlines;
    bool fromStock = false;
    // Where the cutter goes for this piece: the outer outline, grown by the outlines that
    // cross it. No other piece may come nearer than the gap to it.
    DrawnOutline footprint;
    Extent extent;  // of the footprint
    // Lines engraved on the piece: they move with it and cut nothing.
    std::vector<DrawnOutline> engraved;
};

// Whether the point lies inside the outline, by even-odd ray crossing; an open outline
// counts as closed by its last line back to the start.
[[nodiscard]] bool holdsPoint(const DrawnOutline& outline, Point p);

// The drawing's pieces in drawing order. Within each part every outer cut is a piece;
// each inner cut goes with the largest outer cut that holds it, or else with the largest
// one it crosses. Inner cuts that no outer cut takes are cut from the stock: they stay
// together, in their drawn places, as one piece framed by their extent. Engraved lines go
// with a piece as inner cuts would, apart from them. Marks cut nothing and are left out.
[[nodiscard]] std::vector<RigidPart> rigidParts(const Drawing& drawing);

// The pieces of one part of the drawing.
[[nodiscard]] std::vector<RigidPart> rigidPartsOf(const Drawing& drawing, std::size_t part);

}  // namespace tessaro
