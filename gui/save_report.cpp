#include "gui/save_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <filesystem>

#include "gui/preview_widget.h"
#include "output/number_text.h"

namespace tessaro::gui {
namespace {

QString fileName(const std::string& path) {
    return QString::fromStdString(std::filesystem::path(path).filename().string());
}

QString names(const std::vector<std::string>& paths) {
    QStringList files;
    for (const std::string& path : paths) {
        files << fileName(path);
    }
    return files.join(", ");
}

QString folderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::absolute(std::filesystem::path(path)).parent_path();
    return QDir::toNativeSeparators(QString::fromStdString(folder.string()));
}

QString typeName(FileType type) { return QString::fromStdString(std::string(extensionOf(type))).toUpper(); }

QString translated(const char* source) { return QCoreApplication::translate("SaveReport", source); }

}  // namespace

QString savedTemplateText(const SaveChoice& written, const Drawing& drawing) {
    return translated(QT_TRANSLATE_NOOP("SaveReport", "Wrote %1: %2, outlines: %3, %4; folder %5"))
        .arg(fileName(written.path), typeName(written.type), QString::number(drawing.outlineCount()),
             extentText(drawing.extent()), folderOf(written.path));
}

QString savedSheetsText(const SavedSheets& saved) {
    QString text = translated(QT_TRANSLATE_NOOP("SaveReport", "Wrote sheets, %1: %2; folder %3"))
                       .arg(typeName(saved.choice.type), names(saved.files.written), folderOf(saved.choice.path));
    if (!saved.files.removed.empty()) {
        text += translated(QT_TRANSLATE_NOOP("SaveReport", "; removed the earlier set's %1"))
                    .arg(names(saved.files.removed));
    }
    if (!saved.files.left.empty()) {
        text += translated(QT_TRANSLATE_NOOP("SaveReport", "; left %1, not provably sheets of this set"))
                    .arg(names(saved.files.left));
    }
    const MaterialUse& use = saved.material;
    return text + translated(QT_TRANSLATE_NOOP("SaveReport", "; sheets: %1, material used %2 %"))
                      .arg(use.sheets)
                      .arg(QString::fromStdString(fixedText(use.percent(), 1)));
}

}  // namespace tessaro::gui
