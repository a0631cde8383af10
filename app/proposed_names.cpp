#include "app/proposed_names.h"

namespace tessaro {
namespace {

// A cell as it may stand in a file name: a "/" would lead out of the folder and a
// control character has no place in a name, so both become blanks.
std::string namePart(const ParamTable& table, int row) {
    std::string text = table.text(row);
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/' || byte < 0x20 || byte == 0x7F) {
            c = ' ';
        }
    }
    return text;
}

}  // namespace

std::string boxName(const Workbench& wb, std::string_view suffix) {
    const ParamTable& t = wb.boxTable;
    return namePart(t, 1) + "mm " + namePart(t, 2) + "x" + namePart(t, 3) + "x" + namePart(t, 4) + std::string(suffix);
}

std::string tabSlotName(const Workbench& wb) {
    const ParamTable& t = wb.tabSlotTable;
    return namePart(t, 1) + "mm " + namePart(t, 2) + "x" + namePart(t, 3) + " tab";
}

std::string bobbinName(const Workbench& wb) {
    const ParamTable& t = wb.bobbinTable;
    return namePart(t, 1) + "mm " + namePart(t, 2) + "x" + namePart(t, 3) + "x" + namePart(t, 4) + std::string(kBobbinLabel);
}

std::string spiralName(const Workbench& wb) {
    const ParamTable& t = wb.spiralTable;
    return "spiral R" + namePart(t, 1) + "mm Fi" + namePart(t, 2) + " step" + namePart(t, 3) + " rev" + namePart(t, 4);
}

}  // namespace tessaro
