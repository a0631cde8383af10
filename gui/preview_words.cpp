#include "gui/preview_words.h"

#include "app/language.h"

namespace tessaro::gui {

const PreviewWords& previewWords(bool english) {
    static const PreviewWords russian{
        "Просмотр шаблона",
        "Вписать",
        "Показать шаблон целиком (или двойной щелчок)",
        "Двойной щелчок открывает большое окно просмотра",
        "мм",
        "Строка «%1»: %2",
        "Листов: %1, %2",
    };
    static const PreviewWords inEnglish{
        "Template preview",
        "Fit",
        "Show the whole template (or double-click)",
        "Double-click opens the large preview",
        "mm",
        "Row \"%1\": %2",
        "Sheets: %1, %2",
    };
    return english ? inEnglish : russian;
}

QString problemText(const Workbench& tables, const std::string& error, const std::optional<BadCell>& badCell) {
    const QString problem = QString::fromStdString(error);
    if (!badCell) {
        return problem;
    }
    const ParamTable& table = tables.*badCell->table;
    return previewWords(tablesAreEnglish(tables)).row.arg(QString::fromStdString(table.caption(badCell->row)), problem);
}

}  // namespace tessaro::gui
