#include "gui/preview_widget.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtConcurrent/QtConcurrentRun>

#include "gui/drawing_painter.h"
#include "gui/preview_window.h"
#include "gui/screen_placement.h"
#include "output/number_text.h"

namespace tessaro::gui {
namespace {

constexpr int kMargin = 6;
constexpr int kCaptionHeight = 18;
// A problem takes up to three lines under the drawing.
constexpr int kProblemHeight = 44;
// How much of the white shows through a drawing that is no longer current.
constexpr int kDimmingAlpha = 180;
// A drawing of up to this many points renders in a few milliseconds, while painting; a
// larger one (a box full of vents, a long spiral) is rendered on a worker.
constexpr std::size_t kPointsRenderedWhilePainting = 20000;

int captionHeightFor(bool dimmed) { return dimmed ? kProblemHeight : kCaptionHeight; }

QRectF previewArea(QSize size, bool dimmed) {
    return QRectF(QPointF(0, 0), size).adjusted(kMargin, kMargin, -kMargin, -kMargin - captionHeightFor(dimmed));
}

}  // namespace

QImage renderedPreview(const Drawing& drawing, QSize size, qreal ratio, bool dimmed) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 0));
    const QRectF area = previewArea(size, dimmed);
    paintDrawing(painter, drawing, DrawingView::fitting(drawing.extent(), area), QRectF(QPointF(0, 0), size));
    if (dimmed) {
        painter.fillRect(QRectF(QPointF(0, 0), size), QColor(255, 255, 255, kDimmingAlpha));
    }
    return image;
}

QString extentText(const Extent& extent) {
    if (extent.empty) {
        return {};
    }
    return QString::fromStdString(fixedText(extent.width(), 2) + " × " + fixedText(extent.height(), 2) + " ") +
           PreviewWidget::tr("mm");
}

PreviewWidget::PreviewWidget(QWidget* parent)
    : QWidget(parent),
      drawing_(std::make_shared<const Drawing>()),
      rendering_([this](const StopFlag&) { return std::optional(startRendering()); },
                 [this](const Rendered& rendered) { showRendered(rendered); }) {
    setToolTip(tr("Double-click opens the large preview"));
}

void PreviewWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        setToolTip(tr("Double-click opens the large preview"));
        update();
    }
    QWidget::changeEvent(event);
}

QString PreviewWidget::caption() const {
    if (pending_ || rendering_.busy()) {
        return tr("drawing…");
    }
    if (dimmed()) {
        return problem_;
    }
    const QString extent = extentText(drawing_->extent());
    return sheets_ == 0 ? extent : tr("Sheets: %1, %2").arg(sheets_).arg(extent);
}

PreviewWidget::~PreviewWidget() = default;

PreviewWindow* PreviewWidget::largeWindow() const { return largeWindow_; }

void PreviewWidget::showDrawing(std::shared_ptr<const Drawing> drawing, QImage rendered, std::size_t sheets) {
    drawing_ = std::move(drawing);
    sheets_ = sheets;
    problem_.clear();
    pending_ = false;
    // An image rendered for another size (the widget was resized meanwhile) is not used.
    rendered_ = rendered.size() == size() * devicePixelRatioF() ? std::move(rendered) : QImage();
    update();
    if (largeWindow_) {
        largeWindow_->setDrawing(drawing_);
    }
}

void PreviewWidget::showRedrawPending() {
    pending_ = true;
    update();
}

void PreviewWidget::showProblem(const QString& problem) {
    if (pending_) {
        pending_ = false;
        update();
    }
    if (problem == problem_) {
        return;
    }
    problem_ = problem;
    rendered_ = {};
    update();
    if (largeWindow_) {
        largeWindow_->setProblem(problem_);
    }
}

int PreviewWidget::captionHeight() const { return captionHeightFor(dimmed()); }

DrawingView PreviewWidget::fittedView() const {
    return DrawingView::fitting(drawing_->extent(), previewArea(size(), dimmed()));
}

void PreviewWidget::renderDrawing() { rendered_ = renderedPreview(*drawing_, size(), devicePixelRatioF(), dimmed()); }

QFuture<PreviewWidget::Rendered> PreviewWidget::startRendering() const {
    return QtConcurrent::run([drawing = drawing_, size = size(), ratio = devicePixelRatioF(), dimmed = dimmed()] {
        return Rendered{renderedPreview(*drawing, size, ratio, dimmed), drawing, dimmed};
    });
}

// An image of what the widget no longer shows, or at another size, is left; the next
// paint asks for the one it needs.
void PreviewWidget::showRendered(const Rendered& rendered) {
    if (rendered.drawing == drawing_ && rendered.dimmed == dimmed() &&
        rendered.image.size() == size() * devicePixelRatioF()) {
        rendered_ = rendered.image;
    }
    update();
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    if (rendered_.isNull()) {
        if (drawing_->pointCount() <= kPointsRenderedWhilePainting) {
            renderDrawing();
        } else if (!rendering_.busy()) {
            rendering_.schedule();
        }
    }
    QPainter painter(this);
    if (rendered_.isNull()) {
        painter.fillRect(rect(), Qt::white);
    } else {
        painter.drawImage(0, 0, rendered_);
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(dimmed() ? QColor(Qt::darkRed) : QColor(Qt::darkGray));
    painter.drawText(QRect(kMargin, height() - captionHeight() - kMargin / 2, width() - 2 * kMargin, captionHeight()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption());
}

void PreviewWidget::resizeEvent(QResizeEvent*) { rendered_ = {}; }

void PreviewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        openLargeWindow();
    }
}

void PreviewWidget::openLargeWindow() {
    if (!largeWindow_) {
        largeWindow_ = new PreviewWindow(this);
        // Over the main window, where the user is looking, rather than at the screen's corner,
        // and never past the screen's edges.
        QRect wanted = largeWindow_->geometry();
        wanted.moveCenter(window()->frameGeometry().center());
        setGeometryOnScreen(*largeWindow_, wanted);
        emit largeWindowMade(largeWindow_);
    }
    largeWindow_->setDrawing(drawing_);
    largeWindow_->setProblem(problem_);
    largeWindow_->show();
    largeWindow_->raise();
    largeWindow_->activateWindow();
}

}  // namespace tessaro::gui
