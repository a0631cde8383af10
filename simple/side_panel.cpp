#include "simple/side_panel.h"

#include "box/panel_edges.h"
#include "drawing/shapes.h"

namespace tessaro {

void drawSimpleSidePanel(Pen& pen, const PanelSizes& box, const Options& switches, const ParamTable& screwTable) {
    const Relief relief{switches.cornerRelief, box.toolDiameter};
    const double H = box.height;
    const double D = box.depth;
    const double T = box.tabHeight;

    drawEndSlotRows(pen, box.fit(), {H, 2, D, false}, relief, holesForScrewsBetweenSlots(pen, switches, screwTable));

    // The body, counterclockwise from the front end of the side at x = 0.
    const double strip = box.thickness + box.frameMargin;
    pen.toOrigin();
    pen.startOuterCut(0, 0);
    pen.lineTo(0, -strip);
    pen.lineTo(H, 0);
    pen.lineTo(0, strip);
    drawToothedEdge(pen, ToothedEdge::divided(D, 3, T, {0, 1}, {1, 0}), relief,
                    panelGapStep(switches, box.toolDiameter, screwTable, lineWithScrewSlotLeft));
    pen.lineTo(0, strip);
    pen.lineTo(-H, 0);
    pen.lineTo(0, -strip);
    drawToothedEdge(pen, ToothedEdge::divided(D, 3, T, {0, -1}, {-1, 0}), relief,
                    panelGapStep(switches, box.toolDiameter, screwTable, lineWithScrewSlotRight));
}

}  // namespace tessaro
