#pragma once

#include "drawing/pen.h"

namespace tessaro {

// Straight edges with relief notches: a pocket one cutter diameter long and half a
// diameter deep beside an inside corner, so a round cutter reaches the corner point.
// Each covers exactly its axis-parallel step; a zero step writes nothing, and a step
// with both components non-zero is refused (no notch side can be chosen for it).

// Whether inside corners get relief notches, and the diameter of the cutter they are for.
struct Relief {
    bool on = false;
    double toolDiameter = 0;
    explicit operator bool() const { return on; }
};

// A relief edge for a cutter of `toolDiameter`.
using ReliefEdge = void (*)(Pen&, double toolDiameter, double dx, double dy);

// Notch at the start, on the left of travel.
void lineNotchedAtStart(Pen& pen, double toolDiameter, double dx, double dy);
// Notch at the end, on the left of travel.
void lineNotchedAtEnd(Pen& pen, double toolDiameter, double dx, double dy);
// Notches at both ends, on the left of travel.
void lineNotchedAtBothEnds(Pen& pen, double toolDiameter, double dx, double dy);
// Notches at both ends, on the right of travel.
void lineNotchedOutsideAtBothEnds(Pen& pen, double toolDiameter, double dx, double dy);

}  // namespace tessaro
