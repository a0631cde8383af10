#pragma once

#include <QImage>
#include <QObject>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "app/commands.h"
#include "app/preview_drawing.h"
#include "gui/settled_work.h"
#include "model/workbench.h"

namespace tessaro::gui {

class ParamTableModel;
class PreviewWidget;

// Keeps the preview under the main table drawn: the template last drawn on the current
// tab (the tab's whole set until a button is pressed), redrawn after every cell edit,
// switch and tab change. It draws on a copy of the window's tables and switches, so the
// window's documents and template label change only at a template button.
//
// The tables are copied on the GUI thread and the template is drawn and read back on a
// worker thread (SettledWork), so the largest spiral (a tenth of a second and more to
// draw, a few hundredths to render) never stops typing.
class LivePreview final : public QObject {
    Q_OBJECT
public:
    // The sheet the window has chosen, read on the GUI thread at each redraw; none: no sheet.
    using SheetSource = std::function<std::optional<SheetChoice>()>;

    // Watches the window's tables (their models), check boxes, radio buttons, sheet group
    // and tabs; starts drawing the current tab's template, the preview saying so meanwhile.
    LivePreview(const Workbench& source, PreviewWidget& preview, QWidget& window, SheetSource sheet);
    ~LivePreview() override;

    // A template button was pressed: its tab previews that template from now on.
    void follow(const TemplateCommand& command);
    // The template the preview shows: the last pressed on its tab, or the tab's whole set.
    [[nodiscard]] const TemplateCommand& shownTemplate() const { return *templates_.at(tab_); }
    // Marks a value cell as not usable and selects it, so the user sees which row stopped a command.
    void pointAt(const BadCellError& error);
    // Whether a redraw is waiting or running; tests wait for it to settle.
    [[nodiscard]] bool busy() const { return work_.busy(); }

private:
    // A preview run's result: the drawing and, when there is one, its rendered image.
    struct Drawn {
        PreviewDrawing drawing;
        QImage rendered;
    };
    [[nodiscard]] QFuture<Drawn> start(StopFlag stop);
    void show(const Drawn& drawn);
    // Marks every value cell that is not usable, and the one the run stopped at.
    void markProblems(const std::optional<BadCell>& stoppedAt, const std::string& error);
    [[nodiscard]] std::vector<std::pair<const ParamTable*, ParamTableModel*>> tableModels() const;

    const Workbench& source_;
    PreviewWidget& preview_;
    QWidget& window_;
    SheetSource sheet_;
    std::map<TemplateTab, const TemplateCommand*> templates_;
    TemplateTab tab_ = TemplateTab::FoldingBox;
    SettledWork<Drawn> work_;
};

}  // namespace tessaro::gui
