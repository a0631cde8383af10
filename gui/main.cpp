#include <QApplication>
#include <QScreen>
#include <QTabWidget>

#include "gui/qt_ports.h"
#include "gui/quarnel_form.h"

namespace {

// "--screenshot FILE [TAB]": shows the window with the given tab (its object name,
// e.g. TabSheet2), writes a PNG of it and quits. scripts/screenshot uses it.
int screenshot(tessaro::gui::TQuarnelForm& form, const QString& path, const QString& tab) {
    if (!tab.isEmpty()) {
        auto* tabs = form.findChild<QTabWidget*>("PageControl1");
        tabs->setCurrentWidget(form.findChild<QWidget*>(tab));
    }
    form.show();
    QApplication::processEvents();
    return form.grab().save(path, "PNG") ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessaro::SystemClock clock;
    tessaro::gui::QtSaveDialog saveDialog(nullptr, "*.eps|*.eps|*.dxf|*.dxf", 2);
    tessaro::gui::QtMessageBox messages(nullptr);
    tessaro::gui::QtFolders folders;
    tessaro::gui::TQuarnelForm form({saveDialog, messages, clock, folders});
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() >= 3 && arguments[1] == "--screenshot") {
        return screenshot(form, arguments[2], arguments.value(3));
    }
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    return QApplication::exec();
}
