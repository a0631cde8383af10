#include "gui/preview_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/drawing_painter.h"
#include "gui/preview_window.h"
#include "output/number_text.h"

namespace tessaro::gui {
namespace {

constexpr int kMargin = 6;
constexpr int kCaptionHeight = 18;

}  // namespace

QString extentText(const Extent& extent) {
    if (extent.empty) {
        return {};
    }
    return QString::fromStdString(fixedText(extent.width(), 2) + " × " + fixedText(extent.height(), 2) + " мм");
}

PreviewWidget::PreviewWidget(QWidget* parent)
    : QWidget(parent), drawing_(std::make_shared<const EpsDrawing>()) {
    setToolTip("Двойной щелчок открывает большое окно просмотра");
}

PreviewWidget::~PreviewWidget() = default;

PreviewWindow* PreviewWidget::largeWindow() const { return largeWindow_; }

void PreviewWidget::showDocument(const LineList& eps) {
    drawing_ = std::make_shared<const EpsDrawing>(readEpsDrawing(eps));
    rendered_ = {};
    update();
    if (largeWindow_) {
        largeWindow_->setDrawing(drawing_);
    }
}

QRectF PreviewWidget::drawingArea() const {
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - kCaptionHeight);
}

DrawingView PreviewWidget::fittedView() const { return DrawingView::fitting(drawing_->extent(), drawingArea()); }

void PreviewWidget::renderDrawing() {
    const qreal ratio = devicePixelRatioF();
    rendered_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    rendered_.setDevicePixelRatio(ratio);
    rendered_.fill(Qt::white);
    QPainter painter(&rendered_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 0));
    paintDrawing(painter, *drawing_, fittedView(), rect());
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    if (rendered_.isNull()) {
        renderDrawing();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, rendered_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::darkGray);
    painter.drawText(QRect(kMargin, height() - kCaptionHeight - kMargin / 2, width() - 2 * kMargin, kCaptionHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, extentText(drawing_->extent()));
}

void PreviewWidget::resizeEvent(QResizeEvent*) { rendered_ = {}; }

void PreviewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!largeWindow_) {
        largeWindow_ = new PreviewWindow(this);
    }
    largeWindow_->setDrawing(drawing_);
    largeWindow_->show();
    largeWindow_->raise();
    largeWindow_->activateWindow();
}

}  // namespace tessaro::gui
