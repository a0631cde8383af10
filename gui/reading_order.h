#pragma once

#include <vector>

class QWidget;

namespace tessaro::gui {

// The controls under the form that Tab reaches, in reading order: column by column (a
// column starts at each of columnStarts, in the form's pixels), then top to bottom and
// left to right within it; inside a group box or a page likewise; a tab widget's bar
// comes before its pages, each page's controls in turn.
[[nodiscard]] std::vector<QWidget*> controlsInReadingOrder(const QWidget& form, const std::vector<int>& columnStarts);

// Where Tab (forward) or Shift+Tab goes from the control that has the focus (or holds it):
// the next of those controls that is shown and enabled, round from the last to the first.
// Of a group of radio buttons only the checked one is a stop; the arrows move between
// them. None when the focus is on no such control.
[[nodiscard]] QWidget* nextInReadingOrder(const QWidget& form, const std::vector<int>& columnStarts,
                                          const QWidget* focus, bool forward);

}  // namespace tessaro::gui
