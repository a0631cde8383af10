#pragma once

#include "drawing/pen.h"

namespace tessaro {

// The screw-and-nut slot's sizes, in millimetres.
struct ScrewSize {
    double channelToNut = 0;      // L1, the channel from the edge to the nut pocket
    double nutThickness = 0;      // L2, the pocket's length along the channel
    double channelBeyondNut = 0;  // L3, the channel beyond the pocket
    double screwDiameter = 0;     // L4, the channel's width and the hole's size
    double nutWidth = 0;          // L5, the nut's outer size: the pocket's width
};

// A straight edge step with a T-shaped screw slot centred on it, pointing into the
// panel (+Y, -Y, -X, +X). The step is taken from dx (Up, Dwn) or dy (Lft, Rgt); the
// other component is ignored. Each writes 13 lines and ends on the step's end.
void lineWithScrewSlotUp(Pen& pen, const ScrewSize& size, double dx, double dy);
void lineWithScrewSlotDown(Pen& pen, const ScrewSize& size, double dx, double dy);
void lineWithScrewSlotLeft(Pen& pen, const ScrewSize& size, double dx, double dy);
void lineWithScrewSlotRight(Pen& pen, const ScrewSize& size, double dx, double dy);

// An octagonal hole of the given diameter centred (dx, dy) from the current point, as an outline
// of its own; the pen ends on the Y of the call point, diameter/6 left of the centre's X.
void drawHoleForScrew(Pen& pen, double diameter, double dx, double dy);

}  // namespace tessaro
