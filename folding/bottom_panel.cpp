#include "folding/bottom_panel.h"

#include <utility>

#include "box/panel_sizes.h"
#include "drawing/relief.h"
#include "drawing/shapes.h"

namespace tessaro {
namespace {

// The plate with its wings, counterclockwise from its front-left corner: the front half,
// then the same steps turned half round for the rear half.
void drawWingedPlate(Pen& pen, const PanelSizes& box, Relief relief) {
    const double M = box.thickness;
    const double E = M + box.frameMargin;
    pen.startOuterCut(0, -E);
    for (const double turn : {1.0, -1.0}) {
        pen.lineTo(turn * box.width, 0);
        reliefOr(relief, lineNotchedAtEnd)(pen, 0, turn * (3 * M + box.frameMargin));
        pen.lineTo(turn * E, 0);
        pen.lineTo(0, turn * (box.depth - 4 * M));
        pen.lineTo(-turn * E, 0);
        reliefOr(relief, lineNotchedAtStart)(pen, 0, turn * (3 * M + box.frameMargin));
    }
}

// A slot in a wing, from a corner on the wing's line: across the wing towards `out`
// (-1 or +1 along X), then along it towards `toward` (-1 or +1 along Y).
void drawWingSlot(Pen& pen, Vec corner, double out, double width, double toward, double length, Relief relief) {
    pen.toOrigin(corner.x, 0);
    pen.startInnerCut(0, corner.y);
    const Vec across{out * width, 0};
    const Vec along{0, toward * length};
    drawSlot(pen, {across, along, windingOf({out, 0}, {0, toward})}, relief);
}

// Two slots per wing, one under each of the side panel's two teeth; the rear slot is
// drawn from its rear end.
void drawTwoSlotsPerWing(Pen& pen, const PanelSizes& box, Relief relief) {
    const double M = box.thickness;
    const double D = box.depth;
    const double length = D / 4 - 2 * M + 2 * box.tabLengthAllowance;
    const double frontEnd = 2 * M + D / 8 - box.tabLengthAllowance;
    const double rearEnd = D - 2 * M - D / 8 + box.tabLengthAllowance;
    for (const auto& [wingX, out] : {std::pair{0.0, -1.0}, std::pair{box.width, 1.0}}) {
        drawWingSlot(pen, {wingX, frontEnd}, out, box.fit().width(), 1, length, relief);
        drawWingSlot(pen, {wingX, rearEnd}, out, box.fit().width(), -1, length, relief);
    }
}

// One long slot per wing under the side panel's one tooth; the right one is drawn from
// its outer edge, so both are traced alike.
void drawOneSlotPerWing(Pen& pen, const PanelSizes& box, Relief relief) {
    const double M = box.thickness;
    const double D = box.depth;
    const double length = 3 * D / 4 - 4 * M + 2 * box.tabLengthAllowance;
    const double frontEnd = 2 * M + D / 8 - box.tabLengthAllowance;
    for (const double x : {0.0, box.width + M + box.slotAllowance}) {
        drawWingSlot(pen, {x, frontEnd}, -1, box.fit().width(), 1, length, relief);
    }
}

// A notch across the middle of each wing for the bottom-support jumper; it reaches past
// the wing's edge.
void drawJumperNotches(Pen& pen, const PanelSizes& box) {
    const double M = box.thickness;
    for (const auto& [wingX, out] : {std::pair{0.0, -1.0}, std::pair{box.width, 1.0}}) {
        pen.toOrigin();
        pen.startInnerCut(wingX, box.depth / 2 - M - box.tabLengthAllowance);
        const Vec across{out * (2 * M + 2), 0};
        const Vec along{0, 2 * M + 2 * box.tabLengthAllowance};
        drawSlot(pen, {across, along, windingOf({0, 1}, {out, 0}), true}, {});
    }
}

}  // namespace

void drawBottomPanel(Pen& pen, const PanelSizes& box, const Options& switches) {
    const Relief relief{switches.cornerRelief, box.toolDiameter};
    drawEndSlotRows(pen, box.fit(), {box.width, 4, box.depth, true}, relief);
    pen.toOrigin();
    drawWingedPlate(pen, box, relief);
    if (switches.singleSupportTooth) {
        drawOneSlotPerWing(pen, box, relief);
    } else {
        drawTwoSlotsPerWing(pen, box, relief);
        if (switches.supportJumper) {
            drawJumperNotches(pen, box);
        }
    }
}

}  // namespace tessaro
