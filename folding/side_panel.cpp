#include "folding/side_panel.h"

#include "box/panel_sizes.h"
#include "drawing/relief.h"
#include "drawing/shapes.h"

namespace tessaro {
namespace {

// From the origin round the far long side back to (0, D): down the front strip, across,
// up the outer edge (recessed between two feet, straight for one long foot, nearer
// without feet), back across and down the rear strip.
void drawFeetSide(Pen& pen, const PanelSizes& box, Feet feet) {
    const double M = box.thickness;
    const double F = box.frameMargin;
    const double D = box.depth;
    const double width = feet == Feet::None ? box.height + M + F : box.height + 2 * M + F;
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
ToothedEdge lidEdge(const PanelSizes& box, bool oneTooth) {
    const Vec down{0, -1};
    const Vec out{-1, 0};
    if (oneTooth) {
        return {down, out, box.depth / 12, 5 * box.depth / 6, 0, 1, box.tabHeight};
    }
    return ToothedEdge::divided(box.depth, 3, box.tabHeight, down, out);
}

// The long hole that takes the bottom's wing, counterclockwise from its inner front
// corner. Teeth of the panel reach into it from its outer side and hook into the wing's
// slots; the relief notches of its long sides go into the panel around it.
void drawHoldingHole(Pen& pen, const PanelSizes& box, bool oneTooth, Relief relief) {
    const double M = box.thickness;
    const double D = box.depth;
    const double Al = box.tabLengthAllowance;
    const double q = D / 4;
    const double s = D / 8;
    pen.startInnerCut(box.height - box.tabHeight, 2 * M - Al);
    pen.lineTo(M + box.slotAllowance + box.tabHeight, 0);
    const Vec up{0, 1};
    const Vec in{-1, 0};
    const ToothedEdge teeth = oneTooth ? ToothedEdge{up, in, s + Al, 3 * D / 4 - 4 * M, 0, 1, box.tabHeight}
                                       : ToothedEdge{up, in, s + Al, q - 2 * M, q, 2, box.tabHeight};
    const EdgeStep side = reliefOr(relief, lineNotchedOutsideAtBothEnds);
    drawToothedEdge(pen, teeth, {side, side, side});
    pen.lineTo(-(M + box.tabHeight + box.slotAllowance), 0);
    side(pen, 0, -(D - 4 * M + 2 * Al));
}

// An opening across the middle of the holding hole for the bottom-support jumper.
void drawJumperOpening(Pen& pen, const PanelSizes& box) {
    const double M = box.thickness;
    pen.startInnerCut(box.height + M + 2, box.depth / 2 - M);
    const Vec along{0, 2 * M};
    const Vec across{-(2 * M + 4), 0};
    drawSlot(pen, {across, along, windingOf({0, 1}, {-1, 0}), true}, {});
}

}  // namespace

void drawSidePanel(Pen& pen, const PanelSizes& box, const Options& switches) {
    const Relief relief{switches.cornerRelief, box.toolDiameter};
    const bool oneTooth = switches.singleSupportTooth;
    drawEndSlotRows(pen, box.fit(), {box.height, 2, box.depth, false}, relief);
    pen.toOrigin();
    pen.startOuterCut(0, 0);
    drawFeetSide(pen, box, switches.feet);
    drawToothedEdge(pen, lidEdge(box, oneTooth), relief);
    pen.toOrigin();
    drawHoldingHole(pen, box, oneTooth, relief);
    if (!oneTooth && switches.supportJumper) {
        pen.toOrigin();
        drawJumperOpening(pen, box);
    }
}

}  // namespace tessaro
