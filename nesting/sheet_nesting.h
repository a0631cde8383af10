#pragma once

#include <vector>

#include "drawing/drawing.h"
#include "drawing/drawing_error.h"

namespace tessaro {

// The usable area of the user's machine bed, in millimetres.
struct SheetSize {
    double width = 0;
    double height = 0;
};

// A piece that fits the sheet in neither orientation; the message names the piece and
// its size, and nothing is nested.
class PartTooLarge : public DrawingError {
public:
    using DrawingError::DrawingError;
};

// Nests the pieces of the drawing onto as few sheets as it can: each piece moved and
// turned by a multiple of 90 degrees, never closer than `gap` to another piece or to
// the sheet's edge. One drawing per sheet, each with the template's header and the
// bounding box of its own pieces.
[[nodiscard]] std::vector<Drawing> nestOntoSheets(const Drawing& drawing, SheetSize sheet, double gap);

}  // namespace tessaro
