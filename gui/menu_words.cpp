#include "gui/menu_words.h"

namespace tessaro::gui {

const MenuWords& menuWords(bool english) {
    static const MenuWords russian{
        "&Файл",
        "&Сохранить…",
        "Сохранить как %1…",
        "Сохранить &комплект…",
        "В&ыход",
        "&Правка",
        "&Отменить",
        "&Повторить",
        "&Вид",
        "&Большой просмотр",
        "&Сборка 3D",
        "&Справка",
        "&Клавиши",
        "Tab, Shift+Tab — следующий и предыдущий элемент окна; в таблице — следующее и "
        "предыдущее значение, после последнего — дальше по окну\n"
        "Enter — следующее значение таблицы\n"
        "Ctrl+Z — отменить ввод; Ctrl+Shift+Z, Ctrl+Y — повторить\n"
        "Ctrl+S — сохранить шаблон; Ctrl+Q — выход\n"
        "Ctrl+N, Ctrl+O — новый проект, открыть проект; Ctrl+Shift+S — сохранить проект\n"
        "Ctrl+L — большой просмотр; Ctrl+3 — сборка 3D\n"
        "В большом просмотре: + и − — крупнее и мельче, 0 — вписать, Esc — закрыть",
        "&О программе",
        "%1\nВерсия %2\nЛицензия: %3 (GNU GPL версии 3 или более поздней)\n%4",
        "Построение шаблона…",
        "Запись файла: %1 МБ",
        "Отмена",
        "Отменено: файл не изменён.",
    };
    static const MenuWords inEnglish{
        "&File",
        "&Save…",
        "Save as %1…",
        "Save the &set…",
        "&Quit",
        "&Edit",
        "&Undo",
        "&Redo",
        "&View",
        "&Large preview",
        "&Assembly 3D",
        "&Help",
        "&Keys",
        "Tab, Shift+Tab: the next and the previous control; in a table the next and the "
        "previous value, past the last one on through the window\n"
        "Enter: the next value of a table\n"
        "Ctrl+Z: undo a typed value; Ctrl+Shift+Z, Ctrl+Y: redo\n"
        "Ctrl+S: save the template; Ctrl+Q: quit\n"
        "Ctrl+N, Ctrl+O: a new design, open a design; Ctrl+Shift+S: save the design\n"
        "Ctrl+L: the large preview; Ctrl+3: the assembly in 3D\n"
        "In the large preview: + and - zoom in and out, 0 fits, Esc closes",
        "&About",
        "%1\nVersion %2\nLicence: %3 (GNU GPL version 3 or later)\n%4",
        "Drawing the template…",
        "Writing the file: %1 MB",
        "Cancel",
        "Cancelled: the file is as it was.",
    };
    return english ? inEnglish : russian;
}

}  // namespace tessaro::gui
