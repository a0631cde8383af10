#include "gui/status_line.h"

namespace tessaro::gui {

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) { setObjectName("statusLine"); }

void StatusLine::showSaved(const QString& text) { show(text, false); }

void StatusLine::showFailure(const QString& text) { show(text, true); }

void StatusLine::show(const QString& text, bool failure) {
    // A message box's lines run on one line here.
    full_ = QString(text).replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
    failure_ = failure;
    setStyleSheet(failure ? "color: darkred" : "");
    setToolTip(full_);
    elide();
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void StatusLine::elide() { setText(fontMetrics().elidedText(full_, Qt::ElideRight, contentsRect().width())); }

}  // namespace tessaro::gui
