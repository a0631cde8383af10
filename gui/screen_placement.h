#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace tessaro::gui {

// Where a window of the wanted frame goes on a screen's available area: no larger than the
// area (but not below the least size), and moved as little as it takes to lie inside it.
[[nodiscard]] QRect placedInside(QRect wanted, const QRect& available, QSize least = {});

// Gives a top-level window the wanted geometry (without its frame), shrunk and moved as
// placedInside has it so that the window and its frame lie on the screen under it. A window
// not yet shown is placed for a usual frame.
void setGeometryOnScreen(QWidget& window, const QRect& wanted);

}  // namespace tessaro::gui
