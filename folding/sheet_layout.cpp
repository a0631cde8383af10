#include "folding/sheet_layout.h"

namespace tessaro {

void drawSheet(Workbench& wb, std::span<const Placement> layout) {
    for (const Placement& part : layout) {
        wb.pen.OrgX = part.OrgX;
        wb.pen.OrgY = part.OrgY;
        part.generator(wb);
    }
}

}  // namespace tessaro
