#pragma once

#include <QWidget>
#include <memory>

#include "drawing/drawing.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace tessaro::gui {

class AssemblyPage;
class DrawingCanvas;

// The large preview, on two pages: the drawing to zoom and pan, a button that fits it
// again, its extent and the cursor position in millimetres; and the assembled box in 3D.
class PreviewWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    void setDrawing(std::shared_ptr<const Drawing> drawing);
    void setEnglish(bool english);
    [[nodiscard]] DrawingCanvas* canvas() const { return canvas_; }
    [[nodiscard]] AssemblyPage* assemblyPage() const { return assembly_; }
    void showAssemblyPage();

private:
    void showCursor(Point millimetres);
    // The keys + and - zoom the page shown, 0 fits it; Esc closes the window.
    void addKeys();
    void zoomBy(double steps);
    void fitPage();

    QTabWidget* pages_ = nullptr;
    QWidget* drawingPage_ = nullptr;
    AssemblyPage* assembly_ = nullptr;
    DrawingCanvas* canvas_ = nullptr;
    QPushButton* fit_ = nullptr;
    QLabel* extent_ = nullptr;
    QLabel* cursor_ = nullptr;
    bool english_ = false;
};

}  // namespace tessaro::gui
