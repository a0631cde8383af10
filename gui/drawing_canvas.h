#pragma once

#include <QWidget>
#include <memory>

#include "drawing/drawing.h"
#include "gui/drawing_view.h"

namespace tessaro::gui {

// The drawing under the user's hand: the wheel zooms around the cursor, a drag with
// the left button pans, a double click fits. It reports the cursor in millimetres.
class DrawingCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit DrawingCanvas(QWidget* parent = nullptr);

    // A new drawing is shown whole.
    void setDrawing(std::shared_ptr<const Drawing> drawing);
    void fit();
    // Zooms by the factor around the middle of the canvas, as the keys + and - do.
    void zoomBy(double factor);
    [[nodiscard]] const DrawingView& view() const { return view_; }
    [[nodiscard]] const Drawing& drawing() const { return *drawing_; }

signals:
    void cursorMoved(tessaro::Point millimetres);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::shared_ptr<const Drawing> drawing_;
    DrawingView view_;
    // Until the user zooms or pans, the view follows the window's size.
    bool fitted_ = true;
    bool dragging_ = false;
    QPointF dragFrom_;
};

}  // namespace tessaro::gui
