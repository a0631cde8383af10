#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstddef>
#include <memory>

#include "drawing/drawing.h"
#include "gui/drawing_view.h"
#include "gui/settled_work.h"
#include "output/line_list.h"

namespace tessaro::gui {

class PreviewWindow;

// The template as it will be cut: every outline of the EPS document to scale, fitted,
// Y up, with the extent in millimetres below. A double click opens the large window.
class PreviewWidget final : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWidget(QWidget* parent = nullptr);
    ~PreviewWidget() override;

    // Reads the document again and redraws; the large window, if open, follows.
    // sheets: how many sheets the document shows side by side; 0 when it is no sheet.
    // rendered: the drawing as renderedPreview draws it at this widget's size, or none.
    // A large drawing the widget must render itself (none given, a new size) is rendered
    // on a worker, the caption saying so meanwhile.
    void showDrawing(std::shared_ptr<const Drawing> drawing, QImage rendered = {}, std::size_t sheets = 0);
    // Keeps the drawing, dimmed, with what is wrong written under it, until the next one.
    void showProblem(const QString& problem);
    // A slow redraw is on its way: the caption says so until the drawing or a problem comes.
    void showRedrawPending();
    [[nodiscard]] bool redrawPending() const { return pending_; }
    // Whether an image of the drawing is being rendered on the worker; tests wait for it.
    [[nodiscard]] bool rendering() const { return rendering_.busy(); }
    [[nodiscard]] const Drawing& drawing() const { return *drawing_; }
    [[nodiscard]] std::size_t sheetCount() const { return sheets_; }
    [[nodiscard]] bool dimmed() const { return !problem_.isEmpty(); }
    [[nodiscard]] const QString& problem() const { return problem_; }
    [[nodiscard]] QString caption() const;
    [[nodiscard]] PreviewWindow* largeWindow() const;
    // Opens the large window over the main window, made the first time.
    void openLargeWindow();
    // Where the drawing lands in the widget: the fitted view of its extent.
    [[nodiscard]] DrawingView fittedView() const;

signals:
    void largeWindowMade(tessaro::gui::PreviewWindow* window);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // An image rendered on the worker, with what it shows.
    struct Rendered {
        QImage image;
        std::shared_ptr<const Drawing> drawing;
        bool dimmed = false;
    };
    [[nodiscard]] int captionHeight() const;
    void renderDrawing();
    [[nodiscard]] QFuture<Rendered> startRendering() const;
    void showRendered(const Rendered& rendered);

    std::shared_ptr<const Drawing> drawing_;
    QString problem_;
    std::size_t sheets_ = 0;
    bool pending_ = false;
    // The drawing rendered once per document and size: painting only copies it.
    QImage rendered_;
    QPointer<PreviewWindow> largeWindow_;
    SettledWork<Rendered> rendering_;
};

// The drawing as the preview shows it at the size, on an image of its own. It may run on
// any thread, so the live preview renders a large drawing on its worker.
[[nodiscard]] QImage renderedPreview(const Drawing& drawing, QSize size, qreal ratio, bool dimmed = false);

// The extent as the preview and the large window caption it: "200.00 × 110.00 мм".
[[nodiscard]] QString extentText(const Extent& extent);

}  // namespace tessaro::gui
