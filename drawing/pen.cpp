#include "drawing/pen.h"

#include <cmath>

#include "drawing/drawing_error.h"

namespace tessaro {

Point steppedFrom(Point from, double dx, double dy) {
    const Point to{from.x + dx, from.y + dy};
    if (!std::isfinite(to.x) || !std::isfinite(to.y)) {
        throw DrawingError("A coordinate of the drawing is too large to be written; check the table values");
    }
    return to;
}

Point Pen::step(double dx, double dy) {
    const Point to = steppedFrom({currentX, currentY}, dx, dy);
    currentX = to.x;
    currentY = to.y;
    return to;
}

void Pen::begin(double dx, double dy, OutlineRole role) { drawing_.beginOutline(step(dx, dy), role); }

void Pen::lineTo(double dx, double dy) { drawing_.lineTo(step(dx, dy)); }

void Pen::drawStreamed(std::shared_ptr<const PointSource> points, OutlineRole role) {
    const std::size_t added = drawing_.outlineCount();
    drawing_.addStreamedOutline(std::move(points), role);
    if (drawing_.outlineCount() > added) {
        const Point last = drawing_.reading(added).back();
        currentX = last.x;
        currentY = last.y;
    }
}

}  // namespace tessaro
