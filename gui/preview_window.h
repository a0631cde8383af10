#pragma once

#include <QWidget>
#include <memory>

#include "output/eps_reader.h"

class QLabel;
class QPushButton;

namespace tessaro::gui {

class DrawingCanvas;

// The large preview: the drawing to zoom and pan, a button that fits it again, its
// extent and the cursor position in millimetres.
class PreviewWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    void setDrawing(std::shared_ptr<const EpsDrawing> drawing);
    void setEnglish(bool english);
    [[nodiscard]] DrawingCanvas* canvas() const { return canvas_; }

private:
    void showCursor(DrawingPoint millimetres);

    DrawingCanvas* canvas_ = nullptr;
    QPushButton* fit_ = nullptr;
    QLabel* extent_ = nullptr;
    QLabel* cursor_ = nullptr;
    bool english_ = false;
};

}  // namespace tessaro::gui
