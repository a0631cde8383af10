#include "drawing/screw.h"

#include <array>

#include "drawing/edge_step.h"

namespace tessaro {
namespace {

// How the slot pointing up turns into the slot of another direction.
using Turn = Vec (*)(Vec);

Vec pointUp(Vec v) { return v; }
Vec pointDown(Vec v) { return {-v.x, -v.y}; }
Vec pointLeft(Vec v) { return {-v.y, v.x}; }
Vec pointRight(Vec v) { return {v.y, -v.x}; }

// The slot between the two edge pieces, told for the slot pointing up.
std::array<Vec, 11> upwardSlot(const ScrewSize& s) {
    const double w = (s.nutWidth - s.screwDiameter) / 2;
    return {{{0, s.channelToNut},
             {-w, 0},
             {0, s.nutThickness},
             {w, 0},
             {0, s.channelBeyondNut},
             {s.screwDiameter, 0},
             {0, -s.channelBeyondNut},
             {w, 0},
             {0, -s.nutThickness},
             {-w, 0},
             {0, -s.channelToNut}}};
}

void screwEdge(Pen& pen, const ScrewSize& size, Vec edgePiece, Turn turn) {
    pen.lineTo(edgePiece.x, edgePiece.y);
    for (Vec step : upwardSlot(size)) {
        const Vec turned = turn(step);
        pen.lineTo(turned.x, turned.y);
    }
    pen.lineTo(edgePiece.x, edgePiece.y);
}

}  // namespace

void lineWithScrewSlotUp(Pen& pen, const ScrewSize& size, double dx, double) {
    screwEdge(pen, size, {(dx - size.screwDiameter) / 2, 0}, pointUp);
}

void lineWithScrewSlotDown(Pen& pen, const ScrewSize& size, double dx, double) {
    screwEdge(pen, size, {(dx + size.screwDiameter) / 2, 0}, pointDown);
}

void lineWithScrewSlotLeft(Pen& pen, const ScrewSize& size, double, double dy) {
    screwEdge(pen, size, {0, (dy - size.screwDiameter) / 2}, pointLeft);
}

void lineWithScrewSlotRight(Pen& pen, const ScrewSize& size, double, double dy) {
    screwEdge(pen, size, {0, (dy + size.screwDiameter) / 2}, pointRight);
}

void drawHoleForScrew(Pen& pen, double diameter, double dx, double dy) {
    const double r = diameter / 2;
    const double s = diameter / 3;
    // The first move reaches the top side's left end in two additions to X.
    pen.currentX += dx - r;
    pen.startInnerCut(s, dy + r);
    for (Vec side : std::array<Vec, 8>{{{s, 0}, {s, -s}, {0, -s}, {-s, -s}, {-s, 0}, {-s, s}, {0, s}, {s, s}}}) {
        pen.lineTo(side.x, side.y);
    }
    pen.placeMark(0, -(r + dy));
}

}  // namespace tessaro
