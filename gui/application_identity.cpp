#include "gui/application_identity.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace tessaro::gui {

void identifyApplication() {
    QApplication::setOrganizationName(kOrganizationName);
    QApplication::setApplicationName(kApplicationName);
    QGuiApplication::setDesktopFileName(kDesktopFileName);
    QIcon icon;
    const QDir sizes(":/icon");
    for (const QString& png : sizes.entryList(QDir::Files)) {
        icon.addFile(sizes.filePath(png));
    }
    QApplication::setWindowIcon(icon);
}

}  // namespace tessaro::gui
