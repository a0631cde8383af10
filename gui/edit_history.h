#pragma once

class QAction;
class QUndoStack;
class QWidget;

namespace tessaro::gui {

// The window's one history of typed values and its two actions: Ctrl+Z undoes,
// Ctrl+Shift+Z or Ctrl+Y redoes, wherever the focus is in the window. An open cell
// editor takes the keys for its own text first. The menu bar gives the actions their words.
struct EditHistory {
    QUndoStack* stack = nullptr;
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};

EditHistory addEditHistory(QWidget& window);

}  // namespace tessaro::gui
