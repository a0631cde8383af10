#pragma once

#include "output/pen.h"

namespace tessaro {

// The screw-and-nut slot's sizes, in millimetres.
struct ScrewSize {
    double L1 = 0;  // channel from the edge to the nut pocket
    double L2 = 0;  // nut thickness: the pocket's length along the channel
    double L3 = 0;  // channel beyond the pocket
    double L4 = 0;  // screw diameter: the channel's width, the hole's size
    double L5 = 0;  // nut's outer size: the pocket's width
};

// A straight edge step with a T-shaped screw slot centred on it, pointing into the
// panel (+Y, -Y, -X, +X). The step is taken from dx (Up, Dwn) or dy (Lft, Rgt); the
// other component is ignored. Each writes 13 lines and ends on the step's end.
void lineWithScrewSlotUp(Pen& pen, const ScrewSize& size, double dx, double dy);
void lineWithScrewSlotDown(Pen& pen, const ScrewSize& size, double dx, double dy);
void lineWithScrewSlotLeft(Pen& pen, const ScrewSize& size, double dx, double dy);
void lineWithScrewSlotRight(Pen& pen, const ScrewSize& size, double dx, double dy);

// An octagonal hole of size L4 centred (dx, dy) from the current point, as an outline
// of its own; the pen ends on the Y of the call point, L4/6 left of the centre's X.
void drawScrewHole(Pen& pen, double L4, double dx, double dy);

}  // namespace tessaro
