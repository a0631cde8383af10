#pragma once

class QUndoStack;
class QWidget;

namespace tessaro::gui {

// The window's one history of typed values: Ctrl+Z undoes, Ctrl+Shift+Z redoes, wherever
// the focus is in the window. An open cell editor takes the keys for its own text first.
QUndoStack* addEditHistory(QWidget& window);

}  // namespace tessaro::gui
