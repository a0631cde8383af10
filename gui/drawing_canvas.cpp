#include "gui/drawing_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "gui/drawing_painter.h"

namespace tessaro::gui {
namespace {

constexpr int kMargin = 12;
// One notch of a common wheel (120 eighths of a degree) zooms by a fifth.
constexpr double kZoomPerNotch = 1.2;
constexpr double kEighthsPerNotch = 120;

}  // namespace

DrawingCanvas::DrawingCanvas(QWidget* parent) : QWidget(parent), drawing_(std::make_shared<const Drawing>()) {
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setMinimumSize(200, 150);
}

void DrawingCanvas::setDrawing(std::shared_ptr<const Drawing> drawing) {
    drawing_ = std::move(drawing);
    fit();
}

void DrawingCanvas::fit() {
    view_ = DrawingView::fitting(drawing_->extent(), QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin));
    fitted_ = true;
    update();
}

void DrawingCanvas::zoomBy(double factor) {
    view_.zoomAround(QRectF(rect()).center(), factor);
    fitted_ = false;
    update();
}

void DrawingCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 0));
    paintDrawing(painter, *drawing_, view_, rect());
}

void DrawingCanvas::resizeEvent(QResizeEvent*) {
    if (fitted_) {
        fit();
    }
}

void DrawingCanvas::wheelEvent(QWheelEvent* event) {
    view_.zoomAround(event->position(), std::pow(kZoomPerNotch, event->angleDelta().y() / kEighthsPerNotch));
    fitted_ = false;
    update();
    event->accept();
}

void DrawingCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void DrawingCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        view_.pan(event->position() - dragFrom_);
        dragFrom_ = event->position();
        fitted_ = false;
        update();
    }
    emit cursorMoved(view_.toDrawing(event->position()));
}

void DrawingCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
        setCursor(Qt::CrossCursor);
    }
}

void DrawingCanvas::mouseDoubleClickEvent(QMouseEvent*) { fit(); }

}  // namespace tessaro::gui
