#include "folding/side_panel.h"

#include "folding/bottom_warning.h"
#include "folding/panel_sizes.h"
#include "output/relief.h"
#include "output/shapes.h"

namespace tessaro {
namespace {

// From the origin round the far long side back to (0, D): down the front strip, across,
// up the outer edge (recessed between two feet, straight for one long foot, nearer
// without feet), back across and down the rear strip.
void drawFeetSide(Pen& pen, const PanelSizes& z, Feet feet) {
    const double M = z.M;
    const double F = z.F;
    const double D = z.D;
    const double width = feet == Feet::None ? z.H + M + F : z.H + 2 * M + F;
    pen.lineTo(0, -(M + F));
    pen.lineTo(width, 0);
    if (feet == Feet::Two) {
        pen.lineTo(0, M + F + D / 4);
        pen.lineTo(-F, 0);
        pen.lineTo(0, D / 2);
        pen.lineTo(F, 0);
        pen.lineTo(0, D / 4 + M + F);
    } else {
        pen.lineTo(0, D + 2 * (M + F));
    }
    pen.lineTo(-width, 0);
    pen.lineTo(0, -(M + F));
}

// The lid edge from (0, D) down to the origin, its tabs standing out to x = -T.
ToothedEdge lidEdge(const PanelSizes& z, bool oneTooth) {
    const Vec down{0, -1};
    const Vec out{-1, 0};
    if (oneTooth) {
        return {down, out, z.D / 12, 5 * z.D / 6, 0, 1, z.T};
    }
    return ToothedEdge::divided(z.D, 3, z.T, down, out);
}

// The long hole that takes the bottom's wing, counterclockwise from its inner front
// corner. Teeth of the panel reach into it from its outer side and hook into the wing's
// slots; the relief notches of its long sides go into the panel around it.
void drawHoldingHole(Pen& pen, const PanelSizes& z, bool oneTooth, bool relief) {
    const double M = z.M;
    const double D = z.D;
    const double Al = z.Al;
    const double q = D / 4;
    const double s = D / 8;
    pen.moveTo(z.H - z.T, 2 * M - Al);
    pen.lineTo(M + z.Ah + z.T, 0);
    const Vec up{0, 1};
    const Vec in{-1, 0};
    const ToothedEdge teeth = oneTooth ? ToothedEdge{up, in, s + Al, 3 * D / 4 - 4 * M, 0, 1, z.T}
                                       : ToothedEdge{up, in, s + Al, q - 2 * M, q, 2, z.T};
    const EdgeStep side = reliefOr(relief, lineNotchedOutsideAtBothEnds);
    drawToothedEdge(pen, teeth, {side, side, side});
    pen.lineTo(-(M + z.T + z.Ah), 0);
    side(pen, 0, -(D - 4 * M + 2 * Al));
}

// An opening across the middle of the holding hole for the bottom-support jumper.
void drawJumperOpening(Pen& pen, const PanelSizes& z) {
    const double M = z.M;
    pen.moveTo(z.H + M + 2, z.D / 2 - M);
    const Vec along{0, 2 * M};
    const Vec across{-(2 * M + 4), 0};
    drawSlot(pen, {across, along, windingOf({0, 1}, {-1, 0}), true}, false);
}

}  // namespace

void drawSidePanel(Workbench& wb) {
    const PanelSizes z = readPanelSizes(wb, {1, 3, 4, 5, 6, 7, 8, 9});
    warnIfBottomFallsOut(wb);
    Pen& pen = wb.pen;
    const Options& o = wb.options;

    drawEndSlotRows(pen, z.fit(), {z.H, 2, z.D, false}, o.cornerRelief);
    pen.toOrigin();
    pen.moveTo(0, 0);
    drawFeetSide(pen, z, o.feet);
    drawToothedEdge(pen, lidEdge(z, o.singleSupportTooth), o.cornerRelief);
    pen.toOrigin();
    drawHoldingHole(pen, z, o.singleSupportTooth, o.cornerRelief);
    if (!o.singleSupportTooth && o.supportJumper) {
        pen.toOrigin();
        drawJumperOpening(pen, z);
    }
    pen.stroke();
}

}  // namespace tessaro
