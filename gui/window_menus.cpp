#include "gui/window_menus.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "gui/menu_words.h"

namespace tessaro::gui {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// "saveAsDxfAction" for the type "dxf", "saveAsDxf2000Action" for "dxf2000": by the
// command line's name, since two types may share an extension.
QString saveAsName(const FileFormat& format) {
    QString name = text(format.name);
    name[0] = name[0].toUpper();
    return "saveAs" + name + "Action";
}

}  // namespace

WindowMenus::WindowMenus(QMainWindow& window, const EditHistory& history, MenuCommands commands)
    : QObject(&window), commands_(std::move(commands)) {
    setObjectName("windowMenus");
    QMenuBar* bar = window.menuBar();
    bar->setObjectName("menuBar");
    file_ = bar->addMenu(QString());
    file_->setObjectName("fileMenu");
    newDesign_ = addAction(file_, "newDesignAction", [this] { commands_.newDesign(); });
    newDesign_->setShortcut(QKeySequence::New);
    openDesign_ = addAction(file_, "openDesignAction", [this] { commands_.openDesign(); });
    openDesign_->setShortcut(QKeySequence::Open);
    recentDesigns_ = file_->addMenu(QString());
    recentDesigns_->setObjectName("recentDesignsMenu");
    saveDesign_ = addAction(file_, "saveDesignAction", [this] { commands_.saveDesign(); });
    // Ctrl+S stays the template's, as users of the window know it.
    saveDesign_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveDesignAs_ = addAction(file_, "saveDesignAsAction", [this] { commands_.saveDesignAs(); });
    file_->addSeparator();
    save_ = addAction(file_, "saveAction", [this] { commands_.saveTemplate(std::nullopt); });
    save_->setShortcut(QKeySequence::Save);
    // The flat types as the registry lists them, so that a new writer appears here by itself.
    for (const FileFormat& format : fileFormats()) {
        if (format.flat()) {
            const FileType type = format.type;
            saveAs_.emplace_back(
                addAction(file_, qPrintable(saveAsName(format)), [this, type] { commands_.saveTemplate(type); }), type);
        }
    }
    file_->addSeparator();
    saveSet_ = addAction(file_, "saveSetAction", [this] { commands_.saveSet(); });
    file_->addSeparator();
    quit_ = addAction(file_, "quitAction", [&window] { window.close(); });
    quit_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    edit_ = bar->addMenu(QString());
    edit_->setObjectName("editMenu");
    undo_ = history.undo;
    redo_ = history.redo;
    edit_->addAction(undo_);
    edit_->addAction(redo_);

    view_ = bar->addMenu(QString());
    view_->setObjectName("viewMenu");
    largeView_ = addAction(view_, "largeViewAction", [this] { commands_.largeView(); });
    largeView_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    assembly_ = addAction(view_, "assemblyAction", [this] { commands_.assembly(); });
    assembly_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));

    help_ = bar->addMenu(QString());
    help_->setObjectName("helpMenu");
    keys_ = addAction(help_, "keysAction", [this] { commands_.keys(); });
    keys_->setShortcut(QKeySequence::HelpContents);
    about_ = addAction(help_, "aboutAction", [this] { commands_.about(); });
    setEnglish(false);
}

QAction* WindowMenus::addAction(QMenu* menu, const char* name, std::function<void()> triggered) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, std::move(triggered));
    return action;
}

void WindowMenus::showRecentDesigns(const QStringList& paths) {
    recentDesigns_->clear();
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* entry = addAction(recentDesigns_, qPrintable(QString("recentDesign%1").arg(i)),
                                   [this, path] { commands_.openRecentDesign(path); });
        entry->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        entry->setToolTip(QDir::toNativeSeparators(path));
    }
    recentDesigns_->setEnabled(!paths.isEmpty());
}

void WindowMenus::setEnglish(bool english) {
    const MenuWords& words = menuWords(english);
    file_->setTitle(words.file);
    newDesign_->setText(tr("&New design"));
    openDesign_->setText(tr("&Open design…"));
    recentDesigns_->setTitle(tr("&Recent designs"));
    saveDesign_->setText(tr("Save &design"));
    saveDesignAs_->setText(tr("Save design &as…"));
    save_->setText(words.save);
    for (const auto& [action, type] : saveAs_) {
        action->setText(words.saveAs.arg(text(fileFormat(type).caption)));
    }
    saveSet_->setText(words.saveSet);
    quit_->setText(words.quit);
    edit_->setTitle(words.edit);
    undo_->setText(words.undo);
    redo_->setText(words.redo);
    view_->setTitle(words.view);
    largeView_->setText(words.largeView);
    assembly_->setText(words.assembly);
    help_->setTitle(words.help);
    keys_->setText(words.keys);
    about_->setText(words.about);
}

}  // namespace tessaro::gui
