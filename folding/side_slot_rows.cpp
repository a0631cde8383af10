#include "folding/side_slot_rows.h"

#include <functional>

#include "output/screw.h"
#include "output/shapes.h"

namespace tessaro {
namespace {

// One row from the left corner of its first slot; `across` is the signed slot width,
// towards the outside of the panel, and decides the winding.
void drawRow(Workbench& wb, const SideSlotSizes& z, double rowY, double across, bool screwHoles) {
    Pen& pen = wb.pen;
    const double q = z.H / 4;
    const double s = z.H / 8;
    const Slot slot{{0, across}, {q + 2 * z.Al, 0}, across < 0 ? Winding::CounterClockwise : Winding::Clockwise};
    std::function<void()> hole;
    if (screwHoles) {
        hole = [&] { ScrewHole(pen, wb.GridScrewL.real(4), z.Al + q + q / 2, across / 2); };
    }
    pen.toOrigin(0, rowY);
    pen.pMoveTo(s - z.Al, 0);
    drawSlotRow(pen, {2, {2 * q, 0}}, [&] { drawSlot(pen, slot, wb.options.ExtAngle); }, hole);
}

}  // namespace

void drawSideSlotRows(Workbench& wb, const SideSlotSizes& sizes, bool screwHoles) {
    const double width = sizes.M + sizes.Ah;
    drawRow(wb, sizes, 0, -width, screwHoles);
    drawRow(wb, sizes, sizes.D, width, screwHoles);
}

}  // namespace tessaro
