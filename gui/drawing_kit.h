#pragma once

#include <QColor>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QTransform>
#include <functional>
#include <vector>

#include "model/workbench.h"

namespace tessaro::gui {

// What the window's pictures are drawn with: the program's own outlines, placed to scale
// on a pixmap, and the marks and labels around them.

inline const QColor kCut(30, 30, 30);
inline const QColor kMaterial(222, 205, 170);  // plywood
inline const QColor kHole(255, 255, 255);
inline const QColor kMark(0, 0, 200);

// The outlines of an EPS document, as the body reader finds them; millimetres, Y up.
using Outlines = std::vector<QPolygonF>;

// Draws on a fresh workbench with the default tables, set up by `configure`, and returns
// its outlines; none when the drawing fails. A command writes its own header; a shape
// drawn by itself follows the marker put in first.
[[nodiscard]] Outlines drawn(const std::function<void(Workbench&)>& draw,
                             const std::function<void(Workbench&)>& configure = {});

[[nodiscard]] QRectF boundsOf(const Outlines& outlines);
[[nodiscard]] Outlines transformed(const Outlines& outlines, const QTransform& t);
// Millimetres (Y up) into a pixel rectangle (Y down), keeping the proportions.
[[nodiscard]] QTransform fitting(const QRectF& mm, const QRectF& pixels);

// A white pixmap of the size.
[[nodiscard]] QPixmap blank(QSize size);
// Antialiased, with the labels' font at pointSize + 3 pixels.
void prepare(QPainter& p, int pointSize = 7);
// Fills a panel: its outer outline in the material colour, its cut-outs white.
void paintPanel(QPainter& p, const Outlines& outlines, const QTransform& t, double lineWidth = 1.0);
// A text centred on a point.
void label(QPainter& p, QPointF centre, const QString& text, QColor colour = kCut);
// A dimension line with arrow heads between two pixel points and its label beside it.
void dimension(QPainter& p, QPointF a, QPointF b, const QString& text, QPointF labelAt);

}  // namespace tessaro::gui
