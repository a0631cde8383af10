#include "output/pen.h"

#include <cmath>

#include "output/drawing_error.h"
#include "output/number_text.h"

namespace tessaro {

void Pen::step(double dx, double dy, std::string_view keyword) {
    currentX += dx;
    currentY += dy;
    if (!std::isfinite(currentX) || !std::isfinite(currentY)) {
        throw DrawingError("A coordinate of the drawing is too large to be written; check the table values");
    }
    line_.clear();
    appendCoordinate(line_, currentX);
    line_.push_back(' ');
    appendCoordinate(line_, currentY);
    line_.push_back(' ');
    line_.append(keyword);
    document_.append(line_);
}

}  // namespace tessaro
