#include <QApplication>
#include <QScreen>

#include "gui/qt_ports.h"
#include "gui/quarnel_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tessaro::SystemClock clock;
    tessaro::gui::QtSaveDialog saveDialog(nullptr, "*.eps|*.eps|*.dxf|*.dxf|*.svg|*.svg", 2);
    tessaro::gui::QtMessageBox messages(nullptr);
    tessaro::gui::TQuarnelForm form({saveDialog, messages, clock});
    form.move(form.screen()->availableGeometry().center() - form.rect().center());
    form.show();
    return QApplication::exec();
}
