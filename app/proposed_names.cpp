#include "app/proposed_names.h"

namespace tessaro {
namespace {

// A cell as it may stand in a file name: a "/" would lead out of the folder and a
// control character has no place in a name, so both become blanks.
template <RowName Row>
std::string namePart(const ParamTable& table, Row row) {
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
    using enum MainRow;
    return namePart(t, Thickness) + "mm " + namePart(t, Width) + "x" + namePart(t, Height) + "x" + namePart(t, Depth) +
           std::string(suffix);
}

std::string tabSlotName(const Workbench& wb) {
    const ParamTable& t = wb.tabSlotTable;
    using enum TabSlotTableRow;
    return namePart(t, Thickness) + "mm " + namePart(t, TabLength) + "x" + namePart(t, Gap) + " tab";
}

std::string bobbinName(const Workbench& wb) {
    const ParamTable& t = wb.bobbinTable;
    using enum BobbinRow;
    return namePart(t, Thickness) + "mm " + namePart(t, WindowHeight) + "x" + namePart(t, WindowWidth) + "x" +
           namePart(t, LegWidth) + std::string(kBobbinLabel);
}

std::string spiralName(const Workbench& wb) {
    const ParamTable& t = wb.spiralTable;
    using enum SpiralRow;
    return "spiral R" + namePart(t, StartRadius) + "mm Fi" + namePart(t, StepAngle) + " step" + namePart(t, TurnPitch) +
           " rev" + namePart(t, Turns);
}

}  // namespace tessaro
