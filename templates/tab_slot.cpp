#include "templates/tab_slot.h"

namespace tessaro {

Slot testSlot(const TabSlotSizes& sizes, double slotAllowance) {
    const double L = sizes.tabLength;
    const double B = sizes.tabLengthAllowance;
    return {{0, sizes.thickness + slotAllowance}, {L + 2 * B, 0}, Winding::CounterClockwise, true};
}

ToothedEdge stripEdge(const TabSlotSizes& sizes, int teeth) {
    return {{1, 0}, {0, -1}, sizes.gap / 2, sizes.tabLength, sizes.gap, teeth, sizes.thickness};
}

void drawTabSlotPiece(Pen& pen, const TabSlotSizes& sizes, bool withRelief) {
    const Relief relief{withRelief, sizes.toolDiameter};
    const double T = sizes.thickness;
    const double L = sizes.tabLength;
    const double G = sizes.gap;
    const double B = sizes.tabLengthAllowance;
    const double halfGap = G / 2;

    pen.currentX = 0;
    pen.currentY = 0;
    pen.placeMark(0, 0);
    pen.startInnerCut(L + G, 0);
    const Slot slot = testSlot(sizes, sizes.slotAllowance);
    drawSlotRow(pen, {2, {L + G, 0}}, [&] { drawSlot(pen, slot, relief); });

    // Back over both slots to the strip's edge, 2T + 3 up; the teeth hang down T from it.
    pen.startOuterCut(-(halfGap + L + G - B), 2 * T + 3);
    drawToothedEdge(pen, stripEdge(sizes, 2), relief);
}

}  // namespace tessaro
