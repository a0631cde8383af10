#include "drawing/outlines.h"

namespace tessaro {

void traceHalfTurnOutline(Pen& pen, std::initializer_list<Vec> firstHalf) {
    for (Vec step : firstHalf) {
        pen.lineTo(step.x, step.y);
    }
    for (Vec step : firstHalf) {
        pen.lineTo(-step.x, -step.y);
    }
}

void drawRectangle(Pen& pen, double width, double height) { traceHalfTurnOutline(pen, {{width, 0}, {0, height}}); }

void drawChamferedRectangle(Pen& pen, double width, double height, double chamfer) {
    const double c = chamfer;
    traceHalfTurnOutline(pen, {{width - 2 * c, 0}, {c, c}, {0, height - 2 * c}, {-c, c}});
}

}  // namespace tessaro
