#include "output/pen.h"

#include <cmath>

#include "output/drawing_error.h"
#include "output/number_text.h"

namespace tessaro {

void Pen::step(double dx, double dy, std::string_view keyword) {
    CurX += dx;
    CurY += dy;
    if (!std::isfinite(CurX) || !std::isfinite(CurY)) {
        throw DrawingError("A coordinate of the drawing is too large to be written; check the table values");
    }
    line_.clear();
    appendCoordinate(line_, CurX);
    line_.push_back(' ');
    appendCoordinate(line_, CurY);
    line_.push_back(' ');
    line_.append(keyword);
    document_.append(line_);
}

}  // namespace tessaro
