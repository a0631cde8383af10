#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "app/file_formats.h"
#include "gui/edit_history.h"

class QAction;
class QMainWindow;
class QMenu;

namespace tessaro::gui {

// What the menu bar's entries do; each is what a button or a gesture of the window does.
struct MenuCommands {
    std::function<void()> newDesign;
    std::function<void()> openDesign;
    std::function<void(const QString&)> openRecentDesign;
    std::function<void()> saveDesign;
    std::function<void()> saveDesignAs;
    std::function<void(std::optional<FileType>)> saveTemplate;  // none: the type the dialog offers first
    std::function<void()> saveSet;
    std::function<void()> largeView;
    std::function<void()> assembly;
    std::function<void()> keys;
    std::function<void()> about;
};

// The window's menu bar: File (a new design, open one, the recent designs, save the design;
// save the current template in each flat type of the file registry, save the tab's whole
// set, quit), Edit (undo, redo), View (the large preview,
// the assembly in 3D) and Help (the keys, about). Every action has an object name, e.g.
// "saveAsSvgAction", so that tests and the language switch find it.
class WindowMenus final : public QObject {
    Q_OBJECT
public:
    WindowMenus(QMainWindow& window, const EditHistory& history, MenuCommands commands);
    void setEnglish(bool english);
    // The recent designs' entries ("recentDesign0", ...), the last opened or saved first.
    void showRecentDesigns(const QStringList& paths);

private:
    QAction* addAction(QMenu* menu, const char* name, std::function<void()> triggered);

    MenuCommands commands_;
    QMenu* file_ = nullptr;
    QAction* newDesign_ = nullptr;
    QAction* openDesign_ = nullptr;
    QMenu* recentDesigns_ = nullptr;
    QAction* saveDesign_ = nullptr;
    QAction* saveDesignAs_ = nullptr;
    QMenu* edit_ = nullptr;
    QMenu* view_ = nullptr;
    QMenu* help_ = nullptr;
    QAction* save_ = nullptr;
    std::vector<std::pair<QAction*, FileType>> saveAs_;
    QAction* saveSet_ = nullptr;
    QAction* quit_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* largeView_ = nullptr;
    QAction* assembly_ = nullptr;
    QAction* keys_ = nullptr;
    QAction* about_ = nullptr;
};

}  // namespace tessaro::gui
