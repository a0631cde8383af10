#include <QApplication>
#include <QScreen>
#include <QTabWidget>

#include "gui/live_preview.h"
#include "gui/qt_ports.h"
#include "gui/kept_settings.h"
#include "gui/main_window.h"

namespace {

// "--screenshot FILE [TAB]": shows the window with the given tab (its object name,
// e.g. simpleBoxTab), writes a PNG of it and quits. scripts/screenshot uses it.
int screenshot(tessaro::gui::MainWindow& form, const QString& path, const QString& tab) {
    if (!tab.isEmpty()) {
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        tabs->setCurrentWidget(form.findChild<QWidget*>(tab));
    }
    form.show();
    // Another tab's template is drawn on the preview's worker: wait for it.
    const auto* live = form.findChild<tessaro::gui::LivePreview*>();
    QApplication::processEvents();
    while (live->busy()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return form.grab().save(path, "PNG") ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The names under which the window's switches and place are kept.
    QApplication::setOrganizationName("Tessaro");
    QApplication::setApplicationName("Tessaro");
    tessaro::SystemClock clock;
    tessaro::gui::QtSaveDialog saveDialog(nullptr, QString::fromUtf8(tessaro::gui::kSaveFileTypes), 2);
    tessaro::gui::QtMessageBox messages(nullptr);
    tessaro::gui::QtFolders folders;
    tessaro::gui::MainWindow form({saveDialog, messages, clock, folders});
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == "--screenshot") {
        return screenshot(form, arguments[2], arguments.value(3));
    }
    if (!tessaro::gui::restorePlace(form)) {
        form.move(form.screen()->availableGeometry().center() - form.rect().center());
    }
    form.show();
    return QApplication::exec();
}
