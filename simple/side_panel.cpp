#include "simple/side_panel.h"

#include "box/bottom_warning.h"
#include "box/panel_edges.h"
#include "box/panel_sizes.h"
#include "output/shapes.h"

namespace tessaro {

void drawSimpleSidePanel(Workbench& wb) {
    const PanelSizes box = readPanelSizes(wb, {1, 3, 4, 5, 6, 7, 8, 9});
    warnIfBottomFallsOut(wb);
    Pen& pen = wb.pen;
    const bool relief = wb.options.cornerRelief;

    drawEndSlotRows(pen, box.fit(), {box.height, 2, box.depth, false}, relief, screwHolesBetweenSlots(wb));

    // The body, counterclockwise from the front end of the side at x = 0.
    const double strip = box.thickness + box.frameAllowance;
    pen.toOrigin();
    pen.moveTo(0, 0);
    pen.lineTo(0, -strip);
    pen.lineTo(box.height, 0);
    pen.lineTo(0, strip);
    drawToothedEdge(pen, ToothedEdge::divided(box.depth, 3, box.tabHeight, {0, 1}, {1, 0}), relief, panelGapStep(wb, lineWithScrewSlotLeft));
    pen.lineTo(0, strip);
    pen.lineTo(-box.height, 0);
    pen.lineTo(0, -strip);
    drawToothedEdge(pen, ToothedEdge::divided(box.depth, 3, box.tabHeight, {0, -1}, {-1, 0}), relief, panelGapStep(wb, lineWithScrewSlotRight));
    pen.stroke();
}

}  // namespace tessaro
