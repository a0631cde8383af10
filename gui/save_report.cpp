#include "gui/save_report.h"

#include <filesystem>

#include "gui/preview_widget.h"
#include "output/number_text.h"

namespace tessaro::gui {

namespace {

QString fileName(const std::string& path) {
    return QString::fromStdString(std::filesystem::path(path).filename().string());
}

QString typeName(FileType type) { return QString::fromStdString(std::string(extensionOf(type))).toUpper(); }

}  // namespace

QString savedTemplateText(const SaveChoice& written, const Drawing& drawing, bool english) {
    const QString file = fileName(written.path);
    const QString type = typeName(written.type);
    const QString outlines = QString::number(drawing.outlineCount());
    const QString size = extentText(drawing.extent(), english);
    return english ? QString("Wrote %1: %2, outlines: %3, %4").arg(file, type, outlines, size)
                   : QString("Записан %1: %2, контуров: %3, %4").arg(file, type, outlines, size);
}

QString savedSheetsText(const SavedSheets& saved, bool english) {
    const auto names = [](const std::vector<std::string>& paths) {
        QStringList files;
        for (const std::string& path : paths) {
            files << fileName(path);
        }
        return files.join(", ");
    };
    const QString type = typeName(saved.choice.type);
    QString text = english ? QString("Wrote sheets, %1: %2").arg(type, names(saved.files))
                           : QString("Записаны листы, %1: %2").arg(type, names(saved.files));
    if (!saved.removed.empty()) {
        text += english ? QString("; removed the earlier set's %1").arg(names(saved.removed))
                        : QString("; удалены листы прежнего набора: %1").arg(names(saved.removed));
    }
    const MaterialUse& use = saved.material;
    return text + "; " +
           (english ? QString::fromStdString(materialUsedLine(use))
                    : QString("листов: %1, использовано материала %2 %")
                          .arg(use.sheets)
                          .arg(QString::fromStdString(fixedText(use.percent(), 1))));
}

}  // namespace tessaro::gui
