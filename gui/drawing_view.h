#pragma once

#include <QPointF>
#include <QRectF>

#include "drawing/drawing.h"

namespace tessaro::gui {

// Where the drawing's millimetres land on the screen: a scale in pixels per millimetre
// and the screen point of the drawing's origin. Y points up in the drawing, down on screen.
class DrawingView {
public:
    // The whole extent centred in the area, as large as it fits.
    [[nodiscard]] static DrawingView fitting(const Extent& extent, const QRectF& area);

    [[nodiscard]] QPointF toScreen(Point p) const { return {origin_.x() + p.x * scale_, origin_.y() - p.y * scale_}; }
    [[nodiscard]] Point toDrawing(QPointF screen) const {
        return {(screen.x() - origin_.x()) / scale_, (origin_.y() - screen.y()) / scale_};
    }
    [[nodiscard]] double scale() const { return scale_; }

    // Scales by factor keeping the drawing point under the screen point where it is.
    void zoomAround(QPointF screen, double factor);
    void pan(QPointF screenDelta) { origin_ += screenDelta; }

private:
    double scale_ = 1;
    QPointF origin_;
};

}  // namespace tessaro::gui
