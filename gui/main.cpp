#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSlider>
#include <QTabWidget>
#include <variant>

#include "gui/application_identity.h"
#include "gui/assembly_page.h"
#include "gui/assembly_view.h"
#include "gui/command_line.h"
#include "gui/kept_settings.h"
#include "gui/live_assembly.h"
#include "gui/live_preview.h"
#include "gui/main_window.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/qt_ports.h"

namespace {

using tessaro::gui::MainWindow;

// The template, its image and the 3D page's box are made on workers: waits for them.
void settle(const MainWindow& form) {
    const auto* preview = form.findChild<tessaro::gui::LivePreview*>();
    const auto* assembly = form.findChild<tessaro::gui::LiveAssembly*>();
    const auto* shown = form.findChild<tessaro::gui::PreviewWidget*>("Preview");
    QApplication::processEvents();
    while (preview->busy() || assembly->busy() || shown->rendering()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// "--screenshot FILE [TAB]": shows the window with the given tab (its object name,
// e.g. simpleBoxTab), writes a PNG of it and quits. scripts/screenshot uses it.
int screenshot(MainWindow& form, const QString& path, const QString& tab) {
    if (!tab.isEmpty()) {
        auto* tabs = form.findChild<QTabWidget*>("tabs");
        tabs->setCurrentWidget(form.findChild<QWidget*>(tab));
    }
    form.show();
    settle(form);
    return form.grab().save(path, "PNG") ? 0 : 1;
}

// "--screenshot-assembly FILE": the large preview on its 3D page, the folding box a
// little apart, as a PNG. It needs OpenGL: scripts/screenshot-assembly runs it under Xvfb.
int assemblyScreenshot(MainWindow& form, const QString& path) {
    form.show();
    auto* preview = form.findChild<tessaro::gui::PreviewWidget*>("Preview");
    preview->openLargeWindow();
    tessaro::gui::PreviewWindow* large = preview->largeWindow();
    large->showAssemblyPage();
    settle(form);
    auto* exploded = large->findChild<QSlider*>("ExplodedSlider");
    exploded->setValue(exploded->maximum() / 4);
    // The 3D view is a native window of its own, which a widget's grab leaves blank: its
    // frame is painted where its container stands.
    QPixmap picture = large->grab();
    if (tessaro::gui::AssemblyView* view = large->assemblyPage()->view()) {
        const auto* container = large->findChild<QWidget*>("AssemblyViewContainer");
        QPainter(&picture).drawImage(container->mapTo(large, QPoint()), view->grabFramebuffer());
    }
    return picture.save(path, "PNG") ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const auto read = tessaro::gui::readCommandLine(argc, argv);
    if (const int* exitStatus = std::get_if<int>(&read)) {
        return *exitStatus;
    }
    const auto& request = std::get<tessaro::gui::WindowRequest>(read);
    QApplication app(argc, argv);
    tessaro::gui::identifyApplication();
    tessaro::SystemClock clock;
    tessaro::gui::QtSavePrompt savePrompt(nullptr, QString::fromStdString(tessaro::saveDialogFilter()),
                                          static_cast<int>(tessaro::FileType::Dxf));
    tessaro::gui::QtMessageBox messages(nullptr);
    tessaro::gui::QtFolders folders;
    tessaro::gui::QtDesignPrompt designPrompt(nullptr);
    tessaro::gui::MainWindow form({savePrompt, messages, clock, folders, designPrompt});
    using Kind = tessaro::gui::WindowRequest::Kind;
    if (request.kind == Kind::Screenshot) {
        return screenshot(form, request.file, request.tab);
    }
    if (request.kind == Kind::AssemblyScreenshot) {
        return assemblyScreenshot(form, request.file);
    }
    tessaro::gui::restorePlace(form);
    form.show();
    return QApplication::exec();
}
