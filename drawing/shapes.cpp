#include "drawing/shapes.h"

#include "drawing/relief.h"

namespace tessaro {
namespace {

void stepBy(Pen& pen, const EdgeStep& step, double length, Vec direction) {
    const Vec v = length * direction;
    step(pen, v.x, v.y);
}

void lineBy(Pen& pen, double length, Vec direction) { stepBy(pen, plainStep, length, direction); }

}  // namespace

EdgeStep reliefOr(Relief relief, ReliefEdge primitive) {
    if (relief) {
        return [primitive, diameter = relief.toolDiameter](Pen& pen, double dx, double dy) {
            primitive(pen, diameter, dx, dy);
        };
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

void drawToothedEdge(Pen& pen, const ToothedEdge& edge, Relief relief, const EdgeStep& gapStep) {
    drawToothedEdge(pen, edge,
                    {reliefOr(relief, lineNotchedAtEnd), relief ? reliefOr(relief, lineNotchedAtBothEnds) : gapStep,
                     reliefOr(relief, lineNotchedAtStart)});
}

Winding windingOf(Vec first, Vec second) {
    return first.x * second.y - first.y * second.x > 0 ? Winding::CounterClockwise : Winding::Clockwise;
}

void drawSlot(Pen& pen, const Slot& slot, Relief relief) {
    const EdgeStep longSide = reliefOr(
        relief, slot.winding == Winding::CounterClockwise ? lineNotchedOutsideAtBothEnds : lineNotchedAtBothEnds);
    const Vec back = -slot.across;
    const Vec returning = -slot.along;
    if (slot.alongFirst) {
        longSide(pen, slot.along.x, slot.along.y);
        pen.lineTo(slot.across.x, slot.across.y);
        longSide(pen, returning.x, returning.y);
        pen.lineTo(back.x, back.y);
    } else {
        pen.lineTo(slot.across.x, slot.across.y);
        longSide(pen, slot.along.x, slot.along.y);
        pen.lineTo(back.x, back.y);
        longSide(pen, returning.x, returning.y);
    }
}

void drawSlotRow(Pen& pen, const SlotRow& row, const std::function<void()>& drawSlotHere,
                 const std::function<void()>& between) {
    for (int k = 1; k <= row.count; ++k) {
        const double cornerX = pen.currentX;
        const double cornerY = pen.currentY;
        drawSlotHere();
        const bool last = k == row.count;
        if (last && !row.moveAfterLast) {
            break;
        }
        if (last) {
            pen.placeMark(row.pitch.x, row.pitch.y);
        } else if (between) {
            between();
            pen.startInnerCut(cornerX + row.pitch.x - pen.currentX, cornerY + row.pitch.y - pen.currentY);
        } else {
            pen.startInnerCut(row.pitch.x, row.pitch.y);
        }
    }
}

}  // namespace tessaro
