#include "gui/edit_history.h"

#include <QAction>
#include <QUndoStack>
#include <QWidget>

namespace tessaro::gui {

EditHistory addEditHistory(QWidget& window) {
    EditHistory history;
    history.stack = new QUndoStack(&window);
    history.undo = new QAction(&window);
    history.undo->setObjectName("undoAction");
    history.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    history.undo->setEnabled(false);
    QObject::connect(history.undo, &QAction::triggered, history.stack, &QUndoStack::undo);
    QObject::connect(history.stack, &QUndoStack::canUndoChanged, history.undo, &QAction::setEnabled);
    history.redo = new QAction(&window);
    history.redo->setObjectName("redoAction");
    history.redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    history.redo->setEnabled(false);
    QObject::connect(history.redo, &QAction::triggered, history.stack, &QUndoStack::redo);
    QObject::connect(history.stack, &QUndoStack::canRedoChanged, history.redo, &QAction::setEnabled);
    window.addActions({history.undo, history.redo});
    return history;
}

}  // namespace tessaro::gui
