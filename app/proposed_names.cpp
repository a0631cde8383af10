#include "app/proposed_names.h"

namespace tessaro {

std::string boxName(const Workbench& wb, std::string_view suffix) {
    const ParamTable& t = wb.ParamGrid;
    return t.text(1) + "mm " + t.text(2) + "x" + t.text(3) + "x" + t.text(4) + std::string(suffix);
}

std::string tabSlotName(const Workbench& wb) {
    const ParamTable& t = wb.ZubPazGrid;
    return t.text(1) + "mm " + t.text(2) + "x" + t.text(3) + " tab";
}

std::string bobbinName(const Workbench& wb) {
    const ParamTable& t = wb.TransGrid;
    return t.text(1) + "mm " + t.text(2) + "x" + t.text(3) + "x" + t.text(4) + std::string(kBobbinLabel);
}

std::string spiralName(const Workbench& wb) {
    const ParamTable& t = wb.ArhimedGrid;
    return "spiral R" + t.text(1) + "mm Fi" + t.text(2) + " step" + t.text(3) + " rev" + t.text(4);
}

}  // namespace tessaro
