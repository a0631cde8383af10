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
        "Чертёж",
        "Сборка 3D",
        "Разнести: %1 мм",
        "Раздвинуть детали вдоль их граней, чтобы увидеть соединения",
        "Тяните мышью, чтобы повернуть; колесо приближает; двойной щелчок — исходный вид",
        "Трёхмерный вид показывает корпуса: откройте вкладку «Разборный корпус» или «Простой корпус».",
        "тугих соединений: %1 (красным)",
        "построение…",
    };
    static const PreviewWords inEnglish{
        "Template preview",
        "Fit",
        "Show the whole template (or double-click)",
        "Double-click opens the large preview",
        "mm",
        "Row \"%1\": %2",
        "Sheets: %1, %2",
        "Drawing",
        "Assembly 3D",
        "Exploded: %1 mm",
        "Move the parts apart along their faces to see the joints",
        "Drag to turn, the wheel zooms, a double click shows the first view",
        "The 3D view shows the boxes: open the \"Folding box\" or the \"Simple box\" tab.",
        "tight joints: %1 (in red)",
        "drawing…",
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
