#include "gui/drawing_painter.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "output/layer_colours.h"

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

// A step may be left out of the drawn line while nothing of it can be seen: the step
// and the shortcut from the last point drawn to its end both lie beyond one side.
bool unseenStep(QPointF from, QPointF to, QPointF lastDrawn, const QRectF& r) {
    const int beyond = outsideBits(to, r);
    return (outsideBits(from, r) & beyond) != 0 && (outsideBits(lastDrawn, r) & beyond) != 0;
}

// The outline as screen points with the merges described in the header. Unseen steps
// are held back; the last of them is drawn as soon as a step may be seen, so a segment
// that crosses the view is never lost. A step inside the pixel of the last point drawn
// is merged.
void thinOutline(std::span<const Point> outline, const DrawingView& view, const QRectF& visible, QPolygonF& out) {
    out.clear();
    QPointF previous = view.toScreen(outline.front());
    QPointF lastDrawn = previous;
    out.append(lastDrawn);
    bool held = false;
    for (std::size_t i = 1; i < outline.size(); ++i) {
        const QPointF p = view.toScreen(outline[i]);
        if (held && !unseenStep(previous, p, lastDrawn, visible)) {
            out.append(previous);
            lastDrawn = previous;
            held = false;
        }
        if (unseenStep(previous, p, lastDrawn, visible)) {
            held = true;
        } else if (!samePixel(lastDrawn, p)) {
            out.append(p);
            lastDrawn = p;
        }
        previous = p;
    }
    const QPointF end = view.toScreen(outline.back());
    if (out.size() == 1 || out.constLast() != end) {
        out.append(end);
    }
}

}  // namespace

void paintDrawing(QPainter& painter, const Drawing& drawing, const DrawingView& view, const QRectF& visible) {
    // One pixel of margin so that a line on the rectangle's edge is still drawn.
    const QRectF bounds = visible.adjusted(-1, -1, 1, 1);
    QPolygonF screen;
    QPen pen = painter.pen();
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        const Outline outline = drawing.outline(i);
        const CutLayer& layer = layerOf(outline.role);
        pen.setColor(QColor(layer.red, layer.green, layer.blue));
        painter.setPen(pen);
        thinOutline(outline.points, view, bounds, screen);
        painter.drawPolyline(screen);
    }
}

}  // namespace tessaro::gui
