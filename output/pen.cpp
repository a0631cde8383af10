#include "output/pen.h"

#include <cmath>
#include <string>

#include "output/drawing_error.h"
#include "output/number_text.h"

namespace tessaro {

void Pen::step(double dx, double dy, std::string_view keyword) {
    CurX += dx;
    CurY += dy;
    if (!std::isfinite(CurX) || !std::isfinite(CurY)) {
        throw DrawingError("A coordinate of the drawing is too large to be written; check the table values");
    }
    std::string line;
    line.reserve(32);
    appendCoordinate(line, CurX);
    line.push_back(' ');
    appendCoordinate(line, CurY);
    line.push_back(' ');
    line.append(keyword);
    document_.append(line);
}

}  // namespace tessaro
