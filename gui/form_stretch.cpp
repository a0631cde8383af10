#include "gui/form_stretch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tessaro::gui {
namespace {

// The window manager's frame is unknown until the window is shown: room for a usual one.
constexpr QMargins kUsualFrame{4, 30, 4, 4};

int moved(Edge edge, int change) {
    switch (edge) {
    case Edge::Stays: return 0;
    case Edge::FollowsGrowth: return std::max(change, 0);
    case Edge::FollowsSize: return change;
    }
    return 0;
}

}  // namespace

FormStretch::FormStretch(QWidget& form, QSize laidOutSize) : QObject(&form), form_(form), laidOutSize_(laidOutSize) {
    form.installEventFilter(this);
}

void FormStretch::add(QWidget* control, Stretch stretch) {
    entries_.push_back({control, control->geometry(), stretch});
    arrange();
}

bool FormStretch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::Resize) {
        arrange();
    }
    return QObject::eventFilter(watched, event);
}

void FormStretch::arrange() {
    const int wider = form_.width() - laidOutSize_.width();
    const int taller = form_.height() - laidOutSize_.height();
    for (const Entry& entry : entries_) {
        if (!entry.control) {
            continue;
        }
        const Stretch& s = entry.stretch;
        entry.control->setGeometry(entry.laidOut.adjusted(moved(s.left, wider), moved(s.top, taller),
                                                          moved(s.right, wider), moved(s.bottom, taller)));
    }
}

QRect placedInside(QRect wanted, const QRect& available, QSize least) {
    wanted.setWidth(std::max(least.width(), std::min(wanted.width(), available.width())));
    wanted.setHeight(std::max(least.height(), std::min(wanted.height(), available.height())));
    const int x = std::max(available.left(), std::min(wanted.left(), available.right() + 1 - wanted.width()));
    const int y = std::max(available.top(), std::min(wanted.top(), available.bottom() + 1 - wanted.height()));
    wanted.moveTo(x, y);
    return wanted;
}

}  // namespace tessaro::gui

namespace tessaro::gui {

void setGeometryOnScreen(QWidget& window, const QRect& wanted) {
    const QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr) {
        screen = window.screen();
    }
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    const QMargins frame = window.isVisible() ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                                                         outer.right() - inner.right(), outer.bottom() - inner.bottom())
                                              : kUsualFrame;
    const QSize least = window.minimumSize().expandedTo(window.minimumSizeHint()).grownBy(frame);
    window.setGeometry(placedInside(wanted + frame, screen->availableGeometry(), least) - frame);
}

}  // namespace tessaro::gui
