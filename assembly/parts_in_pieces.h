#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "drawing/drawing.h"

namespace tessaro {

// A part of a drawing whose material comes out of the sheet in more than one piece.
struct PartInPieces {
    std::string name;
    std::size_t pieces = 0;
};

// The parts whose material (their outer cuts less the inner cuts drawn with them) falls
// apart when cut, as slots and notches that run through a thin frame cut slivers off it.
// Parts with an open outer cut, such as the spiral, have no material to fall apart.
[[nodiscard]] std::vector<PartInPieces> partsInPieces(const Drawing& drawing);

}  // namespace tessaro
