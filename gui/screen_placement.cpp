#include "gui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tessaro::gui {
namespace {

// The window manager's frame is unknown until the window is shown: room for a usual one,
// with a pixel or two to spare (Openbox's is 1, 20, 1, 5).
constexpr QMargins kUsualFrame{6, 30, 6, 8};

QMargins frameOf(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect outer = window.frameGeometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

QRect placedInside(QRect wanted, const QRect& available, QSize least) {
    wanted.setWidth(std::max(least.width(), std::min(wanted.width(), available.width())));
    wanted.setHeight(std::max(least.height(), std::min(wanted.height(), available.height())));
    const int x = std::max(available.left(), std::min(wanted.left(), available.right() + 1 - wanted.width()));
    const int y = std::max(available.top(), std::min(wanted.top(), available.bottom() + 1 - wanted.height()));
    wanted.moveTo(x, y);
    return wanted;
}

void setGeometryOnScreen(QWidget& window, const QRect& wanted) {
    const QScreen* screen = QGuiApplication::screenAt(wanted.center());
    if (screen == nullptr) {
        screen = window.screen();
    }
    const QMargins frame = window.isVisible() ? frameOf(window) : kUsualFrame;
    const QSize least = window.minimumSize().expandedTo(window.minimumSizeHint()).grownBy(frame);
    window.setGeometry(placedInside(wanted + frame, screen->availableGeometry(), least) - frame);
}

}  // namespace tessaro::gui
