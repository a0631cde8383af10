#include "gui/drawing_painter.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace tessaro::gui {
namespace {

// Which sides of the visible rectangle a point lies beyond, one bit each.
int outsideBits(QPointF p, const QRectF& r) {
    return (p.x() < r.left() ? 1 : 0) | (p.x() > r.right() ? 2 : 0) | (p.y() < r.top() ? 4 : 0) |
           (p.y() > r.bottom() ? 8 : 0);
}

bool samePixel(QPointF a, QPointF b) {
    return std::floor(a.x()) == std::floor(b.x()) && std::floor(a.y()) == std::floor(b.y());
}

// The outline as screen points with the merges described in the header. A segment
// between two points beyond the same side cannot cross the visible rectangle, so a
// run of them is drawn as one segment to the run's last point.
void thinOutline(std::span<const DrawingPoint> outline, const DrawingView& view, const QRectF& visible,
                 QPolygonF& out) {
    out.clear();
    QPointF last = view.toScreen(outline.front());
    out.append(last);
    bool held = false;
    QPointF heldPoint;
    for (std::size_t i = 1; i < outline.size(); ++i) {
        const QPointF p = view.toScreen(outline[i]);
        if ((outsideBits(last, visible) & outsideBits(p, visible)) != 0) {
            held = true;
            heldPoint = p;
            continue;
        }
        if (held) {
            out.append(heldPoint);
            held = false;
        } else if (samePixel(last, p)) {
            continue;
        }
        out.append(p);
        last = p;
    }
    const QPointF end = view.toScreen(outline.back());
    if (out.size() == 1 || out.constLast() != end) {
        out.append(end);
    }
}

}  // namespace

void paintDrawing(QPainter& painter, const EpsDrawing& drawing, const DrawingView& view, const QRectF& visible) {
    // One pixel of margin so that a line on the rectangle's edge is still drawn.
    const QRectF bounds = visible.adjusted(-1, -1, 1, 1);
    QPolygonF screen;
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        thinOutline(drawing.outline(i), view, bounds, screen);
        painter.drawPolyline(screen);
    }
}

}  // namespace tessaro::gui
