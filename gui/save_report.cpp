#include "gui/save_report.h"

#include <filesystem>

#include "gui/preview_widget.h"

namespace tessaro::gui {

QString savedTemplateText(const SaveChoice& written, const EpsDrawing& drawing, bool english) {
    const QString file = QString::fromStdString(std::filesystem::path(written.path).filename().string());
    const QString type = QString::fromStdString(std::string(extensionOf(written.type))).toUpper();
    const QString outlines = QString::number(drawing.outlineCount());
    const QString size = extentText(drawing.extent(), english);
    return english ? QString("Wrote %1: %2, outlines: %3, %4").arg(file, type, outlines, size)
                   : QString("Записан %1: %2, контуров: %3, %4").arg(file, type, outlines, size);
}

}  // namespace tessaro::gui
