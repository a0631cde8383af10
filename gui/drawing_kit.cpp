#include "gui/drawing_kit.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <exception>
#include <utility>

#include "model/ports.h"

namespace tessaro::gui {
namespace {

Outlines outlinesOf(const Drawing& drawing) {
    Outlines outlines;
    for (std::size_t i = 0; i < drawing.outlineCount(); ++i) {
        QPolygonF outline;
        for (const Point point : drawing.outline(i).points) {
            outline << QPointF(point.x, point.y);
        }
        outlines.push_back(outline);
    }
    return outlines;
}

}  // namespace

Outlines drawn(const std::function<void(Workbench&)>& draw, const std::function<void(Workbench&)>& configure) {
    StandInClock clock;
    SilentMessages messages;
    Workbench wb(clock, messages);
    if (configure) {
        configure(wb);
    }
    try {
        draw(wb);
    } catch (const std::exception&) {
        return {};
    }
    return outlinesOf(wb.drawing);
}

QRectF boundsOf(const Outlines& outlines) {
    QRectF bounds;
    for (const QPolygonF& outline : outlines) {
        bounds = bounds.united(outline.boundingRect());
    }
    return bounds;
}

Outlines transformed(const Outlines& outlines, const QTransform& t) {
    Outlines result;
    for (const QPolygonF& outline : outlines) {
        result.push_back(t.map(outline));
    }
    return result;
}

QTransform fitting(const QRectF& mm, const QRectF& pixels) {
    const double scale = std::min(pixels.width() / mm.width(), pixels.height() / mm.height());
    QTransform t;
    t.translate(pixels.center().x(), pixels.center().y());
    t.scale(scale, -scale);
    t.translate(-mm.center().x(), -mm.center().y());
    return t;
}

QPixmap blank(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    return pixmap;
}

void prepare(QPainter& p, int pointSize) {
    p.setRenderHint(QPainter::Antialiasing);
    QFont font("DejaVu Sans");
    font.setPixelSize(pointSize + 3);
    p.setFont(font);
}

void paintPanel(QPainter& p, const Outlines& outlines, const QTransform& t, double lineWidth) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF& outline : outlines) {
        path.addPolygon(t.map(outline));
        path.closeSubpath();
    }
    p.setPen(QPen(kCut, lineWidth));
    p.setBrush(kMaterial);
    p.drawPath(path);
}

void label(QPainter& p, QPointF centre, const QString& text, QColor colour) {
    const QRectF box(centre.x() - 100, centre.y() - 20, 200, 40);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, QPointF labelAt) {
    p.setPen(QPen(kMark, 1));
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    for (auto [tip, dir] : {std::pair{a, d}, std::pair{b, -d}}) {
        p.setBrush(kMark);
        p.drawPolygon(QPolygonF({tip, tip + 5 * dir + 2.5 * n, tip + 5 * dir - 2.5 * n}));
    }
    label(p, labelAt, text, kMark);
}

}  // namespace tessaro::gui
