#include "gui/drawing_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tessaro::gui {
namespace {

// A zero-width or zero-height drawing (a single line) still fits by its other side.
double fittingScale(double room, double size) {
    return size > 0 ? room / size : std::numeric_limits<double>::infinity();
}

// Zoom stays where doubles keep the drawing's six decimals apart and in range.
constexpr double kMinScale = 1e-4;
constexpr double kMaxScale = 1e5;

}  // namespace

DrawingView DrawingView::fitting(const Extent& extent, const QRectF& area) {
    DrawingView view;
    if (!extent.empty) {
        const double scale =
            std::min(fittingScale(area.width(), extent.width()), fittingScale(area.height(), extent.height()));
        view.scale_ = std::clamp(std::isinf(scale) ? 1.0 : scale, kMinScale, kMaxScale);
    }
    const Point centre{(extent.minX + extent.maxX) / 2, (extent.minY + extent.maxY) / 2};
    view.origin_ = area.center() - QPointF(centre.x * view.scale_, -centre.y * view.scale_);
    return view;
}

void DrawingView::zoomAround(QPointF screen, double factor) {
    const Point fixed = toDrawing(screen);
    scale_ = std::clamp(scale_ * factor, kMinScale, kMaxScale);
    origin_ = screen - QPointF(fixed.x * scale_, -fixed.y * scale_);
}

}  // namespace tessaro::gui
