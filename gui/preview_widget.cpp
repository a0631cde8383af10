#include "gui/preview_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/drawing_painter.h"
#include "gui/preview_window.h"
#include "gui/preview_words.h"
#include "output/number_text.h"

namespace tessaro::gui {
namespace {

constexpr int kMargin = 6;
constexpr int kCaptionHeight = 18;
// A problem takes up to three lines under the drawing.
constexpr int kProblemHeight = 44;
// How much of the white shows through a drawing that is no longer current.
constexpr int kDimmingAlpha = 180;

}  // namespace

QString extentText(const Extent& extent, bool english) {
    if (extent.empty) {
        return {};
    }
    return QString::fromStdString(fixedText(extent.width(), 2) + " × " + fixedText(extent.height(), 2) + " ") +
           previewWords(english).millimetres;
}

PreviewWidget::PreviewWidget(QWidget* parent)
    : QWidget(parent), drawing_(std::make_shared<const EpsDrawing>()) {
    setEnglish(false);
}

void PreviewWidget::setEnglish(bool english) {
    english_ = english;
    setToolTip(previewWords(english).openHint);
    if (largeWindow_) {
        largeWindow_->setEnglish(english);
    }
    update();
}

QString PreviewWidget::caption() const { return dimmed() ? problem_ : extentText(drawing_->extent(), english_); }

PreviewWidget::~PreviewWidget() = default;

PreviewWindow* PreviewWidget::largeWindow() const { return largeWindow_; }

void PreviewWidget::showDocument(const LineList& eps) {
    showDrawing(std::make_shared<const EpsDrawing>(readEpsDrawing(eps)));
}

void PreviewWidget::showDrawing(std::shared_ptr<const EpsDrawing> drawing) {
    drawing_ = std::move(drawing);
    problem_.clear();
    rendered_ = {};
    update();
    if (largeWindow_) {
        largeWindow_->setDrawing(drawing_);
    }
}

void PreviewWidget::showProblem(const QString& problem) {
    if (problem == problem_) {
        return;
    }
    problem_ = problem;
    rendered_ = {};
    update();
}

int PreviewWidget::captionHeight() const { return dimmed() ? kProblemHeight : kCaptionHeight; }

QRectF PreviewWidget::drawingArea() const {
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin - captionHeight());
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
    if (dimmed()) {
        painter.fillRect(rendered_.rect(), QColor(255, 255, 255, kDimmingAlpha));
    }
}

void PreviewWidget::paintEvent(QPaintEvent*) {
    if (rendered_.isNull()) {
        renderDrawing();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, rendered_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(dimmed() ? QColor(Qt::darkRed) : QColor(Qt::darkGray));
    painter.drawText(QRect(kMargin, height() - captionHeight() - kMargin / 2, width() - 2 * kMargin, captionHeight()),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption());
}

void PreviewWidget::resizeEvent(QResizeEvent*) { rendered_ = {}; }

void PreviewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    if (!largeWindow_) {
        largeWindow_ = new PreviewWindow(this);
        largeWindow_->setEnglish(english_);
        // Over the main window, where the user is looking, rather than at the screen's corner.
        largeWindow_->move(window()->frameGeometry().center() - largeWindow_->rect().center());
    }
    largeWindow_->setDrawing(drawing_);
    largeWindow_->show();
    largeWindow_->raise();
    largeWindow_->activateWindow();
}

}  // namespace tessaro::gui
