#include "templates/tab_slot.h"

#include "output/shapes.h"

namespace tessaro {

void drawTabSlotPiece(Workbench& wb) {
    const ParamTable& t = wb.tabSlotTable;
    Pen& pen = wb.pen;
    const double T = t.real(1);
    const double A = t.real(4);
    const double B = t.real(5);
    pen.cutterDiameter = t.real(6);
    const double L = t.real(2);
    const double G = t.real(3);
    const double halfGap = G / 2;
    const bool relief = wb.options.tabSlotRelief;

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
