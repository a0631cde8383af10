#pragma once

#include "drawing/drawing.h"
#include "drawing/rigid_parts.h"

namespace tessaro {

// The material a piece is cut from, in square millimetres: its closed outer cut less the
// closed inner cuts it holds or crosses. An open cut (the spiral, a toothed edge cut into
// a board) encloses nothing, and a piece of the stock is cut-outs only: both count 0.
[[nodiscard]] double pieceArea(const RigidPart& piece);

// The sum of the drawing's pieces' areas.
[[nodiscard]] double piecesArea(const Drawing& drawing);

}  // namespace tessaro
