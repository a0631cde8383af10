#pragma once

#include <QRectF>

#include "drawing/drawing.h"
#include "gui/drawing_view.h"

class QPainter;

namespace tessaro::gui {

// Strokes every outline of the drawing through the view with the painter's pen, in the
// colour of its operation as the files have it: outer cuts black, inner cuts blue,
// engravings green.
// Steps that stay inside one pixel, and runs of steps beyond one side of the visible
// rectangle, are merged: the largest spiral costs what the screen shows, not its
// hundreds of thousands of lines.
void paintDrawing(QPainter& painter, const Drawing& drawing, const DrawingView& view, const QRectF& visible);

}  // namespace tessaro::gui
