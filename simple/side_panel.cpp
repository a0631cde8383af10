#include "simple/side_panel.h"

#include "folding/bottom_warning.h"
#include "folding/panel_edges.h"
#include "folding/panel_sizes.h"
#include "output/shapes.h"

namespace tessaro {

void drawSimpleSidePanel(Workbench& wb) {
    const PanelSizes z = readPanelSizes(wb, {1, 3, 4, 5, 6, 7, 8, 9});
    warnIfBottomFallsOut(wb);
    Pen& pen = wb.pen;
    const bool relief = wb.options.cornerRelief;

    drawEndSlotRows(pen, z.fit(), {z.H, 2, z.D, false}, relief, screwHolesBetweenSlots(wb));

    // The body, counterclockwise from the front end of the side at x = 0.
    const double strip = z.M + z.F;
    pen.toOrigin();
    pen.moveTo(0, 0);
    pen.lineTo(0, -strip);
    pen.lineTo(z.H, 0);
    pen.lineTo(0, strip);
    drawToothedEdge(pen, ToothedEdge::divided(z.D, 3, z.T, {0, 1}, {1, 0}), relief, panelGapStep(wb, lineWithScrewSlotLeft));
    pen.lineTo(0, strip);
    pen.lineTo(-z.H, 0);
    pen.lineTo(0, -strip);
    drawToothedEdge(pen, ToothedEdge::divided(z.D, 3, z.T, {0, -1}, {-1, 0}), relief, panelGapStep(wb, lineWithScrewSlotRight));
    pen.stroke();
}

}  // namespace tessaro
