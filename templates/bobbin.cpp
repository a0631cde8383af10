#include "templates/bobbin.h"

#include "drawing/outlines.h"
#include "drawing/shapes.h"

namespace tessaro {
namespace {

// A 3.5 by 4 mm octagon whatever the table holds, drawn from the lower-left corner of
// its box; the pen ends 1 mm right of that corner.
void smallHole(Pen& pen) {
    pen.startInnerCut(1, 0);
    traceHalfTurnOutline(pen, {{1.5, 0}, {1, 1}, {0, 2}, {-1, 1}});
}

// Three small holes, the first `first` from the pen, each next `next` on from where
// the hole before left the pen.
void holeRow(Pen& pen, Vec first, Vec next) {
    pen.placeMark(first.x, first.y);
    smallHole(pen);
    for (int hole = 2; hole <= 3; ++hole) {
        pen.placeMark(next.x, next.y);
        smallHole(pen);
    }
}

// Parts are placed by originX along the row; their first line is the move to their
// lower-left corner, where the walls' outlines start and the flange only marks.
void startPart(Pen& pen, double x, double rowY) {
    pen.currentX = 0;
    pen.currentY = rowY;
    pen.originX = x;
    pen.startOuterCut(pen.originX, pen.originY);
}

// An end plate with corners cut 5 mm, the window for the tube and three holes above
// and three below the window.
void drawFlange(Pen& pen, const BobbinSizes& bobbin, double rowY) {
    const double t = bobbin.thickness;
    const double b = bobbin.windowWidth;
    const double a = bobbin.legWidth;
    const double k = bobbin.legThickness;
    const double g = bobbin.clearance;
    startPart(pen, 0, rowY);
    pen.startOuterCut(5, 0);
    drawChamferedRectangle(pen, 2 * b + a, 2 * b + 2 * t + k, 5);
    pen.placeMark(-5, 0);
    pen.startInnerCut(b - g, b - g);
    drawRectangle(pen, a + 2 * g, 2 * t + k + 2 * g);
    holeRow(pen, {0, k + b / 4}, {a / 3, b / 4});
    pen.currentX = 0;
    pen.currentY = rowY;
    pen.placeMark(0, 0);
    holeRow(pen, {b - g, b - g - 4}, {a / 3, -b / 4});
}

// A strip with notches t deep in both long sides: near the ends where the flanges sit
// (it is a wide there, to pass the window) and in the middle for the narrow walls' tabs.
void drawWideWall(Pen& pen, const BobbinSizes& bobbin, double rowY) {
    const double t = bobbin.thickness;
    const double g = bobbin.clearance;
    const double L = bobbin.L();
    startPart(pen, 2 * bobbin.windowWidth + bobbin.legWidth + 5, rowY);
    traceHalfTurnOutline(pen, {{2 * t + bobbin.legWidth, 0},
                               {0, t},
                               {-t, 0},
                               {0, t + 2 * g},
                               {t, 0},
                               {0, L - g},
                               {-t, 0},
                               {0, L + 2 * g},
                               {t, 0},
                               {0, L - g},
                               {-t, 0},
                               {0, t + 2 * g},
                               {t, 0},
                               {0, t}});
}

// A k by 3L plate with a tab t wide over the middle third of each long side.
void drawNarrowWall(Pen& pen, const BobbinSizes& bobbin, double rowY) {
    const double L = bobbin.L();
    startPart(pen, 2 * bobbin.windowWidth + 2 * bobbin.legWidth + 2 * bobbin.thickness + 10, rowY);
    pen.lineTo(bobbin.legThickness, 0);
    drawToothedEdge(pen, {{0, 1}, {1, 0}, L, L, 0, 1, bobbin.thickness}, Relief{});
    pen.lineTo(-bobbin.legThickness, 0);
    drawToothedEdge(pen, {{0, -1}, {-1, 0}, L, L, 0, 1, bobbin.thickness}, Relief{});
}

}  // namespace

double BobbinSizes::rowPitch() const {
    const double t = thickness;
    const double flangeHeight = 2 * windowWidth + 2 * t + legThickness;
    return windowHeight + 4 * t >= flangeHeight ? windowHeight + 6 * t : flangeHeight + 5;
}

void drawBobbinFrame(Pen& pen, const BobbinSizes& sizes) {
    pen.currentX = 0;
    pen.currentY = 0;
    pen.originX = 0;
    pen.originY = 0;
    for (double rowY : {0.0, -sizes.rowPitch()}) {
        drawFlange(pen, sizes, rowY);
        drawWideWall(pen, sizes, rowY);
        drawNarrowWall(pen, sizes, rowY);
    }
}

}  // namespace tessaro
