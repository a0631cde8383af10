#include "box/lid.h"

#include "box/panel_edges.h"
#include "drawing/outlines.h"
#include "drawing/shapes.h"

namespace tessaro {
namespace {

// The slots for the side panels' lid tabs: a column of three on each side, or one long
// slot per side for the one-tab edge (no screw holes then).
void drawSideSlots(Pen& pen, const PanelSizes& box, bool oneTab, Relief relief, const GapFeature& holeForScrew) {
    const Vec up{0, 1};
    const Vec left{-1, 0};
    const Vec right{1, 0};
    if (!oneTab) {
        pen.toOrigin();
        drawTabSlotRow(pen, box.fit(), {box.depth, 3, up, left, true}, relief, holeForScrew);
        pen.toOrigin(box.width, 0);
        drawTabSlotRow(pen, box.fit(), {box.depth, 3, up, right, true}, relief, holeForScrew);
        return;
    }
    const double q = box.depth / 2 / 3;
    const double s = q / 2;
    const Vec along = (5 * q + 2 * box.tabLengthAllowance) * up;
    const Vec leftAcross = box.fit().width() * left;
    const Vec rightAcross = box.fit().width() * right;
    pen.toOrigin();
    pen.startInnerCut(0, s - box.tabLengthAllowance);
    drawSlot(pen, {leftAcross, along, windingOf(left, up)}, relief);
    pen.toOrigin(box.width, 0);
    pen.startInnerCut(0, s - box.tabLengthAllowance);
    drawSlot(pen, {rightAcross, along, windingOf(up, right), true}, relief);
}

// The frame rectangle, counterclockwise from its front-left corner; chamfered, each
// corner is cut off by a 45-degree line whose legs are one cutter diameter long.
void drawLidOutline(Pen& pen, const PanelSizes& box, bool chamfered) {
    const double E = box.thickness + box.frameMargin;
    const double width = box.width + 2 * E;
    const double depth = box.depth + 2 * E;
    if (chamfered) {
        pen.startOuterCut(-(E - box.toolDiameter), -E);
        drawChamferedRectangle(pen, width, depth, box.toolDiameter);
    } else {
        pen.startOuterCut(-E, -E);
        drawRectangle(pen, width, depth);
    }
}

}  // namespace

void drawLid(Pen& pen, const PanelSizes& box, const Options& switches, const ParamTable& screwTable) {
    const Relief relief{switches.cornerRelief, box.toolDiameter};
    const GapFeature holeForScrew = holesForScrewsBetweenSlots(pen, switches, screwTable);
    drawEndSlotRows(pen, box.fit(), {box.width, 4, box.depth, true}, relief, holeForScrew);
    drawSideSlots(pen, box, switches.singleSupportTooth, relief, holeForScrew);
    pen.toOrigin();
    drawLidOutline(pen, box, switches.roundedLidCorners);
}

}  // namespace tessaro
