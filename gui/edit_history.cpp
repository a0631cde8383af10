#include "gui/edit_history.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

namespace tessaro::gui {

QUndoStack* addEditHistory(QWidget& window) {
    auto* history = new QUndoStack(&window);
    QAction* undo = history->createUndoAction(&window);
    undo->setObjectName("undoAction");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = history->createRedoAction(&window);
    redo->setObjectName("redoAction");
    redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    window.addActions({undo, redo});
    return history;
}

}  // namespace tessaro::gui
