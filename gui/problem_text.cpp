#include "gui/problem_text.h"

#include <QCoreApplication>

#include "gui/window_messages.h"

namespace tessaro::gui {

QString problemText(const Workbench& tables, const std::string& error, const std::optional<BadCell>& badCell) {
    const QString problem = windowMessage(error);
    if (!badCell) {
        return problem;
    }
    const ParamTable& table = tables.*badCell->table;
    return QCoreApplication::translate("PreviewProblem", "Row \"%1\": %2")
        .arg(QString::fromStdString(table.caption(badCell->row)), problem);
}

}  // namespace tessaro::gui
