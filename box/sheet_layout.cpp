#include "box/sheet_layout.h"

namespace tessaro {

void drawSheet(Pen& pen, std::span<const Placement> layout) {
    for (const Placement& part : layout) {
        pen.originX = part.originX;
        pen.originY = part.originY;
        part.draw(pen);
    }
}

}  // namespace tessaro
