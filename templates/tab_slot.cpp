#include "templates/tab_slot.h"

#include "output/shapes.h"

namespace tessaro {

TabSlotSizes TabSlotSizes::read(const ParamTable& tabSlotTable) {
    TabSlotSizes sizes;
    sizes.thickness = tabSlotTable.real(1);
    sizes.slotAllowance = tabSlotTable.real(4);
    sizes.tabLengthAllowance = tabSlotTable.real(5);
    sizes.cutterDiameter = tabSlotTable.real(6);
    sizes.tabLength = tabSlotTable.real(2);
    sizes.gap = tabSlotTable.real(3);
    return sizes;
}

void drawTabSlotPiece(Pen& pen, const TabSlotSizes& sizes, bool relief) {
    const double T = sizes.thickness;
    const double L = sizes.tabLength;
    const double G = sizes.gap;
    const double A = sizes.slotAllowance;
    const double B = sizes.tabLengthAllowance;
    const double halfGap = G / 2;
    pen.cutterDiameter = sizes.cutterDiameter;

    pen.currentX = 0;
    pen.currentY = 0;
    pen.moveTo(0, 0);
    pen.moveTo(L + G, 0);
    const Slot slot{{0, T + A}, {L + 2 * B, 0}, Winding::CounterClockwise, true};
    drawSlotRow(pen, {2, {L + G, 0}}, [&] { drawSlot(pen, slot, relief); });

    // Back over both slots to the strip's edge, 2T + 3 up; the teeth hang down T from it.
    pen.moveTo(-(halfGap + L + G - B), 2 * T + 3);
    drawToothedEdge(pen, {{1, 0}, {0, -1}, halfGap, L, G, 2, T}, relief);
    pen.stroke();
}

}  // namespace tessaro
