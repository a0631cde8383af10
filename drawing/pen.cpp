#include "drawing/pen.h"

#include <cmath>

#include "drawing/drawing_error.h"

namespace tessaro {

Point Pen::step(double dx, double dy) {
    currentX += dx;
    currentY += dy;
    if (!std::isfinite(currentX) || !std::isfinite(currentY)) {
        throw DrawingError("A coordinate of the drawing is too large to be written; check the table values");
    }
    return {currentX, currentY};
}

void Pen::begin(double dx, double dy, OutlineRole role) { drawing_.beginOutline(step(dx, dy), role); }

void Pen::lineTo(double dx, double dy) { drawing_.lineTo(step(dx, dy)); }

}  // namespace tessaro
