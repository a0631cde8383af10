#include "output/shapes.h"

#include "output/relief.h"

namespace tessaro {
namespace {

void stepBy(Pen& pen, const EdgeStep& step, double length, Vec direction) {
    const Vec v = length * direction;
    step(pen, v.x, v.y);
}

void lineBy(Pen& pen, double length, Vec direction) { stepBy(pen, plainStep, length, direction); }

}  // namespace

EdgeStep reliefOr(bool relief, void (*primitive)(Pen&, double, double)) {
    if (relief) {
        return primitive;
    }
    return plainStep;
}

ToothedEdge ToothedEdge::divided(double length, int tabs, double height, Vec along, Vec out) {
    const double q = length / 2 / tabs;
    return {along, out, q / 2, q, q, tabs, height};
}

void drawToothedEdge(Pen& pen, const ToothedEdge& edge, const EdgeSteps& steps) {
    stepBy(pen, steps.firstEnd, edge.end, edge.along);
    for (int tab = 1; tab <= edge.tabs; ++tab) {
        lineBy(pen, edge.height, edge.out);
        lineBy(pen, edge.tab, edge.along);
        lineBy(pen, edge.height, -edge.out);
        if (tab < edge.tabs) {
            stepBy(pen, steps.gap, edge.gap, edge.along);
        }
    }
    stepBy(pen, steps.lastEnd, edge.end, edge.along);
}

void drawToothedEdge(Pen& pen, const ToothedEdge& edge, bool relief, const EdgeStep& gapStep) {
    drawToothedEdge(pen, edge,
                    {reliefOr(relief, pLineTo_Ext), relief ? EdgeStep(pExt_LineTo_Ext) : gapStep,
                     reliefOr(relief, pExt_LineTo)});
}

Winding windingOf(Vec first, Vec second) {
    return first.x * second.y - first.y * second.x > 0 ? Winding::CounterClockwise : Winding::Clockwise;
}

void drawSlot(Pen& pen, const Slot& slot, bool relief) {
    const EdgeStep longSide =
        reliefOr(relief, slot.winding == Winding::CounterClockwise ? pOutExt_LineTo_Ext : pExt_LineTo_Ext);
    const Vec back = -slot.across;
    const Vec returning = -slot.along;
    if (slot.alongFirst) {
        longSide(pen, slot.along.x, slot.along.y);
        pen.pLineTo(slot.across.x, slot.across.y);
        longSide(pen, returning.x, returning.y);
        pen.pLineTo(back.x, back.y);
    } else {
        pen.pLineTo(slot.across.x, slot.across.y);
        longSide(pen, slot.along.x, slot.along.y);
        pen.pLineTo(back.x, back.y);
        longSide(pen, returning.x, returning.y);
    }
}

void drawSlotRow(Pen& pen, const SlotRow& row, const std::function<void()>& drawSlotHere,
                 const std::function<void()>& between) {
    for (int k = 1; k <= row.count; ++k) {
        const double cornerX = pen.CurX;
        const double cornerY = pen.CurY;
        drawSlotHere();
        const bool last = k == row.count;
        if (last && !row.moveAfterLast) {
            break;
        }
        if (between && !last) {
            between();
            pen.pMoveTo(cornerX + row.pitch.x - pen.CurX, cornerY + row.pitch.y - pen.CurY);
        } else {
            pen.pMoveTo(row.pitch.x, row.pitch.y);
        }
    }
}

}  // namespace tessaro
