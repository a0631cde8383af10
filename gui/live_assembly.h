#pragma once

#include <QObject>

#include "app/assembly_preview.h"
#include "app/commands.h"
#include "gui/settled_work.h"
#include "model/workbench.h"

namespace tessaro::gui {

class AssemblyPage;
class PreviewWidget;

// Keeps the large preview's 3D page showing the box of the current box tab (its whole
// set), rebuilt after every cell edit, switch and tab change on a copy of the window's
// tables, on a worker thread (SettledWork). Only while the page is in sight: edits made
// meanwhile are caught up with when it comes back. On the other tabs the page says that
// it shows the boxes; a table that cannot be drawn keeps the last box and says why.
class LiveAssembly final : public QObject {
    Q_OBJECT
public:
    LiveAssembly(const Workbench& source, PreviewWidget& preview, QWidget& window);
    ~LiveAssembly() override;

    // Whether a rebuild is waiting or running; tests wait for it to settle.
    [[nodiscard]] bool busy() const { return work_.busy(); }

private:
    void changed();
    void wanted();
    [[nodiscard]] AssemblyPage* shownPage() const;
    [[nodiscard]] std::optional<QFuture<AssemblyPreview>> start(StopFlag stop);
    void show(const AssemblyPreview& result);

    const Workbench& source_;
    PreviewWidget& preview_;
    TemplateTab tab_ = TemplateTab::FoldingBox;
    // Whether the page shows what the tables and the tab were before the last change.
    bool stale_ = true;
    SettledWork<AssemblyPreview> work_;
};

}  // namespace tessaro::gui
