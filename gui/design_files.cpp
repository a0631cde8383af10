#include "gui/design_files.h"

#include <QFileInfo>
#include <QMainWindow>
#include <QSettings>
#include <exception>

#include "app/design_file.h"
#include "app/error_text.h"
#include "gui/window_messages.h"

namespace tessaro::gui {
namespace {

const QString kRecentKey = "designs/recent";
constexpr qsizetype kRecentCount = 5;

void remember(const QString& path) {
    QStringList recent = DesignFiles::recentDesigns();
    recent.removeAll(path);
    recent.prepend(path);
    QSettings().setValue(kRecentKey, recent.mid(0, kRecentCount));
}

void forget(const QString& path) {
    QStringList recent = DesignFiles::recentDesigns();
    recent.removeAll(path);
    QSettings().setValue(kRecentKey, recent);
}

}  // namespace

DesignFiles::DesignFiles(QMainWindow& window, DesignPrompt& prompt, MessageBox& messages, Window access)
    : QObject(&window), window_(window), prompt_(prompt), messages_(messages), access_(std::move(access)) {
    setObjectName("designFiles");
    retitle();
}

QStringList DesignFiles::recentDesigns() { return QSettings().value(kRecentKey).toStringList().mid(0, kRecentCount); }

void DesignFiles::newDesign() {
    if (!mayLoseChanges()) {
        return;
    }
    show(Design{});
    path_.clear();
    window_.setWindowModified(false);
    retitle();
}

void DesignFiles::open() {
    if (!mayLoseChanges()) {
        return;
    }
    if (const auto path = prompt_.askOpen()) {
        load(QString::fromStdString(*path));
    }
}

void DesignFiles::openFile(const QString& path) {
    if (mayLoseChanges()) {
        load(path);
    }
}

// Read whole before anything is shown, so that a refused file changes nothing.
void DesignFiles::load(const QString& path) {
    Design design;
    try {
        design = readDesignFile(path.toStdString());
    } catch (const DesignFileError& e) {
        messages_.showError(tr("%1, line %2: %3")
                                .arg(QString::fromStdString(e.file))
                                .arg(e.line)
                                .arg(windowMessage(errorBoxText(e.reason)))
                                .toStdString());
        return;
    } catch (const std::exception& e) {
        messages_.showError(errorBoxText(e));
        if (!QFileInfo::exists(path)) {
            forget(path);
            emit recentDesignsChanged();
        }
        return;
    }
    show(design);
    take(path);
}

bool DesignFiles::save() { return path_.isEmpty() ? saveAs() : saveTo(path_); }

bool DesignFiles::saveAs() {
    const std::string proposed = path_.isEmpty() ? access_.proposedName() + "." + std::string(kDesignExtension)
                                                 : QFileInfo(path_).fileName().toStdString();
    const auto path = prompt_.askSaveAs(proposed);
    return path && saveTo(QString::fromStdString(*path));
}

bool DesignFiles::saveTo(const QString& path) {
    try {
        saveDesignFile(path.toStdString(), access_.current());
    } catch (const std::exception& e) {
        messages_.showError(errorBoxText(e));
        return false;
    }
    take(path);
    return true;
}

bool DesignFiles::mayClose() { return mayLoseChanges(); }

bool DesignFiles::mayLoseChanges() {
    if (!window_.isWindowModified()) {
        return true;
    }
    switch (prompt_.askUnsaved(name().toStdString())) {
    case DesignPrompt::Unsaved::Save: return save();
    case DesignPrompt::Unsaved::Discard: return true;
    case DesignPrompt::Unsaved::Cancel: return false;
    }
    return false;
}

void DesignFiles::markChanged() {
    if (!showing_) {
        window_.setWindowModified(true);
    }
}

void DesignFiles::show(const Design& design) {
    showing_ = true;
    access_.show(design);
    showing_ = false;
}

void DesignFiles::take(const QString& path) {
    path_ = QFileInfo(path).absoluteFilePath();
    window_.setWindowModified(false);
    remember(path_);
    retitle();
    emit recentDesignsChanged();
}

QString DesignFiles::name() const { return path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).completeBaseName(); }

void DesignFiles::retitle() { window_.setWindowTitle(name() + "[*] — Tessaro"); }

}  // namespace tessaro::gui
