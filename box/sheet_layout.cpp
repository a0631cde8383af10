#include "box/sheet_layout.h"

namespace tessaro {

void drawSheet(Workbench& wb, std::span<const Placement> layout) {
    for (const Placement& part : layout) {
        wb.pen.originX = part.originX;
        wb.pen.originY = part.originY;
        part.generator(wb);
    }
}

}  // namespace tessaro
