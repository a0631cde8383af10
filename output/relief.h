#pragma once

#include "output/pen.h"

namespace tessaro {

// Straight edges with relief notches: a pocket one cutter diameter long and half a
// diameter deep beside an inside corner, so a round cutter reaches the corner point.
// Each covers exactly its axis-parallel step; a zero step writes nothing, and a step
// with both components non-zero is refused (no notch side can be chosen for it).

// Notch at the start, on the left of travel.
void lineNotchedAtStart(Pen& pen, double dx, double dy);
// Notch at the end, on the left of travel.
void lineNotchedAtEnd(Pen& pen, double dx, double dy);
// Notches at both ends, on the left of travel.
void lineNotchedAtBothEnds(Pen& pen, double dx, double dy);
// Notches at both ends, on the right of travel.
void lineNotchedOutsideAtBothEnds(Pen& pen, double dx, double dy);

}  // namespace tessaro
