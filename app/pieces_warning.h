#pragma once

#include <string>
#include <vector>

#include "assembly/parts_in_pieces.h"
#include "drawing/drawing.h"
#include "model/ports.h"

namespace tessaro {

// One line a part: "The left side falls apart into 21 pieces when cut: ...".
[[nodiscard]] std::string fallingApartWarning(const std::vector<PartInPieces>& parts);

// Shows the warning, in one box, when a part of the drawing falls apart when cut. Advice
// only: the drawing stays as it is, and it is not looked for when no one hears the box.
void warnIfPartsFallApart(MessageBox& messages, const Drawing& drawing);

}  // namespace tessaro
