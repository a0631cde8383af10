#include "box/tab_slots.h"

#include "drawing/shapes.h"

namespace tessaro {

void drawTabSlotRow(Pen& pen, const SlotFit& fit, const TabSlotRow& row, Relief relief, const GapFeature& between) {
    const double q = row.length / 2 / row.tabs;
    const double s = q / 2;
    const Vec start = (s - fit.tabLengthAllowance) * row.along;
    pen.startInnerCut(start.x, start.y);

    const Vec across = fit.width() * row.out;
    const Vec along = (q + 2 * fit.tabLengthAllowance) * row.along;
    const Slot slot{across, along, windingOf(row.out, row.along)};
    const Vec toGapCentre = (fit.tabLengthAllowance + q + s) * row.along + (fit.width() / 2) * row.out;
    std::function<void()> gapFeature;
    if (between) {
        gapFeature = [&] { between(toGapCentre); };
    }
    drawSlotRow(
        pen, {row.tabs, (2 * q) * row.along, row.moveAfterLast}, [&] { drawSlot(pen, slot, relief); }, gapFeature);
}

void drawEndSlotRows(Pen& pen, const SlotFit& fit, const EndSlotRows& rows, Relief relief, const GapFeature& between) {
    pen.toOrigin();
    drawTabSlotRow(pen, fit, {rows.length, rows.tabs, {1, 0}, {0, -1}, rows.moveAfterLast}, relief, between);
    pen.toOrigin(0, rows.depth);
    drawTabSlotRow(pen, fit, {rows.length, rows.tabs, {1, 0}, {0, 1}, rows.moveAfterLast}, relief, between);
}

}  // namespace tessaro
