#pragma once

#include <cstddef>
#include <vector>

#include "drawing/drawing.h"

namespace tessaro {

// The outlines of one part of the drawing, as indexes, in the order they were drawn.
[[nodiscard]] std::vector<std::size_t> drawingOrder(const Drawing& drawing, std::size_t part);

// The outlines of one part in the order a cutter takes them, so that no piece falls free
// before what is cut out of it: an outline lying inside more closed cuts comes first, then,
// among equals, engravings, inner cuts, outer cuts and last the marks; otherwise drawing
// order. An inner cut across a piece's edge lies inside nothing and still precedes the edge.
[[nodiscard]] std::vector<std::size_t> cuttingOrder(const Drawing& drawing, std::size_t part);

// One of the two, as a writer is asked.
[[nodiscard]] std::vector<std::size_t> outlineOrder(const Drawing& drawing, std::size_t part, bool innerCutsFirst);

}  // namespace tessaro
