#include "drawing/relief.h"

#include "drawing/drawing_error.h"
#include "drawing/edge_step.h"

namespace tessaro {
namespace {

enum class Side { Left, Right };

struct Travel {
    Vec along;  // unit direction of the step
    Vec notch;  // unit direction into which the notches are cut
};

// Zero steps draw nothing, so they have no travel.
bool travelOf(double dx, double dy, Side side, Travel& travel) {
    if (dx != 0 && dy != 0) {
        throw DrawingError("A relief edge must run along X or along Y");
    }
    if (dx == 0 && dy == 0) {
        return false;
    }
    const Vec along = dx > 0 ? Vec{1, 0} : dx < 0 ? Vec{-1, 0} : dy > 0 ? Vec{0, 1} : Vec{0, -1};
    const Vec left{-along.y, along.x};
    travel = {along, side == Side::Left ? left : -left};
    return true;
}

// Half a diameter out, one diameter along, half a diameter back.
void notch(Pen& pen, double D, const Travel& t) {
    pen.lineTo(t.notch.x * (D / 2), t.notch.y * (D / 2));
    pen.lineTo(t.along.x * D, t.along.y * D);
    pen.lineTo(-t.notch.x * (D / 2), -t.notch.y * (D / 2));
}

// The rest of the step once `notches` diameters of it are taken by notches.
void run(Pen& pen, double toolDiameter, const Travel& t, double dx, double dy, double notches) {
    const double taken = notches * toolDiameter;
    pen.lineTo(dx - t.along.x * taken, dy - t.along.y * taken);
}

void notchedEdge(Pen& pen, double toolDiameter, double dx, double dy, Side side, bool atStart, bool atEnd) {
    Travel t;
    if (!travelOf(dx, dy, side, t)) {
        return;
    }
    if (atStart) {
        notch(pen, toolDiameter, t);
    }
    run(pen, toolDiameter, t, dx, dy, (atStart ? 1 : 0) + (atEnd ? 1 : 0));
    if (atEnd) {
        notch(pen, toolDiameter, t);
    }
}

}  // namespace

void lineNotchedAtStart(Pen& pen, double toolDiameter, double dx, double dy) {
    notchedEdge(pen, toolDiameter, dx, dy, Side::Left, true, false);
}

void lineNotchedAtEnd(Pen& pen, double toolDiameter, double dx, double dy) {
    notchedEdge(pen, toolDiameter, dx, dy, Side::Left, false, true);
}

void lineNotchedAtBothEnds(Pen& pen, double toolDiameter, double dx, double dy) {
    notchedEdge(pen, toolDiameter, dx, dy, Side::Left, true, true);
}

void lineNotchedOutsideAtBothEnds(Pen& pen, double toolDiameter, double dx, double dy) {
    notchedEdge(pen, toolDiameter, dx, dy, Side::Right, true, true);
}

}  // namespace tessaro
