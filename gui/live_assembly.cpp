#include "gui/live_assembly.h"

#include <QtConcurrent/QtConcurrentRun>

#include "app/assembly.h"
#include "gui/assembly_page.h"
#include "gui/preview_widget.h"
#include "gui/preview_window.h"
#include "gui/problem_text.h"
#include "gui/window_edits.h"

namespace tessaro::gui {

LiveAssembly::LiveAssembly(const Workbench& source, PreviewWidget& preview, QWidget& window)
    : QObject(&window),
      source_(source),
      preview_(preview),
      work_([this](StopFlag stop) { return start(std::move(stop)); },
            [this](const AssemblyPreview& result) { show(result); }) {
    onEveryEdit(window, *this, [this] { changed(); });
    tab_ = shownTemplateTab(window).value_or(tab_);
    onTemplateTabShown(window, *this, [this](TemplateTab tab) {
        tab_ = tab;
        changed();
    });
    connect(&preview, &PreviewWidget::largeWindowMade, this, [this](PreviewWindow* large) {
        connect(large->assemblyPage(), &AssemblyPage::wanted, this, &LiveAssembly::wanted);
    });
}

LiveAssembly::~LiveAssembly() = default;

void LiveAssembly::changed() {
    stale_ = true;
    work_.schedule();
}

void LiveAssembly::wanted() {
    if (stale_) {
        work_.schedule();
    }
}

AssemblyPage* LiveAssembly::shownPage() const {
    const PreviewWindow* large = preview_.largeWindow();
    return large && large->assemblyPage()->isVisible() ? large->assemblyPage() : nullptr;
}

std::optional<QFuture<AssemblyPreview>> LiveAssembly::start(StopFlag stop) {
    AssemblyPage* page = shownPage();
    if (!page) {
        return std::nullopt;
    }
    const TemplateCommand* command = findCommand(tabRule(tab_).wholeTemplate);
    if (!assembles(*command)) {
        page->showNoBox();
        stale_ = false;
        return std::nullopt;
    }
    // A rebuild no one will see (a newer edit, the window closing) stops between its steps.
    auto bench = std::make_shared<PreviewBench>(source_, [stop = std::move(stop)] { return stop->load(); });
    return QtConcurrent::run([bench, command] { return assemblePreview(*bench, *command); });
}

void LiveAssembly::show(const AssemblyPreview& result) {
    // The window was open when the run started, and a large window is never deleted.
    AssemblyPage* page = preview_.largeWindow()->assemblyPage();
    stale_ = false;
    if (result.scene) {
        page->showScene(result.scene);
    } else {
        page->showProblem(problemText(source_, result.error, result.badCell));
    }
}

}  // namespace tessaro::gui
