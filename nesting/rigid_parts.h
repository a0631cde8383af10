#pragma once

#include <cstddef>
#include <vector>

#include "output/eps_reader.h"

namespace tessaro {

using DrawnOutline = std::vector<DrawingPoint>;

// One piece of material as it is cut out: an outer outline and the outlines inside it
// or across its edge (slots, holes, notches cut through the edge), which move with it.
struct RigidPart {
    std::vector<DrawnOutline> outlines;  // the outer outline first, then the others in drawing order
    // Where the cutter goes for this piece: the outer outline, grown by the outlines that
    // cross it. No other piece may come nearer than the gap to it.
    DrawnOutline footprint;
    Extent extent;  // of the footprint
};

// The drawing's pieces in drawing order. Within each part of the drawing (a "stroke"
// group) every outline that no other outline holds or crosses is a piece of its own, so
// a group that draws several flat pieces yields several. A lone move draws nothing and
// is left out.
[[nodiscard]] std::vector<RigidPart> rigidParts(const EpsDrawing& drawing);

// The pieces of one part of the drawing (its `part`-th "stroke" group).
[[nodiscard]] std::vector<RigidPart> rigidPartsOf(const EpsDrawing& drawing, std::size_t part);

}  // namespace tessaro
